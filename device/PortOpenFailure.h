#pragma once

#include <string>

namespace marlo {

// Why a serial port did not open, as the system told it.
struct PortOpenFailure {
    enum class Reason { permissionDenied, busy, vanished, other };

    Reason reason = Reason::other;
    // The path the port was asked for.
    std::string port;
    // The device file's group when permission was denied; the program that holds a busy port,
    // empty when the system cannot tell; the system's text for any other reason.
    std::string detail;
};

// One line for the user, in UTF-8: why the port did not open and what to do about it.
std::string portOpenFailureText(const PortOpenFailure& failure);

} // namespace marlo
