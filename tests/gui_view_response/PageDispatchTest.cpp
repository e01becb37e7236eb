// Every page of one system of each family drawn in turn: what each page
// leaves in the window (curves, legend controls, slider) and that nothing
// of the page before survives.
#include <set>

#include "ResponsePageFixture.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

bool viewItemEnabled(int32_t item) { return platform::isMenuItemEnabled(kViewMenu, item); }

// Legend entries each page shows with all characters (Disp 2), as the
// legend tables give them: amp, pw, imp, dp, as.
// Passive Raveza has no vent and no components to show: its amplitude and
// air-speed pages stay without curves.
struct PageSet {
    System system;
    int amp, pw, imp, dp, as;
    bool curvesOnAllGraphs;
};

const PageSet kFamilies[] = {
    {{1, 3, "Vented Box"}, 3, 0, 0, 0, 0, true},
    {{1, 8, "Complex Vented"}, 3, 2, 3, 2, 0, true},
    {{2, 2, "Passive Raveza"}, 0, 0, 0, 2, 0, false},
    {{2, 8, "Triple Vented, symmetric"}, 3, 1, 2, 1, 2, true},
};

void PrintTo(const PageSet& set, std::ostream* os) { *os << set.system.name; }

class PageDispatch : public ResponsePageTest, public testing::WithParamInterface<PageSet> {};

// Each legend entry a picture and a text; the Nyquist page its slider and
// arrows; every graph page the window's details triangle (405), which the
// profile and vent pages do without.
std::set<int32_t> expectedControls(const std::string& page, int legendEntries) {
    std::set<int32_t> out;
    for (int k = 0; k < legendEntries; ++k) out.insert({400 + k, 71 + k});
    if (page == "nq") out.insert({406, 407, 408});
    if (page != "sys" && page != "vent") out.insert(405);
    return out;
}

