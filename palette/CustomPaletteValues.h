// The values the custom palette shows, system by system: which rows each
// system has, which of them an alignment takes as entries, and the text
// forms the palette shows them in and reads them back into.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/Str255.h"
#include "model/TextToNumber.h"
#include "response/BoxValueTable.h"

namespace quendal {

// The value in the shared state, its last accepted copy (nullptr for the
// values that are never an entry: FC, FC1, FC2 and FB), and its text form.
double& boxValue(BoxValue value);
double* acceptedBoxValue(BoxValue value);
Str255& textForm(BoxValue value);

// The value as the label beside its field in the current system's palette
// reads it ("Vb1", "Qtc", "Qmp"; the Vented Box's "Vb"), for its alerts.
std::string_view boxValueName(BoxValue value);

// The unit the value is typed in: volumes in litres, tunings and the
// radiator's resonance in Hz, Qtc and Qmp a number alone.
FieldUnit boxValueUnit(BoxValue value);

// A value as the palette shows it and keeps it: volumes to two decimals,
// from 10000 litres on whole; Qtc to three decimals; the others to two.
double shownBoxValue(BoxValue value, double number);

// The value rows of the current system (none for the Infinite Baffle).
std::span<const PaletteValueRow> currentValueRows();

// Whether the current system's Alignment menu has an item Alin (the
// alignments the display table lists), and the entry fields of that item.
bool currentAlignmentListed();
PaletteFieldRange currentEntryFields();

// Writes the fifteen text forms from the current values: volumes to two
// decimals, from 10000 litres on whole; frequencies and the passive
// radiator's values to two decimals; Qtc to three.
int32_t toTextChang();

}  // namespace quendal
