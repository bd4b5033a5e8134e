#include "pages/DestinationsDialog.h"
#include "resources/DialogIds.h"
#include "tests/ui/KeyboardOrder.h"
#include "tests/ui/ScriptedDialogs.h"
#include "ui/ControlId.h"

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

const int addressIds[] = {ids::hostAddress1, ids::hostAddress2, ids::hostAddress3, ids::hostAddress4};
const int portIds[] = {ids::hostPort1, ids::hostPort2, ids::hostPort3, ids::hostPort4};
const int localPortIds[] = {ids::hostLocalPort1, ids::hostLocalPort2, ids::hostLocalPort3,
                            ids::hostLocalPort4};
const int initialSendIds[] = {ids::hostInitialSend1, ids::hostInitialSend2, ids::hostInitialSend3,
                              ids::hostInitialSend4};

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

    QLineEdit* edit(int id) { return control<QLineEdit>(dialog.get(), id); }
    QAbstractButton* button(int id) { return control<QAbstractButton>(dialog.get(), id); }
    QString text(int id) { return edit(id)->text(); }
    void type(int id, const QString& text) { edit(id)->setText(text); }
    bool enabled(int id) { return findControl(dialog.get(), id)->isEnabled(); }
    bool ticked(int id) { return button(id)->isChecked(); }
    void click(int id) { button(id)->click(); }
    void ok() { click(ids::destinationsOk); }
    const DeviceSettings::Connect& stored() { return document.edited.connect; }
};

} // namespace

class DestinationsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTcpDestinations() {
        Destinations destinations(fourDestinations(0));
        QCOMPARE(destinations.dialog->windowTitle(), QStringLiteral("接続先の編集"));
        QVERIFY(destinations.ticked(ids::protocolTcp));
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
        QCOMPARE(destinations.text(ids::reconnectTime), QStringLiteral("15"));
        QVERIFY(destinations.ticked(ids::connectRoundRobin));
        QVERIFY(!destinations.ticked(ids::dropOtherSenders));
        QVERIFY(destinations.enabled(ids::reconnectTime) && destinations.enabled(ids::connectSequential));
        QVERIFY(!destinations.enabled(ids::dropOtherSenders));
    }

    void showsOnlyDestinationOneWithUdp() {
        DeviceSettings::Connect connect = fourDestinations(1);
        connect.reception = 0;
        connect.reconnectTime = 0;
        Destinations destinations(connect);
        QVERIFY(destinations.ticked(ids::protocolUdp));
        QCOMPARE(destinations.text(ids::hostAddress1), QStringLiteral("192.168.0.10"));
        QCOMPARE(destinations.text(ids::hostPort1), QStringLiteral("10001"));
        QCOMPARE(destinations.text(ids::hostInitialSend1), QString());
        QVERIFY(!destinations.enabled(ids::hostInitialSend1));
        QVERIFY(destinations.enabled(ids::hostAddress1) && destinations.enabled(ids::hostLocalPort1));
        for (int row = 1; row < 4; ++row) {
            QCOMPARE(destinations.text(addressIds[row]), QString());
            QCOMPARE(destinations.text(portIds[row]), QStringLiteral("<None>"));
            QCOMPARE(destinations.text(localPortIds[row]), QStringLiteral("<Random>"));
            QVERIFY(!destinations.enabled(addressIds[row]) && !destinations.enabled(portIds[row]));
        }
        QCOMPARE(destinations.text(ids::reconnectTime), QString());
        QVERIFY(destinations.ticked(ids::dropOtherSenders));
        QVERIFY(destinations.enabled(ids::dropOtherSenders));
        QVERIFY(!destinations.enabled(ids::reconnectTime) && !destinations.enabled(ids::connectRoundRobin));

        destinations.click(ids::protocolTcp);
        QVERIFY(destinations.enabled(ids::hostInitialSend1) && destinations.enabled(ids::hostAddress4));
        QVERIFY(!destinations.enabled(ids::dropOtherSenders));
    }

    void switchingToUdpFillsEmptyPortBoxes() {
        Destinations destinations(fourDestinations(0));
        destinations.type(ids::hostPort2, QString());
        destinations.type(ids::hostLocalPort4, QString());
        destinations.type(ids::hostPort1, QString());
        destinations.click(ids::protocolUdp);
        QCOMPARE(destinations.text(ids::hostPort2), QStringLiteral("<None>"));
        QCOMPARE(destinations.text(ids::hostLocalPort4), QStringLiteral("<Random>"));
        QCOMPARE(destinations.text(ids::hostPort1), QString());
        QCOMPARE(destinations.text(ids::hostAddress2), QStringLiteral("host-2"));
        QVERIFY(!destinations.enabled(ids::hostAddress2) && !destinations.enabled(ids::connectSequential));
        QVERIFY(destinations.enabled(ids::dropOtherSenders));
    }

    void showsEditedOnceConfirmed() {
        const DeviceSettings::Connect confirmed = fourDestinations(0);
        DeviceSettings::Connect read;
        read.hosts[0] = HostEntry{"10.1.1.1", 1, 0, ""};
        Destinations fromEdited(read, &confirmed);
        QCOMPARE(fromEdited.text(ids::hostAddress1), QStringLiteral("192.168.0.10"));
        Destinations fromLoaded(read);
        QCOMPARE(fromLoaded.text(ids::hostAddress1), QStringLiteral("10.1.1.1"));
    }

    void storesEverythingOnOk() {
        Destinations destinations(fourDestinations(0));
        destinations.type(ids::hostInitialSend1, QStringLiteral("  leading blanks"));
        destinations.type(ids::hostPort1, QStringLiteral(" 65535 "));
        destinations.type(ids::hostLocalPort1, QStringLiteral("<Random>"));
        destinations.type(ids::hostLocalPort2, QString());
        destinations.type(ids::reconnectTime, QStringLiteral("3600"));
        destinations.click(ids::connectSimultaneous);
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
        destinations.click(ids::dropOtherSenders);
        destinations.type(ids::reconnectTime, QString());
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
        const std::vector<std::pair<std::pair<int, const char*>, const char*>> refusals = {
            {{ids::hostPort1, ""}, "ポート番号を設定してください"},
            {{ids::hostPort2, "<None>"}, "ポート番号を設定してください"},
            {{ids::hostPort4, "port"}, "ポート番号を設定してください"},
            {{ids::hostPort1, "65536"}, "ポート番号設定エラー"},
            {{ids::hostPort3, "-1"}, "ポート番号設定エラー"},
            {{ids::hostLocalPort2, "65536"}, "ローカルポート番号設定エラー"},
            {{ids::hostLocalPort3, "-1"}, "ローカルポート番号設定エラー"},
            {{ids::reconnectTime, "3601"}, "再接続時間は0から3600までの範囲で設定してください"},
            {{ids::hostAddress3, "\xF0\x9F\x98\x80"},
             "接続先3のアドレスに使用できない文字が含まれています。"},
            {{ids::hostInitialSend4, "\xF0\x9F\x98\x80"},
             "接続先4の接続時送信文字列に使用できない文字が含まれています。"},
        };
        for (const auto& [change, message] : refusals) {
            Destinations destinations(fourDestinations(0));
            destinations.type(change.first, QString::fromUtf8(change.second));
            destinations.dialogs.expectMessage(QString::fromUtf8(message), destinations.dialog.get());
            destinations.ok();
            QVERIFY2(destinations.dialogs.done(), change.second);
            QVERIFY(destinations.dialog->isVisible());
        }
    }

    // Nothing of a refused OK reaches `edited`, so closing the dialog afterwards leaves the
    // destinations the user confirmed before.
    void aRefusedOkThenCloseChangesNothing() {
        const DeviceSettings::Connect confirmed = fourDestinations(0);
        Destinations destinations(DeviceSettings::Connect{}, &confirmed);
        destinations.click(ids::protocolUdp);
        destinations.type(ids::hostAddress1, QStringLiteral("10.9.9.9"));
        destinations.type(ids::hostLocalPort4, QStringLiteral("70000"));
        destinations.dialogs.expectMessage(QStringLiteral("ローカルポート番号設定エラー"));
        destinations.ok();
        QVERIFY(destinations.dialogs.done());
        destinations.dialog->reject();
        QCOMPARE(destinations.stored(), confirmed);
    }

    void keyboardOrderAndNames() {
        Destinations destinations(fourDestinations(0));
        const QList<int> order = keyboardOrder(findControl(destinations.dialog.get(), ids::protocolTcp));
        QList<int> expected = {ids::protocolTcp, ids::protocolUdp};
        for (int row = 0; row < 4; ++row) {
            expected << addressIds[row] << portIds[row] << localPortIds[row] << initialSendIds[row];
        }
        expected << ids::reconnectTime << ids::connectSequential << ids::connectSimultaneous
                 << ids::connectRoundRobin << ids::dropOtherSenders << ids::destinationsOk;
        QCOMPARE(order, expected);

        const auto name = [&](int id) {
            return QAccessible::queryAccessibleInterface(findControl(destinations.dialog.get(), id))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name(ids::hostLocalPort3), QStringLiteral("接続先3: ローカルポート"));
        QCOMPARE(name(ids::hostInitialSend1), QStringLiteral("接続先1: 接続時送信文字列"));
        QCOMPARE(name(ids::protocolUdp), QStringLiteral("プロトコル UDP"));
        QCOMPARE(name(ids::reconnectTime), QStringLiteral("再接続時間:"));
    }

    void limitsWhatIsTyped() {
        Destinations destinations(DeviceSettings::Connect{});
        const std::pair<int, int> limits[] = {{ids::hostAddress1, 50},
                                              {ids::hostPort1, 5},
                                              {ids::hostLocalPort1, 5},
                                              {ids::hostInitialSend1, 32}};
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
