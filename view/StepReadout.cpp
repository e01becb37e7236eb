// The step-response read-out: the time under the pointer and the step
// response then, in two orange boxes at the top right of the graph.
#include <cmath>

#include "response/CofCal.h"
#include "response/StepResponse.h"
#include "model/NumberText.h"
#include "model/Rounding.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/FrameDrawing.h"
#include "view/NumberTextLayout.h"
#include "view/PointerReadout.h"
#include "view/WindowErase.h"

namespace quendal {

namespace {

constexpr double kGraphWidthPx = 460.0;
constexpr double kBaseline = 39.0;  // px

}  // namespace

Str255 stepValueText(double value) {
    const float w = static_cast<float>(rint(10000.0 * value + 0.5) / 10000.0);
    Str255 text;
    if (w > -0.001f && w < 0.001f) text = " 0.000";
    else text = numberText(rint(1000.0 * value) / 1000.0);  // three decimals, halves to even
    text = PlusCommaZero(text, 3);
    // A whole negative value keeps its decimals as a positive one does.
    if (CommaCheck(text) == 0 && MinusCheck(text) != 0) text += ".000";
    return text;
}

int32_t DrawStepRespnseValue(float timeOffset) {
    platform::setCurrentWindow(kResponseWindow);
    // The pointer's time on the graph's own axis: the right edge (460 px) is
    // the end time of the step frame; steps of 1/460 of a normalised unit.
    const double end = stepGraphEndTime();
    const float t = static_cast<float>(rint(end * timeOffset / kGraphWidthPx * kGraphWidthPx) / kGraphWidthPx);
    double v = currentSystemNumber() == kTripleVented ? TRIStepPlot2(t) : InverseLaplaceTransform(t);
    if (std::fabs(v) <= 0.001) v = 0.0;

    eraseResponseRect(375, 23, 510, 45);
    state.draw.LineW = 0.0;
    state.draw.RedCol = 1.0;
    state.draw.GrnCol = 0.5294;
    state.draw.BleCol = 0.0;
    frame::strokeRect(453.5, 25.5, 505.5, 42.5);  // value
    frame::strokeRect(380.5, 25.5, 453.5, 42.5);  // time

    const Str255 value = stepValueText(v);
    double x = 380.5;
    switch (CommaCheck(value)) {
        case 3: x = 458.4; break;
        case 4: x = 450.2; break;
        case 5: x = 442.0; break;
        default: break;
    }
    if (MinusCheck(value) == 0) x += 3.4;
    frame::setBlackText();
    frame::text(x, kBaseline, value.view());

    // Time in milliseconds: CursorScale ms at the right edge.
    const float ms = static_cast<float>(
        rint(state.scales.CursorScale * timeOffset / kGraphWidthPx * kGraphWidthPx) / kGraphWidthPx);
    const Str255 time = PlusCommaZero(numberText(rint(100.0 * ms) / 100.0), 2);
    switch (CharactCheck(time)) {
        case 4: x = 406.2; break;
        case 5: x = 398.0; break;
        case 6: x = 389.8; break;
        case 7: x = 381.6; break;
        default: x = 381.6; break;  // longer texts start at the box's left edge
    }
    frame::text(x, kBaseline, (time + "ms").view());
    return 0;
}

}  // namespace quendal
