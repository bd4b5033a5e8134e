#include "device/SerialPort.h"

#include <windows.h>

#include <utility>

namespace marlo {

namespace {

// COM10 and above open only with the device prefix; it does no harm below.
std::string devicePath(const std::string& port) {
    constexpr std::string_view prefix = "\\\\.\\";
    return port.starts_with(prefix) ? port : std::string(prefix) + port;
}

// The port's own time-outs end every read and write; the stop signal ends them early.
COMMTIMEOUTS timeoutsFor(HANDLE handle, const PortTimeouts& timeouts) {
    COMMTIMEOUTS settings{};
    ::GetCommTimeouts(handle, &settings);
    settings.ReadTotalTimeoutMultiplier = static_cast<DWORD>(timeouts.readPerByte.count());
    settings.ReadTotalTimeoutConstant = static_cast<DWORD>(timeouts.readConstant.count());
    settings.WriteTotalTimeoutMultiplier = static_cast<DWORD>(timeouts.writePerByte.count());
    settings.WriteTotalTimeoutConstant = static_cast<DWORD>(timeouts.writeConstant.count());
    return settings;
}

bool configure(HANDLE handle, std::uint32_t baudRate, std::uint8_t dataBits, Parity parity, bool twoStopBits,
               const PortTimeouts& timeouts) {
    if (dataBits < 5 || dataBits > 8 || parity < noParity || parity > oddParity) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    DCB settings{};
    settings.DCBlength = sizeof settings;
    if (!::GetCommState(handle, &settings)) {
        return false;
    }
    settings.BaudRate = baudRate;
    settings.ByteSize = dataBits;
    settings.Parity = parity == noParity ? NOPARITY : parity == oddParity ? ODDPARITY : EVENPARITY;
    settings.fParity = parity != noParity;
    settings.StopBits = twoStopBits ? TWOSTOPBITS : ONESTOPBIT;
    settings.fOutxCtsFlow = TRUE;
    settings.fRtsControl = RTS_CONTROL_ENABLE;
    COMMTIMEOUTS waits = timeoutsFor(handle, timeouts);
    if (!::SetCommState(handle, &settings) || !::SetCommTimeouts(handle, &waits)) {
        return false;
    }
    // A line without modem control, such as a pseudo-terminal that Wine shows as a COM port,
    // refuses this; that is no error.
    return ::EscapeCommFunction(handle, SETRTS) || ::GetLastError() == ERROR_NOT_SUPPORTED;
}

// How one read or write ended: the count moved, short or 0 after the time-out, and the system's
// error, if any.
struct Transfer {
    DWORD count = 0;
    DWORD error = ERROR_SUCCESS;
    bool stopped = false;
};

// Starts one overlapped read or write on `handle` with `start` and waits until it ends, which
// signals `done`, or until `stop` is raised. A transfer that does not end by itself is cancelled
// and waited for, so that its buffer is free again.
template <typename Start> Transfer transfer(HANDLE handle, HANDLE done, const StopSignal* stop, Start start) {
    OVERLAPPED pending{};
    pending.hEvent = done;
    if (!start(pending) && ::GetLastError() != ERROR_IO_PENDING) {
        return {0, ::GetLastError()};
    }
    Transfer result;
    const HANDLE waits[] = {done, stop != nullptr ? reinterpret_cast<HANDLE>(stop->waitHandle()) : nullptr};
    const DWORD woken = ::WaitForMultipleObjects(stop != nullptr ? 2 : 1, waits, FALSE, INFINITE);
    if (woken != WAIT_OBJECT_0) {
        result.error = woken == WAIT_FAILED ? ::GetLastError() : ERROR_SUCCESS;
        result.stopped = result.error == ERROR_SUCCESS;
        ::CancelIoEx(handle, &pending);
        ::GetOverlappedResult(handle, &pending, &result.count, TRUE);
        return result;
    }
    if (!::GetOverlappedResult(handle, &pending, &result.count, TRUE)) {
        result.error = ::GetLastError();
    }
    // Wine ends a transfer that the time-out cut short with this error, Windows with success.
    if (result.error == ERROR_TIMEOUT) {
        result.error = ERROR_SUCCESS;
    }
    return result;
}

std::string systemText(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 ? std::string(text, length) : "system error " + std::to_string(error);
    ::LocalFree(text);
    // The system's texts end with a line break.
    message.erase(message.find_last_not_of("\r\n ") + 1);
    return message;
}

} // namespace

struct SerialPort::Line {
    HANDLE handle;
    // Signalled when the read or write in flight ends.
    HANDLE done;
};

SerialPort::SerialPort(ClipboardSink clipboard, PortTimeouts timeouts, const StopSignal* stop)
    : clipboard_(std::move(clipboard))
    , timeouts_(timeouts)
    , stop_(stop) {}

SerialPort::~SerialPort() {
    close();
}

bool SerialPort::open(const std::string& path, std::uint32_t baudRate, std::uint8_t dataBits, Parity parity,
                      bool twoStopBits) {
    close();
    openFailure_.reset();
    const HANDLE handle = ::CreateFileA(devicePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return refuse(path, static_cast<int>(::GetLastError()));
    }
    const HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (done == nullptr || !configure(handle, baudRate, dataBits, parity, twoStopBits, timeouts_)) {
        const DWORD error = ::GetLastError();
        if (done != nullptr) {
            ::CloseHandle(done);
        }
        ::CloseHandle(handle);
        return refuse(path, static_cast<int>(error));
    }
    line_ = std::make_unique<Line>(Line{handle, done});
    return true;
}

void SerialPort::discardInput() {
    if (!line_) {
        return;
    }
    // Also clears a line error, after which the port would refuse to read.
    ::ClearCommError(line_->handle, nullptr, nullptr);
    ::PurgeComm(line_->handle, PURGE_RXCLEAR);
}

int SerialPort::write(const char* bytes, int count) {
    if (!line_) {
        return fail(ERROR_INVALID_HANDLE);
    }
    if (stopped()) {
        return -1;
    }
    const Transfer written = transfer(line_->handle, line_->done, stop_, [&](OVERLAPPED& pending) {
        return ::WriteFile(line_->handle, bytes, static_cast<DWORD>(count), nullptr, &pending);
    });
    if (written.error != ERROR_SUCCESS) {
        return fail(static_cast<int>(written.error));
    }
    return written.stopped ? -1 : static_cast<int>(written.count);
}

int SerialPort::read(char* buffer, int count) {
    if (!line_) {
        return fail(ERROR_INVALID_HANDLE);
    }
    if (stopped()) {
        return -1;
    }
    if (count <= 0) {
        return 0;
    }
    const Transfer received = transfer(line_->handle, line_->done, stop_, [&](OVERLAPPED& pending) {
        return ::ReadFile(line_->handle, buffer, static_cast<DWORD>(count), nullptr, &pending);
    });
    if (received.error != ERROR_SUCCESS) {
        return fail(static_cast<int>(received.error));
    }
    return received.stopped ? -1 : static_cast<int>(received.count);
}

void SerialPort::close() {
    if (!line_) {
        return;
    }
    ::PurgeComm(line_->handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    ::CloseHandle(line_->handle);
    ::CloseHandle(line_->done);
    line_.reset();
}

bool SerialPort::refuse(const std::string& path, int error) {
    using Reason = PortOpenFailure::Reason;
    const auto code = static_cast<DWORD>(error);
    // A COM port another program has open denies access.
    const Reason reason = code == ERROR_ACCESS_DENIED    ? Reason::busy
                          : code == ERROR_FILE_NOT_FOUND ? Reason::vanished
                                                         : Reason::other;
    openFailure_ = PortOpenFailure{reason, path, reason == Reason::other ? systemText(code) : std::string()};
    return false;
}

int SerialPort::fail(int error) {
    if (clipboard_) {
        clipboard_(systemText(static_cast<DWORD>(error)));
    }
    return -1;
}

} // namespace marlo
