#include "sim/SimulatedDevice.h"

#include "sim/StateFile.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace marlo::sim {

namespace {

// What an endlessly talking device says: no prompt, no terminator the tool waits for.
constexpr std::string_view endlessLine = "link quality 42 percent, retries 0, noise floor -92 dBm\r\n";

} // namespace

SimulatedDevice::SimulatedDevice(DeviceOptions options)
    : portPath_(terminal_.portPath())
    , options_(std::move(options))
    , behaviour_(options_.behaviour)
    , config_(options_.stateFile ? loadState(*options_.stateFile) : DeviceConfig::factoryDefault())
    , commandLine_(config_, behaviour_, [this] { saveState(); }) {
    if (options_.lineRate > 0) {
        byteTime_ = std::chrono::nanoseconds(11'000'000'000LL / options_.lineRate);
    }
    commandLine_.setLevel(options_.startLevel);
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    thread_ = std::thread([this] { serve(); });
}

SimulatedDevice::~SimulatedDevice() {
    stop();
    ::close(wakeFd_);
}

void SimulatedDevice::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake();
    if (thread_.joinable()) {
        thread_.join();
    }
}

DeviceConfig SimulatedDevice::configuration() const {
    std::lock_guard lock(mutex_);
    return config_;
}

ImportOutcome SimulatedDevice::applyRecord(std::string_view record) {
    std::lock_guard lock(mutex_);
    return commandLine_.applyRecord(record);
}

void SimulatedDevice::update(const std::function<void(Behaviour&)>& change) {
    {
        std::lock_guard lock(mutex_);
        change(behaviour_);
        if (!behaviour_.endlessOutput) {
            if (!queue_.empty() && queue_.front().endless) {
                headSent_ = 0;
                headStart_.reset();
            }
            std::erase_if(queue_, [](const Output& output) { return output.endless; });
        }
    }
    wake();
}

std::vector<std::string> SimulatedDevice::commandLog() const {
    std::lock_guard lock(mutex_);
    return commandLine_.log();
}

Level SimulatedDevice::level() const {
    std::lock_guard lock(mutex_);
    return commandLine_.level();
}

std::uint64_t SimulatedDevice::bytesSent() const {
    std::lock_guard lock(mutex_);
    return bytesSent_;
}

bool SimulatedDevice::portExclusive() const {
    std::lock_guard lock(mutex_);
    return terminal_.portExclusive();
}

bool SimulatedDevice::hungUp() const {
    std::lock_guard lock(mutex_);
    return !terminal_.isOpen();
}

void SimulatedDevice::openCommandLineAt(Level level) {
    std::lock_guard lock(mutex_);
    commandLine_.setLevel(level);
}

void SimulatedDevice::injectStrayBytes(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    const int expected = terminal_.waitingAtPort() + static_cast<int>(bytes.size());
    while (!bytes.empty() && terminal_.isOpen()) {
        const ssize_t n = ::write(terminal_.master(), bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (errno != EAGAIN && errno != EINTR) {
            return;
        }
    }
    // The terminal hands written bytes to the port's queue a moment later.
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (terminal_.waitingAtPort() < expected && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void SimulatedDevice::silenceAfter(std::size_t bytes, std::optional<std::chrono::milliseconds> duration) {
    {
        std::lock_guard lock(mutex_);
        silenceDuration_ = duration;
        if (bytes == 0) {
            silenceCountdown_.reset();
            pausedUntil_ = duration ? Clock::now() + *duration : Clock::time_point::max();
        } else {
            silenceCountdown_ = bytes;
        }
    }
    wake();
}

void SimulatedDevice::hangUpAfter(std::size_t bytes) {
    {
        std::lock_guard lock(mutex_);
        if (bytes == 0) {
            hangUp();
        } else {
            hangUpCountdown_ = bytes;
        }
    }
    wake();
}

void SimulatedDevice::holdInputAfter(std::size_t bytes, std::chrono::milliseconds duration) {
    {
        std::lock_guard lock(mutex_);
        holdDuration_ = duration;
        if (bytes == 0) {
            holdCountdown_.reset();
            holdUntil_ = Clock::now() + duration;
        } else {
            holdCountdown_ = bytes;
        }
    }
    wake();
}

void SimulatedDevice::serve() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        const auto now = Clock::now();
        step(now);
        std::array<pollfd, 2> fds{{{wakeFd_, POLLIN, 0}, {terminal_.master(), 0, 0}}};
        const bool open = terminal_.isOpen();
        if (open) {
            const bool holding = holdUntil_.has_value();
            if (rebootUntil_ || (!holding && inputTaken_ == input_.size())) {
                fds[1].events |= POLLIN;
            }
            if (writeBlocked_) {
                fds[1].events |= POLLOUT;
            }
        }
        const auto wakeAt = nextWake(now);
        timespec timeout{};
        if (wakeAt) {
            const auto left = std::max(Clock::duration::zero(), *wakeAt - now);
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
            timeout.tv_sec = seconds.count();
            timeout.tv_nsec = std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count();
        }
        lock.unlock();
        ::ppoll(fds.data(), open ? 2 : 1, wakeAt ? &timeout : nullptr, nullptr);
        lock.lock();
        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            [[maybe_unused]] const auto drained = ::read(wakeFd_, &count, sizeof count);
        }
        if (open && terminal_.isOpen()) {
            if (fds[1].revents & POLLOUT) {
                writeBlocked_ = false;
            }
            if (fds[1].revents & POLLIN) {
                readInput(Clock::now());
            }
        }
    }
}

