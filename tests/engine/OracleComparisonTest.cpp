// The single-chamber units against the independent lumped-circuit model:
// the same driver and box, built from elements and solved at each point of
// the grid, must give the same amplitude shape, cone and radiator
// excursions and motional impedance.
#include <cmath>
#include <complex>
#include <numbers>

#include "EngineTestSupport.h"
#include "engine/EnclosureUnits.h"
#include "engine/ResponseCal.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal {
namespace {

using test::EngineTest;
using test::selectSystem;

namespace oc = quendal::oracle;

constexpr double kPin = 2.0;  // W, input power of the excursion comparisons

class AgainstLumpedCircuit : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ts.fsHz = 32.0;
        ts.vasLitre = 80.0;
        ts.qms = 4.5;
        ts.qes = 0.42;
        ts.reOhm = 6.2;
        ts.leMilliHenry = 0.0;
        ts.sdCm2 = 330.0;
        driver = oc::DriverParams::fromThieleSmall(ts);
        SpeakerParameters& sp = state.speaker;
        sp.FS = ts.fsHz;
        sp.VAS = ts.vasLitre;
        sp.QMS = ts.qms;
        sp.QES = ts.qes;
        sp.QTS = ts.qms * ts.qes / (ts.qms + ts.qes);
        sp.RE = ts.reOhm;
        sp.LE = 0.0;
        sp.SD = ts.sdCm2;
        sp.VD = ts.sdCm2 * 0.6;
        sp.EFI = 0.0;  // the efficiency from the driver's own values
        state.power.PIN = kPin;
    }

    // Runs fn(ff) at every grid point with f and ff set.
    template <typename Fn>
    void overGrid(Fn fn) {
        for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
            setGridFrequency(k);
            fn(static_cast<double>(state.point.ff));
        }
    }

    void compareAmplitude(const oc::LumpedCircuit& circuit, void (*evaluator)(), double toleranceDb) {
        overGrid([&](double hz) {
            evaluator();
            EXPECT_NEAR(-state.point.yy, circuit.relativeLevelDb(hz), toleranceDb) << hz << " Hz";
        });
    }

    // Peak excursions in mm at the input power, the circuit driven with
    // PIN into RE.
    void compareExcursion(oc::LumpedCircuit circuit, const char* cone, void (*evaluator)(), double relTol) {
        circuit.setDriveVoltage(std::sqrt(kPin * ts.reOhm));
        const int element = circuit.find(cone);
        ASSERT_GE(element, 0) << cone;
        state.view.Magni = 1;
        setDisplacementScales();
        overGrid([&](double hz) {
            evaluator();
            const double expectedMm = circuit.coneExcursionPeak(hz, element) * 1000.0;
            EXPECT_NEAR(state.point.yy / expectedMm, 1.0, relTol) << cone << " at " << hz << " Hz";
        });
    }

    // The motional part of the impedance (RE taken away, no inductance):
    // where the units add magnitudes, the motional magnitude is what both
    // models share.
    void compareMotionalImpedance(const oc::LumpedCircuit& circuit) {
        state.view.s_Resp = "imp";
        QEScal();
        setImpedanceScales();
        CofCal();
        overGrid([&](double hz) {
            impPlot3();
            const double motional = std::abs(circuit.inputImpedance(hz) - ts.reOhm);
            EXPECT_NEAR(state.point.yyLinea - ts.reOhm, motional, 1e-3 * motional + 1e-6) << hz << " Hz";
        });
        state.view.s_Resp = "amp";
        CofCal();
    }

    oc::ThieleSmall ts;
    oc::DriverParams driver;
};

// The unit's level scale takes 1e-12 W/m^2 and 20 uPa as the same 0 dB
// (rho c = 400 rayl); the excursions built on it are 0.9 % low.
constexpr double kExcursionTolerance = 1.5e-2;

TEST_F(AgainstLumpedCircuit, InfiniteBaffle) {
    selectSystem(1, 1);
    CofCal();
    const oc::LumpedCircuit circuit = oc::infiniteBaffle(driver);
    compareAmplitude(circuit, [] { IBFRcal(); }, 0.01);
    compareExcursion(circuit, "driver", [] { dpPlot3(); }, kExcursionTolerance);
    compareMotionalImpedance(circuit);
}

