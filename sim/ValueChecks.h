#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo::sim {

// Checks a value as typed in a record (already unescaped) and gives the text the device stores
// and dumps for it, or no value when the device cannot hold it.
using ValueCheck = std::function<std::optional<std::string>(std::string_view text)>;

namespace checks {

// "Enabled" or "Disabled"; the words "Enable" and "Disable" are taken as well.
ValueCheck onOff();
ValueCheck choice(std::vector<std::string> words);
// A decimal number in [minimum, maximum], bare or followed by a blank and `unit`; `zeroWord`
// stands for 0. Stored with its unit, 0 as `zeroWord` when there is one.
ValueCheck number(std::uint32_t minimum, std::uint32_t maximum, std::string unit = {},
                  std::string zeroWord = {});
// Seconds, bare or as "N hours M minutes S seconds" (each part optional); stored in words.
ValueCheck duration(std::uint32_t maximumSeconds);
// Printable text of `minimum` to `maximum` bytes.
ValueCheck text(std::size_t minimum, std::size_t maximum);
// Printable text whose length is 0 or one of `lengths`; "<Configured>" itself is refused, being
// the word the device shows in place of a secret.
ValueCheck secret(std::vector<std::size_t> lengths);
ValueCheck secretInRange(std::size_t minimum, std::size_t maximum);
// Hexadecimal digits, none or one of `lengths` many.
ValueCheck hexKey(std::vector<std::size_t> lengths);
// "<None>" or a dotted IPv4 address, "/" and a prefix length of 0 to 32.
ValueCheck addressPrefix();
// Empty, one of `words`, or a dotted IPv4 address.
ValueCheck address(std::vector<std::string> words);
// One byte: itself, "0x" and up to two hexadecimal digits, or "<control>" and a caret letter;
// "<None>" when `noneAllowed`. Stored as "<control>X" below 0x20, else as "0xNN".
ValueCheck character(bool noneAllowed);
// Up to two characters, each one byte or "<control>" and a caret letter.
ValueCheck push();

} // namespace checks

} // namespace marlo::sim
