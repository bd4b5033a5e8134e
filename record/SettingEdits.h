#pragma once

#include "record/SettingsSchema.h"
#include "record/ValueCodecs.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marlo {

// A page's edit box bound to a setting whose row has an edit rule. Texts are the edit's bytes;
// messages are the rule's, in UTF-8, to be translated in the context "SettingsSchema".

std::string formatForEdit(Setting setting, const DeviceSettings& settings, std::size_t element = 0);

// Stores the value the text gives into the field; the message of the check it fails, or null when
// the value was stored.
const char* storeFromEdit(Setting setting, std::string_view text, DeviceSettings& settings,
                          std::size_t element = 0);

} // namespace marlo
