#pragma once

#include <QApplication>
#include <QTranslator>

namespace marlo {

// The application: reads its options, finds the ports and runs the main window until it closes.
//   --port PATH       adds a port entry (repeatable), for pseudo-terminals and unusual adapters
//   --demo            serves a simulated device on a pseudo-terminal for the life of the window and
//                     lists it first, with "USB" in its name so that it is chosen
class CMarloApp : public QApplication {
public:
    CMarloApp(int& argc, char** argv);

    // The exit code: 0 after the window closed, 1 when no port was present.
    int run();

private:
    QTranslator standardTexts_; // Japanese texts of Qt's own buttons and dialogs
};

} // namespace marlo
