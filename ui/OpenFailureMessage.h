#pragma once

#include "device/PortOpenFailure.h"

#include <QString>
#include <optional>

namespace marlo {

// `message`, and under it why the port did not open when that is what failed the operation.
QString withOpenFailure(const QString& message, const std::optional<PortOpenFailure>& failure);

} // namespace marlo
