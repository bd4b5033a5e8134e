#include "CliTestSupport.h"

#include "cli/Console.h"
#include "cli/PortCommands.h"
#include "sim/SimulatedDevice.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <tuple>

namespace marlo::cli {
namespace {

using namespace std::chrono_literals;
using testing::run;
using testing::TemporaryFolder;

sim::DeviceOptions quickDevice() {
    sim::DeviceOptions options;
    options.behaviour.scanDelay = 20ms;
    return options;
}

constexpr std::string_view communicationFailed = "デバイスとの通信に失敗しました。\n\n"
                                                 "設定直後であればしばらく待って再試行してください。\n"
                                                 "または一度アプリケーションを閉じてやりなおしてください。\n";
constexpr std::string_view missingPort = "/nonexistent/ttyUSB3";
// The line under a failure's message when the port above is not there.
constexpr std::string_view missingPortReason =
    "\nポート /nonexistent/ttyUSB3 が見つかりません。アダプタが取り外された可能性があります。"
    "接続を確認してください。\n";

std::string bandRecord(const std::string& band) {
    return "<?xml version=\"1.0\" standalone=\"yes\"?>\r<configrecord version=\"0.1.0.1\">\r"
           "   <configgroup name = \"Radio\">\r      <configitem name = \"Band\">\r         <value>" +
           band + "</value>\r      </configitem>\r   </configgroup>\r</configrecord>\r";
}

TEST(ReadCommand, PrintsTheFirmwareVersionThenTheSettings) {
    sim::SimulatedDevice device(quickDevice());
    TemporaryFolder folder;
    const auto result =
        run(readCommand, {"--port", device.portPath(), "--config-out", folder.path("config.xml"),
                          "--status-out", folder.path("status.xml")});
    ASSERT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_TRUE(result.out.starts_with("firmwareVersion = 2.0.1.4R3\nreboot = 0\nradio.band = 0\n"));
    EXPECT_NE(result.out.find("\naccessPoint.ssid = devserver-4f2a\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nsta.currentIpAddress = 192.168.11.23\n"), std::string::npos);
    EXPECT_TRUE(result.err.empty());
    const auto config = readRecordText(folder.path("config.xml"), std::cerr);
    const auto status = readRecordText(folder.path("status.xml"), std::cerr);
    ASSERT_TRUE(config && status);
    EXPECT_TRUE(config->starts_with("xcr dump\r\n<?xml") && config->ends_with("</configrecord>"));
    EXPECT_TRUE(status->ends_with("</statusrecord>"));
    // Kept the way the window saves: readable by the owner only, since a record may hold secrets.
    for (const char* name : {"config.xml", "status.xml"}) {
        struct stat file {};
        ASSERT_EQ(::stat(folder.path(name).c_str(), &file), 0);
        EXPECT_EQ(file.st_mode & 07777, 0600u) << name;
    }
}

TEST(ReadCommand, CommunicationAndParseFailures) {
    auto result = run(readCommand, {"--port", std::string(missingPort)});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.err, std::string(communicationFailed) + std::string(missingPortReason));
    EXPECT_TRUE(result.out.empty());

    sim::SimulatedDevice device(quickDevice());
    device.update([](sim::Behaviour& behaviour) { behaviour.dumpLeavesOut = {"Tunnel Packing"}; });
    result = run(readCommand, {"--port", device.portPath()});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_TRUE(result.err.starts_with("*** not found ***\n"));
    EXPECT_TRUE(result.err.ends_with("\n設定データの解析に失敗しました。\n"));
    EXPECT_TRUE(result.out.empty());

