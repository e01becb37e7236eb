#include "selection/SystemSelect.h"

#include <string>

#include "engine/SpConCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/Pending.h"
#include "view/DrawSurface.h"
#include "windows/InitialSetup.h"

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

constexpr int32_t kTabLeft = 20, kTabTop = 10;  // the tab control's origin in the window

// The positions, two rows of four. Frames in the tab's coordinates (x, y,
// width, height); hit rectangles in the window's, both bounds inclusive.
struct Position {
    int32_t frameX, frameY;
    int32_t hitLeft, hitRight, hitTop, hitBottom;
};
constexpr int32_t kFrameWidth = 113, kFrameHeight = 147;
constexpr Position kPositions[8] = {
    {19, 42, 35, 155, 48, 202},   {154, 42, 170, 290, 48, 202},   {289, 42, 305, 425, 48, 202},
    {424, 42, 440, 560, 48, 202}, {19, 222, 35, 155, 228, 382},   {154, 222, 170, 290, 228, 382},
    {289, 222, 305, 425, 228, 382}, {424, 222, 440, 560, 228, 382},
};

// The systems of each tab: picture, its rectangle in the tab's
// coordinates (x, y, width, height), and the label under it.
struct SystemCell {
    std::string_view picture;
    int32_t x, y, w, h;
    std::string_view label;
};
constexpr SystemCell kCells[2][8] = {
    {
        {"InfiniteImage.png", 58, 49, 33, 132, "Infinite Baffle"},
        {"ClosedImage.png", 172, 49, 80, 132, "Closed Box"},
        {"VentedImage.png", 307, 49, 80, 132, "Vented Box"},
        {"PassiveRadiatorImage.png", 443, 49, 75, 132, "Passive Radiator"},
        {"SerialVentedImage.png", 37, 229, 77, 132, "Serial Vented"},
        {"ParallelVentedImage.png", 172, 228, 79, 134, "Twin Serial Vented"},
        {"ComplexClosedImage.png", 307, 229, 79, 132, "Complex Closed"},
        {"ComplexVentedImage.png", 441, 229, 80, 132, "Complex Vented"},
    },
    {
        {"RavezaBoxImage.png", 37, 48, 77, 134, "Raveza"},
        {"PassiveRavezaImage.png", 173, 49, 78, 132, "Passive Raveza"},
        {"SerialRavezaType1Image.png", 313, 49, 65, 132, "Serial Raveza Type1"},
        {"SerialRavezaType2Image.png", 432, 49, 96, 132, "Serial Raveza Type2"},
        {"TwinVentedImage.png", 44, 229, 62, 132, "Twin Vented"},
        {"TwinSerialImage.png", 176, 229, 68, 132, "Twin Serial"},
        {"DeltaVentedImage.png", 297, 229, 96, 132, "Delta Vented"},
        {"TripleVentedImage.png", 447, 229, 67, 132, "Triple Vented"},
    },
};

// Labels stand centred under their frame across the whole cell, so that
// the longest ("Serial Raveza Type1") fits in 13 px type.
constexpr int32_t kLabelHalfWidth = 67;
constexpr int16_t kLabelTop[2] = {205, 386}, kLabelBottom[2] = {221, 402};

constexpr std::string_view kUnselectedFrame = "SysBtnUnSelect.png";
constexpr std::string_view kSelectedFrame = "SysBtnSelect.png";

// The model name box shows this many characters of the name; a longer name
// ends in an ellipsis so that the line fits its box.
constexpr std::size_t kModelNameShown = 22;
constexpr char kEllipsis = '\xC9';  // Mac Roman

platform::TextStyle lucidaGrande(double size) {
    platform::TextStyle style;
    style.family = "Lucida Grande";
    style.size = size;
    return style;
}

bool validTab(int32_t tab) { return tab == 1 || tab == 2; }
bool validPosition(int32_t position) { return position >= 1 && position <= 8; }

std::string modelNameLine() {
    std::string name = state.speaker.s_SP.str();
    if (name.size() > kModelNameShown) {
        name.resize(kModelNameShown - 1);
        name += kEllipsis;
    }
    return "Model Name : " + name;
}

ChooserPicture framePicture(int32_t position, bool selected) {
    const Position& p = kPositions[position - 1];
    const double left = kTabLeft + p.frameX, top = kTabTop + p.frameY;
    return {selected ? kSelectedFrame : kUnselectedFrame, left, top, left + kFrameWidth, top + kFrameHeight};
}

