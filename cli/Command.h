#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace marlo::cli {

// The exit codes of every command.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1; // the operation ran and failed
inline constexpr int exitUsage = 2;   // a wrong command line or an unreadable file

// One command of marlo-cli: the arguments after its name, standard output and standard error.
using CommandFunction = int (*)(const std::vector<std::string>& arguments, std::ostream& out,
                                std::ostream& err);

struct Command {
    std::string_view name;
    std::string_view usage; // the arguments, for the usage text
    CommandFunction run;
};

} // namespace marlo::cli
