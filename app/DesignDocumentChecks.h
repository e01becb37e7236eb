// The checks of the values a design document brings, beyond its selectors:
// a document is held to what every other road into the design asks.
//
// Each gives the reason the values cannot be taken, naming the field in
// words for the user ("the resonance Fs of the driver as entered is not a
// finite number"), or "" when they can.
#pragma once

#include <string>

#include "model/State.h"

namespace quendal {

// The driver as entered passes the check of the Default Parameters window
// and of received records. The driver in use is that driver scaled for the
// speaker connection, so it may lie above a limit of a single driver where
// a connection scales the value (Vas, efficiency, power, ...); it must be
// finite and have the signs that check asks for, and the values no
// connection changes (Fs among them) keep the limits of one driver.
std::string driverProblem(const SpeakerParameters& speaker);

// Every box value must be a finite number. The loss factors (chosen from
// their lists) and the box values the design's alignment takes as the
// user's entries must also be above 0, as the custom palette asks of an
// entry; the other volumes and tunings follow from the driver by the
// alignment and are computed again when the design is drawn. The passive
// radiator's values among the entries must be finite (an alignment that
// applies no entered unit leaves them at 0). Then the box passes the check
// every design is held to (response/BoxCheck.h): its values as its
// alignment builds them again when it is drawn, the tunings, the response
// on the page.
std::string boxProblem(const ProgramState& design);

}  // namespace quendal
