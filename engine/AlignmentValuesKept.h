// A calculation on the side leaves the design's values as it found them.
//
// Building a system's coefficients runs its alignment again, which leaves
// the box, the radiator and the ratios as the alignment computes them,
// before the rounding the design keeps them at. A calculation that only
// looks (a vent's peak air speed, the impedance of the current drive, a
// read-out) keeps them for its lifetime: they come back when it ends, so
// that what is stored never depends on what was looked at.
#pragma once

#include "model/State.h"

namespace quendal {

class AlignmentValuesKept {
public:
    AlignmentValuesKept() : box_(state.box), radiator_(state.radiator), ratios_(state.ratios) {}
    ~AlignmentValuesKept() {
        state.box = box_;
        state.radiator = radiator_;
        state.ratios = ratios_;
    }
    AlignmentValuesKept(const AlignmentValuesKept&) = delete;
    AlignmentValuesKept& operator=(const AlignmentValuesKept&) = delete;

private:
    BoxParameters box_;
    PassiveRadiatorParameters radiator_;
    AlignmentRatios ratios_;
};

}  // namespace quendal
