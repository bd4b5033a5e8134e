// The record file load on a file of outside bytes: the file is read as the load flow reads it, and
// its text imported with the copy into the edited settings.

#include "fuzz/FuzzCheck.h"
#include "record/RecordFile.h"
#include "record/SettingsImport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// One file in a folder of its own, removed when the run ends.
class ScratchFile {
public:
    ScratchFile() {
        std::string folder = "/tmp/marlo-fuzz-XXXXXX";
        if (::mkdtemp(folder.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        folder_ = folder;
        path_ = folder + "/record.xml";
    }
    ~ScratchFile() {
        ::unlink(path_.c_str());
        ::rmdir(folder_.c_str());
    }

    const std::string& path() const { return path_; }

    // Overwritten in place, then cut to length: a file emptied first and then written is flushed to
    // the disk on closing by some file systems, which would slow every run down.
    void replace(std::string_view bytes) const {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        marlo::fuzz::require(
            fd >= 0 && ::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()) &&
                ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::close(fd) == 0,
            "the scratch file is written");
    }

private:
    std::string folder_;
    std::string path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile file;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    file.replace(bytes);
    marlo::SettingsDocument document;
    marlo::fuzz::require(marlo::readRecordFile(file.path(), document.configRecord) == 0 &&
                             document.configRecord == bytes.substr(0, bytes.find('\0')),
                         "a file's text runs to its first zero byte");
    document.loadedFromFile = 1;
    marlo::importSettings(document, 1, [](const std::string&) {});
    return 0;
}
