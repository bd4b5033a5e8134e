#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace marlo {

// Conversions between a setting's record text and its value. Parsing codecs take the raw text
// between a value's start tag and "</value>", still in the record's escaped form.

using EnumerationTable = std::span<const std::string_view>;

namespace tables {
inline constexpr std::array<std::string_view, 2> onOff{"Disabled", "Enabled"};
inline constexpr std::array<std::string_view, 3> band{"Dual", "5 GHz Only", "2.4 GHz Only"};
inline constexpr std::array<std::string_view, 4> accessPointSuite{"None", "WPA", "WPA2", "WEP"};
inline constexpr std::array<std::string_view, 4> profileSuite{"None", "WPA-WPA2 Mixed Mode", "WPA2", "WEP"};
inline constexpr std::array<std::string_view, 2> keyType{"Passphrase", "Hex"};
inline constexpr std::array<std::string_view, 5> tunnelMode{"Disable", "Always", "Any Character",
                                                            "Start Character", "Modem Control Asserted"};
inline constexpr std::array<std::string_view, 3> connections{"Sequential", "Simultaneous", "Round-Robin"};
inline constexpr std::array<std::string_view, 2> protocol{"TCP", "UDP"};
inline constexpr std::array<std::string_view, 2> reception{"Restricted", "Unrestricted"};
inline constexpr std::array<std::string_view, 3> parity{"None", "Even", "Odd"};
inline constexpr std::array<std::string_view, 3> flowControl{"None", "Hardware", "Software"};
inline constexpr std::array<std::string_view, 2> packingMode{"Timeout", "Send Character"};
} // namespace tables

// The values of the tables above, as the settings hold them: each is its entry's index.
enum RadioBand : std::int32_t { dualBand, band5GHzOnly, band24GHzOnly };
enum AccessPointSuite : std::int32_t { accessPointOpen, accessPointWpa, accessPointWpa2, accessPointWep };
enum ProfileSuite : std::int32_t { profileOpen, profileWpaWpa2Mixed, profileWpa2, profileWep };
enum KeyType : std::int32_t { keyPassphrase, keyHex };
enum TunnelMode : std::int32_t {
    tunnelDisable,
    tunnelAlways,
    tunnelAnyCharacter,
    tunnelStartCharacter,
    tunnelModemControlAsserted,
};
enum Connections : std::int32_t { sequentialConnections, simultaneousConnections, roundRobinConnections };
enum Protocol : std::int32_t { protocolTcp, protocolUdp };
enum Reception : std::int32_t { receptionRestricted, receptionUnrestricted };
enum Parity : std::int32_t { noParity, evenParity, oddParity };
enum FlowControl : std::int32_t { noFlowControl, hardwareFlowControl, softwareFlowControl };
enum PackingMode : std::int32_t { packingByTimeout, packingBySendCharacter };

// The text that stands in the settings for a secret the device holds but does not show.
inline constexpr std::string_view configuredSecret = "<Configured>";

// Index of the first entry equal to `text`, or no value.
std::optional<std::int32_t> parseEnumeration(EnumerationTable table, std::string_view text);
// The entry at `index`; the empty text for an index outside the table.
std::string_view enumerationName(EnumerationTable table, std::int32_t index);

std::uint32_t parseNumber(std::string_view text);
// The unsigned number at the start of `text` in base 10 or 16: leading blanks and a sign are
// skipped (a minus wraps modulo 2^32), digits are read up to the first other byte, no digits give
// 0 and a number above 4294967295 gives 4294967295.
std::uint32_t parseUnsigned(std::string_view text, int base);
// True when every character is a hexadecimal digit; the empty text passes.
bool isHexDigits(std::string_view text);
std::int32_t parseLocalPort(std::string_view text);

struct ParsedCharacter {
    std::uint8_t code = 0;
    bool present = false;
};
std::optional<ParsedCharacter> parseCharacter(std::string_view text);
std::string formatCharacter(std::uint8_t code);

// Caret notation of a control character: 0 "@", 1 to 26 "A" to "Z", 27 "[" ... 31 "_".
char caretLetter(std::uint8_t code);
std::optional<std::uint8_t> caretCode(char letter);

struct Cipher {
    bool ccmp = false;
    bool tkip = false;
};
Cipher parseCipher(std::string_view text);
std::string_view formatCipher(bool ccmp, bool tkip);

// Dotted IPv4 text by the rules of `inet_addr`, in network byte order. 255.255.255.255 is
// refused, since `inet_addr` returns the same value for it as for an error, and so is a text that
// holds a zero byte, a "<" or a carriage return.
std::optional<std::uint32_t> parseDottedAddress(std::string_view text);
std::string formatDottedAddress(std::uint32_t networkOrder);

// Empties both results first; false when the text is neither "&lt;None&gt;" nor holds a "/".
bool parseAddressPrefix(std::string_view text, std::string& address, std::string& mask);
// "address/prefix", "&lt;None&gt;" for an empty address or "<None>", no value for a bad address
// or mask.
std::optional<std::string> formatAddressPrefix(std::string_view address, std::string_view mask);
// Both in network byte order.
std::uint32_t prefixToMask(std::int32_t prefixLength);
std::int32_t maskToPrefix(std::uint32_t mask);

std::int32_t parseDuration(std::string_view text);

using PushCharacters = std::array<std::uint8_t, 2>;
// Clears the results first; on a format error they hold what was read before it.
bool parsePush(std::string_view text, PushCharacters& characters, std::int32_t& count);
std::string formatPush(const PushCharacters& characters, std::int32_t count);

// "Disable" clears `enabled` and leaves `mode`; any other text sets `enabled` and is a format
// error unless it is a packing mode.
bool parsePackingMode(std::string_view text, std::int32_t& enabled, std::int32_t& mode);
std::string_view formatPackingMode(std::int32_t enabled, std::int32_t mode);

std::string unescapeText(std::string_view text);
std::string escapeText(std::string_view text);

// `placeholder` for a value of 0 when it is not empty, else decimal (base 10) or at least two
// lower-case hexadecimal digits (base 16).
std::string formatNumberOrPlaceholder(std::uint32_t value, int base, std::string_view placeholder);

} // namespace marlo
