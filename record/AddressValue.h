#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace marlo {

// The words an address edit accepts in place of an address.
namespace addressTokens {
inline constexpr std::string_view none = "<None>";
inline constexpr std::string_view minimum = "<Minimum>";
inline constexpr std::string_view maximum = "<Maximum>";
inline constexpr std::string_view noToken = "";
} // namespace addressTokens

// The value of an address edit's trimmed text in network byte order, or no value when the text is
// not an address. The empty text and `token` (when the edit has one) are 0; "255.255.255.255" is
// all ones; anything else is read by the rules of `inet_addr`.
std::optional<std::uint32_t> addressValue(std::string_view text, std::string_view token);

// The last number of an address's dotted form.
std::uint8_t lastNumber(std::uint32_t networkOrder);

} // namespace marlo
