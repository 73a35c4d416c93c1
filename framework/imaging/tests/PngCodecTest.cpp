#include <gtest/gtest.h>

#include <functional>

#include "GraphicErrors.h"
#include "PngCodec.h"
#include "TestPictures.h"

TEST(PngCodec, RoundTripKeepsEveryPixelWithAndWithoutAlpha)
{
    for (bool alpha : {true, false}) {
        const TPixelImage original = MakePatternImage(67, 41, alpha);
        const std::vector<Byte> png = EncodePng(original);
        EXPECT_EQ(png[25], alpha ? 6 : 2); // IHDR colour type
        const TPixelImage decoded = DecodePng(png);
        EXPECT_TRUE(SamePixels(decoded, original));
        EXPECT_EQ(decoded.HasAlpha(), alpha);
        EXPECT_EQ(decoded.SourceBitsPerPixel(), alpha ? 32 : 24);
    }
}

namespace {

// Samples for a w x h picture whose values walk through the full range of the depth.
std::vector<int> WalkingSamples(int w, int h, int channels, int depth)
{
    std::vector<int> samples;
    const int max = (1 << depth) - 1;
    for (int i = 0; i < w * h * channels; ++i)
        samples.push_back(depth == 16 ? (i * 4099 + 77) & max : (i * 7 + i / 3) % (max + 1));
    return samples;
}

Byte To8(int sample, int depth) { return static_cast<Byte>(depth == 16 ? sample >> 8 : sample * 255 / ((1 << depth) - 1)); }

} // namespace

TEST(PngCodec, DecodesEveryColourTypeAndDepthPlainAndInterlaced)
{
    struct Case { int colorType, depth; };
    const Case cases[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1}, {3, 2},
                          {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
    for (const Case& c : cases)
        for (bool interlaced : {false, true})
            for (auto [w, h] : {std::pair{1, 1}, {5, 3}, {13, 11}}) {
                SCOPED_TRACE(testing::Message() << "type " << c.colorType << " depth " << c.depth << " interlaced "
                                                << interlaced << " " << w << "x" << h);
                TTestPng png{w, h, c.depth, c.colorType, interlaced};
                const int channels = c.colorType == 2 ? 3 : c.colorType == 4 ? 2 : c.colorType == 6 ? 4 : 1;
                png.Samples = WalkingSamples(w, h, channels, c.depth);
                if (c.colorType == 3)
                    for (int i = 0; i < (1 << c.depth); ++i)
                        png.Palette.insert(png.Palette.end(), {Byte(i), Byte(255 - i), Byte(i * 3)});
                const TPixelImage image = DecodePng(BuildPng(png));
                ASSERT_EQ(image.Width(), w);
                ASSERT_EQ(image.Height(), h);
                EXPECT_EQ(image.SourceBitsPerPixel(), channels * c.depth);
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const int* s = &png.Samples[(y * w + x) * channels];
                        TBGRA expected;
                        switch (c.colorType) {
                        case 0: expected = {To8(s[0], c.depth), To8(s[0], c.depth), To8(s[0], c.depth), 255}; break;
                        case 2: expected = {To8(s[2], c.depth), To8(s[1], c.depth), To8(s[0], c.depth), 255}; break;
                        case 3: expected = {Byte(s[0] * 3), Byte(255 - s[0]), Byte(s[0]), 255}; break;
                        case 4: expected = {To8(s[0], c.depth), To8(s[0], c.depth), To8(s[0], c.depth), To8(s[1], c.depth)}; break;
                        default: expected = {To8(s[2], c.depth), To8(s[1], c.depth), To8(s[0], c.depth), To8(s[3], c.depth)};
                        }
                        ASSERT_EQ(image.Pixel(x, y), expected) << x << "," << y;
                    }
            }
}

