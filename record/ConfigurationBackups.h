#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace marlo {

// Every configuration record read from a device is kept as a record file, owner-only, in a folder
// per device: <backups>/<device>/<UTC date and time>.xml, its first line naming the firmware the
// record was read with. Identical consecutive records are kept once, the newest `keptBackups` of
// a device are kept.

inline constexpr std::size_t keptBackups = 100;

// $XDG_DATA_HOME/marlo/backups, ~/.local/share/marlo/backups when it is unset or not absolute; on
// Windows the local application data folder's marlo\backups. No value when no home is known.
std::optional<std::string> backupsFolder();

// The folder name of a device: "usb-" and its adapter's USB vendor, product and serial number when
// it has a serial number, so that the same adapter on another port is the same device, else "port-"
// and the port's name. Only letters, digits, '-', '_' and '.' are kept.
std::string deviceFolderName(const std::optional<std::string>& usbSerialNumber, std::string_view portPath);

// Why the backups of a device could not be kept or listed: the folder concerned and the system's
// error number, or a folder other users may read.
struct BackupFailure {
    enum Reason { noFolder, cannotWrite, cannotList, folderNotPrivate } reason = cannotWrite;
    std::string folder;
    int error = 0;

    bool operator==(const BackupFailure&) const = default;
};

// Keeps `configRecord` as the device's newest backup unless the newest one holds the same record,
// then removes all but the newest `keptBackups`. Gives the path of the backup that holds it.
std::variant<std::string, BackupFailure> keepBackup(const std::string& backups, const std::string& device,
                                                    std::string_view configRecord,
                                                    std::string_view firmwareVersion,
                                                    std::chrono::system_clock::time_point now);

struct BackupEntry {
    std::string path;
    std::chrono::system_clock::time_point takenAt;
    std::string firmwareVersion; // empty when the file does not say it
};

// The device's backups, newest first; none when the device has no folder yet.
std::variant<std::vector<BackupEntry>, BackupFailure> listBackups(const std::string& backups,
                                                                  const std::string& device);

// The message for a failure, in UTF-8, to be translated in the context "ConfigurationBackups", with
// %1 standing for the folder and %2 for the system's text.
const char* backupFailureTemplate(const BackupFailure& failure);
// The message with the folder and the system's text in place of %1 and %2 of `text`, the template or
// its translation.
std::string backupFailureText(const BackupFailure& failure, std::string_view text);

// The configuration record of a backup's text: the text after its first line.
std::string_view backupRecord(std::string_view backupText);

} // namespace marlo
