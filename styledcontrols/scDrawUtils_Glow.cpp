// The glow effect: its settings, the stack blur, and glowing text and images.
#include <vector>

#include "Math.h"
#include "Themes.h"
#include "WideText.h"
#include "scDrawUtilsLayout.h"

TAVIN_PUBLISHED(TscGlowEffect)
{
    TAVIN_PROPERTY(bool, Enabled);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(Byte, AlphaValue);
    TAVIN_PROPERTY(Byte, GlowSize);
    TAVIN_PROPERTY(Byte, Offset);
    TAVIN_PROPERTY(bool, Intensive);
    TAVIN_PROPERTY(bool, StyleColors);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TAVIN_PUBLISHED(TscButtonGlowEffect)
{
    TAVIN_PROPERTY(TColor, HotColor);
    TAVIN_PROPERTY(TColor, PressedColor);
    TAVIN_PROPERTY(TColor, FocusedColor);
    TAVIN_PROPERTY(Byte, PressedGlowSize);
    TAVIN_PROPERTY(Byte, PressedAlphaValue);
    TAVIN_PROPERTY(TscsCtrlStates, States);
}

TscGlowEffect::TscGlowEffect() = default;

void TscGlowEffect::Assign(const TPersistent* source)
{
    if (const auto* glow = dynamic_cast<const TscGlowEffect*>(source)) {
        FEnabled = glow->FEnabled;
        FColor = glow->FColor;
        FAlphaValue = glow->FAlphaValue;
        FOffset = glow->FOffset;
        FGlowSize = glow->FGlowSize;
        FIntensive = glow->FIntensive;
        FStyleColors = glow->FStyleColors;
        return;
    }
    TPersistent::Assign(source);
}

void TscGlowEffect::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    if (FOnChange)
        FOnChange(this);
}

void TscGlowEffect::Changed()
{
    if (FEnabled && FOnChange)
        FOnChange(this);
}

TColor TscGlowEffect::StyleMapped(TColor color) const
{
    return FStyleColors && UsesCustomStyle(FControl) ? GetStyleSystemColor(color, FControl) : color;
}

bool TscGlowEffect::ClassicLook() const
{
    const TCustomStyleServices* services = StyleServices(FControl);
    return !UsesCustomStyle(FControl) && !(services && services->Enabled());
}

TColor TscGlowEffect::GetColor() const { return StyleMapped(FColor); }

Byte TscGlowEffect::GetAlphaValue() const
{
    return FColor == clHighlight && FAlphaValue > 170 && ClassicLook() ? Byte(FAlphaValue - 80) : FAlphaValue;
}

void TscButtonGlowEffect::Assign(const TPersistent* source)
{
    TscGlowEffect::Assign(source);
    if (const auto* glow = dynamic_cast<const TscButtonGlowEffect*>(source)) {
        FHotColor = glow->FHotColor;
        FPressedColor = glow->FPressedColor;
        FFocusedColor = glow->FFocusedColor;
        FPressedAlphaValue = glow->FPressedAlphaValue;
        FPressedGlowSize = glow->FPressedGlowSize;
        FStates = glow->FStates;
    }
}

Byte TscButtonGlowEffect::GetPressedAlphaValue() const
{
    return FPressedColor == clHighlight && FPressedAlphaValue > 200 && ClassicLook() ? Byte(FPressedAlphaValue - 50)
                                                                                       : FPressedAlphaValue;
}

// ---------------------------------------------------------------------------------------------

