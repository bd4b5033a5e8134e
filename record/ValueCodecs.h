#pragma once

#include "record/SettingsSchema.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace marlo {

// A setting's value between the record text and its field, through the row's codec: each kind of
// codec (record/ValueCodecs.cpp) reads and writes its text in one place.

// Stores the value text into the row's field of `settings` and, for a codec that fills two, its
// partner's. False on a format error, after which a field may be partly changed.
bool decodeValue(const SettingRow& row, DeviceSettings& settings, std::size_t element,
                 std::string_view value);

// The record text of a setting's value, as the writer puts it between the value's tags. An address
// and mask that cannot be written as "address/prefix" give the empty text.
std::string renderValue(const SettingRow& row, const DeviceSettings& settings, std::size_t element = 0);

// What an edit box's text gives: the value, or the message of the edit rule it fails, in UTF-8,
// to be translated in the context "SettingsSchema".
using EditReading = std::variant<std::uint32_t, const char*>;

// The text of a row with an edit rule in its edit box: a number in decimal, a character in two
// hexadecimal digits, 0 as the rule's zero text.
std::string editText(const SettingRow& row, const DeviceSettings& settings, std::size_t element = 0);

// Reads an edit box's text by the row's rule; blanks around it do not count.
EditReading readEdit(const SettingRow& row, std::string_view text);

} // namespace marlo
