// The response engine: everything a caller needs to build coefficients,
// compute the reference level and the scales, and sweep or evaluate every
// response kind of the current system.
#pragma once

#include "engine/AirSpeedPlot.h"
#include "engine/AmplitudePlot.h"
#include "engine/CofCal.h"
#include "engine/DisplacementPlot.h"
#include "engine/GroupDelayPlot.h"
#include "engine/ImpedancePlot.h"
#include "engine/PhasePlot.h"
#include "engine/PowerPlot.h"
#include "engine/ReferenceLevel.h"
#include "engine/SpConCal.h"
#include "engine/StepResponse.h"
#include "engine/SweepGrid.h"
