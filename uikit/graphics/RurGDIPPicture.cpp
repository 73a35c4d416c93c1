#include "RurGDIPPicture.h"

#include "RurUtils.h"

namespace RurGDIP {

template <class F>
void TRurGDIPPicture::LoadData(TStream& Stream, F&& ALoadSVG)
{
    FData.Clear();
    if (TGDIPRasterData::IsRaster(Stream)) {
        DropSVG();
        FData.LoadFrom(Stream);
    } else {
        ALoadSVG();
    }
    FEmpty = false;
}

void TRurGDIPPicture::MakeEmpty()
{
    FData.Clear();
    DropSVG();
    FEmpty = true;
    FWidth = FHeight = 0;
}

void TRurGDIPPicture::LoadFromStream(TStream& Stream)
{
    LoadData(Stream, [&] { TRurSVGBitmap::LoadFromStream(Stream); });
    GetImageSizes();
    Changed(this);
}

void TRurGDIPPicture::ReadData(TStream& Stream)
{
    LoadData(Stream, [&] { TRurSVGBitmap::ReadData(Stream); });
}

void TRurGDIPPicture::SaveToStream(TStream& Stream)
{
    if (HasSVG())
        TRurSVGBitmap::SaveToStream(Stream);
    else
        FData.SaveTo(Stream);
}

void TRurGDIPPicture::WriteData(TStream& Stream)
{
    if (HasSVG())
        TRurSVGBitmap::WriteData(Stream);
    else
        FData.SaveTo(Stream);
}

void TRurGDIPPicture::LoadFromFile(const String& Filename)
{
    TMemoryStream file;
    file.LoadFromFile(Filename);
    LoadFromStream(file);
}

void TRurGDIPPicture::LoadFromResourceName(NativeUInt Instance, const String& Name)
{
    if (std::unique_ptr<TResourceStream> stream = TRurUtils::GetResourceStream(Name, Instance))
        LoadFromStream(*stream);
}

void TRurGDIPPicture::Assign(const TPersistent* Source)
{
    if (Source == this)
        return;
    if (!Source) {
        MakeEmpty();
        Changed(this);
        return;
    }
    if (const auto* picture = dynamic_cast<const TRurGDIPPicture*>(Source)) {
        MakeEmpty();
        if (picture->HasSVG())
            TRurSVGBitmap::Assign(picture);
        else
            FData.CopyFrom(picture->FData);
        FEmpty = picture->FEmpty;
        GetImageSizes();
        Changed(this);
        return;
    }
    TMemoryStream data;
    if (const auto* holder = dynamic_cast<const TPicture*>(Source)) {
        if (holder->Graphic())
            holder->Graphic()->SaveToStream(data);
    } else if (auto* graphic = dynamic_cast<TGraphic*>(const_cast<TPersistent*>(Source))) {
        graphic->SaveToStream(data);
    } else {
        TRurSVGBitmap::Assign(Source);
        return;
    }
    if (data.Size() == 0) {
        MakeEmpty();
        Changed(this);
        return;
    }
    LoadFromStream(data);
}

bool TRurGDIPPicture::GetImageSizes()
{
    if (HasSVG())
        return true;
    if (FEmpty || FData.Size() == 0)
        return false;
    const std::unique_ptr<TGPImage> image = FData.Decode();
    FWidth = int(image->GetWidth());
    FHeight = int(image->GetHeight());
    return true;
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
    const TGPRectF rect = MakeRectF(float(ARect.Left), float(ARect.Top), float(ARect.Width()), float(ARect.Height()));
    if (!HasSVG()) {
        FData.Draw(AGraphics, rect, true);
        return;
    }
    TGPGraphicsCanvas canvas(AGraphics);
    TRurSVGBitmap::Draw(canvas.Canvas(), ARect);
}

void TRurGDIPPicture::FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath)
{
    if (!Empty())
        FData.FillPath(AGraphics, APath);
}

void TRurGDIPPicture::FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect)
{
    if (!Empty())
        FData.FillRect(AGraphics, ARect);
}

} // namespace RurGDIP
