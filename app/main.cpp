#include "app/Program.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv) {
    std::variant<marlo::ProgramOptions, int> read;
    {
        // The command line is read before any window system is needed: --help and --version work
        // without a display.
        const QCoreApplication commandLine(argc, argv);
        read = marlo::readCommandLine();
    }
    if (const int* code = std::get_if<int>(&read)) {
        return *code;
    }
    const std::unique_ptr<QApplication> application = marlo::openWindowSystem(argc, argv);
    marlo::prepareApplication();
    return marlo::runProgram(std::get<marlo::ProgramOptions>(read));
}
