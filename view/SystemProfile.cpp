#include "view/SystemProfile.h"

#include <span>
#include <string>
#include <string_view>

#include "model/State.h"
#include "view/ParameterLabels.h"
#include "view/SystemProfileBlock.h"
#include "view/SystemProfileFigures.h"
#include "view/SystemProfileText.h"
#include "view/SystemTitle.h"
#include "view/VentLabels.h"
#include "view/NumberTextLayout.h"

namespace quendal {

namespace {

struct PageText {
    std::string_view text;
    double x, y;
};

// The fixed texts of the page, in drawing order; the last two are the
// exponents of cm2 and cm3, set smaller.
constexpr PageText kPageTexts[] = {
    {"System Profile", 226, 20},
    {"Thiele/Small (Driver) Parameters", 200, 60},
    {"Model Name ..................", 200, 90},
    {"Usable Frequency Range ...........", 200, 110},
    {"Dia ..............(Nominal Diameter)", 200, 130},
    {"Fs ..............(Free Air Resonance)", 200, 150},
    {"Vas ................(Acoustic Volume)", 200, 170},
    {"Qts ..............................(Total Q)", 200, 190},
    {"Qes ........................(Electrical Q)", 200, 210},
    {"Qms ...................(Mechanical Q)", 200, 230},
    {"Effi ...........................(Efficiency)", 200, 250},
    {"SPL(Sound Pressure Level 1W1m)", 200, 270},
    {"Re ....................(D.C.Resistance)", 200, 290},
    {"Pemax .....(Thermal Limit Power)", 200, 310},
    {"Sd ......................(Effective Area)", 200, 330},
    {"Xmax (Peak Linear Displacement)", 200, 350},
    {"Vd .........(Displacement Volume)", 200, 370},
    {"Le ..........(Voice Coil Inductance)", 200, 390},
    {"cm", 485, 130},
    {"Hz", 485, 150},
    {"Liter", 485, 170},
    {"%", 485, 250},
    {"dB", 485, 270},
    {"Ohms", 485, 290},
    {"Watts", 485, 310},
    {"cm", 485, 330},
    {"mm", 485, 350},
    {"cm", 485, 370},
    {"mH", 485, 390},
    {"System Figure", 57, 306},
    {"Speaker Connection", 40, 493},
};
constexpr PageText kExponents[] = {{"2", 504, 326}, {"3", 504, 366}};

// The fixed texts of the reduced profile under a graph.
constexpr PageText kPrintedTexts[] = {
    {"Thiele/Small (Driver) Parameters", 200, 390},
    {"Model Name ..................", 200, 420},
    {"Fs ..............(Free Air Resonance)", 200, 440},
    {"Vas ................(Acoustic Volume)", 200, 460},
    {"Qts ..............................(Total Q)", 200, 480},
    {"Hz", 485, 440},
    {"Liter", 485, 460},
    {"System Figure", 57, 610},
    {"Speaker Connection", 39, 780},
};

// Page offsets of the figures under a printed graph: the connection picture
// moves 17 pt less, so that it keeps its place in the connection box.
constexpr int16_t kPrintedFigureOffset = 306;
constexpr int16_t kPrintedConnectionOffset = 289;
constexpr int16_t kPrintedBlockOffset = 90;

constexpr double kRangeLeft = 416.0;  // pt: where the usable frequency range starts

// Long model names are set a point smaller so that they fit their box.
double modelNameSize() { return state.speaker.s_SP.size() < 12 ? 12.0 : 11.0; }

// A text as `room` (pt) holds it at `size`: a text too long is cut and ends
// in an ellipsis.
std::string cutToFit(std::string text, double size, double room) {
    if (sansTextWidth(text, size) <= room) return text;
    while (!text.empty() && sansTextWidth(text + '\xC9', size) > room) text.pop_back();
    return text + '\xC9';  // Mac Roman
}

// The model name as its box holds it.
std::string fittedModelName() {
    constexpr double kRoom = 476.5 - 370.0 - 3.0;  // pt, from the name's start to inside the box
    return cutToFit(state.speaker.s_SP.str(), modelNameSize(), kRoom);
}

// The usable frequency range in its box (410.5 to 476.5): set a point
// smaller at a time, down to the size of the unit exponents, until it fits.
// It is the driver's whole range, never cut: what is still too long at
// that size runs past the box, where the row has no unit.
struct FittedRange {
    std::string text;
    double size;
};
FittedRange fittedRange() {
    constexpr double kRoom = 476.5 - kRangeLeft - 3.0;  // pt
    constexpr double kLargest = 12.0, kSmallest = 9.0;  // pt
    const std::string range = state.speaker.s_RANG.str();
    double size = kLargest;
    while (size > kSmallest && sansTextWidth(range, size) > kRoom) size -= 1.0;
    return {range, size};
}

double referenceSPL() { return state.ref.SPL - state.coef.siftUpDwn; }

void drawTexts(std::span<const PageText> texts) {
    for (const PageText& t : texts) drawProfileText(t.text, t.x, t.y);
}

// The rule under the heading, the model-name box and `rows` value boxes
// from `firstTop`, 20 pt apart.
void drawDriverFrames(double ruleY, double modelTop, double firstTop, int32_t rows) {
    state.draw.LineW = profileRuleWidth();
    setProfileGrey(kProfileLineGrey);
    drawProfileRule(200.0, 520.0, ruleY);
    state.draw.LineW = profileBoxWidth();
    setProfileGrey(kProfileLineGrey);
    drawProfileBox(363.5, modelTop, 476.5, modelTop + 16.0);
    for (int32_t k = 0; k < rows; ++k) drawProfileBox(410.5, firstTop + 20.0 * k, 476.5, firstTop + 16.0 + 20.0 * k);
}

}  // namespace

int32_t SystemProfile() {
    DrawSystemNameFont();
    DrawSystemSpconImageBackGroundColor(0);
    GetSysImageForSystemProfile(0);
    GetSpConImageForSystemProfile(0);
    DrawParamFontForSystemProfile(0);
    DrawVentFontForSystemProfile(0);

    setProfileTextStyle(0.0, kLabelFontRow, 13.0);
    drawTexts(kPageTexts);
    state.draw.fontSize = 9.0;
    drawTexts(kExponents);

    // The usable frequency range and the 14 value rows each have a box.
    drawDriverFrames(70.5, 77.5, 97.5, 15);

    const SpeakerParameters& sp = state.speaker;
    setProfileTextStyle(0.0, kValueFontRow, modelNameSize());
    drawProfileText(fittedModelName(), 370.0, 90.0);
    const FittedRange range = fittedRange();
    state.draw.fontSize = range.size;
    drawProfileText(range.text, kRangeLeft, 110.0);
    state.draw.fontSize = 12.0;

    struct ValueRow {
        double value;
        int32_t decimals;
    };
    const ValueRow rows[] = {
        {sp.DIA, 2}, {sp.FS, 2},  {sp.VAS, 3},          {sp.QTS, 3}, {sp.QES, 3}, {sp.QMS, 3}, {sp.EFI, 3},
        {referenceSPL(), 1}, {sp.RE, 3}, {sp.PEMX, 2}, {sp.SD, 3}, {sp.XMAX, 2}, {sp.VD, 3}, {sp.LE, 3},
    };
    double baseline = 130.0;
    for (const ValueRow& row : rows) {
        drawProfileValue(row.value, row.decimals, baseline);
        baseline += 20.0;
    }

    DrawSystemParameter(0);
    return 0;
}

int32_t PrintSystemProfile() {
    DrawSystemSpconImageBackGroundColor(kPrintedFigureOffset);
    GetSysImageForSystemProfile(kPrintedFigureOffset);
    DrawParamFontForSystemProfile(kPrintedFigureOffset);
    DrawVentFontForSystemProfile(kPrintedFigureOffset);
    GetSpConImageForSystemProfile(kPrintedConnectionOffset);

    setProfileTextStyle(0.0, kLabelFontRow, 13.0);
    drawTexts(kPrintedTexts);
    drawDriverFrames(400.5, 407.5, 427.5, 3);

    const SpeakerParameters& sp = state.speaker;
    setProfileTextStyle(0.0, kValueFontRow, modelNameSize());
    drawProfileText(fittedModelName(), 370.0, 420.0);
    // The three values keep the model name's size.
    drawProfileValue(sp.FS, 2, 440.0);
    drawProfileValue(sp.VAS, 2, 460.0);
    drawProfileValue(sp.QTS, 3, 480.0);

    if (state.draw.DoPrint != 0) {
        state.draw.LineW = profileBoxWidth();
        setProfileGrey(kProfileLineGrey);
        drawProfileBox(410.5, 487.5, 476.5, 503.5);
        setProfileTextStyle(0.0, kValueFontRow, 12.0);
        drawProfileValue(referenceSPL(), 1, 500.5);
        setProfileTextStyle(0.0, kLabelFontRow, 13.0);
        drawProfileText("SPL(Sound Pressure Level 1W1m)", 200.0, 500.0);
        drawProfileText("dB", 485.0, 500.0);
    }

    DrawSystemParameter(kPrintedBlockOffset);
    return 0;
}

}  // namespace quendal
