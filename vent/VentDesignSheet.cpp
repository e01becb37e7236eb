#include "vent/VentDesignSheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "response/CofCal.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "response/VentRecords.h"
#include "response/VentSizing.h"
#include "dialogs/Alerts.h"
#include "dialogs/FieldText.h"
#include "model/ParameterPasses.h"
#include "view/ResponseRedraw.h"
#include "dialogs/DialogControls.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlNumber;
using platform::ControlSpec;
using platform::TextAlign;

constexpr int16_t kSheetWidth = 460;
constexpr int16_t kSheetHeight = 372;
constexpr double kCm2PerM2 = 10000.0;
constexpr double kMm2PerCm2 = 100.0;

constexpr ControlNumber kHeading = 360;
constexpr ControlNumber kChamberText = 361;
constexpr ControlNumber kLimitText = 362;

// The controls of one pane of the tab. Each pane has five rows of a label,
// a value (or an entry field in its place) and a unit, then the outcome.
struct Pane {
    ControlNumber pane, radio, countLabel, setupButton;
    ControlNumber labels[5], values[5], units[5];
    ControlNumber outcome;
    const char* rowTitles[5];
    const char* rowUnits[5];
};

constexpr Pane kCircular{kCircularPane,
                         kCircularRadio,
                         308,
                         kCircularSetupButton,
                         {370, 371, 372, 373, 374},
                         {331, 332, 333, 334, 335},
                         {380, 381, 382, 383, 384},
                         336,
                         {"Diameter", "Minimum Diameter", "Length", "Total Area", "Minimum Area"},
                         {"mm", "mm", "mm", "sq cm", "sq cm"}};
constexpr Pane kRectangular{kRectangularPane,
                            kRectangularRadio,
                            309,
                            kRectangularSetupButton,
                            {375, 376, 377, 378, 379},
                            {341, 342, 343, 344, 345},
                            {385, 386, 387, 388, 389},
                            346,
                            {"Width", "Height", "Length", "Total Area", "Minimum Area"},
                            {"mm", "mm", "mm", "sq cm", "sq cm"}};

// Rows of a pane, in the pane's own coordinates.
constexpr int16_t kFirstRowTop = 56;
constexpr int16_t kRowPitch = 24;
int16_t rowTop(int row) { return int16_t(kFirstRowTop + kRowPitch * row); }
Rect16 labelRect(int row) { return {int16_t(rowTop(row) + 3), 12, int16_t(rowTop(row) + 19), 160}; }
Rect16 valueRect(int row) { return {int16_t(rowTop(row) + 3), 166, int16_t(rowTop(row) + 19), 256}; }
Rect16 fieldRect(int row) { return {rowTop(row), 166, int16_t(rowTop(row) + 22), 256}; }
// The first row leaves room for the "Initial Setup..." button beside it.
Rect16 unitRect(int row) {
    return {int16_t(rowTop(row) + 3), 262, int16_t(rowTop(row) + 19), int16_t(row == 0 ? 288 : 316)};
}

void addText(ControlNumber id, Rect16 rect, std::string_view text, ControlNumber parent = 0,
             platform::TextStyle style = labelStyle()) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = style;
    desc.parent = parent;
    platform::createControl(kVentDesignSheet, id, desc);
}

void addButton(ControlNumber id, Rect16 rect, std::string_view title, ControlNumber parent = 0,
               bool isDefault = false) {
    ControlSpec desc(ControlKind::PushButton, rect, title);
    desc.style = labelStyle(13.0);
    desc.parent = parent;
    desc.defaultButton = isDefault;
    platform::createControl(kVentDesignSheet, id, desc);
}

// A size as the sheet shows it: two decimals, no padding; "-" for no number.
std::string sizeText(double value) {
    if (!std::isfinite(value)) return "-";
    return fieldText(rint(value * 100.0) / 100.0);
}

int32_t selectedVent() { return std::clamp(state.vents.VentID, 1, 3); }

ControlNumber circularCountPopup() {
    return branchedVentInSheet() ? kCircularBranchCountPopup : kCircularCountPopup;
}
ControlNumber rectangularCountPopup() {
    return branchedVentInSheet() ? kRectangularBranchCountPopup : kRectangularCountPopup;
}

