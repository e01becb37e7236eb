// The legend strips under the amplitude, power, impedance, displacement and
// air-speed graphs.
//
// An entry names one curve: on screen a picture control with a line sample
// in the curve's colour (controls 400-403) and a static text with the
// curve's short name and a help tag (controls 71-74); on the printed page a
// line and a text. Entries are numbered 1-4 without gaps, picture 399 + k
// and text 70 + k, all 16 px high at y 352 to 368. A click on a picture
// selects the curve that entry names for the pointer read-out.
#pragma once

#include <cstdint>

namespace quendal {

// The line samples of the folder "Images": a horizontal line in a curve's
// colour and thickness, drawn in print with the same colour and width.
enum class LineSample : int32_t { OrangeFat, OrangeThin, GreenThin, BlueThin, LightBlueThin, PurpleThin };
const char* lineSampleFile(LineSample sample);

struct LegendEntry {
    LineSample sample = LineSample::OrangeThin;
    double x = 45.0;          // left end of the line sample, px
    const char* label = "";
    double right = 0.0;       // right edge of the text control, px
    const char* help = "";    // help tag text with its side code
    int32_t curve = 1;        // respNum of the curve the entry names
    double printWidth = 1.2;  // LineW of the printed line
    double printY = 360.0;    // y of the printed line
};

struct Legend {
    LegendEntry entries[4];
    int32_t count = 0;
};

// The entry sets of the current system and view, one per graph.
Legend ampLegend();
Legend pwLegend();
Legend impLegend();
Legend dpLegend();
Legend asLegend();
// The set of the page s_Resp shows; none for the pages without a legend.
Legend legendOfPage();

// The legend routines: with DoPrint 0 they build the entry controls in the
// response window, with DoPrint 1 they draw the printed form, with any
// other value nothing. Each returns 0.
int32_t AmpExplanation();
int32_t PwExplanation();
int32_t ImpExplanation();
int32_t DpExplanation();
int32_t AsExplanation();

// Removes the pictures 400-403, then the texts 71-74 of the response
// window; numbers without a control are skipped. Returns 0.
int32_t ExplanationBtnClose();

// A redraw of the response window keeps the strip the page builds again
// alike: between the two calls a strip built as it stands is kept, and the
// strip is removed at the end when the page showed none.
void beginLegendRedraw();
void endLegendRedraw();

// A click on legend picture `control` (400-403): respNum becomes the curve
// of that entry (the picture's slot number where the page has no such
// entry), then the Nyquist read-out or the pointer read-out shows it.
void legendPictureClicked(int32_t control);

// Builds or prints one legend as its routine does.
void showLegend(const Legend& legend);

}  // namespace quendal
