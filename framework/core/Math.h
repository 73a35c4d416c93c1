#pragma once
// Rounding and the integer rules of the runtime.
#include "System.h"

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Raises EInvalidOp for NaN,
// infinities and values outside the Int64 range.
Int64 Round(double value);
// Drops the fraction. Raises like Round.
Int64 Trunc(double value);
// Smallest integer >= value / largest integer <= value. Raise EInvalidOp outside the int range.
int Ceil(double value);
int Floor(double value);
// The fraction, with the value's sign.
double Frac(double value);

// a * b / c through a 64-bit product, rounded half away from zero; -1 when c is 0 or the result
// does not fit (as the platform's MulDiv answers).
int MulDiv(int a, int b, int c);

template <class T>
constexpr T Min(T a, T b)
{
    return b < a ? b : a;
}
template <class T>
constexpr T Max(T a, T b)
{
    return a < b ? b : a;
}
template <class T>
constexpr bool InRange(T value, T low, T high)
{
    return !(value < low) && !(high < value);
}
// Clamps value into [low, high].
template <class T>
constexpr T EnsureRange(T value, T low, T high)
{
    return value < low ? low : high < value ? high : value;
}

// Equal within epsilon; with epsilon 0, within 1e-12 relative to the smaller magnitude (at least 1e-12).
bool SameValue(double a, double b, double epsilon = 0);
// |value| <= epsilon, 1e-12 when epsilon is 0.
bool IsZero(double value, double epsilon = 0);
