#include "record/ValueCodecs.h"

#include "record/Codecs.h"

namespace marlo {

namespace {

using S = DeviceSettings;
using Element = std::size_t;

std::string decimal(std::int32_t value) {
    return std::to_string(value);
}

std::string decimal(std::uint32_t value) {
    return decimal(static_cast<std::int32_t>(value));
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The field's value as an edit box's number, its rule's zero text for 0.
std::string editNumber(const SettingRow& row, std::uint32_t value, int base) {
    const EditRule& rule = row.edit.value();
    if (value == 0 && rule.zeroText) {
        return std::string(*rule.zeroText);
    }
    return formatNumberOrPlaceholder(value, base, "");
}

// How a codec's field shows in an edit box: in decimal, read as `parseNumber` reads it and checked
// against the rule's range.
template <class Value> struct DecimalEdit {
    static std::string editText(const SettingRow& row, const S& s, Element element) {
        return editNumber(row, static_cast<std::uint32_t>(fieldOf<Value>(row, s, element)), 10);
    }
    static EditReading readEdit(const SettingRow& row, std::string_view text) {
        const EditRule& rule = row.edit.value();
        const std::uint32_t number = parseNumber(trimmed(text));
        if (number < rule.min || number > rule.max) {
            return rule.outOfRange;
        }
        return number;
    }
};

// A codec whose field no edit box shows.
struct NoEdit {
    static std::string editText(const SettingRow&, const S&, Element) { return {}; }
    static EditReading readEdit(const SettingRow& row, std::string_view) { return row.edit.value().invalid; }
};

// One struct per kind of codec: `decode` reads the record text into the field, `render` writes it,
// `editText` and `readEdit` show it in an edit box and read it back.

struct NoCodec : NoEdit {
    static bool decode(const SettingRow&, S&, Element, std::string_view) { return true; }
    static std::string render(const SettingRow&, const S&, Element) { return {}; }
};

struct EnumerationCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
        const auto index = parseEnumeration(row.codec.table, value);
        if (index) {
            fieldOf<std::int32_t>(row, s, element) = *index;
        }
        return index.has_value();
    }
    static std::string render(const SettingRow& row, const S& s, Element element) {
        return std::string(enumerationName(row.codec.table, fieldOf<std::int32_t>(row, s, element)));
    }
};

// Decimal, read by `parseNumber`; the unit word and the placeholder for 0 are only written.
struct NumberCodec : DecimalEdit<std::uint32_t> {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
        fieldOf<std::uint32_t>(row, s, element) = parseNumber(value);
        return true;
    }
    static std::string render(const SettingRow& row, const S& s, Element element) {
        const std::uint32_t value = fieldOf<std::uint32_t>(row, s, element);
        switch (row.codec.kind) {
        case CodecKind::numberWithUnit:
            return decimal(value) + std::string(row.codec.word);
        case CodecKind::numberOrPlaceholder:
            return formatNumberOrPlaceholder(value, 10, row.codec.word);
        default:
            return decimal(value);
        }
    }
};

struct LocalPortCodec : DecimalEdit<std::int32_t> {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
        fieldOf<std::int32_t>(row, s, element) = parseLocalPort(value);
        return true;
    }
    static std::string render(const SettingRow& row, const S& s, Element element) {
        return decimal(fieldOf<std::int32_t>(row, s, element));
    }
};

struct DurationCodec : DecimalEdit<std::int32_t> {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
        fieldOf<std::int32_t>(row, s, element) = parseDuration(value);
        return true;
    }
    static std::string render(const SettingRow& row, const S& s, Element element) {
        return decimal(fieldOf<std::int32_t>(row, s, element));
    }
};

// A character; with a partner flag ("characterOrNone") "&lt;None&gt;" while the flag is off.
struct CharacterCodec {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
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
    static std::string render(const SettingRow& row, const S& s, Element element) {
        const bool present = row.codec.kind == CodecKind::character || partnerOf<Flag>(row, s) != 0;
        return present ? formatCharacter(fieldOf<std::uint8_t>(row, s, element)) : "&lt;None&gt;";
    }
    // Up to two hexadecimal digits, at most ff; an empty box or "<None>" is the rule's missing
    // character, or 0 when the rule has none.
    static std::string editText(const SettingRow& row, const S& s, Element element) {
        return editNumber(row, fieldOf<std::uint8_t>(row, s, element), 16);
    }
    static EditReading readEdit(const SettingRow& row, std::string_view text) {
        const EditRule& rule = row.edit.value();
        text = trimmed(text);
        if (rule.missing && (text.empty() || text == "<None>")) {
            return rule.missing;
        }
        const std::uint32_t value = parseUnsigned(text, 16);
        if (!isHexDigits(text) || value > 0xff) {
            return rule.invalid;
        }
        return value;
    }
};

