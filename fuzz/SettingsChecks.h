#pragma once

#include "record/Codecs.h"
#include "record/DeviceSettings.h"

#include <cstdint>

namespace marlo::fuzz {

inline bool inTable(std::int32_t value, EnumerationTable table) {
    return value >= 0 && static_cast<std::size_t>(value) < table.size();
}

inline bool isFlag(std::int32_t value) {
    return value == 0 || value == 1;
}

// The settings hold what their types promise: every enumeration an index of its table, every flag
// 0 or 1, the counts within their arrays.
inline bool keepsItsInvariants(const DeviceSettings& s) {
    bool holds =
        inTable(s.radio.band, tables::band) && isFlag(s.radio.keepAlive) && isFlag(s.sta.state) &&
        isFlag(s.sta.dhcpClient) && isFlag(s.ap.state) && isFlag(s.accessPoint.guest) &&
        inTable(s.accessPoint.suite, tables::accessPointSuite) && isFlag(s.accessPoint.ccmp) &&
        isFlag(s.accessPoint.tkip) && s.profileCount >= 0 && s.profileCount <= DeviceSettings::maxProfiles &&
        inTable(s.accept.mode, tables::tunnelMode) && isFlag(s.accept.flushLine) &&
        isFlag(s.accept.flushStartCharacter) && isFlag(s.accept.multipleConnections) &&
        inTable(s.connect.mode, tables::tunnelMode) && inTable(s.connect.connections, tables::connections) &&
        inTable(s.connect.protocol, tables::protocol) && inTable(s.connect.reception, tables::reception) &&
        isFlag(s.connect.flushLine) && isFlag(s.connect.flushStartCharacter) &&
        isFlag(s.disconnect.stopCharacterEnabled) && isFlag(s.disconnect.flushLine) &&
        isFlag(s.disconnect.modemControl) && inTable(s.line.parity, tables::parity) &&
        inTable(s.line.flowControl, tables::flowControl) && s.line.pushCount >= 0 &&
        s.line.pushCount <= DeviceSettings::maxPush && isFlag(s.packing.enabled) &&
        inTable(s.packing.mode, tables::packingMode) && isFlag(s.packing.flushSendCharacter) &&
        isFlag(s.packing.trailingCharacterEnabled);
    for (const WlanProfile& profile : s.profiles) {
        holds = holds && isFlag(profile.state) && inTable(profile.suite, tables::profileSuite) &&
                inTable(profile.keyType, tables::keyType);
    }
    return holds;
}

} // namespace marlo::fuzz
