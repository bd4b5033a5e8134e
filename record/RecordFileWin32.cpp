#include "record/RecordFile.h"

#include <windows.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

namespace marlo {

// Windows has no symbolic links a user makes in passing, and its files keep the permissions their
// folder hands down: a replaced file is simply renamed over, and a new one is as private as its
// folder.

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

// The error number closest to why a file call failed.
int errorNumber(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\:");
    if (slash == std::string::npos) {
        return ".";
    }
    // A root (a lone separator, a drive, a drive and a separator) keeps its last character.
    const bool root = slash == 0 || path[slash] == ':' || (slash == 2 && path[1] == ':');
    return path.substr(0, root ? slash + 1 : slash);
}

// 0 when `path` may be replaced: it is a regular file or not there yet.
int replaceableError(const std::string& path) {
    struct _stat64 status {};
    if (::_stat64(path.c_str(), &status) != 0) {
        return errno == ENOENT ? 0 : errno;
    }
    return regularFileError(status);
}

int writeTemporary(const char* temporary, std::string_view text) {
    const int file = ::_open(temporary, _O_WRONLY | _O_BINARY | _O_TRUNC | _O_NOINHERIT);
    if (file < 0) {
        return errno;
    }
    int error = 0;
    std::size_t written = 0;
    while (error == 0 && written < text.size()) {
        const int count = ::_write(file, text.data() + written, static_cast<unsigned>(text.size() - written));
        if (count <= 0) {
            error = count < 0 ? errno : EIO;
        }
        written += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    if (error == 0 && ::_commit(file) != 0) {
        error = errno;
    }
    if (::_close(file) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

} // namespace

std::string recordFileErrorText(int error) {
    return error == notRegularFile ? "Not a regular file" : std::strerror(error);
}

int writeRecordFile(const std::string& path, std::string_view text) {
    if (const int error = replaceableError(path); error != 0) {
        return error;
    }
    char temporary[MAX_PATH];
    if (::GetTempFileNameA(folderOf(path).c_str(), "mrl", 0, temporary) == 0) {
        return errorNumber(::GetLastError());
    }
    int error = writeTemporary(temporary, text);
    if (error == 0 &&
        ::MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        error = errorNumber(::GetLastError());
    }
    if (error != 0) {
        ::DeleteFileA(temporary);
    }
    return error;
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
