#include "cli/Command.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/PortCommands.h"
#include "cli/PortsCommand.h"

#include <iostream>

namespace {

const marlo::cli::Command* const commands[] = {
    &marlo::cli::importCommand, &marlo::cli::exportCommand, &marlo::cli::readCommand,
    &marlo::cli::sendCommand,   &marlo::cli::scanCommand,   &marlo::cli::portsCommand,
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty()) {
        for (const marlo::cli::Command* command : commands) {
            if (command->name == arguments.front()) {
                return command->run({arguments.begin() + 1, arguments.end()}, std::cout, std::cerr);
            }
        }
    }
    std::cerr << "usage:\n";
    for (const marlo::cli::Command* command : commands) {
        std::cerr << "  marlo-cli " << command->name << " " << command->usage << "\n";
    }
    return marlo::cli::exitUsage;
}
