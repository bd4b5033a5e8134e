#include "pages/SerialPage.h"
#include "tests/support/Controls.h"
#include "tests/support/KeyboardOrder.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <utility>
#include <vector>

using namespace marlo;

namespace {

const QStringList serialControls = {"baudRate",
                                    "dataBits7",
                                    "dataBits8",
                                    "stopBits1",
                                    "stopBits2",
                                    "parityNone",
                                    "parityEven",
                                    "parityOdd",
                                    "flowNone",
                                    "flowHardware",
                                    "flowSoftware",
                                    "xonCharacter",
                                    "xoffCharacter",
                                    "packingEnabled",
                                    "packingThreshold",
                                    "packingByTimeout",
                                    "packingTimeout",
                                    "packingBySendCharacter",
                                    "sendCharacter",
                                    "flushSendCharacter",
                                    "trailingCharacterEnabled",
                                    "trailingCharacter",
                                    "gapTime",
                                    "queueThreshold",
                                    "firstMatchByte",
                                    "secondMatchByte"};

// Settings that pass every check: 115200 8N1 without flow control, packing by a 100 ms time-out.
DeviceSettings validSettings() {
    DeviceSettings settings;
    settings.line.baudRate = 115200;
    settings.line.dataBits = 8;
    settings.line.stopBits = 1;
    settings.line.parity = 0;
    settings.line.flowControl = 0;
    settings.line.gapTimer = 10;
    settings.line.threshold = 56;
    settings.packing.enabled = 1;
    settings.packing.mode = 0;
    settings.packing.threshold = 512;
    settings.packing.timeout = 100;
    return settings;
}

// One serial page on its own, with the settings it shows and the boxes it may raise.
struct SerialFixture {
    SettingsDocument document;
    ScriptedDialogs dialogs;
    SerialPage page{document, dialogs};

    explicit SerialFixture(const DeviceSettings& loaded = validSettings()) {
        document.loaded = loaded;
        page.loadFromSettings();
    }

    QLineEdit* edit(const QString& id) { return control<QLineEdit>(&page, id); }
    QAbstractButton* button(const QString& id) { return control<QAbstractButton>(&page, id); }
    QComboBox* baud() { return control<QComboBox>(&page, "baudRate"); }
    QString text(const QString& id) { return edit(id)->text(); }
    void type(const QString& id, const QString& text) { edit(id)->setText(text); }
    void set(const QString& id, const QString& text) {
        if (id == "baudRate") {
            baud()->setEditText(text);
        } else {
            type(id, text);
        }
    }
    bool enabled(const QString& id) { return findControl(&page, id)->isEnabled(); }
    bool ticked(const QString& id) { return button(id)->isChecked(); }
    void click(const QString& id) { button(id)->click(); }
};

// Clicks these controls, types these texts, and expects validation to fail with this message.
struct Refusal {
    std::vector<QString> clicks;
    std::vector<std::pair<QString, const char*>> texts;
    const char* message;
};

} // namespace

class SerialPageTest : public QObject {
    Q_OBJECT

private slots:
    void startsDisabledWithTheBaudList() {
        SettingsDocument document;
        ScriptedDialogs dialogs;
        SerialPage page(document, dialogs);
        for (const QString& id : serialControls) {
            QVERIFY2(!findControl(&page, id)->isEnabled(), qPrintable(id));
        }
        auto* baud = control<QComboBox>(&page, "baudRate");
        QStringList rates;
        for (int i = 0; i < baud->count(); ++i) {
            rates.append(baud->itemText(i));
        }
        QCOMPARE(rates, QStringList({"9600", "14400", "19200", "38400", "57600", "115200", "230400", "460800",
                                     "921600", "1000000", "2000000", "4000000"}));
        page.enableAll(true);
        for (const QString& id : serialControls) {
            QVERIFY(findControl(&page, id)->isEnabled());
        }
    }

