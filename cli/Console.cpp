#include "cli/Console.h"

#include "cli/CliMessages.h"
#include "cli/Translation.h"

#include "record/RecordFile.h"

namespace marlo::cli {

std::optional<std::string> readRecordText(const std::string& path, std::ostream& err) {
    std::string text;
    if (const int error = readRecordFile(path, text); error != 0) {
        err << said(cannotReadFile, {path, recordFileErrorText(error)}) << "\n";
        return std::nullopt;
    }
    return text;
}

bool flushOutput(std::ostream& out, std::ostream& err) {
    out.flush();
    if (!out) {
        err << said(cannotWriteOutput, {}) << "\n";
        return false;
    }
    return true;
}

} // namespace marlo::cli
