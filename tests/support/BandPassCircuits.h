// The lumped-circuit model set up as the five band-pass and twin-vented
// enclosures, from the driver and box values in the program's state (after
// the unit's coefficient routine has run its alignment), with the elements
// whose flows each unit's system output radiates.
#pragma once

#include <complex>
#include <vector>

#include "model/State.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::testing {

struct BandPassNetwork {
    oracle::LumpedCircuit circuit;
    std::vector<const char*> outputs;  // elements whose flows make the system output

    // The system output's volume velocity at hz.
    std::complex<double> output(double hz) const {
        const oracle::Solution s = circuit.solve(hz);
        std::complex<double> u = 0.0;
        for (const char* name : outputs) u += s.volumeVelocity[static_cast<std::size_t>(circuit.find(name))];
        return u;
    }
};

// The driver of the state (no coil inductance) for the circuit.
inline oracle::DriverParams stateDriver(double sdCm2 = 200.0) {
    const SpeakerParameters& sp = state.speaker;
    oracle::ThieleSmall ts;
    ts.fsHz = sp.FS;
    ts.vasLitre = sp.VAS;
    ts.qms = sp.QMS;
    ts.qes = sp.QES;
    ts.reOhm = sp.RE;
    ts.leMilliHenry = 0.0;
    ts.sdCm2 = sdCm2;
    return oracle::DriverParams::fromThieleSmall(ts);
}

// Raveza Box: the driver between a sealed chamber (absorption QA1 at FC1) and
// a vented one (leak QL1 at FB2) whose vent radiates.
inline BandPassNetwork ravezaBoxNetwork() {
    const BoxParameters& b = state.box;
    return {oracle::bandPass(stateDriver(), b.VAB1, b.VB2, b.FB2, {.absorptionQ = b.QA1, .atHz = b.FC1},
                             {.leakageQ = b.QL1, .atHz = b.FB2}),
            {"vent"}};
}

// Passive Raveza: as the Raveza Box with a passive radiator for the vent.
inline BandPassNetwork passiveRavezaNetwork() {
    const BoxParameters& b = state.box;
    const PassiveRadiatorParameters& pr = state.radiator;
    BandPassNetwork n;
    const int rear = n.circuit.addNode("rear");
    const int front = n.circuit.addNode("front");
    n.circuit.addDriver(stateDriver(), rear, front, "driver");
    n.circuit.addChamber(rear, b.VAB, {.absorptionQ = b.QA1, .atHz = b.FC1}, "rear");
    n.circuit.addChamber(front, b.VB2, {.leakageQ = b.QL1, .atHz = b.FB2}, "front");
    n.circuit.addRadiator(oracle::RadiatorParams::fromFreeAir(pr.FP, pr.VAP, pr.QP, 300.0), front,
                          oracle::LumpedCircuit::kOutside, "radiator");
    n.outputs = {"radiator"};
    return n;
}

// Serial Raveza Type1: sealed chamber, driver, middle chamber venting into the
// outer chamber, whose vent radiates.
inline BandPassNetwork serialRavezaType1Network() {
    const BoxParameters& b = state.box;
    BandPassNetwork n;
    oracle::LumpedCircuit& c = n.circuit;
    const int sealed = c.addNode("sealed");
    const int middle = c.addNode("middle");
    const int outer = c.addNode("outer");
    c.addDriver(stateDriver(), sealed, middle, "driver");
    c.addChamber(sealed, b.VAB, {.absorptionQ = b.QA1, .atHz = b.FC1}, "sealed");
    c.addChamber(middle, b.VB2, {.leakageQ = b.QL1, .atHz = b.FB2}, "middle");
    c.addVent(middle, outer, oracle::ventMassForTuning(b.FB2, b.VB2), 0.0, "vent1");
    c.addChamber(outer, b.VB3, {.leakageQ = b.QL2, .atHz = b.FB3}, "outer");
    c.addVent(outer, oracle::LumpedCircuit::kOutside, oracle::ventMassForTuning(b.FB3, b.VB3), 0.0, "vent2");
    n.outputs = {"vent2"};
    return n;
}

// Serial Raveza Type2: two vented chambers in series behind the driver; the
// second vent radiates.
inline BandPassNetwork serialRavezaType2Network() {
    const BoxParameters& b = state.box;
    return {oracle::serialVented(stateDriver(), b.VB1, b.VB2, b.FB1, b.FB2, {.leakageQ = b.QL1, .atHz = b.FB1},
                                 {.leakageQ = b.QL2, .atHz = b.FB2}),
            {"vent2"}};
}

// Twin Vented: the driver between two vented chambers; both vents radiate.
inline BandPassNetwork twinVentedNetwork() {
    const BoxParameters& b = state.box;
    BandPassNetwork n;
    oracle::LumpedCircuit& c = n.circuit;
    const int one = c.addNode("one");
    const int two = c.addNode("two");
    c.addDriver(stateDriver(), two, one, "driver");
    c.addChamber(one, b.VB1, {.leakageQ = b.QL1, .atHz = b.FB1}, "one");
    c.addChamber(two, b.VB2, {.leakageQ = b.QL2, .atHz = b.FB2}, "two");
    c.addVent(one, oracle::LumpedCircuit::kOutside, oracle::ventMassForTuning(b.FB1, b.VB1), 0.0, "vent1");
    c.addVent(two, oracle::LumpedCircuit::kOutside, oracle::ventMassForTuning(b.FB2, b.VB2), 0.0, "vent2");
    n.outputs = {"vent1", "vent2"};
    return n;
}

}  // namespace quendal::testing
