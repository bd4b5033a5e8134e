#pragma once

#include "record/SettingsDocument.h"
#include "record/SettingsImport.h"

#include <optional>
#include <ostream>
#include <string>

namespace marlo::cli {

enum class FileImportResult { imported, importFailed, unreadable };

// Reads a record file into `document` as the window's file load does (the status record is taken
// from `statusFile` when given, else empty) and runs the settings import with the copy into
// `edited`.
// The reader's diagnostics, and why a file cannot be read, go to `err`.
FileImportResult importRecordFile(SettingsDocument& document, const std::string& file,
                                  const std::optional<std::string>& statusFile, std::ostream& err);

} // namespace marlo::cli
