#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace marlo {

// The languages the program speaks: Japanese is its own, English has a catalogue.
enum class Language { japanese, english };

// "ja" or "en", as given on a command line.
std::optional<Language> languageNamed(std::string_view name);

// The language of the user's locale as the environment gives it, read as Qt reads it: the list in
// LANGUAGE, else the first of LC_ALL, LC_MESSAGES and LANG that is set. The first entry in Japanese
// or English decides; a locale with neither (C and POSIX too) reads English. `variable` returns a
// variable's value, empty when it is not set.
std::optional<Language> languageOfEnvironment(const std::function<std::string(const char*)>& variable);

// The user's language: the environment's, else on Windows the user's interface language, else
// English.
Language systemLanguage();

} // namespace marlo
