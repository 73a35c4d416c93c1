// Every picture decoder behind content detection: any input must decode or raise EInvalidGraphic.
// What decodes must also keep its promises: no alpha means every pixel is opaque, and small pictures
// come back unchanged through our PNG writer and reader and through a BMP of their source depth.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "BmpCodec.h"
#include "GraphicErrors.h"
#include "PictureDecoder.h"
#include "PngCodec.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool Opaque(const TPixelImage& image)
{
    for (const TBGRA& c : image.Pixels())
        if (c.A != 255)
            return false;
    return true;
}

void CheckBmpRoundTrip(const TPixelImage& image)
{
    const int bits = image.SourceBitsPerPixel();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return;
    std::vector<Byte> bmp;
    try {
        bmp = EncodeBmp(image, bits);
    } catch (const EInvalidGraphic&) {
        return; // more colours than the depth holds
    }
    const TPixelImage back = DecodeBmp(bmp);
    Require(back.Width() == image.Width() && back.Height() == image.Height());
    if (bits >= 24 && !image.HasAlpha())
        Require(back.Pixels() == image.Pixels());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::optional<TPixelImage> image;
    try {
        image = DecodePicture({data, size});
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    Require(image->HasAlpha() || Opaque(*image));
    if (static_cast<Int64>(image->Width()) * image->Height() <= 4096) {
        Require(DecodePng(EncodePng(*image)).Pixels() == image->Pixels());
        CheckBmpRoundTrip(*image);
    }
    return 0;
}
