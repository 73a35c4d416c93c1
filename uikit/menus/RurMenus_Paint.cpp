// The canvas primitives of the menu painter: line-by-line gradients and their sections, framed and
// mirrored boxes, fading lines, composed backgrounds, and the side bar's caption, border and
// splitter.
#include "Math.h"
#include "RurMenuUtil.h"
#include "RurMenus_Engine.h"

using RurMenus::gdHorizontal;
using RurMenus::gdVertical;
using RurMenus::TGradientDirection;

namespace {

// The colour at step of steps along the way from 'from' to 'to', per channel, truncating.
TColor Blend(TColor from, TColor to, int step, int steps)
{
    Byte r1, g1, b1, r2, g2, b2;
    RurMenuUtil::ColorToRGBParts(from, r1, g1, b1);
    RurMenuUtil::ColorToRGBParts(to, r2, g2, b2);
    auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return static_cast<TColor>(RGB(channel(r1, r2), channel(g1, g2), channel(b1, b2)));
}

void FillSolid(TCanvas* canvas, const TRect& rect, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

} // namespace

void DrawMenuGradient(TCanvas* canvas, const TRect& rect, TGradientDirection direction, TColor ColorTo, TColor Color)
{
    if (Color == ColorTo || ColorTo == clNone) {
        FillSolid(canvas, rect, Color);
        return;
    }
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    if (direction == gdVertical) {
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            canvas->Pen()->SetColor(Blend(Color, ColorTo, y - rect.Top, rect.Height()));
            canvas->MoveTo(rect.Left, y);
            canvas->LineTo(rect.Right, y);
        }
    } else {
        for (int x = rect.Left; x < rect.Right; ++x) {
            canvas->Pen()->SetColor(Blend(Color, ColorTo, x - rect.Left, rect.Width()));
            canvas->MoveTo(x, rect.Top);
            canvas->LineTo(x, rect.Bottom);
        }
    }
}

void DrawGradientSection(TCanvas* canvas, const TRect& FullRect, const TRect& ClipRect, TGradientDirection direction,
                         TColor ColorTo, TColor Color)
{
    const TRect part = Rect(std::max(ClipRect.Left, FullRect.Left), std::max(ClipRect.Top, FullRect.Top),
                            std::min(ClipRect.Right, FullRect.Right), std::min(ClipRect.Bottom, FullRect.Bottom));
    if (part.IsEmpty())
        return;
    if (ColorTo == clNone || ColorTo == Color) {
        FillSolid(canvas, part, Color);
        return;
    }
    const bool vertical = direction == gdVertical;
    const int length = vertical ? FullRect.Height() : FullRect.Width();
    const int start = vertical ? part.Top - FullRect.Top : part.Left - FullRect.Left;
    const int end = vertical ? part.Bottom - FullRect.Top : part.Right - FullRect.Left;
    DrawMenuGradient(canvas, part, direction, Blend(Color, ColorTo, end, length), Blend(Color, ColorTo, start, length));
}

void DrawGradientBox(TCanvas* canvas, const TRect& rect, bool Fill, TColor Border, TGradientDirection direction,
                     TColor ColorTo, TColor Color)
{
    if (Fill && Color != clNone)
        DrawMenuGradient(canvas, rect, direction, ColorTo, Color);
    if (Border != clNone) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Border);
        canvas->FrameRect(rect);
    }
}

void DrawMirrorGradientBox(TCanvas* canvas, const TRect& rect, bool Fill, TColor Border, TGradientDirection direction,
                           TColor MirrorTo, TColor Mirror, TColor ColorTo, TColor Color)
{
    if (Fill && Color != clNone) {
        if (Mirror == clNone) {
            DrawMenuGradient(canvas, rect, direction, ColorTo, Color);
        } else {
            const int middle = rect.Top + rect.Height() / 2;
            DrawMenuGradient(canvas, Rect(rect.Left, rect.Top, rect.Right, middle), direction, ColorTo, Color);
            DrawMenuGradient(canvas, Rect(rect.Left, middle, rect.Right, rect.Bottom), direction, MirrorTo, Mirror);
        }
    }
    DrawGradientBox(canvas, rect, false, Border, direction, ColorTo, Color);
}

