#include "tests/app/FlowWindow.h"

#include <QDialog>
#include <QLabel>
#include <QTest>

using namespace marlo;

namespace {

const QString writeSucceeded = QStringLiteral("デバイスに設定を書き込みました。");

std::optional<std::string> hostValue(const sim::SimulatedDevice& device, std::string_view host,
                                     std::string_view name) {
    return device.configuration().value({.group = "Tunnel Connect",
                                         .groupInstance = "1",
                                         .item = "Host",
                                         .value = name,
                                         .itemInstance = host});
}

std::optional<std::string> itemValue(const sim::SimulatedDevice& device, std::string_view group,
                                     std::string_view item) {
    return device.configuration().value({.group = group, .groupInstance = "1", .item = item});
}

} // namespace

// The network page and its destinations dialog against the simulated device: read, edit, write,
// read back.
class ConnectFlowTest : public QObject {
    Q_OBJECT

private slots:
    void editedTunnelSettingsReachTheDevice() {
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        QWidget* page = w.page<NetworkPage>();
        QVERIFY(page != nullptr);
        const auto edit = [&](const QString& id) { return control<QLineEdit>(page, id); };
        const auto click = [&](const QString& id) { control<QAbstractButton>(page, id)->click(); };
        QCOMPARE(edit("serverLocalPort")->text(), QStringLiteral("10001"));
        QVERIFY(control<QAbstractButton>(page, "serverAlways")->isChecked());
        QVERIFY(!control<QAbstractButton>(page, "clientMode")->isChecked());

        edit("serverLocalPort")->setText(QStringLiteral("2000"));
        click("clientMode");
        click("silenceEnabled");
        edit("silenceTimeout")->setText(QStringLiteral("5000"));
        auto* destinations = control<QAbstractButton>(page, "destinationsButton");
        // The main window's key filter leaves the dialog's own Escape and Return alone.
        QVERIFY(closesDialogOpenedBy(destinations, [](QDialog* dialog) {
            control<QLineEdit>(dialog, "hostAddress1")->setText(QStringLiteral("10.9.9.9"));
            control<QLineEdit>(dialog, "hostPort1")->setText(QStringLiteral("9"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        }));
        QCOMPARE(w.window.settings().loaded.connect.edited, 0);
        QCOMPARE(control<QLabel>(page, "destinationsSummary")->text(), QStringLiteral("プロトコル: TCP\n"));
        QVERIFY(closesDialogOpenedBy(destinations, [](QDialog* dialog) {
            control<QLineEdit>(dialog, "hostAddress1")->setText(QStringLiteral("192.168.1.50"));
            control<QLineEdit>(dialog, "reconnectTime")->setText(QStringLiteral("30"));
            control<QAbstractButton>(dialog, "connectRoundRobin")->click();
            auto* port = control<QLineEdit>(dialog, "hostPort1");
            port->setText(QStringLiteral("8000"));
            QTest::keyClick(port, Qt::Key_Return);
        }));
        QCOMPARE(w.window.settings().loaded.connect.edited, 1);

        w.dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        w.dialogs.expectMessage(writeSucceeded, &w.window);
        w.click("writeButton");
        QVERIFY(FlowWindow::waitFor(w.writes, 1));
        QVERIFY(FlowWindow::waitFor(w.reads, 2));
        QVERIFY(w.dialogs.done());

        QCOMPARE(itemValue(w.device, "Tunnel Accept", "Local Port"), std::optional<std::string>("2000"));
        QCOMPARE(itemValue(w.device, "Tunnel Connect", "Mode"), std::optional<std::string>("Any Character"));
        QCOMPARE(itemValue(w.device, "Tunnel Connect", "Connections"),
                 std::optional<std::string>("Round-Robin"));
        QCOMPARE(itemValue(w.device, "Tunnel Disconnect", "Timeout"),
                 std::optional<std::string>("5000 milliseconds"));
        QCOMPARE(hostValue(w.device, "1", "Address"), std::optional<std::string>("192.168.1.50"));
        QCOMPARE(hostValue(w.device, "1", "Port"), std::optional<std::string>("8000"));

        QCOMPARE(w.window.settings().loaded.connect.edited, 0);
        QCOMPARE(edit("serverLocalPort")->text(), QStringLiteral("2000"));
        QVERIFY(control<QAbstractButton>(page, "clientOnSerialData")->isChecked());
        QCOMPARE(edit("silenceTimeout")->text(), QStringLiteral("5000"));
        QCOMPARE(control<QLabel>(page, "destinationsSummary")->text(),
                 QStringLiteral("プロトコル: TCP\n1: 192.168.1.50 : 8000\n"));
    }
};

QTEST_MAIN(ConnectFlowTest)
#include "ConnectFlowTest.moc"
