#include "pages/WirelessPage.h"
#include "device/DeviceLink.h"
#include "pages/StationProfilesDialog.h"
#include "tests/support/Controls.h"
#include "tests/support/KeyboardOrder.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

using namespace marlo;

namespace {

const QStringList pageControls = {"bandDual",
                                  "band5GHz",
                                  "band24GHz",
                                  "stationEnabled",
                                  "stationProfilesButton",
                                  "stationPriority",
                                  "keepAlive",
                                  "dhcpClient",
                                  "stationIpAddress",
                                  "stationSubnetMask",
                                  "stationGateway",
                                  "stationPrimaryDns",
                                  "stationSecondaryDns",
                                  "accessPointEnabled",
                                  "accessPointButton",
                                  "accessPointPriority",
                                  "dhcpRangeStart",
                                  "dhcpRangeEnd",
                                  "accessPointIpAddress",
                                  "accessPointSubnetMask",
                                  "accessPointGateway",
                                  "accessPointPrimaryDns",
                                  "accessPointSecondaryDns"};

const QStringList stationRuleControls = {
    "stationProfilesButton", "stationPriority", "keepAlive",         "dhcpClient",         "stationIpAddress",
    "stationSubnetMask",     "stationGateway",  "stationPrimaryDns", "stationSecondaryDns"};
const QStringList stationAddressIds = {"stationIpAddress", "stationSubnetMask", "stationGateway",
                                       "stationPrimaryDns", "stationSecondaryDns"};
const QStringList accessPointRuleControls = {
    "accessPointButton",  "accessPointPriority",   "dhcpRangeStart",
    "dhcpRangeEnd",       "accessPointIpAddress",  "accessPointSubnetMask",
    "accessPointGateway", "accessPointPrimaryDns", "accessPointSecondaryDns"};

// A device with both interfaces on, a fixed station address and the access point's factory range.
DeviceSettings validSettings() {
    DeviceSettings settings;
    settings.radio = {.band = 0, .keepAlive = 1};
    settings.sta = {.state = 1,
                    .priority = 1,
                    .dhcpClient = 0,
                    .ipAddress = "192.168.1.10",
                    .subnetMask = "255.255.255.0",
                    .defaultGateway = "192.168.1.1",
                    .primaryDns = "<None>",
                    .secondaryDns = "",
                    .currentIpAddress = "192.168.1.10"};
    settings.ap = {.state = 1,
                   .priority = 2,
                   .ipAddress = "192.168.0.1",
                   .subnetMask = "255.255.255.0",
                   .defaultGateway = "<None>",
                   .primaryDns = "<None>",
                   .secondaryDns = "<None>",
                   .dhcpRangeStart = "<Minimum>",
                   .dhcpRangeEnd = "<Maximum>"};
    return settings;
}

struct WirelessFixture {
    SettingsDocument document;
    ScriptedDialogs dialogs;
    DeviceLink link{[](const std::string&) {}};
    WirelessPage page{document, link, dialogs};

    explicit WirelessFixture(const DeviceSettings& loaded = validSettings()) {
        document.configRecord = "<?xml version=\"1.0\" standalone=\"yes\"?>";
        document.loaded = loaded;
        page.loadFromSettings();
    }

    QLineEdit* edit(const QString& id) { return control<QLineEdit>(&page, id); }
    QAbstractButton* button(const QString& id) { return control<QAbstractButton>(&page, id); }
    QComboBox* list(const QString& id) { return control<QComboBox>(&page, id); }
    QString text(const QString& id) { return edit(id)->text(); }
    QString label(const QString& id) { return control<QLabel>(&page, id)->text(); }
    void type(const QString& id, const QString& text) { edit(id)->setText(text); }
    bool enabled(const QString& id) { return findControl(&page, id)->isEnabled(); }
    bool ticked(const QString& id) { return button(id)->isChecked(); }
    void click(const QString& id) { button(id)->click(); }