void DrawGradientLine(TCanvas* canvas, TRect rect, int Margin, int GradientWidth, TGradientType GradientType,
                      TGradientDirection direction, TColor ColorTo, TColor Color)
{
    if (ColorTo == clNone)
        ColorTo = Color;
    int gw = GradientWidth;
    // Along the line: 'lo' and 'hi' are its ends (left and right, or top and bottom).
    const bool horizontal = direction == gdHorizontal;
    int& lo = horizontal ? rect.Left : rect.Top;
    int& hi = horizontal ? rect.Right : rect.Bottom;
    lo += Margin;
    hi -= Margin;
    const auto part = [&](int from, int to) {
        return horizontal ? Rect(from, rect.Top, to, rect.Bottom) : Rect(rect.Left, from, rect.Right, to);
    };
    const auto fade = [&](int from, int to, TColor first, TColor last) {
        DrawMenuGradient(canvas, part(from, to), direction, last, first);
    };
    if (!horizontal && GradientType == gtBoth)
        gw *= 2;
    const int length = hi - lo;
    if (gw < length) {
        if (GradientType == gtBoth)
            FillSolid(canvas, part(lo + gw / 2, hi - gw / 2), Color);
        else if (horizontal)
            FillSolid(canvas, GradientType == gtLeft ? part(lo + gw, hi) : part(lo, hi - gw), ColorTo);
        else
            FillSolid(canvas, GradientType == gtLeft ? part(lo, hi - gw) : part(lo + gw, hi), ColorTo);
    } else {
        gw = length;
    }
    if (gw <= 0)
        return;
    if (GradientType == gtBoth) {
        fade(lo, lo + gw / 2, ColorTo, Color);
        fade(hi - gw / 2, hi, Color, ColorTo);
    } else if (horizontal) {
        if (GradientType == gtLeft)
            fade(lo, lo + gw, Color, ColorTo);
        else
            fade(hi - gw, hi, ColorTo, Color);
    } else {
        if (GradientType == gtLeft)
            fade(hi - gw, hi, ColorTo, Color);
        else
            fade(lo, lo + gw, Color, ColorTo);
    }
}

void DrawMenuBackground(TCanvas* canvas, const TRect& rect, TBackground* background, bool WithGradient)
{
    TRect inner = rect;
    RurMenuUtil::Inflate(inner, -background->MarginX(), -background->MarginY());
    TBitmap* cache = background->CacheBitmap();
    cache->SetSize(std::max(inner.Width(), 0), std::max(inner.Height(), 0));
    const TRect cacheRect = Rect(0, 0, cache->Width(), cache->Height());
    const bool hasPicture = background->HasPicture();
    TGraphic* picture = hasPicture ? background->Image()->Graphic() : nullptr;
    const TBackgroundPosition position = background->Position();
    if (WithGradient &&
        (!hasPicture || (position != bpTiled && position != bpStretched) || picture->Transparent()))
        DrawMenuGradient(cache->Canvas(), cacheRect, background->GradientDirection(), background->ColorTo(),
                         background->Color());
    if (hasPicture) {
        TCanvas* target = cache->Canvas();
        const int width = picture->Width(), height = picture->Height();
        switch (position) {
        case bpTiled:
            if (width >= 1 && height >= 1)
                for (int y = 0; y < cacheRect.Bottom; y += height)
                    for (int x = 0; x < cacheRect.Right; x += width)
                        target->Draw(x, y, picture);
            break;
        case bpStretched:
            target->StretchDraw(cacheRect, picture);
            break;
        case bpXY:
            target->Draw(background->OffsetX(), background->OffsetY(), picture);
            break;
        default: {
            int x = 0, y = 0;
            background->CalcPicturePosition(cacheRect, x, y);
            target->Draw(x, y, picture);
        }
        }
    }
    canvas->Draw(inner.Left, inner.Top, cache);
}

