// The names written over the system figures, in both renderings' drawn
// form, and the figure tables they go with.
#include "profile/ProfileFixture.h"
#include "view/ParameterLabels.h"
#include "view/SystemProfileFigures.h"
#include "view/VentLabels.h"

namespace quendal::test {
namespace {

TEST(FigureLabelTables, EverySystemHasItsLabelsWithinThePalettesIds) {
    size_t parameters = 0, vents = 0;
    for (int32_t tab = 1; tab <= 2; ++tab) {
        for (int32_t button = 1; button <= 8; ++button) {
            const auto p = parameterLabels(tab, button);
            EXPECT_GE(p.size(), 2u);
            EXPECT_LE(p.size(), 9u);
            EXPECT_LE(ventLabels(tab, button).size(), 5u);
            parameters += p.size();
            vents += ventLabels(tab, button).size();
            EXPECT_NE(profileSystemPicture(tab, button), nullptr);
        }
    }
    EXPECT_EQ(parameters, 105u);
    EXPECT_EQ(vents, 40u);
    EXPECT_TRUE(parameterLabels(3, 1).empty());
    EXPECT_TRUE(ventLabels(1, 9).empty());
    EXPECT_EQ(profileSystemPicture(1, 6)->file, "ParallelVentedImage.png");
    EXPECT_EQ(profileConnectionPicture(6), nullptr);
}

TEST_F(ProfileTest, ThePageOffsetMovesEveryLabelStraightDown) {
    for (int32_t button = 1; button <= 8; ++button) {
        select(2, button);
        provider.window.reset();
        DrawParamFontForSystemProfile(0);
        DrawVentFontForSystemProfile(0);
        const auto atTop = provider.window.ofKind(Kind::Text);
        provider.window.reset();
        DrawParamFontForSystemProfile(306);
        DrawVentFontForSystemProfile(306);
        const auto moved = provider.window.ofKind(Kind::Text);
        ASSERT_EQ(atTop.size(), moved.size());
        for (size_t i = 0; i < atTop.size(); ++i) {
            EXPECT_EQ(moved[i].x0, atTop[i].x0);
            EXPECT_EQ(moved[i].y0, atTop[i].y0 + 306.0);
            EXPECT_EQ(moved[i].size, atTop[i].size);
        }
    }
}

TEST_F(ProfileTest, SystemsWithoutVentsDrawNoVentLabelButSetTheirStyle) {
    select(1, 2);
    state.draw.QzFontNum = 5;
    DrawVentFontForSystemProfile(0);
    EXPECT_TRUE(surface().elements().empty());
    EXPECT_EQ(state.draw.RedCol, 0.2);
    EXPECT_EQ(state.draw.fontSize, 12.0);
    EXPECT_EQ(state.draw.QzFontNum, 1);
}

}  // namespace
}  // namespace quendal::test
