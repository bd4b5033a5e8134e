#pragma once

#include "cli/Command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace marlo::cli::testing {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "marlo-cli-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "no temporary folder";
        }
        path_ = pattern;
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string file = (path_ / name).string();
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    std::string path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline CommandRun run(const Command& command, const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun result;
    result.exitCode = command.run(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The real marlo-cli, run with `arguments` and without a terminal.
inline CommandRun runProgram(const std::vector<std::string>& arguments) {
    const auto quoted = [](const std::string& text) {
        std::string shell = "'";
        for (char c : text) {
            shell += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return shell + "'";
    };
    TemporaryFolder folder;
    const std::string errFile = folder.path("stderr");
    std::string command = quoted(MARLO_CLI_PATH);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    command += " </dev/null 2>" + quoted(errFile);
    CommandRun result;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            result.out.append(buffer, count);
        }
        const int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream err(errFile, std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return result;
}

} // namespace marlo::cli::testing
