#include "model/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

namespace quendal {

namespace {

constexpr int kSignificantDigits = 10;
constexpr int kSmallestFixedExponent = -10;  // 1e-10
constexpr int kLargestFixedExponent = 19;    // below 1e20
constexpr int kExactDigits = 40;             // more than a double's digits can decide
constexpr int kMostSignificantDigits = 17;   // a double needs no more to read back

// Whether the digits, the first at 10^exponent, read back as a finite
// value: only a vast one can pass the largest (a tiny one reads back as a
// subnormal value, or 0).
bool readsBackFinite(const std::string& digits, int exponent) {
    if (exponent < 0) return true;
    std::string text = digits;
    text.insert(text.begin() + 1, '.');
    text.append("e").append(std::to_string(exponent));
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && std::isfinite(value);
}

// The digits and the decimal exponent of the first digit of a scientific
// text as to_chars writes it ("d.ddde+XX").
void scientificParts(std::string_view text, std::string& digits, int& exponent) {
    const std::size_t e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
}

// The magnitude in `count` significant digits: the digits (trailing zeros
// removed, at least one) and the decimal exponent of the first digit.
// Correctly rounded, unless that would pass the largest finite value: then
// cut, so that the text still reads back as a number.
void significantDigits(double magnitude, int count, std::string& digits, int& exponent) {
    const auto written = [&](int precision) {
        char buffer[128];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, precision);
        scientificParts(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)), digits, exponent);
    };
    written(count - 1);
    if (!readsBackFinite(digits, exponent)) {
        written(kExactDigits);  // every digit that decides the cut
        digits.resize(static_cast<std::size_t>(count));
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
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
    return out + "e" + std::to_string(exponent);
}

// The value in fixed point with every digit, rounded to `decimals`
// decimals; a value that rounds to zero shows no sign. None when so many
// decimals could never fit a text value.
std::optional<std::string> fixedPoint(double value, std::size_t decimals) {
    constexpr std::size_t kMostWholeDigits = 309;  // the largest double is below 1e309
    if (decimals > Str255::kMaxLength) return std::nullopt;
    std::string buffer(kMostWholeDigits + decimals + 2, '\0');  // sign and point besides the digits
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                      static_cast<int>(decimals));
    if (result.ec != std::errc()) return std::nullopt;
    buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
    if (buffer[0] == '-' && buffer.find_first_not_of("-0.") == std::string::npos)
        buffer.erase(0, 1);  // rounded to zero: no sign
    return buffer;
}

// The text after a minus sign when the value is negative.
std::string withSign(double value, std::string text) {
    if (value < 0) text.insert(text.begin(), '-');
    return text;
}

// The shortest exponent form that reads back as the same value.
std::string shortestExponentForm(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    std::string digits;
    int exponent = 0;
    scientificParts(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)), digits, exponent);
    return withSign(value, exponentForm(digits, exponent));
}

// The number right-aligned in a field of `fieldWidth` places between the
// mask's texts. A number wider than its field takes over the blanks in front
// of the field first, then widens the text.
std::string laidOut(std::string_view prefix, std::string number, std::size_t fieldWidth, std::string_view suffix) {
    if (number.size() < fieldWidth) {
        number.insert(0, fieldWidth - number.size(), ' ');
    } else {
        std::size_t excess = number.size() - fieldWidth;
        while (excess > 0 && !prefix.empty() && prefix.back() == ' ') {
            prefix.remove_suffix(1);
            --excess;
        }
    }
    std::string text(prefix);
    text += number;
    text += suffix;
    return text;
}

}  // namespace

Str255 numberText(double value) {
    if (std::isnan(value)) return " nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : " inf";
    if (value == 0.0) return " 0";
    std::string digits;
    int exponent = 0;
    significantDigits(std::fabs(value), kSignificantDigits, digits, exponent);
    std::string text = value < 0 ? "-" : " ";
    if (exponent >= kSmallestFixedExponent && exponent <= kLargestFixedExponent)
        text += fixedForm(digits, exponent);
    else
        text += exponentForm(digits, exponent);
    return Str255(text);
}

std::string exponentText(double value, int significant) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0.0) return "0";
    std::string digits;
    int exponent = 0;
    significantDigits(std::fabs(value), std::clamp(significant, 1, kMostSignificantDigits), digits, exponent);
    return withSign(value, exponentForm(digits, exponent));
}

std::string exponentTextWithin(double value, std::size_t width) {
    if (!std::isfinite(value) || value == 0.0) return exponentText(value, 1);
    std::string text;
    for (int count = kMostSignificantDigits; count >= 1; --count) {
        std::string digits;
        int exponent = 0;
        significantDigits(std::fabs(value), count, digits, exponent);
        text = withSign(value, exponentForm(digits, exponent));
        if (text.size() <= width) break;
        // The digits as a whole number, the exponent lowered by as many
        // places: "145e98" holds three digits where "1.4e100" holds two.
        const int lowered = exponent - static_cast<int>(digits.size() - 1);
        std::string whole = withSign(value, digits);
        if (lowered != 0) whole.append("e").append(std::to_string(lowered));
        if (whole.size() <= width) return whole;
    }
    return text;
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

    const std::string_view prefix = mask.substr(0, begin);
    const std::string_view suffix = mask.substr(end);
    const std::size_t fieldWidth = end - begin;
    std::optional<std::string> fixed;
    if (std::isnan(value)) {
        fixed = "nan";
    } else if (std::isinf(value)) {
        fixed = value < 0 ? "-inf" : "inf";
    } else {
        fixed = fixedPoint(value, decimals);
    }
    if (fixed) {
        const std::string text = laidOut(prefix, *fixed, fieldWidth, suffix);
        if (text.size() <= Str255::kMaxLength) return Str255(text);
    }

    // Too long for a text: the number in exponent form, with every digit of
    // the value, rather than cut at the limit.
    std::string number = shortestExponentForm(value);
    const std::string text = laidOut(prefix, number, fieldWidth, suffix);
    if (text.size() <= Str255::kMaxLength) return Str255(text);

    // The mask alone is longer than a text may be: the number without its
    // field's blanks, and the mask's own texts give way so that it stays whole.
    if (fixed && fixed->size() < number.size()) number = *fixed;
    const std::size_t room = Str255::kMaxLength - number.size();
    const std::string_view head = prefix.substr(0, room);
    const std::string_view tail = suffix.substr(0, room - head.size());
    return Str255(std::string(head) + number + std::string(tail));
}

}  // namespace quendal
