#pragma once

#include "device/PortDiscovery.h"

namespace marlo {

// Serial ports from udev: every `tty` device with a hardware parent, named
// "<model or product> (<kernel name>)", e.g. "FT232R USB UART (ttyUSB0)". Entries given at
// construction (ports named on the command line, the simulated device) come first.
class UdevPortDiscovery : public PortDiscovery {
public:
    explicit UdevPortDiscovery(std::vector<PortEntry> fixedEntries = {});

    bool discoverPorts(std::vector<PortEntry>& ports) override;

private:
    std::vector<PortEntry> fixedEntries_;
};

// "<model> (<kernel name>)"; a port whose model is unknown is called "Serial port".
std::string portDisplayName(std::string_view model, std::string_view kernelName);

// Undoes udev's "\xHH" escaping of property values such as ID_MODEL_ENC.
std::string decodeUdevText(std::string_view encoded);

} // namespace marlo
