#include "RurGDIPRaster.h"

#include "RurImageStream.h"
#include "RurUtils.h"

namespace RurGDIP {

bool TRurRasterPicture::IsRaster(TStream& AStream) { return !TRurUtils::GetImageType(AStream, true).empty(); }

void TRurRasterPicture::LoadFromStream(TStream& Stream)
{
    LoadData(Stream, [&] { TRurSVGBitmap::LoadFromStream(Stream); });
    GetImageSizes();
    Changed(this);
}

void TRurRasterPicture::ReadData(TStream& Stream)
{
    LoadData(Stream, [&] { TRurSVGBitmap::ReadData(Stream); });
}

void TRurRasterPicture::SaveToStream(TStream& Stream)
{
    if (HasSVG())
        TRurSVGBitmap::SaveToStream(Stream);
    else
        FBytes.SaveToStream(Stream);
}

void TRurRasterPicture::WriteData(TStream& Stream)
{
    if (HasSVG())
        TRurSVGBitmap::WriteData(Stream);
    else
        FBytes.SaveToStream(Stream);
}

void TRurRasterPicture::LoadFromResourceName(NativeUInt Instance, const String& Name)
{
    if (std::unique_ptr<TResourceStream> stream = TRurUtils::GetResourceStream(Name, Instance))
        LoadFromStream(*stream);
}

void TRurRasterPicture::ClearContent()
{
    FBytes.Clear();
    DropSVG();
    FWidth = FHeight = 0;
}

void TRurRasterPicture::CopyContent(const TRurRasterPicture& ASource)
{
    ClearContent();
    if (ASource.HasSVG())
        TRurSVGBitmap::Assign(&ASource);
    else
        ASource.FBytes.SaveToStream(FBytes);
}

bool TRurRasterPicture::GraphicData(const TPersistent* ASource, TMemoryStream& AData)
{
    if (const auto* holder = dynamic_cast<const TPicture*>(ASource)) {
        if (holder->Graphic())
            holder->Graphic()->SaveToStream(AData);
        return true;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(const_cast<TPersistent*>(ASource))) {
        graphic->SaveToStream(AData);
        return true;
    }
    return false;
}

bool TRurRasterPicture::GetImageSizes()
{
    if (HasSVG())
        return true;
    if (FEmpty)
        return false;
    if (const std::unique_ptr<TGPImage> image = Decode()) {
        FWidth = int(image->GetWidth());
        FHeight = int(image->GetHeight());
    } else {
        FWidth = FHeight = 0;
    }
    return true;
}

std::unique_ptr<TGPImage> TRurRasterPicture::Decode() const
{
    if (FBytes.Size() == 0)
        return nullptr;
    TRurImageStream stream = CreateImageStream(FBytes.Memory(), static_cast<size_t>(FBytes.Size()));
    return std::make_unique<TGPImage>(stream.get());
}

void TRurRasterPicture::DrawRaster(TGPGraphics& AGraphics, const TGPRectF& ARect, bool AKeyBMP) const
{
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image)
        return;
    if (!AKeyBMP || image->GetFormat() != ifBMP) {
        AGraphics.DrawImage(image.get(), ARect);
        return;
    }
    // The bottom-left pixel's colour is the bitmap's transparent colour.
    TRurImageStream stream = CreateImageStream(FBytes.Memory(), static_cast<size_t>(FBytes.Size()));
    TGPBitmap bitmap(stream.get());
    const float width = float(bitmap.GetWidth()), height = float(bitmap.GetHeight());
    ARGB key = 0;
    bitmap.GetPixel(0, int(height) - 1, key);
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    AGraphics.DrawImage(&bitmap, ARect, 0, 0, width, height, UnitPixel, &attributes);
}

bool TRurRasterPicture::DrawBitmapOnCanvas(TCanvas& ACanvas, const TRect& ARect, bool ATransparent) const
{
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image || image->GetFormat() != ifBMP)
        return false;
    TBitmap bitmap;
    FBytes.SetPosition(0);
    bitmap.LoadFromStream(FBytes);
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(ATransparent);
    ACanvas.StretchDraw(ARect, &bitmap);
    return true;
}

void TRurRasterPicture::FillRaster(TGPGraphics& AGraphics, const TGPGraphicsPath* APath, const TGPRectF& ARect) const
{
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image)
        return;
    TGPTextureBrush brush(image.get(), WrapModeTile);
    if (APath)
        AGraphics.FillPath(&brush, APath);
    else
        AGraphics.FillRectangle(&brush, ARect);
}

} // namespace RurGDIP
