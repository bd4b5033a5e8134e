#pragma once

#include "record/PasswordPrompt.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace marlo {

inline constexpr char applicationTitle[] = "Marlo";

// What the write confirmation chose; the value is what the record's "Reboot" item is rendered from.
enum class WriteMode { writeOnly = 0, writeAndReset = 1 };

// Every box, file picker and prompt the windows show, so that tests can script them.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal box owned by `owner`, captioned with the application's title, with one OK button.
    virtual void message(QWidget* owner, const QString& text) = 0;
    // The same box for a refusal or a failure, with the warning icon.
    virtual void warning(QWidget* owner, const QString& text) = 0;
    // The same with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* owner, const QString& text) = 0;
    // The record reader's diagnostics: no owner, no caption, OK and Cancel with the answer
    // ignored; the text is also put on the clipboard.
    virtual void diagnostic(const QString& text) = 0;
    virtual void copyToClipboard(const QString& text) = 0;

    // Record files; no value when the user cancels.
    virtual std::optional<QString> openRecordFile(QWidget* owner) = 0;
    virtual std::optional<QString> saveRecordFile(QWidget* owner) = 0;

    // The write confirmation, listing what the write changes, one setting a line (empty when
    // nothing does); no value when the user cancels.
    virtual std::optional<WriteMode> confirmWrite(QWidget* owner, const QStringList& changes) = 0;

    // The record writer's prompt for a secret the device does not show.
    virtual PasswordAnswer askPassword(QWidget* owner, const PasswordRequest& request) = 0;
};

} // namespace marlo
