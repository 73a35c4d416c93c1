// The bitmap on a DIB section: size, pixel formats, alpha, transparency, drawing and its canvas.
#include <algorithm>
#include <cstring>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "PixelImage.h"

namespace {

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
    }
}

bool IsIndexed(TPixelFormat format) { return format == pf1bit || format == pf4bit || format == pf8bit; }

int StrideOf(int width, TPixelFormat format) { return ((width * BitsPerPixel(format) + 31) / 32) * 4; }

std::vector<RGBQUAD> StandardColorTable(TPixelFormat format)
{
    static constexpr COLORREF Vga[16] = {
        RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0), RGB(0, 0, 128),   RGB(128, 0, 128),
        RGB(0, 128, 128),   RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0),
        RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
    auto quad = [](COLORREF c) { return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0}; };
    std::vector<RGBQUAD> table;
    if (format == pf1bit) {
        table = {quad(RGB(0, 0, 0)), quad(RGB(255, 255, 255))};
    } else if (format == pf4bit || format == pf8bit) {
        for (COLORREF c : Vga)
            table.push_back(quad(c));
    }
    if (format == pf8bit) {
        // A colour cube of six levels per channel, then the greys between black and white.
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    table.push_back(quad(RGB(r * 51, g * 51, b * 51)));
        for (int i = 1; i <= 24; ++i)
            table.push_back(quad(RGB(i * 10, i * 10, i * 10)));
    }
    return table;
}

struct TDibInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

struct TDib {
    HBITMAP Handle = nullptr;
    Byte* Bits = nullptr;
};

TDib CreateDib(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& colorTable)
{
    TDibInfo info{};
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = width;
    info.Header.biHeight = height; // bottom-up
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(BitsPerPixel(format));
    info.Header.biCompression = BI_RGB;
    // A device bitmap has no alpha channel: its three colour masks say so, and drawing libraries
    // then treat it as opaque like a window (Wine's GDI+ would otherwise draw every shape into it
    // pixel by pixel to keep an alpha byte nobody reads). The memory layout is the same.
    constexpr DWORD Rgb565[3] = {0xF800, 0x07E0, 0x001F}, Rgb888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    if (format == pf16bit || format == pfDevice) {
        info.Header.biCompression = BI_BITFIELDS;
        std::copy_n(format == pf16bit ? Rgb565 : Rgb888, 3, reinterpret_cast<DWORD*>(info.Colors));
    }
    const size_t colors = std::min<size_t>(colorTable.size(), 256);
    info.Header.biClrUsed = static_cast<DWORD>(colors);
    std::copy_n(colorTable.begin(), colors, info.Colors);
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle)
        throw EOutOfResources(u"Out of system resources");
    return TDib{handle, static_cast<Byte*>(bits)};
}

// A memory DC holding a bitmap for the length of one copy.
class TSelectedBitmap {
public:
    explicit TSelectedBitmap(HBITMAP bitmap) : FDC(CreateCompatibleDC(nullptr)), FOld(SelectObject(FDC, bitmap)) {}
    ~TSelectedBitmap()
    {
        SelectObject(FDC, FOld);
        DeleteDC(FDC);
    }
    TSelectedBitmap(const TSelectedBitmap&) = delete;
    TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
    HDC DC() const { return FDC; }

private:
    HDC FDC;
    HGDIOBJ FOld;
};

void MultiplyAlpha(Byte* pixels, size_t count)
{
    for (size_t i = 0; i < count; ++i, pixels += 4)
        for (int c = 0; c < 3; ++c)
            pixels[c] = static_cast<Byte>((pixels[c] * pixels[3] + 127) / 255);
}

void DivideAlpha(Byte* pixels, size_t count)
{
    for (size_t i = 0; i < count; ++i, pixels += 4) {
        const int alpha = pixels[3];
        for (int c = 0; c < 3; ++c)
            pixels[c] = alpha == 0 ? 0 : static_cast<Byte>(std::min(255, (pixels[c] * 255 + alpha / 2) / alpha));
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------

void TBitmapCanvas::CreateHandle()
{
    FBitmap.Wake();
    FContext = CreateCompatibleDC(nullptr);
    if (!FContext)
        throw EOutOfResources(u"Out of system resources");
    if (FBitmap.FHandle)
        FOldBitmap = SelectObject(FContext, FBitmap.FHandle);
    SetHandle(FContext);
}

void TBitmapCanvas::FreeContext()
{
    if (!FContext)
        return;
    SetHandle(nullptr);
    if (FOldBitmap)
        SelectObject(FContext, FOldBitmap);
    DeleteDC(FContext);
    FContext = nullptr;
    FOldBitmap = nullptr;
}

// ---------------------------------------------------------------------------------------------

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    FCanvas.reset();
    FreeHandle();
}

void TBitmap::FreeCanvasContext()
{
    if (FCanvas)
        FCanvas->FreeContext();
}

void TBitmap::FreeHandle()
{
    FreeCanvasContext();
    if (FHandle)
        DeleteObject(FHandle);
    FHandle = nullptr;
    FBits = nullptr;
}

void TBitmap::Allocate(int width, int height, TPixelFormat format, std::vector<RGBQUAD> palette)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (IsIndexed(format) && palette.empty())
        palette = StandardColorTable(format);
    if (!IsIndexed(format))
        palette.clear();
    TDib dib;
    if (width > 0 && height > 0) {
        if (static_cast<Int64>(width) * height > MaxPicturePixels || width > MaxPictureSide || height > MaxPictureSide)
            throw EOutOfResources(u"Out of system resources");
        dib = CreateDib(width, height, format, palette);
    }
    FreeHandle();
    FDormant.clear();
    FHandle = dib.Handle;
    FBits = dib.Bits;
    FWidth = width;
    FHeight = height;
    FPixelFormat = format;
    FPalette = std::move(palette);
}

