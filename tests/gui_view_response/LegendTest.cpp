// The legend strips: which entries each graph shows for a system, where,
// how they print, and which curve a click on an entry selects.
#include <QHash>
#include <QImage>
#include <QTest>

#include "ResponsePageFixture.h"
#include "view/Explanation.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

struct LegendCase {
    System system;
    const char* page;
    int32_t disp;
    bool sameChambers;  // Triple Vented halves alike (otherwise QL2 differs)
    std::vector<std::string> labels;
    std::vector<std::string> pictures;
    int checkedText;    // a text control whose span is checked: its number, left and right
    int16_t left, right;
};

const LegendCase kCases[] = {
    {{1, 4, "Passive Radiator"}, "amp", 2, true, {"Total", "Direct", "Passive Radiator"},
     {"OrangeFatBtn.png", "GreenThinBtn.png", "BlueThinBtn.png"}, 73, 302, 430},
    {{2, 8, "Triple Vented"}, "amp", 2, true, {"Total", "Vent1+2", "Vent3"},
     {"OrangeFatBtn.png", "GreenThinBtn.png", "BlueThinBtn.png"}, 73, 322, 360},
    {{2, 8, "Triple Vented"}, "amp", 2, false, {"Total", "Vent1", "Vent2", "Vent3"},
     {"OrangeFatBtn.png", "GreenThinBtn.png", "BlueThinBtn.png", "LightBlueThinBtn.png"}, 74, 402, 440},
    {{1, 2, "Closed Box"}, "amp", 3, true, {"Current", "Infinite Baffle"},
     {"OrangeFatBtn.png", "PurpleThinBtn.png"}, 72, 217, 340},
    {{1, 1, "Infinite Baffle"}, "amp", 3, true, {}, {}, 0, 0, 0},
    {{1, 3, "Vented Box"}, "amp", 1, true, {}, {}, 0, 0, 0},
    {{2, 3, "Serial Raveza Type1"}, "amp", 2, true, {"Vent2", "Vent1"}, {"OrangeFatBtn.png", "GreenThinBtn.png"}, 71, 102, 140},
    {{2, 4, "Serial Raveza Type2"}, "as", 2, true, {"Vent2", "Vent1"}, {"OrangeThinBtn.png", "GreenThinBtn.png"}, 72, 202, 245},
    {{2, 7, "Delta Vented"}, "as", 1, true, {"Vent3", "Vent1", "Vent2"},
     {"OrangeThinBtn.png", "GreenThinBtn.png", "BlueThinBtn.png"}, 73, 302, 345},
    {{2, 8, "Triple Vented"}, "as", 1, true, {"Vent1 or Vent2", "Vent3"}, {"OrangeThinBtn.png", "GreenThinBtn.png"}, 71, 102, 214},
    {{2, 8, "Triple Vented"}, "pw", 1, true, {"SP1 or SP2"}, {"OrangeFatBtn.png"}, 71, 102, 300},
    {{2, 8, "Triple Vented"}, "pw", 1, false, {"SP1", "SP2"}, {"OrangeThinBtn.png", "GreenThinBtn.png"}, 72, 202, 250},
    {{2, 8, "Triple Vented"}, "imp", 1, false, {"Total", "SP1", "SP2"},
     {"OrangeFatBtn.png", "GreenThinBtn.png", "BlueThinBtn.png"}, 73, 302, 370},
    {{2, 8, "Triple Vented"}, "dp", 1, true, {"SP1 or SP2"}, {"OrangeFatBtn.png"}, 71, 102, 300},
    {{1, 4, "Passive Radiator"}, "dp", 1, true, {"Driver", "Passive Radiator"},
     {"OrangeThinBtn.png", "GreenThinBtn.png"}, 72, 202, 350},
    {{1, 3, "Vented Box"}, "imp", 1, true, {}, {}, 0, 0, 0},
};

std::string legendCaseName(const LegendCase& c) {
    return testNameOf(c.system.name) + "_" + c.page + "_Disp" + std::to_string(c.disp) +
           (c.sameChambers ? "" : "_UnlikeChambers");
}
void PrintTo(const LegendCase& c, std::ostream* os) { *os << legendCaseName(c); }

class LegendEntries : public ResponsePageTest, public testing::WithParamInterface<LegendCase> {};

