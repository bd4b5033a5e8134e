#include "record/SettingsSchema.h"

#include "record/Cp932.h"
#include "record/TranslatableText.h"

#include <algorithm>
#include <array>
#include <limits>
#include <type_traits>

namespace marlo {

namespace {

using S = DeviceSettings;
using Element = std::size_t;

template <class Access> Field accessField(S& settings, Element element) {
    return Access{}(settings, element);
}

constexpr Codec onOff{CodecKind::enumeration, tables::onOff};
constexpr Codec number{CodecKind::number};
constexpr Codec text{CodecKind::text};
constexpr Codec character{CodecKind::character};

constexpr Codec enumeration(EnumerationTable table) {
    return {CodecKind::enumeration, table};
}

constexpr Codec withWord(CodecKind kind, std::string_view word) {
    return {kind, {}, word};
}

constexpr EditRule numberEdit(std::uint32_t min, std::uint32_t max, const char* outOfRange,
                              std::optional<std::string_view> zeroText = std::nullopt) {
    return {.zeroText = zeroText, .min = min, .max = max, .outOfRange = outOfRange};
}

constexpr EditRule characterEdit(const char* missing, const char* invalid,
                                 std::optional<std::string_view> zeroText = std::nullopt) {
    return {.zeroText = zeroText, .missing = missing, .invalid = invalid};
}

// Builds a row: a field, then where the record holds it and how.
class Row {
public:
    // `access` is a lambda that gives the field of a settings object and an element.
    template <class Access>
    constexpr Row(Setting setting, std::string_view name, Access)
        : row_{.setting = setting, .name = name, .field = &accessField<Access>} {}

    constexpr Row at(std::int32_t formatNumber, const RecordGroup& group, std::string_view item, Codec codec,
                     std::optional<std::string_view> value = std::nullopt) const {
        Row built = *this;
        built.row_.formatNumber = formatNumber;
        built.row_.place = {&group, item, value};
        built.row_.codec = codec;
        return built;
    }
    constexpr Row inTurn() const {
        Row built = *this;
        built.row_.inTurn = true;
        return built;
    }
    constexpr Row with(Setting partner) const {
        Row built = *this;
        built.row_.partner = partner;
        return built;
    }
    constexpr Row elementOf(SettingArray array) const {
        Row built = *this;
        built.row_.array = array;
        return built;
    }
    constexpr Row edited(EditRule rule) const {
        Row built = *this;
        built.row_.edit = rule;
        return built;
    }

