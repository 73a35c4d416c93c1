#include <gtest/gtest.h>

#include "GraphicErrors.h"
#include "IconReader.h"
#include "PngCodec.h"
#include "TestPictures.h"

namespace {

bool Diagonal(int x, int y) { return x == y; }

} // namespace

TEST(IconReader, DibEntriesTakeTransparencyFromTheirMaskOrTheirAlpha)
{
    const TPixelImage opaque = MakePatternImage(5, 5, false);
    for (int bits : {24, 8}) {
        SCOPED_TRACE(bits);
        const std::vector<Byte> ico = BuildIcon({{5, 5, bits, BuildDibIconBody(opaque, bits, Diagonal)}});
        const TPixelImage image = DecodeIcon(ico);
        ASSERT_EQ(image.Width(), 5);
        ASSERT_EQ(image.Height(), 5);
        EXPECT_TRUE(image.HasAlpha());
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                EXPECT_EQ(image.Pixel(x, y).A, x == y ? 0 : 255);
                if (x != y) {
                    EXPECT_EQ(image.Pixel(x, y).R, opaque.Pixel(x, y).R);
                }
            }
    }
    // 32-bit colour with real alpha: the mask is ignored.
    const TPixelImage translucent = MakePatternImage(6, 4, true);
    const TPixelImage image = DecodeIcon(BuildIcon({{6, 4, 32, BuildDibIconBody(translucent, 32, Diagonal)}}));
    EXPECT_TRUE(SamePixels(image, translucent));
}

TEST(IconReader, PicksTheLargestEntryAndReadsPngEntriesAndCursorHotSpots)
{
    const TPixelImage big = MakePatternImage(32, 32, true);
    const TPixelImage small = MakePatternImage(16, 16, false);
    const std::vector<Byte> ico = BuildIcon({{16, 16, 24, BuildDibIconBody(small, 24, Diagonal)},
                                             {32, 32, 32, EncodePng(big)}});
    EXPECT_TRUE(SamePixels(DecodeIcon(ico), big));

    const std::vector<Byte> cur = BuildIcon({{16, 16, 24, BuildDibIconBody(small, 24, Diagonal)}}, true);
    const TIconDirectory directory = ReadIconDirectory(cur);
    EXPECT_TRUE(directory.IsCursor);
    ASSERT_EQ(directory.Entries.size(), 1u);
    EXPECT_EQ(directory.Entries[0].HotSpotX, 3);
    EXPECT_EQ(directory.Entries[0].HotSpotY, 5);
    EXPECT_EQ(DecodeIconEntry(cur, directory.Entries[0]).Width(), 16);
}

TEST(IconReader, CorruptFilesRaiseInvalidGraphic)
{
    const TPixelImage small = MakePatternImage(8, 8, false);
    const std::vector<Byte> good = BuildIcon({{8, 8, 24, BuildDibIconBody(small, 24, Diagonal)}});
    auto with = [&](std::size_t at, Byte value) {
        std::vector<Byte> v = good;
        v[at] = value;
        return v;
    };
    const std::vector<std::vector<Byte>> bad = {
        with(2, 3),                      // neither icon nor cursor
        with(4, 0),                      // no entries
        with(4, 2),                      // a second entry beyond the data
        with(21, 0x10),                  // entry offset past the end
        with(14, 0xF0),                  // entry size past the end
        {good.begin(), good.end() - 4},  // AND mask cut short (directory size fixed below)
        with(22 + 8, 1),                 // DIB height 1: half of it is no rows
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        std::vector<Byte> data = bad[i];
        if (i == 5)
            data[14] = static_cast<Byte>(data[14] - 4);
        EXPECT_THROW(DecodeIcon(data), EInvalidGraphic) << i;
    }
}
