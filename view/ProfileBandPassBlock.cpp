// The box parameter blocks of the eight band-pass systems. Where box 1 is
// sealed (Raveza Box, Passive Raveza, Serial Raveza Type1) the loss factors
// of the vented boxes are QL1 and QL2: they are numbered by vented chamber.
#include "model/State.h"
#include "view/SystemProfileBlock.h"
#include "view/SystemProfileText.h"

namespace quendal {

namespace {

constexpr std::string_view kHeader = "Box Parameters";
constexpr double kHeaderBaseline = 420.0;

constexpr std::string_view kVb1 = "Vb1 ....................(Box1 Volume)";
constexpr std::string_view kFc1 = "Fc1 ..(Box1 Resonance Frequency)";
constexpr std::string_view kQa1 = "Qa1 ...........(Box1 Loss Factor Q)";
constexpr std::string_view kFb1 = "Fb1 ....(Box1 Tuning Frequency)";
constexpr std::string_view kQb1 = "Qb1 ..........(Box1 Loss Factor Q)";
constexpr std::string_view kVb2 = "Vb2 ....................(Box2 Volume)";
constexpr std::string_view kFb2 = "Fb2 ....(Box2 Tuning Frequency)";
constexpr std::string_view kQb2 = "Qb2 ..........(Box2 Loss Factor Q)";
constexpr std::string_view kVb3 = "Vb3 ....................(Box3 Volume)";
constexpr std::string_view kFb3 = "Fb3 ....(Box3 Tuning Frequency)";
constexpr std::string_view kQb3 = "Qb3 ..........(Box3 Loss Factor Q)";

constexpr std::string_view kVap = "Vap .......(P. R. Acoustic Volume)";
constexpr std::string_view kFp = "Fp .....(P. R. Free Air Resonance)";
constexpr std::string_view kQmp = "Qmp ...........(P. R. Mechanical Q)";

// The sealed first box and the vented second box (Raveza Box, Passive Raveza,
// Serial Raveza Type1).
void sealedThenVented(BlockBuilder& b, const BoxParameters& box) {
    b.row(kVb1, 450.0, box.VB1, 2, "Liter");
    b.row(kFc1, 470.0, box.FC1, 2, "Hz");
    b.row(kQa1, 490.0, box.QA1);
    b.row(kVb2, 520.0, box.VB2, 2, "Liter");
    b.row(kFb2, 540.0, box.FB2, 2, "Hz");
    b.row(kQb2, 560.0, box.QL1);
}

void ventedBoxes(BlockBuilder& b, const BoxParameters& box, int32_t boxes) {
    b.row(kVb1, 450.0, box.VB1, 2, "Liter");
    b.row(kFb1, 470.0, box.FB1, 2, "Hz");
    b.row(kQb1, 490.0, box.QL1);
    b.row(kVb2, 520.0, box.VB2, 2, "Liter");
    b.row(kFb2, 540.0, box.FB2, 2, "Hz");
    b.row(kQb2, 560.0, box.QL2);
    if (boxes == 3) {
        b.row(kVb3, 590.0, box.VB3, 2, "Liter");
        b.row(kFb3, 610.0, box.FB3, 2, "Hz");
        b.row(kQb3, 630.0, box.QL3);
    }
}

void rules(BlockBuilder& b, int32_t boxes) {
    for (int32_t i = 0; i < boxes; ++i) b.separator(429.5 + 70.0 * i);
}

// Passive Raveza with the radiator set in use: on a printed graph page its
// parts move by different shifts, and an applied unit's name and count
// stand at fixed places beside the sub-header.
BlockLayout passiveRavezaInUse(int16_t offset, const PrintShifts& shifts) {
    const BoxParameters& box = state.box;
    const PassiveRadiatorParameters& pr = state.radiator;
    const int16_t E = state.view.s_Resp == "sys" ? 0 : -4;
    BlockBuilder b(offset + shifts.B);
    b.layout.wideSeparators = true;
    b.header(kHeader, kHeaderBaseline);
    sealedThenVented(b, box);
    b.units();
    b.separator(429.5);
    b.separator(499.5);

    b.labelShift = offset + shifts.B + E;
    b.header(pr.PRUseFlag == 1 ? "Passive Radiator Params." : "Passive Radiator Parameters", 590.0);
    // The radiator values stand C above their row and move with B; their
    // boxes move with C.
    b.valueShift = offset + shifts.B - shifts.C;
    b.boxShift = offset + shifts.C;
    if (pr.PRUseFlag == 1) b.modelBox(675.5, false);
    b.row(kVap, 620.0, pr.VAP, 2, "Liter");
    b.row(kFp, 640.0, pr.FP, 2, "Hz");
    b.row(kQmp, 660.0, pr.QP);
    b.units();
    b.layout.separators.push_back(599.5 + offset + shifts.D);
    if (pr.PRUseFlag == 1) {
        b.fixedValue(pr.s_PR.view(), 370.0, 688.0);
        const Str255 count = Str255("x") + valueText(pr.PopupPRNum, 2);
        b.fixedValue(count.view(), 485.0, 688.0);
    }
    return b.layout;
}

// Passive Raveza with an applied unit on the profile page: its model, how
// many, the volume of all of them together and one unit's Fp and Qmp.
BlockLayout passiveRavezaUnit(int16_t offset, const PrintShifts& shifts) {
    const BoxParameters& box = state.box;
    const PassiveRadiatorParameters& pr = state.radiator;
    BlockBuilder b(offset + shifts.A);
    b.layout.wideSeparators = true;
    b.header(kHeader, kHeaderBaseline);
    sealedThenVented(b, box);
    b.header("Passive Radiator Parameters", 590.0);
    b.labelOnly("P. R. Model Name ..........", 620.0);
    b.row("Number of P. R. ........................", 640.0, pr.PopupPRNum);
    b.row(kVap, 660.0, pr.VAPOrg * pr.PopupPRNum, 2, "Liter");
    b.row(kFp, 680.0, pr.FPOrg, 2, "Hz");
    b.row(kQmp, 700.0, pr.QPOrg);
    b.units();
    rules(b, 2);
    b.separator(599.5);
    b.modelBox(607.5 + b.boxShift, true);
    b.fixedValue(pr.s_PR.view(), 370.0, 620.0 + b.valueShift);
    return b.layout;
}

}  // namespace

BlockLayout bandPassBlock(int32_t button, int16_t offset, const PrintShifts& shifts) {
    const BoxParameters& box = state.box;
    if (button == 2) {
        const bool unitLayout = state.radiator.PRUseFlag != 0 && state.view.s_Resp == "sys";
        return unitLayout ? passiveRavezaUnit(offset, shifts) : passiveRavezaInUse(offset, shifts);
    }
    if (button < 1 || button > 8) return {};
    BlockBuilder b(offset + shifts.A);
    b.header(kHeader, kHeaderBaseline);
    switch (button) {
        case 1:  // Raveza Box
            sealedThenVented(b, box);
            rules(b, 2);
            break;
        case 3:  // Serial Raveza Type1: sealed box 1, vented boxes 2 and 3
            sealedThenVented(b, box);
            b.row(kVb3, 590.0, box.VB3, 2, "Liter");
            b.row(kFb3, 610.0, box.FB3, 2, "Hz");
            b.row(kQb3, 630.0, box.QL2);
            rules(b, 3);
            break;
        case 4:  // Serial Raveza Type2
        case 5:  // Twin Vented
            ventedBoxes(b, box, 2);
            rules(b, 2);
            break;
        default:  // Twin Serial, Delta Vented, Triple Vented
            ventedBoxes(b, box, 3);
            rules(b, 3);
            break;
    }
    b.units();
    return b.layout;
}

}  // namespace quendal
