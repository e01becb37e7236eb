// The driver's reference efficiency and sensitivity, and the scales that
// turn the units' normalised transfer functions into watts, ohms,
// millimetres and metres per second. The sweeps set the scales they need
// before their first point.
#pragma once

#include <cstdint>

namespace quendal {

struct ProgramState;

// N0: EFI / 100 when EFI is a finite number above 0; otherwise the
// reference efficiency 4 pi^2 FS^3 VAS / (C^3 QES) (QES first defaulted as
// QEScal does).
int32_t N0cal();

// CofCal, N0cal, then SPL = 10 log10(N0 / (2 pi 1e-12)) dB at 1 W / 1 m,
// rounded to 0.01 dB (halves to even); an N0 that gives no finite level
// leaves SPL as it was.
int32_t SPLcal();

// The SPL the driver of `design` gives, as SPLcal derives it, computed on
// the side (the state is left as it was). A driver that gives no finite
// level leaves the design's own SPL, as SPLcal does, or 0 when that is not
// finite either.
double driverSPL(const ProgramState& design);

// P1 (W): the electrical power at which the driver reaches its peak
// excursion VD / SD where its excursion equals the low-frequency excursion
// of the driver in free air (stiffness controlled).
void setPowerScale();

// RES = RE * QMS / QES (ohm), ZL = 2 pi LE / 1000 (ohm per Hz).
void setImpedanceScales();

// N0cal; SPL1 and PA, the level and sound pressure at 1 m and 1 Hz at the
// input power PIN for a driver of total Q QTS in free air (a PIN that is
// not a number, infinite or negative is first given back the last usable
// value); XD and XPR, the
// peak cone excursions (mm) of driver and passive radiator that belong to
// that pressure; then CofCal. Leaves f at 1 / FS.
void setDisplacementScales();

// The air-speed scale of a vent of total area ventAreaM2 (m^2) at the
// pressure PA: sqrt 2 PA / (LO * area * FS). Times f and the ratio of the
// volume the vent's air moves to the cone's static volume displacement, it
// is the peak speed of the air in the vent (m/s).
double ventAirSpeedScale(double ventAreaM2);

// The air-speed scales: N0cal, ADB and PA at the input power (PIN guarded
// as for the displacement scales), CofCal, then
// with ventAirSpeedScale VEL from SV11 for a system of one vent, or VEL1,
// VEL2 (and VEL3) from SV11, SV22 (and SV33) for a system of two (three).
int32_t AsPlot3();

}  // namespace quendal
