#include "windows/PreferencesWindow.h"

#include <cmath>
#include <string>

#include "model/InputPower.h"
#include "model/NumberText.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "platform/HelpTag.h"
#include "platform/Platform.h"
#include "dialogs/Alerts.h"
#include "dialogs/DialogControls.h"
#include "dialogs/PalettePlace.h"
#include "dialogs/FieldText.h"
#include "view/ResponseRedraw.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

constexpr double kTextSize = 12.0;            // px

// Layout: three groups down the window, OK at the bottom right. Check boxes
// and fields stand on the groups' frames in content coordinates.
constexpr int16_t kLeft = 14, kRight = kPreferencesWidth - 14;
constexpr int16_t kInset = 28;  // left edge of the group's contents
constexpr int16_t kRow = 22;    // px from one check box to the next

constexpr int32_t kWindowsGroup = 520, kPrintingGroup = 521, kResponseGroup = 522;
constexpr int32_t kInputPowerLabel = 523, kInputPowerUnit = 524, kPortThicknessLabel = 525, kPortThicknessUnit = 526;

struct CheckBox {
    int32_t control;
    int16_t top;
    const char* title;
};

constexpr CheckBox kCheckBoxes[] = {
    {kBoundsCheckBox, 36, "Reopen windows where they were"},
    {kSystemCheckBox, 36 + kRow, "Start with the last system chosen"},
    {kInitSetupCheckBox, 36 + 2 * kRow, "Show Initial Setup for new designs"},
    {kUpdateForCheckBox, 36 + 3 * kRow, "Check for updates at launch"},
    {kPrintParamCheckBox, 170, "Print the driver parameters"},
    {kPrintDateCheckBox, 170 + kRow, "Print the date on each page"},
    {kSoundCheckBox, 170 + 2 * kRow, "Shutter sound with snapshots"},
    {kMagniCheckBox, 282, "Show absolute levels at start"},
    {kInputPowerCheckBox, 282 + kRow, "Input power follows rated power"},
};

int32_t* optionOf(int32_t control) {
    PreferenceOptions& p = state.prefs;
    switch (control) {
        case kBoundsCheckBox: return &p.BoundsCheck;
        case kSoundCheckBox: return &p.SoundCheck;
        case kSystemCheckBox: return &p.SystemCheck;
        case kInitSetupCheckBox: return &p.InitSetupCheck;
        case kPrintParamCheckBox: return &p.PrintParamCheck;
        case kPrintDateCheckBox: return &p.PrintDateCheck;
        case kUpdateForCheckBox: return &p.UpdateForCheck;
        case kInputPowerCheckBox: return &p.InputPowerCheck;
        case kMagniCheckBox: return &p.MagniCheck;
        default: return nullptr;
    }
}

void createText(int32_t control, Rect16 rect, const char* text, platform::TextAlign align = platform::TextAlign::Left) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(kTextSize, false, align);
    platform::createControl(kPreferencesWindow, control, desc);
}

// A labelled value field with its unit: label, field 64 px wide, unit.
void createField(int32_t label, int32_t field, int32_t unit, int16_t top, const char* title, double value,
                 const char* unitText, const char* help) {
    createText(label, Rect16{int16_t(top + 3), kInset, int16_t(top + 19), 196}, title);
    ControlSpec edit(ControlKind::EditText, Rect16{top, 200, int16_t(top + 22), 264}, fieldText(value));
    edit.style = labelStyle(kTextSize, false, platform::TextAlign::Right);
    platform::createControl(kPreferencesWindow, field, edit);
    platform::setControlCursor(kPreferencesWindow, field, platform::Cursor::IBeam);
    platform::ButtonHelpSetText(field, help);
    createText(unit, Rect16{int16_t(top + 3), 270, int16_t(top + 19), kRight - 10}, unitText);
}

// Back to the menus and the palettes as they were before the window opened.
// A design on the screen changes only with an option it depends on: a new
// choice whether the input power follows the driver's rated power becomes
// its own and computes it again (its vents are sized for the power in
// force); absolute or relative levels redraw it. With neither changed it
// stays exactly as it was, whatever choice a document brought with it.
void afterPreferences() {
    rememberPreferencesBounds();
    platform::closeWindow(kPreferencesWindow);
    const PreferenceOptions& p = state.prefs;
    const bool powerChoice = p.InputPowerCheck != p.InputPowerCheckOpened;
    const bool levels = state.view.Magni != p.MagniOpened;
    if (powerChoice) state.power.InputPowerCheck = p.InputPowerCheck;
    if (platform::windowExists(kResponseWindow) && (powerChoice || levels)) {
        const int32_t redraw = state.view.ReDispWnd;
        state.view.ReDispWnd = powerChoice ? 2 : 1;
        ReDispResposeWnd();
        state.view.ReDispWnd = redraw;
    }
    menusFor(MenuSituation::WindowInFront);
    if (state.shell.SysInfoFlag == 0) refreshWindows(WindowRefresh::SystemInfoValues);
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
}

