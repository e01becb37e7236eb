// A design that waits on the screen while the next one is chosen.
//
// System Select, the Default Parameters window and the Initial Setup sheet of
// a new design stand over the design on the screen while the user chooses
// the system, the driver and the input power of the next design. The state
// holds the design on the screen throughout: saving, printing, drawing, the
// palettes and the alerts' OK all see the waiting design. The next design's
// inputs (the driver entered or received, the system browsed, a single
// connection, the input power and port thickness of the Initial Setup
// sheet) are held apart, in state.kept.
//
// The routines of the choosing windows work on the program-wide state, as
// every routine does. While one of them runs (NextDesignInState), the next
// design's inputs stand in the state and the waiting design in state.kept;
// when it returns they change places again. Only the next design's start,
// once every check has passed, keeps them in the state; withdrawing the
// choice gives the waiting design back as it was, the changed mark and the
// file binding included.
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
    int32_t InputPowerCheck = 1;      // the design's own choice: its input power follows the rated power
    double LVP = 0.0, LVD = 0.0;      // mm
    int32_t sysFigTriBtn = 0;
    int32_t DirtyFlag = 0, FileOpenFlag = 0, SaveAsFlag = 0, InitSetupFlag = 0;
};

// Inside a routine of a choosing window (depth above 0): the design in the
// state begins to wait. Its values are copied to state.kept, where they
// wait until the routine returns; the state goes on as the next design's
// inputs, starting from the waiting design's.
void keepDesignValues();
// Inside a routine of a choosing window: the waiting design's values back
// in the state (the choice withdrawn).
void giveBackDesignValues();

// The waiting design ends without the next design replacing it (its
// windows closed): the next design's inputs stay in the state, for the
// design that System Select or the Default Parameters window start next.
// KeptDesignFlag is 0 after it.
void endWaitingDesign();

// While an object of this kind lives, the state holds the next design's
// inputs and state.kept the design waiting on the screen, if one waits
// (KeptDesignFlag 1); otherwise it does nothing. Nested ones do nothing
// more. At its end, a design that still waits is back in the state; a
// design that stopped waiting meanwhile (given back, or replaced by the
// next one) stays as the routine left it.
class NextDesignInState {
public:
    NextDesignInState();
    ~NextDesignInState();
    NextDesignInState(const NextDesignInState&) = delete;
    NextDesignInState& operator=(const NextDesignInState&) = delete;
};

}  // namespace quendal
