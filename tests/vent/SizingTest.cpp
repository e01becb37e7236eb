// Automatic sizing against the air-speed curves the response window draws:
// a vent at its minimum area carries exactly the limit at the peak of its
// curve, in one system of each vented family.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <ostream>
#include <vector>

#include "VentPhysics.h"
#include "response/AirSpeedPlot.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"
#include "support/EngineTestSupport.h"
#include "response/VentSizing.h"

namespace quendal::test {
namespace {

struct Family {
    const char* name;
    int32_t tab, button, vents;
    int32_t curveOfVent[3];  // the page's curve (respNum) that draws vent 1, 2, 3, as its legend names them
};
void PrintTo(const Family& f, std::ostream* os) { *os << f.name; }

class AutomaticSizing : public EngineTest, public testing::WithParamInterface<Family> {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        setDriver(40.0, 50.0, 0.4, 4.0);
        selectSystem(GetParam().tab, GetParam().button);
        CofCal();
    }
    // The highest air speed of each vent's curve as the air-speed page
    // computes it point by point over the frequency grid, by vent. The
    // page's own scale search stops at the first maximum of a curve, which
    // is not its highest where the speed rises again further up.
    std::vector<double> drawnPeaks() {
        std::vector<double> peaks;
        PlotPoint& p = state.point;
        for (int32_t v = 1; v <= GetParam().vents; ++v) {
            p.respNum = GetParam().curveOfVent[v - 1];
            AsPlot3();
            double highest = 0.0;
            for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
                setGridFrequency(k);
                AsPlot4();
                if (std::isfinite(p.yy)) highest = std::max(highest, double(p.yy));
            }
            peaks.push_back(highest);
        }
        return peaks;
    }
};

