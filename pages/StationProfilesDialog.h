#pragma once

#include "device/ScanAnswer.h"
#include "record/ProfileRecords.h"
#include "record/SettingsDocument.h"
#include "ui/DeviceWorker.h"
#include "ui/ProgressTimer.h"

#include <QCoreApplication>
#include <QDialog>
#include <functional>
#include <vector>

class QProgressBar;
class QTreeWidget;

namespace marlo {

class DeviceLink;
class UserDialogs;

// "接続先の設定": the station profiles stored on the device and the access points a scan finds.
// Adding, switching and deleting a profile go to the device at once and update
// `loaded.profiles`; closing the dialog returns nothing.
class StationProfilesDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(StationProfilesDialog)

public:
    StationProfilesDialog(SettingsDocument& document, DeviceLink& link, UserDialogs& dialogs,
                          QWidget* parent = nullptr);

    // Both close the dialog unless a device operation runs.
    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void fillProfileList();
    void setProfileRow(int index);
    // The row of the list's selection, or -1.
    static int selectedRow(const QTreeWidget* list);

    void addNewProfile();
    void addFromScan();
    void runEditor(const EditedProfile& start);
    void switchProfile();
    void deleteProfile();
    void scan();

    // Runs `operation` on the worker with every control but the progress bar disabled; `done`
    // runs on the dialog's thread once the controls are back.
    void runBusy(std::function<bool()> operation, std::function<void(bool)> done);
    void setControlsEnabled(bool on);

    SettingsDocument& document_;
    DeviceSettings& loaded_;
    DeviceLink& link_;
    UserDialogs& dialogs_;
    std::vector<ScanResult> scanResults_;
    DeviceWorker worker_;

    QTreeWidget* profileList_ = nullptr;
    QTreeWidget* scanList_ = nullptr;
    QList<QWidget*> controls_;
    QProgressBar* progress_ = nullptr;
    ProgressTimer* progressTimer_ = nullptr;
};

} // namespace marlo
