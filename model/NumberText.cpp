#include "model/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace quendal {

namespace {

constexpr int kSignificantDigits = 10;
constexpr int kSmallestFixedExponent = -10;  // 1e-10
constexpr int kLargestFixedExponent = 19;    // below 1e20

// The magnitude correctly rounded to ten significant digits: the digits
// (trailing zeros removed, at least one) and the decimal exponent of the
// first digit.
void significantDigits(double magnitude, std::string& digits, int& exponent) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                      kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));  // d.ddddddddde+XX
    const std::size_t e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
}

std::string fixedForm(const std::string& digits, int exponent) {
    std::string out;
    if (exponent < 0) {
        out = "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        out = digits;
        out.append(whole - digits.size(), '0');
    } else {
        out.assign(digits, 0, whole);
        out += '.';
        out.append(digits, whole);
    }
    return out;
}

std::string exponentForm(const std::string& digits, int exponent) {
    std::string out(1, digits[0]);
    if (digits.size() > 1) {
        out += '.';
        out.append(digits, 1);
    }
    out += exponent < 0 ? "e-" : "e+";
    const int e = std::abs(exponent);
    if (e < 10) out += '0';
    out += std::to_string(e);
    return out;
}

}  // namespace

Str255 numberText(double value) {
    if (std::isnan(value)) return " nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : " inf";
    if (value == 0.0) return " 0";
    std::string digits;
    int exponent = 0;
    significantDigits(std::fabs(value), digits, exponent);
    std::string text = value < 0 ? "-" : " ";
    if (exponent >= kSmallestFixedExponent && exponent <= kLargestFixedExponent)
        text += fixedForm(digits, exponent);
    else
        text += exponentForm(digits, exponent);
    return Str255(text);
}

Str255 maskedNumber(double value, std::string_view mask) {
    const std::size_t begin = mask.find('#');
    if (begin == std::string_view::npos) return Str255(mask);
    std::size_t end = begin;
    bool point = false;
    std::size_t decimals = 0;
    while (end < mask.size()) {
        if (mask[end] == '#') {
            if (point) ++decimals;
        } else if (mask[end] == '.' && !point) {
            // A point counts only when a "#" follows it; "12 ##. Hz" keeps its point as text.
            if (end + 1 >= mask.size() || mask[end + 1] != '#') break;
            point = true;
        } else {
            break;
        }
        ++end;
    }

    std::string number;
    if (std::isnan(value)) {
        number = "nan";
    } else if (std::isinf(value)) {
        number = value < 0 ? "-inf" : "inf";
    } else {
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                          static_cast<int>(decimals));
        number.assign(buffer, result.ptr);
        if (number[0] == '-' && number.find_first_not_of("-0.") == std::string::npos)
            number.erase(0, 1);  // rounded to zero: no sign
    }

    // Right-align the number in the field: the field is as wide as its
    // places, the point and the decimals.
    const std::size_t fieldWidth = end - begin;
    std::string prefix(mask.substr(0, begin));
    if (number.size() < fieldWidth) {
        number.insert(0, fieldWidth - number.size(), ' ');
    } else {
        // Too wide: take over the blanks in front of the field first.
        std::size_t excess = number.size() - fieldWidth;
        while (excess > 0 && !prefix.empty() && prefix.back() == ' ') {
            prefix.pop_back();
            --excess;
        }
    }
    return Str255(prefix + number + std::string(mask.substr(end)));
}

}  // namespace quendal
