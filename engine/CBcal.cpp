#include "engine/CBcal.h"

#include "model/State.h"

namespace quendal {

namespace {

void fillingFactor(double lossFactor, double& factor) {
    if (lossFactor == 5.0) factor = 1.2;
    else if (lossFactor == 7.0) factor = 1.1;
    else if (lossFactor == 10.0 || lossFactor == 15.0 || lossFactor == 20.0) factor = 1.0;
}

}  // namespace

int32_t CPopt() {
    BoxParameters& box = state.box;
    fillingFactor(box.QA, box.CP);
    fillingFactor(box.QA1, box.CP1);
    fillingFactor(box.QA2, box.CP2);
    return 0;
}

}  // namespace quendal
