// Automatic sizing against the air-speed curves the response window draws:
// a vent at its minimum area carries exactly the limit at the peak of its
// curve, in one system of each vented family.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "VentPhysics.h"
#include "engine/AirSpeedPlot.h"
#include "engine/CofCal.h"
#include "support/EngineTestSupport.h"
#include "vent/VentForms.h"
#include "vent/VentSizing.h"

namespace quendal::test {
namespace {

struct Family {
    const char* name;
    int32_t tab, button, vents;
};

class AutomaticSizing : public EngineTest, public testing::WithParamInterface<Family> {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        setDriver(40.0, 50.0, 0.4, 4.0);
        selectSystem(GetParam().tab, GetParam().button);
        CofCal();
    }
    // The peaks of the curves the air-speed page draws, by curve.
    std::vector<double> drawnPeaks() {
        AsDispOpt();
        const GraphScales& s = state.scales;
        if (GetParam().vents == 1) return {s.AS0};
        if (GetParam().vents == 2) return {s.AS1, s.AS2};
        return {s.AS1, s.AS2, s.AS3};
    }
};

TEST_P(AutomaticSizing, DuctsAtTheMinimumAreaMeetTheLimitAtThePeakOfTheirCurves) {
    for (int32_t v = 1; v <= 3; ++v) state.vents.vent[v].CircVentRadio = 2;  // ducted
    AsVentOpt();
    for (double peak : drawnPeaks()) EXPECT_NEAR(peak, kVentAirSpeedLimit, 1e-6 * kVentAirSpeedLimit);
    for (int32_t v = 1; v <= GetParam().vents; ++v) {
        EXPECT_EQ(state.vents.vent[v].VentForm != static_cast<int32_t>(VentForm::NotDesigned), true);
        EXPECT_NE(ventModelArea(v), kCandidateVentArea);
        EXPECT_NEAR(ventModelArea(v) * 1e4, state.vents.vent[v].CircDuctSV, 1e-9);
    }
}

TEST_P(AutomaticSizing, APortKeepsItsTuningAreaAndItsSpeedScalesWithIt) {
    AsVentOpt();
    // A port's area is set by the tuning; its peak is the limit times the
    // minimum over the area it got.
    std::vector<double> expected;
    for (int32_t v = 1; v <= GetParam().vents; ++v) {
        const VentRecord& r = state.vents.vent[v];
        EXPECT_NEAR(ventModelArea(v) * 1e4, r.CircPortSV, 1e-9);
        expected.push_back(kVentAirSpeedLimit * r.CircPortSVmin / r.CircPortSV);
        const bool below = r.CircPortSV < r.CircPortSVmin;
        EXPECT_EQ(r.VentForm, static_cast<int32_t>(below ? VentForm::BelowMinimumArea : VentForm::Realisable));
    }
    std::vector<double> peaks = drawnPeaks();
    if (GetParam().tab == 2 && GetParam().button == 4) std::swap(peaks[0], peaks[1]);  // output vent drawn first
    for (size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(peaks[k], expected[k], 1e-6 * expected[k]);
}

TEST_P(AutomaticSizing, TheMinimumAreaGrowsWithTheRootOfTheInputPower) {
    // The sound pressure, and with it the flow, goes with the root of the
    // power.
    state.power.PIN = 10.0;
    const double at10 = ventConditions(1).minimumAreaCm2;
    state.power.PIN = 40.0;
    EXPECT_NEAR(ventConditions(1).minimumAreaCm2, 2.0 * at10, 1e-9 * at10);
}

INSTANTIATE_TEST_SUITE_P(Families, AutomaticSizing,
                         testing::Values(Family{"VentedBox", 1, 3, 1}, Family{"TwinSerialVented", 1, 6, 3},
                                         Family{"SerialRavezaType2", 2, 4, 2}, Family{"DeltaVented", 2, 7, 3},
                                         Family{"TripleVented", 2, 8, 3}),
                         [](const testing::TestParamInfo<Family>& family) { return family.param.name; });

TEST_F(EngineTest, EachVentTunesItsOwnChamberWithTheProgramsSpeedOfSound) {
    setDriver(40.0, 50.0, 0.4, 4.0);
    selectSystem(2, 3);  // Serial Raveza Type1: chamber 1 sealed, vents in chambers 2 and 3
    CofCal();
    state.phys.C = 340.0;
    for (int32_t v = 1; v <= 2; ++v) state.vents.vent[v].CircVentRadio = 2;
    AsVentOpt();
    const double volumes[] = {state.box.VB2, state.box.VB3}, tunings[] = {state.box.FB2, state.box.FB3};
    for (int32_t v = 1; v <= 2; ++v) {
        const VentRecord& r = state.vents.vent[v];
        const double a = r.CircDuctDV / 2000.0;
        const double mass = ventMass(r.CircDuctLV / 1000.0, std::numbers::pi * a * a, a, 1.0);
        // w^2 = 1 / (M C), the chamber's compliance V / (rho c^2) at c = 340 m/s.
        const double compliance = volumes[v - 1] / 1000.0 / (oracle::kAirDensity * 340.0 * 340.0);
        EXPECT_NEAR(1.0 / (2.0 * std::numbers::pi * std::sqrt(mass * compliance)), tunings[v - 1], 1e-3) << "vent " << v;
    }
}

TEST_F(EngineTest, TwinSerialVentedVentOneGetsAnEvenCountInTwoBranches) {
    setDriver(40.0, 40.0, 0.4, 4.0);
    selectSystem(1, 6);
    CofCal();
    state.vents.vent[1].CircVentNum = 3;
    state.vents.vent[1].RectVentNum = 1;
    AsVentOpt();
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 4);
    EXPECT_EQ(state.vents.vent[1].RectVentNum, 2);
    EXPECT_EQ(state.vents.vent[2].CircVentNum, 1);
}

TEST_F(EngineTest, ASystemWithoutVentsIsLeftAlone) {
    setDriver(40.0, 50.0, 0.4, 4.0);
    selectSystem(1, 2);  // Closed Box
    CofCal();
    state.vents.SV11 = 0.0012;
    AsVentOpt();
    EXPECT_EQ(state.vents.SV11, 0.0012);
    EXPECT_EQ(state.vents.vent[1].VentForm, static_cast<int32_t>(VentForm::NotDesigned));
}

}  // namespace
}  // namespace quendal::test