TEST_P(PageDispatch, EachPageLeavesOnlyItsOwnControlsAndDrawsItsCurves) {
    const PageSet& set = GetParam();
    useSystem(set.system);
    state.view.Disp = 2;
    const std::pair<const char*, int> pages[] = {{"amp", set.amp}, {"nq", 0},     {"pw", set.pw}, {"imp", set.imp},
                                                 {"dp", set.dp},   {"ph", 0},     {"as", set.as}, {"gd", 0},
                                                 {"st", 0},        {"amp", set.amp}, {"sys", 0},  {"vent", 0}};
    for (const auto& [page, entries] : pages) {
        SCOPED_TRACE(page);
        provider.window.reset();
        state.view.s_Resp = page;
        ReDispResposeWnd();

        EXPECT_EQ(controls(), expectedControls(page, entries));

        // A graph page draws its curves in colour (the frame is grey), clipped
        // to the graph; the profile and vent pages draw none of their own here.
        int curveSegments = 0;
        for (const auto& l : drawn(Kind::Line)) {
            const Colour& c = l.stroke.colour;
            curveSegments += l.clipped && !(c.red == c.green && c.green == c.blue) ? 1 : 0;
        }
        const std::string p = page;
        const bool graph = p != "sys" && p != "vent" && (set.curvesOnAllGraphs || p != "as");
        if (graph) EXPECT_GT(curveSegments, 150);
        else EXPECT_EQ(curveSegments, 0);
        // The whole window was erased first.
        ASSERT_FALSE(provider.window.elements().empty());
        EXPECT_EQ(provider.window.elements().front().kind, Kind::Erase);
        EXPECT_EQ(state.draw.ClippingFlag, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(OneOfEachFamily, PageDispatch, testing::ValuesIn(kFamilies),
                         [](const testing::TestParamInfo<PageSet>& set) { return testNameOf(set.param.system.name); });

TEST_F(ResponsePageTest, TwoRedrawsLeaveOneLegendAndAnUnknownPageOnlyTheEndStep) {
    useSystem({1, 6, "Twin Serial Vented"});
    state.view.Disp = 2;
    state.view.s_Resp = "amp";
    ReDispResposeWnd();
    ReDispResposeWnd();
    EXPECT_EQ(legendControls().size(), 8u);  // four entries, each a picture and a text

    state.connection.SpConNum = 3;
    state.view.s_Resp = "xyz";
    provider.window.reset();
    ReDispResposeWnd();
    EXPECT_EQ(controls(), std::set<int32_t>{405});  // no legend, only the window's triangle
    EXPECT_TRUE(drawn(Kind::Line).empty());
    EXPECT_EQ(state.connection.SpConNumBak, 3);

    state.view.s_Resp = "amp";
    state.view.ReDispWnd = 7;  // neither redraw nor recalculation: erased, nothing drawn
    provider.window.reset();
    ReDispResposeWnd();
    ASSERT_EQ(provider.window.elements().size(), 1u);
    EXPECT_EQ(provider.window.elements()[0].kind, Kind::Erase);
}

// View menu items 7-9 (total, all characters, comparison) offered on the
// amplitude page by what each system can show.
TEST_F(ResponsePageTest, AmplitudeMenuOffersWhatTheSystemShows) {
    struct Row { System system; bool total, all, compare; };
    const Row rows[] = {{{1, 1, "Infinite Baffle"}, false, false, false},
                        {{1, 7, "Complex Closed"}, true, false, true},
                        {{1, 5, "Serial Vented"}, true, true, true},
                        {{2, 2, "Passive Raveza"}, true, false, true},
                        {{2, 3, "Serial Raveza Type1"}, true, true, true}};
    state.view.s_Resp = "amp";
    for (const Row& r : rows) {
        SCOPED_TRACE(r.system.name);
        state.selection.SysSelTabNum = r.system.tab;
        state.selection.SysSelBtnNum = r.system.button;
        MenuPlotForResponse();
        EXPECT_EQ(viewItemEnabled(7), r.total);
        EXPECT_EQ(viewItemEnabled(8), r.all);
        EXPECT_EQ(viewItemEnabled(9), r.compare);
        EXPECT_TRUE(viewItemEnabled(1) && viewItemEnabled(5));
    }
    // The high-pass amplitude page is item 1 of the Response menu.
    EXPECT_TRUE(platform::isMenuItemChecked(kResponseMenu, 1));

    // Millimetres of displacement have no dB scale.
    state.view.s_Resp = "dp";
    state.view.Magni = 1;
    MenuPlotForResponse();
    EXPECT_FALSE(viewItemEnabled(4) || viewItemEnabled(5) || viewItemEnabled(8));
    EXPECT_TRUE(viewItemEnabled(1) && viewItemEnabled(2));
}

}  // namespace
}  // namespace quendal::test

namespace quendal::test {
namespace {

class DisplayMode : public ResponsePageTest {};

// "All Characters" or "Comparison IB" carried to a system that cannot show
// them draws and checks "Total Only"; Disp itself is kept for the next
// system and for the document.
TEST_F(DisplayMode, AModeTheSystemLacksShowsTheTotalAlone) {
    const struct {
        System system;
        int32_t disp, checked, curves;
    } cases[] = {
        {{1, 1, "Infinite Baffle"}, 2, 7, 1},  {{1, 1, "Infinite Baffle"}, 3, 7, 1},
        {{1, 2, "Closed Box"}, 2, 7, 1},       {{1, 7, "Complex Closed"}, 2, 7, 1},
        {{2, 1, "Raveza Box"}, 2, 7, 1},       {{2, 2, "Passive Raveza"}, 2, 7, 1},
        {{1, 3, "Vented Box"}, 2, 8, 3},       {{1, 2, "Closed Box"}, 3, 9, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.system << " Disp " << c.disp);
        useSystem(c.system);
        state.view.Disp = c.disp;
        state.view.s_Resp = "amp";
        provider.window.reset();
        ReDispResposeWnd();
        for (int32_t item = 7; item <= 9; ++item)
            EXPECT_EQ(platform::isMenuItemChecked(kViewMenu, item), item == c.checked) << item;
        std::set<std::string> colours;
        for (const auto& l : drawn(Kind::Line)) {
            const Colour& k = l.stroke.colour;
            if (l.clipped && !(k.red == k.green && k.green == k.blue))
                colours.insert(std::to_string(k.red) + std::to_string(k.green) + std::to_string(k.blue));
        }
        EXPECT_EQ(colours.size(), size_t(c.curves));
        EXPECT_EQ(state.view.Disp, c.disp);
    }
}

}  // namespace
}  // namespace quendal::test
