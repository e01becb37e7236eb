#include "support/oracle/LumpedCircuit.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <utility>

#include "support/oracle/ComplexSolver.h"

namespace quendal::oracle {

namespace {

constexpr double kTwoPi = 2.0 * kPi;
constexpr double kLitre = 1e-3;       // m^3 per litre
constexpr double kSquareCm = 1e-4;    // m^2 per cm^2
constexpr double kMilliHenry = 1e-3;  // H per mH
constexpr double kRefPressure = 20e-6;  // Pa, 0 dB SPL

// rho c^2, the bulk modulus of air, Pa.
constexpr double kBulkModulus = kAirDensity * kSoundSpeed * kSoundSpeed;

// Mechanical impedance of a mass-spring-damper moving at angular frequency w.
Complex mechanicalImpedance(double mass, double compliance, double resistance, double w) {
    const Complex jw(0.0, w);
    return resistance + jw * mass + 1.0 / (jw * compliance);
}

bool isFixed(int node) {
    return node == LumpedCircuit::kOutside || node == LumpedCircuit::kGround;
}

}  // namespace

double chamberCompliance(double volumeLitre) {
    return volumeLitre * kLitre / kBulkModulus;
}

double ventMassForTuning(double fHz, double volumeLitre) {
    const double w = kTwoPi * fHz;
    return 1.0 / (w * w * chamberCompliance(volumeLitre));
}

// ---- Driver and radiator parameters ---------------------------------------

DriverParams DriverParams::fromThieleSmall(const ThieleSmall& ts) {
    DriverParams d;
    const double ws = kTwoPi * ts.fsHz;
    d.re = ts.reOhm;
    d.le = ts.leMilliHenry * kMilliHenry;
    d.sd = ts.sdCm2 * kSquareCm;
    d.cms = ts.vasLitre * kLitre / (kBulkModulus * d.sd * d.sd);
    d.mms = 1.0 / (ws * ws * d.cms);
    d.rms = std::isinf(ts.qms) ? 0.0 : ws * d.mms / ts.qms;
    d.bl = std::sqrt(ws * d.mms * d.re / ts.qes);
    return d;
}

double DriverParams::fsHz() const {
    return 1.0 / (kTwoPi * std::sqrt(mms * cms));
}

double DriverParams::vasLitre() const {
    return kBulkModulus * sd * sd * cms / kLitre;
}

double DriverParams::qms() const {
    return rms > 0.0 ? kTwoPi * fsHz() * mms / rms : kNoLoss;
}

double DriverParams::qes() const {
    return kTwoPi * fsHz() * mms * re / (bl * bl);
}

double DriverParams::qts() const {
    return 1.0 / (1.0 / qms() + 1.0 / qes());
}

double DriverParams::referenceEfficiency() const {
    return kAirDensity * bl * bl * sd * sd / (kTwoPi * kSoundSpeed * re * mms * mms);
}

RadiatorParams RadiatorParams::fromFreeAir(double fpHz, double vapLitre, double qp, double spCm2) {
    RadiatorParams p;
    const double wp = kTwoPi * fpHz;
    p.sp = spCm2 * kSquareCm;
    p.cmp = vapLitre * kLitre / (kBulkModulus * p.sp * p.sp);
    p.mmp = 1.0 / (wp * wp * p.cmp);
    p.rmp = std::isinf(qp) ? 0.0 : wp * p.mmp / qp;
    return p;
}

double RadiatorParams::fpHz() const {
    return 1.0 / (kTwoPi * std::sqrt(mmp * cmp));
}

double RadiatorParams::vapLitre() const {
    return kBulkModulus * sp * sp * cmp / kLitre;
}

// ---- Solution --------------------------------------------------------------

Complex Solution::coneVelocity(int element) const {
    const double area = coneArea.at(static_cast<std::size_t>(element));
    if (!(area > 0.0)) {
        throw std::invalid_argument("coneVelocity: element has no cone");
    }
    return volumeVelocity.at(static_cast<std::size_t>(element)) / area;
}

Complex Solution::coneDisplacement(int element) const {
    return coneVelocity(element) / Complex(0.0, kTwoPi * freqHz);
}

double Solution::coneExcursionPeak(int element) const {
    return std::sqrt(2.0) * std::abs(coneDisplacement(element));
}

double Solution::splDb() const {
    return 20.0 * std::log10(std::abs(farFieldPressure) / kRefPressure);
}

Complex Solution::driverImpedance(int element, double driveVoltage) const {
    return gain.at(static_cast<std::size_t>(element)) * driveVoltage / coilCurrent.at(static_cast<std::size_t>(element));
}

// ---- Building the network --------------------------------------------------

LumpedCircuit::LumpedCircuit() : nodeNames_{"outside", "ground"} {}

int LumpedCircuit::addNode(std::string name) {
    nodeNames_.push_back(std::move(name));
    return nodeCount() - 1;
}

namespace {

void checkNode(int node, int count) {
    if (node < 0 || node >= count) {
        throw std::invalid_argument("LumpedCircuit: no such node");
    }
}

}  // namespace

int LumpedCircuit::addDriver(const DriverParams& d, int rear, int front, std::string name,
                             Complex gain) {
    checkNode(rear, nodeCount());
    checkNode(front, nodeCount());
    Element e;
    e.kind = ElementKind::Driver;
    e.name = std::move(name);
    e.a = rear;
    e.b = front;
    e.driver = d;
    e.gain = gain;
    elements_.push_back(std::move(e));
    return static_cast<int>(elements_.size()) - 1;
}

int LumpedCircuit::addRadiator(const RadiatorParams& p, int rear, int front, std::string name) {
    checkNode(rear, nodeCount());
    checkNode(front, nodeCount());
    Element e;
    e.kind = ElementKind::Radiator;
    e.name = std::move(name);
    e.a = rear;
    e.b = front;
    e.radiator = p;
    elements_.push_back(std::move(e));
    return static_cast<int>(elements_.size()) - 1;
}

int LumpedCircuit::addChamber(int node, double volumeLitre, const ChamberLoss& loss, std::string name) {
    checkNode(node, nodeCount());
    const double compliance = chamberCompliance(volumeLitre);
    const double w0 = kTwoPi * loss.atHz;
    const bool absorbs = !std::isinf(loss.absorptionQ);
    const bool leaks = !std::isinf(loss.leakageQ);
    if ((absorbs || leaks) && !(w0 > 0.0)) {
        throw std::invalid_argument("addChamber: a loss Q needs the frequency it is quoted at");
    }
    Element e;
    e.kind = ElementKind::Chamber;
    e.name = name;
    e.a = node;
    e.b = kGround;
    e.c = compliance;
    e.r = absorbs ? 1.0 / (loss.absorptionQ * w0 * compliance) : 0.0;
    elements_.push_back(std::move(e));
    const int chamber = static_cast<int>(elements_.size()) - 1;
    if (leaks) {
        addResistance(node, kOutside, loss.leakageQ / (w0 * compliance), name + " leak");
    }
    return chamber;
}

int LumpedCircuit::addVent(int a, int b, double massKgM4, double resistance, std::string name) {
    checkNode(a, nodeCount());
    checkNode(b, nodeCount());
    Element e;
    e.kind = ElementKind::Vent;
    e.name = std::move(name);
    e.a = a;
    e.b = b;
    e.m = massKgM4;
    e.r = resistance;
    elements_.push_back(std::move(e));
    return static_cast<int>(elements_.size()) - 1;
}

int LumpedCircuit::addResistance(int a, int b, double resistance, std::string name) {
    checkNode(a, nodeCount());
    checkNode(b, nodeCount());
    Element e;
    e.kind = ElementKind::Resistance;
    e.name = std::move(name);
    e.a = a;
    e.b = b;
    e.r = resistance;
    elements_.push_back(std::move(e));
    return static_cast<int>(elements_.size()) - 1;
}

void LumpedCircuit::setCoilInductance(double henry) {
    for (Element& e : elements_) {
        if (e.kind == ElementKind::Driver) {
            e.driver.le = henry;
        }
    }
}

void LumpedCircuit::setDriveVoltage(double volts) {
    driveVoltage_ = volts;
}

double LumpedCircuit::driveVoltage() const {
    if (driveVoltage_ >= 0.0) {
        return driveVoltage_;
    }
    const int first = firstDriver();
    return first < 0 ? 0.0 : std::sqrt(elements_[static_cast<std::size_t>(first)].driver.re);
}

void LumpedCircuit::setReferencePressure(double pascalAt1m) {
    referencePressure_ = pascalAt1m;
}

double LumpedCircuit::referencePressure() const {
    if (referencePressure_ >= 0.0) {
        return referencePressure_;
    }
    const int first = firstDriver();
    if (first < 0) {
        return 0.0;
    }
    const DriverParams& d = elements_[static_cast<std::size_t>(first)].driver;
    return kAirDensity * d.sd * d.bl * driveVoltage() / (kTwoPi * d.re * d.mms);
}

int LumpedCircuit::find(const std::string& name) const {
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        if (elements_[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int LumpedCircuit::firstDriver() const {
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        if (elements_[i].kind == ElementKind::Driver) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// ---- Solving ---------------------------------------------------------------
//
// Unknowns, in order: the pressure of every free node (nodes 2..), the
// volume velocity of every element, the coil current of every driver.
// Equations: continuity of volume velocity at every free node; one branch
// equation per element,  Z_A U + p_b - p_a - (Bl/Sd) I = 0  (the last term
// for drivers only); one electrical equation per driver,
// (Re + j w Le) I + (Bl/Sd) U = gain V.

Solution LumpedCircuit::solve(double freqHz, double distanceM) const {
    if (!(freqHz > 0.0)) {
        throw std::invalid_argument("LumpedCircuit::solve: frequency must be positive");
    }
    const double w = kTwoPi * freqHz;
    const Complex jw(0.0, w);
    const std::size_t freeNodes = static_cast<std::size_t>(nodeCount() - 2);
    const std::size_t elementCount = elements_.size();

    std::vector<std::size_t> currentIndex(elementCount, 0);
    std::size_t unknowns = freeNodes + elementCount;
    for (std::size_t i = 0; i < elementCount; ++i) {
        if (elements_[i].kind == ElementKind::Driver) {
            currentIndex[i] = unknowns++;
        }
    }
    auto pressureIndex = [](int node) { return static_cast<std::size_t>(node - 2); };
    auto flowIndex = [&](std::size_t element) { return freeNodes + element; };

    std::vector<Complex> a(unknowns * unknowns);
    std::vector<Complex> rhs(unknowns);
    auto at = [&](std::size_t row, std::size_t col) -> Complex& { return a[row * unknowns + col]; };

    // Continuity at the free nodes.
    for (std::size_t i = 0; i < elementCount; ++i) {
        const Element& e = elements_[i];
        if (!isFixed(e.a)) {
            at(pressureIndex(e.a), flowIndex(i)) += 1.0;
        }
        if (!isFixed(e.b)) {
            at(pressureIndex(e.b), flowIndex(i)) -= 1.0;
        }
    }

    const double volts = driveVoltage();
    const int first = firstDriver();
    std::size_t row = freeNodes;
    for (std::size_t i = 0; i < elementCount; ++i, ++row) {
        const Element& e = elements_[i];
        Complex impedance;
        switch (e.kind) {
        case ElementKind::Driver:
            impedance = mechanicalImpedance(e.driver.mms, e.driver.cms, e.driver.rms, w) /
                        (e.driver.sd * e.driver.sd);
            break;
        case ElementKind::Radiator:
            impedance = mechanicalImpedance(e.radiator.mmp, e.radiator.cmp, e.radiator.rmp, w) /
                        (e.radiator.sp * e.radiator.sp);
            break;
        case ElementKind::Chamber:
            impedance = e.r + 1.0 / (jw * e.c);
            break;
        case ElementKind::Vent:
            impedance = e.r + jw * e.m;
            break;
        case ElementKind::Resistance:
            impedance = e.r;
            break;
        }
        at(row, flowIndex(i)) = impedance;
        if (!isFixed(e.a)) {
            at(row, pressureIndex(e.a)) -= 1.0;
        }
        if (!isFixed(e.b)) {
            at(row, pressureIndex(e.b)) += 1.0;
        }
        if (e.kind == ElementKind::Driver) {
            const double blOverSd = e.driver.bl / e.driver.sd;
            at(row, currentIndex[i]) = -blOverSd;
            if (!series_) {
                const std::size_t electrical = currentIndex[i];
                at(electrical, currentIndex[i]) = Complex(e.driver.re, w * e.driver.le);
                at(electrical, flowIndex(i)) = blOverSd;
                rhs[electrical] = e.gain * volts;
            } else {
                // The first driver's row sums every coil's voltage; the
                // others tie their current to the first one's.
                const Element& lead = elements_[static_cast<std::size_t>(first)];
                const std::size_t sum = currentIndex[static_cast<std::size_t>(first)];
                at(sum, currentIndex[i]) += e.gain * Complex(e.driver.re, w * e.driver.le);
                at(sum, flowIndex(i)) += e.gain * blOverSd;
                rhs[sum] = volts;
                if (static_cast<int>(i) != first) {
                    at(currentIndex[i], currentIndex[i]) = 1.0;
                    at(currentIndex[i], sum) = -e.gain * lead.gain;
                }
            }
        }
    }

    const std::vector<Complex> x = solveLinearSystem(std::move(a), std::move(rhs));

    Solution s;
    s.freqHz = freqHz;
    s.distanceM = distanceM;
    s.pressure.assign(static_cast<std::size_t>(nodeCount()), Complex{});
    for (std::size_t n = 0; n < freeNodes; ++n) {
        s.pressure[n + 2] = x[n];
    }
    s.volumeVelocity.assign(elementCount, Complex{});
    s.coilCurrent.assign(elementCount, Complex{});
    s.coneArea.assign(elementCount, 0.0);
    s.gain.assign(elementCount, Complex{});
    Complex sourceCurrent;
    for (std::size_t i = 0; i < elementCount; ++i) {
        const Element& e = elements_[i];
        const Complex u = x[flowIndex(i)];
        s.volumeVelocity[i] = u;
        if (e.b == kOutside) {
            s.outputVolumeVelocity += u;
        }
        if (e.a == kOutside) {
            s.outputVolumeVelocity -= u;
        }
        if (e.kind == ElementKind::Radiator) {
            s.coneArea[i] = e.radiator.sp;
        }
        if (e.kind == ElementKind::Driver) {
            s.coneArea[i] = e.driver.sd;
            s.gain[i] = e.gain;
            s.coilCurrent[i] = x[currentIndex[i]];
            if (!series_ || static_cast<int>(i) == first) sourceCurrent += e.gain * s.coilCurrent[i];
        }
    }
    s.farFieldPressure = jw * kAirDensity / (kTwoPi * distanceM) * s.outputVolumeVelocity;
    s.inputImpedance = sourceCurrent == Complex{} ? Complex{kNoLoss, 0.0} : volts / sourceCurrent;
    return s;
}

double LumpedCircuit::relativeLevelDb(double freqHz) const {
    return 20.0 * std::log10(std::abs(solve(freqHz).farFieldPressure) / referencePressure());
}

double LumpedCircuit::coneExcursionPeak(double freqHz, int element) const {
    return solve(freqHz).coneExcursionPeak(element);
}

Complex LumpedCircuit::inputImpedance(double freqHz) const {
    return solve(freqHz).inputImpedance;
}

Complex LumpedCircuit::farFieldPressure(double freqHz, double distanceM) const {
    return solve(freqHz, distanceM).farFieldPressure;
}

}  // namespace quendal::oracle
