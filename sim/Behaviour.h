#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace marlo::sim {

// One line of the scan answer, in the device's columns.
std::string scanLine(const std::string& ssid, const std::string& bssid, int channel, int rssi,
                     const std::string& security);

// How the simulated device answers, including the faults that concern what it says.
struct Behaviour {
    std::string firmwareVersion = "2.0.1.4R3";
    bool firmwareLineShown = true;
    bool importsRefused = false;
    // The dump is padded with further groups up to this size.
    std::size_t dumpMinimumSize = 0;
    // Groups the dump leaves out, as a firmware without them would.
    std::vector<std::string> dumpLeavesOut;
    // Bytes printed before every answer.
    std::string garbage;
    // Every answer turns into talk without end.
    bool endlessOutput = false;
    std::vector<std::string> scanLines{
        scanLine("office-net", "00:1a:2b:3c:4d:5e", 6, -48, "WPA2-PSK AES"),
        scanLine("guest", "00:1a:2b:3c:4d:5f", 6, -51, "None"),
        scanLine("lab-5g", "10:22:33:44:55:66", 44, -67, "WPA-WPA2 Mixed TKIP AES"),
    };
    // The count printed instead of the number of scan lines.
    std::optional<int> announcedNetworks;
    std::chrono::milliseconds scanDelay{2000};
    std::chrono::milliseconds rebootSilence{1000};
};

} // namespace marlo::sim
