// Icons: decoded by the imaging codecs, drawn with their alpha, handed out as HICON.
#include <cstring>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "IconReader.h"
#include "PixelBitmap.h"
#include "PngCodec.h"
#include "ReadStream.h"

namespace {

std::unique_ptr<TBitmap> PremultipliedBitmapOf(const TPixelImage& image)
{
    auto bitmap = std::make_unique<TBitmap>();
    AssignPixelImage(*bitmap, image);
    bitmap->SetAlphaFormat(afPremultiplied);
    return bitmap;
}

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

} // namespace

bool TIcon::CanLoadFromStream(TStream& stream)
{
    Byte head[4] = {};
    return stream.Read(head, 4) == 4 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0;
}

TIcon::TIcon() = default;

TIcon::~TIcon()
{
    Clear();
}

void TIcon::Clear()
{
    if (FHandle)
        DestroyIcon(FHandle);
    FHandle = nullptr;
    FData.clear();
    FImage.reset();
}

int TIcon::GetWidth() const
{
    return FImage ? FImage->Width() : 0;
}

int TIcon::GetHeight() const
{
    return FImage ? FImage->Height() : 0;
}

void TIcon::Assign(const TPersistent* source)
{
    auto* icon = dynamic_cast<const TIcon*>(source);
    if (!icon) {
        if (source)
            TGraphic::Assign(source);
        else {
            Clear();
            Changed(this);
        }
        return;
    }
    if (icon == this)
        return;
    Clear();
    FData = icon->FData;
    if (icon->FImage) {
        FImage = std::make_unique<TBitmap>();
        FImage->Assign(icon->FImage.get());
    }
    Changed(this);
}

void TIcon::AssignTo(TPersistent* dest) const
{
    if (dynamic_cast<TBitmap*>(dest))
        dest->Assign(FImage.get());
    else
        TGraphic::AssignTo(dest);
}

void TIcon::Draw(TCanvas& canvas, const TRect& r)
{
    if (FImage)
        FImage->Draw(canvas, r);
}

void TIcon::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRestOfStream(stream);
    auto image = PremultipliedBitmapOf(DecodeIcon(data));
    Clear();
    FData = std::move(data);
    FImage = std::move(image);
    Changed(this);
}

void TIcon::SaveToStream(TStream& stream)
{
    if (!FData.empty()) {
        stream.WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
        return;
    }
    if (!FImage)
        return;
    // One 32-bit picture, stored as PNG (which icon files allow).
    TBitmap straight;
    straight.Assign(FImage.get());
    straight.SetAlphaFormat(afDefined);
    const std::vector<Byte> png = EncodePng(PixelImageOfBitmap(straight));
    const Byte side[2] = {static_cast<Byte>(Width() >= 256 ? 0 : Width()), static_cast<Byte>(Height() >= 256 ? 0 : Height())};
    const std::uint16_t directory[3] = {0, 1, 1};
    stream.WriteBuffer(directory, sizeof(directory));
    stream.WriteBuffer(side, 2);
    const Byte colorsAndReserved[2] = {0, 0};
    stream.WriteBuffer(colorsAndReserved, 2);
    const std::uint16_t planesAndBits[2] = {1, 32};
    stream.WriteBuffer(planesAndBits, sizeof(planesAndBits));
    const std::uint32_t sizeAndOffset[2] = {static_cast<std::uint32_t>(png.size()), 22};
    stream.WriteBuffer(sizeAndOffset, sizeof(sizeAndOffset));
    stream.WriteBuffer(png.data(), static_cast<Int64>(png.size()));
}

HICON TIcon::Handle()
{
    if (!FHandle && FImage) {
        TBitmap color;
        color.Assign(FImage.get());
        color.SetAlphaFormat(afDefined); // icons carry straight alpha
        const std::vector<Byte> zeros(static_cast<size_t>((Width() + 15) / 16 * 2) * Height());
        HBITMAP mask = CreateBitmap(Width(), Height(), 1, 1, zeros.data());
        ICONINFO info{TRUE, 0, 0, mask, color.Handle()};
        FHandle = CreateIconIndirect(&info);
        DeleteObject(mask);
    }
    return FHandle;
}

void TIcon::ImageFromHandle(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        throw EInvalidGraphic(u"Invalid icon handle");
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    const int width = mask.bmWidth;
    // A monochrome icon keeps its picture in the lower half of the mask.
    const int height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    TPixelImage image(width, height);
    const auto maskPixels = PixelsOfHandle(info.hbmMask, width, mask.bmHeight);
    const auto colorPixels = info.hbmColor ? PixelsOfHandle(info.hbmColor, width, height)
                                           : std::vector<std::uint32_t>(maskPixels.begin() + width * height, maskPixels.end());
    const bool hasAlpha = info.hbmColor && std::any_of(colorPixels.begin(), colorPixels.end(),
                                                       [](std::uint32_t p) { return (p >> 24) != 0; });
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = colorPixels[static_cast<size_t>(y) * width + x];
            const bool masked = (maskPixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF) != 0;
            TBGRA& out = image.Pixel(x, y);
            out = TBGRA{static_cast<Byte>(p), static_cast<Byte>(p >> 8), static_cast<Byte>(p >> 16),
                        static_cast<Byte>(hasAlpha ? p >> 24 : (masked ? 0 : 255))};
        }
    image.SetHasAlpha(true);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    FImage = PremultipliedBitmapOf(image);
}

void TIcon::SetHandle(HICON value)
{
    if (value == FHandle)
        return;
    Clear();
    if (value) {
        ImageFromHandle(value);
        FHandle = value;
    }
    Changed(this);
}

HICON TIcon::ReleaseHandle()
{
    HICON handle = Handle();
    FHandle = nullptr;
    return handle;
}
