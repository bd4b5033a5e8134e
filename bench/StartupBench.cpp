// Times how long the main window takes to be on the screen, from the moment its process is started,
// against a bare dialog with Japanese texts built by the same kind of process, and compares the
// peak memory of both. Each sample is a fresh process of this program, alternating between the
// two, on the platform QT_QPA_PLATFORM names (offscreen when unset). The main window's child also
// prints how its start-up divides: the window system, the window's construction, its first showing.
//
// bench_startup [runs]

#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/ProgramTranslators.h"
#include "app/WindowDialogs.h"
#include "device/UdevPortDiscovery.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Quits the event loop once `watched` has painted.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
};

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One child: shows its window, then prints the phases in milliseconds since `start` and its peak
// memory.
int runChild(const char* kind, int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<QApplication> application = marlo::openWindowSystem(argc, argv);
    marlo::prepareApplication();
    const marlo::ProgramTranslators translators(marlo::Language::japanese);
    const qint64 windowSystem = clock.elapsed();

    FirstPaint paint;
    std::unique_ptr<QDialog> window;
    marlo::UdevPortDiscovery discovery(
        std::vector<marlo::PortEntry>{{"USB Serial Port (ttyUSB0)", "/dev/ttyUSB0"}});
    marlo::WindowDialogs dialogs;
    if (std::strcmp(kind, "bare") == 0) {
        window = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(new QLabel(QStringLiteral("接続USB-COM")));
        layout->addWidget(new QLabel(QStringLiteral("デバイスからデータを読み込みました。")));
        layout->addWidget(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    } else {
        auto main = std::make_unique<marlo::MainWindow>(dialogs, discovery);
        if (!main->initDialog()) {
            return 1;
        }
        window = std::move(main);
    }
    const qint64 built = clock.elapsed();
    window->installEventFilter(&paint);
    window->show();
    QCoreApplication::exec();
    std::printf("%lld %lld %lld %ld\n", static_cast<long long>(windowSystem), static_cast<long long>(built),
                static_cast<long long>(clock.elapsed()), peakKilobytes());
    return paint.painted ? 0 : 1;
}

struct Sample {
    double processMs = 0; // from the spawn to the child's report
    long windowSystemMs = 0;
    long builtMs = 0;
    long shownMs = 0;
    long peakKb = 0;
};

bool sample(const char* self, const char* kind, Sample& result) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* const arguments[] = {const_cast<char*>(self), const_cast<char*>("--child"), const_cast<char*>(kind),
                               nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, self, &actions, nullptr, arguments, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string line;
    char buffer[256];
    for (ssize_t count = 0; spawned && (count = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        line.append(buffer, static_cast<std::size_t>(count));
        if (line.find('\n') != std::string::npos) {
            break;
        }
    }
    result.processMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(pipeEnds[0]);
    int status = 0;
    if (spawned) {
        waitpid(child, &status, 0);
    }
    return spawned && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
           std::sscanf(line.c_str(), "%ld %ld %ld %ld", &result.windowSystemMs, &result.builtMs,
                       &result.shownMs, &result.peakKb) == 4;
}

template <class Value> double median(std::vector<Value> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : static_cast<double>(values[values.size() / 2]);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        int childArgc = 1;
        return runChild(argv[2], childArgc, argv);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<Sample> bare;
    std::vector<Sample> marlo;
    for (int run = 0; run < runs; ++run) {
        for (const char* kind : {"bare", "marlo"}) {
            Sample result;
            if (!sample(argv[0], kind, result)) {
                std::printf("the %s window did not start\n", kind);
                return 1;
            }
            (std::strcmp(kind, "bare") == 0 ? bare : marlo).push_back(result);
        }
    }
    const auto column = [](const std::vector<Sample>& samples, auto member) {
        std::vector<double> values;
        for (const Sample& s : samples) {
            values.push_back(static_cast<double>(s.*member));
        }
        return median(values);
    };
    std::printf("window on the screen, medians of %d fresh processes each (%s platform)\n", runs,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-12s %10s %14s %10s %10s %10s\n", "window", "process ms", "window system", "built", "shown",
                "peak MB");
    for (const auto& [name, samples] : {std::pair{"bare dialog", &bare}, std::pair{"main window", &marlo}}) {
        std::printf("%-12s %10.1f %14.0f %10.0f %10.0f %10.1f\n", name, column(*samples, &Sample::processMs),
                    column(*samples, &Sample::windowSystemMs), column(*samples, &Sample::builtMs),
                    column(*samples, &Sample::shownMs), column(*samples, &Sample::peakKb) / 1024.0);
    }
    std::printf("main window / bare dialog: %.2fx time, %.2fx peak memory\n",
                column(marlo, &Sample::processMs) / column(bare, &Sample::processMs),
                column(marlo, &Sample::peakKb) / column(bare, &Sample::peakKb));
    return 0;
}
