// Each band-pass unit against the lumped-circuit model of its enclosure: the
// driver, its chambers with their losses, vents and radiator as physical
// elements, solved at every grid frequency. The unit's system curve must be
// the radiated output, its cone curve the cone's excursion, its air-speed
// curves the vents' flows (and at the input power the speeds of the vents'
// air) and its impedance the circuit's.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "enclosures/KTcal.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/PKcal.h"
#include "enclosures/SK1cal.h"
#include "enclosures/SK2cal.h"
#include "enclosures/TVcal.h"
#include "model/State.h"
#include "support/BandPassCircuits.h"
#include "support/BandPassTestSupport.h"
#include "support/VentSpeedComparison.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal {
namespace {

using namespace quendal::testing;
namespace or_ = quendal::oracle;
constexpr double kPi = std::numbers::pi;

// The unit's driver and the same driver for the circuit (no coil inductance;
// the impedance comparison gives both one).
or_::DriverParams setBoth(double FS, double VAS, double QTS, double QMS) {
    resetState();
    setDriver(FS, VAS, QTS, QMS);
    const SpeakerParameters& sp = state.speaker;
    or_::ThieleSmall ts;
    ts.fsHz = FS; ts.vasLitre = VAS; ts.qms = QMS; ts.qes = sp.QES; ts.reOhm = sp.RE; ts.leMilliHenry = 0.0;
    ts.sdCm2 = 200.0;
    return or_::DriverParams::fromThieleSmall(ts);
}

// What one unit offers for comparison, and where the circuit has it.
struct Comparison {
    void (*cofCal)() = nullptr;
    void (*system)() = nullptr;          // amplitude of the radiated output
    void (*cone)() = nullptr;            // cone displacement
    void (*groupDelay)() = nullptr;
    void (*impedance)() = nullptr;
    std::vector<int> outputs;            // circuit elements whose flows radiate
    // An air speed is the flow at the angular frequency; a radiator's
    // displacement the flow itself.
    struct Flow { void (*evaluator)(); int element; const char* name; bool airSpeed = true; };
    std::vector<Flow> flows;             // air-speed (or radiator) evaluators
    int driver = 0;
};

void compare(const or_::LumpedCircuit& circuit, const or_::DriverParams& d, const Comparison& cmp) {
    const double FS = state.speaker.FS;
    const double x0 = d.bl * circuit.driveVoltage() * d.cms / d.re;  // excursion at DC, on the suspension alone
    auto flowRatio = [&](const or_::Solution& s, int element, double hz) {
        return s.volumeVelocity[static_cast<std::size_t>(element)] / (cd(0.0, 2.0 * kPi * hz) * d.sd * x0);
    };
    auto output = [&](double hz) {
        const or_::Solution s = circuit.solve(hz);
        cd u = 0.0;
        for (int e : cmp.outputs) u += flowRatio(s, e, hz);
        const double fn = hz / FS;
        return -fn * fn * u;  // (j f)^2: far-field pressure over the baffle asymptote
    };

    state.view.s_Resp = "amp";
    cmp.cofCal();
    state.rscales.XD = 1.0;
    state.rscales.XPR = 1.0;
    state.rscales.VEL = state.rscales.VEL1 = state.rscales.VEL2 = 1.0;
    state.view.Magni = 1;
    double worstDb = 0.0;
    for (double gridHz_ : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(gridHz_ / FS));
        const double hz = f * FS;
        const or_::Solution s = circuit.solve(hz);
        atPoint(cmp.system, f);
        const double levelDb = 20.0 * std::log10(std::abs(output(hz)));
        worstDb = std::max(worstDb, std::abs(-state.point.yy - levelDb));
        EXPECT_NEAR(-state.point.yy, levelDb, 2e-3) << "amplitude at " << hz << " Hz";
        atPoint(cmp.cone, f);
        const double cone = std::abs(s.coneDisplacement(cmp.driver)) / x0;
        EXPECT_NEAR(state.point.yy / cone, 1.0, 1e-4) << "cone at " << hz << " Hz";
        // With VEL 1 an air-speed curve is f times the volume the vent's air
        // moves over the cone's static volume displacement.
        for (const Comparison::Flow& flow : cmp.flows) {
            atPoint(flow.evaluator, f);
            const double expected = (flow.airSpeed ? f : 1.0) * std::abs(flowRatio(s, flow.element, hz));
            EXPECT_NEAR(state.point.yy / expected, 1.0, 1e-4) << flow.name << " at " << hz << " Hz";
        }
        const double dh = 1e-6 * hz;
        const double tauMs = -std::arg(output(hz + dh) / output(hz - dh)) / (2.0 * kPi * 2.0 * dh) * 1000.0;
        atPoint(cmp.groupDelay, f);
        EXPECT_NEAR(state.point.yy, tauMs, 1e-3 + 1e-4 * std::abs(tauMs)) << "group delay at " << hz << " Hz";
    }
    // The impedance at the input with a coil inductance of 1 mH, on the
    // impedance page (QMS in the curve).
    buildCurrentDriveCoefficients([&] { cmp.cofCal(); });
    const SpeakerParameters& sp = state.speaker;
    state.rscales.RES = sp.RE * sp.QMS / sp.QES;
    state.rscales.ZL = 2.0 * kPi * 1.0 / 1000.0;
    or_::LumpedCircuit withCoil = circuit;
    withCoil.setCoilInductance(1e-3);
    for (double gridHz_ : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(gridHz_ / FS));
        atPoint(cmp.impedance, f);
        const double z = std::abs(withCoil.inputImpedance(f * FS));
        EXPECT_NEAR(state.point.yyLinea / z, 1.0, 1e-4) << "impedance at " << f * FS << " Hz";
    }
}

