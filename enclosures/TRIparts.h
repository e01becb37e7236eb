// The building blocks of the Triple Vented evaluators: the two half systems'
// polynomials at s = j*f, kept in the named intermediates of the point
// (N1R ... N4J, D1R ... D2J, NUR1 ... DEJ), and the system output over the
// common denominator D1*D2.
#pragma once

#include "engine/BandPassForms.h"

namespace quendal::tri {

inline double squared(double re, double im) { return re * re + im * im; }

// D1 in D1R / D1J and D2 in D2R / D2J.
void evaluateDenominators(double f);

// The vent numerators with their factor s^2: N1 (vent 1), N2 (vent 2),
// N3 (vent 3 through driver 1), N4 (vent 3 through driver 2).
void evaluateVentNumerators(double f);

// The vent polynomials without the factor s^2 (the vents' flows).
void evaluateVentFlows(double f);

// N1*D2 + N2*D1 from the parts in N1R / N1J, N2R / N2J, D1R .. D2J: two
// curves of the two half systems over D1*D2, summed.
JfValue crossSum();

// Vents 1 and 2 over D1*D2 in NUR1 / NUJ1, the two vent-3 paths in
// NUR2 / NUJ2, D1*D2 in DER / DEJ, after the numerators and denominators.
void combineVents12();
void combineVent3();
void combineDenominators();

// Vent 3 (both paths) over D1*D2 in NUR / NUJ and DER / DEJ, after the vent
// numerators or flows and the denominators.
void vent3OverBothHalves();

// The system output H = (NUR + j NUJ)/(DER + j DEJ): vents 1 and 2 less the
// two vent-3 paths, all evaluated at f.
void evaluateSystem(double f);

}  // namespace quendal::tri
