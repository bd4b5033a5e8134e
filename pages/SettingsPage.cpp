#include "pages/SettingsPage.h"

#include "ui/ControlId.h"
#include "ui/UserDialogs.h"

namespace marlo {

SettingsPage::SettingsPage(int templateId, SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , loaded_(document.loaded)
    , edited_(document.edited)
    , dialogs_(dialogs) {
    setDialogTemplate(this, templateId);
}

bool SettingsPage::refuse(const char* message) {
    dialogs_.message(this, QString::fromUtf8(message));
    return false;
}

} // namespace marlo
