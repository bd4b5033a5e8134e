#include "pages/CMarloDlgTabConnect.h"

#include "resources/DialogIds.h"

namespace marlo {

CMarloDlgTabConnect::CMarloDlgTabConnect(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : SettingsPage(ids::connectionPageTemplate, document, dialogs, parent) {}

void CMarloDlgTabConnect::enableAll(bool on) {
    setEnabled(on);
}

void CMarloDlgTabConnect::loadFromSettings() {
    enableAll(true);
}

bool CMarloDlgTabConnect::validateAndStore() {
    return true;
}

} // namespace marlo
