#include "pages/AccessPointDialog.h"
#include "tests/support/Controls.h"
#include "tests/support/KeyboardOrder.h"
#include "tests/support/ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <string>

using namespace marlo;

namespace {

DeviceSettings::AccessPoint wpa2Point() {
    return {.ssid = "devserver-4f2a",
            .guest = 1,
            .channel = 40,
            .suite = 2,
            .ccmp = 1,
            .tkip = 0,
            .passphrase = "<Configured>",
            .edited = 0};
}

// One access point dialog on the settings it was opened with.
struct AccessPointFixture {
    SettingsDocument document;
    ScriptedDialogs dialogs;
    std::unique_ptr<AccessPointDialog> dialog;

    explicit AccessPointFixture(const DeviceSettings::AccessPoint& loaded = wpa2Point()) {
        document.loaded.accessPoint = loaded;
        open();
    }

    void open() {
        dialog = std::make_unique<AccessPointDialog>(document, dialogs);
        dialog->show();
    }

    QLineEdit* edit(const QString& id) { return control<QLineEdit>(dialog.get(), id); }
    QAbstractButton* button(const QString& id) { return control<QAbstractButton>(dialog.get(), id); }
    QComboBox* channel() { return control<QComboBox>(dialog.get(), "apChannel"); }
    bool ticked(const QString& id) { return button(id)->isChecked(); }
    bool enabled(const QString& id) { return findControl(dialog.get(), id)->isEnabled(); }
    void click(const QString& id) { button(id)->click(); }

    // Presses OK; true when the dialog closed with OK.
    bool pressOk() {
        click("apOk");
        return !dialog->isVisible() && dialog->result() == QDialog::Accepted;
    }
    // Presses OK and expects `message` with the dialog left open.
    bool refusesOk(const char* message) {
        dialogs.expectMessage(QString::fromUtf8(message), dialog.get());
        click("apOk");
        return dialogs.done() && dialog->isVisible();
    }
};

const char* const ssidLength = "SSIDは最大32文字です。";
const char* const ssidCharacters = "SSIDは数字、アルファベット、ハイフン、アンダーバーのみ指定できます。";
const char* const passwordLength = "パスワードは8文字以上、63文字以内である必要があります。";
const char* const passwordCharacters = "パスワードに使用できない文字が含まれています。";

} // namespace

class AccessPointDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsLoadedUntilEditedHoldsTheSetting() {
        AccessPointFixture ap;
        QCOMPARE(ap.dialog->windowTitle(), QStringLiteral("APモードの設定"));
        QCOMPARE(ap.edit("apSsid")->text(), QStringLiteral("devserver-4f2a"));
        QVERIFY(ap.ticked("apEncryption") && ap.ticked("apWpa2") && !ap.ticked("apWpa"));
        QVERIFY(ap.ticked("apCcmp") && !ap.ticked("apTkip"));
        QCOMPARE(ap.edit("apPassword")->text(), QStringLiteral("<Configured>"));
        QCOMPARE(ap.channel()->currentText(), QStringLiteral("40"));
        QVERIFY(ap.ticked("apScanRequests"));
        QStringList items;
        for (int i = 0; i < ap.channel()->count(); ++i) {
            items.append(ap.channel()->itemText(i));
        }
        QCOMPARE(items, QStringList({"自動", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
                                     "13", "36", "40", "44", "48"}));

