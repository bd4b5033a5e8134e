#include "cli/RecordFileImport.h"

#include "cli/Console.h"
#include "record/SettingsImport.h"

namespace marlo::cli {

FileImportResult importRecordFile(SettingsDocument& document, const std::string& file,
                                  const std::optional<std::string>& statusFile, std::ostream& err) {
    auto record = readRecordText(file, err);
    if (!record) {
        return FileImportResult::unreadable;
    }
    std::string status;
    if (statusFile) {
        auto statusRecord = readRecordText(*statusFile, err);
        if (!statusRecord) {
            return FileImportResult::unreadable;
        }
        status = std::move(*statusRecord);
    }
    document.configRecord = std::move(*record);
    document.statusRecord = std::move(status);
    document.loadedFromFile = 1;
    const bool imported = importSettings(
        document, 1, [&err](const std::string& message) { err << displayMessage(message) << "\n"; });
    return imported ? FileImportResult::imported : FileImportResult::importFailed;
}

} // namespace marlo::cli