void StackBlurBitmap(TBitmap* bitmap, int radius)
{
    const int w = bitmap->Width(), h = bitmap->Height();
    if (radius <= 0 || w <= 0 || h <= 0)
        return;
    auto* pixels = reinterpret_cast<Byte*>(BitmapPixels(bitmap));
    const int div = 2 * radius + 1;
    const int divsum = ((div + 1) / 2) * ((div + 1) / 2);
    std::vector<int> dv(static_cast<size_t>(256) * divsum);
    for (size_t i = 0; i < dv.size(); ++i)
        dv[i] = static_cast<int>(i) / divsum;
    const size_t count = static_cast<size_t>(w) * h;
    std::vector<int> planes[3] = {std::vector<int>(count), std::vector<int>(count), std::vector<int>(count)};
    std::vector<int> stack(static_cast<size_t>(div) * 3);

    // One pass over `length` values spaced `step` apart in the source, `lines` times.
    auto pass = [&](int lines, int length, auto read, auto write) {
        for (int line = 0; line < lines; ++line) {
            int sum[3] = {}, in[3] = {}, out[3] = {};
            for (int i = -radius; i <= radius; ++i) {
                int* entry = &stack[static_cast<size_t>(i + radius) * 3];
                read(line, EnsureRange(i, 0, length - 1), entry);
                const int weight = radius + 1 - (i < 0 ? -i : i);
                for (int c = 0; c < 3; ++c) {
                    sum[c] += entry[c] * weight;
                    (i > 0 ? in : out)[c] += entry[c];
                }
            }
            int pointer = radius;
            for (int x = 0; x < length; ++x) {
                write(line, x, dv[static_cast<size_t>(sum[0])], dv[static_cast<size_t>(sum[1])],
                      dv[static_cast<size_t>(sum[2])]);
                for (int c = 0; c < 3; ++c)
                    sum[c] -= out[c];
                int* entry = &stack[static_cast<size_t>((pointer - radius + div) % div) * 3];
                for (int c = 0; c < 3; ++c)
                    out[c] -= entry[c];
                read(line, Min(x + radius + 1, length - 1), entry);
                for (int c = 0; c < 3; ++c) {
                    in[c] += entry[c];
                    sum[c] += in[c];
                }
                pointer = (pointer + 1) % div;
                entry = &stack[static_cast<size_t>(pointer) * 3];
                for (int c = 0; c < 3; ++c) {
                    out[c] += entry[c];
                    in[c] -= entry[c];
                }
            }
        }
    };
    // Channels: 0 red, 1 green, 2 blue; pixels are stored blue, green, red, alpha.
    pass(
        h, w,
        [&](int y, int x, int* v) {
            const Byte* p = pixels + (static_cast<size_t>(y) * w + x) * 4;
            v[0] = p[2];
            v[1] = p[1];
            v[2] = p[0];
        },
        [&](int y, int x, int r, int g, int b) {
            const size_t i = static_cast<size_t>(y) * w + x;
            planes[0][i] = r;
            planes[1][i] = g;
            planes[2][i] = b;
        });
    pass(
        w, h,
        [&](int x, int y, int* v) {
            const size_t i = static_cast<size_t>(y) * w + x;
            v[0] = planes[0][i];
            v[1] = planes[1][i];
            v[2] = planes[2][i];
        },
        [&](int x, int y, int r, int g, int b) {
            Byte* p = pixels + (static_cast<size_t>(y) * w + x) * 4;
            p[0] = Byte(b);
            p[1] = Byte(g);
            p[2] = Byte(r);
            p[3] = 255;
        });
}

namespace {

// Every pixel becomes the glow colour with the pixel's red byte as alpha, premultiplied.
void RedToGlowAlpha(TBitmap* bitmap, TColor glowColor)
{
    bitmap->SetAlphaFormat(afIgnored);
    if (bitmap->Width() > 0 && bitmap->Height() > 0) {
        DWORD* pixels = BitmapPixels(bitmap);
        const int count = bitmap->Width() * bitmap->Height();
        for (int i = 0; i < count; ++i)
            pixels[i] = ColorToAlphaPixel(glowColor, Byte(pixels[i] >> 16));
    }
    bitmap->SetAlphaFormat(afPremultiplied);
}

constexpr DWORD OpaqueBlack = 0xFF000000;
constexpr DWORD OpaqueWhite = 0xFFFFFFFF;

} // namespace

void ColorizeGlowBitmap(TBitmap* bitmap, int radius, TColor glowColor)
{
    StackBlurBitmap(bitmap, radius);
    RedToGlowAlpha(bitmap, glowColor);
}

