#pragma once

#include "record/DeviceSettings.h"

#include <QString>

namespace marlo {

// The connection page's account of the client mode's destinations: the protocol, then one line
// "k: address : port" for each destination that has an address (only destination 1 with UDP).
// An address longer than 25 bytes shows its first 23 bytes and "...".
QString destinationsSummary(const DeviceSettings::Connect& connect);

} // namespace marlo
