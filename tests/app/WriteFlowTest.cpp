#include "tests/app/DeviceFailureTexts.h"
#include "tests/app/FlowWindow.h"
#include "tests/device/LinkTestSupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTabBar>
#include <memory>

using namespace marlo;
using namespace std::chrono_literals;

namespace {

const QString writeSucceeded = QStringLiteral("デバイスに設定を書き込みました。");

std::optional<std::string> gapTimer(const sim::SimulatedDevice& device) {
    return device.configuration().value({"Line", "1", "Gap Timer"});
}

std::size_t recordsReceived(const sim::SimulatedDevice& device) {
    const std::vector<std::string> log = device.commandLog();
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), "<configrecord>"));
}

} // namespace

class WriteFlowTest : public QObject {
    Q_OBJECT

private slots:
    void closingTheWindowStopsTheDeviceWorkAtOnce() {
        // Paced this slowly, the read would go on for many minutes.
        sim::SimulatedDevice device(sim::DeviceOptions{.lineRate = 20});
        FakePortDiscovery discovery;
        discovery.ports = {{"Simulated USB device server", device.portPath()}};
        ScriptedDialogs dialogs;
        auto window = std::make_unique<MainWindow>(dialogs, discovery);
        QVERIFY(window->initDialog());
        window->show();
        control<QAbstractButton>(window.get(), "readButton")->click();
        QTest::qWait(300);

        QElapsedTimer closing;
        closing.start();
        window->close();
        window.reset();
        QVERIFY2(closing.elapsed() < 30000, "the window waited for the device");
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(testing::portIsFree(device.portPath()));
    }

    void aWriteSendsThePagesAndReadsTheDeviceBackQuietly() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.serialEdit("gapTime")->setText(QStringLiteral("250"));

        w.dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        w.dialogs.expectMessage(writeSucceeded, &w.window);
        w.click("writeButton");
        for (const char* id : {"portSelector", "readButton", "writeButton", "loadButton", "saveButton"}) {
            QVERIFY2(!w.widget(id)->isEnabled(), qPrintable(id));
        }
        QVERIFY(!w.serialEdit("gapTime")->isEnabled());
        QVERIFY(!w.widget("progressBar")->isHidden());
        QVERIFY(w.tabs()->isEnabled());

