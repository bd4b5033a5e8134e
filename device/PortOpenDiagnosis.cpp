#include "device/PortOpenDiagnosis.h"

#include "record/RecordFile.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace marlo {

namespace {

std::string groupName(gid_t id) {
    group entry{};
    group* found = nullptr;
    for (std::size_t size = 1024; size <= (1u << 20); size *= 2) {
        std::vector<char> buffer(size);
        const int error = ::getgrgid_r(id, &entry, buffer.data(), buffer.size(), &found);
        if (error == 0 && found != nullptr) {
            return found->gr_name;
        }
        if (error != ERANGE) {
            break;
        }
    }
    return std::to_string(id);
}

std::string userName(uid_t id) {
    passwd entry{};
    passwd* found = nullptr;
    for (std::size_t size = 1024; size <= (1u << 20); size *= 2) {
        std::vector<char> buffer(size);
        const int error = ::getpwuid_r(id, &entry, buffer.data(), buffer.size(), &found);
        if (error == 0 && found != nullptr) {
            return found->pw_name;
        }
        if (error != ERANGE) {
            break;
        }
    }
    return std::to_string(id);
}

std::string processName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// The process that holds a lock on `file` in the kernel's lock table, 0 when none is listed. Its
// lines read "1: FLOCK  ADVISORY  WRITE 1234 00:1a:3 0 EOF": the file system's device in hex, then
// the inode.
pid_t lockHolder(const struct stat& file) {
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, id;
        long pid = 0;
        if (!(fields >> number >> kind >> mode >> access >> pid >> id) || kind == "->" || pid <= 0) {
            continue;
        }
        unsigned major = 0;
        unsigned minor = 0;
        unsigned long long inode = 0;
        if (std::sscanf(id.c_str(), "%x:%x:%llu", &major, &minor, &inode) == 3 &&
            major == ::major(file.st_dev) && minor == ::minor(file.st_dev) && inode == file.st_ino) {
            return static_cast<pid_t>(pid);
        }
    }
    return 0;
}

// The processes other than this one that have the device at `devicePath` open. Only the
// processes whose descriptors this one may look at are seen: its user's, or every one for root.
// This one is passed over: a simulated device it serves keeps its port open. The descriptors'
// links are read, never followed.
std::vector<pid_t> descriptorHolders(const std::filesystem::path& devicePath) {
    namespace fs = std::filesystem;
    constexpr int maxLooks = 1 << 16;
    int looks = 0;
    const pid_t self = ::getpid();
    std::vector<pid_t> holders;
    std::error_code error;
    for (fs::directory_iterator process("/proc", error), end; process != end && looks < maxLooks;
         process.increment(error)) {
        const std::string name = process->path().filename().string();
        pid_t pid = 0;
        const auto parsed = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (parsed.ec != std::errc{} || parsed.ptr != name.data() + name.size() || pid == self) {
            continue;
        }
        std::error_code unreadable;
        for (fs::directory_iterator fd(process->path() / "fd", unreadable); fd != end && looks < maxLooks;
             fd.increment(unreadable), ++looks) {
            std::error_code notALink;
            if (fs::read_symlink(fd->path(), notALink) == devicePath) {
                holders.push_back(pid);
                break;
            }
        }
    }
    return holders;
}

// Why the port at `path` is busy: the program whose lock holds it when the kernel's lock table
// tells; else every program that has it open, since any of them may have marked it exclusive.
PortOpenFailure busyFailure(const std::string& path) {
    using Reason = PortOpenFailure::Reason;
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) {
        return {Reason::busy, path, {}};
    }
    if (const pid_t holder = lockHolder(file); holder > 0) {
        return {Reason::busy, path, processName(holder)};
    }
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    std::set<std::string> names;
    if (!error) {
        for (const pid_t pid : descriptorHolders(device)) {
            if (std::string name = processName(pid); !name.empty()) {
                names.insert(std::move(name));
            }
        }
    }
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return {list.empty() ? Reason::busy : Reason::busyAmong, path, list};
}

// Why the user may not open the port at `path`: a group to join when the port's group may read and
// write it and is not root's; else only its owner may open it.
PortOpenFailure permissionFailure(const std::string& path, const struct stat& file) {
    using Reason = PortOpenFailure::Reason;
    constexpr mode_t groupReadWrite = S_IRGRP | S_IWGRP;
    if ((file.st_mode & groupReadWrite) == groupReadWrite && file.st_gid != 0) {
        return {Reason::permissionDenied, path, groupName(file.st_gid)};
    }
    return {Reason::ownerOnly, path, userName(file.st_uid)};
}

} // namespace

std::string systemErrorText(int error) {
    return recordFileErrorText(error);
}

PortOpenFailure diagnoseOpenFailure(const std::string& path, int error) {
    using Reason = PortOpenFailure::Reason;
    switch (error) {
    case EACCES:
    case EPERM: {
        struct stat file {};
        if (::stat(path.c_str(), &file) == 0) {
            return permissionFailure(path, file);
        }
        break;
    }
    // Another program's lock, or the exclusive flag it set.
    case EWOULDBLOCK:
    case EBUSY:
        return busyFailure(path);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return {Reason::vanished, path, {}};
    default:
        break;
    }
    return {Reason::other, path, systemErrorText(error)};
}

} // namespace marlo
