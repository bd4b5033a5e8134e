#include "record/TextArguments.h"

namespace marlo {

std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool marker = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = marker ? static_cast<std::size_t>(text[i + 1] - '1') : arguments.size();
        if (index >= arguments.size()) {
            filled += text[i];
            continue;
        }
        filled += *(arguments.begin() + index);
        ++i;
    }
    return filled;
}

} // namespace marlo
