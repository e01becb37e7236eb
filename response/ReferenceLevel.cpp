#include "response/ReferenceLevel.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "model/State.h"
#include "response/AirSpeedPlot.h"
#include "response/CofCal.h"

namespace quendal {

namespace {

constexpr double kReferencePowerW = 1e-12;     // W, 0 dB of sound power
constexpr double kReferencePressurePa = 2e-5;  // Pa, 0 dB of sound pressure

// Sound pressure level at 1 m in half-space for the acoustic power P * N0.
double levelAtOneMetre(double electricalPowerW) {
    return 10.0 * std::log10(electricalPowerW * state.ref.N0 / (kReferencePowerW * state.phys.PI2));
}

// The input power (W) the levels are computed with. A PIN that is not a
// number, infinite or negative is no power the driver could be given: the
// last usable one is put back in its place, as a rejected entry gets its
// last accepted value back, so that the curves and the input-power read-out
// agree.
double inputPowerW() {
    InputPowerSettings& power = state.power;
    if (std::isfinite(power.PIN) && power.PIN >= 0.0) {
        state.ref.lastUsablePIN = power.PIN;
    } else {
        power.PIN = state.ref.lastUsablePIN;
    }
    return power.PIN;
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

}  // namespace

double ventAirSpeedScale(double ventAreaM2) {
    // In the pass band the cone moves its volume X0 (FS / F)^2 at F Hz, X0
    // its static volume displacement, so it radiates PA = rho (2 pi FS)^2 X0
    // / (2 pi) at 1 m: X0 = PA / (2 pi rho FS^2). A vent moving r X0 at
    // F = f FS carries 2 pi F r X0 = f r PA / (rho FS), rms.
    return std::numbers::sqrt2 * state.ref.PA / (state.phys.LO * ventAreaM2 * state.speaker.FS);
}

int32_t N0cal() {
    SpeakerParameters& sp = state.speaker;
    // An efficiency that is not a finite positive number is no efficiency:
    // the driver's own values give it, as they do when none is entered.
    if (std::isfinite(sp.EFI) && sp.EFI > 0.0) {
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
    // A driver whose values give no finite efficiency has no sensitivity:
    // the last one stays, as box values that would not be finite do.
    if (std::isfinite(spl)) state.ref.SPL = std::rint(spl * 100.0) / 100.0;
    return 0;
}

double driverSPL(const ProgramState& design) {
    const auto saved = std::make_unique<ProgramState>(state);
    state = design;
    SPLcal();
    const double spl = state.ref.SPL;
    state = *saved;
    return std::isfinite(spl) ? spl : 0.0;
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
    ref.SPL1 = levelAtOneMetre(inputPowerW());
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
    ref.ADB = levelAtOneMetre(inputPowerW());
    ref.PA = pressureOfLevel(ref.ADB);
    CofCal();

    const VentParameters& v = state.vents;
    ResponseScales& r = state.rscales;
    switch (ventCount()) {
    case 1:
        r.VEL = ventAirSpeedScale(v.SV11);
        break;
    case 3:
        r.VEL3 = ventAirSpeedScale(v.SV33);
        [[fallthrough]];
    case 2:
        r.VEL1 = ventAirSpeedScale(v.SV11);
        r.VEL2 = ventAirSpeedScale(v.SV22);
        break;
    default:  // no vent
        break;
    }
    return 0;
}

}  // namespace quendal
