#include "cli/ImportCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/RecordFileImport.h"
#include "cli/SettingsPrinter.h"
#include "cli/Translation.h"

#include <optional>

namespace marlo::cli {

namespace {

constexpr std::string_view usage = "FILE [--status STATUSFILE]";

int runImport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::optional<std::string> file;
    std::optional<std::string> statusFile;
    bool wellFormed = true;
    for (std::size_t i = 0; i < arguments.size() && wellFormed; ++i) {
        if (arguments[i] == "--status" && i + 1 < arguments.size()) {
            statusFile = arguments[++i];
        } else if (arguments[i].starts_with("--") || file) {
            wellFormed = false;
        } else {
            file = arguments[i];
        }
    }
    if (!wellFormed || !file) {
        err << said(commandUsage, {"import " + std::string(usage)}) << "\n";
        return exitUsage;
    }
    SettingsDocument document;
    if (const std::optional<int> failed = importRecordFile(document, *file, statusFile, err)) {
        return *failed;
    }
    printSettings(document.loaded, out);
    return flushOutput(out, err) ? exitSuccess : exitFailure;
}

} // namespace

const Command importCommand{"import", usage, runImport};

} // namespace marlo::cli
