#include "device/DeviceLink.h"
#include "device/ScanAnswer.h"
#include "device/SerialPort.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace marlo {
namespace {

using namespace std::chrono_literals;

// The COM port of a simulated device, as scripts/windows-checks.sh serves it: a name such as COM6.
class ComPort : public ::testing::Test {
protected:
    void SetUp() override {
        const char* name = std::getenv("MARLO_TEST_PORT");
        ASSERT_NE(name, nullptr) << "MARLO_TEST_PORT names the COM port of a simulated device";
        port = name;
    }
    ClipboardSink sink() {
        return [this](const std::string& text) { clipboard.push_back(text); };
    }

    std::string port;
    std::vector<std::string> clipboard;
};

TEST_F(ComPort, OpensByNameOrDevicePathWithTheLineSettingsAsked) {
    SerialPort serial(sink());
    for (const std::string& path : {port, "\\\\.\\" + port}) {
        EXPECT_TRUE(serial.open(path, 9600, 8, noParity, true)) << path;
        EXPECT_TRUE(serial.isOpen());
        serial.close();
        EXPECT_FALSE(serial.isOpen());
    }
    EXPECT_FALSE(serial.open(port, 9600, 9, noParity, true));
    EXPECT_FALSE(serial.open(port, 9600, 8, static_cast<Parity>(5), true));
    EXPECT_FALSE(serial.open("COM250", 9600, 8, noParity, true));
    ASSERT_TRUE(serial.openFailure());
    EXPECT_EQ(serial.openFailure()->reason, PortOpenFailure::Reason::vanished);
    EXPECT_FALSE(serial.isOpen());
    EXPECT_TRUE(clipboard.empty());
}

TEST_F(ComPort, SilenceIsNoFailureAndAStopEndsTheWaitAtOnce) {
    StopSignal stop;
    SerialPort serial(sink(), PortTimeouts{50ms, 0ms, 50ms, 0ms});
    ASSERT_TRUE(serial.open(port, 9600, 8, noParity, true));
    // The device says nothing until a carriage return opens its command line.
    char byte = 0;
    EXPECT_EQ(serial.read(&byte, 1), 0);

    SerialPort waiting(sink(), PortTimeouts{60s, 0ms, 60s, 0ms}, &stop);
    serial.close();
    ASSERT_TRUE(waiting.open(port, 9600, 8, noParity, true));
    const auto start = std::chrono::steady_clock::now();
    auto read = std::async(std::launch::async, [&] { return waiting.read(&byte, 1); });
    std::this_thread::sleep_for(200ms);
    stop.raise();
    EXPECT_EQ(read.get(), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
    EXPECT_EQ(waiting.write("\r", 1), -1);
    stop.clear();
    EXPECT_TRUE(clipboard.empty());
}

TEST_F(ComPort, LinkReadsTheRecordsAndScans) {
    DeviceLink link(sink());
    link.setPortPath(port);
    std::string config;
    std::string status;
    std::string firmware;
    ASSERT_TRUE(link.readRecords(config, status, firmware));
    EXPECT_EQ(firmware, "2.0.1.4R3");
    EXPECT_TRUE(config.starts_with("xcr dump\r\n<?xml"));
    EXPECT_TRUE(config.ends_with("</configrecord>"));
    EXPECT_TRUE(status.ends_with("</statusrecord>"));

    std::string scanText;
    ASSERT_TRUE(link.scanNetworks(scanText));
    const auto results = parseScanAnswer(scanText);
    ASSERT_TRUE(results);
    EXPECT_EQ(results->size(), 3u);
    EXPECT_TRUE(clipboard.empty());
}

} // namespace
} // namespace marlo