TEST_P(LegendEntries, NameTheCurvesOfTheGraph) {
    const LegendCase& c = GetParam();
    useSystem(c.system);
    if (!c.sameChambers) state.box.QL2 = state.box.QL1 + 3.0;
    state.view.Disp = c.disp;
    state.view.s_Resp = c.page;
    ReDispResposeWnd();

    ASSERT_EQ(legendControls().size(), 2 * c.labels.size());
    for (size_t k = 0; k < c.labels.size(); ++k) {
        const int32_t picture = 400 + int32_t(k), text = 71 + int32_t(k);
        EXPECT_EQ(platform::controlText(kResponseWindow, text), c.labels[k]);
        EXPECT_EQ(pictureOf(picture), pictureName(c.pictures[k]));
        const Rect16 pictureRect = platform::controlBounds(kResponseWindow, picture);
        const Rect16 textRect = platform::controlBounds(kResponseWindow, text);
        EXPECT_EQ(pictureRect.right - pictureRect.left, 50);
        EXPECT_EQ(textRect.left, pictureRect.left + 57);
        EXPECT_EQ(textRect.top, 352);
        EXPECT_EQ(textRect.bottom, 368);
        // The help tag stands below the text, centred.
        EXPECT_EQ(platform::helpTagOf(kResponseWindow, text).side, platform::HelpTagSide::BottomCentre);
    }
    if (c.checkedText != 0) {
        EXPECT_EQ(platform::controlBounds(kResponseWindow, c.checkedText).left, c.left);
        EXPECT_EQ(platform::controlBounds(kResponseWindow, c.checkedText).right, c.right);
    }
}

INSTANTIATE_TEST_SUITE_P(Graphs, LegendEntries, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LegendCase>& c) { return legendCaseName(c.param); });

TEST_F(ResponsePageTest, ComparisonHelpTagsDifferBetweenTheTabs) {
    state.view.Disp = 3;
    state.view.s_Resp = "amp";
    useSystem({1, 2, "Closed Box"});
    AmpExplanation();
    EXPECT_EQ(platform::helpTag(kResponseWindow, 72), "Infinit Baffle System Response");
    EXPECT_EQ(platform::helpTagOf(kResponseWindow, 72).side, platform::HelpTagSide::BottomCentre);
    useSystem({2, 1, "Raveza Box"});
    AmpExplanation();
    EXPECT_EQ(platform::helpTag(kResponseWindow, 72), "Infinite Baffle System Response");
}

TEST_F(ResponsePageTest, TheTwinSerialVentedFirstVentsHelpSaysItIsTheFasterBranch) {
    state.view.s_Resp = "as";
    useSystem({1, 6, "Twin Serial Vented"});
    AsExplanation();
    EXPECT_EQ(platform::controlText(kResponseWindow, 71), "Vent1");
    EXPECT_EQ(platform::helpTag(kResponseWindow, 71), "Vent1 Response, its faster branch");
}

TEST_F(ResponsePageTest, PrintedLegendDrawsLinesAndLabelsAndMakesNoControl) {
    useSystem({1, 8, "Complex Vented"});
    state.draw.DoPrint = 1;
    state.draw.ClippingFlag = 1;
    PwExplanation();
    const auto lines = provider.page.ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].y0, 360.0);
    EXPECT_EQ(lines[1].y0, 360.5);  // the second speaker half a pixel lower
    EXPECT_EQ(lines[1].y1, 360.5);
    EXPECT_EQ(lines[0].stroke.width, 1.2);
    EXPECT_EQ(lines[1].stroke.colour.green, 0.7843);
    const auto texts = provider.page.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "SP2");
    EXPECT_EQ(texts[1].x0, 202.0);
    EXPECT_EQ(texts[1].y0, 364.0);
    EXPECT_TRUE(legendControls().empty());

    // The Triple Vented speakers print 1.0 wide; another DoPrint draws nothing.
    useSystem({2, 8, "Triple Vented"});
    state.box.QL2 = state.box.QL1 + 3.0;
    provider.page.reset();
    PwExplanation();
    EXPECT_EQ(provider.page.ofKind(Kind::Line).at(1).stroke.width, 1.0);
    state.draw.DoPrint = 2;
    provider.page.reset();
    AmpExplanation();
    PwExplanation();
    EXPECT_TRUE(provider.page.elements().empty());
    EXPECT_TRUE(legendControls().empty());
}

// Hits of a legend picture, counted by a handler on it; a press, then the
// release over the picture.
int gPictureHits = 0;
int32_t countPictureHit(const platform::ControlEvent& event, int32_t) {
    if (event.kind == platform::ControlEventKind::Hit) ++gPictureHits;
    return platform::kHandled;
}
struct PressAndRelease {
    int atPress, atRelease;
};
PressAndRelease hitsOfAClick(int32_t picture) {
    gPictureHits = 0;
    platform::installControlHandler(kResponseWindow, picture, countPictureHit, picture);
    QWidget* widget = platform::qt::controlWidget(kResponseWindow, picture);
    QTest::mousePress(widget, Qt::LeftButton, {}, widget->rect().center());
    const int atPress = gPictureHits;
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->rect().center());
    return {atPress, gPictureHits};
}

