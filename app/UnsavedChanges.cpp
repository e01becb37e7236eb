#include "app/UnsavedChanges.h"

#include <cmath>
#include <cstddef>

#include "app/DesignDocument.h"
#include "model/AppliedDesign.h"
#include "model/ParameterPasses.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

// Elements first .. last differ when a pair is unequal or either is not a number.
template <std::size_t N>
bool anyChanged(const std::array<double, N>& saved, const std::array<double, N>& now, int last) {
    bool changed = false;
    for (int i = 1; i <= last; ++i) {
        const double a = saved[static_cast<std::size_t>(i)];
        const double b = now[static_cast<std::size_t>(i)];
        if (a != b || std::isnan(a) || std::isnan(b)) changed = true;
    }
    return changed;
}

// A value the design stores differs from what it stored at its snapshot.
bool storedValuesChanged() {
    const std::string& origin = state.document.StoredOrigin;
    return !origin.empty() && storedDesignValues(state) != origin;
}

}  // namespace

BoxSnapshot boxSnapshotOf(const ProgramState& d) {
    const BoxParameters& b = d.box;
    return BoxSnapshot{0.0,
                       b.VB, b.VB1, b.VB2, b.VB3,
                       b.FC, b.FC1, b.FC2,
                       b.FB, b.FB1, b.FB2, b.FB3,
                       b.QTC,
                       d.radiator.FP, d.radiator.QP, d.radiator.VAP,
                       d.power.PIN,
                       d.shell.LVP,
                       static_cast<double>(d.view.ImpID),
                       static_cast<double>(appliedConnection(d.connection))};
}

VentSnapshot ventSnapshotOf(const ProgramState& d) {
    VentSnapshot s{};
    for (int v = 1; v <= 3; ++v) {
        const VentRecord& r = d.vents.vent[v];
        const std::size_t selectors = static_cast<std::size_t>(8 * (v - 1) + 1);
        const double selectorValues[8] = {
            static_cast<double>(r.VentTypeTab),      static_cast<double>(r.CircVentNum),
            static_cast<double>(r.RectVentNum),      static_cast<double>(r.CircVentRadio),
            static_cast<double>(r.RectVentRadio),    static_cast<double>(r.CircDuctVentInit),
            static_cast<double>(r.RectPortVentInit), static_cast<double>(r.RectDuctVentInit)};
        for (std::size_t i = 0; i < 8; ++i) s[selectors + i] = selectorValues[i];
        const std::size_t dimensions = static_cast<std::size_t>(24 + 6 * (v - 1) + 1);
        // The sizes as the design keeps them (and its document holds them).
        const double dimensionValues[6] = {keptVentSize(r.CircPortDV), keptVentSize(r.CircDuctDV),
                                           keptVentSize(r.RectPortWV), keptVentSize(r.RectPortHV),
                                           keptVentSize(r.RectDuctWV), keptVentSize(r.RectDuctHV)};
        for (std::size_t i = 0; i < 6; ++i) s[dimensions + i] = dimensionValues[i];
    }
    return s;
}

int32_t DirtyCheckSpParamIn() {
    state.document.SpParmVarOrigin = boxSnapshotOf(state);
    return 0;
}

int32_t DirtyCheckVentParamIn() {
    state.document.VentParmVarOrigin = ventSnapshotOf(state);
    return 0;
}

int32_t DirtyCheckStoredIn() {
    state.document.StoredOrigin = storedDesignValues(state);
    return 0;
}

int32_t DirtyCheckSpParamCheck() {
    if (anyChanged(state.document.SpParmVarOrigin, boxSnapshotOf(state), kBoxSnapshotUsed) || storedValuesChanged())
        DirtyFlagAndProxyIconSetDirty();
    return 0;
}

int32_t DirtyCheckVentParamCheck() {
    if (anyChanged(state.document.VentParmVarOrigin, ventSnapshotOf(state), kVentSnapshotUsed) || storedValuesChanged())
        DirtyFlagAndProxyIconSetDirty();
    return 0;
}

// The modified mark leaves the window's binding to its document as it is,
// so nothing needs binding again afterwards.
int32_t DirtyFlagAndProxyIconSetDirty() {
    state.shell.DirtyFlag = 1;
    platform::setWindowModified(kResponseWindow, true);
    return 0;
}

int32_t DirtyCheckAfterDrawing() {
    DocumentState& d = state.document;
    if (d.SnapshotAtFirstDrawFlag == 1) {
        // The design as first drawn is what a change is measured against.
        d.SnapshotAtFirstDrawFlag = 0;
        DirtyCheckSpParamIn();
        DirtyCheckVentParamIn();
        DirtyCheckStoredIn();
        return 0;
    }
    return DirtyCheckSpParamCheck();
}

void DontSaveAnswered() { state.document.DontSaveChanges = storedDesignValues(state); }

bool ChangesAnsweredDontSave() {
    const std::string& answered = state.document.DontSaveChanges;
    return !answered.empty() && storedDesignValues(state) == answered;
}

}  // namespace quendal
