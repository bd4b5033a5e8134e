#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// One access point of a wireless scan, as the device printed it.
struct ScanResult {
    std::string ssid;
    std::string bssid;
    std::int32_t channel = 0;
    std::int32_t rssi = 0;
    std::string security;

    bool operator==(const ScanResult&) const = default;
};

inline constexpr std::size_t maxScanResults = 256;

// Parses the scan text of `DeviceLink::scanNetworks`: the count line, two header lines and the
// announced number of lines, each ending in CR LF. Returns a fresh result set, or no value when
// the answer is malformed, so that the caller's previous results stay as they were. Lines that
// do not hold five fields are skipped; beyond `maxScanResults` lines are read and ignored.
std::optional<std::vector<ScanResult>> parseScanAnswer(std::string_view scanText);

} // namespace marlo