ChooserPicture systemPicture(int32_t tab, int32_t position) {
    const SystemCell& c = kCells[tab - 1][position - 1];
    const double left = kTabLeft + c.x, top = kTabTop + c.y;
    return {c.picture, left, top, left + c.w, top + c.h};
}

void paint(const ChooserPicture& picture) {
    DrawPicture(kWindow, picture.file, picture.left, picture.top, picture.right, picture.bottom);
}

// Clears the window's drawing and paints the chooser afresh.
void paintChooser() {
    DrawSurface* surface = surfaceProvider() != nullptr ? surfaceProvider()->windowSurface(kWindow) : nullptr;
    if (surface != nullptr) surface->clear();
    SysSelBottan();
    GetPictSysSel();
    if (surface != nullptr) surface->flush();
}

void makeLabels() {
    const int32_t tab = state.selection.SysSelTabNum;
    for (platform::ControlNumber id = kFirstLabel; id < kFirstLabel + 8; ++id) platform::removeControl(kWindow, id);
    if (!validTab(tab)) return;
    for (int32_t position = 1; position <= 8; ++position) {
        const int row = (position - 1) / 4;
        const int32_t centre = kTabLeft + kPositions[position - 1].frameX + kFrameWidth / 2;
        const Rect16 rect{kLabelTop[row], int16_t(centre - kLabelHalfWidth), kLabelBottom[row],
                          int16_t(centre + kLabelHalfWidth)};
        ControlSpec spec(ControlKind::StaticText, rect, systemSelectLabel(tab, position));
        spec.style = lucidaGrande(13.0);
        spec.style.align = TextAlign::Centre;
        platform::createControl(kWindow, kFirstLabel + position - 1, spec);
    }
}

// A tab or position outside its range (a damaged preference) would leave a
// window without pictures whose Select starts no system: start from the
// first system instead.
void keepSelectionInRange() {
    SystemSelection& s = state.selection;
    if (!validTab(s.SysSelTabNum)) s.SysSelTabNum = 1;
    if (!validPosition(s.SysSelBtnNum)) s.SysSelBtnNum = 1;
}

// The pick of an arrow key.
void keyPick() {
    state.shell.DoubleClick = 0;
    SystemSelectDoEvent();
    state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
}

}  // namespace

std::string_view systemSelectLabel(int32_t tab, int32_t position) {
    if (!validTab(tab) || !validPosition(position)) return {};
    return kCells[tab - 1][position - 1].label;
}

int32_t systemSelectPositionAt(int32_t x, int32_t y) {
    for (int32_t position = 1; position <= 8; ++position) {
        const Position& p = kPositions[position - 1];
        if (x >= p.hitLeft && x <= p.hitRight && y >= p.hitTop && y <= p.hitBottom) return position;
    }
    return 0;
}

std::vector<ChooserPicture> systemSelectPictures() {
    const SystemSelection& s = state.selection;
    std::vector<ChooserPicture> pictures;
    for (int32_t position = 1; position <= 8; ++position) pictures.push_back(framePicture(position, position == s.SysSelBtnNum));
    if (validTab(s.SysSelTabNum))
        for (int32_t position = 1; position <= 8; ++position) pictures.push_back(systemPicture(s.SysSelTabNum, position));
    return pictures;
}

int32_t OpenSystemSelectWnd() {
    ShellFlags& sh = state.shell;
    sh.WindCloseFlag = 0;
    sh.AppClickOpnFlag = 1;
    sh.DirtyFlag = 0;
    sh.SaveAsFlag = 0;
    sh.s_MasgMenu = "BootQnDL";
    OriginalBoxParametersPass();
    InitItemBoxParameters();
    InitMenu11();
    return SystemSelectWnd();
}

