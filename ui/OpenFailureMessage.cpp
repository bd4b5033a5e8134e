#include "ui/OpenFailureMessage.h"

namespace marlo {

QString withOpenFailure(const QString& message, const std::optional<PortOpenFailure>& failure) {
    if (!failure) {
        return message;
    }
    return message + QStringLiteral("\n\n") + QString::fromStdString(portOpenFailureText(*failure));
}

} // namespace marlo
