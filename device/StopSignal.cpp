#include "device/StopSignal.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace marlo {

StopSignal::StopSignal()
    : handle_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (handle_ < 0) {
        throw std::runtime_error("no eventfd for the device stop signal");
    }
}

StopSignal::~StopSignal() {
    ::close(static_cast<int>(handle_));
}

void StopSignal::raise() {
    raised_ = true;
    const std::uint64_t wake = 1;
    // Fails only when the counter is full, which leaves it readable as well.
    [[maybe_unused]] const ssize_t written = ::write(static_cast<int>(handle_), &wake, sizeof wake);
}

void StopSignal::clear() {
    raised_ = false;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = ::read(static_cast<int>(handle_), &count, sizeof count);
}

bool StopSignal::sleepFor(std::chrono::milliseconds duration) const {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (!raised_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return true;
        }
        pollfd wait{static_cast<int>(handle_), POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            return !raised_;
        }
    }
    return false;
}

} // namespace marlo
