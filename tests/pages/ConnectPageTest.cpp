#include "pages/DestinationsDialog.h"
#include "pages/NetworkPage.h"
#include "record/Codecs.h"
#include "record/RecordWriter.h"
#include "tests/support/Controls.h"
#include "tests/support/KeyboardOrder.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

using namespace marlo;

namespace {

// Every control the page switches on and off, in tab order where it takes focus.
const QStringList connectControls = {"serverMode",
                                     "serverAlways",
                                     "serverOnSerialData",
                                     "serverOnStartCharacter",
                                     "serverOnModemControl",
                                     "serverStartCharacterLabel",
                                     "serverStartCharacter",
                                     "serverFlushStartCharacter",
                                     "serverLocalPort",
                                     "serverMultipleConnections",
                                     "serverUsePassword",
                                     "serverPassword",
                                     "serverFlushLine",
                                     "clientMode",
                                     "clientAlways",
                                     "clientOnSerialData",
                                     "clientOnStartCharacter",
                                     "clientOnModemControl",
                                     "clientStartCharacterLabel",
                                     "clientStartCharacter",
                                     "clientFlushStartCharacter",
                                     "destinationsButton",
                                     "clientFlushLine",
                                     "stopCharacterEnabled",
                                     "stopCharacter",
                                     "silenceEnabled",
                                     "silenceTimeout",
                                     "disconnectOnModemControl",
                                     "disconnectFlushLine"};

// Server on a start character, client on a start character, both disconnect rules on.
DeviceSettings startCharacterSettings() {
    DeviceSettings settings;
    settings.accept = {.mode = tunnelStartCharacter,
                       .localPort = 10001,
                       .password = "<Configured>",
                       .startCharacter = 0x0d,
                       .flushLine = 1,
                       .flushStartCharacter = 1,
                       .multipleConnections = 1};
    settings.connect.mode = tunnelStartCharacter;
    settings.connect.startCharacter = 0x02;
    settings.connect.flushStartCharacter = 1;
    settings.connect.flushLine = 1;
    settings.disconnect = {.stopCharacterEnabled = 1,
                           .stopCharacter = 0x1b,
                           .timeout = 30000,
                           .flushLine = 1,
                           .modemControl = 1};
    return settings;
}

struct ConnectPage {
    SettingsDocument document;
    ScriptedDialogs dialogs;
    NetworkPage page{document, dialogs};

    explicit ConnectPage(const DeviceSettings& loaded = startCharacterSettings()) {
        document.loaded = loaded;
        page.loadFromSettings();
    }

    QLineEdit* edit(const QString& id) { return control<QLineEdit>(&page, id); }
    QAbstractButton* button(const QString& id) { return control<QAbstractButton>(&page, id); }
    QString text(const QString& id) { return edit(id)->text(); }
    void type(const QString& id, const QString& text) { edit(id)->setText(text); }
    bool enabled(const QString& id) { return findControl(&page, id)->isEnabled(); }
    bool ticked(const QString& id) { return button(id)->isChecked(); }
    void click(const QString& id) { button(id)->click(); }
    // The summary shown, which a screen reader must read as well.
    QString summary() {
        auto* label = control<QLabel>(&page, "destinationsSummary");
        const QString read = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description);
        return read == label->text() ? read : QStringLiteral("read as: ") + read;
    }
};

struct Refusal {
    std::vector<std::pair<QString, const char*>> texts;
    const char* message;
};

HostEntry host(const char* address, std::uint32_t port) {
    return {.address = address, .port = port, .localPort = 0, .initialSend = {}};
}

// Runs `drive` on the destinations dialog once the page has opened it modally.
void whenDestinationsOpen(const std::function<void(DestinationsDialog*)>& drive) {
    onNextModal([drive](QDialog* dialog) {
        auto* destinations = dynamic_cast<DestinationsDialog*>(dialog);
        QVERIFY2(destinations != nullptr, "the destinations dialog is not open");
        drive(destinations);
    });
}

} // namespace

