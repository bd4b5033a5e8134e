#include "pages/CMarloDlgTabWiFi.h"

#include "resources/DialogIds.h"

namespace marlo {

CMarloDlgTabWiFi::CMarloDlgTabWiFi(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : SettingsPage(ids::wirelessPageTemplate, document, dialogs, parent) {}

void CMarloDlgTabWiFi::enableAll(bool on) {
    setEnabled(on);
}

void CMarloDlgTabWiFi::loadFromSettings() {
    enableAll(true);
}

bool CMarloDlgTabWiFi::validateAndStore() {
    return true;
}

} // namespace marlo
