#pragma once

#include <atomic>
#include <chrono>

namespace marlo {

// Lets another thread stop a device operation: a wait on the port, or a pause between reads,
// ends at once when the signal is raised, and every later one fails until it is cleared.
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // May be called from any thread.
    void raise();
    void clear();
    bool raised() const { return raised_; }
    // Readable while the signal is raised, for a `poll` beside the port.
    int descriptor() const { return pipe_[0]; }
    // Waits `duration`; false when the signal was raised before or during the wait.
    bool sleepFor(std::chrono::milliseconds duration) const;

private:
    std::atomic<bool> raised_{false};
    int pipe_[2] = {-1, -1};
};

} // namespace marlo
