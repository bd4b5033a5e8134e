#include "record/RecordWriter.h"

#include "record/AddressRefusal.h"
#include "record/Codecs.h"
#include "record/Cp932.h"
#include "record/RecordBuilder.h"
#include "record/RecordFrame.h"

#include <algorithm>

namespace marlo {

namespace {

std::string number(std::uint32_t value) {
    return std::to_string(static_cast<std::int32_t>(value));
}

std::string_view onOff(std::int32_t flag) {
    return enumerationName(tables::onOff, flag);
}

std::string characterOrNone(std::int32_t enabled, std::uint8_t code) {
    return enabled ? formatCharacter(code) : "&lt;None&gt;";
}

class Writer {
public:
    Writer(const SettingsDocument& document, RecordTarget target, PasswordPrompt* prompt,
           std::string* refusal)
        : loaded_(document.loaded)
        , edited_(document.edited)
        , target_(target)
        , prompt_(prompt)
        , refusal_(refusal) {}

    std::optional<std::string> build() {
        out_.append(recordHeader());
        importControl();
        radio();
        if (!stationInterface() || !accessPointInterface()) {
            return std::nullopt;
        }
        if (loaded_.accessPoint.edited && !accessPoint()) {
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
        out_.append(recordClosingLine());
        return out_.take();
    }

private:
    PasswordAnswer ask(const PasswordRequest& request) const {
        if (!prompt_) {
            return {promptSkip, {}};
        }
        return prompt_->ask(request);
    }

    // A secret the device reported only as set is left out for the device and asked for in a
    // file. False when the user stopped.
    bool secretItem(std::string_view item, const std::string& secret, const PasswordRequest& request) {
        if (secret != configuredSecret) {
            out_.item(item, escapeText(secret));
            return true;
        }
        if (target_ == RecordTarget::device) {
            return true;
        }
        const PasswordAnswer answer = ask(request);
        if (answer.result == promptEntered) {
            out_.item(item, escapeText(answer.enteredPassword));
        }
        return answer.result != promptStop;
    }

    void importControl() {
        out_.groupStart("XML Import Control");
        out_.item("Reboot", edited_.reboot ? "Enable" : "Disable");
        out_.item("Missing Values", "Unchanged");
        out_.groupEnd();
    }

    void radio() {
        out_.groupStart("Radio");
        out_.item("Mode", "Enabled");
        out_.item("Band", enumerationName(tables::band, edited_.radio.band));
        out_.item("Keep Alive", onOff(edited_.radio.keepAlive));
        out_.groupEnd();
    }

    // False, after saying why, when the record cannot hold the address with its mask: an empty
    // value in its place would lose the address and make a file that does not load.
    bool addressItems(AddressInterface interface, const std::string& ipAddress, const std::string& subnetMask,
                      const std::string& gateway, const std::string& primaryDns,
                      const std::string& secondaryDns) {
        if (const char* refusal = addressPrefixRefusal(interface, ipAddress, subnetMask)) {
            if (refusal_) {
                *refusal_ = programText(refusal);
            }
            return false;
        }
        out_.item("IP Address", *formatAddressPrefix(ipAddress, subnetMask));
        out_.item("Default Gateway", escapeText(gateway));
        out_.item("Primary DNS", escapeText(primaryDns));
        out_.item("Secondary DNS", escapeText(secondaryDns));
        return true;
    }

    bool stationInterface() {
        const auto& sta = edited_.sta;
        out_.groupStart("Interface", "wlan0");
        out_.item("State", onOff(sta.state));
        out_.item("Priority", number(sta.priority));
        out_.item("DHCP Client", onOff(sta.dhcpClient));
        if (!addressItems(AddressInterface::station, sta.ipAddress, sta.subnetMask, sta.defaultGateway,
                          sta.primaryDns, sta.secondaryDns)) {
            return false;
        }
        out_.groupEnd();
        return true;
    }

    bool accessPointInterface() {
        const auto& ap = edited_.ap;
        out_.groupStart("Interface", "ap0");
        out_.item("State", onOff(ap.state));
        out_.item("Priority", number(ap.priority));
        if (!addressItems(AddressInterface::accessPoint, ap.ipAddress, ap.subnetMask, ap.defaultGateway,
                          ap.primaryDns, ap.secondaryDns)) {
            return false;
        }
        out_.itemStart("DHCP IP Address Range");
        out_.namedValue("Start", escapeText(ap.dhcpRangeStart));
        out_.namedValue("End", escapeText(ap.dhcpRangeEnd));
        out_.itemEnd();
        out_.groupEnd();
        return true;
    }

    bool accessPoint() {
        const auto& ap = edited_.accessPoint;
        out_.groupStart("Access Point", "ap0");
        out_.item("SSID", escapeText(ap.ssid));
        out_.item("Guest", onOff(ap.guest));
        out_.item("Channel", formatNumberOrPlaceholder(ap.channel, 10, "&lt;Auto&gt;"));
        out_.item("Suite", enumerationName(tables::accessPointSuite, ap.suite));
        out_.item("Encryption", formatCipher(ap.ccmp, ap.tkip));
        const PasswordRequest request{
            .promptText = programText("ファイルに保存する [ APモード パスワード ] を入力してください。\n"
                                      "（8文字以上、63文字以内）"),
            .okCaption = programText("APモード パスワードを保存"),
            .skipCaption = {},
            .lengthMode = passwordLengthKey,
            .hexKey = false,
            .secret = SecretKind::accessPointPassphrase,
            .networkName = {},
        };
        if (!secretItem("Passphrase", ap.passphrase, request)) {
            return false;
        }
        out_.groupEnd();
        return true;
    }

    bool tunnelAccept() {
        const auto& accept = edited_.accept;
        out_.groupStart("Tunnel Accept", "1");
        out_.item("Mode", enumerationName(tables::tunnelMode, accept.mode));
        out_.item("Local Port", number(accept.localPort));
        out_.item("Multiple Connections", onOff(accept.multipleConnections));
        out_.item("Protocol", "TCP");
        out_.item("Flush Line", onOff(accept.flushLine));
        if (accept.mode == tunnelStartCharacter) {
            out_.item("Start Character", formatCharacter(accept.startCharacter));
            out_.item("Flush Start Character", onOff(accept.flushStartCharacter));
        }
        const PasswordRequest request{
            .promptText =
                programText("ファイルに保存する[ サーバモード 接続パスワード ]を入力してください。\n"
                            "（31文字以内）"),
            .okCaption = programText("サーバモード 接続パスワードを保存"),
            .skipCaption = {},
            .lengthMode = passwordLengthServer,
            .hexKey = false,
            .secret = SecretKind::serverPassword,
            .networkName = {},
        };
        if (!secretItem("Password", accept.password, request)) {
            return false;
        }
        out_.groupEnd();
        return true;
    }

    void tunnelConnect() {
        const auto& connect = edited_.connect;
        out_.groupStart("Tunnel Connect", "1");
        out_.item("Mode", enumerationName(tables::tunnelMode, connect.mode));
        out_.item("Flush Line", onOff(connect.flushLine));
        if (connect.mode == tunnelStartCharacter) {
            out_.item("Start Character", formatCharacter(connect.startCharacter));
            out_.item("Flush Start Character", onOff(connect.flushStartCharacter));
        }
        if (loaded_.connect.edited) {
            for (std::size_t k = 0; k < connect.hosts.size(); ++k) {
                host(k);
            }
            out_.item("Connections", enumerationName(tables::connections, connect.connections));
            out_.item("Reconnect Time", std::to_string(connect.reconnectTime));
        }
        out_.groupEnd();
    }

    void host(std::size_t index) {
        const auto& connect = edited_.connect;
        const HostEntry& host = connect.hosts[index];
        const bool first = index == 0;
        out_.itemStart("Host", std::to_string(index + 1));
        if (!first && connect.protocol == 1) {
            out_.namedValue("Address", "");
        } else {
            out_.namedValue("Address", escapeText(host.address));
            out_.namedValue("Port", number(host.port));
            out_.namedValue("Protocol", first && connect.protocol == 1 ? "UDP" : "TCP");
            out_.namedValue("Credential", "");
            out_.namedValue("Initial Send", escapeText(host.initialSend));
            out_.namedValue("Local Port", std::to_string(host.localPort));
            out_.namedValue("Reception", first && connect.reception == 1 ? "Unrestricted" : "Restricted");
        }
        out_.itemEnd();
    }

    void tunnelDisconnect() {
        const auto& disconnect = edited_.disconnect;
        out_.groupStart("Tunnel Disconnect", "1");
        out_.item("Modem Control", onOff(disconnect.modemControl));
        out_.item("Timeout", formatNumberOrPlaceholder(disconnect.timeout, 10, "&lt;Disabled&gt;"));
        out_.item("Flush Line", onOff(disconnect.flushLine));
        out_.item("Stop Character",
                  characterOrNone(disconnect.stopCharacterEnabled, disconnect.stopCharacter));
        out_.groupEnd();
    }

    void line() {
        const auto& line = edited_.line;
        out_.groupStart("Line", "1");
        out_.item("State", "Enabled");
        out_.item("Protocol", "Tunnel");
        out_.item("Baud Rate", number(line.baudRate) + " bits per second");
        out_.item("Parity", enumerationName(tables::parity, line.parity));
        out_.item("Data Bits", number(line.dataBits));
        out_.item("Stop Bits", number(line.stopBits));
        out_.item("Flow Control", enumerationName(tables::flowControl, line.flowControl));
        out_.item("Gap Timer", number(line.gapTimer));
        out_.item("Threshold", number(line.threshold));
        out_.item("Push", formatPush(line.push, line.pushCount));
        if (line.flowControl == 2) {
            out_.item("Xon Char", formatCharacter(line.xonChar));
            out_.item("Xoff Char", formatCharacter(line.xoffChar));
        }
        out_.groupEnd();
    }

    void tunnelPacking() {
        const auto& packing = edited_.packing;
        out_.groupStart("Tunnel Packing", "1");
        out_.item("Mode", formatPackingMode(packing.enabled, packing.mode));
        if (packing.enabled) {
            out_.item("Threshold", number(packing.threshold) + " bytes");
            if (packing.mode == 0) {
                out_.item("Timeout", number(packing.timeout) + " milliseconds");
            }
            if (packing.mode == 1) {
                out_.item("Send Character", formatCharacter(packing.sendCharacter));
                out_.item("Flush Send Character", onOff(packing.flushSendCharacter));
                out_.item("Trailing Character",
                          characterOrNone(packing.trailingCharacterEnabled, packing.trailingCharacter));
            }
        }
        out_.groupEnd();
    }

    bool stationProfiles() {
        const std::int32_t count = std::clamp(loaded_.profileCount, 0, DeviceSettings::maxProfiles);
        for (std::int32_t i = 0; i < count; ++i) {
            if (!stationProfile(loaded_.profiles[static_cast<std::size_t>(i)])) {
                return false;
            }
        }
        return true;
    }

    bool stationProfile(const WlanProfile& profile) {
        out_.groupStart("WLAN Profile", escapeText(profile.name));
        out_.itemStart("Basic");
        out_.namedValue("Network Name", escapeText(profile.networkName));
        out_.namedValue("State", onOff(profile.state));
        out_.itemEnd();
        out_.itemStart("Security");
        out_.namedValue("Suite", enumerationName(tables::profileSuite, profile.suite));
        if (profile.suite != 0) {
            const bool hex = profile.keyType == 1;
            const PasswordRequest request{
                .promptText = programText("ファイルに保存する SSID [ ") + profile.networkName +
                              programText(" ] プロファイルの接続パスワードを入力してください。(") +
                              programText(hex ? "16進数64文字" : "8文字以上、63文字以内") + ")",
                .okCaption = programText("SSIDプロファイルを保存"),
                .skipCaption = programText("このSSIDのプロファイルは保存しない"),
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
                const std::string key = escapeText(answer.enteredPassword);
                out_.namedValue("WPAx Key Type", hex ? "Hex" : "Passphrase");
                out_.namedValue("WPAx Passphrase", hex ? "" : key);
                out_.namedValue("WPAx Key", hex ? key : "");
            }
        }
        out_.itemEnd();
        out_.groupEnd();
        return true;
    }

    const DeviceSettings& loaded_;
    const DeviceSettings& edited_;
    RecordTarget target_;
    PasswordPrompt* prompt_;
    std::string* refusal_;
    RecordBuilder out_;
};

} // namespace

std::optional<std::string> buildRecord(const SettingsDocument& document, RecordTarget target,
                                       PasswordPrompt* prompt, std::string* refusal) {
    return Writer(document, target, prompt, refusal).build();
}

} // namespace marlo
