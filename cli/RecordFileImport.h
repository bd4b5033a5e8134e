#pragma once

#include "record/SettingsDocument.h"
#include "record/SettingsImport.h"

#include <optional>
#include <ostream>
#include <string>

namespace marlo::cli {

// Reads a record file into `document` as the window's file load does (the status record is taken
// from `statusFile` when given, else empty) and runs the settings import with the copy into
// `edited`. No value once imported; else the command's exit code, after saying on `err` why: the
// reader's diagnostics, why a file cannot be read (exitUsage), or that the import failed
// (exitFailure).
std::optional<int> importRecordFile(SettingsDocument& document, const std::string& file,
                                    const std::optional<std::string>& statusFile, std::ostream& err);

} // namespace marlo::cli
