#pragma once

#include "record/DeviceSettings.h"

#include <cstdint>
#include <string_view>

namespace marlo {

// Hands a raw value text to the codec that the format number (2 to 69) selects and stores the
// result into its field of `settings`; `index` picks the profile (25 to 28) or destination
// (44 to 47). False on a format error, after which a field may be partly changed. Numbers that
// name no setting store nothing and succeed.
bool storeValue(DeviceSettings& settings, std::int32_t formatNumber, std::int32_t index,
                std::string_view value);

} // namespace marlo