    void flowRuleFollowsSoftwareFlowControl() {
        SerialFixture serial;
        QVERIFY(!serial.enabled("xonCharacter"));
        QCOMPARE(serial.text("xonCharacter"), QString());
        serial.click("flowSoftware");
        QVERIFY(serial.enabled("xonCharacter"));
        QVERIFY(serial.enabled("xoffCharacter"));
        QCOMPARE(serial.text("xonCharacter"), QStringLiteral("11"));
        QCOMPARE(serial.text("xoffCharacter"), QStringLiteral("13"));

        serial.type("xonCharacter", QStringLiteral("22"));
        serial.type("xoffCharacter", QString());
        serial.click("flowHardware");
        QVERIFY(!serial.enabled("xonCharacter"));
        QVERIFY(!serial.enabled("xoffCharacter"));
        serial.click("flowSoftware");
        QCOMPARE(serial.text("xonCharacter"), QStringLiteral("22"));
        QCOMPARE(serial.text("xoffCharacter"), QStringLiteral("13"));
    }

    void packingRuleOnAnEmptyPageFillsDefaults() {
        SettingsDocument document;
        ScriptedDialogs dialogs;
        SerialPage page(document, dialogs);
        page.enableAll(true);
        control<QCheckBox>(&page, "packingEnabled")->click();
        const auto text = [&](const QString& id) { return control<QLineEdit>(&page, id)->text(); };
        const auto enabled = [&](const QString& id) { return findControl(&page, id)->isEnabled(); };
        QCOMPARE(text("packingThreshold"), QStringLiteral("512"));
        QCOMPARE(text("packingTimeout"), QStringLiteral("60"));
        QCOMPARE(text("sendCharacter"), QStringLiteral("0d"));
        QCOMPARE(text("trailingCharacter"), QStringLiteral("<None>"));
        QVERIFY(control<QRadioButton>(&page, "packingByTimeout")->isChecked());
        QVERIFY(enabled("packingThreshold") && enabled("packingByTimeout") &&
                enabled("packingBySendCharacter") && enabled("packingTimeout"));
        QVERIFY(!enabled("sendCharacter") && !enabled("flushSendCharacter") &&
                !enabled("trailingCharacterEnabled") && !enabled("trailingCharacter"));

        control<QRadioButton>(&page, "packingBySendCharacter")->click();
        QVERIFY(!enabled("packingTimeout"));
        QVERIFY(enabled("sendCharacter") && enabled("flushSendCharacter") &&
                enabled("trailingCharacterEnabled"));
        QVERIFY(!enabled("trailingCharacter"));
        control<QCheckBox>(&page, "trailingCharacterEnabled")->click();
        QVERIFY(enabled("trailingCharacter"));

        control<QCheckBox>(&page, "packingEnabled")->click();
        for (const char* id :
             {"packingThreshold", "packingByTimeout", "packingTimeout", "packingBySendCharacter",
              "sendCharacter", "flushSendCharacter", "trailingCharacterEnabled", "trailingCharacter"}) {
            QVERIFY2(!enabled(id), qPrintable(id));
        }
    }

    void showsSettingsWithSendCharacterPacking() {
        DeviceSettings settings = validSettings();
        settings.line = {.baudRate = 460800,
                         .dataBits = 7,
                         .stopBits = 2,
                         .parity = 2,
                         .flowControl = 2,
                         .xonChar = 0x13,
                         .xoffChar = 0x0a,
                         .gapTimer = 0,
                         .threshold = 56,
                         .push = {},
                         .pushCount = 0};
        settings.packing = {.enabled = 1,
                            .mode = 1,
                            .threshold = 700,
                            .timeout = 1000,
                            .sendCharacter = 0x0d,
                            .flushSendCharacter = 1,
                            .trailingCharacterEnabled = 1,
                            .trailingCharacter = 0x0a};
        SerialFixture serial(settings);
        QCOMPARE(serial.baud()->currentText(), QStringLiteral("460800"));
        for (const char* id : {"dataBits7", "stopBits2", "parityOdd", "flowSoftware", "packingEnabled",
                               "packingBySendCharacter", "flushSendCharacter", "trailingCharacterEnabled"}) {
            QVERIFY2(serial.ticked(id), qPrintable(id));
        }
        QVERIFY(!serial.ticked("packingByTimeout"));
        QCOMPARE(serial.text("xonCharacter"), QStringLiteral("13"));
        QCOMPARE(serial.text("xoffCharacter"), QStringLiteral("0a"));
        QCOMPARE(serial.text("packingThreshold"), QStringLiteral("700"));
        QCOMPARE(serial.text("packingTimeout"), QStringLiteral("60"));
        QCOMPARE(serial.text("sendCharacter"), QStringLiteral("0d"));
        QCOMPARE(serial.text("trailingCharacter"), QStringLiteral("0a"));
        QCOMPARE(serial.text("gapTime"), QStringLiteral("<Four Character Periods>"));
        QCOMPARE(serial.text("queueThreshold"), QStringLiteral("56"));
        QCOMPARE(serial.text("firstMatchByte"), QString());
        QCOMPARE(serial.text("secondMatchByte"), QString());
        QVERIFY(serial.enabled("xonCharacter"));
        QVERIFY(!serial.enabled("packingTimeout"));
        QVERIFY(serial.enabled("trailingCharacter"));
    }

