// The phase and Nyquist curves of the band-pass and twin-vented units follow
// the network's phase from point to point, also where it turns fast between
// two grid points (high loss factors, no loss at all): no branch is taken
// wrongly.
#include <gtest/gtest.h>

#include <limits>

#include "support/BandPassCircuits.h"
#include "support/BandPassTestSupport.h"
#include "support/DrawnCurves.h"
#include "support/PhaseFollowing.h"

namespace quendal {
namespace {

using namespace quendal::testing;

constexpr double kNoLoss = std::numeric_limits<double>::infinity();

struct Unit {
    const char* name;
    int32_t button;
    BandPassNetwork (*network)();
};

const Unit kUnits[] = {{"Raveza Box", 1, ravezaBoxNetwork},
                       {"Passive Raveza", 2, passiveRavezaNetwork},
                       {"Serial Raveza Type1", 3, serialRavezaType1Network},
                       {"Serial Raveza Type2", 4, serialRavezaType2Network},
                       {"Twin Vented", 5, twinVentedNetwork}};

void designWithLoss(const Unit& unit, int32_t alin, double ql) {
    resetState();
    test::useEnteredDriver();
    BoxParameters& b = state.box;
    b.QA = b.QA1 = b.QA2 = 10.0;
    b.QL = b.QL1 = b.QL2 = b.QL3 = ql;
    state.radiator.FP = 24.0;
    state.radiator.VAP = 40.0;
    state.radiator.QP = 6.0;
    selectBandPass(unit.button, alin);
    CofCal();
}

TEST(PhaseFollowing, EveryBandPassUnitTurnsAsItsNetworkDoes) {
    for (const Unit& unit : kUnits) {
        for (int32_t alin : {1, 2}) {
            for (double ql : {7.0, 10.0, 20.0, kNoLoss}) {
                designWithLoss(unit, alin, ql);
                const BandPassNetwork net = unit.network();
                const auto output = [&](double hz) { return net.output(hz); };
                ::testing::Message design;
                design << unit.name << " alignment " << alin << " QL " << ql;
                expectStepsFollow(output, design.GetString());
            }
        }
    }
}

// The default driver in Serial Raveza Type2 boxes whose phase turns fast
// near a vent's tuning: Type1 with QL 20 (near 120 Hz), Type2 with QL 10
// (near 86 Hz). A fold rule alone takes the wrong branch there; the curve
// below stays on the network's branch.
TEST(PhaseFollowing, SerialRavezaType2FollowsAFastTurn) {
    struct Case {
        int32_t alin;
        double ql;
    };
    for (const Case c : {Case{1, 20.0}, Case{2, 10.0}}) {
        designWithLoss(kUnits[3], c.alin, c.ql);
        const BandPassNetwork net = serialRavezaType2Network();
        const auto output = [&](double hz) { return net.output(hz); };
        const WorstStep ph = phaseStepsAgainst(output);
        EXPECT_LT(ph.degrees, 2.0) << "alignment " << c.alin << " at " << ph.atHz << " Hz";
        const WorstStep nq = nyquistStepsAgainst(output);
        EXPECT_LT(nq.degrees, 2.0) << "alignment " << c.alin << " at " << nq.atHz << " Hz";
    }
}

}  // namespace
}  // namespace quendal
