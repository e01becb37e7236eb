#include "engine/BandPassForms.h"

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

#include "engine/ImpedancePageQ.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Phase page: a fold that jumps by more than this between neighbouring points
// has crossed a half turn (degrees); the Nyquist page uses the same angle in
// radians, to four digits.
constexpr float kPhaseJumpDegrees = 160.0f;
constexpr double kNyquistJumpRadians = 2.7925;

// f^p for a whole p, by multiplication.
double wholePower(double f, int p) {
    double m = 1.0;
    for (int i = p < 0 ? -p : p; i > 0; --i) m *= f;
    return p < 0 ? 1.0 / m : m;
}

// v times (j*f)^p: f^p, and j^p turns v by p quarter turns (1, j, -1, -j
// for p = 0, 1, 2, 3 mod 4).
JfValue timesPowerOfJf(JfValue v, double f, int p) {
    if (p != 0) {
        const double m = wholePower(f, p);
        v.re *= m;
        v.im *= m;
    }
    switch (((p % 4) + 4) % 4) {
        case 0: return v;
        case 1: return {-v.im, v.re};
        case 2: return {-v.re, -v.im};
        default: return {v.im, -v.re};
    }
}

// Horner's rule at s = j*f for c[0]*s^(count-1) + ... + c[count-1], each
// coefficient weighted by weight(i): v := v*s + weight(i)*c[i], where the
// product by j*f turns (re, im) into (-im*f, re*f).
template <typename Weight>
JfValue hornerAtJf(const double* c, std::size_t count, double f, Weight weight) {
    double re = 0.0, im = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double next = weight(i) * c[i] - im * f;
        im = re * f;
        re = next;
    }
    return {re, im};
}

// The gain ratio NU/DE as a magnitude; NaN when it is no number.
double magnitude(double NU, double DE) { return std::sqrt(NU / DE); }

}  // namespace

JfValue polyAtJf(const double* c, std::size_t n, double f, int lowestPower) {
    return timesPowerOfJf(hornerAtJf(c, n, f, [](std::size_t) { return 1.0; }), f, lowestPower);
}

JfValue polySlopeAtJf(const double* c, std::size_t n, double f, int lowestPower) {
    // d/df P(j*f) = j*P'(j*f), with P'(s) the sum of p*c*s^(p-1). A constant
    // has no slope: its term is left out, and the list ends at s^1.
    std::size_t count = n;
    int lowest = lowestPower;
    if (lowest == 0 && count > 0) {
        --count;
        lowest = 1;
    }
    const int top = lowest + static_cast<int>(count) - 1;
    const JfValue r =
        hornerAtJf(c, count, f, [top](std::size_t i) { return static_cast<double>(top - static_cast<int>(i)); });
    const JfValue v = timesPowerOfJf(r, f, lowest - 1);
    return {-v.im, v.re};  // times j
}

