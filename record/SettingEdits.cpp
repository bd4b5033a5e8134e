#include "record/SettingEdits.h"

#include <type_traits>

namespace marlo {

std::string formatForEdit(Setting setting, const DeviceSettings& settings, std::size_t element) {
    return editText(settingRow(setting), settings, element);
}

const char* storeFromEdit(Setting setting, std::string_view text, DeviceSettings& settings,
                          std::size_t element) {
    const EditReading read = readEdit(settingRow(setting), text);
    if (const auto* refusal = std::get_if<const char*>(&read)) {
        return *refusal;
    }
    const std::uint32_t value = std::get<std::uint32_t>(read);
    std::visit(
        [value](auto* field) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(*field)>, Text>) {
                *field = static_cast<std::decay_t<decltype(*field)>>(value);
            }
        },
        settingRow(setting).field(settings, element));
    return nullptr;
}

} // namespace marlo
