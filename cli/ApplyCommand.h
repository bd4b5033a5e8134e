#pragma once

#include "cli/Command.h"

namespace marlo::cli {

// apply FILE --port PATH [--port PATH]... [--set NAME=VALUE]... [--port-set PATH:NAME=VALUE]...
// [--secret ap=TEXT] [--secret server=TEXT] [--reboot] [--dry-run] [--json]: puts the configuration
// of FILE, with the values given over it, on the device of every port, each port on a thread of its
// own. A device that already holds it is left alone; one the window's rules refuse it for is not
// written. Exit status 0 when every port ended unchanged or changed, 1 otherwise, 2 for a wrong
// command line or an unreadable FILE.
extern const Command applyCommand;

} // namespace marlo::cli
