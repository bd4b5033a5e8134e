#pragma once

#include "record/ConfigurationCheck.h"
#include "record/SettingsDocument.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace marlo::cli {

// The NAME=VALUE values given with --set, in order: names and values as `import` prints them.
using Assignments = std::vector<std::pair<std::string, std::string>>;

// Splits "NAME=VALUE" at its first "="; none without one.
std::optional<std::pair<std::string, std::string>> assignment(std::string_view text);

// Puts each value in; false after saying which one could not be taken.
bool setValues(const Assignments& values, DeviceSettings& settings, std::ostream& err);

// Judges the document's settings by the window's rules, as the window has them once a record is
// loaded and nothing was typed: its pages' rules, and a dialog's when a value was given for one of
// its settings, since the user would have changed it there and pressed OK. Every refusal goes to
// `sink`; true when there was none.
bool judgeSettings(SettingsDocument& document, const Assignments& values, const RefusalSink& sink);

} // namespace marlo::cli
