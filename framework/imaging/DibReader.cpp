#include "DibReader.h"

#include <algorithm>
#include <bit>
#include <string>

namespace {

// One colour channel as described by a bit mask.
class TChannelMask {
public:
    explicit TChannelMask(Cardinal mask)
        : FMask(mask), FShift(mask ? std::countr_zero(mask) : 0), FBits(mask ? std::bit_width(mask >> FShift) : 0)
    {
    }
    bool Present() const { return FMask != 0; }
    Byte Value(Cardinal pixel) const
    {
        const Cardinal v = (pixel & FMask) >> FShift;
        if (FBits >= 8)
            return static_cast<Byte>(v >> (FBits - 8));
        return FBits == 0 ? 0 : static_cast<Byte>(v * 255 / ((1u << FBits) - 1));
    }

private:
    Cardinal FMask;
    int FShift;
    int FBits;
};

std::vector<TBGRA> ReadPalette(TByteReader& r, std::size_t count, std::size_t entrySize)
{
    std::vector<TBGRA> palette(std::min<std::size_t>(count, 256));
    for (TBGRA& c : palette) {
        const auto bgr = r.Bytes(entrySize);
        c = TBGRA{bgr[0], bgr[1], bgr[2], 255};
    }
    r.SkipArray(count - palette.size(), entrySize);
    return palette;
}

bool IsKnownHeaderSize(Cardinal size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

void CheckDepthAndCompression(TByteReader& r, const TDibHeader& h)
{
    const int bpp = h.BitsPerPixel;
    bool valid = false;
    switch (h.Compression) {
    case dcRGB: valid = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32; break;
    case dcRLE8: valid = bpp == 8; break;
    case dcRLE4: valid = bpp == 4; break;
    case dcBitFields:
    case dcAlphaBitFields: valid = bpp == 16 || bpp == 32; break;
    default: r.Fail("unsupported compression " + std::to_string(h.Compression));
    }
    if (!valid)
        r.Fail(std::to_string(bpp) + " bits per pixel do not go with compression " + std::to_string(h.Compression));
    if (h.TopDown && (h.Compression == dcRLE8 || h.Compression == dcRLE4))
        r.Fail("run-length data cannot be top-down");
}

// 16 bits are 5-5-5; 32 bits carry an alpha byte that files often leave zero (see SettleAlpha).
std::array<Cardinal, 4> DefaultMasks(int bitsPerPixel)
{
    if (bitsPerPixel == 16)
        return {0x7C00, 0x03E0, 0x001F, 0};
    if (bitsPerPixel == 32)
        return {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    return {};
}

// Run-length data, always bottom-up, drawn straight into the picture; pixels it skips keep colour 0.
void DecodeRunLength(const TDibHeader& h, std::span<const Byte> bits, std::string_view format,
                     const std::array<TBGRA, 256>& colors, TPixelImage& image)
{
    for (int y = 0; y < h.Height; ++y)
        std::fill(image.ScanLine(y), image.ScanLine(y) + h.Width, colors[0]);
    const bool four = h.Compression == dcRLE4;
    TByteReader r(bits, format);
    int x = 0, y = 0;
    TBGRA* line = image.ScanLine(h.Height - 1);
    auto moveTo = [&](int newX, int newY) {
        x = std::min(newX, h.Width);
        y = newY;
        if (y < h.Height)
            line = image.ScanLine(h.Height - 1 - y);
    };
    // Pixels past the right edge are dropped; x stays within 0..Width.
    auto put = [&](Byte index) {
        if (x < h.Width)
            line[x++] = colors[index];
    };
    while (y < h.Height) {
        const Byte count = r.U8();
        const Byte value = r.U8();
        if (count > 0) { // a run of one index (RLE8) or two alternating nibbles (RLE4)
            for (int i = 0; i < count; ++i)
                put(four ? static_cast<Byte>(i % 2 ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) { // end of line
            moveTo(0, y + 1);
        } else if (value == 1) { // end of bitmap
            break;
        } else if (value == 2) { // move right and up
            const int dx = r.U8();
            const int dy = r.U8();
            moveTo(x + dx, y + dy);
        } else { // absolute run of `value` indices, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            const auto run = r.Bytes(bytes);
            for (int i = 0; i < value; ++i)
                put(four ? static_cast<Byte>(i % 2 ? run[i / 2] & 0x0F : run[i / 2] >> 4) : run[i]);
            r.Skip(bytes % 2);
        }
    }
}

int IndexAt(const Byte* row, int x, int bitsPerPixel)
{
    const int bit = x * bitsPerPixel;
    return row[bit / 8] >> (8 - bitsPerPixel - bit % 8) & ((1 << bitsPerPixel) - 1);
}

// Keeps alpha only when it carries something: all 0 reads as opaque, all 255 as no alpha.
void SettleAlpha(TPixelImage& image)
{
    const auto& pixels = image.Pixels();
    const bool anyVisible = std::any_of(pixels.begin(), pixels.end(), [](const TBGRA& c) { return c.A != 0; });
    const bool allOpaque = std::all_of(pixels.begin(), pixels.end(), [](const TBGRA& c) { return c.A == 255; });
    image.SetHasAlpha(anyVisible && !allOpaque);
    if (!anyVisible)
        for (int y = 0; y < image.Height(); ++y)
            for (TBGRA* p = image.ScanLine(y); p != image.ScanLine(y) + image.Width(); ++p)
                p->A = 255;
}

} // namespace

std::size_t DibStride(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

TDibHeader ReadDibHeader(TByteReader& r, bool heightCoversMask)
{
    const std::size_t start = r.Position();
    const Cardinal size = r.U32LE();
    if (!IsKnownHeaderSize(size))
        r.Fail("unknown bitmap header size " + std::to_string(size));
    TDibHeader h;
    Int64 width = 0, height = 0;
    Cardinal colorsUsed = 0;
    if (size == 12) {
        width = r.U16LE();
        height = r.U16LE();
        r.Skip(2); // planes
        h.BitsPerPixel = r.U16LE();
    } else {
        width = r.I32LE();
        height = r.I32LE();
        r.Skip(2); // planes
        h.BitsPerPixel = r.U16LE();
        h.Compression = static_cast<TDibCompression>(r.U32LE());
        r.Skip(12); // image size, resolution
        colorsUsed = r.U32LE();
        r.Skip(4); // important colours
    }
    h.TopDown = height < 0;
    height = height < 0 ? -height : height;
    if (heightCoversMask)
        height /= 2;
    CheckPictureSize(width, height, r.Format());
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    CheckDepthAndCompression(r, h);

    h.Masks = DefaultMasks(h.BitsPerPixel);
    if (h.Compression == dcBitFields || h.Compression == dcAlphaBitFields) {
        const bool alpha = h.Compression == dcAlphaBitFields || size >= 56;
        if (size == 40 || size == 64)
            r.Seek(start + size);
        else
            r.Seek(start + 40);
        for (int i = 0; i < (alpha ? 4 : 3); ++i)
            h.Masks[i] = r.U32LE();
        if (!alpha)
            h.Masks[3] = 0;
    }
    r.Seek(std::max(r.Position(), start + size));

    if (h.BitsPerPixel <= 8) {
        const std::size_t count = colorsUsed ? colorsUsed : std::size_t(1) << h.BitsPerPixel;
        h.Palette = ReadPalette(r, count, size == 12 ? 3 : 4);
    } else {
        r.SkipArray(colorsUsed, 4); // an optional table for display on palette devices
    }
    return h;
}

TPixelImage DecodeDibPixels(const TDibHeader& h, std::span<const Byte> bits, std::string_view format)
{
    const bool runLength = h.Compression == dcRLE8 || h.Compression == dcRLE4;
    const std::size_t stride = DibStride(h.Width, h.BitsPerPixel);
    if (!runLength && bits.size() / stride < static_cast<std::size_t>(h.Height))
        RaiseInvalidGraphic(format, "pixel data ends early");
    TPixelImage image(h.Width, h.Height);
    image.SetSourceBitsPerPixel(h.BitsPerPixel);
    image.SetPalette(h.Palette);
    std::array<TBGRA, 256> colors;
    colors.fill(TBGRA{0, 0, 0, 255});
    std::copy(h.Palette.begin(), h.Palette.end(), colors.begin());

    if (runLength) {
        DecodeRunLength(h, bits, format, colors, image);
        return image;
    }
    auto outputRow = [&](int storedRow) { return image.ScanLine(h.TopDown ? storedRow : h.Height - 1 - storedRow); };

    const TChannelMask red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]), alpha(h.Masks[3]);
    for (int row = 0; row < h.Height; ++row) {
        const Byte* in = bits.data() + static_cast<std::size_t>(row) * stride;
        TBGRA* out = outputRow(row);
        for (int x = 0; x < h.Width; ++x) {
            switch (h.BitsPerPixel) {
            case 1:
            case 4:
            case 8: out[x] = colors[IndexAt(in, x, h.BitsPerPixel)]; break;
            case 24: out[x] = TBGRA{in[3 * x], in[3 * x + 1], in[3 * x + 2], 255}; break;
            default: {
                const Cardinal pixel = h.BitsPerPixel == 16
                                           ? Cardinal(in[2 * x] | in[2 * x + 1] << 8)
                                           : Cardinal(in[4 * x]) | Cardinal(in[4 * x + 1]) << 8 |
                                                 Cardinal(in[4 * x + 2]) << 16 | Cardinal(in[4 * x + 3]) << 24;
                out[x] = TBGRA{blue.Value(pixel), green.Value(pixel), red.Value(pixel),
                               alpha.Present() ? alpha.Value(pixel) : Byte(255)};
            }
            }
        }
    }
    if (alpha.Present())
        SettleAlpha(image);
    return image;
}
