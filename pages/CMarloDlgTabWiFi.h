#pragma once

#include "pages/SettingsPage.h"

namespace marlo {

// The wireless and IP page: wireless interfaces, station profiles and the access point.
// Its controls are still to come; it takes part in the window's read, enable and validation
// sequence already.
class CMarloDlgTabWiFi : public SettingsPage {
public:
    CMarloDlgTabWiFi(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);

    void enableAll(bool on) override;
    void loadFromSettings() override;
    bool validateAndStore() override;
};

} // namespace marlo
