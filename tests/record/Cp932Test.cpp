#include "record/Cp932.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

TEST(Cp932, ConvertsBothWays) {
    const std::string cp932 = "\x83\x65\x83\x58\x83\x67 ABC"; // テスト ABC
    ASSERT_EQ(cp932ToUtf8(cp932), std::optional<std::string>("テスト ABC"));
    EXPECT_EQ(utf8ToCp932("テスト ABC"), std::optional<std::string>(cp932));
    EXPECT_EQ(cp932ToUtf8(""), std::optional<std::string>(""));
}

TEST(Cp932, RefusesWhatTheOtherSideCannotHold) {
    EXPECT_FALSE(utf8ToCp932("\xf0\x9f\x98\x80"));  // an emoji
    EXPECT_FALSE(utf8ToCp932("\xc3\xa9t\xc3\xa9")); // accented Latin letters
    EXPECT_FALSE(utf8ToCp932("\xff"));              // not UTF-8
    EXPECT_FALSE(cp932ToUtf8("\x83"));              // a lead byte without its trail byte
    EXPECT_FALSE(cp932ToUtf8("a\x80"));             // a byte the code page leaves undefined
    // Characters that code page 932 gives back as others: the yen sign and the overline would
    // come back as a backslash and a tilde, the wave dash and the minus sign as fullwidth forms.
    for (const char* changed : {"pass¥word‾x", "〜", "−1"}) {
        EXPECT_FALSE(utf8ToCp932(changed)) << changed;
    }
    EXPECT_EQ(utf8ToCp932("pass\\word~x"), std::optional<std::string>("pass\\word~x"));
    EXPECT_EQ(utf8ToCp932("～－1"), std::optional<std::string>("\x81\x60\x81\x7c\x31"));
}

TEST(Cp932, GrowsItsBufferForLongTexts) {
    // A half-width katakana is one byte in code page 932 and three in UTF-8.
    const std::string cp932(5000, '\xb1');
    const auto utf8 = cp932ToUtf8(cp932);
    ASSERT_TRUE(utf8);
    EXPECT_EQ(utf8->size(), 15000u);
    EXPECT_EQ(utf8->substr(0, 3), "ｱ");
    EXPECT_EQ(utf8ToCp932(*utf8), std::optional<std::string>(cp932));
}

} // namespace
} // namespace marlo
