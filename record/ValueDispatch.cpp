#include "record/ValueDispatch.h"

#include "record/Codecs.h"
#include "record/SettingsSchema.h"

namespace marlo {

namespace {

bool storeEnumeration(std::int32_t& field, EnumerationTable table, std::string_view value) {
    const auto index = parseEnumeration(table, value);
    if (!index) {
        return false;
    }
    field = *index;
    return true;
}

// The row's codec stores the value into its field, and into its partner's for a codec that fills
// two.
bool decode(const SettingRow& row, DeviceSettings& s, std::size_t element, std::string_view value) {
    switch (row.codec.kind) {
    case CodecKind::enumeration:
        return storeEnumeration(fieldOf<std::int32_t>(row, s, element), row.codec.table, value);
    case CodecKind::number:
    case CodecKind::numberWithUnit:
    case CodecKind::numberOrPlaceholder:
        fieldOf<std::uint32_t>(row, s, element) = parseNumber(value);
        return true;
    case CodecKind::localPort:
        fieldOf<std::int32_t>(row, s, element) = parseLocalPort(value);
        return true;
    case CodecKind::duration:
        fieldOf<std::int32_t>(row, s, element) = parseDuration(value);
        return true;
    case CodecKind::character:
    case CodecKind::characterOrNone: {
        const auto character = parseCharacter(value);
        if (!character) {
            return false;
        }
        fieldOf<std::uint8_t>(row, s, element) = character->code;
        if (row.partner) {
            partnerOf<Flag>(row, s) = character->present ? 1 : 0;
        }
        return true;
    }
    case CodecKind::text:
        fieldOf<Text>(row, s, element) = unescapeText(value);
        return true;
    case CodecKind::rawText:
        fieldOf<Text>(row, s, element) = value;
        return true;
    case CodecKind::addressPrefix:
        return parseAddressPrefix(value, fieldOf<Text>(row, s), partnerOf<Text>(row, s));
    case CodecKind::cipher: {
        const Cipher cipher = parseCipher(value);
        fieldOf<Flag>(row, s) = cipher.ccmp ? 1 : 0;
        partnerOf<Flag>(row, s) = cipher.tkip ? 1 : 0;
        return true;
    }
    case CodecKind::push: {
        PushCharacters characters{};
        std::int32_t count = 0;
        const bool parsed = parsePush(value, characters, count);
        for (std::size_t i = 0; i < characters.size(); ++i) {
            fieldOf<std::uint8_t>(row, s, i) = characters[i];
        }
        partnerOf<std::int32_t>(row, s) = count;
        return parsed;
    }
    case CodecKind::packingMode:
        return parsePackingMode(value, partnerOf<Flag>(row, s), fieldOf<std::int32_t>(row, s));
    case CodecKind::none:
        break;
    }
    return true;
}

} // namespace

bool storeValue(DeviceSettings& settings, std::int32_t formatNumber, std::int32_t index,
                std::string_view value) {
    const SettingRow* row = settingRowByNumber(formatNumber);
    if (!row) {
        return true;
    }
    // The index picks a profile or a destination; the push's one value fills its whole array.
    const bool indexed = row->array == SettingArray::profiles || row->array == SettingArray::hosts;
    if (!indexed) {
        return decode(*row, settings, 0, value);
    }
    if (index < 0 || static_cast<std::size_t>(index) >= elementCount(row->array)) {
        return true;
    }
    return decode(*row, settings, static_cast<std::size_t>(index), value);
}

} // namespace marlo
