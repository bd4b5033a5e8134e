#include "record/SettingLabels.h"

#include "record/Codecs.h"
#include "record/TranslatableText.h"

#include <algorithm>
#include <iterator>

namespace marlo {

namespace {

// The main window's tabs and the titles of the dialogs that edit settings.
constexpr WindowText wirelessTab{"marlo::MainWindow",
                                 QT_TRANSLATE_NOOP("marlo::MainWindow", "無線/IPアドレス")};
constexpr WindowText networkTab{"marlo::MainWindow", QT_TRANSLATE_NOOP("marlo::MainWindow", "ネットワーク")};
constexpr WindowText serialTab{"marlo::MainWindow", QT_TRANSLATE_NOOP("marlo::MainWindow", "シリアルポート")};
constexpr WindowText accessPointDialog{"AccessPointDialog",
                                       QT_TRANSLATE_NOOP("AccessPointDialog", "APモードの設定")};
constexpr WindowText destinationsDialog{"DestinationsDialog",
                                        QT_TRANSLATE_NOOP("DestinationsDialog", "接続先の編集")};
constexpr WindowText profilesDialog{"StationProfilesDialog",
                                    QT_TRANSLATE_NOOP("StationProfilesDialog", "接続先の設定")};
constexpr WindowText profileEditor{"ProfileEditorDialog",
                                   QT_TRANSLATE_NOOP("ProfileEditorDialog", "プロファイルの編集")};

// The groups, by the names the pages give them when they name a control in them.
constexpr WindowText stationColumn{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "STAモード")};
constexpr WindowText accessPointColumn{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "APモード")};
constexpr WindowText dhcpRange{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "DHCPの範囲:")};
constexpr WindowText serverGroup{"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "サーバ")};
constexpr WindowText clientGroup{"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "クライアント")};
constexpr WindowText packingGroup{"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "パックコントロール有効")};
constexpr WindowText queueGroup{"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "受信データキュー更新条件")};
constexpr WindowText accessPointSecurity{"AccessPointDialog",
                                         QT_TRANSLATE_NOOP("AccessPointDialog", "セキュリティ")};
constexpr WindowText profileSecurity{"ProfileEditorDialog",
                                     QT_TRANSLATE_NOOP("ProfileEditorDialog", "セキュリティ")};

// Labels shown in more than one group.
constexpr WindowText priority{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "優先度:")};
constexpr WindowText ipAddress{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "IPアドレス:")};
constexpr WindowText subnetMask{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "サブネットマスク:")};
constexpr WindowText defaultGateway{"WirelessPage",
                                    QT_TRANSLATE_NOOP("WirelessPage", "デフォルトゲートウェイ:")};
constexpr WindowText primaryDns{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "プライマリDNS:")};
constexpr WindowText secondaryDns{"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "セカンダリDNS:")};
constexpr WindowText startCharacter{"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "開始キャラクタ   0x")};
constexpr WindowText dropStartCharacter{"NetworkPage",
                                        QT_TRANSLATE_NOOP("NetworkPage", "開始キャラクタを送信しない")};
// The window's own SSID labels are not translated.
constexpr WindowText ssid{"SettingLabels", QT_TRANSLATE_NOOP("SettingLabels", "SSID:")};

SettingLabel shown(WindowText place, WindowText label) {
    return {place, std::nullopt, label};
}

SettingLabel shown(WindowText place, WindowText group, WindowText label) {
    return {place, group, label};
}

// The conditions of the server and the client modes; a mode that is off has no text.
constexpr WindowText always{"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "常時")};
constexpr WindowText onSerialData{"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "シリアルデータ受信時")};
constexpr WindowText onStartCharacter{"NetworkPage",
                                      QT_TRANSLATE_NOOP("NetworkPage", "開始キャラクタ受信時")};
constexpr WindowText onModemControl{"NetworkPage",
                                    QT_TRANSLATE_NOOP("NetworkPage", "DSRアクティブ時(Orvane)")};
constexpr WindowText noneChoice{"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "なし")};

struct Choice {
    Setting setting;
    std::int32_t value;
    WindowText text;
};

// Only the values the window shows by a translated text; the others it shows by the value itself.
constexpr Choice choices[] = {
    {Setting::radioBand, dualBand, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "デュアル")}},

    {Setting::accessPointChannel, 0, {"AccessPointDialog", QT_TRANSLATE_NOOP("AccessPointDialog", "自動")}},

    {Setting::profileState, 0, {"StationProfilesDialog", QT_TRANSLATE_NOOP("StationProfilesDialog", "無効")}},
    {Setting::profileState, 1, {"StationProfilesDialog", QT_TRANSLATE_NOOP("StationProfilesDialog", "有効")}},

    {Setting::acceptMode, tunnelAlways, always},
    {Setting::acceptMode, tunnelAnyCharacter, onSerialData},
    {Setting::acceptMode, tunnelStartCharacter, onStartCharacter},
    {Setting::acceptMode, tunnelModemControlAsserted, onModemControl},
    {Setting::connectMode, tunnelAlways, always},
    {Setting::connectMode, tunnelAnyCharacter, onSerialData},
    {Setting::connectMode, tunnelStartCharacter, onStartCharacter},
    {Setting::connectMode, tunnelModemControlAsserted, onModemControl},

    {Setting::connectConnections,
     sequentialConnections,
     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "順次接続")}},
    {Setting::connectConnections,
     simultaneousConnections,
     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "複数同時")}},
    {Setting::connectConnections,
     roundRobinConnections,
     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "前回接続した次の接続先")}},

    {Setting::lineParity, noParity, noneChoice},
    {Setting::lineParity, evenParity, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "偶数")}},
    {Setting::lineParity, oddParity, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "奇数")}},
    {Setting::lineFlowControl, noFlowControl, noneChoice},
    {Setting::lineFlowControl,
     hardwareFlowControl,
     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "ハードウェア")}},
    {Setting::lineFlowControl,
     softwareFlowControl,
     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "ソフトウェア")}},

    {Setting::packingMode, packingByTimeout, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "タイムアウト")}},
    {Setting::packingMode,
     packingBySendCharacter,
     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "終了キャラクタ指定")}},
};

} // namespace

