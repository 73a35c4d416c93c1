// The GDI+ picture: image bytes decoded by GDI+ at each use, or an SVG document.
#include "RurGDIP.h"
#include "RurGDIP_ImageHeaders.h"
#include "RurUtils.h"
#include "SysUtils.h"

using namespace RurGDIP;

struct TRurGDIPPicture::TDecoded {
    TRurImageStream Stream;
    std::unique_ptr<TGPImage> Image;
};

TAVIN_PUBLISHED(TRurGDIPPicture)
{
    TAVIN_PROPERTY(TNotifyEvent, OnClear);
}

TRurGDIPPicture::TRurGDIPPicture() = default;

std::unique_ptr<TRurGDIPPicture::TDecoded> TRurGDIPPicture::Decode() const
{
    if (FIsEmpty || FDatastream.Size() == 0)
        return nullptr;
    auto decoded = std::make_unique<TDecoded>();
    decoded->Stream = CreateImageStream(FDatastream.Memory(), static_cast<size_t>(FDatastream.Size()));
    decoded->Image = std::make_unique<TGPImage>(decoded->Stream.get());
    if (decoded->Image->LastStatus() != Ok)
        return nullptr;
    return decoded;
}

void TRurGDIPPicture::Cleared()
{
    if (FOnClear)
        FOnClear(this);
}

template <class F>
void TRurGDIPPicture::TakeData(TStream& Stream, F&& ALoadSVG)
{
    FWidth = 0;
    FHeight = 0;
    if (!TakeImageBytes(Stream, FDatastream))
        ALoadSVG();
    // Without image bytes the picture is as empty as its document.
    FIsEmpty = FDatastream.Size() == 0;
    GetImageSizes();
}

void TRurGDIPPicture::Assign(const TPersistent* Source)
{
    FIsEmpty = true;
    if (!Source) {
        FDatastream.Clear();
        DropSVG();
        Changed(this);
        Cleared();
        return;
    }
    const auto* holder = dynamic_cast<const TPicture*>(Source);
    const TGraphic* graphic = holder ? holder->Graphic() : dynamic_cast<const TGraphic*>(Source);
    if (!graphic && !holder)
        return;
    FDatastream.Clear();
    const auto* svg = dynamic_cast<const TRurSVGBitmap*>(graphic);
    const auto* picture = dynamic_cast<const TRurGDIPPicture*>(graphic);
    if (svg && svg->HasSVG()) {
        TRurSVGBitmap::Assign(svg);
    } else {
        DropSVG();
        if (picture)
            picture->FDatastream.SaveToStream(FDatastream);
        else if (graphic)
            const_cast<TGraphic*>(graphic)->SaveToStream(FDatastream);
        FIsEmpty = FDatastream.Size() == 0;
        Changed(this);
    }
    GetImageSizes();
}

void TRurGDIPPicture::LoadFromStream(TStream& Stream)
{
    if (Stream.Size() == 0)
        return;
    Stream.SetPosition(0);
    TakeData(Stream, [&] { TRurSVGBitmap::LoadFromStream(Stream); });
    Changed(this);
}

void TRurGDIPPicture::ReadData(TStream& Stream)
{
    TakeData(Stream, [&] { TRurSVGBitmap::ReadData(Stream); });
}

void TRurGDIPPicture::SaveToStream(TStream& Stream)
{
    if (FDatastream.Size() > 0)
        FDatastream.SaveToStream(Stream);
    else
        TRurSVGBitmap::SaveToStream(Stream);
}

void TRurGDIPPicture::WriteData(TStream& Stream)
{
    // Without image bytes the SVG form is written, a count of 0 for an empty picture, so that
    // reading it back finds what it expects.
    if (FDatastream.Size() > 0)
        FDatastream.SaveToStream(Stream);
    else
        TRurSVGBitmap::WriteData(Stream);
}

void TRurGDIPPicture::LoadFromFile(const String& FileName)
{
    try {
        FDatastream.LoadFromFile(FileName);
        if (TRurUtils::GetImageType(FDatastream, true).empty()) {
            FDatastream.Clear();
            TRurSVGBitmap::LoadFromFile(FileName);
        } else {
            DropSVG();
        }
        FIsEmpty = false;
        Cleared();
        GetImageSizesFromFileName(FileName);
        Changed(this);
    } catch (const Exception&) {
        FIsEmpty = true;
    }
}

void TRurGDIPPicture::LoadFromResourceName(NativeUInt Instance, const String& ResName)
{
    LoadGraphicFromResourceName(*this, Instance, ResName);
}

void TRurGDIPPicture::LoadFromResourceID(NativeUInt Instance, int ResID)
{
    LoadGraphicFromResourceID(*this, Instance, ResID);
}

void TRurGDIPPicture::LoadFromURL(const String& url)
{
    String rest;
    const TRurPictureSource source = PictureSourceOf(url, rest);
    if (rest.empty())
        return;
    if (source == psResource)
        LoadFromResourceName(TRurUtils::GetHInstance(), rest);
    else if (source == psFile)
        LoadFromFile(rest);
}

