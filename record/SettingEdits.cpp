#include "record/SettingEdits.h"

#include "record/Codecs.h"

#include <optional>
#include <type_traits>

namespace marlo {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool isCharacter(const SettingRow& row) {
    return row.codec.kind == CodecKind::character || row.codec.kind == CodecKind::characterOrNone;
}

// A character typed as hexadecimal digits only, at most ff; the empty text gives 0.
std::optional<std::uint8_t> hexCharacter(std::string_view text) {
    const std::uint32_t value = parseUnsigned(text, 16);
    if (!isHexDigits(text) || value > 0xff) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

std::string formatForEdit(Setting setting, const DeviceSettings& settings, std::size_t element) {
    const SettingRow& row = settingRow(setting);
    const auto value = std::visit(
        [](const auto& field) -> std::uint32_t {
            if constexpr (std::is_same_v<std::decay_t<decltype(field)>, Text>) {
                return 0;
            } else {
                return static_cast<std::uint32_t>(field);
            }
        },
        valueOf(row, settings, element));
    const EditRule& rule = row.edit.value();
    if (value == 0 && rule.zeroText) {
        return std::string(*rule.zeroText);
    }
    return formatNumberOrPlaceholder(value, isCharacter(row) ? 16 : 10, "");
}

std::variant<std::uint32_t, const char*> readEdit(Setting setting, std::string_view text) {
    const SettingRow& row = settingRow(setting);
    const EditRule& rule = row.edit.value();
    text = trimmed(text);
    if (isCharacter(row)) {
        if (rule.missing && (text.empty() || text == "<None>")) {
            return rule.missing;
        }
        const auto character = hexCharacter(text);
        if (!character) {
            return rule.invalid;
        }
        return std::uint32_t{*character};
    }
    const std::uint32_t number = parseNumber(text);
    if (number < rule.min || number > rule.max) {
        return rule.outOfRange;
    }
    return number;
}

const char* storeFromEdit(Setting setting, std::string_view text, DeviceSettings& settings,
                          std::size_t element) {
    const auto read = readEdit(setting, text);
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
