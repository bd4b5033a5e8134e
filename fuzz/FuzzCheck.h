#pragma once

#include <cstdio>
#include <cstdlib>

namespace marlo::fuzz {

// Ends the run when a property does not hold; the fuzzer keeps the input that broke it.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace marlo::fuzz
