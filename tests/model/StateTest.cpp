#include <gtest/gtest.h>

#include "model/State.h"

namespace quendal {
namespace {

TEST(ProgramState, StartsWithTheDefaultDriverAndView) {
    resetState();
    EXPECT_EQ(state.speaker.s_SP2, "Test20-04");
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 50.0);
    EXPECT_EQ(state.view.s_Resp, "amp");
    EXPECT_EQ(state.view.s_Imp, "Para");
    EXPECT_DOUBLE_EQ(state.phys.C, 345.0);
    EXPECT_DOUBLE_EQ(state.phys.LO, 1.18);
    EXPECT_EQ(state.bounds.RespWndBounds.right, 540);
    EXPECT_EQ(state.bounds.RespWndBounds.bottom, 390);
}

TEST(ProgramState, ResetForgetsEveryChange) {
    state.speaker.FS = 31.0;
    state.point.yy = 12.0f;
    state.view.s_Resp = "imp";
    resetState();
    EXPECT_DOUBLE_EQ(state.speaker.FS, 0.0);
    EXPECT_FLOAT_EQ(state.point.yy, 0.0f);
    EXPECT_EQ(state.view.s_Resp, "amp");
}

TEST(Str255, CutsAtTwoHundredFiftyFiveBytes) {
    Str255 s(std::string(300, 'x'));
    EXPECT_EQ(s.size(), 255u);
    s = "ab";
    s += std::string(400, 'y');
    EXPECT_EQ(s.size(), 255u);
    EXPECT_EQ(s[0], 'a');
}

}  // namespace
}  // namespace quendal
