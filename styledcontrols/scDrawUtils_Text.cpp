// Text painters and the image-and-text layout of the kit's captions.
#include "scDrawUtilsLayout.h"

#include "Math.h"
#include "WideText.h"

void PrepareCanvasText(TCanvas* canvas)
{
    canvas->TextExtent(String()); // selects the font and its colour
    const HDC dc = canvas->Handle();
    if (canvas->Brush()->Style() == bsSolid) {
        SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(canvas->Brush()->Color())));
        SetBkMode(dc, OPAQUE);
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
}

namespace {

int DrawTextIn(TCanvas* canvas, const String& text, TRect& rect, UINT flags)
{
    PrepareCanvasText(canvas);
    RECT r = ToWinRect(rect);
    const int result = DrawTextW(canvas->Handle(), WidePtr(text), static_cast<int>(text.size()), &r, flags);
    rect = FromWinRect(r);
    return result;
}

void DrawTextOnce(TCanvas* canvas, const String& text, const TRect& rect, UINT flags)
{
    TRect r = rect;
    DrawTextIn(canvas, text, r, flags);
}

bool Fits(const TSize& size, const TRect& rect) { return size.cy <= rect.Height() && size.cx <= rect.Width(); }

const String Ellipsis = u"...";

} // namespace

TSize MeasureText(TCanvas* canvas, const String& text, int width, int height, UINT flags)
{
    TRect r = Rect(0, 0, width, height);
    DrawTextIn(canvas, text, r, flags | DT_CALCRECT);
    return TSize{r.Width(), r.Height()};
}

void CutTextToWidth(TCanvas* canvas, String& text, int width)
{
    if (canvas->TextWidth(text) <= width)
        return;
    while (!text.empty() && canvas->TextWidth(text + Ellipsis) > width)
        text.pop_back();
    text += Ellipsis;
}

void DrawWrappedTextWithEllipsis(TCanvas* canvas, const String& text, const TRect& rect, bool wrapByMeasuredWidth)
{
    if (text.empty())
        return;
    constexpr UINT drawFlags = DT_NOPREFIX | DT_WORDBREAK | DT_CENTER;
    if (wrapByMeasuredWidth) {
        // Words longer than the width are broken where they stop fitting.
        String line, result;
        for (Char c : text) {
            line += c;
            const TSize size = MeasureText(canvas, line, rect.Width(), rect.Height(), DT_NOPREFIX);
            if (size.cx <= rect.Width() || c == u' ') {
                result += c;
                if (c == u' ')
                    line.clear();
            } else {
                result += u' ';
                result += c;
                line = String(1, c);
            }
        }
        DrawTextOnce(canvas, result, rect, drawFlags);
        return;
    }
    if (Fits(MeasureText(canvas, text, rect.Width(), rect.Height(), drawFlags), rect)) {
        DrawTextOnce(canvas, text, rect, drawFlags);
        return;
    }
    String fitting;
    for (size_t i = 0; i < text.size(); ++i) {
        const String longer = text.substr(0, i + 1);
        if (!Fits(MeasureText(canvas, longer + Ellipsis, rect.Width(), rect.Height(), drawFlags), rect))
            break;
        fitting = longer;
    }
    DrawTextOnce(canvas, fitting + Ellipsis, rect, drawFlags);
}

