#include "pages/ProfileEditorDialog.h"
#include "tests/pages/StationDevice.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

using namespace marlo;
using namespace marlo::testing;

namespace {

const QString registerQuestion =
    QStringLiteral("この内容のプロファイルを登録します。\r\nこの操作は即座に反映されます。");
const QString addedMessage = QStringLiteral("プロファイルを追加しました。");

const EditedProfile newProfile{.ssid = {}, .name = {}, .state = 1, .encryption = 1, .suite = 2, .keyType = 0};

constexpr const char* keyIds[keyRows] = {"editorKey1", "editorKey2", "editorKey3", "editorKey4"};
constexpr const char* transmitIds[keyRows] = {"editorTransmit1", "editorTransmit2", "editorTransmit3",
                                              "editorTransmit4"};

// The editor on the simulated device, shown as the station dialog shows it.
struct Editor {
    StationDevice d;
    ProfileEditorDialog editor;
    QSignalSpy finished{&editor, &QDialog::finished};

    explicit Editor(const EditedProfile& start = newProfile)
        : editor(start, d.linked.link, d.dialogs) {
        editor.show();
    }

    QAbstractButton* button(const QString& id) { return buttonOf(&editor, id); }
    QLineEdit* edit(const QString& id) { return control<QLineEdit>(&editor, id); }
    void type(const QString& id, const QString& text) { edit(id)->setText(text); }
    bool enabled(const QString& id) { return findControl(&editor, id)->isEnabled(); }
    // Presses OK and waits until the registration it started, if any, has shown its message.
    bool pressOk() {
        button("editorOk")->click();
        return waitUntil([&] { return d.dialogs.done(); });
    }
    std::size_t recordsSent() const {
        const std::vector<std::string> log = d.linked.device.commandLog();
        return static_cast<std::size_t>(std::count(log.begin(), log.end(), "<configrecord>"));
    }
};

} // namespace

class ProfileEditorTest : public QObject {
    Q_OBJECT

private slots:
    void enableLevelsFollowEncryptionAndWep() {
        Editor e;
        QCOMPARE(e.editor.windowTitle(), QStringLiteral("プロファイルの編集"));
        QVERIFY(e.button("editorWpa2")->isChecked());
        QVERIFY(e.button("editorTransmit1")->isChecked());
        QVERIFY(e.button("editorPassphrase")->isChecked());
        QCOMPARE(control<QProgressBar>(&e.editor, "editorProgress")->maximum(), 10);
        const auto level = [&] {
            if (!e.enabled("editorWpa")) {
                return 1;
            }
            return e.enabled("editorKey2") ? 3 : 2;
        };
        QCOMPARE(level(), 2);
        QVERIFY(e.enabled("editorPassphrase") && e.enabled("editorHex") && e.enabled("editorKey1"));
        QVERIFY(!e.enabled("editorTransmit4"));

        e.button("editorWep")->click();
        QCOMPARE(level(), 3);
        QVERIFY(e.button("editorHex")->isChecked());
        QVERIFY(!e.enabled("editorPassphrase"));
        e.button("editorTransmit3")->click();

        e.button("editorWpa")->click();
        QCOMPARE(level(), 2);
        QVERIFY(e.button("editorTransmit1")->isChecked());
        QVERIFY(e.button("editorHex")->isChecked());

        e.button("editorEncryption")->click();
        QCOMPARE(level(), 1);
        QVERIFY(e.enabled("editorSsid") && e.enabled("editorOk") && !e.enabled("editorHex"));
        QVERIFY(e.d.dialogs.shown().isEmpty());

        Editor plain(EditedProfile{
            .ssid = "guest", .name = {}, .state = 0, .encryption = 0, .suite = 0, .keyType = 0});
        QCOMPARE(plain.edit("editorSsid")->text(), QStringLiteral("guest"));
        QVERIFY(!plain.button("editorProfileOn")->isChecked());
        for (const char* id : {"editorWpa", "editorWpa2", "editorWep"}) {
            QVERIFY(!plain.button(id)->isChecked());
        }
    }

