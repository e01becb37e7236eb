#include "engine/CofCal.h"

#include "engine/EnclosureUnits.h"
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

int32_t QEScal() {
    SpeakerParameters& sp = state.speaker;
    if (sp.QES <= 0.0) sp.QES = 1.1 * sp.QTS;
    return 0;
}

int32_t CofCal() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBcofCal(); break;
        case 2: CBcofCal(); break;
        case 3: VBcofCal(); break;
        case 4: PRcofCal(); break;
        case 5: SVcofCal(); break;
        case 6: PVcofCal(); break;
        case 7: CCcofCal(); break;
        case 8: CVcofCal(); break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTcofCal();  // Raveza Box
            break;
        case 2: PKcofCal();  // Passive Raveza
            break;
        case 3: SK1cofCal();  // Serial Raveza Type1
            break;
        case 4: SK2cofCal();  // Serial Raveza Type2
            break;
        case 5: TVcofCal();  // Twin Vented
            break;
        case 6:  // Twin Serial: TScofCal();
            break;
        case 7:  // Delta Vented: DeltaCofCal();
            break;
        case 8:  // Triple Vented: TRIcofCal();
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