        QVERIFY(FlowWindow::waitFor(w.writes, 1));
        QVERIFY(FlowWindow::waitFor(w.reads, 2));
        QVERIFY(w.dialogs.done());
        QCOMPARE(gapTimer(w.device), std::optional<std::string>("250 milliseconds"));
        QCOMPARE(w.window.settings().edited.reboot, 0);
        QCOMPARE(w.window.settings().loaded.line.gapTimer, 250u);
        QVERIFY(w.serialEdit("gapTime")->isEnabled());
        QVERIFY(w.widget("progressBar")->isHidden());
        for (const char* id : {"portSelector", "readButton", "writeButton", "loadButton", "saveButton"}) {
            QVERIFY2(w.widget(id)->isEnabled(), qPrintable(id));
        }
    }

    void writeAndResetRebootsTheDevice() {
        sim::DeviceOptions options;
        // Long enough that the read after the write finds the device still restarting.
        options.behaviour.rebootSilence = 60s;
        FlowWindow w(options);
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.dialogs.expectWriteConfirmation(WriteMode::writeAndReset);
        w.dialogs.expectMessage(writeSucceeded, &w.window);
        w.click("writeButton");
        QVERIFY(FlowWindow::waitFor(w.writes, 1));
        QCOMPARE(w.window.settings().edited.reboot, 1);
        QVERIFY(waitUntil([&] { return w.reads.size() == 2; }));
        QCOMPARE(w.reads.at(1).at(0).toBool(), false);
        QVERIFY(w.dialogs.done());
        QVERIFY(w.window.settings().configRecord.empty());
    }

    void cancellingSendsNothingAndKeepsTheResetChoice() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.dialogs.expectWriteConfirmation(std::nullopt);
        w.click("writeButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(recordsReceived(w.device), 0u);
        QVERIFY(w.writes.isEmpty());
        QVERIFY(w.widget("progressBar")->isHidden());
        QVERIFY(w.widget("writeButton")->isEnabled());
    }

    void aRefusedRecordIsReportedAndPutOnTheClipboard() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.device.update([](sim::Behaviour& behaviour) { behaviour.importsRefused = true; });
        const QString failure = QStringLiteral("設定の書き込みに失敗しました。\n\n"
                                               "\r\nERROR: configuration import is locked\r\n>");
        w.dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        w.dialogs.expectMessage(failure, &w.window);
        w.click("writeButton");
        QVERIFY(!FlowWindow::waitFor(w.writes, 1));
        QCOMPARE(w.writes.size(), 1);
        QVERIFY(w.dialogs.done());
        QCOMPARE(w.dialogs.clipboard(), QStringList{failure});
        QCOMPARE(w.reads.size(), 1);
        QVERIFY(w.widget("readButton")->isEnabled());
        QVERIFY(w.widget("writeButton")->isEnabled());
        QVERIFY(w.widget("progressBar")->isHidden());
        QVERIFY(!w.serialEdit("gapTime")->isEnabled());

        w.device.update([](sim::Behaviour& behaviour) { behaviour.importsRefused = false; });
        QVERIFY(w.read());
        QVERIFY(w.serialEdit("gapTime")->isEnabled());
    }

    void aRefusedPageIsShownWithItsTabAndTheRefusedValueSelected() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        w.window.show();
        QVERIFY(w.read());
        w.tabs()->tabBar()->setCurrentIndex(1);
        auto* localPort = control<QLineEdit>(w.page<NetworkPage>(), "serverLocalPort");
        localPort->clear();
        QTest::keyClicks(localPort, QStringLiteral("70000"));
        w.tabs()->tabBar()->setCurrentIndex(2);
        w.dialogs.expectMessage(QStringLiteral("サーバ ポート番号エラー"));
        w.click("writeButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(w.tabs()->currentIndex(), 1);
        QVERIFY(!w.page<NetworkPage>()->isHidden());
        QVERIFY(w.page<SerialPage>()->isHidden());
        QCOMPARE(w.window.focusWidget(), localPort);
        QCOMPARE(localPort->selectedText(), QStringLiteral("70000"));
        QCOMPARE(w.dialogs.warnings(), QStringList{QStringLiteral("サーバ ポート番号エラー")});
        QCOMPARE(recordsReceived(w.device), 0u);

        // The tab the user then picks shows its page.
        QTest::mouseClick(w.tabs()->tabBar(), Qt::LeftButton, {}, w.tabs()->tabBar()->tabRect(2).center());
        QVERIFY(!w.page<SerialPage>()->isHidden());
        QVERIFY(w.page<NetworkPage>()->isHidden());
    }

    void nothingIsWrittenAfterAFailedRead() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.device.silenceAfter(0, std::nullopt);
        w.dialogs.expectMessage(unansweredRead(w.device.portPath()), &w.window);
        w.click("readButton");
        QVERIFY(waitUntil([&] { return w.reads.size() == 2; }));
        QVERIFY(w.widget("writeButton")->isEnabled());
        w.click("writeButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(w.writes.isEmpty());
    }

    void aWriteWithoutAPortCannotReachTheDevice() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.discovery.ports.clear();
        w.window.refreshPorts();
        QVERIFY(!w.widget("portSelector")->isEnabled());
        w.dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        const QString failure = QStringLiteral("設定の書き込みに失敗しました。\n\n対象と通信できません");
        w.dialogs.expectMessage(failure, &w.window);
        w.click("writeButton");
        QVERIFY(!FlowWindow::waitFor(w.writes, 1));
        QVERIFY(w.dialogs.done());
        QCOMPARE(w.dialogs.clipboard(), QStringList{failure});
        QCOMPARE(recordsReceived(w.device), 0u);
        QVERIFY(w.widget("portSelector")->isEnabled());
    }
};

QTEST_MAIN(WriteFlowTest)
#include "WriteFlowTest.moc"
