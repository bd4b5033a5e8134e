#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace marlo {
namespace {

// The exit status of marlo-devsim run with `arguments`; one that would serve is stopped after a
// few seconds.
int runDevsim(const std::string& arguments) {
    const std::string command = "timeout 5 " MARLO_DEVSIM_PATH " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DevsimOptions, RefusesNumbersItCannotHold) {
    EXPECT_EQ(runDevsim("--help"), 0);
    for (const char* arguments :
         {"--scan-delay -1", "--scan-delay 99999999999999999", "--pace 4294967296", "--silence-after 10:-5",
          "--hold-input 1:86400001", "--large-dump 12x", "--hang-up-after ''"}) {
        EXPECT_EQ(runDevsim(arguments), 2) << arguments;
    }
}

} // namespace
} // namespace marlo
