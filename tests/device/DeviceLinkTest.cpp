#include "LinkTestSupport.h"

#include "device/ScanAnswer.h"
#include "record/Cp932.h"
#include "record/RecordFrame.h"
#include "record/SettingsImport.h"
#include "sim/RecordDump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>

namespace marlo {
namespace {

using namespace std::chrono_literals;
using testing::LinkedDevice;

const std::vector<std::string> readCommands{
    "status", "Device", "show", "exit", "exit", "xml", "xcr dump", "xsr dump Interface", "exit", "exit"};

std::string profileRecord(const std::string& name, const std::string& ssid) {
    return std::string(recordHeader()) + "   <configgroup name = \"WLAN Profile\" instance = \"" + name +
           "\">\r      <configitem name = \"Basic\">\r         <value name = \"Network Name\">" + ssid +
           "</value>\r      </configitem>\r      <configitem name = \"Security\">\r         <value name = "
           "\"Suite\">WPA2</value>\r         <value name = \"WPAx Key Type\">Passphrase</value>\r         "
           "<value name = \"WPAx Passphrase\">secret-passphrase</value>\r      </configitem>\r   "
           "</configgroup>\r" +
           std::string(recordClosingLine());
}

TEST(DeviceLinkRead, FullReadGivesRecordsTheImportAccepts) {
    LinkedDevice linked;
    ASSERT_TRUE(linked.device.applyRecord(profileRecord("_ome", "home")).errors.empty());
    ASSERT_TRUE(linked.device.applyRecord(profileRecord("_ab", "lab")).errors.empty());

    const auto records = linked.read();
    ASSERT_TRUE(records.ok);
    EXPECT_EQ(records.firmware, "2.0.1.4R3");
    EXPECT_TRUE(records.config.starts_with("xcr dump\r\n<?xml"));
    EXPECT_TRUE(records.config.ends_with("</configrecord>"));
    EXPECT_TRUE(records.status.ends_with("</statusrecord>"));
    EXPECT_NE(records.status.find("xsr dump Interface\r\n"), std::string::npos);
    EXPECT_EQ(linked.device.commandLog(), readCommands);
    EXPECT_EQ(linked.device.level(), sim::Level::closed);
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));
    EXPECT_TRUE(linked.clipboard.texts.empty());

    SettingsDocument document;
    document.configRecord = records.config;
    document.statusRecord = records.status;
    std::vector<std::string> messages;
    ASSERT_TRUE(importSettings(document, 0, [&](const std::string& text) { messages.push_back(text); }));
    EXPECT_TRUE(messages.empty());
    const DeviceSettings& loaded = document.loaded;
    EXPECT_EQ(loaded.ap.ipAddress, "192.168.0.1");
    EXPECT_EQ(loaded.ap.subnetMask, "255.255.255.0");
    EXPECT_EQ(loaded.ap.dhcpRangeStart, "<Minimum>");
    EXPECT_EQ(loaded.accessPoint.ssid, "devserver-4f2a");
    EXPECT_EQ(loaded.accessPoint.passphrase, "<Configured>");
    EXPECT_EQ(loaded.accept.localPort, 10001u);
    EXPECT_EQ(loaded.accept.password, "");
    EXPECT_EQ(loaded.connect.reconnectTime, 15);
    EXPECT_EQ(loaded.line.baudRate, 9600u);
    EXPECT_EQ(loaded.line.threshold, 56u);
    EXPECT_EQ(loaded.packing.enabled, 0);
    EXPECT_EQ(loaded.sta.currentIpAddress, "192.168.11.23");
    ASSERT_EQ(loaded.profileCount, 2);
    EXPECT_EQ(loaded.profiles[0].name, "_ome");
    EXPECT_EQ(loaded.profiles[1].networkName, "lab");
    EXPECT_EQ(loaded.profiles[1].suite, 2);
}

TEST(DeviceLinkRead, RecordLargerThanOneBufferStepIsKeptWhole) {
    auto options = testing::quickDevice();
    options.behaviour.dumpMinimumSize = 3 * ResponseBuffer::growthStep;
    LinkedDevice linked(options);
    const auto records = linked.read();
    ASSERT_TRUE(records.ok);
    const std::string dump = sim::renderConfigRecord(linked.device.configuration(), sim::Secrets::masked,
                                                     {3 * ResponseBuffer::growthStep});
    EXPECT_EQ(records.config, "xcr dump\r\n" + dump.substr(0, dump.size() - 2));
}

