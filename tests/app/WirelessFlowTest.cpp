#include "tests/app/FlowWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTreeWidget>

using namespace marlo;

namespace {

const QString writeSucceeded = QStringLiteral("デバイスに設定を書き込みました。");

std::optional<std::string> setting(const sim::SimulatedDevice& device, std::string_view group,
                                   std::string_view instance, std::string_view item) {
    return device.configuration().value({group, instance, item});
}

std::size_t recordsReceived(const sim::SimulatedDevice& device) {
    const std::vector<std::string> log = device.commandLog();
    return static_cast<std::size_t>(std::count(log.begin(), log.end(), "<configrecord>"));
}

struct WirelessWindow : FlowWindow {
    QWidget* wireless() { return page<WirelessPage>(); }
    QLineEdit* edit(const QString& id) { return control<QLineEdit>(wireless(), id); }
    QAbstractButton* button(const QString& id) { return control<QAbstractButton>(wireless(), id); }
    QString label(const QString& id) { return control<QLabel>(wireless(), id)->text(); }

    bool write() {
        dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        dialogs.expectMessage(writeSucceeded, &window);
        const qsizetype writesBefore = writes.size();
        const qsizetype readsBefore = reads.size();
        click("writeButton");
        return waitFor(writes, writesBefore + 1) && waitFor(reads, readsBefore + 1);
    }
};

} // namespace

class WirelessFlowTest : public QObject {
    Q_OBJECT

private slots:
    void aReadShowsTheDevicesInterfacesAndCurrentAddress() {
        WirelessWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(!w.button("stationEnabled")->isEnabled());
        QVERIFY(w.read());
        QVERIFY(w.button("bandDual")->isChecked());
        QVERIFY(w.button("stationEnabled")->isChecked());
        QVERIFY(w.button("dhcpClient")->isChecked());
        QVERIFY(!w.edit("stationIpAddress")->isEnabled());
        QCOMPARE(w.edit("stationIpAddress")->text(), QStringLiteral("<None>"));
        QCOMPARE(w.edit("accessPointIpAddress")->text(), QStringLiteral("192.168.0.1"));
        QCOMPARE(w.edit("accessPointSubnetMask")->text(), QStringLiteral("255.255.255.0"));
        QCOMPARE(w.edit("dhcpRangeStart")->text(), QStringLiteral("<Minimum>"));
        QCOMPARE(w.edit("dhcpRangeEnd")->text(), QStringLiteral("<Maximum>"));
        QCOMPARE(control<QComboBox>(w.wireless(), "accessPointPriority")->currentText(), QStringLiteral("2"));
        QCOMPARE(w.label("currentAddressLabel"), QStringLiteral("現在のIPアドレス :"));
        QCOMPARE(w.label("currentAddressValue"), QStringLiteral("192.168.11.23"));
    }

