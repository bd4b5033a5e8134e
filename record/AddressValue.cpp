#include "record/AddressValue.h"

#include "record/Codecs.h"

#include <cstring>

namespace marlo {

std::optional<std::uint32_t> addressValue(std::string_view text, std::string_view token) {
    const bool hasToken = !token.empty();
    if (text.empty()) {
        return hasToken ? std::optional<std::uint32_t>(0) : std::nullopt;
    }
    if (hasToken && text == token) {
        return 0;
    }
    if (text == "255.255.255.255") {
        return 0xFFFFFFFFu;
    }
    return parseDottedAddress(text);
}

std::uint8_t lastNumber(std::uint32_t networkOrder) {
    // Network order keeps the address's numbers in memory as they are written.
    std::uint8_t numbers[4];
    std::memcpy(numbers, &networkOrder, sizeof numbers);
    return numbers[3];
}

} // namespace marlo
