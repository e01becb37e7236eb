// Guards shared by the calculation units of the serial and compound systems.
//
// A table alignment fitted in Qts can leave a zero, negative or infinite
// volume or tuning when the driver's Qts lies outside the range the fit was
// made for. Such a design cannot be computed: its coefficients are then set
// to not-a-number, every evaluator yields not-a-number, and the sweeps skip
// those points instead of drawing numbers that mean nothing. Box values that
// would come out non-finite are not written, so nothing non-finite is shown.
#pragma once

#include <cmath>
#include <initializer_list>
#include <limits>

#include "engine/ImpedancePageQ.h"
#include "model/State.h"

namespace quendal::units {

inline constexpr double kNotComputable = std::numeric_limits<double>::quiet_NaN();

// A ratio, loss factor or Q a design can be computed with: finite and positive.
inline bool usable(double value) { return std::isfinite(value) && value > 0.0; }

inline bool allUsable(std::initializer_list<double> values) {
    for (double v : values) {
        if (!usable(v)) return false;
    }
    return true;
}

// Writes a box value only when it is a finite number.
inline void setIfFinite(double& field, double value) {
    if (std::isfinite(value)) field = value;
}

// Marks a set of coefficients as not computable.
inline void markNotComputable(std::initializer_list<double*> coefficients) {
    for (double* c : coefficients) *c = kNotComputable;
}

// The end of a unit's coefficient routine: with QMS in QTS for the impedance
// curves, builds the coefficients where usable() holds (asked with that Q in
// place) and marks them not computable where it does not; the level is not
// shifted (siftUpDwn 0).
template <typename Usable>
void buildOrMarkNotComputable(Usable usable, void (*build)(), void (*markNotComputable)()) {
    fillWithImpedancePageQ([&] {
        if (usable()) {
            build();
        } else {
            markNotComputable();
        }
    });
    state.coef.siftUpDwn = 0.0;
}

}  // namespace quendal::units
