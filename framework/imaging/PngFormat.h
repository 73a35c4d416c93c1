#pragma once
// Constants shared by the PNG reader and writer.
#include <array>

#include "System.h"

constexpr std::array<Byte, 8> PngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

enum class TPngColorType : Byte { Gray = 0, RGB = 2, Palette = 3, GrayAlpha = 4, RGBA = 6 };

enum class TPngFilter : Byte { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

inline Byte PaethPredictor(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc)
        return static_cast<Byte>(a);
    return static_cast<Byte>(pb <= pc ? b : c);
}