// ---- Raveza Box ---------------------------------------------------------------

TEST(BandPassOracle, RavezaBoxIsTheDriverBetweenASealedAndAVentedChamber) {
    struct Case { int alin; double VB1, VB2, FB2, QA1, QL1; };
    const Case cases[] = {{1, 0, 0, 0, 10.0, 7.0}, {2, 0, 0, 0, 5.0, 3.0}, {4, 40.0, 18.0, 62.0, 7.0, 10.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alin);
        const or_::DriverParams d = setBoth(38.0, 60.0, 0.35, 3.5);
        state.selection.Alin = c.alin;
        state.box.VB1 = c.VB1; state.box.VB2 = c.VB2; state.box.FB2 = c.FB2;
        state.box.QA = state.box.QA1 = c.QA1;
        state.box.QL1 = c.QL1;
        KTcofCal();  // the alignment's box
        const BoxParameters& b = state.box;
        const or_::LumpedCircuit circuit =
            or_::bandPass(d, b.VAB1, b.VB2, b.FB2, {.absorptionQ = c.QA1, .atHz = b.FC1},
                          {.leakageQ = c.QL1, .atHz = b.FB2});
        Comparison cmp;
        cmp.cofCal = KTcofCal;
        cmp.system = KTFRcal;
        cmp.cone = KTDPcal;
        cmp.groupDelay = KTGDcal;
        cmp.impedance = KTIMPcal;
        cmp.outputs = {circuit.find("vent")};
        cmp.flows = {{KTAScal, circuit.find("vent"), "vent"}};
        cmp.driver = circuit.find("driver");
        compare(circuit, d, cmp);
    }
}

// ---- Passive Raveza -----------------------------------------------------------

TEST(BandPassOracle, PassiveRavezaRadiatesThroughItsRadiatorAlone) {
    struct Case { int alin; double QA1, QL1; };
    for (const Case& c : {Case{1, 10.0, 7.0}, Case{2, 5.0, 3.0}, Case{5, 7.0, 10.0}}) {
        SCOPED_TRACE(c.alin);
        const or_::DriverParams d = setBoth(38.0, 60.0, 0.35, 3.5);
        state.selection.Alin = c.alin;
        state.box.VB1 = 35.0; state.box.VB2 = 12.0;
        state.radiator.FP = 24.0; state.radiator.VAP = 40.0; state.radiator.QP = 6.0;
        state.box.QA = state.box.QA1 = c.QA1;
        state.box.QL1 = c.QL1;
        PKcofCal();
        const BoxParameters& b = state.box;
        const PassiveRadiatorParameters& pr = state.radiator;
        or_::LumpedCircuit circuit;
        const int rear = circuit.addNode("rear");
        const int front = circuit.addNode("front");
        circuit.addDriver(d, rear, front, "driver");
        circuit.addChamber(rear, b.VAB, {.absorptionQ = c.QA1, .atHz = b.FC1}, "rear");
        circuit.addChamber(front, b.VB2, {.leakageQ = c.QL1, .atHz = b.FB2}, "front");
        circuit.addRadiator(or_::RadiatorParams::fromFreeAir(pr.FP, pr.VAP, pr.QP, 300.0), front,
                            or_::LumpedCircuit::kOutside, "radiator");
        Comparison cmp;
        cmp.cofCal = PKcofCal;
        cmp.system = PKFRcal;
        cmp.cone = PKdriverDPcal;
        cmp.groupDelay = PKGDcal;
        cmp.impedance = PKIMPcal;
        cmp.outputs = {circuit.find("radiator")};
        // The radiator's displacement curve is its volume displacement.
        cmp.flows = {{PKprDPcal, circuit.find("radiator"), "radiator", false}};
        cmp.driver = circuit.find("driver");
        compare(circuit, d, cmp);
    }
}

