// A number as an entry field or an alert shows it: the program's number
// text (at most 10 significant digits, no trailing zeros) without the blank
// it keeps in front of a value that is not negative.
#pragma once

#include <string>

#include "model/NumberText.h"
#include "model/Rounding.h"

namespace quendal {

inline std::string fieldText(double value) {
    std::string s = numberText(value).str();
    if (!s.empty() && s.front() == ' ') s.erase(0, 1);
    return s;
}

// Rounded to three decimals first, halves to even: 0.70749 -> "0.707".
inline std::string fieldTextThreeDecimals(double value) { return fieldText(roundedToDecimals(value, 3)); }

}  // namespace quendal
