#include "cli/RecordFileImport.h"

#include "cli/Console.h"
#include "record/SettingsImport.h"

namespace marlo::cli {

FileImportResult importRecordFile(SettingsDocument& document, const std::string& file,
                                  const std::optional<std::string>& statusFile, std::ostream& err) {
    const auto record = readFileBytes(file, err);
    if (!record) {
        return FileImportResult::unreadable;
    }
    std::string status;
    if (statusFile) {
        const auto statusRecord = readFileBytes(*statusFile, err);
        if (!statusRecord) {
            return FileImportResult::unreadable;
        }
        status = *statusRecord;
    }
    document.configRecord = record->substr(0, record->find('\0'));
    document.statusRecord = status;
    document.loadedFromFile = 1;
    const bool imported = importSettings(
        document, 1, [&err](const std::string& message) { err << displayMessage(message) << "\n"; });
    return imported ? FileImportResult::imported : FileImportResult::importFailed;
}

} // namespace marlo::cli
