#pragma once

#include "pages/SettingsPage.h"

namespace marlo {

// The network page: the tunnel's server and client modes and its disconnect rules.
// Its controls are still to come; it takes part in the window's read, enable and validation
// sequence already.
class CMarloDlgTabConnect : public SettingsPage {
public:
    CMarloDlgTabConnect(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);

    void enableAll(bool on) override;
    void loadFromSettings() override;
    bool validateAndStore() override;
};

} // namespace marlo
