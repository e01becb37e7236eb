// The box parameter blocks of the eight high-pass systems.
#include "model/State.h"
#include "view/SystemProfileBlock.h"

namespace quendal {

namespace {

constexpr std::string_view kHeader = "Box Parameters";
constexpr std::string_view kRadiatorHeader = "Passive Radiator Parameters";
constexpr double kHeaderBaseline = 420.0;
constexpr double kHeaderRule = 429.5;

// Row labels of one box and of the boxes of a multi-box system.
constexpr std::string_view kVb = "Vb ........................(Box Volume)";
constexpr std::string_view kFc = "Fc ..(Box Resonance Frequency)";
constexpr std::string_view kFb = "Fb ........(Box Tuning Frequency)";
constexpr std::string_view kQb = "Qb ..............(Box Loss Factor Q)";

struct BoxLabels {
    std::string_view volume, tuning, loss;
};
constexpr BoxLabels kVentedBox[4] = {
    {},
    {"Vb1 ....................(Box1 Volume)", "Fb1 ....(Box1 Tuning Frequency)", "Qb1 ..........(Box1 Loss Factor Q)"},
    {"Vb2 ....................(Box2 Volume)", "Fb2 ....(Box2 Tuning Frequency)", "Qb2 ..........(Box2 Loss Factor Q)"},
    {"Vb3 ....................(Box3 Volume)", "Fb3 ....(Box3 Tuning Frequency)", "Qb3 ..........(Box3 Loss Factor Q)"},
};
constexpr BoxLabels kSealedBox[3] = {
    {},
    {"Vb1 ....................(Box1 Volume)", "Fc1 ..(Box1 Resonance Frequency)", "Qa1 ...........(Box1 Loss Factor Q)"},
    {"Vb2 ....................(Box2 Volume)", "Fc2 ..(Box2 Resonance Frequency)", "Qa2 ...........(Box2 Loss Factor Q)"},
};

// Boxes of a multi-box block stand 70 pt apart, each under a rule.
constexpr double kBoxPitch = 70.0;

void boxRows(BlockBuilder& b, const BoxLabels& labels, int32_t boxIndex, double volume, double tuning,
             double loss) {
    const double first = 450.0 + kBoxPitch * (boxIndex - 1);
    b.row(labels.volume, first, volume, 2, "Liter");
    b.row(labels.tuning, first + 20.0, tuning, 2, "Hz");
    b.row(labels.loss, first + 40.0, loss, 2);
}

// The separators under the header and between the boxes.
void boxRules(BlockBuilder& b, int32_t boxes) {
    for (int32_t i = 0; i < boxes; ++i) b.separator(kHeaderRule + kBoxPitch * i);
}

void radiatorRows(BlockBuilder& b, const PassiveRadiatorParameters& pr) {
    b.header(kRadiatorHeader, 520.0);
    if (pr.PRUseFlag == 0) {
        // The set in use.
        b.row("Vap .......(P. R. Acoustic Volume)", 550.0, pr.VAP, 2, "Liter");
        b.row("Fp .....(P. R. Free Air Resonance)", 570.0, pr.FP, 2, "Hz");
        b.row("Qmp ...........(P. R. Mechanical Q)", 590.0, pr.QP, 2);
        return;
    }
    // The applied unit: its model, how many, and one unit's values.
    b.labelOnly("P. R. Model Name ..........", 550.0);
    b.row("Number of P. R. ........................", 570.0, pr.PopupPRNum, 2);
    b.row("Vap .......(P. R. Acoustic Volume)", 590.0, pr.VAPOrg, 2, "Liter");
    b.row("Fp .....(P. R. Free Air Resonance)", 610.0, pr.FPOrg, 2, "Hz");
    b.row("Qmp ...........(P. R. Mechanical Q)", 630.0, pr.QPOrg, 2);
    b.modelBox(537.5 + b.boxShift, true);
    b.fixedValue(pr.s_PR.view(), 370.0, 550.0 + b.valueShift);
}

}  // namespace

BlockLayout highPassBlock(int32_t button, int16_t offset, const PrintShifts& shifts) {
    const BoxParameters& box = state.box;
    BlockBuilder b(offset + shifts.A);
    if (button < 2 || button > 8) return {};
    b.header(kHeader, kHeaderBaseline);
    switch (button) {
        case 2:  // Closed Box
            b.row(kVb, 450.0, box.VB, 2, "Liter");
            b.row(kFc, 470.0, box.FC, 2, "Hz");
            b.row("Qtc (Closed Box System Total Q)", 490.0, box.QTC, 3);
            b.row("Qa ...............(Box Loss Factor Q)", 510.0, box.QA, 2);
            boxRules(b, 1);
            break;
        case 3:  // Vented Box: one box, kept in VB1, FB1 and QL
            b.row(kVb, 450.0, box.VB1, 2, "Liter");
            b.row(kFb, 470.0, box.FB1, 2, "Hz");
            b.row(kQb, 490.0, box.QL, 2);
            boxRules(b, 1);
            break;
        case 4:  // Passive Radiator
            b.row(kVb, 450.0, box.VB, 2, "Liter");
            b.row(kFb, 470.0, box.FB, 2, "Hz");
            b.row(kQb, 490.0, box.QL, 2);
            radiatorRows(b, state.radiator);
            b.separator(kHeaderRule);
            b.separator(529.5);
            break;
        case 5:  // Serial Vented
            boxRows(b, kVentedBox[1], 1, box.VB1, box.FB1, box.QL1);
            boxRows(b, kVentedBox[2], 2, box.VB2, box.FB2, box.QL2);
            boxRules(b, 2);
            break;
        case 6:  // Twin Serial Vented
            boxRows(b, kVentedBox[1], 1, box.VB1, box.FB1, box.QL1);
            boxRows(b, kVentedBox[2], 2, box.VB2, box.FB2, box.QL2);
            boxRows(b, kVentedBox[3], 3, box.VB3, box.FB3, box.QL3);
            boxRules(b, 3);
            break;
        case 7:  // Complex Closed
            boxRows(b, kSealedBox[1], 1, box.VB1, box.FC1, box.QA1);
            boxRows(b, kSealedBox[2], 2, box.VB2, box.FC2, box.QA2);
            boxRules(b, 2);
            break;
        case 8:  // Complex Vented: the sealed second box keeps its loss factor in QA1
            boxRows(b, kVentedBox[1], 1, box.VB1, box.FB1, box.QL1);
            boxRows(b, kSealedBox[2], 2, box.VB2, box.FC2, box.QA1);
            boxRules(b, 2);
            break;
    }
    b.units();
    return b.layout;
}

}  // namespace quendal
