// Every value codec's parse on a value text of outside bytes, and the format number dispatch that
// stores it. Where a codec has a formatter, what it formats parses back to the same value. The first
// two bytes pick the format number and the index for the dispatch; the rest is the value text.

#include "fuzz/FuzzCheck.h"
#include "fuzz/SettingsChecks.h"
#include "record/Codecs.h"
#include "record/ValueCodecs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace marlo;
using fuzz::require;

constexpr std::array<EnumerationTable, 12> allTables{
    tables::onOff,     tables::band,       tables::accessPointSuite, tables::profileSuite,
    tables::keyType,   tables::tunnelMode, tables::connections,      tables::protocol,
    tables::reception, tables::parity,     tables::flowControl,      tables::packingMode};

void enumerations(std::string_view text) {
    for (const EnumerationTable table : allTables) {
        if (const auto index = parseEnumeration(table, text)) {
            require(enumerationName(table, *index) == text, "an enumeration names what it parsed");
        }
    }
}

void numbers(std::string_view text) {
    const std::uint32_t number = parseNumber(text);
    require(parseNumber(formatNumberOrPlaceholder(number, 10, "&lt;Auto&gt;")) == number,
            "a number reads back as written");
    require(parseUnsigned(formatNumberOrPlaceholder(parseUnsigned(text, 16), 16, ""), 16) ==
                parseUnsigned(text, 16),
            "a hexadecimal number reads back as written");
    parseLocalPort(text);
    parseDuration(text);
}

void characters(std::string_view text) {
    if (const auto character = parseCharacter(text)) {
        const auto again = parseCharacter(formatCharacter(character->code));
        require(again && again->code == character->code && again->present,
                "a character reads back as written");
    }
    PushCharacters push{};
    std::int32_t count = 0;
    if (parsePush(text, push, count)) {
        require(count >= 0 && count <= DeviceSettings::maxPush, "at most two push characters");
        PushCharacters again{};
        std::int32_t againCount = 0;
        require(parsePush(formatPush(push, count), again, againCount) && againCount == count &&
                    std::equal(push.begin(), push.begin() + count, again.begin()),
                "push characters read back as written");
    }
}

void addressPrefix(std::string_view text) {
    std::string address;
    std::string mask;
    if (!parseAddressPrefix(text, address, mask)) {
        return;
    }
    if (const auto written = formatAddressPrefix(address, mask)) {
        // No address is written as none, whatever its mask.
        const bool none = address.empty() || address == "<None>";
        std::string againAddress;
        std::string againMask;
        require(parseAddressPrefix(*written, againAddress, againMask) &&
                    againAddress == (none ? "<None>" : address) && againMask == (none ? "<None>" : mask),
                "an address and its mask read back as written");
    }
}

void modesAndTexts(std::string_view text) {
    std::int32_t enabled = 0;
    std::int32_t mode = 0;
    if (parsePackingMode(text, enabled, mode)) {
        std::int32_t againEnabled = 0;
        std::int32_t againMode = mode;
        require(parsePackingMode(formatPackingMode(enabled, mode), againEnabled, againMode) &&
                    againEnabled == enabled && againMode == mode,
                "a packing mode reads back as written");
    }
    const Cipher cipher = parseCipher(text);
    const Cipher again = parseCipher(formatCipher(cipher.ccmp, cipher.tkip));
    require(again.ccmp == cipher.ccmp && again.tkip == cipher.tkip, "a cipher reads back as written");
    const std::string plain = unescapeText(text);
    require(unescapeText(escapeText(plain)) == plain, "a text reads back as written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto rows = settingsSchema();
    const SettingRow& row = rows[data[0] % rows.size()];
    const std::size_t element = data[1] % std::max<std::size_t>(1, elementCount(row.array));
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    enumerations(text);
    numbers(text);
    characters(text);
    addressPrefix(text);
    modesAndTexts(text);
    DeviceSettings settings;
    decodeValue(row, settings, element, text);
    require(fuzz::keepsItsInvariants(settings), "a stored value keeps the settings valid");
    return 0;
}
