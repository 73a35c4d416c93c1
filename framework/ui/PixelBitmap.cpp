// Copies between decoded pictures (BGRA, top-down) and bitmaps (DIB sections, bottom-up).
#include <cstring>

#include "PixelBitmap.h"

TPixelImage PixelImageOfBitmap(TBitmap& bitmap)
{
    TPixelImage image(bitmap.Width(), bitmap.Height());
    const bool alpha = bitmap.AlphaFormat() != afIgnored;
    TBitmap copy;
    TBitmap* source = &bitmap;
    if (bitmap.PixelFormat() != pf32bit && bitmap.PixelFormat() != pfDevice) {
        copy.Assign(&bitmap);
        copy.SetPixelFormat(pf32bit);
        source = &copy;
    }
    for (int y = 0; y < image.Height(); ++y) {
        TBGRA* row = image.ScanLine(y);
        std::memcpy(row, source->ScanLine(y), static_cast<size_t>(image.Width()) * sizeof(TBGRA));
        if (!alpha)
            for (int x = 0; x < image.Width(); ++x)
                row[x].A = 255;
    }
    image.SetHasAlpha(alpha);
    std::vector<TBGRA> palette;
    for (const RGBQUAD& q : bitmap.ColorTable())
        palette.push_back(TBGRA{q.rgbBlue, q.rgbGreen, q.rgbRed, 255});
    image.SetPalette(std::move(palette));
    return image;
}

namespace {

void CopyRows(TBitmap& bitmap, const TPixelImage& image)
{
    for (int y = 0; y < image.Height(); ++y)
        std::memcpy(bitmap.ScanLine(y), image.ScanLine(y), static_cast<size_t>(image.Width()) * sizeof(TBGRA));
}

TPixelFormat FormatOfSourceDepth(int bitsPerPixel, bool hasPalette)
{
    if (hasPalette && bitsPerPixel <= 1)
        return pf1bit;
    if (hasPalette && bitsPerPixel <= 4)
        return pf4bit;
    if (hasPalette && bitsPerPixel <= 8)
        return pf8bit;
    if (bitsPerPixel == 16)
        return pf15bit;
    if (bitsPerPixel == 24)
        return pf24bit;
    return pf32bit;
}

} // namespace

void AssignPixelImage(TBitmap& bitmap, const TPixelImage& image)
{
    bitmap.SetAlphaFormat(afIgnored);
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(image.Width(), image.Height());
    CopyRows(bitmap, image);
    bitmap.SetAlphaFormat(image.HasAlpha() ? afDefined : afIgnored);
}

void AssignPixelImageInSourceFormat(TBitmap& bitmap, const TPixelImage& image)
{
    AssignPixelImage(bitmap, image);
    const TPixelFormat format = FormatOfSourceDepth(image.SourceBitsPerPixel(), !image.Palette().empty());
    if (format == pf32bit)
        return;
    std::vector<RGBQUAD> palette;
    for (const TBGRA& c : image.Palette())
        palette.push_back(RGBQUAD{c.B, c.G, c.R, 0});
    bitmap.SetPixelFormat(format, std::move(palette));
}
