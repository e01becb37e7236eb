#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

// The Nyquist sweep puts a + jb at (270 + 70a, 190 - 70b): the ticks mark
// +-1 on each axis, the frame spans +-2 around the centre.
int32_t nqGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    denseDashedLine(130, 190.5, 409, 190.5);
    denseDashedLine(270.5, 50, 270.5, 330);
    state.draw.LineW = 0.5;  // ticks: 0.5 on screen and in print
    setGrey(kBorderGrey);
    line(268, 260.5, 273, 260.5);
    line(268, 120.5, 273, 120.5);
    line(200.5, 188, 200.5, 193);
    line(340.5, 188, 340.5, 193);
    state.draw.LineW = state.draw.DoPrint != 0 ? 1.0 : 0.0;
    setGrey(kBorderGrey);
    strokeRect(130.5, 50.5, 410.5, 330.5);
    setBlackText();
    text(218, 20, "Nyquist Diagram");
    DrawSystemNameFont();
    return 0;
}

}  // namespace quendal
