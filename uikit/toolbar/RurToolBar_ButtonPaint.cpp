// How a toolbar button paints itself: the face of its look with border, drop-down part and arrow,
// the glyph with its grey shade when hot, and the caption beside it, turned on vertical toolbars
// and embossed when disabled.
#include <algorithm>

#include "Math.h"
#include "RurStyleIF.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_ToolBar.h"
#include "Themes.h"

namespace {

int RoundToInt(double value) { return int(Round(value)); }

// A rectangle filled by its colours: a 40-step gradient with both, solid with the first alone.
void FillArea(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TGradientDirection direction)
{
    if (color == clNone)
        return;
    if (colorTo != clNone) {
        DrawGradient(canvas, color, colorTo, 40, r, direction == gdHorizontal);
        return;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->Rectangle(r);
}

// The drop-down chevron centred in d, its size following the unit's scale.
void DrawChevron(TCanvas* canvas, const TRect& d, TColor color)
{
    const double u = DPIScale;
    const int cx = (d.Left + d.Right) / 2, cy = (d.Top + d.Bottom) / 2;
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(1);
    if (RoundToInt(u) % 2 != 0) {
        canvas->MoveTo(cx - RoundToInt(3 * u), cy - RoundToInt(u));
        canvas->LineTo(cx, cy + RoundToInt(2 * u));
        canvas->LineTo(cx + RoundToInt(3 * u) + 1, cy - RoundToInt(u) - 1);
    } else {
        canvas->MoveTo(cx - RoundToInt(4 * u), cy - RoundToInt(2 * u));
        canvas->LineTo(cx, cy + RoundToInt(u) + 1);
        canvas->LineTo(cx + RoundToInt(4 * u) + 1, cy - RoundToInt(2 * u) - 1);
    }
}

} // namespace

TColor TRurCustomToolBarButton::GetDisabledTextColor()
{
    TCustomStyleServices* style = StyleServices();
    if (style->IsSystemStyle())
        return clBtnShadow;
    TColor color = clBtnShadow;
    if (!style->GetElementColor(TCustomStyleServices::GetElementDetails(tbPushButtonDisabled), ecTextColor, color))
        return clBtnShadow;
    return color;
}

void TRurCustomToolBarButton::SettleState()
{
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    }
    if (FStyle == tasCheck && FDown)
        FState = absDown;
}

void TRurCustomToolBarButton::Paint()
{
    SettleState();
    DrawButtonFace(Canvas());
    const bool nothingShown = FImageIndex < 0 && !(FShowCaption && !Caption().empty()) && FGlyph->Empty() &&
                              !(FPicture->Graphic() && !FPicture->Graphic()->Empty());
    if (ComponentState().Contains(csDesigning) && nothingShown) {
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->Pen()->SetColor(clBlue);
        Canvas()->Pen()->SetStyle(psDot);
        Canvas()->Rectangle(0, 0, Width(), Height());
        Canvas()->Pen()->SetStyle(psSolid);
    }
}

void TRurCustomToolBarButton::DrawButtonFace(TCanvas* canvas)
{
    const TRect c = ClientRect();
    const int d = DropDownWidth();
    TRect drop = IsRotated() ? Rect(c.Left, c.Bottom - d, c.Right, c.Bottom) : Rect(c.Right - d, c.Top, c.Right, c.Bottom);
    TRect m = c;
    if (FDropDownButton) {
        if (IsRotated())
            m.Bottom -= d;
        else
            m.Right -= d;
    }
    const TButtonAppearance* s = CurrentAppearance();
    TFaceLook look;
    if (FState == absDisabled || !Enabled())
        look = DisabledLook();
    else if (FStyle == tasCheck && FState == absDown)
        look = CheckedLook(s);
    else if (FState == absDown || (FPropHot && FState == absExclusive) || FMouseDownInControl)
        look = DownLook(s);
    else if (FState == absExclusive)
        look = CheckedLook(s);
    else if (FPropHot)
        look = HotLook(s);
    else
        look = NormalLook(s->CaptionTextColor());
    if (look.Glyph->Empty())
        look.Glyph = FGlyph.get();
    PaintFace(canvas, look, c, m);
    if (FDropDownButton)
        DrawChevron(canvas, drop, clBlack);
    DrawGlyphAndCaption(canvas, m, look.Glyph, look.Caption);
}

