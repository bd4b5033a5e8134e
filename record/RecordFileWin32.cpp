#include "record/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

namespace marlo {

// Saving record files belongs to the windows, which are not built for Windows: only reading is
// here.

namespace {

// A record is a few kilobytes; a far larger file is no record and is not taken into memory.
constexpr long long maximumRecordFileBytes = 1 << 20;

// 0 for a regular file, else why a record is not read from it.
int regularFileError(const struct _stat64& status) {
    if ((status.st_mode & _S_IFMT) == _S_IFDIR) {
        return EISDIR;
    }
    return (status.st_mode & _S_IFMT) == _S_IFREG ? 0 : notRegularFile;
}

} // namespace

std::string recordFileErrorText(int error) {
    return error == notRegularFile ? "Not a regular file" : std::strerror(error);
}

int readRecordFile(const std::string& path, std::string& text) {
    // Looked at before it is opened: opening a device such as COM1 may already act on it.
    struct _stat64 status {};
    if (::_stat64(path.c_str(), &status) != 0) {
        return errno;
    }
    if (const int error = regularFileError(status); error != 0) {
        return error;
    }
    const int file = ::_open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (file < 0) {
        return errno;
    }
    int error = ::_fstat64(file, &status) != 0 ? errno : regularFileError(status);
    if (error == 0 && status.st_size > maximumRecordFileBytes) {
        error = EFBIG;
    }
    // The length the file has now: a file that keeps growing is not read forever.
    std::string bytes(error == 0 ? static_cast<std::size_t>(status.st_size) : 0, '\0');
    std::size_t filled = 0;
    while (error == 0 && filled < bytes.size()) {
        const int count = ::_read(file, bytes.data() + filled, static_cast<unsigned>(bytes.size() - filled));
        if (count <= 0) {
            error = count < 0 ? errno : 0;
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    ::_close(file);
    if (error != 0) {
        return error;
    }
    bytes.resize(filled);
    text = bytes.substr(0, bytes.find('\0'));
    return 0;
}

} // namespace marlo
