#include "device/PortDiscovery.h"

#include <algorithm>
#include <limits>

namespace marlo {

std::optional<std::size_t> preferredPort(const std::vector<PortEntry>& ports,
                                         const std::optional<std::string>& rememberedPath) {
    if (ports.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (ports[i].name.find("USB") != std::string::npos) {
            return i;
        }
    }
    std::size_t chosen = 0;
    if (rememberedPath) {
        for (std::size_t i = 0; i < ports.size(); ++i) {
            if (ports[i].path == *rememberedPath) {
                chosen = i;
            }
        }
    }
    return chosen;
}

std::optional<std::int32_t> parseComPortNumber(std::string_view friendlyName) {
    constexpr std::string_view marker = "(COM";
    const std::size_t start = friendlyName.find(marker);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = friendlyName.substr(start + marker.size());
    const std::size_t close = rest.find(')');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = rest.substr(0, close);
    if (!digits.empty() && (digits.front() < '0' || digits.front() > '9')) {
        return std::nullopt;
    }
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    std::int64_t number = 0;
    for (std::size_t i = 0; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) {
        number = std::min(number * 10 + (digits[i] - '0'), largest);
    }
    return static_cast<std::int32_t>(number);
}

std::optional<PortEntry> comPortEntry(std::string_view friendlyName) {
    const auto number = parseComPortNumber(friendlyName);
    if (!number) {
        return std::nullopt;
    }
    return PortEntry{std::string(friendlyName), "\\\\.\\COM" + std::to_string(*number)};
}

} // namespace marlo
