#pragma once

#include "tests/support/TestData.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace marlo::samples {

// A configuration record as the device dumps it: the echo of the command before the declaration,
// CR LF line ends, items the tool never touches, secrets shown as set, and the final line without
// a line end.
inline std::string deviceConfigRecord() {
    return testing::testData("device-config.xml");
}

// The same record with the lone CR line ends of the writer's layout, and a CR after the last line.
inline std::string deviceConfigRecordWithLoneCr() {
    return testing::testData("device-config-lone-cr.xml");
}

// The status record that follows it in a device read, beginning with the prompt.
inline std::string deviceStatusRecord() {
    return testing::testData("device-status.xml");
}

// `lines` written with "\n", given the line end `lineEnd`.
inline std::string withLineEnds(std::string_view lines, std::string_view lineEnd) {
    std::string text;
    for (char c : lines) {
        if (c == '\n') {
            text += lineEnd;
        } else {
            text += c;
        }
    }
    return text;
}

// `text` with the one occurrence of `from` replaced; fails the test when it is not there once.
inline std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t position = text.find(from);
    EXPECT_NE(position, std::string::npos) << from;
    EXPECT_EQ(text.find(from, position + 1), std::string::npos) << from;
    if (position != std::string::npos) {
        text.replace(position, from.size(), to);
    }
    return text;
}

} // namespace marlo::samples
