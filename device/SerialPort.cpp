#include "device/SerialPort.h"

#include "device/PortOpenDiagnosis.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <utility>

namespace marlo {

namespace {

using Clock = std::chrono::steady_clock;

std::optional<speed_t> speedFor(std::uint32_t baudRate) {
    static constexpr std::array<std::pair<std::uint32_t, speed_t>, 23> speeds{{
        {300, B300},         {600, B600},         {1200, B1200},       {2400, B2400},
        {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},
        {500000, B500000},   {576000, B576000},   {921600, B921600},   {1000000, B1000000},
        {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000},
        {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
    }};
    for (const auto& [rate, speed] : speeds) {
        if (rate == baudRate) {
            return speed;
        }
    }
    return std::nullopt;
}

std::optional<tcflag_t> sizeFlag(std::uint8_t dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return std::nullopt;
    }
}

std::optional<tcflag_t> parityFlags(Parity parity) {
    switch (parity) {
    case noParity:
        return 0;
    case oddParity:
        return PARENB | PARODD;
    case evenParity:
        return PARENB;
    }
    return std::nullopt;
}

// Keeps every other program out: 0, or the error number that tells why the port cannot be had.
int takeExclusive(int fd) {
    // The lock keeps out every other program; the exclusive flag also keeps out those that do not
    // lock. A flag already set means another program holds the port.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return errno;
    }
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
        return EBUSY;
    }
    return ::ioctl(fd, TIOCEXCL) == 0 ? 0 : errno;
}

// 0, or the error number of the setting the line refused.
int configure(int fd, std::uint32_t baudRate, std::uint8_t dataBits, Parity parity, bool twoStopBits) {
    const auto speed = speedFor(baudRate);
    const auto size = sizeFlag(dataBits);
    const auto parityBits = parityFlags(parity);
    termios settings{};
    if (!speed || !size || !parityBits) {
        return EINVAL;
    }
    if (::tcgetattr(fd, &settings) != 0) {
        return errno;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB);
    settings.c_cflag |= *size | *parityBits | CRTSCTS | CLOCAL | CREAD | (twoStopBits ? CSTOPB : 0);
    // With O_NONBLOCK an empty queue then reads as EAGAIN, and a hung-up line as 0.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, *speed) != 0 || ::cfsetospeed(&settings, *speed) != 0 ||
        ::tcsetattr(fd, TCSANOW, &settings) != 0) {
        return errno;
    }
    // A line without modem control, such as a pseudo-terminal, refuses this; that is no error.
    const int rts = TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &rts);
    return 0;
}

int millisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits until `fd` has `events`, the time is up or `stop` is raised: 0, or the error number of a
// failed wait.
int await(int fd, short events, int milliseconds, const StopSignal* stop) {
    std::array<pollfd, 2> waits{
        {{fd, events, 0}, {stop != nullptr ? static_cast<int>(stop->waitHandle()) : -1, POLLIN, 0}}};
    return ::poll(waits.data(), waits.size(), milliseconds) < 0 && errno != EINTR ? errno : 0;
}

} // namespace

struct SerialPort::Line {
    int fd;
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
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return refuse(path, errno);
    }
    if (const int error = takeExclusive(fd); error != 0) {
        ::close(fd);
        return refuse(path, error);
    }
    if (const int error = configure(fd, baudRate, dataBits, parity, twoStopBits); error != 0) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return refuse(path, error);
    }
    line_ = std::make_unique<Line>(Line{fd});
    return true;
}

void SerialPort::discardInput() {
    if (!line_) {
        return;
    }
    int waiting = 0;
    if (::ioctl(line_->fd, FIONREAD, &waiting) != 0) {
        return;
    }
    std::array<char, 4096> scratch;
    while (waiting > 0) {
        const ssize_t n = ::read(line_->fd, scratch.data(), std::min<std::size_t>(scratch.size(), waiting));
        if (n <= 0) {
            return;
        }
        waiting -= static_cast<int>(n);
    }
}

int SerialPort::write(const char* bytes, int count) {
    if (!line_) {
        return fail(EBADF);
    }
    if (stopped()) {
        return -1;
    }
    const auto deadline = Clock::now() + timeouts_.writeConstant + timeouts_.writePerByte * count;
    int written = 0;
    while (written < count) {
        const ssize_t n = ::write(line_->fd, bytes + written, static_cast<std::size_t>(count - written));
        if (n > 0) {
            written += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return fail(errno);
        }
        const int left = millisecondsLeft(deadline);
        if (left == 0) {
            break;
        }
        if (const int error = await(line_->fd, POLLOUT, left, stop_); error != 0) {
            return fail(error);
        }
        if (stopped()) {
            return -1;
        }
    }
    return written;
}

int SerialPort::read(char* buffer, int count) {
    if (!line_) {
        return fail(EBADF);
    }
    if (stopped()) {
        return -1;
    }
    if (count <= 0) {
        return 0;
    }
    const auto deadline = Clock::now() + timeouts_.readConstant + timeouts_.readPerByte * count;
    for (;;) {
        const ssize_t n = ::read(line_->fd, buffer, static_cast<std::size_t>(count));
        if (n > 0) {
            return static_cast<int>(n);
        }
        if (n == 0) {
            // The line hung up: the adapter or the other side of the terminal is gone.
            return fail(EIO);
        }
        if (errno != EAGAIN && errno != EINTR) {
            return fail(errno);
        }
        const int left = millisecondsLeft(deadline);
        if (left == 0) {
            return 0;
        }
        if (const int error = await(line_->fd, POLLIN, left, stop_); error != 0) {
            return fail(error);
        }
        if (stopped()) {
            return -1;
        }
    }
}

void SerialPort::close() {
    if (!line_) {
        return;
    }
    ::tcflush(line_->fd, TCIOFLUSH);
    // The exclusive flag belongs to the terminal, not to this descriptor: left set, it would
    // outlive the close and keep the next open out while anyone else holds the terminal.
    ::ioctl(line_->fd, TIOCNXCL);
    ::close(line_->fd);
    line_.reset();
}

bool SerialPort::refuse(const std::string& path, int error) {
    openFailure_ = diagnoseOpenFailure(path, error);
    return false;
}

int SerialPort::fail(int error) {
    if (clipboard_) {
        clipboard_(systemErrorText(error));
    }
    return -1;
}

} // namespace marlo
