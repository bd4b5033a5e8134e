#include "cli/DeviceRead.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/Translation.h"
#include "device/DeviceBackups.h"
#include "device/DeviceMessages.h"
#include "device/PortOpenFailure.h"
#include "record/SettingsImport.h"

namespace marlo::cli {

ClipboardSink systemTextTo(std::ostream& err) {
    return [&err](const std::string& text) { err << said(portFailure, {text}) << "\n"; };
}

void reportFailure(std::string_view message, const DeviceLink& link, std::ostream& err) {
    err << message << "\n";
    if (const auto failure = link.reachFailure()) {
        const std::string_view reason = translated("PortOpenFailure", portOpenFailureTemplate(*failure));
        err << "\n" << escapedUtf8(portOpenFailureText(*failure, reason)) << "\n";
    }
}

bool readDeviceRecords(const std::string& port, SettingsDocument& document, std::ostream& err) {
    DeviceLink link(systemTextTo(err));
    link.setPortPath(port);
    if (!link.readRecords(document.configRecord, document.statusRecord, document.firmwareVersion)) {
        reportFailure(translated("DeviceMessages", communicationFailedMessage), link, err);
        return false;
    }
    document.loadedFromFile = 0;
    return true;
}

bool importDeviceRecords(SettingsDocument& document, std::ostream& err) {
    if (!importSettings(document, 0,
                        [&err](const std::string& message) { err << escapedMessage(message) << "\n"; })) {
        err << translated("SettingsImport", importFailedMessage) << "\n";
        return false;
    }
    return true;
}

KeptBackup keepBackupOfRead(const std::string& port, const SettingsDocument& document) {
    const auto backup = keepReadBackup(port, document.configRecord, document.firmwareVersion);
    if (const auto* failure = std::get_if<BackupFailure>(&backup)) {
        const std::string_view text = translated("ConfigurationBackups", backupFailureTemplate(*failure));
        return {{}, escapedUtf8(backupFailureText(*failure, text))};
    }
    return {std::get<std::string>(backup), {}};
}

bool readDeviceSettings(const std::string& port, SettingsDocument& document, std::ostream& err,
                        KeptBackup* kept) {
    if (!readDeviceRecords(port, document, err) || !importDeviceRecords(document, err)) {
        return false;
    }
    const KeptBackup backup = keepBackupOfRead(port, document);
    if (kept != nullptr) {
        *kept = backup;
    } else if (!backup.warning.empty()) {
        err << "marlo-cli: " << backup.warning << "\n";
    }
    return true;
}

} // namespace marlo::cli
