#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// Conversions between code page 932 byte strings and UTF-8. A text that the other side cannot
// hold, or that is not valid in its own encoding, gives no value: nothing is replaced silently.
// Nor does a UTF-8 text whose characters code page 932 would give back as other ones.
std::optional<std::string> cp932ToUtf8(std::string_view cp932);
std::optional<std::string> utf8ToCp932(std::string_view utf8);

} // namespace marlo
