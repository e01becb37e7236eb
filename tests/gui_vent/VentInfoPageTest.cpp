// The Vent Information page drawn on the recording surface: every vent of
// the design in its column, its air speed against the limit, each text
// inside its column in the page's fonts, and the same page on paper.
#include "VentSheetFixture.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cstdio>

#include "platform/qt/Fonts.h"
#include "vent/VentForms.h"
#include "vent/VentInfo.h"
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
    void TearDown() override {
        setSurfaceProvider(nullptr);
        VentSheetTest::TearDown();
    }
    void design(int32_t tab, int32_t button) {
        selectSystem(tab, button);
        CofCal();
        AsVentOpt();
    }
    RecordingSurface& surface() { return state.draw.DoPrint != 0 ? provider.page : provider.window; }
    // The texts on a row's baseline in a vent's column.
    std::vector<RecordedElement> inColumn(int32_t vent, double baseline) {
        std::vector<RecordedElement> found;
        const double right = kVentInfoColumnRight[vent - 1];
        for (const RecordedElement& e : surface().ofKind(Kind::Text))
            if (e.y0 == baseline && e.x0 > right - kVentInfoColumnWidth && e.x0 < right) found.push_back(e);
        return found;
    }
    std::string valueOf(int32_t vent, int row) {
        const auto found = inColumn(vent, kVentInfoFirstRow + kVentInfoRowPitch * row);
        return found.size() == 1 ? found[0].text : "?";
    }
    double width(const RecordedElement& e) {
        const QImage device(1, 1, QImage::Format_ARGB32);
        return QFontMetricsF(platform::qt::fontForRow(e.fontRow, e.size, device)).horizontalAdvance(
            QString::fromLatin1(e.text.c_str()));
    }

    RecordingProvider provider;
};

std::string twoDecimals(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

TEST_F(VentInfoPage, EveryVentHasItsColumnWithItsFormAndItsAirSpeedAgainstTheLimit) {
    selectSystem(1, 6);
    state.vents.vent[2].VentTypeTab = 2;
    state.vents.vent[2].RectVentRadio = 2;
    design(1, 6);
    VentInfo();
    for (int32_t vent = 1; vent <= 3; ++vent)
        EXPECT_EQ(inColumn(vent, 124.0).at(0).text, "Vent" + std::to_string(vent));
    EXPECT_EQ(valueOf(1, 2), "Circular");
    EXPECT_EQ(valueOf(2, 2), "Rectangular");
    EXPECT_EQ(valueOf(2, 3), "Ducted");
    EXPECT_EQ(valueOf(1, 4), "2");  // two branches
    EXPECT_EQ(valueOf(1, 1), twoDecimals(state.box.FB1));
    EXPECT_EQ(valueOf(2, 6), twoDecimals(state.vents.vent[2].RectDuctWV));
    EXPECT_EQ(valueOf(2, 5), "-");  // a rectangle has no diameter
    // The duct at its minimum area carries the limit; a port the limit in
    // the ratio of the minimum to its area.
    EXPECT_EQ(valueOf(2, 11), "17.00");
    for (int32_t vent : {1, 3}) {
        const VentRecord& r = state.vents.vent[vent];
        EXPECT_EQ(valueOf(vent, 11), twoDecimals(17.0 * r.CircPortSVmin / r.CircPortSV));
        const bool tooFast = r.CircPortSVmin > r.CircPortSV;
        EXPECT_EQ(inColumn(vent, kVentInfoFirstRow + 11 * kVentInfoRowPitch).at(0).colour.red, tooFast ? 0.8 : 0.0);
        EXPECT_EQ(valueOf(vent, 12), tooFast ? "Area too small" : "Realisable");
    }
    EXPECT_EQ(valueOf(2, 12), "Realisable");
}

TEST_F(VentInfoPage, EveryTextStaysInItsColumnAndOnThePage) {
    for (auto [tab, button] : {std::pair{1, 6}, std::pair{2, 7}, std::pair{1, 3}}) {
        provider.window.reset();
        for (int32_t v = 1; v <= 3; ++v) state.vents.vent[v].VentForm = static_cast<int32_t>(VentForm::LongerThanBox);
        selectSystem(tab, button);
        VentInfo();  // the longest outcome names
        design(tab, button);
        VentInfo();
        for (const RecordedElement& e : surface().ofKind(Kind::Text)) {
            const double right = e.x0 + width(e);
            EXPECT_LE(right, 520.0) << e.text;
            const bool inTable = e.y0 >= 124.0 && e.y0 <= kVentInfoFirstRow + 12 * kVentInfoRowPitch;
            for (double column : kVentInfoColumnRight) {
                if (!inTable) continue;
                if (e.x0 > column - kVentInfoColumnWidth && e.x0 < column) {
                    EXPECT_LE(right, column + 0.5) << e.text;
                    EXPECT_GE(e.x0, column - kVentInfoColumnWidth + 4.0) << e.text;
                }
            }
        }
    }
}

TEST_F(VentInfoPage, OnPaperThePageGoesToThePrintPage) {
    design(2, 4);
    VentInfo();
    const size_t onScreen = provider.window.ofKind(Kind::Text).size();
    state.draw.DoPrint = 1;
    VentInfo();
    state.draw.DoPrint = 0;
    EXPECT_EQ(provider.page.ofKind(Kind::Text).size(), onScreen);
    EXPECT_EQ(provider.window.ofKind(Kind::Text).size(), onScreen);
}

TEST_F(VentInfoPage, ASystemWithoutVentsSaysSo) {
    design(1, 7);  // Complex Closed
    VentInfo();
    const auto texts = surface().ofKind(Kind::Text);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const RecordedElement& e) { return e.text == "This system has no vents."; }));
}

}  // namespace
}  // namespace quendal::test