    void showsSettingsWithoutPackingAndWithValuesOutsideTheRadios() {
        DeviceSettings settings = validSettings();
        settings.line.dataBits = 9;
        settings.line.parity = 5;
        settings.line.gapTimer = 100;
        settings.line.pushCount = 2;
        settings.line.push = {0x41, 0x0a};
        settings.packing.enabled = 0;
        SerialFixture serial(settings);
        for (const char* id : {"dataBits7", "dataBits8", "parityNone", "parityEven", "parityOdd",
                               "packingEnabled", "packingByTimeout", "packingBySendCharacter"}) {
            QVERIFY2(!serial.ticked(id), qPrintable(id));
        }
        QVERIFY(serial.ticked("stopBits1"));
        QVERIFY(serial.ticked("flowNone"));
        QCOMPARE(serial.text("xonCharacter"), QString());
        QVERIFY(!serial.enabled("xonCharacter"));
        for (const char* id : {"packingThreshold", "packingTimeout", "sendCharacter", "trailingCharacter"}) {
            QCOMPARE(serial.text(id), QString());
            QVERIFY(!serial.enabled(id));
        }
        QCOMPARE(serial.text("gapTime"), QStringLiteral("100"));
        QCOMPARE(serial.text("firstMatchByte"), QStringLiteral("41"));
        QCOMPARE(serial.text("secondMatchByte"), QStringLiteral("0a"));
    }

