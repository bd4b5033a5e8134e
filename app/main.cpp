#include "app/Program.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QTranslator qtTexts;
    marlo::prepareApplication(application, qtTexts);
    return marlo::runProgram(application);
}
