#include "model/TextToNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace quendal {

namespace {

// Blanks: the ASCII ones and the no-break space (Mac Roman 0xCA) that text
// copied from a data sheet often puts between a number and its unit.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\xCA';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// The longest run of digits of `base` from the start of `text`, as a whole
// number; 0 when there is none, an infinity when it overflows a double.
double integerInBase(std::string_view text, int base) {
    double value = 0.0;
    for (char c : text) {
        const int d = digitValue(c);
        if (d >= base) break;
        value = value * base + d;
    }
    return value;
}

double decimalBeginning(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            end = j;
        }
    }
    // from_chars takes no leading "+"; the sign is applied here.
    const bool negative = text[0] == '-';
    double value = 0.0;
    const auto result = std::from_chars(text.data() + mantissaStart, text.data() + end, value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;  // out of range: refused
    return negative ? -value : value;
}

// The count of mantissa digits at the start of a decimal text (after an
// optional sign), and the end of the number.
std::size_t decimalEnd(std::string_view text, std::size_t& digits) {
    std::size_t i = 0;
    digits = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

// A number written with a decimal comma ("3,4"): its reading would stop at
// the comma and give a wrong value without a word, so it is no number.
bool decimalCommaAt(std::string_view text, std::size_t end) {
    return end + 1 < text.size() && text[end] == ',' && isDigit(text[end + 1]);
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A comma with a digit on each side: a decimal comma ("47,5") or a
// thousands separator ("1,000").
bool commaBetweenDigits(std::string_view text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == ',' && isDigit(text[i - 1]) && isDigit(text[i + 1])) return true;
    return false;
}

// A hexadecimal, octal or binary whole number at the start of a text: its
// base, where its digits begin and where they end (begin == end: the prefix
// has no digit after it).
struct BasedNumber {
    int base = 16;
    std::size_t begin = 0, end = 0;
    bool hasDigits() const { return end > begin; }
};

// The prefix forms of the reading rule: "0x", "&H", "&O", "&X", and "&"
// followed by any other character, which is taken for the H unless it is
// itself a hexadecimal digit. None when the text starts with no prefix.
std::optional<BasedNumber> basedNumber(std::string_view text) {
    BasedNumber n;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        n.begin = 2;
    } else if (!text.empty() && text[0] == '&') {
        const char marker = text.size() >= 2 ? text[1] : '\0';
        if (marker == 'O' || marker == 'o') n.base = 8;
        else if (marker == 'X' || marker == 'x') n.base = 2;
        const bool markerIsDigit = n.base == 16 && marker != 'H' && marker != 'h' && digitValue(marker) < 16;
        n.begin = std::min<std::size_t>(text.size(), markerIsDigit ? 1 : 2);
    } else {
        return std::nullopt;
    }
    n.end = n.begin;
    while (n.end < text.size() && digitValue(text[n.end]) < n.base) ++n.end;
    return n;
}

double valueOf(std::string_view text, const BasedNumber& n) {
    return integerInBase(text.substr(n.begin, n.end - n.begin), n.base);
}

}  // namespace

NumberTextKind numberTextKind(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    text.remove_prefix(i);
    if (text.empty()) return NumberTextKind::Blank;
    // The hexadecimal, octal and binary forms read as whole numbers; a
    // prefix with no digit after it holds none.
    if (const auto based = basedNumber(text)) {
        if (!based->hasDigits()) return NumberTextKind::NotANumber;
        return std::isinf(valueOf(text, *based)) ? NumberTextKind::TooLarge : NumberTextKind::Number;
    }
    std::size_t digits = 0;
    const std::size_t end = decimalEnd(text, digits);
    if (digits == 0 || decimalCommaAt(text, end)) return NumberTextKind::NotANumber;
    const std::string number(text.substr(0, end));
    const double value = std::strtod(number.c_str(), nullptr);  // the "C" locale: a point is the decimal point
    return std::isinf(value) ? NumberTextKind::TooLarge : NumberTextKind::Number;
}

