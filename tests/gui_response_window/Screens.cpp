// The screens this test program runs on: a short one (1024 x 600) on
// which the System Profile page does not fit, and a small one (640 x 480)
// to its right. Set before the application starts, so that the headless
// platform makes them.
#include <cstdlib>
#include <string>

namespace {

struct TestScreens {
    TestScreens() {
        const std::string platform = std::string("offscreen:configfile=") + QUENDAL_SOURCE_DIR +
                                     "/tests/gui_response_window/Screens.json";
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    }
};

const TestScreens gScreens;

}  // namespace
