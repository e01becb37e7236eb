#include "response/BoxCheck.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <memory>

#include "model/NumberText.h"
#include "model/ParameterPasses.h"
#include "model/Rounding.h"
#include "response/BoxValueTable.h"
#include "model/State.h"
#include "response/AmplitudePlot.h"
#include "response/CofCal.h"
#include "response/DesignComputation.h"
#include "response/DesignCheck.h"

namespace quendal {

namespace {

enum Value : uint32_t {
    kVB = 1u << 0, kVB1 = 1u << 1, kVB2 = 1u << 2, kVB3 = 1u << 3,
    kFC = 1u << 4, kFC1 = 1u << 5, kFC2 = 1u << 6,
    kFB = 1u << 7, kFB1 = 1u << 8, kFB2 = 1u << 9, kFB3 = 1u << 10,
    kQTC = 1u << 11, kVAP = 1u << 12, kFP = 1u << 13, kQP = 1u << 14,
};

// The values each system's box consists of: those its custom palette shows.
uint32_t valuesOf(int32_t system) {
    constexpr uint32_t kThreeVented = kVB1 | kVB2 | kVB3 | kFB1 | kFB2 | kFB3;
    constexpr uint32_t kRadiator = kVAP | kFP | kQP;
    switch (system) {
        case kClosedBox: return kVB | kFC | kQTC;
        case kVentedBox: return kVB1 | kFB1;
        case kPassiveRadiator: return kVB | kFB | kRadiator;
        case kSerialVented: return kVB1 | kVB2 | kFB1 | kFB2;
        case kTwinSerialVented: return kThreeVented;
        case kComplexClosed: return kVB1 | kVB2 | kFC1 | kFC2;
        case kComplexVented: return kVB1 | kVB2 | kFB1 | kFC2;
        case kRavezaBox: return kVB1 | kVB2 | kFC1 | kFB2;
        case kPassiveRaveza: return kVB1 | kVB2 | kFC1 | kFB2 | kRadiator;
        case kSerialRavezaType1: return kVB1 | kVB2 | kVB3 | kFC1 | kFB2 | kFB3;
        case kSerialRavezaType2:
        case kTwinVented: return kVB1 | kVB2 | kFB1 | kFB2;
        case kTwinSerial:
        case kDeltaVented:
        case kTripleVented: return kThreeVented;
        default: return 0;  // the Infinite Baffle has no box
    }
}

constexpr const char* kHz = kHertzUnit;
constexpr const char* kLiter = kLitreUnit;

struct NamedValue {
    uint32_t bit;
    BoxValue label;
    const char* words;
    const char* unit;
    double value;
};

// The values of a box, named; `values` selects them.
struct BoxValues {
    NamedValue all[15];
    explicit BoxValues(const BoxParameters& b, const PassiveRadiatorParameters& r)
        : all{
              {kVB, BoxValue::VB, "box volume Vb", kLiter, b.VB},
              {kVB1, BoxValue::VB1, "volume of chamber 1", kLiter, b.VB1},
              {kFC, BoxValue::FC, "closed-box resonance Fc", kHz, b.FC},
              {kFC1, BoxValue::FC1, "resonance of chamber 1", kHz, b.FC1},
              {kFB, BoxValue::FB, "tuning frequency Fb", kHz, b.FB},
              {kFB1, BoxValue::FB1, "tuning frequency of chamber 1", kHz, b.FB1},
              {kVB2, BoxValue::VB2, "volume of chamber 2", kLiter, b.VB2},
              {kFC2, BoxValue::FC2, "resonance of chamber 2", kHz, b.FC2},
              {kFB2, BoxValue::FB2, "tuning frequency of chamber 2", kHz, b.FB2},
              {kVB3, BoxValue::VB3, "volume of chamber 3", kLiter, b.VB3},
              {kFB3, BoxValue::FB3, "tuning frequency of chamber 3", kHz, b.FB3},
              {kQTC, BoxValue::QTC, "closed-box total Q (Qtc)", "", b.QTC},
              {kVAP, BoxValue::VAP, "passive radiator's equivalent volume", kLiter, r.VAP},
              {kFP, BoxValue::FP, "passive radiator's resonance", kHz, r.FP},
              {kQP, BoxValue::QP, "passive radiator's Q", "", r.QP},
          } {}
};

// A value refused, named as the label beside its field in the system's
// palette reads.
BoxCheckResult fault(BoxFault kind, int32_t system, const NamedValue& v, double quoted) {
    return {kind, boxValueLabel(system, v.label), v.words, v.unit, quoted};
}

// The first selected value of `checked` that is not a finite number above
// 0, quoted as it stands in `given`.
BoxCheckResult firstFault(int32_t system, const BoxValues& checked, const BoxValues& given) {
    const uint32_t values = valuesOf(system);
    for (std::size_t i = 0; i < std::size(checked.all); ++i) {
        const NamedValue& v = checked.all[i];
        if ((values & v.bit) == 0) continue;
        const double quoted = given.all[i].value;
        if (!std::isfinite(v.value)) return fault(BoxFault::NotFinite, system, v, quoted);
        if (!(v.value > 0.0)) return fault(BoxFault::NotPositive, system, v, quoted);
    }
    return {};
}

}  // namespace

BoxCheckResult checkBoxValues() {
    const int32_t system = currentSystemNumber();
    const BoxValues given(state.box, state.radiator);
    if (const BoxCheckResult asGiven = firstFault(system, given, given); !asGiven.ok()) return asGiven;
    // As the design keeps them: 0.004 litres is kept as 0.
    const BoxParameters box = state.box;
    const PassiveRadiatorParameters radiator = state.radiator;
    ValueRoundBoxParameters();
    const BoxValues kept(state.box, state.radiator);
    state.box = box;
    state.radiator = radiator;
    return firstFault(system, kept, given);
}

bool tuningsCancel() {
    const int32_t system = currentSystemNumber();
    if (system != kTwinVented && system != kDeltaVented) return false;
    return rint(state.box.FB1 * 100.0) == rint(state.box.FB2 * 100.0);
}

namespace {

// The box and the response as the design's own coefficients build them,
// whichever page is shown; the state is left with the box as kept.
BoxCheckResult checkBoxAsBuilt() {
    CofCal();
    if (const BoxCheckResult built = checkBoxValues(); !built.ok()) return built;
    ValueRoundBoxParameters();
    if (tuningsCancel())
        return {BoxFault::TuningsAlike, "Fb1", "tuning frequency of chamber 1", kHz, state.box.FB1};
    CofCal();  // from the values kept, as the drawing builds it
    if (!totalResponseOnThePage()) return {BoxFault::NoResponse, "", "response", "", 0.0};
    return {};
}

}  // namespace

BoxCheckResult checkBuiltBox() {
    if (const BoxCheckResult box = checkBoxAsBuilt(); !box.ok()) return box;
    // The design as its drawing computes it, held to what a document may
    // hold: a vast volume may overflow a vent, or a derived value.
    computeDrawnDesign();
    if (std::string why = heldValuesRefusal(state); !why.empty())
        return {BoxFault::NotHeld, "", "design", "", 0.0, std::move(why)};
    return {};
}

BoxCheckResult builtBoxCheck() {
    const auto saved = std::make_unique<ProgramState>(state);
    const BoxCheckResult result = checkBoxAsBuilt();
    state = *saved;
    return result;
}

BoxCheckResult alignmentBoxCheck(int32_t alin) {
    const auto saved = std::make_unique<ProgramState>(state);
    state.selection.Alin = alin;
    const BoxCheckResult result = checkBuiltBox();
    state = *saved;
    return result;
}

BoxCheckResult changedBoxCheck(const std::function<void()>& change) {
    const auto saved = std::make_unique<ProgramState>(state);
    change();
    const BoxCheckResult result = checkBuiltBox();
    state = *saved;
    return result;
}

BoxCheckResult designBoxCheck(const ProgramState& design) {
    const auto saved = std::make_unique<ProgramState>(state);
    state = design;
    const BoxCheckResult result = checkBuiltBox();
    state = *saved;
    return result;
}

namespace {

std::string valueText(double value) {
    if (!std::isfinite(value)) return std::isnan(value) ? "not a number" : (value > 0 ? "infinite" : "-infinite");
    // Hundredths as the design keeps them; a vast value in the exponent form.
    if (std::fabs(value) >= 1e9) return exponentText(value, 6);
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

std::string boxFaultTitle(const BoxCheckResult& r) {
    const std::string title = "ALERT!   Impossible alignment.  ";
    switch (r.fault) {
        case BoxFault::NotPositive: return title + r.name + " is not above 0.";
        case BoxFault::NotFinite: return title + r.name + " is not a finite number.";
        case BoxFault::TuningsAlike: return title + "Fb1 equals Fb2.";
        case BoxFault::NoResponse: return title + "No response on the page.";
        case BoxFault::NotHeld: {
            std::string words = r.refusal;  // "The area of vent 1 is not a finite number."
            if (!words.empty()) words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
            return title + words + ".";
        }
        case BoxFault::None: break;
    }
    return {};
}

std::string boxFaultReason(const BoxCheckResult& r, BoxChoice choice) {
    const std::string ask =
        choice == BoxChoice::System ? "  ( Choose another system. )" : "  ( Choose another alignment. )";
    switch (r.fault) {
        case BoxFault::NotPositive:
        case BoxFault::NotFinite:
            return std::string("For this driver the alignment gives ") + r.name + " = " + valueText(r.value) + r.unit +
                   "." + ask;
        case BoxFault::TuningsAlike:
            return "For this driver the alignment tunes chambers 1 and 2 alike: they cancel each other and the "
                   "system gives no output." + ask;
        case BoxFault::NoResponse:
            return "For this driver the alignment gives a response that lies nowhere between 10 Hz and 1 kHz." + ask;
        case BoxFault::NotHeld:
            return "For this driver the alignment gives a design in which " + r.refusal + "." + ask;
        case BoxFault::None: break;
    }
    return {};
}

std::string boxFaultWords(const BoxCheckResult& r) {
    switch (r.fault) {
        case BoxFault::NotPositive: return std::string("the ") + r.words + " is not above 0";
        case BoxFault::NotFinite: return std::string("the ") + r.words + " is not a finite number";
        case BoxFault::TuningsAlike: return "the tuning frequencies of chambers 1 and 2 are alike";
        case BoxFault::NoResponse: return "the response lies nowhere between 10 Hz and 1 kHz";
        case BoxFault::NotHeld: return r.refusal;
        case BoxFault::None: break;
    }
    return {};
}

}  // namespace quendal
