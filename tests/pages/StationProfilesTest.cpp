#include "pages/ProfileEditorDialog.h"
#include "pages/StationProfilesDialog.h"
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

#include <fcntl.h>
#include <unistd.h>

using namespace marlo;
using namespace marlo::testing;

namespace {

const QString limitMessage = QStringLiteral("プロファイルは最大4つまでです。");
const QString registerQuestion =
    QStringLiteral("この内容のプロファイルを登録します。\r\nこの操作は即座に反映されます。");
const QString addedMessage = QStringLiteral("プロファイルを追加しました。");

const QStringList stationControls = {"profileList", "profileNew", "profileSwitch", "profileDelete",
                                     "scanButton",  "scanList",   "scanAdd"};

QTreeWidget* listOf(QWidget* dialog, const QString& id) {
    return control<QTreeWidget>(dialog, id);
}

QStringList rowTexts(QWidget* dialog, const QString& id, int row) {
    QStringList texts;
    QTreeWidgetItem* item = listOf(dialog, id)->topLevelItem(row);
    for (int column = 0; item && column < item->columnCount(); ++column) {
        texts << item->text(column);
    }
    return texts;
}

void select(QWidget* dialog, const QString& id, int row) {
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
        QVERIFY(d.load(threeProfiles()));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("接続先の設定"));
        QTreeWidget* profiles = listOf(&dialog, "profileList");
        QCOMPARE(profiles->headerItem()->text(2), QStringLiteral("セキュリティ"));
        QCOMPARE(profiles->columnWidth(1), 130);
        QCOMPARE(listOf(&dialog, "scanList")->columnCount(), 5);
        QCOMPARE(profiles->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(&dialog, "profileList", 0), (QStringList{"有効", "office", "WPA2"}));
        QCOMPARE(rowTexts(&dialog, "profileList", 1), (QStringList{"無効", "guest", "None"}));
        QCOMPARE(rowTexts(&dialog, "profileList", 2), (QStringList{"有効", "lab", "WEP"}));
        const auto name = [&](const QString& id) {
            return QAccessible::queryAccessibleInterface(findControl(&dialog, id))->text(QAccessible::Name);
        };
        QCOMPARE(name("profileList"), QStringLiteral("保存済プロファイル"));
        QCOMPARE(name("profileDelete"), QStringLiteral("選択中プロファイルを削除"));
        QCOMPARE(name("scanList"), QStringLiteral("接続先アクセスポイントの検索"));

