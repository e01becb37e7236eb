// The first program: the response window on screen and a File menu whose
// Quit ends the program. Start-up proper (defaults, preferences, the menus
// of each state) replaces this.
#include "model/State.h"
#include "platform/Platform.h"

namespace {

using namespace quendal;

constexpr platform::WindowNumber kResponseWindow = 7;
constexpr platform::MenuNumber kFileMenu = 1;
int32_t gQuitItem = 0;

int32_t commandHandler(platform::MenuNumber menu, int32_t item) {
    if (menu == kFileMenu && item == gQuitItem) {
        platform::quitApplication(0);
        return platform::kHandled;
    }
    return platform::kEventNotHandled;
}

// Closing the only window ends the program; there is nothing else to do.
int32_t windowHandler(const platform::WindowEvent& event, int32_t window) {
    if (event.kind == platform::WindowEventKind::Close && window == kResponseWindow) {
        platform::closeWindow(kResponseWindow);
        platform::quitApplication(0);
        return platform::kHandled;
    }
    return platform::kEventNotHandled;
}

}  // namespace

int main(int argc, char** argv) {
    platform::startApplication(argc, argv);
    resetState();

    platform::createMenu(kFileMenu, "File");
    gQuitItem = platform::appendMenuItem(kFileMenu, "Quit/Q");
    platform::insertMenu(kFileMenu);
    platform::setCommandHandler(commandHandler);

    platform::createWindow(kResponseWindow, platform::WindowKind::Document, state.bounds.RespWndBounds, "Response");
    platform::installWindowHandler(kResponseWindow, windowHandler, kResponseWindow);
    platform::selectWindow(kResponseWindow);

    return platform::runEventLoop();
}
