// The ratios of a design with three vented chambers, from its box values.
#pragma once

#include "model/State.h"

namespace quendal {

// HHk = FBk/FS and ALk = VAS/VBk of chambers 1 to 3, and the volume ratios
// AL12 = VB1/VB2 and AL13 = VB1/VB3.
inline void threeChamberRatiosFromBox() {
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = box.FB1 / FS;
    r.HH2 = box.FB2 / FS;
    r.HH3 = box.FB3 / FS;
    r.AL1 = VAS / box.VB1;
    r.AL2 = VAS / box.VB2;
    r.AL3 = VAS / box.VB3;
    r.AL12 = box.VB1 / box.VB2;
    r.AL13 = box.VB1 / box.VB3;
}

}  // namespace quendal