void buildPane(const Pane& p, ControlNumber countPopup, std::string_view radioTitle) {
    ControlSpec pane(ControlKind::UserPane, {30, 8, 234, 420});
    pane.parent = kVentTypeTab;
    platform::createControl(kVentDesignSheet, p.pane, pane);

    ControlSpec radio(ControlKind::RadioGroup, {6, 12, 46, 150});
    radio.items = {"Ported", "Ducted"};
    radio.value = 1;
    radio.parent = p.pane;
    radio.style = labelStyle();
    platform::createControl(kVentDesignSheet, p.radio, radio);
    platform::setHelpTag(kVentDesignSheet, p.radio, std::string(radioTitle) + "\\@B");

    addText(p.countLabel, {10, 184, 26, 300}, "Number of Vents", p.pane, labelStyle(12.0, false, TextAlign::Right));
    ControlSpec count(ControlKind::PopupButton, {6, 304, 30, 404});
    count.menu = branchedVentInSheet() ? kVentNumPopupMenuPV : kVentNumPopupMenu;
    count.value = 1;
    count.parent = p.pane;
    count.style = labelStyle();
    platform::createControl(kVentDesignSheet, countPopup, count);

    for (int row = 0; row < 5; ++row) {
        addText(p.labels[row], labelRect(row), p.rowTitles[row], p.pane);
        addText(p.values[row], valueRect(row), "", p.pane, labelStyle(12.0, false, TextAlign::Right));
        addText(p.units[row], unitRect(row), p.rowUnits[row], p.pane);
    }
    addText(p.outcome, {182, 12, 198, 416}, "", p.pane, labelStyle(11.0));
    addButton(p.setupButton, {rowTop(0), 292, int16_t(rowTop(0) + 24), 404}, "Initial Setup...", p.pane);
}

// The outcome of a form in the sheet's words.
std::string outcomeText(VentForm form) {
    switch (form) {
        case VentForm::Realisable: return "This vent can be built as shown.";
        case VentForm::BelowMinimumArea: {
            const std::string limit = fieldText(kVentAirSpeedLimit);
            return "Too small: the air would move faster than " + limit + " m/s.";
        }
        case VentForm::LengthNotPositive: return "No duct length tunes the chamber at this size.";
        case VentForm::LongerThanBox: return "The duct is longer than the chamber allows.";
        case VentForm::ShorterThanPanel: return "The duct is shorter than the panel is thick: use a port.";
        case VentForm::WiderThanPanel: return "The vent is wider than the chamber's panel.";
        case VentForm::ChamberTooSmall: return "No duct of the minimum area fits the chamber: the air is too fast.";
        case VentForm::NotDesigned: break;
    }
    return "";
}

void showOutcome(const Pane& p, VentShape shape) {
    const VentRecord& w = state.vents.working;
    const VentChamber chamber = ventChamber(selectedVent());
    const VentForm form = chamber.valid() ? outcomeOf(w, shape, chamber, conditionsOfRecord(w)) : VentForm::NotDesigned;
    platform::TextStyle style = labelStyle(11.0);
    if (form != VentForm::Realisable) {
        style.coloured = true;
        style.colour = {0.8, 0.0, 0.0};
    }
    addText(p.outcome, {182, 12, 198, 416}, outcomeText(form), p.pane, style);
}

void setValues(const Pane& p, const double (&values)[5]) {
    for (int row = 0; row < 5; ++row) {
        platform::setControlText(kVentDesignSheet, p.values[row], sizeText(values[row]));
        platform::setControlVisible(kVentDesignSheet, p.values[row], true);
    }
}

// An entry field in the place of the value of `row`.
void addField(const Pane& p, int row, ControlNumber field, double value) {
    ControlSpec desc(ControlKind::EditText, fieldRect(row), sizeText(value));
    desc.style = labelStyle(12.0, false, TextAlign::Right);
    desc.parent = p.pane;
    platform::createControl(kVentDesignSheet, field, desc);
    platform::setControlVisible(kVentDesignSheet, p.values[row], false);
}

