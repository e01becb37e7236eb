#include "selection/SpeakerConnection.h"

#include "response/BoxCheck.h"
#include "response/SpConCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/PaintedChooser.h"
#include "view/Pictures.h"
#include "selection/SystemInfoPalette.h"
#include "platform/DrawSurface.h"
#include "view/QuartzDraw.h"
#include "dialogs/Alerts.h"
#include "view/ResponseRedraw.h"
#include "dialogs/DialogControls.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr int32_t kSheet = kSpeakerConnectionSheet;
constexpr int16_t kSheetWidth = 470, kSheetHeight = 475;  // content, px
constexpr int32_t kConnections = 5;

// Controls of the sheet.
constexpr platform::ControlNumber kSelectButton = 1;
constexpr platform::ControlNumber kCancelButton = 2;
constexpr platform::ControlNumber kChooserBox = 3;
constexpr platform::ControlNumber kFirstLabel = 11;  // 11-15, one per connection
constexpr platform::ControlNumber kSeparator = 31;

// The group box's origin in the sheet: frames and pictures are placed in
// its coordinates.
constexpr double kBoxLeft = 20.0, kBoxTop = 20.0;

// The mouse-downs the chooser takes: the band of its two rows.
constexpr int32_t kBandTop = 35, kBandBottom = 365;

// One connection: its frame and picture (x, y, width, height in the group
// box), its label, and its hit rectangle in the sheet.
struct Choice {
    double frameX, frameY, frameW, frameH;
    double pictureX, pictureY, pictureW, pictureH;
    std::string_view label;
    ChooserHitRect hit;
};
constexpr Choice kChoices[kConnections] = {
    {23, 18, 114, 174, 33, 32, 94, 145, "Single", {40, 160, 35, 215}},
    {158, 18, 114, 174, 168, 32, 94, 145, "Dual Parallel", {175, 295, 35, 215}},
    {293, 18, 114, 174, 303, 32, 94, 145, "Dual Serial", {310, 430, 35, 215}},
    {23, 228, 179, 114, 37, 234, 154, 102, "Push-Pull Parallel", {40, 225, 245, 365}},
    {228, 228, 179, 114, 242, 234, 154, 102, "Push-Pull Serial", {245, 430, 245, 365}},
};

// Labels stand centred under their frame, as wide as it, so that the
// longest name fits in the installed sans.
constexpr int16_t kLabelTop[2] = {220, 370}, kLabelBottom[2] = {236, 386};

bool validConnection(int32_t connection) { return connection >= 1 && connection <= kConnections; }

ChooserPicture frameOf(int32_t connection, bool selected) {
    const Choice& c = kChoices[connection - 1];
    const bool wide = isWideConnection(connection);
    const std::string_view file = wide ? (selected ? kWideConnectionButtonSelectedPicture : kWideConnectionButtonPicture)
                                       : (selected ? kConnectionButtonSelectedPicture : kConnectionButtonPicture);
    const double left = kBoxLeft + c.frameX, top = kBoxTop + c.frameY;
    return {file, left, top, left + c.frameW, top + c.frameH};
}

ChooserPicture pictureOf(int32_t connection) {
    const Choice& c = kChoices[connection - 1];
    const double left = kBoxLeft + c.pictureX, top = kBoxTop + c.pictureY;
    return {connectionPicture(connection), left, top, left + c.pictureW, top + c.pictureH};
}

Rect16 labelRect(int32_t connection) {
    const Choice& c = kChoices[connection - 1];
    const int row = connection <= 3 ? 0 : 1;
    const double centre = kBoxLeft + c.frameX + c.frameW / 2.0;
    const double half = c.frameW / 2.0;
    return {kLabelTop[row], int16_t(centre - half), kLabelBottom[row], int16_t(centre + half)};
}

// Clears the sheet's drawing and paints the chooser afresh.
void paintChooser() {
    repaintChooser(kSheet, [] {
        SpConSelBottan();
        GetPictSpConSel();
    });
}

}  // namespace

std::vector<ChooserPicture> connectionSheetPictures() {
    const int32_t chosen = state.connection.SpConNum;
    std::vector<ChooserPicture> pictures;
    for (int32_t n = 1; n <= kConnections; ++n) pictures.push_back(frameOf(n, false));
    if (validConnection(chosen)) pictures[std::size_t(chosen - 1)] = frameOf(chosen, true);
    for (int32_t n = 1; n <= kConnections; ++n) pictures.push_back(pictureOf(n));
    return pictures;
}

int32_t connectionAt(int32_t x, int32_t y) {
    for (int32_t n = 1; n <= kConnections; ++n)
        if (kChoices[n - 1].hit.holds(x, y)) return n;
    return 0;
}

int32_t connectionMove(int32_t connection, uint8_t character) {
    if (!validConnection(connection)) connection = 1;
    switch (character) {
        case platform::kLeftArrowChar: return connection == 1 ? kConnections : connection - 1;
        case platform::kRightArrowChar: return connection == kConnections ? 1 : connection + 1;
        default: return connection;
    }
}

