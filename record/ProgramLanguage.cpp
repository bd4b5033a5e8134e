#include "record/ProgramLanguage.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace marlo {

namespace {

std::vector<std::string> split(const std::string& list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        entries.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

// "ja", "ja_JP.UTF-8", "ja-JP", "en_GB@euro": the language is the part before any separator.
std::optional<Language> languageOfLocale(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_-.@"));
    if (language == "ja") {
        return Language::japanese;
    }
    if (language == "en") {
        return Language::english;
    }
    return std::nullopt;
}

} // namespace

std::optional<Language> languageNamed(std::string_view name) {
    if (name == "ja") {
        return Language::japanese;
    }
    if (name == "en") {
        return Language::english;
    }
    return std::nullopt;
}

std::optional<Language> languageOfEnvironment(const std::function<std::string(const char*)>& variable) {
    std::vector<std::string> locales = split(variable("LANGUAGE"));
    if (locales.size() == 1 && locales.front().empty()) {
        locales.clear();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (std::string value = variable(name); !value.empty()) {
                locales.push_back(std::move(value));
                break;
            }
        }
    }
    if (locales.empty()) {
        return std::nullopt;
    }
    for (const std::string& locale : locales) {
        if (const std::optional<Language> language = languageOfLocale(locale)) {
            return language;
        }
    }
    return Language::english;
}

Language systemLanguage() {
    const std::optional<Language> language = languageOfEnvironment([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    });
    if (language) {
        return *language;
    }
#ifdef _WIN32
    if (PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE) {
        return Language::japanese;
    }
#endif
    return Language::english;
}

} // namespace marlo
