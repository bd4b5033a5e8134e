#pragma once

#include "record/DeviceSettings.h"

#include <QString>
#include <optional>

class QWidget;

namespace marlo {

inline constexpr char applicationTitle[] = "Marlo";

// What the password prompt is told before it is shown: its prompt line, the captions that replace
// the default ones when not empty, and its length rule.
struct PasswordRequest {
    enum class LengthRule { key, serverPassword };

    QString prompt;
    QString okCaption;
    QString skipCaption;
    LengthRule rule = LengthRule::key;
    bool hexKey = false; // with the key rule: exactly 64 bytes
};

struct PasswordAnswer {
    enum class Choice { entered, skipped, stopped };

    Choice choice = Choice::stopped;
    Text password; // code page 932, when entered
};

// Every box, file picker and prompt the windows show, so that tests can script them.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal box owned by `owner`, captioned with the application's title, with one OK button.
    virtual void message(QWidget* owner, const QString& text) = 0;
    // The same with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* owner, const QString& text) = 0;
    // The record reader's diagnostics: no owner, no caption, OK and Cancel with the answer
    // ignored; the text is also put on the clipboard.
    virtual void diagnostic(const QString& text) = 0;
    virtual void copyToClipboard(const QString& text) = 0;

    // Record files; no value when the user cancels.
    virtual std::optional<QString> openRecordFile(QWidget* owner) = 0;
    virtual std::optional<QString> saveRecordFile(QWidget* owner) = 0;

    virtual PasswordAnswer askPassword(QWidget* owner, const PasswordRequest& request) = 0;
};

} // namespace marlo
