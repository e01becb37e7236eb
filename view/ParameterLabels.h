// The names of the box parameters written over the system figure: "Vb1",
// "Fb1", "Qb1" beside the chamber they describe ("Fs" and "Qts" for the
// Infinite Baffle, which has no box). They depend on the system alone.
//
// Each label set has two renderings: drawn as text on the System Profile
// page (window 7, or the print page while DoPrint is set), shifted down by a
// page offset; and as static texts of the System Info palette (window 8).
// The vent labels (VentLabels.h) use the same two renderings.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/SharedTypes.h"

namespace quendal {

// A rectangle as the layout tables write it: left, top, right, bottom.
constexpr Rect16 ltrb(int16_t left, int16_t top, int16_t right, int16_t bottom) { return {top, left, bottom, right}; }

// One label over a figure.
struct FigureLabel {
    std::string_view text;
    double x = 0.0, y = 0.0;  // left end of the baseline on the page, pt, before the page offset
    Rect16 bounds;            // the palette's static text, pt of its content
    double size = 0.0;        // pt, the same in both renderings
    int32_t fontRow = 2;      // 1 "Lucida Grande", 2 "Monaco"
};

// The label sets of the sixteen systems, by tab (high pass, band pass) and
// button.
using FigureLabelTable = std::array<std::array<std::span<const FigureLabel>, 8>, 2>;

// The set of (tab, button) in `table`; empty for a selection that names no
// system.
std::span<const FigureLabel> labelsOfSystem(const FigureLabelTable& table, int32_t tab, int32_t button);

// The parameter labels of a system (2 to 9), in palette id order from 201;
// empty for a selection that names no system.
std::span<const FigureLabel> parameterLabels(int32_t tab, int32_t button);

inline constexpr int32_t kFirstParameterLabelId = 201;

// Draws the current system's parameter labels, grey 0.2 in "Monaco", each
// y moved down by the page offset (0 on the profile page, 306 under a
// printed graph). Leaves grey 0.2, font row 2 and the last label's size
// and place in the drawing state.
int32_t DrawParamFontForSystemProfile(int16_t offset);

// Makes the current system's parameter labels static texts 201 upward of
// the System Info palette (window 8).
int32_t DrawParamFontForSysInfoPalet();

// The two renderings of any label set, shared with the vent labels.
// Drawing starts from grey 0.2 at `startSize` in `startRow`; a set without
// labels leaves just that in the drawing state.
void drawFigureLabels(std::span<const FigureLabel> labels, int16_t offset, double startSize, int32_t startRow);
// Static texts `firstId` upward of window 8, one per label, in the label
// font style: the row's family, its size, plain, left, dark grey.
void makeFigureLabelControls(std::span<const FigureLabel> labels, int32_t firstId);

}  // namespace quendal
