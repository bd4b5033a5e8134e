#include "cli/PortsCommand.h"

#include "tests/cli/CliTestSupport.h"

#include <gtest/gtest.h>

namespace marlo::cli {
namespace {

TEST(PortsCommand, ListsOnePortALineWithThePreferredOneMarked) {
    std::ostringstream out;
    printPorts({{"Communications Port (COM1)", "\\\\.\\COM1"},
                {"FT232R USB UART (ttyUSB0)", "/dev/ttyUSB0"},
                {"Odd\tname\n", "/dev/ttyS4"}},
               out);
    EXPECT_EQ(out.str(), "\\\\.\\COM1\tCommunications Port (COM1)\n"
                         "/dev/ttyUSB0\tFT232R USB UART (ttyUSB0)\tpreferred\n"
                         "/dev/ttyS4\tOdd\\x09name\\x0a\n");
    std::ostringstream without;
    printPorts({{"Communications Port (COM1)", "\\\\.\\COM1"}}, without);
    EXPECT_EQ(without.str(), "\\\\.\\COM1\tCommunications Port (COM1)\tpreferred\n");
}

TEST(PortsCommand, ASystemWithoutPortsIsNoFailure) {
    // What the machine has varies; the list is empty on most that run the tests.
    const auto listed = testing::runProgram({"ports"});
    EXPECT_EQ(listed.exitCode, exitSuccess);
    EXPECT_EQ(listed.err, "");
    const auto wrong = testing::run(portsCommand, {"--all"});
    EXPECT_EQ(wrong.exitCode, exitUsage);
    EXPECT_EQ(wrong.err, "使い方: marlo-cli ports\n");
}

} // namespace
} // namespace marlo::cli
