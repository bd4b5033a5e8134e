#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"

#include "tests/cli/CliTestSupport.h"
#include "tests/record/SampleRecords.h"
#include "tests/record/XmlValidation.h"

#include <gtest/gtest.h>

namespace marlo::cli {
namespace {

using marlo::testing::isValidXml;
using samples::replaced;
using testing::run;
using testing::TemporaryFolder;

const std::string hexKey = "00112233445566778899aabbccddeeff00112233445566778899aabbccddeeff";

// The sample with markup in a destination address, and the second destination receiving from
// anywhere while the first does not.
std::string richDeviceRecord() {
    return marlo::testing::testData("destination-markup.xml");
}

std::string groupOf(const std::string& record, std::string_view groupStart) {
    const std::size_t start = record.find(groupStart);
    const std::string_view end = "   </configgroup>\r";
    return start == std::string::npos ? std::string()
                                      : record.substr(start, record.find(end, start) + end.size() - start);
}

TEST(ExportCommand, RoundTripKeepsEverySetting) {
    TemporaryFolder folder;
    const std::string original = folder.write("original.xml", richDeviceRecord());
    const auto exported =
        run(exportCommand, {original, "--target", "file", "--secret", "ap=ap pass&<word>", "--secret",
                            "server=server'pw", "--secret", "profile=HomeNet:" + hexKey});
    ASSERT_EQ(exported.exitCode, exitSuccess) << exported.err;
    EXPECT_EQ(exported.err, "");
    EXPECT_TRUE(isValidXml(exported.out));
    EXPECT_NE(exported.out.find("<value name = \"Address\">back&amp;up&lt;2&gt;</value>"), std::string::npos);
    EXPECT_NE(exported.out.find("<value name = \"WPAx Key\">" + hexKey + "</value>"), std::string::npos);

    const auto first = run(importCommand, {original});
    const auto second = run(importCommand, {folder.write("saved.xml", exported.out)});
    ASSERT_EQ(first.exitCode, exitSuccess);
    ASSERT_EQ(second.exitCode, exitSuccess) << second.err;
    EXPECT_EQ(second.err, "");
    EXPECT_NE(first.out.find("connect.hosts[1].address = back&up<2>\n"), std::string::npos);
    EXPECT_NE(first.out.find("connect.reception = 1\n"), std::string::npos);

    std::string expected = replaced(first.out, "accessPoint.passphrase = <Configured>",
                                    "accessPoint.passphrase = ap pass&<word>");
    expected = replaced(expected, "accept.password = <Configured>", "accept.password = server'pw");
    // The record carries "Unrestricted" on destination 1 only, and the import keeps the last
    // destination's reception, so with TCP and several destinations it comes back 0.
    expected = replaced(expected, "connect.reception = 1", "connect.reception = 0");
    EXPECT_EQ(second.out, expected);
}

TEST(ExportCommand, DeviceTargetLeavesOutWhatTheDeviceKeeps) {
    TemporaryFolder folder;
    const std::string file = folder.write("config.xml", samples::deviceConfigRecord());
    const auto result =
        run(exportCommand, {file, "--target", "device", "--reboot", "--secret", "ap=unused-secret"});
    ASSERT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_TRUE(isValidXml(result.out));
    EXPECT_NE(result.out.find("      <configitem name = \"Reboot\">\r         <value>Enable</value>\r"),
              std::string::npos);
    EXPECT_EQ(groupOf(result.out, "   <configgroup name = \"Access Point\""),
              samples::withLineEnds(R"(   <configgroup name = "Access Point" instance = "ap0">
      <configitem name = "SSID">
         <value>Marlo &amp; Co</value>
      </configitem>
      <configitem name = "Guest">
         <value>Disabled</value>
      </configitem>
      <configitem name = "Channel">
         <value>&lt;Auto&gt;</value>
      </configitem>
      <configitem name = "Suite">
         <value>WPA2</value>
      </configitem>
      <configitem name = "Encryption">
         <value>CCMP</value>
      </configitem>
   </configgroup>
)",
                                    "\r"));
    EXPECT_EQ(result.out.find("\"Password\""), std::string::npos);
    EXPECT_EQ(result.out.find("WLAN Profile"), std::string::npos);
    EXPECT_TRUE(result.out.ends_with("   </configgroup>\r</configrecord>\r"));
}

TEST(ExportCommand, FileTargetWithoutSecretsSkipsThem) {
    TemporaryFolder folder;
    const std::string file = folder.write("config.xml", samples::deviceConfigRecord());
    const auto result = run(exportCommand, {file, "--target", "file"});
    ASSERT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_TRUE(isValidXml(result.out));
    EXPECT_EQ(result.out.find("\"Passphrase\""), std::string::npos);
    EXPECT_EQ(result.out.find("\"Password\""), std::string::npos);
    EXPECT_EQ(result.out.find("WPAx"), std::string::npos);
    EXPECT_NE(result.out.find("<configgroup name = \"WLAN Profile\" instance = \"home\">"),
              std::string::npos);
    EXPECT_NE(result.out.find("<configgroup name = \"WLAN Profile\" instance = \"lab &amp; co\">"),
              std::string::npos);
    EXPECT_NE(result.out.find("<value>Disable</value>"), std::string::npos);
}

// A refused secret is named by its option and never echoed.
TEST(ExportCommand, RefusesSecretsThePromptWouldRefuseNamingThemWithoutTheirText) {
    TemporaryFolder folder;
    const std::string file = folder.write("config.xml", samples::deviceConfigRecord());
    const auto shortKey = run(exportCommand, {file, "--target", "file", "--secret", "ap=short"});
    EXPECT_EQ(shortKey.exitCode, exitUsage);
    EXPECT_EQ(shortKey.out, "");
    EXPECT_EQ(shortKey.err, "marlo-cli: --secret ap: 8文字以上、63文字以内である必要があります。\n");

    const auto hex = run(exportCommand, {file, "--target", "file", "--secret", "profile=HomeNet:abc12345"});
    EXPECT_EQ(hex.exitCode, exitUsage);
    EXPECT_EQ(hex.err, "marlo-cli: --secret profile=HomeNet: 64文字である必要があります。\n");

    const auto notCp932 =
        run(exportCommand, {file, "--target", "file", "--secret", "server=pass\xf0\x9f\x98\x80word"});
    EXPECT_EQ(notCp932.exitCode, exitUsage);
    EXPECT_EQ(notCp932.out, "");
    EXPECT_TRUE(notCp932.err.starts_with(
        "marlo-cli: --secret server: コードページ932で表せない文字が含まれています。\n"));
    EXPECT_EQ(notCp932.err.find("pass"), std::string::npos);

    const auto noSuchProfile =
        run(exportCommand, {file, "--target", "file", "--secret", "profile=Elsewhere:secret-key"});
    EXPECT_EQ(noSuchProfile.exitCode, exitUsage);
    EXPECT_EQ(noSuchProfile.out, "");
    EXPECT_EQ(
        noSuchProfile.err,
        "marlo-cli: --secret profile=Elsewhere: 記録にこのSSIDのステーションプロファイルがありません。\n");
}

TEST(ExportCommand, MatchesProfileSecretsByNetworkNameInCodePage932) {
    TemporaryFolder folder;
    std::string record = replaced(samples::deviceConfigRecord(), "<value name = \"Suite\">None</value>",
                                  "<value name = \"Suite\">WPA2</value>");
    const std::string file = folder.write("config.xml", record);
    const auto result =
        run(exportCommand, {file, "--target", "file", "--secret", "profile=研究室-5G:日本語のパスワード"});
    ASSERT_EQ(result.exitCode, exitSuccess) << result.err;
    EXPECT_NE(
        result.out.find("<value name = \"WPAx Passphrase\">"
                        "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x70\x83\x58\x83\x8f\x81\x5b\x83\x68</value>"),
        std::string::npos);
    EXPECT_TRUE(isValidXml(result.out));
}

TEST(ExportCommand, FailsOnAnAddressTheRecordCannotWriteBack) {
    TemporaryFolder folder;
    const std::pair<std::string, std::string> cases[] = {
        {"192.168.10.20/32", "STAモードのサブネットマスクが正しくありません。"},
        {"station/24", "STAモードのIPアドレスが正しくありません。"},
    };
    for (const auto& [address, message] : cases) {
        const std::string file =
            folder.write("config.xml", replaced(samples::deviceConfigRecord(), "192.168.10.20/24", address));
        ASSERT_EQ(run(importCommand, {file}).exitCode, exitSuccess);
        for (const char* target : {"device", "file"}) {
            const auto result = run(exportCommand, {file, "--target", target});
            EXPECT_EQ(result.exitCode, exitFailure) << address;
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, "marlo-cli: " + file + " の値を記録に書き込めません: " + message + "\n");
        }
    }
}

TEST(ExportCommand, RefusesAWrongCommandLineAndReportsAFailedImport) {
    TemporaryFolder folder;
    const std::string file = folder.write("config.xml", samples::deviceConfigRecord());
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{file},
                                               {file, "--target", "printer"},
                                               {file, "--target"},
                                               {"--target", "file"},
                                               {file, "--target", "file", "--secret", "wifi=x"},
                                               {file, "--target", "file", "--secret", "profile=no-colon"},
                                               {file, "--target", "file", "--fast"}}) {
        const auto result = run(exportCommand, arguments);
        EXPECT_EQ(result.exitCode, exitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("使い方: marlo-cli export FILE --target device|file"), std::string::npos);
    }
    const std::string broken =
        folder.write("broken.xml", replaced(samples::deviceConfigRecord(), "Band", "Bands"));
    const auto failed = run(exportCommand, {broken, "--target", "device"});
    EXPECT_EQ(failed.exitCode, exitFailure);
    EXPECT_EQ(failed.out, "");
    EXPECT_TRUE(failed.err.ends_with("設定データの解析に失敗しました。\n"));
}

} // namespace
} // namespace marlo::cli
