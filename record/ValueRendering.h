#pragma once

#include "record/SettingsSchema.h"

#include <string>

namespace marlo {

// The record text of a setting's value, as the writer puts it between the value's tags: through the
// row's codec, from its field and, for a codec that takes two, its partner's. An address and mask
// that cannot be written as "address/prefix" give the empty text.
std::string renderValue(const SettingRow& row, const DeviceSettings& settings, std::size_t element = 0);

} // namespace marlo
