#include "record/SettingsImport.h"

#include "record/Codecs.h"

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

    // A lookup in the configuration record, within one group.
    bool read(std::int32_t formatNumber, std::string_view group, std::optional<std::string_view> instance,
              std::string_view item, bool isRequired,
              std::optional<std::string_view> value = std::nullopt) const {
        return reader.lookup(document.configRecord, formatNumber,
                             {.group = group, .groupInstance = instance, .item = item, .value = value},
                             isRequired);
    }

    bool radioAndInterfaces() const {
        return read(2, "Radio", std::nullopt, "Band", required) &&
               read(3, "Interface", "wlan0", "State", required) &&
               read(4, "Interface", "wlan0", "Priority", required) &&
               read(5, "Radio", std::nullopt, "Keep Alive", required) &&
               read(6, "Interface", "wlan0", "DHCP Client", required) &&
               read(7, "Interface", "wlan0", "IP Address", required) &&
               read(8, "Interface", "wlan0", "Default Gateway", required) &&
               read(9, "Interface", "wlan0", "Primary DNS", required) &&
               read(10, "Interface", "wlan0", "Secondary DNS", required) &&
               read(11, "Interface", "ap0", "State", required) &&
               read(12, "Interface", "ap0", "Priority", required) &&
               read(13, "Interface", "ap0", "IP Address", required) &&
               read(14, "Interface", "ap0", "Default Gateway", required) &&
               read(15, "Interface", "ap0", "Primary DNS", required) &&
               read(16, "Interface", "ap0", "Secondary DNS", required) &&
               read(17, "Interface", "ap0", "DHCP IP Address Range", required, "Start") &&
               read(18, "Interface", "ap0", "DHCP IP Address Range", required, "End");
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
        const auto readAp = [this](std::int32_t formatNumber, std::string_view item, bool isRequired) {
            return read(formatNumber, "Access Point", "ap0", item, isRequired);
        };
        if (readAp(19, "SSID", optional)) {
            if (!readAp(20, "Guest", required) || !readAp(21, "Channel", required) ||
                !readAp(22, "Suite", required)) {
                return false;
            }
            if (ap.suite != 0) {
                if (!readAp(23, "Encryption", required)) {
                    return false;
                }
                readAp(24, "Passphrase", optional);
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
        const auto readAccept = [this](std::int32_t formatNumber, std::string_view item, bool isRequired) {
            return read(formatNumber, "Tunnel Accept", "1", item, isRequired);
        };
        if (!readAccept(29, "Mode", required) || !readAccept(30, "Local Port", required) ||
            !readAccept(31, "Multiple Connections", required) || !readAccept(34, "Flush Line", required)) {
            return false;
        }
        loaded.accept.password.clear();
        readAccept(32, "Password", optional);
        loaded.accept.startCharacter = 0;
        loaded.accept.flushStartCharacter = 0;
        if (loaded.accept.mode == tunnelStartCharacter) {
            return readAccept(33, "Start Character", required) &&
                   readAccept(35, "Flush Start Character", required);
        }
        return true;
    }

    bool clientMode() const {
        const auto readConnect = [this](std::int32_t formatNumber, std::string_view item, bool isRequired) {
            return read(formatNumber, "Tunnel Connect", "1", item, isRequired);
        };
        loaded.connect.connections = 0;
        loaded.connect.reconnectTime = 15;
        if (!readConnect(36, "Mode", required) || !readConnect(38, "Flush Line", required)) {
            return false;
        }
        readConnect(40, "Reconnect Time", optional);
        readConnect(42, "Connections", optional);
        loaded.connect.startCharacter = 0;
        loaded.connect.flushStartCharacter = 0;
        if (loaded.connect.mode == tunnelStartCharacter) {
            return readConnect(37, "Start Character", required) &&
                   readConnect(39, "Flush Start Character", required);
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
        const std::string_view record = document.configRecord;
        for (std::int32_t i = 0; i < DeviceSettings::maxHosts; ++i) {
            if (!reader.lookupDestination(record, 44, i, "Address", optional)) {
                break;
            }
            if (!reader.lookupDestination(record, 45, i, "Port", required) ||
                !reader.lookupDestination(record, 41, i, "Protocol", required) ||
                !reader.lookupDestination(record, 47, i, "Initial Send", required) ||
                !reader.lookupDestination(record, 46, i, "Local Port", required) ||
                !reader.lookupDestination(record, 43, i, "Reception", required)) {
                return false;
            }
            if (copyToEdited) {
                target.hosts[static_cast<std::size_t>(i)] = connect.hosts[static_cast<std::size_t>(i)];
            }
            if (i == 0 && connect.protocol == 1) {
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
        const auto readDisconnect = [this](std::int32_t formatNumber, std::string_view item,
                                           bool isRequired) {
            return read(formatNumber, "Tunnel Disconnect", "1", item, isRequired);
        };
        if (!readDisconnect(51, "Modem Control", required) || !readDisconnect(49, "Timeout", required) ||
            !readDisconnect(50, "Flush Line", required)) {
            return false;
        }
        if (!readDisconnect(48, "Stop Character", optional)) {
            loaded.disconnect.stopCharacterEnabled = 0;
            loaded.disconnect.stopCharacter = 0;
        }
        return true;
    }

    bool packing() const {
        const auto readPacking = [this](std::int32_t formatNumber, std::string_view item) {
            return read(formatNumber, "Tunnel Packing", "1", item, required);
        };
        DeviceSettings::Packing& packing = loaded.packing;
        if (!readPacking(63, "Mode")) {
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
        if (!readPacking(64, "Threshold")) {
            return false;
        }
        if (packing.mode == 0) {
            return readPacking(65, "Timeout");
        }
        if (packing.mode == 1) {
            return readPacking(66, "Send Character") && readPacking(67, "Flush Send Character") &&
                   readPacking(68, "Trailing Character");
        }
        return true;
    }

    bool serialLine() const {
        const auto readLine = [this](std::int32_t formatNumber, std::string_view item, bool isRequired) {
            return read(formatNumber, "Line", "1", item, isRequired);
        };
        loaded.line.gapTimer = 0;
        loaded.line.threshold = 56;
        loaded.line.pushCount = 0;
        if (!readLine(52, "Baud Rate", required) || !readLine(56, "Parity", required) ||
            !readLine(57, "Data Bits", required) || !readLine(58, "Stop Bits", required) ||
            !readLine(53, "Flow Control", required)) {
            return false;
        }
        if (loaded.line.flowControl == 2 &&
            (!readLine(54, "Xon Char", required) || !readLine(55, "Xoff Char", required))) {
            return false;
        }
        readLine(60, "Gap Timer", optional);
        readLine(61, "Threshold", optional);
        readLine(62, "Push", optional);
        return true;
    }

    bool stationProfiles() const {
        constexpr std::string_view groupStart = "<configgroup name = \"WLAN Profile\"";
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
            const auto readProfile = [&](std::int32_t formatNumber, std::string_view item,
                                         std::string_view value, bool isRequired) {
                return reader.lookupAnyInstance(group, formatNumber, count,
                                                {.group = "WLAN Profile", .item = item, .value = value},
                                                isRequired);
            };
            if (!readProfile(25, "Basic", "Network Name", required) ||
                !readProfile(26, "Basic", "State", required) ||
                !readProfile(27, "Security", "Suite", required)) {
                return false;
            }
            profile.keyType = 0;
            if (profile.suite != 0) {
                readProfile(28, "Security", "WPAx Key Type", optional);
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
        reader.lookup(
            document.statusRecord, 69,
            {.group = "Interface", .groupInstance = "wlan0", .item = "Current", .value = "IP Address"},
            optional, RecordKind::status);
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
