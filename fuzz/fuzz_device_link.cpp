// The device link's handling of what the device says, the firmware version taken from it included.
// A pseudo-terminal plays the device: it answers the carriage return that opens the command line
// with the input, all of it, and hangs up once the link has taken every byte, so that a reply cut
// short ends the operation at once instead of after its idle limit. The first byte picks the
// operation: read the records, scan, or send a record.

#include "device/DeviceLink.h"
#include "device/ScanAnswer.h"
#include "fuzz/FuzzCheck.h"
#include "sim/PseudoTerminal.h"

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

namespace {

using marlo::fuzz::require;
using namespace std::chrono_literals;

class PlayedDevice {
public:
    explicit PlayedDevice(std::string_view output)
        : output_(output)
        , thread_([this] { play(); }) {}
    ~PlayedDevice() {
        linkDone_ = true;
        thread_.join();
    }
    PlayedDevice(const PlayedDevice&) = delete;
    PlayedDevice& operator=(const PlayedDevice&) = delete;

    const std::string& portPath() const { return terminal_.portPath(); }

private:
    // Waits up to `milliseconds` for the terminal; what the link typed is read and dropped.
    short wait(short events, int milliseconds) {
        pollfd master{terminal_.master(), static_cast<short>(events | POLLIN), 0};
        if (::poll(&master, 1, milliseconds) > 0 && (master.revents & POLLIN)) {
            char typed[256];
            typedInput_ = ::read(terminal_.master(), typed, sizeof typed) > 0 || typedInput_;
        }
        return master.revents;
    }

    // The kernel hands written bytes on to the port a little later: the port's queue counts as
    // taken once it stayed empty for a moment.
    bool linkTookEverything() const {
        for (int look = 0; look < 4; ++look) {
            if (terminal_.waitingAtPort() != 0) {
                return false;
            }
            std::this_thread::sleep_for(50us);
        }
        return true;
    }

    void play() {
        while (!typedInput_ && !linkDone_) {
            wait(0, 10);
        }
        while (!output_.empty() && !linkDone_) {
            if (wait(POLLOUT, 10) & POLLOUT) {
                const ssize_t written = ::write(terminal_.master(), output_.data(), output_.size());
                if (written > 0) {
                    output_.remove_prefix(static_cast<std::size_t>(written));
                }
            }
        }
        while (!linkDone_ && !linkTookEverything()) {
            wait(0, 0);
        }
        terminal_.close();
    }

    marlo::sim::PseudoTerminal terminal_;
    std::string_view output_;
    bool typedInput_ = false;
    std::atomic<bool> linkDone_{false};
    std::thread thread_;
};

void readRecords(marlo::DeviceLink& link) {
    std::string config;
    std::string status;
    std::string firmware;
    if (link.readRecords(config, status, firmware)) {
        require(config.ends_with("</configrecord>") && status.ends_with("</statusrecord>"),
                "a read keeps the whole records");
    }
    require(firmware.size() <= marlo::maxFirmwareVersion, "a firmware version is at most 31 bytes");
}

void scan(marlo::DeviceLink& link) {
    std::string scanText;
    if (link.scanNetworks(scanText)) {
        require(scanText.ends_with(">"), "a scan keeps the list through its prompt");
        marlo::parseScanAnswer(scanText);
    } else {
        require(scanText.empty(), "a failed scan gives no text");
    }
}

void sendRecord(marlo::DeviceLink& link) {
    const std::string record =
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r<configrecord version=\"0.1.0.1\">\r"
        "</configrecord>\r";
    std::string reply;
    const bool sent = link.sendRecord(record, reply);
    const bool refused = reply.find("ERROR:") != std::string::npos;
    require(sent ? !refused
                 : refused || reply == marlo::unreachableText || reply == marlo::communicationErrorText,
            "a sent record's reply says why it failed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    marlo::DeviceLink link(
        [](const std::string& text) { require(!text.empty(), "a port error has a text"); });
    PlayedDevice device(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    link.setPortPath(device.portPath());
    switch (data[0] % 3) {
    case 0:
        readRecords(link);
        break;
    case 1:
        scan(link);
        break;
    default:
        sendRecord(link);
        break;
    }
    return 0;
}
