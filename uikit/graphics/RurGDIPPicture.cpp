#include "RurGDIPPicture.h"

#include "RurGDIP_ImageHeaders.h"
#include "RurImageStream.h"
#include "SysUtils.h"

namespace RurGDIP {

TAVIN_PUBLISHED(TRurGDIPPicture)
{
    TAVIN_PROPERTY(TNotifyEvent, OnClear);
}

void TRurGDIPPicture::LoadFromStream(TStream& Stream)
{
    if (Stream.Size() > 0)
        TRurRasterPicture::LoadFromStream(Stream);
}

void TRurGDIPPicture::ReadData(TStream& Stream)
{
    TRurRasterPicture::ReadData(Stream);
    GetImageSizes();
}

void TRurGDIPPicture::LoadFromFile(const String& Filename)
{
    LoadFileQuietly(Filename, [&] {
        FOnClear(this);
        GetImageSizesFromFileName(Filename);
    });
}

void TRurGDIPPicture::Assign(const TPersistent* Source)
{
    if (Source == this)
        return;
    if (const auto* picture = dynamic_cast<const TRurGDIPPicture*>(Source)) {
        CopyContent(*picture);
        FEmpty = picture->FEmpty;
        GetImageSizes();
        Changed(this);
        return;
    }
    TMemoryStream data;
    if (Source && !GraphicData(Source, data)) {
        TRurSVGBitmap::Assign(Source);
        return;
    }
    if (data.Size() > 0) {
        LoadFromStream(data);
        return;
    }
    ClearContent();
    FEmpty = true;
    Changed(this);
    if (!Source)
        FOnClear(this);
}

void TRurGDIPPicture::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (HasSVG()) {
        TRurSVGBitmap::Draw(ACanvas, Rect);
        return;
    }
    if (!FEmpty && !DrawBitmapOnCanvas(ACanvas, Rect, true, false))
        DrawImageOnCanvas(ACanvas, Rect);
}

void TRurGDIPPicture::GDIPDraw(TGPGraphics& AGraphics, const TRect& ARect)
{
    DrawContent(AGraphics, MakeRectF(float(ARect.Left), float(ARect.Top), float(ARect.Width()), float(ARect.Height())));
}

void TRurGDIPPicture::GDIPDraw(TGPGraphics& AGraphics, const TGPRectF& ARect)
{
    if (FDrawing)
        return;
    FDrawing = true;
    try {
        DrawContent(AGraphics, ARect);
    } catch (...) {
        FDrawing = false;
        throw;
    }
    FDrawing = false;
}

void TRurGDIPPicture::DrawContent(TGPGraphics& AGraphics, const TGPRectF& ARect)
{
    if (HasSVG()) {
        DrawSVG(AGraphics, ARect.X, ARect.Y, ARect.Width, ARect.Height);
        return;
    }
    if (FEmpty)
        return;
    const std::unique_ptr<TGPImage> image = Decode();
    if (!image)
        return;
    FHasAlpha = image->HasAlphaChannel();
    FHasPalette = image->HasPalette();
    FPixelDepth = image->GetPixelDepth();
    FPixelFormat = int(image->GetPixelFormat());
    FWidth = int(image->GetWidth());
    FHeight = int(image->GetHeight());
    if (image->GetFormat() != ifBMP || !Transparent()) {
        AGraphics.DrawImageRect(image.get(), ARect);
        return;
    }
    const ARGB key = BitmapKey();
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    AGraphics.DrawImage(image.get(), ARect, 0, 0, float(FWidth), float(FHeight), UnitPixel, &attributes);
}

ARGB TRurGDIPPicture::BitmapKey()
{
    if (FTransparentMode == tmFixed)
        return MakeColor(255, FTransparentColor);
    TRurImageStream stream = CreateImageStream(RasterBytes(), static_cast<size_t>(RasterSize()));
    TGPBitmap bitmap(stream.get());
    ARGB key = 0;
    bitmap.GetPixel(0, int(bitmap.GetHeight()) - 1, key);
    return key;
}

void TRurGDIPPicture::FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath)
{
    if (!Empty())
        FillRaster(AGraphics, &APath, TGPRectF{});
}

void TRurGDIPPicture::FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect)
{
    if (!Empty())
        FillRaster(AGraphics, nullptr, ARect);
}

bool TRurGDIPPicture::GetImageSizesFromFileName(const String& FileName)
{
    if (HasSVG())
        return true;
    if (FEmpty || RasterSize() == 0)
        return false;
    TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
    const TRurImageHeaderSize size = ReadImageHeaderSize(file, ExtractFileExt(FileName));
    FWidth = size.Width;
    FHeight = size.Height;
    return false;
}

} // namespace RurGDIP
