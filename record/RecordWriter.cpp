#include "record/RecordWriter.h"

#include "record/AddressRefusal.h"
#include "record/Codecs.h"
#include "record/ProfileGroup.h"
#include "record/RecordBuilder.h"
#include "record/RecordFrame.h"
#include "record/SettingsSchema.h"
#include "record/TextArguments.h"
#include "record/TranslatableText.h"
#include "record/ValueCodecs.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace marlo {

namespace {

constexpr const char* lineBreakMessage =
    QT_TRANSLATE_NOOP("RecordWriter", "改行を含む設定値があるため、設定データを書き出せません。");

// The refusal of a record whose `setting` (of destination or profile `element`) holds a line break,
// naming the setting as the user knows it.
RecordRefusal lineBreakRefusal(Setting setting, std::size_t element) {
    const std::string number = std::to_string(element + 1);
    switch (setting) {
    case Setting::accessPointSsid:
        return {"RecordWriter", QT_TRANSLATE_NOOP("RecordWriter", "APモードのSSIDに改行が含まれているため、"
                                                                  "設定データを書き出せません。")};
    case Setting::accessPointPassphrase:
        return {
            "RecordWriter",
            QT_TRANSLATE_NOOP("RecordWriter",
                              "APモードのパスワードに改行が含まれているため、設定データを書き出せません。")};
    case Setting::acceptPassword:
        return {"RecordWriter",
                QT_TRANSLATE_NOOP("RecordWriter", "サーバモードの接続パスワードに改行が含まれて"
                                                  "いるため、設定データを書き出せません。")};
    case Setting::hostAddress:
        return {"RecordWriter",
                QT_TRANSLATE_NOOP("RecordWriter",
                                  "接続先%1のアドレスに改行が含まれているため、設定データを書き出せません。"),
                number};
    case Setting::hostInitialSend:
        return {"RecordWriter",
                QT_TRANSLATE_NOOP("RecordWriter", "接続先%1の接続時送信文字列に改行が含まれているため、"
                                                  "設定データを書き出せません。"),
                number};
    case Setting::profileNetworkName:
    case Setting::profileName:
        return {"RecordWriter",
                QT_TRANSLATE_NOOP("RecordWriter", "保存済プロファイルの%1番目に改行が含まれているため、"
                                                  "設定データを書き出せません。"),
                number};
    default:
        return {"RecordWriter", lineBreakMessage};
    }
}

class Writer {
public:
    Writer(const SettingsDocument& document, RecordTarget target, PasswordPrompt* prompt,
           RecordRefusal* refusal)
        : document_(document)
        , loaded_(document.loaded)
        , edited_(document.edited)
        , target_(target)
        , prompt_(prompt)
        , refusal_(refusal) {}

    std::optional<std::string> build() {
        if (!addressesFit()) {
            return std::nullopt;
        }
        out_.append(recordHeader());
        importControl();
        radio();
        stationInterface();
        accessPointInterface();
        if (document_.confirmedInDialog(Setting::accessPointSsid) && !accessPoint()) {
            return std::nullopt;
        }
        if (!tunnelAccept()) {
            return std::nullopt;
        }
        tunnelConnect();
        tunnelDisconnect();
        line();
        tunnelPacking();
        if (target_ == RecordTarget::file && !stationProfiles()) {
            return std::nullopt;
        }
        if (lineBreak_) {
            refuse(lineBreakRefusal(lineBreak_->first, lineBreak_->second));
            return std::nullopt;
        }
        if (out_.textBreaksALine()) {
            refuse({"RecordWriter", lineBreakMessage});
            return std::nullopt;
        }
        out_.append(recordClosingLine());
        return out_.take();
    }

private:
    void refuse(RecordRefusal refusal) const {
        if (refusal_) {
            *refusal_ = std::move(refusal);
        }
    }

    // Notes the first setting whose text would break the record's line.
    std::string_view noted(Setting setting, std::size_t element, std::string_view text) {
        if (!lineBreak_ && breaksALine(text)) {
            lineBreak_ = std::pair{setting, element};
        }
        return text;
    }

    PasswordAnswer ask(const PasswordRequest& request) const {
        if (!prompt_) {
            return {promptSkip, {}};
        }
        return prompt_->ask(request);
    }

    // One row's value: an item of its own, or a named value of the item the caller opened.
    void value(const SettingRow& row, const DeviceSettings& from, std::size_t element = 0) {
        const std::string text = rendered(row, from, element);
        if (row.place.value) {
            out_.namedValue(*row.place.value, text);
        } else {
            out_.item(row.place.item, text);
        }
    }
    void value(Setting setting, std::size_t element = 0) { value(settingRow(setting), edited_, element); }

    // The record text of a setting's value, noted when it would break its line.
    std::string rendered(const SettingRow& row, const DeviceSettings& from, std::size_t element) {
        std::string text = renderValue(row, from, element);
        noted(row.setting, element, text);
        return text;
    }

    // A named value of the setting's item with a text of its own.
    void namedValue(Setting setting, std::string_view text) {
        out_.namedValue(*settingRow(setting).place.value, text);
    }

