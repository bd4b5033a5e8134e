#pragma once

#include "ui/UserDialogs.h"

#include <QList>
#include <QStringList>
#include <deque>

namespace marlo {

// The boxes, pickers and prompts of a test, scripted in advance. Each one shown must be the next
// one expected, with the same kind and, where given, the same text and owner; anything else fails
// the running test. Every text shown is recorded in order.
class ScriptedDialogs : public UserDialogs {
public:
    enum class Kind { message, confirm, diagnostic, openFile, saveFile, writeConfirmation, password };

    struct Shown {
        Kind kind;
        QString text;
        QWidget* owner;
    };

    void expectMessage(const QString& text, QWidget* owner = nullptr);
    void expectConfirm(const QString& text, bool answer);
    // A box of `kind` whatever its text, which the test then reads from `shown`; a question is
    // answered with `answer`.
    void expectAny(Kind kind, QWidget* owner = nullptr, bool answer = false);
    void expectDiagnostic(const QString& text);
    void expectOpenFile(std::optional<QString> answer);
    void expectSaveFile(std::optional<QString> answer);
    void expectWriteConfirmation(std::optional<WriteMode> answer);
    void expectPassword(const QString& prompt, PasswordAnswer answer);

    // True when every expected box has been shown.
    bool done() const { return expected_.empty(); }
    const QList<Shown>& shown() const { return shown_; }
    QStringList shownTexts() const;
    const QStringList& clipboard() const { return clipboard_; }
    const QStringList& warnings() const { return warnings_; }

    void message(QWidget* owner, const QString& text) override;
    // Expected as a message; which of the two was shown is recorded in `warnings`.
    void warning(QWidget* owner, const QString& text) override;
    bool confirm(QWidget* owner, const QString& text) override;
    void diagnostic(const QString& text) override;
    void copyToClipboard(const QString& text) override;
    std::optional<QString> openRecordFile(QWidget* owner) override;
    std::optional<QString> saveRecordFile(QWidget* owner) override;
    // Recorded with the changes listed, one a line.
    std::optional<WriteMode> confirmWrite(QWidget* owner, const QStringList& changes) override;
    PasswordAnswer askPassword(QWidget* owner, const PasswordRequest& request) override;

private:
    struct Expected {
        Kind kind;
        std::optional<QString> text{};
        QWidget* owner = nullptr;
        bool confirmAnswer = false;
        std::optional<QString> fileAnswer{};
        std::optional<WriteMode> writeAnswer{};
        PasswordAnswer passwordAnswer{};
    };

    // Records the box and returns the expectation it met, or fails the test.
    std::optional<Expected> take(Kind kind, QWidget* owner, const QString& text);

    std::deque<Expected> expected_;
    QList<Shown> shown_;
    QStringList clipboard_;
    QStringList warnings_;
};

} // namespace marlo
