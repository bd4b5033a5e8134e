#pragma once

#include "record/ProgramLanguage.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>

class QApplication;

namespace marlo {

// What the command line asks of the window.
struct ProgramOptions {
    Language language = Language::english;
    QStringList ports;
    bool demo = false;
    std::optional<QString> screenshotFolder;
};

// Reads the program's options while a QCoreApplication lives, with no window system: the options
// for the window, or the exit code when the program ends here: 0 after --help or --version, 2 for a
// wrong command line, with the usage or the complaint printed.
//   --lang ja|en      the windows' language; without it, the language of the user's locale
//   --port PATH       adds a port entry (repeatable), for pseudo-terminals and unusual adapters
//   --demo            serves a simulated device on a pseudo-terminal for the life of the window and
//                     lists it first, with "USB" in its name so that it is chosen
std::variant<ProgramOptions, int> readCommandLine();

// The application of the windows. Without a display to show them on it says so in one line on
// standard error and ends the program with exit code 1.
std::unique_ptr<QApplication> openWindowSystem(int& argc, char** argv);

// Names the application and gives it the dialog font.
void prepareApplication();

// Finds the ports and runs the main window until it closes; the exit code: 0 after the window
// closed, 1 when no port was present or the simulated device could not start.
int runProgram(const ProgramOptions& options);

} // namespace marlo
