#include "app/Shell.h"

#include "model/State.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

int32_t gQuitItem = 0;

int32_t commandHandler(platform::MenuNumber menu, int32_t item) {
    if (menu == kFileMenu && item == gQuitItem) {
        platform::quitApplication(0);
        return platform::kHandled;
    }
    return platform::kEventNotHandled;
}

// Closing the only window ends the program: nothing would be left to use.
int32_t windowHandler(const platform::WindowEvent& event, int32_t window) {
    if (event.kind == platform::WindowEventKind::Close && window == kResponseWindow) {
        platform::closeWindow(kResponseWindow);
        platform::quitApplication(0);
        return platform::kHandled;
    }
    return platform::kEventNotHandled;
}

}  // namespace

void openShell() {
    platform::createMenu(kFileMenu, "File");
    gQuitItem = platform::appendMenuItem(kFileMenu, "Quit/Q");
    platform::insertMenu(kFileMenu);
    platform::setCommandHandler(commandHandler);

    platform::createWindow(kResponseWindow, platform::WindowKind::Document, state.bounds.RespWndBounds, "Response");
    platform::installWindowHandler(kResponseWindow, windowHandler, kResponseWindow);
    platform::selectWindow(kResponseWindow);
}

}  // namespace quendal
