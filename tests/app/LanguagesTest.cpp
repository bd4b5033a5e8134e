#include "app/PasswordDialog.h"
#include "app/Program.h"
#include "app/ProgramTranslators.h"
#include "app/SettingChanges.h"
#include "app/WriteConfirmationDialog.h"
#include "tests/app/FlowWindow.h"
#include "tests/support/JapaneseText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace marlo;

namespace {

// What is wrong with one window as a user sees it: a text in Japanese where English was chosen, a
// text wider or taller than its control, a control reaching out of its parent.
class WindowReview {
public:
    explicit WindowReview(bool english)
        : english_(english) {}

    void review(QWidget* window) {
        look(window, window->windowTitle(), QStringLiteral("window title"));
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            tree << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
                        widget->objectName();
            if (widget->isVisibleTo(window) && !insideCompositeControl(widget, window)) {
                reviewControl(widget);
            }
        }
    }

    QStringList faults;
    QStringList tree; // every control of every window reviewed, by class and object name

private:
    void look(QWidget* where, const QString& text, const QString& what) {
        if (english_ && hasJapanese(text)) {
            faults << QStringLiteral("%1: %2 in Japanese: %3").arg(name(where), what, text);
        }
    }

    static QString name(QWidget* widget) {
        return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) +
                                                    " \"" + widget->accessibleName() + "\""
                                              : widget->objectName();
    }

    // The parts of combo boxes, lists and tab bars are theirs to lay out.
    static bool insideCompositeControl(QWidget* widget, QWidget* window) {
        for (QWidget* parent = widget->parentWidget(); parent != nullptr && parent != window;
             parent = parent->parentWidget()) {
            if (qobject_cast<QComboBox*>(parent) != nullptr ||
                qobject_cast<QAbstractItemView*>(parent) != nullptr ||
                qobject_cast<QTabBar*>(parent) != nullptr) {
                return true;
            }
        }
        return false;
    }

    void clipped(QWidget* widget, const QString& text, QSize needed) {
        faults << QStringLiteral("%1: \"%2\" needs %3x%4 px, has %5x%6")
                      .arg(name(widget), text)
                      .arg(needed.width())
                      .arg(needed.height())
                      .arg(widget->width())
                      .arg(widget->height());
    }

    void reviewControl(QWidget* widget) {
        look(widget, widget->accessibleName(), QStringLiteral("accessible name"));
        look(widget, widget->accessibleDescription(), QStringLiteral("accessible description"));
        look(widget, widget->toolTip(), QStringLiteral("tool tip"));
        QWidget* parent = widget->parentWidget();
        if (parent != nullptr && !QRect(QPoint(0, 0), parent->size()).contains(widget->geometry())) {
            faults << QStringLiteral("%1 reaches out of %2 (%3,%4 %5x%6 in %7x%8)")
                          .arg(name(widget), name(parent))
                          .arg(widget->x())
                          .arg(widget->y())
                          .arg(widget->width())
                          .arg(widget->height())
                          .arg(parent->width())
                          .arg(parent->height());
        }
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            look(widget, label->text(), QStringLiteral("text"));
            // A line's ink fits in its ascent and descent; the line spacing beyond them may be cut.
            // A label with a buddy draws its mnemonic '&' as an underline, not as a character.
            int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
            if (label->buddy() != nullptr) {
                flags |= Qt::TextShowMnemonic;
            }
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, label->width(), 10000), flags, label->text());
            if (needed.width() > label->width() ||
                needed.height() - metrics.lineSpacing() + metrics.ascent() > label->height() + 1) {
                clipped(widget, label->text(), needed.size());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            look(widget, button->text(), QStringLiteral("text"));
            const int needed = qobject_cast<QPushButton*>(widget) != nullptr
                                   ? metrics.size(Qt::TextShowMnemonic, button->text()).width() + 4
                                   : button->minimumSizeHint().width();
            if (needed > button->width()) {
                clipped(widget, button->text(), {needed, 0});
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            look(widget, group->title(), QStringLiteral("title"));
            if (metrics.horizontalAdvance(group->title()) > group->width()) {
                clipped(widget, group->title(), {metrics.horizontalAdvance(group->title()), 0});
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                look(widget, combo->itemText(i), QStringLiteral("item"));
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                look(widget, tabs->tabText(i), QStringLiteral("tab"));
                if (tabs->tabRect(i).right() > tabs->width()) {
                    clipped(widget, tabs->tabText(i), {tabs->tabRect(i).right(), 0});
                }
            }
        } else if (auto* list = qobject_cast<QAbstractItemView*>(widget); list != nullptr && list->model()) {
            for (int column = 0; column < list->model()->columnCount(); ++column) {
                look(widget, list->model()->headerData(column, Qt::Horizontal).toString(),
                     QStringLiteral("column"));
            }
        }
    }

    bool english_;
};

