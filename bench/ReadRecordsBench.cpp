// Times a full read of the configuration and status records against the simulated device paced
// at 9600 baud with 8N2 framing, and compares it with the line time of the bytes the device sent:
// the floor that no client can beat.

#include "device/DeviceLink.h"
#include "sim/SimulatedDevice.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    constexpr unsigned baud = 9600;
    constexpr double bitsPerByte = 11.0;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

    marlo::sim::DeviceOptions options;
    options.lineRate = baud;
    marlo::sim::SimulatedDevice device(options);
    marlo::DeviceLink link(nullptr);
    link.setPortPath(device.portPath());

    std::printf("readRecords at %u baud 8N2 (%.1f bytes a second)\n", baud, baud / bitsPerByte);
    std::printf("%4s %10s %12s %12s %8s\n", "run", "bytes", "wall s", "line s", "ratio");
    for (int run = 1; run <= runs; ++run) {
        std::string config;
        std::string status;
        std::string firmware;
        const auto sentBefore = device.bytesSent();
        const auto start = std::chrono::steady_clock::now();
        const bool ok = link.readRecords(config, status, firmware);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        const auto bytes = device.bytesSent() - sentBefore;
        const double line = static_cast<double>(bytes) * bitsPerByte / baud;
        if (!ok) {
            std::printf("%4d read failed after %.3f s\n", run, wall.count());
            continue;
        }
        std::printf("%4d %10llu %12.3f %12.3f %8.4f\n", run, static_cast<unsigned long long>(bytes),
                    wall.count(), line, wall.count() / line);
    }
    return 0;
}
