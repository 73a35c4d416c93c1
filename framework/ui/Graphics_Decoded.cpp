// Graphics kept as their file's bytes plus the decoded picture.
#include "Graphics.h"
#include "PixelBitmap.h"

void TDecodedGraphic::Draw(TCanvas& canvas, const TRect& r)
{
    if (FImage)
        FImage->Draw(canvas, r);
}

void TDecodedGraphic::SaveToStream(TStream& stream)
{
    stream.WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
}

int TDecodedGraphic::GetWidth() const
{
    return FImage ? FImage->Width() : 0;
}

int TDecodedGraphic::GetHeight() const
{
    return FImage ? FImage->Height() : 0;
}

bool TDecodedGraphic::GetTransparent() const
{
    return FImage && FImage->AlphaFormat() != afIgnored;
}

void TDecodedGraphic::AssignTo(TPersistent* dest) const
{
    if (dynamic_cast<TBitmap*>(dest))
        dest->Assign(FImage.get());
    else
        TGraphic::AssignTo(dest);
}

void TDecodedGraphic::SetDecoded(std::vector<Byte> data, const TPixelImage& image)
{
    auto bitmap = std::make_unique<TBitmap>();
    AssignPixelImage(*bitmap, image);
    if (image.HasAlpha())
        bitmap->SetAlphaFormat(afPremultiplied);
    SetDecoded(std::move(data), std::move(bitmap));
}

void TDecodedGraphic::SetDecoded(std::vector<Byte> data, std::unique_ptr<TBitmap> image)
{
    FData = std::move(data);
    FImage = std::move(image);
    Changed(this);
}

void TDecodedGraphic::CopyDecoded(const TDecodedGraphic& source)
{
    if (&source == this)
        return;
    std::unique_ptr<TBitmap> image;
    if (source.FImage) {
        image = std::make_unique<TBitmap>();
        image->Assign(source.FImage.get());
    }
    SetDecoded(source.FData, std::move(image));
}

void TDecodedGraphic::ClearDecoded()
{
    SetDecoded({}, std::unique_ptr<TBitmap>());
}
