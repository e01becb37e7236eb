#include "response/StepResponse.h"

#include <cmath>
#include <numbers>

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

constexpr double kTimeStep = 0.05;  // normalised time between points
constexpr double kMaxPoints = 200000.0;  // a longer curve is not drawn
constexpr double kGraphWidthPx = 460.0;
constexpr double kGraphStartX = 46.0;

// Time mapping of the step graph.
//
// The frame labels its time axis in milliseconds: the right edge (460 px
// from the curve's start) is CursorScale = 100 / timeScale ms. The units'
// time is normalised to the driver's resonance, t = 2 pi FS * seconds, so
// the right edge lies at
//     t_end = 2 pi FS * (100 / timeScale) / 1000 = 0.2 pi FS / timeScale
// and a point at normalised time t is drawn at
//     x = 46 + 460 * t / t_end = 46 + t * timeScale * 2300 / (pi * FS).
// (A factor 2/3 in place of 0.2 pi would draw the curve stretched about 6 %
// against the labels.) The step read-out turns a pointer offset into time by
// the same t_end.
double normalisedTimePerPx() {
    return 0.2 * std::numbers::pi * state.speaker.FS / state.scales.timeScale / kGraphWidthPx;
}

}  // namespace

double stepGraphEndTime() { return normalisedTimePerPx() * kGraphWidthPx; }

float stepScreenX(double t) { return static_cast<float>(t / normalisedTimePerPx() + kGraphStartX); }

int32_t EulerTransform() {
    StepPolynomials& st = state.step;
    const int32_t digits = state.phys.DIGT;
    if (digits < 0 || digits > 19) return 0;  // Euler[DIGT + 1] must stay within its 21 entries
    float b[21] = {};
    b[0] = 1.0f;
    for (int32_t j = 1; j <= digits; ++j)
        b[j] = static_cast<float>(static_cast<double>(b[j - 1]) * ((digits + 1) - j) / j);
    st.Euler[digits + 1] = 0.0;
    for (int32_t j = digits; j >= 0; --j) st.Euler[j] = st.Euler[j + 1] + b[j];
    return 0;
}

double SubroutineInverseLaplaceTransform(float x, float y, float sigma) {
    const StepPolynomials& st = state.step;
    const double xr = x;
    const double yi = y;
    double nr = 0.0, ni = 0.0;
    for (int32_t i = 1; i <= st.NUO + 1 && i <= 20; ++i) {
        const double r = xr * nr - yi * ni + st.NUT[i];
        ni = xr * ni + yi * nr;
        nr = r;
    }
    double dr = 0.0, di = 0.0;
    for (int32_t i = 1; i <= st.DEO + 1 && i <= 20; ++i) {
        const double r = xr * dr - yi * di + st.DET[i];
        di = xr * di + yi * dr;
        dr = r;
    }
    return sigma * (nr * di - ni * dr) / (dr * dr + di * di);
}

double InverseLaplaceTransform(float t) {
    const SystemSelection& sel = state.selection;
    if (t == 0.0f) {
        // The high-pass systems start at the full step, the Twin Serial
        // Vented system and the band-pass systems at 0.
        return (sel.SysSelTabNum == 1 && sel.SysSelBtnNum != 6) ? 1.0 : 0.0;
    }
    const StepPolynomials& st = state.step;
    const int32_t digits = state.phys.DIGT;
    constexpr double a = 6.0;
    const float x = static_cast<float>(a / t);
    const float h = static_cast<float>(std::numbers::pi / t);
    float y = h / 2.0f;
    const float scale = static_cast<float>(std::exp(a) / t);
    float sigma = 1.0f;

    double sum = 0.0;
    for (int32_t n = 0; n < 8; ++n) {
        sum += SubroutineInverseLaplaceTransform(x, y, sigma);
        y = h + y;
        sigma = -sigma;
    }
    sum *= st.Euler[0];
    for (int32_t k = 1; k <= digits && k <= 20; ++k) {
        const double v = SubroutineInverseLaplaceTransform(x, y, sigma);
        y = h + y;
        sigma = -sigma;
        sum += st.Euler[k] * v;
    }
    return scale * sum / st.Euler[0];
}

