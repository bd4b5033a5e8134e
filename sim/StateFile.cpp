#include "sim/StateFile.h"

#include "sim/RecordDump.h"
#include "sim/RecordImport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace marlo::sim {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, const std::string& what) {
    throw std::runtime_error(path.string() + ": " + what);
}

} // namespace

DeviceConfig loadState(const std::filesystem::path& path) {
    DeviceConfig config = DeviceConfig::factoryDefault();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (std::filesystem::exists(path)) {
            fail(path, "cannot be read");
        }
        return config;
    }
    const std::string record{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const ImportOutcome outcome = importRecord(record, config);
    if (!outcome.errors.empty()) {
        fail(path, outcome.errors.front());
    }
    return config;
}

void saveState(const std::filesystem::path& path, const DeviceConfig& config) {
    const std::string record = renderConfigRecord(config, Secrets::shown);
    const std::filesystem::path temporary = path.string() + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        fail(temporary, std::strerror(errno));
    }
    std::size_t written = 0;
    while (written < record.size()) {
        const ssize_t n = ::write(fd, record.data() + written, record.size() - written);
        if (n < 0 && errno != EINTR) {
            const int error = errno;
            ::close(fd);
            fail(temporary, std::strerror(error));
        }
        written += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        fail(path, std::strerror(errno));
    }
}

} // namespace marlo::sim
