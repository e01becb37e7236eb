// Twin Serial Vented air speeds in the three vents and the step-response
// polynomials.
#include "enclosures/PVcal.h"
#include "enclosures/PVparts.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// Air speed: scale times f |Nv/D|, the vent numerator taken over s^2.
void airSpeed(const JfValue& vent, double scale) {
    airSpeedForm(vent.squared(), pv::denominator(static_cast<double>(state.point.f)).squared(), scale);
}

}  // namespace

// Vent 1 is two branches of half its vents each, SV11 their total area.
// The branches carry unequal flows (B41-B45 into chamber 2, B51-B55 into
// chamber 3), each through half of SV11: the speed is the faster branch's,
// twice its flow over SV11.
int32_t PVvent1AScal() {
    const TransferCoefficients& c = state.coef;
    const double F = static_cast<double>(state.point.f);
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F;
    const JfValue into2{c.B42 * F4 - c.B44 * F2, c.B41 * F5 - c.B43 * F3 + c.B45 * F};
    const JfValue into3{c.B52 * F4 - c.B54 * F2, c.B51 * F5 - c.B53 * F3 + c.B55 * F};
    const JfValue& faster = into3.squared() > into2.squared() ? into3 : into2;
    airSpeed({2.0 * faster.re, 2.0 * faster.im}, state.rscales.VEL1);
    return 0;
}

int32_t PVvent2AScal() {
    const TransferCoefficients& c = state.coef;
    const double F = static_cast<double>(state.point.f);
    const double F2 = F * F, F3 = F2 * F;
    airSpeed({c.B22 * F2, c.B21 * F3 - c.B23 * F}, state.rscales.VEL2);
    return 0;
}

int32_t PVvent3AScal() {
    const TransferCoefficients& c = state.coef;
    const double F = static_cast<double>(state.point.f);
    const double F2 = F * F, F3 = F2 * F;
    airSpeed({c.B32 * F2, c.B31 * F3 - c.B33 * F}, state.rscales.VEL3);
    return 0;
}

// Loads (B01 s^7 + .. + B07 s) / (A01 s^9 + .. + A09 s): the total output
// over s^2, so that the step graph of this system shows the running integral
// of its step response.
int32_t PVStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B01, c.B02, c.B03, c.B04, c.B05, c.B06, c.B07, 0.0},
                       {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, c.A09, 0.0});
    return 0;
}

}  // namespace quendal