namespace {

TSideBar* SideBarOf(IRurMenu* intf)
{
    TCustomRurMenuStyler* styler = intf ? intf->GetCurrentMenuStyler() : nullptr;
    return styler ? styler->SideBar() : nullptr;
}

} // namespace

void DrawSideBarCaption(TCanvas* canvas, IRurMenu* intf, const TRect& band)
{
    TSideBar* bar = SideBarOf(intf);
    if (!bar)
        return;
    canvas->Font()->Assign(bar->Font());
    HDC dc = canvas->Handle();
    HFONT rotated = RurMenuUtil::CreateRotatedFont(bar->Font(), bar->Direction() == dUpToDown ? -90 : 90);
    HGDIOBJ oldFont = SelectObject(dc, rotated);
    const String& caption = bar->Caption();
    SIZE extent{};
    GetTextExtentPoint32W(dc, reinterpret_cast<LPCWSTR>(caption.c_str()), static_cast<int>(caption.size()), &extent);
    const int w = extent.cx, h = extent.cy;
    int x = static_cast<int>(Round((Round(bar->Size() * GetMenuDPIScale()) - h) / 2.0 - 0.5));
    RECT clip = ToWinRect(band);
    clip.bottom += 1;
    SetBkMode(dc, TRANSPARENT);
    const bool downToUp = bar->Direction() == dDownToUp;
    int y;
    if (bar->Alignment() == taCenter) {
        y = static_cast<int>(Round((band.Height() + w) / 2.0 - 0.5));
    } else if ((bar->Alignment() == taRightJustify) == downToUp) {
        y = bar->OffsetY() + w;
    } else {
        y = band.Height() - bar->OffsetY();
        const TBackgroundPosition imagePosition = bar->Image()->Position();
        if (bar->Image()->HasPicture() && (imagePosition == bpBottomLeft || imagePosition == bpBottomRight))
            y -= bar->Image()->Image()->Height();
    }
    if (!downToUp) {
        y -= w;
        x += h + 1;
    }
    const auto textAt = [&](int tx, int ty, TColor color) {
        SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
        ExtTextOutW(dc, band.Left + tx, band.Top + ty, ETO_CLIPPED, &clip, reinterpret_cast<LPCWSTR>(caption.c_str()),
                    static_cast<UINT>(caption.size()), nullptr);
    };
    if (bar->HighlightColor() != clNone)
        textAt(x - bar->Depth(), y + bar->Depth(), bar->HighlightColor());
    if (bar->ShadowColor() != clNone)
        textAt(x + bar->Depth(), y - bar->Depth(), bar->ShadowColor());
    textAt(x, y, bar->Font()->Color());
    SelectObject(dc, oldFont);
    DeleteObject(rotated);
    SetBkMode(dc, OPAQUE);
}

void DrawSideBarBorder(TCanvas* canvas, IRurMenu* intf, const TRect& band)
{
    TSideBar* bar = SideBarOf(intf);
    if (!bar || bar->BorderColor() == clNone)
        return;
    TRect frame = band;
    frame.Right -= bar->SplitterWidth();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(bar->BorderColor());
    canvas->FrameRect(frame);
}

void DrawSideBarSplitter(TCanvas* canvas, IRurMenu* intf, const TRect& band)
{
    TSideBar* bar = SideBarOf(intf);
    if (!bar || bar->SplitterColor() == clNone)
        return;
    const TRect split = Rect(band.Right - bar->SplitterWidth(), band.Top, band.Right, band.Bottom);
    DrawGradientLine(canvas, split, bar->SplitterMargin(), bar->SplitterGradientWidth(), bar->SplitterGradientType(),
                     gdVertical, bar->SplitterColorTo(), bar->SplitterColor());
}