bool HasTransparentPixels(TBitmap* bitmap)
{
    if (bitmap->Width() <= 0 || bitmap->Height() <= 0)
        return false;
    const DWORD* pixels = BitmapPixels(bitmap);
    const int count = bitmap->Width() * bitmap->Height();
    for (int i = 0; i < count; ++i)
        if ((pixels[i] >> 24) != 255)
            return true;
    return false;
}

void MakeGlowImage(TBitmap* glowBitmap, TBitmap* source, int radius, TColor glowColor)
{
    const int w = source->Width(), h = source->Height();
    glowBitmap->SetAlphaFormat(afIgnored);
    glowBitmap->SetPixelFormat(pf32bit);
    glowBitmap->SetSize(w + 2 * radius, h + 2 * radius);
    FillBitmapPixels(glowBitmap, OpaqueBlack);
    auto mark = [&](int x, int y) { static_cast<DWORD*>(glowBitmap->ScanLine(y + radius))[x + radius] = OpaqueWhite; };
    if (source->PixelFormat() == pf32bit && HasTransparentPixels(source)) {
        for (int y = 0; y < h; ++y) {
            const auto* row = static_cast<const DWORD*>(source->ScanLine(y));
            for (int x = 0; x < w; ++x)
                if (row[x] >> 24)
                    mark(x, y);
        }
    } else if (w > 0 && h > 0) {
        auto copy = MakeBitmap32(w, h);
        copy->Canvas()->Draw(0, 0, source);
        SetBitmapAlpha(copy.get(), 255);
        const DWORD transparent = static_cast<const DWORD*>(copy->ScanLine(0))[0];
        for (int y = 0; y < h; ++y) {
            const auto* row = static_cast<const DWORD*>(copy->ScanLine(y));
            for (int x = 0; x < w; ++x)
                if (row[x] != transparent)
                    mark(x, y);
        }
    }
    StackBlurBitmap(glowBitmap, radius);
    RedToGlowAlpha(glowBitmap, glowColor);
}

void MakeImageListGlow(TBitmap* glowBitmap, TCustomImageList* images, int index, TColor glowColor, int radius)
{
    auto image = MakeBitmap32(images->Width(), images->Height());
    SetBitmapAlpha(image.get(), 0);
    images->Draw(image->Canvas(), 0, 0, index);
    MakeGlowImage(glowBitmap, image.get(), radius, glowColor);
}

void DrawGlowText(TGlowBuffer& buffer, bool rebuild, TCanvas* canvas, bool noPrefix, bool rightToLeft, Byte alpha,
                  bool intensive, int glowSize, TColor glowColor, int offset, UINT flags, const String& text,
                  TRect rect)
{
    if (noPrefix)
        flags |= DT_NOPREFIX;
    flags = BiDiDrawTextFlags(flags, rightToLeft);
    if (rebuild)
        buffer.reset();
    if (!buffer) {
        if (rect.Width() < 2 * glowSize)
            rect.Right = rect.Left + 2 * glowSize;
        if (rect.Height() < 2 * glowSize)
            rect.Bottom = rect.Top + 2 * glowSize;
        const int width = rect.Width(), height = rect.Height();
        buffer = MakeBitmap32(width + 2 * glowSize, height + 2 * glowSize);
        FillBitmapPixels(buffer.get(), OpaqueBlack);
        TCanvas* c = buffer->Canvas();
        c->SetFont(canvas->Font());
        c->Font()->SetColor(clWhite);
        c->Brush()->SetStyle(bsClear);
        const TRect inner = Rect(glowSize, glowSize, buffer->Width() - glowSize, buffer->Height() - glowSize);
        auto draw = [&](int dx, int dy) {
            RECT r = ToWinRect(inner);
            OffsetRect(&r, dx, dy);
            DrawTextW(c->Handle(), WidePtr(text), static_cast<int>(text.size()), &r, flags);
        };
        if (intensive) {
            draw(-1, 0);
            draw(1, 0);
            draw(0, -1);
            draw(0, 1);
        } else {
            draw(0, 0);
        }
        SetBitmapAlpha(buffer.get(), 255);
        ColorizeGlowBitmap(buffer.get(), glowSize, glowColor);
    }
    DrawBitmapAlpha(buffer.get(), canvas, rect.Left + offset - glowSize, rect.Top + offset - glowSize, alpha);
    canvas->Brush()->SetStyle(bsClear);
    RECT r = ToWinRect(rect);
    DrawTextW(canvas->Handle(), WidePtr(text), static_cast<int>(text.size()), &r, flags);
}

