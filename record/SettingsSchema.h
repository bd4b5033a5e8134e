#pragma once

#include "record/AddressRefusal.h"
#include "record/Codecs.h"
#include "record/DeviceSettings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace marlo {

// Every field of DeviceSettings, in the order of the settings model (marlo-cli prints them so).
enum class Setting {
    reboot,
    radioBand,
    staState,
    staPriority,
    radioKeepAlive,
    staDhcpClient,
    staIpAddress,
    staSubnetMask,
    staDefaultGateway,
    staPrimaryDns,
    staSecondaryDns,
    apState,
    apPriority,
    apIpAddress,
    apSubnetMask,
    apDefaultGateway,
    apPrimaryDns,
    apSecondaryDns,
    apDhcpRangeStart,
    apDhcpRangeEnd,
    accessPointSsid,
    accessPointGuest,
    accessPointChannel,
    accessPointSuite,
    accessPointCcmp,
    accessPointTkip,
    accessPointPassphrase,
    accessPointEdited,
    profileState,
    profileNetworkName,
    profileName,
    profileSuite,
    profileKeyType,
    profileCount,
    acceptMode,
    acceptLocalPort,
    acceptPassword,
    acceptStartCharacter,
    acceptFlushLine,
    acceptFlushStartCharacter,
    acceptMultipleConnections,
    connectMode,
    connectConnections,
    connectReconnectTime,
    connectFlushLine,
    connectStartCharacter,
    connectFlushStartCharacter,
    connectProtocol,
    connectReception,
    hostAddress,
    hostPort,
    hostLocalPort,
    hostInitialSend,
    connectEdited,
    disconnectStopCharacterEnabled,
    disconnectStopCharacter,
    disconnectTimeout,
    disconnectFlushLine,
    disconnectModemControl,
    lineBaudRate,
    lineDataBits,
    lineStopBits,
    lineParity,
    lineFlowControl,
    lineXonChar,
    lineXoffChar,
    lineGapTimer,
    lineThreshold,
    linePush,
    linePushCount,
    packingEnabled,
    packingMode,
    packingThreshold,
    packingTimeout,
    packingSendCharacter,
    packingFlushSendCharacter,
    packingTrailingCharacterEnabled,
    packingTrailingCharacter,
    staCurrentIpAddress,
};
inline constexpr std::size_t settingCount = static_cast<std::size_t>(Setting::staCurrentIpAddress) + 1;

// A group of the record, by its name and instance.
struct RecordGroup {
    std::string_view name;
    std::optional<std::string_view> instance{};
};

namespace groups {
inline constexpr RecordGroup radio{"Radio"};
inline constexpr RecordGroup station{"Interface", "wlan0"};
inline constexpr RecordGroup accessPointInterface{"Interface", "ap0"};
inline constexpr RecordGroup accessPoint{"Access Point", "ap0"};
inline constexpr RecordGroup tunnelAccept{"Tunnel Accept", "1"};
inline constexpr RecordGroup tunnelConnect{"Tunnel Connect", "1"};
inline constexpr RecordGroup tunnelDisconnect{"Tunnel Disconnect", "1"};
inline constexpr RecordGroup line{"Line", "1"};
inline constexpr RecordGroup tunnelPacking{"Tunnel Packing", "1"};
// Any instance: the instance is the profile's name.
inline constexpr RecordGroup wlanProfile{"WLAN Profile"};
// In the status record.
inline constexpr RecordGroup stationStatus{"Interface", "wlan0"};
} // namespace groups

// The values of a station profile's "Security" item that no setting holds: the keys, which are only
// ever written.
namespace profileKeyValues {
inline constexpr std::string_view wpaAuthentication = "WPAx Authentication";
inline constexpr std::string_view wpaPassphrase = "WPAx Passphrase";
inline constexpr std::string_view wpaKey = "WPAx Key";
inline constexpr std::string_view wepKeySize = "WEP Key Size";
inline constexpr std::string_view wepTransmitKeyIndex = "WEP TX Key Index";
// "WEP Key 1 Key" to "WEP Key 4 Key", for `row` 0 to 3.
inline std::string wepKey(int row) {
    return "WEP Key " + std::to_string(row + 1) + " Key";
}
} // namespace profileKeyValues

// Where a value lives in the record.
struct RecordPlace {
    const RecordGroup* group = nullptr;
    std::string_view item{};
    std::optional<std::string_view> value{}; // the value's name attribute; none for an unnamed value
};

