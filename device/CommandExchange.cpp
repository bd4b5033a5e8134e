#include "device/CommandExchange.h"

#include <algorithm>
#include <string>
#include <utility>

namespace marlo {

namespace {

bool atTopLevel(std::string_view reply) {
    const auto prompt = reply.find('>');
    return prompt == 0 || (prompt != std::string_view::npos && reply[prompt - 1] == '\n');
}

constexpr int firstAnswerIdleLimit = 1;

// The silent reads and the pauses between them that an exchange with `idleLimit` sits through
// before it gives up, to the nearest second and at least one.
std::string answerWaitSeconds(const LinkTimings& timings, int idleLimit) {
    const auto silentRead = timings.port.readConstant + timings.port.readPerByte;
    const auto wait = (idleLimit + 1) * silentRead + idleLimit * timings.idlePause;
    return std::to_string(std::max<long long>(1, (wait.count() + 500) / 1000));
}

} // namespace

CommandExchange::CommandExchange(ClipboardSink clipboard, LinkTimings timings)
    : port_(std::move(clipboard), timings.port, &stop_)
    , idlePause_(timings.idlePause)
    , answerWaitSeconds_(answerWaitSeconds(timings, firstAnswerIdleLimit)) {}

bool CommandExchange::enterCommandLine(const std::string& portPath) {
    reachFailure_.reset();
    if (!port_.open(portPath, 9600, 8, noParity, true)) {
        reachFailure_ = port_.openFailure();
        return false;
    }
    port_.discardInput();
    if (!exchange("\r", ">", firstAnswerIdleLimit)) {
        if (unanswered_) {
            reachFailure_ = PortOpenFailure{PortOpenFailure::Reason::noAnswer, portPath, answerWaitSeconds_};
        }
        return false;
    }
    for (int steps = 0; !atTopLevel(reply()); ++steps) {
        if (steps == maxExitSteps) {
            return fail();
        }
        if (!exchange("exit\r", ">", 1)) {
            return false;
        }
    }
    return true;
}

bool CommandExchange::exchange(std::optional<std::string_view> command, std::string_view terminator,
                               int idleLimit) {
    if (command && !send(*command)) {
        return fail();
    }
    buffer_.clear();
    unanswered_ = false;
    int idle = 0;
    for (;;) {
        char byte = 0;
        const int count = port_.read(&byte, 1);
        if (count < 0) {
            return fail();
        }
        if (count == 0) {
            if (++idle > idleLimit) {
                unanswered_ = buffer_.view().empty();
                return fail();
            }
            if (!stop_.sleepFor(idlePause_)) {
                return fail();
            }
            continue;
        }
        idle = 0;
        if (!buffer_.append(byte)) {
            return fail();
        }
        if (buffer_.endsWith(terminator)) {
            return true;
        }
    }
}

bool CommandExchange::send(std::string_view command) {
    for (std::size_t start = 0; start < command.size(); start += pieceSize) {
        auto piece = command.substr(start, pieceSize);
        // A write that the time-out cut short is continued; one that made no progress at all
        // means the line does not take the piece.
        while (!piece.empty()) {
            const int written = port_.write(piece.data(), static_cast<int>(piece.size()));
            if (written <= 0) {
                return false;
            }
            piece.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    return true;
}

bool CommandExchange::fail() {
    port_.close();
    return false;
}

} // namespace marlo
