#include "app/MainWindow.h"
#include "app/VersionText.h"
#include "resources/DialogIds.h"
#include "tests/app/FakePortDiscovery.h"
#include "tests/ui/ScriptedDialogs.h"
#include "ui/ControlId.h"
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
const QString communicationFailed =
    QStringLiteral("デバイスとの通信に失敗しました。\n\n設定直後であればしばらく待って再試行してください。\n"
                   "または一度アプリケーションを閉じてやりなおしてください。");

struct Window {
    ScriptedDialogs dialogs;
    FakePortDiscovery discovery;
    MainWindow window{dialogs, discovery};

    explicit Window(std::vector<PortEntry> ports) { discovery.ports = std::move(ports); }

    QComboBox* selector() { return control<QComboBox>(&window, ids::portSelector); }
    QWidget* widget(int id) { return findControl(&window, id); }
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
        QCOMPARE(control<QLabel>(&w.window, ids::versionLine)->text(), QStringLiteral("Version 1.06"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.widget(ids::versionLine))->text(QAccessible::Name),
                 QStringLiteral("バージョン Version 1.06"));
        QCOMPARE(versionText(1, 0, 6, 1), QStringLiteral("Version 1.061"));
        QCOMPARE(control<QLabel>(&w.window, ids::firmwareLine)->text(), QString());
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Marlo"));
        QVERIFY(w.widget(ids::progressBar)->isHidden());
        QVERIFY(!w.widget(ids::versionLine)->isHidden());
        QVERIFY(!w.widget(ids::saveButton)->isEnabled());
        QVERIFY(!w.widget(ids::writeButton)->isEnabled());
        QVERIFY(w.widget(ids::readButton)->isEnabled());
        QVERIFY(w.widget(ids::loadButton)->isEnabled());
        QVERIFY(w.selector()->isEnabled());
        QCOMPARE(control<QPushButton>(&w.window, ids::readButton)->text(),
                 QStringLiteral("デバイスから読み込み"));
        QCOMPARE(control<QPushButton>(&w.window, ids::writeButton)->text(),
                 QStringLiteral("デバイスへの書き込み"));
        QCOMPARE(control<QPushButton>(&w.window, ids::loadButton)->text(),
                 QStringLiteral("ファイルから読み込み"));
        QCOMPARE(control<QPushButton>(&w.window, ids::saveButton)->text(), QStringLiteral("ファイルに保存"));
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void tabsShowOnePageEach() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        auto* tabs = control<TabControl>(&w.window, ids::pageTabs);
        QCOMPARE(tabs->tabBar()->count(), 3);
        QCOMPARE(tabs->tabBar()->tabText(0), QStringLiteral("無線/IPアドレス"));
        QCOMPARE(tabs->tabBar()->tabText(1), QStringLiteral("ネットワーク"));
        QCOMPARE(tabs->tabBar()->tabText(2), QStringLiteral("シリアルポート"));
        const QList<QWidget*> pages = tabs->pageArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(pages.size(), 3);
        const QList<int> templates = {dialogTemplate(pages[0]), dialogTemplate(pages[1]),
                                      dialogTemplate(pages[2])};
        QCOMPARE(templates, QList<int>({129, 130, 132}));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!pages[0]->isHidden() && pages[1]->isHidden() && pages[2]->isHidden());
        tabs->setCurrentIndex(2);
        QVERIFY(pages[0]->isHidden() && pages[1]->isHidden() && !pages[2]->isHidden());
        tabs->showPage(pages[1]);
        QCOMPARE(tabs->currentIndex(), 2);
        QVERIFY(pages[0]->isHidden() && !pages[1]->isHidden() && pages[2]->isHidden());
        QVERIFY(!findControl(pages[2], ids::baudRate)->isEnabled());
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
        QVERIFY(w.widget(ids::readButton)->isEnabled());
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
        auto* tabs = control<TabControl>(&w.window, ids::pageTabs);
        tabs->setCurrentIndex(2);
        QWidget* serial = tabs->pageArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).at(2);
        for (QWidget* target : {w.widget(ids::readButton), w.widget(ids::portSelector),
                                findControl(serial, ids::gapTime), static_cast<QWidget*>(&w.window)}) {
            QTest::keyClick(target, Qt::Key_Return);
            QTest::keyClick(target, Qt::Key_Enter);
            QTest::keyClick(target, Qt::Key_Escape);
        }
        QVERIFY(w.window.isVisible());
        QVERIFY(w.widget(ids::progressBar)->isHidden());
        QVERIFY(w.dialogs.shown().isEmpty());
    }

    void progressRunsUpToItsMaximum() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        auto* bar = control<QProgressBar>(&w.window, ids::progressBar);
        w.window.startProgress(3);
        QVERIFY(!bar->isHidden());
        QVERIFY(w.widget(ids::versionLine)->isHidden());
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
        QVERIFY(!w.widget(ids::versionLine)->isHidden());
        QVERIFY(!timer->isActive());
    }

    void keyboardOrderFollowsTheLayout() {
        Window w({adapter});
        QVERIFY(w.window.initDialog());
        QList<int> order;
        QWidget* start = w.selector();
        QWidget* widget = start;
        do {
            if (controlId(widget) != 0 && (widget->focusPolicy() & Qt::TabFocus) &&
                widget->window() == &w.window && widget->parentWidget() == &w.window) {
                order.append(controlId(widget));
            }
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(order, QList<int>({ids::portSelector, ids::readButton, ids::writeButton, ids::loadButton,
                                    ids::saveButton}));
        const auto label = w.window.findChild<QLabel*>();
        QCOMPARE(label->buddy(), w.selector());
        QCOMPARE(label->text(), QStringLiteral("接続USB-COM"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
