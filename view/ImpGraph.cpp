#include <string>

#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

// The impedance scale factors the pre-sweep sets, with the full scale in
// ohm they stand for (compared exactly: 0.666666 and 0.333333 as written).
struct ImpedanceScale { double factor; int fullScale; };
constexpr ImpedanceScale kScales[] = {
    {10, 10}, {4, 25}, {2, 50}, {1, 100}, {0.666666, 150}, {0.5, 200}, {0.333333, 300}, {0.2, 500}, {0.1, 1000},
};

double labelX(const std::string& label) {
    if (label == "0") return 33;
    if (label.find('.') != std::string::npos) return label.size() == 4 ? 14 : 21;
    switch (label.size()) {
        case 1: return 33;
        case 2: return 25;
        case 3: return 17;
        default: return 10;
    }
}

void scaleLabels() {
    const double factor = state.scales.IMPscal;
    const ImpedanceScale* chosen = nullptr;
    for (const auto& s : kScales)
        if (factor == s.factor) chosen = &s;
    if (chosen == nullptr) return;
    setBlackText();
    text(chosen->fullScale == 1000 ? 10 : 13, 40, "Ohms");
    for (int k = 0; k <= 10; ++k) {
        std::string label;
        if (k == 10) {
            label = "0";
        } else if (chosen->fullScale == 25) {
            // Steps of 2.5 ohm, one decimal: "25.0", "22.5", ...
            const int tenths = (10 - k) * 25;
            label = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        } else {
            label = std::to_string((10 - k) * chosen->fullScale / 10);
        }
        text(labelX(label), 55 + 28 * k, label);
    }
}

}  // namespace

int32_t SPConnectParaSeriDisp() {
    setBlackText();
    const Str255& connection = state.view.s_Imp;
    if (connection == "Para") text(379.0, 367.5, "SP Connect : Parallel");
    else if (connection == "Seri") text(379.0, 367.5, "SP Connect : Serial");
    return 0;
}

int32_t impGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    for (int y = 50; y <= 330; y += 28) line(45.0, y + 0.5, 505.0, y + 0.5);
    freqDrawLine();
    setBlackText();
    text(235, 20, "Impedance");
    DrawSystemNameFont();
    freqScale();
    const SystemSelection& sel = state.selection;
    const bool twoDrivers = (sel.SysSelTabNum == 1 && (sel.SysSelBtnNum == 7 || sel.SysSelBtnNum == 8)) ||
                            (sel.SysSelTabNum == 2 && sel.SysSelBtnNum == 8);
    if (twoDrivers) SPConnectParaSeriDisp();
    scaleLabels();
    return 0;
}

}  // namespace quendal