// ---- Serial Raveza Type1 ------------------------------------------------------

or_::LumpedCircuit serialRavezaType1Circuit(const or_::DriverParams& d) {
    const BoxParameters& b = state.box;
    or_::LumpedCircuit circuit;
    const int sealed = circuit.addNode("sealed");
    const int middle = circuit.addNode("middle");
    const int outer = circuit.addNode("outer");
    circuit.addDriver(d, sealed, middle, "driver");
    circuit.addChamber(sealed, b.VAB, {.absorptionQ = b.QA1, .atHz = b.FC1}, "sealed");
    circuit.addChamber(middle, b.VB2, {.leakageQ = b.QL1, .atHz = b.FB2}, "middle");
    circuit.addVent(middle, outer, or_::ventMassForTuning(b.FB2, b.VB2), 0.0, "vent1");
    circuit.addChamber(outer, b.VB3, {.leakageQ = b.QL2, .atHz = b.FB3}, "outer");
    circuit.addVent(outer, or_::LumpedCircuit::kOutside, or_::ventMassForTuning(b.FB3, b.VB3), 0.0, "vent2");
    return circuit;
}

TEST(BandPassOracle, SerialRavezaType1IsThreeChambersInSeries) {
    // The open terms of its coefficients are those that make this hold.
    struct Case { int alin; double QTS, QA1, QL1, QL2; };
    for (const Case& c : {Case{1, 0.35, 10.0, 7.0, 7.0}, Case{2, 0.5, 5.0, 3.0, 10.0}, Case{3, 0.3, 7.0, 5.0, 20.0}}) {
        SCOPED_TRACE(c.alin);
        const or_::DriverParams d = setBoth(38.0, 60.0, c.QTS, 3.5);
        state.selection.Alin = c.alin;
        state.box.VB1 = 30.0; state.box.VB2 = 14.0; state.box.VB3 = 22.0;
        state.box.FB2 = 85.0; state.box.FB3 = 52.0;
        state.box.QA = state.box.QA1 = c.QA1;
        state.box.QL1 = c.QL1;
        state.box.QL2 = c.QL2;
        SK1cofCal();
        const or_::LumpedCircuit circuit = serialRavezaType1Circuit(d);
        Comparison cmp;
        cmp.cofCal = SK1cofCal;
        cmp.system = SK1vent2FRcal;
        cmp.cone = SK1DPcal;
        cmp.groupDelay = SK1GDcal;
        cmp.impedance = SK1IMPcal;
        cmp.outputs = {circuit.find("vent2")};
        cmp.flows = {{SK1vent1AScal, circuit.find("vent1"), "vent 1"},
                     {SK1vent2AScal, circuit.find("vent2"), "vent 2"}};
        cmp.driver = circuit.find("driver");
        compare(circuit, d, cmp);
    }
}

// ---- Serial Raveza Type2 ------------------------------------------------------

TEST(BandPassOracle, SerialRavezaType2IsTwoVentedChambersInSeries) {
    struct Case { int alin; double QTS, QL1, QL2; };
    for (const Case& c : {Case{1, 0.35, 7.0, 7.0}, Case{2, 0.5, 3.0, 10.0}, Case{3, 0.3, 5.0, 20.0}}) {
        SCOPED_TRACE(c.alin);
        const or_::DriverParams d = setBoth(38.0, 60.0, c.QTS, 3.5);
        state.selection.Alin = c.alin;
        state.box.VB1 = 30.0; state.box.VB2 = 14.0; state.box.FB1 = 48.0; state.box.FB2 = 66.0;
        state.box.QL1 = c.QL1;
        state.box.QL2 = c.QL2;
        SK2cofCal();
        const BoxParameters& b = state.box;
        const or_::LumpedCircuit circuit =
            or_::serialVented(d, b.VB1, b.VB2, b.FB1, b.FB2, {.leakageQ = c.QL1, .atHz = b.FB1},
                              {.leakageQ = c.QL2, .atHz = b.FB2});
        Comparison cmp;
        cmp.cofCal = SK2cofCal;
        cmp.system = SK2vent2FRcal;
        cmp.cone = SK2DPcal;
        cmp.groupDelay = SK2GDcal;
        cmp.impedance = SK2IMPcal;
        cmp.outputs = {circuit.find("vent2")};
        cmp.flows = {{SK2vent1AScal, circuit.find("vent1"), "vent 1"},
                     {SK2vent2AScal, circuit.find("vent2"), "vent 2"}};
        cmp.driver = circuit.find("driver");
        compare(circuit, d, cmp);
    }
}

