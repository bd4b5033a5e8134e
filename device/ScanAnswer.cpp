#include "device/ScanAnswer.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

namespace marlo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// Reads a decimal number the way atoi does: leading blanks, an optional sign, the digits up to
// the first other byte; no digits give 0. Values beyond the int range are held at its ends.
std::int32_t decimal(std::string_view text) {
    text = trimLeft(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{INT_MAX} + 1);
    }
    value = negative ? -value : std::min<std::int64_t>(value, INT_MAX);
    return static_cast<std::int32_t>(value);
}

// Takes the text up to the first CR LF off the front of `text`, with the CR LF.
std::optional<std::string_view> takeLine(std::string_view& text) {
    const auto end = text.find("\r\n");
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const auto line = text.substr(0, end);
    text.remove_prefix(end + 2);
    return line;
}

// Takes the text before the next space off the front of `line`, then the blanks after it.
std::optional<std::string_view> takeField(std::string_view& line) {
    const auto space = line.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    const auto field = line.substr(0, space);
    line = trimLeft(line.substr(space + 1));
    return field;
}

std::optional<ScanResult> parseLine(std::string_view line) {
    const auto ssid = takeField(line);
    const auto bssid = ssid ? takeField(line) : std::nullopt;
    const auto channel = bssid ? takeField(line) : std::nullopt;
    const auto rssi = channel ? takeField(line) : std::nullopt;
    if (!rssi) {
        return std::nullopt;
    }
    return ScanResult{std::string(*ssid), std::string(*bssid), decimal(*channel), decimal(*rssi),
                      std::string(line)};
}

} // namespace

std::optional<std::vector<ScanResult>> parseScanAnswer(std::string_view scanText) {
    const auto countLine = takeLine(scanText);
    if (!countLine) {
        return std::nullopt;
    }
    const std::int32_t announced = decimal(*countLine);
    std::vector<ScanResult> results;
    if (announced == 0) {
        return results;
    }
    if (!takeLine(scanText) || !takeLine(scanText)) {
        return std::nullopt;
    }
    for (std::int32_t i = 0; i < announced; ++i) {
        const auto line = takeLine(scanText);
        if (!line) {
            return std::nullopt;
        }
        if (results.size() < maxScanResults) {
            if (auto result = parseLine(*line)) {
                results.push_back(std::move(*result));
            }
        }
    }
    return results;
}

} // namespace marlo
