#pragma once

#include <string>

namespace marlo::sim {

// A pseudo-terminal pair in raw mode. The simulated device works the master side; the slave path
// is the serial port the tool opens. The slave stays open here as well, so the tool may open and
// close the port as often as it likes without hanging up the line.
class PseudoTerminal {
public:
    PseudoTerminal(); // throws std::system_error
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& portPath() const { return portPath_; }
    bool isOpen() const { return master_ >= 0; }

    // Bytes the device sent that the port's user has not read yet.
    int waitingAtPort() const;
    // Whether the port is marked for exclusive use.
    bool portExclusive() const;
    // Closes both sides, as if the adapter were unplugged: the port's user sees the line hang up.
    void close();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string portPath_;
};

} // namespace marlo::sim
