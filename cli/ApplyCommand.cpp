#include "cli/ApplyCommand.h"

#include "cli/ApplyReport.h"
#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/DeviceRead.h"
#include "cli/RecordFileImport.h"
#include "cli/SecretPrompt.h"
#include "cli/SettingAssignments.h"
#include "cli/Translation.h"
#include "device/DeviceBackups.h"
#include "device/DeviceMessages.h"
#include "record/RecordWriter.h"
#include "record/SettingsComparison.h"
#include "record/TextArguments.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

namespace marlo::cli {

namespace {

using namespace std::chrono_literals;

constexpr std::string_view usage =
    "FILE --port PATH [--port PATH]... [--set NAME=VALUE]... [--port-set PATH:NAME=VALUE]... "
    "[--secret ap=TEXT] [--secret server=TEXT] [--secrets-stdin] [--reboot] [--dry-run] [--json]";

constexpr const char* notHeldMessage =
    QT_TRANSLATE_NOOP("marlo-cli", "書き込んだ設定をデバイスが保持していません。");
constexpr const char* noAnswerAfterWriteMessage =
    QT_TRANSLATE_NOOP("marlo-cli", "書き込みの後、デバイスから設定を読み込めませんでした。");

// The device takes a moment to apply a record before it answers a read again; after a reset it
// answers once it is up again.
constexpr std::chrono::milliseconds settleTime{2000};
constexpr int readsAfterReset = 15;

struct ApplyArguments {
    std::string file;
    std::vector<std::string> ports;
    Assignments values;
    std::map<std::string, Assignments> portValues;
    SecretPrompt secrets; // the access point passphrase and the server password only
    bool reboot = false;
    bool dryRun = false;
    bool json = false;
};

std::optional<ApplyArguments> parse(const std::vector<std::string>& arguments, std::ostream& err) {
    ApplyArguments parsed;
    bool hasFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--port" && hasValue) {
            parsed.ports.push_back(arguments[++i]);
        } else if (argument == "--set" && hasValue) {
            auto value = assignment(arguments[++i]);
            if (!value) {
                return std::nullopt;
            }
            parsed.values.push_back(std::move(*value));
        } else if (argument == "--port-set" && hasValue) {
            // PATH:NAME=VALUE; a port path may hold ':' itself (\\.\COM5 does not, a URL-like one might).
            const std::string& text = arguments[++i];
            const std::size_t equals = text.find('=');
            const std::size_t colon = text.rfind(':', equals);
            auto value = colon == std::string::npos ? std::nullopt : assignment(text.substr(colon + 1));
            if (!value) {
                return std::nullopt;
            }
            parsed.portValues[text.substr(0, colon)].push_back(std::move(*value));
        } else if (argument == "--secret" && hasValue) {
            if (!takeSecret(arguments[++i], parsed.secrets, err)) {
                return std::nullopt;
            }
        } else if (argument == "--secrets-stdin") {
            // One "ap=TEXT" or "server=TEXT" a line: kept off the command line other users can see.
            for (std::string line; std::getline(std::cin, line);) {
                if (!line.empty() && !takeSecret(line, parsed.secrets, err)) {
                    return std::nullopt;
                }
            }
        } else if (argument == "--reboot") {
            parsed.reboot = true;
        } else if (argument == "--dry-run") {
            parsed.dryRun = true;
        } else if (argument == "--json") {
            parsed.json = true;
        } else if (argument.starts_with("--") || hasFile) {
            return std::nullopt;
        } else {
            parsed.file = argument;
            hasFile = true;
        }
    }
    const bool portSetsKnown =
        std::all_of(parsed.portValues.begin(), parsed.portValues.end(), [&](const auto& port) {
            return std::find(parsed.ports.begin(), parsed.ports.end(), port.first) != parsed.ports.end();
        });
    std::vector<std::string> sorted = parsed.ports;
    std::sort(sorted.begin(), sorted.end());
    const bool portsDistinct = std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
    // Station profiles are never written to a device, nor their keys.
    const bool noProfileKeys = parsed.secrets.profileKeys.empty();
    if (!hasFile || parsed.ports.empty() || !portSetsKnown || !portsDistinct || !noProfileKeys) {
        return std::nullopt;
    }
    return parsed;
}

