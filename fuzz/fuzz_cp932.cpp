// Code page 932 conversion both ways on outside bytes. A text converts or is refused as a whole.
// UTF-8 that converts comes back unchanged. Code page 932 holds some characters under two codes
// (the NEC and the IBM rows) and gives them back under one, so a code page 932 text that converts
// comes back as a text that reads the same. The first byte picks the direction.

#include "fuzz/FuzzCheck.h"
#include "record/Cp932.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1) {
        if (const auto utf8 = marlo::cp932ToUtf8(text)) {
            const auto back = marlo::utf8ToCp932(*utf8);
            marlo::fuzz::require(back && marlo::cp932ToUtf8(*back) == utf8,
                                 "code page 932 text converts back to a text that reads the same");
        }
    } else if (const auto cp932 = marlo::utf8ToCp932(text)) {
        marlo::fuzz::require(marlo::cp932ToUtf8(*cp932) == text, "UTF-8 text converts back unchanged");
    }
    return 0;
}
