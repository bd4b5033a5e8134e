#include "CliTestSupport.h"

#include "cli/DiffCommand.h"
#include "sim/SimulatedDevice.h"
#include "tests/device/LinkTestSupport.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace marlo::cli {
namespace {

using marlo::testing::testData;
using marlo::testing::testDataPath;
using testing::run;

TEST(DiffCommand, PrintsEachDifferenceAndExitsLikeDiff) {
    auto result = run(diffCommand, {testDataPath("device-config.xml"), testDataPath("udp-destination.xml")});
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_EQ(result.out, testData("expected/diff/device-config.udp-destination.txt"));
    EXPECT_EQ(result.err, "");

    result = run(diffCommand, {testDataPath("device-config.xml"), testDataPath("device-config-lone-cr.xml")});
    EXPECT_EQ(result.exitCode, exitSuccess);
    EXPECT_EQ(result.out + result.err, "");

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{testDataPath("device-config.xml")},
          {testDataPath("device-config.xml"), testDataPath("no-such-file.xml")},
          {testDataPath("device-config.xml"), "--port", "/nonexistent/ttyUSB3"}}) {
        result = run(diffCommand, wrong);
        EXPECT_EQ(result.exitCode, exitUsage) << wrong.back();
        EXPECT_EQ(result.out, "") << wrong.back();
        EXPECT_NE(result.err, "") << wrong.back();
    }
}

TEST(DiffCommand, ReadsADeviceAndKeepsItsBackup) {
    testing::TemporaryFolder home;
    ::setenv("XDG_DATA_HOME", home.path("data").c_str(), 1);
    sim::SimulatedDevice device(marlo::testing::quickDevice());
    const auto result =
        run(diffCommand, {"--port", device.portPath(), testDataPath("simulator-factory.xml")});
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(result.exitCode, exitSuccess) << result.out << result.err;
    EXPECT_EQ(result.out + result.err, "");
    const std::filesystem::path backups(home.path("data/marlo/backups"));
    ASSERT_TRUE(std::filesystem::is_directory(backups));
    std::size_t kept = 0;
    for (const auto& deviceFolder : std::filesystem::directory_iterator(backups)) {
        kept += static_cast<std::size_t>(std::distance(
            std::filesystem::directory_iterator(deviceFolder.path()), std::filesystem::directory_iterator{}));
    }
    EXPECT_EQ(kept, 1u);
}

} // namespace
} // namespace marlo::cli
