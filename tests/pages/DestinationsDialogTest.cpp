#include "pages/DestinationsDialog.h"
#include "tests/support/Controls.h"
#include "tests/support/KeyboardOrder.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

using namespace marlo;

namespace {

const char* const addressIds[] = {"hostAddress1", "hostAddress2", "hostAddress3", "hostAddress4"};
const char* const portIds[] = {"hostPort1", "hostPort2", "hostPort3", "hostPort4"};
const char* const localPortIds[] = {"hostLocalPort1", "hostLocalPort2", "hostLocalPort3", "hostLocalPort4"};
const char* const initialSendIds[] = {"hostInitialSend1", "hostInitialSend2", "hostInitialSend3",
                                      "hostInitialSend4"};

DeviceSettings::Connect fourDestinations(std::int32_t protocol) {
    DeviceSettings::Connect connect;
    connect.protocol = protocol;
    connect.connections = 2;
    connect.reconnectTime = 15;
    connect.reception = 1;
    connect.hosts = {HostEntry{"192.168.0.10", 10001, 0, "hello"}, HostEntry{"host-2", 2, 2002, ""},
                     HostEntry{"", 0, 0, ""}, HostEntry{"host-4", 4, 0, " go"}};
    return connect;
}

// The dialog opened on a document whose `loaded` holds `connect`, unless `edited` is given, in
// which case `edited` holds it and `loaded` is marked as confirmed.
struct Destinations {
    SettingsDocument document;
    ScriptedDialogs dialogs;
    std::unique_ptr<DestinationsDialog> dialog;

    explicit Destinations(const DeviceSettings::Connect& loaded,
                          const DeviceSettings::Connect* edited = nullptr) {
        document.loaded.connect = loaded;
        if (edited != nullptr) {
            document.edited.connect = *edited;
            document.loaded.connect.edited = 1;
        }
        dialog = std::make_unique<DestinationsDialog>(document, document.edited, dialogs);
        dialog->show();
    }

    QLineEdit* edit(const QString& id) { return control<QLineEdit>(dialog.get(), id); }
    QAbstractButton* button(const QString& id) { return control<QAbstractButton>(dialog.get(), id); }
    QString text(const QString& id) { return edit(id)->text(); }
    void type(const QString& id, const QString& text) { edit(id)->setText(text); }
    bool enabled(const QString& id) { return findControl(dialog.get(), id)->isEnabled(); }
    bool ticked(const QString& id) { return button(id)->isChecked(); }
    void click(const QString& id) { button(id)->click(); }
    void ok() { click("destinationsOk"); }
    const DeviceSettings::Connect& stored() { return document.edited.connect; }
};

} // namespace

class DestinationsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTcpDestinations() {
        Destinations destinations(fourDestinations(0));
        QCOMPARE(destinations.dialog->windowTitle(), QStringLiteral("接続先の編集"));
        QVERIFY(destinations.ticked("protocolTcp"));
        const QStringList addresses = {"192.168.0.10", "host-2", "", "host-4"};
        const QStringList ports = {"10001", "2", "<None>", "4"};
        const QStringList localPorts = {"<Random>", "2002", "<Random>", "<Random>"};
        const QStringList initialSends = {"hello", "", "", " go"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(destinations.text(addressIds[row]), addresses[row]);
            QCOMPARE(destinations.text(portIds[row]), ports[row]);
            QCOMPARE(destinations.text(localPortIds[row]), localPorts[row]);
            QCOMPARE(destinations.text(initialSendIds[row]), initialSends[row]);
            QVERIFY(destinations.enabled(addressIds[row]) && destinations.enabled(initialSendIds[row]));
        }
        QCOMPARE(destinations.text("reconnectTime"), QStringLiteral("15"));
        QVERIFY(destinations.ticked("connectRoundRobin"));
        QVERIFY(!destinations.ticked("dropOtherSenders"));
        QVERIFY(destinations.enabled("reconnectTime") && destinations.enabled("connectSequential"));
        QVERIFY(!destinations.enabled("dropOtherSenders"));
    }

    void showsOnlyDestinationOneWithUdp() {
        DeviceSettings::Connect connect = fourDestinations(1);
        connect.reception = 0;
        connect.reconnectTime = 0;
        Destinations destinations(connect);
        QVERIFY(destinations.ticked("protocolUdp"));
        QCOMPARE(destinations.text("hostAddress1"), QStringLiteral("192.168.0.10"));
        QCOMPARE(destinations.text("hostPort1"), QStringLiteral("10001"));
        QCOMPARE(destinations.text("hostInitialSend1"), QString());
        QVERIFY(!destinations.enabled("hostInitialSend1"));
        QVERIFY(destinations.enabled("hostAddress1") && destinations.enabled("hostLocalPort1"));
        for (int row = 1; row < 4; ++row) {
            QCOMPARE(destinations.text(addressIds[row]), QString());
            QCOMPARE(destinations.text(portIds[row]), QStringLiteral("<None>"));
            QCOMPARE(destinations.text(localPortIds[row]), QStringLiteral("<Random>"));
            QVERIFY(!destinations.enabled(addressIds[row]) && !destinations.enabled(portIds[row]));
        }
        QCOMPARE(destinations.text("reconnectTime"), QString());
        QVERIFY(destinations.ticked("dropOtherSenders"));
        QVERIFY(destinations.enabled("dropOtherSenders"));
        QVERIFY(!destinations.enabled("reconnectTime") && !destinations.enabled("connectRoundRobin"));

        destinations.click("protocolTcp");
        QVERIFY(destinations.enabled("hostInitialSend1") && destinations.enabled("hostAddress4"));
        QVERIFY(!destinations.enabled("dropOtherSenders"));
    }

    void switchingToUdpFillsEmptyPortBoxes() {
        Destinations destinations(fourDestinations(0));
        destinations.type("hostPort2", QString());
        destinations.type("hostLocalPort4", QString());
        destinations.type("hostPort1", QString());
        destinations.click("protocolUdp");
        QCOMPARE(destinations.text("hostPort2"), QStringLiteral("<None>"));
        QCOMPARE(destinations.text("hostLocalPort4"), QStringLiteral("<Random>"));
        QCOMPARE(destinations.text("hostPort1"), QString());
        QCOMPARE(destinations.text("hostAddress2"), QStringLiteral("host-2"));
        QVERIFY(!destinations.enabled("hostAddress2") && !destinations.enabled("connectSequential"));
        QVERIFY(destinations.enabled("dropOtherSenders"));
    }

    void showsEditedOnceConfirmed() {
        const DeviceSettings::Connect confirmed = fourDestinations(0);
        DeviceSettings::Connect read;
        read.hosts[0] = HostEntry{"10.1.1.1", 1, 0, ""};
        Destinations fromEdited(read, &confirmed);
        QCOMPARE(fromEdited.text("hostAddress1"), QStringLiteral("192.168.0.10"));
        Destinations fromLoaded(read);
        QCOMPARE(fromLoaded.text("hostAddress1"), QStringLiteral("10.1.1.1"));
    }

    void storesEverythingOnOk() {
        Destinations destinations(fourDestinations(0));
        destinations.type("hostInitialSend1", QStringLiteral("  leading blanks"));
        destinations.type("hostPort1", QStringLiteral(" 65535 "));
        destinations.type("hostLocalPort1", QStringLiteral("<Random>"));
        destinations.type("hostLocalPort2", QString());
        destinations.type("reconnectTime", QStringLiteral("3600"));
        destinations.click("connectSimultaneous");
        destinations.ok();
        QVERIFY(destinations.dialogs.shown().isEmpty());
        QCOMPARE(destinations.dialog->result(), int(QDialog::Accepted));
        const DeviceSettings::Connect& stored = destinations.stored();
        QCOMPARE(stored.protocol, 0);
        QCOMPARE(stored.hosts[0], (HostEntry{"192.168.0.10", 65535, 0, "  leading blanks"}));
        QCOMPARE(stored.hosts[1], (HostEntry{"host-2", 2, 0, ""}));
        QCOMPARE(stored.hosts[2], HostEntry{});
        QCOMPARE(stored.hosts[3], (HostEntry{"host-4", 4, 0, " go"}));
        QCOMPARE(stored.connections, 1);
        QCOMPARE(stored.reconnectTime, 3600);
        QCOMPARE(stored.reception, 1);
        QCOMPARE(destinations.document.loaded.connect.edited, 0);
    }

    void storesAllFourDestinationsWithUdp() {
        Destinations destinations(fourDestinations(1));
        destinations.click("dropOtherSenders");
        destinations.type("reconnectTime", QString());
        destinations.ok();
        const DeviceSettings::Connect& stored = destinations.stored();
        QCOMPARE(stored.protocol, 1);
        QCOMPARE(stored.hosts[0], (HostEntry{"192.168.0.10", 10001, 0, ""}));
        for (int row = 1; row < 4; ++row) {
            QCOMPARE(stored.hosts[static_cast<std::size_t>(row)], HostEntry{});
        }
        QCOMPARE(stored.reception, 0);
        QCOMPARE(stored.reconnectTime, 0);
        QCOMPARE(stored.connections, 2);
    }

    void refusesEachInvalidValueAndStaysOpen() {
        const std::vector<std::pair<std::pair<QString, const char*>, const char*>> refusals = {
            {{"hostPort1", ""}, "ポート番号を設定してください"},
            {{"hostPort2", "<None>"}, "ポート番号を設定してください"},
            {{"hostPort4", "port"}, "ポート番号を設定してください"},
            {{"hostPort1", "65536"}, "ポート番号設定エラー"},
            {{"hostPort3", "-1"}, "ポート番号設定エラー"},
            {{"hostLocalPort2", "65536"}, "ローカルポート番号設定エラー"},
            {{"hostLocalPort3", "-1"}, "ローカルポート番号設定エラー"},
            {{"reconnectTime", "3601"}, "再接続時間は0から3600までの範囲で設定してください"},
            {{"hostAddress3", "\xF0\x9F\x98\x80"}, "接続先3のアドレスに使用できない文字が含まれています。"},
            {{"hostInitialSend4", "\xF0\x9F\x98\x80"},
             "接続先4の接続時送信文字列に使用できない文字が含まれています。"},
        };
        for (const auto& [change, message] : refusals) {
            Destinations destinations(fourDestinations(0));
            destinations.type(change.first, QString::fromUtf8(change.second));
            destinations.dialogs.expectMessage(QString::fromUtf8(message), destinations.dialog.get());
            destinations.ok();
            QVERIFY2(destinations.dialogs.done(), change.second);
            QVERIFY(destinations.dialog->isVisible());
            // The refused value is ready to be typed over.
            QCOMPARE(destinations.dialog->focusWidget(), destinations.edit(change.first));
            QCOMPARE(destinations.edit(change.first)->selectedText(), QString::fromUtf8(change.second));
        }
    }

    // Nothing of a refused OK reaches `edited`, so closing the dialog afterwards leaves the
    // destinations the user confirmed before.
    void aRefusedOkThenCloseChangesNothing() {
        const DeviceSettings::Connect confirmed = fourDestinations(0);
        Destinations destinations(DeviceSettings::Connect{}, &confirmed);
        destinations.click("protocolUdp");
        destinations.type("hostAddress1", QStringLiteral("10.9.9.9"));
        destinations.type("hostLocalPort4", QStringLiteral("70000"));
        destinations.dialogs.expectMessage(QStringLiteral("ローカルポート番号設定エラー"));
        destinations.ok();
        QVERIFY(destinations.dialogs.done());
        destinations.dialog->reject();
        QCOMPARE(destinations.stored(), confirmed);
    }

    void keyboardOrderAndNames() {
        Destinations destinations(fourDestinations(0));
        const QStringList order = keyboardOrder(findControl(destinations.dialog.get(), "protocolTcp"));
        QStringList expected = {"protocolTcp", "protocolUdp"};
        for (int row = 0; row < 4; ++row) {
            expected << addressIds[row] << portIds[row] << localPortIds[row] << initialSendIds[row];
        }
        expected << "reconnectTime"
                 << "connectSequential"
                 << "connectSimultaneous"
                 << "connectRoundRobin"
                 << "dropOtherSenders"
                 << "destinationsOk";
        QCOMPARE(order, expected);

        const auto name = [&](const QString& id) {
            return QAccessible::queryAccessibleInterface(findControl(destinations.dialog.get(), id))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("hostLocalPort3"), QStringLiteral("接続先3: ローカルポート"));
        QCOMPARE(name("hostInitialSend1"), QStringLiteral("接続先1: 接続時送信文字列"));
        QCOMPARE(name("protocolUdp"), QStringLiteral("プロトコル UDP"));
        QCOMPARE(name("reconnectTime"), QStringLiteral("再接続時間:"));
    }

    void limitsWhatIsTyped() {
        Destinations destinations(DeviceSettings::Connect{});
        const std::pair<QString, int> limits[] = {
            {"hostAddress1", 50}, {"hostPort1", 5}, {"hostLocalPort1", 5}, {"hostInitialSend1", 32}};
        for (const auto& [id, limit] : limits) {
            QLineEdit* edit = destinations.edit(id);
            edit->clear();
            edit->setFocus();
            QTest::keyClicks(edit, QString(60, QLatin1Char('7')));
            QCOMPARE(edit->text().size(), limit);
        }
    }
};

QTEST_MAIN(DestinationsDialogTest)
#include "DestinationsDialogTest.moc"
