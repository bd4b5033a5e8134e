#pragma once

#include "cli/Command.h"

namespace marlo::cli {

// diff A B: compares two configurations, each a record file or "--port PATH", a device read as the
// window reads it, and prints a line for every setting that differs: its name, then the window's
// name for it with both values as the window shows them (a secret only as changed). Exit status 0
// when nothing differs, 1 when something does, 2 when a configuration could not be had.
extern const Command diffCommand;

} // namespace marlo::cli
