#include "record/Codecs.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#endif

#include <algorithm>
#include <cstdio>
#include <limits>

namespace marlo {

namespace {

constexpr std::string_view controlNotation = "&lt;control&gt;";
constexpr std::string_view noneWord = "&lt;None&gt;";

struct Entity {
    std::string_view text;
    char character;
};
// In the order the unescaping replaces them.
constexpr std::array<Entity, 5> entities{{
    {"&lt;", '<'},
    {"&gt;", '>'},
    {"&amp;", '&'},
    {"&apos;", '\''},
    {"&quot;", '"'},
}};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct DecimalText {
    bool negative = false;
    std::uint64_t magnitude = 0; // saturates just above the 32-bit range
};

// 0 to 15 for a digit of base 16, 16 for any other byte.
unsigned digitValue(char c) {
    if (isDigit(c)) {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    return 16;
}

// Leading blanks, an optional sign, then digits of `base` up to the first other byte.
DecimalText readNumber(std::string_view text, unsigned base) {
    constexpr std::uint64_t saturation = std::uint64_t{1} << 33;
    DecimalText result;
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size() && digitValue(text[i]) < base; ++i) {
        result.magnitude = std::min(saturation, result.magnitude * base + digitValue(text[i]));
    }
    return result;
}

DecimalText readDecimal(std::string_view text) {
    return readNumber(text, 10);
}

std::int32_t toSigned32(DecimalText number) {
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int32_t>::min();
    const auto value = static_cast<std::int64_t>(number.magnitude);
    return static_cast<std::int32_t>(number.negative ? std::max(min, -value) : std::min(max, value));
}

// The entity at the head of `text`, if any.
const Entity* leadingEntity(std::string_view text) {
    for (const Entity& entity : entities) {
        if (text.starts_with(entity.text)) {
            return &entity;
        }
    }
    return nullptr;
}

std::uint32_t parseHexadecimal(std::string_view digits) {
    std::uint32_t value = 0;
    for (char c : digits) {
        const unsigned digit = digitValue(c);
        if (digit >= 16) {
            break;
        }
        value = (value << 4) | digit;
    }
    return value;
}

// The count written before a unit word: one or two digits and one blank before the word.
std::int32_t unitCount(std::string_view text, std::string_view word) {
    const std::size_t p = text.find(word);
    if (p == std::string_view::npos) {
        return 0;
    }
    std::size_t s = p >= 3 ? p - 3 : 0;
    if (text[s] == ' ') {
        ++s;
    }
    const std::size_t width = text[s + 1] == ' ' ? 1 : 2;
    return toSigned32(readDecimal(text.substr(s, width)));
}

// A bare number of seconds as the record writer stores it: an optional minus and the digits of a
// signed 32-bit number.
std::optional<std::int32_t> plainSeconds(std::string_view text) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 10 || !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return std::nullopt;
    }
    const DecimalText number = readDecimal(digits);
    const std::uint64_t limit = std::uint64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    if (number.magnitude > limit) {
        return std::nullopt;
    }
    const auto magnitude = static_cast<std::int64_t>(number.magnitude);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> parseEnumeration(EnumerationTable table, std::string_view text) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == text) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}

std::string_view enumerationName(EnumerationTable table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return {};
    }
    return table[static_cast<std::size_t>(index)];
}

std::uint32_t parseNumber(std::string_view text) {
    if (text == "&lt;None&gt;" || text == "&lt;Disabled&gt;" || text == "&lt;Random&gt;" ||
        text == "&lt;Auto&gt;") {
        return 0;
    }
    return parseUnsigned(text, 10);
}

std::uint32_t parseUnsigned(std::string_view text, int base) {
    const DecimalText number = readNumber(text, static_cast<unsigned>(base));
    if (number.magnitude > std::numeric_limits<std::uint32_t>::max()) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    const auto value = static_cast<std::uint32_t>(number.magnitude);
    return number.negative ? 0u - value : value;
}

