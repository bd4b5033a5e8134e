#include "device/StopSignal.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace marlo {

StopSignal::StopSignal() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::runtime_error("no pipe for the device stop signal");
    }
}

StopSignal::~StopSignal() {
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void StopSignal::raise() {
    raised_ = true;
    const char wake = 1;
    // A full pipe is readable already, which is all a waiting poll needs.
    [[maybe_unused]] const ssize_t written = ::write(pipe_[1], &wake, 1);
}

void StopSignal::clear() {
    raised_ = false;
    char drained[64];
    while (::read(pipe_[0], drained, sizeof drained) > 0) {
    }
}

bool StopSignal::sleepFor(std::chrono::milliseconds duration) const {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (!raised_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return true;
        }
        pollfd wait{pipe_[0], POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            return !raised_;
        }
    }
    return false;
}

} // namespace marlo
