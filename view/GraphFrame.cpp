#include "view/GraphFrame.h"

#include <cmath>

#include "model/NumberText.h"
#include "model/Rounding.h"
#include "model/State.h"
#include "view/FrameDrawing.h"
#include "view/NumberTextLayout.h"

namespace quendal {

using namespace frame;

namespace {

// The box of the read-outs under the plot, at its right.
constexpr double kBoxLeft = 410.5, kBoxTop = 354.5, kBoxRight = 476.5, kBoxBottom = 371.5;

void readOutBox() {
    setGridWidth();  // 0.5 in print, like the grid
    setGrey(kBorderGrey);
    strokeRect(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom);
}

// A value right-aligned near x 445 inside the box: about 4 px per character.
void readOutValue(const Str255& value) { text(445.0 - 4.0 * CharactCheck(value), 368.0, value.view()); }

}  // namespace

int32_t freqDrawLine() {
    for (int decade = 1, step = 10; decade <= 2; ++decade, step *= 10) {
        const int end = 10 * step;
        for (int f = step; f <= end; f += step) {
            const double x = std::trunc(230.0 * std::log10(static_cast<double>(f)) - 230.0 + 45.0) + 0.5;
            line(x, kPlotTop, x, kPlotBottom);
        }
    }
    state.draw.LineW = state.draw.DoPrint != 0 ? 1.0 : 0.0;
    setGrey(kBorderGrey);
    strokeRect(kPlotLeft + 0.5, kPlotTop + 0.5, kPlotRight + 0.5, kPlotBottom + 0.5);
    return 0;
}

int32_t freqScale() {
    setBlackText();
    text(340, 347, "[ Hz ]");
    text(37, 347, "10");
    text(198, 347, "50");
    text(263, 347, "100");
    text(423, 347, "500");
    text(498, 347, "1k");
    return 0;
}

Str255 dipFrequencyText() {
    const double dip = state.box.DIP;
    // A Twin Serial design whose coupled chambers have no notch leaves DIP
    // at 0: show a dash rather than a dip at 0 Hz.
    if (!(dip > 0.0) || !std::isfinite(dip)) return " -";
    return numberText(dip >= 100.0 ? rint(dip) : rint(10.0 * dip) / 10.0);
}

int32_t SerialVentedDrawDIPfreq() {
    readOutBox();
    setBlackText();
    text(376.0, 367.5, "DIP :");
    text(485.0, 367.5, "Hz");
    setBlackText(5, 12.0);
    readOutValue(dipFrequencyText());
    setBlackText();
    return 0;
}

int32_t TwinSerialDrawDIPfreq() {
    const Str255 value = dipFrequencyText();
    setBlackText();
    const Str255& kind = state.view.s_Resp;
    if (state.view.Disp == 2 && !(kind == "ph") && !(kind == "gd")) {
        const Str255 oneLine = Str255("DIP :") + value + "Hz";
        text(447.0, 368.0, oneLine.view());
    } else {
        SerialVentedDrawDIPfreq();
    }
    return 0;
}

void dipReadOutOfSystem() {
    const SystemSelection& sel = state.selection;
    if (sel.SysSelTabNum == 1 && sel.SysSelBtnNum == 5) SerialVentedDrawDIPfreq();
    if (sel.SysSelTabNum == 2 && sel.SysSelBtnNum == 6) TwinSerialDrawDIPfreq();
}

int32_t dpPowerDisp() {
    readOutBox();
    setBlackText();
    text(359.0, 367.5, "Power :");
    text(485.0, 367.5, "Watts");
    setBlackText(1, 12.0);
    readOutValue(numberText(state.power.PIN));
    return 0;
}

}  // namespace quendal
