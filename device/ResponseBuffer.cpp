#include "device/ResponseBuffer.h"

#include <new>

namespace marlo {

ResponseBuffer::ResponseBuffer()
    : bytes_(growthStep) {}

bool ResponseBuffer::append(char byte) {
    if (length_ >= limit) {
        return false;
    }
    bytes_[length_++] = byte;
    if (length_ + 1 >= bytes_.size()) {
        try {
            bytes_.resize(bytes_.size() + growthStep);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    return true;
}

} // namespace marlo
