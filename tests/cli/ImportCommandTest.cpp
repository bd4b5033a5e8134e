#include "cli/ImportCommand.h"

#include "tests/cli/CliTestSupport.h"
#include "tests/record/SampleRecords.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

namespace marlo::cli {
namespace {

using marlo::testing::testData;
using samples::replaced;
using testing::run;
using testing::runProgram;
using testing::TemporaryFolder;

std::string unusedProfile(int index) {
    const std::string prefix = "profiles[" + std::to_string(index) + "].";
    return prefix + "state = 0\n" + prefix + "networkName = \n" + prefix + "name = \n" + prefix +
           "suite = 0\n" + prefix + "keyType = 0\n";
}

std::string unusedHost(int index) {
    const std::string prefix = "connect.hosts[" + std::to_string(index) + "].";
    return prefix + "address = \n" + prefix + "port = 0\n" + prefix + "localPort = 0\n" + prefix +
           "initialSend = \n";
}

// The listing of the sample device record with its status record.
std::string sampleListing() {
    return R"(reboot = 0
radio.band = 2
sta.state = 1
sta.priority = 1
radio.keepAlive = 1
sta.dhcpClient = 0
sta.ipAddress = 192.168.10.20
sta.subnetMask = 255.255.255.0
sta.defaultGateway = 192.168.10.1
sta.primaryDns = 8.8.8.8
sta.secondaryDns = <None>
ap.state = 1
ap.priority = 2
ap.ipAddress = 192.168.0.1
ap.subnetMask = 255.255.255.0
ap.defaultGateway = <None>
ap.primaryDns = 192.168.0.1
ap.secondaryDns = <None>
ap.dhcpRangeStart = 192.168.0.2
ap.dhcpRangeEnd = 192.168.0.20
accessPoint.ssid = Marlo & Co
accessPoint.guest = 0
accessPoint.channel = 0
accessPoint.suite = 2
accessPoint.ccmp = 1
accessPoint.tkip = 0
accessPoint.passphrase = <Configured>
accessPoint.edited = 1
profiles[0].state = 1
profiles[0].networkName = HomeNet
profiles[0].name = home
profiles[0].suite = 2
profiles[0].keyType = 1
profiles[1].state = 0
profiles[1].networkName = 研究室-5G
profiles[1].name = lab & co
profiles[1].suite = 0
profiles[1].keyType = 0
)" + unusedProfile(2) +
           unusedProfile(3) + R"(profileCount = 2
accept.mode = 1
accept.localPort = 10001
accept.password = <Configured>
accept.startCharacter = 0
accept.flushLine = 0
accept.flushStartCharacter = 0
accept.multipleConnections = 1
connect.mode = 3
connect.connections = 2
connect.reconnectTime = 90
connect.flushLine = 1
connect.startCharacter = 2
connect.flushStartCharacter = 1
connect.protocol = 0
connect.reception = 0
connect.hosts[0].address = 192.168.10.5
connect.hosts[0].port = 8000
connect.hosts[0].localPort = 0
connect.hosts[0].initialSend = hello <1>
connect.hosts[1].address = backup.example
connect.hosts[1].port = 8001
connect.hosts[1].localPort = 9001
connect.hosts[1].initialSend = 
)" + unusedHost(2) +
           unusedHost(3) + R"(connect.edited = 1
disconnect.stopCharacterEnabled = 1
disconnect.stopCharacter = 4
disconnect.timeout = 30000
disconnect.flushLine = 1
disconnect.modemControl = 0
line.baudRate = 115200
line.dataBits = 7
line.stopBits = 2
line.parity = 1
line.flowControl = 2
line.xonChar = 17
line.xoffChar = 19
line.gapTimer = 12
line.threshold = 100
line.push[0] = 13
line.push[1] = 60
line.pushCount = 2
packing.enabled = 1
packing.mode = 1
packing.threshold = 1024
packing.timeout = 1000
packing.sendCharacter = 10
packing.flushSendCharacter = 1
packing.trailingCharacterEnabled = 0
packing.trailingCharacter = 0
sta.currentIpAddress = 192.168.10.20
)";
}

TEST(ImportCommand, PrintsEveryFieldInTableOrder) {
    TemporaryFolder folder;
    const std::string config = folder.write("config.xml", samples::deviceConfigRecord());
    const std::string status = folder.write("status.xml", samples::deviceStatusRecord());
    const auto result = run(importCommand, {config, "--status", status});
    EXPECT_EQ(result.exitCode, exitSuccess);
    EXPECT_EQ(result.out, sampleListing());
    EXPECT_EQ(result.err, "");

    // Without a status record the current address stays empty.
    const auto withoutStatus = run(importCommand, {config});
    EXPECT_EQ(withoutStatus.exitCode, exitSuccess);
    EXPECT_EQ(withoutStatus.out,
              replaced(sampleListing(), "sta.currentIpAddress = 192.168.10.20", "sta.currentIpAddress = "));
}

