#include "FrameFixture.h"

#include <functional>

#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

// The scales as numbers, field by field.
std::vector<double> scaleValues(const GraphScales& s) {
    return {s.sift, double(s.DPScale), s.GDscl, s.IMPscal, double(s.ASScale), s.timeScale, s.CursorScale,
            s.DP, s.DP1, s.DP2, s.AS0, s.AS1, s.AS2, s.AS3, s.G1, s.G2, double(s.GdOptFlag)};
}
enum Field { kSift, kDPScale, kGDscl, kIMPscal, kASScale, kTimeScale, kCursorScale };

class ScaleOwnershipTest : public FrameTest {};

TEST_F(ScaleOwnershipTest, EachFrameWritesOnlyItsOwnScales) {
    struct Frame { const char* name; std::function<int32_t()> draw; std::vector<int> writes; } frames[] = {
        {"amp", ampGraph, {kSift}},
        {"pw", pwGraph, {}},
        {"imp", impGraph, {}},
        {"dp", dpGraph, {kDPScale}},
        {"ph", phGraph, {}},
        {"gd", gdGraph, {}},
        {"nq", nqGraph, {}},
        {"st", StepGraph, {kTimeScale, kCursorScale}},
        {"as", asGraph, {kASScale}},
    };
    for (const auto& f : frames) {
        resetState();
        state.view.Magni = 1;
        state.ref.SPL = 88;
        state.speaker.FS = 40;
        state.speaker.QTS = 0.5;
        state.speaker.PEMX = 60;
        GraphScales& s = state.scales;
        s.sift = 123; s.DPScale = 77; s.GDscl = 2.5; s.IMPscal = 4; s.ASScale = 55; s.timeScale = 3;
        s.CursorScale = 7; s.DP = 12; s.AS0 = 20; s.G1 = 30; s.G2 = 8;
        const auto before = scaleValues(s);
        EXPECT_EQ(f.draw(), 0);
        const auto after = scaleValues(s);
        for (std::size_t i = 0; i < before.size(); ++i) {
            const bool written = std::find(f.writes.begin(), f.writes.end(), int(i)) != f.writes.end();
            if (written) EXPECT_NE(after[i], before[i]) << f.name << " field " << i;
            else EXPECT_EQ(after[i], before[i]) << f.name << " field " << i;
        }
        // Every frame ends in black text, font row 1 (13 px but after the
        // read-outs of dpPowerDisp, which its callers put back).
        EXPECT_EQ(state.draw.RedCol + state.draw.GrnCol + state.draw.BleCol, 0.0) << f.name;
        EXPECT_EQ(state.draw.QzFontNum, 1) << f.name;
        EXPECT_EQ(state.draw.fontSize, 13.0) << f.name;
        EXPECT_EQ(state.draw.DashLineType, 0) << f.name;
        EXPECT_TRUE(state.draw.s_FrameFill == "Frame") << f.name;
    }
}

TEST_F(ScaleOwnershipTest, EveryFrameDrawsItsTitleAndTheSystemTitle) {
    const std::pair<std::function<int32_t()>, const char*> frames[] = {
        {ampGraph, "Amplitude"}, {pwGraph, "Power Rating"}, {impGraph, "Impedance"}, {dpGraph, "Displacement"},
        {phGraph, "Phase"}, {gdGraph, "Group Delay"}, {nqGraph, "Nyquist Diagram"}, {StepGraph, "Step Response"},
        {asGraph, "Air Vibration in Vent"}};
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 3;
    for (const auto& [draw, title] : frames) {
        screen().reset();
        draw();
        const auto drawn = texts();
        ASSERT_GE(drawn.size(), 2u);
        EXPECT_EQ(drawn[0].text, title);
        EXPECT_EQ(drawn[0].y0, 20.0);
        EXPECT_EQ(drawn[1].text, "'Serial Raveza Type1'");
        for (const auto& l : lines()) {
            // Everything of the frames lies inside the graph area the sweep lines are clipped to.
            EXPECT_GE(std::min(l.x0, l.x1), 45.0) << title;
            EXPECT_LE(std::max(l.x0, l.x1), 505.5) << title;
            EXPECT_GE(std::min(l.y0, l.y1), 50.0) << title;
            EXPECT_LE(std::max(l.y0, l.y1), 330.5) << title;
        }
    }
}

}  // namespace
}  // namespace quendal::test
