#include <gtest/gtest.h>

#include "BmpCodec.h"
#include "GraphicErrors.h"
#include "TestPictures.h"

namespace {

// A picture of at most `colors` distinct colours.
TPixelImage FewColors(int width, int height, int colors)
{
    TPixelImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (x * 3 + y * 5) % colors;
            image.Pixel(x, y) = TBGRA{static_cast<Byte>(i * 8), static_cast<Byte>(248 - i * 8 % 248),
                                      static_cast<Byte>(i * 40 % 256 & 0xF8), 255};
        }
    return image;
}

void PutU32(std::vector<Byte>& v, std::size_t at, Cardinal value)
{
    for (int i = 0; i < 4; ++i)
        v[at + i] = static_cast<Byte>(value >> (8 * i));
}

// File header + 40-byte info header for a hand-made body.
std::vector<Byte> BmpHeader(int width, int height, int bits, Cardinal compression, Cardinal colors,
                            std::size_t extraHeaderBytes)
{
    std::vector<Byte> v(54, 0);
    v[0] = 'B', v[1] = 'M';
    PutU32(v, 10, static_cast<Cardinal>(54 + extraHeaderBytes));
    PutU32(v, 14, 40);
    PutU32(v, 18, static_cast<Cardinal>(width));
    PutU32(v, 22, static_cast<Cardinal>(height));
    v[26] = 1;
    v[28] = static_cast<Byte>(bits);
    PutU32(v, 30, compression);
    PutU32(v, 46, colors);
    return v;
}

} // namespace

TEST(BmpCodec, EveryDepthRoundTrips)
{
    struct Case { int bits; TPixelImage image; };
    TPixelImage alpha = MakePatternImage(9, 5, true);
    const Case cases[] = {
        {1, FewColors(13, 3, 2)}, {4, FewColors(7, 5, 16)}, {8, FewColors(19, 7, 31)},
        {16, FewColors(5, 4, 30)}, {24, MakePatternImage(11, 6, false)}, {32, alpha},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::vector<Byte> bmp = EncodeBmp(c.image, c.bits);
        const TPixelImage back = DecodeBmp(bmp);
        TPixelImage expected = c.image;
        if (c.bits == 16) // 5 bits per channel, widened to the full 0..255 range on reading
            for (int y = 0; y < expected.Height(); ++y)
                for (int x = 0; x < expected.Width(); ++x)
                    for (Byte* v : {&expected.Pixel(x, y).B, &expected.Pixel(x, y).G, &expected.Pixel(x, y).R})
                        *v = static_cast<Byte>((*v >> 3) * 255 / 31);
        EXPECT_TRUE(SamePixels(back, expected));
        EXPECT_EQ(back.SourceBitsPerPixel(), c.bits);
        EXPECT_EQ(back.HasAlpha(), c.bits == 32);
    }
}

TEST(BmpCodec, IndexedDepthsUseThePicturePaletteAndNearestColours)
{
    TPixelImage image(3, 1);
    image.Pixel(0, 0) = TBGRA{0, 0, 0, 255};
    image.Pixel(1, 0) = TBGRA{250, 250, 250, 255}; // not in the palette: nearest is white
    image.Pixel(2, 0) = TBGRA{255, 255, 255, 255};
    image.SetPalette({TBGRA{255, 255, 255, 255}, TBGRA{0, 0, 0, 255}});
    const TPixelImage back = DecodeBmp(EncodeBmp(image, 1));
    EXPECT_EQ(back.Pixel(1, 0), (TBGRA{255, 255, 255, 255}));
    EXPECT_EQ(back.Palette(), image.Palette());

    EXPECT_THROW(EncodeBmp(FewColors(8, 8, 20), 4), EInvalidGraphic); // 20 colours, no palette
    EXPECT_THROW(EncodeBmp(image, 2), EInvalidGraphic);
    EXPECT_THROW(EncodeBmp(TPixelImage(), 24), EInvalidGraphic);
}

TEST(BmpCodec, TopDownRowsReadTheSame)
{
    const TPixelImage image = MakePatternImage(6, 4, false);
    std::vector<Byte> bmp = EncodeBmp(image, 24);
    std::vector<Byte> flipped(bmp.begin(), bmp.begin() + 54);
    PutU32(flipped, 22, static_cast<Cardinal>(-4));
    const std::size_t stride = 20;
    for (int row = 3; row >= 0; --row)
        flipped.insert(flipped.end(), bmp.begin() + 54 + row * stride, bmp.begin() + 54 + (row + 1) * stride);
    EXPECT_TRUE(SamePixels(DecodeBmp(flipped), image));
}

