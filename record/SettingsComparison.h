#pragma once

#include "record/SettingLabels.h"
#include "record/SettingsDocument.h"
#include "record/SettingsSchema.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo {

// One setting, or one element of an array setting, whose value differs between two configurations.
struct SettingDifference {
    Setting setting;
    std::size_t element = 0;

    bool operator==(const SettingDifference&) const = default;
};

// Every setting of the configuration a control of the window shows whose value differs, in the
// order of the schema.
// Station profiles are compared up to the larger of the two counts, destinations and match bytes
// element by element.
std::vector<SettingDifference> differingSettings(const DeviceSettings& before, const DeviceSettings& after);

// The settings of a configuration record as a file load reads them, or no value when it does not
// load.
std::optional<DeviceSettings> settingsOfRecord(std::string_view configRecord);

// The settings the document would write, as a device would hold them afterwards: `edited` put through
// the record a file save writes and read back, with what such a record leaves to the device taken
// from `loaded` (a dialog's settings the user did not confirm, secrets the device holds but does not
// show, the station profiles, which change on the device at once, and the status).
DeviceSettings settingsToWrite(const SettingsDocument& document);

// How the window shows a value: a text as it stands (UTF-8), the window's text for a choice (to be
// translated), a check box ticked or not, a secret (whose text is never shown), or no value, for a
// station profile that is not there.
struct ShownValue {
    enum Kind { plain, choice, on, off, secret, absent } kind = plain;
    std::string text;
    WindowText choiceText{};

    bool operator==(const ShownValue&) const = default;
};
ShownValue shownValue(const SettingDifference& difference, const DeviceSettings& settings);

// Whether the setting holds a passphrase or a password.
bool isSecret(Setting setting);

// A window text in the language shown (UTF-8).
using TranslateText = std::function<std::string(const WindowText&)>;

// The setting as the window names it, translated: its page or dialog, its group and its label,
// "ネットワーク > サーバモード > ポート番号", with the element's number after the label of a profile, a
// destination or a match byte.
std::string settingTitle(const SettingDifference& difference, const TranslateText& translate);

// The value as the window shows it, translated.
std::string shownText(const ShownValue& value, const TranslateText& translate);

// One line for a difference: "title: before → after", or "title: changed" for a secret.
std::string differenceLine(const SettingDifference& difference, const DeviceSettings& before,
                           const DeviceSettings& after, const TranslateText& translate);

} // namespace marlo
