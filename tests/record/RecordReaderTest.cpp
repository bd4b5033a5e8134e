#include "record/RecordReader.h"

#include "tests/record/SampleRecords.h"

#include <gtest/gtest.h>

#include <vector>

namespace marlo {
namespace {

using samples::replaced;

class RecordReaderTest : public ::testing::Test {
protected:
    DeviceSettings settings;
    std::vector<std::string> messages;
    RecordReader reader{settings, [this](const std::string& message) { messages.push_back(message); }};
};

const SettingRow& row(Setting setting) {
    return settingRow(setting);
}

ValueTags configTags(std::string groupStart, std::string itemStart, std::string valueStart) {
    return {std::move(groupStart), "</configgroup>",      std::move(itemStart),
            "</configitem>",       std::move(valueStart), "</value>"};
}

TEST_F(RecordReaderTest, ReadsTheDeviceLayout) {
    const std::string record = samples::deviceConfigRecord();
    EXPECT_TRUE(reader.lookup(record, row(Setting::radioBand), true));
    EXPECT_EQ(settings.radio.band, 2);
    EXPECT_TRUE(reader.lookup(record, row(Setting::staIpAddress), true));
    EXPECT_EQ(settings.sta.ipAddress, "192.168.10.20");
    EXPECT_EQ(settings.sta.subnetMask, "255.255.255.0");
    EXPECT_TRUE(reader.lookup(record, row(Setting::staSecondaryDns), true));
    EXPECT_EQ(settings.sta.secondaryDns, "<None>");
    EXPECT_TRUE(reader.lookupDestination(record, row(Setting::hostInitialSend), 0, true));
    EXPECT_EQ(settings.connect.hosts[0].initialSend, "hello <1>");
    EXPECT_TRUE(reader.lookupDestination(record, row(Setting::hostLocalPort), 1, true));
    EXPECT_EQ(settings.connect.hosts[1].localPort, 9001);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordReaderTest, ReadsTheWriterLayoutWithLoneCarriageReturns) {
    const std::string record = samples::deviceConfigRecordWithLoneCr();
    EXPECT_TRUE(reader.lookup(record, row(Setting::lineBaudRate), true));
    EXPECT_EQ(settings.line.baudRate, 115200u);
    EXPECT_TRUE(reader.lookup(record, row(Setting::apDhcpRangeEnd), true));
    EXPECT_EQ(settings.ap.dhcpRangeEnd, "192.168.0.20");

    // The byte after a lone CR is skipped, so an unindented group line is not recognised.
    const std::string unindented =
        replaced(record, "\r   <configgroup name = \"Line\"", "\r<configgroup name = \"Line\"");
    EXPECT_FALSE(reader.lookup(unindented, row(Setting::lineBaudRate), false));
}

TEST_F(RecordReaderTest, NeverExaminesTheUnterminatedLastLine) {
    const std::string_view group = "<configgroup name = \"Radio\">\r\n<configitem name = \"Band\">\r\n";
    EXPECT_FALSE(
        findValue(std::string(group) + "<value>Dual</value>",
                  configTags("<configgroup name = \"Radio\">", "<configitem name = \"Band\">", "<value>")));
    EXPECT_EQ(
        findValue(std::string(group) + "<value>Dual</value>\r",
                  configTags("<configgroup name = \"Radio\">", "<configitem name = \"Band\">", "<value>")),
        "Dual");
}

TEST_F(RecordReaderTest, NeverReadsBeyondTheText) {
    // The record ends in a lone CR; the buffer behind it holds a value that must not be seen.
    const std::string buffer = " <g>\r <i>\rX <v>leak</e>\r";
    const std::string_view record = std::string_view(buffer).substr(0, 10);
    ASSERT_EQ(record.back(), '\r');
    EXPECT_FALSE(findValue(record, {"<g>", "</g>", "<i>", "</i>", "<v>", "</e>"}));
    EXPECT_FALSE(
        findValue(std::string_view(buffer).substr(0, 0), {"<g>", "</g>", "<i>", "</i>", "<v>", "</e>"}));
}

TEST_F(RecordReaderTest, ReadsLongLinesAndLongValuesWhole) {
    const std::string longValue(1000, 'x');
    const std::string record = std::string(200000, ' ') +
                               "\r\n <configgroup name = \"Line\" instance = \"1\">\r\n" +
                               " <configitem name = \"Name\">\r\n <value>" + longValue + "</value>\r\n";
    const auto value = findValue(record, configTags("<configgroup name = \"Line\" instance = \"1\">",
                                                    "<configitem name = \"Name\">", "<value>"));
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, longValue);
}

TEST_F(RecordReaderTest, KeepsTheSearchInsideTheGroupAndItem) {
    const std::string record = samples::deviceConfigRecord();
    // "Tunnel Accept" has no "Reconnect Time"; the one of "Tunnel Connect" must not be taken.
    EXPECT_FALSE(findValue(record, configTags("<configgroup name = \"Tunnel Accept\" instance = \"1\">",
                                              "<configitem name = \"Reconnect Time\">", "<value>")));
    const std::string noAcceptMode = replaced(record, "<value>Always</value>", "");
    EXPECT_FALSE(reader.lookup(noAcceptMode, row(Setting::acceptMode), false));
    EXPECT_EQ(settings.accept.mode, 0);
    // "Start" is a value of ap0 only.
    EXPECT_FALSE(findValue(record, configTags("<configgroup name = \"Interface\" instance = \"wlan0\">",
                                              "<configitem name = \"DHCP IP Address Range\">",
                                              "<value name = \"Start\">")));
    // A value start without its end on the line ends the scan.
    const std::string cut = replaced(record, "<value>8.8.8.8</value>", "<value>8.8.8.8");
    EXPECT_FALSE(reader.lookup(cut, row(Setting::staPrimaryDns), false));
    EXPECT_TRUE(messages.empty());
}

TEST_F(RecordReaderTest, NeedsTheExactTagSpelling) {
    const std::string record =
        replaced(samples::deviceConfigRecord(), "name = \"Interface\" instance = \"ap0\"",
                 "name = \"Interface\" instance=\"ap0\"");
    EXPECT_FALSE(reader.lookup(record, row(Setting::apState), false));
    EXPECT_FALSE(findValue(
        record, configTags("<configgroup name = \"radio\">", "<configitem name = \"Band\">", "<value>")));
    // A group name matches whole, whatever the instance.
    EXPECT_FALSE(findValue(record, configTags("<configgroup name = \"WLAN\"", "<configitem name = \"Basic\">",
                                              "<value name = \"State\">")));
}

TEST_F(RecordReaderTest, SearchesAGroupAgainAfterItsEnd) {
    const std::string record =
        "   <configgroup name = \"Radio\">\r\n      <configitem name = \"Mode\">\r\n"
        "         <value>Enabled</value>\r\n      </configitem>\r\n   </configgroup>\r\n"
        "   <configgroup name = \"Radio\">\r\n      <configitem name = \"Band\">\r\n"
        "         <value>5 GHz Only</value>\r\n      </configitem>\r\n   </configgroup>\r\n";
    EXPECT_TRUE(reader.lookup(record, row(Setting::radioBand), true));
    EXPECT_EQ(settings.radio.band, 1);
}

TEST_F(RecordReaderTest, ReadsTheStatusRecordOnly) {
    EXPECT_TRUE(reader.lookup(samples::deviceStatusRecord(), row(Setting::staCurrentIpAddress), false));
    EXPECT_EQ(settings.sta.currentIpAddress, "192.168.10.20");
    EXPECT_FALSE(reader.lookup(samples::deviceConfigRecord(), row(Setting::staCurrentIpAddress), true));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "*** not found ***\ngroup: <statusgroup name = \"Interface\" instance = \"wlan0\">\n"
              "item: <statusitem name = \"Current\">\nvalue: <value name = \"IP Address\">");
}