class ConnectPageTest : public QObject {
    Q_OBJECT

private slots:
    void startsDisabledAndEnablesEveryControl() {
        SettingsDocument document;
        ScriptedDialogs dialogs;
        NetworkPage page(document, dialogs);
        for (const QString& id : connectControls) {
            QVERIFY2(!findControl(&page, id)->isEnabled(), qPrintable(id));
        }
        QVERIFY(findControl(&page, "destinationsSummary")->isEnabled());
        QVERIFY(findControl(&page, "stopCharacterLabel")->isEnabled());
        page.enableAll(true);
        for (const QString& id : connectControls) {
            QVERIFY2(findControl(&page, id)->isEnabled(), qPrintable(id));
        }
    }

    void serverAndClientRulesFollowTheModes() {
        DeviceSettings passwordOnly;
        passwordOnly.accept.password = "pw";
        ConnectPage connect(passwordOnly);
        for (const char* id :
             {"serverAlways", "serverLocalPort", "serverUsePassword", "serverPassword", "serverFlushLine",
              "clientAlways", "destinationsButton", "clientFlushLine", "stopCharacter", "silenceTimeout"}) {
            QVERIFY2(!connect.enabled(id), qPrintable(id));
        }
        QVERIFY(connect.ticked("serverUsePassword"));

        connect.click("serverMode");
        QVERIFY(connect.ticked("serverAlways"));
        QVERIFY(connect.enabled("serverOnModemControl") && connect.enabled("serverLocalPort") &&
                connect.enabled("serverMultipleConnections") && connect.enabled("serverFlushLine"));
        QVERIFY(connect.enabled("serverPassword"));
        QVERIFY(!connect.enabled("serverStartCharacter") && !connect.enabled("serverStartCharacterLabel"));
        connect.click("serverOnStartCharacter");
        QVERIFY(connect.enabled("serverStartCharacterLabel") && connect.enabled("serverStartCharacter") &&
                connect.enabled("serverFlushStartCharacter"));
        QVERIFY(connect.ticked("serverUsePassword"));
        connect.click("serverMode");
        QVERIFY(!connect.enabled("serverStartCharacter") && !connect.enabled("serverOnStartCharacter"));

        connect.click("clientMode");
        QVERIFY(connect.ticked("clientOnSerialData"));
        QVERIFY(connect.enabled("destinationsButton") && connect.enabled("clientFlushLine"));
        QVERIFY(!connect.enabled("clientStartCharacter"));
        connect.click("clientOnStartCharacter");
        QVERIFY(connect.enabled("clientStartCharacterLabel") && connect.enabled("clientStartCharacter") &&
                connect.enabled("clientFlushStartCharacter"));
        connect.click("clientMode");
        QVERIFY(!connect.enabled("clientStartCharacter") && !connect.enabled("destinationsButton"));

        connect.click("stopCharacterEnabled");
        QVERIFY(connect.enabled("stopCharacter"));
        connect.click("silenceEnabled");
        QVERIFY(connect.enabled("silenceTimeout"));
    }

    void loadsAndStoresBackUnchanged() {
        const DeviceSettings settings = startCharacterSettings();
        ConnectPage connect;
        for (const char* id :
             {"serverMode", "serverOnStartCharacter", "serverFlushStartCharacter",
              "serverMultipleConnections", "serverUsePassword", "serverFlushLine", "clientMode",
              "clientOnStartCharacter", "clientFlushStartCharacter", "clientFlushLine",
              "stopCharacterEnabled", "silenceEnabled", "disconnectOnModemControl", "disconnectFlushLine"}) {
            QVERIFY2(connect.ticked(id), qPrintable(id));
        }
        QCOMPARE(connect.text("serverStartCharacter"), QStringLiteral("0d"));
        QCOMPARE(connect.text("serverLocalPort"), QStringLiteral("10001"));
        QCOMPARE(connect.text("serverPassword"), QStringLiteral("<Configured>"));
        QCOMPARE(connect.text("clientStartCharacter"), QStringLiteral("02"));
        QCOMPARE(connect.text("stopCharacter"), QStringLiteral("1b"));
        QCOMPARE(connect.text("silenceTimeout"), QStringLiteral("30000"));
        QVERIFY(connect.enabled("serverPassword") && connect.enabled("serverStartCharacter") &&
                connect.enabled("clientStartCharacter") && connect.enabled("stopCharacter"));

        QVERIFY(connect.page.validateAndStore());
        QVERIFY(connect.dialogs.shown().isEmpty());
        const DeviceSettings& edited = connect.document.edited;
        QCOMPARE(edited.accept, settings.accept);
        QCOMPARE(edited.connect, settings.connect);
        QCOMPARE(edited.disconnect, settings.disconnect);
    }

