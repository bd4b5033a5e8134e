#include "record/ConfigurationCheck.h"

#include "record/AddressRefusal.h"
#include "record/AddressValue.h"
#include "record/Codecs.h"
#include "record/SettingEdits.h"
#include "record/TranslatableText.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace marlo {

namespace {

constexpr std::size_t addressCount = 5;
constexpr std::array<Setting, addressCount> stationAddresses{
    Setting::staIpAddress, Setting::staSubnetMask, Setting::staDefaultGateway, Setting::staPrimaryDns,
    Setting::staSecondaryDns};
constexpr std::array<Setting, addressCount> accessPointAddresses{
    Setting::apIpAddress, Setting::apSubnetMask, Setting::apDefaultGateway, Setting::apPrimaryDns,
    Setting::apSecondaryDns};
constexpr std::array<const char*, addressCount> stationAddressControls{
    "stationIpAddress", "stationSubnetMask", "stationGateway", "stationPrimaryDns", "stationSecondaryDns"};
constexpr std::array<const char*, addressCount> accessPointAddressControls{
    "accessPointIpAddress", "accessPointSubnetMask", "accessPointGateway", "accessPointPrimaryDns",
    "accessPointSecondaryDns"};
constexpr std::array<const char*, addressCount> stationMessages{
    QT_TRANSLATE_NOOP("WirelessPage", "STAモードのIPアドレスが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "STAモードのサブネットマスクが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "STAモードのデフォルトゲートウェイが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "STAモードのプライマリDNSが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "STAモードのセカンダリDNSが正しくありません。")};
constexpr std::array<const char*, addressCount> accessPointMessages{
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのIPアドレスが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのサブネットマスクが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのデフォルトゲートウェイが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのプライマリDNSが正しくありません。"),
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのセカンダリDNSが正しくありません。")};
constexpr const char* dhcpStartMessage =
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのDHCP 開始アドレスが正しくありません。");
constexpr const char* dhcpEndMessage =
    QT_TRANSLATE_NOOP("WirelessPage", "APモードのDHCP 終了アドレスが正しくありません。");
constexpr const char* channelMessage =
    QT_TRANSLATE_NOOP("WirelessPage", "APモードの無線LANチャンネル設定が無線バント設定と合っていません。");
constexpr std::array<const char*, 3> bandControls{"bandDual", "band5GHz", "band24GHz"};

constexpr std::size_t ssidLimit = 32;
constexpr std::size_t shortestPassphrase = 8;
constexpr std::size_t longestPassphrase = 63;
constexpr std::string_view ssidCharacters =
    "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
constexpr const char* ssidLengthMessage = QT_TRANSLATE_NOOP("AccessPointDialog", "SSIDは最大32文字です。");
constexpr const char* ssidCharacterMessage = QT_TRANSLATE_NOOP(
    "AccessPointDialog", "SSIDは数字、アルファベット、ハイフン、アンダーバーのみ指定できます。");
constexpr const char* passphraseLengthMessage =
    QT_TRANSLATE_NOOP("AccessPointDialog", "パスワードは8文字以上、63文字以内である必要があります。");
constexpr const char* passphraseCharacterMessage =
    QT_TRANSLATE_NOOP("AccessPointDialog", "パスワードに使用できない文字が含まれています。");

struct HostControls {
    const char* address;
    const char* port;
    const char* localPort;
    const char* initialSend;
};
constexpr std::array<HostControls, DeviceSettings::maxHosts> hostControls{{
    {"hostAddress1", "hostPort1", "hostLocalPort1", "hostInitialSend1"},
    {"hostAddress2", "hostPort2", "hostLocalPort2", "hostInitialSend2"},
    {"hostAddress3", "hostPort3", "hostLocalPort3", "hostInitialSend3"},
    {"hostAddress4", "hostPort4", "hostLocalPort4", "hostInitialSend4"},
}};
constexpr const char* hostAddressCharacterMessage =
    QT_TRANSLATE_NOOP("DestinationsDialog", "接続先%1のアドレスに使用できない文字が含まれています。");
constexpr const char* hostPortMissingMessage =
    QT_TRANSLATE_NOOP("DestinationsDialog", "ポート番号を設定してください");
constexpr const char* initialSendCharacterMessage =
    QT_TRANSLATE_NOOP("DestinationsDialog", "接続先%1の接続時送信文字列に使用できない文字が含まれています。");

constexpr const char* softwareFlowTooFast =
    QT_TRANSLATE_NOOP("SerialPage", "ソフトウェアフロー制御時は230400bpsが最大値です");
constexpr const char* matchByteNotHex =
    QT_TRANSLATE_NOOP("SerialPage", "受信データキュー更新条件の判定データ 指定エラー");
constexpr const char* matchByteOutOfRange = QT_TRANSLATE_NOOP(
    "SerialPage", "受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。");
constexpr const char* secondMatchByteAlone = QT_TRANSLATE_NOOP(
    "SerialPage", "受信データキュー更新条件の判定データは1バイト目から設定する必要があります。");

bool isMatchByte(std::uint32_t value) {
    return value <= 0x0f || (value >= 0x21 && value <= 0x7e);
}

// One walk through the checks of a section.
class Checker {
public:
    Checker(SettingsDocument& document, const EditTexts& texts, const RefusalSink& sink, SettingsArea area)
        : document_(document)
        , settings_(document.edited)
        , texts_(texts)
        , sink_(sink)
        , area_(area) {}

    // Whether the walk goes on: no refusal yet, or the sink asked for the rest.
    bool going() const { return going_; }
    // False when the sink stops the walk.
    bool refuse(const char* context, const char* message, const char* control, Setting setting,
                std::size_t element = 0, std::string argument = {}) {
        passed_ = false;
        going_ = sink_({context, message, std::move(argument), area_, control, setting, element});
        return going_;
    }

    // An edit box bound to `setting`: its text, or the text the page shows for the value held, read
    // by the setting's rule and stored.
    // True when it passed.
    bool edit(Setting setting, const char* control, std::size_t element = 0) {
        if (!going_) {
            return false;
        }
        const std::optional<TypedText> typed = texts_(setting, element);
        const std::string text = typed ? typed->text : formatForEdit(setting, settings_, element);
        if (const char* refusal = storeFromEdit(setting, text, settings_, element)) {
            refuse("SettingsSchema", refusal, control, setting, element);
            return false;
        }
        return true;
    }
    // A text setting's typed text, stored when code page 932 holds it; false when it does not.
    bool text(Setting setting, std::size_t element = 0) {
        const std::optional<TypedText> typed = texts_(setting, element);
        if (typed && typed->writable) {
            fieldOf<Text>(settingRow(setting), settings_, element) = typed->text;
        }
        return !typed || typed->writable;
    }
    // Whether the page gave a text for `setting`: the box is switched on.
    bool typed(Setting setting) const { return texts_(setting, 0).has_value(); }
    // An address edit bound to the text setting `setting`: its text, or the text held, stored as
    // it stands; the address it gives with `token` standing for 0, or no value when it is none.
    std::optional<std::uint32_t> address(Setting setting, std::string_view token) {
        Text& field = fieldOf<Text>(settingRow(setting), settings_);
        if (const std::optional<TypedText> typed = texts_(setting, 0)) {
            field = typed->writable ? typed->text : Text();
            if (!typed->writable) {
                return std::nullopt;
            }
        }
        return addressValue(field, token);
    }
    // The match byte's text: typed, or as the page shows the value held (empty past the count).
    std::string matchByteText(std::size_t element) const {
        if (const std::optional<TypedText> typed = texts_(Setting::linePush, element)) {
            return typed->text;
        }
        const auto& line = settings_.line;
        return static_cast<std::int32_t>(element) < line.pushCount
                   ? formatNumberOrPlaceholder(line.push[element], 16, "")
                   : std::string();
    }

    DeviceSettings& settings() { return settings_; }
    const SettingsDocument& document() const { return document_; }
    bool passed() const { return passed_; }

private:
    SettingsDocument& document_;
    DeviceSettings& settings_;
    const EditTexts& texts_;
    const RefusalSink& sink_;
    SettingsArea area_;
    bool going_ = true;
    bool passed_ = true;
};

void checkWirelessStation(Checker& check) {
    const DeviceSettings::Station& sta = check.settings().sta;
    if (sta.dhcpClient != 0) {
        return;
    }
    for (std::size_t i = 0; i < addressCount && check.going(); ++i) {
        if (!check.address(stationAddresses[i], addressTokens::none)) {
            check.refuse("WirelessPage", stationMessages[i], stationAddressControls[i], stationAddresses[i]);
        } else if (const char* refusal =
                       i == 1 ? addressPrefixRefusal(AddressInterface::station, sta.ipAddress, sta.subnetMask)
                              : nullptr) {
            check.refuse("AddressRefusal", refusal, stationAddressControls[i], stationAddresses[i]);
        }
    }
}

void checkWirelessAccessPoint(Checker& check) {
    const DeviceSettings::AccessPointInterface& ap = check.settings().ap;
    std::uint32_t rangeStart = 0;
    std::uint32_t rangeEnd = 0;
    if (const auto start = check.address(Setting::apDhcpRangeStart, addressTokens::minimum)) {
        rangeStart = *start;
    } else {
        check.refuse("WirelessPage", dhcpStartMessage, "dhcpRangeStart", Setting::apDhcpRangeStart);
    }
    if (!check.going()) {
        return;
    }
    if (const auto end = check.address(Setting::apDhcpRangeEnd, addressTokens::maximum)) {
        rangeEnd = *end;
    } else {
        check.refuse("WirelessPage", dhcpEndMessage, "dhcpRangeEnd", Setting::apDhcpRangeEnd);
    }
    std::array<std::optional<std::uint32_t>, addressCount> values{};
    for (std::size_t i = 0; i < addressCount && check.going(); ++i) {
        values[i] =
            check.address(accessPointAddresses[i], i == 0 ? addressTokens::noToken : addressTokens::none);
        if (!values[i]) {
            check.refuse("WirelessPage", accessPointMessages[i], accessPointAddressControls[i],
                         accessPointAddresses[i]);
        } else if (const char* refusal = i == 1 ? addressPrefixRefusal(AddressInterface::accessPoint,
                                                                       ap.ipAddress, ap.subnetMask)
                                                : nullptr) {
            check.refuse("AddressRefusal", refusal, accessPointAddressControls[i], accessPointAddresses[i]);
        }
    }
    // The network the range must lie in is known only once every address passed.
    if (!check.passed()) {
        return;
    }
    const std::uint32_t address = values[0].value_or(0);
    const std::uint32_t mask = values[1].value_or(0);
    if (address == 0) {
        check.refuse("WirelessPage", accessPointMessages[0], accessPointAddressControls[0],
                     Setting::apIpAddress);
        return;
    }
    // A range start or end given as an address must be a host of the access point's network.
    const auto inNetwork = [&](std::uint32_t value) {
        const std::uint8_t last = lastNumber(value);
        return (address & mask) == (value & mask) && last != 0 && last != 255;
    };
    if (rangeStart != 0 && !inNetwork(rangeStart)) {
        check.refuse("WirelessPage", dhcpStartMessage, "dhcpRangeStart", Setting::apDhcpRangeStart);
    }
    if (check.going() && rangeEnd != 0 && !inNetwork(rangeEnd)) {
        check.refuse("WirelessPage", dhcpEndMessage, "dhcpRangeEnd", Setting::apDhcpRangeEnd);
    }
}

void checkWirelessChannel(Checker& check) {
    const DeviceSettings& settings = check.settings();
    if (settings.ap.state == 0) {
        return;
    }
    const std::uint32_t channel = check.document().holderOf(Setting::accessPointChannel).accessPoint.channel;
    const std::int32_t band = settings.radio.band;
    const bool mismatch =
        (band == band5GHzOnly && channel >= 1 && channel <= 13) || (band == band24GHzOnly && channel >= 36);
    if (mismatch) {
        const auto control = static_cast<std::size_t>(std::clamp(band, 0, 2));
        check.refuse("WirelessPage", channelMessage, bandControls[control], Setting::radioBand);
    }
}

void checkAccessPointEntry(Checker& check) {
    DeviceSettings::AccessPoint& entry = check.settings().accessPoint;
    const bool ssidWritable = check.text(Setting::accessPointSsid);
    if (ssidWritable && entry.ssid.size() > ssidLimit) {
        check.refuse("AccessPointDialog", ssidLengthMessage, "apSsid", Setting::accessPointSsid);
    } else if (!ssidWritable || entry.ssid.find_first_not_of(ssidCharacters) != std::string::npos) {
        check.refuse("AccessPointDialog", ssidCharacterMessage, "apSsid", Setting::accessPointSsid);
    }
    if (!check.going() || entry.suite == accessPointOpen) {
        return;
    }
    if (!check.text(Setting::accessPointPassphrase)) {
        check.refuse("AccessPointDialog", passphraseCharacterMessage, "apPassword",
                     Setting::accessPointPassphrase);
    } else if (entry.passphrase.size() < shortestPassphrase || entry.passphrase.size() > longestPassphrase) {
        check.refuse("AccessPointDialog", passphraseLengthMessage, "apPassword",
                     Setting::accessPointPassphrase);
    }
}

void checkDestination(Checker& check, std::size_t index) {
    HostEntry& host = check.settings().connect.hosts[index];
    const HostControls& controls = hostControls[index];
    const std::string number = std::to_string(index + 1);
    if (!check.text(Setting::hostAddress, index) &&
        !check.refuse("DestinationsDialog", hostAddressCharacterMessage, controls.address,
                      Setting::hostAddress, index, number)) {
        return;
    }
    if (check.edit(Setting::hostPort, controls.port, index) && !host.address.empty() && host.port == 0) {
        check.refuse("DestinationsDialog", hostPortMissingMessage, controls.port, Setting::hostPort, index);
    }
    check.edit(Setting::hostLocalPort, controls.localPort, index);
    if (check.going() && !check.text(Setting::hostInitialSend, index)) {
        check.refuse("DestinationsDialog", initialSendCharacterMessage, controls.initialSend,
                     Setting::hostInitialSend, index, number);
    }
}

void checkDestinations(Checker& check) {
    for (std::size_t index = 0; index < DeviceSettings::maxHosts && check.going(); ++index) {
        checkDestination(check, index);
    }
    check.edit(Setting::connectReconnectTime, "reconnectTime");
}

void checkNetworkServer(Checker& check) {
    const DeviceSettings::Accept& accept = check.settings().accept;
    if (accept.mode == tunnelStartCharacter) {
        check.edit(Setting::acceptStartCharacter, "serverStartCharacter");
    }
    check.edit(Setting::acceptLocalPort, "serverLocalPort");
}

void checkNetworkClient(Checker& check) {
    if (check.settings().connect.mode == tunnelStartCharacter) {
        check.edit(Setting::connectStartCharacter, "clientStartCharacter");
    }
}

void checkNetworkStopCharacter(Checker& check) {
    if (check.settings().disconnect.stopCharacterEnabled != 0) {
        check.edit(Setting::disconnectStopCharacter, "stopCharacter");
    }
}

// Switched on by its check box on the page; in settings read from a record, by a time at all.
void checkNetworkSilence(Checker& check) {
    if (check.typed(Setting::disconnectTimeout) || check.settings().disconnect.timeout != 0) {
        check.edit(Setting::disconnectTimeout, "silenceTimeout");
    }
}

void checkSerialLine(Checker& check) {
    const DeviceSettings::Line& line = check.settings().line;
    check.edit(Setting::lineBaudRate, "baudRate");
    if (!check.going() || line.flowControl != softwareFlowControl) {
        return;
    }
    const auto rate = static_cast<std::int32_t>(line.baudRate);
    if (rate < 9600 || rate > 230400) {
        check.refuse("SerialPage", softwareFlowTooFast, "baudRate", Setting::lineBaudRate);
    }
    check.edit(Setting::lineXonChar, "xonCharacter");
    check.edit(Setting::lineXoffChar, "xoffCharacter");
}

void checkSerialPacking(Checker& check) {
    const DeviceSettings::Packing& packing = check.settings().packing;
    if (packing.enabled == 0) {
        return;
    }
    check.edit(Setting::packingThreshold, "packingThreshold");
    if (packing.mode == packingByTimeout) {
        check.edit(Setting::packingTimeout, "packingTimeout");
    }
    if (packing.mode == packingBySendCharacter) {
        check.edit(Setting::packingSendCharacter, "sendCharacter");
        if (packing.trailingCharacterEnabled != 0) {
            check.edit(Setting::packingTrailingCharacter, "trailingCharacter");
        }
    }
}

void checkMatchByte(Checker& check, std::size_t element, const std::string& text) {
    static constexpr std::array<const char*, 2> controls{"firstMatchByte", "secondMatchByte"};
    const std::uint32_t value = parseUnsigned(text, 16);
    if (!isHexDigits(text)) {
        check.refuse("SerialPage", matchByteNotHex, controls[element], Setting::linePush, element);
    } else if (!isMatchByte(value)) {
        check.refuse("SerialPage", matchByteOutOfRange, controls[element], Setting::linePush, element);
    } else {
        check.settings().line.push[element] = static_cast<std::uint8_t>(value);
    }
}

void checkSerialQueue(Checker& check) {
    check.edit(Setting::lineGapTimer, "gapTime");
    check.edit(Setting::lineThreshold, "queueThreshold");
    if (!check.going()) {
        return;
    }
    const std::string first = check.matchByteText(0);
    const std::string second = check.matchByteText(1);
    DeviceSettings::Line& line = check.settings().line;
    line.pushCount = 0;
    line.push = {0, 0};
    if (!first.empty()) {
        line.pushCount = 1;
        checkMatchByte(check, 0, first);
    }
    if (!second.empty() && check.going()) {
        if (first.empty() &&
            !check.refuse("SerialPage", secondMatchByteAlone, "firstMatchByte", Setting::linePush)) {
            return;
        }
        line.pushCount = 2;
        checkMatchByte(check, 1, second);
    }
}

constexpr std::array pageSections{CheckSection::wirelessStation, CheckSection::wirelessAccessPoint,
                                  CheckSection::wirelessChannel, CheckSection::networkServer,
                                  CheckSection::networkClient,   CheckSection::networkStopCharacter,
                                  CheckSection::networkSilence,  CheckSection::serialLine,
                                  CheckSection::serialPacking,   CheckSection::serialQueue};

SettingsArea areaOf(CheckSection section) {
    switch (section) {
    case CheckSection::wirelessStation:
    case CheckSection::wirelessAccessPoint:
    case CheckSection::wirelessChannel:
        return SettingsArea::wirelessPage;
    case CheckSection::accessPointEntry:
        return SettingsArea::accessPointDialog;
    case CheckSection::destinations:
        return SettingsArea::destinationsDialog;
    case CheckSection::serialLine:
    case CheckSection::serialPacking:
    case CheckSection::serialQueue:
        return SettingsArea::serialPage;
    default:
        return SettingsArea::networkPage;
    }
}

} // namespace

bool checkSection(CheckSection section, SettingsDocument& document, const EditTexts& texts,
                  const RefusalSink& sink) {
    Checker check(document, texts, sink, areaOf(section));
    switch (section) {
    case CheckSection::wirelessStation:
        checkWirelessStation(check);
        break;
    case CheckSection::wirelessAccessPoint:
        checkWirelessAccessPoint(check);
        break;
    case CheckSection::wirelessChannel:
        checkWirelessChannel(check);
        break;
    case CheckSection::accessPointEntry:
        checkAccessPointEntry(check);
        break;
    case CheckSection::destinations:
        checkDestinations(check);
        break;
    case CheckSection::networkServer:
        checkNetworkServer(check);
        break;
    case CheckSection::networkClient:
        checkNetworkClient(check);
        break;
    case CheckSection::networkStopCharacter:
        checkNetworkStopCharacter(check);
        break;
    case CheckSection::networkSilence:
        checkNetworkSilence(check);
        break;
    case CheckSection::serialLine:
        checkSerialLine(check);
        break;
    case CheckSection::serialPacking:
        checkSerialPacking(check);
        break;
    case CheckSection::serialQueue:
        checkSerialQueue(check);
        break;
    }
    return check.passed();
}

std::span<const CheckSection> pageCheckSections() {
    return pageSections;
}

CheckSection dialogCheckSection(SettingsDialog dialog) {
    return dialog == SettingsDialog::accessPoint ? CheckSection::accessPointEntry
                                                 : CheckSection::destinations;
}

} // namespace marlo
