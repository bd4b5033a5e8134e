#pragma once

#include "record/PasswordPrompt.h"

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;

namespace marlo {

class UserDialogs;

// "パスワードの入力": asks for one secret the device does not show while a record is built for
// a file. Ends with `promptEntered` and the secret, `promptSkip` for "don't save this one", or
// `promptStop` to stop saving (also Escape and the close box).
class PasswordDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(PasswordDialog)

public:
    PasswordDialog(UserDialogs& dialogs, const PasswordRequest& request, QWidget* parent = nullptr);

    // The secret in code page 932, taken when OK passed.
    const std::string& enteredPassword() const { return enteredPassword_; }

    void reject() override;

private:
    void takePassword();

    UserDialogs& dialogs_;
    PasswordRequest request_;
    QLineEdit* edit_ = nullptr;
    std::string enteredPassword_;
};

} // namespace marlo
