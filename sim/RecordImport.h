#pragma once

#include "sim/DeviceConfig.h"

#include <string>
#include <string_view>
#include <vector>

namespace marlo::sim {

struct ImportOutcome {
    // One line each, every one beginning with "ERROR:"; none when the record was applied.
    std::vector<std::string> errors;
    bool reboot = false; // "Reboot" "Enable" in an applied record
};

// Applies a typed configuration record to `config` as a whole, or, when anything in it is
// malformed, unknown or not a value the device can hold, not at all. Values the record leaves
// out stay as they were.
ImportOutcome importRecord(std::string_view record, DeviceConfig& config);

} // namespace marlo::sim
