#pragma once

#include "record/SettingsSchema.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace marlo {

// A page's edit box bound to a setting whose row has an edit rule: a number shown in decimal, a
// character in two hexadecimal digits, 0 as the rule's zero text. Texts are the edit's bytes;
// blanks around them do not count. Messages are the rule's, in UTF-8, to be translated in the
// context "SettingsSchema".

std::string formatForEdit(Setting setting, const DeviceSettings& settings, std::size_t element = 0);

// The value the text gives, or the message of the check it fails.
std::variant<std::uint32_t, const char*> readEdit(Setting setting, std::string_view text);

// Stores the value the text gives into the field; the message of the check it fails, or null when
// the value was stored.
const char* storeFromEdit(Setting setting, std::string_view text, DeviceSettings& settings,
                          std::size_t element = 0);

} // namespace marlo
