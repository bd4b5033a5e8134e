#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

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
    // What a wait beside the port watches: an eventfd that is readable (Linux) or an event that is
    // signalled (Windows) while the signal is raised.
    std::intptr_t waitHandle() const { return handle_; }
    // Waits `duration`; false when the signal was raised before or during the wait.
    bool sleepFor(std::chrono::milliseconds duration) const;

private:
    std::atomic<bool> raised_{false};
    std::intptr_t handle_;
};

} // namespace marlo
