#include "cli/CheckCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/RecordFileImport.h"
#include "cli/Translation.h"
#include "record/ConfigurationCheck.h"

#include <optional>
#include <utility>
#include <vector>

namespace marlo::cli {

namespace {

constexpr std::string_view usage = "FILE [--set NAME=VALUE]...";

struct CheckArguments {
    std::string file;
    std::vector<std::pair<std::string, std::string>> values; // name and value, in order
};

std::optional<CheckArguments> parse(const std::vector<std::string>& arguments) {
    CheckArguments parsed;
    bool hasFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--set" && i + 1 < arguments.size()) {
            const std::string& assignment = arguments[++i];
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos) {
                return std::nullopt;
            }
            parsed.values.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
        } else if (arguments[i].starts_with("--") || hasFile) {
            return std::nullopt;
        } else {
            parsed.file = arguments[i];
            hasFile = true;
        }
    }
    return hasFile ? std::optional(std::move(parsed)) : std::nullopt;
}

// Puts each value in; false after saying which one could not be taken.
bool setValues(const CheckArguments& parsed, DeviceSettings& settings, std::ostream& err) {
    for (const auto& [name, value] : parsed.values) {
        const std::optional<NamedSetting> named = settingNamed(name);
        if (!named) {
            err << said(unknownSetting, {displayUtf8(name)}) << "\n";
            return false;
        }
        if (!setFromPrinted(*named, value, settings)) {
            err << said(unusableValue, {displayUtf8(name), displayUtf8(value)}) << "\n";
            return false;
        }
    }
    return true;
}

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(arguments);
    if (!parsed) {
        err << said(commandUsage, {"check " + std::string(usage)}) << "\n";
        return exitUsage;
    }
    SettingsDocument document;
    const FileImportResult result = importRecordFile(document, parsed->file, std::nullopt, err);
    if (result == FileImportResult::unreadable) {
        return exitUsage;
    }
    if (result == FileImportResult::importFailed) {
        err << translated("SettingsImport", importFailedMessage) << "\n";
        return exitFailure;
    }
    if (!setValues(*parsed, document.loaded, err)) {
        return exitUsage;
    }
    // As the window has it once the record is loaded and nothing was typed.
    document.edited = document.loaded;
    bool refused = false;
    const RefusalSink print = [&](const ConfigurationRefusal& refusal) {
        refused = true;
        out << settingName(settingRow(refusal.setting), refusal.element) << ": "
            << translated(refusal.context, refusal.message) << "\n";
        return true;
    };
    const EditTexts asLoaded = [](Setting, std::size_t) { return std::optional<TypedText>(); };
    for (const CheckSection section : checkSections()) {
        checkSection(section, document, asLoaded, print);
    }
    if (!flushOutput(out, err)) {
        return exitFailure;
    }
    return refused ? exitFailure : exitSuccess;
}

} // namespace

const Command checkCommand{"check", usage, runCheck};

} // namespace marlo::cli
