#include "pages/ProfileEditorDialog.h"
#include "pages/StationProfilesDialog.h"
#include "resources/DialogIds.h"
#include "tests/pages/StationDevice.h"

#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <memory>

using namespace marlo;
using namespace marlo::testing;

namespace {

const QString limitMessage = QStringLiteral("プロファイルは最大4つまでです。");
const QString registerQuestion =
    QStringLiteral("この内容のプロファイルを登録します。\r\nこの操作は即座に反映されます。");
const QString addedMessage = QStringLiteral("プロファイルを追加しました。");

const QList<int> stationControls = {ids::profileList, ids::profileNew, ids::profileSwitch, ids::profileDelete,
                                    ids::scanButton,  ids::scanList,   ids::scanAdd};

QTreeWidget* listOf(QWidget* dialog, int id) {
    return control<QTreeWidget>(dialog, id);
}

QStringList rowTexts(QWidget* dialog, int id, int row) {
    QStringList texts;
    QTreeWidgetItem* item = listOf(dialog, id)->topLevelItem(row);
    for (int column = 0; item && column < item->columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

void select(QWidget* dialog, int id, int row) {
    QTreeWidget* list = listOf(dialog, id);
    list->setCurrentItem(list->topLevelItem(row));
}

// Runs `fill` on the profile editor the dialog opens once the event loop of the editor runs.
void whenEditorOpens(QWidget* dialog, std::function<void(ProfileEditorDialog*)> fill) {
    QTimer::singleShot(0, dialog,
                       [dialog, fill = std::move(fill)] { fill(dialog->findChild<ProfileEditorDialog*>()); });
}

} // namespace

class StationProfilesTest : public QObject {
    Q_OBJECT

private slots:
    void theListMirrorsTheDeviceProfiles() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        QCOMPARE(dialogTemplate(&dialog), int(ids::stationProfilesTemplate));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("接続先の設定"));
        QTreeWidget* profiles = listOf(&dialog, ids::profileList);
        QCOMPARE(profiles->headerItem()->text(2), QStringLiteral("セキュリティ"));
        QCOMPARE(profiles->columnWidth(1), 130);
        QCOMPARE(listOf(&dialog, ids::scanList)->columnCount(), 5);
        QCOMPARE(profiles->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(&dialog, ids::profileList, 0), (QStringList{"有効", "office", "WPA2"}));
        QCOMPARE(rowTexts(&dialog, ids::profileList, 1), (QStringList{"無効", "guest", "None"}));
        QCOMPARE(rowTexts(&dialog, ids::profileList, 2), (QStringList{"有効", "lab", "WEP"}));
        const auto name = [&](int id) {
            return QAccessible::queryAccessibleInterface(findControl(&dialog, id))->text(QAccessible::Name);
        };
        QCOMPARE(name(ids::profileList), QStringLiteral("保存済プロファイル"));
        QCOMPARE(name(ids::profileDelete), QStringLiteral("選択中プロファイルを削除"));
        QCOMPARE(name(ids::scanList), QStringLiteral("接続先アクセスポイントの検索"));

        d.document.configRecord.clear();
        StationProfilesDialog fromFile(d.document, d.linked.link, d.dialogs);
        QCOMPARE(listOf(&fromFile, ids::profileList)->topLevelItemCount(), 0);
    }

