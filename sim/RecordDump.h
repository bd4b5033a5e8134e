#pragma once

#include "sim/DeviceConfig.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace marlo::sim {

enum class Secrets {
    shown,  // for the state file
    masked, // as the device dumps them: "<Configured>" when set
};

struct DumpShape {
    // Pads the dump with further tunnel groups until it holds at least that many bytes.
    std::size_t minimumSize = 0;
    // Names of groups left out.
    std::vector<std::string> leftOut{};
};

// The configuration record as "xcr dump" prints it: one element a line, CR LF line ends.
std::string renderConfigRecord(const DeviceConfig& config, Secrets secrets, const DumpShape& shape = {});

// The status record as "xsr dump Interface" prints it, with the station's current address.
std::string renderStatusRecord(const DeviceConfig& config);

// The station's current address: its own when set statically, the leased one with DHCP, "<None>"
// while the station is off.
std::string currentStationAddress(const DeviceConfig& config);

std::string escapeMarkup(std::string_view text);

} // namespace marlo::sim