TEST_P(AutomaticSizing, DuctsMeetTheLimitAtThePeakAndPortsInTheRatioOfTheirAreas) {
    state.vents.vent[2].CircVentRadio = 2;  // vent 2 ducted, the others ported
    for (int32_t v : {1, 3}) state.vents.vent[v].FormSetBy = kFormSetByUser;  // the user's ports stay ports
    AsVentOpt();
    const std::vector<double> peaks = drawnPeaks();
    for (int32_t v = 1; v <= GetParam().vents; ++v) {
        const VentRecord& r = state.vents.vent[v];
        const double area = v == 2 ? r.CircDuctSV : r.CircPortSV;
        EXPECT_NEAR(ventModelArea(v) * 1e4, area, 1e-9);  // the designed area, not the candidate
        EXPECT_NEAR(peaks[v - 1], kVentAirSpeedLimit * r.CircPortSVmin / area, 1e-6 * peaks[v - 1]) << "vent " << v;
        const bool slow = area >= r.CircPortSVmin * (1 - 1e-9);
        EXPECT_EQ(r.VentForm, static_cast<int32_t>(slow ? VentForm::Realisable : VentForm::BelowMinimumArea));
    }
    if (GetParam().vents >= 2) {
        EXPECT_NEAR(peaks[1], kVentAirSpeedLimit, 1e-6 * kVentAirSpeedLimit);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, AutomaticSizing,
                         testing::Values(Family{"VentedBox", 1, 3, 1, {1}}, Family{"TwinSerialVented", 1, 6, 3, {1, 2, 3}},
                                         Family{"SerialRavezaType2", 2, 4, 2, {2, 1}},
                                         Family{"DeltaVented", 2, 7, 3, {2, 3, 1}},
                                         Family{"TripleVented", 2, 8, 3, {1, 2, 3}}),
                         [](const testing::TestParamInfo<Family>& family) { return family.param.name; });

// The automatic design of every vented system, for an ordinary 8-inch
// woofer at a low and a high power: each vent carries its air within the
// limit, or is the largest that fits a chamber too small for the minimum.
// It is never left below the minimum where a duct of the minimum fits.
class AutomaticDesign : public EngineTest, public testing::WithParamInterface<int32_t> {};

TEST_P(AutomaticDesign, KeepsEveryVentWithinTheLimitOrSaysWhyNot) {
    setDriver(34.0, 45.0, 0.38, 4.0);
    state.speaker.RE = 5.6;
    state.speaker.LE = 1.0;
    state.speaker.SD = 214.0;
    const int32_t system = GetParam();
    selectSystem((system - 1) / 8 + 1, (system - 1) % 8 + 1);
    for (double watts : {10.0, 100.0}) {
        state.power.PIN = watts;
        CofCal();
        AsVentOpt();
        for (int32_t v = 1; v <= ventsOfSystem(system); ++v) {
            const VentRecord& r = state.vents.vent[v];
            const double peak = ventPeakAirSpeed(v);
            const VentShape shape = shapeInForce(r);
            const VentForm form = static_cast<VentForm>(r.VentForm);
            SCOPED_TRACE(testing::Message() << watts << " W, vent " << v << ": " << ventFormName(r.VentForm));
            EXPECT_TRUE(shape == VentShape::CircularPort || shape == VentShape::CircularDuct);
            if (form == VentForm::Realisable) {
                EXPECT_LE(peak, kVentAirSpeedLimit * (1.0 + 1e-6));
                if (shape == VentShape::CircularDuct) {
                    EXPECT_GE(r.CircDuctLV, state.shell.LVP);
                }
            } else {
                // The only reason left is a chamber too small for a duct of
                // the minimum area; the vent is then the largest that fits.
                EXPECT_EQ(form, VentForm::ChamberTooSmall);
                EXPECT_GT(peak, kVentAirSpeedLimit);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(VentedSystems, AutomaticDesign, testing::Values(3, 5, 6, 8, 9, 11, 12, 13, 14, 15, 16));

TEST_F(EngineTest, EachVentTunesItsOwnChamberWithTheProgramsSpeedOfSound) {
    setDriver(40.0, 50.0, 0.4, 4.0);
    selectSystem(2, 3);  // Serial Raveza Type1: chamber 1 sealed, the vents in chambers 2 and 3
    CofCal();
    state.phys.C = 340.0;
    for (int32_t v = 1; v <= 2; ++v) state.vents.vent[v].CircVentRadio = 2;
    state.vents.vent[1].CircVentNum = 3;  // and a TSV-only rule does not apply here
    AsVentOpt();
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 3);
    const double volumes[] = {state.box.VB2, state.box.VB3}, tunings[] = {state.box.FB2, state.box.FB3};
    for (int32_t v = 1; v <= 2; ++v) {
        const VentRecord& r = state.vents.vent[v];
        const double a = r.CircDuctDV / 2000.0;
        const double mass = ventMass(r.CircDuctLV / 1000.0, std::numbers::pi * a * a, a, r.CircVentNum);
        const double compliance = volumes[v - 1] / 1000.0 / (oracle::kAirDensity * 340.0 * 340.0);
        EXPECT_NEAR(1.0 / (2.0 * std::numbers::pi * std::sqrt(mass * compliance)), tunings[v - 1], 1e-3);
    }
}

TEST_F(EngineTest, TwinSerialVentedVentOneCountsInPairsAndVentlessSystemsAreLeftAlone) {
    setDriver(40.0, 40.0, 0.4, 4.0);
    selectSystem(1, 6);
    CofCal();
    state.vents.vent[1].CircVentNum = 3;
    AsVentOpt();
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 4);
    EXPECT_EQ(state.vents.vent[1].RectVentNum, 2);
    EXPECT_EQ(state.vents.vent[2].RectVentNum, 1);
    selectSystem(1, 2);  // Closed Box
    state.vents.SV11 = 0.0012;
    AsVentOpt();
    EXPECT_EQ(state.vents.SV11, 0.0012);
}

}  // namespace
}  // namespace quendal::test