TRurCustomToolBarButton::TFaceLook TRurCustomToolBarButton::DownLook(const TButtonAppearance* a) const
{
    return {a->ColorDown(), a->ColorDownTo(), a->CaptionTextColorDown(), a->BorderDownColor(), a->ColorHot(),
            a->ColorHotTo(), a->GradientDirectionDown(), FGlyphDown.get()};
}

TRurCustomToolBarButton::TFaceLook TRurCustomToolBarButton::CheckedLook(const TButtonAppearance* a) const
{
    return {a->ColorChecked(), a->ColorCheckedTo(), a->CaptionTextColorChecked(), a->BorderCheckedColor(),
            a->ColorChecked(), a->ColorCheckedTo(), a->GradientDirectionChecked(), FGlyphChecked.get()};
}

TRurCustomToolBarButton::TFaceLook TRurCustomToolBarButton::HotLook(const TButtonAppearance* a) const
{
    return {a->ColorHot(), a->ColorHotTo(), a->CaptionTextColorHot(), a->BorderHotColor(), a->ColorHot(),
            a->ColorHotTo(), a->GradientDirectionHot(), FGlyphHot.get()};
}

TRurCustomToolBarButton::TFaceLook TRurCustomToolBarButton::DisabledLook() const
{
    TFaceLook look = NormalLook(FAppearance->CaptionTextColor());
    look.Glyph = FGlyphDisabled.get();
    return look;
}

TRurCustomToolBarButton::TFaceLook TRurCustomToolBarButton::NormalLook(TColor captionColor) const
{
    const TButtonAppearance* own = FAppearance.get();
    const TColor fill = FTransparent ? clNone : own->Color(), fillTo = FTransparent ? clNone : own->ColorTo();
    return {fill, fillTo, captionColor, FTransparent ? clNone : own->BorderColor(), fill, fillTo,
            own->GradientDirection(), FGlyph.get()};
}

void TRurCustomToolBarButton::PaintFace(TCanvas* canvas, const TFaceLook& look, const TRect& c, const TRect& m)
{
    if (look.Fill != clNone) {
        if (FDropDownButton)
            FillArea(canvas, c, look.Split, look.SplitTo, look.Direction);
        FillArea(canvas, m, look.Fill, look.FillTo, look.Direction);
    }
    if (look.Border == clNone)
        return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(look.Border);
    if (FDropDownButton && !FDropDownSplit) {
        canvas->Rectangle(m.Left, m.Top, c.Right, IsRotated() ? c.Bottom : m.Bottom);
    } else {
        if (FDropDownButton)
            canvas->Rectangle(c);
        canvas->Rectangle(m);
    }
}

