// Efficiency, sensitivity and the scales against textbook relations of a
// driver described by its electromechanical values.
#include <cmath>
#include <limits>
#include <numbers>

#include "enclosures/EnclosureUnits.h"
#include "response/ResponseCal.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using test::EngineTest;
using test::selectSystem;
using test::setDriver;

constexpr double kPi = std::numbers::pi;
constexpr double kRho = 1.18, kC = 345.0;

// A driver given by its electromechanical values, and its Thiele/Small set.
struct Mechanical {
    double re = 6.0, bl = 7.5, mms = 0.020, cms = 0.8e-3, rms = 1.2, sd = 0.0200;  // SI
    double fs() const { return 1.0 / (2 * kPi * std::sqrt(mms * cms)); }
    double qms() const { return 2 * kPi * fs() * mms / rms; }
    double qes() const { return 2 * kPi * fs() * mms * re / (bl * bl); }
    double vasLitre() const { return kRho * kC * kC * sd * sd * cms * 1000.0; }
    double efficiency() const { return kRho * bl * bl * sd * sd / (2 * kPi * kC * re * mms * mms); }
    void load() const {
        SpeakerParameters& sp = state.speaker;
        sp.FS = fs();
        sp.QMS = qms();
        sp.QES = qes();
        sp.QTS = qms() * qes() / (qms() + qes());
        sp.VAS = vasLitre();
        sp.RE = re;
        sp.SD = sd * 1e4;
        sp.VD = sd * 1e4 * 0.5;  // Xmax 5 mm
        sp.EFI = 0.0;
        sp.LE = 0.0;
    }
};

class ReferenceLevelTest : public EngineTest {};

TEST_F(ReferenceLevelTest, EfficiencyFromTheEnteredValueOrTheDriver) {
    setDriver(50.0, 100.0, 0.4);
    state.speaker.EFI = 0.5;
    N0cal();
    EXPECT_DOUBLE_EQ(state.ref.N0, 0.005);

    state.speaker.EFI = 0.0;
    state.speaker.QES = 0.0;
    N0cal();
    EXPECT_DOUBLE_EQ(state.speaker.QES, 0.44);
    QEScal();
    EXPECT_DOUBLE_EQ(state.speaker.QES, 0.44);

    const Mechanical m;
    m.load();
    N0cal();
    EXPECT_NEAR(state.ref.N0 / m.efficiency(), 1.0, 1e-9);
}

// An efficiency that is not a finite positive number is none: the driver's
// own values give it, and the sensitivity stays finite.
TEST_F(ReferenceLevelTest, AnEfficiencyThatIsNoNumberIsTakenFromTheDriver) {
    const Mechanical m;
    for (double efi : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        m.load();
        state.speaker.EFI = efi;
        SPLcal();
        EXPECT_NEAR(state.ref.N0 / m.efficiency(), 1.0, 1e-9) << efi;
        EXPECT_NEAR(state.ref.SPL, 10.0 * std::log10(m.efficiency() / (2 * kPi * 1e-12)), 0.005) << efi;
    }
    // A driver whose values give no efficiency keeps the last sensitivity.
    const double last = state.ref.SPL;
    state.speaker.QES = state.speaker.QTS = 0.0;
    SPLcal();
    EXPECT_EQ(state.ref.SPL, last);
}

// An input power that is no power (not a number, infinite, negative) gets
// the last usable one back: the levels, the scales and the read-out all use
// that power, and every curve drawn at the input power stays finite.
TEST_F(ReferenceLevelTest, AnInputPowerThatIsNoPowerGetsTheLastUsableOneBack) {
    setDriver(40.0, 50.0, 0.4);
    selectSystem(1, 3, 1);
    state.vents.SV11 = 0.002;
    state.power.PIN = 4.0;
    AsPlot3();
    const double pa = state.ref.PA;
    EXPECT_NEAR(pa, std::sqrt(400.0 * 4.0 * state.ref.N0 / (2 * kPi)), 1e-9 * pa);
    setDisplacementScales();
    const double xd = state.rscales.XD;
    for (double pin : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -2.0}) {
        state.power.PIN = pin;
        state.view.s_Resp = "as";
        AsDispOpt();
        EXPECT_EQ(state.power.PIN, 4.0) << pin;
        EXPECT_DOUBLE_EQ(state.ref.PA, pa) << pin;
        EXPECT_TRUE(std::isfinite(state.scales.AS0) && state.scales.AS0 > 0.0) << pin;
        state.power.PIN = pin;
        setDisplacementScales();
        EXPECT_EQ(state.power.PIN, 4.0) << pin;
        EXPECT_DOUBLE_EQ(state.rscales.XD, xd) << pin;
    }
    // No power at all is a power: nothing moves.
    state.power.PIN = 0.0;
    AsPlot3();
    EXPECT_EQ(state.power.PIN, 0.0);
    EXPECT_EQ(state.rscales.VEL, 0.0);
}

