#include "palette/CustomPaletteRows.h"

#include "dialogs/Alerts.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "platform/Platform.h"
#include "response/BoxCheck.h"
#include "view/ResponseRedraw.h"

namespace quendal {

namespace {

constexpr int32_t kWindow = kCustomPalette;
constexpr int32_t kCustomPaletteViewItem = 11;  // "Show Custom Palette" / "Hide Custom Palette"

bool isEntryField(int32_t id) { return id >= kPaletteFirstField && id <= kPaletteLastField; }

}  // namespace

int32_t CustomPaletPRNumPopupClick() {
    platform::selectWindow(kWindow);
    // A count with which the design is one the program may not hold (the
    // radiators' volume too vast to be a number) is refused as a loss is:
    // the popup and the design stay as they were.
    const int32_t count = platform::controlValue(kWindow, kPaletteRadiatorCountPopup);
    if (const BoxCheckResult box = changedBoxCheck([count] { state.radiator.PopupPRNum = count; }); !box.ok()) {
        platform::setControlValue(kWindow, kPaletteRadiatorCountPopup, state.radiator.PopupPRNum);
        ShowSheetAlert(kResponseWindow, boxFaultTitle(box), boxFaultReason(box));
        return 0;
    }
    state.radiator.PopupPRNum = count;
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    return 0;
}

int32_t CustomPaletFieldClick(int32_t controlId) {
    if (isEntryField(controlId)) state.shell.EdtFldID = controlId;
    return 0;
}

int32_t CustomPaletTabKeyUp() {
    const int32_t focused = platform::keyboardFocus(kWindow);
    if (isEntryField(focused)) state.shell.EdtFldID = focused;
    return 0;
}

int32_t CustomPaletClose() {
    if (platform::windowExists(kWindow)) state.bounds.CstmWndBounds = platform::windowBounds(kWindow);
    state.shell.CtmPaletFlag = 1;
    platform::closeWindow(kWindow);
    if (platform::menuExists(kViewMenu)) {
        platform::setMenuItemEnabled(kViewMenu, kCustomPaletteViewItem, true);
        platform::setMenuItemText(kViewMenu, kCustomPaletteViewItem, "Show Custom Palette");
    }
    return 0;
}

int32_t CustomPaletDragEnd() {
    if (platform::windowExists(kWindow)) state.bounds.CstmWndBounds = platform::windowBounds(kWindow);
    return 0;
}

}  // namespace quendal
