// Triple Vented displacement, phase, group delay, Nyquist, air speed and
// step polynomials.
//
// The system has no closed-form group delay: TRIGDcal differentiates its
// unwrapped phase between neighbouring points of a downward sweep, and the
// step response is assembled by the engine from four partial transforms,
// one per path (vent 1, vent 2, and vent 3 through each driver).
#include <cmath>
#include <numbers>

#include "enclosures/TRIcal.h"
#include "enclosures/TRIparts.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The unit's display offsets: the phase page shows the folded phase 67.5
// degrees down (-90 + 15 + 7.5), the Nyquist angle half a turn beyond.
constexpr double kPhaseOffsetDegrees = -90.0 + 15.0 + 7.5;
constexpr double kNyquistOffsetRadians = 1.25 * kPi + kPi / 8.0;
// ms per (degree / Hz) of the finite difference over one downward step of
// 0.01 decade: 1000 / (360 * (10^0.01 - 1)) = 119.254, taken as 23.85 * 5.
constexpr double kDelayPerStep1 = 23.85;
constexpr double kDelayPerStep2 = 5.0;

// Cone of driver 1 over D1 (or of driver 2 over D2) at f.
void evaluateCone1(double f) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const JfValue C1 = polyAtJf({c.B31, c.B32, c.B33, c.B34, 1.0}, f);
    p.N1R = C1.re;
    p.N1J = C1.im;
    tri::evaluateDenominators(f);
}

void evaluateCone2(double f) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const JfValue C2 = polyAtJf({c.B41, c.B42, c.B43, c.B44, 1.0}, f);
    p.N2R = C2.re;
    p.N2J = C2.im;
    tri::evaluateDenominators(f);
}

}  // namespace

void TRIDPSP1cal() {
    evaluateCone1(pointFrequency());
    const PlotPoint& p = state.point;
    displacementForm(tri::squared(p.N1R, p.N1J), tri::squared(p.D1R, p.D1J), 1.0, state.rscales.XD);
}

void TRIDPSP2cal() {
    evaluateCone2(pointFrequency());
    const PlotPoint& p = state.point;
    displacementForm(tri::squared(p.N2R, p.N2J), tri::squared(p.D2R, p.D2J), 1.0, state.rscales.XD);
}

void TRIDPSP1optcal() {
    evaluateCone1(pointFrequency());
    const PlotPoint& p = state.point;
    displacementPeakForm(tri::squared(p.N1R, p.N1J), tri::squared(p.D1R, p.D1J), state.rscales.XD);
}

void TRIDPSP2optcal() {
    evaluateCone2(pointFrequency());
    const PlotPoint& p = state.point;
    displacementPeakForm(tri::squared(p.N2R, p.N2J), tri::squared(p.D2R, p.D2J), state.rscales.XD);
}

void TRIPHcal() {
    tri::evaluateSystem(pointFrequency());
    const PlotPoint& p = state.point;
    phaseForm(rawPhaseDegrees({p.NUR, p.NUJ}, {p.DER, p.DEJ}), kPhaseOffsetDegrees);
}

void TRIGDcal() {
    tri::evaluateSystem(pointFrequency());
    PlotPoint& p = state.point;
    // The unwrapped phase of this point (degrees), without the display offset.
    const double raw = (std::atan(p.NUJ / p.NUR) - std::atan(p.DEJ / p.DER)) * 180.0 / kPi;
    phaseForm({raw, fullQuadrantAngle(p.NUR, p.NUJ, p.DER, p.DEJ)}, 0.0);
    // -dphase/domega over the step just made, in ms.
    p.MM = (p.QQ - static_cast<double>(p.yy)) / static_cast<double>(p.ff) * kDelayPerStep1 * kDelayPerStep2;
    p.NN = p.PP - p.MM;
    p.yy0 = static_cast<float>(static_cast<double>(p.yy0) + p.NN);
    p.PP = p.MM;
    p.QQ = p.yy;
}

void TRINQcal() {
    tri::evaluateSystem(pointFrequency());
    const PlotPoint& p = state.point;
    const ResponseAngle angle{std::atan(p.NUJ / p.NUR) - std::atan(p.DEJ / p.DER),
                              fullQuadrantAngle(p.NUR, p.NUJ, p.DER, p.DEJ)};
    nyquistForm(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ), angle, kNyquistOffsetRadians);
}

void TRIvent1AScal() {
    const double f = pointFrequency();
    tri::evaluateVentFlows(f);
    tri::evaluateDenominators(f);
    const PlotPoint& p = state.point;
    airSpeedForm(tri::squared(p.N1R, p.N1J), tri::squared(p.D1R, p.D1J), state.rscales.VEL1);
}

void TRIvent2AScal() {
    const double f = pointFrequency();
    tri::evaluateVentFlows(f);
    tri::evaluateDenominators(f);
    const PlotPoint& p = state.point;
    airSpeedForm(tri::squared(p.N2R, p.N2J), tri::squared(p.D2R, p.D2J), state.rscales.VEL2);
}

void TRIvent3AScal() {
    const double f = pointFrequency();
    tri::evaluateVentFlows(f);
    tri::evaluateDenominators(f);
    tri::vent3OverBothHalves();
    const PlotPoint& p = state.point;
    // Both drivers' flows pass through vent 3: the two paths already add up
    // to all of its air, so its scale is that of any other vent.
    airSpeedForm(tri::squared(p.NUR, p.NUJ), tri::squared(p.DER, p.DEJ), state.rscales.VEL3);
}

int32_t TRIvent1StepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B11, c.B12, 1.0, 0.0, 0.0}, {c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0, 0.0});
    return 0;
}

int32_t TRIvent2StepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B21, c.B22, 1.0, 0.0, 0.0}, {c.A21, c.A22, c.A23, c.A24, c.A25, c.A26, 1.0, 0.0});
    return 0;
}

int32_t TRIvent31StepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B13, c.B14, 1.0, 0.0, 0.0}, {c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0, 0.0});
    return 0;
}

int32_t TRIvent32StepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B23, c.B24, 1.0, 0.0, 0.0}, {c.A21, c.A22, c.A23, c.A24, c.A25, c.A26, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
