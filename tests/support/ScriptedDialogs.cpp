#include "tests/support/ScriptedDialogs.h"

#include "ui/PasswordPromptText.h"
#include "ui/WidgetText.h"

#include <QTest>

namespace marlo {

namespace {

const char* kindName(ScriptedDialogs::Kind kind) {
    switch (kind) {
    case ScriptedDialogs::Kind::message:
        return "message";
    case ScriptedDialogs::Kind::confirm:
        return "confirmation";
    case ScriptedDialogs::Kind::diagnostic:
        return "diagnostic";
    case ScriptedDialogs::Kind::openFile:
        return "open-file picker";
    case ScriptedDialogs::Kind::saveFile:
        return "save-file picker";
    case ScriptedDialogs::Kind::writeConfirmation:
        return "write confirmation";
    case ScriptedDialogs::Kind::password:
        return "password prompt";
    }
    return "box";
}

void fail(const QString& why) {
    QTest::qFail(why.toUtf8().constData(), __FILE__, __LINE__);
}

} // namespace

void ScriptedDialogs::expectMessage(const QString& text, QWidget* owner) {
    expected_.push_back({.kind = Kind::message, .text = text, .owner = owner});
}

void ScriptedDialogs::expectConfirm(const QString& text, bool answer) {
    expected_.push_back({.kind = Kind::confirm, .text = text, .confirmAnswer = answer});
}

void ScriptedDialogs::expectAny(Kind kind, QWidget* owner, bool answer) {
    expected_.push_back({.kind = kind, .owner = owner, .confirmAnswer = answer});
}

void ScriptedDialogs::expectDiagnostic(const QString& text) {
    expected_.push_back({.kind = Kind::diagnostic, .text = text});
}

void ScriptedDialogs::expectOpenFile(std::optional<QString> answer) {
    expected_.push_back({.kind = Kind::openFile, .fileAnswer = std::move(answer)});
}

void ScriptedDialogs::expectSaveFile(std::optional<QString> answer) {
    expected_.push_back({.kind = Kind::saveFile, .fileAnswer = std::move(answer)});
}

void ScriptedDialogs::expectWriteConfirmation(std::optional<WriteMode> answer) {
    expected_.push_back({.kind = Kind::writeConfirmation, .writeAnswer = answer});
}

void ScriptedDialogs::expectPassword(const QString& prompt, PasswordAnswer answer) {
    expected_.push_back({.kind = Kind::password, .text = prompt, .passwordAnswer = std::move(answer)});
}

QStringList ScriptedDialogs::shownTexts() const {
    QStringList texts;
    for (const Shown& shown : shown_) {
        texts.append(shown.text);
    }
    return texts;
}

std::optional<ScriptedDialogs::Expected> ScriptedDialogs::take(Kind kind, QWidget* owner,
                                                               const QString& text) {
    shown_.append({kind, text, owner});
    const QString shown = QStringLiteral("%1 \"%2\"").arg(QLatin1String(kindName(kind)), text);
    if (expected_.empty()) {
        fail(QStringLiteral("unexpected %1").arg(shown));
        return std::nullopt;
    }
    Expected next = std::move(expected_.front());
    expected_.pop_front();
    if (next.kind != kind) {
        fail(QStringLiteral("expected a %1, got %2").arg(QLatin1String(kindName(next.kind)), shown));
        return std::nullopt;
    }
    if (next.text && *next.text != text) {
        fail(QStringLiteral("expected text \"%1\", got %2").arg(*next.text, shown));
        return std::nullopt;
    }
    if (next.owner != nullptr && next.owner != owner) {
        fail(QStringLiteral("%1 has the wrong owner").arg(shown));
        return std::nullopt;
    }
    return next;
}

void ScriptedDialogs::message(QWidget* owner, const QString& text) {
    take(Kind::message, owner, text);
}

void ScriptedDialogs::warning(QWidget* owner, const QString& text) {
    warnings_ << text;
    take(Kind::message, owner, text);
}

bool ScriptedDialogs::confirm(QWidget* owner, const QString& text) {
    const std::optional<Expected> expected = take(Kind::confirm, owner, text);
    return expected && expected->confirmAnswer;
}

void ScriptedDialogs::diagnostic(const QString& text) {
    take(Kind::diagnostic, nullptr, text);
}

void ScriptedDialogs::copyToClipboard(const QString& text) {
    clipboard_.append(text);
}

std::optional<QString> ScriptedDialogs::openRecordFile(QWidget* owner) {
    const std::optional<Expected> expected = take(Kind::openFile, owner, {});
    return expected ? expected->fileAnswer : std::nullopt;
}

std::optional<QString> ScriptedDialogs::saveRecordFile(QWidget* owner) {
    const std::optional<Expected> expected = take(Kind::saveFile, owner, {});
    return expected ? expected->fileAnswer : std::nullopt;
}

std::optional<WriteMode> ScriptedDialogs::confirmWrite(QWidget* owner, const QStringList& changes) {
    const std::optional<Expected> expected =
        take(Kind::writeConfirmation, owner, changes.join(QLatin1Char('\n')));
    return expected ? expected->writeAnswer : std::nullopt;
}

PasswordAnswer ScriptedDialogs::askPassword(QWidget* owner, const PasswordRequest& request) {
    const std::optional<Expected> expected = take(Kind::password, owner, passwordPromptQuestion(request));
    return expected ? expected->passwordAnswer : PasswordAnswer{};
}

} // namespace marlo
