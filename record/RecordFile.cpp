#include "record/RecordFile.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marlo {

namespace {

// A record is a few kilobytes; a far larger file is no record and is not taken into memory.
constexpr off_t maximumRecordFileBytes = 1 << 20;

// As many links as the system itself follows in one path before it gives up with ELOOP.
constexpr int maximumLinks = 40;

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

// 0 for a regular file, else why a record is neither read from it nor saved over it.
int regularFileError(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return EISDIR;
    }
    return S_ISREG(status.st_mode) ? 0 : notRegularFile;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

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

// Where `path` leads through its symbolic links: the path the last one names, whether something
// is there yet or not. 0 or the error number.
int linkTarget(const std::string& path, std::string& target) {
    target = path;
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0) {
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(status.st_mode)) {
            return 0;
        }
        if (links == maximumLinks) {
            return ELOOP;
        }
        char link[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), link, sizeof link);
        if (length < 0) {
            return errno;
        }
        if (static_cast<std::size_t>(length) == sizeof link) {
            return ENAMETOOLONG;
        }
        const std::string next(link, static_cast<std::size_t>(length));
        target = next.starts_with('/') ? next : folderOf(target) + "/" + next;
    }
}

// The file a save replaces, with the permissions it keeps; a new file is its owner's only. An
// existing file must open for writing, as an overwrite in place would need, so that a save never
// replaces a file its user may not write. 0 or the error number.
int replacedFile(const std::string& path, std::string& target, mode_t& mode) {
    if (const int error = linkTarget(path, target); error != 0) {
        return error;
    }
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) {
        mode = S_IRUSR | S_IWUSR;
        return 0;
    }
    if (const int error = regularFileError(existing); error != 0) {
        return error;
    }
    if (FileDescriptor writable(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        writable.get() < 0) {
        return errno;
    }
    mode = existing.st_mode & 07777;
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

// The rename is only lasting once the folder that holds the new name is on the disk.
int syncFolder(const std::string& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || ::fsync(directory.get()) != 0) {
        return errno;
    }
    return directory.close();
}

} // namespace

std::string recordFileErrorText(int error) {
    if (error == notRegularFile) {
        return "Not a regular file";
    }
    // strerror_r, unlike strerror, may be called from several threads at once.
    std::array<char, 256> text{};
    return ::strerror_r(error, text.data(), text.size());
}

int writeRecordFile(const std::string& path, std::string_view text) {
    mode_t mode = 0;
    std::string target;
    if (const int error = replacedFile(path, target, mode); error != 0) {
        return error;
    }
    const std::string folder = folderOf(target);
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
        return error;
    }
    return syncFolder(folder);
}

int readRecordFile(const std::string& path, std::string& text) {
    // Looked at before it is opened: opening a device may already act on it (a serial port raises
    // its modem lines), and a pipe without a writer would hold the caller.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno;
    }
    if (const int error = regularFileError(status); error != 0) {
        return error;
    }
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        return errno;
    }
    if (::fstat(file.get(), &status) != 0) {
        return errno;
    }
    if (const int error = regularFileError(status); error != 0) {
        return error;
    }
    if (status.st_size > maximumRecordFileBytes) {
        return EFBIG;
    }
    // The length the file has now: a file that keeps growing is not read forever.
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
