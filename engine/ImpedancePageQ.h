// The driver's Q of the impedance curves.
//
// The impedance curves show the motional impedance with the driver's
// mechanical Q alone (the driver fed from a current source), so their
// coefficients are built with QMS standing in for QTS: the current-drive
// coefficients. Everything else the program stores, sizes or shows (the
// vents, the air-speed scales, the reference level, the palettes, the
// System Profile, documents, printing) reads the design's own coefficients,
// built with the total Q, whatever page is shown.
//
// So state.coef holds the total-Q coefficients at all times but while an
// impedance computation runs inside a CurrentDriveCoefficients scope: the
// scope builds the current-drive coefficients into state.coef and puts the
// total-Q ones back when it ends. While a unit builds the current-drive
// coefficients, QTSbak holds the total Q and QTS holds QMS; QTS holds the
// total Q again once they are built.
#pragma once

#include "engine/AlignmentValuesKept.h"
#include "model/State.h"

namespace quendal {

// True while the coefficients being built are the current-drive ones.
inline bool currentDriveWanted() { return state.speaker.currentDrive; }

// Runs the coefficient routine build() with the current-drive Q, leaving the
// current-drive coefficients in state.coef. The caller puts the total-Q
// coefficients back (CurrentDriveCoefficients does).
template <typename Build>
void buildCurrentDriveCoefficients(Build&& build) {
    bool& currentDrive = state.speaker.currentDrive;
    const bool outer = currentDrive;
    currentDrive = true;
    build();
    currentDrive = outer;
}

// For its lifetime state.coef holds the current-drive coefficients that
// build() makes; the total-Q coefficients in place before come back when it
// ends, and so do the alignment's values that building them computes again.
class CurrentDriveCoefficients {
public:
    template <typename Build>
    explicit CurrentDriveCoefficients(Build&& build) : totalQ_(state.coef) {
        buildCurrentDriveCoefficients(build);
    }
    ~CurrentDriveCoefficients() { state.coef = totalQ_; }
    CurrentDriveCoefficients(const CurrentDriveCoefficients&) = delete;
    CurrentDriveCoefficients& operator=(const CurrentDriveCoefficients&) = delete;

private:
    AlignmentValuesKept alignment_;
    TransferCoefficients totalQ_;
};

// Runs fill(), which builds a unit's coefficients reading the driver's Q
// from state.speaker.QTS, with QMS in QTS while the current-drive
// coefficients are built.
template <typename Fill>
void fillWithImpedancePageQ(Fill&& fill) {
    SpeakerParameters& sp = state.speaker;
    const bool currentDrive = currentDriveWanted();
    if (currentDrive) {
        sp.QTSbak = sp.QTS;
        sp.QTS = sp.QMS;
    }
    fill();
    if (currentDrive) sp.QTS = sp.QTSbak;
}

}  // namespace quendal
