#pragma once

#include "record/DeviceSettings.h"

#include <QString>
#include <optional>

namespace marlo {

// A control's text without the blanks, tabs and line breaks at both ends, in code page 932; no
// value when code page 932 cannot hold it.
std::optional<Text> trimmedText(const QString& text);

} // namespace marlo
