#pragma once

#include "cli/Command.h"

namespace marlo::cli {

// check FILE [--set NAME=VALUE]...: loads a record file as the window's file load does, puts in
// the values given, and judges the settings by the window's rules (its pages', and a dialog's when
// a value is given for one of its settings): every refusal on a line of its own, by setting name
// and the window's message; exit status 1 if any, 0 with no output if none.
extern const Command checkCommand;

} // namespace marlo::cli
