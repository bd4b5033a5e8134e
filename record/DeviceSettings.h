#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace marlo {

// Texts are byte strings in code page 932; lengths are counted in bytes.
using Text = std::string;
using Flag = std::int32_t;

struct WlanProfile {
    Flag state = 0;
    Text networkName;
    Text name; // the instance of the profile's record group, unescaped
    std::int32_t suite = 0;
    std::int32_t keyType = 0;

    bool operator==(const WlanProfile&) const = default;
};

struct HostEntry {
    Text address;
    std::uint32_t port = 0;
    std::int32_t localPort = 0;
    Text initialSend;

    bool operator==(const HostEntry&) const = default;
};

// Every setting the tool edits. Field order follows the device's groups.
struct DeviceSettings {
    Flag reboot = 0;

    struct Radio {
        std::int32_t band = 0;
        Flag keepAlive = 0;
        bool operator==(const Radio&) const = default;
    } radio;

    struct Station {
        Flag state = 0;
        std::uint32_t priority = 0;
        Flag dhcpClient = 0;
        Text ipAddress;
        Text subnetMask;
        Text defaultGateway;
        Text primaryDns;
        Text secondaryDns;
        Text currentIpAddress; // from the status record, shown only
        bool operator==(const Station&) const = default;
    } sta;

    struct AccessPointInterface {
        Flag state = 0;
        std::uint32_t priority = 0;
        Text ipAddress;
        Text subnetMask;
        Text defaultGateway;
        Text primaryDns;
        Text secondaryDns;
        Text dhcpRangeStart;
        Text dhcpRangeEnd;
        bool operator==(const AccessPointInterface&) const = default;
    } ap;

    struct AccessPoint {
        Text ssid;
        Flag guest = 0;
        std::uint32_t channel = 0;
        std::int32_t suite = 0;
        Flag ccmp = 0;
        Flag tkip = 0;
        Text passphrase;
        Flag edited = 0; // in `loaded`: `edited` holds a complete access point setting
        bool operator==(const AccessPoint&) const = default;
    } accessPoint;

    static constexpr int maxProfiles = 4;
    std::array<WlanProfile, maxProfiles> profiles{};
    std::int32_t profileCount = 0;

    struct Accept {
        std::int32_t mode = 0;
        std::uint32_t localPort = 0;
        Text password;
        std::uint8_t startCharacter = 0;
        Flag flushLine = 0;
        Flag flushStartCharacter = 0;
        Flag multipleConnections = 0;
        bool operator==(const Accept&) const = default;
    } accept;

    static constexpr int maxHosts = 4;
    struct Connect {
        std::int32_t mode = 0;
        std::int32_t connections = 0;
        std::int32_t reconnectTime = 0;
        Flag flushLine = 0;
        std::uint8_t startCharacter = 0;
        Flag flushStartCharacter = 0;
        std::int32_t protocol = 0;
        std::int32_t reception = 0;
        std::array<HostEntry, maxHosts> hosts{};
        Flag edited = 0; // in `loaded`: `edited` holds the connection destinations
        bool operator==(const Connect&) const = default;
    } connect;

    struct Disconnect {
        Flag stopCharacterEnabled = 0;
        std::uint8_t stopCharacter = 0;
        std::uint32_t timeout = 0;
        Flag flushLine = 0;
        Flag modemControl = 0;
        bool operator==(const Disconnect&) const = default;
    } disconnect;

    static constexpr int maxPush = 2;
    struct Line {
        std::uint32_t baudRate = 0;
        std::uint32_t dataBits = 0;
        std::uint32_t stopBits = 0;
        std::int32_t parity = 0;
        std::int32_t flowControl = 0;
        std::uint8_t xonChar = 0;
        std::uint8_t xoffChar = 0;
        std::uint32_t gapTimer = 0;
        std::uint32_t threshold = 0;
        std::array<std::uint8_t, maxPush> push{};
        std::int32_t pushCount = 0;
        bool operator==(const Line&) const = default;
    } line;

    struct Packing {
        Flag enabled = 0;
        std::int32_t mode = 0;
        std::uint32_t threshold = 0;
        std::uint32_t timeout = 0;
        std::uint8_t sendCharacter = 0;
        Flag flushSendCharacter = 0;
        Flag trailingCharacterEnabled = 0;
        std::uint8_t trailingCharacter = 0;
        bool operator==(const Packing&) const = default;
    } packing;

    bool operator==(const DeviceSettings&) const = default;
};

} // namespace marlo
