#include "CliTestSupport.h"

#include "cli/ApplyCommand.h"
#include "sim/SimulatedDevice.h"
#include "tests/device/LinkTestSupport.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace marlo::cli {
namespace {

using marlo::testing::testDataPath;
using testing::run;

std::size_t recordsReceived(const sim::SimulatedDevice& device) {
    const std::vector<std::string> log = device.commandLog();
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), "<configrecord>"));
}

std::optional<std::string> apAddress(const sim::SimulatedDevice& device) {
    return device.configuration().value({"Interface", "ap0", "IP Address"});
}

// Three simulated devices and their backups, in folders of their own.
class ApplyCommandTest : public ::testing::Test {
protected:
    ApplyCommandTest() { ::setenv("XDG_DATA_HOME", home_.path("data").c_str(), 1); }
    ~ApplyCommandTest() override { ::unsetenv("XDG_DATA_HOME"); }

    std::vector<std::string> arguments(std::vector<std::string> more) const {
        std::vector<std::string> all{testDataPath("simulator-factory.xml")};
        for (const auto& device : devices_) {
            all.insert(all.end(), {"--port", device->portPath()});
        }
        for (std::size_t i = 0; i < devices_.size(); ++i) {
            all.insert(all.end(), {"--port-set", devices_[i]->portPath() + ":ap.ipAddress=10.0." +
                                                     std::to_string(i + 1) + ".1"});
        }
        all.insert(all.end(), more.begin(), more.end());
        return all;
    }
    std::size_t records() const {
        std::size_t count = 0;
        for (const auto& device : devices_) {
            count += recordsReceived(*device);
        }
        return count;
    }

    testing::TemporaryFolder home_;
    std::array<std::unique_ptr<sim::SimulatedDevice>, 3> devices_{
        std::make_unique<sim::SimulatedDevice>(marlo::testing::quickDevice()),
        std::make_unique<sim::SimulatedDevice>(marlo::testing::quickDevice()),
        std::make_unique<sim::SimulatedDevice>(marlo::testing::quickDevice())};
};

TEST_F(ApplyCommandTest, ChangesEachDeviceAsAskedThenChangesNothing) {
    auto result = run(applyCommand, arguments({"--set", "line.baudRate=115200"}));
    ASSERT_EQ(result.exitCode, exitSuccess) << result.out << result.err;
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        EXPECT_EQ(apAddress(*devices_[i]), "10.0." + std::to_string(i + 1) + ".1/24");
        EXPECT_EQ(devices_[i]->configuration().value({"Line", "1", "Baud Rate"}), "115200 bits per second");
        EXPECT_NE(result.out.find(devices_[i]->portPath() + ": 変更しました\n  ap.ipAddress\t"),
                  std::string::npos)
            << result.out;
    }
    EXPECT_EQ(records(), 3u);

    result = run(applyCommand, arguments({"--set", "line.baudRate=115200", "--json"}));
    EXPECT_EQ(result.exitCode, exitSuccess) << result.out << result.err;
    EXPECT_EQ(records(), 3u);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 3);
    for (const auto& device : devices_) {
        EXPECT_NE(result.out.find("{\"port\": \"" + device->portPath() + "\", \"device\": \"port-"),
                  std::string::npos);
    }
    EXPECT_EQ(result.out.find("\"result\": \"changed\""), std::string::npos);
    EXPECT_NE(result.out.find("\"result\": \"unchanged\", \"changes\": [], \"refusals\": [], \"written\": "
                              "false, \"reason\": \"\", "
                              "\"backup\": \""),
              std::string::npos);
}

TEST_F(ApplyCommandTest, ADryRunOrARefusedConfigurationSendsNothing) {
    auto result = run(applyCommand, arguments({"--dry-run", "--json"}));
    EXPECT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_NE(
        result.out.find("\"result\": \"would change\", \"changes\": [{\"setting\": \"ap.ipAddress\", "
                        "\"label\": \"無線/IPアドレス > APモード > IPアドレス\", \"old\": \"192.168.0.1\", "
                        "\"new\": \"10.0.1.1\"}]"),
        std::string::npos)
        << result.out;

    result = run(applyCommand, arguments({"--set", "line.baudRate=4800"}));
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_NE(
        result.out.find(devices_[0]->portPath() + ": 設定が拒否されました\n  line.baudRate: BPS設定エラー\n"),
        std::string::npos)
        << result.out;
    // A passphrase is judged as the access point dialog judges one typed there.
    result = run(applyCommand, arguments({"--secret", "ap=short"}));
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_NE(result.out.find(devices_[2]->portPath() + ": 設定が拒否されました\n  accessPoint.passphrase: "),
              std::string::npos)
        << result.out;
    EXPECT_EQ(records(), 0u);
    for (const auto& device : devices_) {
        EXPECT_EQ(apAddress(*device), "192.168.0.1/24");
    }

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{testDataPath("simulator-factory.xml")}, arguments({"--set", "no.such=1"}),
          arguments({"--port-set", "/dev/not-listed:line.baudRate=9600"}),
          arguments({"--port", devices_[0]->portPath()})}) {
        EXPECT_EQ(run(applyCommand, wrong).exitCode, exitUsage);
    }
    EXPECT_EQ(records(), 0u);
}

TEST_F(ApplyCommandTest, ADeviceThatFallsSilentFailsAlone) {
    devices_[1]->silenceAfter(200, std::nullopt);
    const auto result = run(applyCommand, arguments({}));
    EXPECT_EQ(result.exitCode, exitFailure);
    EXPECT_NE(result.out.find(devices_[1]->portPath() + ": 失敗しました\n"), std::string::npos) << result.out;
    for (const std::size_t well : {0u, 2u}) {
        EXPECT_NE(result.out.find(devices_[well]->portPath() + ": 変更しました\n"), std::string::npos)
            << result.out;
        EXPECT_EQ(apAddress(*devices_[well]), "10.0." + std::to_string(well + 1) + ".1/24");
    }
    EXPECT_EQ(apAddress(*devices_[1]), "192.168.0.1/24");
}

} // namespace
} // namespace marlo::cli
