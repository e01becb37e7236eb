// A design kept on the screen while the next one is chosen.
//
// System Select and the Default Parameters window stand over the design on
// the screen while the user chooses the system and the driver of the next
// design. Meanwhile the state holds the inputs of the design to come (the
// driver entered or received, the system browsed, a single connection, the
// input power of the Initial Setup sheet); the kept design's values wait
// here. The next design's start drops them; withdrawing the choice gives
// them back exactly, the changed mark and the file binding included.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

struct KeptDesign {
    SpeakerParameters speaker;
    BoxParameters box;
    PassiveRadiatorParameters radiator;
    VentParameters vents;
    SystemSelection selection;
    ViewSettings view;
    SpeakerConnection connection;
    AlignmentRatios ratios;
    TransferCoefficients coef;
    GraphScales scales;
    ReferenceLevel ref;
    ResponseScales rscales;
    double PIN = 0.0, PinTemp = 0.0;  // W
    int32_t InputPowerCheck = 1;      // as the design was computed with it
    double LVP = 0.0, LVD = 0.0;      // mm
    int32_t sysFigTriBtn = 0;
    int32_t DirtyFlag = 0, FileOpenFlag = 0, SaveAsFlag = 0, InitSetupFlag = 0;
};

// The design in the state becomes the kept one (state.kept).
void keepDesignValues();
// The kept design's values back in the state. Whether the input power
// follows the rated power is a preference too: the one in force stays, and
// the caller computes the design again when it differs from the kept one.
void giveBackDesignValues();

}  // namespace quendal
