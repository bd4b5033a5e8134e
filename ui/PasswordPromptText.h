#pragma once

#include "record/PasswordPrompt.h"

#include <QString>

namespace marlo {

// One of the password prompt's own texts (a caption, a length message) in the program's language.
QString passwordPromptText(const char* text);

// The prompt's question in the program's language, naming the profile's network for a profile key.
QString passwordPromptQuestion(const PasswordRequest& request);

} // namespace marlo
