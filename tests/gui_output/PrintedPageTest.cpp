// The printed response page: its scale on the paper, its footer and what
// lands on the page, drawn on the recording surface.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/ParameterPasses.h"
#include "app/PrintingPage.h"
#include "model/State.h"
#include "view/RecordingSurface.h"

namespace quendal::test {
namespace {

using Kind = RecordedElement::Kind;

platform::PageArea area(double width, double height) { return platform::PageArea{0.0, 0.0, height, width}; }

TEST(PrintScale, FollowsTheWidthOfAPortraitAreaAndTheHeightOfALandscapeOne) {
    struct Row {
        const char* paper;
        platform::PageArea printable;
        double userScale, expected;
    } rows[] = {
        {"A4 portrait at 100 %", area(559, 806), 100.0, 102.5},
        {"A4 portrait at 80 %", area(559, 806), 80.0, 82.0},
        {"A4 landscape", area(806, 559), 100.0, 71.5},
        {"A4 landscape at 50 %", area(806, 559), 50.0, 35.75},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.paper);
        EXPECT_NEAR(PrintPageScale(row.printable, row.userScale), row.expected, 0.01);
    }
}

TEST(PrintScale, KeepsThePageOnEveryPaperAtTheUsersFullScale) {
    // Printable areas with margins of 18 pt: A4, US Letter, Legal, A5 and A3,
    // upright and on their side.
    const platform::PageArea papers[] = {area(559, 806), area(576, 756), area(576, 972), area(384, 559),
                                         area(806, 1155), area(806, 559), area(756, 576), area(972, 576)};
    for (const platform::PageArea& paper : papers) {
        const double scale = PrintPageScale(paper, 100.0) / 100.0;
        EXPECT_LE(kPrintedPageWidth * scale, paper.right + 1e-9);
        EXPECT_LE(kPrintedPageHeight * scale, paper.bottom + 1e-9);
    }
    // On US Letter the width alone would put the footer 30 pt below the paper.
    EXPECT_GT(CalcPrintPageScale(area(576, 756)) / 100.0 * kPrintedPageHeight, 756.0 + 30.0);
}

TEST(FooterText, NamesTheMonthAndGivesTheTimeToTheMinute) {
    std::tm christmasEve{};
    christmasEve.tm_year = 2021 - 1900;
    christmasEve.tm_mon = 11;
    christmasEve.tm_mday = 24;
    christmasEve.tm_hour = 9;
    christmasEve.tm_min = 5;
    christmasEve.tm_sec = 59;
    EXPECT_EQ(FooterDate(christmasEve), "Dec/24/2021");
    EXPECT_EQ(FooterTime(christmasEve), "09:05");
    std::tm newYear = christmasEve;
    newYear.tm_year = 2105 - 1900;
    newYear.tm_mon = 0;
    newYear.tm_mday = 1;
    EXPECT_EQ(FooterDate(newYear), "Jan/01/2105");
}

class PrintedPage : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        OriginalBoxParametersPass();
        InitItemBoxParameters();
        state.selection.SysSelTabNum = 1;  // Infinite Baffle: curves from the driver alone
        state.selection.SysSelBtnNum = 1;
        setSurfaceProvider(&provider);
        state.draw.DoPrint = 1;
    }
    void TearDown() override {
        setSurfaceProvider(nullptr);
        resetState();
    }
    bool pageNames(const std::string& words) const {
        const auto texts = provider.page.ofKind(Kind::Text);
        return std::any_of(texts.begin(), texts.end(), [&](const RecordedElement& e) { return e.text.find(words) != std::string::npos; });
    }
    RecordingProvider provider;
};

TEST_F(PrintedPage, FooterStandsUnderTheParameterBlockOrAtTheBottomLeft) {
    struct Row {
        const char* kind;
        int32_t printParameters;
        const char* text;
        double x, y;
    } rows[] = {
        {"amp", 1, "Quendal Test20-04 Dec/24/2021 09:05", 200.0, 780.0},
        {"ph", 0, "Quendal  Test20-04  Dec/24/2021  09:05", 25.0, 775.0},
        {"sys", 1, "Quendal  Test20-04  Dec/24/2021  09:05", 25.0, 775.0},
        {"vent", 1, "Quendal  Test20-04  Dec/24/2021  09:05", 25.0, 775.0},
    };
    std::tm when{};
    when.tm_year = 121, when.tm_mon = 11, when.tm_mday = 24, when.tm_hour = 9, when.tm_min = 5;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        provider.page.reset();
        state.view.s_Resp = row.kind;
        state.prefs.PrintParamCheck = row.printParameters;
        DrawFooter(when);
        const auto texts = provider.page.ofKind(Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, row.text);
        EXPECT_EQ(texts[0].x0, row.x);
        EXPECT_EQ(texts[0].y0, row.y);
        EXPECT_EQ(texts[0].size, 13.0);
        EXPECT_TRUE(provider.window.elements().empty()) << "the footer belongs to the paper";
    }
}

TEST_F(PrintedPage, AGraphCarriesTheParameterBlockWhenThePreferencesAskForIt) {
    for (const char* kind : {"ph", "gd", "nq", "amp", "st"}) {
        SCOPED_TRACE(kind);
        state.view.s_Resp = kind;
        for (int32_t wanted : {1, 0}) {
            provider.page.reset();
            state.prefs.PrintParamCheck = wanted;
            ResponsePrint();
            EXPECT_FALSE(provider.page.ofKind(Kind::Line).empty()) << "the graph is drawn";
            EXPECT_EQ(pageNames("Test20-04"), wanted == 1);
            EXPECT_EQ(state.draw.ClippingFlag, 0);
        }
    }
    EXPECT_TRUE(provider.window.elements().empty());
}

}  // namespace
}  // namespace quendal::test
