#include "selection/SystemSelect.h"

#include <string>

#include "response/SpConCal.h"
#include "model/KeptDesign.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/QuartzDraw.h"
#include "selection/PaintedChooser.h"
#include "selection/SystemChooser.h"
#include "platform/DrawSurface.h"
#include "windows/InitialSetup.h"
#include "dialogs/ParameterRecords.h"
#include "model/ParameterPasses.h"
#include "dialogs/DialogControls.h"
#include "dialogs/PalettePlace.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;
using platform::TextAlign;

constexpr int32_t kWindow = kSystemSelectWindow;
constexpr int16_t kWidth = 595, kHeight = 490;  // content, px

// Controls of window 3.
constexpr platform::ControlNumber kSelectButton = 1;
constexpr platform::ControlNumber kCancelButton = 2;
constexpr platform::ControlNumber kTabControl = 3;
constexpr platform::ControlNumber kSpeakerSelectArrow = 10;
constexpr platform::ControlNumber kFirstLabel = 11;  // 11-18, one per position
constexpr platform::ControlNumber kModelNameBox = 21;
constexpr platform::ControlNumber kModelNameText = 22;
constexpr platform::ControlNumber kSeparator = 31;

// The model name box shows this many characters of the name; a longer name
// ends in an ellipsis so that the line fits its box.
constexpr std::size_t kModelNameShown = 16;  // even sixteen of the widest letters fit
constexpr char kEllipsis = '\xC9';  // Mac Roman

std::string modelNameLine() {
    std::string name = state.speaker.s_SP.str();
    if (name.size() > kModelNameShown) {
        name.resize(kModelNameShown - 1);
        name += kEllipsis;
    }
    return "Model Name : " + name;
}

// Clears the window's drawing and paints the chooser afresh.
void paintChooser() {
    repaintChooser(kWindow, [] {
        SysSelBottan();
        GetPictSysSel();
    });
}

void makeLabels() {
    const int32_t tab = state.selection.SysSelTabNum;
    for (platform::ControlNumber id = kFirstLabel; id < kFirstLabel + 8; ++id) platform::removeControl(kWindow, id);
    if (!validSystemTab(tab)) return;
    for (int32_t position = 1; position <= 8; ++position) {
        ControlSpec desc(ControlKind::StaticText, systemSelectLabelRect(position), systemSelectLabel(tab, position));
        desc.style = labelStyle(12.0);  // the installed sans runs wider: 12 px keeps two long labels apart
        desc.style.align = TextAlign::Centre;
        platform::createControl(kWindow, kFirstLabel + position - 1, desc);
    }
}

// A tab or position outside its range (a damaged preference) would leave a
// window without pictures whose Select starts no system: start from the
// first system instead.
void keepSelectionInRange() {
    SystemSelection& s = state.selection;
    if (!validSystemTab(s.SysSelTabNum)) s.SysSelTabNum = 1;
    if (!validSystemPosition(s.SysSelBtnNum)) s.SysSelBtnNum = 1;
}

// The pick of an arrow key.
void keyPick() {
    state.shell.DoubleClick = 0;
    SystemSelectDoEvent();
    state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
}

}  // namespace

int32_t OpenSystemSelectWnd() {
    const NextDesignInState next;  // the next design's inputs in the state while a design waits
    ShellFlags& sh = state.shell;
    sh.WindCloseFlag = 0;
    sh.AppClickOpnFlag = 1;
    // A design kept on the screen keeps its file and its changed mark until
    // the design chosen here replaces it.
    if (sh.KeptDesignFlag == 0) {
        sh.DirtyFlag = 0;
        sh.SaveAsFlag = 0;
    }
    sh.s_MasgMenu = "BootQnDL";
    OriginalBoxParametersPass();
    InitItemBoxParameters();
    menusFor(MenuSituation::Start);
    return SystemSelectWnd();
}

int32_t SystemSelectWnd() {
    const NextDesignInState next;
    // A driver that arrived while the last design had unsaved changes is
    // the driver of the next one.
    if (state.messages.HeldDriverFlag == 1) {
        TakeHeldDriverRecord();
        OriginalBoxParametersPass();
    }
    state.connection.SpConNum = 1;
    SpconCal();
    keepSelectionInRange();

    Rect16& saved = state.bounds.SysSelWndBounds;
    Rect16 bounds{0, 0, kHeight, kWidth};  // top and left 0: the layer centres the window
    if (state.prefs.BoundsCheck == 1)
        bounds = {saved.top, saved.left, int16_t(saved.top + kHeight), int16_t(saved.left + kWidth)};
    else
        saved = bounds;
    platform::createWindow(kWindow, platform::WindowKind::Document, bounds, "System Select");
    // A place saved on a larger screen, or centred on one smaller than the
    // window, leaves the window where its buttons can be reached.
    platform::setWindowBounds(kWindow, windowPlaceOnScreen(kWindow));
    platform::setWindowThemeBackground(kWindow, true);

    ControlSpec tabs(ControlKind::Tab, {10, 20, 415, 575}, {}, state.selection.SysSelTabNum, 1, 2);
    tabs.items = {"High Pass System", "Band Pass System"};
    tabs.style = labelStyle(13.0);
    platform::createControl(kWindow, kTabControl, tabs);
    platform::setHelpTag(kWindow, kTabControl, "Tab Change is Space or Tab Key\\@T");
    platform::createControl(kWindow, kSeparator, ControlSpec(ControlKind::Separator, {425, 0, 435, kWidth}));
    platform::createControl(kWindow, kModelNameBox, ControlSpec(ControlKind::GroupBox, {445, 20, 475, 320}));
    ControlSpec model(ControlKind::StaticText, {452, 30, 468, 310}, modelNameLine());
    model.style = labelStyle(12.0);
    model.style.align = TextAlign::Centre;
    platform::createControl(kWindow, kModelNameText, model);
    ControlSpec select(ControlKind::PushButton, {448, 495, 472, 575}, "Select");
    select.style = labelStyle(13.0);
    select.defaultButton = true;
    platform::createControl(kWindow, kSelectButton, select);
    ControlSpec cancel(ControlKind::PushButton, {448, 395, 472, 475}, "Cancel");
    cancel.style = labelStyle(13.0);
    platform::createControl(kWindow, kCancelButton, cancel);
    ControlSpec arrow(ControlKind::BevelButton, {448, 340, 472, 370});
    arrow.image = "SysSelBigArrow.png";
    // Speaker selection is offered with or without a driver database.
    arrow.enabled = true;
    platform::createControl(kWindow, kSpeakerSelectArrow, arrow);
    platform::setHelpTag(kWindow, kSpeakerSelectArrow, "Speaker Select\\@B");

    BoxSelDispInit();
    state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;

    platform::selectWindow(kWindow);
    state.shell.curentWndID = kWindow;
    state.shell.WindCloseFlag = 1;
    platform::setMenuItemEnabled(2, 0, false);  // the Edit menu
    platform::setCurrentWindow(kWindow);
    return 0;
}

