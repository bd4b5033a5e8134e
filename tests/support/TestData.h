#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace marlo::testing {

// A file under tests/data, which holds the records the tests read and what marlo-cli printed for
// them.
inline std::string testDataPath(std::string_view name) {
    return std::string(MARLO_TEST_DATA) + "/" + std::string(name);
}

// The file's bytes, line ends as they are; a file that cannot be read fails the test.
inline std::string testData(std::string_view name) {
    std::ifstream file(testDataPath(name), std::ios::binary);
    if (!file) {
        ADD_FAILURE() << "cannot read " << testDataPath(name);
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace marlo::testing
