#include "pages/SerialPage.h"
#include "resources/DialogIds.h"
#include "tests/ui/KeyboardOrder.h"
#include "tests/ui/ScriptedDialogs.h"
#include "ui/ControlId.h"

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

const QList<int> serialControls = {ids::baudRate,
                                   ids::dataBits7,
                                   ids::dataBits8,
                                   ids::stopBits1,
                                   ids::stopBits2,
                                   ids::parityNone,
                                   ids::parityEven,
                                   ids::parityOdd,
                                   ids::flowNone,
                                   ids::flowHardware,
                                   ids::flowSoftware,
                                   ids::xonCharacter,
                                   ids::xoffCharacter,
                                   ids::packingEnabled,
                                   ids::packingThreshold,
                                   ids::packingByTimeout,
                                   ids::packingTimeout,
                                   ids::packingBySendCharacter,
                                   ids::sendCharacter,
                                   ids::flushSendCharacter,
                                   ids::trailingCharacterEnabled,
                                   ids::trailingCharacter,
                                   ids::gapTime,
                                   ids::queueThreshold,
                                   ids::firstMatchByte,
                                   ids::secondMatchByte};

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

    QLineEdit* edit(int id) { return control<QLineEdit>(&page, id); }
    QAbstractButton* button(int id) { return control<QAbstractButton>(&page, id); }
    QComboBox* baud() { return control<QComboBox>(&page, ids::baudRate); }
    QString text(int id) { return edit(id)->text(); }
    void type(int id, const QString& text) { edit(id)->setText(text); }
    void set(int id, const QString& text) {
        if (id == ids::baudRate) {
            baud()->setEditText(text);
        } else {
            type(id, text);
        }
    }
    bool enabled(int id) { return findControl(&page, id)->isEnabled(); }
    bool ticked(int id) { return button(id)->isChecked(); }
    void click(int id) { button(id)->click(); }
};

