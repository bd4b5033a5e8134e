#include "cli/Console.h"

#include "tests/cli/CliTestSupport.h"

#include <gtest/gtest.h>

namespace marlo::cli {
namespace {

TEST(Console, ShowsCodePage932AsUtf8AndEscapesTheRest) {
    EXPECT_EQ(escapedText("\x8c\xa4\x8b\x86\x8e\xba-5G"), "研究室-5G");
    EXPECT_EQ(escapedText("a\rb\nc\x7f"), "a\\x0db\\x0ac\\x7f");
    EXPECT_EQ(escapedText("C:\\tmp"), "C:\\\\tmp");
    EXPECT_EQ(escapedText("\x83\x5c"), "ソ"); // a trail byte that is a backslash in ASCII
    EXPECT_EQ(escapedText("ok\xff"), "ok\\xff");
    EXPECT_EQ(escapedMessage("*** not found ***\ngroup: \x83\x65"), "*** not found ***\ngroup: テ");
    EXPECT_EQ(escapedMessage("a\rb"), "a\\x0db");
}

TEST(Console, ReadsRecordFilesToTheirFirstZeroByteOrSaysWhyNot) {
    testing::TemporaryFolder folder;
    std::ostringstream err;
    EXPECT_EQ(readRecordText(folder.write("f.xml", std::string("a\r\0\r\nb", 6)), err), "a\r");
    EXPECT_EQ(err.str(), "");
    EXPECT_FALSE(readRecordText(folder.path("missing.xml"), err));
    EXPECT_NE(err.str().find(folder.path("missing.xml") + " を読み込めません"), std::string::npos);
    std::ostringstream directoryErr;
    EXPECT_FALSE(readRecordText(folder.path(""), directoryErr));
    EXPECT_NE(directoryErr.str().find("を読み込めません"), std::string::npos);
}

} // namespace
} // namespace marlo::cli
