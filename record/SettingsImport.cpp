#include "record/SettingsImport.h"

#include "record/Codecs.h"
#include "record/SettingsSchema.h"

#include <algorithm>

namespace marlo {

namespace {

constexpr bool required = true;
constexpr bool optional = false;

struct Import {
    SettingsDocument& document;
    DeviceSettings& loaded;
    bool copyToEdited;
    RecordReader reader;

    // A lookup of the setting where its row places it in the configuration record.
    bool read(Setting setting, bool isRequired) const {
        return reader.lookup(document.configRecord, settingRow(setting), isRequired);
    }

    // The rows of these groups that are read in turn, each required, in the schema's order.
    bool readInTurn(std::initializer_list<const RecordGroup*> groups) const {
        for (const SettingRow& row : settingsSchema()) {
            if (row.inTurn && std::find(groups.begin(), groups.end(), row.place.group) != groups.end() &&
                !read(row.setting, required)) {
                return false;
            }
        }
        return true;
    }

    bool readDestination(Setting setting, std::size_t host, bool isRequired) const {
        return reader.lookupDestination(document.configRecord, settingRow(setting), host, isRequired);
    }

    bool radioAndInterfaces() const {
        return readInTurn({&groups::radio, &groups::station, &groups::accessPointInterface}) &&
               read(Setting::apDhcpRangeStart, required) && read(Setting::apDhcpRangeEnd, required);
    }

    bool accessPoint() const {
        DeviceSettings::AccessPoint& ap = loaded.accessPoint;
        ap.ssid.clear();
        ap.passphrase.clear();
        ap.guest = 0;
        ap.channel = 0;
        ap.suite = 0;
        ap.ccmp = 0;
        ap.tkip = 0;
        if (read(Setting::accessPointSsid, optional)) {
            if (!readInTurn({&groups::accessPoint})) {
                return false;
            }
            if (ap.suite != accessPointOpen) {
                if (!read(Setting::accessPointCcmp, required)) {
                    return false;
                }
                read(Setting::accessPointPassphrase, optional);
            }
        }
        if (copyToEdited) {
            DeviceSettings::AccessPoint& target = document.edited.accessPoint;
            target.ssid = ap.ssid;
            target.guest = ap.guest;
            target.channel = ap.channel;
            target.suite = ap.suite;
            target.passphrase = ap.passphrase;
            target.ccmp = ap.ccmp;
            target.tkip = ap.tkip;
        }
        ap.edited = copyToEdited ? 1 : 0;
        return true;
    }

    bool serverMode() const {
        if (!readInTurn({&groups::tunnelAccept}) || !read(Setting::acceptFlushLine, required)) {
            return false;
        }
        loaded.accept.password.clear();
        read(Setting::acceptPassword, optional);
        loaded.accept.startCharacter = 0;
        loaded.accept.flushStartCharacter = 0;
        if (loaded.accept.mode == tunnelStartCharacter) {
            return read(Setting::acceptStartCharacter, required) &&
                   read(Setting::acceptFlushStartCharacter, required);
        }
        return true;
    }

    bool clientMode() const {
        loaded.connect.connections = 0;
        loaded.connect.reconnectTime = 15;
        if (!readInTurn({&groups::tunnelConnect})) {
            return false;
        }
        read(Setting::connectReconnectTime, optional);
        read(Setting::connectConnections, optional);
        loaded.connect.startCharacter = 0;
        loaded.connect.flushStartCharacter = 0;
        if (loaded.connect.mode == tunnelStartCharacter) {
            return read(Setting::connectStartCharacter, required) &&
                   read(Setting::connectFlushStartCharacter, required);
        }
        return true;
    }

    bool destinations() const {
        DeviceSettings::Connect& connect = loaded.connect;
        DeviceSettings::Connect& target = document.edited.connect;
        connect.hosts.fill(HostEntry{});
        if (copyToEdited) {
            target.hosts.fill(HostEntry{});
            target.connections = connect.connections;
            target.reconnectTime = connect.reconnectTime;
        }
        connect.edited = copyToEdited ? 1 : 0;
        for (std::size_t i = 0; i < connect.hosts.size(); ++i) {
            if (!readDestination(Setting::hostAddress, i, optional)) {
                break;
            }
            if (!readDestination(Setting::hostPort, i, required) ||
                !readDestination(Setting::connectProtocol, i, required) ||
                !readDestination(Setting::hostInitialSend, i, required) ||
                !readDestination(Setting::hostLocalPort, i, required) ||
                !readDestination(Setting::connectReception, i, required)) {
                return false;
            }
            if (copyToEdited) {
                target.hosts[i] = connect.hosts[i];
            }
            if (i == 0 && connect.protocol == protocolUdp) {
                break; // a UDP connection has one destination
            }
        }
        if (copyToEdited) {
            target.protocol = connect.protocol;
            target.reception = connect.reception;
        }
        return true;
    }

