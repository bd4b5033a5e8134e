#include "pages/AccessPointDialog.h"
#include "resources/DialogIds.h"
#include "tests/ui/KeyboardOrder.h"
#include "tests/ui/ScriptedDialogs.h"
#include "ui/ControlId.h"

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

    QLineEdit* edit(int id) { return control<QLineEdit>(dialog.get(), id); }
    QAbstractButton* button(int id) { return control<QAbstractButton>(dialog.get(), id); }
    QComboBox* channel() { return control<QComboBox>(dialog.get(), ids::apChannel); }
    bool ticked(int id) { return button(id)->isChecked(); }
    bool enabled(int id) { return findControl(dialog.get(), id)->isEnabled(); }
    void click(int id) { button(id)->click(); }

    // Presses OK; true when the dialog closed with OK.
    bool pressOk() {
        click(ids::apOk);
        return !dialog->isVisible() && dialog->result() == QDialog::Accepted;
    }
    // Presses OK and expects `message` with the dialog left open.
    bool refusesOk(const char* message) {
        dialogs.expectMessage(QString::fromUtf8(message), dialog.get());
        click(ids::apOk);
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
        QCOMPARE(ap.edit(ids::apSsid)->text(), QStringLiteral("devserver-4f2a"));
        QVERIFY(ap.ticked(ids::apEncryption) && ap.ticked(ids::apWpa2) && !ap.ticked(ids::apWpa));
        QVERIFY(ap.ticked(ids::apCcmp) && !ap.ticked(ids::apTkip));
        QCOMPARE(ap.edit(ids::apPassword)->text(), QStringLiteral("<Configured>"));
        QCOMPARE(ap.channel()->currentText(), QStringLiteral("40"));
        QVERIFY(ap.ticked(ids::apScanRequests));
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
        QCOMPARE(ap.edit(ids::apSsid)->text(), QStringLiteral("plant"));
        QVERIFY(ap.ticked(ids::apWpa) && !ap.ticked(ids::apWpa2));
        QVERIFY(!ap.ticked(ids::apCcmp) && ap.ticked(ids::apTkip));
        QCOMPARE(ap.edit(ids::apPassword)->text(), QString());
        QCOMPARE(ap.channel()->currentText(), QStringLiteral("自動"));
        QVERIFY(!ap.ticked(ids::apScanRequests));
    }

    void encryptionRuleChoosesWpa2WhenNoSuiteIsTicked() {
        DeviceSettings::AccessPoint open = wpa2Point();
        open.suite = 0;
        AccessPointFixture ap(open);
        QVERIFY(!ap.ticked(ids::apEncryption));
        for (const int id : {ids::apWpa, ids::apWpa2, ids::apCcmp, ids::apTkip, ids::apPassword}) {
            QVERIFY2(!ap.enabled(id), qPrintable(QString::number(id)));
        }
        QVERIFY(!ap.ticked(ids::apWpa) && !ap.ticked(ids::apWpa2));
        ap.click(ids::apEncryption);
        QVERIFY(ap.ticked(ids::apWpa2));
        for (const int id : {ids::apWpa, ids::apWpa2, ids::apCcmp, ids::apTkip, ids::apPassword}) {
            QVERIFY(ap.enabled(id));
        }
        ap.click(ids::apWpa);
        ap.click(ids::apEncryption);
        ap.click(ids::apEncryption);
        QVERIFY(ap.ticked(ids::apWpa) && !ap.ticked(ids::apWpa2));

        DeviceSettings::AccessPoint wep = wpa2Point();
        wep.suite = 3;
        AccessPointFixture wepDialog(wep);
        QVERIFY(wepDialog.ticked(ids::apEncryption) && wepDialog.ticked(ids::apWpa2));
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
            ap.edit(ids::apSsid)->setText(QString::fromUtf8(c.ssid));
            ap.edit(ids::apPassword)->setText(QString::fromUtf8(c.password));
            QVERIFY2(ap.refusesOk(c.message), c.ssid);
            QCOMPARE(ap.document.loaded.accessPoint.edited, 0);
        }
    }

    void storesWhatPasses() {
        AccessPointFixture ap;
        ap.edit(ids::apSsid)->setText(QStringLiteral("  ABCDEFGHIJKLMNOPQRSTUVWXYZ-_0123 "));
        ap.click(ids::apWpa);
        ap.click(ids::apTkip);
        ap.edit(ids::apPassword)->setText(QStringLiteral("        "));
        ap.channel()->setCurrentIndex(13);
        ap.click(ids::apScanRequests);
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
        ap.edit(ids::apSsid)->setText(QString());
        ap.edit(ids::apPassword)->setText(QString(63, QLatin1Char('k')));
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
        ap.click(ids::apEncryption);
        ap.edit(ids::apPassword)->setText(QStringLiteral("x"));
        QVERIFY(ap.pressOk());
        const DeviceSettings::AccessPoint& stored = ap.document.edited.accessPoint;
        QCOMPARE(stored.suite, 0);
        QCOMPARE(stored.ccmp, 1);
        QCOMPARE(stored.tkip, 0);
        QCOMPARE(stored.passphrase, std::string("<Configured>"));

        // Opened on `edited`, the stored values stay as they are.
        ap.open();
        QVERIFY(!ap.ticked(ids::apEncryption));
        ap.edit(ids::apPassword)->setText(QStringLiteral("short"));
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
        ap.edit(ids::apSsid)->clear();
        QTest::keyClicks(ap.edit(ids::apSsid), QStringLiteral("plant-7"));
        ap.click(ids::apTkip);
        ap.edit(ids::apPassword)->clear();
        QTest::keyClicks(ap.edit(ids::apPassword), QStringLiteral("abc"));
        QVERIFY(ap.refusesOk(passwordLength));
        QTest::keyClick(ap.dialog.get(), Qt::Key_Escape);
        QVERIFY(!ap.dialog->isVisible());
        QCOMPARE(ap.dialog->result(), static_cast<int>(QDialog::Rejected));
        QCOMPARE(ap.document.edited.accessPoint, before);
    }

    void keyboardOrderFollowsTheLayout() {
        AccessPointFixture ap;
        const QList<int> order = keyboardOrder(ap.edit(ids::apSsid));
        QCOMPARE(order,
                 QList<int>({ids::apSsid, ids::apEncryption, ids::apWpa, ids::apWpa2, ids::apCcmp,
                             ids::apTkip, ids::apPassword, ids::apChannel, ids::apScanRequests, ids::apOk}));
        QCOMPARE(ap.edit(ids::apPassword)->accessibleName(), QStringLiteral("パスワード:"));
    }
};

QTEST_MAIN(AccessPointDialogTest)
#include "AccessPointDialogTest.moc"
