#include "FrameFixture.h"

#include "view/SystemTitle.h"

namespace quendal::test {
namespace {

class SystemTitleTest : public FrameTest {};

TEST_F(SystemTitleTest, EverySystemHasItsTitleAtItsPlace) {
    struct Row { int tab, button; const char* title; double x; } rows[] = {
        {1, 1, "'Infinite Baffle System'", 200}, {1, 2, "'Closed Box System'", 208},
        {1, 3, "'Vented Box System'", 208},      {1, 4, "'Passive Radiator System'", 190},
        {1, 5, "'Serial Vented System'", 200},   {1, 6, "'Twin Serial Vented System'", 185},
        {1, 7, "'Complex Closed System'", 192},  {1, 8, "'Complex Vented System'", 192},
        {2, 1, "'Raveza Box System'", 208},      {2, 2, "'Passive Raveza System'", 198},
        {2, 3, "'Serial Raveza Type1'", 207},    {2, 4, "'Serial Raveza Type2'", 207},
        {2, 5, "'Twin Vented System'", 202},     {2, 6, "'Twin Serial System'", 207},
        {2, 7, "'Delta Vented System'", 202},    {2, 8, "'Triple Vented System'", 198},
    };
    for (const auto& r : rows) {
        screen().reset();
        state.selection.SysSelTabNum = r.tab;
        state.selection.SysSelBtnNum = r.button;
        state.draw.RedCol = 0.7;  // whatever the caller had
        state.draw.QzFontNum = 5;
        state.draw.fontSize = 9;
        EXPECT_EQ(DrawSystemNameFont(), 0);
        ASSERT_EQ(texts().size(), 1u) << r.title;
        const auto t = texts()[0];
        EXPECT_EQ(t.text, r.title);
        EXPECT_EQ(t.x0, r.x);
        EXPECT_EQ(t.y0, 40.0);
        EXPECT_EQ(t.fontRow, 1);
        EXPECT_EQ(t.size, 13.0);
        EXPECT_EQ(t.colour.red + t.colour.green + t.colour.blue, 0.0);
        // The style stays for the caller's next text.
        EXPECT_EQ(state.draw.RedCol, 0.0);
        EXPECT_EQ(state.draw.QzFontNum, 1);
        EXPECT_EQ(state.draw.fontSize, 13.0);
        EXPECT_EQ(state.point.xx, static_cast<float>(r.x));
        EXPECT_EQ(state.point.yy, 40.0f);
    }
}

TEST_F(SystemTitleTest, OnlyTheSerialRavezaTitlesLackTheSystemEnding) {
    int without = 0;
    for (int tab = 1; tab <= 2; ++tab)
        for (int button = 1; button <= 8; ++button) {
            const auto title = systemTitle(tab, button).text;
            ASSERT_GE(title.size(), 3u);
            EXPECT_EQ(title.front(), '\'');
            EXPECT_EQ(title.back(), '\'');
            if (title.find(" System'") == std::string_view::npos) {
                ++without;
                EXPECT_EQ(title.substr(0, 14), "'Serial Raveza");
            }
        }
    EXPECT_EQ(without, 2);
}

TEST_F(SystemTitleTest, ASelectionOfNoSystemDrawsNothing) {
    for (auto [tab, button] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 9}, {2, -1}}) {
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        DrawSystemNameFont();
    }
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(state.draw.fontSize, 13.0);
}

TEST_F(SystemTitleTest, APrintedPageGetsTheSameTitle) {
    state.draw.DoPrint = 1;
    DrawSystemNameFont();
    EXPECT_TRUE(texts().empty());
    const auto page = provider.page.ofKind(Kind::Text);
    ASSERT_EQ(page.size(), 1u);
    EXPECT_EQ(page[0].text, "'Closed Box System'");
    EXPECT_EQ(page[0].x0, 208.0);
    EXPECT_EQ(page[0].y0, 40.0);
}

}  // namespace
}  // namespace quendal::test