    void loadClearsWhatAnEarlierLoadShowed() {
        ConnectPage connect;
        DeviceSettings off;
        off.accept.mode = tunnelModemControlAsserted;
        off.connect.mode = tunnelAlways;
        connect.document.loaded = off;
        connect.page.loadFromSettings();
        QVERIFY(connect.ticked("serverOnModemControl") && connect.ticked("clientAlways"));
        QVERIFY(!connect.ticked("serverFlushStartCharacter") && !connect.ticked("clientFlushStartCharacter"));
        for (const char* id : {"serverStartCharacter", "clientStartCharacter", "serverPassword",
                               "stopCharacter", "silenceTimeout"}) {
            QCOMPARE(connect.text(id), QString());
        }
        QCOMPARE(connect.text("serverLocalPort"), QStringLiteral("<None>"));
        QVERIFY(!connect.ticked("serverUsePassword") && !connect.ticked("stopCharacterEnabled") &&
                !connect.ticked("silenceEnabled"));

        connect.document.loaded = DeviceSettings{};
        connect.page.loadFromSettings();
        for (const char* id : {"serverMode", "serverOnModemControl", "clientMode", "clientAlways"}) {
            QVERIFY2(!connect.ticked(id), qPrintable(id));
        }

        DeviceSettings zeroCharacters = startCharacterSettings();
        zeroCharacters.accept.startCharacter = 0;
        zeroCharacters.connect.startCharacter = 0;
        zeroCharacters.disconnect.stopCharacter = 0;
        connect.document.loaded = zeroCharacters;
        connect.page.loadFromSettings();
        for (const char* id : {"serverStartCharacter", "clientStartCharacter", "stopCharacter"}) {
            QCOMPARE(connect.text(id), QString());
        }

        // A time-out beyond the range is shown as the unsigned number it is, then refused.
        DeviceSettings longSilence = startCharacterSettings();
        longSilence.disconnect.timeout = 3000000000u;
        connect.document.loaded = longSilence;
        connect.page.loadFromSettings();
        QCOMPARE(connect.text("silenceTimeout"), QStringLiteral("3000000000"));
        connect.dialogs.expectMessage(QStringLiteral("切断タイムアウトの設定範囲は2から86400000までです"));
        QVERIFY(!connect.page.validateAndStore());
    }

    void refusesEachInvalidValueWithItsMessage() {
        const char* const serverMissing = "サーバ 開始キャラクタを設定してください";
        const char* const serverInvalid = "サーバ 開始キャラクタ指定エラー";
        const char* const port = "サーバ ポート番号エラー";
        const char* const silence = "切断タイムアウトの設定範囲は2から86400000までです";
        const std::vector<Refusal> refusals = {
            {{{"serverStartCharacter", ""}}, serverMissing},
            {{{"serverStartCharacter", " <None> "}}, serverMissing},
            {{{"serverStartCharacter", "g1"}}, serverInvalid},
            {{{"serverStartCharacter", "-1"}}, serverInvalid},
            {{{"serverLocalPort", "70000"}}, port},
            {{{"serverLocalPort", "-1"}}, port},
            {{{"clientStartCharacter", "<None>"}}, "クライアント 開始キャラクタを設定してください"},
            {{{"clientStartCharacter", "0x"}}, "クライアント 開始キャラクタ指定エラー"},
            {{{"stopCharacter", " "}}, "切断キャラクタを設定してください"},
            {{{"stopCharacter", "1z"}}, "切断キャラクタ指定エラー"},
            {{{"silenceTimeout", "1"}}, silence},
            {{{"silenceTimeout", "86400001"}}, silence},
            {{{"silenceTimeout", "-2"}}, silence},
            {{{"silenceTimeout", ""}}, silence},
            {{{"serverPassword", "pass\xF0\x9F\x98\x80"}},
             "パスワード文字列に使用できない文字が含まれています。"},
        };
        for (const Refusal& refusal : refusals) {
            ConnectPage connect;
            QString change;
            for (const auto& [id, text] : refusal.texts) {
                connect.type(id, QString::fromUtf8(text));
                change += QStringLiteral("%1=\"%2\" ").arg(id).arg(QString::fromUtf8(text));
            }
            connect.dialogs.expectMessage(QString::fromUtf8(refusal.message), &connect.page);
            QVERIFY2(!connect.page.validateAndStore(), qPrintable(change));
            QVERIFY2(connect.dialogs.done(), qPrintable(change));
        }
    }

