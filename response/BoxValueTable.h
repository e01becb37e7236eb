// The values each system's box consists of as the custom palette shows
// them, row by row, and which of them each item of the system's Alignment
// menu takes as the user's entries. The palette lays its rows out from
// this table; the check of a design holds the entries of the alignment in
// force to a finite number above 0.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quendal {

// The box and passive-radiator values the palette shows.
enum class BoxValue : int32_t { VB, VB1, VB2, VB3, FC, FC1, FC2, FB, FB1, FB2, FB3, QTC, VAP, FP, QP };

// The name of a value as the system's palette labels it beside its field
// ("Fb1"): the Vented Box keeps its one chamber in VB1 and FB1 but labels
// them as a single box's, "Vb" and "Fb".
const char* boxValueLabel(int32_t system, BoxValue value);

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

// The rows of a system and the entry fields each item of its Alignment
// menu shows, by Alin (index 0 unused).
struct SystemDisplay {
    std::span<const PaletteValueRow> rows;
    int32_t alignments = 0;
    std::array<PaletteFieldRange, 6> entries{};
};

// The display of system 1-16; nullptr for the Infinite Baffle, which has
// no box, and for a number that is no system.
const SystemDisplay* systemDisplay(int32_t system);

// How many items the Alignment menu of system 1-16 has, the custom
// alignment last where there is one; 0 for a number that is no system.
int32_t alignmentItems(int32_t system);

// The values that item `alin` of the Alignment menu of system `system`
// (1-16) takes as the user's entries, whatever the current system; none
// for a system or item without entries.
std::vector<BoxValue> alignmentEntryValues(int32_t system, int32_t alin);

}  // namespace quendal
