#include "app/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    marlo::prepareApplication();
    return marlo::runProgram(application);
}
