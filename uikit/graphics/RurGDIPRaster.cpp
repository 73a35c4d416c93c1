#include "RurGDIPRaster.h"

#include "RurImageStream.h"
#include "RurUtils.h"
#include "SysUtils.h"

namespace RurGDIP {

void TRurRasterPicture::LoadFromStream(TStream& Stream)
{
    Stream.SetPosition(0);
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
    // Without raster bytes the SVG form is written, a count of 0 for an empty picture, so that
    // reading it back finds what it expects.
    if (FBytes.Size() > 0)
        FBytes.SaveToStream(Stream);
    else
        TRurSVGBitmap::WriteData(Stream);
}

void TRurRasterPicture::LoadFromResourceName(NativeUInt Instance, const String& Name)
{
    if (std::unique_ptr<TResourceStream> stream = TRurUtils::GetResourceStream(Name, Instance))
        LoadFromStream(*stream);
}

void TRurRasterPicture::LoadFromResourceID(NativeUInt Instance, int ResID)
{
    TResourceStream stream(Instance, ResID, reinterpret_cast<const Char*>(RT_RCDATA));
    LoadFromStream(stream);
}

bool TRurRasterPicture::LoadFromLocalURL(const String& url)
{
    const String upper = UpperCase(url.substr(0, 7));
    if (upper.starts_with(u"RES://")) {
        if (url.size() > 6)
            LoadFromResourceName(TRurUtils::GetHInstance(), url.substr(6));
        return true;
    }
    if (upper.starts_with(u"FILE://")) {
        if (url.size() > 7)
            LoadFromFile(url.substr(7));
        return true;
    }
    return false;
}

void TRurRasterPicture::DrawSVG(TGPGraphics& AGraphics, float X, float Y, float W, float H)
{
    if (!HasSVG())
        return;
    TGPGraphicsCanvas canvas(AGraphics);
    SVG()->Draw(&canvas.Canvas(), TRectF{X, Y, X + W, Y + H}, true);
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

void TRurRasterPicture::DrawImageOnCanvas(TCanvas& ACanvas, const TRect& ARect, int AAngle)
{
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image)
        return;
    FWidth = int(image->GetWidth());
    FHeight = int(image->GetHeight());
    TGPGraphics graphics(ACanvas.Handle());
    if (AAngle != 0) {
        const float cx = float(ARect.Left) + float(FWidth) / 2;
        const float cy = float(ARect.Top) + float(FHeight) / 2;
        graphics.TranslateTransform(cx, cy);
        graphics.RotateTransform(float(AAngle));
        graphics.TranslateTransform(-cx, -cy);
    }
    graphics.DrawImageRect(image.get(), ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
}

bool TRurRasterPicture::DrawBitmapOnCanvas(TCanvas& ACanvas, const TRect& ARect, bool ATransparent, bool AStretch) const
{
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image || image->GetFormat() != ifBMP)
        return false;
    TBitmap bitmap;
    FBytes.SetPosition(0);
    bitmap.LoadFromStream(FBytes);
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(ATransparent);
    if (AStretch)
        ACanvas.StretchDraw(ARect, &bitmap);
    else
        ACanvas.Draw(ARect.Left, ARect.Top, &bitmap);
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