    void refusesEachInvalidValueWithItsMessage() {
        const char* const baud = "BPS設定エラー";
        const char* const dataCount = "データ数は100～1460の範囲で入力してください";
        const char* const timeout = "タイムアウト値は1から30000の範囲である必要があります";
        const char* const threshold = "受信データキュー更新条件の閾値は10～513の範囲で入力してください";
        const char* const matchRange =
            "受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。";
        const char* const software = "flowSoftware";
        const char* const bySend = "packingBySendCharacter";
        const char* const trailing = "trailingCharacterEnabled";
        const std::vector<Refusal> refusals = {
            {{}, {{"baudRate", "9599"}}, baud},
            {{}, {{"baudRate", "4000001"}}, baud},
            {{}, {{"baudRate", "-9600"}}, baud},
            {{software}, {{"baudRate", "460800"}}, "ソフトウェアフロー制御時は230400bpsが最大値です"},
            {{software}, {{"xonCharacter", "1g"}}, "XOn 文字エラー"},
            {{software}, {{"xoffCharacter", "-1"}}, "XOff 文字エラー"},
            {{}, {{"packingThreshold", "99"}}, dataCount},
            {{}, {{"packingThreshold", "1461"}}, dataCount},
            {{}, {{"packingTimeout", "0"}}, timeout},
            {{}, {{"packingTimeout", "30001"}}, timeout},
            {{bySend}, {{"sendCharacter", "<None>"}}, "開始キャラクタを設定してください"},
            {{bySend}, {{"sendCharacter", " "}}, "開始キャラクタを設定してください"},
            {{bySend}, {{"sendCharacter", "0x"}}, "開始キャラクタ指定エラー"},
            {{bySend, trailing}, {{"trailingCharacter", "<None>"}}, "終了キャラクタを設定してください"},
            {{bySend, trailing}, {{"trailingCharacter", "g"}}, "終了キャラクタ指定エラー"},
            {{},
             {{"gapTime", "5001"}},
             "受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください"},
            {{}, {{"queueThreshold", "9"}}, threshold},
            {{}, {{"queueThreshold", "514"}}, threshold},
            {{},
             {{"secondMatchByte", "41"}},
             "受信データキュー更新条件の判定データは1バイト目から設定する必要があります。"},
            {{}, {{"firstMatchByte", "0x0d"}}, "受信データキュー更新条件の判定データ 指定エラー"},
            {{}, {{"firstMatchByte", "20"}}, matchRange},
            {{}, {{"firstMatchByte", "15"}}, matchRange},
            {{}, {{"firstMatchByte", "41"}, {"secondMatchByte", "7f"}}, matchRange},
        };
        for (const Refusal& refusal : refusals) {
            SerialFixture serial;
            QString change;
            for (const QString& id : refusal.clicks) {
                serial.click(id);
            }
            for (const auto& [id, text] : refusal.texts) {
                serial.set(id, QString::fromUtf8(text));
                change += QStringLiteral("%1=\"%2\" ").arg(id).arg(QString::fromUtf8(text));
            }
            serial.dialogs.expectMessage(QString::fromUtf8(refusal.message), &serial.page);
            QVERIFY2(!serial.page.validateAndStore(), qPrintable(change));
            QVERIFY2(serial.dialogs.done(), qPrintable(change));
        }
    }

