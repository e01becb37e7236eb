#include "app/Shell.h"
#include "model/State.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    quendal::platform::startApplication(argc, argv);
    quendal::resetState();
    quendal::openShell();
    return quendal::platform::runEventLoop();
}
