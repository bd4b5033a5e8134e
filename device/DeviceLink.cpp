#include "device/DeviceLink.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

namespace marlo {

namespace {

// Holds the link for one operation; false when another operation holds it already.
class OperationGuard {
public:
    explicit OperationGuard(std::atomic<bool>& busy)
        : busy_(busy)
        , owner_(!busy.exchange(true)) {}
    ~OperationGuard() {
        if (owner_) {
            busy_ = false;
        }
    }
    OperationGuard(const OperationGuard&) = delete;
    OperationGuard& operator=(const OperationGuard&) = delete;
    explicit operator bool() const { return owner_; }

private:
    std::atomic<bool>& busy_;
    bool owner_;
};

void extractFirmwareVersion(std::string_view reply, std::string& firmwareVersion) {
    const auto line = reply.find("Firmware Version");
    if (line == std::string_view::npos) {
        return;
    }
    const auto separator = reply.find(": ", line);
    if (separator == std::string_view::npos) {
        return;
    }
    const auto start = separator + 2;
    const auto end = reply.find('\r', start);
    if (end == std::string_view::npos) {
        return;
    }
    firmwareVersion = reply.substr(start, std::min(end - start, maxFirmwareVersion));
}

struct Step {
    std::string_view command;
    std::string_view terminator;
    std::function<void(std::string_view reply)> keep;
};

} // namespace

DeviceLink::DeviceLink(ClipboardSink clipboard, LinkTimings timings)
    : exchange_(std::move(clipboard), timings) {}

void DeviceLink::setPortPath(std::string path) {
    const std::lock_guard lock(mutex_);
    portPath_ = std::move(path);
}

std::string DeviceLink::portPath() const {
    const std::lock_guard lock(mutex_);
    return portPath_;
}

std::optional<PortOpenFailure> DeviceLink::reachFailure() const {
    const std::lock_guard lock(mutex_);
    return reachFailure_;
}

bool DeviceLink::enterCommandLine() {
    const bool entered = exchange_.enterCommandLine(portPath());
    const std::lock_guard lock(mutex_);
    reachFailure_ = exchange_.reachFailure();
    return entered;
}

bool DeviceLink::readRecords(std::string& configRecord, std::string& statusRecord,
                             std::string& firmwareVersion) {
    OperationGuard guard(busy_);
    if (!guard || !enterCommandLine()) {
        return false;
    }
    const Step steps[] = {
        {"status\r", "status>", {}},
        {"Device\r", "Device>", {}},
        {"show\r", "Device>",
         [&](std::string_view reply) { extractFirmwareVersion(reply, firmwareVersion); }},
        // The first prompt ends this step; the rest of the answer starts the next reply.
        {"exit\rexit\r", ">", {}},
        {"xml\r", "xml>", {}},
        {"xcr dump\r", "</configrecord>", [&](std::string_view reply) { configRecord = reply; }},
        {"xsr dump Interface\r", "</statusrecord>", [&](std::string_view reply) { statusRecord = reply; }},
        {"exit\rexit\r", "start.", {}},
    };
    for (const Step& step : steps) {
        if (!exchange_.exchange(step.command, step.terminator, 1)) {
            return false;
        }
        if (step.keep) {
            step.keep(exchange_.reply());
        }
    }
    exchange_.close();
    return true;
}

bool DeviceLink::scanNetworks(std::string& scanText) {
    OperationGuard guard(busy_);
    if (!guard || !enterCommandLine() || !exchange_.exchange("\r", ">", 1) ||
        !exchange_.exchange("wlan scan\r", "Number of responses: ", 60) ||
        !exchange_.exchange(std::nullopt, ">", 1)) {
        return false;
    }
    std::string answer(exchange_.reply());
    if (!exchange_.exchange("exit\r", "start.", 1)) {
        return false;
    }
    exchange_.close();
    scanText = std::move(answer);
    return true;
}

bool DeviceLink::sendRecord(const std::string& record, std::string& reply) {
    OperationGuard guard(busy_);
    if (!guard || !enterCommandLine()) {
        reply = unreachableText;
        return false;
    }
    reply.clear();
    if (!exchange_.exchange(record, ">", 120)) {
        reply = communicationErrorText;
        return false;
    }
    exchange_.close();
    reply = exchange_.reply();
    return reply.find("ERROR:") == std::string::npos;
}

} // namespace marlo
