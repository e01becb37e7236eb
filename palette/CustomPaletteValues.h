// The values the custom palette shows, system by system: which rows each
// system has, which of them an alignment takes as entries, and the text
// forms the palette shows them in and reads them back into.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/Str255.h"

namespace quendal {

// The box and passive-radiator values the palette shows.
enum class BoxValue : int32_t { VB, VB1, VB2, VB3, FC, FC1, FC2, FB, FB1, FB2, FB3, QTC, VAP, FP, QP };

// The value in the shared state, its last accepted copy (nullptr for the
// values that are never an entry: FC, FC1, FC2 and FB), and its text form.
double& boxValue(BoxValue value);
double* acceptedBoxValue(BoxValue value);
Str255& textForm(BoxValue value);

// The value as the palette labels it ("Vb1", "Qtc", "Qmp").
std::string_view boxValueName(BoxValue value);

// A value as the palette shows it and keeps it: volumes to two decimals,
// from 10000 litres on whole; Qtc to three decimals; the others to two.
double shownBoxValue(BoxValue value, double number);

// One value row of a system: the value, the top of its field, the id of
// its read-only text and of its entry field (0: never an entry).
struct PaletteValueRow {
    BoxValue value;
    int16_t top;
    int32_t readOnlyId;
    int32_t entryId;
};

// The entry fields an alignment shows: ids first to last, none when last
// is below first.
struct PaletteFieldRange {
    int32_t first = 0;
    int32_t last = -1;
    bool empty() const { return last < first; }
    bool contains(int32_t id) const { return id >= first && id <= last; }
    int32_t count() const { return empty() ? 0 : last - first + 1; }
};

// The value rows of the current system (none for the Infinite Baffle).
std::span<const PaletteValueRow> currentValueRows();

// Whether the current system's Alignment menu has an item Alin (the
// alignments the display table lists), and the entry fields of that item.
bool currentAlignmentListed();
PaletteFieldRange currentEntryFields();

// The values that item `alin` of the Alignment menu of system `system`
// (1-16) takes as the user's entries, whatever the current system; none
// for a system or item without entries.
std::vector<BoxValue> alignmentEntryValues(int32_t system, int32_t alin);

// Writes the fifteen text forms from the current values: volumes to two
// decimals, from 10000 litres on whole; frequencies and the passive
// radiator's values to two decimals; Qtc to three.
int32_t toTextChang();

}  // namespace quendal
