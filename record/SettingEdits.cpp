#include "record/SettingEdits.h"

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
    storeNumber(settingRow(setting), settings, element, std::get<std::uint32_t>(read));
    return nullptr;
}

} // namespace marlo
