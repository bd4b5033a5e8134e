#include "app/PasswordDialog.h"

#include "ui/DialogUnits.h"
#include "ui/PasswordPromptText.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace marlo {

namespace {

constexpr const char* unusableCharacterMessage =
    QT_TRANSLATE_NOOP("PasswordDialog", "パスワードに使用できない文字が含まれています。");

} // namespace

PasswordDialog::PasswordDialog(UserDialogs& dialogs, const PasswordRequest& request, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs)
    , request_(request) {
    setWindowTitle(tr("パスワードの入力"));
    const DialogUnits units = DialogUnits::forFont(font());

    auto* prompt = new QLabel(passwordPromptQuestion(request), this);
    prompt->setObjectName(QStringLiteral("passwordPromptLine"));
    prompt->setTextFormat(Qt::PlainText);
    QRect promptRect = units.toPixels(10, 10, 245, 20);
    promptRect.setHeight(std::max(promptRect.height(), 2 * fontMetrics().height()));
    prompt->setGeometry(promptRect);
    prompt->setWordWrap(true);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("passwordEdit"));
    edit_->setGeometry(units.toPixels(10, 35, 245, 14));
    edit_->setAccessibleName(prompt->text());

    const auto addButton = [&](const char* id, const char* caption, const QString& defaultCaption, int y) {
        const QString text = caption == nullptr ? defaultCaption : passwordPromptText(caption);
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(id));
        button->setGeometry(units.toPixels(70, y, 185, 14));
        return button;
    };
    QPushButton* ok = addButton("passwordOk", request.okCaption, tr("OK"), 55);
    QPushButton* skip =
        addButton("passwordSkip", request.skipCaption, tr("このパスワードはファイルに保存しない"), 70);
    QPushButton* stop = addButton("passwordStop", nullptr, tr("ファイルへの保存を中断する"), 95);
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, &PasswordDialog::takePassword);
    connect(skip, &QPushButton::clicked, this, [this] { done(promptSkip); });
    connect(stop, &QPushButton::clicked, this, [this] { done(promptStop); });
    setFixedSize(units.toPixels(267, 118));
}

void PasswordDialog::reject() {
    done(promptStop);
}

void PasswordDialog::takePassword() {
    const std::optional<Text> password = encodeText(edit_->text());
    if (!password) {
        dialogs_.warning(this, tr(unusableCharacterMessage));
        return;
    }
    enteredPassword_ = *password;
    if (const char* error = passwordLengthError(request_, enteredPassword_)) {
        dialogs_.warning(this, passwordPromptText(error));
        return;
    }
    done(promptEntered);
}

} // namespace marlo