    constexpr operator SettingRow() const { return row_; }

private:
    SettingRow row_;
};

using namespace groups;
using enum Setting;

constexpr SettingRow rows[] = {
    Row(reboot, "reboot", [](S& s, Element) { return &s.reboot; }),
    Row(radioBand, "radio.band", [](S& s, Element) { return &s.radio.band; })
        .at(2, radio, "Band", enumeration(tables::band))
        .inTurn(),
    Row(staState, "sta.state", [](S& s, Element) { return &s.sta.state; })
        .at(3, station, "State", onOff)
        .inTurn(),
    Row(staPriority, "sta.priority", [](S& s, Element) { return &s.sta.priority; })
        .at(4, station, "Priority", number)
        .inTurn(),
    // The import reads the radio's keep-alive between the station's priority and DHCP client.
    Row(radioKeepAlive, "radio.keepAlive", [](S& s, Element) { return &s.radio.keepAlive; })
        .at(5, radio, "Keep Alive", onOff)
        .inTurn(),
    Row(staDhcpClient, "sta.dhcpClient", [](S& s, Element) { return &s.sta.dhcpClient; })
        .at(6, station, "DHCP Client", onOff)
        .inTurn(),
    Row(staIpAddress, "sta.ipAddress", [](S& s, Element) { return &s.sta.ipAddress; })
        .at(7, station, "IP Address", {CodecKind::addressPrefix})
        .with(staSubnetMask)
        .inTurn(),
    Row(staSubnetMask, "sta.subnetMask", [](S& s, Element) { return &s.sta.subnetMask; }),
    Row(staDefaultGateway, "sta.defaultGateway", [](S& s, Element) { return &s.sta.defaultGateway; })
        .at(8, station, "Default Gateway", text)
        .inTurn(),
    Row(staPrimaryDns, "sta.primaryDns", [](S& s, Element) { return &s.sta.primaryDns; })
        .at(9, station, "Primary DNS", text)
        .inTurn(),
    Row(staSecondaryDns, "sta.secondaryDns", [](S& s, Element) { return &s.sta.secondaryDns; })
        .at(10, station, "Secondary DNS", text)
        .inTurn(),
    Row(apState, "ap.state", [](S& s, Element) { return &s.ap.state; })
        .at(11, accessPointInterface, "State", onOff)
        .inTurn(),
    Row(apPriority, "ap.priority", [](S& s, Element) { return &s.ap.priority; })
        .at(12, accessPointInterface, "Priority", number)
        .inTurn(),
    Row(apIpAddress, "ap.ipAddress", [](S& s, Element) { return &s.ap.ipAddress; })
        .at(13, accessPointInterface, "IP Address", {CodecKind::addressPrefix})
        .with(apSubnetMask)
        .inTurn(),
    Row(apSubnetMask, "ap.subnetMask", [](S& s, Element) { return &s.ap.subnetMask; }),
    Row(apDefaultGateway, "ap.defaultGateway", [](S& s, Element) { return &s.ap.defaultGateway; })
        .at(14, accessPointInterface, "Default Gateway", text)
        .inTurn(),
    Row(apPrimaryDns, "ap.primaryDns", [](S& s, Element) { return &s.ap.primaryDns; })
        .at(15, accessPointInterface, "Primary DNS", text)
        .inTurn(),
    Row(apSecondaryDns, "ap.secondaryDns", [](S& s, Element) { return &s.ap.secondaryDns; })
        .at(16, accessPointInterface, "Secondary DNS", text)
        .inTurn(),
    Row(apDhcpRangeStart, "ap.dhcpRangeStart", [](S& s, Element) { return &s.ap.dhcpRangeStart; })
        .at(17, accessPointInterface, "DHCP IP Address Range", text, "Start"),
    Row(apDhcpRangeEnd, "ap.dhcpRangeEnd", [](S& s, Element) { return &s.ap.dhcpRangeEnd; })
        .at(18, accessPointInterface, "DHCP IP Address Range", text, "End"),

    Row(accessPointSsid, "accessPoint.ssid", [](S& s, Element) { return &s.accessPoint.ssid; })
        .at(19, accessPoint, "SSID", text),
    Row(accessPointGuest, "accessPoint.guest", [](S& s, Element) { return &s.accessPoint.guest; })
        .at(20, accessPoint, "Guest", onOff)
        .inTurn(),
    Row(accessPointChannel, "accessPoint.channel", [](S& s, Element) { return &s.accessPoint.channel; })
        .at(21, accessPoint, "Channel", withWord(CodecKind::numberOrPlaceholder, "&lt;Auto&gt;"))
        .inTurn(),
    Row(accessPointSuite, "accessPoint.suite", [](S& s, Element) { return &s.accessPoint.suite; })
        .at(22, accessPoint, "Suite", enumeration(tables::accessPointSuite))
        .inTurn(),
    Row(accessPointCcmp, "accessPoint.ccmp", [](S& s, Element) { return &s.accessPoint.ccmp; })
        .at(23, accessPoint, "Encryption", {CodecKind::cipher})
        .with(accessPointTkip),
    Row(accessPointTkip, "accessPoint.tkip", [](S& s, Element) { return &s.accessPoint.tkip; }),
    Row(accessPointPassphrase, "accessPoint.passphrase",
        [](S& s, Element) { return &s.accessPoint.passphrase; })
        .at(24, accessPoint, "Passphrase", text),
    Row(accessPointEdited, "accessPoint.edited", [](S& s, Element) { return &s.accessPoint.edited; }),

    Row(acceptMode, "accept.mode", [](S& s, Element) { return &s.accept.mode; })
        .at(29, tunnelAccept, "Mode", enumeration(tables::tunnelMode))
        .inTurn(),
    Row(acceptLocalPort, "accept.localPort", [](S& s, Element) { return &s.accept.localPort; })
        .at(30, tunnelAccept, "Local Port", number)
        .inTurn()
        .edited(
            numberEdit(0, 65535, QT_TRANSLATE_NOOP("SettingsSchema", "サーバ ポート番号エラー"), "<None>")),
    Row(acceptMultipleConnections, "accept.multipleConnections",
        [](S& s, Element) { return &s.accept.multipleConnections; })
        .at(31, tunnelAccept, "Multiple Connections", onOff)
        .inTurn(),
    // The writer puts it after the fixed item "Protocol".
    Row(acceptFlushLine, "accept.flushLine", [](S& s, Element) { return &s.accept.flushLine; })
        .at(34, tunnelAccept, "Flush Line", onOff),
    Row(acceptPassword, "accept.password", [](S& s, Element) { return &s.accept.password; })
        .at(32, tunnelAccept, "Password", text),
    Row(acceptStartCharacter, "accept.startCharacter", [](S& s, Element) { return &s.accept.startCharacter; })
        .at(33, tunnelAccept, "Start Character", character)
        .edited(characterEdit(QT_TRANSLATE_NOOP("SettingsSchema", "サーバ 開始キャラクタを設定してください"),
                              QT_TRANSLATE_NOOP("SettingsSchema", "サーバ 開始キャラクタ指定エラー"), "")),
    Row(acceptFlushStartCharacter, "accept.flushStartCharacter",
        [](S& s, Element) { return &s.accept.flushStartCharacter; })
        .at(35, tunnelAccept, "Flush Start Character", onOff),

    Row(connectMode, "connect.mode", [](S& s, Element) { return &s.connect.mode; })
        .at(36, tunnelConnect, "Mode", enumeration(tables::tunnelMode))
        .inTurn(),
    Row(connectFlushLine, "connect.flushLine", [](S& s, Element) { return &s.connect.flushLine; })
        .at(38, tunnelConnect, "Flush Line", onOff)
        .inTurn(),
    Row(connectReconnectTime, "connect.reconnectTime", [](S& s, Element) { return &s.connect.reconnectTime; })
        .at(40, tunnelConnect, "Reconnect Time", {CodecKind::duration})
        .edited(numberEdit(
            0, 3600, QT_TRANSLATE_NOOP("SettingsSchema", "再接続時間は0から3600までの範囲で設定してください"),
            "")),
    Row(connectConnections, "connect.connections", [](S& s, Element) { return &s.connect.connections; })
        .at(42, tunnelConnect, "Connections", enumeration(tables::connections)),
    Row(connectStartCharacter, "connect.startCharacter",
        [](S& s, Element) { return &s.connect.startCharacter; })
        .at(37, tunnelConnect, "Start Character", character)
        .edited(characterEdit(
            QT_TRANSLATE_NOOP("SettingsSchema", "クライアント 開始キャラクタを設定してください"),
            QT_TRANSLATE_NOOP("SettingsSchema", "クライアント 開始キャラクタ指定エラー"), "")),
    Row(connectFlushStartCharacter, "connect.flushStartCharacter",
        [](S& s, Element) { return &s.connect.flushStartCharacter; })
        .at(39, tunnelConnect, "Flush Start Character", onOff),
    // Each destination is an item "Host" whose instance is its element + 1; protocol and
    // reception are values of the destinations that hold one setting for all of them.
    Row(hostAddress, "connect.hosts[].address", [](S& s, Element i) { return &s.connect.hosts[i].address; })
        .at(44, tunnelConnect, "Host", text, "Address")
        .elementOf(SettingArray::hosts),
    Row(hostPort, "connect.hosts[].port", [](S& s, Element i) { return &s.connect.hosts[i].port; })
        .at(45, tunnelConnect, "Host", number, "Port")
        .elementOf(SettingArray::hosts)
        .edited(numberEdit(0, 65535, QT_TRANSLATE_NOOP("SettingsSchema", "ポート番号設定エラー"), "<None>")),
    Row(connectProtocol, "connect.protocol", [](S& s, Element) { return &s.connect.protocol; })
        .at(41, tunnelConnect, "Host", enumeration(tables::protocol), "Protocol"),
    Row(hostInitialSend, "connect.hosts[].initialSend",
        [](S& s, Element i) { return &s.connect.hosts[i].initialSend; })
        .at(47, tunnelConnect, "Host", text, "Initial Send")
        .elementOf(SettingArray::hosts),
    Row(hostLocalPort, "connect.hosts[].localPort",
        [](S& s, Element i) { return &s.connect.hosts[i].localPort; })
        .at(46, tunnelConnect, "Host", {CodecKind::localPort}, "Local Port")
        .elementOf(SettingArray::hosts)
        .edited(numberEdit(0, 65535, QT_TRANSLATE_NOOP("SettingsSchema", "ローカルポート番号設定エラー"),
                           "<Random>")),
    Row(connectReception, "connect.reception", [](S& s, Element) { return &s.connect.reception; })
        .at(43, tunnelConnect, "Host", enumeration(tables::reception), "Reception"),
    Row(connectEdited, "connect.edited", [](S& s, Element) { return &s.connect.edited; }),

    Row(disconnectModemControl, "disconnect.modemControl",
        [](S& s, Element) { return &s.disconnect.modemControl; })
        .at(51, tunnelDisconnect, "Modem Control", onOff)
        .inTurn(),
    Row(disconnectTimeout, "disconnect.timeout", [](S& s, Element) { return &s.disconnect.timeout; })
        .at(49, tunnelDisconnect, "Timeout", withWord(CodecKind::numberOrPlaceholder, "&lt;Disabled&gt;"))
        .inTurn()
        .edited(numberEdit(
            2, 86400000,
            QT_TRANSLATE_NOOP("SettingsSchema", "切断タイムアウトの設定範囲は2から86400000までです"), "")),
    Row(disconnectFlushLine, "disconnect.flushLine", [](S& s, Element) { return &s.disconnect.flushLine; })
        .at(50, tunnelDisconnect, "Flush Line", onOff)
        .inTurn(),
    Row(disconnectStopCharacter, "disconnect.stopCharacter",
        [](S& s, Element) { return &s.disconnect.stopCharacter; })
        .at(48, tunnelDisconnect, "Stop Character", {CodecKind::characterOrNone})
        .with(disconnectStopCharacterEnabled)
        .edited(characterEdit(QT_TRANSLATE_NOOP("SettingsSchema", "切断キャラクタを設定してください"),
                              QT_TRANSLATE_NOOP("SettingsSchema", "切断キャラクタ指定エラー"), "")),
    Row(disconnectStopCharacterEnabled, "disconnect.stopCharacterEnabled",
        [](S& s, Element) { return &s.disconnect.stopCharacterEnabled; }),

    Row(packingMode, "packing.mode", [](S& s, Element) { return &s.packing.mode; })
        .at(63, tunnelPacking, "Mode", {CodecKind::packingMode})
        .with(packingEnabled)
        .inTurn(),
    Row(packingEnabled, "packing.enabled", [](S& s, Element) { return &s.packing.enabled; }),
    Row(packingThreshold, "packing.threshold", [](S& s, Element) { return &s.packing.threshold; })
        .at(64, tunnelPacking, "Threshold", withWord(CodecKind::numberWithUnit, " bytes"))
        .edited(numberEdit(
            100, 1460, QT_TRANSLATE_NOOP("SettingsSchema", "データ数は100～1460の範囲で入力してください"))),
    Row(packingTimeout, "packing.timeout", [](S& s, Element) { return &s.packing.timeout; })
        .at(65, tunnelPacking, "Timeout", withWord(CodecKind::numberWithUnit, " milliseconds"))
        .edited(numberEdit(
            1, 30000,
            QT_TRANSLATE_NOOP("SettingsSchema", "タイムアウト値は1から30000の範囲である必要があります"))),
    Row(packingSendCharacter, "packing.sendCharacter", [](S& s, Element) { return &s.packing.sendCharacter; })
        .at(66, tunnelPacking, "Send Character", character)
        .edited(characterEdit(QT_TRANSLATE_NOOP("SettingsSchema", "開始キャラクタを設定してください"),
                              QT_TRANSLATE_NOOP("SettingsSchema", "開始キャラクタ指定エラー"))),
    Row(packingFlushSendCharacter, "packing.flushSendCharacter",
        [](S& s, Element) { return &s.packing.flushSendCharacter; })
        .at(67, tunnelPacking, "Flush Send Character", onOff),
    Row(packingTrailingCharacter, "packing.trailingCharacter",
        [](S& s, Element) { return &s.packing.trailingCharacter; })
        .at(68, tunnelPacking, "Trailing Character", {CodecKind::characterOrNone})
        .with(packingTrailingCharacterEnabled)
        .edited(characterEdit(QT_TRANSLATE_NOOP("SettingsSchema", "終了キャラクタを設定してください"),
                              QT_TRANSLATE_NOOP("SettingsSchema", "終了キャラクタ指定エラー"))),
    Row(packingTrailingCharacterEnabled, "packing.trailingCharacterEnabled",
        [](S& s, Element) { return &s.packing.trailingCharacterEnabled; }),

    Row(lineBaudRate, "line.baudRate", [](S& s, Element) { return &s.line.baudRate; })
        .at(52, line, "Baud Rate", withWord(CodecKind::numberWithUnit, " bits per second"))
        .inTurn()
        .edited(numberEdit(9600, 4000000, QT_TRANSLATE_NOOP("SettingsSchema", "BPS設定エラー"))),
    Row(lineParity, "line.parity", [](S& s, Element) { return &s.line.parity; })
        .at(56, line, "Parity", enumeration(tables::parity))
        .inTurn(),
    Row(lineDataBits, "line.dataBits", [](S& s, Element) { return &s.line.dataBits; })
        .at(57, line, "Data Bits", number)
        .inTurn(),
    Row(lineStopBits, "line.stopBits", [](S& s, Element) { return &s.line.stopBits; })
        .at(58, line, "Stop Bits", number)
        .inTurn(),
    Row(lineFlowControl, "line.flowControl", [](S& s, Element) { return &s.line.flowControl; })
        .at(53, line, "Flow Control", enumeration(tables::flowControl))
        .inTurn(),
    Row(lineXonChar, "line.xonChar", [](S& s, Element) { return &s.line.xonChar; })
        .at(54, line, "Xon Char", character)
        .edited(characterEdit(nullptr, QT_TRANSLATE_NOOP("SettingsSchema", "XOn 文字エラー"))),
    Row(lineXoffChar, "line.xoffChar", [](S& s, Element) { return &s.line.xoffChar; })
        .at(55, line, "Xoff Char", character)
        .edited(characterEdit(nullptr, QT_TRANSLATE_NOOP("SettingsSchema", "XOff 文字エラー"))),
    Row(lineGapTimer, "line.gapTimer", [](S& s, Element) { return &s.line.gapTimer; })
        .at(60, line, "Gap Timer", number)
        .edited(numberEdit(
            0, 5000,
            QT_TRANSLATE_NOOP("SettingsSchema",
                              "受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください"),
            "<Four Character Periods>")),
    Row(lineThreshold, "line.threshold", [](S& s, Element) { return &s.line.threshold; })
        .at(61, line, "Threshold", number)
        .edited(
            numberEdit(10, 513,
                       QT_TRANSLATE_NOOP("SettingsSchema",
                                         "受信データキュー更新条件の閾値は10～513の範囲で入力してください"))),
    Row(linePush, "line.push[]", [](S& s, Element i) { return &s.line.push[i]; })
        .at(62, line, "Push", {CodecKind::push})
        .with(linePushCount)
        .elementOf(SettingArray::push),
    Row(linePushCount, "line.pushCount", [](S& s, Element) { return &s.line.pushCount; }),

    Row(profileNetworkName, "profiles[].networkName",
        [](S& s, Element i) { return &s.profiles[i].networkName; })
        .at(25, wlanProfile, "Basic", text, "Network Name")
        .elementOf(SettingArray::profiles),
    Row(profileState, "profiles[].state", [](S& s, Element i) { return &s.profiles[i].state; })
        .at(26, wlanProfile, "Basic", onOff, "State")
        .elementOf(SettingArray::profiles),
    Row(profileName, "profiles[].name", [](S& s, Element i) { return &s.profiles[i].name; })
        .elementOf(SettingArray::profiles),
    Row(profileSuite, "profiles[].suite", [](S& s, Element i) { return &s.profiles[i].suite; })
        .at(27, wlanProfile, "Security", enumeration(tables::profileSuite), "Suite")
        .elementOf(SettingArray::profiles),
    Row(profileKeyType, "profiles[].keyType", [](S& s, Element i) { return &s.profiles[i].keyType; })
        .at(28, wlanProfile, "Security", enumeration(tables::keyType), "WPAx Key Type")
        .elementOf(SettingArray::profiles),
    Row(profileCount, "profileCount", [](S& s, Element) { return &s.profileCount; }),

    Row(staCurrentIpAddress, "sta.currentIpAddress", [](S& s, Element) { return &s.sta.currentIpAddress; })
        .at(69, stationStatus, "Current", {CodecKind::rawText}, "IP Address"),
};

// Every setting has one row, and no two rows share a format number.
constexpr bool eachSettingOnce() {
    std::array<bool, settingCount> seen{};
    std::array<bool, 100> numbered{};
    for (const SettingRow& row : rows) {
        const auto setting = static_cast<std::size_t>(row.setting);
        const auto formatNumber = static_cast<std::size_t>(row.formatNumber);
        if (seen[setting] || (formatNumber != 0 && numbered[formatNumber])) {
            return false;
        }
        seen[setting] = true;
        numbered[formatNumber] = true;
    }
    return std::size(rows) == settingCount;
}
static_assert(eachSettingOnce());

} // namespace

SettingsDialog dialogOf(Setting setting) {
    switch (setting) {
    case Setting::accessPointSsid:
    case Setting::accessPointGuest:
    case Setting::accessPointChannel:
    case Setting::accessPointSuite:
    case Setting::accessPointCcmp:
    case Setting::accessPointTkip:
    case Setting::accessPointPassphrase:
        return SettingsDialog::accessPoint;
    case Setting::hostAddress:
    case Setting::hostPort:
    case Setting::hostLocalPort:
    case Setting::hostInitialSend:
    case Setting::connectProtocol:
    case Setting::connectReception:
    case Setting::connectConnections:
    case Setting::connectReconnectTime:
        return SettingsDialog::destinations;
    default:
        return SettingsDialog::none;
    }
}

std::string settingName(const SettingRow& row, std::size_t element) {
    std::string name(row.name);
    if (const std::size_t index = name.find("[]"); index != std::string::npos) {
        name.insert(index + 1, std::to_string(element));
    }
    return name;
}

std::optional<NamedSetting> settingNamed(std::string_view name) {
    for (const SettingRow& row : settingsSchema()) {
        for (std::size_t element = 0; element < elementCount(row.array); ++element) {
            if (settingName(row, element) == name) {
                return NamedSetting{row.setting, element};
            }
        }
    }
    return std::nullopt;
}

namespace {

// A decimal number from `low` to `high`, written without sign or blanks (a minus where `low` is
// negative).
std::optional<std::int64_t> printedNumber(std::string_view printed, std::int64_t low, std::int64_t high) {
    const bool negative = printed.starts_with('-') && low < 0;
    const std::string_view digits = negative ? printed.substr(1) : printed;
    if (digits.empty() || digits.size() > 10 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    return value >= low && value <= high ? std::optional(value) : std::nullopt;
}

} // namespace

std::int64_t numberOf(const SettingRow& row, const DeviceSettings& settings, std::size_t element) {
    return std::visit(
        [](const auto& value) -> std::int64_t {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, Text>) {
                return 0;
            } else {
                return value;
            }
        },
        valueOf(row, settings, element));
}

void storeNumber(const SettingRow& row, DeviceSettings& settings, std::size_t element, std::int64_t value) {
    std::visit(
        [value](auto* field) {
            using Value = std::decay_t<decltype(*field)>;
            if constexpr (!std::is_same_v<Value, Text>) {
                *field = static_cast<Value>(value);
            }
        },
        row.field(settings, element));
}

bool setFromPrinted(const NamedSetting& named, std::string_view value, DeviceSettings& settings) {
    return std::visit(
        [value](auto* field) {
            using Value = std::decay_t<decltype(*field)>;
            if constexpr (std::is_same_v<Value, Text>) {
                auto encoded = utf8ToCp932(value);
                if (encoded) {
                    *field = std::move(*encoded);
                }
                return encoded.has_value();
            } else {
                const auto parsed = printedNumber(value, std::numeric_limits<Value>::min(),
                                                  std::numeric_limits<Value>::max());
                if (parsed) {
                    *field = static_cast<Value>(*parsed);
                }
                return parsed.has_value();
            }
        },
        settingRow(named.setting).field(settings, named.element));
}

std::size_t elementCount(SettingArray array) {
    switch (array) {
    case SettingArray::profiles:
        return DeviceSettings::maxProfiles;
    case SettingArray::hosts:
        return DeviceSettings::maxHosts;
    case SettingArray::push:
        return DeviceSettings::maxPush;
    case SettingArray::none:
        break;
    }
    return 1;
}

std::span<const SettingRow> settingsSchema() {
    return rows;
}

const SettingRow& settingRow(Setting setting) {
    static const auto bySetting = [] {
        std::array<const SettingRow*, settingCount> index{};
        for (const SettingRow& row : rows) {
            index[static_cast<std::size_t>(row.setting)] = &row;
        }
        return index;
    }();
    return *bySetting[static_cast<std::size_t>(setting)];
}

FieldValue valueOf(const SettingRow& row, const DeviceSettings& settings, std::size_t element) {
    // Only read: the accessors are written once, for a settings object that may change.
    return std::visit([](const auto* value) -> FieldValue { return *value; },
                      row.field(const_cast<DeviceSettings&>(settings), element));
}

AddressInterface addressInterfaceOf(const SettingRow& row) {
    return row.place.group == &groups::station ? AddressInterface::station : AddressInterface::accessPoint;
}

} // namespace marlo
