// The impedance page against the network of the voice coil (resistance and
// inductance) and the enclosure: the curve as drawn, the peak the scale
// search finds and the minimum above resonance, for the default driver and a
// typical 8-inch woofer, one driver and two wired in parallel.
#include <algorithm>
#include <cmath>
#include <vector>

#include "response/CofCal.h"
#include "response/ResponseCal.h"
#include "support/EngineTestSupport.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal {
namespace {

namespace oc = quendal::oracle;
using test::selectSystem;

struct Driver {
    const char* name;
    double fs, vas, qts, qms, re, le;
};

class ImpedancePage : public test::EngineTest {
protected:
    // The driver as entered, made effective for the connection.
    oc::DriverParams enter(const Driver& d, int32_t connection) {
        SpeakerParameters& sp = state.speaker;
        sp.FS2 = d.fs;
        sp.VAS2 = d.vas;
        sp.QTS2 = d.qts;
        sp.QMS2 = d.qms;
        sp.QES2 = d.qts * d.qms / (d.qms - d.qts);
        sp.RE2 = d.re;
        sp.LE2 = d.le;
        state.connection.SpConNum = connection;
        SpconCal();
        return oc::DriverParams::fromThieleSmall({d.fs, d.vas, d.qms, sp.QES2, d.re, d.le, sp.SD2});
    }

    // The box of the current system with `drivers` alike drivers on it, their
    // coils in parallel: a closed box absorbing with Qa (against the box
    // compliance, at fc) or a vented box leaking with Qb at Fb.
    static oc::LumpedCircuit box(const oc::DriverParams& d, int drivers, bool vented) {
        const BoxParameters& b = state.box;
        oc::LumpedCircuit c;
        const int node = c.addNode("box");
        for (int i = 0; i < drivers; ++i)
            c.addDriver(d, node, oc::LumpedCircuit::kOutside, i == 0 ? "driver" : "driver2");
        oc::ChamberLoss loss;
        if (vented) {
            loss.leakageQ = b.QL;
            loss.atHz = b.FB1;
            c.addChamber(node, b.VB1, loss);
            c.addVent(node, oc::LumpedCircuit::kOutside, oc::ventMassForTuning(b.FB1, b.VB1));
        } else {
            const double alpha = state.speaker.VAS / b.VB;
            loss.absorptionQ = b.QA * alpha / (1.0 + alpha);
            loss.atHz = b.FC;
            c.addChamber(node, b.VB, loss);
        }
        return c;
    }

    // The drawn curve back in ohm and hertz: each line runs from the new
    // point back to the previous one, y = 330 - 2.81 IMPscal |Z|.
    std::vector<std::pair<double, double>> drawnCurve() const {
        std::vector<std::pair<double, double>> curve;
        for (const auto& l : lines()) {
            const double hz = std::pow(10.0, (l.x0 - 45.0) / 230.0 + 1.0);
            curve.emplace_back(hz, (330.0 - l.y0) / (2.81 * state.scales.IMPscal));
        }
        return curve;
    }
};

// The lowest impedance above the highest resonance peak: where a crossover
// and an amplifier meet the driver's nominal load.
double minimumAboveResonance(const std::vector<double>& z) {
    size_t peak = 0;
    for (size_t i = 1; i + 1 < z.size(); ++i)
        if (z[i] > z[i - 1] && z[i] >= z[i + 1]) peak = i;
    return *std::min_element(z.begin() + static_cast<std::ptrdiff_t>(peak), z.end());
}

TEST_F(ImpedancePage, DrawnPeakAndMinimumAboveResonanceAreTheNetworks) {
    const SpeakerParameters& entered = state.speaker;  // the program's default driver
    const Driver drivers[] = {
        {"default", entered.FS2, entered.VAS2, entered.QTS2, entered.QMS2, entered.RE2, entered.LE2},
        {"8-inch woofer", 34.0, 45.0, 0.38, 5.0, 5.6, 1.0}};
    struct System {
        int32_t button;
        bool vented;
    };
    for (const Driver& d : drivers) {
        for (const System s : {System{2, false}, System{3, true}}) {
            for (int32_t connection : {1, 2}) {
                SCOPED_TRACE(::testing::Message() << d.name << ", system " << s.button << ", connection "
                                                  << connection);
                provider.window.reset();
                const oc::DriverParams driver = enter(d, connection);
                selectSystem(1, s.button, 1);
                CofCal();  // the design computed, as it is before any page is drawn
                state.view.s_Resp = "imp";
                impOpt();
                impPlot();
                const oc::LumpedCircuit network = box(driver, connection == 1 ? 1 : 2, s.vented);
                const auto drawn = drawnCurve();
                ASSERT_EQ(drawn.size(), 200u);
                std::vector<double> curve, expected;
                for (const auto& [hz, ohm] : drawn) {
                    const double z = std::abs(network.inputImpedance(hz));
                    EXPECT_NEAR(ohm, z, 0.01 * z) << hz << " Hz";
                    curve.push_back(ohm);
                    expected.push_back(z);
                }
                const double peak = *std::max_element(expected.begin(), expected.end());
                EXPECT_NEAR(state.scales.G1, peak, 0.01 * peak);
                const double minimum = minimumAboveResonance(expected);
                EXPECT_NEAR(minimumAboveResonance(curve), minimum, 0.01 * minimum);
            }
        }
    }
}

}  // namespace
}  // namespace quendal
