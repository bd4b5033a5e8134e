#include "cli/ExportCommand.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/RecordFileImport.h"
#include "cli/SecretPrompt.h"
#include "cli/Translation.h"
#include "record/RecordWriter.h"
#include "record/TranslatableText.h"

#include <algorithm>
#include <optional>

namespace marlo::cli {

namespace {

constexpr std::string_view usage =
    "FILE --target device|file [--reboot] [--secret ap=TEXT] [--secret server=TEXT] "
    "[--secret profile=SSID:TEXT]...";

struct ExportArguments {
    std::string file;
    RecordTarget target = RecordTarget::device;
    bool reboot = false;
    SecretPrompt secrets;
};

constexpr const char* profileNotInRecord =
    QT_TRANSLATE_NOOP("marlo-cli", "記録にこのSSIDのステーションプロファイルがありません。");

// The first profile key given for a network name that none of the record's station profiles has.
std::optional<std::string> keyWithoutProfile(const SecretPrompt& secrets, const DeviceSettings& settings) {
    const auto count =
        static_cast<std::size_t>(std::clamp(settings.profileCount, 0, DeviceSettings::maxProfiles));
    const auto end = settings.profiles.begin() + static_cast<std::ptrdiff_t>(count);
    for (const auto& key : secrets.profileKeys) {
        const std::string& networkName = key.first;
        if (std::none_of(settings.profiles.begin(), end,
                         [&](const WlanProfile& profile) { return profile.networkName == networkName; })) {
            return networkName;
        }
    }
    return std::nullopt;
}

std::optional<ExportArguments> parse(const std::vector<std::string>& arguments, std::ostream& err) {
    ExportArguments parsed;
    bool hasFile = false;
    bool hasTarget = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--target" && hasValue &&
            (arguments[i + 1] == "device" || arguments[i + 1] == "file")) {
            parsed.target = arguments[++i] == "file" ? RecordTarget::file : RecordTarget::device;
            hasTarget = true;
        } else if (argument == "--reboot") {
            parsed.reboot = true;
        } else if (argument == "--secret" && hasValue) {
            if (!takeSecret(arguments[++i], parsed.secrets, err)) {
                return std::nullopt;
            }
        } else if (argument.starts_with("--") || hasFile) {
            return std::nullopt;
        } else {
            parsed.file = argument;
            hasFile = true;
        }
    }
    if (!hasFile || !hasTarget) {
        return std::nullopt;
    }
    return parsed;
}

// What the pages store when every one of them keeps what it shows: everything of `loaded` except
// the access point and the destinations, which the import put into `edited` already.
void storeShownSettings(SettingsDocument& document) {
    DeviceSettings shown = document.loaded;
    const DeviceSettings& edited = document.edited;
    shown.accessPoint = edited.accessPoint;
    shown.connect.connections = edited.connect.connections;
    shown.connect.reconnectTime = edited.connect.reconnectTime;
    shown.connect.protocol = edited.connect.protocol;
    shown.connect.reception = edited.connect.reception;
    shown.connect.hosts = edited.connect.hosts;
    shown.connect.edited = edited.connect.edited;
    document.edited = shown;
}

int runExport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto parsed = parse(arguments, err);
    if (!parsed) {
        err << said(commandUsage, {"export " + std::string(usage)}) << "\n";
        return exitUsage;
    }
    SettingsDocument document;
    if (const std::optional<int> failed = importRecordFile(document, parsed->file, std::nullopt, err)) {
        return *failed;
    }
    if (const auto unknown = keyWithoutProfile(parsed->secrets, document.loaded)) {
        err << "marlo-cli: --secret profile=" << escapedText(*unknown) << ": "
            << translated("marlo-cli", profileNotInRecord) << "\n";
        return exitUsage;
    }
    storeShownSettings(document);
    document.edited.reboot = parsed->reboot ? 1 : 0;
    RecordRefusal refusal;
    const auto record = buildRecord(document, parsed->target, &parsed->secrets, &refusal);
    if (!record && refusal.message != nullptr) {
        err << said(recordCannotHold,
                    {parsed->file, recordRefusalText(refusal, translated(refusal.context, refusal.message))})
            << "\n";
        return exitFailure;
    }
    if (!record) {
        const SecretPrompt& secrets = parsed->secrets;
        err << "marlo-cli: --secret " << secrets.refusedSecret << ": "
            << (secrets.refusal != nullptr ? translated("PasswordPrompt", secrets.refusal) : "") << "\n";
        return exitUsage;
    }
    out.write(record->data(), static_cast<std::streamsize>(record->size()));
    return flushOutput(out, err) ? exitSuccess : exitFailure;
}

} // namespace

const Command exportCommand{"export", usage, runExport};

} // namespace marlo::cli
