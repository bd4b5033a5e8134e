#include "record/ConfigurationBackups.h"

#include "record/RecordFile.h"
#include "record/TextArguments.h"
#include "record/TranslatableText.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace marlo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view firmwareLineStart = "<!-- marlo backup, firmware: ";
constexpr std::string_view firmwareLineEnd = " -->";
constexpr std::string_view backupExtension = ".xml";
// "2026-12-08T16-45-12.123Z": sorts as it was taken, and a file name on every system.
constexpr std::size_t stampLength = 24;

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::string stampOf(std::chrono::system_clock::time_point when) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(milliseconds / 1000);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d-%02d-%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(milliseconds % 1000));
    return text;
}

// The time a backup's name says it was taken; no value for a name that is no backup's.
std::optional<std::chrono::system_clock::time_point> takenAt(std::string_view name) {
    if (name.size() != stampLength + backupExtension.size() || !name.ends_with(backupExtension)) {
        return std::nullopt;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    const std::string stamp(name.substr(0, stampLength));
    if (std::sscanf(stamp.c_str(), "%4d-%2d-%2dT%2d-%2d-%2d.%3dZ", &year, &month, &day, &hour, &minute,
                    &second, &millisecond) != 7) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(year),
                                           std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date) + std::chrono::hours(hour) + std::chrono::minutes(minute) +
           std::chrono::seconds(second) + std::chrono::milliseconds(millisecond);
}

// Whether users other than the owner may read or enter the folder.
bool isShared(const fs::path& folder) {
#ifdef _WIN32
    (void)folder;
    return false;
#else
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && (status.st_mode & 077) != 0;
#endif
}

// Creates the folder and those above it that are missing, each new one owner-only.
std::error_code makeFolders(const fs::path& folder) {
    std::error_code error;
    std::vector<fs::path> missing;
    for (fs::path above = folder; !fs::exists(above, error); above = above.parent_path()) {
        missing.push_back(above);
        if (!above.has_relative_path()) {
            break;
        }
    }
    fs::create_directories(folder, error);
    for (auto made = missing.begin(); !error && made != missing.end(); ++made) {
        fs::permissions(*made, fs::perms::owner_all, fs::perm_options::replace, error);
    }
    return error;
}

