#include "windows/ResponseWindow.h"

#include <algorithm>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ResponseRedraw.h"
#include "platform/AppMessageSend.h"
#include "view/NyquistReadout.h"
#include "dialogs/PalettePlace.h"
#include "dialogs/ScreenFit.h"

namespace quendal {

namespace {

constexpr int32_t kWindow = kResponseWindow;

// The response window and its two palettes side by side: the System Info
// palette's left edge 210 px left of the response window's, the custom
// palette's 550 px right of it and 205 px wide.
constexpr int32_t kGroupLeftOfWindow = kGapToResponseWindow;  // px
constexpr int32_t kGroupWidth = kGapToResponseWindow + kPaletteOffsetFromResponse + kPaletteWidth;  // px
constexpr int32_t kDefaultTopGap = 20;       // px of the screen kept above a window opened at its default place

// Controls of the Nyquist page that go when the details close.
constexpr int32_t kNyquistSlider = 406, kNyquistUp = 407, kNyquistDown = 408;
// Kinds of the legend's picture buttons: reporting a click at once, or
// tracking it while the read-out area is open.
constexpr int32_t kPictureWithoutTracking = 305, kPictureWithTracking = 304;

constexpr Rect16 kDetailTriangleRect{25, 511, 43, 529};  // beside the read-out boxes, above the Nyquist slider

bool holdsRectangle(const Rect16& r) { return r.right > r.left && r.bottom > r.top; }

int16_t currentPageHeight() { return responsePageHeight(state.view.s_Resp.view()); }

// The room a window's content has on the screen holding the rectangle.
Rect16 screenAround(const Rect16& r) { return platform::availableScreenArea((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

// Where window 7 takes the page of the current kind: at the window's place
// (or the recorded one), as tall as the page, on the screen.
Rect16 fittedForPage(const Rect16& at) {
    const Rect16 wanted{at.top, at.left, int16_t(at.top + currentPageHeight()), int16_t(at.left + kResponseWidth)};
    return fitContentOntoArea(wanted, screenAround(wanted), platform::windowFrameMargins(kWindow));
}

// With the two palettes beside it, centred across the primary screen.
Rect16 defaultPlace() {
    const Rect16 area = platform::availableScreenArea(0, 0);
    const Rect16 margins = platform::windowFrameMargins(kWindow);
    const int left = area.left + std::max(0, (area.right - area.left - kGroupWidth) / 2) + kGroupLeftOfWindow;
    const int top = area.top + margins.top + kDefaultTopGap;
    return {int16_t(top), int16_t(left), int16_t(top + currentPageHeight()), int16_t(left + kResponseWidth)};
}

}  // namespace

int16_t responsePageHeight(std::string_view responseKind) {
    if (responseKind == "sys") return kProfilePageHeight;
    if (responseKind == "vent") return kVentInfoPageHeight;
    return kGraphPageHeight;
}

int32_t ResponseWnd() {
    const Rect16& saved = state.bounds.RespWndBounds;
    const bool keepPlace = state.prefs.BoundsCheck == 1 && state.prefs.FastOpenFlag == 0 && holdsRectangle(saved);
    platform::createWindow(kWindow, platform::WindowKind::Document, {0, 0, kGraphPageHeight, kResponseWidth},
                           state.shell.DocFileName.view());
    platform::setWindowBounds(kWindow, fittedForPage(keepPlace ? saved : defaultPlace()));
    ResizeResponseWndSetBoundLimit();
    ResizeResponseWnd();
    platform::selectWindow(kWindow);
    state.bounds.RespWndBounds = platform::windowBounds(kWindow);

    ShellFlags& sh = state.shell;
    sh.WindCloseFlag = 0;
    sh.InitSetupFlag = 1;
    sh.curentWndID = kWindow;
    SndAppleEvent("Jevr", "Now I Opend", "Ostrevane");
    return 0;
}

int32_t ResizeResponseWndSetBoundLimit() {
    if (!platform::windowExists(kWindow)) return 0;
    const Rect16 size = fittedForPage(platform::windowBounds(kWindow));
    const int32_t width = size.right - size.left, height = size.bottom - size.top;
    platform::setWindowSizeLimits(kWindow, width, height, width, height);
    return 0;
}

int32_t ResizeResponseWnd() {
    if (!platform::windowExists(kWindow)) return 0;
    const Rect16 bounds = fittedForPage(platform::windowBounds(kWindow));
    const int32_t width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    // The page first, so that drawing and controls keep their coordinates;
    // then limits that admit the new size, then the size itself.
    platform::setWindowPageSize(kWindow, kResponseWidth, currentPageHeight());
    platform::setWindowSizeLimits(kWindow, width, height, width, height);
    platform::setWindowBounds(kWindow, bounds);
    return 0;
}

int32_t FitResponseWndToPage() {
    if (!platform::windowExists(kWindow)) return 0;
    ResponseWindowBuilt& built = state.responseBuilt;
    const Rect16 now = platform::windowBounds(kWindow);
    if (built.fittedPageHeight == currentPageHeight() && now.top == built.fitted.top &&
        now.left == built.fitted.left && now.bottom == built.fitted.bottom && now.right == built.fitted.right)
        return 0;
    ResizeResponseWndSetBoundLimit();
    ResizeResponseWnd();
    built.fitted = platform::windowBounds(kWindow);
    built.fittedPageHeight = currentPageHeight();
    return 0;
}

int32_t ResetResponseWndBounds() {
    Rect16& bounds = state.bounds.RespWndBounds;
    bounds = fittedForPage(bounds);
    return 0;
}

int32_t FocusResponseWnd() {
    if (platform::windowExists(kWindow)) platform::selectWindow(kWindow);
    return 0;
}

int32_t DispShowDetailTriBtn() {
    if (!platform::windowExists(kWindow)) return 0;
    const int32_t open = state.cursor.detailTriBtn == 1 ? 1 : 0;
    if (platform::controlExists(kWindow, kDetailTriangle)) {  // standing from the drawing before
        platform::setControlValue(kWindow, kDetailTriangle, open);
        return 0;
    }
    platform::createControl(kWindow, kDetailTriangle,
                            platform::ControlSpec(platform::ControlKind::DisclosureTriangle, kDetailTriangleRect, {},
                                                  open, 0, 1));
    platform::setHelpTag(kWindow, kDetailTriangle, "Show Details\rShortcut is Alt+D.\\@B");
    return 0;
}

int32_t DetailTriBtnHandler() {
    // The System Profile and Vent Information pages have no triangle: the
    // key leaves the details as they are.
    if (!platform::controlExists(kWindow, kDetailTriangle)) return 0;
    platform::setControlValue(kWindow, kDetailTriangle, state.cursor.detailTriBtn == 1 ? 0 : 1);
    return detailTriangleClicked();
}

int32_t detailTriangleClicked() {
    if (!platform::windowExists(kWindow)) return 0;
    platform::selectWindow(kWindow);
    CursorState& cursor = state.cursor;
    cursor.detailTriBtn = platform::controlValue(kWindow, kDetailTriangle);
    const bool nyquist = state.view.s_Resp == "nq";
    if (cursor.detailTriBtn == 0) {
        state.shell.ControlPictureProc = kPictureWithoutTracking;
        cursor.MouseDown = 0;
        cursor.StepMouseDown = 0;
        if (nyquist) {
            platform::removeControl(kWindow, kNyquistSlider);
            platform::removeControl(kWindow, kNyquistUp);
            platform::removeControl(kWindow, kNyquistDown);
        }
        ReDispResposeWnd();
    } else if (cursor.detailTriBtn == 1) {
        cursor.ffpn = 10.0f;
        cursor.logff = 1.0f;
        cursor.CursorPosi = 0;
        cursor.StepCursPoint = 0;
        state.shell.ControlPictureProc = kPictureWithTracking;
        if (!nyquist) {
            ReDispResposeWnd();
        } else {
            DispNyquistOtherBtn();
            cursor.ffpn = 10.0f;
            cursor.logff = 1.0f;
            DrawNyquistValue();
        }
    }
    return 0;
}

}  // namespace quendal
