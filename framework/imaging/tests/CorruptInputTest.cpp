// Damaged files of every format through the content-detecting decoder: each must either decode or
// raise EInvalidGraphic, never crash or read outside its buffer (the native tree runs this under ASan).
#include <gtest/gtest.h>

#include "BmpCodec.h"
#include "GraphicErrors.h"
#include "JpegCodec.h"
#include "PictureDecoder.h"
#include "PngCodec.h"
#include "TestPictures.h"

namespace {

void ExpectDecodesOrRejects(const std::vector<Byte>& data, const std::string& what)
{
    // An exactly-sized copy, so that reading one byte too far is an ASan error.
    const std::unique_ptr<Byte[]> copy(new Byte[data.size()]);
    std::copy(data.begin(), data.end(), copy.get());
    try {
        DecodePicture(std::span<const Byte>(copy.get(), data.size()));
    } catch (const EInvalidGraphic&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << ": unexpected " << e.what();
    }
}

std::vector<std::pair<std::string, std::vector<Byte>>> Samples()
{
    const TPixelImage image = MakePatternImage(12, 7, true);
    TTestGif gif{0, 0, 0, 0, 9, 6, 3, false, true, 1};
    gif.Indices.resize(54);
    for (std::size_t i = 0; i < gif.Indices.size(); ++i)
        gif.Indices[i] = static_cast<Byte>(i % 8);
    TTestPng interlaced{7, 5, 2, 3, true};
    interlaced.Samples.assign(35, 3);
    interlaced.Palette.assign(12, 9);
    interlaced.Transparency = std::vector<Byte>{0, 255};
    return {
        {"png", EncodePng(image)},
        {"interlaced palette png", BuildPng(interlaced)},
        {"jpeg", EncodeJpeg(image, 70)},
        {"gif", BuildGif(gif)},
        {"bmp 4", EncodeBmp(MakePatternImage(5, 3, false), 4)},
        {"bmp 32", EncodeBmp(image, 32)},
        {"icon", BuildIcon({{12, 7, 24, BuildDibIconBody(image, 24, [](int x, int) { return x < 3; })},
                            {12, 7, 32, EncodePng(image)}})},
    };
}

} // namespace

TEST(CorruptInput, EveryTruncationDecodesOrRaisesInvalidGraphic)
{
    for (const auto& [name, data] : Samples())
        for (std::size_t n = 0; n < data.size(); ++n)
            ExpectDecodesOrRejects({data.begin(), data.begin() + n}, name + " cut at " + std::to_string(n));
}

TEST(CorruptInput, EveryByteFlipDecodesOrRaisesInvalidGraphic)
{
    for (const auto& [name, data] : Samples())
        for (std::size_t at = 0; at < data.size(); ++at)
            for (Byte value : {Byte(0x00), Byte(0xFF), static_cast<Byte>(data[at] ^ 0x80)}) {
                std::vector<Byte> bad = data;
                bad[at] = value;
                ExpectDecodesOrRejects(bad, name + " byte " + std::to_string(at));
            }
}
