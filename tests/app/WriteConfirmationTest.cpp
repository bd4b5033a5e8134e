#include "app/WindowDialogs.h"
#include "app/WriteConfirmationDialog.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace marlo;

namespace {

// Acts on the next write confirmation that opens modally.
void answerNextConfirmation(const std::function<void(WriteConfirmationDialog&)>& answer) {
    onNextModal([answer](QDialog* dialog) { answer(dynamic_cast<WriteConfirmationDialog&>(*dialog)); });
}

QPushButton* button(QWidget* dialog, const QString& id) {
    return control<QPushButton>(dialog, id);
}

} // namespace

class WriteConfirmationTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTextsAndWhatTheWriteChanges() {
        const QStringList changes{QStringLiteral("シリアルポート > ボーレート: 9600 → 115200"),
                                  QStringLiteral("APモードの設定 > セキュリティ > パスワード: 変更あり")};
        for (const QStringList& listed : {QStringList{}, changes}) {
            WriteConfirmationDialog confirmation(listed);
            QCOMPARE(confirmation.windowTitle(), QStringLiteral("書き込みの確認"));
            QCOMPARE(
                confirmation.findChild<QLabel*>()->text(),
                QStringLiteral(
                    "設定の書き込みを行います。\n無線、STA、APモード設定の反映にはリセットが必要です。"));
            QCOMPARE(button(&confirmation, "writeOnly")->text(), QStringLiteral("書き込みのみを行う"));
            QCOMPARE(button(&confirmation, "writeAndReset")->text(),
                     QStringLiteral("書き込みとリセットを行う"));
            QCOMPARE(button(&confirmation, "writeCancel")->text(), QStringLiteral("キャンセル"));
            QVERIFY(button(&confirmation, "writeOnly")->isDefault());
            QVERIFY(!confirmation.resetAfterWrite());
            for (const QWidget* child : confirmation.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(confirmation.rect().contains(child->geometry()), qPrintable(child->objectName()));
            }
            auto* list = confirmation.findChild<QListWidget*>(QStringLiteral("changes"));
            const QString heading = control<QLabel>(&confirmation, "changesHeading")->text();
            if (listed.isEmpty()) {
                QVERIFY(list == nullptr);
                QCOMPARE(heading, QStringLiteral("書き込みで変わる設定はありません。"));
                continue;
            }
            QVERIFY(list != nullptr);
            QCOMPARE(heading, QStringLiteral("書き込みで変わる設定 (2 件):"));
            QCOMPARE(list->accessibleName(), heading);
            QStringList shown;
            for (int row = 0; row < list->count(); ++row) {
                shown << list->item(row)->text();
            }
            QCOMPARE(shown, changes);
        }
    }

    void eachWayOutGivesItsResult() {
        struct Case {
            const char* name;
            std::function<void(WriteConfirmationDialog&)> act;
            int result;
            bool reset;
        };
        const QList<Case> cases = {
            {"write only", [](WriteConfirmationDialog& d) { button(&d, "writeOnly")->click(); }, 1, false},
            {"Return", [](WriteConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }, 1, false},
            {"write and reset", [](WriteConfirmationDialog& d) { button(&d, "writeAndReset")->click(); }, 1,
             true},
            {"cancel", [](WriteConfirmationDialog& d) { button(&d, "writeCancel")->click(); }, 2, false},
            {"Escape", [](WriteConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 2, false},
            {"close box", [](WriteConfirmationDialog& d) { d.close(); }, 2, false},
        };
        for (const Case& c : cases) {
            WriteConfirmationDialog confirmation({});
            confirmation.open();
            c.act(confirmation);
            QVERIFY2(!confirmation.isVisible(), c.name);
            QVERIFY2(confirmation.result() == c.result, c.name);
            QVERIFY2(confirmation.resetAfterWrite() == c.reset, c.name);
        }
    }

    void theProgramsDialogsTurnTheChoiceIntoAWriteMode() {
        WindowDialogs dialogs;
        QWidget owner;
        owner.show();
        QWidget* parent = nullptr;
        answerNextConfirmation([&parent](WriteConfirmationDialog& d) {
            parent = d.parentWidget();
            button(&d, "writeAndReset")->click();
        });
        QCOMPARE(dialogs.confirmWrite(&owner, {}), std::optional(WriteMode::writeAndReset));
        QCOMPARE(parent, &owner);
        answerNextConfirmation([](WriteConfirmationDialog& d) { button(&d, "writeOnly")->click(); });
        QCOMPARE(dialogs.confirmWrite(&owner, {}), std::optional(WriteMode::writeOnly));
        answerNextConfirmation([](WriteConfirmationDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        QCOMPARE(dialogs.confirmWrite(&owner, {}), std::nullopt);
    }
};

QTEST_MAIN(WriteConfirmationTest)
#include "WriteConfirmationTest.moc"
