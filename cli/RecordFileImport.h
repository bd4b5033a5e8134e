#pragma once

#include "record/SettingsDocument.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace marlo::cli {

inline constexpr std::string_view importFailedMessage = "設定データの解析に失敗しました。";

enum class FileImportResult { imported, importFailed, unreadable };

// Reads a record file into `document` as a file load does (the text ends at the file's first zero
// byte; the status record is taken from `statusFile` when given, else empty) and runs the settings
// import with the copy into `edited`.
// The reader's diagnostics, and why a file cannot be read, go to `err`.
FileImportResult importRecordFile(SettingsDocument& document, const std::string& file,
                                  const std::optional<std::string>& statusFile, std::ostream& err);

} // namespace marlo::cli
