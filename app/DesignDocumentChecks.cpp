#include "app/DesignDocumentChecks.h"

#include <cmath>
#include <cstddef>

#include "model/DriverCheck.h"
#include "palette/CustomPaletteValues.h"
#include "response/BoxCheck.h"

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

}  // namespace

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

std::string boxProblem(const ProgramState& d) {
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
    const int32_t system = (d.selection.SysSelTabNum - 1) * 8 + d.selection.SysSelBtnNum;
    for (const BoxValue entry : alignmentEntryValues(system, d.selection.Alin)) {
        const double value = valueIn(d, entry);
        if (!std::isfinite(value)) return "the " + std::string(wordsOf(entry)) + " is not a finite number";
        const bool radiator = entry == BoxValue::VAP || entry == BoxValue::FP || entry == BoxValue::QP;
        if (!radiator && !(value > 0.0)) return "the " + std::string(wordsOf(entry)) + " is not above 0";
    }
    // The box as its alignment builds it when the design is drawn: what the
    // Alignment menus and the palette ask of it.
    if (const BoxCheckResult box = designBoxCheck(d); !box.ok()) return boxFaultWords(box);
    return {};
}

}  // namespace quendal
