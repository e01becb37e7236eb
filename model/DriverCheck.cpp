#include "model/DriverCheck.h"

#include <cmath>

#include "model/ControlCharacters.h"
#include "model/State.h"
#include "model/TextToNumber.h"

namespace quendal {

namespace {

enum class Rule { Text, Positive, NotNegative };

Rule ruleOf(DriverField field) {
    switch (field) {
        case DriverField::Model:
        case DriverField::Range: return Rule::Text;
        case DriverField::FS:
        case DriverField::VAS:
        case DriverField::QTS:
        case DriverField::QMS:
        case DriverField::RE:
        case DriverField::SD: return Rule::Positive;
        default: return Rule::NotNegative;
    }
}

Str255 cut(std::string_view text) { return Str255(text.substr(0, kDriverTextBytes)); }

// The numeric field of a driver, or nullptr for the two texts.
template <typename Driver>
auto numberOf(Driver& d, DriverField field) -> decltype(&d.DIA) {
    switch (field) {
        case DriverField::DIA: return &d.DIA;
        case DriverField::FS: return &d.FS;
        case DriverField::VAS: return &d.VAS;
        case DriverField::QTS: return &d.QTS;
        case DriverField::QES: return &d.QES;
        case DriverField::QMS: return &d.QMS;
        case DriverField::EFI: return &d.EFI;
        case DriverField::RE: return &d.RE;
        case DriverField::PEMX: return &d.PEMX;
        case DriverField::SD: return &d.SD;
        case DriverField::XMAX: return &d.XMAX;
        case DriverField::VD: return &d.VD;
        case DriverField::LE: return &d.LE;
        case DriverField::Model:
        case DriverField::Range: break;
    }
    return nullptr;
}

}  // namespace

FieldUnit driverFieldUnit(DriverField field) {
    switch (field) {
        case DriverField::DIA: return FieldUnit::Centimetre;
        case DriverField::FS: return FieldUnit::Hertz;
        case DriverField::VAS: return FieldUnit::Litre;
        case DriverField::EFI: return FieldUnit::Percent;
        case DriverField::RE: return FieldUnit::Ohm;
        case DriverField::PEMX: return FieldUnit::Watt;
        case DriverField::SD: return FieldUnit::SquareCentimetre;
        case DriverField::XMAX: return FieldUnit::Millimetre;
        case DriverField::VD: return FieldUnit::CubicCentimetre;
        case DriverField::LE: return FieldUnit::MilliHenry;
        default: return FieldUnit::None;
    }
}

double driverNumber(const DriverValues& driver, DriverField field) {
    const double* value = numberOf(driver, field);
    return value != nullptr ? *value : 0.0;
}

DriverValues driverFromTexts(const std::array<std::string_view, kDriverFieldCount>& texts) {
    DriverValues d;
    d.s_SP = cut(texts[std::size_t(DriverField::Model)]);
    d.s_RANG = cut(texts[std::size_t(DriverField::Range)]);
    for (std::size_t i = 0; i < kDriverFieldCount; ++i)
        if (double* value = numberOf(d, DriverField(i))) *value = textToNumber(texts[i]);
    return d;
}

namespace {

// The fault of one numeric value, or None.
DriverFault valueFault(DriverField field, double value) {
    const Rule rule = ruleOf(field);
    if (rule == Rule::Text) return DriverFault::None;
    if (!std::isfinite(value)) return DriverFault::NotFinite;
    if (rule == Rule::Positive && !(value > 0.0)) return DriverFault::NotPositive;
    if (rule == Rule::NotNegative && value < 0.0) return DriverFault::Negative;
    if (field == DriverField::EFI && value > kMaximumEfficiency) return DriverFault::AboveLimit;
    if (field == DriverField::FS && value > kHighestResonance) return DriverFault::AboveLimit;
    return DriverFault::None;
}

}  // namespace

DriverCheckResult checkDriver(const DriverValues& driver) {
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) {
        const DriverField field = DriverField(i);
        const DriverFault fault = valueFault(field, driverNumber(driver, field));
        if (fault != DriverFault::None) return {fault, field};
    }
    return {};
}

DriverCheckResult checkDriverTexts(const std::array<std::string_view, kDriverFieldCount>& texts) {
    const DriverValues driver = driverFromTexts(texts);
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) {
        const DriverField field = DriverField(i);
        if (ruleOf(field) == Rule::Text) {
            if (!controlCharactersIn(texts[i]).empty()) return {DriverFault::UnkeptCharacters, field};
            continue;
        }
        DriverFault fault = DriverFault::None;
        const TypedNumber typed = readTypedNumber(texts[i], driverFieldUnit(field));
        switch (typed.kind) {
            case NumberTextKind::NotANumber:
                fault = typed.otherUnit ? DriverFault::OtherUnit : DriverFault::NotANumber;
                break;
            case NumberTextKind::TooLarge: fault = DriverFault::TooLarge; break;
            case NumberTextKind::Blank:
                fault = ruleOf(field) == Rule::Positive ? DriverFault::Empty : DriverFault::None;
                break;
            case NumberTextKind::Number: fault = valueFault(field, driverNumber(driver, field)); break;
        }
        if (fault != DriverFault::None) return {fault, field};
    }
    return {};
}

DriverValues enteredDriver() { return enteredDriverOf(state.speaker); }

DriverValues enteredDriverOf(const SpeakerParameters& sp) {
    DriverValues d;
    d.s_SP = sp.s_SP2;
    d.s_RANG = sp.s_RANG2;
    d.DIA = sp.DIA2;
    d.FS = sp.FS2;
    d.VAS = sp.VAS2;
    d.QTS = sp.QTS2;
    d.QES = sp.QES2;
    d.QMS = sp.QMS2;
    d.EFI = sp.EFI2;
    d.RE = sp.RE2;
    d.PEMX = sp.PEMX2;
    d.SD = sp.SD2;
    d.XMAX = sp.XMAX2;
    d.VD = sp.VD2;
    d.LE = sp.LE2;
    return d;
}

DriverValues effectiveDriverOf(const SpeakerParameters& sp) {
    DriverValues d;
    d.s_SP = sp.s_SP;
    d.s_RANG = sp.s_RANG;
    d.DIA = sp.DIA;
    d.FS = sp.FS;
    d.VAS = sp.VAS;
    d.QTS = sp.QTS;
    d.QES = sp.QES;
    d.QMS = sp.QMS;
    d.EFI = sp.EFI;
    d.RE = sp.RE;
    d.PEMX = sp.PEMX;
    d.SD = sp.SD;
    d.XMAX = sp.XMAX;
    d.VD = sp.VD;
    d.LE = sp.LE;
    return d;
}

void takeEnteredDriver(const DriverValues& d) {
    SpeakerParameters& sp = state.speaker;
    sp.s_SP2 = cut(d.s_SP.view());
    sp.s_RANG2 = cut(d.s_RANG.view());
    sp.DIA2 = d.DIA;
    sp.FS2 = d.FS;
    sp.VAS2 = d.VAS;
    sp.QTS2 = d.QTS;
    sp.QES2 = d.QES;
    sp.QMS2 = d.QMS;
    sp.EFI2 = d.EFI;
    sp.RE2 = d.RE;
    sp.PEMX2 = d.PEMX;
    sp.SD2 = d.SD;
    sp.XMAX2 = d.XMAX;
    sp.VD2 = d.VD;
    sp.LE2 = d.LE;
}

}  // namespace quendal