int32_t SpConSelectWnd() {
    if (!platform::createWindow(kSheet, platform::WindowKind::Sheet, {0, 0, kSheetHeight, kSheetWidth},
                                "Speaker Connection", kResponseWindow)) {
        state.connection.SpConSel = 0;  // a sheet needs the response window: none takes picks
        return 0;
    }
    platform::setWindowThemeBackground(kSheet, true);
    SpeakerConnection& con = state.connection;
    con.SpConSel = 1;             // the sheet takes picks
    con.SpConNumBak = con.SpConNum;  // what Cancel goes back to

    platform::createControl(kSheet, kChooserBox, ControlSpec(ControlKind::GroupBox, {20, 20, 400, 450}));
    for (int32_t n = 1; n <= kConnections; ++n) {
        ControlSpec label(ControlKind::StaticText, labelRect(n), kChoices[n - 1].label);
        label.style = labelStyle(12.0);
        label.style.align = platform::TextAlign::Centre;
        platform::createControl(kSheet, kFirstLabel + n - 1, label);
    }
    platform::createControl(kSheet, kSeparator, ControlSpec(ControlKind::Separator, {410, 0, 420, kSheetWidth}));
    ControlSpec cancel(ControlKind::PushButton, {435, 270, 455, 350}, "Cancel");
    cancel.style = labelStyle(13.0);
    platform::createControl(kSheet, kCancelButton, cancel);
    ControlSpec select(ControlKind::PushButton, {435, 370, 455, 450}, "Select");
    select.style = labelStyle(13.0);
    select.defaultButton = true;  // Return and Enter act as Select
    platform::createControl(kSheet, kSelectButton, select);

    SpConSelBottan();
    GetPictSpConSel();
    con.PreSpCon = con.SpConNum;

    platform::selectWindow(kSheet);
    state.shell.SheetWndFlag = 1;
    state.shell.InterceptEvHnd = 1;
    platform::setCursor(platform::Cursor::Arrow);
    return 0;
}

int32_t SpConSelBottan() {
    const std::vector<ChooserPicture> pictures = connectionSheetPictures();
    paintChooserFrames(kSheet, std::span(pictures).first(kConnections), state.connection.SpConNum);
    return 0;
}

int32_t GetPictSpConSel() {
    const std::vector<ChooserPicture> pictures = connectionSheetPictures();
    paintChooserPictures(kSheet, std::span(pictures).subspan(kConnections));
    return 0;
}

int32_t SpConInitAfter() {
    paintChooser();
    return 0;
}

int32_t DoEventSpConSel() {
    SpeakerConnection& con = state.connection;
    if (con.SpConSel != 1) return 0;
    const int32_t connection = connectionAt(state.shell.mouseH, state.shell.mouseV);
    if (connection != 0) {
        con.SpConNum = connection;
        SpConSelectDoEvent();
    }
    state.shell.DoubleClick = 0;  // the double click belongs to the click handled
    state.shell.mouseH = 0;
    state.shell.mouseV = 0;
    con.PreSpCon = con.SpConNum;
    return 0;
}

int32_t SpConSelectDoEvent() {
    if (state.shell.DoubleClick == 1) {
        SpConSelectDoDialog();
        state.shell.DoubleClick = 0;
    } else {
        SpConInitAfter();
    }
    return 0;
}

int32_t SpConSelectDoDialog() {
    if (!platform::windowExists(kSheet)) return 0;  // applied already
    // A connection under which the alignment builds no real box (a volume
    // kept as 0), or gives a design the program may not hold (a vent too
    // vast to be a number), goes the way of Cancel, with an alert that
    // names the value.
    if (const BoxCheckResult box = changedBoxCheck(takeConnection); !box.ok()) {
        spConSelectCancel();
        ShowSheetAlert(kResponseWindow, boxFaultTitle(box), boxFaultReason(box));
        return 0;
    }
    platform::setCurrentWindow(kSheet);
    SheetWndClose(kSheet);
    takeConnection();
    menusFor(MenuSituation::Design);
    // The design of the new connection: its input power, level and vents.
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();

    ShellFlags& sh = state.shell;
    if (sh.SysInfoFlag == 0 && platform::windowExists(kSystemInfoPalette)) {
        DispSPLPIN();
        platform::setCurrentWindow(kSystemInfoPalette);
        GetSpConImageForSysInfoPalet();
    }
    if (sh.CtmPaletFlag == 0) {
        platform::setCurrentWindow(kCustomPalette);
        refreshWindows(WindowRefresh::CustomPaletteEnabled);
        refreshWindows(WindowRefresh::CustomPaletteAlignmentMenu);
        refreshWindows(WindowRefresh::CustomPaletteValues);
    }
    sh.InterceptEvHnd = 0;
    return 0;
}

int32_t spConSelectCancel() {
    state.connection.SpConNum = state.connection.SpConNumBak;
    state.connection.SpConSel = 0;  // no sheet takes picks any more
    if (platform::windowExists(kSheet)) SheetWndClose(kSheet);
    menusFor(MenuSituation::SheetEnded);
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    state.shell.InterceptEvHnd = 0;
    return 0;
}

int32_t spConSelArrowKey(uint8_t character) {
    if (character != platform::kLeftArrowChar && character != platform::kRightArrowChar) return 0;
    SpeakerConnection& con = state.connection;
    con.SpConNum = connectionMove(con.SpConNum, character);
    SpConInitAfter();
    con.PreSpCon = con.SpConNum;
    return 0;
}

int32_t spConSheetShown() {
    if (state.shell.InterceptEvHnd != 1 || !platform::windowExists(kSheet)) return 0;
    platform::selectWindow(kSheet);  // forward, and the chooser painted in it
    paintChooser();
    state.connection.PreSpCon = state.connection.SpConNum;
    return 0;
}

bool spConSelMouseDown(int32_t x, int32_t y, int32_t clickCount) {
    state.shell.mouseH = x;
    state.shell.mouseV = y;
    if (y < kBandTop || y > kBandBottom || (clickCount != 1 && clickCount != 2)) return false;
    platform::setCurrentWindow(kSheet);
    state.shell.DoubleClick = clickCount == 2 ? 1 : 0;
    DoEventSpConSel();
    return true;
}

}  // namespace quendal