namespace {

// Draws the curve of valueAt over the step graph's time grid.
void drawStepCurve(double (*valueAt)(float)) {
    DrawingState& d = state.draw;
    d.LineW = 2.0;
    d.RedCol = 1.0;
    d.GrnCol = 0.531;
    d.BleCol = 0.0;

    const double end = stepGraphEndTime();
    if (!std::isfinite(end) || end <= 0.0) return;  // no resonance or no time scale: nothing to draw
    // The last time drawn is the largest multiple of the step not beyond the
    // right edge, taken up to the next hundredth.
    const double tmax = std::rint(end * 100.0 + 0.6) / 100.0;
    if (tmax / kTimeStep > kMaxPoints) return;
    // Time is counted in whole steps, so that the last point is the last
    // multiple of the step not beyond tmax even where tmax is one itself
    // (a running sum of 0.05 can step just past it and lose that point).
    const long lastStep = std::lround(tmax * 100.0) / 5;

    PlotPoint& p = state.point;
    CurvePen pen;
    for (long step = 0; step <= lastStep; ++step) {
        const double t = static_cast<double>(step) * kTimeStep;
        const double v = valueAt(static_cast<float>(t));
        p.yy = static_cast<float>(-v * 140.0 + 190.0);  // 1 at y = 50, 0 at y = 190, -1 at y = 330
        p.xx = stepScreenX(t);
        pen.moveTo(t != 0.0);
    }
}

}  // namespace

int32_t StepResponsePlot() {
    drawStepCurve(InverseLaplaceTransform);
    return 0;
}

void loadStepPolynomials() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBStepSubstitution(); break;
        case 2: CBStepSubstitution(); break;
        case 3: VBStepSubstitution(); break;
        case 4: PRStepSubstitution(); break;
        case 5: SVStepSubstitution(); break;
        case 6: PVStepSubstitution(); break;
        case 7: CCStepSubstitution(); break;
        case 8: CVStepSubstitution(); break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTStepSubstitution();  // Raveza Box
            break;
        case 2: PKStepSubstitution();  // Passive Raveza
            break;
        case 3: SK1StepSubstitution();  // Serial Raveza Type1
            break;
        case 4: SK2StepSubstitution();  // Serial Raveza Type2
            break;
        case 5: TVStepSubstitution();  // Twin Vented
            break;
        case 6: TSStepSubstitution();  // Twin Serial
            break;
        case 7: DeltaStepSubstitution();  // Delta Vented
            break;
        default: break;  // Triple Vented: through TRIStepPlot
        }
        break;
    default: break;
    }
}

int32_t StepPlot() {
    CofCal();
    EulerTransform();
    // A system whose unit loads nothing draws no curve.
    state.step.NUO = -1;
    state.step.DEO = -1;
    loadStepPolynomials();
    if (state.step.NUO < 0 || state.step.DEO < 0) return 0;
    StepResponsePlot();
    return 0;
}

int32_t TRIStepPlot() {
    CofCal();
    EulerTransform();
    drawStepCurve(TRIStepPlot2);
    return 0;
}

namespace {

// Loads the Triple Vented partial transform of one path: 1 vent 1, 2 vent 2,
// 3 driver 1 to vent 3, 4 driver 2 to vent 3. False while nothing is loaded.
bool loadTripleVentedPath(int32_t path) {
    switch (path) {
    case 1: TRIvent1StepSubstitution(); return true;
    case 2: TRIvent2StepSubstitution(); return true;
    case 3: TRIvent31StepSubstitution(); return true;
    case 4: TRIvent32StepSubstitution(); return true;
    default: return false;
    }
}

}  // namespace

double TRIStepPlot2(float t) {
    double w[4] = {0.0, 0.0, 0.0, 0.0};
    for (int32_t path = 1; path <= 4; ++path)
        if (loadTripleVentedPath(path)) w[path - 1] = InverseLaplaceTransform(t);
    // The step responses of vents 1 and 2 are averaged and the mean of the
    // two paths to vent 3 is subtracted; the Type2 alignment is inverted.
    double r = (w[0] + w[1]) / 2.0 - (w[2] + w[3]) / 2.0;
    const SystemSelection& sel = state.selection;
    if (sel.SysSelTabNum == 2 && sel.SysSelBtnNum == 8 && sel.Alin == 2) r = -r;
    return r;
}

}  // namespace quendal