    void storesValuesThatPassAndSkipsWhatIsOff() {
        ConnectPage connect;
        DeviceSettings& edited = connect.document.edited;
        connect.type("serverLocalPort", QString());
        connect.type("serverPassword", QStringLiteral(" secret "));
        connect.type("silenceTimeout", QStringLiteral("2"));
        connect.type("stopCharacter", QStringLiteral("FF"));
        QVERIFY(connect.page.validateAndStore());
        QCOMPARE(edited.accept.localPort, 0u);
        QCOMPARE(edited.accept.password, Text(" secret "));
        QCOMPARE(edited.disconnect.timeout, 2u);
        QCOMPARE(edited.disconnect.stopCharacter, 0xff);

        connect.type("silenceTimeout", QStringLiteral("86400000"));
        QVERIFY(connect.page.validateAndStore());
        QCOMPARE(edited.disconnect.timeout, 86400000u);

        edited.accept.startCharacter = 0x41;
        connect.click("serverAlways");
        connect.click("serverUsePassword");
        connect.click("clientAlways");
        connect.click("stopCharacterEnabled");
        connect.click("silenceEnabled");
        connect.type("silenceTimeout", QStringLiteral("1"));
        connect.type("stopCharacter", QStringLiteral("zz"));
        QVERIFY(connect.page.validateAndStore());
        QCOMPARE(edited.accept.mode, std::int32_t{tunnelAlways});
        QCOMPARE(edited.accept.startCharacter, 0x41);
        QCOMPARE(edited.accept.password, Text());
        QCOMPARE(edited.connect.mode, std::int32_t{tunnelAlways});
        QCOMPARE(edited.connect.startCharacter, 0);
        QCOMPARE(edited.connect.flushStartCharacter, 0);
        QCOMPARE(edited.disconnect.stopCharacterEnabled, 0);
        QCOMPARE(edited.disconnect.stopCharacter, 0);
        QCOMPARE(edited.disconnect.timeout, 0u);

        connect.click("serverMode");
        connect.click("clientMode");
        QVERIFY(connect.page.validateAndStore());
        QCOMPARE(edited.accept.mode, std::int32_t{tunnelDisable});
        QCOMPARE(edited.connect.mode, std::int32_t{tunnelDisable});
        QVERIFY(connect.dialogs.shown().isEmpty());

        connect.document.loaded = edited;
        connect.page.loadFromSettings();
        QCOMPARE(connect.text("serverLocalPort"), QStringLiteral("<None>"));
    }

    void limitsWhatIsTyped() {
        ConnectPage connect;
        const std::pair<QString, int> limits[] = {{"serverStartCharacter", 2},
                                                  {"serverLocalPort", 5},
                                                  {"serverPassword", 31},
                                                  {"clientStartCharacter", 2},
                                                  {"stopCharacter", 2}};
        for (const auto& [id, limit] : limits) {
            QLineEdit* edit = connect.edit(id);
            edit->clear();
            QTest::keyClicks(edit, QString(40, QLatin1Char('1')));
            QCOMPARE(edit->text().size(), limit);
        }

        connect.edit("serverStartCharacter")->clear();
        QTest::keyClicks(connect.edit("serverStartCharacter"), QStringLiteral("0x0d"));
        QCOMPARE(connect.text("serverStartCharacter"), QStringLiteral("0x"));
        connect.dialogs.expectMessage(QStringLiteral("サーバ 開始キャラクタ指定エラー"));
        QVERIFY(!connect.page.validateAndStore());
    }

