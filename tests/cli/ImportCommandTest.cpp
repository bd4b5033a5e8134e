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

// The listing of the sample device record with its status record, as tests/data/expected keeps it.
std::string sampleListing() {
    return testData("expected/device-config.import.txt");
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