// A refused value: the alert on the window, the kept value back in the
// field, the field ready for another entry.
void refuse(int32_t field, double kept, const char* name, const char* unit, const char* hint, FieldUnit fieldUnit) {
    const std::string text = platform::numberFieldText(kPreferencesWindow, field);
    platform::setControlText(kPreferencesWindow, field, fieldText(kept));
    platform::showSheetAlert(kPreferencesWindow, refusedEntryTitle(text, fieldUnit),
                             leastValueMessage(text, name, unit, hint, fieldUnit), [field] {
        if (platform::windowExists(kPreferencesWindow)) platform::setKeyboardFocus(kPreferencesWindow, field);
    });
}

}  // namespace

void PreferenceWnd() {
    if (platform::windowExists(kPreferencesWindow)) {
        platform::selectWindow(kPreferencesWindow);
        return;
    }
    Rect16 bounds{0, 0, kPreferencesHeight, kPreferencesWidth};  // top and left 0: centred by the layer
    const Rect16& kept = state.bounds.PrefeBounds;
    if (state.prefs.BoundsCheck == 1 && (kept.top != 0 || kept.left != 0))
        bounds = Rect16{kept.top, kept.left, int16_t(kept.top + kPreferencesHeight), int16_t(kept.left + kPreferencesWidth)};
    platform::createWindow(kPreferencesWindow, platform::WindowKind::Dialog, bounds, "Quendal Preferences");
    platform::setWindowBounds(kPreferencesWindow, windowPlaceOnScreen(kPreferencesWindow));  // on the screen there is
    state.prefs.InputPowerCheckOpened = state.prefs.InputPowerCheck;
    state.prefs.MagniOpened = state.view.Magni;
    platform::setWindowResizable(kPreferencesWindow, false);
    platform::setCurrentWindow(kPreferencesWindow);

    const struct {
        int32_t control;
        Rect16 rect;
        const char* title;
    } groups[] = {
        {kWindowsGroup, Rect16{12, kLeft, 134, kRight}, "Windows"},
        {kPrintingGroup, Rect16{146, kLeft, 246, kRight}, "Printing and Snapshots"},
        {kResponseGroup, Rect16{258, kLeft, 398, kRight}, "Response"},
    };
    for (const auto& g : groups) {
        ControlSpec box(ControlKind::GroupBox, g.rect, g.title);
        box.style = labelStyle(kTextSize);
        platform::createControl(kPreferencesWindow, g.control, box);
    }
    for (const CheckBox& c : kCheckBoxes) {
        ControlSpec box(ControlKind::CheckBox, Rect16{c.top, kInset, int16_t(c.top + 20), int16_t(kRight - 10)}, c.title,
                        *optionOf(c.control));
        box.style = labelStyle(kTextSize);
        platform::createControl(kPreferencesWindow, c.control, box);
    }
    createField(kInputPowerLabel, kInputPowerField, kInputPowerUnit, 334, "Default input power:",
                state.power.InputPower, "W", "The input power of new designs, at least 0.4 W\\@B");
    createField(kPortThicknessLabel, kPortThicknessField, kPortThicknessUnit, 362, "Port thickness:",
                state.power.PortThickness, "mm", "The baffle thickness at a ported vent, at least 3 mm\\@B");

    ControlSpec ok(ControlKind::PushButton, Rect16{420, 226, 442, kRight}, "OK");
    ok.defaultButton = true;
    platform::createControl(kPreferencesWindow, kPreferencesOK, ok);

    platform::selectWindow(kPreferencesWindow);
}

bool preferenceCheckBoxClicked(int32_t control) {
    int32_t* option = optionOf(control);
    if (option == nullptr) return false;
    *option = platform::controlValue(kPreferencesWindow, control);
    if (control == kMagniCheckBox) state.view.Magni = state.prefs.MagniCheck;
    return true;
}

void PreferenceWndOKReturn() {
    if (!platform::windowExists(kPreferencesWindow)) return;
    double power = 0.0, thickness = 0.0;
    if (!readNumberAtLeast(kPreferencesWindow, kInputPowerField, FieldUnit::Watt, kMinimumInputPower, power)) {
        refuse(kInputPowerField, state.power.InputPower, "The input power", "W", "Enter an input power of at least 0.4 W.",
               FieldUnit::Watt);
        return;
    }
    if (!readNumberAtLeast(kPreferencesWindow, kPortThicknessField, FieldUnit::Millimetre, kMinimumPortThickness,
                           thickness)) {
        refuse(kPortThicknessField, state.power.PortThickness, "The port thickness", "mm",
               "Enter a port thickness of at least 3 mm.", FieldUnit::Millimetre);
        return;
    }
    state.power.InputPower = power;
    state.power.PortThickness = thickness;
    afterPreferences();
}

void PreferenceWndClose() {
    if (platform::windowExists(kPreferencesWindow)) afterPreferences();
}

void rememberPreferencesBounds() {
    if (platform::windowExists(kPreferencesWindow)) state.bounds.PrefeBounds = platform::windowBounds(kPreferencesWindow);
}

}  // namespace quendal
