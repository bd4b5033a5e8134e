#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace marlo {

// The bytes of one reply. Room grows in steps of `growthStep`; a reply may not pass `limit`,
// so a device that never stops talking cannot exhaust memory.
class ResponseBuffer {
public:
    static constexpr std::size_t growthStep = 10240;
    static constexpr std::size_t limit = 1024 * 1024;

    ResponseBuffer();

    void clear() { length_ = 0; }
    // False when the reply would pass the limit or the room cannot grow.
    bool append(char byte);
    std::string_view view() const { return {bytes_.data(), length_}; }
    bool endsWith(std::string_view terminator) const { return view().ends_with(terminator); }

private:
    std::vector<char> bytes_;
    std::size_t length_ = 0;
};

} // namespace marlo
