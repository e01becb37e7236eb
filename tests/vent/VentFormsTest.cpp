// The four forms of a vent record: counts, the minimum area, the sizes the
// user keeps, and the outcome of each form.
#include <gtest/gtest.h>

#include <numbers>
#include <ostream>
#include <string>

#include "VentPhysics.h"
#include "response/VentForms.h"

namespace quendal::test {
namespace {

constexpr double kPi = std::numbers::pi;
// A 50 litre chamber tuned to 40 Hz, vents of at least 30 cm^2, 20 mm ports.
const VentChamber kChamber{50.0, 40.0, 1};
const VentConditions kConditions{30.0, 20.0, oracle::kSoundSpeed};

VentRecord designed(int32_t tab, int32_t radio, int32_t count = 1, const VentChamber& chamber = kChamber,
                    const VentConditions& conditions = kConditions) {
    VentRecord r;
    r.VentTypeTab = tab;
    r.CircVentRadio = r.RectVentRadio = radio;
    r.CircVentNum = r.RectVentNum = count;
    designVentRecord(r, chamber, conditions);
    return r;
}

TEST(VentCounts, SingleVentsTakeOneToTenAndTwoBranchesAnEvenCountUpToEight) {
    const int32_t cases[][3] = {{0, 1, 1}, {7, 1, 7}, {11, 1, 10}, {1, 2, 2}, {3, 2, 4}, {10, 2, 8}, {-3, 2, 2}};
    for (const auto& c : cases) EXPECT_EQ(admittedCount(c[0], c[1]), c[2]) << c[0] << " in " << c[1] << " branches";
}

TEST(VentForms, EveryFormTunesTheChamberAndAutomaticDuctsShareTheMinimumArea) {
    for (const VentChamber chamber : {kChamber, VentChamber{50.0, 40.0, 2}}) {
        const VentRecord r = designed(1, 2, 4, chamber);
        // Each branch of a two-branch vent tunes the chamber with half the vents.
        const double pipes = 4.0 / chamber.branches;
        auto hz = [&](double lengthMm, double areaMm2, double radiusMm, double ends = kDuctEndCorrections) {
            return resonanceHz(ventMass(lengthMm / 1e3, areaMm2 / 1e6, radiusMm / 1e3, pipes, ends), 50.0);
        };
        const double port = r.CircPortDV / 2.0, duct = r.CircDuctDV / 2.0;
        EXPECT_NEAR(hz(r.CircPortLV, kPi * port * port, port, kPortEndCorrections), 40.0, 1e-3);
        EXPECT_NEAR(hz(r.CircDuctLV, kPi * duct * duct, duct), 40.0, 1e-3);
        EXPECT_NEAR(hz(r.RectPortLV, r.RectPortWV * r.RectPortHV, equivalentRadius(r.RectPortWV, r.RectPortHV),
                       kPortEndCorrections),
                    40.0, 1e-3);
        EXPECT_NEAR(hz(r.RectDuctLV, r.RectDuctWV * r.RectDuctHV, equivalentRadius(r.RectDuctWV, r.RectDuctHV)),
                    40.0, 1e-3);
        EXPECT_DOUBLE_EQ(r.CircPortLV, 20.0);
        EXPECT_NEAR(4.0 * kPi * duct * duct / 100.0, 30.0, 1e-9);  // the count divides the area
        EXPECT_NEAR(r.RectDuctSV, 30.0, 1e-9);
    }
}

struct OutcomeCase {
    const char* name;
    int32_t tab, radio;
    VentChamber chamber;
    double minimumArea;
    VentForm outcome;
};
void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }
class VentOutcome : public testing::TestWithParam<OutcomeCase> {};
std::string outcomeName(const testing::TestParamInfo<OutcomeCase>& c) { return c.param.name; }

TEST_P(VentOutcome, IsTheOutcomeOfTheFormInForce) {
    const OutcomeCase& c = GetParam();
    const VentRecord r = designed(c.tab, c.radio, 1, c.chamber, {c.minimumArea, 20.0, oracle::kSoundSpeed});
    EXPECT_EQ(r.VentForm, static_cast<int32_t>(c.outcome));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, VentOutcome,
    testing::Values(
        // A 20 mm port tunes 50 l to 40 Hz with about 12 cm^2.
        OutcomeCase{"PortBelowTheMinimum", 1, 1, {50.0, 40.0, 1}, 30.0, VentForm::BelowMinimumArea},
        OutcomeCase{"RectangularPortBelowTheMinimum", 2, 1, {50.0, 40.0, 1}, 30.0, VentForm::BelowMinimumArea},
        OutcomeCase{"PortAboveTheMinimum", 1, 1, {50.0, 40.0, 1}, 5.0, VentForm::Realisable},
        OutcomeCase{"Duct", 2, 2, {50.0, 40.0, 1}, 30.0, VentForm::Realisable},
        // A high tuning needs less mass than the ends of so wide a vent give.
        OutcomeCase{"DuctWithNoLengthLeft", 1, 2, {100.0, 200.0, 1}, 100.0, VentForm::LengthNotPositive},
        // A low tuning of a small chamber needs a duct longer than the box:
        // the automatic duct is the largest that fits, and says why it is small.
        OutcomeCase{"RectangularDuctLongerThanTheBox", 2, 2, {10.0, 20.0, 1}, 60.0, VentForm::ChamberTooSmall},
        OutcomeCase{"CircularDuctLongerThanTheBox", 1, 2, {10.0, 20.0, 1}, 60.0, VentForm::ChamberTooSmall},
        // 10 cm^2 tune 50 l to 40 Hz with 11 mm of duct, less than the panel.
        OutcomeCase{"DuctShorterThanThePanel", 1, 2, {50.0, 40.0, 1}, 10.0, VentForm::ShorterThanPanel},
        // A 20 mm port tunes 1 l to 600 Hz at 151 mm across, the face is 100 mm.
        OutcomeCase{"PortWiderThanTheFace", 1, 1, {1.0, 600.0, 1}, 5.0, VentForm::WiderThanPanel}),
    outcomeName);

// The user's duct stays below a new minimum, its air then too fast; and a
// duct too thin for any length to tune the chamber stays too, saying so,
// until a lower tuning gives it a length that tunes the chamber again.
TEST(VentForms, AnEditedDuctIsKeptBelowANewMinimumAndWithNoLengthLeft) {
    VentRecord r = designed(1, 2);
    r.CircDuctDV = 80.0;  // 50.3 cm^2
    r.CircDuctVentInit = 1;
    designVentRecord(r, kChamber, kConditions);
    EXPECT_DOUBLE_EQ(r.CircDuctDV, 80.0);
    designVentRecord(r, kChamber, {60.0, 20.0, oracle::kSoundSpeed});
    EXPECT_EQ(r.CircDuctVentInit, 1);
    EXPECT_DOUBLE_EQ(r.CircDuctDV, 80.0);
    EXPECT_EQ(r.VentForm, static_cast<int32_t>(VentForm::BelowMinimumArea));

    // Where the air mass of the area just equals that of the two ends (the
    // textbook corrections), a duct has no length left.
    const double c = oracle::kSoundSpeed, w = 2.0 * kPi * kChamber.tuningHz, v = kChamber.volumeLitre / 1000.0;
    const double thinnestMm = 2000.0 * kDuctEndCorrections * w * w * v / (c * c * kPi);
    EXPECT_NEAR(shortestDuctDiameterMm(1, kChamber, kConditions), thinnestMm, 1e-3 * thinnestMm);
    for (double factor : {1.01, 0.99}) {
        r.CircDuctDV = factor * thinnestMm;
        r.CircDuctVentInit = 1;
        designVentRecord(r, kChamber, {1.0, 20.0, oracle::kSoundSpeed});
        EXPECT_EQ(r.CircDuctVentInit, 1) << factor;
        EXPECT_NEAR(r.CircDuctDV, factor * thinnestMm, 0.005) << factor;
        EXPECT_EQ(r.CircDuctLV > 0.0, factor > 1.0) << factor;
        EXPECT_EQ(r.VentForm == static_cast<int32_t>(VentForm::LengthNotPositive), factor < 1.0) << factor;
    }
    const VentChamber lower{kChamber.volumeLitre, 30.0, 1};
    designVentRecord(r, lower, kConditions);
    const double a = r.CircDuctDV / 2000.0;
    EXPECT_NEAR(resonanceHz(ventMass(r.CircDuctLV / 1000.0, kPi * a * a, a, 1.0), v * 1000.0), 30.0,
                kTuningTolerance * 30.0);
}

TEST(VentForms, RectangularPortsReachTheMinimumBetweenTwoWidthsAroundTheSquare) {
    const VentConditions conditions{8.0, 20.0, oracle::kSoundSpeed};
    const PortWidths widths = rectangularPortWidths(1, kChamber, conditions);
    ASSERT_EQ(widths.kind, PortWidths::Kind::Between);
    const VentRecord square = designed(2, 1, 1, kChamber, conditions);
    EXPECT_LT(widths.lowMm, square.RectPortWV);
    EXPECT_GT(widths.highMm, square.RectPortWV);
    for (double width : {widths.lowMm, widths.highMm, widths.lowMm * 0.9}) {
        VentRecord r = square;
        r.RectPortWV = width;
        r.RectPortVentInit = 1;
        designVentRecord(r, kChamber, conditions);
        const bool within = width >= widths.lowMm;
        EXPECT_EQ(r.RectPortVentInit, 1) << width;  // too narrow is kept too, below the minimum
        // The width kept to 0.01 mm moves the area by at most its height times 0.005 mm.
        if (within) EXPECT_NEAR(r.RectPortSV, 8.0, 0.005 * r.RectPortHV / 100.0 + 1e-6) << width;
        else EXPECT_LT(r.RectPortSV, 8.0) << width;
    }
    EXPECT_EQ(rectangularPortWidths(1, kChamber, {100.0, 20.0, oracle::kSoundSpeed}).kind, PortWidths::Kind::None);
    EXPECT_EQ(rectangularPortWidths(1, kChamber, {1.0, 20.0, oracle::kSoundSpeed}).kind, PortWidths::Kind::Any);
}

// The widest rectangular port the user may enter is the slot whose height
// is the smallest size kept, 0.01 mm, and which still tunes the chamber;
// a count that leaves it thinner gives the port back its automatic size.
TEST(VentForms, TheWidestPortEnteredIsTheSlotOfTheSmallestHeightThatTunesTheChamber) {
    VentRecord port = designed(2, 1);
    const double widest = largestEnteredSizeMm(port, VentShape::RectangularPort, false, kChamber, kConditions);
    const double slotHz = resonanceHz(ventMass(20.0 / 1e3, widest * kSmallestVentSizeMm / 1e6,
                                               equivalentRadius(widest, kSmallestVentSizeMm) / 1e3, 1.0,
                                               kPortEndCorrections),
                                      kChamber.volumeLitre);
    EXPECT_NEAR(slotHz, kChamber.tuningHz, kTuningTolerance * kChamber.tuningHz);
    port.RectPortWV = widest;
    EXPECT_TRUE(keepsEnteredSize(port, VentShape::RectangularPort, kChamber, kConditions));
    port.RectPortVentInit = 1;
    port.RectVentNum = 2;  // half the area each
    designVentRecord(port, kChamber, kConditions);
    EXPECT_EQ(port.RectPortVentInit, 0);
    EXPECT_TRUE(realForm(port, VentShape::RectangularPort));
}

}  // namespace
}  // namespace quendal::test
