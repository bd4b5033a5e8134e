#pragma once

#include "record/EscapedText.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace marlo::cli {

// Flushes `out`, the standard output; false after saying on `err` that it could not be written.
bool flushOutput(std::ostream& out, std::ostream& err);

// The text of a record file as the window's file load reads it, or no value after printing why it
// could not be read.
std::optional<std::string> readRecordText(const std::string& path, std::ostream& err);

} // namespace marlo::cli
