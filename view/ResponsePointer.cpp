#include "view/ResponsePointer.h"

#include <cmath>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/PointerReadout.h"
#include "view/ResponseRedraw.h"

namespace quendal {

namespace {

constexpr int32_t kGraphLeft = 45;  // px

// The read-outs follow the pointer only on the pages that have them, while
// nothing else holds the window.
bool pointerReadOutActive() {
    const Str255& page = state.view.s_Resp;
    return state.draw.DoPrint == 0 && state.shell.InterceptEvHnd == 0 && state.cursor.detailTriBtn == 1 &&
           !(page == "nq") && !(page == "sys") && !(page == "vent");
}

void crossHair() { platform::setImageCursor("CrossPointCursor.png", "Images", 7, 7); }

// The read-out frequency of pointer x: 230 px a decade from 10 Hz at x 45.
void frequencyOfPointer(int32_t h) {
    const double logff = 1.0 + 0.004347826087 * (h - 45.0);
    state.cursor.logff = static_cast<float>(logff);
    state.cursor.ffpn = static_cast<float>(std::pow(10.0, static_cast<double>(state.cursor.logff)));
}

}  // namespace

bool insideResponseGraph(int32_t h, int32_t v) { return h >= 45 && h <= 505 && v >= 50 && v <= 330; }

bool responsePointerMoved(int32_t h, int32_t v) {
    if (v <= 0) return false;
    // Drawing goes to the response window; the window is not raised, so a
    // pointer passing over it leaves the keyboard where the user works.
    platform::setCurrentWindow(kResponseWindow);
    if (!pointerReadOutActive()) return false;
    CursorState& c = state.cursor;
    if (!insideResponseGraph(h, v)) {
        if (v < 350 && h >= 0) {
            platform::setCursor(platform::Cursor::Arrow);
            return true;
        }
        return false;
    }
    if (state.view.s_Resp == "st") {
        if (c.StepMouseDown == 0) {
            crossHair();
            c.StepCursPoint = h - kGraphLeft;
            DrawStepRespnseValue(static_cast<float>(c.StepCursPoint));
        }
        return true;
    }
    if (c.MouseDown == 0) {
        crossHair();
        frequencyOfPointer(h);
        DrawPointerContorol();
    }
    return true;
}

bool responsePointerDown(int32_t h, int32_t v, int32_t clickCount) {
    if (v <= 0) return false;
    platform::selectWindow(kResponseWindow);
    if (state.shell.WndDeactiveFlag != 0 || !pointerReadOutActive() || !insideResponseGraph(h, v)) return false;
    // The second press of a double click: the first press already set the
    // marker where the user pointed; toggling again would take it away.
    if (clickCount >= 2) return true;
    CursorState& c = state.cursor;
    if (state.view.s_Resp == "st") {
        c.StepCursPoint = h - kGraphLeft;
        if (c.StepMouseDown == 0) {
            c.StepMouseDown = 1;
            platform::setCursor(platform::Cursor::Arrow);
            DrawStepVerticalLineMarker();
            DrawStepRespnseValue(static_cast<float>(c.StepCursPoint));
        } else {
            c.StepMouseDown = 0;
            crossHair();
            ReDispResposeWnd();
            DrawStepRespnseValue(static_cast<float>(c.StepCursPoint));
        }
        return true;
    }
    c.CursorPosi = h - kGraphLeft;
    if (c.MouseDown == 0) {
        c.MouseDown = 1;
        platform::setCursor(platform::Cursor::Arrow);
        DrawVerticalLineMarker();
    } else {
        c.MouseDown = 0;
        crossHair();
        frequencyOfPointer(h);
        ReDispResposeWnd();
    }
    return true;
}

}  // namespace quendal
