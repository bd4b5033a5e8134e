#pragma once

#include <QIcon>

namespace marlo {

// The application icon: a device server on a blue tile, sending waves.
QIcon applicationIcon();

} // namespace marlo