TEST_F(RecordReaderTest, MatchesAGroupOfAnyInstance) {
    const std::string record = samples::deviceConfigRecord();
    EXPECT_TRUE(reader.lookupAnyInstance(record, row(Setting::profileNetworkName), 2, true));
    EXPECT_EQ(settings.profiles[2].networkName, "HomeNet");
    EXPECT_TRUE(reader.lookupAnyInstance(record, row(Setting::profileSuite), 3, true));
    EXPECT_EQ(settings.profiles[3].suite, 2);
}

TEST_F(RecordReaderTest, ReportsMissesOnlyWhenRequired) {
    const std::string record =
        replaced(replaced(samples::deviceConfigRecord(), "<configitem name = \"Band\">",
                          "<configitem name = \"Bands\">"),
                 "WPAx Key Type", "WPAx Key Kind");
    EXPECT_FALSE(reader.lookup(record, row(Setting::radioBand), false));
    EXPECT_FALSE(reader.lookupDestination(record, row(Setting::hostAddress), 2, false));
    EXPECT_FALSE(reader.lookupAnyInstance(record, row(Setting::profileKeyType), 0, false));
    EXPECT_TRUE(messages.empty());

    EXPECT_FALSE(reader.lookup(record, row(Setting::radioBand), true));
    EXPECT_FALSE(reader.lookupDestination(record, row(Setting::hostAddress), 2, true));
    EXPECT_FALSE(reader.lookupAnyInstance(record, row(Setting::profileKeyType), 3, true));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "*** not found ***\ngroup: <configgroup name = \"Radio\">\n"
                           "item: <configitem name = \"Band\">\nvalue: <value>");
    EXPECT_EQ(
        messages[1],
        "*** Host: not found ***\nconfiggroup: <configgroup name = \"Tunnel Connect\" instance = \"1\">\n"
        "configitem: <configitem name = \"Host\" instance = \"3\">\n"
        "value: <value name = \"Address\">\nsubnum: 2");
    EXPECT_EQ(messages[2],
              "*** AnyInstance: not found ***\nconfiggroup: <configgroup name = \"WLAN Profile\"\n"
              "configitem: <configitem name = \"Security\">\n"
              "value: <value name = \"WPAx Key Type\">\nsubnum: 3");
}