void SimulatedDevice::step(Clock::time_point now) {
    if (rebootUntil_ && now >= *rebootUntil_) {
        rebootUntil_.reset();
        commandLine_.setLevel(Level::closed);
    }
    if (holdUntil_ && now >= *holdUntil_) {
        holdUntil_.reset();
    }
    std::vector<Output> outputs;
    for (;;) {
        pump(now);
        if (!terminal_.isOpen() || !queue_.empty() || rebootUntil_ || inputTaken_ == input_.size()) {
            break;
        }
        commandLine_.take(input_[inputTaken_++], outputs);
        for (Output& output : outputs) {
            queue_.push_back(std::move(output));
        }
        outputs.clear();
    }
    if (inputTaken_ == input_.size()) {
        input_.clear();
        inputTaken_ = 0;
    }
}

void SimulatedDevice::pump(Clock::time_point now) {
    while (!queue_.empty() && terminal_.isOpen() && !writeBlocked_) {
        Output& head = queue_.front();
        if (!headStart_) {
            headStart_ = now + head.delay;
        }
        if (now < *headStart_ || (pausedUntil_ && now < *pausedUntil_)) {
            lineIdle_ = true;
            return;
        }
        pausedUntil_.reset();
        if (head.endless && headSent_ == head.bytes.size()) {
            head.bytes.assign(endlessLine);
            headSent_ = 0;
        }
        if (headSent_ == head.bytes.size()) {
            const bool reboot = head.rebootAfter;
            queue_.pop_front();
            headSent_ = 0;
            headStart_.reset();
            if (reboot) {
                rebootUntil_ = now + behaviour_.rebootSilence;
                queue_.clear();
                input_.clear();
                inputTaken_ = 0;
            }
            continue;
        }
        std::size_t allowed = head.bytes.size() - headSent_;
        if (byteTime_.count() > 0) {
            if (lineIdle_) {
                lineFreeAt_ = std::max(lineFreeAt_, now);
                lineIdle_ = false;
            }
            // A byte reaches the port once the last of its bits has crossed the line.
            if (now < lineFreeAt_ + byteTime_) {
                return;
            }
            allowed = std::min<std::size_t>(allowed, (now - lineFreeAt_) / byteTime_);
        }
        allowed = std::min(allowed, silenceCountdown_.value_or(allowed));
        allowed = std::min(allowed, hangUpCountdown_.value_or(allowed));
        const ssize_t n = ::write(terminal_.master(), head.bytes.data() + headSent_, allowed);
        if (n <= 0) {
            writeBlocked_ = n < 0 && errno == EAGAIN;
            return;
        }
        const auto written = static_cast<std::size_t>(n);
        headSent_ += written;
        bytesSent_ += written;
        lineFreeAt_ += byteTime_ * static_cast<long>(written);
        if (silenceCountdown_ && (*silenceCountdown_ -= written) == 0) {
            silenceCountdown_.reset();
            pausedUntil_ = silenceDuration_ ? now + *silenceDuration_ : Clock::time_point::max();
        }
        if (hangUpCountdown_ && (*hangUpCountdown_ -= written) == 0) {
            hangUp();
            return;
        }
        if (written < allowed) {
            writeBlocked_ = true;
            return;
        }
    }
    if (queue_.empty()) {
        lineIdle_ = true;
    }
}

void SimulatedDevice::readInput(Clock::time_point now) {
    std::array<char, 4096> buffer;
    const std::size_t wanted = std::min(buffer.size(), holdCountdown_.value_or(buffer.size()));
    const ssize_t n = ::read(terminal_.master(), buffer.data(), wanted);
    if (n <= 0 || rebootUntil_) {
        return;
    }
    input_.append(buffer.data(), static_cast<std::size_t>(n));
    if (holdCountdown_ && (*holdCountdown_ -= static_cast<std::size_t>(n)) == 0) {
        holdCountdown_.reset();
        holdUntil_ = now + holdDuration_;
    }
}

std::optional<SimulatedDevice::Clock::time_point> SimulatedDevice::nextWake(Clock::time_point now) const {
    std::optional<Clock::time_point> earliest;
    const auto consider = [&](std::optional<Clock::time_point> at) {
        if (at && *at > now && *at != Clock::time_point::max() && (!earliest || *at < *earliest)) {
            earliest = at;
        }
    };
    consider(rebootUntil_);
    consider(holdUntil_);
    if (!queue_.empty() && !writeBlocked_) {
        consider(headStart_);
        consider(pausedUntil_);
        if (byteTime_.count() > 0) {
            consider(lineFreeAt_ + byteTime_);
        }
    }
    return earliest;
}

void SimulatedDevice::hangUp() {
    terminal_.close();
    queue_.clear();
    hangUpCountdown_.reset();
}

void SimulatedDevice::wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
}

void SimulatedDevice::saveState() {
    if (options_.stateFile) {
        sim::saveState(*options_.stateFile, config_);
    }
}

} // namespace marlo::sim
