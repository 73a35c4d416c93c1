// Images and bitmaps.
#include "FwGdiPlus.h"
#include "WideText.h"

namespace fwgdip {

TGPImage::TGPImage(const String& fileName) { Check(GdipLoadImageFromFile(WidePtr(fileName), &FNative)); }

TGPImage::TGPImage(IStream* stream) { Check(GdipLoadImageFromStream(stream, &FNative)); }

TGPImage::~TGPImage()
{
    if (FNative)
        GdipDisposeImage(FNative);
}

std::unique_ptr<TGPImage> TGPImage::Clone() const
{
    std::unique_ptr<TGPImage> copy(new TGPImage());
    Check(GdipCloneImage(FNative, &copy->FNative));
    return copy;
}

UINT TGPImage::GetWidth() const
{
    UINT width = 0;
    Check(GdipGetImageWidth(FNative, &width));
    return width;
}

UINT TGPImage::GetHeight() const
{
    UINT height = 0;
    Check(GdipGetImageHeight(FNative, &height));
    return height;
}

PixelFormat TGPImage::GetPixelFormat() const
{
    PixelFormat format = PixelFormatUndefined;
    Check(GdipGetImagePixelFormat(FNative, &format));
    return format;
}

ImageType TGPImage::GetType() const
{
    ImageType type = ImageTypeUnknown;
    Check(GdipGetImageType(FNative, &type));
    return type;
}

TGPBitmap::TGPBitmap(INT width, INT height, PixelFormat format)
{
    GpBitmap* bitmap = nullptr;
    Check(GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap));
    Adopt(bitmap);
}

TGPBitmap::TGPBitmap(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0)
{
    GpBitmap* bitmap = nullptr;
    Check(GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap));
    Adopt(bitmap);
}

TGPBitmap::TGPBitmap(HBITMAP bitmapHandle, HPALETTE palette)
{
    GpBitmap* bitmap = nullptr;
    Check(GdipCreateBitmapFromHBITMAP(bitmapHandle, palette, &bitmap));
    Adopt(bitmap);
}

TGPBitmap::TGPBitmap(const String& fileName)
{
    GpBitmap* bitmap = nullptr;
    Check(GdipCreateBitmapFromFile(WidePtr(fileName), &bitmap));
    Adopt(bitmap);
}

TGPBitmap::TGPBitmap(IStream* stream)
{
    GpBitmap* bitmap = nullptr;
    Check(GdipCreateBitmapFromStream(stream, &bitmap));
    Adopt(bitmap);
}

std::unique_ptr<TGPBitmap> TGPBitmap::Clone(const TGPRectF& area, PixelFormat format) const
{
    std::unique_ptr<TGPBitmap> copy(new TGPBitmap());
    GpBitmap* bitmap = nullptr;
    Check(GdipCloneBitmapArea(area.X, area.Y, area.Width, area.Height, format, NativeBitmap(), &bitmap));
    copy->Adopt(bitmap);
    return copy;
}

TStatus TGPBitmap::GetPixel(INT x, INT y, ARGB& color) const { return Check(GdipBitmapGetPixel(NativeBitmap(), x, y, &color)); }

TStatus TGPBitmap::SetPixel(INT x, INT y, ARGB color) { return Check(GdipBitmapSetPixel(NativeBitmap(), x, y, color)); }

TStatus TGPBitmap::LockBits(const TGPRect& area, UINT flags, PixelFormat format, TGPBitmapData& data)
{
    return Check(GdipBitmapLockBits(NativeBitmap(), &area, flags, format, &data));
}

TStatus TGPBitmap::UnlockBits(TGPBitmapData& data) { return Check(GdipBitmapUnlockBits(NativeBitmap(), &data)); }

TStatus TGPBitmap::GetHBITMAP(ARGB background, HBITMAP& bitmap) const
{
    bitmap = nullptr;
    return Check(GdipCreateHBITMAPFromBitmap(NativeBitmap(), &bitmap, background));
}

} // namespace fwgdip