    void everyRefusalLeavesTheEditorOpen() {
        struct Case {
            const char* name;
            std::function<void(Editor&)> fill;
            QString message;
        };
        const auto wep = [](Editor& e, std::initializer_list<const char*> keys, int transmitRow) {
            e.type("editorSsid", QStringLiteral("lab"));
            e.button("editorWep")->click();
            int row = 0;
            for (const char* key : keys) {
                e.type(keyIds[row++], QString::fromLatin1(key));
            }
            e.button(transmitIds[transmitRow])->click();
        };
        const auto wpa = [](Editor& e, const QString& key, bool hex) {
            e.type("editorSsid", QStringLiteral("office"));
            e.type("editorKey1", key);
            e.button(hex ? "editorHex" : "editorPassphrase")->click();
        };
        const Case cases[] = {
            {"blank SSID", [](Editor& e) { e.type("editorSsid", QStringLiteral("  ")); },
             QStringLiteral("SSIDを入力してください")},
            {"no password", [&](Editor& e) { wpa(e, QStringLiteral(" "), false); },
             QStringLiteral("パスワードを入力してください")},
            {"7 characters", [&](Editor& e) { wpa(e, QStringLiteral("1234567"), false); },
             QStringLiteral("パスワードは8文字以上、63文字以内である必要があります。")},
            {"64 characters", [&](Editor& e) { wpa(e, QString(64, QLatin1Char('p')), false); },
             QStringLiteral("パスワードは8文字以上、63文字以内である必要があります。")},
            {"63 hex digits", [&](Editor& e) { wpa(e, QString(63, QLatin1Char('a')), true); },
             QStringLiteral("入力桁数は 64 または 91 桁である必要があります。")},
            {"not hex", [&](Editor& e) { wpa(e, QString(63, QLatin1Char('a')) + QLatin1Char('x'), true); },
             QStringLiteral("HEX指定時のKeyは0-9 A-Fで入力してください。")},
            {"mixed WEP lengths",
             [&](Editor& e) {
                 wep(e, {"0123456789", "0123456789abcdef0123456789"}, 0);
             },
             QStringLiteral("入力桁数は 10 または 26 桁で統一してください。")},
            {"empty transmit key", [&](Editor& e) { wep(e, {"0123456789"}, 1); },
             QStringLiteral("選択した欄のパスワードを入力してください")},
        };
        for (const Case& c : cases) {
            Editor e;
            c.fill(e);
            e.d.dialogs.expectMessage(c.message, &e.editor);
            e.button("editorOk")->click();
            QVERIFY2(e.d.dialogs.done(), c.name);
            QVERIFY2(e.editor.isVisible() && e.finished.isEmpty(), c.name);
            QVERIFY2(e.d.linked.device.commandLog().empty(), c.name);
        }
    }

    void aWepProfileIsRegisteredAndTheEditorClosesWithOk() {
        Editor e;
        e.type("editorSsid", QStringLiteral(" lab \t"));
        e.button("editorProfileOn")->click();
        e.button("editorWep")->click();
        e.type("editorKey4", QStringLiteral("0123456789abcdef0123456789"));
        e.button("editorTransmit4")->click();
        e.d.dialogs.expectConfirm(registerQuestion, true);
        e.d.dialogs.expectMessage(addedMessage, &e.editor);
        QVERIFY(e.pressOk());
        // A quick second Return after the message neither sends again nor ends the dialog early.
        QVERIFY(!e.enabled("editorOk") && !e.enabled("editorSsid") && !e.enabled("editorKey4"));
        QTest::keyClick(&e.editor, Qt::Key_Return);
        QTest::keyClick(&e.editor, Qt::Key_Return);
        QVERIFY(waitUntil([&] { return !e.finished.isEmpty(); }));
        QCOMPARE(e.finished.size(), 1);
        QCOMPARE(e.finished.first().at(0).toInt(), int(QDialog::Accepted));
        QCOMPARE(e.recordsSent(), 1u);
        QCOMPARE(e.editor.profile(), (EditedProfile{"lab", "_ab", 0, 1, 3, 1}));
        QCOMPARE(e.d.deviceValue("_ab", "Basic", "State"), std::optional<std::string>("Disabled"));
        QCOMPARE(e.d.deviceValue("_ab", "Security", "WEP TX Key Index"), std::optional<std::string>("4"));
        QCOMPARE(e.d.deviceValue("_ab", "Security", "WEP Key 4 Key"),
                 std::optional<std::string>("0123456789abcdef0123456789"));
    }