int32_t SystemSelectWnd() {
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
    platform::setWindowThemeBackground(kWindow, true);

    ControlSpec tabs(ControlKind::Tab, {10, 20, 415, 575}, {}, state.selection.SysSelTabNum, 1, 2);
    tabs.items = {"High Pass System", "Band Pass System"};
    tabs.style = lucidaGrande(13.0);
    platform::createControl(kWindow, kTabControl, tabs);
    platform::setHelpTag(kWindow, kTabControl, "Tab Change is Space or Tab Key\\@T");
    platform::createControl(kWindow, kSeparator, ControlSpec(ControlKind::Separator, {425, 0, 435, kWidth}));
    platform::createControl(kWindow, kModelNameBox, ControlSpec(ControlKind::GroupBox, {445, 20, 475, 320}));
    ControlSpec model(ControlKind::StaticText, {452, 30, 468, 310}, modelNameLine());
    model.style = lucidaGrande(12.0);
    model.style.align = TextAlign::Centre;
    platform::createControl(kWindow, kModelNameText, model);
    ControlSpec select(ControlKind::PushButton, {448, 495, 472, 575}, "Select");
    select.style = lucidaGrande(13.0);
    select.defaultButton = true;
    platform::createControl(kWindow, kSelectButton, select);
    ControlSpec cancel(ControlKind::PushButton, {448, 395, 472, 475}, "Cancel");
    cancel.style = lucidaGrande(13.0);
    platform::createControl(kWindow, kCancelButton, cancel);
    ControlSpec arrow(ControlKind::BevelButton, {448, 340, 472, 370});
    arrow.image = "SysSelBigArrow.png";
    arrow.enabled = state.shell.s_MasgMenu == "BootQnDL";
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

int32_t BoxSelDispInit() {
    if (!platform::windowExists(kWindow)) return 0;
    platform::selectWindow(kWindow);
    paintChooser();
    makeLabels();
    return 0;
}

int32_t SysSelBottan() {
    const std::vector<ChooserPicture> pictures = systemSelectPictures();
    // The unselected frames first, then the selected one over its place.
    for (std::size_t i = 0; i < 8; ++i)
        if (pictures[i].file == kUnselectedFrame) paint(pictures[i]);
    for (std::size_t i = 0; i < 8; ++i)
        if (pictures[i].file == kSelectedFrame) paint(pictures[i]);
    return 0;
}

int32_t GetPictSysSel() {
    const std::vector<ChooserPicture> pictures = systemSelectPictures();
    for (std::size_t i = 8; i < pictures.size(); ++i) paint(pictures[i]);
    return 0;
}

int32_t BoxSelDispAfter() {
    if (platform::windowExists(kWindow)) paintChooser();
    return 0;
}

int32_t DoEventSystemSelect() {
    DesignEntryState& entry = state.entry;
    ShellFlags& sh = state.shell;
    const int32_t position = systemSelectPositionAt(entry.mouseH, entry.mouseV);
    if (position != 0) {
        state.selection.SysSelBtnNum = position;
        SystemSelectDoEvent();
    } else if (sh.DoubleClick == 1) {
        // A double click beside the pictures starts nothing and leaves the
        // user in this window.
        sh.DoubleClick = 0;
        if (platform::windowExists(kWindow)) sh.curentWndID = kWindow;
    }
    entry.mouseH = 0;
    entry.mouseV = 0;
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
    int32_t& position = state.selection.SysSelBtnNum;
    if (!validPosition(position)) position = 1;
    switch (character) {
        case platform::kLeftArrowChar: position = position == 1 ? 8 : position - 1; break;
        case platform::kRightArrowChar: position = position == 8 ? 1 : position + 1; break;
        case platform::kUpArrowChar: if (position > 4) position -= 4; break;
        case platform::kDownArrowChar: if (position < 5) position += 4; break;
        default: return 0;
    }
    keyPick();
    return 0;
}

int32_t systemSelectToggleTab() {
    int32_t& tab = state.selection.SysSelTabNum;
    tab = tab == 1 ? 2 : 1;
    platform::setControlValue(kWindow, kTabControl, tab);
    return BoxSelDispInit();
}

int32_t systemSelectTabChanged() {
    state.selection.SysSelTabNum = platform::controlValue(kWindow, kTabControl);
    return BoxSelDispInit();
}

int32_t systemSelectConfirm() {
    state.shell.curentWndID = 0;
    return InitialSetupSelect();
}

int32_t systemSelectCancel() {
    state.shell.curentWndID = 0;
    platform::closeWindow(kWindow);
    InitMenu14();
    return 0;
}

int32_t systemSelectDragged() {
    if (platform::windowExists(kWindow)) state.bounds.SysSelWndBounds = platform::windowBounds(kWindow);
    return 0;
}

bool systemSelectMouseDown(int32_t x, int32_t y, int32_t clickCount) {
    state.entry.mouseH = x;
    state.entry.mouseV = y;
    if (!(y > 45 && y < 400) || (clickCount != 1 && clickCount != 2)) return false;
    const bool twice = clickCount == 2;
    state.shell.DoubleClick = twice ? 1 : 0;
    if (twice) state.shell.curentWndID = 0;
    DoEventSystemSelect();
    return twice;
}

}  // namespace quendal
