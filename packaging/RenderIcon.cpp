// Draws the application icon with the window's own painter into a PNG file, for the icon theme:
// marlo_render_icon SIZE FILE.

#include "resources/AppIcon.h"

#include <QByteArray>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    bool isNumber = false;
    const int size = argc == 3 ? QByteArray(argv[1]).toInt(&isNumber) : 0;
    if (!isNumber || size <= 0) {
        std::fputs("usage: marlo_render_icon SIZE FILE\n", stderr);
        return 2;
    }
    if (!marlo::applicationIconImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "marlo_render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
