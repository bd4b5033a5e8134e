#pragma once

#include "device/PortDiscovery.h"

namespace marlo {

// The ports a test says are present; plugging and unplugging is changing `ports` before the
// window's refresh.
class FakePortDiscovery : public PortDiscovery {
public:
    std::vector<PortEntry> ports;
    bool available = true;

    bool discoverPorts(std::vector<PortEntry>& out) override {
        out = available ? ports : std::vector<PortEntry>{};
        return available;
    }
};

} // namespace marlo
