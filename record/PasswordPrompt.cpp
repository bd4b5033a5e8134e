#include "record/PasswordPrompt.h"

#include "record/Cp932.h"

namespace marlo {

std::string passwordLengthError(const PasswordRequest& request, std::string_view password) {
    const std::size_t length = password.size();
    if (request.lengthMode == passwordLengthServer) {
        return length > 31 ? programText("31文字以内である必要があります。") : std::string();
    }
    if (request.hexKey) {
        return length != 64 ? programText("64文字である必要があります。") : std::string();
    }
    return length < 8 || length > 63 ? programText("8文字以上、63文字以内である必要があります。")
                                     : std::string();
}

} // namespace marlo
