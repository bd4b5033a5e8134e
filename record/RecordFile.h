#pragma once

#include <string>
#include <string_view>

namespace marlo {

// Record files as the window's save and load and marlo-cli keep them. Both functions return 0, the
// system's error number, or notRegularFile.

// What a path names when it is neither a regular file nor a folder (a pipe, a device, a socket):
// no record is read from it or saved over it. The system has no error number of its own for it.
inline constexpr int notRegularFile = -1;

// The text that says why a record file could not be read or written.
std::string recordFileErrorText(int error);

// Replaces the file at `path` with `text` as a whole: the text goes into a new file in the folder
// of the file replaced, which is then renamed over it, and the file and the folder are synced, so
// a failure leaves the old file as it was. A new file is readable by its owner only, since a
// record may hold passphrases; a replaced file keeps its permissions. Symbolic links are followed,
// not replaced, whether the file they lead to exists yet or not.
int writeRecordFile(const std::string& path, std::string_view text);

// The file's text, which ends at its first zero byte. A file over 1 MiB is refused with EFBIG.
// Never waits: a pipe without a writer is refused like every other file that is not regular.
int readRecordFile(const std::string& path, std::string& text);

} // namespace marlo
