#include "response/BoxValueTable.h"

#include "engine/CalculationContract.h"

namespace quendal {

namespace {

using enum BoxValue;

// The value rows of the sixteen systems: the value, the top of its field,
// the id of its read-only text and of its entry field.
constexpr PaletteValueRow kClosedBoxRows[] = {{VB, 120, 211, 31}, {FC, 140, 212, 0}, {QTC, 160, 213, 32}};
constexpr PaletteValueRow kVentedBoxRows[] = {{VB1, 120, 211, 31}, {FB1, 140, 212, 32}};
constexpr PaletteValueRow kPassiveRadiatorRows[] = {
    {VB, 120, 211, 31}, {FB, 140, 212, 0}, {VAP, 220, 213, 32}, {FP, 240, 214, 33}, {QP, 260, 215, 34}};
constexpr PaletteValueRow kTwoVentedRows[] = {
    {VB1, 120, 211, 31}, {FB1, 140, 212, 32}, {VB2, 200, 213, 33}, {FB2, 220, 214, 34}};
constexpr PaletteValueRow kThreeVentedRows[] = {{VB1, 120, 211, 31}, {FB1, 140, 212, 32}, {VB2, 200, 213, 33},
                                                {FB2, 220, 214, 34}, {VB3, 280, 215, 35}, {FB3, 300, 216, 36}};
constexpr PaletteValueRow kComplexClosedRows[] = {
    {VB1, 120, 211, 31}, {FC1, 140, 212, 0}, {VB2, 200, 213, 32}, {FC2, 220, 214, 0}};
constexpr PaletteValueRow kComplexVentedRows[] = {
    {VB1, 120, 211, 31}, {FB1, 140, 212, 32}, {VB2, 200, 213, 33}, {FC2, 220, 214, 0}};
constexpr PaletteValueRow kRavezaBoxRows[] = {
    {VB1, 120, 211, 31}, {FC1, 140, 212, 0}, {VB2, 200, 213, 32}, {FB2, 220, 214, 33}};
constexpr PaletteValueRow kPassiveRavezaRows[] = {{VB1, 120, 211, 31}, {FC1, 140, 212, 0}, {VB2, 195, 213, 32},
                                                  {FB2, 215, 214, 0},  {VAP, 290, 215, 33}, {FP, 310, 216, 34},
                                                  {QP, 330, 217, 35}};
constexpr PaletteValueRow kSerialRavezaType1Rows[] = {{VB1, 120, 211, 31}, {FC1, 140, 212, 0}, {VB2, 200, 213, 32},
                                                      {FB2, 220, 214, 33}, {VB3, 280, 215, 34}, {FB3, 300, 216, 35}};

constexpr PaletteFieldRange kNone{};
constexpr PaletteFieldRange fields(int32_t first, int32_t last) { return {first, last}; }

// By system number 1-16; the Infinite Baffle has no rows.
const std::array<SystemDisplay, 17> kDisplays = {{
    {},
    {},
    {kClosedBoxRows, 3, {kNone, kNone, fields(31, 31), fields(32, 32)}},
    {kVentedBoxRows, 4, {kNone, kNone, kNone, fields(31, 31), fields(31, 32)}},
    {kPassiveRadiatorRows, 4, {kNone, kNone, kNone, fields(31, 31), fields(31, 34)}},
    {kTwoVentedRows, 5, {kNone, kNone, kNone, kNone, kNone, fields(31, 34)}},          // Serial Vented
    {kThreeVentedRows, 3, {kNone, kNone, kNone, fields(31, 36)}},                      // Twin Serial Vented
    {kComplexClosedRows, 2, {kNone, kNone, fields(31, 32)}},
    {kComplexVentedRows, 2, {kNone, kNone, fields(31, 33)}},
    {kRavezaBoxRows, 4, {kNone, kNone, kNone, fields(31, 31), fields(31, 33)}},
    {kPassiveRavezaRows, 5, {kNone, kNone, kNone, fields(31, 31), fields(31, 32), fields(31, 35)}},
    {kSerialRavezaType1Rows, 3, {kNone, kNone, kNone, fields(31, 35)}},
    {kTwoVentedRows, 3, {kNone, kNone, kNone, fields(31, 34)}},                        // Serial Raveza Type2
    {kTwoVentedRows, 4, {kNone, kNone, kNone, kNone, fields(31, 34)}},                 // Twin Vented
    {kThreeVentedRows, 3, {kNone, kNone, kNone, fields(31, 36)}},                      // Twin Serial
    {kThreeVentedRows, 4, {kNone, kNone, kNone, kNone, fields(31, 36)}},               // Delta Vented
    {kThreeVentedRows, 5, {kNone, kNone, kNone, kNone, kNone, fields(31, 36)}},        // Triple Vented
}};

}  // namespace

const SystemDisplay* systemDisplay(int32_t system) {
    if (system < kClosedBox || system > kTripleVented) return nullptr;
    return &kDisplays[std::size_t(system)];
}

int32_t alignmentItems(int32_t system) {
    if (system == kInfiniteBaffle) return 2;  // two alignments and no box values
    const SystemDisplay* display = systemDisplay(system);
    return display == nullptr ? 0 : display->alignments;
}

std::vector<BoxValue> alignmentEntryValues(int32_t system, int32_t alin) {
    std::vector<BoxValue> values;
    const SystemDisplay* display = systemDisplay(system);
    if (display == nullptr || alin < 1 || alin > display->alignments) return values;
    const PaletteFieldRange entries = display->entries[std::size_t(alin)];
    for (const PaletteValueRow& row : display->rows)
        if (row.entryId != 0 && entries.contains(row.entryId)) values.push_back(row.value);
    return values;
}

const char* boxValueLabel(int32_t system, BoxValue value) {
    using enum BoxValue;
    if (system == kVentedBox && value == VB1) return "Vb";
    if (system == kVentedBox && value == FB1) return "Fb";
    switch (value) {
        case VB: return "Vb";
        case VB1: return "Vb1";
        case VB2: return "Vb2";
        case VB3: return "Vb3";
        case FC: return "Fc";
        case FC1: return "Fc1";
        case FC2: return "Fc2";
        case FB: return "Fb";
        case FB1: return "Fb1";
        case FB2: return "Fb2";
        case FB3: return "Fb3";
        case QTC: return "Qtc";
        case VAP: return "Vap";
        case FP: return "Fp";
        case QP: return "Qmp";
    }
    return "";
}

}  // namespace quendal
