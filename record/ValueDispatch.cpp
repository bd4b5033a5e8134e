#include "record/ValueDispatch.h"

#include "record/Codecs.h"

namespace marlo {

namespace {

bool storeEnumeration(std::int32_t& field, EnumerationTable table, std::string_view value) {
    const auto index = parseEnumeration(table, value);
    if (!index) {
        return false;
    }
    field = *index;
    return true;
}

bool storeCode(std::uint8_t& code, std::string_view value) {
    const auto character = parseCharacter(value);
    if (!character) {
        return false;
    }
    code = character->code;
    return true;
}

bool storeCharacter(std::uint8_t& code, Flag& present, std::string_view value) {
    const auto character = parseCharacter(value);
    if (!character) {
        return false;
    }
    code = character->code;
    present = character->present ? 1 : 0;
    return true;
}

bool storeText(Text& field, std::string_view value) {
    field = unescapeText(value);
    return true;
}

bool storeNumber(std::uint32_t& field, std::string_view value) {
    field = parseNumber(value);
    return true;
}

bool storeCipher(DeviceSettings::AccessPoint& accessPoint, std::string_view value) {
    const Cipher cipher = parseCipher(value);
    accessPoint.ccmp = cipher.ccmp ? 1 : 0;
    accessPoint.tkip = cipher.tkip ? 1 : 0;
    return true;
}

bool storeProfileValue(WlanProfile& profile, std::int32_t formatNumber, std::string_view value) {
    switch (formatNumber) {
    case 25:
        return storeText(profile.networkName, value);
    case 26:
        return storeEnumeration(profile.state, tables::onOff, value);
    case 27:
        return storeEnumeration(profile.suite, tables::profileSuite, value);
    default:
        return storeEnumeration(profile.keyType, tables::keyType, value);
    }
}

bool storeHostValue(HostEntry& host, std::int32_t formatNumber, std::string_view value) {
    switch (formatNumber) {
    case 44:
        return storeText(host.address, value);
    case 45:
        return storeNumber(host.port, value);
    case 46:
        host.localPort = parseLocalPort(value);
        return true;
    default:
        return storeText(host.initialSend, value);
    }
}

bool isIndexIn(std::int32_t index, std::int32_t size) {
    return index >= 0 && index < size;
}

} // namespace

bool storeValue(DeviceSettings& s, std::int32_t formatNumber, std::int32_t index, std::string_view value) {
    switch (formatNumber) {
    case 2:
        return storeEnumeration(s.radio.band, tables::band, value);
    case 3:
        return storeEnumeration(s.sta.state, tables::onOff, value);
    case 4:
        return storeNumber(s.sta.priority, value);
    case 5:
        return storeEnumeration(s.radio.keepAlive, tables::onOff, value);
    case 6:
        return storeEnumeration(s.sta.dhcpClient, tables::onOff, value);
    case 7:
        return parseAddressPrefix(value, s.sta.ipAddress, s.sta.subnetMask);
    case 8:
        return storeText(s.sta.defaultGateway, value);
    case 9:
        return storeText(s.sta.primaryDns, value);
    case 10:
        return storeText(s.sta.secondaryDns, value);
    case 11:
        return storeEnumeration(s.ap.state, tables::onOff, value);
    case 12:
        return storeNumber(s.ap.priority, value);
    case 13:
        return parseAddressPrefix(value, s.ap.ipAddress, s.ap.subnetMask);
    case 14:
        return storeText(s.ap.defaultGateway, value);
    case 15:
        return storeText(s.ap.primaryDns, value);
    case 16:
        return storeText(s.ap.secondaryDns, value);
    case 17:
        return storeText(s.ap.dhcpRangeStart, value);
    case 18:
        return storeText(s.ap.dhcpRangeEnd, value);
    case 19:
        return storeText(s.accessPoint.ssid, value);
    case 20:
        return storeEnumeration(s.accessPoint.guest, tables::onOff, value);
    case 21:
        return storeNumber(s.accessPoint.channel, value);
    case 22:
        return storeEnumeration(s.accessPoint.suite, tables::accessPointSuite, value);
    case 23:
        return storeCipher(s.accessPoint, value);
    case 24:
        return storeText(s.accessPoint.passphrase, value);
    case 25:
    case 26:
    case 27:
    case 28:
        if (!isIndexIn(index, DeviceSettings::maxProfiles)) {
            return true;
        }
        return storeProfileValue(s.profiles[static_cast<std::size_t>(index)], formatNumber, value);
    case 29:
        return storeEnumeration(s.accept.mode, tables::tunnelMode, value);
    case 30:
        return storeNumber(s.accept.localPort, value);
    case 31:
        return storeEnumeration(s.accept.multipleConnections, tables::onOff, value);
    case 32:
        return storeText(s.accept.password, value);
    case 33:
        return storeCode(s.accept.startCharacter, value);
    case 34:
        return storeEnumeration(s.accept.flushLine, tables::onOff, value);
    case 35:
        return storeEnumeration(s.accept.flushStartCharacter, tables::onOff, value);
    case 36:
        return storeEnumeration(s.connect.mode, tables::tunnelMode, value);
    case 37:
        return storeCode(s.connect.startCharacter, value);
    case 38:
        return storeEnumeration(s.connect.flushLine, tables::onOff, value);
    case 39:
        return storeEnumeration(s.connect.flushStartCharacter, tables::onOff, value);
    case 40:
        s.connect.reconnectTime = parseDuration(value);
        return true;
    case 41:
        return storeEnumeration(s.connect.protocol, tables::protocol, value);
    case 42:
        return storeEnumeration(s.connect.connections, tables::connections, value);
    case 43:
        return storeEnumeration(s.connect.reception, tables::reception, value);
    case 44:
    case 45:
    case 46:
    case 47:
        if (!isIndexIn(index, DeviceSettings::maxHosts)) {
            return true;
        }
        return storeHostValue(s.connect.hosts[static_cast<std::size_t>(index)], formatNumber, value);
    case 48:
        return storeCharacter(s.disconnect.stopCharacter, s.disconnect.stopCharacterEnabled, value);
    case 49:
        return storeNumber(s.disconnect.timeout, value);
    case 50:
        return storeEnumeration(s.disconnect.flushLine, tables::onOff, value);
    case 51:
        return storeEnumeration(s.disconnect.modemControl, tables::onOff, value);
    case 52:
        return storeNumber(s.line.baudRate, value);
    case 53:
        return storeEnumeration(s.line.flowControl, tables::flowControl, value);
    case 54:
        return storeCode(s.line.xonChar, value);
    case 55:
        return storeCode(s.line.xoffChar, value);
    case 56:
        return storeEnumeration(s.line.parity, tables::parity, value);
    case 57:
        return storeNumber(s.line.dataBits, value);
    case 58:
        return storeNumber(s.line.stopBits, value);
    case 60:
        return storeNumber(s.line.gapTimer, value);
    case 61:
        return storeNumber(s.line.threshold, value);
    case 62:
        return parsePush(value, s.line.push, s.line.pushCount);
    case 63:
        return parsePackingMode(value, s.packing.enabled, s.packing.mode);
    case 64:
        return storeNumber(s.packing.threshold, value);
    case 65:
        return storeNumber(s.packing.timeout, value);
    case 66:
        return storeCode(s.packing.sendCharacter, value);
    case 67:
        return storeEnumeration(s.packing.flushSendCharacter, tables::onOff, value);
    case 68:
        return storeCharacter(s.packing.trailingCharacter, s.packing.trailingCharacterEnabled, value);
    case 69:
        s.sta.currentIpAddress = value;
        return true;
    default:
        return true;
    }
}

} // namespace marlo
