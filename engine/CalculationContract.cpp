#include "engine/CalculationContract.h"

#include "model/State.h"

namespace quendal {

int32_t currentSystemNumber() {
    const SystemSelection& s = state.selection;
    if (s.SysSelTabNum < 1 || s.SysSelTabNum > 2 || s.SysSelBtnNum < 1 || s.SysSelBtnNum > 8) return kNoSystem;
    return (s.SysSelTabNum - 1) * 8 + s.SysSelBtnNum;
}

bool tripleVentedIsSymmetric() {
    const BoxParameters& b = state.box;
    return b.VB1 == b.VB2 && b.FB1 == b.FB2 && b.QL1 == b.QL2;
}

}  // namespace quendal
