#include "ui/PasswordPromptText.h"

#include "ui/WidgetText.h"

#include <QCoreApplication>

namespace marlo {

QString passwordPromptText(const char* text) {
    return QCoreApplication::translate("PasswordPrompt", text);
}

QString passwordPromptQuestion(const PasswordRequest& request) {
    const QString question = passwordPromptText(request.promptText);
    return request.secret == SecretKind::profileKey ? question.arg(displayText(request.networkName))
                                                    : question;
}

} // namespace marlo
