#pragma once

#include "record/ProfileRecords.h"
#include "ui/DeviceWorker.h"
#include "ui/ProgressTimer.h"

#include <QCoreApplication>
#include <QDialog>
#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace marlo {

class DeviceLink;
class UserDialogs;

// "プロファイルの編集": composes one station profile and registers it on the device at once. It
// closes with Accepted only after the device took the profile; `profile()` then holds what was
// sent.
class ProfileEditorDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ProfileEditorDialog)

public:
    // `start` prefills the controls: ssid, state, encryption, suite and keyType.
    ProfileEditorDialog(const EditedProfile& start, DeviceLink& link, UserDialogs& dialogs,
                        QWidget* parent = nullptr);

    const EditedProfile& profile() const { return profile_; }

    // Every way of closing ends here: nothing closes the dialog while the registration runs, and
    // once the device took the profile it closes with Accepted.
    void done(int result) override;

private:
    enum Status { nothingSent, refused, accepted };

    void createControls();
    QWidget* createSecurityGroup();
    // Level 0 while busy, else 1, 2 with encryption on, 3 with WEP as well.
    void applyEnableLevels();
    // WPA and WPA2 take the key from row 1; WEP keys are always hexadecimal.
    void applySecurityRule();
    void registerProfile();
    void startRegistration(const std::string& record);
    void finishRegistration(bool succeeded, const std::string& reply);
    // The bytes of the SSID edit: the prefilled bytes while the text is the one shown for them.
    std::optional<Text> ssidBytes() const;

    DeviceLink& link_;
    UserDialogs& dialogs_;
    const EditedProfile start_;
    EditedProfile profile_;
    QString prefilledSsid_; // the SSID as shown, standing for the bytes of `start_`
    Status status_ = nothingSent;
    DeviceWorker worker_;

    QCheckBox* profileOn_ = nullptr;
    QLineEdit* ssid_ = nullptr;
    QCheckBox* encryption_ = nullptr;
    QButtonGroup* suite_ = nullptr;
    QButtonGroup* keyType_ = nullptr;
    QButtonGroup* transmit_ = nullptr;
    std::array<QLineEdit*, keyRows> keys_{};
    QPushButton* ok_ = nullptr;
    QProgressBar* progress_ = nullptr;
    ProgressTimer* progressTimer_ = nullptr;
    QTimer* statusTimer_ = nullptr;
};

} // namespace marlo
