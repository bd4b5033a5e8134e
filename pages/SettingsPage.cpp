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

bool SettingsPage::refuse(const QString& message, QWidget* control) {
    refusedControl_ = control;
    dialogs_.warning(this, message);
    return false;
}

void SettingsPage::focusRefusedControl() {
    if (refusedControl_ != nullptr) {
        focusForRetyping(refusedControl_);
    }
}

void SettingsPage::showSetting(QLineEdit* edit, Setting setting, std::size_t element) {
    setFieldText(edit, formatForEdit(setting, loaded_, element));
}

bool SettingsPage::storeSetting(const std::string& text, Setting setting, QWidget* control) {
    const char* refusal = storeFromEdit(setting, text, edited_, 0);
    return refusal == nullptr || refuse(QCoreApplication::translate("SettingsSchema", refusal), control);
}

} // namespace marlo
