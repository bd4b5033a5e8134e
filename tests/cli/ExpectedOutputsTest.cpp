#include "cli/CheckCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"

#include "tests/cli/CliTestSupport.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace marlo::cli {
namespace {

using marlo::testing::testData;
using marlo::testing::testDataPath;
using testing::run;

// A record under tests/data, the status record its listing is imported with, and how every run
// on it ends.
struct SavedRecord {
    std::string name;
    std::string status;
    int exitCode;
};

const SavedRecord savedRecords[] = {
    {"device-config", "device-status", exitSuccess},
    {"device-config-lone-cr", "", exitSuccess},
    {"destination-markup", "", exitSuccess},
    {"udp-destination", "", exitSuccess},
    {"saved-file", "", exitSuccess},
    {"simulator-factory", "simulator-status", exitSuccess},
    {"malformed-values", "", exitFailure},
};

// The file under tests/data/expected; an output that has none is expected empty.
std::string expectedOutput(const std::string& name) {
    const std::string file = "expected/" + name;
    return std::filesystem::exists(testDataPath(file)) ? testData(file) : std::string();
}

// With MARLO_REGENERATE_EXPECTED set (scripts/regenerate-expected.sh), the outputs replace the
// expected files instead of being compared with them, to be read over before they are committed.
bool regenerating() {
    return std::getenv("MARLO_REGENERATE_EXPECTED") != nullptr;
}

void keepAsExpected(const std::string& name, const std::string& output) {
    const std::string file = testDataPath("expected/" + name);
    if (output.empty()) {
        std::filesystem::remove(file);
        return;
    }
    std::ofstream(file, std::ios::binary) << output;
}

TEST(ExpectedOutputs, EveryRecordListsAndExportsAsItDidBefore) {
    const std::string hexKey(64, 'a');
    for (const SavedRecord& saved : savedRecords) {
        const std::string file = testDataPath(saved.name + ".xml");
        std::vector<std::string> importArguments{file};
        if (!saved.status.empty()) {
            importArguments.insert(importArguments.end(), {"--status", testDataPath(saved.status + ".xml")});
        }
        std::vector<std::string> fileArguments{
            file, "--target", "file", "--secret", "ap=ap-passphrase", "--secret", "server=server-pw"};
        // A key is given only for a profile the record holds.
        if (testData(saved.name + ".xml").find(">HomeNet<") != std::string::npos) {
            fileArguments.insert(fileArguments.end(), {"--secret", "profile=HomeNet:" + hexKey});
        }
        const std::pair<std::string, testing::CommandRun> runs[] = {
            {"import.txt", run(importCommand, importArguments)},
            {"device.xml", run(exportCommand, {file, "--target", "device"})},
            {"file.xml", run(exportCommand, fileArguments)},
            // The window would take every record it can load: check prints nothing.
            {"check.txt", run(checkCommand, {file})},
        };
        for (const auto& [output, result] : runs) {
            const std::string name = saved.name + "." + output;
            if (regenerating()) {
                keepAsExpected(name, result.out);
                keepAsExpected(name + ".err", result.err);
                continue;
            }
            EXPECT_EQ(result.exitCode, saved.exitCode) << name;
            EXPECT_EQ(result.out, expectedOutput(name)) << name;
            EXPECT_EQ(result.err, expectedOutput(name + ".err")) << name;
        }
    }
}

} // namespace
} // namespace marlo::cli
