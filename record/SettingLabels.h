#pragma once

#include "record/SettingsSchema.h"

#include <cstdint>
#include <optional>

namespace marlo {

// A fixed text of the window, in UTF-8, to be translated in `context`: the same source text and
// context as where the window shows it, so that the catalogue holds it once.
struct WindowText {
    const char* context = nullptr;
    const char* text = nullptr;

    bool operator==(const WindowText&) const = default;
};

// Where the window shows a setting and what it calls it: the page's tab or the dialog's title, the
// titled group the control sits in (if any), and the control's own label. Labels are the window's
// source texts as they stand, with any trailing colon; `visibleLabel` shows them without it.
struct SettingLabel {
    WindowText place;
    std::optional<WindowText> group;
    WindowText label;
};

// No label for a setting no control shows (the reboot flag, the profile count, the dialogs'
// edited marks and other fields the record does not carry by themselves).
std::optional<SettingLabel> settingLabel(Setting setting);

// The text the window shows for a value of a setting it shows as a choice (a radio button, a list
// entry or a check box whose label is not the setting's own), if any.
std::optional<WindowText> choiceLabel(Setting setting, std::int32_t value);

} // namespace marlo