TEST_F(AgainstLumpedCircuit, ClosedBox) {
    for (double vb : {15.0, 40.0, 120.0}) {
        selectSystem(1, 2, 2);
        state.box.QA = 10.0;
        state.box.VB = vb;
        CofCal();
        // The unit's loss term is (1 + Vas/Vb) / (h Qa): against the box
        // compliance alone that is an absorption Q of Qa (Vas/Vb)/(1 + Vas/Vb) at fc.
        const double alpha = ts.vasLitre / vb;
        oc::ChamberLoss loss;
        loss.absorptionQ = 10.0 * alpha / (1.0 + alpha);
        loss.atHz = state.box.FC;
        const oc::LumpedCircuit circuit = oc::closedBox(driver, vb, loss);
        compareAmplitude(circuit, [] { CBFRcal(); }, 0.01);
        compareExcursion(circuit, "driver", [] { dpPlot3(); }, kExcursionTolerance);
        compareMotionalImpedance(circuit);
    }
}

TEST_F(AgainstLumpedCircuit, VentedBox) {
    struct Case {
        int32_t alin;
        double ql;
    };
    for (const Case c : {Case{1, 7.0}, Case{2, 15.0}, Case{1, 3.0}}) {
        selectSystem(1, 3, c.alin);
        state.box.QL = c.ql;
        CofCal();
        oc::ChamberLoss loss;
        loss.leakageQ = c.ql;
        loss.atHz = state.box.FB1;
        const oc::LumpedCircuit circuit = oc::ventedBox(driver, state.box.VB1, state.box.FB1, loss);
        compareAmplitude(circuit, [] { VBFRcal(); }, 0.01);
        compareExcursion(circuit, "driver", [] { dpPlot3(); }, kExcursionTolerance);
        compareMotionalImpedance(circuit);
    }
}

// The vent's air speed is modelled as PA / (rho Sv Fb) |1/D|. The physical
// vent speed is PA f / (rho Sv Fs^2) |1/D|: the two meet at f = Fs^2 / Fb,
// which is the tuning itself for a box tuned to Fs. Elsewhere the model is
// simplified on purpose, and only that point is compared.
TEST_F(AgainstLumpedCircuit, VentAirSpeedAtTheTuning) {
    for (double ql : {5.0, 7.0, 15.0}) {
        selectSystem(1, 3, 4);
        state.box.VB1 = 60.0;
        state.box.FB1 = ts.fsHz;
        state.box.QL = ql;
        state.vents.SV11 = 0.005;  // m^2
        AsPlot3();
        oc::ChamberLoss loss;
        loss.leakageQ = ql;
        loss.atHz = state.box.FB1;
        oc::LumpedCircuit circuit = oc::ventedBox(driver, state.box.VB1, state.box.FB1, loss);
        circuit.setDriveVoltage(std::sqrt(kPin * ts.reOhm));
        const oc::Solution solution = circuit.solve(state.box.FB1);
        const double speed = std::abs(solution.volumeVelocity[circuit.find("vent")]) / 0.005;
        state.point.f = static_cast<float>(state.box.FB1 / ts.fsHz);
        VBAScal();
        EXPECT_NEAR(state.point.yy / speed, 1.0, 2.5e-2) << ql;
    }
}

TEST_F(AgainstLumpedCircuit, PassiveRadiator) {
    selectSystem(1, 4, 4);
    state.box.VB = 45.0;
    state.box.QL = 7.0;
    state.radiator.FP = 20.0;
    state.radiator.VAP = 30.0;
    state.radiator.QP = 6.0;
    state.radiator.PRSD = 500.0;
    CofCal();
    oc::ChamberLoss loss;
    loss.leakageQ = 7.0;
    loss.atHz = state.box.FB;
    const oc::RadiatorParams radiator = oc::RadiatorParams::fromFreeAir(20.0, 30.0, 6.0, 500.0);
    const oc::LumpedCircuit circuit = oc::passiveRadiatorBox(driver, 45.0, radiator, loss);
    compareAmplitude(circuit, [] { PRFRcal(); }, 0.01);
    state.point.respNum = 1;
    compareExcursion(circuit, "driver", [] { dpPlot3(); }, kExcursionTolerance);
    state.point.respNum = 2;
    compareExcursion(circuit, "radiator", [] { dpPlot3(); }, kExcursionTolerance);
    compareMotionalImpedance(circuit);
}

}  // namespace
}  // namespace quendal