// The names of the device's backups, oldest first.
std::vector<std::string> backupNames(const fs::path& folder, std::error_code& error) {
    std::vector<std::string> names;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (takenAt(name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The firmware version as the comment can hold it: on its line, without "--".
std::string commentText(std::string_view text) {
    std::string comment;
    for (const char c : text) {
        const bool breaks =
            static_cast<unsigned char>(c) < 0x20 || (c == '-' && !comment.empty() && comment.back() == '-');
        comment += breaks ? '_' : c;
    }
    return comment;
}

std::string firmwareOf(std::string_view backupText) {
    const std::string_view firstLine = backupText.substr(0, backupText.find('\n'));
    if (!firstLine.starts_with(firmwareLineStart)) {
        return {};
    }
    std::string_view rest = firstLine.substr(firmwareLineStart.size());
    const std::size_t end = rest.find(firmwareLineEnd);
    return std::string(end == std::string_view::npos ? std::string_view{} : rest.substr(0, end));
}

// The error as the system's error number, which every system's error text knows.
BackupFailure failure(BackupFailure::Reason reason, const fs::path& folder, const std::error_code& error) {
    return {reason, folder.string(), error.default_error_condition().value()};
}

} // namespace

std::optional<std::string> backupsFolder() {
#ifdef _WIN32
    const std::optional<std::string> base = environment("LOCALAPPDATA");
    if (!base) {
        return std::nullopt;
    }
    return (fs::path(*base) / "marlo" / "backups").string();
#else
    const std::optional<std::string> data = environment("XDG_DATA_HOME");
    if (data && fs::path(*data).is_absolute()) {
        return (fs::path(*data) / "marlo" / "backups").string();
    }
    const std::optional<std::string> home = environment("HOME");
    if (!home) {
        return std::nullopt;
    }
    return (fs::path(*home) / ".local" / "share" / "marlo" / "backups").string();
#endif
}

std::string deviceFolderName(const std::optional<std::string>& usbSerialNumber, std::string_view portPath) {
    std::string_view source = portPath;
    if (usbSerialNumber && !usbSerialNumber->empty()) {
        source = *usbSerialNumber;
    } else {
        for (const std::string_view prefix : {std::string_view("/dev/"), std::string_view("\\\\.\\")}) {
            if (source.starts_with(prefix)) {
                source.remove_prefix(prefix.size());
            }
        }
    }
    std::string name;
    for (const char c : source) {
        const bool kept =
            std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_' || c == '.';
        name += kept ? c : '_';
    }
    // The prefix also keeps a port's name from being one Windows reserves for a device, as COM5 is.
    return (usbSerialNumber && !usbSerialNumber->empty() ? "usb-" : "port-") + name;
}

const char* backupFailureTemplate(const BackupFailure& failure) {
    switch (failure.reason) {
    case BackupFailure::noFolder:
        return QT_TRANSLATE_NOOP("ConfigurationBackups",
                                 "バックアップを保存するフォルダがありません (HOME が設定されていません)。");
    case BackupFailure::cannotList:
        return QT_TRANSLATE_NOOP("ConfigurationBackups", "%1 のバックアップを一覧できません: %2");
    case BackupFailure::folderNotPrivate:
        return QT_TRANSLATE_NOOP("ConfigurationBackups",
                                 "バックアップフォルダ %1 は他のユーザーも読み取れるため使用しません。"
                                 "所有者だけが読めるようにしてください (chmod 700)。");
    case BackupFailure::cannotWrite:
        break;
    }
    return QT_TRANSLATE_NOOP("ConfigurationBackups", "バックアップを %1 に保存できません: %2");
}

std::string backupFailureText(const BackupFailure& failure, std::string_view text) {
    return withArguments(text,
                         {failure.folder, failure.error != 0 ? recordFileErrorText(failure.error) : ""});
}

std::string_view backupRecord(std::string_view backupText) {
    if (!backupText.starts_with(firmwareLineStart)) {
        return backupText;
    }
    const std::size_t lineEnd = backupText.find('\n');
    return lineEnd == std::string_view::npos ? std::string_view{} : backupText.substr(lineEnd + 1);
}

namespace {

std::variant<std::string, BackupFailure> keepNewBackup(const std::string& backups, const std::string& device,
                                                       std::string_view configRecord,
                                                       std::string_view firmwareVersion,
                                                       std::chrono::system_clock::time_point now) {
    const fs::path root(backups);
    const fs::path folder = root / device;
    if (const std::error_code error = makeFolders(folder)) {
        return failure(BackupFailure::cannotWrite, folder, error);
    }
    for (const fs::path& checked : {root, folder}) {
        if (isShared(checked)) {
            return BackupFailure{BackupFailure::folderNotPrivate, checked.string(), 0};
        }
    }
    std::error_code error;
    std::vector<std::string> names = backupNames(folder, error);
    if (error) {
        return failure(BackupFailure::cannotWrite, folder, error);
    }
    if (!names.empty()) {
        const std::string newest = (folder / names.back()).string();
        std::string text;
        if (readRecordFile(newest, text) == 0 && backupRecord(text) == configRecord) {
            return newest;
        }
    }
    std::string name = stampOf(now) + std::string(backupExtension);
    for (auto later = now; std::find(names.begin(), names.end(), name) != names.end();) {
        later += std::chrono::milliseconds(1);
        name = stampOf(later) + std::string(backupExtension);
    }
    const std::string path = (folder / name).string();
    std::string text = std::string(firmwareLineStart) + commentText(firmwareVersion) +
                       std::string(firmwareLineEnd) + "\r\n" + std::string(configRecord);
    if (const int written = writeRecordFile(path, text); written != 0) {
        return BackupFailure{BackupFailure::cannotWrite, folder.string(), written};
    }
    names.push_back(name);
    std::sort(names.begin(), names.end());
    for (std::size_t i = 0; i + keptBackups < names.size(); ++i) {
        fs::remove(folder / names[i], error);
    }
    return path;
}

std::variant<std::vector<BackupEntry>, BackupFailure> listDeviceBackups(const std::string& backups,
                                                                        const std::string& device) {
    const fs::path root(backups);
    const fs::path folder = root / device;
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return std::vector<BackupEntry>{};
    }
    for (const fs::path& checked : {root, folder}) {
        if (isShared(checked)) {
            return BackupFailure{BackupFailure::folderNotPrivate, checked.string(), 0};
        }
    }
    const std::vector<std::string> names = backupNames(folder, error);
    if (error) {
        return failure(BackupFailure::cannotList, folder, error);
    }
    std::vector<BackupEntry> entries;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        BackupEntry entry{(folder / *name).string(), *takenAt(*name), {}};
        std::string text;
        if (readRecordFile(entry.path, text) == 0) {
            entry.firmwareVersion = firmwareOf(text);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

std::variant<std::string, BackupFailure> keepBackup(const std::string& backups, const std::string& device,
                                                    std::string_view configRecord,
                                                    std::string_view firmwareVersion,
                                                    std::chrono::system_clock::time_point now) {
    // A name the system cannot give in the program's code page throws: it fails only the backup.
    try {
        return keepNewBackup(backups, device, configRecord, firmwareVersion, now);
    } catch (const std::exception&) {
        return BackupFailure{BackupFailure::cannotWrite, backups, EILSEQ};
    }
}

std::variant<std::vector<BackupEntry>, BackupFailure> listBackups(const std::string& backups,
                                                                  const std::string& device) {
    try {
        return listDeviceBackups(backups, device);
    } catch (const std::exception&) {
        return BackupFailure{BackupFailure::cannotList, backups, EILSEQ};
    }
}

} // namespace marlo
