// Picture sizes read from file headers: each format's header, the extension choosing the reader,
// and short or malformed headers giving 0 x 0.
#include <gtest/gtest.h>

#include <string>

#include "RurGDIP_ImageHeaders.h"

namespace {

std::string Bytes(std::initializer_list<int> AValues)
{
    std::string s;
    for (int v : AValues)
        s += char(v);
    return s;
}

std::string Zeros(size_t ACount) { return std::string(ACount, '\0'); }

// A 300 x 200 picture in each format.
const std::string JPEG = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x11, 0x22, 0xFF, 0xFF, 0xD0, 0xFF, 0xC0,
                                0x00, 0x11, 0x08, 0x00, 0xC8, 0x01, 0x2C});
const std::string PNG = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0,
                               0x01, 0x2C, 0, 0, 0x00, 0xC8});
const std::string BMP = "BM" + Zeros(16) + Bytes({0x2C, 0x01, 0, 0, 0xC8, 0, 0, 0});
// Little-endian, the directory at 8: three entries, the height given as a negative number.
const std::string TIFF = Bytes({'I', 'I', 42, 0, 8, 0, 0, 0, 3, 0}) + Bytes({1, 1, 3, 0, 1, 0, 0, 0, 9, 0, 0, 0}) +
                         Bytes({1, 1, 4, 0, 1, 0, 0, 0, 0x38, 0xFF, 0xFF, 0xFF}) +
                         Bytes({0, 1, 4, 0, 1, 0, 0, 0, 0x2C, 0x01, 0, 0});
// A global colour table of two colours, a comment extension, then the image descriptor.
const std::string GIF = "GIF89a" + Bytes({0x2C, 0x01, 0xC8, 0, 0x80, 0, 0}) + Zeros(6) +
                        Bytes({0x21, 0xFE, 1, 'x', 0, 0x2C, 0, 0, 0, 0, 0x2C, 0x01, 0xC8, 0, 0, 0});

TRurImageHeaderSize Read(const std::string& AData, const String& AExtension)
{
    TMemoryStream stream;
    stream.WriteBuffer(AData.data(), Int64(AData.size()));
    stream.SetPosition(0);
    return ReadImageHeaderSize(stream, AExtension);
}

} // namespace

TEST(RurGDIPImageHeaders, EachFormatByItsExtension)
{
    const struct {
        const std::string& data;
        const char16_t* extension;
    } cases[] = {{JPEG, u".jpg"}, {JPEG, u".JPEG"}, {PNG, u".png"}, {BMP, u".Bmp"},
                 {TIFF, u".tif"}, {TIFF, u".TIFF"}, {GIF, u".gif"}};
    for (const auto& c : cases) {
        const TRurImageHeaderSize size = Read(c.data, c.extension);
        EXPECT_EQ(size.Width, 300) << ToUtf8(c.extension);
        EXPECT_EQ(size.Height, 200) << ToUtf8(c.extension);
    }
    // Another extension, or a reader given another format, finds no size.
    for (const auto& [data, extension] : {std::pair{PNG, u".ico"}, {PNG, u".jpg"}, {JPEG, u".gif"}, {GIF, u".bmp"}}) {
        const TRurImageHeaderSize size = Read(data, extension);
        EXPECT_EQ(size.Width, 0) << ToUtf8(extension);
        EXPECT_EQ(size.Height, 0);
    }
}

TEST(RurGDIPImageHeaders, CutOrBrokenHeadersHaveNoSize)
{
    for (const auto& [data, extension] : {std::pair{JPEG, u".jpg"}, {PNG, u".png"}, {BMP, u".bmp"}, {TIFF, u".tif"},
                                          {GIF, u".gif"}})
        for (size_t length = 0; length < data.size(); ++length)
            EXPECT_EQ(Read(data.substr(0, length), extension).Width, 0) << ToUtf8(extension) << " " << length;
    // A directory far past the end of a TIFF.
    EXPECT_EQ(Read(Bytes({'I', 'I', 42, 0, 0xFF, 0xFF, 0xFF, 0xFF}), u".tif").Width, 0);
}
