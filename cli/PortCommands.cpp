#include "cli/PortCommands.h"

#include "cli/CliMessages.h"
#include "cli/Console.h"
#include "cli/DeviceRead.h"
#include "cli/RecordFileImport.h"
#include "cli/SettingsPrinter.h"
#include "cli/Translation.h"
#include "device/DeviceLink.h"
#include "device/DeviceMessages.h"
#include "device/PortOpenFailure.h"
#include "device/ScanAnswer.h"
#include "record/RecordFile.h"
#include "record/SettingsImport.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <optional>

namespace marlo::cli {

namespace {

std::string_view message(const char* text) {
    return translated("DeviceMessages", text);
}

// "--port PATH" and the other options a command allows, each with its value, and the bare
// arguments in order.
struct PortArguments {
    std::string port;
    std::map<std::string, std::string> options;
    std::vector<std::string> operands;
};

std::optional<PortArguments> parse(const std::vector<std::string>& arguments,
                                   std::initializer_list<std::string_view> allowed, std::size_t operands) {
    PortArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            parsed.operands.push_back(argument);
            continue;
        }
        const bool known =
            argument == "--port" || std::find(allowed.begin(), allowed.end(), argument) != allowed.end();
        if (!known || i + 1 >= arguments.size() || parsed.options.contains(argument)) {
            return std::nullopt;
        }
        parsed.options[argument] = arguments[++i];
    }
    const auto port = parsed.options.find("--port");
    if (port == parsed.options.end() || parsed.operands.size() != operands) {
        return std::nullopt;
    }
    parsed.port = port->second;
    return parsed;
}

int usageError(std::string_view name, std::string_view usage, std::ostream& err) {
    err << said(commandUsage, {std::string(name) + " " + std::string(usage)}) << "\n";
    return exitUsage;
}

// A device reply for the terminal: the program's own texts in its language; the device's answer
// with its CR LF line ends as line feeds.
std::string replyText(std::string_view reply) {
    if (const char* own = programReplyMessage(reply)) {
        return std::string(message(own));
    }
    std::string lines;
    for (std::size_t i = 0; i < reply.size(); ++i) {
        if (!(reply[i] == '\r' && i + 1 < reply.size() && reply[i + 1] == '\n')) {
            lines += reply[i];
        }
    }
    return escapedMessage(lines);
}

// Keeps a record in a file the way the window saves one: as a whole, owner-only when new.
bool writeFile(const std::string& path, const std::string& bytes, std::ostream& err) {
    if (const int error = writeRecordFile(path, bytes); error != 0) {
        err << said(cannotWriteFile, {path, recordFileErrorText(error)}) << "\n";
        return false;
    }
    return true;
}

constexpr std::string_view readUsage = "--port PATH [--config-out FILE] [--status-out FILE]";

int runRead(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(arguments, {"--config-out", "--status-out"}, 0);
    if (!parsed) {
        return usageError("read", readUsage, err);
    }
    SettingsDocument document;
    if (!readDeviceRecords(parsed->port, document, err)) {
        return exitFailure;
    }
    for (const auto& [option, record] : {std::pair{"--config-out", &document.configRecord},
                                         std::pair{"--status-out", &document.statusRecord}}) {
        const auto file = parsed->options.find(option);
        if (file != parsed->options.end() && !writeFile(file->second, *record, err)) {
            return exitUsage;
        }
    }
    if (!importDeviceRecords(document, err)) {
        return exitFailure;
    }
    if (const KeptBackup backup = keepBackupOfRead(parsed->port, document); !backup.warning.empty()) {
        err << "marlo-cli: " << backup.warning << "\n";
    }
    out << "firmwareVersion = " << escapedText(document.firmwareVersion) << "\n";
    printSettings(document.loaded, out);
    return flushOutput(out, err) ? exitSuccess : exitFailure;
}

constexpr std::string_view sendUsage = "--port PATH FILE";

int runSend(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(arguments, {}, 1);
    if (!parsed) {
        return usageError("send", sendUsage, err);
    }
    const auto record = readRecordText(parsed->operands.front(), err);
    if (!record) {
        return exitUsage;
    }
    DeviceLink link(systemTextTo(err));
    link.setPortPath(parsed->port);
    std::string reply;
    if (!link.sendRecord(*record, reply)) {
        reportFailure(std::string(message(writeFailedMessage)) + "\n\n" + replyText(reply), link, err);
        return exitFailure;
    }
    out << replyText(reply) << "\n";
    return flushOutput(out, err) ? exitSuccess : exitFailure;
}

constexpr std::string_view scanUsage = "--port PATH";

int runScan(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(arguments, {}, 0);
    if (!parsed) {
        return usageError("scan", scanUsage, err);
    }
    DeviceLink link(systemTextTo(err));
    link.setPortPath(parsed->port);
    std::string scanText;
    if (!link.scanNetworks(scanText)) {
        reportFailure(message(communicationErrorMessage), link, err);
        return exitFailure;
    }
    const auto results = parseScanAnswer(scanText);
    if (!results) {
        err << message(scanParseError) << "\n";
        return exitFailure;
    }
    for (const ScanResult& result : *results) {
        out << escapedText(result.ssid) << "\t" << escapedText(result.bssid) << "\t" << result.channel << "\t"
            << result.rssi << "\t" << escapedText(result.security) << "\n";
    }
    return flushOutput(out, err) ? exitSuccess : exitFailure;
}

} // namespace

const Command readCommand{"read", readUsage, runRead};
const Command sendCommand{"send", sendUsage, runSend};
const Command scanCommand{"scan", scanUsage, runScan};

} // namespace marlo::cli
