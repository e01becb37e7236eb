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

// A test that begins from the defaults and the initial loss choices.
class SerialUnitTest : public EngineTest {};

}  // namespace quendal::test
