#include "record/SettingsImport.h"

#include "tests/record/SampleRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace marlo {
namespace {

using samples::replaced;

// What the sample device record holds.
DeviceSettings sampleSettings() {
    DeviceSettings s;
    s.radio = {.band = 2, .keepAlive = 1};
    s.sta = {.state = 1,
             .priority = 1,
             .dhcpClient = 0,
             .ipAddress = "192.168.10.20",
             .subnetMask = "255.255.255.0",
             .defaultGateway = "192.168.10.1",
             .primaryDns = "8.8.8.8",
             .secondaryDns = "<None>",
             .currentIpAddress = "192.168.10.20"};
    s.ap = {.state = 1,
            .priority = 2,
            .ipAddress = "192.168.0.1",
            .subnetMask = "255.255.255.0",
            .defaultGateway = "<None>",
            .primaryDns = "192.168.0.1",
            .secondaryDns = "<None>",
            .dhcpRangeStart = "192.168.0.2",
            .dhcpRangeEnd = "192.168.0.20"};
    s.accessPoint = {.ssid = "Marlo & Co",
                     .guest = 0,
                     .channel = 0,
                     .suite = 2,
                     .ccmp = 1,
                     .tkip = 0,
                     .passphrase = "<Configured>",
                     .edited = 0};
    s.profiles[0] = {.state = 1, .networkName = "HomeNet", .name = "home", .suite = 2, .keyType = 1};
    s.profiles[1] = {
        .state = 0, .networkName = "\x8c\xa4\x8b\x86\x8e\xba-5G", .name = "lab & co", .suite = 0};
    s.profileCount = 2;
    s.accept = {.mode = 1,
                .localPort = 10001,
                .password = "<Configured>",
                .startCharacter = 0,
                .flushLine = 0,
                .flushStartCharacter = 0,
                .multipleConnections = 1};
    s.connect = {.mode = 3,
                 .connections = 2,
                 .reconnectTime = 90,
                 .flushLine = 1,
                 .startCharacter = 2,
                 .flushStartCharacter = 1,
                 .protocol = 0,
                 .reception = 0,
                 .hosts = {HostEntry{"192.168.10.5", 8000, 0, "hello <1>"},
                           HostEntry{"backup.example", 8001, 9001, ""}},
                 .edited = 0};
    s.disconnect = {
        .stopCharacterEnabled = 1, .stopCharacter = 4, .timeout = 30000, .flushLine = 1, .modemControl = 0};
    s.line = {.baudRate = 115200,
              .dataBits = 7,
              .stopBits = 2,
              .parity = 1,
              .flowControl = 2,
              .xonChar = 0x11,
              .xoffChar = 0x13,
              .gapTimer = 12,
              .threshold = 100,
              .push = {13, '<'},
              .pushCount = 2};
    s.packing = {.enabled = 1,
                 .mode = 1,
                 .threshold = 1024,
                 .timeout = 1000,
                 .sendCharacter = 10,
                 .flushSendCharacter = 1,
                 .trailingCharacterEnabled = 0,
                 .trailingCharacter = 0};
    return s;
}

class SettingsImportTest : public ::testing::Test {
protected:
    SettingsDocument document;
    std::vector<std::string> messages;