void TBitmap::Wake()
{
    if (FHandle || FDormant.empty())
        return;
    std::vector<Byte> pixels = std::move(FDormant);
    Allocate(FWidth, FHeight, FPixelFormat, FPalette);
    std::memcpy(FBits, pixels.data(), pixels.size());
}

Byte* TBitmap::Bits()
{
    Wake();
    GdiFlush();
    return FBits;
}

int TBitmap::RowStride() const
{
    return StrideOf(FWidth, FPixelFormat);
}

void* TBitmap::ScanLine(int row)
{
    if (row < 0 || row >= FHeight || FWidth == 0)
        throw EInvalidGraphicOperation(u"Scan line index out of range");
    return Bits() + static_cast<size_t>(FHeight - 1 - row) * RowStride();
}

void TBitmap::CanvasChanged(TObject*)
{
    Changed(this);
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(*this);
        FCanvas->SetOnChange(MakeHandler<&TBitmap::CanvasChanged>(this));
    }
    return FCanvas.get();
}

HBITMAP TBitmap::Handle()
{
    // The handle is wanted to be selected elsewhere (a pattern brush, an image list, another DC):
    // a bitmap lives in one DC at a time, so the canvas lets go of it until it draws again.
    FreeCanvasContext();
    Wake();
    return FHandle;
}

void TBitmap::SwapImage(TBitmap& other)
{
    FreeCanvasContext();
    other.FreeCanvasContext();
    std::swap(FHandle, other.FHandle);
    std::swap(FBits, other.FBits);
    std::swap(FWidth, other.FWidth);
    std::swap(FHeight, other.FHeight);
    std::swap(FPixelFormat, other.FPixelFormat);
    std::swap(FPalette, other.FPalette);
    std::swap(FDormant, other.FDormant);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight)
        return;
    // The new DIB is made first: when that fails, the bitmap stays as it was.
    TBitmap fresh;
    fresh.Allocate(width, height, FPixelFormat, FPalette);
    if (!Empty() && !fresh.Empty()) {
        // Same format: rows copy byte for byte, alpha included, the top rows staying on top.
        const size_t rowBytes = static_cast<size_t>(std::min(RowStride(), fresh.RowStride()));
        for (int y = 0; y < std::min(height, FHeight); ++y)
            std::memcpy(fresh.ScanLine(y), ScanLine(y), rowBytes);
    }
    SwapImage(fresh);
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat value, std::vector<RGBQUAD> colorTable)
{
    if (value == pfCustom)
        throw EInvalidGraphicOperation(u"Cannot change the pixel format to pfCustom");
    if (value == FPixelFormat && colorTable.empty())
        return;
    TBitmap fresh;
    fresh.Allocate(FWidth, FHeight, value, std::move(colorTable));
    if (!Empty()) {
        Wake();
        FreeCanvasContext();
        TSelectedBitmap from(FHandle), to(fresh.FHandle);
        BitBlt(to.DC(), 0, 0, FWidth, FHeight, from.DC(), 0, 0, SRCCOPY);
    }
    SwapImage(fresh);
    if (BitsPerPixel(value) != 32)
        FAlphaFormat = afIgnored;
    Changed(this);
}

void TBitmap::SetAlphaFormat(TAlphaFormat value)
{
    if (value == FAlphaFormat)
        return;
    if (BitsPerPixel(FPixelFormat) == 32 && !Empty()) {
        const size_t count = static_cast<size_t>(FWidth) * FHeight;
        if (value == afPremultiplied)
            MultiplyAlpha(Bits(), count);
        else if (FAlphaFormat == afPremultiplied)
            DivideAlpha(Bits(), count);
    }
    FAlphaFormat = value;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == FTransparentMode)
        return;
    if (value == tmAuto)
        FTransparentColor = clDefault;
    FTransparentMode = value;
    Changed(this);
}

