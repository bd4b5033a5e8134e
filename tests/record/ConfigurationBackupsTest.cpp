#include "record/ConfigurationBackups.h"

#include "record/RecordFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace marlo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const auto start = std::chrono::sys_days(std::chrono::year(2026) / 12 / 8) + 16h;

class ConfigurationBackupsTest : public ::testing::Test {
protected:
    ConfigurationBackupsTest() {
        std::random_device random;
        do {
            root_ = fs::temp_directory_path() / ("marlo-backups-" + std::to_string(random()));
        } while (fs::exists(root_));
    }
    ~ConfigurationBackupsTest() override { fs::remove_all(root_); }

    std::string backups() const { return (root_ / "backups").string(); }

#ifndef _WIN32
    static unsigned mode(const fs::path& path) {
        struct stat status {};
        return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
    }
#endif

    fs::path root_;
};

TEST_F(ConfigurationBackupsTest, KeepsEachNewConfigurationOnceOwnerOnlyAndListsThemNewestFirst) {
    const auto first = keepBackup(backups(), "ttyUSB0", "record A", "2.0.1", start);
    ASSERT_TRUE(std::holds_alternative<std::string>(first));
    EXPECT_EQ(fs::path(std::get<std::string>(first)),
              fs::path(backups()) / "ttyUSB0" / "2026-12-08T16-00-00.000Z.xml");
    EXPECT_EQ(keepBackup(backups(), "ttyUSB0", "record A", "2.0.1", start + 1min), first);
    const auto second = keepBackup(backups(), "ttyUSB0", "record B", "2.0.2", start + 2min + 5ms);
    ASSERT_TRUE(std::holds_alternative<std::string>(second));

    const auto listed = listBackups(backups(), "ttyUSB0");
    ASSERT_TRUE(std::holds_alternative<std::vector<BackupEntry>>(listed));
    const auto& entries = std::get<std::vector<BackupEntry>>(listed);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].path, std::get<std::string>(second));
    EXPECT_EQ(entries[0].takenAt, start + 2min + 5ms);
    EXPECT_EQ(entries[0].firmwareVersion, "2.0.2");
    EXPECT_EQ(entries[1].firmwareVersion, "2.0.1");
    std::string text;
    ASSERT_EQ(readRecordFile(entries[0].path, text), 0);
    EXPECT_EQ(backupRecord(text), "record B");
#ifndef _WIN32
    EXPECT_EQ(mode(entries[0].path), 0600u);
    EXPECT_EQ(mode(root_ / "backups"), 0700u);
    EXPECT_EQ(mode(root_ / "backups" / "ttyUSB0"), 0700u);
#endif
    // Another device has none yet.
    EXPECT_TRUE(std::get<std::vector<BackupEntry>>(listBackups(backups(), "ttyUSB1")).empty());
}

TEST_F(ConfigurationBackupsTest, KeepsTheNewestHundred) {
    for (int i = 0; i < 102; ++i) {
        ASSERT_TRUE(std::holds_alternative<std::string>(
            keepBackup(backups(), "pts_3", "record " + std::to_string(i), "", start + i * 1s)));
    }
    const auto entries = std::get<std::vector<BackupEntry>>(listBackups(backups(), "pts_3"));
    ASSERT_EQ(entries.size(), keptBackups);
    EXPECT_EQ(entries.front().takenAt, start + 101s);
    EXPECT_EQ(entries.back().takenAt, start + 2s);
}

#ifndef _WIN32
TEST_F(ConfigurationBackupsTest, RefusesAFolderOthersCanReadAndSaysWhyNothingWasKept) {
    ASSERT_TRUE(std::holds_alternative<std::string>(keepBackup(backups(), "ttyUSB0", "record", "", start)));
    fs::permissions(root_ / "backups" / "ttyUSB0", fs::perms::group_read | fs::perms::others_read,
                    fs::perm_options::add);
    for (const auto& failure :
         {std::get<BackupFailure>(keepBackup(backups(), "ttyUSB0", "new record", "", start + 1s)),
          std::get<BackupFailure>(listBackups(backups(), "ttyUSB0"))}) {
        EXPECT_EQ(failure.reason, BackupFailure::folderNotPrivate);
        EXPECT_EQ(
            backupFailureText(failure, backupFailureTemplate(failure)),
            "バックアップフォルダ " + backups() +
                "/ttyUSB0 は他のユーザーも読み取れるため使用しません。所有者だけが読めるようにしてください "
                "(chmod 700)。");
    }

    // A data folder that is a file: nothing can be kept below it.
    std::ofstream(root_ / "file") << "x";
    const auto failure = std::get<BackupFailure>(
        keepBackup((root_ / "file" / "marlo" / "backups").string(), "ttyUSB0", "record", "", start));
    EXPECT_EQ(failure.reason, BackupFailure::cannotWrite);
    EXPECT_EQ(failure.error, ENOTDIR);
}
#endif

TEST(DeviceFolderName, TheAdaptersSerialNumberElseThePort) {
    EXPECT_EQ(deviceFolderName(std::string("A1B2/C3 x"), "/dev/ttyUSB0"), "usb-A1B2_C3_x");
    EXPECT_EQ(deviceFolderName(std::nullopt, "/dev/ttyUSB0"), "port-ttyUSB0");
    EXPECT_EQ(deviceFolderName(std::string(), "/dev/pts/3"), "port-pts_3");
    EXPECT_EQ(deviceFolderName(std::nullopt, "\\\\.\\COM3"), "port-COM3");
    EXPECT_EQ(deviceFolderName(std::nullopt, "COM5"), "port-COM5");
}

} // namespace
} // namespace marlo
