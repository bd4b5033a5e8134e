#pragma once

#include "record/DeviceSettings.h"

#include <ostream>

namespace marlo::cli {

// Prints every field, one a line as "name = value", in the order of the settings table: arrays
// expanded with their indexes, numbers, flags and characters in decimal, texts as UTF-8.
void printSettings(const DeviceSettings& settings, std::ostream& out);

} // namespace marlo::cli
