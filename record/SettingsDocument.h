#pragma once

#include "record/DeviceSettings.h"
#include "record/SettingsSchema.h"

namespace marlo {

// The record texts and the two copies of the settings that the main window owns.
struct SettingsDocument {
    Text configRecord;
    Text statusRecord;
    Flag loadedFromFile = 0;
    Text firmwareVersion; // at most 31 bytes
    DeviceSettings loaded;
    DeviceSettings edited;

    // Whether the setting's dialog (see `dialogOf`) put it in `edited` with its OK, as `loaded`
    // remembers.
    bool confirmedInDialog(Setting setting) const;
    // The copy that holds the setting's value now: `edited` once its dialog confirmed it, else
    // `loaded`, which the pages show until they store what was typed.
    const DeviceSettings& holderOf(Setting setting) const {
        return confirmedInDialog(setting) ? edited : loaded;
    }
};

} // namespace marlo
