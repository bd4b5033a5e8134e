#include "record/SettingsComparison.h"

#include "record/Codecs.h"
#include "record/SettingsImport.h"
#include "tests/support/TestData.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

using testing::testData;

// The window's own texts, as the Japanese window shows them.
std::string source(const WindowText& text) {
    return text.text;
}

std::string lines(const DeviceSettings& before, const DeviceSettings& after) {
    std::string text;
    for (const SettingDifference& difference : differingSettings(before, after)) {
        text += settingName(settingRow(difference.setting), difference.element) + "\t" +
                differenceLine(difference, before, after, source) + "\n";
    }
    return text;
}

TEST(SettingsComparison, WritingWhatWasLoadedChangesNothing) {
    // Not destination-markup.xml: its destinations disagree on the reception, which the window
    // takes from the last one and a write puts on the first.
    for (const char* name : {"device-config.xml", "device-config-lone-cr.xml", "saved-file.xml",
                             "simulator-factory.xml", "udp-destination.xml"}) {
        SettingsDocument document;
        document.configRecord = testData(name);
        ASSERT_TRUE(importSettings(document, 1, {})) << name;
        // The pages store what they show.
        document.edited = document.loaded;
        EXPECT_EQ(lines(document.loaded, settingsToWrite(document)), "") << name;
    }
}

TEST(SettingsComparison, NamesEachChangeAsTheWindowShowsItAndNeverASecret) {
    const std::optional<DeviceSettings> before = settingsOfRecord(testData("device-config.xml"));
    ASSERT_TRUE(before);
    DeviceSettings after = *before;
    after.accessPoint.passphrase = "a-new-secret";
    after.line.parity = oddParity;
    after.line.flowControl = hardwareFlowControl;
    after.radio.keepAlive = before->radio.keepAlive == 0 ? 1 : 0;
    after.connect.hosts[1].port = 0;
    after.profileCount = 1;
    EXPECT_EQ(lines(*before, after), testData("expected/difference-lines.txt"));
}

} // namespace
} // namespace marlo