std::string_view unitName(FieldUnit unit) {
    switch (unit) {
        case FieldUnit::None: break;
        case FieldUnit::Hertz: return "Hz";
        case FieldUnit::Litre: return "liters";
        case FieldUnit::SquareCentimetre: return "cm2";
        case FieldUnit::CubicCentimetre: return "cm3";
        case FieldUnit::Centimetre: return "cm";
        case FieldUnit::Millimetre: return "mm";
        case FieldUnit::MilliHenry: return "mH";
        case FieldUnit::Ohm: return "ohms";
        case FieldUnit::Watt: return "watts";
        case FieldUnit::Percent: return "%";
    }
    return {};
}

namespace {

// The text in lower case (ASCII letters only), every run of blanks one blank.
std::string folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (isBlank(c)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        out += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A capital M with a small letter after it is the mega prefix: "Mm", "Mh",
// "Ml" are other units of the same quantity, never the milli unit. A unit
// written all in capitals ("MM", "MH", "ML") is the field's own unit in
// capitals, as data sheets in capitals write it: a megametre, megahenry or
// megalitre is no field's unit, so nothing is misread.
bool megaPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == 'M' &&
           std::any_of(text.begin() + 1, text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

constexpr std::string_view kWattSpellings[] = {"watts", "watt", "w"};
// The qualifiers of a continuous power rating that may follow the watts.
constexpr std::string_view kContinuousRatings[] = {"rms", "aes", "nominal", "continuous"};

// What follows the watts of a folded text ("rms" of "w rms" or "w (rms)"),
// empty for the watts alone; none when the text is no watts, or the watts
// run on without a blank or bracket ("wrms").
std::optional<std::string_view> afterWatts(std::string_view folded) {
    for (const std::string_view watts : kWattSpellings) {
        if (!folded.starts_with(watts)) continue;
        std::string_view rest = folded.substr(watts.size());
        if (rest.empty()) return rest;
        if (rest[0] != ' ' && rest[0] != '(') return std::nullopt;
        if (rest[0] == ' ') rest.remove_prefix(1);
        if (rest.size() >= 2 && rest.front() == '(' && rest.back() == ')') {
            rest = rest.substr(1, rest.size() - 2);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
        }
        return rest;
    }
    return std::nullopt;
}

// Whether a folded text of watts names a rating that is no thermal limit:
// a word of what follows the watts (run on or not: "w peak", "w (max.)",
// "wpeak") is one of the peak, maximum, program or music ratings.
bool namesPeakRating(std::string_view folded) {
    static constexpr std::string_view kPeakRatings[] = {"peak", "max", "maximum", "program", "programme", "music"};
    for (const std::string_view watts : kWattSpellings) {
        if (!folded.starts_with(watts)) continue;
        std::string_view rest = folded.substr(watts.size());
        const auto letter = [](char c) { return c >= 'a' && c <= 'z'; };
        while (!rest.empty()) {
            const auto begin = std::find_if(rest.begin(), rest.end(), letter);
            const auto end = std::find_if_not(begin, rest.end(), letter);
            const std::string_view word(begin, end);
            if (std::find(std::begin(kPeakRatings), std::end(kPeakRatings), word) != std::end(kPeakRatings)) return true;
            rest = std::string_view(end, rest.end());
        }
        return false;
    }
    return false;
}

bool continuousRating(std::string_view qualifier) {
    return qualifier.empty() ||
           std::find(std::begin(kContinuousRatings), std::end(kContinuousRatings), qualifier) != std::end(kContinuousRatings);
}

}  // namespace

bool spellsUnit(FieldUnit unit, std::string_view text) {
    // In lower case, one blank between words.
    static constexpr std::string_view kHertz[] = {"hz", "hertz"};
    static constexpr std::string_view kLitre[] = {"l",  "litre", "liter", "litres", "liters",
                                                  "ltr", "lt",   "dm3",   "dm^3"};
    static constexpr std::string_view kSquare[] = {"cm2", "cm^2", "sq cm", "sq. cm"};
    static constexpr std::string_view kCubic[] = {"cm3", "cm^3", "cc", "ml"};
    static constexpr std::string_view kCentimetre[] = {"cm"};
    static constexpr std::string_view kMillimetre[] = {"mm"};
    static constexpr std::string_view kMilliHenry[] = {"mh"};
    static constexpr std::string_view kOhm[] = {"\xBD", "ohm", "ohms"};
    static constexpr std::string_view kPercent[] = {"%"};
    if (megaPrefix(text)) return false;
    const std::string spelled = folded(text);
    std::span<const std::string_view> spellings;
    switch (unit) {
        case FieldUnit::None: return false;
        case FieldUnit::Hertz: spellings = kHertz; break;
        case FieldUnit::Litre: spellings = kLitre; break;
        case FieldUnit::SquareCentimetre: spellings = kSquare; break;
        case FieldUnit::CubicCentimetre: spellings = kCubic; break;
        case FieldUnit::Centimetre: spellings = kCentimetre; break;
        case FieldUnit::Millimetre: spellings = kMillimetre; break;
        case FieldUnit::MilliHenry: spellings = kMilliHenry; break;
        case FieldUnit::Ohm: spellings = kOhm; break;
        case FieldUnit::Watt: {
            const std::optional<std::string_view> qualifier = afterWatts(spelled);
            return qualifier && continuousRating(*qualifier);
        }
        case FieldUnit::Percent: spellings = kPercent; break;
    }
    return std::find(spellings.begin(), spellings.end(), spelled) != spellings.end();
}

TypedNumber readTypedNumber(std::string_view text, FieldUnit unit) {
    TypedNumber typed;
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    std::string_view number = text.substr(start);
    while (!number.empty() && isBlank(number.back())) number.remove_suffix(1);
    if (number.empty()) return typed;  // Blank
    const auto noNumber = [&typed] {
        typed.kind = NumberTextKind::NotANumber;
        return typed;
    };
    // A comma makes no number. One between digits is told how decimals
    // are written; one elsewhere ("100 W, peak") is read past, so that
    // what follows the number is told for what it is.
    if (number.find(',') != std::string_view::npos) {
        typed.comma = true;
        typed.decimalComma = commaBetweenDigits(number);
        if (typed.decimalComma) return noNumber();
    }
    // A sign belongs to a decimal number only: "-0x64" is no number, rather
    // than -0 followed by a unit "x64".
    if ((number[0] == '+' || number[0] == '-') && number.size() > 1 &&
        (number[1] == '&' || (number[1] == '0' && number.size() > 2 && (number[2] == 'x' || number[2] == 'X'))))
        return noNumber();
    const auto based = basedNumber(number);
    std::size_t digits = 0;
    const std::size_t end = based ? based->end : decimalEnd(number, digits);
    if (based ? !based->hasDigits() : digits == 0) return noNumber();
    std::size_t after = end;
    while (after < number.size() && isBlank(number[after])) ++after;
    const std::string_view rest = number.substr(after);
    if (!rest.empty()) {
        // A letter right after the digits of a prefixed number is a digit of
        // no base ("0x1G", "&HFFHz").
        if (based && after == end && isLetter(rest[0])) return noNumber();
        // An exponent without its digits, or cut from them by a blank.
        if (!based && (rest[0] == 'e' || rest[0] == 'E')) {
            std::size_t j = 1;
            if (j < rest.size() && (rest[j] == '+' || rest[j] == '-')) ++j;
            if (after == end || j == rest.size() || isDigit(rest[j])) return noNumber();
        }
        if (!spellsUnit(unit, rest)) {
            const auto first = static_cast<unsigned char>(rest[0]);
            typed.otherUnit = isLetter(rest[0]) || first >= 0x80 || rest[0] == '%';
            typed.peakRating = unit == FieldUnit::Watt && namesPeakRating(folded(rest));
            return noNumber();
        }
    }
    if (typed.comma) return noNumber();
    typed.kind = numberTextKind(number.substr(0, end));
    if (typed.kind == NumberTextKind::TooLarge) {
        typed.value = number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
        return typed;
    }
    if (typed.kind == NumberTextKind::Number) typed.value = textToNumber(number.substr(0, end));
    return typed;
}

double textToNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    text.remove_prefix(i);
    if (text.empty()) return 0.0;

    if (const auto based = basedNumber(text)) {
        const double value = valueOf(text, *based);
        return std::isfinite(value) ? value : 0.0;  // beyond a double: refused
    }
    std::size_t digits = 0;
    if (decimalCommaAt(text, decimalEnd(text, digits))) return 0.0;
    return decimalBeginning(text);
}

}  // namespace quendal
