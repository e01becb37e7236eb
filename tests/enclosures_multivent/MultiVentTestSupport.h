// The lumped-circuit model set up as the three multi-vent enclosures, from
// the driver and box values in the program's state, and the comparison of a
// unit's curve with it at one sweep point.
//
// Each chamber is a compliance with a leak across it that radiates nothing
// (to the pressure reference), QL = w_b * C * R at the chamber's vent tuning
// w_b: the loss the units model. The model's far field is relative to the
// driver's own high-frequency asymptote in a baffle, which is what the
// units' unnormalised (Magni 1) amplitude is relative to.
#pragma once

#include <cmath>
#include <complex>

#include "model/State.h"
#include "support/BandPassTestSupport.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::testing {

using oracle::LumpedCircuit;

inline oracle::DriverParams oracleDriver() {
    const SpeakerParameters& sp = state.speaker;
    oracle::ThieleSmall ts;
    ts.fsHz = sp.FS;
    ts.vasLitre = sp.VAS;
    ts.qms = sp.QMS;
    ts.qes = sp.QES;
    ts.reOhm = sp.RE;
    ts.leMilliHenry = 0.0;
    ts.sdCm2 = 200.0;
    return oracle::DriverParams::fromThieleSmall(ts);
}

// The voice-coil inductance the impedance comparisons give the unit (ZL) and
// every driver of the model.
constexpr double kCoilMilliHenry = 1.0;
inline LumpedCircuit withCoilInductance(LumpedCircuit c) {
    state.rscales.ZL = 2.0 * oracle::kPi * kCoilMilliHenry / 1000.0;
    c.setCoilInductance(kCoilMilliHenry / 1000.0);
    return c;
}

// A chamber of volumeLitre on node with a vent tuned to fbHz against it from
// node to `to`, and the chamber's leak. Returns the vent's element index.
inline int ventedChamber(LumpedCircuit& c, int node, int to, double volumeLitre, double fbHz, double ql,
                         const char* vent) {
    c.addChamber(node, volumeLitre, {}, "chamber");
    const double w = 2.0 * oracle::kPi * fbHz;
    if (std::isfinite(ql)) {  // no loss: no leak at all
        c.addResistance(node, LumpedCircuit::kGround, ql / (w * oracle::chamberCompliance(volumeLitre)), "leak");
    }
    return c.addVent(node, to, oracle::ventMassForTuning(fbHz, volumeLitre), 0.0, vent);
}

// Delta Vented: chambers 1 and 2 on the two faces of the cone, both venting
// into chamber 3, which vents outside.
inline LumpedCircuit deltaCircuit() {
    const BoxParameters& b = state.box;
    LumpedCircuit c;
    const int n1 = c.addNode("chamber 1"), n2 = c.addNode("chamber 2"), n3 = c.addNode("chamber 3");
    c.addDriver(oracleDriver(), n2, n1, "driver");
    ventedChamber(c, n1, n3, b.VB1, b.FB1, b.QL1, "vent1");
    ventedChamber(c, n2, n3, b.VB2, b.FB2, b.QL2, "vent2");
    ventedChamber(c, n3, LumpedCircuit::kOutside, b.VB3, b.FB3, b.QL3, "vent3");
    return c;
}

// Twin Serial: chamber 1 on the front vents into chamber 2, which vents
// outside; chamber 3 on the rear vents outside.
inline LumpedCircuit twinSerialCircuit() {
    const BoxParameters& b = state.box;
    LumpedCircuit c;
    const int n1 = c.addNode("chamber 1"), n2 = c.addNode("chamber 2"), n3 = c.addNode("chamber 3");
    c.addDriver(oracleDriver(), n3, n1, "driver");
    ventedChamber(c, n1, n2, b.VB1, b.FB1, b.QL1, "vent1");
    ventedChamber(c, n2, LumpedCircuit::kOutside, b.VB2, b.FB2, b.QL2, "vent2");
    ventedChamber(c, n3, LumpedCircuit::kOutside, b.VB3, b.FB3, b.QL3, "vent3");
    return c;
}

// Triple Vented: driver 1 between chambers 3 and 1, driver 2 between
// chambers 3 and 2 (same voltage); each chamber vents outside.
inline LumpedCircuit tripleVentedCircuit() {
    const BoxParameters& b = state.box;
    LumpedCircuit c;
    const int n1 = c.addNode("chamber 1"), n2 = c.addNode("chamber 2"), n3 = c.addNode("chamber 3");
    c.addDriver(oracleDriver(), n3, n1, "driver");
    c.addDriver(oracleDriver(), n3, n2, "driver2");
    ventedChamber(c, n1, LumpedCircuit::kOutside, b.VB1, b.FB1, b.QL1, "vent1");
    ventedChamber(c, n2, LumpedCircuit::kOutside, b.VB2, b.FB2, b.QL2, "vent2");
    ventedChamber(c, n3, LumpedCircuit::kOutside, b.VB3, b.FB3, b.QL3, "vent3");
    return c;
}

// The frequency (Hz) the units evaluate at a grid point: f is single precision.
inline double evaluatedHz() { return static_cast<double>(state.point.f) * state.speaker.FS; }

// The volume velocity through the model's element of that name.
inline std::complex<double> flowOf(const LumpedCircuit& c, const oracle::Solution& s, const char* name) {
    return s.volumeVelocity[static_cast<std::size_t>(c.find(name))];
}

// A flow's far-field pressure relative to the model's reference, in dB.
inline double flowLevelDb(const LumpedCircuit& c, const oracle::Solution& s, std::complex<double> flow) {
    const double w = 2.0 * oracle::kPi * s.freqHz;
    return 20.0 * std::log10(std::abs(w * oracle::kAirDensity / (2.0 * oracle::kPi) * flow) / c.referencePressure());
}

// The cone's excursion relative to its static excursion in free air
// (Bl V / Re * Cms): what the units' relative displacement is.
inline double relativeExcursion(const LumpedCircuit& c, const oracle::Solution& s, int driver) {
    const oracle::DriverParams& d = c.elements()[static_cast<std::size_t>(driver)].driver;
    const double staticPeak = std::sqrt(2.0) * d.bl * c.driveVoltage() / d.re * d.cms;
    return s.coneExcursionPeak(driver) / staticPeak;
}

// The box values of a custom design (alignment item `custom`).
inline void customBox(double vb1, double fb1, double ql1, double vb2, double fb2, double ql2, double vb3,
                      double fb3, double ql3) {
    BoxParameters& b = state.box;
    b.VB1 = vb1;
    b.FB1 = fb1;
    b.QL1 = ql1;
    b.VB2 = vb2;
    b.FB2 = fb2;
    b.QL2 = ql2;
    b.VB3 = vb3;
    b.FB3 = fb3;
    b.QL3 = ql3;
}

}  // namespace quendal::testing
