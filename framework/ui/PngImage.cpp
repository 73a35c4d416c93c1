// PNG pictures: decoding and encoding in the imaging codecs, drawing and streaming here.
#include "PngImage.h"

#include <algorithm>

#include "PixelBitmap.h"
#include "PngCodec.h"
#include "ReadStream.h"

bool TPngImage::CanLoadFromStream(TStream& stream)
{
    static constexpr Byte Signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Byte head[8] = {};
    return stream.Read(head, 8) == 8 && std::equal(std::begin(head), std::end(head), Signature);
}

void TPngImage::Assign(const TPersistent* source)
{
    if (auto* png = dynamic_cast<const TPngImage*>(source)) {
        CopyDecoded(*png);
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        TBitmap straight;
        straight.Assign(bitmap);
        if (straight.AlphaFormat() == afPremultiplied)
            straight.SetAlphaFormat(afDefined);
        const TPixelImage image = PixelImageOfBitmap(straight);
        SetDecoded(EncodePng(image), image);
    } else if (!source) {
        ClearDecoded();
    } else {
        TGraphic::Assign(source);
    }
}

void TPngImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRestOfStream(stream);
    const TPixelImage image = DecodePng(data);
    SetDecoded(std::move(data), image);
}

void InitializePngImageUnit()
{
    TPicture::RegisterFileFormat<TPngImage>(u"png", u"Portable Network Graphics");
    RegisterClass(TPngImage::StaticClass());
}

void FinalizePngImageUnit()
{
    TPicture::UnregisterGraphicClass(TPngImage::StaticClass());
    UnRegisterClass(TPngImage::StaticClass());
}
