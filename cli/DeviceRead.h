#pragma once

#include "device/DeviceLink.h"
#include "record/SettingsDocument.h"

#include <ostream>
#include <string>
#include <string_view>

namespace marlo::cli {

// The system's text about a failed read or write on the port, said on `err`: there is no clipboard
// here.
ClipboardSink systemTextTo(std::ostream& err);

// `message`, and under it why the port did not open when that is what failed the operation.
void reportFailure(std::string_view message, const DeviceLink& link, std::ostream& err);

// Reads the configuration and status records and the firmware version of the device on `port` into
// `document`; false after saying why not.
bool readDeviceRecords(const std::string& port, SettingsDocument& document, std::ostream& err);

// Imports the records read into `document.loaded`; false after the import's messages on `err`.
bool importDeviceRecords(SettingsDocument& document, std::ostream& err);

// Keeps the configuration record of a successful read among the device's backups: the backup's
// path, or why it was not kept, which fails nothing.
struct KeptBackup {
    std::string path;
    std::string warning;
};
KeptBackup keepBackupOfRead(const std::string& port, const SettingsDocument& document);

// The device read as the window reads it: the records, their import and the backup; false after
// saying why on `err`. A backup not kept is said on `err` too.
bool readDeviceSettings(const std::string& port, SettingsDocument& document, std::ostream& err,
                        KeptBackup* kept = nullptr);

} // namespace marlo::cli
