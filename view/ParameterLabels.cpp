#include "view/ParameterLabels.h"

#include <array>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "view/QuartzDraw.h"

namespace quendal {

namespace {

// Columns: text, x, y on the page (pt); palette bounds; size (pt); font row.
constexpr FigureLabel kParamInfiniteBaffle[] = {  // 1/1
    {"Fs", 60, 225, ltrb(60, 240, 80, 257), 15, 2},
    {"Qts", 60, 245, ltrb(60, 260, 90, 279), 15, 2},
};
constexpr FigureLabel kParamClosedBox[] = {  // 1/2
    {"Vb", 75, 155, ltrb(75, 170, 95, 187), 15, 2},
    {"Fc", 75, 175, ltrb(75, 190, 95, 207), 15, 2},
    {"Qtc", 75, 195, ltrb(75, 210, 105, 229), 15, 2},
    {"Qa", 75, 215, ltrb(75, 230, 95, 249), 15, 2},
};
constexpr FigureLabel kParamVentedBox[] = {  // 1/3
    {"Vb", 70, 165, ltrb(70, 180, 90, 197), 15, 2},
    {"Fb", 70, 185, ltrb(70, 200, 90, 217), 15, 2},
    {"Qb", 70, 205, ltrb(70, 220, 90, 239), 15, 2},
};
constexpr FigureLabel kParamPassiveRadiator[] = {  // 1/4
    {"Vb", 80, 125, ltrb(80, 140, 110, 157), 15, 2},
    {"Fb", 80, 145, ltrb(80, 160, 110, 177), 15, 2},
    {"Qb", 80, 165, ltrb(80, 180, 110, 199), 15, 2},
    {"Vap", 80, 210, ltrb(80, 225, 110, 244), 15, 2},
    {"Fp", 80, 230, ltrb(80, 245, 110, 264), 15, 2},
    {"Qmp", 80, 250, ltrb(80, 265, 110, 284), 15, 2},
};
constexpr FigureLabel kParamSerialVented[] = {  // 1/5
    {"Vb1", 68, 108, ltrb(68, 123, 98, 140), 15, 2},
    {"Fb1", 68, 128, ltrb(68, 143, 98, 160), 15, 2},
    {"Qb1", 68, 148, ltrb(68, 163, 98, 182), 15, 2},
    {"Vb2", 68, 211, ltrb(68, 226, 98, 243), 15, 2},
    {"Fb2", 68, 231, ltrb(68, 246, 98, 263), 15, 2},
    {"Qb2", 68, 251, ltrb(68, 266, 98, 285), 15, 2},
};
constexpr FigureLabel kParamTwinSerialVented[] = {  // 1/6
    {"Vb1", 72, 172, ltrb(72, 187, 102, 204), 14, 2},
    {"Fb1", 72, 187, ltrb(72, 202, 102, 219), 14, 2},
    {"Qb1", 72, 202, ltrb(72, 217, 102, 236), 14, 2},
    {"Vb2", 72, 105, ltrb(72, 120, 102, 137), 14, 2},
    {"Fb2", 72, 120, ltrb(72, 135, 102, 152), 14, 2},
    {"Qb2", 72, 135, ltrb(72, 150, 102, 169), 14, 2},
    {"Vb3", 72, 237, ltrb(72, 252, 102, 269), 14, 2},
    {"Fb3", 72, 252, ltrb(72, 267, 102, 284), 14, 2},
    {"Qb3", 72, 267, ltrb(72, 282, 102, 301), 14, 2},
};
constexpr FigureLabel kParamComplexClosed[] = {  // 1/7
    {"Vb1", 61, 205, ltrb(61, 222, 91, 239), 15, 2},
    {"Fc1", 61, 225, ltrb(61, 242, 91, 259), 15, 2},
    {"Qa1", 61, 245, ltrb(61, 262, 91, 281), 15, 2},
    {"Vb2", 114, 205, ltrb(114, 222, 144, 239), 15, 2},
    {"Fc2", 114, 225, ltrb(114, 242, 144, 259), 15, 2},
    {"Qa2", 114, 245, ltrb(114, 262, 144, 281), 15, 2},
};
constexpr FigureLabel kParamComplexVented[] = {  // 1/8
    {"Vb1", 61, 179, ltrb(61, 195, 91, 212), 15, 2},
    {"Fb1", 61, 199, ltrb(61, 215, 91, 232), 15, 2},
    {"Qb1", 61, 219, ltrb(61, 235, 91, 254), 15, 2},
    {"Vb2", 115, 179, ltrb(115, 195, 145, 212), 15, 2},
    {"Fc2", 115, 199, ltrb(115, 215, 145, 232), 15, 2},
    {"Qa2", 115, 219, ltrb(115, 235, 145, 254), 15, 2},
};
constexpr FigureLabel kParamRavezaBox[] = {  // 2/1
    {"Vb2", 70, 214, ltrb(70, 230, 100, 247), 15, 2},
    {"Fb2", 70, 234, ltrb(70, 250, 100, 267), 15, 2},
    {"Qb2", 70, 254, ltrb(70, 270, 100, 289), 15, 2},
    {"Vb1", 70, 108, ltrb(70, 123, 100, 140), 14, 2},
    {"Fc1", 70, 124, ltrb(70, 139, 100, 156), 14, 2},
    {"Qa1", 70, 140, ltrb(70, 155, 100, 174), 14, 2},
};
constexpr FigureLabel kParamPassiveRaveza[] = {  // 2/2
    {"Vb2", 60, 190, ltrb(60, 205, 90, 222), 15, 2},
    {"Fb2", 60, 210, ltrb(60, 225, 90, 242), 15, 2},
    {"Qb2", 60, 230, ltrb(60, 245, 90, 264), 15, 2},
    {"Vap", 98, 210, ltrb(98, 225, 128, 244), 15, 2},
    {"Fp", 98, 230, ltrb(98, 245, 128, 264), 15, 2},
    {"Qmp", 98, 250, ltrb(98, 265, 128, 284), 15, 2},
    {"Vb1", 56, 108, ltrb(56, 123, 86, 140), 14, 2},
    {"Fc1", 56, 124, ltrb(56, 139, 86, 156), 14, 2},
    {"Qa1", 56, 140, ltrb(56, 155, 86, 174), 14, 2},
};
constexpr FigureLabel kParamSerialRavezaType1[] = {  // 2/3
    {"Vb1", 64, 105, ltrb(64, 124, 94, 141), 12, 2},
    {"Fc1", 64, 119, ltrb(64, 137, 94, 154), 12, 2},
    {"Qa1", 64, 133, ltrb(64, 150, 94, 169), 12, 2},
    {"Vb2", 108, 173, ltrb(108, 192, 138, 209), 11, 2},
    {"Fb2", 108, 185, ltrb(108, 204, 138, 221), 11, 2},
    {"Qb2", 108, 197, ltrb(108, 216, 138, 235), 11, 2},
    {"Vb3", 75, 232, ltrb(75, 250, 105, 267), 13, 2},
    {"Fb3", 75, 248, ltrb(75, 266, 105, 283), 13, 2},
    {"Qb3", 75, 264, ltrb(75, 282, 105, 301), 13, 2},
};
constexpr FigureLabel kParamSerialRavezaType2[] = {  // 2/4
    {"Vb1", 86, 109, ltrb(86, 124, 116, 141), 15, 2},
    {"Fb1", 86, 125, ltrb(86, 140, 116, 157), 15, 2},
    {"Qb1", 86, 141, ltrb(86, 156, 116, 175), 15, 2},
    {"Vb2", 86, 215, ltrb(86, 230, 116, 247), 15, 2},
    {"Fb2", 86, 235, ltrb(86, 250, 116, 267), 15, 2},
    {"Qb2", 86, 255, ltrb(86, 270, 116, 289), 15, 2},
};
constexpr FigureLabel kParamTwinVented[] = {  // 2/5
    {"Vb1", 72, 109, ltrb(72, 124, 102, 141), 15, 2},
    {"Fb1", 72, 125, ltrb(72, 140, 102, 157), 15, 2},
    {"Qb1", 72, 140, ltrb(72, 156, 102, 175), 15, 2},
    {"Vb2", 72, 215, ltrb(72, 230, 102, 247), 15, 2},
    {"Fb2", 72, 235, ltrb(72, 250, 102, 267), 15, 2},
    {"Qb2", 72, 255, ltrb(72, 270, 102, 289), 15, 2},
};
constexpr FigureLabel kParamTwinSerial[] = {  // 2/6
    {"Vb3", 62, 103, ltrb(62, 121, 92, 138), 12, 2},
    {"Fb3", 62, 117, ltrb(62, 135, 92, 152), 12, 2},
    {"Qb3", 62, 131, ltrb(62, 149, 92, 168), 12, 2},
    {"Vb1", 108, 173, ltrb(108, 193, 138, 210), 10, 2},
    {"Fb1", 108, 184, ltrb(108, 204, 138, 221), 10, 2},
    {"Qb1", 108, 195, ltrb(108, 215, 138, 234), 10, 2},
    {"Vb2", 75, 229, ltrb(75, 244, 105, 261), 13, 2},
    {"Fb2", 75, 245, ltrb(75, 260, 105, 277), 13, 2},
    {"Qb2", 75, 261, ltrb(75, 276, 105, 295), 13, 2},
};
constexpr FigureLabel kParamDeltaVented[] = {  // 2/7
    {"Vb1", 50, 108, ltrb(50, 123, 80, 140), 15, 2},
    {"Fb1", 50, 128, ltrb(50, 143, 80, 160), 15, 2},
    {"Qb1", 50, 148, ltrb(50, 163, 80, 182), 15, 2},
    {"Vb2", 51, 215, ltrb(50, 230, 80, 247), 15, 2},
    {"Fb2", 51, 235, ltrb(50, 250, 80, 267), 15, 2},
    {"Qb2", 51, 255, ltrb(50, 270, 80, 289), 15, 2},
    {"Vb3", 128, 215, ltrb(128, 230, 158, 247), 15, 2},
    {"Fb3", 128, 235, ltrb(128, 250, 158, 267), 15, 2},
    {"Qb3", 128, 255, ltrb(128, 270, 158, 289), 15, 2},
};
constexpr FigureLabel kParamTripleVented[] = {  // 2/8
    {"Vb1", 62, 102, ltrb(62, 120, 92, 137), 12, 2},
    {"Fb1", 62, 116, ltrb(62, 134, 92, 151), 12, 2},
    {"Qb1", 62, 130, ltrb(62, 148, 92, 167), 12, 2},
    {"Vb2", 62, 239, ltrb(62, 257, 92, 274), 12, 2},
    {"Fb2", 62, 253, ltrb(62, 271, 92, 288), 12, 2},
    {"Qb2", 62, 267, ltrb(62, 285, 92, 304), 12, 2},
    {"Vb3", 79, 172, ltrb(79, 189, 109, 206), 12, 2},
    {"Fb3", 79, 186, ltrb(79, 203, 109, 220), 12, 2},
    {"Qb3", 79, 200, ltrb(79, 217, 109, 236), 12, 2},
};

using Labels = std::span<const FigureLabel>;

// By tab (high pass, band pass) and button.
constexpr FigureLabelTable kLabels{{
    {Labels(kParamInfiniteBaffle), Labels(kParamClosedBox), Labels(kParamVentedBox),
     Labels(kParamPassiveRadiator), Labels(kParamSerialVented), Labels(kParamTwinSerialVented),
     Labels(kParamComplexClosed), Labels(kParamComplexVented)},
    {Labels(kParamRavezaBox), Labels(kParamPassiveRaveza), Labels(kParamSerialRavezaType1),
     Labels(kParamSerialRavezaType2), Labels(kParamTwinVented), Labels(kParamTwinSerial),
     Labels(kParamDeltaVented), Labels(kParamTripleVented)},
}};

constexpr double kLabelGrey = 0.2;

}  // namespace

std::span<const FigureLabel> labelsOfSystem(const FigureLabelTable& table, int32_t tab, int32_t button) {
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return {};
    return table[tab - 1][button - 1];
}

std::span<const FigureLabel> parameterLabels(int32_t tab, int32_t button) {
    return labelsOfSystem(kLabels, tab, button);
}

void drawFigureLabels(std::span<const FigureLabel> labels, int16_t offset, double startSize, int32_t startRow) {
    DrawingState& d = state.draw;
    d.RedCol = d.GrnCol = d.BleCol = kLabelGrey;
    d.fontSize = startSize;
    d.QzFontNum = startRow;
    for (const FigureLabel& label : labels) {
        d.QzFontNum = label.fontRow;
        d.fontSize = label.size;
        state.point.xx = static_cast<float>(label.x);
        state.point.yy = static_cast<float>(label.y + offset);
        d.QuartzText = label.text;
        QuartzDrawText(kResponseWindow);
    }
}

int32_t DrawParamFontForSystemProfile(int16_t offset) {
    drawFigureLabels(parameterLabels(state.selection.SysSelTabNum, state.selection.SysSelBtnNum), offset, 15.0, 2);
    return 0;
}

}  // namespace quendal
