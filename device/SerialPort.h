#pragma once

#include "device/ClipboardSink.h"
#include "device/PortOpenFailure.h"
#include "device/StopSignal.h"
#include "record/Codecs.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace marlo {

// How long one read or write may wait: a constant part plus a part for every byte asked.
struct PortTimeouts {
    std::chrono::milliseconds readConstant{1000};
    std::chrono::milliseconds readPerByte{1};
    std::chrono::milliseconds writeConstant{1000};
    std::chrono::milliseconds writePerByte{10};
};

// One serial port: a terminal device on termios, or a COM port through the Windows communications
// functions. A port another program holds does not open. A failed open tells why; a failed read or
// write hands the system's error text to the clipboard sink; one that `stop` ended fails without a
// text.
class SerialPort {
public:
    explicit SerialPort(ClipboardSink clipboard, PortTimeouts timeouts = {},
                        const StopSignal* stop = nullptr);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // `path` is a device path such as /dev/ttyUSB0, or on Windows a port name: COM5 or \\.\COM12.
    bool open(const std::string& path, std::uint32_t baudRate, std::uint8_t dataBits, Parity parity,
              bool twoStopBits);
    bool isOpen() const { return line_ != nullptr; }
    // Why the last `open` failed; no value after one that succeeded.
    const std::optional<PortOpenFailure>& openFailure() const { return openFailure_; }
    // Drops the bytes that are waiting in the input queue at the moment of the call.
    void discardInput();
    // The count written, short when the time-out passed first, or -1 on failure.
    int write(const char* bytes, int count);
    // The count read, 0 when the time-out passed with nothing received, or -1 on failure.
    int read(char* buffer, int count);
    // Drops both queues and closes; nothing happens when the port is closed.
    void close();

private:
    // The open port as the system knows it.
    struct Line;

    // Records what the system's `error` on opening the port at `path` means; false.
    bool refuse(const std::string& path, int error);
    // Hands the system's text for `error` to the clipboard sink; -1.
    int fail(int error);
    bool stopped() const { return stop_ != nullptr && stop_->raised(); }

    ClipboardSink clipboard_;
    PortTimeouts timeouts_;
    const StopSignal* stop_;
    std::unique_ptr<Line> line_;
    std::optional<PortOpenFailure> openFailure_;
};

} // namespace marlo
