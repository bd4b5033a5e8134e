#include "cli/Translation.h"

#include "record/TextArguments.h"

#include <algorithm>
#include <iterator>

namespace marlo::cli {

namespace {

struct CatalogueEntry {
    std::string_view context;
    std::string_view source;
    std::string_view english; // empty while unfinished
};

constexpr CatalogueEntry englishCatalogue[] = {
#include "EnglishCatalogue.inc"
};

Language spoken = Language::japanese;

} // namespace

void setLanguage(Language language) {
    spoken = language;
}

std::string_view translated(std::string_view context, std::string_view source) {
    if (spoken != Language::english) {
        return source;
    }
    const auto entry = std::find_if(std::begin(englishCatalogue), std::end(englishCatalogue),
                                    [&](const CatalogueEntry& candidate) {
                                        return candidate.context == context && candidate.source == source;
                                    });
    return entry == std::end(englishCatalogue) || entry->english.empty() ? source : entry->english;
}

std::string said(const char* text, std::initializer_list<std::string_view> arguments) {
    return withArguments(translated("marlo-cli", text), arguments);
}

std::string translatedWindowText(const WindowText& text) {
    return std::string(translated(text.context, text.text));
}

} // namespace marlo::cli
