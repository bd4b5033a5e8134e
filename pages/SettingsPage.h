#pragma once

#include "record/ConfigurationCheck.h"
#include "record/SettingsDocument.h"
#include "record/SettingsSchema.h"

#include <QString>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace marlo {

class UserDialogs;

// A page of the main window's tab control. The main window knows a page by three operations:
// switch all its controls on or off, show the `loaded` settings, and check its controls and store
// them into `edited`.
class SettingsPage : public QWidget {
public:
    SettingsPage(SettingsDocument& document, UserDialogs& dialogs, QWidget* parent = nullptr);

    virtual void enableAll(bool on) = 0;
    virtual void loadFromSettings() = 0;
    // Checks the controls in a fixed order and stores each value into `edited` as soon as it
    // passes. At the first failure it shows that check's message and returns false; values stored
    // before the failure stay.
    virtual bool validateAndStore() = 0;
    // Once the page is shown after a refused validation: the control whose value was refused
    // takes the focus, its text selected for typing over.
    void focusRefusedControl();
    // The same checks and stores with no message shown; false when a value was refused.
    bool storeQuietly();
    // Calls `edited` after each change the user makes on the page, a dialog it opens included
    // (once the dialog is closed).
    void watchUserEdits(const std::function<void()>& edited);

protected:
    // Shows `message` in a box owned by the page and remembers `control` as the one refused;
    // returns false for the validation to return.
    bool refuse(const QString& message, QWidget* control = nullptr);
    // An edit box bound to a setting: shows the `loaded` value as the setting's row shows it.
    void showSetting(QLineEdit* edit, Setting setting, std::size_t element = 0);

    // Binds a check box that stands for one flag: shown ticked for any value but 0, stored as 1 or 0.
    void bindFlag(QCheckBox* box, Setting setting);
    // Binds a group of radio buttons whose ids are the setting's values; a group with no button
    // ticked stores `fallback`.
    void bindChoice(QButtonGroup* group, Setting setting, int fallback);
    // Binds an edit box that shows a text setting as it stands.
    void bindText(QLineEdit* edit, Setting setting);
    // Shows the `loaded` value of every bound control.
    void showBound();
    // Stores the bound check boxes and radio groups of `settings` into `edited`, or all of them when
    // none are named; the texts are stored by the configuration checks.
    void storeBound(std::initializer_list<Setting> settings = {});
    // What the edit box bound to the text setting holds, for the configuration checks; no value
    // for a setting no edit box is bound to.
    std::optional<TypedText> boundText(Setting setting) const;
    // Runs the configuration checks of `sections` over `edited` with the texts the page's edit
    // boxes hold, storing what passes; shows the first refusal with its control.
    bool passes(std::initializer_list<CheckSection> sections, const EditTexts& texts);

    SettingsDocument& document_;
    const DeviceSettings& loaded_;
    DeviceSettings& edited_;
    UserDialogs& dialogs_;

private:
    QWidget* refusedControl_ = nullptr;
    bool quiet_ = false;
    struct Choice {
        QButtonGroup* group;
        Setting setting;
        int fallback;
    };
    std::vector<std::pair<QCheckBox*, Setting>> flags_;
    std::vector<Choice> choices_;
    std::vector<std::pair<QLineEdit*, Setting>> texts_;
};

} // namespace marlo