JfValue times(JfValue a, JfValue b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

double pointFrequency() { return static_cast<double>(state.point.f); }

void buildBandPassCoefficients(void (*fill)(), void (*normalise)()) {
    SpeakerParameters& sp = state.speaker;
    if (!currentDriveWanted()) {
        fill();
        normalise();
        return;
    }
    sp.QTSbak = sp.QTS;
    // The level first, from the total-Q coefficients ...
    fill();
    normalise();
    const TransferCoefficients level = state.coef;
    const PlotPoint reference = state.point;
    // ... then the current-drive coefficients of the impedance curves, built
    // with the mechanical Q.
    sp.QTS = sp.QMS;
    fill();
    sp.QTS = sp.QTSbak;
    state.coef.KNQ = level.KNQ;
    state.coef.siftUpDwn = level.siftUpDwn;
    state.point.f = reference.f;
    state.point.NU = reference.NU;
    state.point.DE = reference.DE;
    state.point.gg = reference.gg;
}

double setReferencePoint(double fRef) {
    state.point.f = static_cast<float>(fRef);
    return pointFrequency();
}

void normaliseLevel(double numeratorSquared, double denominatorSquared) {
    PlotPoint& p = state.point;
    p.NU = numeratorSquared;
    p.DE = denominatorSquared;
    p.gg = magnitude(p.NU, p.DE);
    if (std::isfinite(p.gg) && p.gg > 0.0) {
        state.coef.KNQ = 1.0 / p.gg;
        state.coef.siftUpDwn = -20.0 * std::log10(p.gg);
    } else {
        state.coef.KNQ = 1.0;
        state.coef.siftUpDwn = 0.0;
    }
}

void amplitudeForm(double NU, double DE) {
    PlotPoint& p = state.point;
    p.NU = NU;
    p.DE = DE;
    const double KNQ = state.coef.KNQ;
    double ratio;
    switch (state.view.Magni) {
        case 0: ratio = KNQ * KNQ * NU / DE; break;
        case 1: ratio = NU / DE; break;
        default: return;
    }
    p.yy = (ratio > 0.0 && std::isfinite(ratio)) ? static_cast<float>(-10.0 * std::log10(ratio))
                                                  : static_cast<float>(kNaN);
}

void powerForm(double NU, double DE) {
    PlotPoint& p = state.point;
    p.NU = NU;
    p.DE = DE;
    const float r = static_cast<float>(NU / DE);
    const double P1 = state.rscales.P1;
    p.yy = static_cast<float>(std::log10(P1 / r));
    p.yyLinea = static_cast<float>(P1 / r);
}

void impedanceForm(JfValue N, JfValue D) {
    PlotPoint& p = state.point;
    p.NU = N.squared();
    p.DE = D.squared();
    p.ZVC = magnitude(p.NU, p.DE);
    p.yyLinea = static_cast<float>(inputImpedance(std::complex<double>(N.re, N.im) / std::complex<double>(D.re, D.im)));
}

void displacementForm(double NU, double DE, double K, double scale) {
    PlotPoint& p = state.point;
    p.NU = NU;
    p.DE = DE;
    switch (state.view.Magni) {
        case 0: p.yy = static_cast<float>(-10.0 * std::log10(K * K * NU / DE)); break;
        case 1: p.yy = static_cast<float>(scale * magnitude(NU, DE)); break;
        default: break;
    }
}

void displacementPeakForm(double NU, double DE, double scale) {
    PlotPoint& p = state.point;
    p.NU = NU;
    p.DE = DE;
    p.yy = static_cast<float>(scale * magnitude(NU, DE));
}

ResponseAngle rawPhaseDegrees(JfValue N, JfValue D) {
    PlotPoint& p = state.point;
    p.PH1 = N.im / N.re;
    p.PH2 = D.im / D.re;
    return {(std::atan(p.PH1) - std::atan(p.PH2)) * 180.0 / kPi, fullQuadrantAngle(N.re, N.im, D.re, D.im)};
}

ResponseAngle rawDenominatorPhaseDegrees(JfValue D) {
    PlotPoint& p = state.point;
    p.NU = D.im;
    p.DE = D.re;
    return {-std::atan(p.NU / p.DE) * 180.0 / kPi, fullQuadrantAngle(1.0, 0.0, D.re, D.im)};
}

void phaseForm(ResponseAngle angle, double offsetDegrees) {
    PlotPoint& p = state.point;
    if (std::isnan(angle.raw)) {
        p.yy = static_cast<float>(kNaN);
        return;
    }
    p.yy = static_cast<float>(followPhaseDegrees(angle, kPhaseJumpDegrees, kPhaseJumpDegrees) + offsetDegrees);
}

void groupDelayForm(JfValue D, JfValue dD) {
    PlotPoint& p = state.point;
    p.NU1 = dD.im * D.re;
    p.NU2 = D.im * dD.re;
    p.DE = D.squared();
    const double scale = state.speaker.FS * state.phys.PI2;
    p.yy = static_cast<float>((p.NU1 - p.NU2) / p.DE / scale * 1000.0);
}

void groupDelayFormWithNumerator(JfValue N, JfValue dN, JfValue D, JfValue dD) {
    PlotPoint& p = state.point;
    p.NU11 = dN.im * N.re;
    p.NU12 = N.im * dN.re;
    p.DE1 = N.squared();
    p.NU21 = dD.im * D.re;
    p.NU22 = D.im * dD.re;
    p.DE2 = D.squared();
    if (p.DE1 == 0.0) {  // no output, no delay
        p.yy = static_cast<float>(kNaN);
        return;
    }
    const double scale = state.speaker.FS * state.phys.PI2;
    p.yy = static_cast<float>(-((p.NU11 - p.NU12) / p.DE1 - (p.NU21 - p.NU22) / p.DE2) / scale * 1000.0);
}

ResponseAngle rawAngle(JfValue N, JfValue D) {
    PlotPoint& p = state.point;
    p.PH1 = N.im / N.re;
    p.PH2 = D.im / D.re;
    return {std::atan(p.PH1) - std::atan(p.PH2), fullQuadrantAngle(N.re, N.im, D.re, D.im)};
}

ResponseAngle rawDenominatorAngle(JfValue D) {
    PlotPoint& p = state.point;
    p.PN = D.im;
    p.PD = D.re;
    return {-std::atan(p.PN / p.PD), fullQuadrantAngle(1.0, 0.0, D.re, D.im)};
}

void nyquistForm(double NU, double DE, ResponseAngle angle, double offsetRadians) {
    PlotPoint& p = state.point;
    p.NU = NU;
    p.DE = DE;
    p.gg = state.coef.KNQ * magnitude(NU, DE);
    if (std::isnan(angle.raw) || !std::isfinite(p.gg)) {
        p.xx = static_cast<float>(kNaN);
        p.yy = static_cast<float>(kNaN);
        return;
    }
    followNyquistAngle(angle, kPi, kNyquistJumpRadians, kNyquistJumpRadians);
    p.fai = p.fai - offsetRadians;
    placeNyquistPoint();
}

void setStepPolynomials(std::initializer_list<double> numerator, std::initializer_list<double> denominator) {
    StepPolynomials& st = state.step;
    constexpr std::size_t kLast = 20;
    if (numerator.size() == 0 || denominator.size() == 0 || numerator.size() > kLast ||
        denominator.size() > kLast) {
        return;  // not a polynomial the transform can take
    }
    st.NUO = static_cast<int32_t>(numerator.size()) - 1;
    std::size_t i = 1;
    for (double c : numerator) st.NUT[i++] = c;
    st.DEO = static_cast<int32_t>(denominator.size()) - 1;
    i = 1;
    for (double c : denominator) st.DET[i++] = c;
}

}  // namespace quendal
