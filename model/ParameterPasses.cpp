#include "model/ParameterPasses.h"

#include <cmath>

#include "model/Rounding.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kQaInitial = 10.0;  // third item of the Qa popup (5, 7, 10, 15, 20)
constexpr double kQbInitial = 7.0;   // third item of the Qb popup (3, 5, 7, 10, 15, 20)
constexpr double kQpInitial = 5.0;
constexpr int32_t kPopupInitial = 3;

}  // namespace

// Box volumes of ten cubic metres and more are kept in whole litres.
double keptVolume(double litres) { return litres >= 10000.0 ? rint(litres) : roundedToDecimals(litres, 2); }

double keptFrequency(double hz) { return roundedToDecimals(hz, 2); }

double keptVentSize(double mm) { return roundedToHundredths(mm); }

int32_t OriginalBoxParametersPass() {
    SpeakerParameters& s = state.speaker;
    s.s_SP = s.s_SP2;
    s.s_RANG = s.s_RANG2;
    s.DIA = s.DIA2;
    s.FS = s.FS2;
    s.VAS = s.VAS2;
    s.QTS = s.QTS2;
    s.QES = s.QES2;
    s.QMS = s.QMS2;
    s.EFI = s.EFI2;
    s.RE = s.RE2;
    s.PEMX = s.PEMX2;
    s.SD = s.SD2;
    s.XMAX = s.XMAX2;
    s.VD = s.VD2;
    s.LE = s.LE2;
    return 0;
}

int32_t InitItemBoxParameters() {
    BoxParameters& b = state.box;
    b.QA = b.QA1 = b.QA2 = kQaInitial;
    b.QL = b.QL1 = b.QL2 = b.QL3 = kQbInitial;
    state.radiator.QP = kQpInitial;
    state.connection.SpConNum = 1;
    b.PopupItem1 = b.PopupItem2 = b.PopupItem3 = b.PopupItem4 = b.PopupItem5 = kPopupInitial;
    for (int vent = 1; vent <= 3; ++vent) {
        VentRecord& v = state.vents.vent[vent];
        v.VentTypeTab = 1;  // circular
        v.CircDuctVentInit = v.RectPortVentInit = v.RectDuctVentInit = 0;  // sized automatically
        v.CircVentRadio = v.RectVentRadio = 1;  // "Ported"
        v.FormSetBy = 0;                        // the automatic design may choose the form
        v.CircVentNum = v.RectVentNum = 1;
    }
    return 0;
}

int32_t TransferParametersBackup() {
    BoxParameters& b = state.box;
    PassiveRadiatorParameters& r = state.radiator;
    b.VBbak = b.VB;
    b.VB1bak = b.VB1;
    b.VB2bak = b.VB2;
    b.VB3bak = b.VB3;
    b.FB1bak = b.FB1;
    b.FB2bak = b.FB2;
    b.FB3bak = b.FB3;
    b.QTCbak = b.QTC;
    r.VAPbak = r.VAP;
    r.FPbak = r.FP;
    r.QPbak = r.QP;
    b.QAbak = b.QA;
    b.QA1bak = b.QA1;
    b.QA2bak = b.QA2;
    b.QLbak = b.QL;
    b.QL1bak = b.QL1;
    b.QL2bak = b.QL2;
    b.QL3bak = b.QL3;
    return 0;
}

void roundBoxValues(BoxParameters& b, PassiveRadiatorParameters& r) {
    for (double* volume : {&b.VB, &b.VB1, &b.VB2, &b.VB3}) *volume = keptVolume(*volume);
    for (double* frequency : {&b.FC, &b.FC1, &b.FC2, &b.FB, &b.FB1, &b.FB2, &b.FB3}) *frequency = keptFrequency(*frequency);
    for (double* value : {&r.VAP, &r.FP, &r.QP}) *value = roundedToDecimals(*value, 2);
    b.QTC = roundedToDecimals(b.QTC, 3);
}

int32_t ValueRoundBoxParameters() {
    roundBoxValues(state.box, state.radiator);
    return 0;
}

int32_t BoxParameterBackup() {
    ValueRoundBoxParameters();
    TransferParametersBackup();
    return 0;
}

int32_t ValueRoundVentParameters() {
    for (int vent = 1; vent <= 3; ++vent) {
        VentRecord& v = state.vents.vent[vent];
        for (double* size : {&v.CircPortDV, &v.CircDuctDV, &v.RectPortWV, &v.RectPortHV, &v.RectDuctWV, &v.RectDuctHV})
            *size = keptVentSize(*size);
    }
    return 0;
}

}  // namespace quendal
