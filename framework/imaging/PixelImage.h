#pragma once
// A decoded picture: 32-bit BGRA pixels in top-down rows, plus what the source format kept about
// itself (bit depth, palette, transparent colour) for the picture classes that save it again.
#include <optional>
#include <string_view>
#include <vector>

#include "System.h"

struct TBGRA {
    Byte B = 0, G = 0, R = 0, A = 0;
    friend bool operator==(const TBGRA&, const TBGRA&) = default;
};

// Readers refuse larger pictures before allocating: no real picture needs more, and untrusted
// headers must not make us reserve gigabytes.
constexpr int MaxPictureSide = 32768;
constexpr Int64 MaxPicturePixels = Int64(1) << 26;

// Raises EInvalidGraphic unless 1 <= width, height and the size is within the limits above.
void CheckPictureSize(Int64 width, Int64 height, std::string_view format);

class TPixelImage : public TObject {
public:
    TPixelImage() = default;
    // All pixels transparent black; the size is checked as CheckPictureSize does.
    TPixelImage(int width, int height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FPixels.empty(); }

    // Whether the A channel carries information; when false every pixel is opaque.
    bool HasAlpha() const { return FHasAlpha; }
    void SetHasAlpha(bool value) { FHasAlpha = value; }

    TBGRA* ScanLine(int y);
    const TBGRA* ScanLine(int y) const;
    TBGRA& Pixel(int x, int y) { return ScanLine(y)[CheckedColumn(x)]; }
    const TBGRA& Pixel(int x, int y) const { return ScanLine(y)[CheckedColumn(x)]; }
    const std::vector<TBGRA>& Pixels() const { return FPixels; }

    // Bits per pixel of the source data (8 for a 256-colour GIF, 24 for an RGB JPEG, 64 for 16-bit RGBA PNG).
    int SourceBitsPerPixel() const { return FSourceBitsPerPixel; }
    void SetSourceBitsPerPixel(int value) { FSourceBitsPerPixel = value; }
    // The source's colour table, alpha included where the format gives one (PNG tRNS).
    const std::vector<TBGRA>& Palette() const { return FPalette; }
    void SetPalette(std::vector<TBGRA> value) { FPalette = std::move(value); }
    // The one colour shown transparent by a format that names it (PNG tRNS on grey or RGB data).
    const std::optional<TBGRA>& TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(std::optional<TBGRA> value) { FTransparentColor = value; }
    // The palette index shown transparent (GIF), -1 for none.
    int TransparentIndex() const { return FTransparentIndex; }
    void SetTransparentIndex(int value) { FTransparentIndex = value; }

private:
    int CheckedColumn(int x) const;

    int FWidth = 0;
    int FHeight = 0;
    bool FHasAlpha = false;
    std::vector<TBGRA> FPixels;
    int FSourceBitsPerPixel = 32;
    std::vector<TBGRA> FPalette;
    std::optional<TBGRA> FTransparentColor;
    int FTransparentIndex = -1;
};
