#include "record/RecordWriter.h"

#include "record/AddressRefusal.h"
#include "record/Codecs.h"
#include "record/RecordFrame.h"
#include "tests/record/SampleRecords.h"
#include "tests/record/XmlValidation.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>
#include <vector>

namespace marlo {
namespace {

using marlo::testing::testData;
using samples::replaced;
using testing::isValidXml;

std::string crLines(std::string_view lines) {
    return samples::withLineEnds(lines, "\r");
}

// Answers from a queue and keeps every request; a request beyond the queue fails the test.
class ScriptedPrompt : public PasswordPrompt {
public:
    std::deque<PasswordAnswer> answers;
    std::vector<PasswordRequest> requests;

    PasswordAnswer ask(const PasswordRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected prompt";
            return {promptStop, {}};
        }
        PasswordAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

SettingsDocument basicDocument() {
    SettingsDocument document;
    DeviceSettings& s = document.edited;
    s.radio = {.band = 0, .keepAlive = 1};
    s.sta.state = 1;
    s.sta.priority = 1;
    s.sta.ipAddress = "192.168.1.5";
    s.sta.subnetMask = "255.255.255.0";
    s.sta.defaultGateway = "192.168.1.1";
    s.sta.primaryDns = "8.8.8.8";
    s.ap.priority = 2;
    s.ap.ipAddress = s.ap.subnetMask = s.ap.defaultGateway = s.ap.primaryDns = s.ap.secondaryDns = "<None>";
    s.ap.dhcpRangeStart = "192.168.0.2";
    s.ap.dhcpRangeEnd = "192.168.0.20";
    s.accept.mode = tunnelAlways;
    s.accept.localPort = 10001;
    s.accept.flushLine = 1;
    s.disconnect.modemControl = 1;
    s.line = {.baudRate = 9600, .dataBits = 8, .stopBits = 1, .threshold = 56};
    // The writer takes values from `edited` only; these must not leak into the record.
    document.loaded.accessPoint.ssid = "loaded";
    document.loaded.connect.hosts[0].address = "loaded";
    return document;
}

std::string basicGroups() {
    return crLines(testData("writer/basic-groups.txt"));
}

std::string expectedHeader() {
    return crLines(testData("writer/header.txt"));
}

const std::string labName = "\x8c\xa4\x8b\x86\x8e\xba"; // 研究室 in code page 932
const std::string hexKey(64, 'a');

SettingsDocument richDocument() {
    SettingsDocument document;
    DeviceSettings& loaded = document.loaded;
    loaded.accessPoint.edited = 1;
    loaded.connect.edited = 1;
    loaded.profiles[0] = {
        .state = 1, .networkName = "Home\"Net", .name = "home&lab", .suite = 2, .keyType = 1};
    loaded.profiles[1] = {.state = 0, .networkName = labName, .name = "lab", .suite = 0, .keyType = 0};
    loaded.profiles[2] = {.state = 1, .networkName = "never", .name = "never", .suite = 0, .keyType = 0};
    loaded.profileCount = 2;

    DeviceSettings& s = document.edited;
    s.radio = {.band = 1, .keepAlive = 0};
    s.sta.state = 1;
    s.sta.priority = 3;
    s.sta.dhcpClient = 1;
    s.sta.ipAddress = "192.168.1.5";
    s.sta.subnetMask = "255.255.0.0";
    s.sta.defaultGateway = "192.168.1.1";
    s.sta.primaryDns = "8.8.4.4";
    s.sta.secondaryDns = "<None>";
    s.ap.state = 1;
    s.ap.priority = 4;
    s.ap.ipAddress = "10.0.0.1";
    s.ap.subnetMask = "255.0.0.0";
    s.ap.dhcpRangeStart = "10.0.0.10";
    s.ap.dhcpRangeEnd = "10.0.0.99";
    s.accessPoint = {.ssid = "AP & <Guest>",
                     .guest = 1,
                     .channel = 0,
                     .suite = 2,
                     .ccmp = 1,
                     .tkip = 1,
                     .passphrase = "<Configured>",
                     .edited = 0};
    s.accept = {.mode = tunnelStartCharacter,
                .localPort = 2000,
                .password = "<Configured>",
                .startCharacter = 2,
                .flushLine = 0,
                .flushStartCharacter = 1,
                .multipleConnections = 1};
    s.connect = {
        .mode = tunnelStartCharacter,
        .connections = 1,
        .reconnectTime = 75,
        .flushLine = 1,
        .startCharacter = 0x1b,
        .flushStartCharacter = 0,
        .protocol = 0,
        .reception = 1,
        .hosts = {HostEntry{"host<1>&co", 8000, 0, "hi \"there\""}, HostEntry{"10.0.0.2", 8001, -1, ""}},
        .edited = 0};
    s.disconnect = {
        .stopCharacterEnabled = 1, .stopCharacter = 3, .timeout = 5000, .flushLine = 1, .modemControl = 0};
    s.line = {.baudRate = 115200,
              .dataBits = 7,
              .stopBits = 2,
              .parity = 2,
              .flowControl = 2,
              .xonChar = 0x11,
              .xoffChar = 0x13,
              .gapTimer = 10,
              .threshold = 200,
              .push = {0x0d, '&'},
              .pushCount = 2};
    s.packing = {.enabled = 1,
                 .mode = 1,
                 .threshold = 256,
                 .timeout = 100,
                 .sendCharacter = 0x0a,
                 .flushSendCharacter = 1,
                 .trailingCharacterEnabled = 1,
                 .trailingCharacter = 0x0d};
    return document;
}

std::string richFileGroups() {
    return crLines(testData("writer/rich-file-groups.txt"));
}

std::string richFileRecord() {
    return expectedHeader() + replaced(replaced(richFileGroups(), "@KEY@", hexKey), "@LAB@", labName);
}

// The group that starts with `groupStart` in a record, through its end line.
std::string groupOf(const std::string& record, std::string_view groupStart) {
    const std::size_t start = record.find(groupStart);
    if (start == std::string::npos) {
        return {};
    }
    const std::string_view end = "   </configgroup>\r";
    return record.substr(start, record.find(end, start) + end.size() - start);
}

TEST(RecordFrame, HeaderAndClosingLine) {
    EXPECT_EQ(recordHeader().size(), 563u);
    EXPECT_EQ(recordHeader(), expectedHeader());
    EXPECT_EQ(recordClosingLine(), "</configrecord>\r");
}

TEST(RecordFrame, TheValidationRefusesWhatBreaksTheDocumentType) {
    const std::string header(recordHeader());
    EXPECT_FALSE(
        isValidXml(header + "   <configgroup name = \"Radio\">\r   </configgroup>\r</configrecord>\r"));
    EXPECT_FALSE(isValidXml(header + "   <configgroup name = \"Radio\">\r      <configitem name = \"Mode\">\r"
                                     "         <value>a & b</value>\r      </configitem>\r   </configgroup>\r"
                                     "</configrecord>\r"));
}

TEST(RecordWriter, DeviceRecordByteForByte) {
    const auto record = buildRecord(basicDocument(), RecordTarget::device);
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, expectedHeader() + basicGroups());
    EXPECT_EQ(record->find('\n'), std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, FileRecordByteForByte) {
    ScriptedPrompt prompt;
    prompt.answers = {{promptEntered, "pass'word&1"}, {promptSkip, {}}, {promptEntered, hexKey}};
    const auto record = buildRecord(richDocument(), RecordTarget::file, &prompt);
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, richFileRecord());
    EXPECT_EQ(prompt.requests.size(), 3u);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, FileRecordOfABasicDocumentWritesAnEmptyPasswordAndNoProfiles) {
    ScriptedPrompt prompt;
    const auto record = buildRecord(basicDocument(), RecordTarget::file, &prompt);
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, expectedHeader() + basicGroups());
    EXPECT_TRUE(prompt.requests.empty());
}

TEST(RecordWriter, DeviceRecordLeavesOutConfiguredSecretsAndProfiles) {
    ScriptedPrompt prompt;
    const auto record = buildRecord(richDocument(), RecordTarget::device, &prompt);
    ASSERT_TRUE(record);
    EXPECT_TRUE(prompt.requests.empty());
    std::string expected =
        replaced(richFileRecord(),
                 "      <configitem name = \"Passphrase\">\r         <value>pass&apos;word&amp;1</value>\r"
                 "      </configitem>\r",
                 "");
    const std::size_t profiles = expected.find("   <configgroup name = \"WLAN Profile\"");
    expected.erase(profiles, expected.find("</configrecord>") - profiles);
    EXPECT_EQ(*record, expected);
    EXPECT_EQ(record->find("WLAN Profile"), std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, PromptsCarryTheirTextsAndRules) {
    ScriptedPrompt prompt;
    prompt.answers = {{promptSkip, {}}, {promptSkip, {}}, {promptSkip, {}}, {promptSkip, {}}};
    SettingsDocument document = richDocument();
    document.loaded.profiles[1].suite = 3;
    const auto record = buildRecord(document, RecordTarget::file, &prompt);
    ASSERT_TRUE(record);
    ASSERT_EQ(prompt.requests.size(), 4u);

    const PasswordRequest& ap = prompt.requests[0];
    EXPECT_EQ(ap.secret, SecretKind::accessPointPassphrase);
    EXPECT_STREQ(
        ap.promptText,
        "ファイルに保存する [ APモード パスワード ] を入力してください。\n（8文字以上、63文字以内）");
    EXPECT_STREQ(ap.okCaption, "APモード パスワードを保存");
    EXPECT_EQ(ap.skipCaption, nullptr);
    EXPECT_EQ(ap.lengthMode, passwordLengthKey);
    EXPECT_FALSE(ap.hexKey);

    const PasswordRequest& server = prompt.requests[1];
    EXPECT_EQ(server.secret, SecretKind::serverPassword);
    EXPECT_STREQ(server.promptText,
                 "ファイルに保存する[ サーバモード 接続パスワード ]を入力してください。\n（31文字以内）");
    EXPECT_STREQ(server.okCaption, "サーバモード 接続パスワードを保存");
    EXPECT_EQ(server.skipCaption, nullptr);
    EXPECT_EQ(server.lengthMode, passwordLengthServer);

    const PasswordRequest& hex = prompt.requests[2];
    EXPECT_EQ(hex.secret, SecretKind::profileKey);
    EXPECT_EQ(hex.networkName, "Home\"Net");
    EXPECT_STREQ(hex.promptText, "ファイルに保存する SSID [ %1 ] "
                                 "プロファイルの接続パスワードを入力してください。(16進数64文字)");
    EXPECT_STREQ(hex.okCaption, "SSIDプロファイルを保存");
    EXPECT_STREQ(hex.skipCaption, "このSSIDのプロファイルは保存しない");
    EXPECT_EQ(hex.lengthMode, passwordLengthKey);
    EXPECT_TRUE(hex.hexKey);

    const PasswordRequest& passphrase = prompt.requests[3];
    EXPECT_EQ(passphrase.networkName, labName);
    EXPECT_STREQ(passphrase.promptText,
                 "ファイルに保存する SSID [ %1 ] "
                 "プロファイルの接続パスワードを入力してください。(8文字以上、63文字以内)");
    EXPECT_FALSE(passphrase.hexKey);

    // Skipped: no passphrase, no password, profiles without key values.
    EXPECT_EQ(record->find("\"Passphrase\""), std::string::npos);
    EXPECT_EQ(record->find("\"Password\""), std::string::npos);
    EXPECT_EQ(record->find("WPAx"), std::string::npos);
    EXPECT_EQ(
        groupOf(*record, "   <configgroup name = \"WLAN Profile\" instance = \"lab\""),
        replaced(groupOf(richFileRecord(), "   <configgroup name = \"WLAN Profile\" instance = \"lab\""),
                 "<value name = \"Suite\">None</value>", "<value name = \"Suite\">WEP</value>"));
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, PassphraseProfileKeyIsWrittenAsPassphrase) {
    ScriptedPrompt prompt;
    prompt.answers = {{promptSkip, {}}, {promptSkip, {}}, {promptEntered, "a<b&c"}};
    SettingsDocument document = richDocument();
    document.loaded.profiles[0].keyType = 0;
    const auto record = buildRecord(document, RecordTarget::file, &prompt);
    ASSERT_TRUE(record);
    EXPECT_NE(record->find("         <value name = \"WPAx Key Type\">Passphrase</value>\r"
                           "         <value name = \"WPAx Passphrase\">a&lt;b&amp;c</value>\r"
                           "         <value name = \"WPAx Key\"></value>\r"
                           "      </configitem>\r"),
              std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, StoppingInAnyPromptStopsTheBuild) {
    for (std::size_t stopAt = 0; stopAt < 3; ++stopAt) {
        ScriptedPrompt prompt;
        for (std::size_t i = 0; i < stopAt; ++i) {
            prompt.answers.push_back({promptEntered, hexKey});
        }
        prompt.answers.push_back({promptStop, {}});
        EXPECT_FALSE(buildRecord(richDocument(), RecordTarget::file, &prompt)) << stopAt;
        EXPECT_EQ(prompt.requests.size(), stopAt + 1);
    }
}

TEST(RecordWriter, RefusesAnAddressAndMaskItCannotWriteAsAPrefix) {
    struct Case {
        AddressInterface interface;
        std::string address;
        std::string mask;
        std::string message;
    };
    const Case cases[] = {
        {AddressInterface::station, "192.168.1.5", "255.255.0.255",
         "STAモードのサブネットマスクが正しくありません。"},
        {AddressInterface::station, "192.168.1.5", "255.255.255.255",
         "STAモードのサブネットマスクが正しくありません。"},
        {AddressInterface::station, "192.168.1.5", "<None>",
         "STAモードのサブネットマスクが正しくありません。"},
        {AddressInterface::station, "host", "255.255.255.0", "STAモードのIPアドレスが正しくありません。"},
        {AddressInterface::accessPoint, "10.0.0.1", "255.255.255.255",
         "APモードのサブネットマスクが正しくありません。"},
        {AddressInterface::accessPoint, "255.255.255.255", "255.0.0.0",
         "APモードのIPアドレスが正しくありません。"},
    };
    for (const Case& c : cases) {
        SettingsDocument document = richDocument();
        auto [address, mask] = c.interface == AddressInterface::station
                                   ? std::tie(document.edited.sta.ipAddress, document.edited.sta.subnetMask)
                                   : std::tie(document.edited.ap.ipAddress, document.edited.ap.subnetMask);
        address = c.address;
        mask = c.mask;
        for (const RecordTarget target : {RecordTarget::device, RecordTarget::file}) {
            ScriptedPrompt prompt;
            RecordRefusal refusal;
            EXPECT_FALSE(buildRecord(document, target, &prompt, &refusal)) << c.address << " " << c.mask;
            EXPECT_STREQ(refusal.context, "AddressRefusal");
            EXPECT_STREQ(refusal.message, c.message.c_str());
            EXPECT_TRUE(prompt.requests.empty());
        }
    }
}

// A CR or an LF in a value would end the record's line inside it: the device would take the rest as
// a line of its own, a saved file would not load. Such a record is refused.
TEST(RecordWriter, RefusesALineBreakInAValueNamingItsSetting) {
    const auto refusedWith = [](SettingsDocument document, RecordTarget target,
                                std::deque<PasswordAnswer> answers) {
        ScriptedPrompt prompt;
        prompt.answers = std::move(answers);
        RecordRefusal refusal;
        if (buildRecord(document, target, &prompt, &refusal)) {
            return std::string("built");
        }
        return std::string(refusal.context) + ": " +
               recordRefusalText(refusal, refusal.message != nullptr ? refusal.message : "(none)");
    };
    const std::string cannotWrite = "に改行が含まれているため、設定データを書き出せません。";
    const std::deque<PasswordAnswer> skipAll(4, {promptSkip, {}});

    SettingsDocument shown = richDocument();
    shown.loaded.profiles[1].networkName = "Home\rNet";
    EXPECT_EQ(refusedWith(shown, RecordTarget::file, skipAll),
              "RecordWriter: 保存済プロファイルの2番目" + cannotWrite);
    shown.loaded.profiles[1].networkName = "HomeNet";
    shown.loaded.profiles[0].name = "home\n";
    EXPECT_EQ(refusedWith(shown, RecordTarget::file, skipAll),
              "RecordWriter: 保存済プロファイルの1番目" + cannotWrite);

    SettingsDocument destination = richDocument();
    destination.edited.connect.hosts[1].address = "10.0.0.1\r\n";
    EXPECT_EQ(refusedWith(destination, RecordTarget::device, {}),
              "RecordWriter: 接続先2のアドレス" + cannotWrite);
    EXPECT_EQ(refusedWith(destination, RecordTarget::file, skipAll),
              "RecordWriter: 接続先2のアドレス" + cannotWrite);

    std::deque<PasswordAnswer> typed = skipAll;
    typed.front() = {promptEntered, "pass\rword"};
    EXPECT_EQ(refusedWith(richDocument(), RecordTarget::file, typed),
              "RecordWriter: APモードのパスワード" + cannotWrite);
    EXPECT_EQ(refusedWith(richDocument(), RecordTarget::file, skipAll), "built");
}

TEST(RecordWriter, WithoutAPromptEverySecretIsSkipped) {
    const auto record = buildRecord(richDocument(), RecordTarget::file);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->find("\"Passphrase\""), std::string::npos);
    EXPECT_EQ(record->find("WPAx"), std::string::npos);
    EXPECT_NE(record->find("WLAN Profile"), std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, UdpDestinationsUseTheShortFormAfterTheFirst) {
    SettingsDocument document = richDocument();
    document.edited.connect.protocol = 1;
    document.edited.connect.reception = 0;
    document.edited.connect.mode = tunnelAlways;
    const auto record = buildRecord(document, RecordTarget::device);
    ASSERT_TRUE(record);
    EXPECT_EQ(groupOf(*record, "   <configgroup name = \"Tunnel Connect\""),
              crLines(R"(   <configgroup name = "Tunnel Connect" instance = "1">
      <configitem name = "Mode">
         <value>Always</value>
      </configitem>
      <configitem name = "Flush Line">
         <value>Enabled</value>
      </configitem>
      <configitem name = "Host" instance = "1">
         <value name = "Address">host&lt;1&gt;&amp;co</value>
         <value name = "Port">8000</value>
         <value name = "Protocol">UDP</value>
         <value name = "Credential"></value>
         <value name = "Initial Send">hi &quot;there&quot;</value>
         <value name = "Local Port">0</value>
         <value name = "Reception">Restricted</value>
      </configitem>
      <configitem name = "Host" instance = "2">
         <value name = "Address"></value>
      </configitem>
      <configitem name = "Host" instance = "3">
         <value name = "Address"></value>
      </configitem>
      <configitem name = "Host" instance = "4">
         <value name = "Address"></value>
      </configitem>
      <configitem name = "Connections">
         <value>Simultaneous</value>
      </configitem>
      <configitem name = "Reconnect Time">
         <value>75</value>
      </configitem>
   </configgroup>
)"));
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, UnconfirmedAccessPointAndDestinationsAreLeftOut) {
    SettingsDocument document = richDocument();
    document.loaded.accessPoint.edited = 0;
    document.loaded.connect.edited = 0;
    document.edited.reboot = 1;
    const auto record = buildRecord(document, RecordTarget::device);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->find("Access Point"), std::string::npos);
    EXPECT_EQ(record->find("\"Host\""), std::string::npos);
    EXPECT_EQ(record->find("Reconnect Time"), std::string::npos);
    EXPECT_NE(record->find("      <configitem name = \"Reboot\">\r         <value>Enable</value>\r"),
              std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, PackingAndPushVariants) {
    SettingsDocument document = basicDocument();
    document.edited.packing = {.enabled = 1, .mode = 0, .threshold = 512, .timeout = 1000};
    document.edited.line.push = {0x0d, 'x'};
    document.edited.line.pushCount = 1;
    const auto record = buildRecord(document, RecordTarget::device);
    ASSERT_TRUE(record);
    EXPECT_EQ(groupOf(*record, "   <configgroup name = \"Tunnel Packing\""),
              crLines(R"(   <configgroup name = "Tunnel Packing" instance = "1">
      <configitem name = "Mode">
         <value>Timeout</value>
      </configitem>
      <configitem name = "Threshold">
         <value>512 bytes</value>
      </configitem>
      <configitem name = "Timeout">
         <value>1000 milliseconds</value>
      </configitem>
   </configgroup>
)"));
    EXPECT_NE(record->find("<value>&lt;control&gt;M</value>"), std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(RecordWriter, MarkupBytesInThePushAndInNamesStayWellFormed) {
    SettingsDocument document = richDocument();
    document.edited.line.push = {'<', '"'};
    document.loaded.profiles[1].name = "<lab> & 'co'";
    ScriptedPrompt prompt;
    prompt.answers = {{promptEntered, "12345678"}, {promptEntered, "x"}, {promptEntered, hexKey}};
    const auto record = buildRecord(document, RecordTarget::file, &prompt);
    ASSERT_TRUE(record);
    EXPECT_NE(record->find("<value>&lt;&quot;</value>"), std::string::npos);
    EXPECT_NE(record->find("instance = \"&lt;lab&gt; &amp; &apos;co&apos;\""), std::string::npos);
    EXPECT_TRUE(isValidXml(*record));
}

TEST(PasswordLength, FollowsTheRuleOfTheRequest) {
    const PasswordRequest key{.lengthMode = passwordLengthKey, .hexKey = false};
    const PasswordRequest hex{.lengthMode = passwordLengthKey, .hexKey = true};
    const PasswordRequest server{.lengthMode = passwordLengthServer, .hexKey = false};
    const char* keyMessage = "8文字以上、63文字以内である必要があります。";
    EXPECT_STREQ(passwordLengthError(key, std::string(7, 'a')), keyMessage);
    EXPECT_STREQ(passwordLengthError(key, std::string(64, 'a')), keyMessage);
    EXPECT_STREQ(passwordLengthError(key, std::string(8, 'a')), nullptr);
    EXPECT_STREQ(passwordLengthError(key, std::string(63, 'a')), nullptr);
    EXPECT_STREQ(passwordLengthError(hex, std::string(63, 'a')), "64文字である必要があります。");
    EXPECT_STREQ(passwordLengthError(hex, std::string(64, 'z')), nullptr);
    EXPECT_STREQ(passwordLengthError(server, ""), nullptr);
    EXPECT_STREQ(passwordLengthError(server, std::string(31, 'a')), nullptr);
    // Sixteen double-byte characters are 32 bytes.
    std::string wide;
    for (int i = 0; i < 16; ++i) {
        wide += "\x82\xa0";
    }
    EXPECT_STREQ(passwordLengthError(server, wide), "31文字以内である必要があります。");
}

} // namespace
} // namespace marlo
