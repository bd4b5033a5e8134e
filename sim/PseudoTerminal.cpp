#include "sim/PseudoTerminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace marlo::sim {

namespace {

[[noreturn]] void throwSystemError(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        throwSystemError("tcgetattr");
    }
    ::cfmakeraw(&settings);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        throwSystemError("tcsetattr");
    }
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) {
        throwSystemError("posix_openpt");
    }
    try {
        char name[128];
        if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
            ::ptsname_r(master_, name, sizeof name) != 0) {
            throwSystemError("ptsname");
        }
        portPath_ = name;
        slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (slave_ < 0) {
            throwSystemError("open");
        }
        // Raw before anyone writes: a cooked line would echo the device's output back to it.
        makeRaw(slave_);
        makeRaw(master_);
        if (::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
            throwSystemError("fcntl");
        }
    } catch (...) {
        close();
        throw;
    }
}

PseudoTerminal::~PseudoTerminal() {
    close();
}

int PseudoTerminal::waitingAtPort() const {
    int waiting = 0;
    return slave_ >= 0 && ::ioctl(slave_, FIONREAD, &waiting) == 0 ? waiting : 0;
}

bool PseudoTerminal::portExclusive() const {
    int exclusive = 0;
    return slave_ >= 0 && ::ioctl(slave_, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

void PseudoTerminal::close() {
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

} // namespace marlo::sim
