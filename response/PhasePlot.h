// The phase response and the Nyquist diagram. Both unwrap the phase from
// point to point (ss, yy2, fai, fai2), so they sweep from high to low
// frequency, starting high enough for the unwrap to settle.
#pragma once

#include <cstdint>

namespace quendal {

// The phase sweep with drawing, 1 kHz down to 10 Hz.
int32_t phPlot();
// The phase point at f (yy, degrees). Also used by the pointer read-out.
int32_t phPlot3();

// The Nyquist sweep with drawing, from 10 kHz (1 kHz for the Delta Vented
// and Triple Vented systems) down to 10 Hz.
int32_t nqPlot();
// The Nyquist point at f: real part in xx, imaginary part in yy. Also used
// by the slider read-out.
int32_t nqPlot2();

}  // namespace quendal
