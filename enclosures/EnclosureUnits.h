// The sixteen calculation units, one per enclosure system, each of which
// fulfils the contract of engine/CalculationContract.h and declares its
// routines (alignments, coefficient routine, evaluators, step substitution)
// in its own header. The response engine's dispatchers (response/) include
// this one file to reach them. The lines are kept apart so that units
// changing at the same time do not touch each other's lines.
#pragma once

// Infinite Baffle, Closed Box, Vented Box, Passive Radiator.
#include "enclosures/IBcal.h"
#include "enclosures/CBcal.h"
#include "enclosures/VBcal.h"
#include "enclosures/PRcal.h"

// Serial Vented unit:
#include "enclosures/SVcal.h"

// Twin Serial Vented unit:
#include "enclosures/PVcal.h"

// Complex Closed unit:
#include "enclosures/CCcal.h"

// Complex Vented unit:
#include "enclosures/CVcal.h"

// Raveza Box unit:
#include "enclosures/KTcal.h"

// Passive Raveza unit:
#include "enclosures/PKcal.h"

// Serial Raveza Type1 unit:
#include "enclosures/SK1cal.h"

// Serial Raveza Type2 unit:
#include "enclosures/SK2cal.h"

// Twin Vented unit:
#include "enclosures/TVcal.h"

// Twin Serial unit:
#include "enclosures/TScal.h"

// Delta Vented unit:
#include "enclosures/DELcal.h"

// Triple Vented unit:
#include "enclosures/TRIcal.h"
