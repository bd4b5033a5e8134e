#pragma once

#include "device/DeviceLink.h"
#include "device/PortDiscovery.h"
#include "record/RecordReader.h"
#include "record/SettingsDocument.h"
#include "ui/DeviceWorker.h"
#include "ui/ProgressTimer.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace marlo {

class NetworkPage;
class SerialPage;
class WirelessPage;
class SettingsPage;
class TabControl;
class UserDialogs;

// The main window: the port selector, the device and file buttons, the three settings pages on a
// tab control, the firmware line and the status line that shows the version or a progress bar.
// It owns the settings, the device link and the port list.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    MainWindow(UserDialogs& dialogs, PortDiscovery& discovery, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Fills the port selector and sets the starting state. With no port present it shows
    // "デバイスが接続されていません。" and returns false: the program then ends.
    bool initDialog();

    // Rebuilds the port list after a port came or went. The selector is disabled when no port is
    // left and stays disabled when ports return.
    void refreshPorts();

    // The read flow on the worker thread; the window stays usable while it runs. Quiet leaves out
    // the success and communication messages. Refused while another device operation runs.
    void readFromDevice(bool quiet);

    void startProgress(int maximumSeconds);
    void stopProgress();

    const SettingsDocument& settings() const { return document_; }

signals:
    void readFinished(bool succeeded);
    // After a write's message; a successful write goes on with the quiet read.
    void writeFinished(bool succeeded);

private:
    struct ReadResult {
        bool succeeded = false;
        std::string configRecord;
        std::string statusRecord;
        std::string firmwareVersion;
        std::optional<PortOpenFailure> reachFailure;
        std::string portPath; // the port read, whatever the selector shows by the end
    };

    void createControls();
    // Discovers the ports into the empty selector and selects the preferred one; false, with
    // the list empty, when no port is present.
    bool listPorts(const std::optional<std::string>& rememberedPath);
    // The selected entry of the port selector; none when the selector is empty.
    const PortEntry* selectedPort() const;
    MessageSink diagnosticSink();
    // Imports the records of `candidate`, a copy of the settings, and makes it the window's
    // settings. A record the import rejects part way leaves nothing of itself in them, so that a
    // later save or write renders what the pages show; false after the import's messages.
    bool adoptImport(SettingsDocument candidate, int copyToEdited);
    // Each page checks and stores its controls, in tab order. The first page that refuses is
    // shown with its tab selected, the refused control in focus.
    bool validatePages();

    // The write button: checks the pages, asks whether the device is reset afterwards and sends
    // the record on the worker.
    void writeToDevice();
    void finishWrite(bool succeeded, const std::string& reply,
                     const std::optional<PortOpenFailure>& reachFailure);
    void saveToFile();
    void loadFromFile();
    // Loads a record file as the file button does; the history restores a backup through it,
    // keeping what was last read from the device as what a write changes.
    void loadRecordFile(const QString& path, bool restoring = false);
    // The history button: lists the backups of the device on the selected port and restores the
    // one chosen.
    void showHistory();
    // Keeps the record just read among the backups of the device on the port; the status line says
    // why when it could not.
    void keepBackupOfRead(const std::string& portPath);
    void finishRead(const ReadResult& result, bool quiet);
    // Shows `text` in the firmware line, named for a screen reader.
    void setFirmwareLine(const QString& text);
    // Empties the records, the current IP address and the firmware version after a failed read.
    void forgetRecords();
    // Enables the port selector and buttons from the window's state.
    void updateControls();

    // The settings the pages and dialogs show now, as a write would put them on the device;
    // `refused` tells whether a page holds a value its checks refuse.
    DeviceSettings shownSettings(bool* refused = nullptr);
    // What the pages hold that was neither written nor saved, one line a setting; `refused` as above.
    QStringList pendingChanges(bool* refused);
    // The window's title marks pending changes.
    void updatePendingMark();
    // True when nothing is pending or the user agrees to discard it.
    bool mayDiscardChanges();
    // What is written, saved or read now counts as nothing pending.
    void settleChanges();
    // Closing the window (its close box) asks before pending changes are lost.
    void reject() override;
    QList<SettingsPage*> pages() const;

    UserDialogs& dialogs_;
    PortDiscovery& discovery_;
    SettingsDocument document_;
    DeviceLink link_;
    DeviceWorker worker_;
    std::vector<PortEntry> ports_;

    bool portsPresent_ = true;  // false once a refresh found no port, until a write ends
    bool recordsReady_ = false; // after a successful read or file load
    // What was last read, loaded, written or saved: pending changes differ from it.
    DeviceSettings settled_;
    bool settledRefused_ = false; // a page refused a value of what was settled
    // `settings` with the station profiles the device has now: they change on the device at once,
    // are never written with the record and never pending.
    DeviceSettings withCurrentProfiles(DeviceSettings settings) const;
    // What the write confirmation lists changes from: the device's settings as last read, or the
    // file's as loaded.
    DeviceSettings writeBaseline_;

    QComboBox* portSelector_ = nullptr;
    QPushButton* readButton_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* historyButton_ = nullptr;
    QLabel* firmwareLine_ = nullptr;
    QLabel* versionLine_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    ProgressTimer* progressTimer_ = nullptr;
    TabControl* tabs_ = nullptr;
    WirelessPage* wirelessPage_ = nullptr;
    NetworkPage* connectionPage_ = nullptr;
    SerialPage* serialPage_ = nullptr;
};

} // namespace marlo
