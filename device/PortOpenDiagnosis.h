#pragma once

#include "device/PortOpenFailure.h"

#include <string>

namespace marlo {

// The system's text for the error number `error`.
std::string systemErrorText(int error);

// What the error number `error` from opening or locking the port at `path` tells the user, with
// the device file's group or the port's holder where the system can tell.
PortOpenFailure diagnoseOpenFailure(const std::string& path, int error);

} // namespace marlo
