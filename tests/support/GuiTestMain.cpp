#include <QApplication>
#include <gtest/gtest.h>

#include "app/ShellHooks.h"
#include "platform/Platform.h"
#include "support/TestEnvironment.h"
#include "support/TypedKeyStamps.h"

int main(int argc, char** argv) {
    quendal::test::prepareTestEnvironment();
    QApplication app(argc, argv);
    // The windowing layer as the program starts it (it keeps this application).
    quendal::platform::startApplication(argc, argv);
    quendal::test::TypedKeyStamps::install();
    // The windows reach the shell through its hooks, as in the program.
    quendal::installShellHooks();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
