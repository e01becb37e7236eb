#include "model/State.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    quendal::resetState();
    return quendal::platform::runEventLoop(argc, argv);
}