        ap.document.edited.accessPoint = {.ssid = "plant",
                                          .guest = 0,
                                          .channel = 0,
                                          .suite = 1,
                                          .ccmp = 0,
                                          .tkip = 1,
                                          .passphrase = "",
                                          .edited = 0};
        ap.document.loaded.accessPoint.edited = 1;
        ap.open();
        QCOMPARE(ap.edit("apSsid")->text(), QStringLiteral("plant"));
        QVERIFY(ap.ticked("apWpa") && !ap.ticked("apWpa2"));
        QVERIFY(!ap.ticked("apCcmp") && ap.ticked("apTkip"));
        QCOMPARE(ap.edit("apPassword")->text(), QString());
        QCOMPARE(ap.channel()->currentText(), QStringLiteral("自動"));
        QVERIFY(!ap.ticked("apScanRequests"));
    }

    void encryptionRuleChoosesWpa2WhenNoSuiteIsTicked() {
        DeviceSettings::AccessPoint open = wpa2Point();
        open.suite = 0;
        AccessPointFixture ap(open);
        QVERIFY(!ap.ticked("apEncryption"));
        for (const char* id : {"apWpa", "apWpa2", "apCcmp", "apTkip", "apPassword"}) {
            QVERIFY2(!ap.enabled(id), qPrintable(id));
        }
        QVERIFY(!ap.ticked("apWpa") && !ap.ticked("apWpa2"));
        ap.click("apEncryption");
        QVERIFY(ap.ticked("apWpa2"));
        for (const char* id : {"apWpa", "apWpa2", "apCcmp", "apTkip", "apPassword"}) {
            QVERIFY(ap.enabled(id));
        }
        ap.click("apWpa");
        ap.click("apEncryption");
        ap.click("apEncryption");
        QVERIFY(ap.ticked("apWpa") && !ap.ticked("apWpa2"));

        DeviceSettings::AccessPoint wep = wpa2Point();
        wep.suite = 3;
        AccessPointFixture wepDialog(wep);
        QVERIFY(wepDialog.ticked("apEncryption") && wepDialog.ticked("apWpa2"));
    }

    void refusesTheSsidAndThePassword() {
        struct Case {
            const char* ssid;
            const char* password;
            const char* message;
        };
        const Case cases[] = {
            {"abcdefghijklmnopqrstuvwxyz0123456", "password", ssidLength},
            {"abc def ghi jkl mno pqr stu vwx y", "password", ssidLength},
            {"a b", "password", ssidCharacters},
            {"plant.7", "password", ssidCharacters},
            {"工場", "password", ssidCharacters},
            {"plant", "1234567", passwordLength},
            {"plant", "1234567890123456789012345678901234567890123456789012345678901234", passwordLength},
            // Characters that code page 932 cannot hold, set as the program sets texts.
            {"plant\u00e9", "password", ssidCharacters},
            {"plant", "password\u00e9", passwordCharacters},
        };
        for (const Case& c : cases) {
            AccessPointFixture ap;
            ap.edit("apSsid")->setText(QString::fromUtf8(c.ssid));
            ap.edit("apPassword")->setText(QString::fromUtf8(c.password));
            QVERIFY2(ap.refusesOk(c.message), c.ssid);
            QCOMPARE(ap.document.loaded.accessPoint.edited, 0);
        }
    }

    void storesWhatPasses() {
        AccessPointFixture ap;
        ap.edit("apSsid")->setText(QStringLiteral("  ABCDEFGHIJKLMNOPQRSTUVWXYZ-_0123 "));
        ap.click("apWpa");
        ap.click("apTkip");
        ap.edit("apPassword")->setText(QStringLiteral("        "));
        ap.channel()->setCurrentIndex(13);
        ap.click("apScanRequests");
        QVERIFY(ap.pressOk());
        const DeviceSettings::AccessPoint& stored = ap.document.edited.accessPoint;
        QCOMPARE(stored.ssid, std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ-_0123"));
        QCOMPARE(stored.suite, 1);
        QCOMPARE(stored.ccmp, 1);
        QCOMPARE(stored.tkip, 1);
        QCOMPARE(stored.passphrase, std::string(8, ' '));
        QCOMPARE(stored.channel, 13u);
        QCOMPARE(stored.guest, 0);
        QCOMPARE(ap.document.loaded.accessPoint.edited, 1);

        ap.open();
        ap.edit("apSsid")->setText(QString());
        ap.edit("apPassword")->setText(QString(63, QLatin1Char('k')));
        QVERIFY(ap.pressOk());
        QCOMPARE(stored.ssid, std::string());
        QCOMPARE(stored.passphrase, std::string(63, 'k'));
    }

    void aChannelOutsideTheListIsStoredAsAutomatic() {
        DeviceSettings::AccessPoint point = wpa2Point();
        point.channel = 149;
        AccessPointFixture ap(point);
        QCOMPARE(ap.channel()->currentIndex(), -1);
        QVERIFY(ap.pressOk());
        QCOMPARE(ap.document.edited.accessPoint.channel, 0u);
    }

    void encryptionOffKeepsTheCiphersAndPasswordShown() {
        AccessPointFixture ap;
        // Left over from an earlier file load: not what the dialog shows.
        ap.document.edited.accessPoint.ccmp = 0;
        ap.document.edited.accessPoint.tkip = 1;
        ap.document.edited.accessPoint.passphrase = "from-an-old-file";
        ap.click("apEncryption");
        ap.edit("apPassword")->setText(QStringLiteral("x"));
        QVERIFY(ap.pressOk());
        const DeviceSettings::AccessPoint& stored = ap.document.edited.accessPoint;
        QCOMPARE(stored.suite, 0);
        QCOMPARE(stored.ccmp, 1);
        QCOMPARE(stored.tkip, 0);
        QCOMPARE(stored.passphrase, std::string("<Configured>"));

        // Opened on `edited`, the stored values stay as they are.
        ap.open();
        QVERIFY(!ap.ticked("apEncryption"));
        ap.edit("apPassword")->setText(QStringLiteral("short"));
        QVERIFY(ap.pressOk());
        QCOMPARE(stored.passphrase, std::string("<Configured>"));
        QCOMPARE(stored.ccmp, 1);
    }

    void cancelAfterARefusedOkStoresNothing() {
        // As after a file load: `edited` holds a complete setting that the next write carries.
        AccessPointFixture ap;
        ap.document.edited.accessPoint = wpa2Point();
        ap.document.loaded.accessPoint.edited = 1;
        ap.open();
        const DeviceSettings::AccessPoint before = ap.document.edited.accessPoint;
        ap.edit("apSsid")->clear();
        QTest::keyClicks(ap.edit("apSsid"), QStringLiteral("plant-7"));
        ap.click("apTkip");
        ap.edit("apPassword")->clear();
        QTest::keyClicks(ap.edit("apPassword"), QStringLiteral("abc"));
        QVERIFY(ap.refusesOk(passwordLength));
        QTest::keyClick(ap.dialog.get(), Qt::Key_Escape);
        QVERIFY(!ap.dialog->isVisible());
        QCOMPARE(ap.dialog->result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(ap.document.edited.accessPoint, before);
    }

    void keyboardOrderFollowsTheLayout() {
        AccessPointFixture ap;
        const QStringList order = keyboardOrder(ap.edit("apSsid"));
        QCOMPARE(order, QStringList({"apSsid", "apEncryption", "apWpa", "apWpa2", "apCcmp", "apTkip",
                                     "apPassword", "apChannel", "apScanRequests", "apOk"}));
        QCOMPARE(ap.edit("apPassword")->accessibleName(), QStringLiteral("パスワード:"));
    }
};

QTEST_MAIN(AccessPointDialogTest)
#include "AccessPointDialogTest.moc"
