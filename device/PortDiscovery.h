#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// One serial port as the port selector offers it: the name shown and the device path the device
// link opens. The path is what identifies a port from one discovery to the next.
struct PortEntry {
    std::string name;
    std::string path;

    bool operator==(const PortEntry&) const = default;
};

// The port list holds at most this many entries; discovery stops adding when it is full.
inline constexpr std::size_t maxPorts = 256;

class PortDiscovery {
public:
    virtual ~PortDiscovery() = default;
    // Rebuilds `ports` from the system's present devices. False when the system's device list
    // cannot be had; callers treat that like an empty list.
    virtual bool discoverPorts(std::vector<PortEntry>& ports) = 0;
};

// The system's own discovery: udev on Linux, the device installation functions on Windows.
std::unique_ptr<PortDiscovery> systemPortDiscovery();

// The USB device behind a port as "vendor-product-serial number", when the system knows its serial
// number.
std::optional<std::string> usbSerialNumber(const std::string& portPath);

// The entry to select in a freshly filled port selector: the first whose name contains "USB";
// else the last entry with `rememberedPath`, the port selected before the refresh; else entry 0.
// No value for an empty list.
std::optional<std::size_t> preferredPort(const std::vector<PortEntry>& ports,
                                         const std::optional<std::string>& rememberedPath);

// The number n of a Windows friendly name such as "USB Serial Port (COM3)": the text after the
// first "(COM" up to the next ")" must be empty or begin with a digit, and n is the value of its
// leading digits (0 when empty). No value when the name carries no usable COM number.
std::optional<std::int32_t> parseComPortNumber(std::string_view friendlyName);

// The entry for a Windows port by its friendly name, opened as \\.\COMn; no value when the name
// carries no usable COM number.
std::optional<PortEntry> comPortEntry(std::string_view friendlyName);

} // namespace marlo
