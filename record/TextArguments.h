#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace marlo {

// `text` with the n-th of `arguments` in place of each %n (n from 1 to 9), in one pass: a %n that
// an argument brings in stays as it is. A %n without its argument is left in the text.
std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace marlo
