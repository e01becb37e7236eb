// An independent lumped-circuit model of loudspeaker enclosures, for tests.
//
// The calculation units of the program work on normalised transfer
// functions. This model knows nothing of them: it describes an enclosure as
// physical elements between nodes and solves the complex network at one
// frequency at a time. Tests compare the units' curves with it.
//
// Network conventions
// -------------------
// * Acoustic impedance analogy: a node's potential is the sound pressure of
//   an air space (Pa, complex rms phasor); a branch current is the volume
//   velocity through an element (m^3/s, complex rms phasor).
// * Two nodes have a fixed pressure of zero:
//     kOutside - the open air on the listener's side. Every volume velocity
//                that enters kOutside through an element is radiated.
//     kGround  - the pressure reference that radiates nothing: the far side
//                of every chamber compliance, and the rear half-space behind
//                an infinite baffle.
//   Every other node is an air space created with addNode().
// * Each element is a branch from node `a` to node `b`; its volume velocity
//   is positive when air flows through it from a to b. For a driver or a
//   passive radiator, a is the rear face and b the front face, so positive
//   flow means the cone moves forward (towards b).
// * A driver is a mixed electro-mechano-acoustic branch, solved in modified
//   nodal form with two extra unknowns, coil current I and volume velocity U:
//     V_k = (Re + j w Le) I + (Bl / Sd) U
//     Bl I = (Zm / Sd) U + Sd (p_b - p_a),   Zm = Rms + j w Mms + 1/(j w Cms)
//   V_k = gain_k * drive voltage (gain is +1 by default; -1 reverses the
//   polarity of that driver). All drivers share the drive voltage, as when
//   they are wired in parallel; setSeriesConnection(true) wires them in
//   series instead: one current I through every coil (I_k = gain_k I) and
//   the coil voltages sum to the drive voltage (sum of gain_k V_k = V).
// * A passive radiator is the same branch without the coil; vents, chambers
//   and leaks are plain acoustic impedances.
// * No radiation impedance is applied to any face (its mass is taken as part
//   of Mms, Mmp and the vent mass). The far field is that of a source in a
//   half-space (a baffle), at distance r:
//     p = j w rho / (2 pi r) * U_out,
//   with U_out the total volume velocity entering kOutside. This is the
//   radiation condition under which the reference efficiency
//   eta0 = 4 pi^2 Fs^3 Vas / (c^3 Qes) and the sensitivity
//   10 log10(eta0 / (2 pi 1e-12)) dB at 1 W / 1 m hold.
//
// Losses
// ------
// * Chamber absorption (Qa): a resistance in series with the chamber
//   compliance, R = 1 / (Qa w0 C) with w0 the stated frequency (the
//   resonance at which Qa is quoted, usually the closed-box fc). Absorbed
//   flow stays in the box and does not radiate.
// * Chamber leakage (Ql): a resistance in parallel with the compliance,
//   from the chamber node to kOutside, R = Ql / (w0 C) with w0 the stated
//   frequency (usually the box tuning Fb); equivalently Ql w0 M for the vent
//   mass M tuned to w0. Leak flow reaches the open air and radiates.
// * Vent loss: an optional resistance in series with the vent mass.
// * Infinite Q means no loss element at all.
//
// Levels
// ------
// * The drive voltage is an rms value; by default sqrt(Re) of the first
//   driver added, i.e. 1 W into Re. Pressures and volume velocities are rms;
//   cone excursions are reported as peak values (sqrt 2 times rms).
// * relativeLevelDb(f) is 20 log10(|p(f)| / p_ref), where p_ref is by
//   default the high-frequency asymptote of the first driver alone in an
//   infinite baffle with Le = 0 at the same drive voltage and distance:
//     p_ref = rho Sd Bl V / (2 pi r Re Mms).
//   So a closed box or vented box tends to 0 dB far above resonance and an
//   infinite-baffle driver is at 20 log10(Qts) dB at Fs (with Le = 0).
//   setReferencePressure() overrides p_ref (e.g. for several drivers).
#pragma once

#include <complex>
#include <limits>
#include <string>
#include <vector>

