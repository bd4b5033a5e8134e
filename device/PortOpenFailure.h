#pragma once

#include <string>
#include <string_view>

namespace marlo {

// Why a serial port did not open, as the system told it, or why the device behind a port that
// opened could not be reached: nothing answered it (`noAnswer`).
struct PortOpenFailure {
    enum class Reason { permissionDenied, ownerOnly, busy, busyAmong, vanished, other, noAnswer };

    Reason reason = Reason::other;
    // The path the port was asked for.
    std::string port;
    // The device file's group to join when permission was denied, or its owner when only the owner
    // may open it; the program whose lock holds a busy port (empty when the system cannot tell),
    // or the programs that have it open, one of which holds it; the seconds waited for an answer;
    // the system's text for any other reason.
    std::string detail;
};

// One line for the user, in UTF-8, to be translated in the context "PortOpenFailure": why the port
// did not open and what to do about it, with %1 standing for the port and %2 for the detail.
const char* portOpenFailureTemplate(const PortOpenFailure& failure);

// The line with the failure's port and detail in place of %1 and %2 of `text`, the template or its
// translation.
std::string portOpenFailureText(const PortOpenFailure& failure, std::string_view text);

} // namespace marlo
