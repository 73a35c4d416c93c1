// JPEG pictures: compression in the imaging codecs, drawing and streaming here.
#include "Jpeg.h"

#include "GraphicErrors.h"
#include "JpegCodec.h"
#include "PixelBitmap.h"
#include "ReadStream.h"

bool TJPEGImage::CanLoadFromStream(TStream& stream)
{
    Byte head[3] = {};
    return stream.Read(head, 3) == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
}

void TJPEGImage::Assign(const TPersistent* source)
{
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        FCompressionQuality = jpeg->FCompressionQuality;
        FNeedsCompression = jpeg->FNeedsCompression;
        CopyDecoded(*jpeg);
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        auto image = std::make_unique<TBitmap>();
        image->Assign(bitmap);
        image->SetAlphaFormat(afIgnored); // JPEG has no alpha
        image->SetPixelFormat(pf24bit);
        FNeedsCompression = true;
        SetDecoded({}, std::move(image));
    } else if (!source) {
        FNeedsCompression = false;
        ClearDecoded();
    } else {
        TGraphic::Assign(source);
    }
}

void TJPEGImage::Compress()
{
    if (!FNeedsCompression || Empty())
        return;
    FNeedsCompression = false;
    auto image = std::make_unique<TBitmap>();
    image->Assign(Image());
    std::vector<Byte> data = EncodeJpeg(PixelImageOfBitmap(*image), FCompressionQuality);
    SetDecoded(std::move(data), std::move(image));
}

void TJPEGImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRestOfStream(stream);
    const TPixelImage image = DecodeJpeg(data);
    FNeedsCompression = false;
    SetDecoded(std::move(data), image);
}

void TJPEGImage::SaveToStream(TStream& stream)
{
    Compress();
    TDecodedGraphic::SaveToStream(stream);
}

void TJPEGImage::ReadData(TStream& stream)
{
    std::int32_t size = 0;
    stream.ReadBufferData(size);
    if (size < 0 || size > stream.Size() - stream.Position())
        RaiseInvalidGraphic("JPEG", "data size beyond the end of the stream");
    if (size == 0) {
        Assign(nullptr);
        return;
    }
    TMemoryStream data;
    data.CopyFrom(stream, size);
    data.SetPosition(0);
    LoadFromStream(data);
}

void TJPEGImage::WriteData(TStream& stream)
{
    TMemoryStream data;
    SaveToStream(data);
    stream.WriteBufferData(static_cast<std::int32_t>(data.Size()));
    data.SaveToStream(stream);
}

void InitializeJpegUnit()
{
    for (const char16_t* extension : {u"jfif", u"jpe", u"jpeg", u"jpg"})
        TPicture::RegisterFileFormat<TJPEGImage>(extension, u"JPEG Image File");
    RegisterClass(TJPEGImage::StaticClass());
}

void FinalizeJpegUnit()
{
    TPicture::UnregisterGraphicClass(TJPEGImage::StaticClass());
    UnRegisterClass(TJPEGImage::StaticClass());
}
