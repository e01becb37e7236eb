#include "model/TextToNumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace quendal {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// The longest run of digits of `base` from the start of `text`, as a whole
// number; 0 when there is none or it overflows a double.
double integerInBase(std::string_view text, int base) {
    double value = 0.0;
    for (char c : text) {
        const int d = digitValue(c);
        if (d >= base) break;
        value = value * base + d;
    }
    return std::isfinite(value) ? value : 0.0;
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

// The end of a hexadecimal, octal or binary whole number at the start of
// `text` (read as textToNumber reads it), or 0 when the text is no such form.
std::size_t wholeNumberEnd(std::string_view text) {
    std::size_t start = 0;
    int base = 16;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        start = 2;
    } else if (!text.empty() && text[0] == '&') {
        if (text.size() < 2) return text.size();
        const char marker = text[1];
        if (marker == 'O' || marker == 'o') base = 8;
        else if (marker == 'X' || marker == 'x') base = 2;
        start = base == 16 && marker != 'H' && marker != 'h' && digitValue(marker) < 16 ? 1 : 2;
    } else {
        return 0;
    }
    std::size_t i = start;
    while (i < text.size() && digitValue(text[i]) < base) ++i;
    return i;
}

}  // namespace

NumberTextKind numberTextKind(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    text.remove_prefix(i);
    if (text.empty()) return NumberTextKind::Blank;
    // The hexadecimal, octal and binary forms read as whole numbers.
    if (text[0] == '&' || (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')))
        return NumberTextKind::Number;
    std::size_t digits = 0;
    const std::size_t end = decimalEnd(text, digits);
    if (digits == 0 || decimalCommaAt(text, end)) return NumberTextKind::NotANumber;
    const std::string number(text.substr(0, end));
    const double value = std::strtod(number.c_str(), nullptr);  // the "C" locale: a point is the decimal point
    return std::isinf(value) ? NumberTextKind::TooLarge : NumberTextKind::Number;
}

TypedNumber readTypedNumber(std::string_view text) {
    TypedNumber typed;
    if (text.find(',') != std::string_view::npos) {
        typed.kind = NumberTextKind::NotANumber;
        typed.comma = true;
        return typed;
    }
    typed.kind = numberTextKind(text);
    if (typed.kind == NumberTextKind::Blank || typed.kind == NumberTextKind::NotANumber) return typed;
    std::size_t start = 0;
    while (isBlank(text[start])) ++start;  // a number or too large one has a character that is no blank
    const std::string_view number = text.substr(start);
    if (typed.kind == NumberTextKind::TooLarge) {
        typed.value = number[0] == '-' ? -HUGE_VAL : HUGE_VAL;
        return typed;
    }
    // A digit after the end of the number ("1 000", "4x5", "3.2.1", "&H1G5",
    // "&O78") would be dropped from what is read: the text is not one number.
    std::size_t digits = 0;
    const std::size_t end = wholeNumberEnd(number);
    for (std::size_t i = end != 0 ? end : decimalEnd(number, digits); i < number.size(); ++i) {
        if (isDigit(number[i])) {
            typed.kind = NumberTextKind::NotANumber;
            return typed;
        }
    }
    typed.value = textToNumber(number);
    return typed;
}

double textToNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    text.remove_prefix(i);
    if (text.empty()) return 0.0;

    if (text[0] == '&') {
        if (text.size() < 2) return 0.0;
        const char marker = text[1];
        if (marker == 'O' || marker == 'o') return integerInBase(text.substr(2), 8);
        if (marker == 'X' || marker == 'x') return integerInBase(text.substr(2), 2);
        if (marker == 'H' || marker == 'h') return integerInBase(text.substr(2), 16);
        if (digitValue(marker) < 16) return integerInBase(text.substr(1), 16);
        return integerInBase(text.substr(2), 16);
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return integerInBase(text.substr(2), 16);
    std::size_t digits = 0;
    if (decimalCommaAt(text, decimalEnd(text, digits))) return 0.0;
    return decimalBeginning(text);
}

}  // namespace quendal
