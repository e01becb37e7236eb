// The Vent Information page on the recording surface: every vent in its
// column with its air speed against the limit, each text inside its column
// in the page's fonts, and the same page on paper.
#include "VentSheetFixture.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cstdio>

#include "platform/qt/Fonts.h"
#include "view/VentInfo.h"
#include "view/RecordingSurface.h"

namespace quendal::test {
namespace {

using Kind = RecordedElement::Kind;

class VentInfoPage : public VentSheetTest {
protected:
    void SetUp() override {
        VentSheetTest::SetUp();
        setSurfaceProvider(&provider);
        state.draw.ClippingFlag = 1;
    }
    void draw(int32_t tab, int32_t button) {
        selectSystem(tab, button);
        CofCal();
        AsVentOpt();
        VentInfo();
    }
    // The text of a row in a vent's column, and its colour's red.
    std::pair<std::string, double> cell(int32_t vent, int row) {
        const double right = kVentInfoColumnRight[vent - 1];
        for (const RecordedElement& e : provider.window.ofKind(Kind::Text))
            if (e.y0 == kVentInfoFirstRow + kVentInfoRowPitch * row && e.x0 > right - 100 && e.x0 < right)
                return {e.text, e.colour.red};
        return {"?", 0.0};
    }
    RecordingProvider provider;
};

std::string twoDecimals(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

TEST_F(VentInfoPage, EveryVentShowsItsFormAndItsAirSpeedAgainstTheLimit) {
    state.vents.vent[2].VentTypeTab = state.vents.vent[2].RectVentRadio = 2;
    for (int32_t v : {1, 3}) state.vents.vent[v].FormSetBy = kFormSetByUser;  // ports the user chose
    draw(1, 6);
    EXPECT_EQ(cell(1, 2).first, "Circular");
    EXPECT_EQ(cell(2, 2).first, "Rectangular");
    EXPECT_EQ(cell(2, 3).first, "Ducted");
    EXPECT_EQ(cell(1, 4).first, "2");  // two branches
    EXPECT_EQ(cell(2, 5).first, "-");  // a rectangle has no diameter
    EXPECT_EQ(cell(1, 1).first, twoDecimals(state.box.FB1));
    // The duct at its minimum area carries the limit; a port the limit in
    // the ratio of the minimum to its area, in red above it.
    EXPECT_EQ(cell(2, 11).first, "17.00");
    for (int32_t vent : {1, 3}) {
        const VentRecord& r = state.vents.vent[vent];
        const bool tooFast = r.CircPortSVmin > r.CircPortSV;
        EXPECT_EQ(cell(vent, 11).first, twoDecimals(17.0 * r.CircPortSVmin / r.CircPortSV));
        EXPECT_EQ(cell(vent, 11).second, tooFast ? 0.8 : 0.0);
        EXPECT_EQ(cell(vent, 12).first, tooFast ? "Area too small" : "Realisable");
    }
    // On paper the same page goes to the print page.
    state.draw.DoPrint = 1;
    VentInfo();
    state.draw.DoPrint = 0;
    EXPECT_EQ(provider.page.ofKind(Kind::Text).size(), provider.window.ofKind(Kind::Text).size());
}

// A chamber without a positive volume has no vent: the last design of its
// vent is not shown as if it stood.
TEST_F(VentInfoPage, AnInvalidChamberShowsNoStaleVent) {
    draw(1, 3);
    ASSERT_NE(cell(1, 5).first, "-");  // a designed circular port has its diameter
    state.selection.Alin = 4;  // "Custom": the volume as entered
    state.box.VB1 = 0.0;
    provider.window.reset();
    VentInfo();
    for (int row : {0, 1, 4, 5, 8, 9, 10, 11, 12}) EXPECT_EQ(cell(1, row).first, "-") << row;
}

TEST_F(VentInfoPage, EveryTextStaysInItsColumnAndOnThePage) {
    const QImage device(1, 1, QImage::Format_ARGB32);
    for (auto [tab, button] : {std::pair{1, 6}, std::pair{2, 7}, std::pair{1, 3}}) {
        for (int32_t v = 1; v <= 3; ++v) state.vents.vent[v].VentForm = static_cast<int32_t>(VentForm::LongerThanBox);
        state.vents.vent[3].CircVentNum = 10;
        provider.window.reset();
        selectSystem(tab, button);
        VentInfo();  // the longest names before the sizing
        draw(tab, button);
        for (const RecordedElement& e : provider.window.ofKind(Kind::Text)) {
            const double right = e.x0 + QFontMetricsF(platform::qt::fontForRow(e.fontRow, e.size, device))
                                            .horizontalAdvance(QString::fromLatin1(e.text.c_str()));
            EXPECT_LE(right, 520.0) << e.text;
            const bool inTable = e.y0 >= 124.0 && e.y0 <= kVentInfoFirstRow + 12 * kVentInfoRowPitch;
            for (double column : kVentInfoColumnRight) {
                if (inTable && e.x0 > column - 100 && e.x0 < column) {
                    EXPECT_LE(right, column + 0.5) << e.text;
                }
            }
        }
    }
    draw(1, 7);  // Complex Closed
    EXPECT_EQ(provider.window.ofKind(Kind::Text).back().text, "This system has no vents.");
}

// Triple Vented's three columns with the longest form name: each note ends
// at least two characters' width before the next column's begins.
TEST_F(VentInfoPage, TheFormNotesOfNeighbouringColumnsStayApart) {
    selectSystem(2, 8);
    CofCal();
    for (int32_t v = 1; v <= 3; ++v) state.vents.vent[v].VentForm = static_cast<int32_t>(VentForm::BelowMinimumArea);
    VentInfo();
    const QImage device(1, 1, QImage::Format_ARGB32);
    std::vector<std::pair<double, double>> notes;  // left and right edge of each note
    double gap = 0.0;
    for (const RecordedElement& e : provider.window.ofKind(Kind::Text)) {
        if (e.y0 != kVentInfoFirstRow + kVentInfoRowPitch * 12 || e.text != "Area too small") continue;
        const QFontMetricsF metrics(platform::qt::fontForRow(e.fontRow, e.size, device));
        notes.emplace_back(e.x0, e.x0 + metrics.horizontalAdvance(QString::fromLatin1(e.text.c_str())));
        gap = 2.0 * metrics.horizontalAdvance(QLatin1Char(' '));
    }
    ASSERT_EQ(notes.size(), 3u);
    std::sort(notes.begin(), notes.end());
    for (std::size_t i = 1; i < notes.size(); ++i) EXPECT_GE(notes[i].first - notes[i - 1].second, gap) << i;
}

}  // namespace
}  // namespace quendal::test
