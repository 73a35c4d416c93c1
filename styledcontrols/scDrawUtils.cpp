// Version probe, bound system functions, style queries, colour helpers, frames and 32-bit bitmaps.
#include "scDrawUtils.h"

#include <cstring>

#include "Math.h"
#include "PlatformFacts.h"
#include "SysUtils.h"
#include "Themes.h"
#include "WideText.h"


namespace scDrawUtils {
TBeginBufferedAnimation BeginBufferedAnimation = nullptr;
TEndBufferedAnimation EndBufferedAnimation = nullptr;
TBufferedPaintRenderAnimation BufferedPaintRenderAnimation = nullptr;
TBufferedPaintStopAllAnimations BufferedPaintStopAllAnimations = nullptr;
TDwmIsCompositionEnabled DwmIsCompositionEnabled = nullptr;
TDwmExtendFrameIntoClientArea DwmExtendFrameIntoClientArea = nullptr;
TDwmSetWindowAttribute DwmSetWindowAttribute = nullptr;
TSetWindowCompositionAttribute SetWindowCompositionAttribute = nullptr;
} // namespace scDrawUtils

namespace {

HMODULE ThemeLibrary = nullptr;
HMODULE DwmLibrary = nullptr;
HMODULE WindowManagerLibrary = nullptr;

template <class F>
void Bind(HMODULE library, const char* name, F& function)
{
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

Byte RedOf(TColor c) { return Byte(c); }
Byte GreenOf(TColor c) { return Byte(c >> 8); }
Byte BlueOf(TColor c) { return Byte(c >> 16); }
TColor RGBColor(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

// Selects the DC pen for the duration of a drawing and puts the previous pen back.
class TDCPen {
public:
    explicit TDCPen(HDC dc) : FDC(dc), FOld(SelectObject(dc, GetStockObject(DC_PEN))) {}
    ~TDCPen() { SelectObject(FDC, FOld); }
    TDCPen(const TDCPen&) = delete;
    TDCPen& operator=(const TDCPen&) = delete;
    void SetColor(TColor color) { SetDCPenColor(FDC, static_cast<COLORREF>(ColorToRGB(color))); }

private:
    HDC FDC;
    HGDIOBJ FOld;
};

void FocusRect(TCanvas* canvas, const TRect& rect, TColor color, double scale)
{
    canvas->Pen()->SetColor(color);
    const HDC dc = canvas->Handle();
    const COLORREF dot = static_cast<COLORREF>(ColorToRGB(color));
    TRect r = rect;
    --r.Right;
    --r.Bottom;
    bool on = !(r.Width() % 2 == 0 && r.Height() % 2 == 0);
    const int rings = scale < 1.5 ? 1 : 2;
    auto plot = [&](int x, int y) {
        if (on)
            SetPixel(dc, x, y, dot);
        on = !on;
    };
    for (int ring = 0; ring < rings; ++ring) {
        for (int x = r.Left; x < r.Right; ++x)
            plot(x, r.Top);
        on = !on;
        for (int y = r.Top; y < r.Bottom; ++y)
            plot(r.Right, y);
        on = !on;
        for (int x = r.Right; x > r.Left; --x)
            plot(x, r.Bottom);
        on = !on;
        for (int y = r.Bottom; y > r.Top; --y)
            plot(r.Left, y);
        on = !on;
        InflateRect(reinterpret_cast<RECT*>(&r), -1, -1);
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------

int WindowsMajorVersion() { return PlatformWindowsVersion().Major; }
int WindowsMinorVersion() { return PlatformWindowsVersion().Minor; }

int WindowsBuildNumber()
{
    const TWindowsVersion version = PlatformWindowsVersion();
    return version.Major >= 10 ? version.Build : 0;
}

int GetWindowsBuildNumber() { return WindowsBuildNumber(); }
bool IsWindows10OrLater() { return WindowsMajorVersion() >= 10; }
bool IsWindows11() { return WindowsMajorVersion() >= 10 && WindowsBuildNumber() >= 22000; }
bool IsWindows8() { return WindowsMajorVersion() == 6 && WindowsMinorVersion() >= 2; }
bool IsWindows7() { return WindowsMajorVersion() == 6 && WindowsMinorVersion() == 1; }
bool IsWindowsXP() { return WindowsMajorVersion() == 5 && WindowsMinorVersion() == 1; }

bool IsDwmCompositionActive()
{
    // The bound function must exist for the callers to use DWM at all; whether composition is on
    // is the platform's fact.
    return WindowsMajorVersion() >= 6 && scDrawUtils::DwmIsCompositionEnabled && PlatformCompositionEnabled();
}

void InitBufferedAnimationAPI()
{
    ThemeLibrary = LoadLibraryW(L"uxtheme.dll");
    if (!ThemeLibrary)
        return;
    Bind(ThemeLibrary, "BeginBufferedAnimation", scDrawUtils::BeginBufferedAnimation);
    Bind(ThemeLibrary, "EndBufferedAnimation", scDrawUtils::EndBufferedAnimation);
    Bind(ThemeLibrary, "BufferedPaintRenderAnimation", scDrawUtils::BufferedPaintRenderAnimation);
    Bind(ThemeLibrary, "BufferedPaintStopAllAnimations", scDrawUtils::BufferedPaintStopAllAnimations);
}

void InitDwmAPI()
{
    DwmLibrary = LoadLibraryW(L"dwmapi.dll");
    if (!DwmLibrary)
        return;
    Bind(DwmLibrary, "DwmIsCompositionEnabled", scDrawUtils::DwmIsCompositionEnabled);
    Bind(DwmLibrary, "DwmExtendFrameIntoClientArea", scDrawUtils::DwmExtendFrameIntoClientArea);
    Bind(DwmLibrary, "DwmSetWindowAttribute", scDrawUtils::DwmSetWindowAttribute);
}

void InitWindowCompositionAPI()
{
    WindowManagerLibrary = LoadLibraryW(L"user32.dll");
    if (!WindowManagerLibrary)
        return;
    Bind(WindowManagerLibrary, "SetWindowCompositionAttribute", scDrawUtils::SetWindowCompositionAttribute);
}

void scDrawUtilsInitialize()
{
    InitBufferedAnimationAPI();
    InitDwmAPI();
    InitWindowCompositionAPI();
}

void scDrawUtilsFinalize()
{
    for (HMODULE* library : {&ThemeLibrary, &DwmLibrary, &WindowManagerLibrary})
        if (*library) {
            FreeLibrary(*library);
            *library = nullptr;
        }
}

// ---------------------------------------------------------------------------------------------

bool UsesCustomStyle(const TControl* control)
{
    const TCustomStyleServices* services = StyleServices(control);
    return services && !services->IsSystemStyle();
}

bool IsWindowsStyle(const TControl* control)
{
    if (!UsesCustomStyle(control))
        return false;
    return Pos(u"windows", LowerCase(StyleServices(control)->Name())) > 0;
}

TColor GetStyleSystemColor(TColor color, const TControl* control)
{
    return UsesCustomStyle(control) ? StyleServices(control)->GetSystemColor(color) : color;
}

namespace {
bool IsDark(TColor systemColor, const TControl* control)
{
    const TColor c = ColorToRGB(GetStyleSystemColor(systemColor, control));
    return (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3 < 128;
}
} // namespace

bool IsDarkStyle(const TControl* control) { return IsDark(clBtnFace, control); }
bool IsDarkWindowStyle(const TControl* control) { return IsDark(clWindow, control); }

TColor DarkerColor(TColor color, Byte percent)
{
    const int p = Min<int>(percent, 100);
    const TColor c = ColorToRGB(color);
    auto shade = [p](int v) { return v - MulDiv(v, p, 100); };
    return RGBColor(shade(RedOf(c)), shade(GreenOf(c)), shade(BlueOf(c)));
}

TColor LighterColor(TColor color, Byte percent)
{
    const int p = Min<int>(percent, 100);
    const TColor c = ColorToRGB(color);
    auto shade = [p](int v) { return v + MulDiv(255 - v, p, 100); };
    return RGBColor(shade(RedOf(c)), shade(GreenOf(c)), shade(BlueOf(c)));
}

TColor GetContrastShadeColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    const int brightness = static_cast<int>(Round(Max(RedOf(c), Max(GreenOf(c), BlueOf(c))) / 255.0 * 100));
    return brightness >= 50 ? DarkerColor(color, 10) : LighterColor(color, 10);
}

TColor MixColors(TColor color1, TColor color2)
{
    const TColor a = ColorToRGB(color1), b = ColorToRGB(color2);
    return RGBColor((RedOf(a) + RedOf(b)) >> 1, (GreenOf(a) + GreenOf(b)) >> 1, (BlueOf(a) + BlueOf(b)) >> 1);
}

DWORD ColorToAlphaPixel(TColor color, Byte alpha)
{
    const TColor c = ColorToRGB(color);
    return (DWORD(alpha) << 24) | (DWORD(RedOf(c)) << 16) | (DWORD(GreenOf(c)) << 8) | DWORD(BlueOf(c));
}

void CenterRectVertically(TRect& rect, const TRect& bounds, TRect& result)
{
    const int w = rect.Width(), h = rect.Height();
    rect.Left = bounds.Left;
    rect.Top = bounds.Top + (bounds.Height() - h) / 2;
    rect.Right = rect.Left + w;
    rect.Bottom = rect.Top + h;
    result = rect;
}

bool RectContainsPoint(const TRect& rect, TPoint point)
{
    return rect.Left <= point.X && point.X <= rect.Right && rect.Top <= point.Y && point.Y <= rect.Bottom;
}

HRGN CreateNullRegion() { return CreateRectRgn(-1, -1, -1, -1); }

void GetUniqueComponentName(const String& pattern, const TComponent* owner, String& name)
{
    int number = 1;
    name = Format(pattern, {number});
    while (owner && owner->FindComponent(name)) {
        ++number;
        name = Format(pattern, {number});
    }
}

void DrawFrame3D(TCanvas* canvas, TRect& rect, TColor topLeftColor, TColor bottomRightColor)
{
    canvas->Pen()->SetWidth(1);
    const HDC dc = canvas->Handle();
    {
        TDCPen pen(dc);
        const int r = rect.Right - 1, b = rect.Bottom - 1;
        pen.SetColor(topLeftColor);
        const POINT first[] = {{rect.Left, b}, {rect.Left, rect.Top}, {r, rect.Top}};
        Polyline(dc, first, 3);
        pen.SetColor(bottomRightColor);
        const POINT second[] = {{r, rect.Top}, {r, b}, {rect.Left - 1, b}};
        Polyline(dc, second, 3);
    }
    InflateRect(reinterpret_cast<RECT*>(&rect), -1, -1);
}

void DrawDottedLine(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor color)
{
    canvas->Pen()->SetColor(canvas->Font()->Color());
    const HDC dc = canvas->Handle();
    const COLORREF dot = static_cast<COLORREF>(ColorToRGB(color));
    if (x1 == x2) {
        for (int y = y1; y <= y2; y += 2)
            SetPixel(dc, x1, y, dot);
    } else if (y1 == y2) {
        for (int x = x1; x <= x2; x += 2)
            SetPixel(dc, x, y1, dot);
    }
}

void DrawScaledFocusRect(TCanvas* canvas, const TRect& rect, double scale)
{
    FocusRect(canvas, rect, canvas->Font()->Color(), scale);
}

void DrawScaledFocusRectColor(TCanvas* canvas, const TRect& rect, TColor color, double scale)
{
    FocusRect(canvas, rect, color, scale);
}

// ---------------------------------------------------------------------------------------------

DWORD* BitmapPixels(TBitmap* bitmap)
{
    return static_cast<DWORD*>(bitmap->ScanLine(bitmap->Height() - 1));
}

std::unique_ptr<TBitmap> MakeBitmap32(int width, int height)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(width, height);
    return bitmap;
}

void SetPixelsAlpha(DWORD* pixels, int count, Byte alpha)
{
    for (int i = 0; i < count; ++i)
        pixels[i] = (pixels[i] & 0x00FFFFFF) | (DWORD(alpha) << 24);
}

void SetBitmapAlpha(TBitmap* bitmap, Byte alpha)
{
    if (bitmap->Width() > 0 && bitmap->Height() > 0)
        SetPixelsAlpha(BitmapPixels(bitmap), bitmap->Width() * bitmap->Height(), alpha);
}

void FillPixels(DWORD* pixels, int count, DWORD value)
{
    if (value == 0 || value == 0xFFFFFFFF)
        std::memset(pixels, Byte(value), static_cast<size_t>(count) * sizeof(DWORD));
    else
        std::fill(pixels, pixels + count, value);
}

void FillBitmapPixels(TBitmap* bitmap, DWORD value)
{
    if (bitmap->Width() > 0 && bitmap->Height() > 0)
        FillPixels(BitmapPixels(bitmap), bitmap->Width() * bitmap->Height(), value);
}

void AlphaBlendBitmap(TBitmap* bitmap, TCanvas* canvas, const TRect& sourceRect, Byte alpha, const TRect& destRect)
{
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
    AlphaBlend(canvas->Handle(), destRect.Left, destRect.Top, destRect.Width(), destRect.Height(),
               bitmap->Canvas()->Handle(), sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height(),
               blend);
}

void DrawBitmapAlpha(TBitmap* bitmap, TCanvas* canvas, int x, int y, Byte alpha)
{
    const TRect source = Rect(0, 0, bitmap->Width(), bitmap->Height());
    AlphaBlendBitmap(bitmap, canvas, source, alpha, Bounds(x, y, bitmap->Width(), bitmap->Height()));
}

void DrawScaledBitmapAlpha(TBitmap* bitmap, TCanvas* canvas, int x, int y, Byte alpha, double scale)
{
    if (scale == 1) {
        DrawBitmapAlpha(bitmap, canvas, x, y, alpha);
        return;
    }
    auto scaled = MakeBitmap32(static_cast<int>(Round(scale * bitmap->Width())),
                               static_cast<int>(Round(scale * bitmap->Height())));
    ResampleBitmap(bitmap, scaled.get());
    DrawBitmapAlpha(scaled.get(), canvas, x, y, alpha);
}

void FillRectAlpha(TCanvas* canvas, const TRect& rect, Byte alpha)
{
    if (rect.Width() * rect.Height() < 1)
        return;
    auto bitmap = MakeBitmap32(rect.Width(), rect.Height());
    bitmap->Canvas()->Brush()->SetColor(ColorToRGB(canvas->Brush()->Color()));
    bitmap->Canvas()->Brush()->SetStyle(bsSolid);
    bitmap->Canvas()->FillRect(Rect(0, 0, rect.Width(), rect.Height()));
    SetBitmapAlpha(bitmap.get(), 255);
    DrawBitmapAlpha(bitmap.get(), canvas, rect.Left, rect.Top, alpha);
}

void DrawImageListImageAlpha(TCanvas* canvas, int x, int y, Byte alpha, int index, TCustomImageList* images)
{
    auto bitmap = MakeBitmap32(images->Width(), images->Height());
    bitmap->SetAlphaFormat(afIgnored);
    const int count = images->Width() * images->Height();
    SetBitmapAlpha(bitmap.get(), 0);
    if (images->ColorDepth() == cd32Bit) {
        images->Draw(bitmap->Canvas(), 0, 0, index);
    } else {
        auto copy = MakeBitmap32(images->Width(), images->Height());
        images->Draw(copy->Canvas(), 0, 0, index);
        const DWORD* from = BitmapPixels(copy.get());
        DWORD* to = BitmapPixels(bitmap.get());
        // The top-left pixel is the first one of the top row, which is the last row in memory.
        const DWORD transparent = static_cast<const DWORD*>(copy->ScanLine(0))[0] & 0x00FFFFFF;
        for (int i = 0; i < count; ++i)
            if ((from[i] & 0x00FFFFFF) != transparent)
                to[i] = (from[i] & 0x00FFFFFF) | 0xFF000000;
    }
    bitmap->SetAlphaFormat(afPremultiplied);
    DrawBitmapAlpha(bitmap.get(), canvas, x, y, alpha);
}

void ResampleBitmap(TBitmap* source, TBitmap* dest)
{
    const int sw = source->Width(), sh = source->Height(), dw = dest->Width(), dh = dest->Height();
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0)
        return;
    if (sw == dw && sh == dh) {
        std::memcpy(BitmapPixels(dest), BitmapPixels(source), static_cast<size_t>(sw) * sh * sizeof(DWORD));
        return;
    }
    Int64 stepX, stepY;
    if (sw < dw) {
        const int k = dw / sw;
        stepX = Int64(sw) * 65536 / (dw + k - 1);
        stepY = Int64(sh) * 65536 / (dh + k - 1);
    } else {
        stepX = Int64(sw) * 65536 / dw;
        stepY = Int64(sh) * 65536 / dh;
    }
    Int64 f = 0;
    for (int y = 0; y < dh; ++y, f += stepY) {
        const int row = Min(static_cast<int>(f >> 16), sh - 1);
        const int below = row + 1 < sh ? row + 1 : row;
        const auto* top = static_cast<const Byte*>(source->ScanLine(row));
        const auto* bottom = static_cast<const Byte*>(source->ScanLine(below));
        auto* out = static_cast<Byte*>(dest->ScanLine(y));
        const Int64 fy = f & 0xFFFF;
        const Int64 wt = 65535 - fy, wb = fy;
        Int64 x = 0;
        for (int i = 0; i < dw; ++i, x += stepX) {
            const int column = Min(static_cast<int>(x >> 16), sw - 1);
            const int next = column + 1 < sw ? column + 1 : column;
            const Int64 fx = x & 0xFFFF;
            const Int64 tr = (wt * fx) >> 16, tl = wt - tr;
            const Int64 br = (wb * fx) >> 16, bl = wb - br;
            for (int c = 0; c < 4; ++c)
                out[i * 4 + c] = Byte((top[column * 4 + c] * tl + top[next * 4 + c] * tr +
                                       bottom[column * 4 + c] * bl + bottom[next * 4 + c] * br) >>
                                      16);
        }
    }
}

UINT BiDiDrawTextFlags(UINT flags, bool rightToLeft)
{
    if (!rightToLeft)
        return flags;
    if (flags & DT_RIGHT)
        flags &= ~UINT(DT_RIGHT);
    else if (!(flags & DT_CENTER))
        flags |= DT_RIGHT;
    return flags | DT_RTLREADING;
}
