// The four units against the independent lumped-circuit model, each
// topology built from its elements (drivers, chambers with their losses,
// vents) and solved at every point of the grid: amplitude of the total and of
// each radiating part, cone excursions in millimetres at the input power, and
// the impedance of each driver and of the pair.
#include <cmath>
#include <complex>
#include <initializer_list>
#include <numbers>

#include "enclosures/EnclosureUnits.h"
#include "response/ResponseCal.h"
#include "support/LumpedCircuitComparison.h"
#include "support/VentSpeedComparison.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal {
namespace {

namespace oc = quendal::oracle;
using test::selectSystem;

class AgainstLumpedCircuit : public test::AgainstLumpedCircuitTest {
protected:
    // A passive cone with the driver's mechanics: a driver whose coil is open.
    oc::RadiatorParams openCoilDriver() const {
        oc::RadiatorParams r;
        r.mmp = driver.mms;
        r.cmp = driver.cms;
        r.rmp = driver.rms;
        r.sp = driver.sd;
        return r;
    }

    // Level, relative to the circuit's reference, of the sound radiated by
    // the named elements only.
    static double levelOf(const oc::LumpedCircuit& circuit, double hz, std::initializer_list<const char*> parts) {
        const oc::Solution s = circuit.solve(hz);
        std::complex<double> flow = 0.0;
        for (const char* name : parts) flow += s.volumeVelocity[static_cast<size_t>(circuit.find(name))];
        const double w = 2.0 * std::numbers::pi * hz;
        return 20.0 * std::log10(std::abs(flow) * w * oc::kAirDensity / (2.0 * std::numbers::pi)
                                 / circuit.referencePressure());
    }

    void compareLevel(const oc::LumpedCircuit& circuit, std::initializer_list<const char*> parts,
                      void (*evaluator)(), double toleranceDb, const char* what) {
        overGrid([&](double hz) {
            evaluator();
            EXPECT_NEAR(-state.point.yy, levelOf(circuit, hz, parts), toleranceDb) << what << " at " << hz << " Hz";
        });
    }

    // The impedance at the input, the voice coil's inductance included.
    void compareImpedance(oc::LumpedCircuit circuit, void (*evaluator)(), const char* what) {
        withCoilInductance(circuit, [&] {
            overGrid([&](double hz) {
                evaluator();
                const double z = std::abs(circuit.inputImpedance(hz));
                EXPECT_NEAR(state.point.yyLinea, z, 1e-4 * z) << what << " at " << hz << " Hz";
            });
        });
    }