    void keepsWhatWasStoredBeforeAFailure() {
        ConnectPage connect;
        DeviceSettings& edited = connect.document.edited;
        edited.disconnect.timeout = 777;
        connect.type("serverLocalPort", QStringLiteral("8080"));
        connect.type("clientStartCharacter", QStringLiteral("7f"));
        connect.type("stopCharacter", QStringLiteral("g"));
        connect.dialogs.expectMessage(QStringLiteral("切断キャラクタ指定エラー"));
        QVERIFY(!connect.page.validateAndStore());
        QCOMPARE(edited.accept.localPort, 8080u);
        QCOMPARE(edited.connect.startCharacter, 0x7f);
        QCOMPARE(edited.disconnect.stopCharacterEnabled, 1);
        QCOMPARE(edited.disconnect.timeout, 777u);

        ConnectPage server;
        server.type("serverStartCharacter", QStringLiteral("g1"));
        server.dialogs.expectMessage(QStringLiteral("サーバ 開始キャラクタ指定エラー"));
        QVERIFY(!server.page.validateAndStore());
        QCOMPARE(server.document.edited.accept.mode, std::int32_t{tunnelStartCharacter});
        QCOMPARE(server.document.edited.accept.localPort, 0u);

        // The client's flag for its start character is stored before the character is checked.
        ConnectPage client;
        client.type("clientStartCharacter", QString());
        client.dialogs.expectMessage(QStringLiteral("クライアント 開始キャラクタを設定してください"));
        QVERIFY(!client.page.validateAndStore());
        QCOMPARE(client.document.edited.accept.flushStartCharacter, 1);
        QCOMPARE(client.document.edited.connect.mode, std::int32_t{tunnelStartCharacter});
        QCOMPARE(client.document.edited.connect.flushStartCharacter, 1);
        QCOMPARE(client.document.edited.connect.flushLine, 0);
    }

    void summarisesTheDestinations() {
        DeviceSettings settings;
        settings.connect.hosts = {host("192.168.0.10", 10001), host("", 80),
                                  host("abcdefghijklmnopqrstuvwxyz0123", 0), host("server.example", 23)};
        ConnectPage connect(settings);
        QCOMPARE(connect.summary(), QStringLiteral("プロトコル: TCP\n"
                                                   "1: 192.168.0.10 : 10001\n"
                                                   "3: abcdefghijklmnopqrstuvw... : <None>\n"
                                                   "4: server.example : 23\n"));

        settings.connect.protocol = 1;
        connect.document.loaded = settings;
        connect.page.loadFromSettings();
        QCOMPARE(connect.summary(), QStringLiteral("プロトコル: UDP\n1: 192.168.0.10 : 10001\n"));

        settings.connect.hosts[0].address = "1234567890123456789012345";
        connect.document.loaded = settings;
        connect.page.loadFromSettings();
        QCOMPARE(connect.summary(),
                 QStringLiteral("プロトコル: UDP\n1: 1234567890123456789012345 : 10001\n"));

        // Twenty-two ASCII bytes and a double-byte character: the cut at 23 bytes splits it.
        settings.connect.hosts[0].address = std::string(22, 'a') + "\x83\x41\x83\x41";
        settings.connect.edited = 1;
        connect.document.loaded = settings;
        connect.document.edited.connect.protocol = 0;
        connect.page.loadFromSettings();
        QCOMPARE(connect.summary(), QStringLiteral("プロトコル: TCP\n"));
        connect.document.loaded.connect.edited = 0;
        connect.page.loadFromSettings();
        QCOMPARE(connect.summary(), QString(QStringLiteral("プロトコル: UDP\n1: ") +
                                            QString(22, QLatin1Char('a')) + QStringLiteral("... : 10001\n")));
    }

