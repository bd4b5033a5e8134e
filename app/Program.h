#pragma once

class QApplication;
class QTranslator;

namespace marlo {

// Names the application, gives it the dialog font and Qt's own Japanese texts through `qtTexts`,
// which must live as long as the application.
void prepareApplication(QApplication& application, QTranslator& qtTexts);

// Reads the program's options, finds the ports and runs the main window until it closes; the exit
// code: 0 after the window closed, 1 when no port was present.
//   --port PATH       adds a port entry (repeatable), for pseudo-terminals and unusual adapters
//   --demo            serves a simulated device on a pseudo-terminal for the life of the window and
//                     lists it first, with "USB" in its name so that it is chosen
int runProgram(QApplication& application);

} // namespace marlo
