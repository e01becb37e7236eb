// The program-wide named state.
//
// The program is procedural: routines without arguments read and write the
// named values of one shared state, grouped here by the shared types. A
// routine reaches a value by its group and its name, for example
// `state.speaker.FS`, `state.coef.A01` or `state.point.yy`.
#pragma once

#include "model/SharedTypes.h"
#include "model/DesignEntryState.h"
#include "model/DocumentState.h"
#include "model/KeptDesign.h"
#include "model/MessageState.h"
#include "model/PaletteState.h"
#include "model/PreferenceOptions.h"
#include "model/PrintState.h"
#include "model/ShellFlags.h"
#include "model/UpdateCheckState.h"

namespace quendal {

// A group that the calculation reads joins the groups the vents' sizing
// compares and keeps (response/DesignComputation.cpp).
struct ProgramState {
    SpeakerParameters speaker;
    BoxParameters box;
    PassiveRadiatorParameters radiator;
    RadiatorSheetHold radiatorSheet;
    VentParameters vents;
    SystemSelection selection;
    ViewSettings view;
    SpeakerConnection connection;
    AlignmentRatios ratios;
    TransferCoefficients coef;
    StepPolynomials step;
    PlotPoint point;
    GraphScales scales;
    ReferenceLevel ref;
    ResponseScales rscales;
    InputPowerSettings power;
    PhysicalConstants phys;
    DrawingState draw;
    WindowBounds bounds;
    CursorState cursor;
    ResponseWindowBuilt responseBuilt;
    ShellFlags shell;
    PreferenceOptions prefs;
    MessageState messages;
    DocumentState document;
    PrintState print;
    UpdateCheckState update;
    DesignEntryState entry;
    PaletteState palette;
    KeptDesign kept;
};

// The one instance every routine works on.
extern ProgramState state;

// Puts every value back to its start-up default (tests begin from here).
void resetState();

}  // namespace quendal