    bool run(std::string config, int copyToEdited = 0, std::string status = samples::deviceStatusRecord()) {
        document.configRecord = std::move(config);
        document.statusRecord = std::move(status);
        return importSettings(document, copyToEdited,
                              [this](const std::string& message) { messages.push_back(message); });
    }
};

TEST_F(SettingsImportTest, ImportsADeviceRead) {
    document.edited.accessPoint.ssid = "untouched";
    ASSERT_TRUE(run(samples::deviceConfigRecord()));
    EXPECT_EQ(document.loaded, sampleSettings());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(document.edited.accessPoint.ssid, "untouched");
    EXPECT_EQ(document.edited.connect.hosts[0], HostEntry{});
}

TEST_F(SettingsImportTest, ImportsTheWriterLayout) {
    ASSERT_TRUE(run(samples::deviceConfigRecordWithLoneCr(), 0, ""));
    DeviceSettings expected = sampleSettings();
    expected.sta.currentIpAddress.clear();
    EXPECT_EQ(document.loaded, expected);
}

TEST_F(SettingsImportTest, AFileLoadCopiesAccessPointAndDestinations) {
    document.edited.connect.hosts[3].address = "stale";
    ASSERT_TRUE(run(samples::deviceConfigRecord(), 1, ""));
    const DeviceSettings& loaded = document.loaded;
    const DeviceSettings& edited = document.edited;
    EXPECT_EQ(loaded.accessPoint.edited, 1);
    EXPECT_EQ(loaded.connect.edited, 1);
    EXPECT_EQ(edited.accessPoint.ssid, loaded.accessPoint.ssid);
    EXPECT_EQ(edited.accessPoint.suite, loaded.accessPoint.suite);
    EXPECT_EQ(edited.accessPoint.ccmp, 1);
    EXPECT_EQ(edited.accessPoint.passphrase, "<Configured>");
    EXPECT_EQ(edited.connect.hosts, loaded.connect.hosts);
    EXPECT_EQ(edited.connect.connections, 2);
    EXPECT_EQ(edited.connect.reconnectTime, 90);
    EXPECT_EQ(edited.connect.protocol, loaded.connect.protocol);
    EXPECT_EQ(edited.connect.reception, loaded.connect.reception);
    // Not copied: what the pages store.
    EXPECT_EQ(edited.line.baudRate, 0u);
}

TEST_F(SettingsImportTest, AccessPointWithoutSsidOrWithoutSecurity) {
    const std::string record = samples::deviceConfigRecord();
    document.edited.accessPoint.ssid = "stale";
    ASSERT_TRUE(run(replaced(record, "<configitem name = \"SSID\">", "<configitem name = \"Name\">"), 1));
    DeviceSettings::AccessPoint blank;
    blank.edited = 1;
    EXPECT_EQ(document.loaded.accessPoint, blank);
    EXPECT_EQ(document.edited.accessPoint, DeviceSettings::AccessPoint{});
    EXPECT_TRUE(messages.empty());

    // Suite "None" skips "Encryption" and "Passphrase", even when they are malformed.
    std::string open = replaced(record, "<value>WPA2</value>", "<value>None</value>");
    open = replaced(open, "<value>CCMP</value>", "");
    ASSERT_TRUE(run(open));
    EXPECT_EQ(document.loaded.accessPoint.ccmp, 0);
    EXPECT_EQ(document.loaded.accessPoint.passphrase, "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsImportTest, ServerModeReadsStartCharacterOnlyForItsMode) {
    const std::string record = samples::deviceConfigRecord();
    const std::string startMode = replaced(record, "<value>Always</value>", "<value>Start Character</value>");
    ASSERT_FALSE(run(
        replaced(startMode, "<configitem name = \"Start Character\">\r\n         <value>0x0d</value>", "")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "*** not found ***\ngroup: <configgroup name = \"Tunnel Accept\" instance = \"1\">\n"
              "item: <configitem name = \"Start Character\">\nvalue: <value>");
    // Fields before the failure stay; later ones are not reached.
    EXPECT_EQ(document.loaded.accept.mode, 3);
    EXPECT_EQ(document.loaded.connect.mode, 0);
}

TEST_F(SettingsImportTest, DestinationLoopEndsAtUdpOrAtTheFirstMissingAddress) {
    const std::string record = samples::deviceConfigRecord();
    std::string udp = replaced(
        record,
        "<value name = \"Protocol\">TCP</value>\r\n         <value name = \"Credential\"></value>\r\n"
        "         <value name = \"Initial Send\">hello",
        "<value name = \"Protocol\">UDP</value>\r\n         <value name = \"Credential\"></value>\r\n"
        "         <value name = \"Initial Send\">hello");
    ASSERT_TRUE(run(udp));
    EXPECT_EQ(document.loaded.connect.protocol, 1);
    EXPECT_EQ(document.loaded.connect.reception, 1);
    EXPECT_EQ(document.loaded.connect.hosts[0].address, "192.168.10.5");
    EXPECT_EQ(document.loaded.connect.hosts[1], HostEntry{});

    // TCP: the last destination's reception is kept.
    ASSERT_TRUE(run(record));
    EXPECT_EQ(document.loaded.connect.reception, 0);

    // No destination: protocol and reception keep what they held.
    const std::string none = replaced(replaced(record, "<value name = \"Address\">192.168.10.5</value>", ""),
                                      "<value name = \"Address\">backup.example</value>", "");
    document.loaded.connect.protocol = 1;
    document.loaded.connect.reception = 1;
    ASSERT_TRUE(run(none, 1));
    EXPECT_EQ(document.loaded.connect.protocol, 1);
    EXPECT_EQ(document.loaded.connect.reception, 1);
    EXPECT_EQ(document.edited.connect.protocol, 1);
    EXPECT_EQ(document.loaded.connect.hosts[0], HostEntry{});
    EXPECT_EQ(document.loaded.connect.edited, 1);
}

TEST_F(SettingsImportTest, OptionalFormatErrorsAreReportedAndSkipped) {
    ASSERT_TRUE(
        run(replaced(samples::deviceConfigRecord(), "<value>Round-Robin</value>", "<value>Random</value>")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "*** format error ***group: <configgroup name = \"Tunnel Connect\" instance = \"1\">\n"
              "item: <configitem name = \"Connections\">\nvalue: <value>\nformat no: 42\n[ Random ]");
    EXPECT_EQ(document.loaded.connect.connections, 0);
    EXPECT_EQ(document.loaded.line.baudRate, 115200u);

    messages.clear();
    ASSERT_TRUE(run(
        replaced(samples::deviceConfigRecord(), "<value>0x04</value>", "<value>&lt;control&gt;!</value>")));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(document.loaded.disconnect.stopCharacterEnabled, 0);
    EXPECT_EQ(document.loaded.disconnect.stopCharacter, 0);
}

TEST_F(SettingsImportTest, DefaultsForAbsentOrUnusedSettings) {
    std::string record =
        replaced(samples::deviceConfigRecord(), "<value>Send Character</value>", "<value>Disable</value>");
    record = replaced(record, "<value>Software</value>", "<value>Hardware</value>");
    record = replaced(record, "<value>&lt;control&gt;Q</value>", "<value>bad</value>");
    record = replaced(record, "<value>1 minute 30 seconds</value>", "");
    record = replaced(record, "<value>12</value>", "");
    record = replaced(record, "<value>100 bytes</value>", "");
    record = replaced(record, "<value>&lt;control&gt;M&lt;</value>", "");
    document.loaded.packing.trailingCharacterEnabled = 1;
    document.loaded.line.xonChar = 7;
    ASSERT_TRUE(run(record));
    const DeviceSettings& loaded = document.loaded;
    EXPECT_EQ(loaded.packing.enabled, 0);
    EXPECT_EQ(loaded.packing.threshold, 512u);
    EXPECT_EQ(loaded.packing.timeout, 1000u);
    EXPECT_EQ(loaded.packing.sendCharacter, 13);
    EXPECT_EQ(loaded.packing.flushSendCharacter, 0);
    EXPECT_EQ(loaded.packing.trailingCharacterEnabled, 0);
    EXPECT_EQ(loaded.line.xonChar, 7);
    EXPECT_EQ(loaded.line.gapTimer, 0u);
    EXPECT_EQ(loaded.line.threshold, 56u);
    EXPECT_EQ(loaded.line.pushCount, 0);
    EXPECT_EQ(loaded.connect.reconnectTime, 15);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsImportTest, PackingByTimeoutReadsTheTimeout) {
    ASSERT_TRUE(run(
        replaced(samples::deviceConfigRecord(), "<value>Send Character</value>", "<value>Timeout</value>")));
    EXPECT_EQ(document.loaded.packing.timeout, 250u);
    EXPECT_EQ(document.loaded.packing.sendCharacter, 13);
}

TEST_F(SettingsImportTest, TakesAtMostFourProfilesAndStoresNamesUnescaped) {
    const std::string record = samples::deviceConfigRecord();
    const std::size_t start = record.find("   <configgroup name = \"WLAN Profile\" instance = \"lab");
    const std::size_t end = record.find("</configrecord>");
    const std::string profile = record.substr(start, end - start);
    std::string five = record;
    five.insert(end, profile + replaced(profile, "lab &amp; co", "a&lt;b") +
                         replaced(profile, "lab &amp; co", "x"));
    ASSERT_TRUE(run(five));
    EXPECT_EQ(document.loaded.profileCount, 4);
    EXPECT_EQ(document.loaded.profiles[1].name, "lab & co");
    EXPECT_EQ(document.loaded.profiles[3].name, "a<b");

    // A profile group without an instance ends the search, and so does one whose instance is not
    // closed on its start line.
    ASSERT_TRUE(run(replaced(record, " instance = \"lab &amp; co\"", "")));
    EXPECT_EQ(document.loaded.profileCount, 1);
    ASSERT_TRUE(run(replaced(record, "instance = \"lab &amp; co\">", "instance = \"lab &amp; co")));
    EXPECT_EQ(document.loaded.profileCount, 1);

    const std::string noProfiles = record.substr(0, record.find("   <configgroup name = \"WLAN Profile\""));
    ASSERT_TRUE(run(noProfiles));
    EXPECT_EQ(document.loaded.profileCount, 0);
}

TEST_F(SettingsImportTest, AProfileAtTheVeryEndOfTheText) {
    const std::string record = samples::deviceConfigRecord();
    ASSERT_TRUE(run(record.substr(0, record.rfind("</configgroup>") + 14)));
    EXPECT_EQ(document.loaded.profileCount, 2);
    EXPECT_EQ(document.loaded.profiles[1].suite, 0);
}

TEST_F(SettingsImportTest, AMissingProfileValueFailsTheImport) {
    ASSERT_FALSE(
        run(replaced(samples::deviceConfigRecord(), "<value name = \"Network Name\">HomeNet</value>", "")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "*** AnyInstance: not found ***\nconfiggroup: <configgroup name = \"WLAN Profile\"\n"
              "configitem: <configitem name = \"Basic\">\nvalue: <value name = \"Network Name\">\nsubnum: 0");
}

TEST_F(SettingsImportTest, StatusRecordIsOptional) {
    document.loaded.sta.currentIpAddress = "10.0.0.9";
    ASSERT_TRUE(run(samples::deviceConfigRecord(), 1, ""));
    EXPECT_EQ(document.loaded.sta.currentIpAddress, "10.0.0.9");
}

} // namespace
} // namespace marlo
