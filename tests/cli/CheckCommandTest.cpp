#include "cli/CheckCommand.h"

#include "tests/cli/CliTestSupport.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <sstream>

namespace marlo::cli {
namespace {

using marlo::testing::testData;
using marlo::testing::testDataPath;
using testing::run;

struct CheckCase {
    std::vector<std::string> arguments;
    std::string printed;
};

// The cases of tests/data/check/device-config.txt: a line of assignments, then what is printed.
std::vector<CheckCase> checkCases() {
    std::vector<CheckCase> cases;
    std::istringstream lines(testData("check/device-config.txt"));
    std::string line;
    bool inCase = false;
    while (std::getline(lines, line)) {
        if (line.starts_with('#')) {
            continue;
        }
        if (line.empty()) {
            inCase = false;
        } else if (!inCase) {
            cases.push_back({{testDataPath("device-config.xml")}, {}});
            std::istringstream assignments(line);
            for (std::string assignment; assignments >> assignment;) {
                cases.back().arguments.insert(cases.back().arguments.end(), {"--set", assignment});
            }
            inCase = true;
        } else {
            cases.back().printed += line + "\n";
        }
    }
    return cases;
}

TEST(CheckCommand, RefusesWhatTheWindowRefusesWithItsMessages) {
    const std::vector<CheckCase> cases = checkCases();
    ASSERT_GE(cases.size(), 10u);
    for (const CheckCase& c : cases) {
        const auto result = run(checkCommand, c.arguments);
        EXPECT_EQ(result.out, c.printed) << c.arguments[2];
        EXPECT_EQ(result.exitCode, c.printed.empty() ? exitSuccess : exitFailure) << c.arguments[2];
        EXPECT_EQ(result.err, "");
    }
}

TEST(CheckCommand, RefusesANameOrValueItCannotTake) {
    const std::string file = testDataPath("device-config.xml");
    const std::pair<std::vector<std::string>, std::string> wrong[] = {
        {{file, "--set", "line.speed=9600"}, "marlo-cli: --set line.speed: そのような設定はありません\n"},
        {{file, "--set", "connect.hosts[4].port=80"},
         "marlo-cli: --set connect.hosts[4].port: そのような設定はありません\n"},
        {{file, "--set", "line.baudRate=fast"}, "marlo-cli: --set line.baudRate: 値 fast は設定できません\n"},
        {{file, "--set", "line.xonChar=256"}, "marlo-cli: --set line.xonChar: 値 256 は設定できません\n"},
        {{file, "--set", "line.baudRate=-1"}, "marlo-cli: --set line.baudRate: 値 -1 は設定できません\n"},
        {{file, "--set", "line.baudRate"}, "使い方: marlo-cli check FILE [--set NAME=VALUE]...\n"},
        {{}, "使い方: marlo-cli check FILE [--set NAME=VALUE]...\n"},
    };
    for (const auto& [arguments, message] : wrong) {
        const auto result = run(checkCommand, arguments);
        EXPECT_EQ(result.exitCode, exitUsage) << message;
        EXPECT_EQ(result.err, message);
        EXPECT_EQ(result.out, "");
    }
}

} // namespace
} // namespace marlo::cli
