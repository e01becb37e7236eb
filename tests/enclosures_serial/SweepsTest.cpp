// The four units through the response engine: every response kind is
// computed and drawn, curve by curve, and a design that cannot be computed
// draws nothing non-finite.
#include <cmath>
#include <map>
#include <ostream>
#include <string>

#include "SerialTestSupport.h"
#include "response/ResponseCal.h"

namespace quendal {
namespace {

using test::selectSystem;
using test::setDriver;

struct Design {
    const char* name;
    int button;
    int alignment;
};

const Design kDesigns[] = {
    {"Serial Vented", 5, 1}, {"Twin Serial Vented", 6, 1}, {"Complex Closed", 7, 1}, {"Complex Vented", 8, 1}};

// A design prints as its system and alignment, so that the tests' names stay
// the same from build to build.
void PrintTo(const Design& d, std::ostream* os) { *os << d.name << ", alignment " << d.alignment; }

class Sweeps : public test::SerialUnitTest, public testing::WithParamInterface<Design> {
protected:
    void SetUp() override {
        SerialUnitTest::SetUp();
        setDriver(40.0, 60.0, 0.4, 5.0);
        state.speaker.LE = 0.5;
        state.speaker.PEMX = 100.0;
        state.power.PIN = 10.0;
        state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.002;
        selectSystem(1, GetParam().button, GetParam().alignment);
    }

    // Segments drawn per colour, and whether every coordinate is finite.
    std::map<std::string, int> segmentsByColour(bool& allFinite) const {
        std::map<std::string, int> count;
        allFinite = true;
        for (const RecordedElement& e : lines()) {
            allFinite = allFinite && std::isfinite(e.x0) && std::isfinite(e.y0) && std::isfinite(e.x1) && std::isfinite(e.y1);
            const Colour& c = e.stroke.colour;
            count[std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue)]++;
        }
        return count;
    }

    // Draws one kind and checks curves x 200 segments, all finite.
    void expectCurves(const char* kind, int (*draw)(), size_t curves) {
        provider.window.reset();
        state.view.s_Resp = kind;
        draw();
        bool finite = false;
        const auto count = segmentsByColour(finite);
        EXPECT_TRUE(finite) << kind;
        EXPECT_EQ(count.size(), curves) << kind;
        for (const auto& [colour, n] : count) EXPECT_EQ(n, 200) << kind << " " << colour;
    }
};

TEST_P(Sweeps, EveryResponseKindIsDrawn) {
    const int button = GetParam().button;
    // Complex Closed has no components: "All Characters" shows its total.
    const size_t components = button == 5 ? 3 : button == 6 ? 4 : button == 7 ? 1 : 3;
    const size_t drivers = button >= 7 ? 2 : 1;
    const size_t vents = button == 5 ? 2 : button == 6 ? 3 : button == 7 ? 0 : 1;

    state.view.Disp = 1;
    expectCurves("amp", [] { SPLcal(); return ampPlot(); }, 1);
    state.view.Disp = 2;
    expectCurves("amp", ampPlot, components);
    state.view.Disp = 3;
    expectCurves("amp", ampPlot, 2);
    state.view.Disp = 1;

    expectCurves("pw", pwPlot, drivers);

    state.view.s_Imp = "Para";
    state.view.s_Resp = "imp";
    impOpt();
    EXPECT_GT(state.scales.IMPscal, 0.0);
    expectCurves("imp", impPlot, button >= 7 ? 3 : 1);
    state.view.s_Imp = "Seri";
    expectCurves("imp", impPlot, button >= 7 ? 3 : 1);

    state.view.Magni = 1;
    state.view.s_Resp = "dp";
    dpOpt();
    EXPECT_TRUE(std::isfinite(state.scales.DP));
    EXPECT_GT(state.scales.DP, 0.0);
    state.scales.DPScale = 1;
    expectCurves("dp", dpPlot, drivers);
    state.view.Magni = 0;
    expectCurves("dp", dpPlot, drivers);

    expectCurves("ph", phPlot, 1);
    state.view.s_Resp = "gd";
    gdOpt();
    EXPECT_GT(state.scales.GDscl, 0.0);
    expectCurves("gd", gdPlot, 1);

    provider.window.reset();
    state.view.s_Resp = "nq";
    nqPlot();
    EXPECT_EQ(lines().size(), 300u);

    state.view.s_Resp = "as";
    AsDispOpt();
    if (vents > 0) {
        EXPECT_GT(state.scales.AS0, 0.0);
        EXPECT_TRUE(std::isfinite(state.scales.AS0));
    } else {
        EXPECT_EQ(state.scales.AS0, 0.0);
    }
    expectCurves("as", AsPlot, vents);

    provider.window.reset();
    state.view.s_Resp = "st";
    state.scales.timeScale = 10.0;
    StepPlot();
    bool finite = false;
    segmentsByColour(finite);
    EXPECT_TRUE(finite);
    EXPECT_GE(lines().size(), 50u);  // 0 to 2/3 Fs / timeScale in steps of 0.05
}

// Qts far outside a fit's range gives zero or negative tunings or volumes:
// no point is computed, nothing is drawn and no box value turns non-finite.
TEST_P(Sweeps, AnOutOfRangeQtsDrawsNothingNonFinite) {
    for (double qts : {0.0, 0.15, 1.3, 2.5}) {
        state.speaker.QTS = qts;
        state.speaker.QES = qts > 0.0 ? 1.1 * qts : 0.5;
        CofCal();
        const BoxParameters& b = state.box;
        for (double v : {b.VB, b.VB1, b.VB2, b.VB3, b.FB1, b.FB2, b.FB3, b.FC1, b.FC2, b.DIP, b.FBH, b.FBL}) {
            EXPECT_TRUE(std::isfinite(v)) << GetParam().name << " Qts " << qts;
        }
        bool anyDrawn = false;
        for (auto draw : {ampPlot, pwPlot, impPlot, dpPlot, phPlot, gdPlot, nqPlot, AsPlot}) {
            provider.window.reset();
            state.view.Disp = 2;
            draw();
            bool finite = false;
            segmentsByColour(finite);
            EXPECT_TRUE(finite) << GetParam().name << " Qts " << qts;
            // The impedance curves are built with QMS in place of QTS, and
            // asked whether they can be computed with that Q.
            if (draw != impPlot) anyDrawn = anyDrawn || !lines().empty();
        }
        // Where the fit still gives a positive design, curves are drawn.
        const AlignmentRatios& r = state.ratios;
        const bool computable = std::isfinite(state.coef.A01);
        if (computable) {
            EXPECT_TRUE(r.HH1 > 0.0 && r.AL1 > 0.0) << GetParam().name << " Qts " << qts;
        } else {
            EXPECT_FALSE(anyDrawn) << GetParam().name << " Qts " << qts;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SerialAndCompound, Sweeps, testing::ValuesIn(kDesigns),
                         [](const testing::TestParamInfo<Design>& param) {
                             std::string n = param.param.name;
                             std::erase(n, ' ');
                             return n;
                         });

}  // namespace
}  // namespace quendal
