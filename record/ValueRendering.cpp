#include "record/ValueRendering.h"

#include "record/Codecs.h"

namespace marlo {

namespace {

std::string decimal(std::int32_t value) {
    return std::to_string(value);
}

std::string decimal(std::uint32_t value) {
    return decimal(static_cast<std::int32_t>(value));
}

} // namespace

std::string renderValue(const SettingRow& row, const DeviceSettings& s, std::size_t element) {
    switch (row.codec.kind) {
    case CodecKind::enumeration:
        return std::string(enumerationName(row.codec.table, fieldOf<std::int32_t>(row, s, element)));
    case CodecKind::number:
        return decimal(fieldOf<std::uint32_t>(row, s, element));
    case CodecKind::numberWithUnit:
        return decimal(fieldOf<std::uint32_t>(row, s, element)) + std::string(row.codec.word);
    case CodecKind::numberOrPlaceholder:
        return formatNumberOrPlaceholder(fieldOf<std::uint32_t>(row, s, element), 10, row.codec.word);
    case CodecKind::localPort:
    case CodecKind::duration:
        return decimal(fieldOf<std::int32_t>(row, s, element));
    case CodecKind::character:
        return formatCharacter(fieldOf<std::uint8_t>(row, s, element));
    case CodecKind::characterOrNone:
        return partnerOf<Flag>(row, s) ? formatCharacter(fieldOf<std::uint8_t>(row, s, element))
                                       : "&lt;None&gt;";
    case CodecKind::text:
        return escapeText(fieldOf<Text>(row, s, element));
    case CodecKind::rawText:
        return fieldOf<Text>(row, s, element);
    case CodecKind::addressPrefix:
        return formatAddressPrefix(fieldOf<Text>(row, s), partnerOf<Text>(row, s)).value_or("");
    case CodecKind::cipher:
        return std::string(formatCipher(fieldOf<Flag>(row, s), partnerOf<Flag>(row, s)));
    case CodecKind::push:
        return formatPush({fieldOf<std::uint8_t>(row, s, 0), fieldOf<std::uint8_t>(row, s, 1)},
                          partnerOf<std::int32_t>(row, s));
    case CodecKind::packingMode:
        return std::string(formatPackingMode(partnerOf<Flag>(row, s), fieldOf<std::int32_t>(row, s)));
    case CodecKind::none:
        break;
    }
    return {};
}

} // namespace marlo
