#pragma once

#include <QString>

namespace marlo {

// The status line's version: major, a point, then minor, build and a non-zero revision run
// together, so 1.0.6.0 reads "Version 1.06" and 1.0.6.1 "Version 1.061".
QString versionText(unsigned major, unsigned minor, unsigned build, unsigned revision);

// The program's own version, compiled in.
QString programVersionText();

} // namespace marlo
