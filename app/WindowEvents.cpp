// The dispatch by window number, and the About, System Select, speaker
// connection and Default Parameters windows.
#include "app/WindowEvents.h"

#include "app/MenuBar.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "selection/SystemSelect.h"
#include "windows/AboutWindow.h"
#include "windows/DefaultParameters.h"
#include "selection/SpeakerConnection.h"

namespace quendal {

using platform::kEventNotHandled;
using platform::kHandled;
using platform::WindowEvent;
using platform::WindowEventKind;

namespace keys {

bool isKeyDown(const WindowEvent& event) { return event.kind == WindowEventKind::KeyDown; }
bool isKeyUp(const WindowEvent& event) { return event.kind == WindowEventKind::KeyUp; }

bool isReturnOrEnter(const WindowEvent& event) {
    return event.character == platform::kReturnChar || event.character == platform::kEnterChar;
}

bool isOptionAlone(const WindowEvent& event) { return event.modifiers == platform::kOptionKey; }

bool isMouse(const WindowEvent& event) {
    return event.kind == WindowEventKind::MouseDown || event.kind == WindowEventKind::MouseUp ||
           event.kind == WindowEventKind::MouseMoved;
}

void recordFocusedField(const WindowEvent& event) {
    // The window that took the Tab, whichever window drawing goes to.
    state.shell.EdtFldID = platform::keyboardFocus(event.window);
}

}  // namespace keys

namespace {

using namespace keys;

int32_t aboutEvent(const WindowEvent& event) {
    // A click in it, Return or Enter, and its close box alike: it goes, and
    // the menus return to those of the window the user works in.
    const bool leave = (event.kind == WindowEventKind::MouseDown && event.y > 0) ||
                       (isKeyDown(event) && isReturnOrEnter(event)) || event.kind == WindowEventKind::Close;
    if (!leave) return kEventNotHandled;
    closeAboutWindow();
    return kHandled;
}

int32_t systemSelectEvent(const WindowEvent& event) {
    switch (event.kind) {
        case WindowEventKind::Close: systemSelectCancel(); return kHandled;
        case WindowEventKind::DragCompleted: systemSelectDragged(); return kHandled;
        default: break;
    }
    if (isMouse(event)) {
        // Every mouse event leaves its place; a press among the pictures
        // picks one, and a double click, which starts the design, is taken.
        if (event.kind == WindowEventKind::MouseDown)
            return systemSelectMouseDown(event.x, event.y, event.clickCount) ? kHandled : kEventNotHandled;
        state.shell.mouseH = event.x;
        state.shell.mouseV = event.y;
        return kEventNotHandled;
    }
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) {
        systemSelectConfirm();
        return kHandled;
    }
    switch (event.character) {
        case platform::kEscapeChar: systemSelectCancel(); return kHandled;
        case platform::kSpaceChar:
        case platform::kTabChar: systemSelectToggleTab(); return kHandled;
        case platform::kLeftArrowChar:
        case platform::kRightArrowChar:
        case platform::kUpArrowChar:
        case platform::kDownArrowChar: systemSelectArrowKey(event.character); return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t speakerConnectionEvent(const WindowEvent& event) {
    if (event.kind == WindowEventKind::Shown) {
        spConSheetShown();
        return kHandled;
    }
    // Closing the sheet from its title bar cancels it, as Escape does.
    if (event.kind == WindowEventKind::Close) {
        spConSelectCancel();
        return kHandled;
    }
    if (isMouse(event)) {
        platform::selectWindow(kSpeakerConnectionSheet);
        if (event.kind == WindowEventKind::MouseDown)
            return spConSelMouseDown(event.x, event.y, event.clickCount) ? kHandled : kEventNotHandled;
        state.shell.mouseH = event.x;
        state.shell.mouseV = event.y;
        return kEventNotHandled;
    }
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) {
        SpConSelectDoDialog();
        return kHandled;
    }
    switch (event.character) {
        case platform::kEscapeChar: spConSelectCancel(); return kHandled;
        case platform::kLeftArrowChar:
        case platform::kRightArrowChar: spConSelArrowKey(event.character); return kHandled;
        case platform::kUpArrowChar:
        case platform::kDownArrowChar: return kHandled;
        default: return kEventNotHandled;
    }
}

int32_t defaultParametersEvent(const WindowEvent& event) {
    if (isKeyDown(event) && isReturnOrEnter(event)) {
        DefaultParamWndOKReturn();
        return kHandled;
    }
    if (event.kind == WindowEventKind::Close) {
        // Closed without OK: the program waits without a design, New and
        // Open at hand.
        state.shell.curentWndID = 0;
        platform::closeWindow(kDefaultParametersWindow);
        InitMenu14();
        return kHandled;
    }
    return kEventNotHandled;
}

}  // namespace

int32_t SelectionWindowEvent(const WindowEvent& event) {
    switch (event.window) {
        case kAboutWindow: return aboutEvent(event);
        case kSystemSelectWindow: return systemSelectEvent(event);
        case kSpeakerConnectionSheet: return speakerConnectionEvent(event);
        case kDefaultParametersWindow: return defaultParametersEvent(event);
        default: return kEventNotHandled;
    }
}

int32_t WindowEventHandler(const WindowEvent& event, int32_t windowNumber) {
    // The number the handler was installed with decides, as with controls.
    WindowEvent e = event;
    e.window = windowNumber;
    switch (windowNumber) {
        case kAboutWindow: case kSystemSelectWindow: case kSpeakerConnectionSheet: case kDefaultParametersWindow:
            return SelectionWindowEvent(e);
        case kResponseWindow: case kSystemInfoPalette: case kCustomPalette: return DesignWindowEvent(e);
        case kInitialSetupSheet: case kVentInitialSetupSheet: case kVentDesignSheet: case kPassiveRadiatorSheet:
        case kAlertSheet: case kSaveChangesSheet: case kPreferencesWindow: case kUpdateWindow:
            return SheetWindowEvent(e);
        default: return kEventNotHandled;
    }
}

int32_t InstallWindowHandler(int32_t windowNumber) {
    return platform::installWindowHandler(windowNumber, WindowEventHandler, windowNumber);
}

}  // namespace quendal
