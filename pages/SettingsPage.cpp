#include "pages/SettingsPage.h"

#include "pages/PageFields.h"
#include "record/SettingEdits.h"
#include "ui/UserDialogs.h"

#include <QCoreApplication>

namespace marlo {

SettingsPage::SettingsPage(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , loaded_(document.loaded)
    , edited_(document.edited)
    , dialogs_(dialogs) {}

bool SettingsPage::refuse(const QString& message) {
    dialogs_.message(this, message);
    return false;
}

void SettingsPage::showSetting(QLineEdit* edit, Setting setting, std::size_t element) {
    setFieldText(edit, formatForEdit(setting, loaded_, element));
}

bool SettingsPage::storeSetting(const std::string& text, Setting setting, std::size_t element) {
    const char* refusal = storeFromEdit(setting, text, edited_, element);
    return refusal == nullptr || refuse(QCoreApplication::translate("SettingsSchema", refusal));
}

} // namespace marlo
