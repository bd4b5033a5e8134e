#pragma once

#include <cstddef>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace marlo::cli {

// What apply did on one port, and how it is told.

struct SettingChange {
    std::string name;   // as import prints it
    std::string label;  // the window's name for it
    std::string before; // as the window shows it
    std::string after;
};

struct PortOutcome {
    enum Result { failed, unchanged, changed, wouldChange, refused };

    std::string port;
    std::string device; // the backups' name for the device
    Result result = failed;
    std::vector<SettingChange> changes; // made, to be made, or still missing after a write
    std::vector<std::pair<std::string, std::string>> refusals; // setting name and message
    std::string reason;                                        // why it failed
    std::string backup;                                        // the device's backup before any write
    bool written = false;                                      // a record was sent to the device
    std::string warning;                                       // why no backup was kept

    PortOutcome& fail(std::string why) {
        result = failed;
        reason = std::move(why);
        return *this;
    }
};

// The steps a port's line shows on a terminal, translated in the context "marlo-cli".
extern const char* const readingStep;
extern const char* const writingStep;
extern const char* const checkingStep;

// The result in marlo-cli's language.
std::string resultWord(PortOutcome::Result result);

// Lines of text for a person: the port and its result, then a line for each change or refusal,
// and the reason of a failure.
std::string reportText(const PortOutcome& outcome);

// One JSON object, on one line, for other programs.
std::string jsonLine(const PortOutcome& outcome);

bool isTerminal(const std::ostream& stream);

// One line a port on a terminal, each rewritten in place as its port goes on; nothing elsewhere.
class ProgressBoard {
public:
    ProgressBoard(std::ostream& terminal, std::size_t lines, bool shown);
    void show(std::size_t line, std::string_view port, std::string_view text);
    void finish();

private:
    std::ostream& terminal_;
    std::size_t lines_;
    bool shown_;
    std::mutex mutex_;
};

} // namespace marlo::cli
