#include "record/Cp932Conversion.h"

#include <iconv.h>

#include <cerrno>

namespace marlo {

namespace {

std::optional<std::string> convert(const char* to, const char* from, std::string_view text) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string input(text);
    std::string output(text.size() * 2 + 16, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    bool ok = true;
    while (inLeft > 0) {
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        if (result != static_cast<std::size_t>(-1)) {
            // A count above zero means characters were replaced by approximations.
            ok = result == 0;
            break;
        }
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        const std::size_t used = output.size() - outLeft;
        output.resize(output.size() * 2);
        out = output.data() + used;
        outLeft = output.size() - used;
    }
    iconv_close(converter);
    if (!ok) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

std::optional<std::string> decodeCp932(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932);
}

std::optional<std::string> encodeCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8);
}

} // namespace marlo