TEST(DeviceLinkRead, ClimbsFromAnySubLevelPrompt) {
    for (const auto& [level, exits] : {std::pair{sim::Level::xml, 1}, std::pair{sim::Level::device, 2}}) {
        LinkedDevice linked;
        linked.device.openCommandLineAt(level);
        ASSERT_TRUE(linked.read().ok);
        auto expected = std::vector<std::string>(exits, "exit");
        expected.insert(expected.end(), readCommands.begin(), readCommands.end());
        EXPECT_EQ(linked.device.commandLog(), expected);
    }
}

TEST(DeviceLinkRead, StrayBytesFromAnEarlierExchangeAreDropped) {
    LinkedDevice linked;
    // Without the drop, the first reply would end at the stray prompt and the climb would close
    // the command line.
    linked.device.injectStrayBytes("\r\nDevice>stale");
    const auto records = linked.read();
    ASSERT_TRUE(records.ok);
    EXPECT_EQ(records.config.find("stale"), std::string::npos);
    EXPECT_EQ(linked.device.commandLog(), readCommands);
}

TEST(DeviceLinkRead, FirmwareVersionIsKeptWithoutItsLineAndCutToItsLength) {
    LinkedDevice linked;
    linked.device.update([](sim::Behaviour& behaviour) { behaviour.firmwareLineShown = false; });
    auto records = linked.read("previous");
    ASSERT_TRUE(records.ok);
    EXPECT_EQ(records.firmware, "previous");

    const std::string longVersion = "9.8.7.6-build-20261207-with-a-long-tail";
    linked.device.update([&](sim::Behaviour& behaviour) {
        behaviour.firmwareLineShown = true;
        behaviour.firmwareVersion = longVersion;
    });
    records = linked.read("previous");
    ASSERT_TRUE(records.ok);
    EXPECT_EQ(records.firmware, longVersion.substr(0, maxFirmwareVersion));
}

TEST(DeviceLinkRead, GarbageBeforeEveryAnswerDoesNotDisturbTheRead) {
    LinkedDevice linked;
    linked.device.update([](sim::Behaviour& behaviour) { behaviour.garbage = "\x01\xfe~noise~"; });
    const auto records = linked.read();
    ASSERT_TRUE(records.ok);
    EXPECT_EQ(records.firmware, "2.0.1.4R3");
    EXPECT_TRUE(records.config.ends_with("</configrecord>"));
}

TEST(DeviceLinkScan, AnswerFromTheCountThroughThePrompt) {
    LinkedDevice linked;
    std::string scanText = "untouched";
    ASSERT_TRUE(linked.link.scanNetworks(scanText));
    EXPECT_TRUE(scanText.starts_with("3\r\n"));
    EXPECT_TRUE(scanText.ends_with("\r\n>"));
    EXPECT_EQ(linked.device.level(), sim::Level::closed);
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));

    const auto results = parseScanAnswer(scanText);
    ASSERT_TRUE(results);
    ASSERT_EQ(results->size(), 3u);
    EXPECT_EQ((*results)[2], (ScanResult{"lab-5g", "10:22:33:44:55:66", 44, -67, "WPA-WPA2 Mixed TKIP AES"}));
}

TEST(DeviceLinkScan, MalformedAnswersFromTheDevice) {
    LinkedDevice linked;
    const auto scan = [&](std::vector<std::string> lines, std::optional<int> announced) {
        linked.device.update([&](sim::Behaviour& behaviour) {
            behaviour.scanLines = lines;
            behaviour.announcedNetworks = announced;
        });
        std::string scanText;
        EXPECT_TRUE(linked.link.scanNetworks(scanText));
        return parseScanAnswer(scanText);
    };
    const auto none = scan({}, std::nullopt);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());

    EXPECT_FALSE(scan({sim::scanLine("a", "00:00:00:00:00:01", 1, -40, "None")}, 2));

    const auto skipped =
        scan({"short line here", sim::scanLine("b", "00:00:00:00:00:02", 11, -70, "WEP")}, {});
    ASSERT_TRUE(skipped);
    ASSERT_EQ(skipped->size(), 1u);
    EXPECT_EQ(skipped->front().ssid, "b");

    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) {
        many.push_back(sim::scanLine("net" + std::to_string(i), "00:00:00:00:01:00", 1, -i, "None"));
    }
    const auto capped = scan(many, std::nullopt);
    ASSERT_TRUE(capped);
    ASSERT_EQ(capped->size(), maxScanResults);
    EXPECT_EQ(capped->back().ssid, "net255");
}

