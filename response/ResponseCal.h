// The response engine: everything a caller needs to build coefficients,
// compute the reference level and the scales, and sweep or evaluate every
// response kind of the current system.
#pragma once

#include "response/AirSpeedPlot.h"
#include "response/AmplitudePlot.h"
#include "response/CofCal.h"
#include "response/DisplacementPlot.h"
#include "response/GroupDelayPlot.h"
#include "response/ImpedancePlot.h"
#include "response/PhasePlot.h"
#include "response/PowerPlot.h"
#include "response/ReferenceLevel.h"
#include "response/SpConCal.h"
#include "response/StepResponse.h"
#include "response/SweepGrid.h"
