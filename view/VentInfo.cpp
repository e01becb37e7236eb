#include "view/VentInfo.h"

#include <cmath>
#include <string>
#include <string_view>

#include "response/CofCal.h"
#include "model/NumberText.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "view/SystemTitle.h"
#include "response/VentForms.h"
#include "response/VentSizing.h"
#include "platform/DrawSurface.h"
#include "view/QuartzDraw.h"

namespace quendal {

namespace {

// Font rows: labels in "Lucida Grande", values in the fixed-pitch
// "Monaco", whose characters are all 0.6 em wide, so that a value can be
// set flush right against its column.
constexpr int32_t kLabelRow = 1;
constexpr int32_t kValueRow = 2;
constexpr double kFixedAdvance = 0.6021;  // em per character
constexpr double kLabelSize = 12.0;
constexpr double kValueSize = 11.0;
constexpr double kNoteSize = 11.0;
// The Design row's form names, up to 14 characters ("Area too small"), at
// a size that leaves two characters' width between columns 100 px apart.
constexpr double kFormNameSize = 10.0;
constexpr double kLabelX = 30.0;
constexpr double kUnitX = 160.0;
constexpr double kRuleGrey = 0.229;
constexpr Colour kBlack{0.0, 0.0, 0.0};
constexpr Colour kWarning{0.8, 0.0, 0.0};

void setStyle(const Colour& colour, int32_t fontRow, double size) {
    DrawingState& d = state.draw;
    d.RedCol = colour.red;
    d.GrnCol = colour.green;
    d.BleCol = colour.blue;
    d.QzFontNum = fontRow;
    d.fontSize = size;
}

void text(std::string_view t, double x, double y) {
    state.draw.QuartzText = t;
    state.point.xx = static_cast<float>(x);
    state.point.yy = static_cast<float>(y);
    QuartzDrawText(kResponseWindow);
}

// A value set flush right at `right` in the fixed-pitch font.
void value(std::string_view t, double right, double y, const Colour& colour = kBlack, double size = kValueSize) {
    setStyle(colour, kValueRow, size);
    text(t, right - kFixedAdvance * size * static_cast<double>(t.size()), y);
}

void rule(double x0, double x1, double y) {
    DrawingState& d = state.draw;
    d.RedCol = d.GrnCol = d.BleCol = kRuleGrey;
    d.LineW = 0.5;
    PlotPoint& p = state.point;
    p.xx = static_cast<float>(x0);
    p.yy = static_cast<float>(y);
    p.xx1 = static_cast<float>(x1);
    p.yy1 = static_cast<float>(y);
    QuartzDrawLine(kResponseWindow);
}

// "cm" with a raised small 2.
void squareCentimetres(double x, double y) {
    setStyle(kBlack, kLabelRow, kLabelSize);
    text("cm", x, y);
    state.draw.fontSize = 8.0;
    text("2", x + 19.0, y - 5.0);
}

std::string fixed(double v, std::string_view mask = "#.##") {
    if (!std::isfinite(v)) return "-";
    return maskedNumber(v, mask).str();
}

struct Row {
    const char* label;
    const char* unit;  // "cm2" draws square centimetres
};
constexpr Row kRows[] = {
    {"Chamber Volume", "Liter"}, {"Tuning Frequency", "Hz"}, {"Shape", ""},       {"Form", ""},
    {"Number of Vents", ""},     {"Diameter", "mm"},         {"Width", "mm"},     {"Height", "mm"},
    {"Length", "mm"},            {"Total Area", "cm2"},      {"Minimum Area", "cm2"}, {"Peak Air Speed", "m/s"},
    {"Design", ""},
};
constexpr int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

double rowY(int row) { return kVentInfoFirstRow + kVentInfoRowPitch * row; }

// The column of one vent.
void drawVent(int32_t vent, double right, double peakSpeed) {
    const VentRecord& r = state.vents.vent[vent];
    const VentChamber chamber = ventChamber(vent);
    const VentShape shape = shapeInForce(r);
    const bool circular = shape == VentShape::CircularPort || shape == VentShape::CircularDuct;
    const bool ducted = shape == VentShape::CircularDuct || shape == VentShape::RectangularDuct;
    const bool designed = r.VentForm != static_cast<int32_t>(VentForm::NotDesigned);

    double diameter = NAN, width = NAN, height = NAN, length = NAN, minimum = NAN;
    switch (shape) {
        case VentShape::CircularPort:
            diameter = r.CircPortDV, length = r.CircPortLV, minimum = r.CircPortSVmin;
            break;
        case VentShape::CircularDuct:
            diameter = r.CircDuctDV, length = r.CircDuctLV, minimum = r.CircDuctSVmin;
            break;
        case VentShape::RectangularPort:
            width = r.RectPortWV, height = r.RectPortHV, length = r.RectPortLV, minimum = r.RectPortSVmin;
            break;
        case VentShape::RectangularDuct:
            width = r.RectDuctWV, height = r.RectDuctHV, length = r.RectDuctLV, minimum = r.RectDuctSVmin;
            break;
    }
    // A chamber without a positive volume and tuning has no vent: its
    // last design is stale and is not shown.
    const bool valid = chamber.valid();
    const double area = designed && valid ? areaOf(r, shape) : NAN;
    if (!designed || !valid) diameter = width = height = length = minimum = NAN;
    if (!valid) peakSpeed = NAN;

    value(valid ? fixed(chamber.volumeLitre) : "-", right, rowY(0));
    value(valid ? fixed(chamber.tuningHz) : "-", right, rowY(1));
    value(circular ? "Circular" : "Rectangular", right, rowY(2));
    value(ducted ? "Ducted" : "Ported", right, rowY(3));
    value(valid ? std::to_string(countOf(r, shape)) : "-", right, rowY(4));
    value(fixed(diameter), right, rowY(5));
    value(fixed(width), right, rowY(6));
    value(fixed(height), right, rowY(7));
    value(fixed(length), right, rowY(8));
    value(fixed(area), right, rowY(9));
    value(fixed(minimum), right, rowY(10));
    value(fixed(peakSpeed), right, rowY(11), overAirSpeedLimit(peakSpeed) ? kWarning : kBlack);
    const bool realisable = r.VentForm == static_cast<int32_t>(VentForm::Realisable);
    if (valid) value(ventFormName(r.VentForm), right, rowY(12), realisable ? kBlack : kWarning, kFormNameSize);
    else value("-", right, rowY(12), kBlack, kFormNameSize);
}

std::string ventName(int32_t vent, int32_t vents) { return vents == 1 ? "Vent" : "Vent" + std::to_string(vent); }

void drawConditions() {
    setStyle(kBlack, kLabelRow, kLabelSize);
    text("Input Power", kLabelX, 70.0);
    text("Port Thickness", kLabelX, 89.0);
    text("Air Speed Limit", 290.0, 70.0);
    text("Speed of Sound", 290.0, 89.0);
    value(fixed(state.power.PIN), 220.0, 70.0);
    value(fixed(state.shell.LVP), 220.0, 89.0);
    value(fixed(kVentAirSpeedLimit, "#.#"), 466.0, 70.0);
    value(fixed(state.phys.C, "#.#"), 466.0, 89.0);
    setStyle(kBlack, kLabelRow, kLabelSize);
    text("W", 226.0, 70.0);
    text("mm", 226.0, 89.0);
    text("m/s", 472.0, 70.0);
    text("m/s", 472.0, 89.0);
}

}  // namespace

int32_t VentInfo() {
    setStyle(kBlack, kLabelRow, 13.0);
    text("Vent Information", 216.0, 20.0);
    DrawSystemNameFont();

    const int32_t system = currentSystemNumber();
    const int32_t vents = ventsOfSystem(system);
    if (vents == 0) {
        setStyle(kBlack, kLabelRow, kLabelSize);
        text("This system has no vents.", kLabelX, 80.0);
        return 0;
    }

    // The air speeds first: their sweeps use the point the drawing uses.
    double peaks[4] = {NAN, NAN, NAN, NAN};
    for (int32_t vent = 1; vent <= vents; ++vent) peaks[vent] = ventPeakAirSpeed(vent);

    drawConditions();
    rule(kLabelX, 510.0, 102.0);

    for (int32_t vent = 1; vent <= vents; ++vent) {
        const double right = kVentInfoColumnRight[vent - 1];
        setStyle(kBlack, kValueRow, 12.0);
        const std::string name = ventName(vent, vents);
        text(name, right - kFixedAdvance * 12.0 * static_cast<double>(name.size()), 124.0);
    }
    rule(kLabelX, 510.0, 132.0);

    for (int row = 0; row < kRowCount; ++row) {
        setStyle(kBlack, kLabelRow, kLabelSize);
        text(kRows[row].label, kLabelX, rowY(row));
        const std::string_view unit = kRows[row].unit;
        if (unit == "cm2") {
            squareCentimetres(kUnitX, rowY(row));
        } else if (!unit.empty()) {
            text(unit, kUnitX, rowY(row));
        }
    }
    for (int32_t vent = 1; vent <= vents; ++vent) drawVent(vent, kVentInfoColumnRight[vent - 1], peaks[vent]);

    const double below = rowY(kRowCount - 1) + 12.0;
    rule(kLabelX, 510.0, below);
    setStyle(kBlack, kLabelRow, kNoteSize);
    text("Peak air speed: the largest from 10 Hz to 1 kHz at the input power.", kLabelX, below + 20.0);
    if (system == kTwinSerialVented)
        text("Vent1 is two equal branches, half of its vents in each; the faster sets its speed.", kLabelX,
             below + 36.0);
    return 0;
}

}  // namespace quendal
