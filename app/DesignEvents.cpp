// The windows of a design: the response window and its two palettes.
#include "app/CloseWindows.h"
#include "app/MenuBar.h"
#include "app/WindowEvents.h"
#include "model/State.h"
#include "view/ResponsePointer.h"
#include "model/WindowNumbers.h"
#include "selection/SystemInfoPalette.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteCalc.h"
#include "palette/CustomPaletteRows.h"
#include "windows/ResponseWindow.h"
#include "windows/WindowGroup.h"
#include "app/DesignFlow.h"

namespace quendal {

namespace {

using namespace keys;
using platform::kEventNotHandled;
using platform::kHandled;
using platform::WindowEvent;
using platform::WindowEventKind;

// Option-D opens or closes the response window's details, Option-S the
// System Info palette's speaker connection: from any window of the design.
int32_t disclosureKey(const WindowEvent& event, bool focusResponseFirst) {
    if (event.character == platform::kOptionDChar) {
        if (focusResponseFirst) FocusResponseWnd();
        DetailTriBtnHandler();
        return kHandled;
    }
    if (event.character == platform::kOptionSChar) {
        SysFigTriBtnHandler();
        return kHandled;
    }
    return kEventNotHandled;
}

int32_t responseWindowEvent(const WindowEvent& event) {
    ShellFlags& shell = state.shell;
    switch (event.kind) {
        case WindowEventKind::Activated: shell.WndDeactiveFlag = 0; return kHandled;
        case WindowEventKind::Deactivated: shell.WndDeactiveFlag = 1; return kHandled;
        case WindowEventKind::Close:
            CloseAskingFirst();
            return kHandled;
        case WindowEventKind::DragStarted: shell.BoundsSwFlag = 1; return kHandled;
        case WindowEventKind::DragCompleted:
            if (shell.BoundsSwFlag == 1) {
                GetWndsBounds();
                ResetResponseWndBounds();
                shell.BoundsSwFlag = 0;
            }
            groupedMoveEnded();
            return kHandled;
        case WindowEventKind::MouseMoved:
            return responsePointerMoved(event.x, event.y) ? kHandled : kEventNotHandled;
        case WindowEventKind::MouseDown:
            if (responsePointerDown(event.x, event.y, event.clickCount)) return kHandled;
            // The title bar is the window manager's: Alt and a press outside
            // the graph move the window, and the palettes move with it.
            return startGroupedMove(event.x, event.y, event.modifiers) ? kHandled : kEventNotHandled;
        case WindowEventKind::KeyDown: return disclosureKey(event, false);
        default: return kEventNotHandled;
    }
}

int32_t systemInfoEvent(const WindowEvent& event) {
    switch (event.kind) {
        case WindowEventKind::DragCompleted:
            state.bounds.InfoWndBounds = platform::windowBounds(kSystemInfoPalette);
            return kEventNotHandled;
        case WindowEventKind::Shown: return kHandled;
        case WindowEventKind::Close:
            state.bounds.InfoWndBounds = platform::windowBounds(kSystemInfoPalette);
            state.shell.SysInfoFlag = 1;
            platform::closeWindow(kSystemInfoPalette);
            platform::setMenuItemEnabled(kViewMenu, 12, true);
            SetPaletteItemsOnViewMenu();
            return kHandled;
        case WindowEventKind::KeyDown: return disclosureKey(event, true);
        case WindowEventKind::MouseDown:
            platform::selectWindow(kSystemInfoPalette);
            return kEventNotHandled;
        default: return kEventNotHandled;
    }
}

bool isKey(const WindowEvent& event) {
    return event.kind == WindowEventKind::KeyDown || event.kind == WindowEventKind::KeyUp ||
           event.kind == WindowEventKind::KeyRepeat;
}

int32_t customPaletteEvent(const WindowEvent& event) {
    switch (event.kind) {
        case WindowEventKind::DragCompleted:
            CustomPaletDragEnd();
            return kHandled;
        case WindowEventKind::Close:
            CustomPaletClose();
            return kHandled;
        case WindowEventKind::MouseDown:
            FocusCustomPalet();
            return kEventNotHandled;
        default: break;
    }
    if (!isKey(event)) return kEventNotHandled;
    platform::selectWindow(kCustomPalette);
    if (isKeyDown(event)) {
        if (isReturnOrEnter(event)) {
            if (calcKeyAccepted()) CustumPaletCalcReturn();
            return kHandled;
        }
        return disclosureKey(event, true);
    }
    if (isKeyUp(event) && event.character == platform::kTabChar) {
        CustomPaletTabKeyUp();
        return kHandled;
    }
    return kEventNotHandled;
}

}  // namespace

int32_t DesignWindowEvent(const WindowEvent& event) {
    // A design waiting behind System Select or Speaker Select stays as it
    // waits until it is given back: its windows take no click or key, the
    // window that chooses the next design comes back in front with the
    // keyboard instead, and its palettes stay open.
    if (designKept()) {
        switch (event.kind) {
            case WindowEventKind::MouseDown:
            case WindowEventKind::KeyDown:
            case WindowEventKind::KeyRepeat:
                bringChoosingWindowForward();
                return kHandled;
            case WindowEventKind::MouseUp:
            case WindowEventKind::KeyUp: return kHandled;
            case WindowEventKind::Close:
                if (event.window != kResponseWindow) return kHandled;
                break;
            default: break;
        }
    }
    switch (event.window) {
        case kResponseWindow: return responseWindowEvent(event);
        case kSystemInfoPalette: return systemInfoEvent(event);
        case kCustomPalette: return customPaletteEvent(event);
        default: return kEventNotHandled;
    }
}

}  // namespace quendal
