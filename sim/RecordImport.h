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

// A text for an "ERROR:" line: markup escaped and control bytes shown as "?", so that it can
// neither end the answer before its final prompt nor break its line.
std::string errorLineText(std::string_view text);

} // namespace marlo::sim
