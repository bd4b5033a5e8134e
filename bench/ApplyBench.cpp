// Times marlo-cli apply of a changed configuration on 1 and on 8 simulated devices, each paced at
// 9600 baud with 8N2 framing as a real line is, and compares: several devices should cost the time
// of the slowest, not the sum. One apply is also set against the line time of the bytes the devices
// sent, and the fixed pause after a write that lets a device apply the record before it is read
// again.
//   bench_apply [RUNS]

#include "cli/ApplyCommand.h"
#include "sim/SimulatedDevice.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr unsigned baud = 9600;
constexpr double bitsPerByte = 11.0;
constexpr double settleSeconds = 2.0;

struct Timing {
    double seconds = 0;
    double lineSeconds = 0; // of the bytes the slowest device sent
    bool ok = false;
};

Timing applyTo(std::size_t devices, const std::string& baudRate) {
    marlo::sim::DeviceOptions options;
    options.lineRate = baud;
    std::vector<std::unique_ptr<marlo::sim::SimulatedDevice>> simulated;
    std::vector<std::string> arguments{std::string(MARLO_TEST_DATA) + "/simulator-factory.xml", "--set",
                                       "line.baudRate=" + baudRate};
    for (std::size_t i = 0; i < devices; ++i) {
        simulated.push_back(std::make_unique<marlo::sim::SimulatedDevice>(options));
        arguments.insert(arguments.end(), {"--port", simulated.back()->portPath()});
    }
    std::ostringstream out;
    std::ostringstream err;
    const auto start = std::chrono::steady_clock::now();
    const int exit = marlo::cli::applyCommand.run(arguments, out, err);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::uint64_t most = 0;
    for (const auto& device : simulated) {
        most = std::max(most, device->bytesSent());
    }
    return {wall.count(), static_cast<double>(most) * bitsPerByte / baud,
            exit == 0 && out.str().find("failed") == std::string::npos};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const auto home = std::filesystem::temp_directory_path() / "marlo-bench-apply";
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);

    std::printf("apply of a changed configuration at %u baud 8N2; a %.0f s pause after each write\n", baud,
                settleSeconds);
    std::printf("%4s %12s %12s %8s %14s %16s\n", "run", "1 device s", "8 devices s", "ratio", "line s (1)",
                "1 device - pause");
    for (int run = 1; run <= runs; ++run) {
        const std::string rate = run % 2 == 0 ? "57600" : "115200";
        const Timing one = applyTo(1, rate);
        const Timing eight = applyTo(8, rate);
        if (!one.ok || !eight.ok) {
            std::printf("%4d an apply failed\n", run);
            continue;
        }
        std::printf("%4d %12.3f %12.3f %8.3f %14.3f %16.3f\n", run, one.seconds, eight.seconds,
                    eight.seconds / one.seconds, one.lineSeconds, one.seconds - settleSeconds);
    }
    std::filesystem::remove_all(home);
    return 0;
}