TColor TBitmap::TransparentColor()
{
    if (FTransparentMode == tmFixed || Empty())
        return FTransparentColor;
    return Canvas()->Pixels(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor value)
{
    if (value == FTransparentColor)
        return;
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed(this);
}

void TBitmap::Assign(const TPersistent* source)
{
    if (!source) {
        Allocate(0, 0, FPixelFormat, {});
        Changed(this);
        return;
    }
    auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        TGraphic::Assign(source); // other graphics convert themselves in AssignTo
        return;
    }
    if (bitmap == this)
        return;
    auto* from = const_cast<TBitmap*>(bitmap);
    Allocate(from->FWidth, from->FHeight, from->FPixelFormat, from->FPalette);
    if (!Empty())
        std::memcpy(Bits(), from->Bits(), static_cast<size_t>(RowStride()) * FHeight);
    FAlphaFormat = from->FAlphaFormat;
    FTransparentMode = from->FTransparentMode;
    FTransparentColor = from->FTransparentColor;
    SetTransparent(from->Transparent());
    Changed(this);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r)
{
    if (Empty())
        return;
    HDC target = canvas.Handle();
    if (BitsPerPixel(FPixelFormat) == 32 && FAlphaFormat != afIgnored) {
        TBitmap premultiplied;
        TBitmap* source = this;
        if (FAlphaFormat != afPremultiplied) {
            premultiplied.Assign(this);
            premultiplied.SetAlphaFormat(afPremultiplied);
            source = &premultiplied;
        }
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(target, r.Left, r.Top, r.Width(), r.Height(), source->Canvas()->Handle(), 0, 0, FWidth, FHeight,
                   blend);
        return;
    }
    // The bitmap's own canvas is the source: the bitmap can be selected into one DC only.
    HDC source = Canvas()->Handle();
    if (Transparent()) {
        const auto key = static_cast<UINT>(ColorToRGB(TransparentColor()) & 0xFFFFFF);
        TransparentBlt(target, r.Left, r.Top, r.Width(), r.Height(), source, 0, 0, FWidth, FHeight, key);
        return;
    }
    StretchBlt(target, r.Left, r.Top, r.Width(), r.Height(), source, 0, 0, FWidth, FHeight,
               static_cast<DWORD>(canvas.CopyMode()));
}

void TBitmap::CopyFromHandle(HBITMAP source)
{
    DIBSECTION section{};
    BITMAP info{};
    const bool isDib = GetObjectW(source, sizeof(section), &section) == sizeof(section);
    if (isDib)
        info = section.dsBm;
    else if (!source || GetObjectW(source, sizeof(info), &info) == 0)
        throw EInvalidGraphic(u"Invalid bitmap handle");
    TPixelFormat format = pfDevice;
    if (isDib) {
        switch (info.bmBitsPixel) {
        case 1: format = pf1bit; break;
        case 4: format = pf4bit; break;
        case 8: format = pf8bit; break;
        case 16: format = section.dsBitfields[1] == 0x07E0 ? pf16bit : pf15bit; break;
        case 24: format = pf24bit; break;
        default: format = pf32bit; break;
        }
    }
    TSelectedBitmap from(source);
    std::vector<RGBQUAD> table;
    if (IsIndexed(format)) {
        table.resize(static_cast<size_t>(1) << info.bmBitsPixel);
        table.resize(GetDIBColorTable(from.DC(), 0, static_cast<UINT>(table.size()), table.data()));
    }
    Allocate(info.bmWidth, std::abs(info.bmHeight), format, std::move(table));
    FAlphaFormat = afIgnored;
    if (!Empty()) {
        TSelectedBitmap to(FHandle);
        BitBlt(to.DC(), 0, 0, FWidth, FHeight, from.DC(), 0, 0, SRCCOPY);
    }
}

void TBitmap::SetHandle(HBITMAP value)
{
    if (value == FHandle)
        return;
    if (!value)
        Allocate(0, 0, FPixelFormat, {});
    else {
        CopyFromHandle(value);
        DeleteObject(value);
    }
    Changed(this);
}

HBITMAP TBitmap::ReleaseHandle()
{
    Wake();
    if (!FHandle)
        return nullptr;
    FreeCanvasContext();
    GdiFlush();
    FDormant.assign(FBits, FBits + static_cast<size_t>(RowStride()) * FHeight);
    HBITMAP handle = FHandle;
    FHandle = nullptr;
    FBits = nullptr;
    return handle;
}

void TBitmap::Dormant()
{
    if (HBITMAP handle = ReleaseHandle())
        DeleteObject(handle);
}

void TBitmap::FreeImage()
{
    if (FHandle)
        FDormant.clear();
}
