#include "LinkTestSupport.h"

#include "record/Cp932.h"
#include "sim/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <atomic>

namespace marlo {
namespace {

using namespace std::chrono_literals;
using testing::LinkedDevice;

// Far enough into the read to fall inside the configuration dump.
constexpr std::size_t midDump = 1500;

// The two slow cases: silences on both sides of the limit of about 2.1 s for idle limit 1.
TEST(DeviceLinkFaults, SilenceWithinTheIdleLimitPassesBeyondItFails) {
    LinkedDevice linked;
    linked.device.silenceAfter(midDump, 1500ms);
    EXPECT_TRUE(linked.read().ok);

    linked.device.silenceAfter(midDump, 2800ms);
    const auto records = linked.read("kept");
    EXPECT_FALSE(records.ok);
    EXPECT_TRUE(records.config.empty());
    EXPECT_EQ(records.firmware, "2.0.1.4R3");
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));
    EXPECT_TRUE(linked.clipboard.texts.empty());
    // It had answered: no reason names the port.
    EXPECT_FALSE(linked.link.reachFailure());
}

TEST(DeviceLinkFaults, TerminalClosedMidReplyFailsWithTheSystemsText) {
    LinkedDevice linked;
    linked.device.hangUpAfter(midDump);
    const auto records = linked.read();
    EXPECT_FALSE(records.ok);
    EXPECT_TRUE(linked.device.hungUp());
    ASSERT_EQ(linked.clipboard.texts.size(), 1u);
    EXPECT_EQ(linked.clipboard.texts.front(), "Input/output error");
}

TEST(DeviceLinkFaults, EndlessTalkFailsAtTheReplyLimit) {
    LinkedDevice linked;
    linked.device.update([](sim::Behaviour& behaviour) { behaviour.endlessOutput = true; });
    EXPECT_FALSE(linked.read().ok);
    EXPECT_GE(linked.device.bytesSent(), ResponseBuffer::limit);
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));

    linked.device.update([](sim::Behaviour& behaviour) { behaviour.endlessOutput = false; });
    EXPECT_TRUE(linked.read().ok);
}

TEST(DeviceLinkFaults, RecordTheLineDoesNotTakeFailsInsteadOfBeingCut) {
    LinkedDevice linked(testing::quickDevice(), LinkTimings{PortTimeouts{1000ms, 1ms, 100ms, 0ms}});
    // The device takes the carriage return that opens its command line, then stops reading
    // while the record is typed: the terminal fills and a write makes no progress.
    linked.device.holdInputAfter(1, 3000ms);
    const std::string record =
        "<?xml version=\"1.0\"?>\r<configrecord>\r" + std::string(256 * 1024, ' ') + "</configrecord>\r";
    std::string reply;
    EXPECT_FALSE(linked.link.sendRecord(record, reply));
    EXPECT_EQ(reply, communicationErrorText);
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));
}

TEST(DeviceLinkFaults, SilenceAfterTheRecordIsACommunicationError) {
    // Short reads, so that the idle limit of 120 passes quickly.
    LinkedDevice linked(testing::quickDevice(), LinkTimings{PortTimeouts{20ms, 0ms, 1000ms, 10ms}, 1ms});
    // Without its closing line the device waits for the rest of the record and says nothing.
    std::string reply;
    EXPECT_FALSE(linked.link.sendRecord("<?xml version=\"1.0\"?>\r<configrecord>\r", reply));
    EXPECT_EQ(cp932ToUtf8(reply), "通信エラー");
    EXPECT_TRUE(testing::portIsFree(linked.device.portPath()));
}

// A line whose device answers every carriage return with a sub-level prompt, however often it
// is told to exit.
class StuckDevice {
public:
    StuckDevice()
        : thread_([this] { serve(); }) {}
    ~StuckDevice() {
        stop_ = true;
        thread_.join();
    }
    const std::string& portPath() const { return terminal_.portPath(); }
    int exits() const { return exits_; }

private:
    void serve() {
        std::string line;
        while (!stop_) {
            pollfd wait{terminal_.master(), POLLIN, 0};
            char byte = 0;
            if (::poll(&wait, 1, 10) <= 0 || ::read(terminal_.master(), &byte, 1) != 1) {
                continue;
            }
            if (byte != '\r') {
                line += byte;
                continue;
            }
            exits_ += line.ends_with("exit") ? 1 : 0;
            line.clear();
            [[maybe_unused]] const auto written = ::write(terminal_.master(), "\r\nsub>", 6);
        }
    }

    sim::PseudoTerminal terminal_;
    std::atomic<bool> stop_{false};
    std::atomic<int> exits_{0};
    std::thread thread_;
};

TEST(DeviceLinkFaults, ClimbToTheTopLevelIsBounded) {
    StuckDevice device;
    testing::Clipboard clipboard;
    DeviceLink link(clipboard.sink());
    link.setPortPath(device.portPath());
    std::string reply;
    EXPECT_FALSE(link.sendRecord("<configrecord>\r</configrecord>\r", reply));
    EXPECT_EQ(reply, unreachableText);
    EXPECT_EQ(device.exits(), CommandExchange::maxExitSteps);
    EXPECT_TRUE(testing::portIsFree(device.portPath()));
}

} // namespace
} // namespace marlo