TEST_F(ReferenceLevelTest, SensitivityInHalfSpace) {
    setDriver(50.0, 100.0, 0.4);
    state.speaker.EFI = 0.2 * kPi;  // N0 = 2 pi 1e-3
    SPLcal();
    EXPECT_DOUBLE_EQ(state.ref.SPL, 90.0);
    const Mechanical m;
    m.load();
    SPLcal();
    // p = rho Sd Bl V / (2 pi r Re Mms) at 1 W into Re, 1 m. The level
    // scale takes 1e-12 W/m^2 and 20 uPa as the same 0 dB (rho c = 400
    // instead of 407 rayl), a textbook convention worth 0.08 dB.
    const double p = kRho * m.sd * m.bl * std::sqrt(m.re) / (2 * kPi * m.re * m.mms);
    EXPECT_NEAR(state.ref.SPL, 20 * std::log10(p / 2e-5) - 10 * std::log10(kRho * kC / 400.0), 0.01);
    EXPECT_DOUBLE_EQ(state.ref.SPL * 100.0, std::rint(state.ref.SPL * 100.0));
}

TEST_F(ReferenceLevelTest, ExcursionScaleIsThePeakLowFrequencyExcursion) {
    const Mechanical m;
    m.load();
    selectSystem(1, 1);
    for (double pin : {1.0, 10.0, 40.0}) {
        state.power.PIN = pin;
        setDisplacementScales();
        const double peakMm = std::sqrt(2.0) * m.bl * std::sqrt(pin / m.re) * m.cms * 1000.0;
        // Within the 0.9 % of the level convention above.
        EXPECT_NEAR(state.rscales.XD / peakMm, 1.0, 1.2e-2) << pin;
    }
    state.radiator.PRSD = state.speaker.SD;
    setDisplacementScales();
    EXPECT_DOUBLE_EQ(state.rscales.XPR, state.rscales.XD);
    EXPECT_NEAR(state.point.f, 1.0 / m.fs(), 1e-6);
}

TEST_F(ReferenceLevelTest, ClosedBoxConeIsStiffenedByTheBoxAir) {
    const Mechanical m;
    m.load();
    selectSystem(1, 2, 2);
    state.box.VB = 20.0;
    state.power.PIN = 4.0;
    setDisplacementScales();
    state.point.f = 0.001f;
    CBDPoptcal();
    const double boxStiffness = kRho * kC * kC * m.sd * m.sd / (20.0e-3);
    const double expected = std::sqrt(2.0) * m.bl * std::sqrt(4.0 / m.re) / (1.0 / m.cms + boxStiffness) * 1000.0;
    EXPECT_NEAR(state.point.yy / expected, 1.0, 1.2e-2);
}

// At every frequency the power rating, applied as input power, drives the
// cone to its peak excursion VD / SD: power and displacement agree.
TEST_F(ReferenceLevelTest, PowerRatingDrivesTheConeToItsExcursionLimit) {
    const Mechanical m;
    struct Sys {
        int32_t btn, alin;
    };
    for (const Sys s : {Sys{1, 1}, Sys{2, 1}, Sys{3, 1}, Sys{4, 1}}) {
        m.load();
        selectSystem(1, s.btn, s.alin);
        state.box.QL = 7.0;
        state.view.Magni = 1;
        state.point.respNum = 1;
        setPowerScale();
        CofCal();
        for (double hz : {12.0, 25.0, 40.0, 80.0, 200.0}) {
            state.point.f = static_cast<float>(hz / m.fs());
            pwPlot3();
            state.power.PIN = state.point.yyLinea;
            setDisplacementScales();
            state.point.f = static_cast<float>(hz / m.fs());
            dpPlot3();
            const double limitMm = 10.0 * state.speaker.VD / state.speaker.SD;
            EXPECT_NEAR(state.point.yy / limitMm, 1.0, 1.5e-2) << "system " << s.btn << " at " << hz << " Hz";
        }
    }
}

