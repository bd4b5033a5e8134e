#pragma once

#include "device/PortOpenFailure.h"

#include <QString>
#include <optional>

namespace marlo {

// One of the messages of device/DeviceMessages.h in the program's language.
QString deviceMessage(const char* message);

// `message`, and under it why the port did not open when that is what failed the operation.
QString withOpenFailure(const QString& message, const std::optional<PortOpenFailure>& failure);

} // namespace marlo
