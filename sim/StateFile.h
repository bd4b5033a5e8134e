#pragma once

#include "sim/DeviceConfig.h"

#include <filesystem>

namespace marlo::sim {

// The factory defaults changed by the record in `path`; the factory defaults alone when there is
// no such file. Throws std::runtime_error when the device would not accept the record.
DeviceConfig loadState(const std::filesystem::path& path);

// Writes the whole configuration, secrets included, as a record: to a temporary file beside
// `path`, readable by its owner only, then renamed over it. Throws std::runtime_error.
void saveState(const std::filesystem::path& path, const DeviceConfig& config);

} // namespace marlo::sim
