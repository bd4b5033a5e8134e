#include "tests/app/FlowWindow.h"
#include "tests/support/DataFile.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace marlo;

namespace {

const QString saved = QStringLiteral("設定データをファイルに保存しました。");
const QString loaded = QStringLiteral("設定データをファイルからロードしました。");
const QString importFailed = QStringLiteral("設定データの解析に失敗しました。");
const QString notRegular = QStringLiteral("Not a regular file");
const QString serverPasswordPrompt =
    QStringLiteral("ファイルに保存する[ サーバモード 接続パスワード ]を入力してください。\n（31文字以内）");

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

unsigned permissions(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The folder's entries, hidden and special ones included: a save leaves nothing of its own behind.
QStringList entries(const QTemporaryDir& folder) {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The record the window saves to `path` when the user presses the save button; empty when the
// save does not end with its message.
QByteArray savedBy(FlowWindow& w, const QString& path) {
    w.dialogs.expectSaveFile(path);
    w.dialogs.expectMessage(saved, &w.window);
    w.click("saveButton");
    return w.dialogs.done() ? contents(path) : QByteArray();
}

// The record the window saves to `path` right after it read the simulated device; empty when any
// step fails.
QByteArray savedAfterRead(FlowWindow& w, const QString& path) {
    if (!w.window.initDialog() || !w.read()) {
        return {};
    }
    return savedBy(w, path);
}

// Files this process writes are cut off at `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit previous_{};
};

} // namespace

class FileFlowTest : public QObject {
    Q_OBJECT

private slots:
    void aSavedFileLoadsBackIntoThePages() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("device.xml"));
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.serialEdit("gapTime")->setText(QStringLiteral("321"));

        w.dialogs.expectSaveFile(path);
        w.dialogs.expectMessage(saved, &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        const QByteArray record = contents(path);
        QVERIFY(record.startsWith("<?xml"));
        QVERIFY(record.endsWith("</configrecord>\r"));
        QVERIFY(!record.contains('\n'));
        QVERIFY(record.contains("<configitem name = \"Reboot\">\r         <value>Disable</value>"));
        QVERIFY(record.contains("<configitem name = \"Gap Timer\">\r         <value>321</value>"));
        QCOMPARE(permissions(path), 0600u);
        QCOMPARE(entries(folder), QStringList{"device.xml"});

        w.serialEdit("gapTime")->setText(QStringLiteral("99"));
        w.dialogs.expectConfirm(
            QStringLiteral("書き込みも保存もしていない変更があります。変更を破棄しますか?\n\n"
                           "シリアルポート > 受信データキュー更新条件 > ギャップ時間: 321 → 99"),
            true);
        w.dialogs.expectOpenFile(path);
        w.dialogs.expectMessage(loaded, &w.window);
        w.click("loadButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(w.serialEdit("gapTime")->text(), QStringLiteral("321"));
        QCOMPARE(control<QLabel>(&w.window, "firmwareLine")->text(), QString());
        const SettingsDocument& document = w.window.settings();
        QCOMPARE(QByteArray::fromStdString(document.configRecord), record);
        QCOMPARE(document.loadedFromFile, 1);
        QVERIFY(document.statusRecord.empty());
        QVERIFY(document.firmwareVersion.empty());
        QVERIFY(w.widget("saveButton")->isEnabled());
        QVERIFY(w.widget("writeButton")->isEnabled());
    }

    void aFileLoadsWithoutAnyRead() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("device.xml"));
        {
            FlowWindow source;
            QVERIFY(source.window.initDialog());
            QVERIFY(source.read());
            source.dialogs.expectSaveFile(path);
            source.dialogs.expectMessage(saved);
            source.click("saveButton");
            QVERIFY(source.dialogs.done());
        }
        put(path, contents(path) + QByteArray("\0<configgroup name = \"Radio\">", 30));

        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(!w.serialEdit("gapTime")->isEnabled());
        w.dialogs.expectOpenFile(path);
        w.dialogs.expectMessage(loaded, &w.window);
        w.click("loadButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(w.serialEdit("gapTime")->isEnabled());
        QVERIFY(QByteArray::fromStdString(w.window.settings().configRecord).endsWith("</configrecord>\r"));
        QVERIFY(w.widget("writeButton")->isEnabled());
    }

