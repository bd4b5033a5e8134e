#pragma once

#include "app/MainWindow.h"
#include "pages/NetworkPage.h"
#include "pages/SerialPage.h"
#include "pages/WirelessPage.h"
#include "sim/SimulatedDevice.h"
#include "tests/app/FakePortDiscovery.h"
#include "tests/support/Controls.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/Waiting.h"
#include "ui/TabControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace marlo {

inline const QString readSucceeded = QStringLiteral("デバイスからデータを読み込みました。");

// Clicks `opener`, runs `use` on the modal dialog it opens and tells whether the dialog closed
// itself; a dialog still open afterwards is rejected.
inline bool closesDialogOpenedBy(QAbstractButton* opener, const std::function<void(QDialog*)>& use) {
    bool closed = false;
    onNextModal([&](QDialog* dialog) {
        use(dialog);
        closed = !dialog->isVisible();
    });
    opener->click();
    return closed;
}

// The main window on the simulated device, with the flows driven through its buttons.
struct FlowWindow {
    explicit FlowWindow(sim::DeviceOptions options = {})
        : device(std::move(options)) {
        discovery.ports = {{"Simulated USB device server", device.portPath()}};
    }

    sim::SimulatedDevice device;
    FakePortDiscovery discovery;
    ScriptedDialogs dialogs;
    MainWindow window{dialogs, discovery};
    QSignalSpy reads{&window, &MainWindow::readFinished};
    QSignalSpy writes{&window, &MainWindow::writeFinished};

    QWidget* widget(const QString& id) { return findControl(&window, id); }
    TabControl* tabs() { return control<TabControl>(&window, "pageTabs"); }
    template <class Page> Page* page() {
        for (QWidget* page : tabs()->pageArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (auto* found = dynamic_cast<Page*>(page)) {
                return found;
            }
        }
        return nullptr;
    }
    QLineEdit* serialEdit(const QString& id) { return control<QLineEdit>(page<SerialPage>(), id); }
    void click(const QString& id) { control<QAbstractButton>(&window, id)->click(); }

    // Waits for the `count`th signal of `spy` since the window was made; its result.
    static bool waitFor(QSignalSpy& spy, qsizetype count) {
        return waitUntil([&] { return spy.size() >= count; }) && spy.at(count - 1).at(0).toBool();
    }
    bool read() {
        dialogs.expectMessage(readSucceeded, &window);
        const qsizetype count = reads.size() + 1;
        click("readButton");
        return waitFor(reads, count);
    }
};

} // namespace marlo