void DrawTextFitting(TCanvas* canvas, const String& text, const TRect& rect)
{
    if (text.empty())
        return;
    if (Fits(MeasureText(canvas, text, rect.Width(), rect.Height(), DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER), rect))
        DrawTextOnce(canvas, text, rect, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    else if (Fits(MeasureText(canvas, text, rect.Width(), rect.Height(), DT_NOPREFIX | DT_WORDBREAK), rect))
        DrawTextOnce(canvas, text, rect, DT_NOPREFIX | DT_WORDBREAK | DT_VCENTER);
    else
        DrawTextOnce(canvas, text, rect, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

int StrToTabStop(const String& text)
{
    if (text.empty() || text.find_first_not_of(u"01234567890") != String::npos)
        return 0;
    int value = 0;
    for (Char c : text) {
        if (value > (INT_MAX - 9) / 10)
            return 0; // more digits than a tab position can have
        value = value * 10 + (c - u'0');
    }
    return value;
}

void DrawTabbedText(const String& text, const TStrings* tabStops, TCanvas* canvas, int offset, const TRect& rect)
{
    if (text.empty())
        return;
    constexpr int MaxStops = 10;
    int stops[MaxStops] = {};
    const int count = tabStops ? Min(tabStops->Count(), MaxStops) : 0;
    for (int i = 0; i < count; ++i)
        stops[i] = StrToTabStop(tabStops->Strings(i));
    const int y = rect.Top + rect.Height() / 2 - canvas->TextHeight(text) / 2;
    TabbedTextOutW(canvas->Handle(), rect.Left + offset + 2, y, WidePtr(text), static_cast<int>(text.size()), count,
                   count ? stops : nullptr, 0);
}

void DrawSingleLineText(TCanvas* canvas, const String& text, const TRect& rect, bool noPrefix, bool rightToLeft)
{
    if (text.empty())
        return;
    UINT flags = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;
    if (noPrefix)
        flags |= DT_NOPREFIX;
    DrawTextOnce(canvas, text, rect, BiDiDrawTextFlags(flags, rightToLeft));
}

namespace {
UINT AlignmentFlag(int alignment) { return alignment == 1 ? DT_RIGHT : alignment == 2 ? DT_CENTER : 0; }
} // namespace

void DrawWrappedText(TCanvas* canvas, const String& text, const TRect& rect, bool rightToLeft, int alignment)
{
    if (text.empty())
        return;
    const UINT flags = DT_NOPREFIX | DT_NOCLIP | DT_WORDBREAK | DT_VCENTER | AlignmentFlag(alignment);
    DrawTextOnce(canvas, text, rect, BiDiDrawTextFlags(flags, rightToLeft));
}

void DrawAlignedText(TCanvas* canvas, const String& text, const TRect& rect, bool endEllipsis, bool rightToLeft,
                     int alignment)
{
    if (text.empty())
        return;
    UINT flags = DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | AlignmentFlag(alignment);
    if (endEllipsis)
        flags |= DT_END_ELLIPSIS;
    DrawTextOnce(canvas, text, rect, BiDiDrawTextFlags(flags, rightToLeft));
}

void CalcContentLayout(int layout, const TRect& rect, int imageWidth, int& imageY, int& imageX, int& textY,
                       int& textX, int margin, int spacing, int textHeight, int textWidth, int imageHeight)
{
    const int W = rect.Width(), H = rect.Height(), GW = imageWidth, GH = imageHeight, TW = textWidth,
              TH = textHeight;
    int M = margin, S = GW == 0 ? 0 : spacing;
    const int totalWidth = GW + TW + S, totalHeight = GH + TH + S;
    if (M == -1 && TW != 0) {
        if ((layout == 2 || layout == 3) && H < totalHeight)
            M = 0;
        if ((layout == 0 || layout == 1) && W < totalWidth)
            M = 0;
    }
    const int cx = rect.Left + W / 2, cy = rect.Top + H / 2;
    const int gx = cx - GW / 2, gy = cy - GH / 2, tx = cx - TW / 2, ty = cy - TH / 2;
    if (M == -1) {
        const int hw = totalWidth / 2, hh = totalHeight / 2;
        switch (layout) {
        case 0: imageX = cx - hw; imageY = gy; textX = cx + hw - TW; textY = ty; break;
        case 1: textX = cx - hw; textY = ty; imageX = cx + hw - GW; imageY = gy; break;
        case 2: imageX = gx; imageY = cy - hh; textX = tx; textY = cy + hh - TH; break;
        case 3: textX = tx; textY = cy - hh; imageX = gx; imageY = cy + hh - GH; break;
        default: break;
        }
        return;
    }
    const bool centred = S < -100;
    switch (layout) {
    case 0: {
        imageX = rect.Left + M;
        imageY = gy;
        const int e = rect.Left + M + GW;
        textX = centred ? e + (rect.Right - e) / 2 - TW / 2 : e + S;
        textY = ty;
        break;
    }
    case 1: {
        const int o = rect.Right - GW - M;
        imageX = o;
        imageY = gy;
        textX = centred ? o - TW + TW / 2 - (W - GW) / 2 : o - S - TW;
        textY = ty;
        break;
    }
    case 2: {
        imageX = gx;
        imageY = rect.Top + M;
        const int t = imageY + GH;
        textY = centred ? t + (H - t) / 2 - TH / 2 : t + S;
        textX = tx;
        break;
    }
    case 3:
        imageX = gx;
        imageY = rect.Bottom - GH - M;
        textY = centred ? imageY - TH + TH / 2 - (H - GH) / 2 : imageY - S - TH;
        textX = tx;
        break;
    default: break;
    }
}

bool IsImageIndexValid(const TCustomImageList* images, int index)
{
    return images && index >= 0 && index < images->Count();
}

namespace {

bool IsVirtualImageList(const TCustomImageList* images) { return images->ClassName() == u"TVirtualImageList"; }

void DrawSharedImage(TCanvas* canvas, int x, int y, TCustomImageList* images, int index, bool enabled)
{
    ImageList_DrawEx(images->Handle(), index, canvas->Handle(), x, y, 0, 0, CLR_NONE, CLR_NONE,
                     enabled ? ILD_NORMAL : ILD_BLEND25);
}

// The kit draws disabled images of a list two ways: its caption painters let an ordinary list draw
// its own disabled form, and fade only a virtual list.
void DrawListImage(TCanvas* canvas, int x, int y, TCustomImageList* images, int index, bool enabled)
{
    if (images->ShareImages()) {
        DrawSharedImage(canvas, x, y, images, index, enabled);
    } else if (enabled) {
        images->Draw(canvas, x, y, index, true);
    } else if (IsVirtualImageList(images)) {
        DrawImageListImageAlpha(canvas, x, y, 80, index, images);
    } else {
        images->Draw(canvas, x, y, index, false);
    }
}

} // namespace

void DrawImageListImage(TCanvas* canvas, int x, int y, TCustomImageList* images, int index, bool enabled)
{
    if (images->ShareImages()) {
        DrawSharedImage(canvas, x, y, images, index, enabled);
    } else if (enabled) {
        images->Draw(canvas, x, y, index, true);
    } else if (IsVirtualImageList(images)) {
        images->Draw(canvas, x, y, index, false);
    } else {
        DrawImageListImageAlpha(canvas, x, y, 80, index, images);
    }
}

void DrawCaptionImageAndText(TCanvas* canvas, const TRect& rect, int margin, bool noPrefix, bool rightToLeft,
                             bool enabled, TCustomImageList* images, int imageIndex, const String& text, int spacing)
{
    const bool hasImage = IsImageIndexValid(images, imageIndex);
    const int GW = hasImage ? images->Width() : 0, GH = hasImage ? images->Height() : 0;
    const int S = hasImage ? spacing : 0;
    TSize textSize{0, 0};
    if (!text.empty()) {
        const int width = rect.Width() - GW - S - (margin > 0 ? margin : 0);
        textSize = MeasureText(canvas, text, width, rect.Height(),
                               BiDiDrawTextFlags(DT_NOPREFIX | DT_EXPANDTABS, rightToLeft));
    }
    canvas->Brush()->SetStyle(bsClear);
    int gx = 0, gy = 0, tx = 0, ty = 0;
    CalcContentLayout(0, rect, GW, gy, gx, ty, tx, margin, S, textSize.cy, textSize.cx, GH);
    if (!text.empty()) {
        UINT flags = DT_NOCLIP | DT_EXPANDTABS | DT_VCENTER | DT_CENTER;
        if (noPrefix)
            flags |= DT_NOPREFIX;
        DrawTextOnce(canvas, text, Bounds(tx, ty - 1, textSize.cx, textSize.cy), BiDiDrawTextFlags(flags, rightToLeft));
    }
    if (hasImage)
        DrawListImage(canvas, gx, gy, images, imageIndex, enabled);
}

void PaintImageAndText(const TImageTextArgs& a, const TTextPainter& drawText, const TImagePainter& drawImage)
{
    TCanvas* canvas = a.Canvas;
    const bool hasImage = IsImageIndexValid(a.Images, a.ImageIndex);
    const int GW = hasImage ? a.Images->Width() : 0, GH = hasImage ? a.Images->Height() : 0;
    const int S = hasImage ? a.Spacing : 0;
    const bool hasText = !a.Text.empty();
    TSize textSize{0, 0};
    if (hasText) {
        int width = a.Rect.Width(), height = a.Rect.Height();
        if (a.Layout == 2 || a.Layout == 3)
            height -= S + GH;
        else if (a.Layout == 0 || a.Layout == 1)
            width -= GW + S + (a.Margin > 0 ? a.Margin : 0);
        UINT flags = DT_EXPANDTABS;
        if (a.NoPrefix)
            flags |= DT_NOPREFIX;
        if (a.WordWrap)
            flags |= DT_WORDBREAK;
        textSize = MeasureText(canvas, a.Text, width, height, BiDiDrawTextFlags(flags, a.RightToLeft));
    }
    canvas->Brush()->SetStyle(bsClear);
    int gx = 0, gy = 0, tx = 0, ty = 0;
    CalcContentLayout(a.Layout, a.Rect, GW, gy, gx, ty, tx, a.Margin, S, textSize.cy, textSize.cx, GH);
    TRect textRect = Bounds(tx, ty, textSize.cx, textSize.cy);
    if (hasText) {
        UINT flags = DT_NOCLIP | DT_VCENTER | (a.LeftAligned ? 0u : UINT(DT_CENTER));
        if (a.ExpandTabs)
            flags |= DT_EXPANDTABS;
        if (a.NoPrefix)
            flags |= DT_NOPREFIX;
        if (a.WordWrap)
            flags |= DT_WORDBREAK;
        if (a.EndEllipsis && (a.Layout == 0 || a.Layout == 1)) {
            textRect.Right = Min(textRect.Right, a.Rect.Right);
            flags |= DT_END_ELLIPSIS;
            if (hasImage && a.Layout == 0)
                textRect.Left = Max(textRect.Left, gx + GW + 4);
            if (hasImage && a.Layout == 1 && textRect.Right > gx - 4)
                textRect.Right = gx - 4;
        }
        drawText(textRect, BiDiDrawTextFlags(flags, a.RightToLeft));
        if (a.ShowFocus) {
            TRect focus = textRect;
            InflateRect(reinterpret_cast<RECT*>(&focus), 2, 2);
            DrawScaledFocusRect(canvas, focus, a.Scale);
        }
    }
    if (hasImage)
        drawImage(gx, gy);
    if (a.ShowMarker) {
        canvas->Pen()->SetColor(a.MarkerColor);
        const int lines = static_cast<int>(Trunc(a.Scale * 2)) + 1;
        if (hasImage || hasText) {
            const int left = hasImage ? gx : textRect.Left, right = hasImage ? gx + GW : textRect.Right;
            const int top = hasImage ? gy + GH : textRect.Bottom;
            for (int i = 0; i < lines; ++i) {
                canvas->MoveTo(left, top + i);
                canvas->LineTo(right, top + i);
            }
        } else {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(a.MarkerColor);
            canvas->FillRect(Rect(a.Rect.Left + 4, a.Rect.Top + 4, a.Rect.Right - 2, a.Rect.Bottom - 4));
        }
    }
    if (a.ShowFocus && hasImage && !hasText) {
        TRect focus = Bounds(gx, gy, GW, GH);
        InflateRect(reinterpret_cast<RECT*>(&focus), 2, 2);
        DrawScaledFocusRect(canvas, focus, a.Scale);
    }
}

namespace {
void PaintPlain(const TImageTextArgs& a)
{
    PaintImageAndText(
        a, [&](const TRect& r, UINT flags) { DrawTextOnce(a.Canvas, a.Text, r, flags); },
        [&](int x, int y) { DrawListImage(a.Canvas, x, y, a.Images, a.ImageIndex, a.Enabled); });
}
} // namespace

void DrawImageAndText(TCanvas* canvas, const TRect& rect, int margin, bool wordWrap, double scale, bool noPrefix,
                      bool rightToLeft, bool showFocus, TColor markerColor, bool showMarker, bool enabled,
                      TCustomImageList* images, int imageIndex, const String& text, int layout, int spacing)
{
    PaintPlain({canvas, rect, margin, wordWrap, scale, noPrefix, rightToLeft, showFocus, markerColor, showMarker,
                enabled, images, imageIndex, text, layout, spacing});
}

void DrawImageAndTextEllipsis(TCanvas* canvas, const TRect& rect, int margin, bool endEllipsis, bool wordWrap,
                              double scale, bool noPrefix, bool rightToLeft, bool showFocus, TColor markerColor,
                              bool showMarker, bool enabled, TCustomImageList* images, int imageIndex,
                              const String& text, int layout, int spacing)
{
    PaintPlain({canvas, rect, margin, wordWrap, scale, noPrefix, rightToLeft, showFocus, markerColor, showMarker,
                enabled, images, imageIndex, text, layout, spacing, true, endEllipsis});
}
