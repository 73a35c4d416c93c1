#include "GDIPicture.h"

#include <cstring>

#include "RurUtils.h"
#include "SysUtils.h"

using namespace RurGDIP;

namespace {

Word WordAt(const Byte* p) { return Word(p[0] | (p[1] << 8)); }

Cardinal DWordAt(const Byte* p) { return Cardinal(WordAt(p)) | (Cardinal(WordAt(p + 2)) << 16); }

} // namespace

TPictureFormat SniffPictureFormat(const void* AData, Int64 ASize)
{
    if (ASize < 44)
        return pfNone;
    const auto* b = static_cast<const Byte*>(AData);
    if (b[0] == 'I' && b[1] == 'I')
        return WordAt(b + 2) == 42 ? pfTiff : pfNone;
    if (b[0] == 'M' && b[1] == 'M')
        return b[2] == 0x00 && b[3] == 0x2A ? pfTiff : pfNone;
    if (b[0] == 'B' && b[1] == 'M')
        return pfBMP;
    if (b[0] == 0xFF && b[1] == 0xD8)
        return pfJPG;
    constexpr Byte png[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    if (std::memcmp(b, png, sizeof png) == 0)
        return pfPNG;
    if (DWordAt(b) == 0x9AC6CDD7 || (DWordAt(b) == 1 && std::memcmp(b + 40, " EMF", 4) == 0))
        return pfMetaFile;
    if (std::memcmp(b, "GIF", 3) == 0)
        return pfGIF;
    if (WordAt(b + 2) == 1)
        return pfICO;
    return pfNone;
}

TAVIN_PUBLISHED(TGDIPPicture) { TAVIN_PROPERTY(TNotifyEvent, OnClear); }

TGDIPPicture::TGDIPPicture() = default;

void TGDIPPicture::DoClear()
{
    if (FOnClear)
        FOnClear(this);
}

void TGDIPPicture::LoadFromFile(const String& FileName)
{
    LoadFileQuietly(FileName, [&] {
        FFileName = FileName;
        DoClear();
        GetImageSizes();
    });
}

void TGDIPPicture::Assign(const TPersistent* Source)
{
    FEmpty = true;
    if (!Source) {
        ClearContent();
        Changed(this);
        DoClear();
        return;
    }
    if (Source == this)
        return;
    if (const auto* picture = dynamic_cast<const TGDIPPicture*>(Source)) {
        CopyContent(*picture);
        FEmpty = picture->Empty();
        GetImageSizes();
        Changed(this);
        return;
    }
    TMemoryStream data;
    if (!GraphicData(Source, data)) {
        GetImageSizes();
        return;
    }
    ClearContent();
    data.SetPosition(0);
    if (data.Size() > 0)
        LoadData(data, [&] {
            data.SetPosition(0);
            TRurSVGBitmap::LoadFromStream(data);
        });
    Changed(this);
    GetImageSizes();
}

TPictureFormat TGDIPPicture::PictureFormat() const { return SniffPictureFormat(RasterBytes(), RasterSize()); }

void TGDIPPicture::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (HasSVG()) {
        TRurSVGBitmap::Draw(ACanvas, Rect);
        return;
    }
    if (!FTransparentBitmap || !DrawBitmapOnCanvas(ACanvas, Rect, true))
        DrawImageOnCanvas(ACanvas, Rect, FAngle);
}

void TGDIPPicture::DrawImage(TGPGraphics& AGraphics, int X, int Y)
{
    if (HasSVG()) {
        DrawSVG(AGraphics, float(X), float(Y), float(Width()), float(Height()));
        return;
    }
    if (const std::unique_ptr<TGPImage> image = Decode())
        AGraphics.DrawImage(image.get(), X, Y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics& AGraphics, int X, int Y, int W, int H)
{
    if (HasSVG()) {
        DrawSVG(AGraphics, float(X), float(Y), float(W), float(H));
        return;
    }
    if (const std::unique_ptr<TGPImage> image = Decode())
        AGraphics.DrawImageRect(image.get(), X, Y, W, H);
}