// Reads a size field: whether the user changed what the sheet showed, and
// the number typed.
struct Entry {
    bool changed = false;
    double value = 0.0;
};
Entry readField(ControlNumber field, double shown) {
    Entry entry;
    if (!platform::controlExists(kVentDesignSheet, field)) {
        entry.value = shown;
        return entry;
    }
    const std::string text = platform::controlText(kVentDesignSheet, field);
    entry.changed = text != sizeText(shown);
    entry.value = entry.changed ? textToNumber(text) : shown;
    return entry;
}

void refuse(ControlNumber field, std::string_view alert, const std::string& why) {
    ShowSheetAlert(kVentDesignSheet, alert, why);
    if (platform::controlExists(kVentDesignSheet, field)) platform::setKeyboardFocus(kVentDesignSheet, field);
}

std::string tooSmall(const char* what, double value, const char* unit, double minimum) {
    return std::string(what) + " " + sizeText(value) + " " + unit + "; the minimum is " + sizeText(minimum) + " " +
           unit + ".";
}

bool positiveFinite(double v) { return std::isfinite(v) && v > 0.0; }

// Takes the sizes entered for the form in force into the working copy;
// false (and an alert) when one is outside its limits.
bool takeEnteredSizes(const VentChamber& chamber, const VentConditions& conditions) {
    VentRecord& w = state.vents.working;
    const VentShape shape = shapeInForce(w);
    const int32_t n = admittedCount(countOf(w, shape), chamber.branches);
    switch (shape) {
        case VentShape::CircularPort: return true;
        case VentShape::CircularDuct: {
            const Entry d = readField(kVentSizeField, w.CircDuctDV);
            if (!d.changed) return true;
            const double minimum = minimumDiameterMm(n, conditions.minimumAreaCm2);
            if (!positiveFinite(d.value) || !atLeast(d.value, minimum)) {
                refuse(kVentSizeField, kValueTooSmallAlert, tooSmall("Diameter", d.value, "mm", minimum));
                return false;
            }
            w.CircDuctDV = d.value;
            w.CircDuctVentInit = 1;
            return true;
        }
        case VentShape::RectangularPort: {
            const Entry width = readField(kVentSizeField, w.RectPortWV);
            if (!width.changed) return true;
            const PortWidths widths = rectangularPortWidths(n, chamber, conditions);
            if (!positiveFinite(width.value)) {
                refuse(kVentSizeField, kValueTooSmallAlert,
                       "Width " + sizeText(width.value) + " mm; it must be more than 0 mm.");
                return false;
            }
            if (widths.kind == PortWidths::Kind::Between && !atLeast(width.value, widths.lowMm)) {
                refuse(kVentSizeField, kValueTooSmallAlert, tooSmall("Width", width.value, "mm", widths.lowMm));
                return false;
            }
            if (widths.kind == PortWidths::Kind::Between && !atMost(width.value, widths.highMm)) {
                refuse(kVentSizeField, kValueTooLargeAlert,
                       "Width " + sizeText(width.value) + " mm; the maximum is " + sizeText(widths.highMm) +
                           " mm.");
                return false;
            }
            w.RectPortWV = width.value;
            w.RectPortVentInit = 1;
            return true;
        }
        case VentShape::RectangularDuct: {
            const Entry width = readField(kVentSizeField, w.RectDuctWV);
            const Entry height = readField(kVentSecondSizeField, w.RectDuctHV);
            if (!width.changed && !height.changed) return true;
            for (const auto& [entry, field, name] : {std::tuple{width, kVentSizeField, "Width"},
                                                     std::tuple{height, kVentSecondSizeField, "Height"}}) {
                if (!positiveFinite(entry.value)) {
                    refuse(field, kValueTooSmallAlert,
                           std::string(name) + " " + sizeText(entry.value) + " mm; it must be more than 0 mm.");
                    return false;
                }
            }
            const double areaCm2 = n * width.value * height.value / kMm2PerCm2;
            if (!atLeast(areaCm2, conditions.minimumAreaCm2)) {
                refuse(kVentSizeField, kValueTooSmallAlert,
                       tooSmall("Area", areaCm2, "sq cm", conditions.minimumAreaCm2));
                return false;
            }
            w.RectDuctWV = width.value;
            w.RectDuctHV = height.value;
            w.RectDuctVentInit = 1;
            return true;
        }
    }
    return true;
}

}  // namespace

