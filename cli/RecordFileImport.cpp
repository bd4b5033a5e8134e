#include "cli/RecordFileImport.h"

#include "cli/Command.h"
#include "cli/Console.h"
#include "cli/Translation.h"
#include "record/SettingsImport.h"

namespace marlo::cli {

std::optional<int> importRecordFile(SettingsDocument& document, const std::string& file,
                                    const std::optional<std::string>& statusFile, std::ostream& err) {
    auto record = readRecordText(file, err);
    if (!record) {
        return exitUsage;
    }
    std::string status;
    if (statusFile) {
        auto statusRecord = readRecordText(*statusFile, err);
        if (!statusRecord) {
            return exitUsage;
        }
        status = std::move(*statusRecord);
    }
    document.configRecord = std::move(*record);
    document.statusRecord = std::move(status);
    document.loadedFromFile = 1;
    const bool imported = importSettings(
        document, 1, [&err](const std::string& message) { err << escapedMessage(message) << "\n"; });
    if (!imported) {
        err << translated("SettingsImport", importFailedMessage) << "\n";
        return exitFailure;
    }
    return std::nullopt;
}

} // namespace marlo::cli
