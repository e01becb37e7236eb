// The dispatch by window number, and the About, System Select, speaker
// connection and Default Parameters windows.
#include "app/WindowEvents.h"

#include "app/DesignQueries.h"
#include "app/MenuBar.h"
#include "app/Placeholders.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "selection/SystemSelect.h"
#include "windows/Alerts.h"
#include "windows/DefaultParameters.h"
#include "windows/InitialSetup.h"
#include "palette/CustomPaletteEnable.h"
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

// The About window goes; the menus return to the state of the window the
// user works in.
int32_t closeAboutWindow() {
    platform::closeWindow(kAboutWindow);
    state.shell.AboutWndflag = 0;
    return RestoreMenusAfterDialog();
}

int32_t aboutEvent(const WindowEvent& event) {
    if (event.kind == WindowEventKind::MouseDown && event.y > 0) return closeAboutWindow();
    if (isKeyDown(event) && isReturnOrEnter(event)) return closeAboutWindow();
    // Its close box leaves it as a click does, the menus restored.
    if (event.kind == WindowEventKind::Close) return closeAboutWindow();
    return kEventNotHandled;
}

int32_t leaveSystemSelect() {
    state.shell.curentWndID = 0;
    platform::closeWindow(kSystemSelectWindow);
    InitMenu14();
    return kHandled;
}

// Buttons 1-4 are the upper row of a tab, 5-8 the lower.
int32_t moveSystemSelection(uint8_t arrow) {
    int32_t& button = state.selection.SysSelBtnNum;
    switch (arrow) {
        case platform::kLeftArrowChar: button = button - 1 == 0 ? 8 : button - 1; break;
        case platform::kRightArrowChar: button = button + 1 == 9 ? 1 : button + 1; break;
        case platform::kUpArrowChar: if (button > 4) button -= 4; break;
        case platform::kDownArrowChar: if (button < 5) button += 4; break;
        default: return kEventNotHandled;
    }
    SystemSelectDoEvent();
    state.selection.preSysSelBtnNum = button;
    return kHandled;
}

int32_t systemSelectEvent(const WindowEvent& event) {
    ShellFlags& shell = state.shell;
    switch (event.kind) {
        case WindowEventKind::Close: return leaveSystemSelect();
        case WindowEventKind::DragCompleted:
            state.bounds.SysSelWndBounds = platform::windowBounds(kSystemSelectWindow);
            return kHandled;
        default: break;
    }
    if (isMouse(event)) {
        shell.mouseH = event.x;
        shell.mouseV = event.y;
        if (event.kind != WindowEventKind::MouseDown || event.y <= 45 || event.y >= 400) return kEventNotHandled;
        if (event.clickCount == 1) {
            shell.DoubleClick = 0;
            DoEventSystemSelect();
            return kEventNotHandled;  // the click goes on to the pictures
        }
        if (event.clickCount == 2) {
            shell.DoubleClick = 1;
            shell.curentWndID = 0;
            DoEventSystemSelect();
            return kHandled;
        }
        return kEventNotHandled;
    }
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) {
        shell.curentWndID = 0;
        InitialSetupSelect();
        return kHandled;
    }
    switch (event.character) {
        case platform::kEscapeChar: return leaveSystemSelect();
        case platform::kSpaceChar:
        case platform::kTabChar: {
            int32_t& tab = state.selection.SysSelTabNum;
            tab = tab == 1 ? 2 : 1;
            platform::setControlValue(kSystemSelectWindow, 3, tab);
            BoxSelDispInit();
            return kHandled;
        }
        default: return moveSystemSelection(event.character);
    }
}

int32_t cancelSpeakerConnection() {
    state.connection.SpConNum = state.connection.SpConNumBak;
    SheetWndClose(kSpeakerConnectionSheet);
    NavUserActionCancelMenu();
    if (customPaletteShown()) EnableCustomPalet();
    state.shell.InterceptEvHnd = 0;
    return kHandled;
}

int32_t speakerConnectionEvent(const WindowEvent& event) {
    ShellFlags& shell = state.shell;
    if (event.kind == WindowEventKind::Shown) {
        if (shell.InterceptEvHnd == 1) {
            platform::selectWindow(kSpeakerConnectionSheet);
            SpConSelBottan();
            GetPictSpConSel();
            shell.PreSpCon = state.connection.SpConNum;
        }
        return kHandled;
    }
    // Closing the sheet from its title bar cancels it, as Escape does.
    if (event.kind == WindowEventKind::Close) return cancelSpeakerConnection();
    if (isMouse(event)) {
        platform::selectWindow(kSpeakerConnectionSheet);
        shell.mouseH = event.x;
        shell.mouseV = event.y;
        if (event.kind != WindowEventKind::MouseDown || event.y <= 34 || event.y >= 366) return kEventNotHandled;
        if (event.clickCount != 1 && event.clickCount != 2) return kEventNotHandled;
        shell.DoubleClick = event.clickCount == 2 ? 1 : 0;
        DoEventSpConSel();
        return kHandled;
    }
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) {
        SpConSelectDoDialog();
        return kHandled;
    }
    int32_t& connection = state.connection.SpConNum;
    switch (event.character) {
        case platform::kEscapeChar: return cancelSpeakerConnection();
        case platform::kLeftArrowChar: connection = connection - 1 == 0 ? 5 : connection - 1; break;
        case platform::kRightArrowChar: connection = connection + 1 == 6 ? 1 : connection + 1; break;
        case platform::kUpArrowChar:
        case platform::kDownArrowChar: return kHandled;
        default: return kEventNotHandled;
    }
    SpConInitAfter();
    shell.PreSpCon = connection;
    return kHandled;
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

int32_t RestoreMenusAfterDialog() {
    ShellFlags& shell = state.shell;
    switch (shell.curentWndID) {
        case 0: InitMenu14(); break;
        case kDefaultParametersWindow:
            InitMenu11();
            platform::setMenuItemEnabled(kFileMenu, 3, false);
            break;
        case kSystemSelectWindow:
            platform::selectWindow(kSystemSelectWindow);
            BoxSelDispInit();
            state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
            InitMenu11();
            break;
        case kResponseWindow: NavUserActionCancelMenu(); break;
        default: break;
    }
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