namespace quendal::oracle {

using Complex = std::complex<double>;

inline constexpr double kAirDensity = 1.18;   // kg/m^3
inline constexpr double kSoundSpeed = 345.0;  // m/s
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kNoLoss = std::numeric_limits<double>::infinity();

// Acoustic compliance of an air volume given in litres, m^5/N.
double chamberCompliance(double volumeLitre);
// Acoustic mass (kg/m^4) that resonates with the chamber at fHz.
double ventMassForTuning(double fHz, double volumeLitre);

// A driver's Thiele/Small data as entered by a user.
struct ThieleSmall {
    double fsHz = 0.0;
    double vasLitre = 0.0;
    double qms = 0.0;
    double qes = 0.0;
    double reOhm = 0.0;
    double leMilliHenry = 0.0;
    double sdCm2 = 0.0;
};

// A driver's electromechanical parameters, SI units.
struct DriverParams {
    double re = 0.0;   // ohm
    double le = 0.0;   // H
    double bl = 0.0;   // T m
    double mms = 0.0;  // kg
    double cms = 0.0;  // m/N
    double rms = 0.0;  // N s/m
    double sd = 0.0;   // m^2

    // Cms = Vas / (rho c^2 Sd^2), Mms = 1 / ((2 pi Fs)^2 Cms),
    // Rms = 2 pi Fs Mms / Qms, Bl^2 = 2 pi Fs Mms Re / Qes.
    static DriverParams fromThieleSmall(const ThieleSmall& ts);

    double fsHz() const;
    double vasLitre() const;
    double qms() const;
    double qes() const;
    double qts() const;
    // Reference efficiency from the electromechanical values:
    // rho Bl^2 Sd^2 / (2 pi c Re Mms^2).
    double referenceEfficiency() const;
};

// A passive radiator's mechanical parameters, SI units.
struct RadiatorParams {
    double mmp = 0.0;  // kg
    double cmp = 0.0;  // m/N
    double rmp = 0.0;  // N s/m
    double sp = 0.0;   // m^2

    // From its free-air resonance Fp (of Mmp with Cmp), equivalent volume
    // Vap = rho c^2 Sp^2 Cmp, mechanical Q and area. qp = kNoLoss: lossless.
    static RadiatorParams fromFreeAir(double fpHz, double vapLitre, double qp, double spCm2);

    double fpHz() const;
    double vapLitre() const;
};

// Losses of a chamber, each given as a Q at a stated frequency.
struct ChamberLoss {
    double absorptionQ = kNoLoss;  // series resistance, stays in the box
    double leakageQ = kNoLoss;     // parallel resistance to kOutside
    double atHz = 0.0;             // frequency at which the Qs are quoted
};

enum class ElementKind { Driver, Radiator, Chamber, Vent, Resistance };

struct Element {
    ElementKind kind = ElementKind::Resistance;
    std::string name;
    int a = 0;  // rear / inner node
    int b = 0;  // front / outer node
    // Driver, Radiator: mechanical values. Chamber: compliance in `c`,
    // series absorption resistance in `r`. Vent: acoustic mass `m`, series
    // resistance `r`. Resistance: `r` (acoustic ohm).
    DriverParams driver;
    RadiatorParams radiator;
    double m = 0.0;
    double c = 0.0;
    double r = 0.0;
    Complex gain{1.0, 0.0};  // driver voltage factor
};

// The network solved at one frequency.
struct Solution {
    double freqHz = 0.0;
    double distanceM = 1.0;
    std::vector<Complex> pressure;        // per node, Pa rms (0 for fixed nodes)
    std::vector<Complex> volumeVelocity;  // per element, a -> b, m^3/s rms
    std::vector<Complex> coilCurrent;     // per element, A rms (drivers only)
    Complex outputVolumeVelocity;         // total entering kOutside, m^3/s rms
    Complex farFieldPressure;             // at distanceM, Pa rms
    Complex inputImpedance;               // drive voltage / source current, ohm
    std::vector<double> coneArea;         // per element, m^2 (drivers, radiators)
    std::vector<Complex> gain;            // per element, drive factor (drivers)

    // Cone (or radiator) velocity, m/s rms, positive forward.
    Complex coneVelocity(int element) const;
    // Cone (or radiator) displacement, m rms complex phasor.
    Complex coneDisplacement(int element) const;
    // Peak excursion amplitude in metres: sqrt(2) |displacement|.
    double coneExcursionPeak(int element) const;
    // Sound pressure level at distanceM, dB re 20 uPa.
    double splDb() const;
    // Electrical impedance seen by one driver's own source, ohm.
    Complex driverImpedance(int element, double driveVoltage) const;
};

class LumpedCircuit {
public:
    static constexpr int kOutside = 0;
    static constexpr int kGround = 1;

    LumpedCircuit();

    // A new air space; returns its node number.
    int addNode(std::string name = {});

