#include "record/PasswordPrompt.h"

#include "record/TranslatableText.h"

namespace marlo {

const char* passwordLengthError(const PasswordRequest& request, std::string_view password) {
    const std::size_t length = password.size();
    if (request.lengthMode == passwordLengthServer) {
        return length > 31 ? QT_TRANSLATE_NOOP("PasswordPrompt", "31文字以内である必要があります。")
                           : nullptr;
    }
    if (request.hexKey) {
        return length != 64 ? QT_TRANSLATE_NOOP("PasswordPrompt", "64文字である必要があります。") : nullptr;
    }
    return length < 8 || length > 63
               ? QT_TRANSLATE_NOOP("PasswordPrompt", "8文字以上、63文字以内である必要があります。")
               : nullptr;
}

} // namespace marlo
