// The vent records while one vent is being designed: the working copy of
// vent VentID that the Vent Design sheet edits, its cancel copy, and the
// changes of count and of Ported/Ducted that re-size the working copy.
#pragma once

#include <cstdint>

namespace quendal {

// Working copy := record of vent VentID (selectors, flags and sizes).
int32_t PreVentParameterChange();
// Record of vent VentID := working copy.
int32_t PostVentParameterChange();

// Re-size the working copy for its circular count CircVentNum (admitted to
// the counts the vent allows); a diameter the user entered stays. The form
// in force stays the one the sheet shows, whoever chose it.
int32_t CircVentNumCalc();
// The same for the rectangular count RectVentNum. While VentOkFlag is 1
// the count was just chosen in the sheet: a duct size the user entered
// keeps its total area and its proportions, divided among the new count.
int32_t RectVentNumCalc();
// Take the working copy's new Ported/Ducted choice (CircVentRadio,
// RectVentRadio) with its count, and re-size the working copy.
int32_t CircVentRadioClick();
int32_t RectVentRadioClick();

// Cancel copy := working copy; and back.
int32_t VentParameterBackupForCancel();
int32_t VentParameterReturnForCancel();

// For the Twin Serial Vented system with vent 1 selected, once after each
// coefficient build (VentCalcCount 0): re-sizes vent 1 for its admitted
// counts (two equal branches: an even count) in its stored record, leaving
// the working copy alone, updates SV11 and counts the run. Otherwise does
// nothing.
int32_t ParallelVentedVentOpt();

// Re-sizes the working copy of vent VentID with a fresh minimum area; a
// vent whose chamber or air-speed curve is not usable is left as it is.
// With `formToo` (the power or the port changed) a form the automatic
// design chooses is chosen again as well, as every vent of the design is,
// unless the user chose it in the sheet (formChosenInSheet).
void designWorkingVent(bool formToo = false);

// Whether the working copy's form is the user's choice, though not yet
// accepted: another form than the sheet opened with, or one whose size the
// user entered.
bool formChosenInSheet();
// Whether the form in force, one the automatic design chose before, is not
// the one it would choose for the working copy as it stands: a form the
// sheet kept through a new count, or one clicked back after new conditions
// chose another. The sheet's OK makes such a form the user's.
bool automaticDesignChoosesAnotherForm();

}  // namespace quendal
