#include "response/DesignCheck.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "model/DriverCheck.h"
#include "model/ParameterPasses.h"
#include "response/BoxCheck.h"
#include "response/BoxValueTable.h"

namespace quendal {

namespace {

// The fields of a driver in words, by DriverField.
constexpr const char* kDriverFieldWords[kDriverFieldCount] = {
    "model name", "range", "diameter", "resonance Fs", "equivalent volume Vas", "total Q (Qts)",
    "electrical Q (Qes)", "mechanical Q (Qms)", "efficiency", "voice-coil resistance Re", "rated input power",
    "cone area Sd", "linear excursion Xmax", "displacement volume Vd", "voice-coil inductance Le",
};

std::string driverFaultWords(DriverFault fault) {
    switch (fault) {
        case DriverFault::NotPositive: return "is not above 0";
        case DriverFault::Negative: return "is negative";
        case DriverFault::NotFinite: return "is not a finite number";
        case DriverFault::AboveLimit: return "is above its limit";
        default: break;
    }
    return "is out of its range";
}

double& numberIn(DriverValues& d, DriverField field) {
    switch (field) {
        case DriverField::DIA: return d.DIA;
        case DriverField::FS: return d.FS;
        case DriverField::VAS: return d.VAS;
        case DriverField::QTS: return d.QTS;
        case DriverField::QES: return d.QES;
        case DriverField::QMS: return d.QMS;
        case DriverField::EFI: return d.EFI;
        case DriverField::RE: return d.RE;
        case DriverField::PEMX: return d.PEMX;
        case DriverField::SD: return d.SD;
        case DriverField::XMAX: return d.XMAX;
        case DriverField::VD: return d.VD;
        default: break;
    }
    return d.LE;
}

struct NamedValue {
    const char* words;
    double value;
};

double valueIn(const ProgramState& d, BoxValue value) {
    const BoxParameters& b = d.box;
    const PassiveRadiatorParameters& r = d.radiator;
    switch (value) {
        case BoxValue::VB: return b.VB;
        case BoxValue::VB1: return b.VB1;
        case BoxValue::VB2: return b.VB2;
        case BoxValue::VB3: return b.VB3;
        case BoxValue::FC: return b.FC;
        case BoxValue::FC1: return b.FC1;
        case BoxValue::FC2: return b.FC2;
        case BoxValue::FB: return b.FB;
        case BoxValue::FB1: return b.FB1;
        case BoxValue::FB2: return b.FB2;
        case BoxValue::FB3: return b.FB3;
        case BoxValue::QTC: return b.QTC;
        case BoxValue::VAP: return r.VAP;
        case BoxValue::FP: return r.FP;
        case BoxValue::QP: return r.QP;
    }
    return b.VB;
}

const char* wordsOf(BoxValue value) {
    switch (value) {
        case BoxValue::VB: return "box volume Vb";
        case BoxValue::VB1: return "volume of chamber 1";
        case BoxValue::VB2: return "volume of chamber 2";
        case BoxValue::VB3: return "volume of chamber 3";
        case BoxValue::FC: return "closed-box resonance Fc";
        case BoxValue::FC1: return "resonance of chamber 1";
        case BoxValue::FC2: return "resonance of chamber 2";
        case BoxValue::FB: return "tuning frequency Fb";
        case BoxValue::FB1: return "tuning frequency of chamber 1";
        case BoxValue::FB2: return "tuning frequency of chamber 2";
        case BoxValue::FB3: return "tuning frequency of chamber 3";
        case BoxValue::QTC: return "closed-box total Q (Qtc)";
        case BoxValue::VAP: return "passive radiator's equivalent volume";
        case BoxValue::FP: return "passive radiator's resonance";
        case BoxValue::QP: return "passive radiator's Q";
    }
    return "box value";
}

// Whether a speaker connection scales the field (two drivers double the
// volume, the efficiency and the power); the others (Fs, the Qs, the
// diameter, Xmax) are those of one driver whatever the connection.
bool scaledByConnection(DriverField field) {
    switch (field) {
        case DriverField::VAS:
        case DriverField::EFI:
        case DriverField::RE:
        case DriverField::PEMX:
        case DriverField::SD:
        case DriverField::VD:
        case DriverField::LE: return true;
        default: return false;
    }
}

// Collects the first value found outside its range, naming it in words.
class SelectorCheck {
public:
    void range(const std::string& words, int32_t value, int32_t low, int32_t high) {
        if (problem_.empty() && (value < low || value > high))
            problem_ = "the " + words + " is " + std::to_string(value) + ", outside " + std::to_string(low) + " to " +
                       std::to_string(high);
    }
    void oneOf(const std::string& words, int32_t value, std::initializer_list<int32_t> allowed) {
        if (!problem_.empty() || std::find(allowed.begin(), allowed.end(), value) != allowed.end()) return;
        problem_ = "the " + words + " is " + std::to_string(value) + ", not one of";
        for (const int32_t a : allowed) {
            problem_ += ' ';
            problem_ += std::to_string(a);
        }
    }
    void code(const std::string& words, const Str255& value, std::initializer_list<std::string_view> allowed) {
        if (!problem_.empty() || std::find(allowed.begin(), allowed.end(), value.view()) != allowed.end()) return;
        problem_ = "the " + words + " is not a known code";
    }
    const std::string& problem() const { return problem_; }

private:
    std::string problem_;
};

// The reason the decoded design cannot be taken, or empty when it can.
std::string selectorProblem(const ProgramState& d) {
    SelectorCheck check;
    check.range("system tab", d.selection.SysSelTabNum, 1, 2);
    check.range("system button", d.selection.SysSelBtnNum, 1, 8);
    check.range("system type", d.selection.InitSysType, 1, 2);
    check.range("redraw mode", d.view.ReDispWnd, 1, 2);
    check.oneOf("response page", d.view.RespID, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12});
    check.range("level display", d.view.Magni, 0, 1);
    check.oneOf("level scale", d.view.Scale, {5, 10});
    check.range("curve display", d.view.Disp, 1, 3);
    check.range("state of the speaker-connection sheet", d.connection.SpConSel, 0, 1);
    check.range("speaker connection", d.connection.SpConNum, 1, 5);
    check.range("impedance connection", d.view.ImpID, 1, 2);
    if (check.problem().empty())
        check.range("alignment", d.selection.Alin, 1,
                    alignmentItems((d.selection.SysSelTabNum - 1) * 8 + d.selection.SysSelBtnNum));
    check.code("response page", d.view.s_Resp, {"amp", "pw", "imp", "dp", "ph", "gd", "nq", "as", "st", "sys", "vent"});
    check.code("impedance connection", d.view.s_Imp, {"Para", "Seri"});
    check.range("state of the system figure", d.shell.sysFigTriBtn, 0, 1);
    check.range("passive-radiator use", d.radiator.PRUseFlag, 0, 1);
    check.range("passive-radiator data entered", d.radiator.PRDataInFlag, 0, 1);
    check.range("Qa choice", d.box.PopupItem1, 1, 5);  // Qa: 5, 7, 10, 15, 20
    check.range("second Qa choice", d.box.PopupItem2, 1, 5);
    check.range("Qb choice", d.box.PopupItem3, 1, 6);  // Qb: 3, 5, 7, 10, 15, 20
    check.range("second Qb choice", d.box.PopupItem4, 1, 6);
    check.range("third Qb choice", d.box.PopupItem5, 1, 6);
    check.range("number of passive radiators", d.radiator.PopupPRNum, 1, 4);
    for (int v = 1; v <= 3; ++v) {
        const VentRecord& vent = d.vents.vent[v];
        const std::string n = " of vent " + std::to_string(v);
        check.range("shape" + n, vent.VentTypeTab, 1, 2);
        check.range("number of circular vents" + n, vent.CircVentNum, 1, 10);
        check.range("number of rectangular vents" + n, vent.RectVentNum, 1, 10);
        check.range("kind of circular vent" + n, vent.CircVentRadio, 1, 2);
        check.range("kind of rectangular vent" + n, vent.RectVentRadio, 1, 2);
        check.range("edited circular duct" + n, vent.CircDuctVentInit, 0, 1);
        check.range("edited rectangular port" + n, vent.RectPortVentInit, 0, 1);
        check.range("edited rectangular duct" + n, vent.RectDuctVentInit, 0, 1);
    }
    check.range("input power choice", d.power.InputPowerCheck, 0, 1);
    return check.problem();
}

// The driver in use may lie above a limit of a single driver where a
// connection scales the field: a field whose only fault is such a limit is
// checked again with the entered value in its place, so that the fields
// after it are still seen. A field no connection changes keeps the limits
// of the entered driver.
std::string driverProblem(const SpeakerParameters& sp) {
    const DriverValues entered = enteredDriverOf(sp);
    if (const DriverCheckResult result = checkDriver(entered); !result.ok())
        return "the " + std::string(kDriverFieldWords[std::size_t(result.field)]) + " of the driver as entered " +
               driverFaultWords(result.fault);
    DriverValues inUse = effectiveDriverOf(sp);
    for (std::size_t tries = 0; tries <= kDriverFieldCount; ++tries) {
        const DriverCheckResult result = checkDriver(inUse);
        if (result.ok()) return {};
        const bool signOrNumber = result.fault == DriverFault::NotFinite || result.fault == DriverFault::NotPositive ||
                                  result.fault == DriverFault::Negative;
        if (signOrNumber || !scaledByConnection(result.field))
            return "the " + std::string(kDriverFieldWords[std::size_t(result.field)]) + " of the driver in use " +
                   driverFaultWords(result.fault);
        numberIn(inUse, result.field) = driverNumber(entered, result.field);
    }
    return {};
}

}  // namespace

