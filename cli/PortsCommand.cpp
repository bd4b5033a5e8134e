#include "cli/PortsCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/Translation.h"

namespace marlo::cli {

namespace {

int runPorts(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (!arguments.empty()) {
        err << said(commandUsage, {"ports"}) << "\n";
        return exitUsage;
    }
    // A system without a device list has no ports to show, as one without ports.
    std::vector<PortEntry> ports;
    systemPortDiscovery()->discoverPorts(ports);
    printPorts(ports, out);
    return flushOutput(out, err) ? exitSuccess : exitFailure;
}

} // namespace

void printPorts(const std::vector<PortEntry>& ports, std::ostream& out) {
    const auto preferred = preferredPort(ports, std::nullopt);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        out << ports[i].path << "\t" << escapedUtf8(ports[i].name) << (preferred == i ? "\tpreferred" : "")
            << "\n";
    }
}

const Command portsCommand{"ports", "", runPorts};

} // namespace marlo::cli
