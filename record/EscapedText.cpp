#include "record/EscapedText.h"

#include "record/Cp932.h"

#include <cstdio>

namespace marlo {

namespace {

std::string hexEscape(unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned>(byte));
    return buffer;
}

// Converts a run of text without control bytes; what cannot be converted is escaped byte by byte.
void appendConverted(std::string& out, std::string_view run) {
    const auto utf8 = cp932ToUtf8(run);
    const std::string_view text = utf8 ? std::string_view(*utf8) : run;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (!utf8 && byte >= 0x80) {
            out += hexEscape(byte);
        } else {
            out += c;
        }
    }
}

std::string display(std::string_view cp932, bool keepLineFeeds) {
    std::string out;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i <= cp932.size(); ++i) {
        const bool end = i == cp932.size();
        const auto byte = end ? 0 : static_cast<unsigned char>(cp932[i]);
        if (!end && byte >= 0x20 && byte != 0x7f) {
            continue;
        }
        appendConverted(out, cp932.substr(runStart, i - runStart));
        if (!end) {
            out += keepLineFeeds && byte == '\n' ? std::string("\n") : hexEscape(byte);
        }
        runStart = i + 1;
    }
    return out;
}

} // namespace

std::string escapedText(std::string_view cp932) {
    return display(cp932, false);
}

std::string escapedMessage(std::string_view cp932) {
    return display(cp932, true);
}

std::string escapedUtf8(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte == 0x7f ? hexEscape(byte) : std::string(1, c);
    }
    return out;
}

} // namespace marlo