    void aTypedBaudRateIsStoredAsTyped() {
        // Each is the start of a longer rate in the list.
        for (const auto& [typed, rate] :
             {std::pair{"100000", 100000u}, std::pair{"200000", 200000u}, std::pair{"10000", 10000u}}) {
            SerialFixture serial;
            serial.page.show();
            QApplication::setActiveWindow(&serial.page);
            QLineEdit* edit = serial.baud()->lineEdit();
            serial.baud()->setFocus();
            QVERIFY(QTest::qWaitFor([&] { return edit->hasFocus(); }));
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, QString::fromLatin1(typed));
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(serial.baud()->currentText(), QString::fromLatin1(typed));
            QVERIFY(serial.page.validateAndStore());
            QCOMPARE(serial.document.edited.line.baudRate, rate);
        }
    }

    void storesValuesThatPass() {
        SerialFixture serial;
        serial.baud()->setEditText(QStringLiteral(" 115200 bps "));
        serial.click("dataBits7");
        serial.click("stopBits2");
        serial.click("parityEven");
        serial.click("flowSoftware");
        serial.type("xonCharacter", QString());
        serial.type("xoffCharacter", QString());
        serial.click("packingBySendCharacter");
        serial.type("sendCharacter", QStringLiteral("1B"));
        serial.click("flushSendCharacter");
        serial.type("gapTime", QStringLiteral("<Four Character Periods>"));
        serial.type("queueThreshold", QStringLiteral("513"));
        serial.type("firstMatchByte", QStringLiteral("41"));
        serial.type("secondMatchByte", QStringLiteral("0a"));
        serial.document.edited.line.gapTimer = 77;
        QVERIFY(serial.page.validateAndStore());

        const DeviceSettings& edited = serial.document.edited;
        QCOMPARE(edited.line.baudRate, 115200u);
        QCOMPARE(edited.line.dataBits, 7u);
        QCOMPARE(edited.line.stopBits, 2u);
        QCOMPARE(edited.line.parity, 1);
        QCOMPARE(edited.line.flowControl, 2);
        QCOMPARE(edited.line.xonChar, 0);
        QCOMPARE(edited.line.xoffChar, 0);
        QCOMPARE(edited.packing.enabled, 1);
        QCOMPARE(edited.packing.mode, 1);
        QCOMPARE(edited.packing.threshold, 512u);
        QCOMPARE(edited.packing.sendCharacter, 0x1b);
        QCOMPARE(edited.packing.flushSendCharacter, 1);
        QCOMPARE(edited.packing.trailingCharacterEnabled, 0);
        QCOMPARE(edited.packing.trailingCharacter, 0);
        QCOMPARE(edited.line.gapTimer, 0u);
        QCOMPARE(edited.line.threshold, 513u);
        QCOMPARE(edited.line.pushCount, 2);
        QCOMPARE(edited.line.push[0], 0x41);
        QCOMPARE(edited.line.push[1], 0x0a);

        serial.type("secondMatchByte", QString());
        serial.type("firstMatchByte", QStringLiteral("0d"));
        serial.baud()->setEditText(QStringLiteral("9600"));
        QVERIFY(serial.page.validateAndStore());
        QCOMPARE(edited.line.pushCount, 1);
        QCOMPARE(edited.line.push[0], 0x0d);
        QCOMPARE(edited.line.push[1], 0);
        QVERIFY(serial.dialogs.shown().isEmpty());
    }

    void packingOffLeavesTheOtherPackingFields() {
        SerialFixture serial;
        serial.click("packingEnabled");
        serial.document.edited.packing.threshold = 777;
        serial.document.edited.packing.mode = 1;
        QVERIFY(serial.page.validateAndStore());
        QCOMPARE(serial.document.edited.packing.enabled, 0);
        QCOMPARE(serial.document.edited.packing.threshold, 777u);
        QCOMPARE(serial.document.edited.packing.mode, 1);
    }

    void keepsWhatWasStoredBeforeAFailure() {
        SerialFixture serial;
        DeviceSettings& edited = serial.document.edited;
        edited.line.gapTimer = 1234;
        edited.line.threshold = 99;
        edited.line.pushCount = 1;
        edited.line.push = {0x33, 0};
        serial.baud()->setEditText(QStringLiteral("38400"));
        serial.type("packingTimeout", QStringLiteral("250"));
        serial.type("gapTime", QStringLiteral("6000"));
        serial.dialogs.expectMessage(
            QStringLiteral("受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください"));
        QVERIFY(!serial.page.validateAndStore());
        QCOMPARE(edited.line.baudRate, 38400u);
        QCOMPARE(edited.packing.timeout, 250u);
        QCOMPARE(edited.line.gapTimer, 1234u);
        QCOMPARE(edited.line.threshold, 99u);
        QCOMPARE(edited.line.pushCount, 1);
        QCOMPARE(edited.line.push[0], 0x33);

        serial.type("gapTime", QStringLiteral("20"));
        serial.type("firstMatchByte", QStringLiteral("41"));
        serial.type("secondMatchByte", QStringLiteral("20"));
        serial.dialogs.expectMessage(QStringLiteral(
            "受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。"));
        QVERIFY(!serial.page.validateAndStore());
        QCOMPARE(edited.line.gapTimer, 20u);
        QCOMPARE(edited.line.pushCount, 2);
        QCOMPARE(edited.line.push[0], 0x41);
        QCOMPARE(edited.line.push[1], 0);
    }

    void keyboardOrderAndNamesFollowTheLabels() {
        SerialFixture serial;
        const QStringList order = keyboardOrder(findControl(&serial.page, "baudRate"));
        QCOMPARE(order, serialControls);

        const auto name = [&](const QString& id) {
            return QAccessible::queryAccessibleInterface(findControl(&serial.page, id))
                ->text(QAccessible::Name);
        };
        // An editable list is named by its text on this platform; its label comes as a relation.
        const auto labels =
            QAccessible::queryAccessibleInterface(serial.baud())->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("ボーレート:"));
        QCOMPARE(name("stopBits1"), QStringLiteral("ストップビット: 1"));
        QCOMPARE(name("xonCharacter"), QStringLiteral("Xon Char: 0x"));
        QCOMPARE(name("gapTime"), QStringLiteral("ギャップ時間"));
        QCOMPARE(name("packingEnabled"), QStringLiteral("パックコントロール有効"));
    }
};

QTEST_MAIN(SerialPageTest)
#include "SerialPageTest.moc"