// Every window of the program, each as the user opens it on the simulated device, passed to
// `review` while it is shown.
void openEveryWindow(FlowWindow& flow, const QString& readMessage,
                     const std::function<void(QWidget*)>& review) {
    QVERIFY(flow.window.initDialog());
    flow.window.show();
    flow.dialogs.expectMessage(readMessage, &flow.window);
    const qsizetype count = flow.reads.size() + 1;
    flow.click("readButton");
    QVERIFY(FlowWindow::waitFor(flow.reads, count));
    for (int tab = 0; tab < flow.tabs()->tabBar()->count(); ++tab) {
        flow.tabs()->setCurrentIndex(tab);
        review(&flow.window);
    }
    flow.tabs()->setCurrentIndex(0);
    closesDialogOpenedBy(control<QAbstractButton>(&flow.window, "accessPointButton"), review);
    closesDialogOpenedBy(control<QAbstractButton>(&flow.window, "stationProfilesButton"),
                         [&](QDialog* profiles) {
                             review(profiles);
                             closesDialogOpenedBy(control<QAbstractButton>(profiles, "profileNew"), review);
                         });
    flow.tabs()->setCurrentIndex(1);
    control<QAbstractButton>(&flow.window, "clientMode")->click();
    closesDialogOpenedBy(control<QAbstractButton>(&flow.window, "destinationsButton"), review);

    closesDialogOpenedBy(control<QAbstractButton>(&flow.window, "historyButton"), review);

    DeviceSettings factory = flow.window.settings().loaded;
    factory.line.baudRate = 9600;
    factory.accessPoint.passphrase = "changed";
    WriteConfirmationDialog confirmation(changeLines(factory, flow.window.settings().loaded), &flow.window);
    confirmation.show();
    review(&confirmation);
    PasswordRequest request;
    request.secret = SecretKind::profileKey;
    request.promptText =
        "ファイルに保存する SSID [ %1 ] プロファイルの接続パスワードを入力してください。(16進数64文字)";
    request.okCaption = "SSIDプロファイルを保存";
    request.skipCaption = "このSSIDのプロファイルは保存しない";
    request.networkName = "office-net";
    PasswordDialog password(flow.dialogs, request, &flow.window);
    password.show();
    review(&password);
}

WindowReview reviewed(bool english) {
    prepareApplication();
    // Each language's history lists the one backup of its own read, so that both windows match.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    const ProgramTranslators translators(english ? Language::english : Language::japanese);
    WindowReview review(english);
    FlowWindow flow;
    int windows = 0;
    openEveryWindow(flow,
                    english ? QStringLiteral("The settings were read from the device.")
                            : QStringLiteral("デバイスからデータを読み込みました。"),
                    [&](QWidget* window) {
                        QTest::qWait(1); // the window lays itself out
                        review.review(window);
                        ++windows;
                    });
    if (windows != 10) {
        review.faults << QStringLiteral("%1 windows of 10 reviewed").arg(windows);
    }
    return review;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    // In English no text is left in Japanese; in both languages no text is clipped and the windows
    // hold the same controls.
    void everyWindowHoldsBothLanguages() {
        const WindowReview english = reviewed(true);
        const WindowReview japanese = reviewed(false);
        QVERIFY2(english.faults.isEmpty(), qPrintable(english.faults.join(QLatin1Char('\n'))));
        QVERIFY2(japanese.faults.isEmpty(), qPrintable(japanese.faults.join(QLatin1Char('\n'))));
        QVERIFY(!english.tree.isEmpty());
        QCOMPARE(english.tree, japanese.tree);
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