// Clicks these controls, types these texts, and expects validation to fail with this message.
struct Refusal {
    std::vector<int> clicks;
    std::vector<std::pair<int, const char*>> texts;
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
        for (const int id : serialControls) {
            QVERIFY2(!findControl(&page, id)->isEnabled(), qPrintable(QString::number(id)));
        }
        auto* baud = control<QComboBox>(&page, ids::baudRate);
        QStringList rates;
        for (int i = 0; i < baud->count(); ++i) {
            rates.append(baud->itemText(i));
        }
        QCOMPARE(rates, QStringList({"9600", "14400", "19200", "38400", "57600", "115200", "230400", "460800",
                                     "921600", "1000000", "2000000", "4000000"}));
        page.enableAll(true);
        for (const int id : serialControls) {
            QVERIFY(findControl(&page, id)->isEnabled());
        }
    }

    void flowRuleFollowsSoftwareFlowControl() {
        SerialFixture serial;
        QVERIFY(!serial.enabled(ids::xonCharacter));
        QCOMPARE(serial.text(ids::xonCharacter), QString());
        serial.click(ids::flowSoftware);
        QVERIFY(serial.enabled(ids::xonCharacter));
        QVERIFY(serial.enabled(ids::xoffCharacter));
        QCOMPARE(serial.text(ids::xonCharacter), QStringLiteral("11"));
        QCOMPARE(serial.text(ids::xoffCharacter), QStringLiteral("13"));

        serial.type(ids::xonCharacter, QStringLiteral("22"));
        serial.type(ids::xoffCharacter, QString());
        serial.click(ids::flowHardware);
        QVERIFY(!serial.enabled(ids::xonCharacter));
        QVERIFY(!serial.enabled(ids::xoffCharacter));
        serial.click(ids::flowSoftware);
        QCOMPARE(serial.text(ids::xonCharacter), QStringLiteral("22"));
        QCOMPARE(serial.text(ids::xoffCharacter), QStringLiteral("13"));
    }

    void packingRuleOnAnEmptyPageFillsDefaults() {
        SettingsDocument document;
        ScriptedDialogs dialogs;
        SerialPage page(document, dialogs);
        page.enableAll(true);
        control<QCheckBox>(&page, ids::packingEnabled)->click();
        const auto text = [&](int id) { return control<QLineEdit>(&page, id)->text(); };
        const auto enabled = [&](int id) { return findControl(&page, id)->isEnabled(); };
        QCOMPARE(text(ids::packingThreshold), QStringLiteral("512"));
        QCOMPARE(text(ids::packingTimeout), QStringLiteral("60"));
        QCOMPARE(text(ids::sendCharacter), QStringLiteral("0d"));
        QCOMPARE(text(ids::trailingCharacter), QStringLiteral("<None>"));
        QVERIFY(control<QRadioButton>(&page, ids::packingByTimeout)->isChecked());
        QVERIFY(enabled(ids::packingThreshold) && enabled(ids::packingByTimeout) &&
                enabled(ids::packingBySendCharacter) && enabled(ids::packingTimeout));
        QVERIFY(!enabled(ids::sendCharacter) && !enabled(ids::flushSendCharacter) &&
                !enabled(ids::trailingCharacterEnabled) && !enabled(ids::trailingCharacter));

        control<QRadioButton>(&page, ids::packingBySendCharacter)->click();
        QVERIFY(!enabled(ids::packingTimeout));
        QVERIFY(enabled(ids::sendCharacter) && enabled(ids::flushSendCharacter) &&
                enabled(ids::trailingCharacterEnabled));
        QVERIFY(!enabled(ids::trailingCharacter));
        control<QCheckBox>(&page, ids::trailingCharacterEnabled)->click();
        QVERIFY(enabled(ids::trailingCharacter));

        control<QCheckBox>(&page, ids::packingEnabled)->click();
        for (const int id : {ids::packingThreshold, ids::packingByTimeout, ids::packingTimeout,
                             ids::packingBySendCharacter, ids::sendCharacter, ids::flushSendCharacter,
                             ids::trailingCharacterEnabled, ids::trailingCharacter}) {
            QVERIFY2(!enabled(id), qPrintable(QString::number(id)));
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
        for (const int id :
             {ids::dataBits7, ids::stopBits2, ids::parityOdd, ids::flowSoftware, ids::packingEnabled,
              ids::packingBySendCharacter, ids::flushSendCharacter, ids::trailingCharacterEnabled}) {
            QVERIFY2(serial.ticked(id), qPrintable(QString::number(id)));
        }
        QVERIFY(!serial.ticked(ids::packingByTimeout));
        QCOMPARE(serial.text(ids::xonCharacter), QStringLiteral("13"));
        QCOMPARE(serial.text(ids::xoffCharacter), QStringLiteral("0a"));
        QCOMPARE(serial.text(ids::packingThreshold), QStringLiteral("700"));
        QCOMPARE(serial.text(ids::packingTimeout), QStringLiteral("60"));
        QCOMPARE(serial.text(ids::sendCharacter), QStringLiteral("0d"));
        QCOMPARE(serial.text(ids::trailingCharacter), QStringLiteral("0a"));
        QCOMPARE(serial.text(ids::gapTime), QStringLiteral("<Four Character Periods>"));
        QCOMPARE(serial.text(ids::queueThreshold), QStringLiteral("56"));
        QCOMPARE(serial.text(ids::firstMatchByte), QString());
        QCOMPARE(serial.text(ids::secondMatchByte), QString());
        QVERIFY(serial.enabled(ids::xonCharacter));
        QVERIFY(!serial.enabled(ids::packingTimeout));
        QVERIFY(serial.enabled(ids::trailingCharacter));
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
        for (const int id : {ids::dataBits7, ids::dataBits8, ids::parityNone, ids::parityEven, ids::parityOdd,
                             ids::packingEnabled, ids::packingByTimeout, ids::packingBySendCharacter}) {
            QVERIFY2(!serial.ticked(id), qPrintable(QString::number(id)));
        }
        QVERIFY(serial.ticked(ids::stopBits1));
        QVERIFY(serial.ticked(ids::flowNone));
        QCOMPARE(serial.text(ids::xonCharacter), QString());
        QVERIFY(!serial.enabled(ids::xonCharacter));
        for (const int id :
             {ids::packingThreshold, ids::packingTimeout, ids::sendCharacter, ids::trailingCharacter}) {
            QCOMPARE(serial.text(id), QString());
            QVERIFY(!serial.enabled(id));
        }
        QCOMPARE(serial.text(ids::gapTime), QStringLiteral("100"));
        QCOMPARE(serial.text(ids::firstMatchByte), QStringLiteral("41"));
        QCOMPARE(serial.text(ids::secondMatchByte), QStringLiteral("0a"));
    }

    void refusesEachInvalidValueWithItsMessage() {
        const char* const baud = "BPS設定エラー";
        const char* const dataCount = "データ数は100～1460の範囲で入力してください";
        const char* const timeout = "タイムアウト値は1から30000の範囲である必要があります";
        const char* const threshold = "受信データキュー更新条件の閾値は10～513の範囲で入力してください";
        const char* const matchRange =
            "受信データキュー更新条件の判定データは0x00-0x0F, 0x21-0x7Eである必要があります。";
        const int software = ids::flowSoftware;
        const int bySend = ids::packingBySendCharacter;
        const int trailing = ids::trailingCharacterEnabled;
        const std::vector<Refusal> refusals = {
            {{}, {{ids::baudRate, "9599"}}, baud},
            {{}, {{ids::baudRate, "4000001"}}, baud},
            {{}, {{ids::baudRate, "-9600"}}, baud},
            {{software}, {{ids::baudRate, "460800"}}, "ソフトウェアフロー制御時は230400bpsが最大値です"},
            {{software}, {{ids::xonCharacter, "1g"}}, "XOn 文字エラー"},
            {{software}, {{ids::xoffCharacter, "-1"}}, "XOff 文字エラー"},
            {{}, {{ids::packingThreshold, "99"}}, dataCount},
            {{}, {{ids::packingThreshold, "1461"}}, dataCount},
            {{}, {{ids::packingTimeout, "0"}}, timeout},
            {{}, {{ids::packingTimeout, "30001"}}, timeout},
            {{bySend}, {{ids::sendCharacter, "<None>"}}, "開始キャラクタを設定してください"},
            {{bySend}, {{ids::sendCharacter, " "}}, "開始キャラクタを設定してください"},
            {{bySend}, {{ids::sendCharacter, "0x"}}, "開始キャラクタ指定エラー"},
            {{bySend, trailing}, {{ids::trailingCharacter, "<None>"}}, "終了キャラクタを設定してください"},
            {{bySend, trailing}, {{ids::trailingCharacter, "g"}}, "終了キャラクタ指定エラー"},
            {{},
             {{ids::gapTime, "5001"}},
             "受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください"},
            {{}, {{ids::queueThreshold, "9"}}, threshold},
            {{}, {{ids::queueThreshold, "514"}}, threshold},
            {{},
             {{ids::secondMatchByte, "41"}},
             "受信データキュー更新条件の判定データは1バイト目から設定する必要があります。"},
            {{}, {{ids::firstMatchByte, "0x0d"}}, "受信データキュー更新条件の判定データ 指定エラー"},
            {{}, {{ids::firstMatchByte, "20"}}, matchRange},
            {{}, {{ids::firstMatchByte, "15"}}, matchRange},
            {{}, {{ids::firstMatchByte, "41"}, {ids::secondMatchByte, "7f"}}, matchRange},
        };
        for (const Refusal& refusal : refusals) {
            SerialFixture serial;
            QString change;
            for (const int id : refusal.clicks) {
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
        serial.click(ids::dataBits7);
        serial.click(ids::stopBits2);
        serial.click(ids::parityEven);
        serial.click(ids::flowSoftware);
        serial.type(ids::xonCharacter, QString());
        serial.type(ids::xoffCharacter, QString());
        serial.click(ids::packingBySendCharacter);
        serial.type(ids::sendCharacter, QStringLiteral("1B"));
        serial.click(ids::flushSendCharacter);
        serial.type(ids::gapTime, QStringLiteral("<Four Character Periods>"));
        serial.type(ids::queueThreshold, QStringLiteral("513"));
        serial.type(ids::firstMatchByte, QStringLiteral("41"));
        serial.type(ids::secondMatchByte, QStringLiteral("0a"));
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

        serial.type(ids::secondMatchByte, QString());
        serial.type(ids::firstMatchByte, QStringLiteral("0d"));
        serial.baud()->setEditText(QStringLiteral("9600"));
        QVERIFY(serial.page.validateAndStore());
        QCOMPARE(edited.line.pushCount, 1);
        QCOMPARE(edited.line.push[0], 0x0d);
        QCOMPARE(edited.line.push[1], 0);
        QVERIFY(serial.dialogs.shown().isEmpty());
    }

    void packingOffLeavesTheOtherPackingFields() {
        SerialFixture serial;
        serial.click(ids::packingEnabled);
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
        serial.type(ids::packingTimeout, QStringLiteral("250"));
        serial.type(ids::gapTime, QStringLiteral("6000"));
        serial.dialogs.expectMessage(
            QStringLiteral("受信データキュー更新条件のギャップ時間は0～5000の範囲で入力してください"));
        QVERIFY(!serial.page.validateAndStore());
        QCOMPARE(edited.line.baudRate, 38400u);
        QCOMPARE(edited.packing.timeout, 250u);
        QCOMPARE(edited.line.gapTimer, 1234u);
        QCOMPARE(edited.line.threshold, 99u);
        QCOMPARE(edited.line.pushCount, 1);
        QCOMPARE(edited.line.push[0], 0x33);

        serial.type(ids::gapTime, QStringLiteral("20"));
        serial.type(ids::firstMatchByte, QStringLiteral("41"));
        serial.type(ids::secondMatchByte, QStringLiteral("20"));
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
        const QList<int> order = keyboardOrder(findControl(&serial.page, ids::baudRate));
        QCOMPARE(order, serialControls);

        const auto name = [&](int id) {
            return QAccessible::queryAccessibleInterface(findControl(&serial.page, id))
                ->text(QAccessible::Name);
        };
        // An editable list is named by its text on this platform; its label comes as a relation.
        const auto labels =
            QAccessible::queryAccessibleInterface(serial.baud())->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("ボーレート:"));
        QCOMPARE(name(ids::stopBits1), QStringLiteral("ストップビット: 1"));
        QCOMPARE(name(ids::xonCharacter), QStringLiteral("Xon Char: 0x"));
        QCOMPARE(name(ids::gapTime), QStringLiteral("ギャップ時間"));
        QCOMPARE(name(ids::packingEnabled), QStringLiteral("パックコントロール有効"));
    }
};

QTEST_MAIN(SerialPageTest)
#include "SerialPageTest.moc"
