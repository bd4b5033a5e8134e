#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace marlo::cli {

// A code page 932 text as UTF-8 for one line of the terminal. Control bytes, and bytes that code
// page 932 does not define, are shown as \xNN, a backslash as \\.
std::string displayText(std::string_view cp932);

// The same for a message of several lines: line feeds are kept.
std::string displayMessage(std::string_view cp932);

// A UTF-8 text, such as the name of a port, for one line of the terminal: control bytes are shown
// as \xNN.
std::string displayUtf8(std::string_view utf8);

// Flushes `out`, the standard output; false after saying on `err` that it could not be written.
bool flushOutput(std::ostream& out, std::ostream& err);

// The text of a record file as the window's file load reads it, or no value after printing why it
// could not be read.
std::optional<std::string> readRecordText(const std::string& path, std::ostream& err);

} // namespace marlo::cli
