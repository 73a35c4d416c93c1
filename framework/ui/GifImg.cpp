// GIF pictures: the first frame decoded by the imaging codecs, the file kept for saving.
#include "GifImg.h"

#include "GifDecoder.h"
#include "ReadStream.h"

bool TGIFImage::CanLoadFromStream(TStream& stream)
{
    Byte head[3] = {};
    return stream.Read(head, 3) == 3 && head[0] == 'G' && head[1] == 'I' && head[2] == 'F';
}

void TGIFImage::Assign(const TPersistent* source)
{
    if (auto* gif = dynamic_cast<const TGIFImage*>(source))
        CopyDecoded(*gif);
    else if (!source)
        ClearDecoded();
    else
        TGraphic::Assign(source);
}

void TGIFImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRestOfStream(stream);
    const TPixelImage image = DecodeGif(data);
    SetDecoded(std::move(data), image);
}

void InitializeGifImgUnit()
{
    TPicture::RegisterFileFormat<TGIFImage>(u"gif", u"GIF Image");
    RegisterClass(TGIFImage::StaticClass());
}

void FinalizeGifImgUnit()
{
    TPicture::UnregisterGraphicClass(TGIFImage::StaticClass());
    UnRegisterClass(TGIFImage::StaticClass());
}
