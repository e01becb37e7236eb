#include "view/SystemProfileBlock.h"

#include "model/State.h"
#include "view/SystemProfileText.h"

namespace quendal {

namespace {

constexpr double kLabelX = 200.0;
constexpr double kFrequencyLabelX = 201.0;  // the Fb, Fc and Fp rows stand one point in
constexpr double kUnitX = 485.0;
constexpr double kRuleLeft = 200.0, kRuleRight = 520.0;
constexpr double kBoxLeft = 410.5, kBoxRight = 476.5;  // a value box spans the baseline - 12.5 .. + 3.5
constexpr double kModelBoxLeft = 363.5;
constexpr double kBoxHeight = 16.0;
constexpr double kPrintedSeparatorWidth = 0.75;  // pt

}  // namespace

PrintShifts printShifts() {
    if (state.draw.DoPrint != 0 && !(state.view.s_Resp == "sys")) return {20, 10, 5, 8};
    return {};
}

void BlockBuilder::header(std::string_view text, double baseline) {
    layout.labels.push_back({std::string(text), kLabelX, baseline + labelShift});
}

void BlockBuilder::labelOnly(std::string_view label, double baseline) {
    const double x = !label.empty() && label.front() == 'F' ? kFrequencyLabelX : kLabelX;
    layout.labels.push_back({std::string(label), x, baseline + labelShift});
}

void BlockBuilder::row(std::string_view label, double baseline, double value, int32_t decimals,
                       std::string_view unit) {
    labelOnly(label, baseline);
    if (!unit.empty()) pendingUnits_.push_back({std::string(unit), kUnitX, baseline + labelShift});
    valueBox(baseline);
    layout.values.push_back({value, decimals, baseline + valueShift});
}

void BlockBuilder::units() {
    layout.labels.insert(layout.labels.end(), pendingUnits_.begin(), pendingUnits_.end());
    pendingUnits_.clear();
}

void BlockBuilder::separator(double y) { layout.separators.push_back(y + labelShift); }

void BlockBuilder::valueBox(double baseline) {
    const double top = baseline - 12.5 + boxShift;
    layout.boxes.push_back({kBoxLeft, top, kBoxRight, top + kBoxHeight});
}

void BlockBuilder::modelBox(double top, bool first) {
    const BlockLayout::Box box{kModelBoxLeft, top, kBoxRight, top + kBoxHeight};
    if (first) layout.boxes.insert(layout.boxes.begin(), box);
    else layout.boxes.push_back(box);
}

void BlockBuilder::fixedValue(std::string_view text, double x, double y) {
    layout.fixedValues.push_back({std::string(text), x, y});
}

void drawBlock(const BlockLayout& block) {
    for (const BlockLayout::Text& label : block.labels) drawProfileText(label.text, label.x, label.y);

    state.draw.LineW = block.wideSeparators ? kPrintedSeparatorWidth : profileRuleWidth();
    setProfileGrey(kProfileLineGrey);
    for (double y : block.separators) drawProfileRule(kRuleLeft, kRuleRight, y);

    state.draw.LineW = profileBoxWidth();
    setProfileGrey(kProfileLineGrey);
    for (const BlockLayout::Box& box : block.boxes) drawProfileBox(box.left, box.top, box.right, box.bottom);

    setProfileTextStyle(0.0, kValueFontRow, 12.0);
    for (const BlockLayout::Text& text : block.fixedValues) drawProfileText(text.text, text.x, text.y);
    for (const BlockLayout::Value& v : block.values) drawProfileValue(v.value, v.decimals, v.baseline);
}

int32_t DrawSystemParameter(int16_t offset) {
    const PrintShifts shifts = printShifts();
    setProfileTextStyle(0.0, kLabelFontRow, 13.0);
    const int32_t button = state.selection.SysSelBtnNum;
    BlockLayout block;
    switch (state.selection.SysSelTabNum) {
        case 1: block = highPassBlock(button, offset, shifts); break;
        case 2: block = bandPassBlock(button, offset, shifts); break;
        default: return 0;
    }
    // A system without a block (the Infinite Baffle) draws not even the header.
    if (block.labels.empty()) return 0;
    drawBlock(block);
    return 0;
}

}  // namespace quendal