    bool disconnection() const {
        if (!readInTurn({&groups::tunnelDisconnect})) {
            return false;
        }
        if (!read(Setting::disconnectStopCharacter, optional)) {
            loaded.disconnect.stopCharacterEnabled = 0;
            loaded.disconnect.stopCharacter = 0;
        }
        return true;
    }

    bool packing() const {
        DeviceSettings::Packing& packing = loaded.packing;
        if (!readInTurn({&groups::tunnelPacking})) {
            return false;
        }
        packing.threshold = 512;
        packing.timeout = 1000;
        packing.sendCharacter = 13;
        packing.flushSendCharacter = 0;
        packing.trailingCharacterEnabled = 0;
        if (packing.enabled != 1) {
            return true;
        }
        if (!read(Setting::packingThreshold, required)) {
            return false;
        }
        if (packing.mode == packingByTimeout) {
            return read(Setting::packingTimeout, required);
        }
        if (packing.mode == packingBySendCharacter) {
            return read(Setting::packingSendCharacter, required) &&
                   read(Setting::packingFlushSendCharacter, required) &&
                   read(Setting::packingTrailingCharacter, required);
        }
        return true;
    }

    bool serialLine() const {
        loaded.line.gapTimer = 0;
        loaded.line.threshold = 56;
        loaded.line.pushCount = 0;
        if (!readInTurn({&groups::line})) {
            return false;
        }
        if (loaded.line.flowControl == softwareFlowControl &&
            (!read(Setting::lineXonChar, required) || !read(Setting::lineXoffChar, required))) {
            return false;
        }
        read(Setting::lineGapTimer, optional);
        read(Setting::lineThreshold, optional);
        read(Setting::linePush, optional);
        return true;
    }

    bool stationProfiles() const {
        const std::string groupStart =
            "<configgroup name = \"" + std::string(groups::wlanProfile.name) + "\"";
        constexpr std::string_view groupEnd = "</configgroup>";
        constexpr std::size_t groupEndWithLineEnd = groupEnd.size() + 2;
        constexpr std::string_view instanceStart = "instance = \"";
        const std::string_view record = document.configRecord;
        std::int32_t count = 0;
        std::size_t position = 0;
        while (count < DeviceSettings::maxProfiles) {
            const std::size_t start = record.find(groupStart, position);
            if (start == std::string_view::npos) {
                break;
            }
            const std::size_t end = record.find(groupEnd, start);
            if (end == std::string_view::npos) {
                break;
            }
            const std::size_t next = std::min(record.size(), end + groupEndWithLineEnd);
            const std::string_view group = record.substr(start, next - start);
            // The name is an attribute of the group's start line: taken from further on it could
            // hold a line end, which a saved record cannot carry.
            const std::string_view startLine = group.substr(0, group.find('\r'));
            const std::size_t nameStart = startLine.find(instanceStart);
            if (nameStart == std::string_view::npos) {
                break;
            }
            const std::size_t nameEnd = startLine.find("\">", nameStart + instanceStart.size());
            if (nameEnd == std::string_view::npos) {
                break;
            }
            WlanProfile& profile = loaded.profiles[static_cast<std::size_t>(count)];
            const auto readProfile = [&](Setting setting, bool isRequired) {
                return reader.lookupAnyInstance(group, settingRow(setting), static_cast<std::size_t>(count),
                                                isRequired);
            };
            if (!readProfile(Setting::profileNetworkName, required) ||
                !readProfile(Setting::profileState, required) ||
                !readProfile(Setting::profileSuite, required)) {
                return false;
            }
            profile.keyType = keyPassphrase;
            if (profile.suite != profileOpen) {
                readProfile(Setting::profileKeyType, optional);
            }
            const std::size_t nameBegin = nameStart + instanceStart.size();
            profile.name = unescapeText(group.substr(nameBegin, nameEnd - nameBegin));
            position = next;
            ++count;
        }
        loaded.profileCount = count;
        return true;
    }

    void stationAddress() const {
        reader.lookup(document.statusRecord, settingRow(Setting::staCurrentIpAddress), optional);
    }
};

} // namespace

bool importSettings(SettingsDocument& document, int copyToEdited, const MessageSink& sink) {
    const Import import{document, document.loaded, copyToEdited == 1, RecordReader(document.loaded, sink)};
    if (!import.radioAndInterfaces() || !import.accessPoint() || !import.serverMode() ||
        !import.clientMode() || !import.destinations() || !import.disconnection() || !import.packing() ||
        !import.serialLine() || !import.stationProfiles()) {
        return false;
    }
    import.stationAddress();
    return true;
}

} // namespace marlo