std::optional<SettingLabel> settingLabel(Setting setting) {
    switch (setting) {
    case Setting::radioBand:
        return shown(wirelessTab, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "バンド")});
    case Setting::staState:
        return shown(wirelessTab, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "STAモード 有効")});
    case Setting::staPriority:
        return shown(wirelessTab, stationColumn, priority);
    case Setting::radioKeepAlive:
        return shown(wirelessTab, stationColumn,
                     {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "キープアライブ有効")});
    case Setting::staDhcpClient:
        return shown(wirelessTab, stationColumn,
                     {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "IPアドレス自動取得")});
    case Setting::staIpAddress:
        return shown(wirelessTab, stationColumn, ipAddress);
    case Setting::staSubnetMask:
        return shown(wirelessTab, stationColumn, subnetMask);
    case Setting::staDefaultGateway:
        return shown(wirelessTab, stationColumn, defaultGateway);
    case Setting::staPrimaryDns:
        return shown(wirelessTab, stationColumn, primaryDns);
    case Setting::staSecondaryDns:
        return shown(wirelessTab, stationColumn, secondaryDns);
    case Setting::apState:
        return shown(wirelessTab, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "APモード 有効")});
    case Setting::apPriority:
        return shown(wirelessTab, accessPointColumn, priority);
    case Setting::apDhcpRangeStart:
        return shown(wirelessTab, dhcpRange, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "開始:")});
    case Setting::apDhcpRangeEnd:
        return shown(wirelessTab, dhcpRange, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "終了:")});
    case Setting::apIpAddress:
        return shown(wirelessTab, accessPointColumn, ipAddress);
    case Setting::apSubnetMask:
        return shown(wirelessTab, accessPointColumn, subnetMask);
    case Setting::apDefaultGateway:
        return shown(wirelessTab, accessPointColumn, defaultGateway);
    case Setting::apPrimaryDns:
        return shown(wirelessTab, accessPointColumn, primaryDns);
    case Setting::apSecondaryDns:
        return shown(wirelessTab, accessPointColumn, secondaryDns);
    case Setting::staCurrentIpAddress:
        return shown(wirelessTab, {"WirelessPage", QT_TRANSLATE_NOOP("WirelessPage", "現在のIPアドレス :")});

    case Setting::accessPointSsid:
        return shown(accessPointDialog, ssid);
    case Setting::accessPointSuite:
        return shown(accessPointDialog, accessPointSecurity,
                     {"AccessPointDialog", QT_TRANSLATE_NOOP("AccessPointDialog", "暗号化の有効")});
    case Setting::accessPointCcmp:
        return shown(accessPointDialog, accessPointSecurity,
                     {"SettingLabels", QT_TRANSLATE_NOOP("SettingLabels", "CCMP")});
    case Setting::accessPointTkip:
        return shown(accessPointDialog, accessPointSecurity,
                     {"SettingLabels", QT_TRANSLATE_NOOP("SettingLabels", "TKIP")});
    case Setting::accessPointPassphrase:
        return shown(accessPointDialog, accessPointSecurity,
                     {"AccessPointDialog", QT_TRANSLATE_NOOP("AccessPointDialog", "パスワード:")});
    case Setting::accessPointChannel:
        return shown(accessPointDialog,
                     {"AccessPointDialog", QT_TRANSLATE_NOOP("AccessPointDialog", "無線LANチャンネル:")});
    case Setting::accessPointGuest:
        return shown(accessPointDialog,
                     {"AccessPointDialog", QT_TRANSLATE_NOOP("AccessPointDialog", "スキャン要求を許可")});

    // The profile list's columns; the key type is shown only in the editor.
    case Setting::profileState:
        return shown(profilesDialog,
                     {"StationProfilesDialog", QT_TRANSLATE_NOOP("StationProfilesDialog", "状態")});
    case Setting::profileNetworkName:
        return shown(profilesDialog, ssid);
    case Setting::profileSuite:
        return shown(profilesDialog,
                     {"StationProfilesDialog", QT_TRANSLATE_NOOP("StationProfilesDialog", "セキュリティ")});
    case Setting::profileKeyType:
        return shown(profileEditor, profileSecurity,
                     {"SettingLabels", QT_TRANSLATE_NOOP("SettingLabels", "キーの形式:")});

    case Setting::acceptMode:
        return shown(networkTab, serverGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "接続待ち開始条件")});
    case Setting::acceptStartCharacter:
        return shown(networkTab, serverGroup, startCharacter);
    case Setting::acceptFlushStartCharacter:
        return shown(networkTab, serverGroup, dropStartCharacter);
    case Setting::acceptLocalPort:
        return shown(networkTab, serverGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "ローカルポート番号:")});
    case Setting::acceptMultipleConnections:
        return shown(networkTab, serverGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "複数接続の許可")});
    case Setting::acceptPassword:
        return shown(networkTab, serverGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "パスワード文字列:")});
    case Setting::acceptFlushLine:
        return shown(networkTab, serverGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "接続時シリアルバッファをクリア")});
    case Setting::connectMode:
        return shown(networkTab, clientGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "接続要求条件")});
    case Setting::connectStartCharacter:
        return shown(networkTab, clientGroup, startCharacter);
    case Setting::connectFlushStartCharacter:
        return shown(networkTab, clientGroup, dropStartCharacter);
    case Setting::connectFlushLine:
        return shown(networkTab, clientGroup,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "接続時シリアルバッファクリアする")});
    // The character's edit is named after the check box that enables it.
    case Setting::disconnectStopCharacterEnabled:
    case Setting::disconnectStopCharacter:
        return shown(networkTab, {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "指定キャラクタで切断")});
    case Setting::disconnectTimeout:
        return shown(networkTab,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "シリアル無通信時間で切断")});
    case Setting::disconnectModemControl:
        return shown(networkTab,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "DSRノンアクティブ時に切断(Orvane)")});
    case Setting::disconnectFlushLine:
        return shown(networkTab,
                     {"NetworkPage", QT_TRANSLATE_NOOP("NetworkPage", "切断時シリアルバッファをクリア")});

    case Setting::connectProtocol:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "プロトコル")});
    case Setting::hostAddress:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "アドレス")});
    case Setting::hostPort:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "ポート")});
    case Setting::hostLocalPort:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "ローカルポート")});
    case Setting::hostInitialSend:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "接続時送信文字列")});
    case Setting::connectReconnectTime:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "再接続時間:")});
    case Setting::connectConnections:
        return shown(destinationsDialog,
                     {"DestinationsDialog", QT_TRANSLATE_NOOP("DestinationsDialog", "接続順序")});
    case Setting::connectReception:
        return shown(destinationsDialog,
                     {"DestinationsDialog",
                      QT_TRANSLATE_NOOP("DestinationsDialog", "送信先以外からのUDP受信を破棄する")});

    case Setting::lineBaudRate:
        return shown(serialTab, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "ボーレート:")});
    case Setting::lineDataBits:
        return shown(serialTab, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "データビット:")});
    case Setting::lineStopBits:
        return shown(serialTab, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "ストップビット:")});
    case Setting::lineParity:
        return shown(serialTab, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "パリティ:")});
    case Setting::lineFlowControl:
        return shown(serialTab, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "フロー制御:")});
    // The window's own Xon and Xoff labels are not translated.
    case Setting::lineXonChar:
        return shown(serialTab, {"SettingLabels", QT_TRANSLATE_NOOP("SettingLabels", "Xon Char:")});
    case Setting::lineXoffChar:
        return shown(serialTab, {"SettingLabels", QT_TRANSLATE_NOOP("SettingLabels", "Xoff Char:")});
    // The mode's radio buttons are named after the check box that enables packing.
    case Setting::packingEnabled:
    case Setting::packingMode:
        return shown(serialTab, packingGroup);
    case Setting::packingThreshold:
        return shown(serialTab, packingGroup, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "データ数:")});
    case Setting::packingTimeout:
        return shown(serialTab, packingGroup,
                     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "タイムアウト")});
    case Setting::packingSendCharacter:
        return shown(serialTab, packingGroup,
                     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "終了キャラクタ")});
    case Setting::packingFlushSendCharacter:
        return shown(serialTab, packingGroup,
                     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "終了キャラクタを送信しない")});
    // The character's edit is named after the check box that enables it.
    case Setting::packingTrailingCharacterEnabled:
    case Setting::packingTrailingCharacter:
        return shown(serialTab, packingGroup,
                     {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "終了キャラクタを挿入する")});
    case Setting::lineGapTimer:
        return shown(serialTab, queueGroup, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "ギャップ時間")});
    case Setting::lineThreshold:
        return shown(serialTab, queueGroup, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "閾値")});
    case Setting::linePush:
        return shown(serialTab, queueGroup, {"SerialPage", QT_TRANSLATE_NOOP("SerialPage", "判定データ")});

    case Setting::reboot:
    case Setting::accessPointEdited:
    case Setting::profileName:
    case Setting::profileCount:
    case Setting::connectEdited:
    case Setting::linePushCount:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<WindowText> choiceLabel(Setting setting, std::int32_t value) {
    const auto* found = std::ranges::find_if(
        choices, [&](const Choice& choice) { return choice.setting == setting && choice.value == value; });
    return found != std::ranges::end(choices) ? std::optional(found->text) : std::nullopt;
}

} // namespace marlo
