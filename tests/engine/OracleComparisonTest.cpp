// The single-chamber units against the independent lumped-circuit model:
// the same driver and box, built from elements and solved at each point of
// the grid, must give the same amplitude shape, cone and radiator
// excursions and impedance.
#include <cmath>
#include <complex>

#include "enclosures/EnclosureUnits.h"
#include "response/ResponseCal.h"
#include "support/LumpedCircuitComparison.h"
#include "support/VentSpeedComparison.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal {
namespace {

using test::selectSystem;

namespace oc = quendal::oracle;

class AgainstLumpedCircuit : public test::AgainstLumpedCircuitTest {
protected:
    void compareAmplitude(const oc::LumpedCircuit& circuit, void (*evaluator)(), double toleranceDb) {
        overGrid([&](double hz) {
            evaluator();
            EXPECT_NEAR(-state.point.yy, circuit.relativeLevelDb(hz), toleranceDb) << hz << " Hz";
        });
    }

    // The impedance at the input, the voice coil's inductance included.
    void compareImpedance(oc::LumpedCircuit circuit) {
        withCoilInductance(circuit, [&] {
            overGrid([&](double hz) {
                impPlot3();
                const double z = std::abs(circuit.inputImpedance(hz));
                EXPECT_NEAR(state.point.yyLinea, z, 1e-4 * z) << hz << " Hz";
            });
        });
    }
};

TEST_F(AgainstLumpedCircuit, InfiniteBaffle) {
    selectSystem(1, 1);
    CofCal();
    const oc::LumpedCircuit circuit = oc::infiniteBaffle(driver);
    compareAmplitude(circuit, [] { IBFRcal(); }, 0.01);
    compareExcursion(circuit, "driver", [] { dpPlot3(); }, "driver");
    compareImpedance(circuit);
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
        compareExcursion(circuit, "driver", [] { dpPlot3(); }, "driver");
        compareImpedance(circuit);
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
        compareExcursion(circuit, "driver", [] { dpPlot3(); }, "driver");
        compareImpedance(circuit);
    }
}

// The vent's air speed is the peak speed of the air in the vent at the input
// power, over the whole grid, for the "Optimum" box and a box tuned to Fs.
TEST_F(AgainstLumpedCircuit, VentAirSpeedIsTheSpeedOfTheAirInTheVent) {
    struct Case {
        int32_t alin;
        double ql;
    };
    for (const Case c : {Case{1, 7.0}, Case{4, 5.0}, Case{4, 15.0}}) {
        selectSystem(1, 3, c.alin);
        state.box.VB1 = 60.0;
        state.box.FB1 = ts.fsHz;
        state.box.QL = c.ql;
        state.vents.SV11 = 0.005;  // m^2
        test::expectPhysicalVentSpeeds(
            kPin,
            [&] {
                oc::ChamberLoss loss;
                loss.leakageQ = c.ql;
                loss.atHz = state.box.FB1;
                return oc::ventedBox(driver, state.box.VB1, state.box.FB1, loss);
            },
            {{1, 1, {"vent"}}}, 1e-4);
    }
}

// The designed vent against the model: at its minimum area its air peaks
// at the speed limit.
TEST_F(AgainstLumpedCircuit, DesignedVentCarriesTheSpeedLimitAtItsPeak) {
    selectSystem(1, 3, 1);
    state.box.QL = 7.0;
    test::expectDesignedVentsAtTheLimit(
        kPin,
        [&] {
            oc::ChamberLoss loss;
            loss.leakageQ = 7.0;
            loss.atHz = state.box.FB1;
            return oc::ventedBox(driver, state.box.VB1, state.box.FB1, loss);
        },
        {{1, 1, {"vent"}}}, 1e-3);
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
    compareExcursion(circuit, "driver", [] { dpPlot3(); }, "driver");
    state.point.respNum = 2;
    compareExcursion(circuit, "radiator", [] { dpPlot3(); }, "radiator");
    compareImpedance(circuit);
}

}  // namespace
}  // namespace quendal
