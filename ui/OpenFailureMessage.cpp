#include "ui/OpenFailureMessage.h"

#include <QCoreApplication>

namespace marlo {

QString withOpenFailure(const QString& message, const std::optional<PortOpenFailure>& failure) {
    if (!failure) {
        return message;
    }
    const QString reason =
        QCoreApplication::translate("PortOpenFailure", portOpenFailureTemplate(*failure))
            .arg(QString::fromStdString(failure->port), QString::fromStdString(failure->detail));
    return message + QStringLiteral("\n\n") + reason;
}

} // namespace marlo