        d.document.configRecord.clear();
        StationProfilesDialog fromFile(d.document, d.linked.link, d.dialogs);
        QCOMPARE(listOf(&fromFile, "profileList")->topLevelItemCount(), 0);
    }

    void closingTheProgramDuringAScanStopsIt() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles()));
        d.linked.device.update([](sim::Behaviour& b) { b.scanDelay = std::chrono::hours(1); });
        auto dialog = std::make_unique<StationProfilesDialog>(d.document, d.linked.link, d.dialogs);
        buttonOf(dialog.get(), "scanButton")->click();
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
        QVERIFY(d.load(threeProfiles()));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);

        buttonOf(&dialog, "profileSwitch")->click(); // nothing selected: nothing happens
        QVERIFY(d.dialogs.shown().isEmpty());

        select(&dialog, "profileList", 0);
        d.refuseImports(true);
        d.dialogs.expectConfirm(
            QStringLiteral("選択したプロファイルを 無効 に変更します。\r\nこの操作は即座に反映されます。"),
            true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルの変更に失敗しました。\n\n") + refusedReply,
                                &dialog);
        buttonOf(&dialog, "profileSwitch")->click();
        QVERIFY(!buttonOf(&dialog, "scanButton")->isEnabled());
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(rowTexts(&dialog, "profileList", 0).at(0), QStringLiteral("有効"));
        QCOMPARE(d.document.loaded.profiles[0].state, 1);
        QCOMPARE(d.deviceValue("_ffice", "Basic", "State"), std::optional<std::string>("Enabled"));

        d.refuseImports(false);
        d.dialogs.expectConfirm(
            QStringLiteral("選択したプロファイルを 無効 に変更します。\r\nこの操作は即座に反映されます。"),
            true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルを 無効 に変更しました。"), &dialog);
        buttonOf(&dialog, "profileSwitch")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(rowTexts(&dialog, "profileList", 0).at(0), QStringLiteral("無効"));
        QCOMPARE(d.document.loaded.profiles[0].state, 0);
        QCOMPARE(d.deviceValue("_ffice", "Basic", "State"), std::optional<std::string>("Disabled"));

        select(&dialog, "profileList", 1);
        d.dialogs.expectConfirm(
            QStringLiteral("選択したプロファイルを 有効 に変更します。\r\nこの操作は即座に反映されます。"),
            false);
        buttonOf(&dialog, "profileSwitch")->click();
        QVERIFY(d.dialogs.done());
        QCOMPARE(d.deviceValue("_uest", "Basic", "State"), std::optional<std::string>("Disabled"));
    }

    void deletingTheFirstOfThreeMovesTheOthersUp() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles()));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        const WlanProfile second = d.document.loaded.profiles[1];
        const WlanProfile third = d.document.loaded.profiles[2];
        QCOMPARE(third.suite, 3);

        select(&dialog, "profileList", 0);
        const QString question =
            QStringLiteral("選択したプロファイルを削除します。\r\nこの操作は即座に反映されます。");
        d.dialogs.expectConfirm(question, false);
        buttonOf(&dialog, "profileDelete")->click();
        QCOMPARE(d.document.loaded.profileCount, 3);

        d.refuseImports(true);
        d.dialogs.expectConfirm(question, true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルの削除に失敗しました。\n\n") + refusedReply,
                                &dialog);
        buttonOf(&dialog, "profileDelete")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(d.document.loaded.profileCount, 3);

        d.refuseImports(false);
        d.dialogs.expectConfirm(question, true);
        d.dialogs.expectMessage(QStringLiteral("プロファイルを削除しました。"), &dialog);
        buttonOf(&dialog, "profileDelete")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(d.document.loaded.profileCount, 2);
        QCOMPARE(d.document.loaded.profiles[0], second);
        QCOMPARE(d.document.loaded.profiles[1], third);
        QCOMPARE(d.document.loaded.profiles[2], WlanProfile{});
        QCOMPARE(listOf(&dialog, "profileList")->topLevelItemCount(), 2);
        QCOMPARE(rowTexts(&dialog, "profileList", 0), (QStringList{"無効", "guest", "None"}));
        QVERIFY(listOf(&dialog, "profileList")->selectedItems().isEmpty());
        QCOMPARE(d.linked.device.configuration().profileNames(), (std::vector<std::string>{"_uest", "_ab"}));

        buttonOf(&dialog, "profileDelete")->click(); // the selection is gone: nothing happens
        QVERIFY(d.dialogs.done());
    }

    void scanFillsReplacesAndKeepsItsList() {
        StationDevice d;
        QVERIFY(d.load(""));
        d.linked.device.update([](sim::Behaviour& b) { b.scanLines.push_back("short line only"); });
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        buttonOf(&dialog, "scanButton")->click();
        QVERIFY(!buttonOf(&dialog, "profileNew")->isEnabled());
        QVERIFY(findControl(&dialog, "stationProgress")->isEnabled());
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QVERIFY(d.dialogs.shown().isEmpty());
        QCOMPARE(listOf(&dialog, "scanList")->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(&dialog, "scanList", 0),
                 (QStringList{"office-net", "00:1a:2b:3c:4d:5e", "6", "-48", "WPA2-PSK AES"}));
        QCOMPARE(rowTexts(&dialog, "scanList", 2).at(2), QStringLiteral("44"));
        QCOMPARE(control<QProgressBar>(&dialog, "stationProgress")->value(), 0);

        d.linked.device.update([](sim::Behaviour& b) { b.announcedNetworks = 9; });
        d.dialogs.expectMessage(QStringLiteral("解析エラー"), &dialog);
        buttonOf(&dialog, "scanButton")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(listOf(&dialog, "scanList")->topLevelItemCount(), 3);

        // The descriptor keeps the unplugged terminal's number from being given out again; its path
        // goes once the device's thread lets go of the terminal.
        const std::string port = d.linked.device.portPath();
        const int kept = ::open(port.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        d.linked.device.hangUpAfter(0);
        QVERIFY(waitUntil([&] { return ::access(port.c_str(), F_OK) != 0; }));
        d.dialogs.expectMessage(
            QStringLiteral("通信エラー\n\nポート ") + QString::fromStdString(port) +
                QStringLiteral(" が見つかりません。アダプタが取り外された可能性があります。"
                               "接続を確認してください。"),
            &dialog);
        buttonOf(&dialog, "scanButton")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(listOf(&dialog, "scanList")->topLevelItemCount(), 3);
        ::close(kept);
    }

    void anEmptyScanClearsTheList() {
        StationDevice d;
        QVERIFY(d.load(""));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        buttonOf(&dialog, "scanButton")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        select(&dialog, "scanList", 1);

        d.linked.device.update([](sim::Behaviour& b) { b.scanLines.clear(); });
        buttonOf(&dialog, "scanButton")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QCOMPARE(listOf(&dialog, "scanList")->topLevelItemCount(), 0);
        buttonOf(&dialog, "scanAdd")->click(); // no access point selected: no editor
        QVERIFY(d.dialogs.shown().isEmpty());
    }

    void closingIsRefusedWhileTheDeviceWorks() {
        StationDevice d;
        QVERIFY(d.load(""));
        d.linked.device.update([](sim::Behaviour& b) { b.scanDelay = std::chrono::milliseconds(1500); });
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        buttonOf(&dialog, "scanButton")->click();
        for (const QString& id : stationControls) {
            QVERIFY2(!findControl(&dialog, id)->isEnabled(), qPrintable(id));
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        dialog.close();
        QVERIFY(dialog.isVisible());
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));
        QVERIFY(dialog.isVisible());

        QTest::keyClick(listOf(&dialog, "scanList"), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void addingFromTheScanPrefillsTheEditorAndAppendsTheProfile() {
        StationDevice d;
        QVERIFY(d.load(threeProfiles()));
        d.linked.device.update([](sim::Behaviour& b) {
            b.scanLines.push_back(sim::scanLine("old-ap", "00:00:00:00:00:01", 1, -80, "WEP"));
            b.scanLines.push_back(sim::scanLine("tkip-ap", "00:00:00:00:00:02", 11, -70, "WPA-PSK TKIP"));
            b.scanLines.push_back(sim::scanLine("mixed-ap", "00:00:00:00:00:03", 11, -75, "WPA2 WEP"));
        });
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        buttonOf(&dialog, "scanButton")->click();
        QVERIFY(operationEnded(d.dialogs, &dialog, "scanButton"));

        struct Prefill {
            int row;
            bool encryption;
            const char* suite;
        };
        for (const Prefill& p :
             {Prefill{0, true, "editorWpa2"}, Prefill{1, false, nullptr}, Prefill{3, true, "editorWep"},
              Prefill{4, true, "editorWpa"}, Prefill{5, true, "editorWep"}}) {
            select(&dialog, "scanList", p.row);
            bool opened = false;
            whenEditorOpens(&dialog, [&](ProfileEditorDialog* editor) {
                opened = editor != nullptr;
                QCOMPARE(control<QLineEdit>(editor, "editorSsid")->text(),
                         rowTexts(&dialog, "scanList", p.row).at(0));
                QCOMPARE(buttonOf(editor, "editorEncryption")->isChecked(), p.encryption);
                if (p.suite != nullptr) {
                    QVERIFY(buttonOf(editor, p.suite)->isChecked());
                }
                QVERIFY(buttonOf(editor, "editorProfileOn")->isChecked());
                editor->reject();
            });
            buttonOf(&dialog, "scanAdd")->click();
            QVERIFY(opened);
        }
        QCOMPARE(d.document.loaded.profileCount, 3);

        select(&dialog, "scanList", 0);
        whenEditorOpens(&dialog, [](ProfileEditorDialog* editor) {
            control<QLineEdit>(editor, "editorKey1")->setText(QStringLiteral("office-secret"));
            buttonOf(editor, "editorOk")->click();
        });
        d.dialogs.expectConfirm(registerQuestion, true);
        d.dialogs.expectMessage(addedMessage);
        buttonOf(&dialog, "scanAdd")->click();
        QVERIFY(d.dialogs.done());
        QCOMPARE(d.document.loaded.profileCount, 4);
        QCOMPARE(d.document.loaded.profiles[3], (WlanProfile{1, "office-net", "_ffice-net", 2, 0}));
        QCOMPARE(rowTexts(&dialog, "profileList", 3), (QStringList{"有効", "office-net", "WPA2"}));
        QCOMPARE(d.deviceValue("_ffice-net", "Security", "WPAx Passphrase"),
                 std::optional<std::string>("office-secret"));

        for (const char* id : {"scanAdd", "profileNew"}) {
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
        QVERIFY(d.load(threeProfiles()));
        StationProfilesDialog dialog(d.document, d.linked.link, d.dialogs);
        whenEditorOpens(&dialog, [](ProfileEditorDialog* editor) {
            QVERIFY(control<QLineEdit>(editor, "editorSsid")->text().isEmpty());
            QVERIFY(buttonOf(editor, "editorWpa2")->isChecked());
            QVERIFY(buttonOf(editor, "editorPassphrase")->isChecked());
            control<QLineEdit>(editor, "editorSsid")->setText(QStringLiteral("Lab"));
            buttonOf(editor, "editorEncryption")->click();
            buttonOf(editor, "editorOk")->click();
        });
        d.dialogs.expectConfirm(registerQuestion, true);
        d.dialogs.expectMessage(addedMessage);
        buttonOf(&dialog, "profileNew")->click();
        QVERIFY(d.dialogs.done());
        QCOMPARE(d.document.loaded.profileCount, 3);
        QCOMPARE(rowTexts(&dialog, "profileList", 2), (QStringList{"有効", "Lab", "None"}));
        QCOMPARE(listOf(&dialog, "profileList")->topLevelItemCount(), 3);
        QCOMPARE(d.deviceValue("_ab", "Basic", "Network Name"), std::optional<std::string>("Lab"));
    }
};

QTEST_MAIN(StationProfilesTest)
#include "StationProfilesTest.moc"
