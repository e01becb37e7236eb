// What a design starts from, and which drivers a system admits when it is
// chosen. Qt-free and window-free: the callers say whether the design is
// new.
//
// Some systems admit a fixed range of Qts (and a smallest Vas). Beyond
// that, the alignments of several systems are fits over the Qts range they
// were made for and give negative or zero volumes and tunings outside it:
// a driver is refused for a system whose first alignment, computed on the
// side, would give such a box.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/InputPower.h"
#include "response/BoxCheck.h"

namespace quendal {

// The Qts every system's first alignment builds a box for: the side of a
// refused Qts is the side of this value it falls on.
inline constexpr double kReferenceQts = 0.4;

// How much longer a duct is than a port through the baffle.
inline constexpr double kDuctOverPort = 20.0;  // mm

struct DriverFit {
    int16_t alertKind = 0;  // 0 when the driver suits the system, else the ShowAlert kind
    float limit = 0.0f;     // the limit the alert quotes (Qts, or Vas in litre)
    BoxCheckResult box;     // kAlertNoRealBox: the fault of the first alignment's box
};

// Checks the effective driver (QTS, VAS) against the current system; for
// a new design the alignment is tried with what a new design starts from.
// A first alignment that builds no real box is put down to the driver's Qts
// (or Vas) only where another Qts would build one; a response that lies off
// the page, chambers tuned alike, or a box no Qts builds is refused as the
// box check names it (kAlertNoRealBox).
DriverFit driverFitForSystem(bool newDesign);

// True when the current system's first alignment for a driver of total Q
// `qts` (the rest of the driver as it is) gives a real box, as every design
// is checked (response/BoxCheck.h). Computed on the side: the state is
// left as it was. For a new design the alignment uses the loss factors a
// new design starts with, else those of the design.
bool firstAlignmentBuildable(double qts, bool newDesign);

// Whether a system (1-16) has vents.
bool systemHasVents(int32_t system);

// The values an Initial Setup sheet takes into the design: the input power
// (when its field takes one) and the port thickness (when the design has
// vents), from which the duct length follows.
struct SetupValues {
    std::optional<double> power;      // W
    std::optional<double> thickness;  // mm
};
void takeSetupValues(const SetupValues& values);

// An Initial Setup sheet's OK: why the design it would make (the values
// taken, then `andThen`, say what a new design starts from), computed on
// the side, is one the program may not hold, naming the value as typed
// ("The port thickness 1e308 mm gives a design in which the area of vent 1
// is not a finite number.  ( Enter a smaller value. )"); "" when it may be
// held. The power is named (and `powerNamed` set) when the power alone
// gives such a design.
struct SetupTexts {
    std::string_view power, thickness;
};
std::string setupRefusal(const SetupValues& values, const SetupTexts& texts, bool& powerNamed,
                         void (*andThen)() = nullptr);

// What a new design starts from: the amplitude view, the initial loss
// factors with their popup items, one vent of each kind, the first
// alignment.
void resetDesignForNewSystem();

}  // namespace quendal