TEST_F(RecordReaderTest, ReportsFormatErrorsAlways) {
    std::string record =
        replaced(samples::deviceConfigRecord(), "<value>2.4 GHz Only</value>", "<value>2.4GHz</value>");
    record = replaced(
        record,
        "<value name = \"Protocol\">TCP</value>\r\n         <value name = \"Credential\"></value>\r\n"
        "         <value name = \"Initial Send\"></value>",
        "<value name = \"Protocol\">SCTP</value>\r\n         <value name = \"Credential\"></value>\r\n"
        "         <value name = \"Initial Send\"></value>");
    record =
        replaced(record, "<value name = \"State\">Disabled</value>", "<value name = \"State\">Off</value>");
    EXPECT_FALSE(reader.lookup(record, row(Setting::radioBand), false));
    EXPECT_FALSE(reader.lookupDestination(record, row(Setting::connectProtocol), 1, false));
    // The second profile's group text, as the import hands it over.
    const std::string profile =
        record.substr(record.find("<configgroup name = \"WLAN Profile\" instance = \"lab"));
    EXPECT_FALSE(reader.lookupAnyInstance(profile, row(Setting::profileState), 1, false));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "*** format error ***group: <configgroup name = \"Radio\">\n"
                           "item: <configitem name = \"Band\">\nvalue: <value>\nformat no: 2\n[ 2.4GHz ]");
    EXPECT_EQ(
        messages[1],
        "*** Host: format error ***configgroup: <configgroup name = \"Tunnel Connect\" instance = \"1\">\n"
        "configitem: <configitem name = \"Host\" instance = \"2\">\n"
        "value: <value name = \"Protocol\">\nsubnum: 1\nformat no: 41\n[ SCTP ]");
    EXPECT_EQ(messages[2],
              "*** AnyInstance: format error ***configgroup: <configgroup name = \"WLAN Profile\"\n"
              "configitem: <configitem name = \"Basic\">\nvalue: <value name = \"State\">\n"
              "subnum: 1format no: 26\n[ Off ]");
}

TEST_F(RecordReaderTest, DecodesThroughEveryCodecKind) {
    const std::string record = samples::deviceConfigRecord();
    EXPECT_TRUE(reader.lookup(record, row(Setting::lineXonChar), true));
    EXPECT_EQ(settings.line.xonChar, 0x11);
    EXPECT_TRUE(reader.lookup(record, row(Setting::linePush), true));
    EXPECT_EQ(settings.line.pushCount, 2);
    EXPECT_EQ(settings.line.push, (std::array<std::uint8_t, 2>{13, '<'}));
    EXPECT_TRUE(reader.lookup(record, row(Setting::lineThreshold), true));
    EXPECT_EQ(settings.line.threshold, 100u);
    EXPECT_TRUE(reader.lookup(record, row(Setting::connectReconnectTime), true));
    EXPECT_EQ(settings.connect.reconnectTime, 90);
    EXPECT_TRUE(reader.lookup(record, row(Setting::connectStartCharacter), true));
    EXPECT_EQ(settings.connect.startCharacter, 2);
    EXPECT_TRUE(reader.lookup(record, row(Setting::packingTrailingCharacter), true));
    EXPECT_EQ(settings.packing.trailingCharacterEnabled, 0);
    EXPECT_TRUE(reader.lookup(record, row(Setting::packingMode), true));
    EXPECT_EQ(settings.packing.enabled, 1);
    EXPECT_EQ(settings.packing.mode, 1);
    EXPECT_TRUE(reader.lookup(record, row(Setting::accessPointCcmp), true));
    EXPECT_EQ(settings.accessPoint.ccmp, 1);
    EXPECT_EQ(settings.accessPoint.tkip, 0);
}

} // namespace
} // namespace marlo
