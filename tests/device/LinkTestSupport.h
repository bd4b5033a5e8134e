#pragma once

#include "device/DeviceLink.h"
#include "device/SerialPort.h"
#include "sim/SimulatedDevice.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace marlo::testing {

struct Clipboard {
    std::vector<std::string> texts;
    ClipboardSink sink() {
        return [this](const std::string& text) { texts.push_back(text); };
    }
};

// True when nobody holds the port: the link closed it.
inline bool portIsFree(const std::string& path) {
    SerialPort probe(nullptr);
    return probe.open(path, 9600, 8, noParity, true);
}

inline sim::DeviceOptions quickDevice() {
    sim::DeviceOptions options;
    options.behaviour.scanDelay = std::chrono::milliseconds(20);
    options.behaviour.rebootSilence = std::chrono::milliseconds(20);
    return options;
}

// A simulated device and a link to it.
struct LinkedDevice {
    explicit LinkedDevice(sim::DeviceOptions options = quickDevice(), LinkTimings timings = {})
        : device(std::move(options))
        , link(clipboard.sink(), timings) {
        link.setPortPath(device.portPath());
    }

    struct Records {
        bool ok = false;
        std::string config;
        std::string status;
        std::string firmware;
    };
    Records read(std::string firmware = {}) {
        Records records{false, {}, {}, std::move(firmware)};
        records.ok = link.readRecords(records.config, records.status, records.firmware);
        return records;
    }

    sim::SimulatedDevice device;
    Clipboard clipboard;
    DeviceLink link;
};

// Waits until `done` holds, for at most two seconds.
template <typename Condition> bool eventually(Condition done) {
    for (int i = 0; i < 2000; ++i) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

} // namespace marlo::testing