void SystemSelectDriverChanged() {
    const NextDesignInState next;
    if (platform::controlExists(kWindow, kModelNameText)) platform::setControlText(kWindow, kModelNameText, modelNameLine());
}

int32_t BoxSelDispInit() {
    const NextDesignInState next;
    if (!platform::windowExists(kWindow)) return 0;
    platform::selectWindow(kWindow);
    paintChooser();
    makeLabels();
    return 0;
}

int32_t SysSelBottan() {
    const std::vector<ChooserPicture> pictures = systemSelectPictures();
    paintChooserFrames(kWindow, std::span(pictures).first(8), state.selection.SysSelBtnNum);
    return 0;
}

int32_t GetPictSysSel() {
    const std::vector<ChooserPicture> pictures = systemSelectPictures();
    paintChooserPictures(kWindow, std::span(pictures).subspan(8));
    return 0;
}

int32_t BoxSelDispAfter() {
    const NextDesignInState next;
    if (platform::windowExists(kWindow)) paintChooser();
    return 0;
}

int32_t DoEventSystemSelect() {
    const NextDesignInState next;
    ShellFlags& sh = state.shell;
    const int32_t position = systemSelectPositionAt(state.shell.mouseH, state.shell.mouseV);
    if (position != 0) {
        state.selection.SysSelBtnNum = position;
        SystemSelectDoEvent();
    } else if (sh.DoubleClick == 1) {
        // A double click beside the pictures starts nothing and leaves the
        // user in this window.
        sh.DoubleClick = 0;
        if (platform::windowExists(kWindow)) sh.curentWndID = kWindow;
    }
    state.shell.mouseH = 0;
    state.shell.mouseV = 0;
    state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
    return 0;
}

int32_t SystemSelectDoEvent() {
    ShellFlags& sh = state.shell;
    if (sh.DoubleClick == 1) {
        sh.curentWndID = 0;
        InitialSetupSelect();
        sh.DoubleClick = 0;
    } else {
        BoxSelDispAfter();
    }
    return 0;
}

int32_t systemSelectArrowKey(uint8_t character) {
    const NextDesignInState next;
    if (character < platform::kLeftArrowChar || character > platform::kDownArrowChar) return 0;
    state.selection.SysSelBtnNum = systemSelectMove(state.selection.SysSelBtnNum, character);
    keyPick();
    return 0;
}

int32_t systemSelectToggleTab() {
    const NextDesignInState next;
    int32_t& tab = state.selection.SysSelTabNum;
    tab = tab == 1 ? 2 : 1;
    platform::setControlValue(kWindow, kTabControl, tab);
    return BoxSelDispInit();
}

int32_t systemSelectTabChanged() {
    const NextDesignInState next;
    state.selection.SysSelTabNum = platform::controlValue(kWindow, kTabControl);
    return BoxSelDispInit();
}

int32_t systemSelectConfirm() {
    const NextDesignInState next;
    state.shell.curentWndID = 0;
    return InitialSetupSelect();
}

int32_t systemSelectCancel() {
    state.shell.curentWndID = 0;
    platform::closeWindow(kWindow);
    menusFor(MenuSituation::NoDesign);
    return 0;
}

int32_t systemSelectDragged() {
    if (platform::windowExists(kWindow)) state.bounds.SysSelWndBounds = platform::windowBounds(kWindow);
    return 0;
}

bool systemSelectMouseDown(int32_t x, int32_t y, int32_t clickCount) {
    const NextDesignInState next;
    state.shell.mouseH = x;
    state.shell.mouseV = y;
    if (!(y > 45 && y < 400) || (clickCount != 1 && clickCount != 2)) return false;
    const bool twice = clickCount == 2;
    state.shell.DoubleClick = twice ? 1 : 0;
    if (twice) state.shell.curentWndID = 0;
    DoEventSystemSelect();
    return twice;
}

}  // namespace quendal