std::int32_t parseLocalPort(std::string_view text) {
    if (text == "&lt;Random&gt;") {
        return 0;
    }
    return toSigned32(readDecimal(text));
}

char caretLetter(std::uint8_t code) {
    return static_cast<char>('@' + (code & 0x1f));
}

std::optional<std::uint8_t> caretCode(char letter) {
    if (letter < '@' || letter > '_') {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(letter - '@');
}

std::optional<ParsedCharacter> parseCharacter(std::string_view text) {
    if (text == noneWord) {
        return ParsedCharacter{0, false};
    }
    if (text.find(controlNotation) != std::string_view::npos) {
        if (text.size() <= controlNotation.size()) {
            return std::nullopt;
        }
        const auto code = caretCode(text[controlNotation.size()]);
        if (!code) {
            return std::nullopt;
        }
        return ParsedCharacter{*code, true};
    }
    if (text.starts_with("0x")) {
        return ParsedCharacter{static_cast<std::uint8_t>(parseHexadecimal(text.substr(2)) & 0xff), true};
    }
    if (const Entity* entity = leadingEntity(text)) {
        return ParsedCharacter{static_cast<std::uint8_t>(entity->character), true};
    }
    return ParsedCharacter{text.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(text.front()), true};
}

std::string formatCharacter(std::uint8_t code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02x", static_cast<unsigned>(code));
    return buffer;
}

Cipher parseCipher(std::string_view text) {
    return {text.find("CCMP") != std::string_view::npos, text.find("TKIP") != std::string_view::npos};
}

std::string_view formatCipher(bool ccmp, bool tkip) {
    if (ccmp && tkip) {
        return "CCMP, TKIP";
    }
    if (ccmp) {
        return "CCMP";
    }
    return tkip ? "TKIP" : "None";
}

std::optional<std::uint32_t> parseDottedAddress(std::string_view text) {
    // `inet_addr` takes any text after a blank, but the record holds an address unescaped: a "<"
    // would be read back as markup and a carriage return as a line end.
    const std::string terminated(text);
    if (terminated.find_first_of(std::string_view("\0<\r", 3)) != std::string::npos) {
        return std::nullopt;
    }
    const auto value = inet_addr(terminated.c_str());
    if (value == INADDR_NONE) {
        return std::nullopt;
    }
    return value;
}

std::string formatDottedAddress(std::uint32_t networkOrder) {
    in_addr address{};
    address.s_addr = networkOrder;
    return inet_ntoa(address);
}

bool parseAddressPrefix(std::string_view text, std::string& address, std::string& mask) {
    address.clear();
    mask.clear();
    if (text == noneWord) {
        address = "<None>";
        mask = "<None>";
        return true;
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return false;
    }
    address = text.substr(0, slash);
    mask = formatDottedAddress(prefixToMask(toSigned32(readDecimal(text.substr(slash + 1)))));
    return true;
}

std::optional<std::string> formatAddressPrefix(std::string_view address, std::string_view mask) {
    if (address.empty() || address == "<None>") {
        return std::string(noneWord);
    }
    const auto addressValue = parseDottedAddress(address);
    const auto maskValue = parseDottedAddress(mask);
    if (!addressValue || !maskValue) {
        return std::nullopt;
    }
    const std::int32_t prefix = maskToPrefix(*maskValue);
    if (prefix < 0) {
        return std::nullopt;
    }
    return std::string(address) + "/" + std::to_string(prefix);
}

std::uint32_t prefixToMask(std::int32_t prefixLength) {
    std::uint32_t mask = 0;
    for (std::int32_t i = 0; i < prefixLength && i < 32; ++i) {
        mask |= std::uint32_t{1} << (31 - i);
    }
    return htonl(mask);
}

std::int32_t maskToPrefix(std::uint32_t mask) {
    const std::uint32_t host = ntohl(mask);
    std::int32_t ones = 0;
    bool zeroSeen = false;
    for (int bit = 31; bit >= 0; --bit) {
        if (host & (std::uint32_t{1} << bit)) {
            if (zeroSeen) {
                return -1;
            }
            ++ones;
        } else {
            zeroSeen = true;
        }
    }
    return ones;
}

std::int32_t parseDuration(std::string_view text) {
    const bool hasUnit = text.find("hour") != std::string_view::npos ||
                         text.find("minute") != std::string_view::npos ||
                         text.find("second") != std::string_view::npos;
    if (!hasUnit) {
        // The record writer stores a bare number of seconds.
        return plainSeconds(text).value_or(0);
    }
    const std::int64_t seconds = std::int64_t{unitCount(text, "hour")} * 3600 +
                                 std::int64_t{unitCount(text, "minute")} * 60 + unitCount(text, "second");
    return static_cast<std::int32_t>(seconds);
}

bool parsePush(std::string_view text, PushCharacters& characters, std::int32_t& count) {
    characters = {};
    count = 0;
    while (!text.empty() && count < 2) {
        std::size_t tokenSize = 1;
        if (text.starts_with(controlNotation)) {
            tokenSize = std::min(text.size(), controlNotation.size() + 1);
        } else if (const Entity* entity = leadingEntity(text)) {
            tokenSize = entity->text.size();
        }
        const auto character = parseCharacter(text.substr(0, tokenSize));
        if (!character) {
            return false;
        }
        text.remove_prefix(tokenSize);
        characters[static_cast<std::size_t>(count)] = character->code;
        ++count;
    }
    return true;
}

std::string formatPush(const PushCharacters& characters, std::int32_t count) {
    if (count != 1 && count != 2) {
        return {};
    }
    std::string text;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t code = characters[static_cast<std::size_t>(i)];
        if (code < 0x20) {
            text += controlNotation;
            text += caretLetter(code);
        } else {
            text += escapeText(std::string_view(reinterpret_cast<const char*>(&code), 1));
        }
    }
    return text;
}