struct TextCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
        fieldOf<Text>(row, s, element) = unescapeText(value);
        return true;
    }
    static std::string render(const SettingRow& row, const S& s, Element element) {
        return escapeText(fieldOf<Text>(row, s, element));
    }
};

struct RawTextCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element element, std::string_view value) {
        fieldOf<Text>(row, s, element) = value;
        return true;
    }
    static std::string render(const SettingRow& row, const S& s, Element element) {
        return fieldOf<Text>(row, s, element);
    }
};

struct AddressPrefixCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element, std::string_view value) {
        return parseAddressPrefix(value, fieldOf<Text>(row, s), partnerOf<Text>(row, s));
    }
    static std::string render(const SettingRow& row, const S& s, Element) {
        return formatAddressPrefix(fieldOf<Text>(row, s), partnerOf<Text>(row, s)).value_or("");
    }
};

struct CipherCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element, std::string_view value) {
        const Cipher cipher = parseCipher(value);
        fieldOf<Flag>(row, s) = cipher.ccmp ? 1 : 0;
        partnerOf<Flag>(row, s) = cipher.tkip ? 1 : 0;
        return true;
    }
    static std::string render(const SettingRow& row, const S& s, Element) {
        return std::string(formatCipher(fieldOf<Flag>(row, s), partnerOf<Flag>(row, s)));
    }
};

// The whole array in one value, its partner holding the count.
struct PushCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element, std::string_view value) {
        PushCharacters characters{};
        std::int32_t count = 0;
        const bool parsed = parsePush(value, characters, count);
        for (std::size_t i = 0; i < characters.size(); ++i) {
            fieldOf<std::uint8_t>(row, s, i) = characters[i];
        }
        partnerOf<std::int32_t>(row, s) = count;
        return parsed;
    }
    static std::string render(const SettingRow& row, const S& s, Element) {
        return formatPush({fieldOf<std::uint8_t>(row, s, 0), fieldOf<std::uint8_t>(row, s, 1)},
                          partnerOf<std::int32_t>(row, s));
    }
};

struct PackingModeCodec : NoEdit {
    static bool decode(const SettingRow& row, S& s, Element, std::string_view value) {
        return parsePackingMode(value, partnerOf<Flag>(row, s), fieldOf<std::int32_t>(row, s));
    }
    static std::string render(const SettingRow& row, const S& s, Element) {
        return std::string(formatPackingMode(partnerOf<Flag>(row, s), fieldOf<std::int32_t>(row, s)));
    }
};

// Calls `use` with the codec of `kind`.
template <class Use> auto withCodec(CodecKind kind, Use use) {
    switch (kind) {
    case CodecKind::enumeration:
        return use(EnumerationCodec{});
    case CodecKind::number:
    case CodecKind::numberWithUnit:
    case CodecKind::numberOrPlaceholder:
        return use(NumberCodec{});
    case CodecKind::localPort:
        return use(LocalPortCodec{});
    case CodecKind::duration:
        return use(DurationCodec{});
    case CodecKind::character:
    case CodecKind::characterOrNone:
        return use(CharacterCodec{});
    case CodecKind::text:
        return use(TextCodec{});
    case CodecKind::rawText:
        return use(RawTextCodec{});
    case CodecKind::addressPrefix:
        return use(AddressPrefixCodec{});
    case CodecKind::cipher:
        return use(CipherCodec{});
    case CodecKind::push:
        return use(PushCodec{});
    case CodecKind::packingMode:
        return use(PackingModeCodec{});
    case CodecKind::none:
        break;
    }
    return use(NoCodec{});
}

} // namespace

bool decodeValue(const SettingRow& row, DeviceSettings& settings, std::size_t element,
                 std::string_view value) {
    return withCodec(row.codec.kind,
                     [&](auto codec) { return decltype(codec)::decode(row, settings, element, value); });
}

std::string renderValue(const SettingRow& row, const DeviceSettings& settings, std::size_t element) {
    return withCodec(row.codec.kind,
                     [&](auto codec) { return decltype(codec)::render(row, settings, element); });
}

std::string editText(const SettingRow& row, const DeviceSettings& settings, std::size_t element) {
    return withCodec(row.codec.kind,
                     [&](auto codec) { return decltype(codec)::editText(row, settings, element); });
}

EditReading readEdit(const SettingRow& row, std::string_view text) {
    return withCodec(row.codec.kind, [&](auto codec) { return decltype(codec)::readEdit(row, text); });
}

} // namespace marlo
