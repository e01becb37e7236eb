#include "palette/CustomPaletteValues.h"

#include <array>

#include "response/BoxValueTable.h"
#include "response/CofCal.h"
#include "model/NumberText.h"
#include "model/Rounding.h"
#include "view/SystemProfileText.h"
#include "model/State.h"

namespace quendal {

namespace {

using enum BoxValue;

constexpr double kWholeLitresFrom = 10000.0;  // litre: larger volumes are shown whole

const SystemDisplay* currentDisplay() { return systemDisplay(currentSystemNumber()); }

Str255 volumeText(double litres) {
    return litres >= kWholeLitresFrom ? numberText(rint(litres)) : valueText(litres, 2);
}

}  // namespace

double& boxValue(BoxValue value) {
    BoxParameters& b = state.box;
    PassiveRadiatorParameters& r = state.radiator;
    switch (value) {
        case VB: return b.VB;
        case VB1: return b.VB1;
        case VB2: return b.VB2;
        case VB3: return b.VB3;
        case FC: return b.FC;
        case FC1: return b.FC1;
        case FC2: return b.FC2;
        case FB: return b.FB;
        case FB1: return b.FB1;
        case FB2: return b.FB2;
        case FB3: return b.FB3;
        case QTC: return b.QTC;
        case VAP: return r.VAP;
        case FP: return r.FP;
        case QP: return r.QP;
    }
    return b.VB;
}

double* acceptedBoxValue(BoxValue value) {
    BoxParameters& b = state.box;
    PassiveRadiatorParameters& r = state.radiator;
    switch (value) {
        case VB: return &b.VBbak;
        case VB1: return &b.VB1bak;
        case VB2: return &b.VB2bak;
        case VB3: return &b.VB3bak;
        case FB1: return &b.FB1bak;
        case FB2: return &b.FB2bak;
        case FB3: return &b.FB3bak;
        case QTC: return &b.QTCbak;
        case VAP: return &r.VAPbak;
        case FP: return &r.FPbak;
        case QP: return &r.QPbak;
        // Resonances of closed chambers and the single vent's tuning follow
        // from the other values: they have no copy of their own and are
        // never an entry.
        case FC:
        case FC1:
        case FC2:
        case FB: break;
    }
    return nullptr;
}

FieldUnit boxValueUnit(BoxValue value) {
    switch (value) {
        case VB:
        case VB1:
        case VB2:
        case VB3:
        case VAP: return FieldUnit::Litre;
        case QTC:
        case QP: return FieldUnit::None;
        default: return FieldUnit::Hertz;
    }
}

std::string_view boxValueName(BoxValue value) { return boxValueLabel(currentSystemNumber(), value); }

Str255& textForm(BoxValue value) {
    PaletteState& p = state.palette;
    switch (value) {
        case VB: return p.s_VB;
        case VB1: return p.s_VB1;
        case VB2: return p.s_VB2;
        case VB3: return p.s_VB3;
        case FC: return p.s_FC;
        case FC1: return p.s_FC1;
        case FC2: return p.s_FC2;
        case FB: return p.s_FB;
        case FB1: return p.s_FB1;
        case FB2: return p.s_FB2;
        case FB3: return p.s_FB3;
        case QTC: return state.entry.s_QTC;
        case VAP: return p.s_VAP;
        case FP: return p.s_FP;
        case QP: return p.s_QP;
    }
    return p.s_VB;
}

std::span<const PaletteValueRow> currentValueRows() {
    const SystemDisplay* display = currentDisplay();
    return display != nullptr ? display->rows : std::span<const PaletteValueRow>{};
}

bool currentAlignmentListed() {
    const SystemDisplay* display = currentDisplay();
    const int32_t alin = state.selection.Alin;
    return display != nullptr && alin >= 1 && alin <= display->alignments;
}

PaletteFieldRange currentEntryFields() {
    if (!currentAlignmentListed()) return {};
    return currentDisplay()->entries[std::size_t(state.selection.Alin)];
}

double shownBoxValue(BoxValue value, double number) {
    switch (value) {
        case VB: case VB1: case VB2: case VB3:
            return number >= 10000.0 ? rint(number) : roundedToDecimals(number, 2);
        case QTC: return roundedToDecimals(number, 3);
        default: return roundedToDecimals(number, 2);
    }
}

int32_t toTextChang() {
    for (BoxValue v : {VB, VB1, VB2, VB3}) textForm(v) = volumeText(boxValue(v));
    for (BoxValue v : {FC, FC1, FC2, FB, FB1, FB2, FB3}) textForm(v) = valueText(boxValue(v), 2);
    textForm(QTC) = valueText(boxValue(QTC), 3);
    for (BoxValue v : {VAP, FP, QP}) textForm(v) = valueText(boxValue(v), 2);
    return 0;
}

}  // namespace quendal
