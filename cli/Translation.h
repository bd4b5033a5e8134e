#pragma once

#include "record/ProgramLanguage.h"
#include "record/SettingLabels.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace marlo::cli {

// The language marlo-cli speaks: Japanese, the program's own, until it is set.
void setLanguage(Language language);

// A fixed text of the program, marked for translation in `context`, in marlo-cli's language: its
// translation in the program's catalogue, else the text itself.
std::string_view translated(std::string_view context, std::string_view source);

// A text of the window (record/SettingLabels.h), as translated(): the translator the comparison's
// texts take.
std::string translatedWindowText(const WindowText& text);

// A text of marlo-cli's own (cli/CliMessages.h) in its language, with `arguments` in place of %1
// and %2.
std::string said(const char* text, std::initializer_list<std::string_view> arguments);

} // namespace marlo::cli
