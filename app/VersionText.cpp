#include "app/VersionText.h"

#include <marlo/Version.h>

namespace marlo {

QString versionText(unsigned major, unsigned minor, unsigned build, unsigned revision) {
    QString text = QStringLiteral("Version %1.%2%3").arg(major).arg(minor).arg(build);
    if (revision != 0) {
        text += QString::number(revision);
    }
    return text;
}

QString programVersionText() {
    return versionText(version::major, version::minor, version::build, version::revision);
}

} // namespace marlo