    void aWriteCarriesThePageAndTheAccessPointDialogToTheDevice() {
        WirelessWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.button("dhcpClient")->click();
        w.edit("stationIpAddress")->setText(QStringLiteral("10.0.0.5"));
        w.edit("stationSubnetMask")->setText(QStringLiteral("255.255.255.0"));
        w.edit("dhcpRangeStart")->setText(QStringLiteral("192.168.0.20"));
        w.button("band5GHz")->click();

        // The main window's key filter leaves the dialog's own Escape and Return alone.
        QVERIFY(closesDialogOpenedBy(w.button("accessPointButton"), [](QDialog* dialog) {
            control<QLineEdit>(dialog, "apSsid")->setText(QStringLiteral("dropped"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        }));
        QCOMPARE(w.window.settings().loaded.accessPoint.edited, 0);
        QVERIFY(closesDialogOpenedBy(w.button("accessPointButton"), [](QDialog* dialog) {
            control<QComboBox>(dialog, "apChannel")->setCurrentText(QStringLiteral("36"));
            auto* ssid = control<QLineEdit>(dialog, "apSsid");
            ssid->setText(QStringLiteral("plant-7"));
            QTest::keyClick(ssid, Qt::Key_Return);
        }));
        QCOMPARE(w.window.settings().loaded.accessPoint.edited, 1);

        QVERIFY(w.write());
        QVERIFY(w.dialogs.done());
        QCOMPARE(setting(w.device, "Radio", "", "Band"), std::optional<std::string>("5 GHz Only"));
        QCOMPARE(setting(w.device, "Interface", "wlan0", "DHCP Client"),
                 std::optional<std::string>("Disabled"));
        QCOMPARE(setting(w.device, "Interface", "wlan0", "IP Address"),
                 std::optional<std::string>("10.0.0.5/24"));
        QCOMPARE(setting(w.device, "Access Point", "ap0", "SSID"), std::optional<std::string>("plant-7"));
        QCOMPARE(setting(w.device, "Access Point", "ap0", "Channel"), std::optional<std::string>("36"));
        QCOMPARE(w.device.configuration().value({"Interface", "ap0", "DHCP IP Address Range", "Start"}),
                 std::optional<std::string>("192.168.0.20"));

        // The quiet read after the write shows the stored address as the current one.
        QCOMPARE(w.edit("stationIpAddress")->text(), QStringLiteral("10.0.0.5"));
        QCOMPARE(w.label("currentAddressValue"), QStringLiteral("10.0.0.5"));
        QCOMPARE(w.window.settings().loaded.accessPoint.edited, 0);
    }

    void theStationProfileDialogTalksToThePortShown() {
        WirelessWindow w;
        sim::DeviceOptions options;
        options.behaviour.scanLines = {sim::scanLine("second-net", "02:00:00:00:00:01", 11, -40, "None")};
        options.behaviour.scanDelay = std::chrono::milliseconds(0);
        sim::SimulatedDevice second(options);
        w.discovery.ports.push_back({"Second USB device server", second.portPath()});
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());

        // The user moves to the second port, then leaves a write at its confirmation.
        QTest::keyClick(w.widget("portSelector"), Qt::Key_Down);
        w.dialogs.expectWriteConfirmation(std::nullopt);
        w.click("writeButton");
        QVERIFY(w.dialogs.done());

        QStringList scanned;
        closesDialogOpenedBy(w.button("stationProfilesButton"), [&](QDialog* dialog) {
            auto* scan = control<QAbstractButton>(dialog, "scanButton");
            scan->click();
            if (!waitUntil([&] { return scan->isEnabled(); })) {
                return;
            }
            auto* list = control<QTreeWidget>(dialog, "scanList");
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                scanned << list->topLevelItem(row)->text(0);
            }
        });
        QCOMPARE(scanned, QStringList{QStringLiteral("second-net")});
    }

    void aFailedScanPutsTheSystemsTextOnTheClipboardWhileTheDialogIsOpen() {
        WirelessWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        QStringList clipboardWhileOpen;
        closesDialogOpenedBy(w.button("stationProfilesButton"), [&](QDialog* dialog) {
            w.device.hangUpAfter(40);
            w.dialogs.expectMessage(QStringLiteral("通信エラー"), dialog);
            auto* scan = control<QAbstractButton>(dialog, "scanButton");
            scan->click();
            if (waitUntil([&] { return w.dialogs.done() && scan->isEnabled(); })) {
                clipboardWhileOpen = w.dialogs.clipboard();
            }
        });
        QCOMPARE(clipboardWhileOpen.size(), 1);
        QVERIFY(!clipboardWhileOpen.front().isEmpty());
        QCOMPARE(w.dialogs.clipboard(), clipboardWhileOpen);
    }

    void aRefusedAddressSendsNothing() {
        WirelessWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.tabs()->setCurrentIndex(2);
        w.edit("accessPointIpAddress")->setText(QStringLiteral("0.0.0.0"));
        w.dialogs.expectMessage(QStringLiteral("APモードのIPアドレスが正しくありません。"), w.wireless());
        w.click("writeButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(recordsReceived(w.device), 0u);
        QVERIFY(!w.wireless()->isHidden());
        QVERIFY(w.page<SerialPage>()->isHidden());
        QCOMPARE(setting(w.device, "Interface", "ap0", "IP Address"),
                 std::optional<std::string>("192.168.0.1/24"));
    }
};

QTEST_MAIN(WirelessFlowTest)
#include "WirelessFlowTest.moc"
