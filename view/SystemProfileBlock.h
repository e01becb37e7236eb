// The box parameter block of the System Profile page: a header, one row per
// enclosure value (dotted label, value right-aligned in a thin value box,
// unit), separator rules between the boxes of the enclosure, and for the
// passive-radiator systems a section of radiator values.
//
// Each system's layout is built as a list of elements at their final
// places, then drawn in four passes: labels, separators, value boxes,
// values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quendal {

// Draws the block of the current system. The page offset is added to every
// y: 0 on the profile page (screen or paper), 90 under a printed graph,
// where the print shifts move it further down. The Infinite Baffle, and a
// selection that names no system, draw nothing.
int32_t DrawSystemParameter(int16_t offset);

// How far the block moves on a printed response page with parameters
// (while DoPrint is set and the page is not the profile page itself); all
// zero otherwise. A moves the high-pass blocks and most band-pass ones; B,
// C and D the parts of the Passive Raveza block.
struct PrintShifts {
    int16_t A = 0, B = 0, C = 0, D = 0;
};
PrintShifts printShifts();

// One block at its final coordinates.
struct BlockLayout {
    struct Text {
        std::string text;
        double x = 0.0, y = 0.0;
    };
    struct Box {
        double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    };
    struct Value {
        double value = 0.0;
        int32_t decimals = 2;
        double baseline = 0.0;
    };
    std::vector<Text> labels;        // header, rows, sub-headers, units; black "Lucida Grande" 13
    std::vector<double> separators;  // rules from x 200 to 520
    bool wideSeparators = false;     // rules 0.75 wide on the screen too
    std::vector<Box> boxes;          // value boxes and model-name boxes, in drawing order
    std::vector<Text> fixedValues;   // model name, radiator count: drawn before the values
    std::vector<Value> values;       // right-aligned in black "Geneva" 12
};

// Builds a block row by row. Labels and units move down by labelShift,
// values by valueShift and value boxes by boxShift: the same for every
// block but the Passive Raveza's radiator rows under a printed graph.
class BlockBuilder {
public:
    explicit BlockBuilder(double shift) : labelShift(shift), valueShift(shift), boxShift(shift) {}

    double labelShift, valueShift, boxShift;

    // A heading at x 200 ("Box Parameters", "Passive Radiator Parameters").
    void header(std::string_view text, double baseline);
    // A value row: label at x 200 (201 for a tuning frequency), its unit
    // held back for units(), a value box and the value.
    void row(std::string_view label, double baseline, double value, int32_t decimals = 2,
             std::string_view unit = {});
    // A row whose label stands alone (the value is drawn another way).
    void labelOnly(std::string_view label, double baseline);
    // The unit texts held back so far, top to bottom, at x 485.
    void units();
    void separator(double y);
    void valueBox(double baseline);
    // A model-name box from x 363.5 to 476.5, 16 high from `top`; at the
    // front of the boxes or after those so far.
    void modelBox(double top, bool first);
    void fixedValue(std::string_view text, double x, double y);

    BlockLayout layout;

private:
    std::vector<BlockLayout::Text> pendingUnits_;
};

// Draws a built block in its four passes.
void drawBlock(const BlockLayout& block);

// The blocks of the two tabs; empty for a button without a block.
BlockLayout highPassBlock(int32_t button, int16_t offset, const PrintShifts& shifts);
BlockLayout bandPassBlock(int32_t button, int16_t offset, const PrintShifts& shifts);

}  // namespace quendal
