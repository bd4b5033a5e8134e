#pragma once

#include "pages/SettingsPage.h"

#include <QCoreApplication>
#include <QList>
#include <array>
#include <cstdint>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marlo {

class DeviceLink;

// The wireless and IP page: the radio band and keep-alive, the station interface and the access
// point interface with their addresses, the buttons to the station profiles and the access point
// dialogs, and the station's current address. It never talks to the device itself.
class WirelessPage : public SettingsPage {
    Q_DECLARE_TR_FUNCTIONS(WirelessPage)

public:
    WirelessPage(SettingsDocument& document, DeviceLink& link, UserDialogs& dialogs,
                 QWidget* parent = nullptr);

    void enableAll(bool on) override;
    void loadFromSettings() override;
    bool validateAndStore() override;

private:
    static constexpr int addressCount = 5; // address, mask, gateway, two name servers

    QWidget* createBandGroup();
    QWidget* createStationColumn();
    QWidget* createAccessPointColumn();
    QLineEdit* addEdit(const char* id);
    QComboBox* addPriority(const char* id);
    // The five address edits of one column under their labels, named for assistive technology
    // with the column's prefix.
    void addAddressEdits(QGridLayout* grid, int row, const char* const (&controlIds)[addressCount],
                         const QString& prefix, std::array<QLineEdit*, addressCount>& edits);

    void applyStationRule();
    void applyDhcpRule();
    void applyAccessPointRule();
    void showCurrentAddress();

    // Stores the band, the check boxes and the priorities into `edited`; the addresses are stored
    // by the checks.
    void storeChoices();

    void openStationProfilesDialog();
    void openAccessPointDialog();

    DeviceLink& link_; // handed on to the station profiles dialog

    QList<QWidget*> stationControls_;     // follow "STAモード 有効"
    QList<QWidget*> accessPointControls_; // follow "APモード 有効"

    QButtonGroup* band_ = nullptr;
    QCheckBox* stationEnabled_ = nullptr;
    QPushButton* stationProfilesButton_ = nullptr;
    QComboBox* stationPriority_ = nullptr;
    QCheckBox* keepAlive_ = nullptr;
    QCheckBox* dhcpClient_ = nullptr;
    std::array<QLineEdit*, addressCount> stationAddresses_{};

    QCheckBox* accessPointEnabled_ = nullptr;
    QPushButton* accessPointButton_ = nullptr;
    QComboBox* accessPointPriority_ = nullptr;
    QLineEdit* dhcpRangeStart_ = nullptr;
    QLineEdit* dhcpRangeEnd_ = nullptr;
    std::array<QLineEdit*, addressCount> accessPointAddresses_{};

    QLabel* currentAddressLabel_ = nullptr;
    QLabel* currentAddressValue_ = nullptr;
};

} // namespace marlo
