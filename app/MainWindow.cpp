#include "app/MainWindow.h"

#include "app/HistoryDialog.h"
#include "app/SettingChanges.h"
#include "app/VersionText.h"
#include "device/DeviceBackups.h"
#include "device/DeviceMessages.h"
#include "pages/NetworkPage.h"
#include "pages/SerialPage.h"
#include "pages/WirelessPage.h"
#include "record/SettingsComparison.h"
#include "record/SettingsImport.h"
#include "resources/AppIcon.h"
#include "ui/DialogUnits.h"
#include "ui/OpenFailureMessage.h"
#include "ui/ReturnEscapeFilter.h"
#include "ui/TabControl.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <algorithm>
#include <memory>

namespace marlo {

namespace {

constexpr const char* noDeviceMessage =
    QT_TRANSLATE_NOOP("marlo::MainWindow", "デバイスが接続されていません。");
constexpr const char* readSucceededMessage =
    QT_TRANSLATE_NOOP("marlo::MainWindow", "デバイスからデータを読み込みました。");
constexpr const char* firmwarePrefix = "Firmware version : ";
constexpr const char* firmwareName = QT_TRANSLATE_NOOP("marlo::MainWindow", "ファームウェア");
constexpr const char* versionName = QT_TRANSLATE_NOOP("marlo::MainWindow", "バージョン");
constexpr const char* backupName = QT_TRANSLATE_NOOP("marlo::MainWindow", "バックアップ");
constexpr const char* discardQuestion =
    QT_TRANSLATE_NOOP("marlo::MainWindow", "書き込みも保存もしていない変更があります。変更を破棄しますか?");

// A screen reader reads a status line's name, then what the line shows.
void showStatusLine(QLabel* line, const char* name, const QString& text) {
    line->setText(text);
    const QString lineName = MainWindow::tr(name);
    line->setAccessibleName(text.isEmpty() ? lineName : lineName + QLatin1Char(' ') + text);
}

// A read of a typical record at 9600 baud takes a few seconds; the bar stops at its end.
constexpr int readProgressSeconds = 30;

} // namespace

MainWindow::MainWindow(UserDialogs& dialogs, PortDiscovery& discovery, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs)
    , discovery_(discovery)
    , link_([this](const std::string& text) {
        DeviceWorker::postFromOperation(
            [this, shown = QString::fromLocal8Bit(text)] { dialogs_.copyToClipboard(shown); });
    })
    , worker_(link_, this) {
    setWindowTitle(QString::fromLatin1(applicationTitle) + QStringLiteral("[*]"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(applicationIcon());
    createControls();
    new ReturnEscapeFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    const DialogUnits units = DialogUnits::forFont(font());
    // Static texts get at least one line of the font, which is taller than their template
    // rectangles for CJK fonts.
    const auto placeText = [&](QLabel* label, int x, int y, int width, int height) {
        QRect rect = units.toPixels(x, y, width, height);
        rect.setHeight(std::max(rect.height(), fontMetrics().height()));
        label->setGeometry(rect);
    };
    const auto addButton = [&](const QString& text, const char* id, int x, int y) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        button->setObjectName(QString::fromLatin1(id));
        button->setGeometry(units.toPixels(x, y, 85, 14));
        return button;
    };

    auto* portLabel = new QLabel(tr("接続USB-COM"), this);
    placeText(portLabel, 6, 8, 52, 10);
    portSelector_ = new QComboBox(this);
    portSelector_->setObjectName(QStringLiteral("portSelector"));
    const QRect selector = units.toPixels(60, 5, 145, 14);
    portSelector_->setGeometry(selector.x(), selector.y(), selector.width(),
                               portSelector_->sizeHint().height());
    portLabel->setBuddy(portSelector_);
    portSelector_->setAccessibleName(withoutMnemonic(portLabel->text()));

    readButton_ = addButton(tr("デバイスから読み込み"), "readButton", 215, 5);
    writeButton_ = addButton(tr("デバイスへの書き込み"), "writeButton", 215, 25);

    firmwareLine_ = new QLabel(this);
    firmwareLine_->setObjectName(QStringLiteral("firmwareLine"));
    firmwareLine_->setTextFormat(Qt::PlainText);
    placeText(firmwareLine_, 10, 30, 195, 8);

    tabs_ = new TabControl(this);
    tabs_->setObjectName(QStringLiteral("pageTabs"));
    tabs_->setGeometry(units.toPixels(10, 45, 290, 365));
    wirelessPage_ = new WirelessPage(document_, link_, dialogs_);
    connectionPage_ = new NetworkPage(document_, dialogs_);
    serialPage_ = new SerialPage(document_, dialogs_);
    tabs_->addTab(tr("無線/IPアドレス"), wirelessPage_);
    tabs_->addTab(tr("ネットワーク"), connectionPage_);
    tabs_->addTab(tr("シリアルポート"), serialPage_);

    historyButton_ = addButton(tr("履歴…"), "historyButton", 25, 415);
    loadButton_ = addButton(tr("ファイルから読み込み"), "loadButton", 120, 415);
    saveButton_ = addButton(tr("ファイルに保存"), "saveButton", 215, 415);

    versionLine_ = new QLabel(this);
    versionLine_->setObjectName(QStringLiteral("versionLine"));
    versionLine_->setTextFormat(Qt::PlainText);
    placeText(versionLine_, 10, 440, 290, 8);
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setGeometry(units.toPixels(10, 435, 290, 14));
    progressBar_->setTextVisible(false);
    progressBar_->hide();
    progressTimer_ = new ProgressTimer(progressBar_, this);

    setFixedSize(units.toPixels(315, 457));

    // The desktop's keys for the next and the previous tab work from anywhere in the window.
    const auto turnPage = [this](int step) {
        const int count = tabs_->tabBar()->count();
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
    };
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [turnPage] { turnPage(1); });
    }
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [turnPage] { turnPage(-1); });
    }

    // Every device operation, the station profile dialogs' included, talks to the port shown.
    connect(portSelector_, &QComboBox::currentIndexChanged, this, [this] {
        const PortEntry* port = selectedPort();
        link_.setPortPath(port != nullptr ? port->path : std::string());
    });
    connect(readButton_, &QPushButton::clicked, this, [this] {
        if (mayDiscardChanges()) {
            readFromDevice(false);
        }
    });
    connect(historyButton_, &QPushButton::clicked, this, &MainWindow::showHistory);
    for (SettingsPage* page : pages()) {
        page->watchUserEdits([this] { updatePendingMark(); });
    }
    connect(writeButton_, &QPushButton::clicked, this, &MainWindow::writeToDevice);
    connect(saveButton_, &QPushButton::clicked, this, &MainWindow::saveToFile);
    connect(loadButton_, &QPushButton::clicked, this, &MainWindow::loadFromFile);
}

