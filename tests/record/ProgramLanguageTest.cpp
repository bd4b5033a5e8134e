#include "record/ProgramLanguage.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace marlo {
namespace {

TEST(ProgramLanguage, FollowsTheLocaleAsQtReadsTheEnvironment) {
    using Variables = std::map<std::string, std::string>;
    const struct {
        Variables variables;
        std::optional<Language> language;
    } cases[] = {
        {{}, std::nullopt},
        {{{"LANG", "ja_JP.UTF-8"}}, Language::japanese},
        {{{"LANG", "ja"}}, Language::japanese},
        {{{"LANG", "en_US.UTF-8"}}, Language::english},
        {{{"LANG", "de_DE.UTF-8"}}, Language::english},
        {{{"LANG", "C"}}, Language::english},
        {{{"LANG", "POSIX"}}, Language::english},
        {{{"LANG", "C.UTF-8"}}, Language::english},
        {{{"LANG", "jam_JM"}}, Language::english},
        {{{"LC_MESSAGES", "ja_JP.eucJP"}, {"LANG", "en_GB"}}, Language::japanese},
        {{{"LC_ALL", "en_GB@euro"}, {"LC_MESSAGES", "ja_JP"}}, Language::english},
        {{{"LANGUAGE", "ja"}, {"LC_ALL", "C"}}, Language::japanese},
        {{{"LANGUAGE", "fr:ja:en"}, {"LANG", "en_US"}}, Language::japanese},
        {{{"LANGUAGE", "fr:de"}, {"LANG", "ja_JP"}}, Language::english},
        {{{"LANGUAGE", ""}, {"LANG", "ja_JP"}}, Language::japanese},
    };
    for (const auto& c : cases) {
        const auto language = languageOfEnvironment([&](const char* name) {
            const auto value = c.variables.find(name);
            return value == c.variables.end() ? std::string() : value->second;
        });
        std::string variables;
        for (const auto& [name, value] : c.variables) {
            variables += name + "=" + value + " ";
        }
        EXPECT_EQ(language, c.language) << variables;
    }
    EXPECT_EQ(languageNamed("ja"), Language::japanese);
    EXPECT_EQ(languageNamed("en"), Language::english);
    EXPECT_EQ(languageNamed("JA"), std::nullopt);
    EXPECT_EQ(languageNamed(""), std::nullopt);
}

} // namespace
} // namespace marlo
