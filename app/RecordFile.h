#pragma once

#include <string>
#include <string_view>

namespace marlo {

// Record files as the save and load flows keep them. Both return 0 or the system's error number.

// Replaces the file at `path` with `text` as a whole: the text goes into a new file in the same
// folder, which is then renamed over the target, so a failure leaves the old file as it was. A
// new file is readable by its owner only, since a record may hold passphrases; a replaced file
// keeps its permissions. A symbolic link is followed, not replaced.
int writeRecordFile(const std::string& path, std::string_view text);

// The file's text, which ends at its first zero byte. A file over 1 MiB is refused with EFBIG.
int readRecordFile(const std::string& path, std::string& text);

} // namespace marlo
