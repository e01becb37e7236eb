#include <QApplication>
#include <QMainWindow>

#include "platform/Platform.h"

namespace quendal::platform {

int runEventLoop(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Quendal");
    window.resize(540, 390);
    window.show();
    return QApplication::exec();
}

}  // namespace quendal::platform
