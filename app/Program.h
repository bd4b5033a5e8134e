#pragma once

class QApplication;

namespace marlo {

// Names the application and gives it the dialog font.
void prepareApplication();

// Reads the program's options, finds the ports and runs the main window until it closes; the exit
// code: 0 after the window closed, 1 when no port was present, 2 for a wrong command line.
//   --lang ja|en      the windows' language; without it, the language of the user's locale
//   --port PATH       adds a port entry (repeatable), for pseudo-terminals and unusual adapters
//   --demo            serves a simulated device on a pseudo-terminal for the life of the window and
//                     lists it first, with "USB" in its name so that it is chosen
int runProgram(QApplication& application);

} // namespace marlo
