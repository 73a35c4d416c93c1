#include "RurGDIPPicture.h"

namespace RurGDIP {

void TRurGDIPPicture::LoadFromFile(const String& Filename)
{
    TMemoryStream file;
    file.LoadFromFile(Filename);
    LoadFromStream(file);
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
}

void TRurGDIPPicture::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (HasSVG()) {
        TRurSVGBitmap::Draw(ACanvas, Rect);
        return;
    }
    TGPGraphics graphics(ACanvas.Handle());
    GDIPDraw(graphics, Rect);
}

void TRurGDIPPicture::GDIPDraw(TGPGraphics& AGraphics, const TRect& ARect)
{
    if (Empty())
        return;
    if (!HasSVG()) {
        DrawRaster(AGraphics, MakeRectF(float(ARect.Left), float(ARect.Top), float(ARect.Width()), float(ARect.Height())),
                   true);
        return;
    }
    TGPGraphicsCanvas canvas(AGraphics);
    TRurSVGBitmap::Draw(canvas.Canvas(), ARect);
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

} // namespace RurGDIP