    // False, after saying why, when the record cannot hold an interface's address with its mask:
    // an empty value in its place would lose the address and make a file that does not load.
    bool addressesFit() {
        for (const SettingRow& row : settingsSchema()) {
            if (row.codec.kind != CodecKind::addressPrefix) {
                continue;
            }
            if (const char* refusal = addressPrefixRefusal(
                    addressInterfaceOf(row), fieldOf<Text>(row, edited_), partnerOf<Text>(row, edited_))) {
                refuse({"AddressRefusal", refusal});
                return false;
            }
        }
        return true;
    }

    // The group's rows that are written in turn, in the schema's order.
    void inTurn(const RecordGroup& group) {
        for (const SettingRow& row : settingsSchema()) {
            if (row.inTurn && row.place.group == &group) {
                value(row, edited_);
            }
        }
    }

    // A secret the device reported only as set is left out for the device and asked for in a
    // file. False when the user stopped.
    bool secretItem(Setting setting, const PasswordRequest& request) {
        const SettingRow& row = settingRow(setting);
        const Text& secret = fieldOf<Text>(row, edited_);
        if (secret != configuredSecret) {
            value(row, edited_);
            return true;
        }
        if (target_ == RecordTarget::device) {
            return true;
        }
        const PasswordAnswer answer = ask(request);
        if (answer.result == promptEntered) {
            out_.item(row.place.item, noted(setting, 0, escapeText(answer.enteredPassword)));
        }
        return answer.result != promptStop;
    }

    void importControl() {
        out_.groupStart("XML Import Control");
        out_.item("Reboot", edited_.reboot ? "Enable" : "Disable");
        out_.item("Missing Values", "Unchanged");
        out_.groupEnd();
    }

    void groupStart(const RecordGroup& group) { out_.groupStart(group.name, group.instance); }

    void radio() {
        groupStart(groups::radio);
        out_.item("Mode", "Enabled");
        inTurn(groups::radio);
        out_.groupEnd();
    }

    void stationInterface() {
        groupStart(groups::station);
        inTurn(groups::station);
        out_.groupEnd();
    }

    void accessPointInterface() {
        groupStart(groups::accessPointInterface);
        inTurn(groups::accessPointInterface);
        out_.itemStart(settingRow(Setting::apDhcpRangeStart).place.item);
        value(Setting::apDhcpRangeStart);
        value(Setting::apDhcpRangeEnd);
        out_.itemEnd();
        out_.groupEnd();
    }

    bool accessPoint() {
        groupStart(groups::accessPoint);
        value(Setting::accessPointSsid);
        inTurn(groups::accessPoint);
        value(Setting::accessPointCcmp);
        const PasswordRequest request{
            .promptText = QT_TRANSLATE_NOOP(
                "PasswordPrompt", "ファイルに保存する [ APモード パスワード ] を入力してください。\n"
                                  "（8文字以上、63文字以内）"),
            .okCaption = QT_TRANSLATE_NOOP("PasswordPrompt", "APモード パスワードを保存"),
            .skipCaption = nullptr,
            .lengthMode = passwordLengthKey,
            .hexKey = false,
            .secret = SecretKind::accessPointPassphrase,
            .networkName = {},
        };
        if (!secretItem(Setting::accessPointPassphrase, request)) {
            return false;
        }
        out_.groupEnd();
        return true;
    }

    bool tunnelAccept() {
        groupStart(groups::tunnelAccept);
        inTurn(groups::tunnelAccept);
        out_.item("Protocol", "TCP");
        value(Setting::acceptFlushLine);
        if (edited_.accept.mode == tunnelStartCharacter) {
            value(Setting::acceptStartCharacter);
            value(Setting::acceptFlushStartCharacter);
        }
        const PasswordRequest request{
            .promptText = QT_TRANSLATE_NOOP(
                "PasswordPrompt", "ファイルに保存する[ サーバモード 接続パスワード ]を入力してください。\n"
                                  "（31文字以内）"),
            .okCaption = QT_TRANSLATE_NOOP("PasswordPrompt", "サーバモード 接続パスワードを保存"),
            .skipCaption = nullptr,
            .lengthMode = passwordLengthServer,
            .hexKey = false,
            .secret = SecretKind::serverPassword,
            .networkName = {},
        };
        if (!secretItem(Setting::acceptPassword, request)) {
            return false;
        }
        out_.groupEnd();
        return true;
    }

    void tunnelConnect() {
        groupStart(groups::tunnelConnect);
        inTurn(groups::tunnelConnect);
        if (edited_.connect.mode == tunnelStartCharacter) {
            value(Setting::connectStartCharacter);
            value(Setting::connectFlushStartCharacter);
        }
        if (document_.confirmedInDialog(Setting::hostAddress)) {
            for (std::size_t k = 0; k < edited_.connect.hosts.size(); ++k) {
                host(k);
            }
            value(Setting::connectConnections);
            value(Setting::connectReconnectTime);
        }
        out_.groupEnd();
    }

