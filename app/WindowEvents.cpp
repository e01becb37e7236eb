// The dispatch by window number, and the About, System Select, speaker
// connection and Default Parameters windows.
#include "app/WindowEvents.h"
#include "app/DesignFlow.h"

#include "app/MenuBar.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "selection/SystemSelect.h"
#include "windows/AboutWindow.h"
#include "dialogs/Alerts.h"
#include "app/CloseWindows.h"
#include "app/Preferences.h"
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

// The About window goes, the menus back in the state of the window the
// user works in: on a click in it, Return, Enter, Escape, Ctrl+W and its
// close box.
int32_t aboutEvent(const WindowEvent& event) {
    const bool closeKey = isKeyDown(event) && (isReturnOrEnter(event) || event.character == platform::kEscapeChar ||
                                               (event.modifiers == platform::kCommandKey && event.character == 'w'));
    const bool closes = (event.kind == WindowEventKind::MouseDown && event.y > 0) || closeKey ||
                        event.kind == WindowEventKind::Close;
    if (!closes) return kEventNotHandled;
    closeAboutWindow();
    return kHandled;
}

bool isArrow(uint8_t character) {
    return character >= platform::kLeftArrowChar && character <= platform::kDownArrowChar;
}

// Runs the room's routine for the event; the event is consumed.
int32_t handled(int32_t (*routine)()) {
    routine();
    return kHandled;
}

int32_t systemSelectEvent(const WindowEvent& event) {
    if (event.kind == WindowEventKind::Close) return handled(CancelSystemSelect);
    if (event.kind == WindowEventKind::DragCompleted) return handled(systemSelectDragged);
    if (isMouse(event)) {
        state.shell.mouseH = event.x;
        state.shell.mouseV = event.y;
        if (event.kind != WindowEventKind::MouseDown) return kEventNotHandled;
        // A single click goes on to the pictures; a double click is consumed.
        return systemSelectMouseDown(event.x, event.y, event.clickCount) ? kHandled : kEventNotHandled;
    }
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) return handled(systemSelectConfirm);
    switch (event.character) {
        case platform::kEscapeChar: return handled(CancelSystemSelect);
        case platform::kSpaceChar:
        case platform::kTabChar: return handled(systemSelectToggleTab);
        default: break;
    }
    if (!isArrow(event.character)) return kEventNotHandled;
    systemSelectArrowKey(event.character);
    return kHandled;
}

int32_t speakerConnectionEvent(const WindowEvent& event) {
    if (event.kind == WindowEventKind::Shown) return handled(spConSheetShown);
    // Closing the sheet from its title bar cancels it, as Escape does.
    if (event.kind == WindowEventKind::Close) return handled(spConSelectCancel);
    if (isMouse(event)) {
        platform::selectWindow(kSpeakerConnectionSheet);
        state.shell.mouseH = event.x;
        state.shell.mouseV = event.y;
        if (event.kind != WindowEventKind::MouseDown) return kEventNotHandled;
        return spConSelMouseDown(event.x, event.y, event.clickCount) ? kHandled : kEventNotHandled;
    }
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) return handled(SpConSelectDoDialog);
    if (event.character == platform::kEscapeChar) return handled(spConSelectCancel);
    if (!isArrow(event.character)) return kEventNotHandled;
    spConSelArrowKey(event.character);  // up and down do nothing
    return kHandled;
}

int32_t defaultParametersEvent(const WindowEvent& event) {
    if (isKeyDown(event) && isReturnOrEnter(event)) return handled(SpeakerSelectOK);
    // Over a design kept on the screen, Escape and the close box give it back.
    if (designKept() && ((isKeyDown(event) && event.character == platform::kEscapeChar) ||
                         event.kind == WindowEventKind::Close))
        return handled(CancelSpeakerSelect);
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

int32_t RestoreMenusAfterDialog() {
    restoreMenusByCurrentWindow();
    return kHandled;
}

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
    const PrefsWrittenAfterEvent written;
    // The number the handler was installed with decides, as with controls.
    WindowEvent e = event;
    e.window = windowNumber;
    switch (windowNumber) {
        case kAboutWindow: case kSystemSelectWindow: case kSpeakerConnectionSheet: case kDefaultParametersWindow:
            return SelectionWindowEvent(e);
        case kResponseWindow: case kSystemInfoPalette: case kCustomPalette: return DesignWindowEvent(e);
        case kInitialSetupSheet: case kVentInitialSetupSheet: case kVentDesignSheet: case kPassiveRadiatorSheet:
        case kAlertSheet: case kSaveChangesSheet: case kPreferencesWindow: case kUpdateWindow: case kPageSetupSheet:
            return SheetWindowEvent(e);
        default: return kEventNotHandled;
    }
}

int32_t InstallWindowHandler(int32_t windowNumber) {
    return platform::installWindowHandler(windowNumber, WindowEventHandler, windowNumber);
}

}  // namespace quendal