TEST(BmpCodec, ReadsBitFieldsCoreHeadersAndRunLengthData)
{
    // 16-bit 5-6-5 bit fields: one pure green pixel, one white, padded to 4 bytes per row.
    std::vector<Byte> fields = BmpHeader(2, 1, 16, 3, 0, 12);
    for (Cardinal mask : {0xF800u, 0x07E0u, 0x001Fu})
        for (int i = 0; i < 4; ++i)
            fields.push_back(static_cast<Byte>(mask >> (8 * i)));
    fields.insert(fields.end(), {0xE0, 0x07, 0xFF, 0xFF});
    const TPixelImage f = DecodeBmp(fields);
    EXPECT_EQ(f.Pixel(0, 0), (TBGRA{0, 255, 0, 255}));
    EXPECT_EQ(f.Pixel(1, 0), (TBGRA{255, 255, 255, 255}));

    // 12-byte core header, 1 bit, 3-byte colour table.
    std::vector<Byte> core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, 12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0,
                              10, 20, 30, 40, 50, 60, 0xA0, 0, 0, 0};
    const TPixelImage c = DecodeBmp(core);
    EXPECT_EQ(c.Pixel(0, 0), (TBGRA{40, 50, 60, 255}));
    EXPECT_EQ(c.Pixel(1, 0), (TBGRA{10, 20, 30, 255}));
    EXPECT_EQ(c.Pixel(2, 0), (TBGRA{40, 50, 60, 255}));

    // RLE8, 4x2 bottom-up: row 0 a run of 3 x index 1, then end of line; row 1 absolute {2, 1, 2}, end.
    const std::vector<Byte> palette = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0};
    std::vector<Byte> rle8 = BmpHeader(4, 2, 8, 1, 3, palette.size());
    rle8.insert(rle8.end(), palette.begin(), palette.end());
    rle8.insert(rle8.end(), {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1});
    const TPixelImage r8 = DecodeBmp(rle8);
    const TBGRA black{0, 0, 0, 255}, red{0, 0, 255, 255}, green{0, 255, 0, 255};
    EXPECT_EQ(r8.Pixel(0, 1), red);
    EXPECT_EQ(r8.Pixel(2, 1), red);
    EXPECT_EQ(r8.Pixel(3, 1), black); // never set
    EXPECT_EQ(r8.Pixel(0, 0), green);
    EXPECT_EQ(r8.Pixel(1, 0), red);

    // RLE4, 5x1: a run of 5 alternating 1 and 2; then a delta past the edge and the end.
    std::vector<Byte> rle4 = BmpHeader(5, 1, 4, 2, 3, palette.size());
    rle4.insert(rle4.end(), palette.begin(), palette.end());
    rle4.insert(rle4.end(), {5, 0x12, 0, 2, 200, 0, 0, 1});
    const TPixelImage r4 = DecodeBmp(rle4);
    EXPECT_EQ(r4.Pixel(0, 0), red);
    EXPECT_EQ(r4.Pixel(1, 0), green);
    EXPECT_EQ(r4.Pixel(4, 0), red);
}

TEST(BmpCodec, ThirtyTwoBitsWithoutAlphaAreOpaqueBothWays)
{
    const TPixelImage unset(2, 1); // A bytes 0, but the picture has no alpha
    EXPECT_EQ(EncodeBmp(unset, 32)[54 + 3], 255);

    TPixelImage image = MakePatternImage(4, 4, false);
    std::vector<Byte> bmp = EncodeBmp(image, 32);
    for (std::size_t i = 54 + 3; i < bmp.size(); i += 4)
        bmp[i] = 0;
    const TPixelImage back = DecodeBmp(bmp);
    EXPECT_FALSE(back.HasAlpha());
    EXPECT_TRUE(SamePixels(back, image));
}

TEST(BmpCodec, CorruptFilesRaiseInvalidGraphic)
{
    const std::vector<Byte> good = EncodeBmp(FewColors(8, 8, 16), 4);
    auto with = [&](std::size_t at, Cardinal value) {
        std::vector<Byte> v = good;
        PutU32(v, at, value);
        return v;
    };
    const std::vector<std::vector<Byte>> bad = {
        {good.begin(), good.end() - 1},  // last row short
        with(14, 41),                    // unknown header size
        with(18, 0),                     // zero width
        with(22, 0x80000000u),           // most negative height
        with(18, 100000),                // too wide
        with(28, 3),                     // 3 bits per pixel
        with(30, 4),                     // embedded JPEG
        with(30, 1),                     // RLE8 on 4 bits
        with(10, 0xFFFFFFF0u),           // pixel offset past the end
        with(46, 0x40000000u),           // colour table past the end
    };
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_THROW(DecodeBmp(bad[i]), EInvalidGraphic) << i;
    std::vector<Byte> rleTopDown = BmpHeader(2, -2, 8, 1, 0, 0);
    rleTopDown.insert(rleTopDown.end(), {0, 1});
    EXPECT_THROW(DecodeBmp(rleTopDown), EInvalidGraphic);
}
