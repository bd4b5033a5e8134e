#pragma once

#include "record/SettingsDocument.h"

#include <QCoreApplication>
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace marlo {

class UserDialogs;

// "APモードの設定": the device's own access point. OK stores into `edited` and marks it as
// holding a complete access point setting; nothing goes to the device from here.
class AccessPointDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(AccessPointDialog)

public:
    AccessPointDialog(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);

    void accept() override;

private:
    QWidget* createSecurityGroup();
    void loadControls();
    // The suite radios, the ciphers and the password follow "暗号化の有効"; with it ticked and no
    // suite chosen, "WPA2" is chosen.
    void applyEncryptionRule();
    bool store();
    bool refuse(const QString& message);

    SettingsDocument& document_;
    UserDialogs& dialogs_;
    // The values the dialog opened with: `edited` once it holds a complete setting, else `loaded`.
    DeviceSettings::AccessPoint shown_;

    QLineEdit* ssid_ = nullptr;
    QCheckBox* encryption_ = nullptr;
    QButtonGroup* suite_ = nullptr;
    QCheckBox* ccmp_ = nullptr;
    QCheckBox* tkip_ = nullptr;
    QLineEdit* password_ = nullptr;
    QComboBox* channel_ = nullptr;
    QCheckBox* scanRequests_ = nullptr;
};

} // namespace marlo
