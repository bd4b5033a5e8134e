#pragma once

#include "cli/Command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace marlo::cli::testing {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() / ("marlo-cli-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
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

#ifdef _WIN32
// The arguments of the tests hold no double quotes.
inline std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}
// cmd.exe drops the first and the last double quote of a line that starts with one.
inline FILE* startProgram(const std::string& command) {
    return _popen(("\"" + command + " <NUL\"").c_str(), "r");
}
inline int exitCode(FILE* pipe) {
    return _pclose(pipe);
}
#else
inline std::string quoted(const std::string& text) {
    std::string shell = "'";
    for (char c : text) {
        shell += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return shell + "'";
}
inline FILE* startProgram(const std::string& command) {
    return popen((command + " </dev/null").c_str(), "r");
}
inline int exitCode(FILE* pipe) {
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// The real marlo-cli, run with `arguments` and without a terminal. Its output is read as text: on
// Windows its line ends become line feeds again.
inline CommandRun runProgram(const std::vector<std::string>& arguments) {
    TemporaryFolder folder;
    const std::string errFile = folder.path("stderr");
    std::string command = quoted(MARLO_CLI_PATH);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    CommandRun result;
    if (FILE* pipe = startProgram(command + " 2>" + quoted(errFile))) {
        char buffer[4096];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            result.out.append(buffer, count);
        }
        result.exitCode = exitCode(pipe);
    }
    std::ifstream err(errFile);
    result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return result;
}

} // namespace marlo::cli::testing
