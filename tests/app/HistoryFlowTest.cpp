#include "tests/app/FlowWindow.h"
#include "tests/support/DataFile.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace marlo;

namespace {

const QString writeSucceeded = QStringLiteral("デバイスに設定を書き込みました。");
const QString loaded = QStringLiteral("設定データをファイルからロードしました。");
const QString discardQuestion =
    QStringLiteral("書き込みも保存もしていない変更があります。変更を破棄しますか?");

std::size_t recordsReceived(const sim::SimulatedDevice& device) {
    const std::vector<std::string> log = device.commandLog();
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), "<configrecord>"));
}

std::optional<std::string> baudRate(const sim::SimulatedDevice& device) {
    return device.configuration().value({"Line", "1", "Baud Rate"});
}

void typeBaudRate(FlowWindow& w, const QString& rate) {
    auto* list = control<QComboBox>(w.page<SerialPage>(), "baudRate");
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), rate);
}

// The backups each test keeps go to a folder of its own, as a user's data folder.
class DataHome {
public:
    DataHome() { qputenv("XDG_DATA_HOME", folder_.path().toLocal8Bit()); }
    ~DataHome() { qunsetenv("XDG_DATA_HOME"); }
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

// The rows of the history dialog, a row's columns joined by " | ".
QStringList historyRows(QDialog* history) {
    auto* list = control<QTreeWidget>(history, "backups");
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        rows << item->text(1) + QStringLiteral(" | ") + item->text(2);
    }
    return rows;
}

} // namespace

class HistoryFlowTest : public QObject {
    Q_OBJECT

private slots:
    void theConfirmationListsWhatTheWriteChangesAndCancelSendsNothing() {
        DataHome home;
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.tabs()->setCurrentIndex(2);
        typeBaudRate(w, QStringLiteral("115200"));
        w.tabs()->setCurrentIndex(0);
        QVERIFY(closesDialogOpenedBy(control<QAbstractButton>(&w.window, "accessPointButton"),
                                     [](QDialog* dialog) {
                                         auto* password = control<QLineEdit>(dialog, "apPassword");
                                         password->selectAll();
                                         QTest::keyClicks(password, QStringLiteral("a-new-secret"));
                                         control<QAbstractButton>(dialog, "apOk")->click();
                                     }));
        QVERIFY(w.window.isWindowModified());

        w.dialogs.expectWriteConfirmation(std::nullopt);
        w.click("writeButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(w.dialogs.shown().last().text.toStdString() + "\n",
                 testing::dataFile("expected/write-changes.txt"));
        QCOMPARE(recordsReceived(w.device), 0u);
        QVERIFY(w.window.isWindowModified());
    }

    void restoringTheFirstOfTwoBackupsBringsTheDeviceBack() {
        DataHome home;
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        const std::optional<std::string> first = baudRate(w.device);
        typeBaudRate(w, QStringLiteral("115200"));
        w.dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        w.dialogs.expectMessage(writeSucceeded, &w.window);
        w.click("writeButton");
        QVERIFY(FlowWindow::waitFor(w.reads, 2));
        QCOMPARE(baudRate(w.device), std::optional<std::string>("115200 bits per second"));
        QVERIFY(!w.window.isWindowModified());

        w.dialogs.expectMessage(loaded, &w.window);
        const QString firmware = QString::fromStdString(w.window.settings().firmwareVersion);
        QVERIFY(
            closesDialogOpenedBy(control<QAbstractButton>(&w.window, "historyButton"), [&](QDialog* history) {
                QCOMPARE(historyRows(history), QStringList({firmware + " | 0 件", firmware + " | 1 件"}));
                auto* list = control<QTreeWidget>(history, "backups");
                list->setCurrentItem(list->topLevelItem(1));
                control<QAbstractButton>(history, "restoreButton")->click();
            }));
        QCOMPARE(control<QComboBox>(w.page<SerialPage>(), "baudRate")->currentText(), QStringLiteral("9600"));

        w.dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        w.dialogs.expectMessage(writeSucceeded, &w.window);
        w.click("writeButton");
        QVERIFY(FlowWindow::waitFor(w.reads, 3));
        QVERIFY(w.dialogs.done());
        QCOMPARE(w.dialogs.shown().at(w.dialogs.shown().size() - 2).text,
                 QStringLiteral("シリアルポート > ボーレート: 115200 → 9600"));
        QCOMPARE(baudRate(w.device), first);
    }

    void pendingChangesAreAskedAboutAndCancelKeepsThem() {
        DataHome home;
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        QVERIFY(!w.window.isWindowModified());
        w.tabs()->setCurrentIndex(2);
        QLineEdit* gap = w.serialEdit("gapTime");
        gap->selectAll();
        QTest::keyClicks(gap, QStringLiteral("321"));
        QVERIFY(w.window.isWindowModified());

        const QString question =
            discardQuestion + QStringLiteral("\n\nシリアルポート > 受信データキュー更新条件 > ギャップ時間: "
                                             "<Four Character Periods> → 321");
        w.window.show();
        for (const char* button : {"readButton", "loadButton"}) {
            w.dialogs.expectConfirm(question, false);
            w.click(button);
        }
        w.dialogs.expectConfirm(question, false);
        w.window.close();
        QVERIFY(w.dialogs.done());
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.reads.size(), 1);
        QCOMPARE(gap->text(), QStringLiteral("321"));

        w.dialogs.expectConfirm(question, true);
        w.window.close();
        QVERIFY(!w.window.isVisible());
    }

    void aBackupThatCannotBeKeptLeavesTheReadSuccessful() {
        QTemporaryDir folder;
        const QString notAFolder = folder.filePath(QStringLiteral("data"));
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", notAFolder.toLocal8Bit());
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        qunsetenv("XDG_DATA_HOME");
        const QString status = control<QLabel>(&w.window, "versionLine")->text();
        QVERIFY2(status.startsWith(QStringLiteral("バックアップを ") + notAFolder), qPrintable(status));
        QVERIFY2(status.contains(QStringLiteral(" に保存できません: ")), qPrintable(status));
        QCOMPARE(w.window.settings().loaded.line.baudRate, 9600u);
    }
};

QTEST_MAIN(HistoryFlowTest)
#include "HistoryFlowTest.moc"
