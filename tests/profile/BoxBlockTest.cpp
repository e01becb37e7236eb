// The box parameter block of every layout: which value stands on which
// row, how it is rounded and aligned, and where the printed shifts move it.
#include <functional>
#include <ostream>

#include "profile/ProfileFixture.h"
#include "view/SystemProfileBlock.h"

namespace quendal::test {
namespace {

// Distinct values, so that a row showing the wrong parameter is seen.
void distinctBoxValues() {
    BoxParameters& b = state.box;
    b.VB = 30.0; b.FC = 25.5; b.QTC = 0.7071; b.QA = 10.0; b.FB = 41.0; b.QL = 9.0;
    b.VB1 = 11.0; b.FB1 = 21.0; b.QL1 = 3.0; b.FC1 = 31.0; b.QA1 = 5.0;
    b.VB2 = 12.0; b.FB2 = 22.0; b.QL2 = 15.0; b.FC2 = 32.0; b.QA2 = 20.0;
    b.VB3 = 13.0; b.FB3 = 23.0; b.QL3 = 7.0;
    PassiveRadiatorParameters& pr = state.radiator;
    pr.VAP = 44.0; pr.FP = 24.0; pr.QP = 6.0;
    pr.VAPOrg = 10.5; pr.FPOrg = 27.0; pr.QPOrg = 8.0; pr.PopupPRNum = 2; pr.s_PR = "PR-10";
}

struct BlockCase {
    const char* name;
    int32_t tab, button;
    uint8_t prUse;
    std::vector<std::pair<double, const char*>> values;  // baseline, value text
    size_t boxes;
    std::vector<double> separators;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }
class BoxBlock : public ProfileTest, public testing::WithParamInterface<BlockCase> {};

TEST_P(BoxBlock, EachRowShowsItsParameterOnItsBaseline) {
    const BlockCase& c = GetParam();
    distinctBoxValues();
    state.radiator.PRUseFlag = c.prUse;
    select(c.tab, c.button);
    DrawSystemParameter(0);

    ASSERT_EQ(texts("Box Parameters").size(), 1u);
    EXPECT_EQ(texts("Box Parameters")[0].y0, 420.0);
    for (const auto& [baseline, text] : c.values) {
        const auto v = valueOn(baseline);
        ASSERT_TRUE(v.has_value()) << "no value on " << baseline;
        EXPECT_EQ(v->text, text) << "on " << baseline;
        EXPECT_EQ(v->size, 12.0);
    }
    EXPECT_EQ(rects().size(), c.boxes);
    std::vector<double> drawn;
    for (const RecordedElement& l : lines()) drawn.push_back(l.y0);
    EXPECT_EQ(drawn, c.separators);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BoxBlock,
    testing::Values(
        BlockCase{"ClosedBox", 1, 2, 0, {{450, " 30"}, {470, " 25.5"}, {490, " 0.707"}, {510, " 10"}}, 4, {429.5}},
        BlockCase{"VentedBoxKeepsItsBoxInVB1FB1AndQL", 1, 3, 0, {{450, " 11"}, {470, " 21"}, {490, " 9"}}, 3, {429.5}},
        BlockCase{"PassiveRadiatorSetInUse", 1, 4, 0,
                  {{450, " 30"}, {470, " 41"}, {490, " 9"}, {550, " 44"}, {570, " 24"}, {590, " 6"}}, 6,
                  {429.5, 529.5}},
        BlockCase{"PassiveRadiatorUnitShowsOneUnit", 1, 4, 1,
                  {{570, " 2"}, {590, " 10.5"}, {610, " 27"}, {630, " 8"}}, 8, {429.5, 529.5}},
        BlockCase{"SerialVented", 1, 5, 0, {{450, " 11"}, {490, " 3"}, {520, " 12"}, {560, " 15"}}, 6,
                  {429.5, 499.5}},
        BlockCase{"TwinSerialVented", 1, 6, 0, {{590, " 13"}, {610, " 23"}, {630, " 7"}}, 9, {429.5, 499.5, 569.5}},
        BlockCase{"ComplexVentedSealedBoxLossIsQA1", 1, 8, 0, {{540, " 32"}, {560, " 5"}}, 6, {429.5, 499.5}},
        BlockCase{"RavezaBoxVentedLossIsQL1", 2, 1, 0, {{470, " 31"}, {490, " 5"}, {560, " 3"}}, 6, {429.5, 499.5}},
        BlockCase{"SerialRavezaType1ThirdBoxLossIsQL2", 2, 3, 0, {{560, " 3"}, {630, " 15"}}, 9,
                  {429.5, 499.5, 569.5}},
        BlockCase{"TwinVented", 2, 5, 0, {{490, " 3"}, {560, " 15"}}, 6, {429.5, 499.5}},
        BlockCase{"TripleVented", 2, 8, 0, {{590, " 13"}, {630, " 7"}}, 9, {429.5, 499.5, 569.5}},
        BlockCase{"PassiveRavezaSetInUse", 2, 2, 0, {{560, " 3"}, {620, " 44"}, {640, " 24"}, {660, " 6"}}, 9,
                  {429.5, 499.5, 599.5}},
        BlockCase{"PassiveRavezaUnitCountsEveryRadiatorsVolume", 2, 2, 1,
                  {{640, " 2"}, {660, " 21"}, {680, " 27"}, {700, " 8"}}, 11, {429.5, 499.5, 599.5}}),
    [](const testing::TestParamInfo<BlockCase>& param) { return std::string(param.param.name); });

TEST_F(ProfileTest, InfiniteBaffleHasNoBlockNotEvenTheHeader) {
    select(1, 1);
    DrawSystemParameter(0);
    EXPECT_TRUE(surface().elements().empty());
    EXPECT_EQ(state.draw.QzFontNum, 1);
    EXPECT_EQ(state.draw.fontSize, 13.0);
}

TEST_F(ProfileTest, UnitModelNameStandsInItsWideBox) {
    distinctBoxValues();
    state.radiator.PRUseFlag = 1;
    select(1, 4);
    DrawSystemParameter(0);
    ASSERT_EQ(texts("PR-10").size(), 1u);
    EXPECT_EQ(texts("PR-10")[0].x0, 370.0);
    EXPECT_EQ(texts("PR-10")[0].y0, 550.0);
    EXPECT_EQ(valueOn(570)->x0, 436.0);  // the count 2, like any value
    EXPECT_EQ(rects()[0].x0, 363.5);
    EXPECT_EQ(rects()[0].y0, 537.5);
}

TEST_F(ProfileTest, PrintedUnderAGraphTheBlockStands110Lower) {
    distinctBoxValues();
    select(1, 5);
    state.draw.DoPrint = 1;
    state.view.s_Resp = "amp";
    DrawSystemParameter(90);
    EXPECT_EQ(texts("Box Parameters")[0].y0, 530.0);
    EXPECT_EQ(valueOn(560)->text, " 11");
    EXPECT_EQ(lines()[0].y0, 539.5);
    EXPECT_EQ(lines()[0].stroke.width, 0.75);
    EXPECT_EQ(rects()[0].stroke.width, 0.5);
}

TEST_F(ProfileTest, PassiveRavezaUnderAGraphMovesItsPartsByTheirShifts) {
    distinctBoxValues();
    state.radiator.PRUseFlag = 1;
    select(2, 2);
    state.draw.DoPrint = 1;
    state.view.s_Resp = "amp";
    DrawSystemParameter(90);
    // The set in use, with the applied unit's name and count beside the sub-header.
    ASSERT_EQ(texts("Passive Radiator Params.").size(), 1u);
    EXPECT_EQ(texts("Passive Radiator Params.")[0].y0, 686.0);
    EXPECT_EQ(texts("PR-10")[0].y0, 688.0);
    ASSERT_EQ(texts("x 2").size(), 1u);
    EXPECT_EQ(texts("x 2")[0].x0, 485.0);
    EXPECT_EQ(valueOn(550)->text, " 11");  // box rows 100 lower
    EXPECT_EQ(valueOn(715)->text, " 44");  // radiator values 95 lower
    EXPECT_EQ(texts("Vap .......(P. R. Acoustic Volume)")[0].y0, 716.0);
    std::vector<double> separators;
    for (const RecordedElement& l : lines()) separators.push_back(l.y0);
    EXPECT_EQ(separators, (std::vector<double>{529.5, 599.5, 697.5}));
    bool fixedModelBox = false;
    for (const RecordedElement& r : rects())
        if (r.x0 == 363.5 && r.y0 == 675.5) fixedModelBox = true;
    EXPECT_TRUE(fixedModelBox);
}

TEST_F(ProfileTest, OnlyPassiveRavezaDrawsWideSeparatorsOnTheScreen) {
    select(2, 2);
    DrawSystemParameter(0);
    EXPECT_EQ(lines()[0].stroke.width, 0.75);
    provider.window.reset();
    select(2, 1);
    DrawSystemParameter(0);
    EXPECT_EQ(lines()[0].stroke.width, 1.0);  // the context's default hairline
}

}  // namespace
}  // namespace quendal::test