bool parsePackingMode(std::string_view text, std::int32_t& enabled, std::int32_t& mode) {
    if (text == "Disable") {
        enabled = 0;
        return true;
    }
    enabled = 1;
    const auto index = parseEnumeration(tables::packingMode, text);
    if (!index) {
        return false;
    }
    mode = *index;
    return true;
}

std::string_view formatPackingMode(std::int32_t enabled, std::int32_t mode) {
    return enabled == 0 ? "Disable" : enumerationName(tables::packingMode, mode);
}

std::string unescapeText(std::string_view text) {
    std::string result(text);
    for (const Entity& entity : entities) {
        // Replacing an occurrence can only form a new one at the same place ("&amp;amp;"), so one
        // pass that looks again at the replaced position equals searching again from the start.
        std::string next;
        next.reserve(result.size());
        std::string_view rest = result;
        for (std::size_t pos = rest.find(entity.text); pos != std::string_view::npos;
             pos = rest.find(entity.text)) {
            next += rest.substr(0, pos);
            rest.remove_prefix(pos + entity.text.size());
            const std::string_view tail = entity.text.substr(1);
            while (entity.character == entity.text.front() && rest.starts_with(tail)) {
                rest.remove_prefix(tail.size());
            }
            next += entity.character;
        }
        next += rest;
        result = std::move(next);
    }
    return result;
}

std::string escapeText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '\'':
            result += "&apos;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

bool isHexDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

std::string formatNumberOrPlaceholder(std::uint32_t value, int base, std::string_view placeholder) {
    if (value == 0 && !placeholder.empty()) {
        return std::string(placeholder);
    }
    char buffer[16];
    if (base == 16) {
        std::snprintf(buffer, sizeof buffer, "%02x", value);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d", static_cast<std::int32_t>(value));
    }
    return buffer;
}

} // namespace marlo
