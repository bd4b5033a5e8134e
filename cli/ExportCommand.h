#pragma once

#include "cli/Command.h"

namespace marlo::cli {

// marlo-cli export FILE --target device|file [--reboot] [--secret ...]: imports a record file and
// writes the record that the program would build from it to standard output.
extern const Command exportCommand;

} // namespace marlo::cli
