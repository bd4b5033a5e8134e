#pragma once

#include "sim/Behaviour.h"
#include "sim/DeviceConfig.h"
#include "sim/RecordImport.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marlo::sim {

enum class Level { closed, top, status, device, xml };

// A piece of what the device prints.
struct Output {
    std::string bytes;
    std::chrono::milliseconds delay{}; // silence before the bytes
    bool rebootAfter = false;          // silent for the reboot time afterwards, then closed
    bool endless = false;              // goes on talking after the bytes
};

// The device's command line: closed until a carriage return opens it, then levels with their
// prompts, echo of typed characters, and records typed at the top-level prompt.
class CommandLine {
public:
    // `keepConfig` stores the configuration after every applied record; it throws when it cannot.
    CommandLine(DeviceConfig& config, const Behaviour& behaviour, std::function<void()> keepConfig);

    Level level() const { return level_; }
    // Also forgets a half-typed line or record.
    void setLevel(Level level);
    // Takes one byte from the line and appends what the device prints in answer.
    void take(char byte, std::vector<Output>& outputs);
    // Applies a record and keeps the configuration. A configuration that cannot be kept is taken
    // back and the record refused.
    ImportOutcome applyRecord(std::string_view record);
    // The command lines run so far, "<configrecord>" for each record taken.
    const std::vector<std::string>& log() const { return log_; }

private:
    void run(std::vector<Output>& outputs);
    void takeRecordByte(char byte, std::vector<Output>& outputs);
    // The answer to a command, without the prompt after it.
    Output execute(const std::string& command);
    Output answer(std::string text) const;

    DeviceConfig& config_;
    const Behaviour& behaviour_;
    std::function<void()> keepConfig_;
    Level level_ = Level::closed;
    std::string line_;
    bool inRecord_ = false;
    bool recordOverflow_ = false;
    std::string record_;
    std::vector<std::string> log_;
};

} // namespace marlo::sim
