// marlo-devsim: the simulated device server on a pseudo-terminal. Prints the port's path on its
// first line and serves until interrupted.

#include "sim/SimulatedDevice.h"

#include <charconv>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

using marlo::sim::DeviceOptions;
using marlo::sim::Level;
using std::chrono::milliseconds;

constexpr std::string_view usage = R"(usage: marlo-devsim [option...]
  --state FILE            configuration from FILE (a record), kept there after every change
  --scan-delay MS         time a wireless scan takes (2000)
  --reboot-silence MS     silence after a record that asks for a reboot (1000)
  --pace BAUD             send at BAUD with 8N2 framing, 11 bits a byte
  --firmware VERSION      firmware version that "show" prints
faults:
  --start-level LEVEL     command line already open at top, status, Device or xml
  --stray TEXT            TEXT waiting at the port from the start
  --silence-after N[:MS]  silent after N bytes of output, for MS or for good
  --hang-up-after N       terminal closed after N bytes of output
  --hold-input N:MS       stop reading the line for MS after N bytes of input
  --garbage TEXT          TEXT printed before every answer
  --endless               every answer turns into talk without end
  --refuse-imports        every record answered with "ERROR:"
  --no-firmware-line      "show" without the firmware version
  --large-dump BYTES      configuration dump padded to at least BYTES
  --leave-out GROUP       configuration dump without GROUP (repeatable)
)";

struct Faults {
    std::string stray;
    std::optional<std::pair<std::size_t, std::optional<milliseconds>>> silence;
    std::optional<std::size_t> hangUp;
    std::optional<std::pair<std::size_t, milliseconds>> hold;
};

[[noreturn]] void usageError(const std::string& message) {
    std::cerr << "marlo-devsim: " << message << "\n" << usage;
    std::exit(2);
}

// Decimal digits only, at most `maximum`: no sign, nothing that would wrap or overflow a time.
std::uint64_t number(const std::string& option, const std::string& text, std::uint64_t maximum) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value > maximum) {
        usageError(option + " wants a number up to " + std::to_string(maximum) + ", not \"" + text + "\"");
    }
    return value;
}

std::size_t count(const std::string& option, const std::string& text) {
    return number(option, text, std::numeric_limits<std::size_t>::max());
}

// At most a day.
milliseconds duration(const std::string& option, const std::string& text) {
    return milliseconds(number(option, text, 24 * 60 * 60 * 1000));
}

// "N" or "N:MS".
std::pair<std::size_t, std::optional<milliseconds>> countAndTime(const std::string& option,
                                                                 const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) {
        return {count(option, text), std::nullopt};
    }
    return {count(option, text.substr(0, colon)), duration(option, text.substr(colon + 1))};
}

Level levelNamed(const std::string& name) {
    static const std::map<std::string, Level> levels{
        {"top", Level::top}, {"status", Level::status}, {"Device", Level::device}, {"xml", Level::xml}};
    const auto found = levels.find(name);
    if (found == levels.end()) {
        usageError("no level \"" + name + "\"");
    }
    return found->second;
}

void parse(int argc, char** argv, DeviceOptions& options, Faults& faults) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const auto argument = [&]() -> std::string {
            if (i + 1 >= argc) {
                usageError(option + " wants an argument");
            }
            return argv[++i];
        };
        auto& behaviour = options.behaviour;
        if (option == "--state") {
            options.stateFile = argument();
        } else if (option == "--scan-delay") {
            behaviour.scanDelay = duration(option, argument());
        } else if (option == "--reboot-silence") {
            behaviour.rebootSilence = duration(option, argument());
        } else if (option == "--pace") {
            options.lineRate =
                static_cast<unsigned>(number(option, argument(), std::numeric_limits<unsigned>::max()));
        } else if (option == "--firmware") {
            behaviour.firmwareVersion = argument();
        } else if (option == "--start-level") {
            options.startLevel = levelNamed(argument());
        } else if (option == "--stray") {
            faults.stray = argument();
        } else if (option == "--silence-after") {
            faults.silence = countAndTime(option, argument());
        } else if (option == "--hang-up-after") {
            faults.hangUp = count(option, argument());
        } else if (option == "--hold-input") {
            const auto [bytes, time] = countAndTime(option, argument());
            if (!time) {
                usageError("--hold-input wants N:MS");
            }
            faults.hold = {bytes, *time};
        } else if (option == "--garbage") {
            behaviour.garbage = argument();
        } else if (option == "--endless") {
            behaviour.endlessOutput = true;
        } else if (option == "--refuse-imports") {
            behaviour.importsRefused = true;
        } else if (option == "--no-firmware-line") {
            behaviour.firmwareLineShown = false;
        } else if (option == "--large-dump") {
            behaviour.dumpMinimumSize = count(option, argument());
        } else if (option == "--leave-out") {
            behaviour.dumpLeavesOut.push_back(argument());
        } else if (option == "--help" || option == "-h") {
            std::cout << usage;
            std::exit(0);
        } else {
            usageError("unknown option " + option);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    DeviceOptions options;
    Faults faults;
    parse(argc, argv, options, faults);

    // Blocked before the serving thread starts, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        marlo::sim::SimulatedDevice device(std::move(options));
        if (!faults.stray.empty()) {
            device.injectStrayBytes(faults.stray);
        }
        if (faults.silence) {
            device.silenceAfter(faults.silence->first, faults.silence->second);
        }
        if (faults.hangUp) {
            device.hangUpAfter(*faults.hangUp);
        }
        if (faults.hold) {
            device.holdInputAfter(faults.hold->first, faults.hold->second);
        }
        std::cout << device.portPath() << std::endl;
        int signal = 0;
        sigwait(&stopSignals, &signal);
        device.stop();
    } catch (const std::exception& error) {
        std::cerr << "marlo-devsim: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
