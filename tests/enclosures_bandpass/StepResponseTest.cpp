// The step polynomials of the five systems, inverted by the engine's
// numerical inverse Laplace transform, against the exact residue sums.
#include <gtest/gtest.h>

#include <cmath>

#include "model/State.h"
#include "response/ResponseCal.h"
#include "support/BandPassTestSupport.h"

namespace quendal {
namespace {

using namespace quendal::testing;

void design(int button, int alin) {
    resetState();
    setDriver(40.0, 60.0, 0.38, 4.5);
    selectBandPass(button, alin);
    BoxParameters& b = state.box;
    b.QA = b.QA1 = 7.0;
    b.QL1 = b.QL2 = b.QL3 = 7.0;
    b.VB1 = 40.0;
}

TEST(BandPassStep, InverseTransformFollowsTheResidueSum) {
    struct Case { const char* name; int button; int alin; };
    const Case cases[] = {{"Raveza Box", 1, 1}, {"Passive Raveza", 2, 1}, {"Serial Raveza Type1", 3, 1},
                          {"Serial Raveza Type2", 4, 1}, {"Twin Vented", 5, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        design(c.button, c.alin);
        CofCal();
        EulerTransform();
        loadStepPolynomials();
        const std::vector<double> num = stepNumerator(), den = stepDenominator();
        ASSERT_GE(den.size(), 6u);
        // A band-pass step response starts at 0, swings and dies away to 0.
        EXPECT_DOUBLE_EQ(InverseLaplaceTransform(0.0f), 0.0);
        double peak = 0.0;
        for (double t = 0.25; t < 40.0; t += 0.25) peak = std::max(peak, std::abs(residueStep(num, den, t)));
        ASSERT_GT(peak, 1e-2);
        EXPECT_NEAR(residueStep(num, den, 400.0), 0.0, 1e-6 * peak);
        // With the drawn number of Euler terms the transform holds well over
        // the first swings, where the curve carries its information ...
        for (double t = 0.25; t < 6.0; t += 0.25)
            EXPECT_NEAR(InverseLaplaceTransform(static_cast<float>(t)), residueStep(num, den, t), 0.01 * peak) << t;
        // ... and with more terms over the decay of the faster modes.
        state.phys.DIGT = 14;
        EulerTransform();
        for (double t = 0.25; t < 12.0; t += 0.25)
            EXPECT_NEAR(InverseLaplaceTransform(static_cast<float>(t)), residueStep(num, den, t), 0.005 * peak) << t;
    }
}

}  // namespace
}  // namespace quendal
