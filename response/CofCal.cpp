#include "response/CofCal.h"

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"

namespace quendal {

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
        case 6: TScofCal();  // Twin Serial
            break;
        case 7: DeltaCofCal();  // Delta Vented
            break;
        case 8: TRIcofCal();  // Triple Vented
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