// Whether the secret is a change: the device shows a secret it holds only as set, so one that is
// set on both sides may or may not differ and is written with the other changes, never alone;
// setting one where none is, or clearing one, is a change.
bool secretChanges(const SettingDifference& difference, const DeviceSettings& device,
                   const DeviceSettings& wanted) {
    const auto isSet = [&](const DeviceSettings& settings) {
        return !fieldOf<Text>(settingRow(difference.setting), settings).empty();
    };
    return isSet(device) != isSet(wanted);
}

// The changes from the device's settings to the ones to write, a secret only as changed.
std::vector<SettingChange> changesBetween(const DeviceSettings& device, const DeviceSettings& wanted) {
    std::vector<SettingChange> changes;
    for (const SettingDifference& difference : differingSettings(device, wanted)) {
        if (isSecret(difference.setting) && !secretChanges(difference, device, wanted)) {
            continue;
        }
        changes.push_back({settingName(settingRow(difference.setting), difference.element),
                           settingTitle(difference, translatedWindowText),
                           shownText(shownValue(difference, device), translatedWindowText),
                           shownText(shownValue(difference, wanted), translatedWindowText)});
    }
    return changes;
}

// Reads the device into `document`, keeping its backup; the reason when it could not be read.
std::optional<std::string> readDevice(const std::string& port, SettingsDocument& document, KeptBackup& kept) {
    std::ostringstream said;
    if (!readDeviceSettings(port, document, said, &kept)) {
        return said.str();
    }
    return std::nullopt;
}

// The settings of FILE with the values given, as the window would write them once loaded.
SettingsDocument wantedDocument(const SettingsDocument& file, const ApplyArguments& parsed,
                                const std::string& port) {
    SettingsDocument wanted = file;
    const auto own = parsed.portValues.find(port);
    if (own != parsed.portValues.end()) {
        std::ostringstream ignored; // the values were tried once before any port was worked on
        setValues(own->second, wanted.loaded, ignored);
    }
    wanted.edited = wanted.loaded;
    if (parsed.secrets.accessPointPassphrase) {
        wanted.edited.accessPoint.passphrase = *parsed.secrets.accessPointPassphrase;
    }
    if (parsed.secrets.serverPassword) {
        wanted.edited.accept.password = *parsed.secrets.serverPassword;
    }
    wanted.edited.reboot = parsed.reboot ? 1 : 0;
    return wanted;
}