bool MainWindow::initDialog() {
    if (!listPorts(std::nullopt)) {
        dialogs_.warning(this, tr(noDeviceMessage));
        return false;
    }

    tabs_->setCurrentIndex(0);
    tabs_->showPage(wirelessPage_);

    document_.configRecord.clear();
    document_.statusRecord.clear();
    document_.loaded.sta.currentIpAddress.clear();

    recordsReady_ = false;
    updateControls();
    showStatusLine(versionLine_, versionName, programVersionText());
    versionLine_->show();
    progressBar_->hide();
    setFirmwareLine(QString());
    return true;
}

void MainWindow::refreshPorts() {
    const int selected = portSelector_->currentIndex();
    std::optional<std::string> remembered;
    if (selected >= 0 && static_cast<std::size_t>(selected) < ports_.size()) {
        remembered = ports_[static_cast<std::size_t>(selected)].path;
    }
    portSelector_->clear();
    if (!listPorts(remembered)) {
        portsPresent_ = false;
        updateControls();
    }
}

bool MainWindow::listPorts(const std::optional<std::string>& rememberedPath) {
    if (!discovery_.discoverPorts(ports_) || ports_.empty()) {
        ports_.clear();
        return false;
    }
    for (const PortEntry& port : ports_) {
        portSelector_->addItem(QString::fromStdString(port.name));
    }
    portSelector_->setCurrentIndex(static_cast<int>(preferredPort(ports_, rememberedPath).value_or(0)));
    return true;
}

void MainWindow::readFromDevice(bool quiet) {
    if (worker_.busy()) {
        return;
    }
    const PortEntry* port = selectedPort();
    if (port == nullptr) {
        finishRead(ReadResult{}, quiet);
        return;
    }
    auto result = std::make_shared<ReadResult>();
    result->firmwareVersion = document_.firmwareVersion;
    result->portPath = port->path;
    startProgress(readProgressSeconds);
    worker_.start(
        [this, result] {
            result->succeeded =
                link_.readRecords(result->configRecord, result->statusRecord, result->firmwareVersion);
            result->reachFailure = link_.reachFailure();
            return 0;
        },
        [this, result, quiet](int) {
            stopProgress();
            finishRead(*result, quiet);
        });
    updateControls();
}

void MainWindow::finishRead(const ReadResult& result, bool quiet) {
    updateControls();
    if (!result.succeeded) {
        if (!quiet) {
            dialogs_.warning(
                this, withReachFailure(deviceMessage(communicationFailedMessage), result.reachFailure));
        }
        forgetRecords();
        emit readFinished(false);
        return;
    }
    SettingsDocument candidate = document_;
    candidate.configRecord = result.configRecord;
    candidate.statusRecord = result.statusRecord;
    candidate.firmwareVersion = result.firmwareVersion;
    candidate.loadedFromFile = 0;
    if (!adoptImport(std::move(candidate), 0)) {
        forgetRecords();
        emit readFinished(false);
        return;
    }
    recordsReady_ = true;
    updateControls();
    for (SettingsPage* page : pages()) {
        page->loadFromSettings();
    }
    setFirmwareLine(QString::fromLatin1(firmwarePrefix) + displayText(document_.firmwareVersion));
    keepBackupOfRead(result.portPath);
    writeBaseline_ = document_.loaded;
    settleChanges();
    if (!quiet) {
        dialogs_.message(this, tr(readSucceededMessage));
    }
    emit readFinished(true);
}

