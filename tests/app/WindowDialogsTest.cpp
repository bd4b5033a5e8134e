#include "app/WindowDialogs.h"
#include "tests/support/ModalDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace marlo;

namespace {

// What a box showed before it was answered.
struct Box {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QWidget* owner = nullptr;
    bool modal = false;
    Qt::TextFormat format = Qt::AutoText;
};

// Answers the next box that opens by pressing `answer`, and keeps what it showed in `seen`.
void answerNextBox(QMessageBox::StandardButton answer, Box& seen) {
    onNextModal([answer, &seen](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        seen = {box->windowTitle(),  box->text(),    box->standardButtons(),
                box->parentWidget(), box->isModal(), box->textFormat()};
        box->button(answer)->click();
    });
}

} // namespace

class WindowDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messagesAreModalBoxesOfTheirOwnerCaptionedMarlo() {
        WindowDialogs dialogs;
        QWidget owner;
        owner.show();
        Box seen;
        answerNextBox(QMessageBox::Ok, seen);
        const QString reply =
            QStringLiteral("設定の書き込みに失敗しました。\n\n<b>ERROR:</b> SSID <i>Cafe</i>");
        dialogs.message(&owner, reply);
        QCOMPARE(seen.caption, QStringLiteral("Marlo"));
        QCOMPARE(seen.text, reply);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.owner, &owner);
        QVERIFY(seen.modal);

        answerNextBox(QMessageBox::Ok, seen);
        QVERIFY(dialogs.confirm(&owner, QStringLiteral("確認")));
        QCOMPARE(seen.caption, QStringLiteral("Marlo"));
        QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(seen.owner, &owner);
        answerNextBox(QMessageBox::Cancel, seen);
        QVERIFY(!dialogs.confirm(&owner, QStringLiteral("確認")));
    }

    void diagnosticsHaveNoOwnerNorCaptionAndGoToTheClipboard() {
        WindowDialogs dialogs;
        QApplication::clipboard()->clear();
        const QString text = QStringLiteral("*** not found ***\ngroup: <configgroup name = \"Radio\">");
        for (const QMessageBox::StandardButton answer : {QMessageBox::Ok, QMessageBox::Cancel}) {
            Box seen;
            answerNextBox(answer, seen);
            dialogs.diagnostic(text);
            QCOMPARE(seen.caption, QString());
            QCOMPARE(seen.text, text);
            QCOMPARE(seen.format, Qt::PlainText);
            QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(seen.owner, nullptr);
            QVERIFY(seen.modal);
            QCOMPARE(QApplication::clipboard()->text(), text);
            QApplication::clipboard()->clear();
        }
    }
};

QTEST_MAIN(WindowDialogsTest)
#include "WindowDialogsTest.moc"