void TRurCustomToolBarButton::DrawGlyphAndCaption(TCanvas* canvas, TRect r, TBitmap* glyph, TColor captionColor)
{
    const double f = GetControlDPIScale(this, canvas);
    canvas->Font()->Assign(Font());

    // The caption's size in its font, scaled.
    TFont captionFont;
    captionFont.Assign(CaptionFontToUse());
    captionFont.SetHeight(RoundToInt(captionFont.Height() * f));
    const String caption = Caption();
    const bool showCaption = FShowCaption && !caption.empty();
    int tw = 0, th = 0;
    if (showCaption) {
        canvas->Font()->Assign(&captionFont);
        RECT box{0, 0, 0, 0};
        DrawShapedText(TextDC(canvas), caption, box, DT_CALCRECT | DT_SINGLELINE);
        tw = box.right - box.left;
        th = box.bottom - box.top;
        canvas->Font()->Assign(Font());
    }
    const int space = tw >= 1 && th >= 1 ? FSpacing : 0;

    // What is drawn as glyph, and its size.
    TImageSource images = ImageSource(true);
    const bool disabled = FState == absDisabled || !Enabled();
    bool useDisabledList = false;
    if (disabled && FRurToolBar && FRurToolBar->DisabledImages() && images.Images == FRurToolBar->Images()) {
        images.Images = FRurToolBar->DisabledImages();
        useDisabledList = true;
    }
    const bool fromList = images.Images && images.Index >= 0;
    TGraphic* picture = nullptr;
    if (!fromList && glyph->Empty() && FPicture->Graphic() && !FPicture->Graphic()->Empty()) {
        picture = FPicture->Graphic();
        if (disabled && FPictureDisabled->Graphic() && !FPictureDisabled->Graphic()->Empty())
            picture = FPictureDisabled->Graphic();
    }
    const int gw = fromList ? images.Images->Width() : picture ? picture->Width() : glyph->Width();
    const int gh = fromList ? images.Images->Height() : picture ? picture->Height() : glyph->Height();

    // Placement: the glyph's corner and where the caption goes.
    const int w = r.Width(), h = r.Height(), bh = Height();
    int gx, gy;
    TRect textR;
    UINT format = DT_SINGLELINE;
    TPoint start{0, 0};
    const bool rotated = IsRotated();
    if (!rotated) {
        switch (FGlyphPosition) {
        case gpLeft:
            gx = (w - gw - space - tw) / 2;
            gy = (bh - gh) / 2;
            textR = Rect(gx + gw + space, r.Top, r.Right, r.Bottom);
            format |= DT_LEFT | DT_VCENTER;
            break;
        case gpTop:
            gx = (w - gw) / 2;
            gy = (bh - th - gh - space) / 2;
            textR = Rect(r.Left, gy + gh + space, r.Right, r.Bottom);
            format |= DT_CENTER | DT_TOP;
            break;
        case gpRight:
            gx = (w - gw) - (w - gw - space - tw) / 2;
            gy = (bh - gh) / 2;
            textR = Rect((w - gw - space - tw) / 2, r.Top, gx - space, r.Bottom);
            format |= DT_RIGHT | DT_VCENTER;
            break;
        default:
            gx = (w - gw) / 2;
            gy = (bh - gh) - (bh - th - gh - space) / 2;
            textR = Rect(r.Left, gy - space - th, r.Right, gy);
            format |= DT_CENTER | DT_VCENTER;
            break;
        }
        if (!FAutoSize && gx < 0) {
            const int overflow = -gx;
            gx = 1;
            textR.Left += overflow + 1;
            format |= DT_END_ELLIPSIS;
        }
    } else {
        // The caption runs downwards from its start point, in the band th wide left of it.
        switch (FGlyphPosition) {
        case gpLeft:
            gx = (w - gw) / 2;
            gy = (h - gh - space - tw) / 2;
            start = {r.Right - (w - th) / 2, gy + gh + space};
            break;
        case gpTop: {
            gx = w - (w - th - gw - space) / 2 - gw;
            gy = (h - gh) / 2;
            const int bandRight = gx - space;
            start = {bandRight - (bandRight - r.Left - th) / 2, r.Top + (h - tw) / 2};
            break;
        }
        case gpRight:
            gx = (w - gw) / 2;
            gy = (h - gh) - (h - gh - space - tw) / 2;
            start = {r.Right - (w - th) / 2, gy - space - tw};
            break;
        default: {
            gx = (w - th - gw - space) / 2;
            gy = (h - gh) / 2;
            const int bandLeft = gx + gw + space;
            start = {r.Right - (r.Right - bandLeft - th) / 2, r.Top + (h - tw) / 2};
            break;
        }
        }
        if (!FAutoSize && gy < 0) {
            start.Y += -gy + 1;
            gy = 1;
        }
        textR = Rect(start.X - th, start.Y, start.X, start.Y + tw);
        if (FRotateDirection == rdReverse)
            start = {textR.Left, textR.Bottom - 2};
    }
    if (FDrawPosition->Enabled()) {
        gx = FDrawPosition->ImageX();
        gy = FDrawPosition->ImageY();
        textR = Rect(FDrawPosition->TextX(), FDrawPosition->TextY(), Width(), Height());
        format = DT_SINGLELINE | DT_END_ELLIPSIS;
        start = {textR.Left, textR.Top};
    }

    // The grey shade under the hot glyph.
    if (FMouseInControl && FPropHot && FShaded && Enabled() && FState == absUp && !FMouseDownInControl &&
        !FGlyphShade->Empty()) {
        if (FShadedForGlyph == fromList)
            GenerateShade();
        FGlyphShade->SetTransparent(true);
        canvas->Draw(gx + 2, gy + 2, FGlyphShade.get());
    }

    if (fromList) {
        images.Images->Draw(canvas, gx, gy, images.Index, !disabled || useDisabledList);
    } else if (picture) {
        picture->SetTransparent(true);
        canvas->Draw(gx, gy, picture);
    } else if (!glyph->Empty()) {
        glyph->SetTransparent(true);
        canvas->Draw(gx, gy, glyph);
    }

    if (!showCaption)
        return;
    if (rotated) {
        captionFont.SetOrientation(FRotateDirection == rdNormal ? -900 : 900);
    }
    canvas->Font()->Assign(&captionFont);
    canvas->Font()->SetColor(captionColor);
    canvas->Brush()->SetStyle(bsClear);
    auto drawAt = [&](int dx, int dy) {
        if (rotated && !FDrawPosition->Enabled()) {
            DrawVerticalHotkeyText(canvas, caption, TPoint{start.X + dx, start.Y + dy});
        } else {
            RECT target = ToWinRect(Rect(textR.Left + dx, textR.Top + dy, textR.Right + dx, textR.Bottom + dy));
            DrawShapedText(TextDC(canvas), caption, target, format);
        }
    };
    if (!disabled) {
        drawAt(0, 0);
    } else if (!IsCustomStyleActive()) {
        // Embossed: the highlight a pixel off, the shadow colour over it.
        canvas->Font()->SetColor(clBtnHighlight);
        drawAt(rotated ? 0 : 1, rotated ? 0 : 1);
        canvas->Font()->SetColor(clBtnShadow);
        drawAt(rotated ? -1 : 0, rotated ? -1 : 0);
    } else {
        canvas->Font()->SetColor(GetDisabledTextColor());
        drawAt(0, 0);
    }
}

