#include "cli/CheckCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/RecordFileImport.h"
#include "cli/Translation.h"
#include "record/ConfigurationCheck.h"
#include "record/TextArguments.h"

#include <algorithm>

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

// The dialogs whose settings a value is given for, in the order of the window's pages: the user
// would have changed them there and pressed OK, which runs the dialog's checks.
std::vector<SettingsDialog> dialogsChanged(const CheckArguments& parsed) {
    std::vector<SettingsDialog> dialogs;
    for (const SettingsDialog dialog : {SettingsDialog::accessPoint, SettingsDialog::destinations}) {
        const bool changed =
            std::any_of(parsed.values.begin(), parsed.values.end(), [dialog](const auto& value) {
                const std::optional<NamedSetting> named = settingNamed(value.first);
                return named && dialogOf(named->setting) == dialog;
            });
        if (changed) {
            dialogs.push_back(dialog);
        }
    }
    return dialogs;
}

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(arguments);
    if (!parsed) {
        err << said(commandUsage, {"check " + std::string(usage)}) << "\n";
        return exitUsage;
    }
    SettingsDocument document;
    if (const std::optional<int> failed = importRecordFile(document, parsed->file, std::nullopt, err)) {
        return *failed;
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
            << withArguments(translated(refusal.context, refusal.message), {refusal.argument}) << "\n";
        return true;
    };
    const EditTexts asLoaded = [](Setting, std::size_t) { return std::optional<TypedText>(); };
    for (const SettingsDialog dialog : dialogsChanged(*parsed)) {
        checkSection(dialogCheckSection(dialog), document, asLoaded, print);
    }
    for (const CheckSection section : pageCheckSections()) {
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
