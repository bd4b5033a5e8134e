#pragma once

#include "device/ClipboardSink.h"
#include "device/ResponseBuffer.h"
#include "device/SerialPort.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace marlo {

struct LinkTimings {
    PortTimeouts port{};
    // The pause after a read that found the line silent.
    std::chrono::milliseconds idlePause{100};
};

// Talks to the device's command line: sends a command and collects the reply until it ends with
// the awaited terminator. Every failure closes the port.
class CommandExchange {
public:
    static constexpr std::size_t pieceSize = 32;
    // More sub-levels than any device has: a device that never reaches its top level is given up.
    static constexpr int maxExitSteps = 8;

    CommandExchange(ClipboardSink clipboard, LinkTimings timings);

    // Opens the port and leaves the device at its top-level prompt with the port open.
    bool enterCommandLine(const std::string& portPath);
    // Why the last `enterCommandLine` could not reach the device: its port did not open, or nothing
    // at all answered the first Enter. No value when it got an answer.
    const std::optional<PortOpenFailure>& reachFailure() const { return reachFailure_; }
    // Sends `command` when given, then reads one byte at a time until the reply ends with
    // `terminator`. Fails after idleLimit + 1 silent reads in a row, on a port error, or when the
    // reply outgrows its buffer.
    bool exchange(std::optional<std::string_view> command, std::string_view terminator, int idleLimit);
    // The reply to the last exchange.
    std::string_view reply() const { return buffer_.view(); }
    void close() { port_.close(); }
    // Raised from another thread, it ends the exchange that runs and fails every later one.
    StopSignal& stopSignal() { return stop_; }

private:
    bool send(std::string_view command);
    bool fail();

    StopSignal stop_;
    SerialPort port_;
    ResponseBuffer buffer_;
    std::chrono::milliseconds idlePause_;
    // How long the first Enter waits for an answer, in whole seconds as the user is told.
    std::string answerWaitSeconds_;
    // The last exchange failed because nothing at all came back.
    bool unanswered_ = false;
    std::optional<PortOpenFailure> reachFailure_;
};

} // namespace marlo