void TRurGDIPPicture::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (HasSVG()) {
        TRurSVGBitmap::Draw(ACanvas, Rect);
        return;
    }
    const std::unique_ptr<TDecoded> decoded = Decode();
    if (!decoded)
        return;
    if (decoded->Image->GetFormat() == ifBMP) {
        TBitmap bitmap;
        FDatastream.SetPosition(0);
        bitmap.LoadFromStream(FDatastream);
        bitmap.SetTransparentMode(tmAuto);
        bitmap.SetTransparent(true);
        ACanvas.Draw(Rect.Left, Rect.Top, &bitmap);
        return;
    }
    FWidth = static_cast<int>(decoded->Image->GetWidth());
    FHeight = static_cast<int>(decoded->Image->GetHeight());
    TGPGraphics graphics(ACanvas.Handle());
    graphics.DrawImageRect(decoded->Image.get(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

void TRurGDIPPicture::GDIPDraw(TGPGraphics& Graphics, const TRect& Rect)
{
    DrawDecoded(Graphics, MakeRectF(float(Rect.Left), float(Rect.Top), float(Rect.Width()), float(Rect.Height())));
}

void TRurGDIPPicture::GDIPDraw(TGPGraphics& Graphics, const TGPRectF& Rect)
{
    if (FDrawing)
        return;
    FDrawing = true;
    try {
        DrawDecoded(Graphics, Rect);
    } catch (...) {
        FDrawing = false;
        throw;
    }
    FDrawing = false;
}

void TRurGDIPPicture::DrawDecoded(TGPGraphics& Graphics, const TGPRectF& Rect)
{
    if (HasSVG()) {
        DrawSVG(Graphics, Rect.X, Rect.Y, Rect.Width, Rect.Height);
        return;
    }
    const std::unique_ptr<TDecoded> decoded = Decode();
    if (!decoded)
        return;
    TGPImage& image = *decoded->Image;
    FHasAlpha = image.HasAlphaChannel();
    FHasPalette = image.HasPalette();
    FPixelDepth = image.GetPixelDepth();
    FPixelFormat = static_cast<int>(image.GetPixelFormat());
    FWidth = static_cast<int>(image.GetWidth());
    FHeight = static_cast<int>(image.GetHeight());
    if (image.GetFormat() != ifBMP || !Transparent()) {
        Graphics.DrawImageRect(&image, Rect);
        return;
    }
    ARGB key = MakeColor(255, FBitmapTransparentColor);
    if (FBitmapTransparentMode == tmAuto) {
        // The bottom-left pixel, read from the same bytes.
        decoded->Stream->Seek({}, STREAM_SEEK_SET, nullptr);
        TGPBitmap bitmap(decoded->Stream.get());
        bitmap.GetPixel(0, FHeight - 1, key);
    }
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
    Graphics.DrawImage(&image, Rect, 0, 0, float(FWidth), float(FHeight), UnitPixel, &attributes);
}

void TRurGDIPPicture::DrawSVG(TGPGraphics& Graphics, float X, float Y, float W, float H)
{
    if (!HasSVG())
        return;
    const HDC dc = Graphics.GetHDC();
    TCanvas canvas;
    canvas.SetHandle(dc);
    const auto release = [&] {
        canvas.SetHandle(nullptr);
        Graphics.ReleaseHDC(dc);
    };
    try {
        SVG()->Draw(&canvas, {X, Y, X + W, Y + H}, true);
    } catch (...) {
        release();
        throw;
    }
    release();
}

void TRurGDIPPicture::FillPath(TGPGraphics& Graphics, const TGPGraphicsPath& Path)
{
    if (const std::unique_ptr<TDecoded> decoded = Decode()) {
        TGPTextureBrush brush(decoded->Image.get(), WrapModeTile);
        Graphics.FillPath(&brush, &Path);
    }
}

void TRurGDIPPicture::FillRect(TGPGraphics& Graphics, const TGPRectF& R)
{
    if (const std::unique_ptr<TDecoded> decoded = Decode()) {
        TGPTextureBrush brush(decoded->Image.get(), WrapModeTile);
        Graphics.FillRectangle(&brush, R);
    }
}

bool TRurGDIPPicture::GetImageSizes()
{
    if (HasSVG())
        return true;
    const std::unique_ptr<TDecoded> decoded = Decode();
    if (!decoded)
        return false;
    FWidth = static_cast<int>(decoded->Image->GetWidth());
    FHeight = static_cast<int>(decoded->Image->GetHeight());
    return true;
}

bool TRurGDIPPicture::GetImageSizesFromFileName(const String& FileName)
{
    if (HasSVG())
        return true;
    if (FIsEmpty || FDatastream.Size() == 0)
        return false;
    TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
    const TRurImageHeaderSize size = ReadImageHeaderSize(file, ExtractFileExt(FileName));
    FWidth = size.Width;
    FHeight = size.Height;
    return false;
}
