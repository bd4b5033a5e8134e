#pragma once

#include "ui/UserDialogs.h"

namespace marlo {

// The program's boxes, file pickers and password prompt.
class WindowDialogs : public UserDialogs {
public:
    void message(QWidget* owner, const QString& text) override;
    void warning(QWidget* owner, const QString& text) override;
    bool confirm(QWidget* owner, const QString& text) override;
    void diagnostic(const QString& text) override;
    void copyToClipboard(const QString& text) override;
    std::optional<QString> openRecordFile(QWidget* owner) override;
    std::optional<QString> saveRecordFile(QWidget* owner) override;
    std::optional<WriteMode> confirmWrite(QWidget* owner, const QStringList& changes) override;
    PasswordAnswer askPassword(QWidget* owner, const PasswordRequest& request) override;
};

} // namespace marlo
