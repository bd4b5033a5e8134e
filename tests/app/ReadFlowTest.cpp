#include "app/MainWindow.h"
#include "device/UdevPortDiscovery.h"
#include "sim/SimulatedDevice.h"
#include "tests/app/DeviceFailureTexts.h"
#include "tests/support/Controls.h"
#include "tests/support/DataFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/Waiting.h"
#include "ui/TabControl.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace marlo;

namespace {

const QString readSucceeded = QStringLiteral("デバイスからデータを読み込みました。");
const QString importFailed = QStringLiteral("設定データの解析に失敗しました。");

// The main window on the simulated device, found the way `marlo --demo` finds it.
struct DeviceWindow {
    sim::SimulatedDevice device;
    UdevPortDiscovery discovery{{{"Simulated USB device server", device.portPath()}}};
    ScriptedDialogs dialogs;
    MainWindow window{dialogs, discovery};
    QSignalSpy finished{&window, &MainWindow::readFinished};

    QWidget* widget(const QString& id) { return findControl(&window, id); }
    QWidget* serialPage() {
        return control<TabControl>(&window, "pageTabs")
            ->pageArea()
            ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
            .at(2);
    }
    QString serialText(const QString& id) { return control<QLineEdit>(serialPage(), id)->text(); }
    QString firmwareLine() { return control<QLabel>(&window, "firmwareLine")->text(); }

    // Presses the read button and waits for the read to end; its result.
    bool read() {
        const qsizetype before = finished.size();
        control<QAbstractButton>(&window, "readButton")->click();
        if (!waitUntil([&] { return finished.size() > before; })) {
            return false;
        }
        return finished.last().at(0).toBool();
    }
    // The read the write flow runs after a write: without its success and communication messages.
    bool readQuietly() {
        const qsizetype before = finished.size();
        window.readFromDevice(true);
        if (!waitUntil([&] { return finished.size() > before; })) {
            return false;
        }
        return finished.last().at(0).toBool();
    }
};

} // namespace

class ReadFlowTest : public QObject {
    Q_OBJECT

private slots:
    void aReadFillsTheSerialPageAndEnablesWriting() {
        DeviceWindow w;
        QVERIFY(w.device.applyRecord(testing::dataFile("device/serial-line.xml")).errors.empty());
        w.device.update([](sim::Behaviour& behaviour) { behaviour.firmwareVersion = "<b>2.1</b>"; });
        QVERIFY(w.window.initDialog());
        QCOMPARE(w.window.findChild<QComboBox*>()->currentText(),
                 QString::fromStdString("Simulated USB device server"));

        w.dialogs.expectMessage(readSucceeded, &w.window);
        control<QAbstractButton>(&w.window, "readButton")->click();
        QVERIFY(!w.widget("readButton")->isEnabled());
        QVERIFY(!w.widget("portSelector")->isEnabled());
        QVERIFY(!w.widget("loadButton")->isEnabled());
        QVERIFY(!w.widget("progressBar")->isHidden());
        QVERIFY(waitUntil([&] { return !w.finished.isEmpty(); }));
        QCOMPARE(w.finished.first().at(0).toBool(), true);
        QVERIFY(w.dialogs.done());

        QVERIFY(w.widget("saveButton")->isEnabled());
        QVERIFY(w.widget("writeButton")->isEnabled());
        QVERIFY(w.widget("readButton")->isEnabled());
        QVERIFY(w.widget("progressBar")->isHidden());
        // The device's text is shown as it came, and a screen reader reads it.
        auto* firmware = control<QLabel>(&w.window, "firmwareLine");
        QCOMPARE(firmware->text(), QStringLiteral("Firmware version : <b>2.1</b>"));
        QCOMPARE(firmware->textFormat(), Qt::PlainText);
        QCOMPARE(QAccessible::queryAccessibleInterface(firmware)->text(QAccessible::Name),
                 QStringLiteral("ファームウェア Firmware version : <b>2.1</b>"));
        QVERIFY(!w.window.settings().configRecord.empty());
        QCOMPARE(w.window.settings().loaded.sta.currentIpAddress, std::string("192.168.11.23"));

        QWidget* serial = w.serialPage();
        QCOMPARE(control<QComboBox>(serial, "baudRate")->currentText(), QStringLiteral("38400"));
        for (const char* id : {"dataBits7", "stopBits2", "parityEven", "flowSoftware", "packingEnabled",
                               "packingBySendCharacter", "flushSendCharacter", "trailingCharacterEnabled"}) {
            QVERIFY2(control<QAbstractButton>(serial, id)->isChecked(), qPrintable(id));
        }
        QCOMPARE(w.serialText("xonCharacter"), QStringLiteral("11"));
        QCOMPARE(w.serialText("xoffCharacter"), QStringLiteral("13"));
        QCOMPARE(w.serialText("packingThreshold"), QStringLiteral("700"));
        QCOMPARE(w.serialText("sendCharacter"), QStringLiteral("03"));
        QCOMPARE(w.serialText("trailingCharacter"), QStringLiteral("0a"));
        QCOMPARE(w.serialText("gapTime"), QStringLiteral("100"));
        QCOMPARE(w.serialText("queueThreshold"), QStringLiteral("200"));
        QCOMPARE(w.serialText("firstMatchByte"), QStringLiteral("41"));
        QVERIFY(findControl(serial, "baudRate")->isEnabled());
    }

