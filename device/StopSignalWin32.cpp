#include "device/StopSignal.h"

#include <windows.h>

#include <stdexcept>

namespace marlo {

namespace {

HANDLE eventOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

StopSignal::StopSignal()
    : handle_(reinterpret_cast<std::intptr_t>(::CreateEventW(nullptr, TRUE, FALSE, nullptr))) {
    if (handle_ == 0) {
        throw std::runtime_error("no event for the device stop signal");
    }
}

StopSignal::~StopSignal() {
    ::CloseHandle(eventOf(handle_));
}

void StopSignal::raise() {
    raised_ = true;
    ::SetEvent(eventOf(handle_));
}

void StopSignal::clear() {
    raised_ = false;
    ::ResetEvent(eventOf(handle_));
}

bool StopSignal::sleepFor(std::chrono::milliseconds duration) const {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (!raised_) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return true;
        }
        if (::WaitForSingleObject(eventOf(handle_), static_cast<DWORD>(left.count())) == WAIT_FAILED) {
            return !raised_;
        }
    }
    return false;
}

} // namespace marlo