    EXPECT_EQ(run(readCommand, {"--config-out", "x"}).exitCode, exitUsage);
    EXPECT_EQ(run(readCommand, {"--port", device.portPath(), "extra"}).exitCode, exitUsage);
}

TEST(SendCommand, TypesTheFileAndPrintsTheReply) {
    sim::SimulatedDevice device(quickDevice());
    TemporaryFolder folder;
    auto result =
        run(sendCommand, {"--port", device.portPath(), folder.write("band.xml", bandRecord("5 GHz Only"))});
    ASSERT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_EQ(result.out, "\nConfiguration record imported.\n>\n");
    EXPECT_EQ(device.configuration().value({"Radio", "", "Band"}), "5 GHz Only");

    result = run(sendCommand, {"--port", device.portPath(), folder.write("bad.xml", bandRecord("6 GHz"))});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.err,
              "設定の書き込みに失敗しました。\n\n\nERROR: value \"6 GHz\" not valid for \"Band\" in group "
              "\"Radio\"\n>\n");
    EXPECT_TRUE(result.out.empty());

    result = run(sendCommand, {"--port", std::string(missingPort), folder.path("band.xml")});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.err,
              "設定の書き込みに失敗しました。\n\n対象と通信できません\n" + std::string(missingPortReason));

    EXPECT_EQ(run(sendCommand, {"--port", device.portPath(), folder.path("missing.xml")}).exitCode,
              exitUsage);
}

TEST(PortCommands, AnOutputThatCannotBeWrittenIsAFailure) {
    sim::SimulatedDevice device(quickDevice());
    TemporaryFolder folder;
    const std::string record = folder.write("band.xml", bandRecord("Dual"));
    for (const auto& [command, arguments, what] :
         {std::tuple{&readCommand, std::vector<std::string>{"--port", device.portPath()}, "the settings"},
          std::tuple{&sendCommand, std::vector<std::string>{"--port", device.portPath(), record},
                     "the reply"},
          std::tuple{&scanCommand, std::vector<std::string>{"--port", device.portPath()},
                     "the scan results"}}) {
        std::ostream unwritable(nullptr);
        std::ostringstream err;
        EXPECT_EQ(command->run(arguments, unwritable, err), exitFailure) << what;
        EXPECT_EQ(err.str(), "marlo-cli: 標準出力に書き込めません\n") << what;
    }
}

TEST(ScanCommand, ListsTheAccessPointsTabSeparated) {
    sim::SimulatedDevice device(quickDevice());
    auto result = run(scanCommand, {"--port", device.portPath()});
    ASSERT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_EQ(result.out, "office-net\t00:1a:2b:3c:4d:5e\t6\t-48\tWPA2-PSK AES\n"
                          "guest\t00:1a:2b:3c:4d:5f\t6\t-51\tNone\n"
                          "lab-5g\t10:22:33:44:55:66\t44\t-67\tWPA-WPA2 Mixed TKIP AES\n");

    device.update([](sim::Behaviour& behaviour) { behaviour.announcedNetworks = 5; });
    result = run(scanCommand, {"--port", device.portPath()});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.err, "解析エラー\n");

    result = run(scanCommand, {"--port", std::string(missingPort)});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.err, "通信エラー\n" + std::string(missingPortReason));
}

TEST(ReadCommand, NamesTheProgramThatHoldsThePortInTheChosenLanguage) {
    sim::SimulatedDevice device(quickDevice());
    const int holder = ::open(device.portPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    std::string thisProgram;
    std::getline(std::ifstream("/proc/self/comm"), thisProgram);

    const auto japanese = testing::runProgram({"read", "--port", device.portPath()});
    const auto english = testing::runProgram({"--lang", "en", "read", "--port", device.portPath()});
    ::close(holder);
    EXPECT_EQ(japanese.exitCode, exitFailure);
    EXPECT_EQ(japanese.err, std::string(communicationFailed) + "\nポート " + device.portPath() +
                                " は他のプログラム（" + thisProgram +
                                "）が使用中です。そのプログラムを終了してから再試行してください。\n");
    EXPECT_TRUE(japanese.out.empty());
    EXPECT_EQ(english.exitCode, exitFailure);
    EXPECT_EQ(english.err,
              "Communication with the device failed.\n\nIf you have just changed its settings, wait a "
              "moment and try again.\nOr close the application and start again.\n\nPort " +
                  device.portPath() + " is in use by another program (" + thisProgram +
                  "). Close that program, then try again.\n");
}

} // namespace
} // namespace marlo::cli
