// The settings import on outside bytes, as a read from the device runs it (configuration and status
// record, nothing copied) and as a file load runs it (the copy into the edited settings). The input
// is the configuration record, a zero byte, then the status record.

#include "fuzz/FuzzCheck.h"
#include "fuzz/SettingsChecks.h"
#include "record/SettingsImport.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using marlo::fuzz::require;

void importAsRead(std::string_view config, std::string_view status) {
    marlo::SettingsDocument document;
    document.configRecord = config;
    document.statusRecord = status;
    const marlo::DeviceSettings edited = document.edited;
    const bool imported = marlo::importSettings(document, 0, [](const std::string&) {});
    require(document.edited == edited, "a read leaves the edited settings alone");
    require(!imported || marlo::fuzz::keepsItsInvariants(document.loaded), "a read imports valid settings");
    require(document.loaded.accessPoint.edited == 0 && document.loaded.connect.edited == 0,
            "a read marks nothing as edited");
}

void importAsFileLoad(std::string_view config) {
    marlo::SettingsDocument document;
    document.configRecord = config;
    document.loadedFromFile = 1;
    if (!marlo::importSettings(document, 1, [](const std::string&) {})) {
        return;
    }
    const marlo::DeviceSettings& loaded = document.loaded;
    const marlo::DeviceSettings& edited = document.edited;
    require(marlo::fuzz::keepsItsInvariants(loaded), "a file load imports valid settings");
    require(loaded.accessPoint.edited == 1 && loaded.connect.edited == 1, "a file load marks its copies");
    marlo::DeviceSettings::AccessPoint accessPoint = edited.accessPoint;
    accessPoint.edited = loaded.accessPoint.edited;
    require(accessPoint == loaded.accessPoint, "a file load copies the access point");
    require(edited.connect.hosts == loaded.connect.hosts &&
                edited.connect.protocol == loaded.connect.protocol &&
                edited.connect.reception == loaded.connect.reception &&
                edited.connect.connections == loaded.connect.connections &&
                edited.connect.reconnectTime == loaded.connect.reconnectTime,
            "a file load copies the destinations");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = input.find('\0');
    const std::string_view config = input.substr(0, zero);
    const std::string_view status =
        zero == std::string_view::npos ? std::string_view{} : input.substr(zero + 1);
    importAsRead(config, status);
    importAsFileLoad(config);
    return 0;
}