// How a value's record text becomes the field and back.
enum class CodecKind {
    none,                // a field the record does not carry by itself
    enumeration,         // the entry of `table` at the field's index
    number,              // decimal
    numberWithUnit,      // decimal and `word`, such as " bytes"
    numberOrPlaceholder, // `word` for 0, else decimal
    localPort,           // signed decimal, "&lt;Random&gt;" read as 0
    duration,            // read as hours, minutes and seconds, written as a number of seconds
    character,           // "0x%02x"; read from any notation of one character
    characterOrNone,     // a character, or "&lt;None&gt;" while the partner flag is off
    text,                // escaped text
    rawText,             // the value text as it stands
    addressPrefix,       // "address/prefix" of the field and its partner, the mask
    cipher,              // "CCMP", "TKIP" or both, from the field and its partner
    push,                // up to two characters of the array, the partner holding their count
    packingMode,         // "Disable" while the partner flag is off, else the packing mode table
};

struct Codec {
    CodecKind kind = CodecKind::none;
    EnumerationTable table{};
    std::string_view word{};
};

// How a page shows a number or character field in an edit box and checks what was typed back.
// Numbers are read as `parseNumber` reads them, characters as up to two hexadecimal digits.
struct EditRule {
    std::optional<std::string_view> zeroText{}; // what the box shows for 0; none: the digits
    std::uint32_t min = 0;
    std::uint32_t max = 0;
    const char* outOfRange = nullptr; // a number outside min..max
    const char* missing = nullptr;    // a character box left empty or "<None>"; null: it stores 0
    const char* invalid = nullptr;    // a character that is not hexadecimal digits up to ff
};

// The arrays of DeviceSettings whose elements have rows of their own.
enum class SettingArray { none, profiles, hosts, push };
std::size_t elementCount(SettingArray array);

using Field = std::variant<std::int32_t*, std::uint32_t*, std::uint8_t*, Text*>;
using FieldValue = std::variant<std::int32_t, std::uint32_t, std::uint8_t, Text>;
using FieldAccess = Field (*)(DeviceSettings&, std::size_t element);

// One row per field. A row the record carries has a format number, the number that names it in
// the reader's messages, and its place. Rows "in turn" are items of one unnamed value that the
// import reads as required and the writer writes, both in the order of the schema, together with
// the other such rows of their group and ahead of its rows that are not; those are read and
// written by rules of their own.
struct SettingRow {
    Setting setting;
    std::string_view name; // as marlo-cli prints it; "[]" stands for the element's index
    FieldAccess field;
    SettingArray array = SettingArray::none;
    std::int32_t formatNumber = 0;
    RecordPlace place{};
    Codec codec{};
    std::optional<Setting> partner{}; // the second field of a codec that fills two
    bool inTurn = false;
    std::optional<EditRule> edit{};
};

// The rows in the order the import reads them.
std::span<const SettingRow> settingsSchema();
const SettingRow& settingRow(Setting setting);

FieldValue valueOf(const SettingRow& row, const DeviceSettings& settings, std::size_t element = 0);
template <class Value>
Value& fieldOf(const SettingRow& row, DeviceSettings& settings, std::size_t element = 0) {
    return *std::get<Value*>(row.field(settings, element));
}
template <class Value>
const Value& fieldOf(const SettingRow& row, const DeviceSettings& settings, std::size_t element = 0) {
    // Only read: the accessors are written once, for a settings object that may change.
    return fieldOf<Value>(row, const_cast<DeviceSettings&>(settings), element);
}
// A numeric field's value; 0 for a text field.
std::int64_t numberOf(const SettingRow& row, const DeviceSettings& settings, std::size_t element = 0);
// Stores a number into a numeric field as the field's type holds it; a text field is left as it is.
void storeNumber(const SettingRow& row, DeviceSettings& settings, std::size_t element, std::int64_t value);
// The second field of a codec that fills two.
template <class Value> Value& partnerOf(const SettingRow& row, DeviceSettings& settings) {
    return fieldOf<Value>(settingRow(*row.partner), settings);
}
template <class Value> const Value& partnerOf(const SettingRow& row, const DeviceSettings& settings) {
    return fieldOf<Value>(settingRow(*row.partner), settings);
}
// The dialogs that edit settings of their own and put them in `edited` on their OK.
enum class SettingsDialog { none, accessPoint, destinations };
SettingsDialog dialogOf(Setting setting);

// A setting's name as marlo-cli prints it, with the element's index in an array's brackets.
std::string settingName(const SettingRow& row, std::size_t element);
// The setting and element a printed name stands for.
struct NamedSetting {
    Setting setting;
    std::size_t element;
};
std::optional<NamedSetting> settingNamed(std::string_view name);
// Sets the field from a value written as marlo-cli prints it: a decimal number in the field's
// range, or for a text UTF-8 that code page 932 can hold. False, with the field untouched, when it
// cannot be taken.
bool setFromPrinted(const NamedSetting& named, std::string_view value, DeviceSettings& settings);

// The interface whose address an address/prefix row holds.
AddressInterface addressInterfaceOf(const SettingRow& row);

} // namespace marlo