// Each vent's scale is the peak speed of air moving the cone's static volume
// displacement at FS through that vent's area; the vents' tunings do not
// enter it, and each system sets the scales of the vents it has.
TEST_F(ReferenceLevelTest, VentScalesPerSystem) {
    setDriver(40.0, 50.0, 0.4);
    state.power.PIN = 1.0;
    state.vents.SV11 = 0.002;
    state.vents.SV22 = 0.003;
    state.vents.SV33 = 0.004;
    state.box.FB1 = 30.0;
    state.box.FB2 = 25.0;
    state.box.FB3 = 50.0;
    state.box.FBL = 20.0;
    selectSystem(1, 3, 4);
    state.box.VB1 = 60.0;
    AsPlot3();
    const double pa = state.ref.PA;
    EXPECT_NEAR(pa, std::pow(10.0, state.ref.ADB / 20.0) * 2e-5, 1e-12);
    const auto peakScale = [&](double area) { return std::sqrt(2.0) * pa / (1.18 * area * 40.0); };
    EXPECT_NEAR(state.rscales.VEL, peakScale(0.002), 1e-12);
    EXPECT_DOUBLE_EQ(ventAirSpeedScale(0.002), state.rscales.VEL);
    // Custom alignments keep the tunings entered above.
    state.box.VB1 = 20.0;
    state.box.VB2 = 30.0;
    state.box.VB3 = 40.0;
    state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
    selectSystem(2, 7, 4);
    AsPlot3();
    EXPECT_NEAR(state.rscales.VEL1, peakScale(0.002), 1e-12);
    EXPECT_NEAR(state.rscales.VEL3, peakScale(0.004), 1e-12);
    state.box.FB2 = 35.0;
    AsPlot3();
    EXPECT_NEAR(state.rscales.VEL2, peakScale(0.003), 1e-12);
    // Two vents: VEL3 is left as it was.
    state.rscales.VEL3 = -1.0;
    selectSystem(2, 5, 4);
    AsPlot3();
    EXPECT_NEAR(state.rscales.VEL1, peakScale(0.002), 1e-12);
    EXPECT_NEAR(state.rscales.VEL2, peakScale(0.003), 1e-12);
    EXPECT_EQ(state.rscales.VEL3, -1.0);
}

TEST_F(ReferenceLevelTest, SpeakerConnectionsScaleTheEnteredDriver) {
    struct Row {
        int32_t connection;
        double vas, efi, pemx, vd, sd, re, le;
    };
    const Row rows[] = {
        {1, 100, 2.501, 100, 100, 200, 6, 1},      {2, 200, 5.002, 200, 200, 400, 3, 0.5},
        {3, 200, 5.002, 200, 200, 400, 12, 2},     {4, 50, 1.2505, 200, 100, 200, 3, 0.5},
        {5, 50, 1.2505, 200, 100, 200, 12, 2},
    };
    for (const Row& r : rows) {
        state.connection.SpConNum = r.connection;
        SpconCal();
        const SpeakerParameters& sp = state.speaker;
        EXPECT_DOUBLE_EQ(sp.FS, 50.0);
        EXPECT_DOUBLE_EQ(sp.QTS, 0.4);
        EXPECT_DOUBLE_EQ(sp.QES, 0.435);
        EXPECT_DOUBLE_EQ(sp.QMS, 5.0);
        EXPECT_DOUBLE_EQ(sp.VAS, r.vas) << r.connection;
        EXPECT_DOUBLE_EQ(sp.EFI, r.efi) << r.connection;
        EXPECT_DOUBLE_EQ(sp.PEMX, r.pemx) << r.connection;
        EXPECT_DOUBLE_EQ(sp.VD, r.vd) << r.connection;
        EXPECT_DOUBLE_EQ(sp.SD, r.sd) << r.connection;
        EXPECT_DOUBLE_EQ(sp.RE, r.re) << r.connection;
        EXPECT_DOUBLE_EQ(sp.LE, r.le) << r.connection;
    }
    for (int32_t other : {0, 6}) {
        state.connection.SpConNum = other;
        SpconCal();
        EXPECT_DOUBLE_EQ(state.speaker.VAS, 50.0);
        EXPECT_DOUBLE_EQ(state.speaker.RE, 12.0);
    }
}

// Two identical drivers in one enclosure against one: the textbook
// scaling of sensitivity (dual parallel: +6 dB at 1 W ... of which 3 dB
// from the halved impedance), resonance unchanged.
TEST_F(ReferenceLevelTest, DualDriversGainThreeDecibelsOfEfficiency) {
    state.connection.SpConNum = 1;
    SpconCal();
    state.speaker.EFI = 0.0;
    SPLcal();
    const double single = state.ref.SPL;
    state.connection.SpConNum = 2;
    SpconCal();
    state.speaker.EFI = 0.0;
    SPLcal();
    EXPECT_NEAR(state.ref.SPL - single, 10 * std::log10(2.0), 0.011);
    state.connection.SpConNum = 4;
    SpconCal();
    state.speaker.EFI = 0.0;
    SPLcal();
    EXPECT_NEAR(state.ref.SPL - single, -10 * std::log10(2.0), 0.011);
}

}  // namespace
}  // namespace quendal
