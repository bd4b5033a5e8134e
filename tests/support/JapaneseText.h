#pragma once

#include <QString>
#include <algorithm>

namespace marlo {

// True when `text` has a kana, a kanji, Japanese punctuation or a full-width form.
inline bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xf900 && u <= 0xfaff) ||
               (u >= 0xff00 && u <= 0xffef);
    });
}

} // namespace marlo
