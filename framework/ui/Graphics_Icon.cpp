// Icons: decoded by the imaging codecs, drawn with their alpha, handed out as HICON.
#include <algorithm>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "IconReader.h"
#include "PixelBitmap.h"
#include "PngCodec.h"
#include "ReadStream.h"

namespace {

// A 32-bit top-down copy of a bitmap handle's pixels.
std::vector<std::uint32_t> PixelsOfHandle(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The icon's picture: its colour bitmap with its own alpha, or with the mask as alpha; a
// monochrome icon keeps its picture in the lower half of the mask.
TPixelImage PictureOfIcon(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        throw EInvalidGraphic(u"Invalid icon handle");
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    const int width = mask.bmWidth;
    const int height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    const size_t count = static_cast<size_t>(width) * height;
    const auto maskPixels = PixelsOfHandle(info.hbmMask, width, mask.bmHeight);
    const auto colorPixels = info.hbmColor ? PixelsOfHandle(info.hbmColor, width, height)
                                           : std::vector<std::uint32_t>(maskPixels.begin() + count, maskPixels.end());
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    const bool ownAlpha = std::any_of(colorPixels.begin(), colorPixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
    TPixelImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            const std::uint32_t p = colorPixels[i];
            const bool masked = (maskPixels[i] & 0xFFFFFF) != 0;
            image.Pixel(x, y) = TBGRA{static_cast<Byte>(p), static_cast<Byte>(p >> 8), static_cast<Byte>(p >> 16),
                                      static_cast<Byte>(ownAlpha ? p >> 24 : (masked ? 0 : 255))};
        }
    image.SetHasAlpha(true);
    return image;
}

} // namespace

bool TIcon::CanLoadFromStream(TStream& stream)
{
    Byte head[4] = {};
    return stream.Read(head, 4) == 4 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0;
}

TIcon::~TIcon()
{
    DestroyHandle();
}

void TIcon::DestroyHandle()
{
    if (FHandle)
        DestroyIcon(FHandle);
    FHandle = nullptr;
}

void TIcon::Assign(const TPersistent* source)
{
    auto* icon = dynamic_cast<const TIcon*>(source);
    if (source && !icon) {
        TGraphic::Assign(source);
        return;
    }
    if (icon == this)
        return;
    DestroyHandle();
    if (icon)
        CopyDecoded(*icon);
    else
        ClearDecoded();
}

void TIcon::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRestOfStream(stream);
    const TPixelImage picture = DecodeIcon(data);
    DestroyHandle();
    SetDecoded(std::move(data), picture);
}

void TIcon::SaveToStream(TStream& stream)
{
    if (!Data().empty() || Empty()) {
        TDecodedGraphic::SaveToStream(stream);
        return;
    }
    // One 32-bit picture, stored as PNG (which icon files allow).
    TBitmap straight;
    straight.Assign(Image());
    straight.SetAlphaFormat(afDefined);
    const std::vector<Byte> png = EncodePng(PixelImageOfBitmap(straight));
    const std::uint16_t directory[3] = {0, 1, 1}; // reserved, type icon, one entry
    const Byte entry[4] = {static_cast<Byte>(Width() >= 256 ? 0 : Width()), static_cast<Byte>(Height() >= 256 ? 0 : Height()),
                           0, 0};
    const std::uint16_t planesAndBits[2] = {1, 32};
    const std::uint32_t sizeAndOffset[2] = {static_cast<std::uint32_t>(png.size()), 22};
    stream.WriteBuffer(directory, sizeof(directory));
    stream.WriteBuffer(entry, sizeof(entry));
    stream.WriteBuffer(planesAndBits, sizeof(planesAndBits));
    stream.WriteBuffer(sizeAndOffset, sizeof(sizeAndOffset));
    stream.WriteBuffer(png.data(), static_cast<Int64>(png.size()));
}

HICON TIcon::Handle()
{
    if (!FHandle && !Empty()) {
        TBitmap color;
        color.Assign(Image());
        if (color.AlphaFormat() == afPremultiplied)
            color.SetAlphaFormat(afDefined); // icons carry straight alpha
        const std::vector<Byte> zeros(static_cast<size_t>((Width() + 15) / 16 * 2) * Height());
        HBITMAP mask = CreateBitmap(Width(), Height(), 1, 1, zeros.data());
        ICONINFO info{TRUE, 0, 0, mask, color.Handle()};
        FHandle = CreateIconIndirect(&info);
        DeleteObject(mask);
    }
    return FHandle;
}

void TIcon::SetHandle(HICON value)
{
    if (value == FHandle)
        return;
    if (!value) {
        DestroyHandle();
        ClearDecoded();
        return;
    }
    const TPixelImage picture = PictureOfIcon(value);
    DestroyHandle();
    FHandle = value;
    SetDecoded({}, picture);
}

HICON TIcon::ReleaseHandle()
{
    HICON handle = Handle();
    FHandle = nullptr;
    return handle;
}
