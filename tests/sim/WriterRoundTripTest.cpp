#include "LinkTestSupport.h"

#include "record/RecordWriter.h"
#include "record/SettingsImport.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

// Reads the device as the read flow does; fails the test when the read or the import fails.
SettingsDocument readDevice(testing::LinkedDevice& linked) {
    SettingsDocument document;
    const auto records = linked.read();
    EXPECT_TRUE(records.ok);
    document.configRecord = records.config;
    document.statusRecord = records.status;
    document.firmwareVersion = records.firmware;
    EXPECT_TRUE(importSettings(document, 0, [](const std::string& message) { ADD_FAILURE() << message; }));
    return document;
}

void writeDevice(testing::LinkedDevice& linked, const SettingsDocument& document) {
    const auto record = buildRecord(document, RecordTarget::device);
    ASSERT_TRUE(record);
    std::string reply;
    EXPECT_TRUE(linked.link.sendRecord(*record, reply)) << reply;
}

void editEverything(DeviceSettings& s) {
    s.radio = {.band = 2, .keepAlive = 1};
    s.sta.state = 1;
    s.sta.priority = 2;
    s.sta.dhcpClient = 0;
    s.sta.ipAddress = "192.168.1.50";
    s.sta.subnetMask = "255.255.255.0";
    s.sta.defaultGateway = "192.168.1.1";
    s.sta.primaryDns = "8.8.8.8";
    s.sta.secondaryDns = "";
    s.ap.state = 1;
    s.ap.priority = 1;
    s.ap.ipAddress = "10.0.0.1";
    s.ap.subnetMask = "255.255.0.0";
    s.ap.dhcpRangeStart = "10.0.0.100";
    s.ap.dhcpRangeEnd = "<Maximum>";
    s.accessPoint = {.ssid = "my-ap",
                     .guest = 1,
                     .channel = 6,
                     .suite = 2,
                     .ccmp = 1,
                     .tkip = 1,
                     .passphrase = "new-passphrase",
                     .edited = 0};
    s.accept = {.mode = 3,
                .localPort = 2000,
                .password = "",
                .startCharacter = 0x02,
                .flushLine = 1,
                .flushStartCharacter = 0,
                .multipleConnections = 1};
    s.connect.mode = 1;
    s.connect.connections = 2;
    s.connect.reconnectTime = 90;
    s.connect.flushLine = 1;
    s.connect.protocol = 0;
    s.connect.reception = 0;
    s.connect.hosts = {
        {{"192.168.1.10", 10001, 0, "hello <you> & me"}, {"server.example", 8080, 5000, ""}, {}, {}}};
    s.disconnect = {
        .stopCharacterEnabled = 1, .stopCharacter = 0x03, .timeout = 5000, .flushLine = 1, .modemControl = 0};
    s.line = {.baudRate = 115200,
              .dataBits = 8,
              .stopBits = 1,
              .parity = 1,
              .flowControl = 2,
              .xonChar = 0x11,
              .xoffChar = 0x13,
              .gapTimer = 0,
              .threshold = 100,
              .push = {0x0d, 0x41},
              .pushCount = 2};
    s.packing = {.enabled = 1,
                 .mode = 1,
                 .threshold = 512,
                 .timeout = 1000,
                 .sendCharacter = 0x0a,
                 .flushSendCharacter = 1,
                 .trailingCharacterEnabled = 1,
                 .trailingCharacter = 0x0d};
}

TEST(WriterRoundTrip, UnchangedSettingsLeaveTheDeviceAsItWas) {
    testing::LinkedDevice linked;
    const sim::DeviceConfig before = linked.device.configuration();
    SettingsDocument document = readDevice(linked);
    document.edited = document.loaded;
    writeDevice(linked, document);
    EXPECT_EQ(linked.device.configuration(), before);
}

TEST(WriterRoundTrip, EditedSettingsAreReadBackAsWritten) {
    testing::LinkedDevice linked;
    SettingsDocument document = readDevice(linked);
    document.edited = document.loaded;
    editEverything(document.edited);
    document.loaded.accessPoint.edited = 1;
    document.loaded.connect.edited = 1;
    writeDevice(linked, document);

    DeviceSettings expected = document.edited;
    expected.accessPoint.passphrase = "<Configured>";
    expected.sta.currentIpAddress = "192.168.1.50";
    EXPECT_EQ(readDevice(linked).loaded, expected);

    // One destination over UDP, and the device reboots after taking the record.
    document = readDevice(linked);
    document.edited = document.loaded;
    document.edited.reboot = 1;
    document.edited.connect.protocol = 1;
    document.edited.connect.reception = 1;
    document.edited.connect.hosts[0] = {"10.0.0.9", 9000, 9001, "hi"};
    document.loaded.connect.edited = 1;
    writeDevice(linked, document);
    ASSERT_TRUE(testing::eventually([&] { return linked.device.level() == sim::Level::closed; }));

    expected = document.edited;
    expected.reboot = 0;
    expected.connect.hosts[1] = expected.connect.hosts[2] = expected.connect.hosts[3] = {};
    EXPECT_EQ(readDevice(linked).loaded, expected);
}

// Answers every prompt of a save with a password that fits it.
class FittingPasswords : public PasswordPrompt {
public:
    PasswordAnswer ask(const PasswordRequest& request) override {
        switch (request.secret) {
        case SecretKind::accessPointPassphrase:
            return {promptEntered, "ap-passphrase"};
        case SecretKind::serverPassword:
            return {promptEntered, "server"};
        case SecretKind::profileKey:
            return {promptEntered, request.hexKey ? std::string(64, 'a') : "profile-passphrase"};
        }
        return {};
    }
};

TEST(WriterRoundTrip, DeviceTakesTheRecordsSavedToFiles) {
    SettingsDocument document;
    editEverything(document.edited);
    document.edited.accessPoint.passphrase = "<Configured>";
    document.edited.accept.password = "<Configured>";
    document.loaded.accessPoint.edited = 1;
    document.loaded.connect.edited = 1;
    document.loaded.profiles = {
        {{1, "home", "_ome", 2, 0}, {0, "office", "_ffice", 1, 1}, {1, "open", "_pen", 0, 0}}};
    document.loaded.profileCount = 3;
    FittingPasswords prompt;
    const auto record = buildRecord(document, RecordTarget::file, &prompt);
    ASSERT_TRUE(record);

    sim::SimulatedDevice device(testing::quickDevice());
    const auto outcome = device.applyRecord(*record);
    ASSERT_TRUE(outcome.errors.empty()) << outcome.errors.front();
    const sim::DeviceConfig config = device.configuration();
    EXPECT_EQ(config.profileNames(), (std::vector<std::string>{"_ome", "_ffice", "_pen"}));
    EXPECT_EQ(config.value({"WLAN Profile", "_ffice", "Basic", "State"}), "Disabled");
    EXPECT_EQ(config.value({"WLAN Profile", "_ffice", "Security", "WPAx Key"}), std::string(64, 'a'));
    EXPECT_EQ(config.value({"Access Point", "ap0", "Passphrase"}), "ap-passphrase");
    EXPECT_EQ(config.value({"Tunnel Accept", "1", "Password"}), "server");
}

} // namespace
} // namespace marlo
