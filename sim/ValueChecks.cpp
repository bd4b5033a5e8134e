#include "sim/ValueChecks.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <utility>

namespace marlo::sim::checks {

namespace {

constexpr std::string_view controlWord = "<control>";
constexpr std::string_view caretLetters = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_";

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isHexDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

bool isPrintable(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::optional<std::uint32_t> decimal(std::string_view text) {
    std::uint32_t value = 0;
    if (!isDigits(text) || std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

bool isDottedAddress(std::string_view text) {
    in_addr address{};
    return !text.empty() && isPrintable(text) && ::inet_aton(std::string(text).c_str(), &address) != 0;
}

// A leading "<control>" and its letter, or a single byte; removed from the front of `text`.
std::optional<std::uint8_t> takeCharacter(std::string_view& text) {
    if (text.starts_with(controlWord)) {
        if (text.size() == controlWord.size()) {
            return std::nullopt;
        }
        const auto letter = caretLetters.find(text[controlWord.size()]);
        if (letter == std::string_view::npos) {
            return std::nullopt;
        }
        text.remove_prefix(controlWord.size() + 1);
        return static_cast<std::uint8_t>(letter);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const auto code = static_cast<std::uint8_t>(text.front());
    text.remove_prefix(1);
    return code;
}

std::string storedCharacter(std::uint8_t code) {
    if (code < 0x20) {
        return std::string(controlWord) + caretLetters[code];
    }
    std::array<char, 8> hex{};
    std::snprintf(hex.data(), hex.size(), "0x%02x", code);
    return hex.data();
}

std::string durationWords(std::uint32_t seconds) {
    std::string words;
    const auto part = [&words](std::uint32_t count, std::string_view unit) {
        if (count == 0) {
            return;
        }
        if (!words.empty()) {
            words += ' ';
        }
        words += std::to_string(count) + ' ' + std::string(unit) + (count == 1 ? "" : "s");
    };
    part(seconds / 3600, "hour");
    part(seconds / 60 % 60, "minute");
    part(seconds % 60, "second");
    return words.empty() ? "0 seconds" : words;
}

std::optional<std::uint32_t> durationSeconds(std::string_view text) {
    if (const auto bare = decimal(text)) {
        return bare;
    }
    std::uint64_t seconds = 0;
    bool any = false;
    while (!text.empty()) {
        const auto blank = text.find(' ');
        if (blank == std::string_view::npos) {
            return std::nullopt;
        }
        const auto count = decimal(text.substr(0, blank));
        text.remove_prefix(blank + 1);
        const auto end = std::min(text.find(' '), text.size());
        const auto unit = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        std::uint64_t scale = 0;
        if (unit == "hour" || unit == "hours") {
            scale = 3600;
        } else if (unit == "minute" || unit == "minutes") {
            scale = 60;
        } else if (unit == "second" || unit == "seconds") {
            scale = 1;
        }
        if (!count || scale == 0) {
            return std::nullopt;
        }
        seconds += *count * scale;
        any = true;
    }
    if (!any || seconds > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(seconds);
}

} // namespace

ValueCheck onOff() {
    return [](std::string_view text) -> std::optional<std::string> {
        if (text == "Enabled" || text == "Enable") {
            return "Enabled";
        }
        if (text == "Disabled" || text == "Disable") {
            return "Disabled";
        }
        return std::nullopt;
    };
}

ValueCheck choice(std::vector<std::string> words) {
    return [words = std::move(words)](std::string_view text) -> std::optional<std::string> {
        if (std::find(words.begin(), words.end(), text) == words.end()) {
            return std::nullopt;
        }
        return std::string(text);
    };
}

ValueCheck number(std::uint32_t minimum, std::uint32_t maximum, std::string unit, std::string zeroWord) {
    return [=](std::string_view text) -> std::optional<std::string> {
        std::optional<std::uint32_t> value;
        if (!zeroWord.empty() && text == zeroWord) {
            value = 0;
        } else if (!unit.empty() && text.ends_with(" " + unit)) {
            value = decimal(text.substr(0, text.size() - unit.size() - 1));
        } else {
            value = decimal(text);
        }
        const bool zeroAllowed = !zeroWord.empty() || minimum == 0;
        if (!value || (*value == 0 ? !zeroAllowed : *value < minimum || *value > maximum)) {
            return std::nullopt;
        }
        if (*value == 0 && !zeroWord.empty()) {
            return zeroWord;
        }
        return unit.empty() ? std::to_string(*value) : std::to_string(*value) + ' ' + unit;
    };
}

ValueCheck duration(std::uint32_t maximumSeconds) {
    return [=](std::string_view text) -> std::optional<std::string> {
        const auto seconds = durationSeconds(text);
        if (!seconds || *seconds > maximumSeconds) {
            return std::nullopt;
        }
        return durationWords(*seconds);
    };
}

ValueCheck text(std::size_t minimum, std::size_t maximum) {
    return [=](std::string_view value) -> std::optional<std::string> {
        if (value.size() < minimum || value.size() > maximum || !isPrintable(value)) {
            return std::nullopt;
        }
        return std::string(value);
    };
}

ValueCheck secret(std::vector<std::size_t> lengths) {
    return [lengths = std::move(lengths)](std::string_view value) -> std::optional<std::string> {
        const bool lengthFits =
            value.empty() || std::find(lengths.begin(), lengths.end(), value.size()) != lengths.end();
        if (!lengthFits || !isPrintable(value) || value == "<Configured>") {
            return std::nullopt;
        }
        return std::string(value);
    };
}

ValueCheck secretInRange(std::size_t minimum, std::size_t maximum) {
    std::vector<std::size_t> lengths;
    for (std::size_t length = minimum; length <= maximum; ++length) {
        lengths.push_back(length);
    }
    return secret(std::move(lengths));
}

ValueCheck hexKey(std::vector<std::size_t> lengths) {
    return [lengths = std::move(lengths)](std::string_view value) -> std::optional<std::string> {
        const bool lengthFits =
            value.empty() || std::find(lengths.begin(), lengths.end(), value.size()) != lengths.end();
        if (!lengthFits || !isHexDigits(value)) {
            return std::nullopt;
        }
        return std::string(value);
    };
}

ValueCheck addressPrefix() {
    return [](std::string_view text) -> std::optional<std::string> {
        if (text == "<None>") {
            return std::string(text);
        }
        const auto slash = text.find('/');
        if (slash == std::string_view::npos || !isDottedAddress(text.substr(0, slash))) {
            return std::nullopt;
        }
        const auto prefix = decimal(text.substr(slash + 1));
        if (!prefix || *prefix > 32) {
            return std::nullopt;
        }
        return std::string(text);
    };
}

ValueCheck address(std::vector<std::string> words) {
    return [words = std::move(words)](std::string_view text) -> std::optional<std::string> {
        if (!text.empty() && std::find(words.begin(), words.end(), text) == words.end() &&
            !isDottedAddress(text)) {
            return std::nullopt;
        }
        return std::string(text);
    };
}

ValueCheck character(bool noneAllowed) {
    return [=](std::string_view text) -> std::optional<std::string> {
        if (noneAllowed && text == "<None>") {
            return std::string(text);
        }
        if (text.starts_with("0x") && text.size() > 2 && text.size() <= 4 && isHexDigits(text.substr(2))) {
            std::uint32_t code = 0;
            std::from_chars(text.data() + 2, text.data() + text.size(), code, 16);
            return storedCharacter(static_cast<std::uint8_t>(code));
        }
        auto rest = text;
        const auto code = takeCharacter(rest);
        if (!code || !rest.empty()) {
            return std::nullopt;
        }
        return storedCharacter(*code);
    };
}

ValueCheck push() {
    return [](std::string_view text) -> std::optional<std::string> {
        auto rest = text;
        for (int count = 0; !rest.empty(); ++count) {
            if (count == 2 || !takeCharacter(rest)) {
                return std::nullopt;
            }
        }
        return std::string(text);
    };
}

} // namespace marlo::sim::checks
