#include "engine/ReferenceLevel.h"

#include <cmath>
#include <numbers>

#include "engine/CofCal.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kReferencePowerW = 1e-12;     // W, 0 dB of sound power
constexpr double kReferencePressurePa = 2e-5;  // Pa, 0 dB of sound pressure

// Sound pressure level at 1 m in half-space for the acoustic power P * N0.
double levelAtOneMetre(double electricalPowerW) {
    return 10.0 * std::log10(electricalPowerW * state.ref.N0 / (kReferencePowerW * state.phys.PI2));
}

double pressureOfLevel(double levelDb) { return std::pow(10.0, levelDb / 20.0 + std::log10(kReferencePressurePa)); }

// Peak cone excursion (mm) of a piston of area areaCm2 that radiates the rms
// pressure PA at 1 m and 1 Hz into half-space: x_rms = p / (2 pi rho S),
// and the peak is sqrt 2 times that. The power rating assumes the peak
// excursion VD / SD, so displacement and power agree.
double peakExcursionMm(double areaCm2) {
    const PhysicalConstants& ph = state.phys;
    return std::numbers::sqrt2 * 1000.0 * state.ref.PA / (ph.PI2 * ph.LO * areaCm2 / (100.0 * 100.0));
}

double ventScale(double areaM2, double frequencyHz) {
    return state.ref.PA / (state.phys.LO * areaM2 * frequencyHz);
}

}  // namespace

int32_t N0cal() {
    SpeakerParameters& sp = state.speaker;
    if (sp.EFI > 0.0) {
        state.ref.N0 = sp.EFI / 100.0;
        return 0;
    }
    if (sp.QES <= 0.0) sp.QES = 1.1 * sp.QTS;
    const double c = state.phys.C;
    state.ref.N0 = 4.0 * std::numbers::pi * std::numbers::pi * sp.FS * sp.FS * sp.FS * (sp.VAS / 1000.0) /
                   (c * c * c * sp.QES);
    return 0;
}

int32_t SPLcal() {
    CofCal();
    N0cal();
    const double spl = 10.0 * std::log10(state.ref.N0 / (kReferencePowerW * state.phys.PI2));
    state.ref.SPL = std::rint(spl * 100.0) / 100.0;
    return 0;
}

void setPowerScale() {
    const SpeakerParameters& sp = state.speaker;
    state.rscales.P1 = 0.00044 * sp.FS * sp.QES * sp.VD * sp.VD / sp.VAS;
}

void setImpedanceScales() {
    const SpeakerParameters& sp = state.speaker;
    state.rscales.RES = sp.RE * sp.QMS / sp.QES;
    state.rscales.ZL = state.phys.PI2 * sp.LE / 1000.0;
}

void setDisplacementScales() {
    ReferenceLevel& ref = state.ref;
    N0cal();
    ref.SPL1 = levelAtOneMetre(state.power.PIN);
    state.point.f = static_cast<float>(1.0 / state.speaker.FS);  // the point 1 Hz
    state.coef.A01 = 1.0 / state.speaker.QTS;
    const double f = state.point.f;
    const double a = state.coef.A01;
    ref.SPL1 += 10.0 * std::log10(f * f * f * f / ((1.0 - f * f) * (1.0 - f * f) + (a * f) * (a * f)));
    ref.PA = pressureOfLevel(ref.SPL1);
    state.rscales.XD = peakExcursionMm(state.speaker.SD);
    state.rscales.XPR = peakExcursionMm(state.radiator.PRSD);
    CofCal();
}

int32_t AsPlot3() {
    ReferenceLevel& ref = state.ref;
    N0cal();
    ref.ADB = levelAtOneMetre(state.power.PIN);
    ref.PA = pressureOfLevel(ref.ADB);
    CofCal();

    const VentParameters& v = state.vents;
    const BoxParameters& b = state.box;
    ResponseScales& r = state.rscales;
    switch (currentSystemNumber()) {
    case kVentedBox:
    case kComplexVented:
        r.VEL = ventScale(v.SV11, b.FB1);
        break;
    case kSerialVented:
    case kSerialRavezaType1:
        r.VEL1 = ventScale(v.SV11, b.FBL);
        r.VEL2 = ventScale(v.SV22, b.FBL);
        break;
    case kTwinSerialVented:
    case kTripleVented:
        r.VEL1 = ventScale(v.SV11, b.FB1);
        r.VEL2 = ventScale(v.SV22, b.FB2);
        r.VEL3 = ventScale(v.SV33, b.FB3);
        break;
    case kRavezaBox:
        r.VEL = ventScale(v.SV11, b.FB2);
        break;
    case kSerialRavezaType2:
    case kTwinVented:
        r.VEL1 = ventScale(v.SV11, b.FB1);
        r.VEL2 = ventScale(v.SV22, b.FB2);
        break;
    case kTwinSerial:
        r.VEL1 = ventScale(v.SV11, b.FBL);
        r.VEL2 = ventScale(v.SV22, b.FBL);
        r.VEL3 = ventScale(v.SV33, b.FB3);
        break;
    case kDeltaVented: {
        const double fb = b.FB2 <= b.FB1 ? b.FB2 : b.FB1;
        r.VEL1 = ventScale(v.SV11, fb);
        r.VEL2 = ventScale(v.SV22, fb);
        r.VEL3 = ventScale(v.SV33, fb);
        break;
    }
    default:  // no vent
        break;
    }
    return 0;
}

}  // namespace quendal