bool branchedVentInSheet() { return currentSystemNumber() == kTwinSerialVented && state.vents.VentID == 1; }

int32_t VentDesignWnd() {
    if (!platform::windowExists(kResponseWindow)) return 0;
    if (!platform::createWindow(kVentDesignSheet, platform::WindowKind::Sheet, {0, 0, kSheetHeight, kSheetWidth},
                                "Vent Design", kResponseWindow))
        return 0;
    const VentParameters& v = state.vents;

    addText(kHeading, {12, 20, 30, 440}, v.s_VentTitle.str() + " Design", 0, labelStyle(13.0, true));
    const VentChamber chamber = ventChamber(selectedVent());
    std::string tuning = chamber.branches == 2 ? "Two branches, each tuning " : "Tunes ";
    tuning += sizeText(chamber.volumeLitre) + " Liter to " + sizeText(chamber.tuningHz) + " Hz";
    addText(kChamberText, {36, 20, 52, 440}, tuning + ".", 0, labelStyle(11.0));
    addText(kLimitText, {52, 20, 68, 440},
            "Peak air speed up to " + fieldText(kVentAirSpeedLimit) + " m/s at an input power of " +
                sizeText(state.power.PIN) + " W.",
            0, labelStyle(11.0));

    ControlSpec tab(ControlKind::Tab, {78, 16, 322, 444});
    tab.items = {"Circular", "Rectangular"};
    tab.value = v.working.VentTypeTab == 2 ? 2 : 1;
    tab.style = labelStyle();
    platform::createControl(kVentDesignSheet, kVentTypeTab, tab);
    buildPane(kCircular, circularCountPopup(), "Circular vents: a port through the panel or a duct");
    buildPane(kRectangular, rectangularCountPopup(), "Rectangular vents: a port through the panel or a duct");

    addButton(kVentInitializeButton, {334, 16, 358, 116}, "Initialize");
    addButton(kVentCancelButton, {334, 200, 358, 280}, "Cancel");
    addButton(kVentCalcButton, {334, 288, 358, 368}, "Calc.");
    addButton(kVentOkButton, {334, 376, 358, 444}, "OK", 0, true);
    platform::setHelpTag(kVentDesignSheet, kVentInitializeButton, "Size the vent automatically again\\@B");
    platform::setHelpTag(kVentDesignSheet, kVentCalcButton, "Size the vent for the values entered (Option)\\@B");
    for (ControlNumber setup : {kCircularSetupButton, kRectangularSetupButton})
        platform::setHelpTag(kVentDesignSheet, setup, "Input power and port thickness\\@B");

    VentDesignDisp();
    platform::selectWindow(kVentDesignSheet);
    return 0;
}

