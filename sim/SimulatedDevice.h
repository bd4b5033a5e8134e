#pragma once

#include "sim/Behaviour.h"
#include "sim/CommandLine.h"
#include "sim/DeviceConfig.h"
#include "sim/PseudoTerminal.h"
#include "sim/RecordImport.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace marlo::sim {

struct DeviceOptions {
    Behaviour behaviour{};
    Level startLevel = Level::closed;
    // Loaded at the start and rewritten after every accepted record.
    std::optional<std::filesystem::path> stateFile{};
    // Output paced at this baud rate with 8N2 framing, 11 bits a byte; 0 sends as fast as the
    // terminal takes it.
    unsigned lineRate = 0;
};

// The simulated device server on a pseudo-terminal, served by a thread of its own until stopped.
// Its state and its faults may be read and changed at any time from other threads.
class SimulatedDevice {
public:
    explicit SimulatedDevice(DeviceOptions options = {});
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    const std::string& portPath() const { return portPath_; }
    void stop();

    DeviceConfig configuration() const;
    // Applies a record as if it had been typed at the prompt.
    ImportOutcome applyRecord(std::string_view record);
    void update(const std::function<void(Behaviour&)>& change);
    std::vector<std::string> commandLog() const;
    Level level() const;
    std::uint64_t bytesSent() const;
    bool portExclusive() const;
    bool hungUp() const;

    // Faults.
    void openCommandLineAt(Level level);
    // Bytes left waiting at the port, as if from an earlier conversation; returns once the
    // port's input queue holds them.
    void injectStrayBytes(std::string_view bytes);
    // Silent after `bytes` more bytes of output, for `duration` or for good.
    void silenceAfter(std::size_t bytes, std::optional<std::chrono::milliseconds> duration);
    // The terminal closed after `bytes` more bytes of output, as if the adapter were unplugged.
    void hangUpAfter(std::size_t bytes);
    // Stops reading the line after `bytes` more bytes of input, for `duration`.
    void holdInputAfter(std::size_t bytes, std::chrono::milliseconds duration);

private:
    using Clock = std::chrono::steady_clock;

    void serve();
    void step(Clock::time_point now);
    void pump(Clock::time_point now);
    void readInput(Clock::time_point now);
    std::optional<Clock::time_point> nextWake(Clock::time_point now) const;
    void hangUp();
    void wake();
    void saveState();

    PseudoTerminal terminal_;
    std::string portPath_;
    DeviceOptions options_;
    Behaviour& behaviour_;
    DeviceConfig config_;
    CommandLine commandLine_;
    std::chrono::nanoseconds byteTime_{};

    mutable std::mutex mutex_;
    int wakeFd_ = -1;
    bool stopping_ = false;

    std::string input_;
    std::size_t inputTaken_ = 0;
    std::deque<Output> queue_;
    std::size_t headSent_ = 0;
    std::optional<Clock::time_point> headStart_;
    bool lineIdle_ = true;
    Clock::time_point lineFreeAt_{};
    bool writeBlocked_ = false;
    std::uint64_t bytesSent_ = 0;

    std::optional<Clock::time_point> rebootUntil_;
    std::optional<Clock::time_point> pausedUntil_;
    std::optional<std::size_t> silenceCountdown_;
    std::optional<std::chrono::milliseconds> silenceDuration_;
    std::optional<std::size_t> hangUpCountdown_;
    std::optional<std::size_t> holdCountdown_;
    std::chrono::milliseconds holdDuration_{};
    std::optional<Clock::time_point> holdUntil_;

    std::thread thread_;
};

} // namespace marlo::sim
