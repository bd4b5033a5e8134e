#include "app/PasswordDialog.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace marlo;

namespace {

PasswordRequest keyRequest(bool hexKey) {
    PasswordRequest request;
    request.promptText = "アクセスポイントのパスフレーズ";
    request.lengthMode = passwordLengthKey;
    request.hexKey = hexKey;
    return request;
}

PasswordRequest serverRequest() {
    PasswordRequest request;
    request.lengthMode = passwordLengthServer;
    return request;
}

// Shows the prompt, types `text` and presses OK; the prompt's result, 0 while it stays open.
int enter(ScriptedDialogs& dialogs, const PasswordRequest& request, const QString& text,
          std::string* entered = nullptr) {
    PasswordDialog prompt(dialogs, request);
    prompt.open();
    control<QLineEdit>(&prompt, "passwordEdit")->setText(text);
    control<QPushButton>(&prompt, "passwordOk")->click();
    if (entered != nullptr) {
        *entered = prompt.enteredPassword();
    }
    return prompt.isVisible() ? 0 : prompt.result();
}

} // namespace

class PasswordPromptTest : public QObject {
    Q_OBJECT

private slots:
    void keyRuleAcceptsEightToSixtyThreeBytes() {
        ScriptedDialogs dialogs;
        const QString message = QStringLiteral("8文字以上、63文字以内である必要があります。");
        dialogs.expectMessage(message);
        QCOMPARE(enter(dialogs, keyRequest(false), QString(7, 'k')), 0);
        dialogs.expectMessage(message);
        QCOMPARE(enter(dialogs, keyRequest(false), QString(64, 'k')), 0);
        std::string entered;
        QCOMPARE(enter(dialogs, keyRequest(false), QString(8, 'k'), &entered), promptEntered);
        QCOMPARE(entered, std::string(8, 'k'));
        QCOMPARE(enter(dialogs, keyRequest(false), QString(63, 'k')), promptEntered);
        QVERIFY(dialogs.done());
    }

    void hexKeyNeedsExactlySixtyFourBytes() {
        ScriptedDialogs dialogs;
        const QString message = QStringLiteral("64文字である必要があります。");
        dialogs.expectMessage(message);
        QCOMPARE(enter(dialogs, keyRequest(true), QString(63, 'z')), 0);
        dialogs.expectMessage(message);
        QCOMPARE(enter(dialogs, keyRequest(true), QString(65, 'z')), 0);
        QCOMPARE(enter(dialogs, keyRequest(true), QString(64, 'z')), promptEntered);
        QVERIFY(dialogs.done());
    }

    void serverRuleCountsBytesOfCodePage932() {
        ScriptedDialogs dialogs;
        QCOMPARE(enter(dialogs, serverRequest(), QString()), promptEntered);
        QCOMPARE(enter(dialogs, serverRequest(), QString(31, 'p')), promptEntered);
        dialogs.expectMessage(QStringLiteral("31文字以内である必要があります。"));
        QCOMPARE(enter(dialogs, serverRequest(), QString(16, QChar(u'あ'))), 0);
        dialogs.expectMessage(QStringLiteral("パスワードに使用できない文字が含まれています。"));
        QCOMPARE(enter(dialogs, serverRequest(), QStringLiteral("pass😀")), 0);
        QVERIFY(dialogs.done());
    }

    void showsTheCallersTextsAndKeepsARefusedText() {
        ScriptedDialogs dialogs;
        PasswordRequest request = keyRequest(false);
        request.okCaption = "保存する";
        PasswordDialog prompt(dialogs, request);
        QCOMPARE(prompt.windowTitle(), QStringLiteral("パスワードの入力"));
        QCOMPARE(control<QLabel>(&prompt, "passwordPromptLine")->text(),
                 QStringLiteral("アクセスポイントのパスフレーズ"));
        QCOMPARE(control<QPushButton>(&prompt, "passwordOk")->text(), QStringLiteral("保存する"));
        QCOMPARE(control<QPushButton>(&prompt, "passwordStop")->text(),
                 QStringLiteral("ファイルへの保存を中断する"));
        QCOMPARE(control<QLineEdit>(&prompt, "passwordEdit")->echoMode(), QLineEdit::Normal);

        // A profile's SSID in the prompt is shown as it is, never read as markup.
        request.secret = SecretKind::profileKey;
        request.promptText = "SSID [ %1 ]";
        request.networkName = "<b>Cafe</b>";
        PasswordDialog markup(dialogs, request);
        QCOMPARE(control<QLabel>(&markup, "passwordPromptLine")->text(),
                 QStringLiteral("SSID [ <b>Cafe</b> ]"));
        QCOMPARE(control<QLabel>(&markup, "passwordPromptLine")->textFormat(), Qt::PlainText);

        prompt.open();
        control<QLineEdit>(&prompt, "passwordEdit")->setText(QStringLiteral("short"));
        dialogs.expectMessage(QStringLiteral("8文字以上、63文字以内である必要があります。"), &prompt);
        QTest::keyClick(control<QLineEdit>(&prompt, "passwordEdit"), Qt::Key_Return);
        QVERIFY(dialogs.done());
        QVERIFY(prompt.isVisible());
        QCOMPARE(control<QLineEdit>(&prompt, "passwordEdit")->text(), QStringLiteral("short"));
        prompt.close();
        QCOMPARE(prompt.result(), promptStop);
    }

    void skipAndStopEndThePrompt() {
        ScriptedDialogs dialogs;
        PasswordRequest request = keyRequest(false);
        request.skipCaption = "このSSIDのプロファイルは保存しない";
        PasswordDialog skipping(dialogs, request);
        QCOMPARE(control<QPushButton>(&skipping, "passwordSkip")->text(),
                 QStringLiteral("このSSIDのプロファイルは保存しない"));
        QCOMPARE(control<QPushButton>(&skipping, "passwordOk")->text(), QStringLiteral("OK"));
        skipping.open();
        control<QPushButton>(&skipping, "passwordSkip")->click();
        QCOMPARE(skipping.result(), promptSkip);

        PasswordDialog escaping(dialogs, keyRequest(false));
        QCOMPARE(control<QPushButton>(&escaping, "passwordSkip")->text(),
                 QStringLiteral("このパスワードはファイルに保存しない"));
        escaping.open();
        QTest::keyClick(&escaping, Qt::Key_Escape);
        QVERIFY(!escaping.isVisible());
        QCOMPARE(escaping.result(), promptStop);

        PasswordDialog stopping(dialogs, keyRequest(false));
        stopping.open();
        control<QPushButton>(&stopping, "passwordStop")->click();
        QCOMPARE(stopping.result(), promptStop);
        QVERIFY(dialogs.shown().isEmpty());
    }
};

QTEST_MAIN(PasswordPromptTest)
#include "PasswordPromptTest.moc"