    // Every add* returns the element's index (into Solution vectors).
    int addDriver(const DriverParams& d, int rear, int front, std::string name = "driver",
                  Complex gain = 1.0);
    int addRadiator(const RadiatorParams& p, int rear, int front, std::string name = "radiator");
    // A chamber of the given volume on `node`, with its losses. The leak,
    // if any, is added as a separate Resistance element named
    // name + " leak", from node to kOutside.
    int addChamber(int node, double volumeLitre, const ChamberLoss& loss = {},
                   std::string name = "chamber");
    // A vent (duct or port) of acoustic mass massKgM4, optional series
    // resistance, between two nodes (a inner, b outer).
    int addVent(int a, int b, double massKgM4, double resistance = 0.0, std::string name = "vent");
    // A plain acoustic resistance between two nodes.
    int addResistance(int a, int b, double resistance, std::string name = "resistance");

    // Drive voltage, V rms, common to every driver. Default: sqrt(Re) of the
    // first driver (1 W into Re).
    void setDriveVoltage(double volts);
    double driveVoltage() const;
    // Every driver's voice-coil inductance (H), in place of the one its
    // Thiele/Small data gave.
    void setCoilInductance(double henry);
    // Every driver's coil in series (one current) instead of in parallel.
    void setSeriesConnection(bool series) { series_ = series; }
    bool seriesConnection() const { return series_; }
    // Pressure that relativeLevelDb() calls 0 dB, at distance 1 m.
    void setReferencePressure(double pascalAt1m);
    double referencePressure() const;

    Solution solve(double freqHz, double distanceM = 1.0) const;

    // Shorthands over solve().
    double relativeLevelDb(double freqHz) const;
    double coneExcursionPeak(double freqHz, int element) const;
    Complex inputImpedance(double freqHz) const;
    Complex farFieldPressure(double freqHz, double distanceM = 1.0) const;

    // Index of the element of that name, or -1.
    int find(const std::string& name) const;
    const std::vector<Element>& elements() const { return elements_; }
    int nodeCount() const { return static_cast<int>(nodeNames_.size()); }
    // The first driver added, or -1.
    int firstDriver() const;

private:
    std::vector<std::string> nodeNames_;
    std::vector<Element> elements_;
    double driveVoltage_ = -1.0;      // < 0: sqrt(Re) of the first driver
    double referencePressure_ = -1.0; // < 0: first driver's baffle asymptote
    bool series_ = false;             // coils in series: one current
};

// ---- Common topologies --------------------------------------------------
// Element names used by the helpers: "driver", "driver2", "box", "box leak",
// "vent", "radiator", and for two chambers "rear", "front", "rear leak",
// "front leak", "vent1", "vent2".

// The driver alone in an infinite baffle (rear into kGround).
LumpedCircuit infiniteBaffle(const DriverParams& d);

// The driver in a sealed box. Loss frequencies of 0 mean the lossless
// closed-box resonance fc = Fs sqrt(1 + Vas/Vb).
LumpedCircuit closedBox(const DriverParams& d, double vbLitre, ChamberLoss loss = {});

// The driver in a box with one vent tuned to fbHz with that box. Loss
// frequencies of 0 mean Fb.
LumpedCircuit ventedBox(const DriverParams& d, double vbLitre, double fbHz, ChamberLoss loss = {},
                        double ventResistance = 0.0);

// The driver and a passive radiator on one box. Loss frequencies of 0 mean
// the box tuning Fb = Fp sqrt(1 + Vap/Vb).
LumpedCircuit passiveRadiatorBox(const DriverParams& d, double vbLitre, const RadiatorParams& p,
                                 ChamberLoss loss = {});

// Band-pass: the driver's rear into a sealed chamber ("rear"), its front into
// a vented chamber ("front") whose vent, tuned to fbHz with the front
// chamber alone, radiates. Only the vent (and leaks) radiate.
LumpedCircuit bandPass(const DriverParams& d, double rearLitre, double frontLitre, double fbHz,
                       ChamberLoss rearLoss = {}, ChamberLoss frontLoss = {});

// Two vented chambers in series: the driver radiates forward and its rear
// loads chamber "rear"; "vent1" joins it to chamber "front" (tuned to fb1Hz
// with the rear chamber alone) and "vent2" joins that to the open air
// (tuned to fb2Hz with the front chamber alone).
LumpedCircuit serialVented(const DriverParams& d, double rearLitre, double frontLitre,
                           double fb1Hz, double fb2Hz, ChamberLoss rearLoss = {},
                           ChamberLoss frontLoss = {});

}  // namespace quendal::oracle
