// The step response: the units describe their system function H(s) by two
// polynomials whose quotient H(s)/s is the Laplace transform of the step
// response; a numerical inverse Laplace transform (a Fourier series along a
// line parallel to the imaginary axis at the abscissa 6/t, half-integer
// frequency steps, its alternating tail accelerated by Euler summation)
// turns it into time values. Times are normalised as the units' s is:
// t = 2 pi FS times the time in seconds.
#pragma once

#include <cstdint>

namespace quendal {

// Entry for every system but the Triple Vented one: CofCal, the Euler
// weights, the system's step substitution, the curve.
int32_t StepPlot();
// Entry for the Triple Vented system: its curve combines four partial
// transforms at every time.
int32_t TRIStepPlot();
// Euler[0 .. DIGT + 1]: Euler[j] = sum over i = j .. DIGT of C(DIGT, i).
int32_t EulerTransform();
// Sets the drawing state and draws the curve from InverseLaplaceTransform.
int32_t StepResponsePlot();
// The step response at normalised time t from the loaded StepPolynomials.
double InverseLaplaceTransform(float t);
// sigma * (Re N Im D - Im N Re D) / |D|^2 = -sigma Im(N/D) with N = NUT(s),
// D = DET(s) at s = x + j y.
double SubroutineInverseLaplaceTransform(float x, float y, float sigma);
// The Triple Vented step response at t from its four partial transforms.
double TRIStepPlot2(float t);

// Loads the current system's StepPolynomials (its step substitution).
void loadStepPolynomials();

// The step graph's time axis, shared with the step frame and the step
// read-out: normalised time at the right edge of the graph (x 46 + 460),
// and the screen x of normalised time t.
double stepGraphEndTime();
float stepScreenX(double t);

}  // namespace quendal
