#include "cli/DiffCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/DeviceRead.h"
#include "cli/RecordFileImport.h"
#include "cli/Translation.h"
#include "record/SettingsComparison.h"

#include <optional>
#include <vector>

namespace marlo::cli {

namespace {

constexpr std::string_view usage = "(FILE | --port PATH) (FILE | --port PATH)";

// A configuration to compare: a record file, or the device on a port.
struct Source {
    std::string path;
    bool port = false;
};

std::optional<std::vector<Source>> parse(const std::vector<std::string>& arguments) {
    std::vector<Source> sources;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--port" && i + 1 < arguments.size()) {
            sources.push_back({arguments[++i], true});
        } else if (arguments[i].starts_with("--")) {
            return std::nullopt;
        } else {
            sources.push_back({arguments[i], false});
        }
    }
    return sources.size() == 2 ? std::optional(std::move(sources)) : std::nullopt;
}

// The settings of the source, or no value after saying why not.
std::optional<DeviceSettings> settingsOf(const Source& source, std::ostream& err) {
    SettingsDocument document;
    if (!source.port) {
        return importRecordFile(document, source.path, std::nullopt, err) ? std::nullopt
                                                                          : std::optional(document.loaded);
    }
    if (!readDeviceSettings(source.path, document, err)) {
        return std::nullopt;
    }
    return document.loaded;
}

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto sources = parse(arguments);
    if (!sources) {
        err << said(commandUsage, {"diff " + std::string(usage)}) << "\n";
        return exitUsage;
    }
    const std::optional<DeviceSettings> before = settingsOf((*sources)[0], err);
    const std::optional<DeviceSettings> after = before ? settingsOf((*sources)[1], err) : std::nullopt;
    if (!after) {
        return exitUsage;
    }
    const std::vector<SettingDifference> differences = differingSettings(*before, *after);
    for (const SettingDifference& difference : differences) {
        out << settingName(settingRow(difference.setting), difference.element) << "\t"
            << differenceLine(difference, *before, *after, translatedWindowText) << "\n";
    }
    if (!flushOutput(out, err)) {
        return exitUsage;
    }
    return differences.empty() ? exitSuccess : exitFailure;
}

} // namespace

const Command diffCommand{"diff", usage, run};

} // namespace marlo::cli