    // The pair's impedance against the network of both drivers wired in
    // series (one current through both coils) and in parallel (one voltage
    // across both), each driver's motion driven by the pair, the coils'
    // inductance included.
    void comparePairImpedances(oc::LumpedCircuit both, void (*series)(), void (*parallel)()) {
        withCoilInductance(both, [&] {
            overGrid([&](double hz) {
                both.setSeriesConnection(true);
                const double inSeries = std::abs(both.inputImpedance(hz));
                series();
                EXPECT_NEAR(state.point.yyLinea, inSeries, 1e-4 * inSeries) << "series at " << hz << " Hz";
                both.setSeriesConnection(false);
                const double inParallel = std::abs(both.inputImpedance(hz));
                parallel();
                EXPECT_NEAR(state.point.yyLinea, inParallel, 1e-4 * inParallel) << "parallel at " << hz << " Hz";
            });
        });
    }
};

// Serial Vented: the driver's rear on chamber 1, vent 1 into chamber 2,
// vent 2 outside; each chamber leaks with its Qb quoted at its own vent's
// tuning with that chamber alone.
oc::LumpedCircuit serialVentedCircuit(const oc::DriverParams& d) {
    const BoxParameters& b = state.box;
    oc::ChamberLoss rear, front;
    rear.leakageQ = b.QL1;
    rear.atHz = b.FB1;
    front.leakageQ = b.QL2;
    front.atHz = b.FB2;
    return oc::serialVented(d, b.VB1, b.VB2, b.FB1, b.FB2, rear, front);
}

TEST_F(AgainstLumpedCircuit, SerialVented) {
    struct Case {
        int32_t alin;
        double ql1, ql2;
    };
    for (const Case c : {Case{1, 7.0, 7.0}, Case{3, 5.0, 15.0}, Case{4, 20.0, 3.0}}) {
        selectSystem(1, 5, c.alin);
        state.box.QL1 = c.ql1;
        state.box.QL2 = c.ql2;
        CofCal();
        const oc::LumpedCircuit circuit = serialVentedCircuit(driver);
        compareLevel(circuit, {"driver", "vent2", "rear leak", "front leak"}, [] { SVFRcal(); }, 0.01, "total");
        compareLevel(circuit, {"driver"}, [] { SVdirctFRcal(); }, 0.01, "direct");
        compareLevel(circuit, {"vent2"}, [] { SVvent2FRcal(); }, 0.01, "vent 2");
        compareExcursion(circuit, "driver", [] { dpPlot3(); }, "cone");
        compareImpedance(circuit, [] { SVIMPcal(); }, "impedance");
    }
}

// Twin Serial Vented: the driver's rear on chamber 1; vent 1 is two branches
// of equal mass, each of which alone tunes chamber 1 to FB1, into chambers 2
// and 3; vents 2 and 3 lead outside. Each chamber leaks with its Qb quoted at
// its own tuning. Every chamber leaks to the outside, and what leaks
// radiates with the vents.
oc::LumpedCircuit twinSerialVentedCircuit(const oc::DriverParams& d) {
    const BoxParameters& b = state.box;
    oc::LumpedCircuit circuit;
    const int c1 = circuit.addNode("chamber 1");
    const int c2 = circuit.addNode("chamber 2");
    const int c3 = circuit.addNode("chamber 3");
    circuit.addDriver(d, c1, oc::LumpedCircuit::kOutside, "driver");
    auto leak = [](double q, double hz) {
        oc::ChamberLoss loss;
        loss.leakageQ = q;
        loss.atHz = hz;
        return loss;
    };
    circuit.addChamber(c1, b.VB1, leak(b.QL1, b.FB1), "chamber1");
    circuit.addChamber(c2, b.VB2, leak(b.QL2, b.FB2), "chamber2");
    circuit.addChamber(c3, b.VB3, leak(b.QL3, b.FB3), "chamber3");
    const double branch = oc::ventMassForTuning(b.FB1, b.VB1);
    circuit.addVent(c1, c2, branch, 0.0, "vent1a");
    circuit.addVent(c1, c3, branch, 0.0, "vent1b");
    circuit.addVent(c2, oc::LumpedCircuit::kOutside, oc::ventMassForTuning(b.FB2, b.VB2), 0.0, "vent2");
    circuit.addVent(c3, oc::LumpedCircuit::kOutside, oc::ventMassForTuning(b.FB3, b.VB3), 0.0, "vent3");
    return circuit;
}

TEST_F(AgainstLumpedCircuit, TwinSerialVented) {
    struct Case {
        int32_t alin;
        double ql1, ql2, ql3;
    };
    for (const Case c : {Case{1, 7.0, 7.0, 7.0}, Case{2, 5.0, 15.0, 10.0}, Case{1, 20.0, 3.0, 7.0}}) {
        selectSystem(1, 6, c.alin);
        state.box.QL1 = c.ql1;
        state.box.QL2 = c.ql2;
        state.box.QL3 = c.ql3;
        CofCal();
        const oc::LumpedCircuit circuit = twinSerialVentedCircuit(driver);
        compareLevel(circuit, {"driver", "vent2", "vent3", "chamber1 leak", "chamber2 leak", "chamber3 leak"},
                     [] { PVFRcal(); }, 0.01, "total");
        compareLevel(circuit, {"driver"}, [] { PVdirctFRcal(); }, 0.01, "direct");
        compareLevel(circuit, {"vent2"}, [] { PVvent2FRcal(); }, 0.01, "vent 2");
        compareLevel(circuit, {"vent3"}, [] { PVvent3FRcal(); }, 0.01, "vent 3");
        compareExcursion(circuit, "driver", [] { dpPlot3(); }, "cone");
        compareImpedance(circuit, [] { PVIMPcal(); }, "impedance");
    }
}

// Complex Closed: speaker 2 radiates from its front, its rear on chamber 2;
// speaker 1's front faces chamber 2 and its rear chamber 1. Each chamber's
// absorption Qa is quoted at the resonance FC1 (chamber 1) or FC2 (chamber 2).
// `open` names the speaker whose coil is left open (a passive cone), if any.
oc::LumpedCircuit complexClosedCircuit(const oc::DriverParams& d, const oc::RadiatorParams& passive, int open) {
    const BoxParameters& b = state.box;
    oc::LumpedCircuit circuit;
    const int c1 = circuit.addNode("chamber 1");
    const int c2 = circuit.addNode("chamber 2");
    if (open == 2) circuit.addRadiator(passive, c2, oc::LumpedCircuit::kOutside, "speaker2");
    else circuit.addDriver(d, c2, oc::LumpedCircuit::kOutside, "speaker2");
    if (open == 1) circuit.addRadiator(passive, c1, c2, "speaker1");
    else circuit.addDriver(d, c1, c2, "speaker1");
    oc::ChamberLoss loss1, loss2;
    loss1.absorptionQ = b.QA1;
    loss1.atHz = b.FC1;
    loss2.absorptionQ = b.QA2;
    loss2.atHz = b.FC2;
    circuit.addChamber(c1, b.VAB1 > 0.0 && state.selection.Alin == 2 ? b.VAB1 : b.VB1, loss1, "chamber1");
    circuit.addChamber(c2, b.VAB2 > 0.0 && state.selection.Alin == 2 ? b.VAB2 : b.VB2, loss2, "chamber2");
    return circuit;
}

TEST_F(AgainstLumpedCircuit, ComplexClosed) {
    struct Case {
        int32_t alin;
        double vb1, vb2, qa1, qa2;
    };
    for (const Case c : {Case{1, 0, 0, 10.0, 10.0}, Case{2, 60.0, 12.0, 5.0, 7.0}, Case{2, 20.0, 40.0, 15.0, 20.0}}) {
        selectSystem(1, 7, c.alin);
        state.box.VB1 = c.vb1;
        state.box.VB2 = c.vb2;
        state.box.QA1 = c.qa1;
        state.box.QA2 = c.qa2;
        CofCal();
        const oc::LumpedCircuit both = complexClosedCircuit(driver, openCoilDriver(), 0);
        compareLevel(both, {"speaker2"}, [] { CCFRcal(); }, 0.01, "total");
        state.point.respNum = 1;
        compareExcursion(both, "speaker1", [] { dpPlot3(); }, "speaker 1");
        state.point.respNum = 2;
        compareExcursion(both, "speaker2", [] { dpPlot3(); }, "speaker 2");
        // Each speaker's impedance with the other's coil open.
        compareImpedance(complexClosedCircuit(driver, openCoilDriver(), 2), [] { CCIMPSP1cal(); }, "speaker 1");
        compareImpedance(complexClosedCircuit(driver, openCoilDriver(), 1), [] { CCIMPSP2cal(); }, "speaker 2");
        comparePairImpedances(both, [] { CCIMPserical(); }, [] { CCIMPparacal(); });
    }
}

// Complex Vented: speaker 1 radiates from its front, its rear on the sealed
// chamber 2 (absorption QA1 quoted at FC2); speaker 2's front faces chamber 2
// and its rear drives the vented chamber 1 (leakage QL1 quoted at FB1), whose
// vent radiates.
oc::LumpedCircuit complexVentedCircuit(const oc::DriverParams& d, const oc::RadiatorParams& passive, int open) {
    const BoxParameters& b = state.box;
    oc::LumpedCircuit circuit;
    const int c1 = circuit.addNode("chamber 1");
    const int c2 = circuit.addNode("chamber 2");
    if (open == 1) circuit.addRadiator(passive, c2, oc::LumpedCircuit::kOutside, "speaker1");
    else circuit.addDriver(d, c2, oc::LumpedCircuit::kOutside, "speaker1");
    if (open == 2) circuit.addRadiator(passive, c1, c2, "speaker2");
    else circuit.addDriver(d, c1, c2, "speaker2");
    oc::ChamberLoss leak, absorption;
    leak.leakageQ = b.QL1;
    leak.atHz = b.FB1;
    absorption.absorptionQ = b.QA1;
    absorption.atHz = b.FC2;
    circuit.addChamber(c1, b.VB1, leak, "chamber1");
    circuit.addChamber(c2, state.selection.Alin == 2 ? b.VAB2 : b.VB2, absorption, "chamber2");
    circuit.addVent(c1, oc::LumpedCircuit::kOutside, oc::ventMassForTuning(b.FB1, b.VB1), 0.0, "vent");
    return circuit;
}

TEST_F(AgainstLumpedCircuit, ComplexVented) {
    struct Case {
        int32_t alin;
        double vb1, vb2, fb1, ql1, qa1;
    };
    for (const Case c : {Case{1, 0, 0, 0, 7.0, 10.0}, Case{2, 60.0, 15.0, 28.0, 5.0, 5.0},
                         Case{2, 40.0, 80.0, 40.0, 15.0, 7.0}}) {
        selectSystem(1, 8, c.alin);
        state.box.VB1 = c.vb1;
        state.box.VB2 = c.vb2;
        state.box.FB1 = c.fb1;
        state.box.QL1 = c.ql1;
        state.box.QA = state.box.QA1 = c.qa1;
        CofCal();
        const oc::LumpedCircuit both = complexVentedCircuit(driver, openCoilDriver(), 0);
        compareLevel(both, {"speaker1", "vent", "chamber1 leak"}, [] { CVFRcal(); }, 0.01, "total");
        compareLevel(both, {"speaker1"}, [] { CVdirectFRcal(); }, 0.01, "direct");
        compareLevel(both, {"vent"}, [] { CVventFRcal(); }, 0.01, "vent");
        state.point.respNum = 1;
        compareExcursion(both, "speaker1", [] { dpPlot3(); }, "speaker 1");
        state.point.respNum = 2;
        compareExcursion(both, "speaker2", [] { dpPlot3(); }, "speaker 2");
        compareImpedance(complexVentedCircuit(driver, openCoilDriver(), 2), [] { CVIMPSP1cal(); }, "speaker 1");
        compareImpedance(complexVentedCircuit(driver, openCoilDriver(), 1), [] { CVIMPSP2cal(); }, "speaker 2");
        comparePairImpedances(both, [] { CVIMPserical(); }, [] { CVIMPparacal(); });
    }
}

// Each vent's air speed is the peak speed of the air in that vent at the
// input power, over the whole grid; the two-branch vent 1 of the Twin
// Serial Vented system shows its faster branch.
TEST_F(AgainstLumpedCircuit, EachVentsAirSpeedIsTheSpeedOfItsAir) {
    state.vents.SV11 = 0.004;
    state.vents.SV22 = 0.003;
    state.vents.SV33 = 0.002;

    selectSystem(1, 5, 1);
    test::expectPhysicalVentSpeeds(kPin, [&] { return serialVentedCircuit(driver); },
                                   {{1, 1, {"vent1"}}, {2, 2, {"vent2"}}}, 1e-4);

    selectSystem(1, 6, 1);
    test::expectPhysicalVentSpeeds(kPin, [&] { return twinSerialVentedCircuit(driver); },
                                   {{1, 1, {"vent1a", "vent1b"}, true}, {2, 2, {"vent2"}}, {3, 3, {"vent3"}}}, 1e-4);

    selectSystem(1, 8, 1);
    test::expectPhysicalVentSpeeds(kPin, [&] { return complexVentedCircuit(driver, openCoilDriver(), 0); },
                                   {{1, 1, {"vent"}}}, 1e-4);
}

// Designed vents against the model: at its minimum area each vent's air
// peaks at the speed limit.
TEST_F(AgainstLumpedCircuit, DesignedVentsCarryTheSpeedLimitAtTheirPeaks) {
    selectSystem(1, 6, 1);
    test::expectDesignedVentsAtTheLimit(kPin, [&] { return twinSerialVentedCircuit(driver); },
                                        {{1, 1, {"vent1a", "vent1b"}, true}, {2, 2, {"vent2"}}, {3, 3, {"vent3"}}},
                                        1e-3);
}

}  // namespace
}  // namespace quendal
