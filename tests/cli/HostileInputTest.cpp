#include "device/ResponseBuffer.h"
#include "record/SettingsImport.h"
#include "sim/SimulatedDevice.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/record/SampleRecords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace marlo::cli {
namespace {

using samples::replaced;
using testing::runProgram;
using testing::TemporaryFolder;

using ::testing::AllOf;
using ::testing::Eq;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using TextMatcher = ::testing::Matcher<const std::string&>;

// What the real marlo-cli must do with one input.
struct HostileCase {
    std::vector<std::string> arguments;
    int exitCode;
    TextMatcher out;
    TextMatcher err;
};

void expectOutcome(const HostileCase& c) {
    const auto result = runProgram(c.arguments);
    std::string call;
    for (const std::string& argument : c.arguments) {
        call += argument + " ";
    }
    EXPECT_EQ(result.exitCode, c.exitCode) << call << "\n" << result.err;
    EXPECT_THAT(result.out, c.out) << call;
    EXPECT_THAT(result.err, c.err) << call;
}

// The largest resident size any program run so far reached, in kilobytes.
long largestChildKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// Far above what marlo-cli needs for a record of 1 MiB, far below a read without a bound.
constexpr long childMemoryBoundKilobytes = 256 * 1024;

TEST(HostileInput, RecordFiles) {
    TemporaryFolder folder;
    const std::string pipe = folder.path("pipe.xml");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string record = samples::deviceConfigRecord();
    const std::size_t mebibyte = 1 << 20;
    const std::string full = folder.write("full.xml", record + std::string(mebibyte - record.size(), ' '));
    const std::string over =
        folder.write("over.xml", record + std::string(mebibyte + 1 - record.size(), ' '));
    std::mt19937 generator(932);
    std::string noise(4096, '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(generator());
    }
    const std::string random = folder.write("random.xml", noise);
    const std::string truncated =
        folder.write("truncated.xml", record.substr(0, record.find("Flow Control")));
    const std::string oddBytes = folder.write(
        "odd.xml", replaced(record, "<value>Marlo &amp; Co</value>", "<value>\x83\xff\x80~</value>"));
    const std::string unreadable = " を読み込めません";
    const std::string notRegular = ": Not a regular file\n";
    const std::string failed = std::string(importFailedMessage) + "\n";

    const HostileCase cases[] = {
        {{"import", "/dev/zero"}, exitUsage, IsEmpty(), Eq("marlo-cli: /dev/zero" + unreadable + notRegular)},
        {{"import", pipe}, exitUsage, IsEmpty(), Eq("marlo-cli: " + pipe + unreadable + notRegular)},
        {{"import", full, "--status", pipe}, exitUsage, IsEmpty(), HasSubstr(pipe + unreadable + notRegular)},
        {{"export", pipe, "--target", "file"},
         exitUsage,
         IsEmpty(),
         HasSubstr(pipe + unreadable + notRegular)},
        {{"send", "--port", "/nonexistent/ttyUSB3", "/dev/zero"},
         exitUsage,
         IsEmpty(),
         HasSubstr("/dev/zero" + unreadable + notRegular)},
        {{"import", full}, exitSuccess, HasSubstr("\nline.baudRate = 115200\n"), IsEmpty()},
        {{"import", over},
         exitUsage,
         IsEmpty(),
         Eq("marlo-cli: " + over + unreadable + ": File too large\n")},
        {{"import", random},
         exitFailure,
         IsEmpty(),
         AllOf(HasSubstr("*** not found ***\n"), HasSubstr(failed))},
        {{"import", truncated},
         exitFailure,
         IsEmpty(),
         AllOf(HasSubstr("*** not found ***\n"), HasSubstr(failed))},
        // Bytes that are no code page 932 are shown escaped and written back as they came.
        {{"import", oddBytes}, exitSuccess, HasSubstr("\naccessPoint.ssid = \\x83\\xff\\x80~\n"), IsEmpty()},
        {{"export", oddBytes, "--target", "device"},
         exitSuccess,
         HasSubstr("<value>\x83\xff\x80~</value>"),
         IsEmpty()},
    };
    for (const HostileCase& c : cases) {
        expectOutcome(c);
    }
    EXPECT_LT(largestChildKilobytes(), childMemoryBoundKilobytes);
}

TEST(HostileInput, DeviceAnswers) {
    const std::string ssid = "\x83\x41\xfe\x80";
    const std::string ssidRecord =
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r<configrecord version=\"0.1.0.1\">\r"
        "<configgroup name = \"Access Point\" instance = \"ap0\">\r<configitem name = \"SSID\"><value>" +
        ssid + "</value></configitem>\r</configgroup>\r</configrecord>\r";
    struct DeviceCase {
        std::function<void(sim::SimulatedDevice&)> prepare;
        std::string command;
        int exitCode;
        TextMatcher out;
        TextMatcher err;
    };
    const DeviceCase cases[] = {
        // A dump beyond the reply bound is a failed read, not a record cut short.
        {[](sim::SimulatedDevice& device) {
             device.update([](sim::Behaviour& b) {
                 b.dumpMinimumSize = ResponseBuffer::limit + ResponseBuffer::growthStep;
             });
         },
         "read", exitFailure, IsEmpty(), HasSubstr("デバイスとの通信に失敗しました。\n")},
        // Bytes of 0x80 and above inside a value, code page 932 or not, reach the listing escaped.
        {[&](sim::SimulatedDevice& device) {
             ASSERT_TRUE(device.applyRecord(ssidRecord).errors.empty());
             ASSERT_EQ(device.configuration().value({"Access Point", "ap0", "SSID"}), ssid);
         },
         "read", exitSuccess, HasSubstr("\naccessPoint.ssid = \\x83A\\xfe\\x80\n"), IsEmpty()},
        // Lines beyond the announced count are not taken.
        {[](sim::SimulatedDevice& device) {
             device.update([](sim::Behaviour& b) { b.announcedNetworks = 1; });
         },
         "scan", exitSuccess, Eq("office-net\t00:1a:2b:3c:4d:5e\t6\t-48\tWPA2-PSK AES\n"), IsEmpty()},
    };
    for (const DeviceCase& c : cases) {
        sim::DeviceOptions options;
        options.behaviour.scanDelay = std::chrono::milliseconds(20);
        sim::SimulatedDevice device(options);
        c.prepare(device);
        expectOutcome({{c.command, "--port", device.portPath()}, c.exitCode, c.out, c.err});
    }
    EXPECT_LT(largestChildKilobytes(), childMemoryBoundKilobytes);
}

} // namespace
} // namespace marlo::cli
