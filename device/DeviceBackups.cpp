#include "device/DeviceBackups.h"

#include "device/PortDiscovery.h"

#include <chrono>

namespace marlo {

std::string deviceOfPort(const std::string& portPath) {
    return deviceFolderName(usbSerialNumber(portPath), portPath);
}

std::variant<std::string, BackupFailure>
keepReadBackup(const std::string& portPath, std::string_view configRecord, std::string_view firmwareVersion) {
    const std::optional<std::string> folder = backupsFolder();
    if (!folder) {
        return BackupFailure{BackupFailure::noFolder, {}, 0};
    }
    return keepBackup(*folder, deviceOfPort(portPath), configRecord, firmwareVersion,
                      std::chrono::system_clock::now());
}

std::variant<std::vector<BackupEntry>, BackupFailure> backupsOfPort(const std::string& portPath) {
    const std::optional<std::string> folder = backupsFolder();
    if (!folder) {
        return BackupFailure{BackupFailure::noFolder, {}, 0};
    }
    return listBackups(*folder, deviceOfPort(portPath));
}

} // namespace marlo
