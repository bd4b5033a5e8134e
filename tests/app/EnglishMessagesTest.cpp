#include "app/Program.h"
#include "app/ProgramTranslators.h"
#include "pages/ProfileEditorDialog.h"
#include "tests/app/FlowWindow.h"
#include "tests/support/JapaneseText.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

using namespace marlo;

namespace {

// The window on the simulated device in English, driven through the flows that show a box:
// read, write, save, load, the station profile operations and the profile editor, each as it
// succeeds and as it fails.
struct EnglishWindow : FlowWindow {
    using Kind = ScriptedDialogs::Kind;

    // Clicks `id` and waits until every box it was expected to show was shown.
    bool clickThrough(QWidget* in, const QString& id) {
        control<QAbstractButton>(in, id)->click();
        return waitUntil([&] { return dialogs.done(); });
    }
    bool readOnce(qsizetype count) {
        dialogs.expectAny(Kind::message, &window);
        click("readButton");
        return waitUntil([&] { return reads.size() == count; });
    }
    bool writeOnce(qsizetype count) {
        dialogs.expectWriteConfirmation(WriteMode::writeOnly);
        dialogs.expectAny(Kind::message, &window);
        click("writeButton");
        return waitUntil([&] { return writes.size() == count; });
    }
    bool fileFlow(const QString& button, const QString& path, bool diagnosed = false) {
        if (button == QLatin1String("saveButton")) {
            dialogs.expectSaveFile(path);
        } else {
            dialogs.expectOpenFile(path);
        }
        if (diagnosed) {
            dialogs.expectAny(Kind::diagnostic);
        }
        dialogs.expectAny(Kind::message, &window);
        return clickThrough(&window, button);
    }
    void refuseImports(bool refused) {
        device.update([refused](sim::Behaviour& b) { b.importsRefused = refused; });
    }

    // Opens the profile editor with `button` of the station profiles dialog and runs `use` on it.
    void inEditor(QDialog* profiles, const QString& button, const std::function<void(QDialog*)>& use) {
        QTimer::singleShot(0, profiles, [profiles, use] {
            if (auto* editor = profiles->findChild<ProfileEditorDialog*>()) {
                use(editor);
                editor->reject();
            }
        });
        control<QAbstractButton>(profiles, button)->click();
    }

