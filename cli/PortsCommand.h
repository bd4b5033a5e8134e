#pragma once

#include "cli/Command.h"
#include "device/PortDiscovery.h"

#include <ostream>
#include <vector>

namespace marlo::cli {

// marlo-cli ports: lists the serial ports the system's discovery finds.
extern const Command portsCommand;

// One port a line: its path, a tab, the name shown for it, and after one more tab "preferred" for
// the port the program would choose. Control bytes in names are shown as \xNN.
void printPorts(const std::vector<PortEntry>& ports, std::ostream& out);

} // namespace marlo::cli