PortOutcome applyToPort(const SettingsDocument& file, const ApplyArguments& parsed, const std::string& port,
                        ProgressBoard& progress, std::size_t line) {
    PortOutcome outcome;
    outcome.port = port;
    outcome.device = deviceOfPort(port);
    progress.show(line, port, translated("marlo-cli", readingStep));
    SettingsDocument device;
    KeptBackup kept;
    if (auto reason = readDevice(port, device, kept)) {
        return outcome.fail(std::move(*reason));
    }
    // The backup of the device as it was, the one to go back to.
    outcome.backup = kept.path;
    outcome.warning = kept.warning;
    SettingsDocument wanted = wantedDocument(file, parsed, port);
    Assignments given = parsed.values;
    if (const auto own = parsed.portValues.find(port); own != parsed.portValues.end()) {
        given.insert(given.end(), own->second.begin(), own->second.end());
    }
    if (parsed.secrets.accessPointPassphrase) {
        // Typed in the access point dialog, whose OK judges it.
        given.emplace_back(settingName(settingRow(Setting::accessPointPassphrase), 0), std::string());
    }
    const bool passed = judgeSettings(wanted, given, [&](const ConfigurationRefusal& refusal) {
        outcome.refusals.push_back(
            {settingName(settingRow(refusal.setting), refusal.element),
             withArguments(translated(refusal.context, refusal.message), {refusal.argument})});
        return true;
    });
    if (!passed) {
        outcome.result = PortOutcome::refused;
        return outcome;
    }
    DeviceSettings after = settingsToWrite(wanted);
    after.profiles = device.loaded.profiles;
    after.profileCount = device.loaded.profileCount;
    outcome.changes = changesBetween(device.loaded, after);
    if (outcome.changes.empty()) {
        outcome.result = PortOutcome::unchanged;
        return outcome;
    }
    if (parsed.dryRun) {
        outcome.result = PortOutcome::wouldChange;
        return outcome;
    }

    progress.show(line, port, translated("marlo-cli", writingStep));
    RecordRefusal refusal;
    const auto record = buildRecord(wanted, RecordTarget::device, nullptr, &refusal);
    if (!record) {
        return outcome.fail(recordRefusalText(refusal, translated(refusal.context, refusal.message)));
    }
    std::ostringstream said;
    DeviceLink link(systemTextTo(said));
    link.setPortPath(port);
    std::string reply;
    if (!link.sendRecord(*record, reply)) {
        reportFailure(std::string(translated("DeviceMessages", writeFailedMessage)) + "\n\n" +
                          escapedMessage(reply),
                      link, said);
        return outcome.fail(said.str());
    }

    outcome.written = true;
    progress.show(line, port, translated("marlo-cli", checkingStep));
    link.pause(settleTime);
    SettingsDocument written;
    std::optional<std::string> reason = readDevice(port, written, kept);
    for (int attempt = 1; reason && parsed.reboot && attempt < readsAfterReset; ++attempt) {
        link.pause(settleTime);
        written = SettingsDocument{};
        reason = readDevice(port, written, kept);
    }
    if (reason) {
        return outcome.fail(std::string(translated("marlo-cli", noAnswerAfterWriteMessage)) + "\n" + *reason);
    }
    std::vector<SettingChange> missing = changesBetween(written.loaded, after);
    if (!missing.empty()) {
        outcome.changes = std::move(missing);
        return outcome.fail(std::string(translated("marlo-cli", notHeldMessage)));
    }
    outcome.result = PortOutcome::changed;
    return outcome;
}

int runApply(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(arguments, err);
    if (!parsed) {
        err << said(commandUsage, {"apply " + std::string(usage)}) << "\n";
        return exitUsage;
    }
    SettingsDocument file;
    if (const std::optional<int> failed = importRecordFile(file, parsed->file, std::nullopt, err)) {
        return *failed;
    }
    // Every value is tried once here, so that a wrong one stops the run before any device is touched.
    if (!setValues(parsed->values, file.loaded, err)) {
        return exitUsage;
    }
    for (const auto& [port, values] : parsed->portValues) {
        DeviceSettings trial = file.loaded;
        if (!setValues(values, trial, err)) {
            return exitUsage;
        }
    }

    ProgressBoard progress(err, parsed->ports.size(), !parsed->json && isTerminal(err));
    std::vector<PortOutcome> outcomes(parsed->ports.size());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < parsed->ports.size(); ++i) {
        workers.emplace_back([&, i] {
            outcomes[i] = applyToPort(file, *parsed, parsed->ports[i], progress, i);
            progress.show(i, outcomes[i].port, resultWord(outcomes[i].result));
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    progress.finish();
    bool allWell = true;
    for (const PortOutcome& outcome : outcomes) {
        if (parsed->json) {
            out << jsonLine(outcome) << "\n";
        } else {
            out << reportText(outcome);
        }
        allWell =
            allWell && (outcome.result == PortOutcome::unchanged || outcome.result == PortOutcome::changed ||
                        outcome.result == PortOutcome::wouldChange);
    }
    if (!flushOutput(out, err)) {
        return exitFailure;
    }
    return allWell ? exitSuccess : exitFailure;
}

} // namespace

const Command applyCommand{"apply", usage, runApply};

} // namespace marlo::cli
