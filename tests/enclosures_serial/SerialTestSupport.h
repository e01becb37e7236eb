// Shared helpers of the serial and compound enclosure tests.
#pragma once

#include <cmath>
#include <initializer_list>

#include "model/State.h"
#include "support/ComplexReference.h"
#include "support/EngineTestSupport.h"

namespace quendal::test {

// A polynomial with coefficients listed from the highest power down to
// power `lowest`, at s = j f.
inline cplx polyAt(std::initializer_list<double> highestFirst, int lowest, double F) {
    return horner(highestFirst, cplx(0.0, F), lowest);
}

// -20 log10 |h|: the level as the amplitude evaluators leave it.
inline double invertedLevel(cplx h) { return -20.0 * std::log10(std::abs(h)); }

// The impedance of coils in series, k (RE + j ZL ff), with a motional part W
// the coils do not change, summed as complex values: W is found from the
// curve with neither, with the resistance alone and with the reactance alone,
// and must give the curve with both. Leaves RE and ZL as given.
inline void expectCoilsInSeriesWithTheMotionalPart(void (*evaluate)(), double k, double re, double zl) {
    SpeakerParameters& sp = state.speaker;
    ResponseScales& rs = state.rscales;
    auto squared = [&](double r, double l) {
        sp.RE = r;
        rs.ZL = l;
        evaluate();
        const double z = state.point.yyLinea;
        return z * z;
    };
    const double x = zl * static_cast<double>(state.point.ff);
    const double none = squared(0.0, 0.0);
    const cplx w((squared(re, 0.0) - none - k * k * re * re) / (2.0 * k * re),
                 (squared(0.0, zl) - none - k * k * x * x) / (2.0 * k * x));
    const double both = std::sqrt(squared(re, zl));
    const double expected = std::abs(k * cplx(re, x) + w);
    EXPECT_NEAR(both, expected, 1e-4 * expected) << "k " << k << " at f " << state.point.f;
}

// A test that begins from the defaults and the initial loss choices.
class SerialUnitTest : public EngineTest {};

}  // namespace quendal::test