    void stationProfileOperations(QDialog* profiles) {
        inEditor(profiles, QStringLiteral("profileNew"), [&](QDialog* editor) {
            dialogs.expectAny(Kind::message); // no network name
            clickThrough(editor, QStringLiteral("editorOk"));
            control<QLineEdit>(editor, "editorSsid")->setText(QStringLiteral("office-net"));
            control<QAbstractButton>(editor, "editorEncryption")->setChecked(false);
            refuseImports(true);
            dialogs.expectAny(Kind::confirm, nullptr, true);
            dialogs.expectAny(Kind::message);
            clickThrough(editor, QStringLiteral("editorOk"));
            refuseImports(false);
            dialogs.expectAny(Kind::confirm, nullptr, true);
            dialogs.expectAny(Kind::message);
            clickThrough(editor, QStringLiteral("editorOk"));
        });
        auto* list = control<QTreeWidget>(profiles, "profileList");
        list->setCurrentItem(list->topLevelItem(0));
        auto* scan = control<QAbstractButton>(profiles, "scanButton");
        const auto operation = [&](const QString& button) {
            dialogs.expectAny(Kind::confirm, nullptr, true);
            dialogs.expectAny(Kind::message, profiles);
            clickThrough(profiles, button);
            waitUntil([&] { return scan->isEnabled(); });
        };
        operation(QStringLiteral("profileSwitch"));
        refuseImports(true);
        operation(QStringLiteral("profileSwitch"));
        operation(QStringLiteral("profileDelete"));
        refuseImports(false);
        operation(QStringLiteral("profileDelete"));

        device.update([](sim::Behaviour& b) {
            b.scanDelay = std::chrono::milliseconds(0);
            b.announcedNetworks = 9;
        });
        dialogs.expectAny(Kind::message, profiles);
        clickThrough(profiles, QStringLiteral("scanButton"));
        waitUntil([&] { return scan->isEnabled(); });
    }
};

QString kindName(ScriptedDialogs::Kind kind) {
    switch (kind) {
    case ScriptedDialogs::Kind::message:
        return QStringLiteral("message");
    case ScriptedDialogs::Kind::confirm:
        return QStringLiteral("question");
    case ScriptedDialogs::Kind::diagnostic:
        return QStringLiteral("diagnostic");
    case ScriptedDialogs::Kind::openFile:
        return QStringLiteral("open-file picker");
    case ScriptedDialogs::Kind::saveFile:
        return QStringLiteral("save-file picker");
    case ScriptedDialogs::Kind::writeConfirmation:
        return QStringLiteral("write confirmation");
    case ScriptedDialogs::Kind::password:
        return QStringLiteral("password prompt");
    }
    return {};
}

// Each box by its kind, then its text; the port and the folder named by a word.
QString transcript(const ScriptedDialogs& dialogs, const std::string& port, const QString& folder) {
    QString text;
    for (const ScriptedDialogs::Shown& shown : dialogs.shown()) {
        text += QStringLiteral("[%1]\n").arg(kindName(shown.kind));
        if (!shown.text.isEmpty()) {
            text += shown.text + QStringLiteral("\n");
        }
    }
    return text.replace(QString::fromStdString(port), QStringLiteral("PORT"))
        .replace(folder, QStringLiteral("FOLDER"))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString expected(const QString& name) {
    QFile file(QStringLiteral(MARLO_TEST_DATA "/expected/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class EnglishMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyFlowSpeaksEnglish() {
        prepareApplication();
        const ProgramTranslators translators(Language::english);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("device.xml"));
        const QString notARecord = folder.filePath(QStringLiteral("notes.txt"));
        QFile notes(notARecord);
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("shopping list\n") > 0);
        notes.close();

        EnglishWindow w;
        QVERIFY(w.window.initDialog());
        QVERIFY(w.readOnce(1));
        QVERIFY(w.writeOnce(1));
        QVERIFY(waitUntil([&] { return w.reads.size() == 2; })); // the quiet read after a write
        w.refuseImports(true);
        QVERIFY(w.writeOnce(2));
        w.refuseImports(false);
        QVERIFY(w.fileFlow(QStringLiteral("saveButton"), file));
        QVERIFY(w.fileFlow(QStringLiteral("saveButton"), folder.filePath(QStringLiteral("gone/device.xml"))));
        QVERIFY(w.fileFlow(QStringLiteral("loadButton"), file));
        QVERIFY(w.fileFlow(QStringLiteral("loadButton"), notARecord, true));
        QVERIFY(w.fileFlow(QStringLiteral("loadButton"), folder.filePath(QStringLiteral("missing.xml"))));
        QVERIFY(w.readOnce(3));
        closesDialogOpenedBy(control<QAbstractButton>(&w.window, "stationProfilesButton"),
                             [&](QDialog* profiles) { w.stationProfileOperations(profiles); });
        w.device.silenceAfter(0, std::nullopt);
        QVERIFY(w.readOnce(4));
        QVERIFY(w.dialogs.done());

        const QString shown = transcript(w.dialogs, w.device.portPath(), folder.path());
        for (const QString& text : w.dialogs.shownTexts()) {
            QVERIFY2(!hasJapanese(text), qPrintable(text));
        }
        if (shown != expected(QStringLiteral("english-messages.txt"))) {
            const QString actual = QDir::current().filePath(QStringLiteral("english-messages.actual.txt"));
            QFile written(actual);
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(shown.toUtf8()) > 0);
            QFAIL(qPrintable(QStringLiteral("the boxes differ from tests/data/expected/english-messages.txt; "
                                            "they were: ") +
                             actual));
        }
    }
};

QTEST_MAIN(EnglishMessagesTest)
#include "EnglishMessagesTest.moc"
