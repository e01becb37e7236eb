// The driver's Q while the impedance page is shown.
//
// The impedance page draws the motional impedance with the driver's
// mechanical Q alone, so a unit builds its coefficients there with QMS
// standing in for QTS. QTSbak holds the total Q meanwhile, and QTS holds it
// again once the coefficients are built.
#pragma once

#include "model/State.h"

namespace quendal {

// True while the impedance page is shown (s_Resp is "imp").
inline bool impedancePage() { return state.view.s_Resp == "imp"; }

// Runs fill(), which builds a unit's coefficients reading the driver's Q
// from state.speaker.QTS, with QMS in QTS on the impedance page.
template <typename Fill>
void fillWithImpedancePageQ(Fill&& fill) {
    SpeakerParameters& sp = state.speaker;
    const bool impedance = impedancePage();
    if (impedance) {
        sp.QTSbak = sp.QTS;
        sp.QTS = sp.QMS;
    }
    fill();
    if (impedance) sp.QTS = sp.QTSbak;
}

}  // namespace quendal
