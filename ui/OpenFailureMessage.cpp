#include "ui/OpenFailureMessage.h"

#include "device/DeviceMessages.h"
#include "ui/WidgetText.h"

#include <QCoreApplication>

namespace marlo {

QString deviceMessage(const char* message) {
    return QCoreApplication::translate("DeviceMessages", message);
}

QString deviceReply(const std::string& reply) {
    const char* own = programReplyMessage(reply);
    return own != nullptr ? deviceMessage(own) : displayText(reply);
}

QString withReachFailure(const QString& message, const std::optional<PortOpenFailure>& failure) {
    if (!failure) {
        return message;
    }
    const QString text = QCoreApplication::translate("PortOpenFailure", portOpenFailureTemplate(*failure));
    const QString port = QString::fromStdString(failure->port);
    const QString reason = text.contains(QLatin1String("%2"))
                               ? text.arg(port, QString::fromStdString(failure->detail))
                               : text.arg(port);
    return message + QStringLiteral("\n\n") + reason;
}

} // namespace marlo
