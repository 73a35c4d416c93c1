#pragma once
// A 32-bit top-down DIB selected into a memory DC, for drawing and reading pixels back in tests.
#include <windows.h>

#include <cstdint>

class OffscreenSurface {
public:
    OffscreenSurface(int width, int height, COLORREF fill = RGB(255, 255, 255)) : FWidth(width), FHeight(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        FDC = CreateCompatibleDC(nullptr);
        FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits), nullptr, 0);
        FOld = SelectObject(FDC, FBitmap);
        for (int i = 0; i < width * height; ++i)
            FBits[i] = (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill);
    }
    ~OffscreenSurface()
    {
        SelectObject(FDC, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    HDC DC() const { return FDC; }
    // The pixel as a COLORREF (0x00BBGGRR), read straight from the bits.
    COLORREF Pixel(int x, int y) const
    {
        GdiFlush();
        const std::uint32_t v = FBits[y * FWidth + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // How many pixels of the rectangle have the colour.
    int Count(COLORREF color, int left, int top, int right, int bottom) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += Pixel(x, y) == color;
        return n;
    }
    int Count(COLORREF color) const { return Count(color, 0, 0, FWidth, FHeight); }

private:
    int FWidth;
    int FHeight;
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
    std::uint32_t* FBits = nullptr;
};
