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
// does not fit. On Windows this is the platform's own function, declared exactly as windows.h
// declares it so both headers can meet in one source.
#ifdef _WIN32
extern "C" __declspec(dllimport) int __stdcall MulDiv(int a, int b, int c);
#else
int MulDiv(int a, int b, int c);
#endif

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
