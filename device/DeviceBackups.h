#pragma once

#include "record/ConfigurationBackups.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace marlo {

// The backups of the device behind a port, in the user's backups folder.

// The folder name of the device behind the port: its adapter's USB serial number, else the port.
std::string deviceOfPort(const std::string& portPath);

// Keeps the configuration record of a successful read from the port among its device's backups;
// gives the backup's path, or why it was not kept.
std::variant<std::string, BackupFailure>
keepReadBackup(const std::string& portPath, std::string_view configRecord, std::string_view firmwareVersion);

// The backups of the device behind the port, newest first.
std::variant<std::vector<BackupEntry>, BackupFailure> backupsOfPort(const std::string& portPath);

} // namespace marlo
