// Textbook alignments: the closed box's fc and Qtc from Vas/Vb, the lossless
// vented box as a fourth-order Butterworth high-pass, the passive
// radiator's notch at its own resonance.
#include <cmath>

#include "enclosures/EnclosureUnits.h"
#include "response/ResponseCal.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using test::EngineTest;
using test::selectSystem;
using test::setDriver;

class AlignmentPhysics : public EngineTest {};

TEST_F(AlignmentPhysics, ClosedBoxResonanceAndQFromTheComplianceRatio) {
    struct Row {
        double fs, vas, qts, vb;
    };
    for (const Row& r : {Row{30, 100, 0.4, 50}, Row{45, 20, 0.35, 8}, Row{25, 150, 0.5, 300}}) {
        setDriver(r.fs, r.vas, r.qts);
        selectSystem(1, 2, 2);
        state.box.QA = 1e12;  // practically lossless filling
        state.box.VB = r.vb;
        CofCal();
        const double ratio = std::sqrt(1.0 + r.vas / r.vb);
        EXPECT_NEAR(state.box.FC, r.fs * ratio, 1e-9) << r.vb;
        EXPECT_NEAR(state.box.QTC, r.qts * ratio, 1e-6) << r.vb;
        // The response of a Qtc high-pass at fc: 20 log10(Qtc) dB.
        state.point.f = static_cast<float>(ratio);
        CBFRcal();
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(r.qts * ratio), 1e-4) << r.vb;
    }
}

TEST_F(AlignmentPhysics, LosslessVentedBoxIsAFourthOrderButterworth) {
    // B4: Qts = 0.3827, Vas / Vb = sqrt 2, Fb = Fs, |H|^2 = F^8 / (1 + F^8).
    setDriver(30.0, 100.0, 1.0 / std::sqrt(4.0 + 2.0 * std::sqrt(2.0)));
    selectSystem(1, 3, 4);
    state.box.VB1 = 100.0 / std::sqrt(2.0);
    state.box.FB1 = 30.0;
    state.box.QL = 1e9;
    CofCal();
    for (double F : {0.3, 0.5, 0.8, 1.0, 1.25, 2.0, 4.0}) {
        state.point.f = static_cast<float>(F);
        const double Fs = state.point.f;
        VBFRcal();
        EXPECT_NEAR(state.point.yy, 10.0 * std::log10(1.0 + std::pow(Fs, -8.0)), 2e-4) << F;
    }
}

TEST_F(AlignmentPhysics, PassiveRadiatorNotchesAtItsOwnResonance) {
    setDriver(40.0, 50.0, 0.3);
    selectSystem(1, 4, 4);
    state.box.VB = 30.0;
    state.radiator.FP = 22.0;
    state.radiator.VAP = 15.0;
    state.radiator.QP = 1e6;
    CofCal();
    const double notch = 22.0 / 40.0;
    state.point.f = static_cast<float>(notch);
    PRFRcal();
    const double deep = state.point.yy;
    EXPECT_GT(deep, 60.0);
    for (double off : {0.9, 1.1}) {
        state.point.f = static_cast<float>(notch * off);
        PRFRcal();
        EXPECT_LT(state.point.yy, deep - 20.0) << off;
    }
}

}  // namespace
}  // namespace quendal
