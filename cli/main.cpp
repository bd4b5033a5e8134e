#include "cli/ApplyCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CliMessages.h"
#include "cli/Command.h"
#include "cli/DiffCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/PortCommands.h"
#include "cli/PortsCommand.h"
#include "cli/Translation.h"

#include <iostream>

namespace {

const marlo::cli::Command* const commands[] = {
    &marlo::cli::importCommand, &marlo::cli::exportCommand, &marlo::cli::readCommand,
    &marlo::cli::sendCommand,   &marlo::cli::scanCommand,   &marlo::cli::portsCommand,
    &marlo::cli::checkCommand,  &marlo::cli::diffCommand,   &marlo::cli::applyCommand,
};

void printUsage(std::ostream& stream) {
    stream << marlo::cli::said(marlo::cli::usageHeading, {}) << "\n";
    for (const marlo::cli::Command* command : commands) {
        stream << "  marlo-cli " << command->name;
        if (!command->usage.empty()) {
            stream << " " << command->usage;
        }
        stream << "\n";
    }
    stream << "  marlo-cli --help | --version\n";
    stream << marlo::cli::said(marlo::cli::languageOption, {}) << "\n";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    marlo::Language language = marlo::systemLanguage();
    if (!arguments.empty() && arguments.front() == "--lang") {
        const auto named = arguments.size() >= 2 ? marlo::languageNamed(arguments[1]) : std::nullopt;
        if (!named) {
            printUsage(std::cerr);
            return marlo::cli::exitUsage;
        }
        language = *named;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    marlo::cli::setLanguage(language);
    if (!arguments.empty()) {
        if (arguments.front() == "--help" || arguments.front() == "-h") {
            printUsage(std::cout);
            return marlo::cli::exitSuccess;
        }
        if (arguments.front() == "--version") {
            std::cout << "marlo-cli " MARLO_VERSION "\n";
            return marlo::cli::exitSuccess;
        }
        for (const marlo::cli::Command* command : commands) {
            if (command->name == arguments.front()) {
                return command->run({arguments.begin() + 1, arguments.end()}, std::cout, std::cerr);
            }
        }
    }
    printUsage(std::cerr);
    return marlo::cli::exitUsage;
}