    void aRefusedRegistrationCanBeCorrectedAndSentAgain() {
        Editor e;
        e.type("editorSsid", QStringLiteral("office"));
        e.type("editorKey1", QStringLiteral("a<b&c>d'e"));

        e.d.dialogs.expectConfirm(registerQuestion, false);
        e.button("editorOk")->click();
        QVERIFY(e.d.dialogs.done());
        QVERIFY(e.d.linked.device.commandLog().empty());

        e.d.refuseImports(true);
        e.d.dialogs.expectConfirm(registerQuestion, true);
        e.d.dialogs.expectMessage(QStringLiteral("プロファイルの追加に失敗しました。\n\n") + refusedReply,
                                  &e.editor);
        e.button("editorOk")->click();
        QVERIFY(!e.enabled("editorOk") && !e.enabled("editorSsid") && !e.enabled("editorWpa2"));
        QTest::keyClick(&e.editor, Qt::Key_Escape);
        e.editor.close();
        QVERIFY(e.editor.isVisible());
        QVERIFY(operationEnded(e.d.dialogs, &e.editor, "editorSsid"));
        QVERIFY(e.enabled("editorOk") && e.enabled("editorKey1") && !e.enabled("editorKey2"));
        QVERIFY(e.editor.isVisible() && e.finished.isEmpty());
        QCOMPARE(control<QProgressBar>(&e.editor, "editorProgress")->value(), 0);

        e.d.refuseImports(false);
        e.button("editorWpa")->click();
        e.d.dialogs.expectConfirm(registerQuestion, true);
        e.d.dialogs.expectMessage(addedMessage, &e.editor);
        QVERIFY(e.pressOk());
        QVERIFY(waitUntil([&] { return !e.finished.isEmpty(); }));
        QCOMPARE(e.d.deviceValue("_ffice", "Security", "Suite"),
                 std::optional<std::string>("WPA-WPA2 Mixed Mode"));
        QCOMPARE(e.d.deviceValue("_ffice", "Security", "WPAx Passphrase"),
                 std::optional<std::string>("a<b&c>d'e"));
        QCOMPARE(e.editor.profile().suite, 1);
    }

    void escapeAfterTheDeviceTookTheProfileStillClosesWithOk() {
        Editor e;
        // Without its status timer the editor waits for the user to close it.
        for (QTimer* timer : e.editor.findChildren<QTimer*>()) {
            timer->stop();
        }
        e.type("editorSsid", QStringLiteral("guest"));
        e.button("editorEncryption")->click();
        e.d.dialogs.expectConfirm(registerQuestion, true);
        e.d.dialogs.expectMessage(addedMessage, &e.editor);
        QVERIFY(e.pressOk());
        QVERIFY(e.d.deviceValue("_uest", "Basic", "Network Name").has_value());
        QTest::keyClick(&e.editor, Qt::Key_Escape);
        QCOMPARE(e.finished.size(), 1);
        QCOMPARE(e.finished.first().at(0).toInt(), int(QDialog::Accepted));
        QCOMPARE(e.editor.profile(), (EditedProfile{"guest", "_uest", 1, 0, 0, 0}));
    }

    void aHexKeyIsSentAsTyped() {
        Editor e;
        e.type("editorSsid", QStringLiteral("hexnet"));
        e.button("editorHex")->click();
        const QString key = QStringLiteral("00ff") + QString(60, QLatin1Char('c'));
        e.type("editorKey1", key);
        e.d.dialogs.expectConfirm(registerQuestion, true);
        e.d.dialogs.expectMessage(addedMessage, &e.editor);
        QVERIFY(e.pressOk());
        QCOMPARE(e.d.deviceValue("_exnet", "Security", "WPAx Key Type"), std::optional<std::string>("Hex"));
        QCOMPARE(e.d.deviceValue("_exnet", "Security", "WPAx Key"),
                 std::optional<std::string>(key.toStdString()));
        QVERIFY(waitUntil([&] { return !e.finished.isEmpty(); }));
        QCOMPARE(e.editor.profile().keyType, 1);
    }
};

QTEST_MAIN(ProfileEditorTest)
#include "ProfileEditorTest.moc"
