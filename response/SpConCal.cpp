#include "response/SpConCal.h"

#include "model/AppliedDesign.h"
#include "model/State.h"

namespace quendal {

namespace {

struct ConnectionFactors {
    double vas, efi, pemx, vdsd, rele;
};

}  // namespace

int32_t SpconCal() {
    ConnectionFactors k{};
    switch (appliedConnection(state.connection)) {
    case 1: k = {1.0, 1.0, 1.0, 1.0, 1.0}; break;
    case 2: k = {2.0, 2.0, 2.0, 2.0, 0.5}; break;
    case 3: k = {2.0, 2.0, 2.0, 2.0, 2.0}; break;
    case 4: k = {0.5, 0.5, 2.0, 1.0, 0.5}; break;
    case 5: k = {0.5, 0.5, 2.0, 1.0, 2.0}; break;
    default: return 0;
    }
    SpeakerParameters& sp = state.speaker;
    // A factor 1/2 is a division by 2, so that halving is exact.
    auto scaled = [](double value, double factor) { return factor == 0.5 ? value / 2.0 : value * factor; };
    sp.FS = sp.FS2;
    sp.VAS = scaled(sp.VAS2, k.vas);
    sp.QTS = sp.QTS2;
    sp.QES = sp.QES2;
    sp.QMS = sp.QMS2;
    sp.EFI = scaled(sp.EFI2, k.efi);
    sp.PEMX = scaled(sp.PEMX2, k.pemx);
    sp.VD = scaled(sp.VD2, k.vdsd);
    sp.SD = scaled(sp.SD2, k.vdsd);
    sp.RE = scaled(sp.RE2, k.rele);
    sp.LE = scaled(sp.LE2, k.rele);
    return 0;
}

void takeConnection() {
    state.connection.SpConSel = 0;
    SpconCal();
    for (int n = 1; n <= 3; ++n) state.vents.vent[n].CircVentNum = 1;
}

}  // namespace quendal
