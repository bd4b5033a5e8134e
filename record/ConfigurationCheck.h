#pragma once

#include "record/SettingsDocument.h"
#include "record/SettingsSchema.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace marlo {

// The rules that decide whether settings may be written, as the window's pages and dialogs apply
// them when the user writes or saves: the same rules, in the same order, with the same messages,
// for the window and for marlo-cli.

// Where the window shows a setting.
enum class SettingsArea { wirelessPage, accessPointDialog, networkPage, destinationsDialog, serialPage };

// One refused setting: the message, to be translated in `context` with `argument` in place of its
// %1, and the control that shows the value, by its object name in `area`.
struct ConfigurationRefusal {
    const char* context = nullptr;
    const char* message = nullptr;
    std::string argument;
    SettingsArea area = SettingsArea::serialPage;
    const char* control = nullptr;
    Setting setting = Setting::reboot;
    std::size_t element = 0;
};

// A group of checks that a page runs in one go, in the page's order.
enum class CheckSection {
    wirelessStation,
    wirelessAccessPoint,
    wirelessChannel,
    accessPointEntry, // the access point dialog's OK
    networkServer,
    networkClient,
    networkStopCharacter,
    networkSilence,
    destinations, // the destinations dialog's OK
    serialLine,
    serialPacking,
    serialQueue,
};

// What a page's edit box holds: the text typed, in code page 932, or a text that code page 932
// cannot hold (`writable` false), which no check takes.
struct TypedText {
    std::string text;
    bool writable = true;
};

// The text a page's edit box holds for a setting; no value: the text the page shows for the value
// the settings hold, so that settings read from a record are checked as the window would check
// them once loaded.
using EditTexts = std::function<std::optional<TypedText>(Setting setting, std::size_t element)>;

// Takes each refusal in turn; returns whether the checks go on.
using RefusalSink = std::function<bool(const ConfigurationRefusal&)>;

// Runs the checks of `section` over the document's `edited` settings, storing into them each value
// an edit text gives, as the page stores what it checked; the access point entry is judged as the
// document holds it now. False when a refusal was met.
bool checkSection(CheckSection section, SettingsDocument& document, const EditTexts& texts,
                  const RefusalSink& sink);

// The sections the window runs on every write and save, in the order it checks its pages.
std::span<const CheckSection> pageCheckSections();
// The section a dialog runs on its OK.
CheckSection dialogCheckSection(SettingsDialog dialog);

} // namespace marlo
