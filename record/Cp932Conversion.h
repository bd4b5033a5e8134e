#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// The system's conversions between code page 932 and UTF-8: iconv on Linux, the Windows code
// page functions on Windows. No value for a text the other side cannot hold, or that is not valid
// in its own encoding; nothing is replaced by a look-alike.
std::optional<std::string> decodeCp932(std::string_view cp932);
std::optional<std::string> encodeCp932(std::string_view utf8);

} // namespace marlo