int32_t VentDesignDisp() {
    if (!platform::windowExists(kVentDesignSheet)) return 0;
    const VentRecord& w = state.vents.working;
    const bool rectangular = w.VentTypeTab == 2;
    platform::setControlValue(kVentDesignSheet, kVentTypeTab, rectangular ? 2 : 1);
    platform::setControlVisible(kVentDesignSheet, kCircularPane, !rectangular);
    platform::setControlVisible(kVentDesignSheet, kRectangularPane, rectangular);
    platform::setControlValue(kVentDesignSheet, kCircularRadio, w.CircVentRadio == 2 ? 2 : 1);
    platform::setControlValue(kVentDesignSheet, kRectangularRadio, w.RectVentRadio == 2 ? 2 : 1);
    // The item number of either count menu is the count.
    platform::setControlValue(kVentDesignSheet, circularCountPopup(), w.CircVentNum);
    platform::setControlValue(kVentDesignSheet, rectangularCountPopup(), w.RectVentNum);

    platform::removeControl(kVentDesignSheet, kVentSizeField);
    platform::removeControl(kVentDesignSheet, kVentSecondSizeField);

    const bool circularDuct = w.CircVentRadio == 2;
    if (circularDuct) {
        setValues(kCircular, {w.CircDuctDV, w.CircDuctDVmin, w.CircDuctLV, w.CircDuctSV, w.CircDuctSVmin});
    } else {
        setValues(kCircular, {w.CircPortDV, w.CircPortDVmin, w.CircPortLV, w.CircPortSV, w.CircPortSVmin});
    }
    const bool rectangularDuct = w.RectVentRadio == 2;
    if (rectangularDuct) {
        setValues(kRectangular, {w.RectDuctWV, w.RectDuctHV, w.RectDuctLV, w.RectDuctSV, w.RectDuctSVmin});
    } else {
        setValues(kRectangular, {w.RectPortWV, w.RectPortHV, w.RectPortLV, w.RectPortSV, w.RectPortSVmin});
    }
    showOutcome(kCircular, circularDuct ? VentShape::CircularDuct : VentShape::CircularPort);
    showOutcome(kRectangular, rectangularDuct ? VentShape::RectangularDuct : VentShape::RectangularPort);

    // The entry fields of the form in force.
    if (rectangular) {
        addField(kRectangular, 0, kVentSizeField, rectangularDuct ? w.RectDuctWV : w.RectPortWV);
        if (rectangularDuct) addField(kRectangular, 1, kVentSecondSizeField, w.RectDuctHV);
    } else if (circularDuct) {
        addField(kCircular, 0, kVentSizeField, w.CircDuctDV);
    }
    if (platform::controlExists(kVentDesignSheet, kVentSizeField))
        platform::setKeyboardFocus(kVentDesignSheet, kVentSizeField);
    return 0;
}

int32_t VentDesignCalcOKReturn(int32_t isOK) {
    if (!platform::windowExists(kVentDesignSheet)) return 0;
    const int32_t vent = selectedVent();
    const VentChamber chamber = ventChamber(vent);
    const VentConditions conditions = ventConditions(vent);
    if (chamber.valid() && std::isfinite(conditions.minimumAreaCm2)) {
        if (!takeEnteredSizes(chamber, conditions)) return 0;
        designVentRecord(state.vents.working, chamber, conditions);
    }
    if (isOK == 1) return VentDesignCalcOkCommon();
    return VentDesignDisp();
}

int32_t VentDesignCalcOkCommon() {
    VentParameters& v = state.vents;
    const int32_t vent = selectedVent();
    // A form changed in the sheet, or a size entered for it, is the user's
    // choice from now on; the cancel copy holds the vent as the sheet
    // opened on it.
    VentRecord& w = v.working;
    const VentShape shape = shapeInForce(w);
    const bool sizeEntered = (shape == VentShape::CircularDuct && w.CircDuctVentInit == 1) ||
                             (shape == VentShape::RectangularPort && w.RectPortVentInit == 1) ||
                             (shape == VentShape::RectangularDuct && w.RectDuctVentInit == 1);
    if (shape != shapeInForce(v.cancel) || sizeEntered) w.FormSetBy = kFormSetByUser;
    PostVentParameterChange();
    ventModelArea(vent) = designedAreaCm2(v.working) / kCm2PerM2;
    if (vent == 1 && currentSystemNumber() == kTripleVented && tripleVentedIsSymmetric()) {
        // Vents 1 and 2 of a symmetric design are designed as one.
        v.vent[2] = v.working;
        v.SV22 = v.SV11;
    }
    SheetWndClose(kVentDesignSheet);
    menusFor(MenuSituation::SheetEnded);
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    ValueRoundVentParameters();
    compareDesign(DesignComparison::Vents);
    return 0;
}

int32_t VentInitializeOkReturnCalc() {
    VentRecord& w = state.vents.working;
    switch (shapeInForce(w)) {
        case VentShape::CircularPort: break;
        case VentShape::CircularDuct: w.CircDuctVentInit = 0; break;
        case VentShape::RectangularPort: w.RectPortVentInit = 0; break;
        case VentShape::RectangularDuct: w.RectDuctVentInit = 0; break;
    }
    designWorkingVent();
    return VentDesignDisp();
}

}  // namespace quendal
