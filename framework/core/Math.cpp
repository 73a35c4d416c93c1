#include "Math.h"

#include <cmath>

#include "SysUtils.h"

namespace {

// The doubles in [-2^63, 2^63) convert to Int64 exactly; anything else has no Int64 value.
double CheckedForInt64(double value)
{
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0))
        throw EInvalidOp(u"Invalid floating point operation");
    return value;
}

int CheckedForInt(double value)
{
    if (!(value >= -2147483648.0 && value <= 2147483647.0))
        throw EInvalidOp(u"Invalid floating point operation");
    return static_cast<int>(value);
}

} // namespace

Int64 Round(double value)
{
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return static_cast<Int64>(CheckedForInt64(whole));
}

Int64 Trunc(double value)
{
    return static_cast<Int64>(CheckedForInt64(std::trunc(value)));
}

int Ceil(double value)
{
    return CheckedForInt(std::ceil(value));
}

int Floor(double value)
{
    return CheckedForInt(std::floor(value));
}

double Frac(double value)
{
    return value - std::trunc(value);
}

#ifndef _WIN32
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    Int64 product = static_cast<Int64>(a) * b;
    Int64 divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const Int64 half = divisor / 2;
    const Int64 result = (product >= 0 ? product + half : product - half) / divisor;
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return static_cast<int>(result);
}
#endif

bool SameValue(double a, double b, double epsilon)
{
    if (epsilon == 0)
        epsilon = std::fmax(std::fmin(std::fabs(a), std::fabs(b)) * 1e-12, 1e-12);
    return a > b ? a - b <= epsilon : b - a <= epsilon;
}

bool IsZero(double value, double epsilon)
{
    return std::fabs(value) <= (epsilon == 0 ? 1e-12 : epsilon);
}
