#include "pages/SettingsPage.h"

#include "pages/PageFields.h"
#include "pages/TrimmedText.h"
#include "record/SettingEdits.h"
#include "ui/UserDialogs.h"
#include "ui/WidgetText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
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
    if (!quiet_) {
        dialogs_.warning(this, message);
    }
    return false;
}

bool SettingsPage::storeQuietly() {
    quiet_ = true;
    const bool stored = validateAndStore();
    quiet_ = false;
    return stored;
}

void SettingsPage::watchUserEdits(const std::function<void()>& edited) {
    // Signals of the user's own changes only: loading the page changes nothing the user did.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textEdited, this, edited);
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        connect(button, &QAbstractButton::clicked, this, edited);
    }
    for (QComboBox* list : findChildren<QComboBox*>()) {
        connect(list, &QComboBox::activated, this, edited);
    }
}

void SettingsPage::focusRefusedControl() {
    if (refusedControl_ != nullptr) {
        focusForRetyping(refusedControl_);
    }
}

void SettingsPage::showSetting(QLineEdit* edit, Setting setting, std::size_t element) {
    setFieldText(edit, formatForEdit(setting, loaded_, element));
}

void SettingsPage::bindFlag(QCheckBox* box, Setting setting) {
    flags_.emplace_back(box, setting);
}

void SettingsPage::bindChoice(QButtonGroup* group, Setting setting, int fallback) {
    choices_.push_back({group, setting, fallback});
}

void SettingsPage::bindText(QLineEdit* edit, Setting setting) {
    texts_.emplace_back(edit, setting);
}

void SettingsPage::showBound() {
    for (const auto& [box, setting] : flags_) {
        box->setChecked(fieldOf<Flag>(settingRow(setting), loaded_) != 0);
    }
    for (const Choice& choice : choices_) {
        tickValue(choice.group, static_cast<int>(numberOf(settingRow(choice.setting), loaded_)));
    }
    for (const auto& [edit, setting] : texts_) {
        edit->setText(displayText(fieldOf<Text>(settingRow(setting), loaded_)));
    }
}

void SettingsPage::storeBound(std::initializer_list<Setting> settings) {
    const auto named = [settings](Setting setting) {
        return settings.size() == 0 || std::find(settings.begin(), settings.end(), setting) != settings.end();
    };
    for (const auto& [box, setting] : flags_) {
        if (named(setting)) {
            fieldOf<Flag>(settingRow(setting), edited_) = box->isChecked() ? 1 : 0;
        }
    }
    for (const Choice& choice : choices_) {
        if (!named(choice.setting)) {
            continue;
        }
        const int ticked = choice.group->checkedId();
        const int value = ticked != -1 ? ticked : choice.fallback;
        storeNumber(settingRow(choice.setting), edited_, 0, value);
    }
}

std::optional<TypedText> SettingsPage::boundText(Setting setting) const {
    const auto bound = std::find_if(texts_.begin(), texts_.end(),
                                    [setting](const auto& text) { return text.second == setting; });
    if (bound == texts_.end()) {
        return std::nullopt;
    }
    const std::optional<Text> text = trimmedText(bound->first->text());
    return text ? TypedText{*text} : TypedText{{}, false};
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
