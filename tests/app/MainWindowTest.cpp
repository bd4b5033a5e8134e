#include "app/MainWindow.h"
#include "app/VersionText.h"
#include "pages/NetworkPage.h"
#include "pages/SerialPage.h"
#include "pages/WirelessPage.h"
#include "tests/app/DeviceFailureTexts.h"
#include "tests/app/FakePortDiscovery.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedDialogs.h"
#include "ui/TabControl.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace marlo;

namespace {

const PortEntry builtIn{"Serial port (ttyS4)", "/dev/ttyS4"};
const PortEntry adapter{"FT232R USB UART (ttyUSB0)", "/dev/ttyUSB0"};
const PortEntry first{"Serial port (ttyS0)", "/dev/ttyS0"};
const PortEntry second{"Serial port (ttyS1)", "/dev/ttyS1"};
const PortEntry third{"PCI serial (ttyS2)", "/dev/ttyS2"};

const QString noDevice = QStringLiteral("デバイスが接続されていません。");

struct Window {
    ScriptedDialogs dialogs;
    FakePortDiscovery discovery;
    MainWindow window{dialogs, discovery};

    explicit Window(std::vector<PortEntry> ports) { discovery.ports = std::move(ports); }

    QComboBox* selector() { return control<QComboBox>(&window, "portSelector"); }
    QWidget* widget(const QString& id) { return findControl(&window, id); }
    void plug(std::vector<PortEntry> ports) {
        discovery.ports = std::move(ports);
        window.refreshPorts();
    }
    QStringList names() {
        QStringList names;
        for (int i = 0; i < selector()->count(); ++i) {
            names.append(selector()->itemText(i));
        }
        return names;
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void endsWhenNoPortIsPresent() {
        Window empty({});
        empty.dialogs.expectMessage(noDevice, &empty.window);
        QVERIFY(!empty.window.initDialog());
        QVERIFY(empty.dialogs.done());

        Window unavailable({adapter});
        unavailable.discovery.available = false;
        unavailable.dialogs.expectMessage(noDevice, &unavailable.window);
        QVERIFY(!unavailable.window.initDialog());
        QVERIFY(unavailable.dialogs.done());
    }

    void startsWithTheVersionAndNothingRead() {
        Window w({builtIn, adapter});
        QVERIFY(w.window.initDialog());
        QCOMPARE(control<QLabel>(&w.window, "versionLine")->text(), QStringLiteral("Version 1.06"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.widget("versionLine"))->text(QAccessible::Name),
                 QStringLiteral("バージョン Version 1.06"));
        QCOMPARE(versionText(1, 0, 6, 1), QStringLiteral("Version 1.061"));
        QCOMPARE(control<QLabel>(&w.window, "firmwareLine")->text(), QString());
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Marlo[*]"));
        QVERIFY(!w.window.isWindowModified());
        QVERIFY(w.widget("progressBar")->isHidden());
        QVERIFY(!w.widget("versionLine")->isHidden());
        QVERIFY(!w.widget("saveButton")->isEnabled());
        QVERIFY(!w.widget("writeButton")->isEnabled());
        QVERIFY(w.widget("readButton")->isEnabled());
        QVERIFY(w.widget("loadButton")->isEnabled());
        QVERIFY(w.selector()->isEnabled());
        QCOMPARE(control<QPushButton>(&w.window, "readButton")->text(),
                 QStringLiteral("デバイスから読み込み"));
        QCOMPARE(control<QPushButton>(&w.window, "writeButton")->text(),
                 QStringLiteral("デバイスへの書き込み"));
        QCOMPARE(control<QPushButton>(&w.window, "loadButton")->text(),
                 QStringLiteral("ファイルから読み込み"));
        QCOMPARE(control<QPushButton>(&w.window, "saveButton")->text(), QStringLiteral("ファイルに保存"));
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void tabsShowOnePageEach() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        auto* tabs = control<TabControl>(&w.window, "pageTabs");
        QCOMPARE(tabs->tabBar()->count(), 3);
        QCOMPARE(tabs->tabBar()->tabText(0), QStringLiteral("無線/IPアドレス"));
        QCOMPARE(tabs->tabBar()->tabText(1), QStringLiteral("ネットワーク"));
        QCOMPARE(tabs->tabBar()->tabText(2), QStringLiteral("シリアルポート"));
        const QList<QWidget*> pages = tabs->pageArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(pages.size(), 3);
        QVERIFY(dynamic_cast<WirelessPage*>(pages[0]) && dynamic_cast<NetworkPage*>(pages[1]) &&
                dynamic_cast<SerialPage*>(pages[2]));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!pages[0]->isHidden() && pages[1]->isHidden() && pages[2]->isHidden());
        tabs->setCurrentIndex(2);
        QVERIFY(pages[0]->isHidden() && pages[1]->isHidden() && !pages[2]->isHidden());
        tabs->showPage(pages[1]);
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(pages[0]->isHidden() && !pages[1]->isHidden() && pages[2]->isHidden());
        QVERIFY(!findControl(pages[2], "baudRate")->isEnabled());
    }

