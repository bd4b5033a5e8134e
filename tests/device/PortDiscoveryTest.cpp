#include "device/PortDiscovery.h"

#include <gtest/gtest.h>

namespace marlo {
namespace {

TEST(ComPortEntry, OpensTheNumberedPortByItsDevicePath) {
    const std::pair<std::string_view, std::optional<std::string>> cases[] = {
        {"USB Serial Port (COM3)", "\\\\.\\COM3"},
        {"Communications Port (COM12)", "\\\\.\\COM12"},
        {"Modem (COM7x)", "\\\\.\\COM7"},
        {"Printer Port (LPT1)", std::nullopt},
        {"Odd (COMx)", std::nullopt},
    };
    for (const auto& [name, path] : cases) {
        const auto entry = comPortEntry(name);
        EXPECT_EQ(entry ? std::optional<std::string>(entry->path) : std::nullopt, path) << name;
        EXPECT_EQ(entry ? entry->name : std::string(name), name);
    }
}

} // namespace
} // namespace marlo
