#include "record/SettingEdits.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

// What an edit box's text gives: a value, or the message of the check it fails.
struct EditCase {
    Setting setting;
    std::string_view text;
    std::variant<std::uint32_t, std::string_view> expected;
};

std::variant<std::uint32_t, std::string_view> read(Setting setting, std::string_view text) {
    const auto result = readEdit(settingRow(setting), text);
    if (const auto* message = std::get_if<const char*>(&result)) {
        return std::string_view(*message);
    }
    return std::get<std::uint32_t>(result);
}

TEST(SettingEdits, ChecksTypedNumbersAndCharacters) {
    const std::string_view serverStartInvalid = "サーバ 開始キャラクタ指定エラー";
    const std::string_view serverStartMissing = "サーバ 開始キャラクタを設定してください";
    const EditCase cases[] = {
        {Setting::lineBaudRate, "9599", "BPS設定エラー"},
        {Setting::lineBaudRate, " 115200 bps ", 115200u},
        {Setting::lineBaudRate, "4000001", "BPS設定エラー"},
        {Setting::lineGapTimer, "<Four Character Periods>", 0u},
        {Setting::lineGapTimer, "5001",
         "受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください"},
        {Setting::acceptLocalPort, "", 0u},
        {Setting::acceptLocalPort, "<None>", 0u},
        {Setting::acceptLocalPort, "-1", "サーバ ポート番号エラー"},
        {Setting::acceptLocalPort, "70000", "サーバ ポート番号エラー"},
        {Setting::disconnectTimeout, "1", "切断タイムアウトの設定範囲は2から86400000までです"},
        {Setting::disconnectTimeout, "86400000", 86400000u},
        {Setting::disconnectTimeout, "86400001", "切断タイムアウトの設定範囲は2から86400000までです"},
        {Setting::hostPort, "65536", "ポート番号設定エラー"},
        {Setting::hostLocalPort, "<Random>", 0u},
        {Setting::connectReconnectTime, "3600", 3600u},
        {Setting::connectReconnectTime, "3601", "再接続時間は0から3600までの範囲で設定してください"},
        {Setting::acceptStartCharacter, " 0d ", 13u},
        {Setting::acceptStartCharacter, "FF", 255u},
        {Setting::acceptStartCharacter, "g1", serverStartInvalid},
        {Setting::acceptStartCharacter, "0x0d", serverStartInvalid},
        {Setting::acceptStartCharacter, "100", serverStartInvalid},
        {Setting::acceptStartCharacter, "", serverStartMissing},
        {Setting::acceptStartCharacter, "<None>", serverStartMissing},
        // Xon and Xoff take an empty box as 0 and have one message for anything else.
        {Setting::lineXonChar, "", 0u},
        {Setting::lineXonChar, "<None>", "XOn 文字エラー"},
        {Setting::packingSendCharacter, "", "開始キャラクタを設定してください"},
        {Setting::packingTrailingCharacter, "zz", "終了キャラクタ指定エラー"},
    };
    for (const EditCase& c : cases) {
        EXPECT_EQ(read(c.setting, c.text), c.expected) << c.text;
    }
}

TEST(SettingEdits, StoreIntoTheFieldAndShowItAgain) {
    DeviceSettings settings;
    EXPECT_EQ(formatForEdit(Setting::acceptLocalPort, settings), "<None>");
    EXPECT_EQ(formatForEdit(Setting::lineGapTimer, settings), "<Four Character Periods>");
    EXPECT_EQ(formatForEdit(Setting::lineBaudRate, settings), "0");
    EXPECT_EQ(formatForEdit(Setting::lineXonChar, settings), "00");
    EXPECT_EQ(formatForEdit(Setting::acceptStartCharacter, settings), "");
    EXPECT_EQ(formatForEdit(Setting::connectReconnectTime, settings), "");

    EXPECT_EQ(storeFromEdit(Setting::hostLocalPort, "5000", settings, 2), nullptr);
    EXPECT_EQ(settings.connect.hosts[2].localPort, 5000);
    EXPECT_EQ(formatForEdit(Setting::hostLocalPort, settings, 2), "5000");
    settings.connect.hosts[1].localPort = -1;
    EXPECT_EQ(formatForEdit(Setting::hostLocalPort, settings, 1), "-1");

    EXPECT_EQ(storeFromEdit(Setting::packingSendCharacter, "0A", settings), nullptr);
    EXPECT_EQ(settings.packing.sendCharacter, 10);
    EXPECT_EQ(formatForEdit(Setting::packingSendCharacter, settings), "0a");

    // A refused text leaves the field as it was.
    settings.line.baudRate = 9600;
    EXPECT_STREQ(storeFromEdit(Setting::lineBaudRate, "300", settings), "BPS設定エラー");
    EXPECT_EQ(settings.line.baudRate, 9600u);
}

} // namespace
} // namespace marlo
