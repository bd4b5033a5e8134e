#include "cli/CheckCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/RecordFileImport.h"
#include "cli/SettingAssignments.h"
#include "cli/Translation.h"
#include "record/ConfigurationCheck.h"
#include "record/TextArguments.h"

#include <optional>
#include <utility>
#include <vector>

namespace marlo::cli {

namespace {

constexpr std::string_view usage = "FILE [--set NAME=VALUE]...";

struct CheckArguments {
    std::string file;
    Assignments values;
};

std::optional<CheckArguments> parse(const std::vector<std::string>& arguments) {
    CheckArguments parsed;
    bool hasFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--set" && i + 1 < arguments.size()) {
            auto value = assignment(arguments[++i]);
            if (!value) {
                return std::nullopt;
            }
            parsed.values.push_back(std::move(*value));
        } else if (arguments[i].starts_with("--") || hasFile) {
            return std::nullopt;
        } else {
            parsed.file = arguments[i];
            hasFile = true;
        }
    }
    return hasFile ? std::optional(std::move(parsed)) : std::nullopt;
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
    if (!setValues(parsed->values, document.loaded, err)) {
        return exitUsage;
    }
    document.edited = document.loaded;
    const bool passed = judgeSettings(document, parsed->values, [&](const ConfigurationRefusal& refusal) {
        out << settingName(settingRow(refusal.setting), refusal.element) << ": "
            << withArguments(translated(refusal.context, refusal.message), {refusal.argument}) << "\n";
        return true;
    });
    if (!flushOutput(out, err)) {
        return exitFailure;
    }
    return passed ? exitSuccess : exitFailure;
}

} // namespace

const Command checkCommand{"check", usage, runCheck};

} // namespace marlo::cli
