// The calculation contract: what every one of the sixteen calculation units
// provides, and which system is current.
//
// Each unit, one per enclosure system, lives in enclosures/ and declares in
// its own header, under its system's prefix:
//   - one alignment routine per item of the system's Alignment menu (chosen
//     by Alin), which writes the box values and the AlignmentRatios; the
//     last item is the custom alignment;
//   - one coefficient routine (VBcofCal, ...) that runs the alignment, fills
//     the TransferCoefficients (with QMS in place of QTS while the impedance
//     curves build theirs, engine/ImpedancePageQ.h) and sets the level
//     normalisation;
//   - one evaluator per response kind and curve (VBFRcal, VBAScal, ...),
//     each computing one PlotPoint at the normalised frequency f;
//   - a step substitution that fills the StepPolynomials.
// The units are built from the shared forms of this folder and read and
// write only the program-wide state; the response engine (response/) builds
// the coefficients and sweeps the curves through them by system number.
//
// The current system is (SysSelTabNum, SysSelBtnNum): tab 1 the high-pass
// systems, tab 2 the band-pass systems, buttons 1-8 in the order
//   tab 1: Infinite Baffle, Closed Box, Vented Box, Passive Radiator,
//          Serial Vented, Twin Serial Vented, Complex Closed, Complex Vented
//   tab 2: Raveza Box, Passive Raveza, Serial Raveza Type1, Serial Raveza
//          Type2, Twin Vented, Twin Serial, Delta Vented, Triple Vented.
// Its number is (tab - 1) * 8 + button.
#pragma once

#include <cstdint>

namespace quendal {

// System numbers, (tab - 1) * 8 + button; 0 for a tab or button outside 1-2, 1-8.
enum SystemNumber : int32_t {
    kNoSystem = 0,
    kInfiniteBaffle = 1, kClosedBox, kVentedBox, kPassiveRadiator,
    kSerialVented, kTwinSerialVented, kComplexClosed, kComplexVented,
    kRavezaBox, kPassiveRaveza, kSerialRavezaType1, kSerialRavezaType2,
    kTwinVented, kTwinSerial, kDeltaVented, kTripleVented,
};
int32_t currentSystemNumber();

// The Triple Vented system counts as symmetric when VB1 = VB2, FB1 = FB2
// and QL1 = QL2, compared exactly; its sweeps then draw fewer curves.
bool tripleVentedIsSymmetric();

}  // namespace quendal
