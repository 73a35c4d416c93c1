#pragma once
// What the kit's tests share: the kit's units started around the program, another Windows standing
// in for the running one, and 32-bit bitmaps to paint into and read back.
#include <memory>

#include "scDrawUtils.h"

// While it lives, the kit sees the given Windows version and build.
class TWindowsVersionFacts {
public:
    TWindowsVersionFacts(int major, int minor, int build)
        : FMajor(WindowsMajorVersion), FMinor(WindowsMinorVersion), FBuild(WindowsBuildNumber)
    {
        WindowsMajorVersion = major;
        WindowsMinorVersion = minor;
        WindowsBuildNumber = build;
    }
    ~TWindowsVersionFacts()
    {
        WindowsMajorVersion = FMajor;
        WindowsMinorVersion = FMinor;
        WindowsBuildNumber = FBuild;
    }
    TWindowsVersionFacts(const TWindowsVersionFacts&) = delete;
    TWindowsVersionFacts& operator=(const TWindowsVersionFacts&) = delete;

private:
    int FMajor, FMinor, FBuild;
};

// Replaces a bound system function for the lifetime of the object.
template <class F>
class TBoundFunction {
public:
    TBoundFunction(F& variable, F replacement) : FVariable(variable), FSaved(variable) { variable = replacement; }
    ~TBoundFunction() { FVariable = FSaved; }
    TBoundFunction(const TBoundFunction&) = delete;
    TBoundFunction& operator=(const TBoundFunction&) = delete;

private:
    F& FVariable;
    F FSaved;
};

// A 32-bit bitmap filled with one colour, and its pixels as 0x00BBGGRR.
std::unique_ptr<TBitmap> Canvas32(int width, int height, TColor fill = clWhite);
TColor PixelAt(TBitmap* bitmap, int x, int y);
// How many pixels of the rectangle have exactly the colour.
int CountColor(TBitmap* bitmap, const TRect& rect, TColor color);
