#pragma once
// Decimal digits of a double, rounded the way the runtime's float texts round: from its first 18
// significant digits, halves away from zero. Internal to SysUtils.
#include <string>

#include "System.h"

namespace FloatDecimal {

// value = (Negative ? -1 : 1) * 0.Digits * 10^Exponent; Digits has no trailing zeros and is empty
// for zero. Negative is false when the rounded value is zero.
struct TDecimal {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// Rounded to at most `digits` significant digits (1 to 18). The value must be finite.
TDecimal Significant(double value, int digits);
// Rounded to `decimals` places after the decimal point. The value must be finite.
TDecimal Fixed(double value, int decimals);

// "NAN", "INF" or "-INF" for the special values, empty for finite ones.
String SpecialText(double value);

// General notation: fixed unless the exponent is above precision or below -3, then "d.dddE[-]x".
String GeneralText(const TDecimal& d, int precision, Char decimalSeparator);

} // namespace FloatDecimal
