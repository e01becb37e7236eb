#include "view/SystemTitle.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "view/QuartzDraw.h"

namespace quendal {

namespace {

constexpr double kTitleBaseline = 40.0;  // px from the top of the page

// The titles are placed by a fixed x per system, not measured at run time.
constexpr SystemTitle kTitles[2][8] = {
    {   // High Pass System
        {"'Infinite Baffle System'", 200},
        {"'Closed Box System'", 208},
        {"'Vented Box System'", 208},
        {"'Passive Radiator System'", 190},
        {"'Serial Vented System'", 200},
        {"'Twin Serial Vented System'", 185},
        {"'Complex Closed System'", 192},
        {"'Complex Vented System'", 192},
    },
    {   // Band Pass System
        {"'Raveza Box System'", 208},
        {"'Passive Raveza System'", 198},
        {"'Serial Raveza Type1'", 207},
        {"'Serial Raveza Type2'", 207},
        {"'Twin Vented System'", 202},
        {"'Twin Serial System'", 207},
        {"'Delta Vented System'", 202},
        {"'Triple Vented System'", 198},
    },
};

// By system number 1-16.
constexpr std::string_view kSystemNames[16] = {
    "Infinite-Baffle", "Closed-Box",          "Vented-Box",          "Passive-Radiator",
    "Serial-Vented",   "Parallel-Vented",     "Complex-Closed",      "Complex-Vented",
    "Raveza-Box",      "Passive-Raveza",      "Serial-Raveza-Type1", "Serial-Raveza-Type2",
    "Twin-Vented",     "Twin-Serial",         "Delta-Vented",        "Triple-Vented",
};

}  // namespace

std::string_view SetSystemTitle() {
    const int32_t tab = state.selection.SysSelTabNum, button = state.selection.SysSelBtnNum;
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return {};
    return kSystemNames[(tab - 1) * 8 + button - 1];
}

SystemTitle systemTitle(int32_t tab, int32_t button) {
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return {};
    return kTitles[tab - 1][button - 1];
}

int32_t DrawSystemNameFont() {
    DrawingState& d = state.draw;
    d.RedCol = d.GrnCol = d.BleCol = 0.0;
    d.fontSize = 13.0;
    d.QzFontNum = 1;
    const SystemTitle title = systemTitle(state.selection.SysSelTabNum, state.selection.SysSelBtnNum);
    if (title.text.empty()) return 0;
    state.point.xx = static_cast<float>(title.x);
    state.point.yy = static_cast<float>(kTitleBaseline);
    d.QuartzText = title.text;
    QuartzDrawText(kResponseWindow);
    return 0;
}

}  // namespace quendal
