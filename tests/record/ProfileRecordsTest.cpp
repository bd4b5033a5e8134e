#include "record/ProfileRecords.h"

#include "record/RecordFrame.h"
#include "tests/record/XmlValidation.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

using testing::isValidXml;

std::string framed(std::string_view groups) {
    return std::string(recordHeader()) + std::string(groups) + "</configrecord>\r";
}

ProfileForm wpa2Form(std::string key) {
    ProfileForm form;
    form.ssid = "office-net";
    form.wpa2 = true;
    form.keys[0] = std::move(key);
    return form;
}

ProfileForm wepForm(std::array<Text, keyRows> keys, int transmitRow) {
    ProfileForm form;
    form.ssid = "lab";
    form.wep = true;
    form.hex = true;
    form.keys = std::move(keys);
    form.transmitRow = transmitRow;
    return form;
}

ProfileRefusal refusalOf(const ProfileForm& form) {
    const auto outcome = composeProfile(form);
    EXPECT_TRUE(std::holds_alternative<ProfileRefusal>(outcome));
    return std::holds_alternative<ProfileRefusal>(outcome) ? std::get<ProfileRefusal>(outcome)
                                                           : ProfileRefusal{ProfileRefusal::noSsid, {-1, -1}};
}

ProfileRegistration registrationOf(const ProfileForm& form) {
    auto outcome = composeProfile(form);
    EXPECT_TRUE(std::holds_alternative<ProfileRegistration>(outcome));
    return std::holds_alternative<ProfileRegistration>(outcome) ? std::get<ProfileRegistration>(outcome)
                                                                : ProfileRegistration{};
}

TEST(ProfileStateRecord, SwitchesOneProfileByItsEscapedName) {
    const std::string record = profileStateRecord("_ab&\"c", false);
    EXPECT_EQ(record, framed("   <configgroup name = \"WLAN Profile\" instance = \"_ab&amp;&quot;c\">\r"
                             "      <configitem name = \"Basic\">\r"
                             "         <value name = \"State\">Disable</value>\r"
                             "      </configitem>\r"
                             "   </configgroup>\r"));
    EXPECT_TRUE(isValidXml(record));
    EXPECT_NE(profileStateRecord("_x", true).find(">Enable</value>"), std::string::npos);
}

TEST(ProfileDeleteRecord, NamesTheProfileInTheImportControlGroup) {
    const std::string record = profileDeleteRecord("_<lab>");
    EXPECT_EQ(record, framed("   <configgroup name = \"XML Import Control\">\r"
                             "      <configitem name = \"WLAN Profile delete\">\r"
                             "         <value name = \"name\">_&lt;lab&gt;</value>\r"
                             "      </configitem>\r"
                             "   </configgroup>\r"));
    EXPECT_TRUE(isValidXml(record));
}

TEST(ComposeProfile, WpaPassphraseRecordByteForByte) {
    ProfileForm form = wpa2Form("  secret-pass ");
    form.ssid = " office&net\t";
    form.on = false;
    const ProfileRegistration registration = registrationOf(form);
    EXPECT_EQ(registration.record,
              framed("    <configgroup name = \"WLAN Profile\" instance = \"_ffice&amp;net\">\r"
                     "      <configitem name = \"Basic\">\r"
                     "         <value name = \"Network Name\">office&amp;net</value>\r"
                     "         <value name = \"State\">Disable</value>\r"
                     "      </configitem>\r"
                     "      <configitem name = \"Security\">\r"
                     "         <value name = \"Suite\">WPA2</value>\r"
                     "         <value name = \"WPAx Authentication\">PSK</value>\r"
                     "         <value name = \"WPAx Key Type\">Passphrase</value>\r"
                     "         <value name = \"WPAx Passphrase\">secret-pass</value>\r"
                     "         <value name = \"WPAx Key\"></value>\r"
                     "      </configitem>\r"
                     "   </configgroup>\r"));
    EXPECT_TRUE(isValidXml(registration.record));
    EXPECT_EQ(registration.profile, (EditedProfile{"office&net", "_ffice&net", 0, 1, 2, 0}));
}

TEST(ComposeProfile, WpaHexKeyKeepsItsCaseAndLeavesThePassphraseEmpty) {
    ProfileForm form = wpa2Form(std::string(60, 'a') + "0F9e");
    form.wpa2 = false;
    form.hex = true;
    const ProfileRegistration registration = registrationOf(form);
    EXPECT_NE(registration.record.find("<value name = \"Suite\">WPA-WPA2 Mixed Mode</value>\r"
                                       "         <value name = \"WPAx Authentication\">PSK</value>\r"
                                       "         <value name = \"WPAx Key Type\">Hex</value>\r"
                                       "         <value name = \"WPAx Passphrase\"></value>\r"
                                       "         <value name = \"WPAx Key\">" +
                                       std::string(60, 'a') + "0F9e</value>\r"),
              std::string::npos);
    EXPECT_TRUE(isValidXml(registration.record));
    EXPECT_EQ(registration.profile.suite, 1);
    EXPECT_EQ(registration.profile.keyType, 1);

    form.keys[0] = std::string(91, 'B');
    EXPECT_EQ(registrationOf(form).profile.keyType, 1);
}