    void destinationsButtonMarksTheDestinationsEditedOnOk() {
        DeviceSettings settings;
        settings.connect.mode = tunnelAnyCharacter;
        settings.connect.hosts[0] = host("10.0.0.1", 10001);
        ConnectPage connect(settings);

        whenDestinationsOpen([](DestinationsDialog* dialog) {
            control<QLineEdit>(dialog, "hostPort1")->setText(QStringLiteral("9"));
            dialog->reject();
        });
        connect.click("destinationsButton");
        QCOMPARE(connect.document.loaded.connect.edited, 0);
        QCOMPARE(connect.summary(), QStringLiteral("プロトコル: TCP\n1: 10.0.0.1 : 10001\n"));

        whenDestinationsOpen([](DestinationsDialog* dialog) {
            QCOMPARE(control<QLineEdit>(dialog, "hostPort1")->text(), QStringLiteral("10001"));
            control<QLineEdit>(dialog, "hostAddress2")->setText(QStringLiteral("10.0.0.2"));
            control<QLineEdit>(dialog, "hostPort2")->setText(QStringLiteral("20"));
            control<QPushButton>(dialog, "destinationsOk")->click();
        });
        connect.click("destinationsButton");
        QCOMPARE(connect.document.loaded.connect.edited, 1);
        QCOMPARE(connect.document.edited.connect.hosts[1], host("10.0.0.2", 20));
        QCOMPARE(connect.summary(),
                 QStringLiteral("プロトコル: TCP\n1: 10.0.0.1 : 10001\n2: 10.0.0.2 : 20\n"));

        // The page's own validation leaves the destinations to the dialog.
        connect.document.edited.connect.reconnectTime = 99;
        QVERIFY(connect.page.validateAndStore());
        QCOMPARE(connect.document.edited.connect.hosts[1], host("10.0.0.2", 20));
        QCOMPARE(connect.document.edited.connect.reconnectTime, 99);
    }

    // The written record carries destinations only once the dialog has confirmed them.
    void confirmedDestinationsReachTheWrittenRecord() {
        DeviceSettings settings = startCharacterSettings();
        settings.connect.hosts[0] = host("10.0.0.1", 10001);
        ConnectPage connect(settings);
        connect.document.edited = settings;
        QVERIFY(connect.page.validateAndStore());
        const std::optional<std::string> before = buildRecord(connect.document, RecordTarget::device);
        QVERIFY(before.has_value());
        QVERIFY(before->find("\"Host\"") == std::string::npos);

        whenDestinationsOpen([](DestinationsDialog* dialog) {
            control<QLineEdit>(dialog, "hostAddress2")->setText(QStringLiteral("10.0.0.2"));
            control<QLineEdit>(dialog, "hostPort2")->setText(QStringLiteral("20"));
            control<QPushButton>(dialog, "destinationsOk")->click();
        });
        connect.click("destinationsButton");
        const std::optional<std::string> after = buildRecord(connect.document, RecordTarget::device);
        QVERIFY(after.has_value());
        const std::size_t second = after->find("<configitem name = \"Host\" instance = \"2\">");
        QVERIFY(second != std::string::npos);
        QVERIFY(after->find("<value name = \"Address\">10.0.0.2</value>", second) != std::string::npos);
        QVERIFY(after->find("<value name = \"Port\">20</value>", second) != std::string::npos);
    }

    void keyboardOrderAndNames() {
        ConnectPage connect;
        connect.page.enableAll(true);
        const QStringList order = keyboardOrder(findControl(&connect.page, "serverMode"));
        QStringList focusable = connectControls;
        focusable.removeAll("serverStartCharacterLabel");
        focusable.removeAll("clientStartCharacterLabel");
        QCOMPARE(order, focusable);

        const auto name = [&](const QString& id) {
            return QAccessible::queryAccessibleInterface(findControl(&connect.page, id))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("serverOnSerialData"), QStringLiteral("接続待ち開始条件 シリアルデータ受信時"));
        QCOMPARE(name("clientOnModemControl"), QStringLiteral("接続要求条件 DSRアクティブ時(Orvane)"));
        QCOMPARE(name("serverLocalPort"), QStringLiteral("ローカルポート番号:"));
        QCOMPARE(name("serverPassword"), QStringLiteral("パスワード文字列:"));
        QCOMPARE(name("clientMode"), QStringLiteral("クライアントモード有効 "));
        QCOMPARE(name("silenceTimeout"), QStringLiteral("シリアル無通信時間で切断 ミリ秒"));
    }
};

QTEST_MAIN(ConnectPageTest)
#include "ConnectPageTest.moc"
