#pragma once

#include "record/DeviceSettings.h"

#include <QStringList>

namespace marlo {

// One line for each setting whose value differs from `before` to `after`, as the window names the
// setting and shows its values, in the language shown.
QStringList changeLines(const DeviceSettings& before, const DeviceSettings& after);

} // namespace marlo