    void closingTheProgramDuringAScanStopsIt() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles));
        d.linked.device.update([](sim::Behaviour& b) { b.scanDelay = std::chrono::hours(1); });
        auto dialog = std::make_unique<StationProfilesDialog>(d.document, d.linked.link, d.dialogs);
        buttonOf(dialog.get(), ids::scanButton)->click();
        QTest::qWait(300);
        QElapsedTimer closing;
        closing.start();
        dialog.reset();
        QVERIFY2(closing.elapsed() < 30000, "the dialog waited for the device");
        QVERIFY(d.dialogs.shown().isEmpty());
        QVERIFY(portIsFree(d.linked.device.portPath()));
        QVERIFY(d.linked.link.pause(std::chrono::milliseconds(0)));
    }

    void switchingAsksSendsAndKeepsTheOldStateWhenRefused() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);

        buttonOf(&dialog, ids::profileSwitch)->click(); // nothing selected: nothing happens
        QVERIFY(d.dialogs.shown().isEmpty());

        select(&dialog, ids::profileList, 0);
        d.refuseImports(true);
        d.dialogs.expectConfirm(
            QStringLiteral("選択したプロファイルを 無効 に変更します。\r\nこの操作は即座に反映されます。"),
            true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルの変更に失敗しました。\n\n") + refusedReply,
                                &dialog);
        buttonOf(&dialog, ids::profileSwitch)->click();
        QVERIFY(!buttonOf(&dialog, ids::scanButton)->isEnabled());
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(rowTexts(&dialog, ids::profileList, 0).at(0), QStringLiteral("有効"));
        QCOMPARE(d.document.loaded.profiles[0].state, 1);
        QCOMPARE(d.deviceValue("_ffice", "Basic", "State"), std::optional<std::string>("Enabled"));

        d.refuseImports(false);
        d.dialogs.expectConfirm(
            QStringLiteral("選択したプロファイルを 無効 に変更します。\r\nこの操作は即座に反映されます。"),
            true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルを 無効 に変更しました。"), &dialog);
        buttonOf(&dialog, ids::profileSwitch)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(rowTexts(&dialog, ids::profileList, 0).at(0), QStringLiteral("無効"));
        QCOMPARE(d.document.loaded.profiles[0].state, 0);
        QCOMPARE(d.deviceValue("_ffice", "Basic", "State"), std::optional<std::string>("Disabled"));

        select(&dialog, ids::profileList, 1);
        d.dialogs.expectConfirm(
            QStringLiteral("選択したプロファイルを 有効 に変更します。\r\nこの操作は即座に反映されます。"),
            false);
        buttonOf(&dialog, ids::profileSwitch)->click();
        QVERIFY(d.dialogs.done());
        QCOMPARE(d.deviceValue("_uest", "Basic", "State"), std::optional<std::string>("Disabled"));
    }

    void deletingTheFirstOfThreeMovesTheOthersUp() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        const WlanProfile second = d.document.loaded.profiles[1];
        const WlanProfile third = d.document.loaded.profiles[2];
        QCOMPARE(third.suite, 3);

        select(&dialog, ids::profileList, 0);
        const QString question =
            QStringLiteral("選択したプロファイルを削除します。\r\nこの操作は即座に反映されます。");
        d.dialogs.expectConfirm(question, false);
        buttonOf(&dialog, ids::profileDelete)->click();
        QCOMPARE(d.document.loaded.profileCount, 3);

        d.refuseImports(true);
        d.dialogs.expectConfirm(question, true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルの削除に失敗しました。\n\n") + refusedReply,
                                &dialog);
        buttonOf(&dialog, ids::profileDelete)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(d.document.loaded.profileCount, 3);

        d.refuseImports(false);
        d.dialogs.expectConfirm(question, true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルを削除しました。"), &dialog);
        buttonOf(&dialog, ids::profileDelete)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(d.document.loaded.profileCount, 2);
        QCOMPARE(d.document.loaded.profiles[0], second);
        QCOMPARE(d.document.loaded.profiles[1], third);
        QCOMPARE(d.document.loaded.profiles[2], WlanProfile{});
        QCOMPARE(listOf(&dialog, ids::profileList)->topLevelItemCount(), 2);
        QCOMPARE(rowTexts(&dialog, ids::profileList, 0), (QStringList{"無効", "guest", "None"}));
        QVERIFY(listOf(&dialog, ids::profileList)->selectedItems().isEmpty());
        QCOMPARE(d.linked.device.configuration().profileNames(), (std::vector<std::string>{"_uest", "_ab"}));

        buttonOf(&dialog, ids::profileDelete)->click(); // the selection is gone: nothing happens
        QVERIFY(d.dialogs.done());
    }

    void scanFillsReplacesAndKeepsItsList() {
        StationDevice d;
        QVERIFY(d.load(""));
        d.linked.device.update([](sim::Behaviour& b) { b.scanLines.push_back("short line only"); });
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        buttonOf(&dialog, ids::scanButton)->click();
        QVERIFY(!buttonOf(&dialog, ids::profileNew)->isEnabled());
        QVERIFY(findControl(&dialog, ids::stationProgress)->isEnabled());
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QVERIFY(d.dialogs.shown().isEmpty());
        QCOMPARE(listOf(&dialog, ids::scanList)->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(&dialog, ids::scanList, 0),
                 (QStringList{"office-net", "00:1a:2b:3c:4d:5e", "6", "-48", "WPA2-PSK AES"}));
        QCOMPARE(rowTexts(&dialog, ids::scanList, 2).at(2), QStringLiteral("44"));
        QCOMPARE(control<QProgressBar>(&dialog, ids::stationProgress)->value(), 0);

        d.linked.device.update([](sim::Behaviour& b) { b.announcedNetworks = 9; });
        d.dialogs.expectMessage(QStringLiteral("解析エラー"), &dialog);
        buttonOf(&dialog, ids::scanButton)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(listOf(&dialog, ids::scanList)->topLevelItemCount(), 3);

        d.linked.device.hangUpAfter(0);
        d.dialogs.expectMessage(QStringLiteral("通信エラー"), &dialog);
        buttonOf(&dialog, ids::scanButton)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(listOf(&dialog, ids::scanList)->topLevelItemCount(), 3);
    }

    void anEmptyScanClearsTheList() {
        StationDevice d;
        QVERIFY(d.load(""));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        buttonOf(&dialog, ids::scanButton)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        select(&dialog, ids::scanList, 1);

        d.linked.device.update([](sim::Behaviour& b) { b.scanLines.clear(); });
        buttonOf(&dialog, ids::scanButton)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QCOMPARE(listOf(&dialog, ids::scanList)->topLevelItemCount(), 0);
        buttonOf(&dialog, ids::scanAdd)->click(); // no access point selected: no editor
        QVERIFY(d.dialogs.shown().isEmpty());
    }

    void closingIsRefusedWhileTheDeviceWorks() {
        StationDevice d;
        QVERIFY(d.load(""));
        d.linked.device.update([](sim::Behaviour& b) { b.scanDelay = std::chrono::milliseconds(1500); });
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        buttonOf(&dialog, ids::scanButton)->click();
        for (const int id : stationControls) {
            QVERIFY2(!findControl(&dialog, id)->isEnabled(), qPrintable(QString::number(id)));
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        dialog.close();
        QVERIFY(dialog.isVisible());
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));
        QVERIFY(dialog.isVisible());

        QTest::keyClick(listOf(&dialog, ids::scanList), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void addingFromTheScanPrefillsTheEditorAndAppendsTheProfile() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles));
        d.linked.device.update([](sim::Behaviour& b) {
            b.scanLines.push_back(sim::scanLine("old-ap", "00:00:00:00:00:01", 1, -80, "WEP"));
            b.scanLines.push_back(sim::scanLine("tkip-ap", "00:00:00:00:00:02", 11, -70, "WPA-PSK TKIP"));
            b.scanLines.push_back(sim::scanLine("mixed-ap", "00:00:00:00:00:03", 11, -75, "WPA2 WEP"));
        });
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        buttonOf(&dialog, ids::scanButton)->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, ids::scanButton));

        struct Prefill {
            int row;
            bool encryption;
            int suite;
        };
        for (const Prefill& p :
             {Prefill{0, true, ids::editorWpa2}, Prefill{1, false, 0}, Prefill{3, true, ids::editorWep},
              Prefill{4, true, ids::editorWpa}, Prefill{5, true, ids::editorWep}}) {
            select(&dialog, ids::scanList, p.row);
            bool opened = false;
            whenEditorOpens(&dialog, [&](ProfileEditorDialog* editor) {
                opened = editor != nullptr;
                QCOMPARE(control<QLineEdit>(editor, ids::editorSsid)->text(),
                         rowTexts(&dialog, ids::scanList, p.row).at(0));
                QCOMPARE(buttonOf(editor, ids::editorEncryption)->isChecked(), p.encryption);
                if (p.suite != 0) {
                    QVERIFY(buttonOf(editor, p.suite)->isChecked());
                }
                QVERIFY(buttonOf(editor, ids::editorProfileOn)->isChecked());
                editor->reject();
            });
            buttonOf(&dialog, ids::scanAdd)->click();
            QVERIFY(opened);
        }
        QCOMPARE(d.document.loaded.profileCount, 3);

        select(&dialog, ids::scanList, 0);
        whenEditorOpens(&dialog, [](ProfileEditorDialog* editor) {
            control<QLineEdit>(editor, ids::editorKey1)->setText(QStringLiteral("office-secret"));
            buttonOf(editor, ids::editorOk)->click();
        });
        d.dialogs.expectConfirm(registerQuestion, true);
        d.dialogs.expectMessage(addedMessage);
        buttonOf(&dialog, ids::scanAdd)->click();
        QVERIFY(d.dialogs.done());
        QCOMPARE(d.document.loaded.profileCount, 4);
        QCOMPARE(d.document.loaded.profiles[3], (WlanProfile{1, "office-net", "_ffice-net", 2, 0}));
        QCOMPARE(rowTexts(&dialog, ids::profileList, 3), (QStringList{"有効", "office-net", "WPA2"}));
        QCOMPARE(d.deviceValue("_ffice-net", "Security", "WPAx Passphrase"),
                 std::optional<std::string>("office-secret"));

        for (const int id : {ids::scanAdd, ids::profileNew}) {
            d.dialogs.expectMessage(limitMessage, &dialog);
            whenEditorOpens(&dialog, [](ProfileEditorDialog* editor) {
                QVERIFY(editor == nullptr);
                if (editor) {
                    editor->reject();
                }
            });
            buttonOf(&dialog, id)->click();
            QVERIFY(d.dialogs.done());
        }
    }

    void aNameTheDeviceHoldsChangesThatProfile() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        whenEditorOpens(&dialog, [](ProfileEditorDialog* editor) {
            QVERIFY(control<QLineEdit>(editor, ids::editorSsid)->text().isEmpty());
            QVERIFY(buttonOf(editor, ids::editorWpa2)->isChecked());
            QVERIFY(buttonOf(editor, ids::editorPassphrase)->isChecked());
            control<QLineEdit>(editor, ids::editorSsid)->setText(QStringLiteral("Lab"));
            buttonOf(editor, ids::editorEncryption)->click();
            buttonOf(editor, ids::editorOk)->click();
        });
        d.dialogs.expectConfirm(registerQuestion, true);
        d.dialogs.expectMessage(addedMessage);
        buttonOf(&dialog, ids::profileNew)->click();
        QVERIFY(d.dialogs.done());
        QCOMPARE(d.document.loaded.profileCount, 3);
        QCOMPARE(rowTexts(&dialog, ids::profileList, 2), (QStringList{"有効", "Lab", "None"}));
        QCOMPARE(listOf(&dialog, ids::profileList)->topLevelItemCount(), 3);
        QCOMPARE(d.deviceValue("_ab", "Basic", "Network Name"), std::optional<std::string>("Lab"));
    }
};

QTEST_MAIN(StationProfilesTest)
#include "StationProfilesTest.moc"