    // Destination `index` as item instance index + 1. Protocol and reception hold for all
    // destinations, but only the first says UDP or unrestricted; over UDP the others are empty.
    void host(std::size_t index) {
        const auto& connect = edited_.connect;
        const bool first = index == 0;
        out_.itemStart(settingRow(Setting::hostAddress).place.item, std::to_string(index + 1));
        if (!first && connect.protocol == protocolUdp) {
            namedValue(Setting::hostAddress, "");
        } else {
            value(Setting::hostAddress, index);
            value(Setting::hostPort, index);
            namedValue(Setting::connectProtocol,
                       enumerationName(tables::protocol,
                                       first && connect.protocol == protocolUdp ? protocolUdp : protocolTcp));
            out_.namedValue("Credential", "");
            value(Setting::hostInitialSend, index);
            value(Setting::hostLocalPort, index);
            namedValue(Setting::connectReception,
                       enumerationName(tables::reception, first && connect.reception == receptionUnrestricted
                                                              ? receptionUnrestricted
                                                              : receptionRestricted));
        }
        out_.itemEnd();
    }

    void tunnelDisconnect() {
        groupStart(groups::tunnelDisconnect);
        inTurn(groups::tunnelDisconnect);
        value(Setting::disconnectStopCharacter);
        out_.groupEnd();
    }

    void line() {
        groupStart(groups::line);
        out_.item("State", "Enabled");
        out_.item("Protocol", "Tunnel");
        inTurn(groups::line);
        value(Setting::lineGapTimer);
        value(Setting::lineThreshold);
        value(Setting::linePush);
        if (edited_.line.flowControl == softwareFlowControl) {
            value(Setting::lineXonChar);
            value(Setting::lineXoffChar);
        }
        out_.groupEnd();
    }

    void tunnelPacking() {
        const auto& packing = edited_.packing;
        groupStart(groups::tunnelPacking);
        inTurn(groups::tunnelPacking);
        if (packing.enabled) {
            value(Setting::packingThreshold);
            if (packing.mode == packingByTimeout) {
                value(Setting::packingTimeout);
            }
            if (packing.mode == packingBySendCharacter) {
                value(Setting::packingSendCharacter);
                value(Setting::packingFlushSendCharacter);
                value(Setting::packingTrailingCharacter);
            }
        }
        out_.groupEnd();
    }

    bool stationProfiles() {
        const auto count =
            static_cast<std::size_t>(std::clamp(loaded_.profileCount, 0, DeviceSettings::maxProfiles));
        for (std::size_t i = 0; i < count; ++i) {
            if (!stationProfile(i)) {
                return false;
            }
        }
        return true;
    }

    bool stationProfile(std::size_t index) {
        const WlanProfile& profile = loaded_.profiles[index];
        const std::string instance = escapeText(profile.name);
        noted(Setting::profileName, index, instance);
        const std::string networkName = rendered(settingRow(Setting::profileNetworkName), loaded_, index);
        const std::string state = rendered(settingRow(Setting::profileState), loaded_, index);
        ProfileGroupText group{
            .instance = instance, .networkName = networkName, .state = state, .suite = profile.suite};
        std::string key;
        if (profile.suite != profileOpen) {
            const bool hex = profile.keyType == keyHex;
            const PasswordRequest request{
                .promptText =
                    hex ? QT_TRANSLATE_NOOP("PasswordPrompt",
                                            "ファイルに保存する SSID [ %1 ] "
                                            "プロファイルの接続パスワードを入力してください。(16進数64文字)")
                        : QT_TRANSLATE_NOOP(
                              "PasswordPrompt",
                              "ファイルに保存する SSID [ %1 ] "
                              "プロファイルの接続パスワードを入力してください。(8文字以上、63文字以内)"),
                .okCaption = QT_TRANSLATE_NOOP("PasswordPrompt", "SSIDプロファイルを保存"),
                .skipCaption = QT_TRANSLATE_NOOP("PasswordPrompt", "このSSIDのプロファイルは保存しない"),
                .lengthMode = passwordLengthKey,
                .hexKey = hex,
                .secret = SecretKind::profileKey,
                .networkName = profile.networkName,
            };
            const PasswordAnswer answer = ask(request);
            if (answer.result == promptStop) {
                return false;
            }
            if (answer.result == promptEntered) {
                // The key is named by its profile, as the prompt for it was.
                key = escapeText(answer.enteredPassword);
                noted(Setting::profileName, index, key);
                group.wpaKey = WpaKeyText{hex ? keyHex : keyPassphrase, key};
            }
        }
        appendProfileGroup(out_, group);
        return true;
    }

    const SettingsDocument& document_;
    const DeviceSettings& loaded_;
    const DeviceSettings& edited_;
    RecordTarget target_;
    PasswordPrompt* prompt_;
    RecordRefusal* refusal_;
    RecordBuilder out_;
    std::optional<std::pair<Setting, std::size_t>> lineBreak_;
};

} // namespace

std::string recordRefusalText(const RecordRefusal& refusal, std::string_view message) {
    return withArguments(message, {refusal.argument});
}

std::optional<std::string> buildRecord(const SettingsDocument& document, RecordTarget target,
                                       PasswordPrompt* prompt, RecordRefusal* refusal) {
    return Writer(document, target, prompt, refusal).build();
}

} // namespace marlo
