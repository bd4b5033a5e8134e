#include "cli/SettingsPrinter.h"

#include "cli/Console.h"

#include <string>
#include <string_view>

namespace marlo::cli {

namespace {

class FieldPrinter {
public:
    explicit FieldPrinter(std::ostream& out)
        : out_(out) {}

    void operator()(std::string_view name, const Text& value) {
        out_ << name << " = " << displayText(value) << "\n";
    }
    void operator()(std::string_view name, std::int32_t value) { out_ << name << " = " << value << "\n"; }
    void operator()(std::string_view name, std::uint32_t value) { out_ << name << " = " << value << "\n"; }
    void operator()(std::string_view name, std::uint8_t value) {
        out_ << name << " = " << static_cast<unsigned>(value) << "\n";
    }

private:
    std::ostream& out_;
};

std::string indexed(std::string_view array, std::size_t index, std::string_view field = {}) {
    return std::string(array) + "[" + std::to_string(index) + "]" + std::string(field);
}

} // namespace

void printSettings(const DeviceSettings& s, std::ostream& out) {
    FieldPrinter field(out);
    field("reboot", s.reboot);
    field("radio.band", s.radio.band);
    field("sta.state", s.sta.state);
    field("sta.priority", s.sta.priority);
    field("radio.keepAlive", s.radio.keepAlive);
    field("sta.dhcpClient", s.sta.dhcpClient);
    field("sta.ipAddress", s.sta.ipAddress);
    field("sta.subnetMask", s.sta.subnetMask);
    field("sta.defaultGateway", s.sta.defaultGateway);
    field("sta.primaryDns", s.sta.primaryDns);
    field("sta.secondaryDns", s.sta.secondaryDns);
    field("ap.state", s.ap.state);
    field("ap.priority", s.ap.priority);
    field("ap.ipAddress", s.ap.ipAddress);
    field("ap.subnetMask", s.ap.subnetMask);
    field("ap.defaultGateway", s.ap.defaultGateway);
    field("ap.primaryDns", s.ap.primaryDns);
    field("ap.secondaryDns", s.ap.secondaryDns);
    field("ap.dhcpRangeStart", s.ap.dhcpRangeStart);
    field("ap.dhcpRangeEnd", s.ap.dhcpRangeEnd);
    field("accessPoint.ssid", s.accessPoint.ssid);
    field("accessPoint.guest", s.accessPoint.guest);
    field("accessPoint.channel", s.accessPoint.channel);
    field("accessPoint.suite", s.accessPoint.suite);
    field("accessPoint.ccmp", s.accessPoint.ccmp);
    field("accessPoint.tkip", s.accessPoint.tkip);
    field("accessPoint.passphrase", s.accessPoint.passphrase);
    field("accessPoint.edited", s.accessPoint.edited);
    for (std::size_t i = 0; i < s.profiles.size(); ++i) {
        const WlanProfile& profile = s.profiles[i];
        field(indexed("profiles", i, ".state"), profile.state);
        field(indexed("profiles", i, ".networkName"), profile.networkName);
        field(indexed("profiles", i, ".name"), profile.name);
        field(indexed("profiles", i, ".suite"), profile.suite);
        field(indexed("profiles", i, ".keyType"), profile.keyType);
    }
    field("profileCount", s.profileCount);
    field("accept.mode", s.accept.mode);
    field("accept.localPort", s.accept.localPort);
    field("accept.password", s.accept.password);
    field("accept.startCharacter", s.accept.startCharacter);
    field("accept.flushLine", s.accept.flushLine);
    field("accept.flushStartCharacter", s.accept.flushStartCharacter);
    field("accept.multipleConnections", s.accept.multipleConnections);
    field("connect.mode", s.connect.mode);
    field("connect.connections", s.connect.connections);
    field("connect.reconnectTime", s.connect.reconnectTime);
    field("connect.flushLine", s.connect.flushLine);
    field("connect.startCharacter", s.connect.startCharacter);
    field("connect.flushStartCharacter", s.connect.flushStartCharacter);
    field("connect.protocol", s.connect.protocol);
    field("connect.reception", s.connect.reception);
    for (std::size_t i = 0; i < s.connect.hosts.size(); ++i) {
        const HostEntry& host = s.connect.hosts[i];
        field(indexed("connect.hosts", i, ".address"), host.address);
        field(indexed("connect.hosts", i, ".port"), host.port);
        field(indexed("connect.hosts", i, ".localPort"), host.localPort);
        field(indexed("connect.hosts", i, ".initialSend"), host.initialSend);
    }
    field("connect.edited", s.connect.edited);
    field("disconnect.stopCharacterEnabled", s.disconnect.stopCharacterEnabled);
    field("disconnect.stopCharacter", s.disconnect.stopCharacter);
    field("disconnect.timeout", s.disconnect.timeout);
    field("disconnect.flushLine", s.disconnect.flushLine);
    field("disconnect.modemControl", s.disconnect.modemControl);
    field("line.baudRate", s.line.baudRate);
    field("line.dataBits", s.line.dataBits);
    field("line.stopBits", s.line.stopBits);
    field("line.parity", s.line.parity);
    field("line.flowControl", s.line.flowControl);
    field("line.xonChar", s.line.xonChar);
    field("line.xoffChar", s.line.xoffChar);
    field("line.gapTimer", s.line.gapTimer);
    field("line.threshold", s.line.threshold);
    for (std::size_t i = 0; i < s.line.push.size(); ++i) {
        field(indexed("line.push", i), s.line.push[i]);
    }
    field("line.pushCount", s.line.pushCount);
    field("packing.enabled", s.packing.enabled);
    field("packing.mode", s.packing.mode);
    field("packing.threshold", s.packing.threshold);
    field("packing.timeout", s.packing.timeout);
    field("packing.sendCharacter", s.packing.sendCharacter);
    field("packing.flushSendCharacter", s.packing.flushSendCharacter);
    field("packing.trailingCharacterEnabled", s.packing.trailingCharacterEnabled);
    field("packing.trailingCharacter", s.packing.trailingCharacter);
    field("sta.currentIpAddress", s.sta.currentIpAddress);
}

} // namespace marlo::cli