    void aSilentDeviceIsNamedAndEmptiesTheRecordsButKeepsTheFirmwareLine() {
        DeviceWindow w;
        QVERIFY(w.window.initDialog());
        w.dialogs.expectMessage(readSucceeded);
        QVERIFY(w.read());

        w.device.silenceAfter(0, std::nullopt);
        w.dialogs.expectMessage(unansweredRead(w.device.portPath()), &w.window);
        QVERIFY(!w.read());
        QVERIFY(w.dialogs.done());
        QVERIFY(w.window.settings().configRecord.empty());
        QVERIFY(w.window.settings().statusRecord.empty());
        QVERIFY(w.window.settings().firmwareVersion.empty());
        QVERIFY(w.window.settings().loaded.sta.currentIpAddress.empty());
        QCOMPARE(w.firmwareLine(), QStringLiteral("Firmware version : 2.0.1.4R3"));
        QVERIFY(w.widget("saveButton")->isEnabled());
        QVERIFY(w.widget("readButton")->isEnabled());
        QCOMPARE(w.serialText("queueThreshold"), QStringLiteral("56"));
    }

    void aPortAnotherProgramHoldsIsNamedUnderTheMessage() {
        DeviceWindow w;
        QVERIFY(w.window.initDialog());
        const QString port = QString::fromStdString(w.device.portPath());
        const int holder = ::open(w.device.portPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        QCOMPARE(::flock(holder, LOCK_EX), 0);
        QFile comm(QStringLiteral("/proc/self/comm"));
        QVERIFY(comm.open(QIODevice::ReadOnly));
        const QString thisProgram = QString::fromUtf8(comm.readLine().trimmed());

        w.dialogs.expectMessage(
            communicationFailed + QStringLiteral("\n\nポート ") + port +
                QStringLiteral(" は他のプログラム（") + thisProgram +
                QStringLiteral("）が使用中です。そのプログラムを終了してから再試行してください。"),
            &w.window);
        QVERIFY(!w.read());
        QVERIFY(w.dialogs.done());
        ::close(holder);
    }

    void aRecordTheImportRejectsIsReportedTwice() {
        DeviceWindow w;
        w.device.update([](sim::Behaviour& behaviour) { behaviour.dumpLeavesOut = {"Radio"}; });
        QVERIFY(w.window.initDialog());
        w.dialogs.expectDiagnostic(QStringLiteral("*** not found ***\ngroup: <configgroup name = \"Radio\">\n"
                                                  "item: <configitem name = \"Band\">\nvalue: <value>"));
        w.dialogs.expectMessage(importFailed, &w.window);
        QVERIFY(!w.read());
        QVERIFY(w.dialogs.done());
        QVERIFY(w.window.settings().configRecord.empty());
        QCOMPARE(w.firmwareLine(), QString());
        QVERIFY(!w.widget("saveButton")->isEnabled());
        QVERIFY(!findControl(w.serialPage(), "baudRate")->isEnabled());
    }

    void aQuietReadShowsOnlyTheImportFailureAndKeepsAMissingFirmwareVersion() {
        DeviceWindow w;
        QVERIFY(w.window.initDialog());
        w.dialogs.expectMessage(readSucceeded);
        QVERIFY(w.read());

        w.device.update([](sim::Behaviour& behaviour) { behaviour.firmwareLineShown = false; });
        QVERIFY(w.readQuietly());
        QCOMPARE(w.firmwareLine(), QStringLiteral("Firmware version : 2.0.1.4R3"));

        w.device.update([](sim::Behaviour& behaviour) { behaviour.dumpLeavesOut = {"Radio"}; });
        w.dialogs.expectDiagnostic(QStringLiteral("*** not found ***\ngroup: <configgroup name = \"Radio\">\n"
                                                  "item: <configitem name = \"Band\">\nvalue: <value>"));
        w.dialogs.expectMessage(importFailed, &w.window);
        QVERIFY(!w.readQuietly());
        QVERIFY(w.window.settings().firmwareVersion.empty());
        QCOMPARE(w.firmwareLine(), QStringLiteral("Firmware version : 2.0.1.4R3"));

        w.device.update([](sim::Behaviour& behaviour) { behaviour.dumpLeavesOut.clear(); });
        QVERIFY(w.readQuietly());
        QCOMPARE(w.firmwareLine(), QStringLiteral("Firmware version : "));
        QVERIFY(w.dialogs.done());
    }
};

QTEST_MAIN(ReadFlowTest)
#include "ReadFlowTest.moc"
