// The calculation contract: which system is current, building its
// coefficients, and the rules every sweep shares about the systems.
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

// Builds the current system's TransferCoefficients through its unit's
// coefficient routine (which also runs the alignment of Alin). Any other
// tab or button builds nothing.
int32_t CofCal();

// When QES <= 0, QES := 1.1 * QTS; otherwise QES stays.
int32_t QEScal();

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
