#pragma once
// An offscreen 32-bit ARGB bitmap with a graphics on it, cleared to white, for pixel checks.
#include <memory>

#include "RurGDIPlusClasses.h"

namespace RurGDIPlusTest {

using namespace RurGDIPlusClasses;

inline constexpr int32_t PixelFormat32bppARGB = 0x26200A;
inline constexpr int32_t LineCapFlat = 0;
inline constexpr int32_t LineCapRound = 2;
inline constexpr ARGB White = 0xFFFFFFFF;
inline constexpr ARGB Black = 0xFF000000;
inline constexpr ARGB Red = 0xFFFF0000;
inline constexpr ARGB Blue = 0xFF0000FF;

class TTestCanvas {
public:
    explicit TTestCanvas(int32_t size = 64)
        : Bitmap(std::make_unique<TGPBitmap>(size, size, PixelFormat32bppARGB)),
          Graphics(std::make_unique<TGPGraphics>(Bitmap.get()))
    {
        Graphics->Clear(White);
    }

    ARGB Pixel(int32_t x, int32_t y)
    {
        Graphics->Flush(FlushIntentionSync);
        ARGB color = 0;
        Bitmap->GetPixel(x, y, color);
        return color;
    }

    std::unique_ptr<TGPBitmap> Bitmap;
    std::unique_ptr<TGPGraphics> Graphics;
};

} // namespace RurGDIPlusTest