TEST_F(ResponsePageTest, PictureReportsAClickAtOnceUntilTheReadOutOpens) {
    useSystem({1, 3, "Vented Box"});
    state.view.Disp = 2;
    state.shell.ControlPictureProc = 305;
    AmpExplanation();
    const PressAndRelease once = hitsOfAClick(400);
    EXPECT_EQ(once.atPress, 1);  // reported as the button goes down
    EXPECT_EQ(once.atRelease, 1);
    state.shell.ControlPictureProc = 304;
    AmpExplanation();
    const PressAndRelease tracked = hitsOfAClick(402);
    EXPECT_EQ(tracked.atPress, 0);  // tracked: reported when released over the picture
    EXPECT_EQ(tracked.atRelease, 1);
}

TEST_F(ResponsePageTest, ARedrawKeepsTheStripItShowsAgainAndAPageWithoutOneRemovesIt) {
    useSystem({1, 3, "Vented Box"});
    state.view.Disp = 2;
    state.view.s_Resp = "amp";
    ReDispResposeWnd();
    const QWidget* picture = platform::qt::controlWidget(kResponseWindow, 400);
    ASSERT_NE(picture, nullptr);
    ReDispResposeWnd();
    EXPECT_EQ(platform::qt::controlWidget(kResponseWindow, 400), picture);
    state.view.Disp = 1;  // the total alone: another strip, built anew
    ReDispResposeWnd();
    const Legend total = ampLegend();
    ASSERT_EQ(legendControls().size(), 2 * size_t(total.count));
    EXPECT_EQ(platform::controlText(kResponseWindow, 71), total.entries[0].label);
    state.view.s_Resp = "ph";
    ReDispResposeWnd();
    EXPECT_TRUE(legendControls().empty());
}

// A redraw with another strip changes the standing controls in place; each
// strip shows exactly what the same strip built from nothing shows, and an
// entry that stays keeps its controls.
TEST_F(ResponsePageTest, AChangedStripShowsWhatAStripBuiltFromNothingShows) {
    struct Step {
        double ql2;  // the Triple Vented chamber 2 loss: alike (7) or not
        int32_t disp;
        const char* page;
    };
    // What the strip's eight controls show: for each, whether it stands, its
    // span, words, help tag, picture and the picture's pixels.
    const auto stripShown = [] {
        std::vector<std::string> shown;
        for (int32_t control : {400, 401, 402, 403, 71, 72, 73, 74}) {
            if (!platform::controlExists(kResponseWindow, control)) {
                shown.emplace_back("none");
                continue;
            }
            const Rect16 r = platform::controlBounds(kResponseWindow, control);
            const auto* view = qobject_cast<QLabel*>(platform::qt::controlWidget(kResponseWindow, control));
            const QImage pixels = view->pixmap().toImage();
            shown.push_back(std::to_string(r.left) + "-" + std::to_string(r.right) + " " +
                            platform::controlText(kResponseWindow, control) + " | " +
                            platform::helpTag(kResponseWindow, control) + " | " + pictureOf(control) +
                            " " + std::to_string(qHashBits(pixels.constBits(), size_t(pixels.sizeInBytes()))));
        }
        return shown;
    };
    useSystem({2, 8, "Triple Vented"});
    state.box.QL1 = state.box.QL2 = 7.0;
    state.view.Disp = 2;
    state.view.s_Resp = "amp";
    ReDispResposeWnd();
    for (const Step& step : {Step{10.0, 2, "amp"}, Step{7.0, 2, "amp"}, Step{10.0, 2, "amp"}, Step{10.0, 3, "amp"},
                             Step{10.0, 1, "imp"}, Step{7.0, 1, "imp"}, Step{7.0, 2, "amp"}}) {
        const QWidget* total = platform::qt::controlWidget(kResponseWindow, 400);
        const std::string totalBefore = stripShown()[0];
        state.box.QL2 = step.ql2;
        state.view.Disp = step.disp;
        state.view.s_Resp = step.page;
        ReDispResposeWnd();
        const std::vector<std::string> changed = stripShown();
        if (changed[0] == totalBefore) {
            EXPECT_EQ(platform::qt::controlWidget(kResponseWindow, 400), total);
        }
        ExplanationBtnClose();
        ReDispResposeWnd();
        EXPECT_EQ(changed, stripShown()) << step.page << " Disp " << step.disp << " QL2 " << step.ql2;
    }
}

}  // namespace
}  // namespace quendal::test