// ---- Twin Vented --------------------------------------------------------------

TEST(BandPassOracle, TwinVentedIsTheDriverBetweenTwoVentedChambers) {
    struct Case { int alin; double QL1, QL2; };
    for (const Case& c : {Case{1, 7.0, 7.0}, Case{2, 3.0, 10.0}, Case{3, 5.0, 5.0}, Case{4, 20.0, 3.0}}) {
        SCOPED_TRACE(c.alin);
        const or_::DriverParams d = setBoth(45.0, 80.0, 0.38, 4.0);
        state.selection.Alin = c.alin;
        state.box.VB1 = 40.0; state.box.VB2 = 150.0; state.box.FB1 = 75.0; state.box.FB2 = 32.0;
        state.box.QL1 = c.QL1;
        state.box.QL2 = c.QL2;
        TVcofCal();
        const BoxParameters& b = state.box;
        or_::LumpedCircuit circuit;
        const int one = circuit.addNode("one");
        const int two = circuit.addNode("two");
        circuit.addDriver(d, two, one, "driver");
        circuit.addChamber(one, b.VB1, {.leakageQ = c.QL1, .atHz = b.FB1}, "one");
        circuit.addChamber(two, b.VB2, {.leakageQ = c.QL2, .atHz = b.FB2}, "two");
        circuit.addVent(one, or_::LumpedCircuit::kOutside, or_::ventMassForTuning(b.FB1, b.VB1), 0.0, "vent1");
        circuit.addVent(two, or_::LumpedCircuit::kOutside, or_::ventMassForTuning(b.FB2, b.VB2), 0.0, "vent2");
        Comparison cmp;
        cmp.cofCal = TVcofCal;
        cmp.system = TVFRcal;
        cmp.cone = TVDPcal;
        cmp.groupDelay = TVGDcal;
        cmp.impedance = TVIMPcal;
        // Both vents radiate; chamber 2's vent breathes against the cone's
        // forward stroke, so the sum is vent 1 minus vent 2 of the unit.
        cmp.outputs = {circuit.find("vent1"), circuit.find("vent2")};
        cmp.flows = {{TVvent1AScal, circuit.find("vent1"), "vent 1"},
                     {TVvent2AScal, circuit.find("vent2"), "vent 2"}};
        cmp.driver = circuit.find("driver");
        compare(circuit, d, cmp);
    }
}

// ---- Air speed at the input power --------------------------------------------

// Each vent's air speed is the peak speed of the air in that vent at the
// input power; the Serial Raveza Type2 draws vent 2 first.
TEST(BandPassOracle, EachVentsAirSpeedIsTheSpeedOfItsAir) {
    struct Case {
        int button;
        BandPassNetwork (*network)();
        std::vector<test::VentUnderTest> vents;
    };
    const Case cases[] = {
        {1, ravezaBoxNetwork, {{1, 1, {"vent"}}}},
        {3, serialRavezaType1Network, {{1, 1, {"vent1"}}, {2, 2, {"vent2"}}}},
        {4, serialRavezaType2Network, {{1, 2, {"vent2"}}, {2, 1, {"vent1"}}}},
        {5, twinVentedNetwork, {{1, 1, {"vent1"}}, {2, 2, {"vent2"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        setBoth(38.0, 60.0, 0.35, 3.5);
        selectBandPass(c.button, 1);
        state.box.QA = state.box.QA1 = 10.0;
        state.box.QL1 = state.box.QL2 = 7.0;
        state.vents.SV11 = 0.004;
        state.vents.SV22 = 0.0025;
        test::expectPhysicalVentSpeeds(2.0, [&] { return c.network().circuit; }, c.vents, 1e-4);
    }
}

// Designed vents against the model: at its minimum area each vent's air
// peaks at the speed limit.
TEST(BandPassOracle, DesignedVentsCarryTheSpeedLimitAtTheirPeaks) {
    setBoth(38.0, 60.0, 0.35, 3.5);
    selectBandPass(4, 1);
    state.box.QA = state.box.QA1 = 10.0;
    state.box.QL1 = state.box.QL2 = 7.0;
    test::expectDesignedVentsAtTheLimit(2.0, [] { return serialRavezaType2Network().circuit; },
                                        {{1, 2, {"vent2"}}, {2, 1, {"vent1"}}}, 1e-3);
}

}  // namespace
}  // namespace quendal
