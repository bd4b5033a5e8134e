#pragma once

#include "cli/Command.h"

namespace marlo::cli {

// marlo-cli import FILE [--status STATUSFILE]: imports a record file and prints the settings.
extern const Command importCommand;

} // namespace marlo::cli