void TRurCustomToolBarButton::GenerateShade()
{
    // The source: the image list's image on magenta, else the glyph.
    TBitmap source;
    const TImageSource images = ImageSource(false);
    if (images.Images && images.Index >= 0 && images.Index < images.Images->Count()) {
        source.SetPixelFormat(pf32bit);
        source.SetSize(images.Images->Width(), images.Images->Height());
        source.Canvas()->Brush()->SetColor(clFuchsia);
        source.Canvas()->FillRect(Rect(0, 0, source.Width(), source.Height()));
        images.Images->Draw(source.Canvas(), 0, 0, images.Index, true);
        FShadedForGlyph = false;
    } else if (!FGlyph->Empty()) {
        source.Assign(FGlyph.get());
        source.SetPixelFormat(pf32bit);
        FShadedForGlyph = true;
    } else {
        return;
    }
    // The glyph's silhouette in grey on the source's key colour (its bottom-left pixel).
    const TColor key = source.Canvas()->Pixels(0, source.Height() - 1);
    const DWORD keyBits = DWORD(GetRValue(key)) << 16 | DWORD(GetGValue(key)) << 8 | GetBValue(key);
    for (int y = 0; y < source.Height(); ++y) {
        auto* row = static_cast<DWORD*>(source.ScanLine(y));
        for (int x = 0; x < source.Width(); ++x)
            row[x] = (row[x] & 0xFFFFFF) == keyBits ? keyBits : 0x808080;
    }
    FGlyphShade->Assign(&source);
}
