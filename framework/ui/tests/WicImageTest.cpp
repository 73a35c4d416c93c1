// Pictures decoded by the system's imaging component.
#include <gtest/gtest.h>

#include "GraphicErrors.h"
#include "GraphicUnits.h"
#include "PngImage.h"

namespace {

// An uncompressed RGB TIFF, little-endian: one strip of width x 1 pixels, all the given colour.
std::vector<Byte> BuildRgbTiff(int width, Byte r, Byte g, Byte b)
{
    std::vector<Byte> out;
    auto u16 = [&](unsigned v) { out.push_back(Byte(v)); out.push_back(Byte(v >> 8)); };
    auto u32 = [&](unsigned v) { u16(v & 0xFFFF); u16(v >> 16); };
    const unsigned pixels = static_cast<unsigned>(width) * 3;
    const unsigned entries = 10;
    const unsigned ifd = 8;
    const unsigned bitsAt = ifd + 2 + entries * 12 + 4;
    const unsigned dataAt = bitsAt + 6;
    out = {'I', 'I', 42, 0};
    u32(ifd);
    u16(entries);
    auto entry = [&](unsigned tag, unsigned type, unsigned count, unsigned value) {
        u16(tag);
        u16(type);
        u32(count);
        u32(value);
    };
    entry(256, 3, 1, static_cast<unsigned>(width)); // width
    entry(257, 3, 1, 1);                            // height
    entry(258, 3, 3, bitsAt);                       // 8, 8, 8 bits
    entry(259, 3, 1, 1);                            // no compression
    entry(262, 3, 1, 2);                            // RGB
    entry(273, 4, 1, dataAt);                       // strip offset
    entry(277, 3, 1, 3);                            // samples per pixel
    entry(278, 3, 1, 1);                            // rows per strip
    entry(279, 4, 1, pixels);                       // strip byte count
    entry(284, 3, 1, 1);                            // chunky
    u32(0);
    u16(8);
    u16(8);
    u16(8);
    for (int i = 0; i < width; ++i) {
        out.push_back(r);
        out.push_back(g);
        out.push_back(b);
    }
    return out;
}

} // namespace

TEST(WicImage, DecodesWhatTheImagingComponentKnowsAndKeepsTheBytes)
{
    StartGraphicUnits();
    TBitmap source(3, 2);
    source.Canvas()->Brush()->SetColor(clRed);
    source.Canvas()->FillRect(Rect(0, 0, 3, 2));
    TPngImage png;
    png.Assign(&source);
    TMemoryStream pngStream;
    png.SaveToStream(pngStream);

    const std::vector<Byte> tiff = BuildRgbTiff(4, 0, 255, 0);
    struct Case {
        std::vector<Byte> data;
        TWICImageFormat format;
        int width;
        TColor color;
    };
    const Case cases[] = {
        {std::vector<Byte>(static_cast<const Byte*>(pngStream.Memory()),
                           static_cast<const Byte*>(pngStream.Memory()) + pngStream.Size()),
         wifPng, 3, clRed},
        {tiff, wifTiff, 4, clLime},
    };
    for (const Case& c : cases) {
        TBytesStream stream(c.data);
        TWICImage image;
        image.LoadFromStream(stream);
        EXPECT_EQ(image.ImageFormat(), c.format);
        EXPECT_EQ(image.Width(), c.width);
        TBitmap back;
        back.Assign(&image);
        EXPECT_EQ(back.Canvas()->Pixels(0, 0), c.color) << c.format;
        TMemoryStream saved;
        image.SaveToStream(saved);
        EXPECT_EQ(saved.Size(), static_cast<Int64>(c.data.size()));
    }

    TBytesStream tiffStream(tiff);
    TPicture picture;
    picture.LoadFromStream(tiffStream);
    EXPECT_EQ(picture.Graphic()->ClassName(), u"TWICImage");

    std::vector<Byte> junk(64, 0x42);
    TBytesStream junkStream(junk);
    TWICImage image;
    EXPECT_THROW(image.LoadFromStream(junkStream), EInvalidGraphic);
}
