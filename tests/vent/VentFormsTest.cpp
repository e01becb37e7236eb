// The four forms of a vent record: counts, the minimum area, the sizes the
// user keeps, and the outcome of each form.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "VentPhysics.h"
#include "vent/VentForms.h"

namespace quendal::test {
namespace {

constexpr double kPi = std::numbers::pi;

// A 50 litre chamber tuned to 40 Hz, vents at least 30 cm^2, ports 20 mm.
const VentChamber kChamber{50.0, 40.0, 1};
const VentConditions kConditions{30.0, 20.0, oracle::kSoundSpeed};

VentRecord designed(int32_t tab, int32_t circularRadio, int32_t rectangularRadio, int32_t count = 1,
                    const VentChamber& chamber = kChamber, const VentConditions& conditions = kConditions) {
    VentRecord r;
    r.VentTypeTab = tab;
    r.CircVentRadio = circularRadio;
    r.RectVentRadio = rectangularRadio;
    r.CircVentNum = r.RectVentNum = count;
    designVentRecord(r, chamber, conditions);
    return r;
}

TEST(VentCounts, SingleVentsTakeOneToTenAndTwoBranchesAnEvenCountUpToEight) {
    struct Case {
        int32_t count, branches, admitted;
    };
    for (const Case c : {Case{0, 1, 1}, Case{1, 1, 1}, Case{7, 1, 7}, Case{11, 1, 10}, Case{1, 2, 2}, Case{3, 2, 4},
                         Case{6, 2, 6}, Case{9, 2, 8}, Case{10, 2, 8}, Case{-3, 2, 2}})
        EXPECT_EQ(admittedCount(c.count, c.branches), c.admitted) << c.count << " in " << c.branches << " branches";
}

TEST(VentForms, AutomaticDuctsHaveTheMinimumAreaWhateverTheCount) {
    for (int32_t count : {1, 3, 10}) {
        const VentRecord r = designed(1, 2, 2, count);
        EXPECT_NEAR(r.CircDuctSV, 30.0, 1e-9);
        EXPECT_NEAR(r.RectDuctSV, 30.0, 1e-9);
        // The count divides the area: each circle has a count-th of it.
        EXPECT_NEAR(count * kPi * r.CircDuctDV * r.CircDuctDV / 4.0, 3000.0, 1e-6);
        EXPECT_DOUBLE_EQ(r.RectDuctWV, r.RectDuctHV);
        EXPECT_EQ(r.VentForm, static_cast<int32_t>(VentForm::Realisable));
    }
}

TEST(VentForms, EveryFormOfTheRecordTunesTheChamber) {
    const VentRecord r = designed(1, 1, 1, 2);
    auto hz = [](double lengthMm, double pipeAreaMm2, double radiusMm) {
        return resonanceHz(ventMass(lengthMm / 1000.0, pipeAreaMm2 / 1e6, radiusMm / 1000.0, 2.0), 50.0);
    };
    const double circle = r.CircPortDV / 2.0, duct = r.CircDuctDV / 2.0;
    EXPECT_NEAR(hz(r.CircPortLV, kPi * circle * circle, circle), 40.0, 1e-3);
    EXPECT_NEAR(hz(r.CircDuctLV, kPi * duct * duct, duct), 40.0, 1e-3);
    EXPECT_NEAR(hz(r.RectPortLV, r.RectPortWV * r.RectPortHV, equivalentRadius(r.RectPortWV, r.RectPortHV)), 40.0,
                1e-3);
    EXPECT_NEAR(hz(r.RectDuctLV, r.RectDuctWV * r.RectDuctHV, equivalentRadius(r.RectDuctWV, r.RectDuctHV)), 40.0,
                1e-3);
    EXPECT_DOUBLE_EQ(r.CircPortLV, 20.0);
    EXPECT_DOUBLE_EQ(r.RectPortLV, 20.0);
}

TEST(VentForms, TwoBranchesEachTuneTheChamberWithHalfTheVents) {
    VentRecord r = designed(1, 2, 2, 4, {50.0, 40.0, 2});
    const double a = r.CircDuctDV / 2.0;
    EXPECT_NEAR(resonanceHz(ventMass(r.CircDuctLV / 1000.0, kPi * a * a / 1e6, a / 1000.0, 2.0), 50.0), 40.0, 1e-3);
}

struct OutcomeCase {
    const char* name;
    int32_t tab, circularRadio, rectangularRadio;
    VentChamber chamber;
    double minimumArea;
    VentForm outcome;
};

class VentOutcome : public testing::TestWithParam<OutcomeCase> {};
std::string outcomeName(const testing::TestParamInfo<OutcomeCase>& c) { return c.param.name; }

TEST_P(VentOutcome, IsTheOutcomeOfTheFormInForce) {
    const OutcomeCase& c = GetParam();
    const VentConditions conditions{c.minimumArea, 20.0, oracle::kSoundSpeed};
    const VentRecord r = designed(c.tab, c.circularRadio, c.rectangularRadio, 1, c.chamber, conditions);
    EXPECT_EQ(r.VentForm, static_cast<int32_t>(c.outcome));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, VentOutcome,
    testing::Values(
        // A 20 mm port tunes 50 l to 40 Hz with about 12 cm^2 only.
        OutcomeCase{"PortBelowTheMinimum", 1, 1, 1, {50.0, 40.0, 1}, 30.0, VentForm::BelowMinimumArea},
        OutcomeCase{"RectangularPortBelowTheMinimum", 2, 1, 1, {50.0, 40.0, 1}, 30.0, VentForm::BelowMinimumArea},
        OutcomeCase{"PortAboveTheMinimum", 1, 1, 1, {50.0, 40.0, 1}, 5.0, VentForm::Realisable},
        OutcomeCase{"Duct", 1, 2, 1, {50.0, 40.0, 1}, 30.0, VentForm::Realisable},
        // A high tuning of a small chamber needs less mass than the end
        // corrections of a vent of that area already give.
        OutcomeCase{"DuctWithNoLengthLeft", 1, 2, 1, {100.0, 200.0, 1}, 100.0, VentForm::LengthNotPositive},
        OutcomeCase{"RectangularDuctWithNoLengthLeft", 2, 1, 2, {100.0, 200.0, 1}, 100.0,
                    VentForm::LengthNotPositive},
        // A low tuning of a small chamber needs a duct longer than the box.
        OutcomeCase{"DuctLongerThanTheBox", 1, 2, 1, {10.0, 20.0, 1}, 60.0, VentForm::LongerThanBox},
        OutcomeCase{"RectangularDuctLongerThanTheBox", 2, 1, 2, {10.0, 20.0, 1}, 60.0, VentForm::LongerThanBox}),
    outcomeName);

TEST(VentForms, AnEditedDiameterIsKeptUntilItFallsBelowANewMinimum) {
    VentRecord r = designed(1, 2, 1);
    r.CircDuctDV = 80.0;
    r.CircDuctVentInit = 1;
    designVentRecord(r, kChamber, kConditions);
    EXPECT_DOUBLE_EQ(r.CircDuctDV, 80.0);
    EXPECT_NEAR(r.CircDuctSV, kPi * 40.0 * 40.0 / 100.0, 1e-9);
    // A higher input power asks for 60 cm^2: 80 mm (50.3 cm^2) no longer does.
    designVentRecord(r, kChamber, {60.0, 20.0, oracle::kSoundSpeed});
    EXPECT_EQ(r.CircDuctVentInit, 0);
    EXPECT_NEAR(r.CircDuctSV, 60.0, 1e-9);
}

TEST(VentForms, AnEditedRectangularDuctKeepsItsSidesWhileItsAreaSuffices) {
    VentRecord r = designed(2, 1, 2);
    r.RectDuctWV = 100.0;
    r.RectDuctHV = 40.0;
    r.RectDuctVentInit = 1;
    designVentRecord(r, kChamber, kConditions);
    EXPECT_DOUBLE_EQ(r.RectDuctWV, 100.0);
    EXPECT_DOUBLE_EQ(r.RectDuctHV, 40.0);
    designVentRecord(r, kChamber, {41.0, 20.0, oracle::kSoundSpeed});
    EXPECT_EQ(r.RectDuctVentInit, 0);
    EXPECT_NEAR(r.RectDuctSV, 41.0, 1e-9);
}

TEST(VentForms, RectangularPortWidthsReachingTheMinimumLieAroundTheSquare) {
    // 3 cm^2 is more than a slot gives and less than the square's area.
    const VentConditions conditions{8.0, 20.0, oracle::kSoundSpeed};
    const PortWidths widths = rectangularPortWidths(1, kChamber, conditions);
    ASSERT_EQ(widths.kind, PortWidths::Kind::Between);
    const VentRecord square = designed(2, 1, 1, 1, kChamber, conditions);
    EXPECT_LT(widths.lowMm, square.RectPortWV);
    EXPECT_GT(widths.highMm, square.RectPortWV);
    for (double width : {widths.lowMm, widths.highMm}) {
        VentRecord r = square;
        r.RectPortWV = width;
        r.RectPortVentInit = 1;
        designVentRecord(r, kChamber, conditions);
        EXPECT_EQ(r.RectPortVentInit, 1);
        EXPECT_NEAR(r.RectPortSV, 8.0, 1e-6) << "width " << width;
    }
    // Narrower than the low width the port falls below the minimum: the
    // automatic square comes back.
    VentRecord narrow = square;
    narrow.RectPortWV = widths.lowMm * 0.9;
    narrow.RectPortVentInit = 1;
    designVentRecord(narrow, kChamber, conditions);
    EXPECT_EQ(narrow.RectPortVentInit, 0);
    EXPECT_DOUBLE_EQ(narrow.RectPortWV, square.RectPortWV);
    EXPECT_EQ(rectangularPortWidths(1, kChamber, {100.0, 20.0, oracle::kSoundSpeed}).kind, PortWidths::Kind::None);
    EXPECT_EQ(rectangularPortWidths(1, kChamber, {1.0, 20.0, oracle::kSoundSpeed}).kind, PortWidths::Kind::Any);
}

}  // namespace
}  // namespace quendal::test
