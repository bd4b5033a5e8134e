#include "app/HistoryDialog.h"
#include "app/MainWindow.h"
#include "device/DeviceBackups.h"
#include "pages/SettingsPage.h"
#include "record/RecordFile.h"
#include "record/RecordWriter.h"
#include "record/SettingsComparison.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QFile>
#include <QLabel>

namespace marlo {

namespace {

constexpr const char* savedMessage =
    QT_TRANSLATE_NOOP("marlo::MainWindow", "設定データをファイルに保存しました。");
constexpr const char* loadedMessage =
    QT_TRANSLATE_NOOP("marlo::MainWindow", "設定データをファイルからロードしました。");

// The record writer's questions, asked in prompts owned by one window.
class WindowPasswordPrompt : public PasswordPrompt {
public:
    WindowPasswordPrompt(UserDialogs& dialogs, QWidget* owner)
        : dialogs_(dialogs)
        , owner_(owner) {}

    PasswordAnswer ask(const PasswordRequest& request) override {
        return dialogs_.askPassword(owner_, request);
    }

private:
    UserDialogs& dialogs_;
    QWidget* owner_;
};

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fileErrorText(int error) {
    return QString::fromLocal8Bit(recordFileErrorText(error));
}

} // namespace

void MainWindow::saveToFile() {
    if (worker_.busy() || !validatePages()) {
        return;
    }
    document_.edited.reboot = 0;
    WindowPasswordPrompt prompt(dialogs_, this);
    RecordRefusal refusal;
    std::optional<std::string> record = buildRecord(document_, RecordTarget::file, &prompt, &refusal);
    if (!record) {
        if (refusal.message != nullptr) {
            dialogs_.warning(this, refusalText(refusal));
        }
        return;
    }
    const std::optional<QString> path = dialogs_.saveRecordFile(this);
    if (!path) {
        return;
    }
    if (const int error = writeRecordFile(localPath(*path), *record); error != 0) {
        dialogs_.warning(this, fileErrorText(error));
        return;
    }
    settleChanges();
    dialogs_.message(this, tr(savedMessage));
}

void MainWindow::loadFromFile() {
    if (worker_.busy() || !mayDiscardChanges()) {
        return;
    }
    if (const std::optional<QString> path = dialogs_.openRecordFile(this)) {
        loadRecordFile(*path);
    }
}

void MainWindow::loadRecordFile(const QString& path, bool restoring) {
    const bool keepsBaseline = restoring && recordsReady_;
    std::string text;
    if (const int error = readRecordFile(localPath(path), text); error != 0) {
        dialogs_.warning(this, fileErrorText(error));
        return;
    }
    forgetRecords();
    SettingsDocument candidate = document_;
    candidate.loadedFromFile = 1;
    candidate.configRecord = std::move(text);
    if (!adoptImport(std::move(candidate), 1)) {
        return;
    }
    recordsReady_ = true;
    updateControls();
    for (SettingsPage* page : pages()) {
        page->loadFromSettings();
    }
    setFirmwareLine(QString());
    if (!keepsBaseline) {
        writeBaseline_ = document_.loaded;
    }
    settleChanges();
    dialogs_.message(this, tr(loadedMessage));
}

void MainWindow::showHistory() {
    const PortEntry* port = selectedPort();
    if (worker_.busy() || port == nullptr) {
        return;
    }
    const auto listed = backupsOfPort(port->path);
    if (const auto* failure = std::get_if<BackupFailure>(&listed)) {
        dialogs_.warning(this, backupFailureMessage(*failure));
        return;
    }
    const DeviceSettings shown = shownSettings();
    std::vector<HistoryRow> rows;
    for (const BackupEntry& backup : std::get<std::vector<BackupEntry>>(listed)) {
        HistoryRow row{backup, std::nullopt};
        std::string text;
        if (readRecordFile(backup.path, text) == 0) {
            if (const auto settings = settingsOfRecord(backupRecord(text))) {
                row.differences = static_cast<int>(differingSettings(*settings, shown).size());
            }
        }
        rows.push_back(std::move(row));
    }
    HistoryDialog history(rows, this);
    if (history.exec() != QDialog::Accepted) {
        return;
    }
    if (const std::optional<std::string> chosen = history.chosenBackup(); chosen && mayDiscardChanges()) {
        loadRecordFile(QFile::decodeName(QByteArray::fromStdString(*chosen)), true);
    }
}

} // namespace marlo
