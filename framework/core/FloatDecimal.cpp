#include "FloatDecimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace FloatDecimal {

namespace {

constexpr int MaxDigits = 18;

// Reads the runtime's scientific text "[-]d[.ddd]e[+-]xx".
TDecimal FromScientific(const char* first, const char* last)
{
    TDecimal d;
    if (*first == '-') {
        d.Negative = true;
        ++first;
    }
    for (; *first != 'e'; ++first)
        if (*first != '.')
            d.Digits += *first;
    ++first;
    if (*first == '+')
        ++first;
    std::from_chars(first, last, d.Exponent);
    ++d.Exponent;
    return d;
}

// The first 18 significant digits, exactly rounded from the binary value.
TDecimal Expand(double value)
{
    if (value == 0)
        return TDecimal();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, MaxDigits - 1);
    return FromScientific(buffer, result.ptr);
}

// The fewest digits that read back as the value: much cheaper to find than the exact expansion.
TDecimal Shortest(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return FromScientific(buffer, result.ptr);
}

// Keeps `keep` leading digits (possibly none), rounding half away from zero, and strips trailing zeros.
TDecimal RoundTo(TDecimal d, int keep)
{
    if (keep < static_cast<int>(d.Digits.size())) {
        const bool up = keep >= 0 && d.Digits[static_cast<size_t>(keep)] >= '5';
        d.Digits.resize(static_cast<size_t>(std::max(keep, 0)));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.Digits[static_cast<size_t>(i)] == '9')
                d.Digits[static_cast<size_t>(i--)] = '0';
            if (i >= 0) {
                ++d.Digits[static_cast<size_t>(i)];
            } else {
                d.Digits.insert(d.Digits.begin(), '1');
                ++d.Exponent;
            }
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    if (d.Digits.empty())
        d = TDecimal();
    return d;
}

} // namespace

TDecimal Significant(double value, int digits)
{
    // A normal double lies within half a binary unit (2^-53 of its size) of the value of its shortest
    // text, well inside half a unit of the 15th digit; so when that text has no more digits than asked
    // for, rounding the exact value gives the same digits. Subnormals carry fewer bits: exact way.
    if (digits <= 15 && std::isnormal(value)) {
        TDecimal shortest = Shortest(value);
        if (static_cast<int>(shortest.Digits.size()) <= digits)
            return RoundTo(std::move(shortest), digits);
    }
    return RoundTo(Expand(value), digits);
}

TDecimal Fixed(double value, int decimals)
{
    TDecimal d = Expand(value);
    return RoundTo(d, d.Exponent + decimals);
}

String SpecialText(double value)
{
    if (std::isnan(value))
        return u"NAN";
    if (std::isinf(value))
        return value < 0 ? u"-INF" : u"INF";
    return String();
}

String GeneralText(const TDecimal& d, int precision, Char decimalSeparator)
{
    if (d.Digits.empty())
        return u"0";
    String out = d.Negative ? u"-" : u"";
    const int count = static_cast<int>(d.Digits.size());
    if (d.Exponent > precision || d.Exponent < -3) {
        out += static_cast<Char>(d.Digits[0]);
        if (count > 1) {
            out += decimalSeparator;
            for (int i = 1; i < count; ++i)
                out += static_cast<Char>(d.Digits[static_cast<size_t>(i)]);
        }
        const int exponent = d.Exponent - 1;
        out += exponent < 0 ? u"E-" : u"E";
        const std::string digits = std::to_string(std::abs(exponent));
        return out.append(digits.begin(), digits.end());
    }
    if (d.Exponent <= 0) {
        out += u'0';
        out += decimalSeparator;
        out.append(static_cast<size_t>(-d.Exponent), u'0');
        out.append(d.Digits.begin(), d.Digits.end());
        return out;
    }
    for (int i = 0; i < std::max(count, d.Exponent); ++i) {
        if (i == d.Exponent)
            out += decimalSeparator;
        out += i < count ? static_cast<Char>(d.Digits[static_cast<size_t>(i)]) : u'0';
    }
    return out;
}

} // namespace FloatDecimal
