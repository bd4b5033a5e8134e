#include "device/PortOpenFailure.h"
#include "device/SerialPort.h"
#include "sim/PseudoTerminal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <string>

namespace marlo {
namespace {

using Reason = PortOpenFailure::Reason;

// A pseudo-terminal that an open from another process is to fail on, and what makes it fail.
struct BlockedPort {
    sim::PseudoTerminal terminal;
    std::string path = terminal.portPath();
    // A descriptor of the port besides the terminal's own.
    int held = -1;
    // The other process gives up root first, which file modes do not keep out.
    bool asNobody = false;
    // The process `holdInChild` started, and the pipe whose closing ends it.
    pid_t locker = -1;
    int release = -1;

    BlockedPort() = default;
    BlockedPort(const BlockedPort&) = delete;
    BlockedPort& operator=(const BlockedPort&) = delete;
    ~BlockedPort() {
        if (held >= 0) {
            ::close(held);
        }
        if (locker > 0) {
            ::close(release);
            ::waitpid(locker, nullptr, 0);
        }
    }
    // Gives the port to `owner`:`group` with `mode`, which only root may do.
    void setOwnership(uid_t owner, const char* group, mode_t mode) {
        const ::group* entry = ::getgrnam(group);
        if (::geteuid() != 0 || entry == nullptr) {
            GTEST_SKIP() << "needs root and the group " << group;
        }
        ASSERT_EQ(::chown(path.c_str(), owner, entry->gr_gid), 0);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        asNobody = true;
    }
    void hold() {
        held = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(held, 0);
    }
    // Opens the port in a child process named `name`, which keeps it open, with a lock when `lock`
    // says so, until the port is dropped.
    void holdInChild(const char* name, bool lock) {
        int ready[2];
        int releaseEnds[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(releaseEnds), 0);
        locker = ::fork();
        if (locker == 0) {
            ::close(ready[0]);
            ::close(releaseEnds[1]);
            ::prctl(PR_SET_NAME, name);
            const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            const char locked = fd >= 0 && (!lock || ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
            char end = 0;
            const bool told = ::write(ready[1], &locked, 1) == 1;
            ::_exit(told && ::read(releaseEnds[0], &end, 1) == 0 ? 0 : 1);
        }
        ::close(ready[1]);
        ::close(releaseEnds[0]);
        release = releaseEnds[1];
        char locked = 0;
        const bool told = ::read(ready[0], &locked, 1) == 1;
        ::close(ready[0]);
        ASSERT_TRUE(told && locked == 'y');
    }
};

std::string processName() {
    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::string ownerOf(const std::string& path) {
    struct stat file {};
    const passwd* owner = ::stat(path.c_str(), &file) == 0 ? ::getpwuid(file.st_uid) : nullptr;
    return owner != nullptr ? owner->pw_name : std::string();
}

// Opens the port at `path` in a child process, which reports through a pipe why it did not open.
std::optional<PortOpenFailure> openElsewhere(const std::string& path, bool asNobody) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        ADD_FAILURE() << "pipe";
        return std::nullopt;
    }
    const pid_t opener = ::fork();
    if (opener == 0) {
        ::close(pipeEnds[0]);
        constexpr uid_t nobody = 65534;
        std::string report = "opened";
        SerialPort port(nullptr);
        if (asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)) {
            report = "root kept";
        } else if (!port.open(path, 9600, 8, noParity, true)) {
            report =
                std::to_string(static_cast<int>(port.openFailure()->reason)) + port.openFailure()->detail;
        }
        const bool written =
            ::write(pipeEnds[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[256];
    for (ssize_t count = 0; (count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(pipeEnds[0]);
    ::waitpid(opener, nullptr, 0);
    if (report.empty() || report[0] < '0' || report[0] > '9') {
        ADD_FAILURE() << "the other process: " << report;
        return std::nullopt;
    }
    return PortOpenFailure{static_cast<Reason>(report[0] - '0'), path, report.substr(1)};
}

struct FailureCase {
    const char* name;
    void (*block)(BlockedPort& port);
    Reason reason;
    std::string (*detail)(const BlockedPort& port);
    // The line the user reads, for the port's path and the detail.
    std::string (*text)(const std::string& path, const std::string& detail);
};

void PrintTo(const FailureCase& failure, std::ostream* out) {
    *out << failure.name;
}

std::string busyText(const std::string& path, const std::string& holder) {
    return "ポート " + path + " は他のプログラム（" + holder +
           "）が使用中です。そのプログラムを終了してから再試行してください。";
}

std::string busyAmongText(const std::string& path, const std::string& holders) {
    return "ポート " + path + " は次のいずれかのプログラムが使用中です: " + holders +
           "。そのプログラムを終了してから再試行してください。";
}

std::string ownerOnlyText(const std::string& path, const std::string& owner) {
    return "ポート " + path + " を開く権限がありません。このポートを開けるのは所有者のユーザー「" + owner +
           "」だけです。";
}

void markExclusive(BlockedPort& port) {
    port.hold();
    ASSERT_EQ(::ioctl(port.held, TIOCEXCL), 0);
}

const FailureCase failureCases[] = {
    // The lock names its holder, though this process has the port open too.
    {"LockHeldByAnotherProgram", [](BlockedPort& port) { port.holdInChild("port-holder", true); },
     Reason::busy, [](const BlockedPort&) { return std::string("port-holder"); }, busyText},
    // Root opens a terminal marked exclusive all the same; the mark still tells it is held. Without
    // a lock, any program that has the port open may have marked it: each is named.
    {"MarkedExclusiveByAnotherProgram", markExclusive, Reason::busyAmong,
     [](const BlockedPort&) { return processName(); }, busyAmongText},
    {"MarkedExclusiveWhileAnotherProgramHasItOpen",
     [](BlockedPort& port) {
         port.holdInChild("bystander", false);
         markExclusive(port);
     },
     Reason::busyAmong,
     [](const BlockedPort&) {
         const std::string self = processName();
         return self < "bystander" ? self + ", bystander" : "bystander, " + self;
     },
     busyAmongText},
    // A terminal's group may only write to it: joining the group would not help.
    {"ModeKeepsTheUserOut",
     [](BlockedPort& port) {
         port.asNobody = ::geteuid() == 0;
         if (!port.asNobody && ::chmod(port.path.c_str(), 0) != 0) {
             GTEST_SKIP() << "neither root nor able to make the port unreadable";
         }
     },
     Reason::ownerOnly, [](const BlockedPort& port) { return ownerOf(port.path); }, ownerOnlyText},
    {"GroupMayReadAndWrite", [](BlockedPort& port) { port.setOwnership(0, "dialout", 0660); },
     Reason::permissionDenied, [](const BlockedPort&) { return std::string("dialout"); },
     [](const std::string& path, const std::string& group) {
         return "ポート " + path + " を開く権限がありません。ポートはグループ「" + group +
                "」に属しています。「sudo usermod -aG " + group +
                " $USER」で参加し、ログインし直してください。";
     }},
    // Nobody is to be told to join root's group.
    {"OnlyRootsGroupMayOpenIt", [](BlockedPort& port) { port.setOwnership(0, "root", 0660); },
     Reason::ownerOnly, [](const BlockedPort&) { return std::string("root"); }, ownerOnlyText},
    // A descriptor kept on the closed terminal keeps its number from being given out again.
    {"AdapterUnplugged",
     [](BlockedPort& port) {
         port.hold();
         port.terminal.close();
     },
     Reason::vanished, [](const BlockedPort&) { return std::string(); },
     [](const std::string& path, const std::string&) {
         return "ポート " + path +
                " が見つかりません。アダプタが取り外された可能性があります。接続を確認してください。";
     }},
};

class PortOpenFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PortOpenFailureTest, TellsWhyThePortDidNotOpen) {
    const FailureCase& failure = GetParam();
    BlockedPort port;
    failure.block(port);
    if (IsSkipped() || HasFatalFailure()) {
        return;
    }
    const auto reported = openElsewhere(port.path, port.asNobody);
    ASSERT_TRUE(reported);
    EXPECT_EQ(reported->reason, failure.reason);
    const std::string detail = failure.detail(port);
    EXPECT_EQ(reported->detail, detail);
    EXPECT_EQ(portOpenFailureText(*reported, portOpenFailureTemplate(*reported)),
              failure.text(port.path, detail));
}

INSTANTIATE_TEST_SUITE_P(PseudoTerminal, PortOpenFailureTest, ::testing::ValuesIn(failureCases),
                         [](const auto& failure) { return std::string(failure.param.name); });

} // namespace
} // namespace marlo
