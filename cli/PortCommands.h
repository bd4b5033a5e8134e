#pragma once

#include "cli/Command.h"

namespace marlo::cli {

// marlo-cli read --port PATH [--config-out FILE] [--status-out FILE]: reads the device and
// prints its firmware version and settings.
extern const Command readCommand;

// marlo-cli send --port PATH FILE: types the record in FILE at the device and prints its reply.
extern const Command sendCommand;

// marlo-cli scan --port PATH: lists the access points the device hears, one a line, tab-separated.
extern const Command scanCommand;

} // namespace marlo::cli
