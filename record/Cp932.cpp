#include "record/Cp932.h"

#include "record/Cp932Conversion.h"

namespace marlo {

std::optional<std::string> cp932ToUtf8(std::string_view cp932) {
    return decodeCp932(cp932);
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    auto cp932 = encodeCp932(utf8);
    // Some characters go one way only: the yen sign becomes the backslash, the overline the tilde,
    // the wave dash the fullwidth tilde. Read back they would be other characters.
    if (!cp932 || decodeCp932(*cp932) != utf8) {
        return std::nullopt;
    }
    return cp932;
}

} // namespace marlo
