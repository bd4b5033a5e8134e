#include "sim/CommandLine.h"

#include "sim/RecordDump.h"

#include <cstdio>
#include <exception>
#include <utility>

namespace marlo::sim {

namespace {

constexpr std::size_t maxLine = 256;
constexpr std::size_t maxRecord = 2 * 1024 * 1024;
constexpr std::string_view recordEnd = "</configrecord>\r";

std::string prompt(Level level) {
    switch (level) {
    case Level::status:
        return "status>";
    case Level::device:
        return "Device>";
    case Level::xml:
        return "xml>";
    default:
        return ">";
    }
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string scanColumns(const std::string& ssid, const std::string& bssid, const std::string& channel,
                        const std::string& rssi, const std::string& security) {
    char line[200];
    std::snprintf(line, sizeof line, "%-32s %-17s %3s %4s %s", ssid.c_str(), bssid.c_str(), channel.c_str(),
                  rssi.c_str(), security.c_str());
    return line;
}

} // namespace

std::string scanLine(const std::string& ssid, const std::string& bssid, int channel, int rssi,
                     const std::string& security) {
    return scanColumns(ssid, bssid, std::to_string(channel), std::to_string(rssi), security);
}

CommandLine::CommandLine(DeviceConfig& config, const Behaviour& behaviour, std::function<void()> keepConfig)
    : config_(config)
    , behaviour_(behaviour)
    , keepConfig_(std::move(keepConfig)) {}

void CommandLine::setLevel(Level level) {
    level_ = level;
    line_.clear();
    inRecord_ = false;
    record_.clear();
}

void CommandLine::take(char byte, std::vector<Output>& outputs) {
    if (inRecord_) {
        takeRecordByte(byte, outputs);
        return;
    }
    if (level_ == Level::closed) {
        if (byte == '\r') {
            level_ = Level::top;
            outputs.push_back(answer("\r\nDevice server command line.\r\nType \"exit\" to return to the "
                                     "tunnel.\r\n\r\n" +
                                     prompt(level_)));
        }
        return;
    }
    switch (byte) {
    case '\r':
        run(outputs);
        break;
    case '\n':
        break;
    case '\b':
    case 0x7f:
        if (!line_.empty()) {
            line_.pop_back();
            outputs.push_back({"\b \b"});
        }
        break;
    default:
        if (level_ == Level::top && line_.empty() && byte == '<') {
            inRecord_ = true;
            recordOverflow_ = false;
            record_.assign(1, byte);
        } else if (line_.size() < maxLine) {
            line_ += byte;
            outputs.push_back({std::string(1, byte)});
        }
    }
}

void CommandLine::run(std::vector<Output>& outputs) {
    const std::string command = trimmed(line_);
    line_.clear();
    outputs.push_back({"\r\n"});
    if (!command.empty()) {
        log_.push_back(command);
    }
    Output reply = execute(command);
    if (level_ != Level::closed) {
        reply.bytes += prompt(level_);
    }
    const auto delay = reply.delay;
    reply = answer(std::move(reply.bytes));
    reply.delay = delay;
    outputs.push_back(std::move(reply));
}

Output CommandLine::execute(const std::string& command) {
    if (command.empty()) {
        return {};
    }
    const auto enter = [this](Level level) {
        level_ = level;
        return Output{};
    };
    switch (level_) {
    case Level::top:
        if (command == "status") {
            return enter(Level::status);
        }
        if (command == "xml") {
            return enter(Level::xml);
        }
        if (command == "exit") {
            level_ = Level::closed;
            return {"Tunnel 1 start.\r\n"};
        }
        if (command == "wlan scan") {
            std::string list = "Number of responses: " +
                               std::to_string(behaviour_.announcedNetworks.value_or(
                                   static_cast<int>(behaviour_.scanLines.size()))) +
                               "\r\n";
            list += scanColumns("SSID", "BSSID", "CH", "RSSI", "SECURITY") + "\r\n";
            list += std::string(72, '-') + "\r\n";
            for (const std::string& line : behaviour_.scanLines) {
                list += line + "\r\n";
            }
            return {std::move(list), behaviour_.scanDelay};
        }
        break;
    case Level::status:
        if (command == "Device") {
            return enter(Level::device);
        }
        if (command == "exit") {
            return enter(Level::top);
        }
        break;
    case Level::device:
        if (command == "show") {
            std::string text = "Product Type     : Serial-to-Wi-Fi device server\r\n";
            if (behaviour_.firmwareLineShown) {
                text += "Firmware Version : " + behaviour_.firmwareVersion + "\r\n";
            }
            text += "MAC Address      : 00:20:4a:d1:7c:02\r\n";
            text += "Uptime           : 0 days 00:42:17\r\n";
            return {std::move(text)};
        }
        if (command == "exit") {
            return enter(Level::status);
        }
        break;
    case Level::xml:
        if (command == "xcr dump") {
            return {renderConfigRecord(config_, Secrets::masked,
                                       {behaviour_.dumpMinimumSize, behaviour_.dumpLeavesOut})};
        }
        if (command == "xsr dump Interface") {
            return {renderStatusRecord(config_)};
        }
        if (command == "exit") {
            return enter(Level::top);
        }
        break;
    case Level::closed:
        break;
    }
    return {"ERROR: unknown command " + escapeMarkup(command) + "\r\n"};
}

void CommandLine::takeRecordByte(char byte, std::vector<Output>& outputs) {
    if (record_.size() >= maxRecord) {
        recordOverflow_ = true;
        record_.erase(0, record_.size() - recordEnd.size());
    }
    record_ += byte;
    if (!std::string_view(record_).ends_with(recordEnd)) {
        return;
    }
    inRecord_ = false;
    log_.push_back("<configrecord>");
    ImportOutcome outcome;
    if (recordOverflow_) {
        outcome.errors.push_back("ERROR: record too long");
    } else if (behaviour_.importsRefused) {
        outcome.errors.push_back("ERROR: configuration import is locked");
    } else {
        outcome = applyRecord(record_);
    }
    record_.clear();
    std::string text = "\r\n";
    for (const std::string& error : outcome.errors) {
        text += error + "\r\n";
    }
    if (outcome.errors.empty()) {
        text += "Configuration record imported.\r\n";
    }
    if (outcome.reboot) {
        text += "Rebooting.\r\n";
    }
    Output reply = answer(text + prompt(level_));
    reply.rebootAfter = outcome.reboot;
    outputs.push_back(std::move(reply));
}

ImportOutcome CommandLine::applyRecord(std::string_view record) {
    const DeviceConfig before = config_;
    ImportOutcome outcome = importRecord(record, config_);
    if (!outcome.errors.empty() || !keepConfig_) {
        return outcome;
    }
    try {
        keepConfig_();
    } catch (const std::exception& error) {
        config_ = before;
        outcome = {{"ERROR: configuration not stored: " + errorLineText(error.what())}, false};
    }
    return outcome;
}

Output CommandLine::answer(std::string text) const {
    if (behaviour_.endlessOutput) {
        return {behaviour_.garbage, {}, false, true};
    }
    return {behaviour_.garbage + text};
}

} // namespace marlo::sim
