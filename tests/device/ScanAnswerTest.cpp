#include "device/ScanAnswer.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

constexpr std::string_view headers = "SSID BSSID CH RSSI SECURITY\r\n------\r\n";

std::string answer(std::string_view count, std::string_view lines) {
    return std::string(count) + "\r\n" + std::string(headers) + std::string(lines) + ">";
}

TEST(ScanAnswer, ReadsTheAnnouncedLinesFieldByField) {
    const auto results = parseScanAnswer(answer(
        "2", "home   aa:bb:cc:dd:ee:ff   11  -42 WPA2 PSK (AES)\r\n aa:bb:cc:dd:ee:00 1 -90x Open  \r\n"));
    ASSERT_TRUE(results);
    ASSERT_EQ(results->size(), 2u);
    EXPECT_EQ((*results)[0], (ScanResult{"home", "aa:bb:cc:dd:ee:ff", 11, -42, "WPA2 PSK (AES)"}));
    // A line that begins with a space has an empty network name; numbers read as atoi reads them.
    EXPECT_EQ((*results)[1], (ScanResult{"", "aa:bb:cc:dd:ee:00", 1, -90, "Open  "}));
}

TEST(ScanAnswer, CountReadAsAtoiDoes) {
    EXPECT_TRUE(parseScanAnswer("0\r\n>")->empty());
    EXPECT_TRUE(parseScanAnswer("none\r\n>")->empty());
    // A count other than 0 needs its two header lines, even when negative.
    EXPECT_FALSE(parseScanAnswer("-1\r\n>"));
    EXPECT_TRUE(parseScanAnswer(answer(" -3", ""))->empty());
    EXPECT_EQ(parseScanAnswer(answer("+1", "a b 1 2 c\r\n"))->size(), 1u);
    EXPECT_FALSE(parseScanAnswer(answer("99999999999", "a b 1 2 c\r\n")));
}

TEST(ScanAnswer, MalformedAnswersGiveNoResultSet) {
    EXPECT_FALSE(parseScanAnswer(""));
    EXPECT_FALSE(parseScanAnswer("1>"));
    EXPECT_FALSE(parseScanAnswer("1\r\nSSID BSSID\r\n>"));
    EXPECT_FALSE(parseScanAnswer(answer("3", "a b 1 2 c\r\nd e 3 4 f\r\n")));
    // The last line must end in CR LF like the others.
    EXPECT_FALSE(parseScanAnswer("1\r\n" + std::string(headers) + "a b 1 2 c>"));
}

TEST(ScanAnswer, LinesWithFewerThanFourSpacesAreSkipped) {
    const auto results = parseScanAnswer(answer("4", "a b 1 2\r\nx y z w v\r\nnospace\r\na  b  1  2  \r\n"));
    ASSERT_TRUE(results);
    ASSERT_EQ(results->size(), 2u);
    EXPECT_EQ((*results)[0].ssid, "x");
    EXPECT_EQ((*results)[1], (ScanResult{"a", "b", 1, 2, ""}));
}

TEST(ScanAnswer, KeepsAtMost256AndReadsTheRest) {
    std::string lines;
    for (int i = 0; i < 260; ++i) {
        lines += "n" + std::to_string(i) + " b 1 2 s\r\n";
    }
    const auto results = parseScanAnswer(answer("260", lines));
    ASSERT_TRUE(results);
    EXPECT_EQ(results->size(), maxScanResults);
    EXPECT_EQ(results->back().ssid, "n255");
    EXPECT_FALSE(parseScanAnswer(answer("261", lines)));
}

} // namespace
} // namespace marlo