void DrawImageGlow(TGlowBuffer& buffer, bool rebuild, TCanvas* canvas, Byte alpha, int glowSize, TColor glowColor,
                   int offset, int imageIndex, TCustomImageList* images, int y, int x)
{
    if (rebuild)
        buffer.reset();
    if (!buffer) {
        buffer = std::make_unique<TBitmap>();
        MakeImageListGlow(buffer.get(), images, imageIndex, glowColor, glowSize);
    }
    DrawBitmapAlpha(buffer.get(), canvas, x + offset - glowSize, y + offset - glowSize, alpha);
    if (images->ShareImages())
        ImageList_DrawEx(images->Handle(), imageIndex, canvas->Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
    else
        images->Draw(canvas, x, y, imageIndex, true);
}

namespace {

void PaintGlow(TGlowBuffer& textBuffer, TGlowBuffer& imageBuffer, bool rebuild, bool imageGlow, Byte glowAlpha,
               bool intensive, int glowSize, TColor glowColor, int glowOffset, const TImageTextArgs& args)
{
    PaintImageAndText(
        args,
        [&](const TRect& r, UINT flags) {
            // DrawGlowText applies the reading order itself.
            DrawGlowText(textBuffer, rebuild, args.Canvas, args.NoPrefix, false, glowAlpha, intensive, glowSize,
                         glowColor, glowOffset, flags, args.Text, r);
        },
        [&](int x, int y) {
            if (imageGlow)
                DrawImageGlow(imageBuffer, rebuild, args.Canvas, glowAlpha, glowSize, glowColor, glowOffset,
                              args.ImageIndex, args.Images, y, x);
            else
                DrawImageListImage(args.Canvas, x, y, args.Images, args.ImageIndex, args.Enabled);
        });
}

} // namespace

void DrawImageAndTextGlow(TGlowBuffer& textBuffer, TGlowBuffer& imageBuffer, bool rebuild, bool wordWrap,
                          double scale, bool noPrefix, bool rightToLeft, bool showFocus, bool imageGlow,
                          Byte glowAlpha, bool intensive, int glowSize, TColor glowColor, int glowOffset,
                          TColor markerColor, bool showMarker, bool enabled, TCustomImageList* images,
                          int imageIndex, const String& text, int layout, int spacing, int margin,
                          const TRect& rect, TCanvas* canvas)
{
    PaintGlow(textBuffer, imageBuffer, rebuild, imageGlow, glowAlpha, intensive, glowSize, glowColor, glowOffset,
              {canvas, rect, margin, wordWrap, scale, noPrefix, rightToLeft, showFocus, markerColor, showMarker,
               enabled, images, imageIndex, text, layout, spacing});
}

void DrawImageAndTextGlowLeft(TGlowBuffer& textBuffer, TGlowBuffer& imageBuffer, bool rebuild, bool wordWrap,
                              double scale, bool noPrefix, bool rightToLeft, bool showFocus, bool imageGlow,
                              Byte glowAlpha, bool intensive, int glowSize, TColor glowColor, int glowOffset,
                              TColor markerColor, bool showMarker, bool enabled, TCustomImageList* images,
                              int imageIndex, const String& text, int layout, int spacing, int margin,
                              const TRect& rect, TCanvas* canvas)
{
    PaintGlow(textBuffer, imageBuffer, rebuild, imageGlow, glowAlpha, intensive, glowSize, glowColor, glowOffset,
              {canvas, rect, margin, wordWrap, scale, noPrefix, rightToLeft, showFocus, markerColor, showMarker,
               enabled, images, imageIndex, text, layout, spacing, true, false, false});
}
