#include "app/RecordFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marlo {

namespace {

// A record is a few kilobytes; a far larger file is no record and is not taken into memory.
constexpr off_t maximumRecordFileBytes = 1 << 20;

// The descriptor is closed on every path out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // Closes now; 0 or the error number.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The file a save replaces: where a link points, or the path itself for a new file. An existing
// file must open for writing, as an overwrite in place would need, so that a save never replaces a
// file its user may not write. 0 or the error number.
int replacedFile(const std::string& path, std::string& target, mode_t& mode) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) {
        mode = S_IRUSR | S_IWUSR;
        target = path;
        return 0;
    }
    if (FileDescriptor writable(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        writable.get() < 0) {
        return errno;
    }
    mode = existing.st_mode & 07777;
    char resolved[PATH_MAX];
    target = ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
    return 0;
}

int writeTemporary(int fd, std::string_view text, mode_t mode) {
    if (::fchmod(fd, mode) != 0) {
        return errno;
    }
    if (const int error = writeAll(fd, text); error != 0) {
        return error;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

int writeRecordFile(const std::string& path, std::string_view text) {
    mode_t mode = 0;
    std::string target;
    if (const int error = replacedFile(path, target, mode); error != 0) {
        return error;
    }
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash);
    std::string temporary = folder + "/.marlo-record-XXXXXX";

    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        return errno;
    }
    int error = writeTemporary(file.get(), text, mode);
    if (const int closed = file.close(); error == 0) {
        error = closed;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
    }
    return error;
}

int readRecordFile(const std::string& path, std::string& text) {
    // Not blocking, so that a pipe without a writer cannot hold the window.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        return errno;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return errno;
    }
    if (S_ISDIR(status.st_mode)) {
        return EISDIR;
    }
    if (status.st_size > maximumRecordFileBytes) {
        return EFBIG;
    }
    // The length the file has now: a device or a file that keeps growing is not read forever.
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    text = bytes.substr(0, bytes.find('\0'));
    return 0;
}

} // namespace marlo
