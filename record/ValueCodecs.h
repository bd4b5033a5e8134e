#pragma once

#include "record/SettingsSchema.h"

#include <cstddef>
#include <string>
#include <string_view>

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

} // namespace marlo
