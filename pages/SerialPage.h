#pragma once

#include "pages/SettingsPage.h"

#include <QCoreApplication>
#include <QList>
#include <cstdint>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace marlo {

// The serial page: the device's serial line, packet building of the tunnel and the receive-queue
// update conditions. It never talks to the device.
class SerialPage : public SettingsPage {
    Q_DECLARE_TR_FUNCTIONS(SerialPage)

public:
    SerialPage(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);

    void enableAll(bool on) override;
    void loadFromSettings() override;
    bool validateAndStore() override;

private:
    QWidget* createLineGroup();
    QWidget* createPackingGroup();
    QWidget* createQueueGroup();
    QRadioButton* addRadio(QButtonGroup* group, int value, const char* id, const QString& text,
                           const QString& groupLabel);
    QLineEdit* addEdit(const char* id);

    // Xon and Xoff follow "ソフトウェア"; the packing controls follow the packing check box and
    // the mode radios. Both rules also fill empty edits with defaults.
    void applyFlowRule();
    void applyPackingRule();

    // Stores the radio buttons and check boxes into `edited`; the edit boxes are stored by the checks.
    void storeChoices();

    QList<QWidget*> controls_; // the 26 controls the enable rule switches, in tab order

    QComboBox* baudRate_ = nullptr;
    QButtonGroup* dataBits_ = nullptr;
    QButtonGroup* stopBits_ = nullptr;
    QButtonGroup* parity_ = nullptr;
    QButtonGroup* flowControl_ = nullptr;
    QLineEdit* xon_ = nullptr;
    QLineEdit* xoff_ = nullptr;

    QCheckBox* packing_ = nullptr;
    QLineEdit* packingThreshold_ = nullptr;
    QButtonGroup* packingMode_ = nullptr;
    QLineEdit* timeout_ = nullptr;
    QLineEdit* sendCharacter_ = nullptr;
    QCheckBox* flushSendCharacter_ = nullptr;
    QCheckBox* trailingEnabled_ = nullptr;
    QLineEdit* trailingCharacter_ = nullptr;

    QLineEdit* gapTime_ = nullptr;
    QLineEdit* queueThreshold_ = nullptr;
    QLineEdit* firstMatch_ = nullptr;
    QLineEdit* secondMatch_ = nullptr;
};

} // namespace marlo
