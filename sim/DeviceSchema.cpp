#include "sim/DeviceSchema.h"

#include <algorithm>

namespace marlo::sim {

namespace {

using namespace checks;

ValueRule unnamed(std::string initial, ValueCheck check) {
    return {"", std::move(initial), std::move(check)};
}

ItemRule item(std::string name, std::string initial, ValueCheck check) {
    return {std::move(name), {}, {unnamed(std::move(initial), std::move(check))}};
}

ItemRule secretItem(std::string name, ValueCheck check) {
    return {std::move(name), {}, {ValueRule{"", "", std::move(check), true}}};
}

std::vector<std::string> tunnelModes() {
    return {"Disable", "Always", "Any Character", "Start Character", "Modem Control Asserted"};
}

ItemRule onOffItem(std::string name, std::string initial) {
    return item(std::move(name), std::move(initial), onOff());
}

GroupRule importControl() {
    return {std::string(importControlGroupName),
            GroupKind::importControl,
            {""},
            {
                onOffItem("Reboot", "Disabled"),
                item("Missing Values", "Unchanged", choice({"Unchanged"})),
                {"WLAN Profile delete", {}, {{"name", "", text(1, 64)}}},
            }};
}

GroupRule radio() {
    return {"Radio",
            GroupKind::settings,
            {""},
            {
                onOffItem("Mode", "Enabled"),
                item("Band", "Dual", choice({"Dual", "5 GHz Only", "2.4 GHz Only"})),
                onOffItem("Keep Alive", "Disabled"),
                item("Power Management", "Disabled", onOff()),
            }};
}

GroupRule stationInterface() {
    const auto none = address({"<None>"});
    return {"Interface",
            GroupKind::settings,
            {"wlan0"},
            {
                onOffItem("State", "Enabled"),
                item("Priority", "1", number(1, 2)),
                onOffItem("DHCP Client", "Enabled"),
                item("IP Address", "<None>", addressPrefix()),
                item("Default Gateway", "<None>", none),
                item("Primary DNS", "<None>", none),
                item("Secondary DNS", "<None>", none),
                item("Hostname", "", text(0, 32)),
                item("MTU", "1500 bytes", number(576, 1500, "bytes")),
            }};
}

GroupRule accessPointInterface() {
    const auto none = address({"<None>"});
    return {"Interface",
            GroupKind::settings,
            {"ap0"},
            {
                onOffItem("State", "Enabled"),
                item("Priority", "2", number(1, 2)),
                item("IP Address", "192.168.0.1/24", addressPrefix()),
                item("Default Gateway", "<None>", none),
                item("Primary DNS", "<None>", none),
                item("Secondary DNS", "<None>", none),
                {"DHCP IP Address Range",
                 {},
                 {
                     {"Start", "<Minimum>", address({"<None>", "<Minimum>"})},
                     {"End", "<Maximum>", address({"<None>", "<Maximum>"})},
                 }},
                item("MTU", "1500 bytes", number(576, 1500, "bytes")),
            }};
}

GroupRule accessPoint() {
    return {"Access Point",
            GroupKind::settings,
            {"ap0"},
            {
                item("SSID", "devserver-4f2a", text(0, 32)),
                onOffItem("Guest", "Disabled"),
                item("Channel", "<Auto>", number(1, 165, "", "<Auto>")),
                item("Suite", "WPA2", choice({"None", "WPA", "WPA2", "WEP"})),
                item("Encryption", "CCMP", choice({"None", "TKIP", "CCMP", "CCMP, TKIP"})),
                {"Passphrase", {}, {ValueRule{"", "factory-4f2a", secretInRange(8, 63), true}}},
            }};
}

GroupRule tunnelAccept() {
    return {"Tunnel Accept",
            GroupKind::settings,
            {"1"},
            {
                item("Mode", "Always", choice(tunnelModes())),
                item("Local Port", "10001", number(1, 65535, "", "<None>")),
                onOffItem("Multiple Connections", "Disabled"),
                item("Protocol", "TCP", choice({"TCP"})),
                onOffItem("Flush Line", "Disabled"),
                item("Start Character", "<control>B", character(false)),
                onOffItem("Flush Start Character", "Enabled"),
                secretItem("Password", secretInRange(1, 31)),
                item("TCP Keep Alive", "45000 milliseconds", number(1, 65535, "milliseconds", "<Disabled>")),
            }};
}

GroupRule tunnelConnect() {
    return {"Tunnel Connect",
            GroupKind::settings,
            {"1"},
            {
                item("Mode", "Disable", choice(tunnelModes())),
                onOffItem("Flush Line", "Disabled"),
                item("Start Character", "<control>B", character(false)),
                onOffItem("Flush Start Character", "Enabled"),
                {"Host",
                 {"1", "2", "3", "4"},
                 {
                     {"Address", "", text(0, 64)},
                     {"Port", "<None>", number(1, 65535, "", "<None>")},
                     {"Protocol", "TCP", choice({"TCP", "UDP"})},
                     {"Credential", "", text(0, 64)},
                     {"Initial Send", "", text(0, 128)},
                     {"Local Port", "<Random>", number(1, 65535, "", "<Random>")},
                     {"Reception", "Restricted", choice({"Restricted", "Unrestricted"})},
                 }},
                item("Connections", "Sequential", choice({"Sequential", "Simultaneous", "Round-Robin"})),
                item("Reconnect Time", "15 seconds", duration(24 * 3600)),
                item("TCP Keep Alive", "45000 milliseconds", number(1, 65535, "milliseconds", "<Disabled>")),
            }};
}

GroupRule tunnelDisconnect() {
    return {"Tunnel Disconnect",
            GroupKind::settings,
            {"1"},
            {
                onOffItem("Modem Control", "Disabled"),
                item("Timeout", "<Disabled>", number(1, 86400000, "milliseconds", "<Disabled>")),
                onOffItem("Flush Line", "Disabled"),
                item("Stop Character", "<None>", character(true)),
            }};
}

GroupRule line() {
    return {"Line",
            GroupKind::settings,
            {"1"},
            {
                item("Name", "", text(0, 25)),
                item("Interface", "RS232", choice({"RS232", "RS485 Half-Duplex", "RS485 Full-Duplex"})),
                onOffItem("State", "Enabled"),
                item("Protocol", "Tunnel", choice({"Tunnel", "None"})),
                item("Baud Rate", "9600 bits per second", number(300, 4000000, "bits per second")),
                item("Parity", "None", choice({"None", "Even", "Odd"})),
                item("Data Bits", "8", number(7, 8)),
                item("Stop Bits", "1", number(1, 2)),
                item("Flow Control", "None", choice({"None", "Hardware", "Software"})),
                item("Gap Timer", "<Four Character Periods>",
                     number(1, 5000, "milliseconds", "<Four Character Periods>")),
                item("Threshold", "56 bytes", number(1, 1024, "bytes")),
                item("Push", "", push()),
                item("Xon Char", "<control>Q", character(false)),
                item("Xoff Char", "<control>S", character(false)),
            }};
}

GroupRule tunnelPacking() {
    return {"Tunnel Packing",
            GroupKind::settings,
            {"1"},
            {
                item("Mode", "Disable", choice({"Disable", "Timeout", "Send Character"})),
                item("Threshold", "512 bytes", number(1, 1460, "bytes")),
                item("Timeout", "1000 milliseconds", number(1, 30000, "milliseconds")),
                item("Send Character", "<control>M", character(false)),
                onOffItem("Flush Send Character", "Disabled"),
                item("Trailing Character", "<None>", character(true)),
            }};
}

GroupRule tunnelModem() {
    return {"Tunnel Modem",
            GroupKind::settings,
            {"1"},
            {
                onOffItem("Echo Pluses", "Disabled"),
                onOffItem("Echo Commands", "Enabled"),
                onOffItem("Verbose Response", "Enabled"),
                item("Response Type", "Text", choice({"Text", "Numeric"})),
            }};
}

GroupRule httpServer() {
    return {"HTTP Server",
            GroupKind::settings,
            {""},
            {
                onOffItem("State", "Enabled"),
                item("Port", "80", number(1, 65535)),
            }};
}

GroupRule wlanProfile() {
    const auto wepKey = hexKey({10, 26});
    return {std::string(profileGroupName),
            GroupKind::profile,
            {},
            {
                {"Basic",
                 {},
                 {
                     {"Network Name", "", text(1, 32)},
                     {"State", "Enabled", onOff()},
                 }},
                {"Security",
                 {},
                 {
                     {"Suite", "None", choice({"None", "WPA-WPA2 Mixed Mode", "WPA2", "WEP"})},
                     {"WPAx Authentication", "PSK", choice({"PSK"})},
                     {"WPAx Key Type", "Passphrase", choice({"Passphrase", "Hex"})},
                     {"WPAx Passphrase", "", secretInRange(8, 63), true},
                     {"WPAx Key", "", secret({64}), true},
                     {"WEP Key Size", "40", choice({"40", "104"})},
                     {"WEP TX Key Index", "1", number(1, 4)},
                     {"WEP Key 1 Key", "", wepKey, true},
                     {"WEP Key 2 Key", "", wepKey, true},
                     {"WEP Key 3 Key", "", wepKey, true},
                     {"WEP Key 4 Key", "", wepKey, true},
                 }},
            }};
}

} // namespace

const std::vector<GroupRule>& deviceSchema() {
    static const std::vector<GroupRule> schema{
        importControl(), radio(),         stationInterface(), accessPointInterface(),
        accessPoint(),   tunnelAccept(),  tunnelConnect(),    tunnelDisconnect(),
        line(),          tunnelPacking(), tunnelModem(),      httpServer(),
        wlanProfile(),
    };
    return schema;
}

bool isKnownGroup(std::string_view name) {
    const auto& schema = deviceSchema();
    return std::any_of(schema.begin(), schema.end(),
                       [&](const GroupRule& rule) { return rule.name == name; });
}

const GroupRule* findGroupRule(std::string_view name, std::string_view instance) {
    const auto& schema = deviceSchema();
    const auto found = std::find_if(schema.begin(), schema.end(), [&](const GroupRule& rule) {
        return rule.name == name &&
               (rule.kind != GroupKind::settings ||
                std::find(rule.instances.begin(), rule.instances.end(), instance) != rule.instances.end());
    });
    return found == schema.end() ? nullptr : &*found;
}

const ItemRule* findItemRule(const GroupRule& group, std::string_view name) {
    const auto found = std::find_if(group.items.begin(), group.items.end(),
                                    [&](const ItemRule& rule) { return rule.name == name; });
    return found == group.items.end() ? nullptr : &*found;
}

const ValueRule* findValueRule(const ItemRule& item, std::string_view name) {
    const auto found = std::find_if(item.values.begin(), item.values.end(),
                                    [&](const ValueRule& rule) { return rule.name == name; });
    return found == item.values.end() ? nullptr : &*found;
}

} // namespace marlo::sim
