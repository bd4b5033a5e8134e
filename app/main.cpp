#include "app/CMarloApp.h"

int main(int argc, char** argv) {
    marlo::CMarloApp app(argc, argv);
    return app.run();
}