void MainWindow::setFirmwareLine(const QString& text) {
    showStatusLine(firmwareLine_, firmwareName, text);
}

const PortEntry* MainWindow::selectedPort() const {
    const int selected = portSelector_->currentIndex();
    if (selected < 0 || static_cast<std::size_t>(selected) >= ports_.size()) {
        return nullptr;
    }
    return &ports_[static_cast<std::size_t>(selected)];
}

bool MainWindow::adoptImport(SettingsDocument candidate, int copyToEdited) {
    if (!importSettings(candidate, copyToEdited, diagnosticSink())) {
        dialogs_.warning(this, QCoreApplication::translate("SettingsImport", importFailedMessage));
        return false;
    }
    document_ = std::move(candidate);
    return true;
}

MessageSink MainWindow::diagnosticSink() {
    return [this](const std::string& text) { dialogs_.diagnostic(displayText(text)); };
}

bool MainWindow::validatePages() {
    const QList<SettingsPage*> all = pages();
    for (int index = 0; index < all.size(); ++index) {
        if (!all[index]->validateAndStore()) {
            tabs_->setCurrentIndex(index);
            all[index]->focusRefusedControl();
            return false;
        }
    }
    return true;
}

void MainWindow::forgetRecords() {
    document_.configRecord.clear();
    document_.statusRecord.clear();
    document_.loaded.sta.currentIpAddress.clear();
    document_.firmwareVersion.clear();
}

void MainWindow::startProgress(int maximumSeconds) {
    versionLine_->hide();
    progressBar_->show();
    progressTimer_->restart(maximumSeconds);
}

void MainWindow::stopProgress() {
    progressTimer_->stop();
    versionLine_->show();
    progressBar_->hide();
}

void MainWindow::updateControls() {
    const bool idle = !worker_.busy();
    portSelector_->setEnabled(idle && portsPresent_);
    readButton_->setEnabled(idle);
    loadButton_->setEnabled(idle);
    historyButton_->setEnabled(idle && selectedPort() != nullptr);
    saveButton_->setEnabled(idle && recordsReady_);
    writeButton_->setEnabled(idle && recordsReady_);
    tabs_->pageArea()->setEnabled(idle);
}

QList<SettingsPage*> MainWindow::pages() const {
    return {wirelessPage_, connectionPage_, serialPage_};
}

void MainWindow::keepBackupOfRead(const std::string& portPath) {
    const auto backup = keepReadBackup(portPath, document_.configRecord, document_.firmwareVersion);
    if (const auto* failure = std::get_if<BackupFailure>(&backup)) {
        const QString reason = backupFailureMessage(*failure);
        showStatusLine(versionLine_, backupName, reason);
        versionLine_->setToolTip(reason);
    } else {
        showStatusLine(versionLine_, versionName, programVersionText());
        versionLine_->setToolTip(QString());
    }
}

DeviceSettings MainWindow::shownSettings(bool* refused) {
    const SettingsDocument kept = document_;
    bool anyRefused = false;
    for (SettingsPage* page : pages()) {
        anyRefused = !page->storeQuietly() || anyRefused;
    }
    DeviceSettings shown = settingsToWrite(document_);
    document_ = kept;
    if (refused != nullptr) {
        *refused = anyRefused;
    }
    return shown;
}

QStringList MainWindow::pendingChanges(bool* refused) {
    *refused = false;
    if (!recordsReady_) {
        return {};
    }
    const QStringList changes = changeLines(withCurrentProfiles(settled_), shownSettings(refused));
    // A value refused since the last read or save is a change; one refused then already is not.
    *refused = *refused && !settledRefused_;
    return changes;
}

void MainWindow::updatePendingMark() {
    bool refused = false;
    setWindowModified(!pendingChanges(&refused).isEmpty() || refused);
}

bool MainWindow::mayDiscardChanges() {
    bool refused = false;
    const QStringList changes = pendingChanges(&refused);
    if (changes.isEmpty() && !refused) {
        return true;
    }
    QString question = tr(discardQuestion);
    if (!changes.isEmpty()) {
        question += QStringLiteral("\n\n") + changes.join(QLatin1Char('\n'));
    }
    return dialogs_.confirm(this, question);
}

void MainWindow::settleChanges() {
    settled_ = shownSettings(&settledRefused_);
    setWindowModified(false);
}

DeviceSettings MainWindow::withCurrentProfiles(DeviceSettings settings) const {
    settings.profiles = document_.loaded.profiles;
    settings.profileCount = document_.loaded.profileCount;
    return settings;
}

void MainWindow::reject() {
    if (mayDiscardChanges()) {
        QDialog::reject();
    }
}

} // namespace marlo
