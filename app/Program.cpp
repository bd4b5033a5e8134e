#include "app/Program.h"

#include "app/MainWindow.h"
#include "app/ProgramTranslators.h"
#include "app/UdevPortWatcher.h"
#include "app/WindowDialogs.h"
#include "device/UdevPortDiscovery.h"
#include "record/ProfileRecords.h"
#include "sim/SimulatedDevice.h"
#include "ui/TabControl.h"

#include <marlo/Version.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <system_error>
#include <variant>

namespace marlo {

namespace {

constexpr const char* dialogFontFamily = "Noto Sans CJK JP";

// Reads the simulated device once, then saves a picture of the window on each tab into `folder`
// and closes the window.
void takeScreenshots(MainWindow& window, const QString& folder) {
    QObject::connect(&window, &MainWindow::readFinished, &window, [&window, folder] {
        auto* tabs = window.findChild<TabControl*>();
        for (int tab = 0; tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::sendPostedEvents();
            window.grab().save(QDir(folder).filePath(QStringLiteral("tab-%1.png").arg(tab)));
        }
        window.accept();
    });
    window.readFromDevice(true);
}

// The demonstration device holds one station profile, so that its list is not empty.
void storeDemoProfile(sim::SimulatedDevice& device) {
    ProfileForm form;
    form.ssid = "office-net";
    form.wpa2 = true;
    form.keys[0] = "demo-passphrase";
    const auto composed = composeProfile(form);
    if (const auto* registration = std::get_if<ProfileRegistration>(&composed)) {
        device.applyRecord(registration->record);
    }
}

// The language the command line asks for, read before the command line is parsed, so that Qt's own
// texts in the usage and in its complaints follow it too. No value when it asks for none, or for a
// language the program does not speak.
std::optional<Language> languageAsked(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size()) {
            return languageNamed(arguments[i + 1].toStdString());
        }
        if (arguments[i].startsWith(QLatin1String("--lang="))) {
            return languageNamed(arguments[i].sliced(7).toStdString());
        }
    }
    return std::nullopt;
}

} // namespace

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("Marlo"));
    if (QFontDatabase::families().contains(QString::fromLatin1(dialogFontFamily))) {
        QApplication::setFont(QFont(QString::fromLatin1(dialogFontFamily), 9));
    }
}

std::variant<ProgramOptions, int> readCommandLine() {
    QCoreApplication::setApplicationName(QStringLiteral("marlo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3.%4")
                                                .arg(version::major)
                                                .arg(version::minor)
                                                .arg(version::build)
                                                .arg(version::revision));
    ProgramOptions chosen;
    chosen.language = languageAsked(QCoreApplication::arguments()).value_or(systemLanguage());
    const ProgramTranslators translators(chosen.language);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Configures a serial-to-Wi-Fi device server."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Adds the serial port at PATH."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Works with a simulated device."));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("Shows the windows in LANGUAGE: ja or en. Without it, "
                                                     "the language of the user's locale (Japanese for ja, "
                                                     "else English)."),
                                      QStringLiteral("LANGUAGE"));
    QCommandLineOption screenshots(QStringLiteral("screenshots"), QString(), QStringLiteral("FOLDER"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    options.addOptions({port, demo, language, screenshots});
    // A wrong command line exits 2, as marlo-cli's does; process() then handles --help, --help-all
    // and --version (on standard output, exit 0).
    if (!options.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "marlo: %s\n%s", qPrintable(options.errorText()),
                     qPrintable(options.helpText()));
        return 2;
    }
    options.process(QCoreApplication::arguments());
    if (options.isSet(language) && !languageNamed(options.value(language).toStdString())) {
        std::fprintf(stderr, "marlo: unknown language: %s (ja or en)\n%s",
                     qPrintable(options.value(language)), qPrintable(options.helpText()));
        return 2;
    }
    chosen.ports = options.values(port);
    chosen.demo = options.isSet(demo);
    if (options.isSet(screenshots)) {
        chosen.screenshotFolder = options.value(screenshots);
    }
    return chosen;
}

std::unique_ptr<QApplication> openWindowSystem(int& argc, char** argv) {
    // Qt ends the program with an abort when no platform plugin can reach a display; the user gets
    // one line saying so instead, and the plugin's own complaints are left out.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtFatalMsg) {
                std::fputs("marlo: no display to show the window on: start Marlo on a desktop, or set "
                           "DISPLAY or WAYLAND_DISPLAY.\n",
                           stderr);
                std::_Exit(1);
            }
            if (QByteArrayView(context.category).startsWith("qt.qpa")) {
                return;
            }
            std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

int runProgram(const ProgramOptions& options) {
    const ProgramTranslators translators(options.language);
    if (options.language == Language::english) {
        // The system's texts about a port or a file follow the windows' language.
        std::setlocale(LC_MESSAGES, "C");
    }

    std::vector<PortEntry> fixedPorts;
    std::unique_ptr<sim::SimulatedDevice> simulated;
    if (options.demo) {
        try {
            simulated = std::make_unique<sim::SimulatedDevice>();
        } catch (const std::system_error& error) {
            std::fprintf(stderr, "marlo: the simulated device cannot start: %s\n", error.what());
            return 1;
        }
        storeDemoProfile(*simulated);
        const std::string& path = simulated->portPath();
        fixedPorts.push_back(
            {portDisplayName("Simulated USB device server", path.substr(path.find('/', 1) + 1)), path});
    }
    for (const QString& path : options.ports) {
        fixedPorts.push_back({path.toStdString(), path.toStdString()});
    }

    UdevPortDiscovery discovery(std::move(fixedPorts));
    WindowDialogs dialogs;
    MainWindow window(dialogs, discovery);
    if (!window.initDialog()) {
        return 1;
    }
    UdevPortWatcher watcher([&window] { window.refreshPorts(); });
    if (options.screenshotFolder) {
        takeScreenshots(window, *options.screenshotFolder);
    }
    window.exec();
    return 0;
}

} // namespace marlo
