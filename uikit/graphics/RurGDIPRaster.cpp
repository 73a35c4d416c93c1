#include "RurGDIPRaster.h"

#include "RurImageStream.h"
#include "RurUtils.h"

namespace RurGDIP {

bool TGDIPRasterData::IsRaster(TStream& AStream) { return !TRurUtils::GetImageType(AStream, true).empty(); }

void TGDIPRasterData::LoadFrom(TStream& AStream)
{
    FBytes.Clear();
    AStream.SetPosition(0);
    FBytes.CopyFrom(AStream, 0);
}

void TGDIPRasterData::CopyFrom(const TGDIPRasterData& ASource)
{
    if (&ASource == this)
        return;
    FBytes.Clear();
    ASource.FBytes.SaveToStream(FBytes);
}

void TGDIPRasterData::SaveTo(TStream& AStream) const { FBytes.SaveToStream(AStream); }

std::unique_ptr<TGPImage> TGDIPRasterData::Decode() const
{
    if (FBytes.Size() == 0)
        return nullptr;
    TRurImageStream stream = CreateImageStream(FBytes.Memory(), static_cast<size_t>(FBytes.Size()));
    return std::make_unique<TGPImage>(stream.get());
}

void TGDIPRasterData::Draw(TGPGraphics& AGraphics, const TGPRectF& ARect, bool AKeyBMP) const
{
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image)
        return;
    const float width = float(image->GetWidth());
    const float height = float(image->GetHeight());
    if (!AKeyBMP || image->GetFormat() != ifBMP) {
        AGraphics.DrawImage(image.get(), ARect);
        return;
    }
    // The bottom-left pixel's colour is the bitmap's transparent colour.
    TRurImageStream stream = CreateImageStream(FBytes.Memory(), static_cast<size_t>(FBytes.Size()));
    TGPBitmap bitmap(stream.get());
    ARGB key = 0;
    bitmap.GetPixel(0, int(height) - 1, key);
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    AGraphics.DrawImage(&bitmap, ARect, 0, 0, width, height, UnitPixel, &attributes);
}

void TGDIPRasterData::FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath) const
{
    if (const std::unique_ptr<TGPImage> image = Decode()) {
        TGPTextureBrush brush(image.get(), WrapModeTile);
        AGraphics.FillPath(&brush, &APath);
    }
}

void TGDIPRasterData::FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect) const
{
    if (const std::unique_ptr<TGPImage> image = Decode()) {
        TGPTextureBrush brush(image.get(), WrapModeTile);
        AGraphics.FillRectangle(&brush, ARect);
    }
}

} // namespace RurGDIP