TEST(PngCodec, TransparencyChunkMakesKeyColoursAndPaletteEntriesTransparent)
{
    // Palette: entry 1 half transparent, entries past the tRNS list opaque.
    TTestPng palette{3, 1, 8, 3};
    palette.Samples = {0, 1, 2};
    palette.Palette = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    palette.Transparency = std::vector<Byte>{255, 128};
    const TPixelImage p = DecodePng(BuildPng(palette));
    EXPECT_EQ(p.Pixel(0, 0), (TBGRA{30, 20, 10, 255}));
    EXPECT_EQ(p.Pixel(1, 0), (TBGRA{60, 50, 40, 128}));
    EXPECT_EQ(p.Pixel(2, 0), (TBGRA{90, 80, 70, 255}));
    EXPECT_TRUE(p.HasAlpha());
    ASSERT_EQ(p.Palette().size(), 3u);
    EXPECT_EQ(p.Palette()[1].A, 128);

    // 16-bit RGB: the key matches all 16 bits, so a colour equal only in the high bytes stays opaque.
    TTestPng rgb{2, 1, 16, 2};
    rgb.Samples = {0x1234, 0x5678, 0x9ABC, 0x1235, 0x5678, 0x9ABC};
    rgb.Transparency = std::vector<Byte>{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    const TPixelImage r = DecodePng(BuildPng(rgb));
    EXPECT_EQ(r.Pixel(0, 0).A, 0);
    EXPECT_EQ(r.Pixel(1, 0).A, 255);
    EXPECT_EQ(r.TransparentColor(), (TBGRA{0x9A, 0x56, 0x12, 0}));

    TTestPng gray{2, 1, 4, 0};
    gray.Samples = {5, 6};
    gray.Transparency = std::vector<Byte>{0, 6};
    const TPixelImage g = DecodePng(BuildPng(gray));
    EXPECT_EQ(g.Pixel(0, 0), (TBGRA{85, 85, 85, 255}));
    EXPECT_EQ(g.Pixel(1, 0).A, 0);
    EXPECT_TRUE(g.HasAlpha());
}

TEST(PngCodec, PaletteIndexPastTheTableDecodesAsBlack)
{
    TTestPng png{2, 1, 8, 3};
    png.Samples = {0, 200};
    png.Palette = {1, 2, 3};
    const TPixelImage image = DecodePng(BuildPng(png));
    EXPECT_EQ(image.Pixel(1, 0), (TBGRA{0, 0, 0, 255}));
}

TEST(PngCodec, CorruptFilesRaiseInvalidGraphic)
{
    TTestPng small{4, 4, 8, 2};
    small.Samples = WalkingSamples(4, 4, 3, 8);
    const std::vector<Byte> good = BuildPng(small);
    const std::size_t idat = 8 + 25 + 8; // first byte of the IDAT body
    using Edit = std::function<void(std::vector<Byte>&)>;
    struct Case { const char* name; Edit edit; };
    const Case cases[] = {
        {"bad signature", [](auto& d) { d[1] = 'Q'; }},
        {"bad CRC", [](auto& d) { d[30] ^= 1; }},
        {"zero width", [](auto& d) { d[19] = 0; FixPngCrc(d, 16); }},
        {"absurd size", [](auto& d) { d[16] = 0x7F; d[20] = 0x7F; FixPngCrc(d, 16); }},
        {"bad depth", [](auto& d) { d[24] = 4; FixPngCrc(d, 16); }},
        {"interlace 2", [](auto& d) { d[28] = 2; FixPngCrc(d, 16); }},
        {"zlib header", [=](auto& d) { d[idat] = 0x11; FixPngCrc(d, idat); }},
        {"adler", [](auto& d) { d[d.size() - 12 - 5] ^= 0xFF; FixPngCrc(d, d.size() - 12 - 5); }},
        {"unknown critical chunk", [](auto& d) { d[37] = 'J'; FixPngCrc(d, 37); }},
        {"no IDAT", [=](auto& d) { d.erase(d.begin() + 33, d.end() - 12); }},
        {"palette type without PLTE", [](auto& d) { d[25] = 3; FixPngCrc(d, 16); }},
    };
    for (const auto& c : cases) {
        std::vector<Byte> bad = good;
        c.edit(bad);
        EXPECT_THROW(DecodePng(bad), EInvalidGraphic) << c.name;
    }
}

TEST(PngCodec, UnknownFilterTypeIsRejected)
{
    // A raw row with filter byte 7, built by hand around a valid zlib stream.
    TTestPng png{1, 1, 8, 0};
    png.Samples = {9};
    std::vector<Byte> good = BuildPng(png);
    EXPECT_NO_THROW(DecodePng(good));
    // Stored (uncompressed) deflate block: 78 01, final block, len 2, data {7, 9}, Adler-32.
    const std::vector<Byte> stream = {0x78, 0x01, 0x01, 0x02, 0x00, 0xFD, 0xFF, 7, 9, 0x00, 0x19, 0x00, 0x11};
    std::vector<Byte> bad(good.begin(), good.begin() + 33);
    const std::vector<Byte> idat = {0, 0, 0, static_cast<Byte>(stream.size()), 'I', 'D', 'A', 'T'};
    bad.insert(bad.end(), idat.begin(), idat.end());
    bad.insert(bad.end(), stream.begin(), stream.end());
    bad.insert(bad.end(), 4, 0);
    FixPngCrc(bad, 37);
    EXPECT_THROW(DecodePng(bad), EInvalidGraphic);
}

TEST(PngCodec, EveryTruncationFailsCleanlyUntilOnlyTheEndChunkIsMissing)
{
    const std::vector<Byte> png = EncodePng(MakePatternImage(20, 9, true));
    for (std::size_t n = 0; n < png.size(); ++n) {
        const std::vector<Byte> cut(png.begin(), png.begin() + n);
        if (n == png.size() - 12)
            EXPECT_NO_THROW(DecodePng(cut));
        else
            EXPECT_THROW(DecodePng(cut), EInvalidGraphic) << n;
    }
}

TEST(PngCodec, ImageDataSplitAcrossChunksBesideAncillaryChunks)
{
    const TPixelImage original = MakePatternImage(30, 20, true);
    const std::vector<Byte> whole = EncodePng(original);
    const std::size_t length = whole[33] << 24 | whole[34] << 16 | whole[35] << 8 | whole[36];
    const auto body = whole.begin() + 41;
    std::vector<Byte> split(whole.begin(), whole.begin() + 33);
    AppendPngChunk(split, "tEXt", {'a', 0, 'b'});
    for (auto [from, to] : {std::pair<std::size_t, std::size_t>{0, 1}, {1, length / 2}, {length / 2, length}})
        AppendPngChunk(split, "IDAT", std::vector<Byte>(body + from, body + to));
    AppendPngChunk(split, "IEND", {});
    EXPECT_TRUE(SamePixels(DecodePng(split), original));
}