std::string designSelectorProblem(const ProgramState& design) { return selectorProblem(design); }

std::string heldValuesRefusal(const ProgramState& d) {
    if (std::string why = driverProblem(d.speaker); !why.empty()) return why;
    const BoxParameters& b = d.box;
    const NamedValue all[] = {
        {"box volume Vb", b.VB}, {"volume of chamber 1", b.VB1}, {"volume of chamber 2", b.VB2},
        {"volume of chamber 3", b.VB3}, {"closed-box resonance Fc", b.FC}, {"resonance of chamber 1", b.FC1},
        {"resonance of chamber 2", b.FC2}, {"tuning frequency Fb", b.FB}, {"tuning frequency of chamber 1", b.FB1},
        {"tuning frequency of chamber 2", b.FB2}, {"tuning frequency of chamber 3", b.FB3},
        {"loss factor Qa", b.QA}, {"loss factor Qa of chamber 1", b.QA1}, {"loss factor Qa of chamber 2", b.QA2},
        {"loss factor Qb", b.QL}, {"loss factor Qb of chamber 1", b.QL1}, {"loss factor Qb of chamber 2", b.QL2},
        {"loss factor Qb of chamber 3", b.QL3}, {"closed-box total Q (Qtc)", b.QTC},
        {"area of vent 1", d.vents.SV11}, {"area of vent 2", d.vents.SV22}, {"area of vent 3", d.vents.SV33},
    };
    for (const NamedValue& v : all)
        if (!std::isfinite(v.value)) return "the " + std::string(v.words) + " is not a finite number";
    constexpr std::size_t kFirstLossFactor = 11, kLossFactors = 7;  // Qa, Qa1, Qa2, Qb, Qb1, Qb2, Qb3 in the list
    for (std::size_t i = kFirstLossFactor; i < kFirstLossFactor + kLossFactors; ++i)
        if (!(all[i].value > 0.0)) return "the " + std::string(all[i].words) + " is not above 0";
    // The values the alignment takes as the user's entries are above 0, as
    // the custom palette asks of an entry; the passive radiator's among
    // them need only be finite (an alignment that applies no entered unit
    // leaves them at 0).
    const int32_t system = (d.selection.SysSelTabNum - 1) * 8 + d.selection.SysSelBtnNum;
    for (const BoxValue entry : alignmentEntryValues(system, d.selection.Alin)) {
        const double value = valueIn(d, entry);
        if (!std::isfinite(value)) return "the " + std::string(wordsOf(entry)) + " is not a finite number";
        const bool radiator = entry == BoxValue::VAP || entry == BoxValue::FP || entry == BoxValue::QP;
        if (!radiator && !(value > 0.0)) return "the " + std::string(wordsOf(entry)) + " is not above 0";
    }
    return {};
}

std::string designRefusal(const ProgramState& design) {
    // The box values as the design keeps them: 0.0004 is kept as 0.
    ProgramState kept = design;
    roundBoxValues(kept.box, kept.radiator);
    if (std::string why = selectorProblem(kept); !why.empty()) return why;
    if (std::string why = heldValuesRefusal(kept); !why.empty()) return why;
    // The box as its alignment builds it when the design is drawn: what the
    // Alignment menus and the palette ask of it, the entries of a custom
    // alignment among its values; then the design as drawn from it.
    if (const BoxCheckResult box = designBoxCheck(kept); !box.ok()) return boxFaultWords(box);
    return {};
}

}  // namespace quendal
