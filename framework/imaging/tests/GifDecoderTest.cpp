#include <gtest/gtest.h>

#include "GifDecoder.h"
#include "GraphicErrors.h"
#include "TestPictures.h"

namespace {

std::vector<Byte> Indices(int count, int colors, int seed = 0)
{
    std::vector<Byte> v;
    for (int i = 0; i < count; ++i)
        v.push_back(static_cast<Byte>((i * 7 + i / 5 + seed) % colors)); // repeats enough to build long codes
    return v;
}

void ExpectFrame(const TPixelImage& image, const TTestGif& gif)
{
    for (int y = 0; y < gif.Height; ++y)
        for (int x = 0; x < gif.Width; ++x) {
            const int index = gif.Indices[y * gif.Width + x];
            TBGRA expected = GifColor(index);
            if (index == gif.TransparentIndex)
                expected.A = 0;
            ASSERT_EQ(image.Pixel(gif.Left + x, gif.Top + y), expected) << x << "," << y;
        }
}

} // namespace

TEST(GifDecoder, DecodesFirstFrameAcrossTableSizesAndLayouts)
{
    struct Case { const char* name; TTestGif gif; };
    std::vector<Case> cases = {
        {"tiny", {0, 0, 0, 0, 3, 2, 2}},
        {"one bit colours", {0, 0, 0, 0, 9, 4, 1}},
        {"full table grows codes to 12 bits and clears", {0, 0, 0, 0, 200, 150, 8}},
        {"local table", {0, 0, 0, 0, 17, 5, 4, true}},
        {"interlaced", {0, 0, 0, 0, 6, 19, 3, false, true}},
        {"full table kept without a clear code", {0, 0, 0, 0, 300, 200, 8}},
    };
    cases.back().gif.KeepFullTable = true;
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.gif.Indices = Indices(c.gif.Width * c.gif.Height, 1 << c.gif.ColorBits);
        const TPixelImage image = DecodeGif(BuildGif(c.gif));
        ASSERT_EQ(image.Width(), c.gif.Width);
        ASSERT_EQ(image.Height(), c.gif.Height);
        ExpectFrame(image, c.gif);
        EXPECT_FALSE(image.HasAlpha());
        EXPECT_EQ(image.SourceBitsPerPixel(), c.gif.ColorBits);
        EXPECT_EQ(image.Palette().size(), std::size_t(1) << c.gif.ColorBits);
    }
}

TEST(GifDecoder, TransparentIndexAndUncoveredScreenAreTransparent)
{
    TTestGif gif{10, 8, 2, 3, 5, 4, 3};
    gif.TransparentIndex = 2;
    gif.Indices = Indices(20, 8);
    const TPixelImage image = DecodeGif(BuildGif(gif));
    ASSERT_EQ(image.Width(), 10);
    ASSERT_EQ(image.Height(), 8);
    ExpectFrame(image, gif);
    EXPECT_EQ(image.Pixel(0, 0).A, 0);
    EXPECT_EQ(image.Pixel(9, 7).A, 0);
    EXPECT_TRUE(image.HasAlpha());
    EXPECT_EQ(image.TransparentIndex(), 2);
}

TEST(GifDecoder, CorruptDataRaisesInvalidGraphic)
{
    TTestGif gif{0, 0, 0, 0, 16, 16, 4};
    gif.Indices = Indices(256, 16);
    const std::vector<Byte> good = BuildGif(gif);
    const std::size_t lzwAt = 13 + 48 + 7 + 10; // header, table, comment, descriptor
    ASSERT_EQ(good[lzwAt], 4);
    auto edited = [&](std::size_t at, Byte value) {
        std::vector<Byte> v = good;
        v[at] = value;
        return v;
    };
    const std::vector<std::vector<Byte>> bad = {
        edited(0, 'J'),                                 // signature
        edited(lzwAt, 12),                              // code size out of range
        edited(lzwAt, 1),
        edited(lzwAt + 2, 0xFF),                        // first codes undefined
        edited(good.size() - 1, 0x21),                  // trailer replaced: fine, but then:
        {good.begin(), good.begin() + 13 + 48 + 1},     // ends before the image
        {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}, // trailer, no image
        {good.begin(), good.begin() + lzwAt + 3},       // LZW data cut short
    };
    EXPECT_NO_THROW(DecodeGif(bad[4])); // data after the first frame is never read
    for (std::size_t i = 0; i < bad.size(); ++i) {
        if (i != 4) {
            EXPECT_THROW(DecodeGif(bad[i]), EInvalidGraphic) << i;
        }
    }
}