TEST(ComposeProfile, WpaKeyRefusals) {
    struct Case {
        std::string key;
        bool hex;
        ProfileRefusal refusal;
    };
    const Case cases[] = {
        {"   ", false, {ProfileRefusal::noPassword}},
        {"1234567", false, {ProfileRefusal::passphraseLength}},
        {std::string(64, 'p'), false, {ProfileRefusal::passphraseLength}},
        {std::string(63, 'a'), true, {ProfileRefusal::hexKeyLength, {64, 91}}},
        {std::string(63, 'a') + "g", true, {ProfileRefusal::notHexDigits}},
    };
    for (const Case& c : cases) {
        ProfileForm form = wpa2Form(c.key);
        form.hex = c.hex;
        EXPECT_EQ(refusalOf(form), c.refusal) << c.key;
    }
    EXPECT_EQ(registrationOf(wpa2Form("12345678")).profile.keyType, 0);
    EXPECT_EQ(registrationOf(wpa2Form(std::string(63, 'p'))).profile.suite, 2);
}

TEST(ComposeProfile, PassphraseIsEscapedSoTheDeviceReadsItBack) {
    const ProfileRegistration registration = registrationOf(wpa2Form("a<b&c'd\"e>"));
    EXPECT_NE(registration.record.find(">a&lt;b&amp;c&apos;d&quot;e&gt;</value>"), std::string::npos);
    EXPECT_TRUE(isValidXml(registration.record));
}

TEST(ComposeProfile, WithoutEncryptionOnlyTheBasicItem) {
    ProfileForm form = wpa2Form("");
    form.ssid = "x";
    form.encryption = false;
    form.keyType = 1;
    const ProfileRegistration registration = registrationOf(form);
    EXPECT_EQ(registration.record, framed("    <configgroup name = \"WLAN Profile\" instance = \"_\">\r"
                                          "      <configitem name = \"Basic\">\r"
                                          "         <value name = \"Network Name\">x</value>\r"
                                          "         <value name = \"State\">Enable</value>\r"
                                          "      </configitem>\r"
                                          "   </configgroup>\r"));
    EXPECT_EQ(registration.profile, (EditedProfile{"x", "_", 1, 0, 0, 1}));
    EXPECT_EQ(refusalOf(ProfileForm{.ssid = " \t "}).reason, ProfileRefusal::noSsid);
}

TEST(ComposeProfile, WepRecordCarriesTheTransmitRowAndKeySize) {
    const ProfileRegistration registration = registrationOf(wepForm({"", "", "", std::string(26, 'c')}, 3));
    EXPECT_EQ(registration.record, framed("    <configgroup name = \"WLAN Profile\" instance = \"_ab\">\r"
                                          "      <configitem name = \"Basic\">\r"
                                          "         <value name = \"Network Name\">lab</value>\r"
                                          "         <value name = \"State\">Enable</value>\r"
                                          "      </configitem>\r"
                                          "      <configitem name = \"Security\">\r"
                                          "         <value name = \"Suite\">WEP</value>\r"
                                          "         <value name = \"WEP Key Size\">104</value>\r"
                                          "         <value name = \"WEP TX Key Index\">4</value>\r"
                                          "         <value name = \"WEP Key 1 Key\"></value>\r"
                                          "         <value name = \"WEP Key 2 Key\"></value>\r"
                                          "         <value name = \"WEP Key 3 Key\"></value>\r"
                                          "         <value name = \"WEP Key 4 Key\">" +
                                          std::string(26, 'c') +
                                          "</value>\r"
                                          "      </configitem>\r"
                                          "   </configgroup>\r"));
    EXPECT_TRUE(isValidXml(registration.record));
    EXPECT_EQ(registration.profile, (EditedProfile{"lab", "_ab", 1, 1, 3, 1}));

    const std::string fortyBit = registrationOf(wepForm({"0123456789", "abcdefABCD", "", ""}, 1)).record;
    EXPECT_NE(fortyBit.find(">40</value>\r         <value name = \"WEP TX Key Index\">2</value>"),
              std::string::npos);
}

TEST(ComposeProfile, WepKeyRefusals) {
    EXPECT_EQ(refusalOf(wepForm({"0123456789", std::string(26, 'a'), "", ""}, 0)).reason,
              ProfileRefusal::wepKeyLengthsDiffer);
    EXPECT_EQ(refusalOf(wepForm({"012345678", "", "", ""}, 0)),
              (ProfileRefusal{ProfileRefusal::hexKeyLength, {10, 26}}));
    EXPECT_EQ(refusalOf(wepForm({"012345678z", "", "", ""}, 0)).reason, ProfileRefusal::notHexDigits);
    EXPECT_EQ(refusalOf(wepForm({"0123456789", "", "", ""}, 2)).reason, ProfileRefusal::noTransmitKey);
    for (const int row : {-1, keyRows}) {
        EXPECT_EQ(refusalOf(wepForm({"0123456789", "0123456789", "0123456789", "0123456789"}, row)).reason,
                  ProfileRefusal::noTransmitKey);
    }
}

TEST(ProfileName, ReplacesTheWholeFirstCharacter) {
    EXPECT_EQ(profileName("a"), "_");
    EXPECT_EQ(profileName("\x83\x41\x83\x43net"), "_\x83\x43net"); // "アイnet"
    EXPECT_EQ(profileName("\xb1net"), "_net");                     // a half-width kana is one byte
}

} // namespace
} // namespace marlo