TEST(DeviceLinkSend, AcceptedRecordIsAppliedAndRepliedTo) {
    LinkedDevice linked;
    std::string reply;
    ASSERT_TRUE(linked.link.sendRecord(profileRecord("_ome", "home"), reply));
    EXPECT_NE(reply.find("Configuration record imported."), std::string::npos);
    EXPECT_TRUE(reply.ends_with(">"));
    EXPECT_EQ(linked.device.configuration().profileNames(), std::vector<std::string>{"_ome"});
    EXPECT_EQ(linked.device.level(), sim::Level::top);
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));
}

TEST(DeviceLinkSend, RefusedRecordFailsWithTheWholeReply) {
    LinkedDevice linked;
    linked.device.update([](sim::Behaviour& behaviour) { behaviour.importsRefused = true; });
    std::string reply;
    EXPECT_FALSE(linked.link.sendRecord(profileRecord("_ome", "home"), reply));
    EXPECT_EQ(reply, "\r\nERROR: configuration import is locked\r\n>");
    EXPECT_TRUE(linked.device.configuration().profileNames().empty());
}

TEST(DeviceLinkSend, UnreachableDevice) {
    LinkedDevice linked(testing::quickDevice(), LinkTimings{PortTimeouts{20ms, 0ms, 1000ms, 10ms}, 1ms});
    linked.link.setPortPath("/nonexistent/ttyUSB7");
    std::string reply = "old";
    EXPECT_FALSE(linked.link.sendRecord(profileRecord("_ome", "home"), reply));
    EXPECT_EQ(cp932ToUtf8(reply), "対象と通信できません");
    EXPECT_TRUE(linked.clipboard.texts.empty());
    ASSERT_TRUE(linked.link.reachFailure());
    EXPECT_EQ(linked.link.reachFailure()->reason, PortOpenFailure::Reason::vanished);
    EXPECT_EQ(linked.link.reachFailure()->port, "/nonexistent/ttyUSB7");

    // A port that opened on a device that never answers, with the time it was given.
    linked.link.setPortPath(linked.device.portPath());
    linked.device.silenceAfter(0, std::nullopt);
    EXPECT_FALSE(linked.link.sendRecord(profileRecord("_ome", "home"), reply));
    ASSERT_TRUE(linked.link.reachFailure());
    EXPECT_EQ(linked.link.reachFailure()->reason, PortOpenFailure::Reason::noAnswer);
    EXPECT_EQ(linked.link.reachFailure()->detail, "1");
    EXPECT_EQ(linked.link.reachFailure()->port, linked.device.portPath());
}

TEST(DeviceLink, RefusesASecondOperationWhileOneRuns) {
    auto options = testing::quickDevice();
    options.behaviour.scanDelay = 500ms;
    LinkedDevice linked(options);
    auto scan = std::async(std::launch::async, [&] {
        std::string text;
        return linked.link.scanNetworks(text);
    });
    ASSERT_TRUE(testing::eventually([&] {
        const auto log = linked.device.commandLog();
        return std::find(log.begin(), log.end(), "wlan scan") != log.end();
    }));
    const auto logBefore = linked.device.commandLog();
    EXPECT_FALSE(linked.read().ok);
    std::string reply;
    EXPECT_FALSE(linked.link.sendRecord(profileRecord("_ome", "home"), reply));
    EXPECT_EQ(reply, unreachableText);
    EXPECT_TRUE(scan.get());
    const auto logAfter = linked.device.commandLog();
    EXPECT_EQ(std::vector<std::string>(logAfter.begin(), logAfter.begin() + logBefore.size()), logBefore);
    EXPECT_EQ(logAfter.back(), "exit");
    EXPECT_TRUE(linked.read().ok);
}

} // namespace
} // namespace marlo
