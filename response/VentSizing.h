// Automatic vent sizing by the air-speed limit.
//
// The peak air speed in a vent is its volume flow over its area, and the
// flow is fixed by the tuning (the vent's acoustic mass), not by the area:
// the speed is inversely proportional to the area. One sweep of a vent's
// own air-speed curve at a candidate area therefore gives the least area
// that keeps the peak at the limit:
//   minimum area = candidate area x peak speed / limit.
// Every vent of the current system is then sized for the form the user
// chose, and SV11, SV22, SV33 take the designed areas.
#pragma once

#include <cstdint>

#include "response/VentForms.h"

namespace quendal {

// The area (m^2) at which the sizing sweep runs.
inline constexpr double kCandidateVentArea = 0.01;

// How many vents a system (1-16) has: 0 to 3.
int32_t ventsOfSystem(int32_t system);
// The number (1-3) of the chamber that vent 1-3 of the current system
// tunes, its volume VB1-VB3 and tuning FB1-FB3; 0 for a vent it lacks.
int32_t ventChamberNumber(int32_t vent);
// The chamber that vent 1-3 of the current system tunes (volume and tuning
// from the box values); an invalid chamber for a vent the system lacks.
VentChamber ventChamber(int32_t vent);
// The air-speed curve (respNum of the engine's peak-search dispatcher)
// that belongs to vent 1-3 of the current system.
int32_t airSpeedCurveOfVent(int32_t vent);
// The air-speed model's area of vent 1-3: SV11, SV22 or SV33 (m^2).
double& ventModelArea(int32_t vent);

// The largest air speed (m/s) of vent 1-3 over the frequency grid, at the
// input power and the vent's area SV11/SV22/SV33 as they stand. NaN when
// no point of the curve is a number.
double ventPeakAirSpeed(int32_t vent);

// The sizing sweep of vent 1-3: puts the candidate area into its SV11,
// SV22 or SV33 and leaves the peak air speed there in ASmini (m/s).
int32_t AsMiniCal(int32_t vent);

// What vent 1-3 is sized with: its minimum area (from the sizing sweep, the
// vent's area of the air-speed model left as it was), the port thickness
// LVP and the speed of sound C. The minimum is NaN when the sweep gave no
// positive speed. The vent's area and the air-speed scales are left those
// of the areas in force.
VentConditions ventConditions(int32_t vent);
// The conditions a sized record carries: its minimum area, LVP and C.
VentConditions conditionsOfRecord(const VentRecord& record);

// Designs every vent of the current system in turn from the vent values in
// force (forms, counts, sizes the user kept); a system without vents, and a
// vent whose chamber or air-speed curve is not usable, are left alone. A
// vent whose form the user did not choose is made a port or a duct, as
// the air-speed limit and the chamber allow (chooseAutomaticForm). The
// vents' air-speed scales end up those of the designed areas.
int32_t AsVentOpt();

// Who chose the form of each vent of the design in the state, which a
// document does not say (FormSetBy). A circular port was the user's where
// the automatic design would choose another form for it and where the
// minimum area stored with it is the one the design's own values give: a
// port sized for another power or port thickness than the design's was
// left by the automatic design, which chooses again. Every other vent is
// marked as chosen by nobody: a port may be designed again, any other form
// stays as stored. Computes on the design in the state itself, and leaves
// it as it found it but for those marks.
void deriveVentChoices();

}  // namespace quendal
