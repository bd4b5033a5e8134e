#pragma once

#include <string>
#include <string_view>

namespace marlo {

// Text from outside, such as a device's or a record file's, made safe to print: control bytes, and
// bytes that code page 932 does not define, are shown as \xNN, a backslash as \\.

// A code page 932 text as UTF-8 for one line.
std::string escapedText(std::string_view cp932);

// The same for a message of several lines: line feeds are kept.
std::string escapedMessage(std::string_view cp932);

// A UTF-8 text, such as the name of a port, for one line: control bytes are shown as \xNN.
std::string escapedUtf8(std::string_view utf8);

} // namespace marlo
