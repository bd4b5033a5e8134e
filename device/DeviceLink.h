#pragma once

#include "device/ClipboardSink.h"
#include "device/CommandExchange.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace marlo {

// The device operations, each one short conversation with the device's command line on the port
// at `portPath`: open, reach the top-level prompt, type commands, keep the replies, close. The
// port is never left open between operations, and a second operation asked for while one runs
// is refused.
class DeviceLink {
public:
    explicit DeviceLink(ClipboardSink clipboard, LinkTimings timings = {});

    // The port the next operation opens; an operation that runs keeps the port it opened.
    void setPortPath(std::string path);
    std::string portPath() const;

    // The configuration record and the status record, each a whole reply, and the firmware
    // version from "show" (left as it was when the reply has none). Each output is replaced as
    // soon as its step succeeds.
    bool readRecords(std::string& configRecord, std::string& statusRecord, std::string& firmwareVersion);
    // The scan answer, from the count of networks through the prompt after the list; untouched
    // on failure.
    bool scanNetworks(std::string& scanText);
    // Waits `duration` between the steps of an operation; false when stopped.
    bool pause(std::chrono::milliseconds duration) { return exchange_.stopSignal().sleepFor(duration); }
    // From any thread: ends the operation in flight at its next wait, closing the port as a
    // failure does, and fails every later one until `resume`.
    void stop() { exchange_.stopSignal().raise(); }
    void resume() { exchange_.stopSignal().clear(); }

    // Types `record` at the top-level prompt. `reply` is the device's whole answer, or one of the
    // texts `unreachableText` (also while another operation runs) and `communicationErrorText`;
    // an answer holding "ERROR:" fails.
    bool sendRecord(const std::string& record, std::string& reply);

    // Why the last operation that ran could not reach the device: its port did not open, or the
    // device did not answer on it. No value when it answered. An operation refused while another
    // runs leaves it as it was.
    std::optional<PortOpenFailure> reachFailure() const;

private:
    // Opens the port and reaches the top-level prompt, keeping why the device was not reached.
    bool enterCommandLine();

    CommandExchange exchange_;
    // Guards the port path and the reach failure.
    mutable std::mutex mutex_;
    std::string portPath_;
    std::optional<PortOpenFailure> reachFailure_;
    std::atomic<bool> busy_{false};
};

// "対象と通信できません" and "通信エラー" in code page 932.
inline constexpr std::string_view unreachableText =
    "\x91\xce\x8f\xdb\x82\xc6\x92\xca\x90\x4d\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1";
inline constexpr std::string_view communicationErrorText = "\x92\xca\x90\x4d\x83\x47\x83\x89\x81\x5b";

// The firmware version from the reply to "show", at most `maxFirmwareVersion` bytes.
inline constexpr std::size_t maxFirmwareVersion = 31;

} // namespace marlo