    void savingReplacesTheOldFileAsAWhole() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("shared.xml"));
        put(path, QByteArray(100000, 'x'));
        QFile::setPermissions(path,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString link = folder.filePath(QStringLiteral("link.xml"));
        QVERIFY(QFile::link(path, link));

        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.dialogs.expectSaveFile(link);
        w.dialogs.expectMessage(saved, &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(QFileInfo(link).isSymLink());
        const QByteArray record = contents(path);
        QVERIFY(record.startsWith("<?xml"));
        QVERIFY(!record.contains('x' + QByteArray(10, 'x')));
        QCOMPARE(permissions(path), 0644u);
        QCOMPARE(entries(folder), QStringList({"link.xml", "shared.xml"}));

        // A chain of links that ends where no file is yet makes the file there, in its own folder.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("records")));
        const QString chain = folder.filePath(QStringLiteral("chain.xml"));
        QCOMPARE(::symlink("hop.xml", QFile::encodeName(chain).constData()), 0);
        QCOMPARE(::symlink("records/new.xml", QFile::encodeName(folder.filePath("hop.xml")).constData()), 0);
        w.dialogs.expectSaveFile(chain);
        w.dialogs.expectMessage(saved, &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(QFileInfo(chain).isSymLink() && QFileInfo(folder.filePath("hop.xml")).isSymLink());
        const QString created = folder.filePath(QStringLiteral("records/new.xml"));
        QCOMPARE(contents(created), record);
        QCOMPARE(permissions(created), 0600u);
        QCOMPARE(entries(folder), QStringList({"chain.xml", "hop.xml", "link.xml", "records", "shared.xml"}));
        QCOMPARE(QDir(folder.filePath("records")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"new.xml"});
    }

    void aFailedSaveLeavesTheOldFileIntact() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("device.xml"));
        const QByteArray old = "<?xml version=\"1.0\" standalone=\"yes\"?>\rold\r";
        put(path, old);
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());

        w.dialogs.expectSaveFile(path);
        w.dialogs.expectMessage(QStringLiteral("File too large"), &w.window);
        {
            FileSizeLimit limit(256);
            w.click("saveButton");
        }
        QVERIFY(w.dialogs.done());
        QCOMPARE(contents(path), old);
        QCOMPARE(entries(folder), QStringList{"device.xml"});

        w.dialogs.expectSaveFile(folder.filePath(QStringLiteral("missing/device.xml")));
        w.dialogs.expectMessage(QStringLiteral("No such file or directory"), &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(entries(folder), QStringList{"device.xml"});
    }

    void aFileThatCannotBeOpenedForWritingIsNotReplaced() {
        QTemporaryDir folder;
        const QString pipe = folder.filePath(QStringLiteral("pipe.xml"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString locked = folder.filePath(QStringLiteral("locked.xml"));
        const QByteArray old = "<?xml version=\"1.0\" standalone=\"yes\"?>\rold\r";
        put(locked, old);
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());

        w.dialogs.expectSaveFile(pipe);
        w.dialogs.expectMessage(notRegular, &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        struct stat status {};
        QVERIFY(::stat(QFile::encodeName(pipe).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        QCOMPARE(entries(folder), QStringList({"locked.xml", "pipe.xml"}));

        if (::geteuid() == 0) {
            QSKIP("permissions do not bind the superuser");
        }
        w.dialogs.expectSaveFile(locked);
        w.dialogs.expectMessage(QStringLiteral("Permission denied"), &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(contents(locked), old);
        QCOMPARE(permissions(locked), 0444u);
    }

    void anAddressTheRecordCannotWriteBackIsRefusedBeforeSaving() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("device.xml"));
        FlowWindow w;
        QByteArray record = savedAfterRead(w, path);
        QVERIFY(record.contains("<value>192.168.0.1/24</value>"));
        record.replace("<value>192.168.0.1/24</value>", "<value>192.168.0.1/32</value>");
        put(path, record);

        w.dialogs.expectOpenFile(path);
        w.dialogs.expectMessage(loaded, &w.window);
        w.click("loadButton");
        w.dialogs.expectMessage(QStringLiteral("APモードのサブネットマスクが正しくありません。"));
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(contents(path), record);
    }

    void aSecretIsAskedForAndStoppingSavesNothing() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("device.xml"));
        FlowWindow w;
        QVERIFY(w.device.applyRecord(testing::dataFile("device/server-password.xml")).errors.empty());
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());

        w.dialogs.expectPassword(serverPasswordPrompt, {promptStop, {}});
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(!QFile::exists(path));

        w.dialogs.expectPassword(serverPasswordPrompt, {promptEntered, "hunter22"});
        w.dialogs.expectSaveFile(std::nullopt);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(!QFile::exists(path));

        w.dialogs.expectPassword(serverPasswordPrompt, {promptEntered, "hunter22"});
        w.dialogs.expectSaveFile(path);
        w.dialogs.expectMessage(saved, &w.window);
        w.click("saveButton");
        QVERIFY(w.dialogs.done());
        QVERIFY(
            contents(path).contains("<configitem name = \"Password\">\r         <value>hunter22</value>"));
    }

    void aRejectedFileEmptiesTheRecordsButLeavesNoPartOfItInTheSettings() {
        QTemporaryDir folder;
        const QString good = folder.filePath(QStringLiteral("good.xml"));
        const QString broken = folder.filePath(QStringLiteral("broken.xml"));
        FlowWindow w;
        // Without its serial line the record fails late, after the import has taken the access
        // point and the destinations.
        QByteArray record = savedAfterRead(w, good);
        const qsizetype lineStart = record.indexOf("<configgroup name = \"Line\"");
        const qsizetype lineEnd = record.indexOf("</configgroup>\r", lineStart) + 15;
        QVERIFY(lineStart > 0 && lineEnd > lineStart);
        put(broken, record.remove(lineStart, lineEnd - lineStart));
        const SettingsDocument before = w.window.settings();

        w.dialogs.expectOpenFile(broken);
        w.dialogs.expectDiagnostic(
            QStringLiteral("*** not found ***\ngroup: <configgroup name = \"Line\" instance = \"1\">\n"
                           "item: <configitem name = \"Baud Rate\">\nvalue: <value>"));
        w.dialogs.expectMessage(importFailed, &w.window);
        w.click("loadButton");
        QVERIFY(w.dialogs.done());
        const SettingsDocument& document = w.window.settings();
        QVERIFY(document.configRecord.empty());
        QVERIFY(document.statusRecord.empty());
        QVERIFY(document.firmwareVersion.empty());
        QCOMPARE(document.loadedFromFile, 0);
        DeviceSettings expected = before.loaded;
        expected.sta.currentIpAddress.clear();
        QVERIFY(document.loaded == expected);
        QVERIFY(document.edited == before.edited);

        w.click("writeButton");
        QVERIFY(w.dialogs.done());
        QCOMPARE(savedBy(w, folder.filePath(QStringLiteral("copy.xml"))), contents(good));
    }

    void aRejectedReadLeavesNoPartOfTheDeviceInTheSettings() {
        QTemporaryDir folder;
        const QString good = folder.filePath(QStringLiteral("good.xml"));
        FlowWindow w;
        QVERIFY(!savedAfterRead(w, good).isEmpty());
        // The device now holds another access point, and its record fails late, after the import
        // has taken the access point.
        QFile renamed(QStringLiteral(MARLO_TEST_DATA "/access-point-renamed.xml"));
        QVERIFY(renamed.open(QIODevice::ReadOnly));
        QVERIFY(w.device.applyRecord(renamed.readAll().toStdString()).errors.empty());
        w.device.update([](sim::Behaviour& behaviour) { behaviour.dumpLeavesOut = {"Line"}; });

        w.dialogs.expectDiagnostic(
            QStringLiteral("*** not found ***\ngroup: <configgroup name = \"Line\" instance = \"1\">\n"
                           "item: <configitem name = \"Baud Rate\">\nvalue: <value>"));
        w.dialogs.expectMessage(importFailed, &w.window);
        const qsizetype count = w.reads.size() + 1;
        w.click("readButton");
        QVERIFY(waitUntil([&] { return w.reads.size() >= count; }));
        QVERIFY(w.dialogs.done());

        QCOMPARE(savedBy(w, folder.filePath(QStringLiteral("copy.xml"))), contents(good));
    }

    void aFileThatCannotBeReadChangesNothing() {
        QTemporaryDir folder;
        FlowWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.read());
        w.dialogs.expectOpenFile(std::nullopt);
        w.click("loadButton");
        w.dialogs.expectOpenFile(folder.filePath(QStringLiteral("absent.xml")));
        w.dialogs.expectMessage(QStringLiteral("No such file or directory"), &w.window);
        w.click("loadButton");
        w.dialogs.expectOpenFile(folder.path());
        w.dialogs.expectMessage(QStringLiteral("Is a directory"), &w.window);
        w.click("loadButton");
        const QString huge = folder.filePath(QStringLiteral("huge.xml"));
        QFile sparse(huge);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(2 << 20));
        sparse.close();
        w.dialogs.expectOpenFile(huge);
        w.dialogs.expectMessage(QStringLiteral("File too large"), &w.window);
        w.click("loadButton");
        // Neither a pipe without a writer nor a device holds the window.
        const QString pipe = folder.filePath(QStringLiteral("pipe.xml"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString& special : {pipe, QStringLiteral("/dev/zero")}) {
            w.dialogs.expectOpenFile(special);
            w.dialogs.expectMessage(notRegular, &w.window);
            w.click("loadButton");
        }
        QVERIFY(w.dialogs.done());
        QVERIFY(!w.window.settings().configRecord.empty());
        QCOMPARE(control<QLabel>(&w.window, "firmwareLine")->text(),
                 QStringLiteral("Firmware version : 2.0.1.4R3"));
    }
};

QTEST_MAIN(FileFlowTest)
#include "FileFlowTest.moc"
