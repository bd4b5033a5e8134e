#include "tests/support/ScriptedDialogs.h"
#include "ui/DialogUnits.h"
#include "ui/ReturnEscapeFilter.h"
#include "ui/TypedLengthLimit.h"
#include "ui/WidgetText.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace marlo;

namespace {

// Types characters that have no key of their own, as an input method hands them over.
void typeCharacters(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void dialogUnitsRoundToTheNearestPixel() {
        const DialogUnits units(7, 12);
        QCOMPARE(units.toPixels(10, 45, 290, 355), QRect(18, 68, 508, 533));
        QCOMPARE(units.toPixels(315, 447), QSize(551, 671));
        QCOMPARE(units.toPixels(6, 8, 45, 10), QRect(11, 12, 79, 15));
    }

    void returnAndEscapeDoNothingInTheFilteredWindow() {
        QDialog dialog;
        auto* edit = new QLineEdit(&dialog);
        auto* combo = new QComboBox(&dialog);
        combo->setEditable(true);
        combo->addItem(QStringLiteral("9600"));
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(combo);
        layout->addWidget(button);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        new ReturnEscapeFilter(&dialog);
        dialog.show();

        for (QWidget* target : std::initializer_list<QWidget*>{edit, combo->lineEdit(), button, &dialog}) {
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
            QTest::keyClick(target, Qt::Key_Escape);
        }
        QCOMPARE(clicks, 0);
        QVERIFY(dialog.isVisible());
        QCOMPARE(combo->count(), 1);

        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks, 1);

        QDialog other;
        other.show();
        QTest::keyClick(&other, Qt::Key_Escape);
        QVERIFY(!other.isVisible());
    }

    void typingStopsAtTheByteLimitButSetTextsStay() {
        QLineEdit edit;
        new TypedLengthLimit(&edit, 2);
        QTest::keyClicks(&edit, QStringLiteral("abc"));
        QCOMPARE(edit.text(), QStringLiteral("ab"));

        edit.setText(QStringLiteral("<None>"));
        QCOMPARE(edit.text(), QStringLiteral("<None>"));
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClick(&edit, Qt::Key_X);
        QCOMPARE(edit.text(), QStringLiteral("<None>"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("<None"));
        // A paste over the whole text makes it shorter, yet still too long.
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("<None"));

        edit.clear();
        typeCharacters(&edit, QStringLiteral("あい"));
        QCOMPARE(edit.text(), QStringLiteral("あ"));
        edit.clear();
        typeCharacters(&edit, QStringLiteral("ｱｲｳ"));
        QCOMPARE(edit.text(), QStringLiteral("ｱｲ"));
    }

    void shownTextsMarkBytesThatAreNotCodePage932() {
        QCOMPARE(displayText("\x83\x41"), QStringLiteral("ア"));
        QCOMPARE(displayText("ab\xff"), QStringLiteral("ab\uFFFD"));
        QCOMPARE(encodeText(QStringLiteral("ア")), std::optional<Text>("\x83\x41"));
        QCOMPARE(encodeText(QStringLiteral("😀")), std::nullopt);
    }

    void scriptedDialogsAnswerInOrder() {
        ScriptedDialogs dialogs;
        QWidget owner;
        dialogs.expectMessage(QStringLiteral("一"), &owner);
        dialogs.expectConfirm(QStringLiteral("二"), true);
        dialogs.expectOpenFile(QStringLiteral("/tmp/a.xml"));
        dialogs.message(&owner, QStringLiteral("一"));
        QVERIFY(dialogs.confirm(&owner, QStringLiteral("二")));
        QCOMPARE(dialogs.openRecordFile(&owner), std::optional<QString>(QStringLiteral("/tmp/a.xml")));
        dialogs.copyToClipboard(QStringLiteral("三"));
        QVERIFY(dialogs.done());
        QCOMPARE(dialogs.shownTexts(), QStringList({QStringLiteral("一"), QStringLiteral("二"), QString()}));
        QCOMPARE(dialogs.clipboard(), QStringList{QStringLiteral("三")});
    }

    void scriptedDialogsFailTheTestOnAnUnexpectedBox() {
        ScriptedDialogs dialogs;
        QEXPECT_FAIL("", "no box was expected", Continue);
        dialogs.message(nullptr, QStringLiteral("予定外"));
        dialogs.expectMessage(QStringLiteral("予定"));
        QEXPECT_FAIL("", "the text differs", Continue);
        dialogs.message(nullptr, QStringLiteral("予定外"));
        dialogs.expectConfirm(QStringLiteral("確認"), true);
        QEXPECT_FAIL("", "the kind differs", Continue);
        dialogs.message(nullptr, QStringLiteral("確認"));
        QCOMPARE(dialogs.shown().size(), 3);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
