// The printed response page: what is drawn on it, how large it stands on
// the paper, and its footer. Everything here only draws through the
// primitives (into the print page while DoPrint is set) or computes.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "model/Str255.h"
#include "platform/Platform.h"

namespace quendal {

// The response page as drawn, in points: its width, and its height down to
// the footer's baseline, the lowest line of text on it.
inline constexpr double kPrintedPageWidth = 540.0;
inline constexpr double kPrintedPageHeight = 780.0;

// The page scale in percent for the printable area of the paper: the width
// of the area (portrait, taller than wide) or its height (landscape) taken
// through the fitting polynomial, 102.5 % for a portrait area 559 pt wide.
double CalcPrintPageScale(const platform::PageArea& pageRect);

// The same, lowered where the page would run off the area: on papers
// shorter than the polynomial assumes (US Letter) the footer stays on the
// paper.
double FittedPrintPageScale(const platform::PageArea& pageRect);

// The scale the page is printed at: the fitted scale times the user's
// scale of the page setup (percent).
double PrintPageScale(const platform::PageArea& pageRect, double userScale);

// A text made fit to name a file or a print job: every "/" (which would
// split it into folders) and every NUL byte becomes "-", and every other
// control character (a line break or tab a design of an earlier version may
// hold in its model name) a blank.
std::string fitForFileName(std::string_view text);

// The print job's name: the model name, "_" and the response title, fit
// for a file name, in UTF-8.
std::string PrintJobName();

// Draws the current page into the print page, chosen by the response
// kind: the graph with its scale, its curves and its legend, and under a
// graph the driver-parameter block when PrintParamCheck is 1; or the
// System Profile or Vent Information page. ClippingFlag is 0 afterwards.
int32_t ResponsePrint();

// The footer's date ("Dec/24/2021") and time ("14:05").
std::string FooterDate(const std::tm& when);
std::string FooterTime(const std::tm& when);

// The footer as it stands on the page.
struct FooterLine {
    Str255 text;
    double x = 0.0, y = 0.0;  // pt, left end of the baseline
};
// On the System Profile and Vent Information pages, and on pages without
// the parameter block, the footer stands at the bottom left with two blanks
// between its parts; under the parameter block it stands further right and
// lower, with one blank.
FooterLine FooterFor(std::string_view modelName, std::string_view date, std::string_view time);

// Draws the footer for the time given, or for now.
int32_t DrawFooter(const std::tm& when);
int32_t DrawDateTime();

}  // namespace quendal