    // Checks the page and expects it to fail with `message`.
    bool refuses(const char* message) {
        dialogs.expectMessage(QString::fromUtf8(message), &page);
        return !page.validateAndStore() && dialogs.done();
    }
};

struct Refusal {
    std::vector<QString> clicks;
    std::vector<std::pair<QString, const char*>> texts;
    const char* message;
};

struct Entry {
    std::vector<QString> clicks;
    std::vector<std::pair<QString, const char*>> texts;
};

} // namespace

class WirelessPageTest : public QObject {
    Q_OBJECT

private slots:
    void startsDisabledWithoutCurrentAddress() {
        SettingsDocument document;
        ScriptedDialogs dialogs;
        DeviceLink link{[](const std::string&) {}};
        WirelessPage page(document, link, dialogs);
        for (const QString& id : pageControls) {
            QVERIFY2(!findControl(&page, id)->isEnabled(), qPrintable(id));
        }
        QCOMPARE(control<QLabel>(&page, "currentAddressLabel")->text(), QString());
        QCOMPARE(control<QLabel>(&page, "currentAddressValue")->text(), QString());
        for (const char* id : {"stationPriority", "accessPointPriority"}) {
            auto* list = control<QComboBox>(&page, id);
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->itemText(0), QStringLiteral("1"));
            QCOMPARE(list->itemText(1), QStringLiteral("2"));
        }
    }

    void loadsTheControlsAndTheCurrentAddress() {
        WirelessFixture wireless;
        QVERIFY(wireless.ticked("bandDual"));
        QVERIFY(wireless.ticked("stationEnabled"));
        QVERIFY(wireless.ticked("keepAlive"));
        QVERIFY(!wireless.ticked("dhcpClient"));
        QVERIFY(wireless.ticked("accessPointEnabled"));
        QCOMPARE(wireless.list("stationPriority")->currentIndex(), 0);
        QCOMPARE(wireless.list("accessPointPriority")->currentIndex(), 1);
        const std::pair<QString, const char*> texts[] = {{"stationIpAddress", "192.168.1.10"},
                                                         {"stationSubnetMask", "255.255.255.0"},
                                                         {"stationGateway", "192.168.1.1"},
                                                         {"stationPrimaryDns", "<None>"},
                                                         {"stationSecondaryDns", ""},
                                                         {"dhcpRangeStart", "<Minimum>"},
                                                         {"dhcpRangeEnd", "<Maximum>"},
                                                         {"accessPointIpAddress", "192.168.0.1"},
                                                         {"accessPointSubnetMask", "255.255.255.0"},
                                                         {"accessPointGateway", "<None>"}};
        for (const auto& [id, text] : texts) {
            QCOMPARE(wireless.text(id), QString::fromUtf8(text));
        }
        QCOMPARE(wireless.label("currentAddressLabel"), QStringLiteral("現在のIPアドレス :"));
        QCOMPARE(wireless.label("currentAddressValue"), QStringLiteral("192.168.1.10"));
        for (const QString& id : pageControls) {
            QVERIFY2(wireless.enabled(id), qPrintable(id));
        }

        DeviceSettings settings = validSettings();
        settings.radio.band = 2;
        settings.sta.priority = 0;
        settings.ap.priority = 3;
        settings.sta.currentIpAddress.clear();
        wireless.document.loaded = settings;
        wireless.page.loadFromSettings();
        QVERIFY(wireless.ticked("band24GHz"));
        QVERIFY(!wireless.ticked("bandDual"));
        QCOMPARE(wireless.list("stationPriority")->currentIndex(), -1);
        QCOMPARE(wireless.list("accessPointPriority")->currentIndex(), -1);
        QCOMPARE(wireless.label("currentAddressLabel"), QString());
        QCOMPARE(wireless.label("currentAddressValue"), QString());

        settings.radio.band = 7;
        wireless.document.loaded = settings;
        wireless.page.loadFromSettings();
        for (const char* id : {"bandDual", "band5GHz", "band24GHz"}) {
            QVERIFY(!wireless.ticked(id));
        }
    }

    void hidesACurrentAddressThatNamesNoneOrDhcp() {
        for (const char* current : {"&lt;None&gt;", "DHCP", "0.0.0.0 (DHCP)", "None"}) {
            DeviceSettings settings = validSettings();
            settings.sta.currentIpAddress = current;
            WirelessFixture wireless(settings);
            QCOMPARE(wireless.label("currentAddressLabel"), QString());
            QCOMPARE(wireless.label("currentAddressValue"), QString());
        }
        DeviceSettings settings = validSettings();
        settings.sta.currentIpAddress = "10.0.0.7 (dhcp)";
        WirelessFixture wireless(settings);
        QCOMPARE(wireless.label("currentAddressValue"), QStringLiteral("10.0.0.7 (dhcp)"));
        // The device's text is never read as markup.
        QCOMPARE(control<QLabel>(&wireless.page, "currentAddressValue")->textFormat(), Qt::PlainText);
    }

    void enableRulesFollowTheBoxesAndLeaveTheirContents() {
        DeviceSettings settings = validSettings();
        settings.sta.dhcpClient = 1;
        settings.ap.state = 0;
        WirelessFixture wireless(settings);
        for (const QString& id : stationAddressIds) {
            QVERIFY(!wireless.enabled(id));
        }
        QVERIFY(wireless.enabled("stationPriority") && wireless.enabled("stationProfilesButton"));
        for (const QString& id : accessPointRuleControls) {
            QVERIFY2(!wireless.enabled(id), qPrintable(id));
        }

        wireless.click("dhcpClient");
        for (const QString& id : stationAddressIds) {
            QVERIFY(wireless.enabled(id));
        }
        wireless.click("stationEnabled");
        for (const QString& id : stationRuleControls) {
            QVERIFY2(!wireless.enabled(id), qPrintable(id));
        }
        wireless.click("accessPointEnabled");
        for (const QString& id : accessPointRuleControls) {
            QVERIFY(wireless.enabled(id));
        }

        wireless.page.enableAll(false);
        for (const QString& id : pageControls) {
            QVERIFY2(!wireless.enabled(id), qPrintable(id));
        }
        wireless.page.enableAll(true);
        for (const QString& id : stationRuleControls) {
            QVERIFY(!wireless.enabled(id));
        }
        QVERIFY(wireless.enabled("accessPointIpAddress"));
        QVERIFY(!wireless.ticked("stationEnabled"));
        QVERIFY(!wireless.ticked("dhcpClient"));
        QCOMPARE(wireless.text("stationIpAddress"), QStringLiteral("192.168.1.10"));
    }

    void refusesEachInvalidAddressWithItsMessage() {
        const char* const staAddress = "STAモードのIPアドレスが正しくありません。";
        const char* const staMask = "STAモードのサブネットマスクが正しくありません。";
        const char* const dhcpStart = "APモードのDHCP 開始アドレスが正しくありません。";
        const char* const dhcpEnd = "APモードのDHCP 終了アドレスが正しくありません。";
        const char* const apAddress = "APモードのIPアドレスが正しくありません。";
        const char* const apMask = "APモードのサブネットマスクが正しくありません。";
        const std::vector<Refusal> refusals = {
            {{}, {{"stationIpAddress", "192.168.1.256"}}, staAddress},
            {{}, {{"stationIpAddress", "<none>"}}, staAddress},
            {{}, {{"stationIpAddress", "１９２.168.1.1"}}, staAddress},
            {{}, {{"stationSubnetMask", "<Minimum>"}}, staMask},
            // The record writes an address with its mask as a prefix length: a mask with a gap, of
            // all ones or none at all, and an address of all ones, cannot be written.
            {{}, {{"stationSubnetMask", "255.255.0.255"}}, staMask},
            {{}, {{"stationSubnetMask", "255.255.255.255"}}, staMask},
            {{}, {{"stationSubnetMask", "<None>"}}, staMask},
            {{}, {{"stationIpAddress", "255.255.255.255"}}, staAddress},
            {{}, {{"accessPointSubnetMask", "255.255.255.255"}}, apMask},
            {{}, {{"accessPointSubnetMask", ""}}, apMask},
            {{}, {{"accessPointIpAddress", "255.255.255.255"}}, apAddress},
            {{}, {{"stationGateway", "1.2.3.4.5"}}, "STAモードのデフォルトゲートウェイが正しくありません。"},
            {{}, {{"stationPrimaryDns", "dns"}}, "STAモードのプライマリDNSが正しくありません。"},
            {{}, {{"stationSecondaryDns", "1.2.3.4x"}}, "STAモードのセカンダリDNSが正しくありません。"},
            {{}, {{"dhcpRangeStart", "<Maximum>"}}, dhcpStart},
            {{}, {{"dhcpRangeEnd", "<Minimum>"}}, dhcpEnd},
            {{}, {{"accessPointIpAddress", ""}}, apAddress},
            {{}, {{"accessPointIpAddress", "<None>"}}, apAddress},
            // The access point's edits are checked while access point mode is off as well.
            {{"accessPointEnabled"}, {{"accessPointIpAddress", ""}}, apAddress},
            {{"accessPointEnabled"}, {{"dhcpRangeEnd", "192.168.0.0"}}, dhcpEnd},
            {{}, {{"accessPointSubnetMask", "255.255.255.0/24"}}, apMask},
            {{}, {{"accessPointGateway", "gateway"}}, "APモードのデフォルトゲートウェイが正しくありません。"},
            {{}, {{"accessPointPrimaryDns", "-1"}}, "APモードのプライマリDNSが正しくありません。"},
            {{}, {{"accessPointSecondaryDns", "<Maximum>"}}, "APモードのセカンダリDNSが正しくありません。"},
            // The zero address is refused only after the four edits below it have passed.
            {{}, {{"accessPointIpAddress", "0.0.0.0"}}, apAddress},
            {{}, {{"accessPointIpAddress", "0.0.0.0"}, {"accessPointSubnetMask", "mask"}}, apMask},
            {{}, {{"dhcpRangeStart", "192.168.1.5"}}, dhcpStart},
            {{}, {{"dhcpRangeStart", "192.168.0.0"}}, dhcpStart},
            {{}, {{"dhcpRangeStart", "255.255.255.255"}}, dhcpStart},
            {{}, {{"dhcpRangeEnd", "192.168.0.255"}}, dhcpEnd},
            {{}, {{"dhcpRangeEnd", "10.0.0.20"}}, dhcpEnd},
            // The range is checked after every address edit, so a bad range start waits its turn.
            {{},
             {{"dhcpRangeStart", "10.0.0.1"}, {"accessPointGateway", "x"}},
             "APモードのデフォルトゲートウェイが正しくありません。"},
            // A station address is checked before the access point's, whatever the order of typing.
            {{},
             {{"accessPointIpAddress", ""}, {"stationSecondaryDns", "1..3"}},
             "STAモードのセカンダリDNSが正しくありません。"},
        };
        for (const Refusal& refusal : refusals) {
            WirelessFixture wireless;
            QString change;
            for (const QString& id : refusal.clicks) {
                wireless.click(id);
            }
            for (const auto& [id, text] : refusal.texts) {
                wireless.type(id, QString::fromUtf8(text));
                change += QStringLiteral("%1=\"%2\" ").arg(id).arg(QString::fromUtf8(text));
            }
            QVERIFY2(wireless.refuses(refusal.message), qPrintable(change));
        }
    }

    void acceptsTokensBroadcastAndRangesThatSkipTheNetworkTest() {
        const std::vector<Entry> entries = {
            {{}, {{"stationIpAddress", ""}, {"stationSubnetMask", "<None>"}}},
            {{}, {{"stationGateway", "255.255.255.255"}, {"accessPointGateway", "255.255.255.255"}}},
            {{}, {{"dhcpRangeStart", "192.168.0.2"}, {"dhcpRangeEnd", "192.168.0.254"}}},
            {{}, {{"dhcpRangeStart", ""}, {"dhcpRangeEnd", ""}}},
            // With the mask 0.0.0.0 every start and end lies in the access point's network.
            {{},
             {{"accessPointSubnetMask", "0.0.0.0"},
              {"dhcpRangeStart", "10.1.2.3"},
              {"dhcpRangeEnd", "172.16.0.9"}}},
            // inet_addr's short and octal forms.
            {{}, {{"stationIpAddress", "10.1"}, {"accessPointIpAddress", "0300.0250.0.1"}}},
            // With the DHCP client ticked the station edits are not read.
            {{"dhcpClient"}, {{"stationIpAddress", "nonsense"}, {"stationSecondaryDns", "x"}}},
            // The access point's edits are checked but its channel is not while it is off.
            {{"accessPointEnabled", "band5GHz"}, {}},
        };
        for (const Entry& entry : entries) {
            DeviceSettings settings = validSettings();
            settings.accessPoint.channel = 6;
            WirelessFixture wireless(settings);
            QString change;
            for (const QString& id : entry.clicks) {
                wireless.click(id);
            }
            for (const auto& [id, text] : entry.texts) {
                wireless.type(id, QString::fromUtf8(text));
                change += QStringLiteral("%1=\"%2\" ").arg(id).arg(QString::fromUtf8(text));
            }
            QVERIFY2(wireless.page.validateAndStore(), qPrintable(change));
            QVERIFY2(wireless.dialogs.shown().isEmpty(), qPrintable(change));
        }
    }

    void comparesTheAccessPointChannelWithTheBand() {
        const char* const mismatch = "APモードの無線LANチャンネル設定が無線バント設定と合っていません。";
        struct Case {
            const char* band;
            std::uint32_t channel;
            bool passes;
        };
        const Case cases[] = {{"band5GHz", 13, false},  {"band5GHz", 1, false},   {"band5GHz", 36, true},
                              {"band24GHz", 36, false}, {"band24GHz", 48, false}, {"band24GHz", 13, true},
                              {"band5GHz", 0, true},    {"band24GHz", 0, true},   {"bandDual", 13, true},
                              {"bandDual", 36, true}};
        for (const Case& c : cases) {
            DeviceSettings settings = validSettings();
            settings.accessPoint.channel = c.channel;
            WirelessFixture wireless(settings);
            wireless.click(c.band);
            const QString which = QStringLiteral("band %1 channel %2").arg(c.band).arg(c.channel);
            if (c.passes) {
                QVERIFY2(wireless.page.validateAndStore(), qPrintable(which));
            } else {
                QVERIFY2(wireless.refuses(mismatch), qPrintable(which));
            }
        }

        // Once the access point dialog stored its values, the channel comes from `edited`.
        DeviceSettings settings = validSettings();
        settings.accessPoint.channel = 36;
        settings.accessPoint.edited = 1;
        WirelessFixture wireless(settings);
        wireless.click("band24GHz");
        wireless.document.edited.accessPoint.channel = 11;
        QVERIFY(wireless.page.validateAndStore());
        wireless.document.loaded.accessPoint.edited = 0;
        QVERIFY(wireless.refuses(mismatch));
    }

    void storesTheControlsIntoEdited() {
        WirelessFixture wireless;
        // Values an earlier store left behind, each unlike what the page now holds.
        wireless.document.edited.radio.keepAlive = 1;
        wireless.document.edited.ap.state = 1;
        wireless.document.edited.ap.priority = 2;
        wireless.click("band5GHz");
        wireless.click("keepAlive");
        wireless.list("stationPriority")->setCurrentIndex(1);
        wireless.list("accessPointPriority")->setCurrentIndex(-1);
        wireless.type("stationIpAddress", QStringLiteral("  10.0.0.5\t"));
        wireless.type("stationPrimaryDns", QStringLiteral(" <None> "));
        wireless.type("dhcpRangeStart", QStringLiteral("192.168.0.100"));
        wireless.click("accessPointEnabled");
        QVERIFY(wireless.page.validateAndStore());

        const DeviceSettings& edited = wireless.document.edited;
        QCOMPARE(edited.radio.band, 1);
        QCOMPARE(edited.radio.keepAlive, 0);
        QCOMPARE(edited.sta.state, 1);
        QCOMPARE(edited.sta.priority, 2u);
        QCOMPARE(edited.sta.dhcpClient, 0);
        QCOMPARE(edited.sta.ipAddress, std::string("10.0.0.5"));
        QCOMPARE(edited.sta.subnetMask, std::string("255.255.255.0"));
        QCOMPARE(edited.sta.defaultGateway, std::string("192.168.1.1"));
        QCOMPARE(edited.sta.primaryDns, std::string("<None>"));
        QCOMPARE(edited.sta.secondaryDns, std::string());
        QCOMPARE(edited.ap.state, 0);
        QCOMPARE(edited.ap.priority, 0u);
        QCOMPARE(edited.ap.dhcpRangeStart, std::string("192.168.0.100"));
        QCOMPARE(edited.ap.dhcpRangeEnd, std::string("<Maximum>"));
        QCOMPARE(edited.ap.ipAddress, std::string("192.168.0.1"));
        QCOMPARE(edited.ap.subnetMask, std::string("255.255.255.0"));
        QCOMPARE(edited.ap.defaultGateway, std::string("<None>"));
        QCOMPARE(edited.ap.secondaryDns, std::string("<None>"));
        QCOMPARE(edited.sta.currentIpAddress, std::string());

        wireless.click("dhcpClient");
        wireless.type("stationGateway", QStringLiteral("not read"));
        wireless.list("accessPointPriority")->setCurrentIndex(0);
        QVERIFY(wireless.page.validateAndStore());
        QCOMPARE(edited.ap.priority, 1u);
        QCOMPARE(edited.sta.dhcpClient, 1);
        for (const std::string* field :
             {&edited.sta.ipAddress, &edited.sta.subnetMask, &edited.sta.defaultGateway,
              &edited.sta.primaryDns, &edited.sta.secondaryDns}) {
            QCOMPARE(*field, std::string());
        }
    }

    void keepsWhatWasStoredBeforeAFailure() {
        WirelessFixture wireless;
        DeviceSettings& edited = wireless.document.edited;
        edited.ap.secondaryDns = "10.9.9.9";
        wireless.click("band24GHz");
        wireless.type("stationGateway", QStringLiteral("192.168.1.254"));
        wireless.type("accessPointSubnetMask", QStringLiteral(" 255.255.0.0 "));
        wireless.type("accessPointGateway", QStringLiteral(" bad gateway "));
        QVERIFY(wireless.refuses("APモードのデフォルトゲートウェイが正しくありません。"));
        QCOMPARE(edited.radio.band, 2);
        QCOMPARE(edited.sta.defaultGateway, std::string("192.168.1.254"));
        QCOMPARE(edited.ap.subnetMask, std::string("255.255.0.0"));
        QCOMPARE(edited.ap.defaultGateway, std::string("bad gateway"));
        QCOMPARE(edited.ap.secondaryDns, std::string("10.9.9.9"));

        wireless.type("accessPointGateway", QString());
        wireless.type("accessPointIpAddress", QStringLiteral("0.0.0.0"));
        QVERIFY(wireless.refuses("APモードのIPアドレスが正しくありません。"));
        QCOMPARE(edited.ap.ipAddress, std::string("0.0.0.0"));
        QCOMPARE(edited.ap.secondaryDns, std::string("<None>"));

        wireless.type("stationIpAddress", QStringLiteral("１"));
        QVERIFY(wireless.refuses("STAモードのIPアドレスが正しくありません。"));
        QCOMPARE(edited.sta.ipAddress, std::string("\x82\x50"));
        QCOMPARE(edited.sta.defaultGateway, std::string());
    }

    void accessPointButtonOpensTheDialogOnceRecordsExist() {
        WirelessFixture wireless;
        wireless.document.configRecord.clear();
        bool opened = false;
        onNextModal([](QDialog*) {}, &opened);
        wireless.click("accessPointButton");
        QTest::qWait(10);
        QVERIFY(!opened);

        wireless.document.configRecord = "<configrecord>";
        wireless.document.loaded.accessPoint.ssid = "office";
        QString title;
        onNextModal(
            [&](QDialog* dialog) {
                title = dialog->windowTitle();
                control<QLineEdit>(dialog, "apSsid")->setText(QStringLiteral("plant-7"));
                control<QAbstractButton>(dialog, "apOk")->click();
            },
            &opened);
        wireless.click("accessPointButton");
        QVERIFY(opened);
        QCOMPARE(title, QStringLiteral("APモードの設定"));
        QCOMPARE(wireless.document.edited.accessPoint.ssid, std::string("plant-7"));
        QCOMPARE(wireless.document.loaded.accessPoint.edited, 1);
    }

    void stationProfilesButtonNeedsRecordsReadFromTheDevice() {
        WirelessFixture wireless;
        wireless.document.configRecord.clear();
        bool opened = false;
        onNextModal([](QDialog*) {}, &opened);
        wireless.click("stationProfilesButton");
        QTest::qWait(10);
        QVERIFY(!opened);
        QVERIFY(wireless.dialogs.shown().isEmpty());

        wireless.document.configRecord = "<configrecord>";
        wireless.document.loadedFromFile = 1;
        wireless.dialogs.expectMessage(
            QStringLiteral("STAモードの接続先を設定するためには、設定をデバイスから読み込む必要があります。"),
            &wireless.page);
        onNextModal([](QDialog*) {}, &opened);
        wireless.click("stationProfilesButton");
        QTest::qWait(10);
        QVERIFY(!opened);
        QVERIFY(wireless.dialogs.done());

        wireless.document.loadedFromFile = 0;
        bool stationDialog = false;
        onNextModal(
            [&](QDialog* dialog) { stationDialog = dynamic_cast<StationProfilesDialog*>(dialog) != nullptr; },
            &opened);
        wireless.click("stationProfilesButton");
        QVERIFY(opened);
        QVERIFY(stationDialog);
    }

    void keyboardOrderAndNamesFollowTheLayout() {
        WirelessFixture wireless;
        const QStringList order = keyboardOrder(findControl(&wireless.page, "bandDual"));
        QCOMPARE(order, pageControls);

        const auto name = [&](const QString& id) {
            return QAccessible::queryAccessibleInterface(findControl(&wireless.page, id))
                ->text(QAccessible::Name);
        };
        QCOMPARE(name("band5GHz"), QStringLiteral("バンド 5GHz"));
        QCOMPARE(name("stationIpAddress"), QStringLiteral("STAモード IPアドレス:"));
        QCOMPARE(name("accessPointIpAddress"), QStringLiteral("APモード IPアドレス:"));
        QCOMPARE(name("dhcpRangeEnd"), QStringLiteral("DHCPの範囲: 終了:"));
        // A list is named by its selected item on this platform; its label comes as a relation.
        const auto labels = QAccessible::queryAccessibleInterface(wireless.list("accessPointPriority"))
                                ->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("優先度:"));
        QCOMPARE(name("accessPointButton"), QStringLiteral("APモードの設定"));
    }
};

QTEST_MAIN(WirelessPageTest)
#include "WirelessPageTest.moc"
