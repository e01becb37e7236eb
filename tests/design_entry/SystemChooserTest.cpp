// The System Select chooser: which position a click hits, where the arrow
// keys move the selection, and that what is painted stands where it is hit.
#include <gtest/gtest.h>

#include "model/State.h"
#include "platform/Platform.h"
#include "selection/SystemChooser.h"

namespace quendal {
namespace {

struct Click {
    int32_t x, y, position;
};
void PrintTo(const Click& c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ")"; }

class ChooserHit : public testing::TestWithParam<Click> {};

TEST_P(ChooserHit, BothBoundsInclusiveNothingBetweenCells) {
    EXPECT_EQ(systemSelectPositionAt(GetParam().x, GetParam().y), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ChooserHit,
    testing::Values(Click{35, 100, 1}, Click{155, 100, 1}, Click{156, 100, 0}, Click{169, 100, 0},
                    Click{170, 100, 2}, Click{560, 202, 4}, Click{561, 202, 0}, Click{100, 47, 0},
                    Click{100, 203, 0}, Click{100, 227, 0}, Click{100, 228, 5}, Click{440, 383, 0}));

struct Move {
    int32_t from;
    uint8_t key;
    int32_t to;
};
void PrintTo(const Move& m, std::ostream* os) { *os << m.from << " key " << int(m.key); }

class ChooserMove : public testing::TestWithParam<Move> {};

TEST_P(ChooserMove, LeftRightWrapThroughEightUpDownKeepTheColumn) {
    EXPECT_EQ(systemSelectMove(GetParam().from, GetParam().key), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ChooserMove,
    testing::Values(Move{1, platform::kLeftArrowChar, 8}, Move{8, platform::kRightArrowChar, 1},
                    Move{4, platform::kRightArrowChar, 5}, Move{5, platform::kLeftArrowChar, 4},
                    Move{6, platform::kUpArrowChar, 2}, Move{2, platform::kUpArrowChar, 2},
                    Move{3, platform::kDownArrowChar, 7}, Move{7, platform::kDownArrowChar, 7},
                    Move{5, platform::kSpaceChar, 5}, Move{12, platform::kLeftArrowChar, 8}));

// Every painted frame and picture stands in the cell a click on it
// selects; one frame only, the selected position's, is painted selected.
TEST(Chooser, PaintsWhereItIsHitWithOneSelectedFrame) {
    resetState();
    for (int32_t tab = 1; tab <= 2; ++tab) {
        for (int32_t selected = 1; selected <= 8; ++selected) {
            state.selection.SysSelTabNum = tab;
            state.selection.SysSelBtnNum = selected;
            const auto pictures = systemSelectPictures();
            ASSERT_EQ(pictures.size(), 16u);
            int selectedFrames = 0;
            for (std::size_t i = 0; i < pictures.size(); ++i) {
                const ChooserPicture& p = pictures[i];
                const int32_t position = int32_t(i % 8) + 1;
                EXPECT_EQ(systemSelectPositionAt(int32_t((p.left + p.right) / 2), int32_t((p.top + p.bottom) / 2)), position);
                if (p.file == kSelectedFrame) {
                    ++selectedFrames;
                    EXPECT_EQ(position, selected);
                }
            }
            EXPECT_EQ(selectedFrames, 1);
        }
    }
    state.selection.SysSelTabNum = 3;
    EXPECT_EQ(systemSelectPictures().size(), 8u);  // a tab that names no systems: the frames only
    resetState();
}

}  // namespace
}  // namespace quendal
