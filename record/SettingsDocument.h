#pragma once

#include "record/DeviceSettings.h"

namespace marlo {

// The record texts and the two copies of the settings that the main window owns.
struct SettingsDocument {
    Text configRecord;
    Text statusRecord;
    Flag loadedFromFile = 0;
    Text firmwareVersion; // at most 31 bytes
    DeviceSettings loaded;
    DeviceSettings edited;
};

} // namespace marlo