    void prefersTheUsbPortAtStartAndAfterRefreshes() {
        Window w({builtIn, adapter});
        QVERIFY(w.window.initDialog());
        QCOMPARE(w.names(), QStringList({"Serial port (ttyS4)", "FT232R USB UART (ttyUSB0)"}));
        QCOMPARE(w.selector()->currentIndex(), 1);
        w.selector()->setCurrentIndex(0);
        w.plug({builtIn, adapter, first});
        QCOMPARE(w.selector()->currentIndex(), 1);
        w.plug({adapter, builtIn});
        QCOMPARE(w.selector()->currentIndex(), 0);
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void keepsTheSelectedPortWhenAnotherGoes() {
        Window w({first, second, third});
        QVERIFY(w.window.initDialog());
        QCOMPARE(w.selector()->currentIndex(), 0);
        w.selector()->setCurrentIndex(2);
        w.plug({second, third});
        QCOMPARE(w.selector()->currentText(), QStringLiteral("PCI serial (ttyS2)"));
        w.plug({first, second, third});
        QCOMPARE(w.selector()->currentText(), QStringLiteral("PCI serial (ttyS2)"));
        w.plug({first, second});
        QCOMPARE(w.selector()->currentIndex(), 0);
        QVERIFY(w.selector()->isEnabled());
    }

    void anEmptyRefreshLeavesTheSelectorDisabled() {
        Window w({first, adapter});
        QVERIFY(w.window.initDialog());
        w.plug({});
        QCOMPARE(w.selector()->count(), 0);
        QVERIFY(!w.selector()->isEnabled());
        w.discovery.available = false;
        w.plug({first});
        QCOMPARE(w.selector()->count(), 0);
        w.discovery.available = true;
        w.plug({first, adapter});
        QCOMPARE(w.names(), QStringList({"Serial port (ttyS0)", "FT232R USB UART (ttyUSB0)"}));
        QCOMPARE(w.selector()->currentIndex(), 1);
        QVERIFY(!w.selector()->isEnabled());
        QVERIFY(w.widget("readButton")->isEnabled());
    }

    void readingWithoutAPortFailsWithoutIndexing() {
        Window w({first});
        QVERIFY(w.window.initDialog());
        w.plug({});
        w.dialogs.expectMessage(communicationFailed, &w.window);
        w.window.readFromDevice(false);
        QVERIFY(w.dialogs.done());
        QVERIFY(w.window.settings().configRecord.empty());
        w.window.readFromDevice(true);
        QVERIFY(w.dialogs.done());
    }

    void returnAndEscapeDoNothing() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        w.window.show();
        auto* tabs = control<TabControl>(&w.window, "pageTabs");
        tabs->setCurrentIndex(2);
        QWidget* serial = tabs->pageArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).at(2);
        for (QWidget* target : {w.widget("readButton"), w.widget("portSelector"),
                                findControl(serial, "gapTime"), static_cast<QWidget*>(&w.window)}) {
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
            QTest::keyClick(target, Qt::Key_Escape);
        }
        QVERIFY(w.window.isVisible());
        QVERIFY(w.widget("progressBar")->isHidden());
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void progressRunsUpToItsMaximum() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        auto* bar = control<QProgressBar>(&w.window, "progressBar");
        w.window.startProgress(3);
        QVERIFY(!bar->isHidden());
        QVERIFY(w.widget("versionLine")->isHidden());
        QCOMPARE(bar->maximum(), 3);
        QCOMPARE(bar->value(), 0);
        QTimer* timer = w.window.findChild<QTimer*>();
        QCOMPARE(timer->interval(), 1000);
        timer->setInterval(1);
        QTRY_COMPARE(bar->value(), 3);
        QTest::qWait(20);
        QCOMPARE(bar->value(), 3);
        w.window.stopProgress();
        QVERIFY(bar->isHidden());
        QVERIFY(!w.widget("versionLine")->isHidden());
        QVERIFY(!timer->isActive());
    }

    void keyboardOrderFollowsTheLayout() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        QStringList order;
        QWidget* start = w.selector();
        QWidget* widget = start;
        do {
            if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus) &&
                widget->window() == &w.window && widget->parentWidget() == &w.window) {
                order.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(order, QStringList({"portSelector", "readButton", "writeButton", "historyButton",
                                     "loadButton", "saveButton"}));
        const auto label = w.window.findChild<QLabel*>();
        QCOMPARE(label->buddy(), w.selector());
        QCOMPARE(label->text(), QStringLiteral("接続USB-COM"));

        // From the tabs, Tab enters the wireless page at its band, its first row.
        auto* tabs = control<TabControl>(&w.window, "pageTabs");
        QWidget* next = tabs->tabBar()->nextInFocusChain();
        while (!tabs->pageArea()->isAncestorOf(next) || next->objectName().isEmpty() ||
               !(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        QCOMPARE(next->objectName(), QStringLiteral("bandDual"));
    }

    void controlTabMovesBetweenThePagesFromAnywhere() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        auto* tabs = control<TabControl>(&w.window, "pageTabs");
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int tab;
        } presses[] = {
            {Qt::Key_Tab, Qt::ControlModifier, 1},
            {Qt::Key_PageDown, Qt::ControlModifier, 2},
            {Qt::Key_Tab, Qt::ControlModifier, 0},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
            {Qt::Key_PageUp, Qt::ControlModifier, 1},
        };
        for (const auto& press : presses) {
            QTest::keyClick(w.selector(), press.key, press.modifiers);
            QCOMPARE(tabs->currentIndex(), press.tab);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
