// The phase and Nyquist curves of the multi-vent units follow the network's
// phase from point to point at every loss factor and without loss.
#include <gtest/gtest.h>

#include <limits>

#include "MultiVentTestSupport.h"
#include "support/DrawnCurves.h"
#include "support/PhaseFollowing.h"

namespace quendal {
namespace {

using namespace quendal::testing;

struct Unit {
    const char* name;
    int32_t button;
    LumpedCircuit (*network)();
    std::vector<const char*> outputs;
};

TEST(PhaseFollowing, EveryMultiVentUnitTurnsAsItsNetworkDoes) {
    const Unit units[] = {{"Twin Serial", 6, twinSerialCircuit, {"vent2", "vent3"}},
                          {"Delta Vented", 7, deltaCircuit, {"vent3"}},
                          {"Triple Vented", 8, tripleVentedCircuit, {"vent1", "vent2", "vent3"}}};
    for (const Unit& unit : units) {
        for (int32_t alin : {1, 2}) {
            for (double ql : {7.0, 10.0, 20.0, std::numeric_limits<double>::infinity()}) {
                resetState();
                test::useEnteredDriver();
                BoxParameters& b = state.box;
                b.QL = b.QL1 = b.QL2 = b.QL3 = ql;
                selectBandPass(unit.button, alin);
                CofCal();
                const LumpedCircuit net = unit.network();
                const auto output = [&](double hz) {
                    const oracle::Solution s = net.solve(hz);
                    std::complex<double> u = 0.0;
                    for (const char* v : unit.outputs) u += flowOf(net, s, v);
                    return u;
                };
                ::testing::Message design;
                design << unit.name << " alignment " << alin << " QL " << ql;
                expectStepsFollow(output, design.GetString());
            }
        }
    }
}

}  // namespace
}  // namespace quendal
