#pragma once

#include <QIcon>
#include <QImage>

namespace marlo {

// The application icon: a device server on a blue tile, sending waves.
QIcon applicationIcon();

// The application icon at `size` × `size` pixels on a transparent ground; needs no application
// object, so that the build can draw the installed icon files with it.
QImage applicationIconImage(int size);

} // namespace marlo
