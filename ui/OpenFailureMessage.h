#pragma once

#include "device/PortOpenFailure.h"

#include <QString>
#include <optional>
#include <string>

namespace marlo {

// One of the messages of device/DeviceMessages.h in the program's language.
QString deviceMessage(const char* message);

// A reply of `DeviceLink::sendRecord` as shown: the program's own texts in its language, the
// device's answer as it came.
QString deviceReply(const std::string& reply);

// `message`, and under it why the port did not open when that is what failed the operation.
QString withReachFailure(const QString& message, const std::optional<PortOpenFailure>& failure);

} // namespace marlo
