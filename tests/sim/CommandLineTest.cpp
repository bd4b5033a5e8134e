#include "LinkTestSupport.h"

#include "device/CommandExchange.h"
#include "record/RecordFrame.h"
#include "sim/StateFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace marlo {
namespace {

using namespace std::chrono_literals;

constexpr LinkTimings quickTimings{PortTimeouts{200ms, 0ms, 1000ms, 10ms}, 0ms};

std::string rebootRecord(bool reboot) {
    return std::string(recordHeader()) + "   <configgroup name = \"XML Import Control\">\r" +
           "      <configitem name = \"Reboot\">\r         <value>" + (reboot ? "Enable" : "Disable") +
           "</value>\r      </configitem>\r   </configgroup>\r   <configgroup name = \"Radio\">\r" +
           "      <configitem name = \"Band\">\r         <value>5 GHz Only</value>\r      </configitem>\r" +
           "   </configgroup>\r" + std::string(recordClosingLine());
}

TEST(CommandLine, PromptsEchoAndErrors) {
    sim::SimulatedDevice device(testing::quickDevice());
    CommandExchange line(nullptr, quickTimings);
    ASSERT_TRUE(line.enterCommandLine(device.portPath()));
    EXPECT_TRUE(line.reply().starts_with("\r\n"));
    EXPECT_EQ(line.reply().find('>'), line.reply().size() - 1);

    ASSERT_TRUE(line.exchange("xmx\bl\r", "xml>", 1));
    EXPECT_EQ(line.reply(), "xmx\b \bl\r\nxml>");
    ASSERT_TRUE(line.exchange("show <b>\r", "xml>", 1));
    EXPECT_EQ(line.reply(), "show <b>\r\nERROR: unknown command show &lt;b&gt;\r\nxml>");
    ASSERT_TRUE(line.exchange("exit\rexit\r", "start.", 1));
    EXPECT_EQ(line.reply(), "exit\r\n>exit\r\nTunnel 1 start.");
    EXPECT_EQ(device.level(), sim::Level::closed);
    // Closed again: the typed word is neither echoed nor run, the carriage return opens the line.
    ASSERT_TRUE(line.exchange("status\r", ">", 1));
    EXPECT_EQ(line.reply().find("status"), std::string_view::npos);
    EXPECT_EQ(device.level(), sim::Level::top);
}

TEST(CommandLine, RebootSilencesTheDeviceThenClosesItsCommandLine) {
    auto options = testing::quickDevice();
    options.behaviour.rebootSilence = 600ms;
    testing::LinkedDevice linked(options);
    std::string reply;
    ASSERT_TRUE(linked.link.sendRecord(rebootRecord(true), reply));
    EXPECT_EQ(reply, "\r\nConfiguration record imported.\r\nRebooting.\r\n>");
    EXPECT_EQ(linked.device.configuration().value({"Radio", "", "Band"}), "5 GHz Only");

    CommandExchange line(nullptr, quickTimings);
    EXPECT_FALSE(line.enterCommandLine(linked.device.portPath()));
    ASSERT_TRUE(testing::eventually([&] { return linked.device.level() == sim::Level::closed; }));
    EXPECT_TRUE(linked.read().ok);

    ASSERT_TRUE(linked.link.sendRecord(rebootRecord(false), reply));
    EXPECT_EQ(reply, "\r\nConfiguration record imported.\r\n>");
    EXPECT_EQ(linked.device.level(), sim::Level::top);
}

TEST(CommandLine, StateFileKeepsTheConfigurationAcrossRuns) {
    const auto folder = std::filesystem::temp_directory_path() / ("marlo-sim-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto stateFile = folder / "device.xml";
    auto options = testing::quickDevice();
    options.stateFile = stateFile;
    sim::DeviceConfig written;
    {
        testing::LinkedDevice linked(options);
        EXPECT_FALSE(std::filesystem::exists(stateFile));
        std::string reply;
        ASSERT_TRUE(linked.link.sendRecord(rebootRecord(false), reply));
        written = linked.device.configuration();
    }
    struct stat status {};
    ASSERT_EQ(::stat(stateFile.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    std::ifstream file(stateFile, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(content.find("<value>factory-4f2a</value>"), std::string::npos);

    sim::SimulatedDevice restarted(options);
    EXPECT_EQ(restarted.configuration(), written);

    std::ofstream(stateFile, std::ios::binary)
        << "<configrecord><configgroup name = \"Nope\"/></configrecord>";
    EXPECT_THROW(sim::loadState(stateFile), std::runtime_error);
    std::filesystem::remove_all(folder);
}

TEST(CommandLine, StateFileThatCannotBeWrittenRefusesTheRecord) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("marlo-sim-<a>-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    auto options = testing::quickDevice();
    options.stateFile = folder / "missing" / "device.xml";
    testing::LinkedDevice linked(options);
    const sim::DeviceConfig before = linked.device.configuration();

    std::string reply;
    EXPECT_FALSE(linked.link.sendRecord(rebootRecord(true), reply));
    EXPECT_TRUE(reply.starts_with("\r\nERROR: configuration not stored: ")) << reply;
    EXPECT_NE(reply.find("marlo-sim-&lt;a&gt;-"), std::string::npos) << reply;
    EXPECT_EQ(reply.find('>'), reply.size() - 1);
    EXPECT_EQ(linked.device.configuration(), before);
    EXPECT_EQ(linked.device.level(), sim::Level::top);
    EXPECT_EQ(linked.device.applyRecord(rebootRecord(false)).errors.size(), 1u);
    EXPECT_EQ(linked.device.configuration(), before);
    EXPECT_TRUE(linked.read().ok);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace marlo
