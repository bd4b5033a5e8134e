#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace marlo::testing {

// The bytes of a file under tests/data, for tests that do not run under GoogleTest; empty when it
// cannot be read, which the test's comparison then shows.
inline std::string dataFile(std::string_view name) {
    std::ifstream file(std::string(MARLO_TEST_DATA) + "/" + std::string(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace marlo::testing
