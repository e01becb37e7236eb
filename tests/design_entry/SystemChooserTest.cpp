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
                    Click{170, 100, 2}, Click{560, 202, 4}, Click{561, 202, 0}, Click{100, 48, 1},
                    Click{100, 47, 0}, Click{100, 203, 0}, Click{100, 227, 0}, Click{100, 228, 5},
                    Click{440, 382, 8}, Click{440, 383, 0}, Click{300, 300, 0}, Click{34, 300, 0}));

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
                    Move{5, platform::kSpaceChar, 5}, Move{0, platform::kRightArrowChar, 2},
                    Move{12, platform::kLeftArrowChar, 8}));

// Every painted frame and system picture stands inside the cell a click on
// it selects, and exactly one frame, the selected position's, is painted
// as selected.
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
                const int32_t cx = int32_t((p.left + p.right) / 2), cy = int32_t((p.top + p.bottom) / 2);
                EXPECT_EQ(systemSelectPositionAt(cx, cy), position) << p.file;
                if (p.file == kSelectedFrame) {
                    ++selectedFrames;
                    EXPECT_EQ(position, selected);
                }
            }
            EXPECT_EQ(selectedFrames, 1);
        }
    }
    resetState();
}

TEST(Chooser, EachTabShowsItsOwnSystemsAndABadTabNone) {
    resetState();
    state.selection.SysSelTabNum = 2;
    auto pictures = systemSelectPictures();
    ASSERT_EQ(pictures.size(), 16u);
    EXPECT_EQ(pictures[8 + 2].file, "SerialRavezaType1Image.png");
    EXPECT_EQ(systemSelectLabel(2, 1), "Raveza");
    state.selection.SysSelTabNum = 1;
    EXPECT_EQ(systemSelectPictures()[8 + 5].file, "ParallelVentedImage.png");  // Twin Serial Vented
    state.selection.SysSelTabNum = 3;
    EXPECT_EQ(systemSelectPictures().size(), 8u);  // the frames only
    EXPECT_TRUE(systemSelectLabel(3, 1).empty());
    resetState();
}

TEST(Chooser, LabelsStandUnderTheirOwnCellsWithoutOverlapping) {
    for (int32_t position = 1; position <= 8; ++position) {
        const Rect16 r = systemSelectLabelRect(position);
        EXPECT_EQ(systemSelectPositionAt((r.left + r.right) / 2, r.top - 4), position);
        if (position % 4 != 0) {
            EXPECT_LT(r.right, systemSelectLabelRect(position + 1).left);
        }
    }
}

}  // namespace
}  // namespace quendal
