#pragma once

#include "record/Cp932.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace marlo::testing {

// Runs `xmllint --valid --noout` on a record, which checks it against the document type in its
// own header. Records carry code page 932 without declaring it, so the parser is given the same
// text in UTF-8.
inline ::testing::AssertionResult isValidXml(const std::string& record) {
    const auto utf8 = cp932ToUtf8(record);
    if (!utf8) {
        return ::testing::AssertionFailure() << "the record is not valid code page 932";
    }
    std::string path = (std::filesystem::temp_directory_path() / "marlo-record-XXXXXX").string();
    const int descriptor = mkstemp(path.data());
    if (descriptor < 0) {
        return ::testing::AssertionFailure() << "no temporary file";
    }
    close(descriptor);
    std::ofstream(path, std::ios::binary) << *utf8;
    const std::string command = "xmllint --valid --noout '" + path + "' 2>&1";
    std::string output;
    int status = -1;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            output += buffer;
        }
        status = pclose(pipe);
    }
    std::filesystem::remove(path);
    if (status != 0 || !output.empty()) {
        return ::testing::AssertionFailure() << "xmllint refused the record (" << status << "):\n" << output;
    }
    return ::testing::AssertionSuccess();
}

} // namespace marlo::testing
