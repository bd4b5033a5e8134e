#include "pages/SettingsPage.h"

#include "pages/PageFields.h"
#include "record/SettingEdits.h"
#include "ui/UserDialogs.h"

#include <QCoreApplication>
#include <algorithm>

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

bool SettingsPage::passes(std::initializer_list<CheckSection> sections, const EditTexts& texts) {
    const RefusalSink showFirst = [this](const ConfigurationRefusal& refusal) {
        return refuse(QCoreApplication::translate(refusal.context, refusal.message),
                      findChild<QWidget*>(QString::fromLatin1(refusal.control)));
    };
    return std::all_of(sections.begin(), sections.end(), [&](CheckSection section) {
        return checkSection(section, document_, texts, showFirst);
    });
}

} // namespace marlo
