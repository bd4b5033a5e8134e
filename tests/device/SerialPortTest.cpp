#include "device/SerialPort.h"
#include "sim/PseudoTerminal.h"
#include "tests/device/LinkTestSupport.h"

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace marlo {
namespace {

using namespace std::chrono_literals;

using testing::Clipboard;

constexpr PortTimeouts shortTimeouts{50ms, 0ms, 50ms, 0ms};

bool openLine(SerialPort& port, const sim::PseudoTerminal& terminal) {
    return port.open(terminal.portPath(), 9600, 8, noParity, true);
}

void writeToPort(const sim::PseudoTerminal& terminal, const std::string& bytes) {
    const int expected = terminal.waitingAtPort() + static_cast<int>(bytes.size());
    ASSERT_EQ(::write(terminal.master(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    for (int i = 0; i < 1000 && terminal.waitingAtPort() < expected; ++i) {
        std::this_thread::sleep_for(1ms);
    }
}

TEST(SerialPort, PortHeldByAnotherProgramDoesNotOpenUntilReleased) {
    sim::PseudoTerminal terminal;
    Clipboard clipboard;
    SerialPort holder(nullptr);
    SerialPort port(clipboard.sink());
    ASSERT_TRUE(openLine(holder, terminal));
    EXPECT_TRUE(terminal.portExclusive());
    EXPECT_FALSE(openLine(port, terminal));

    holder.close();
    EXPECT_FALSE(terminal.portExclusive());
    EXPECT_TRUE(openLine(port, terminal));

    // Another program that only takes the lock, or only marks the line exclusive.
    port.close();
    const int locker = ::open(terminal.portPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::flock(locker, LOCK_EX), 0);
    EXPECT_FALSE(openLine(port, terminal));
    ::flock(locker, LOCK_UN);
    ASSERT_EQ(::ioctl(locker, TIOCEXCL), 0);
    EXPECT_FALSE(openLine(port, terminal));
    ::ioctl(locker, TIOCNXCL);
    ::close(locker);
    EXPECT_TRUE(openLine(port, terminal));
    EXPECT_TRUE(clipboard.texts.empty());
}

TEST(SerialPort, RefusesUnknownLineSettings) {
    sim::PseudoTerminal terminal;
    SerialPort port(nullptr);
    EXPECT_FALSE(port.open(terminal.portPath(), 9601, 8, noParity, true));
    EXPECT_FALSE(port.open(terminal.portPath(), 9600, 9, noParity, true));
    EXPECT_FALSE(port.open(terminal.portPath(), 9600, 8, static_cast<Parity>(5), true));
    EXPECT_FALSE(terminal.portExclusive());
    EXPECT_FALSE(port.open("/nonexistent/ttyUSB9", 9600, 8, noParity, true));
}

TEST(SerialPort, DiscardInputDropsOnlyWhatWasWaiting) {
    sim::PseudoTerminal terminal;
    SerialPort port(nullptr);
    writeToPort(terminal, "left over from before");
    ASSERT_TRUE(openLine(port, terminal));
    port.discardInput();
    writeToPort(terminal, "N");
    char byte = 0;
    ASSERT_EQ(port.read(&byte, 1), 1);
    EXPECT_EQ(byte, 'N');
}

TEST(SerialPort, SilenceIsNoFailure) {
    sim::PseudoTerminal terminal;
    Clipboard clipboard;
    SerialPort port(clipboard.sink(), shortTimeouts);
    ASSERT_TRUE(openLine(port, terminal));
    char byte = 0;
    EXPECT_EQ(port.read(&byte, 1), 0);

    // Nobody reads the other side: the write stops at the time-out with what the line took.
    const std::string flood(1 << 20, 'x');
    const int written = port.write(flood.data(), static_cast<int>(flood.size()));
    EXPECT_GT(written, 0);
    EXPECT_LT(written, static_cast<int>(flood.size()));
    EXPECT_TRUE(clipboard.texts.empty());
}

TEST(SerialPort, HungUpLineFailsWithTheSystemsText) {
    sim::PseudoTerminal terminal;
    Clipboard clipboard;
    SerialPort port(clipboard.sink(), shortTimeouts);
    ASSERT_TRUE(openLine(port, terminal));
    terminal.close();
    char byte = 0;
    EXPECT_EQ(port.read(&byte, 1), -1);
    EXPECT_EQ(port.write("x", 1), -1);
    ASSERT_EQ(clipboard.texts.size(), 2u);
    EXPECT_FALSE(clipboard.texts[0].empty());
    EXPECT_TRUE(port.isOpen());
    port.close();
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace marlo