TEST(ImportCommand, AFailedImportPrintsNoSettings) {
    TemporaryFolder folder;
    const std::string config =
        folder.write("config.xml", replaced(samples::deviceConfigRecord(),
                                            "<configitem name = \"Modem Control\">", "<configitem>"));
    const auto result = run(importCommand, {config});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "*** not found ***\ngroup: <configgroup name = \"Tunnel Disconnect\" instance = \"1\">\n"
              "item: <configitem name = \"Modem Control\">\nvalue: <value>\n"
              "設定データの解析に失敗しました。\n");
}

TEST(ImportCommand, TheRecordEndsAtTheFilesFirstZeroByte) {
    TemporaryFolder folder;
    const std::string record = samples::deviceConfigRecord();
    const std::string cut = "   <configgroup name = \"Tunnel Disconnect\"";
    const std::string config = folder.write("config.xml", replaced(record, cut, std::string(1, '\0') + cut));
    const auto result = run(importCommand, {config});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "*** not found ***\ngroup: <configgroup name = \"Tunnel Disconnect\" instance = \"1\">\n"
              "item: <configitem name = \"Modem Control\">\nvalue: <value>\n"
              "設定データの解析に失敗しました。\n");
}

TEST(ImportCommand, AListingThatCannotBeWrittenFails) {
    TemporaryFolder folder;
    const std::string config = folder.write("config.xml", samples::deviceConfigRecord());
    std::ostream unwritable(nullptr);
    std::ostringstream err;
    EXPECT_EQ(importCommand.run({config}, unwritable, err), exitFailure);
    EXPECT_EQ(err.str(), "marlo-cli: 標準出力に書き込めません\n");
}

TEST(ImportCommand, RefusesAWrongCommandLineOrAnUnreadableFile) {
    TemporaryFolder folder;
    const std::string config = folder.write("config.xml", samples::deviceConfigRecord());
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {config, config}, {config, "--status"}, {config, "--verbose"}}) {
        const auto result = run(importCommand, arguments);
        EXPECT_EQ(result.exitCode, exitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("使い方: marlo-cli import FILE [--status STATUSFILE]"), std::string::npos);
    }
    const auto missing = run(importCommand, {folder.path("missing.xml")});
    EXPECT_EQ(missing.exitCode, exitUsage);
    EXPECT_EQ(missing.out, "");
    const auto missingStatus = run(importCommand, {config, "--status", folder.path("missing.xml")});
    EXPECT_EQ(missingStatus.exitCode, exitUsage);
    EXPECT_EQ(missingStatus.out, "");
}

TEST(Program, DispatchesCommandsByName) {
    TemporaryFolder folder;
    const std::string config = folder.write("config.xml", samples::deviceConfigRecord());
    const auto imported = runProgram({"import", config});
    EXPECT_EQ(imported.exitCode, exitSuccess);
    EXPECT_EQ(imported.out,
              replaced(sampleListing(), "sta.currentIpAddress = 192.168.10.20", "sta.currentIpAddress = "));
    const auto exported = runProgram({"export", config, "--target", "device"});
    EXPECT_EQ(exported.exitCode, exitSuccess);
    EXPECT_TRUE(exported.out.starts_with("<?xml"));
}

TEST(Program, PrintsItsUsageForHelpOnStandardOutputAndForAWrongCommandLineOnStandardError) {
    const std::string usage = testData("usage/marlo-cli.ja.txt");
    const std::string englishUsage = testData("usage/marlo-cli.en.txt");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string out;
        std::string err;
    } cases[] = {
        {{"--help"}, exitSuccess, usage, ""},
        {{"-h"}, exitSuccess, usage, ""},
        {{}, exitUsage, "", usage},
        {{"frobnicate"}, exitUsage, "", usage},
        {{"--port"}, exitUsage, "", usage},
        {{"--lang", "en", "--help"}, exitSuccess, englishUsage, ""},
        {{"--lang", "en", "import"}, exitUsage, "", "usage: marlo-cli import FILE [--status STATUSFILE]\n"},
        {{"--lang", "fr", "--help"}, exitUsage, "", usage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? "no argument" : c.arguments.back());
        const auto result = runProgram(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
    const auto version = runProgram({"--version"});
    EXPECT_EQ(version.exitCode, exitSuccess);
    EXPECT_TRUE(version.out.starts_with("marlo-cli 1.")) << version.out;
}

} // namespace
} // namespace marlo::cli
