// The toolbar's face: caption band, body gradient or picture, bevel, drag grip, right handle with
// its option arrow and hidden-controls mark, the floating caption's buttons, rounded corners and
// border. Everything but the child controls, in one pass on the double-buffered canvas.
#include <algorithm>
#include <memory>
#include <span>
#include <utility>

#include "Forms.h"
#include "Math.h"
#include "RurMenus_Appearances.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_OptionWindow.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_Shapes.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_Vista.h"
#include "RurToolBar_ToolBar.h"

namespace {

TColor Inverted(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return RGB(255 - GetRValue(rgb), 255 - GetGValue(rgb), 255 - GetBValue(rgb));
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

void FillSolid(TCanvas* canvas, const TRect& r, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->FillRect(r);
}

void Outline(TCanvas* canvas, const TRect& r, TColor color)
{
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(color);
    canvas->Rectangle(r);
    canvas->Brush()->SetStyle(bsSolid);
}

// Looks that draw their own corners and shorten a caption without option indicator.
bool IsFlatLook(TRujStyle style)
{
    switch (style) {
    case tsWindows7:
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
    case tsWindows8:
    case tsWindows10:
        return true;
    default:
        return false;
    }
}

// The hover glow's effect on one colour: while fading, blended toward its hot form by the step
// (a pair where neither is set stays, unless always); once hot, the hot form when it is set.
struct THotLook {
    bool Fading, Hot;
    int Step;
    void Apply(TColor& color, TColor hot, bool always) const
    {
        if (Fading) {
            if (always || color != clNone || hot != clNone)
                color = BlendColor(hot, color, Step);
        } else if (Hot && hot != clNone) {
            color = hot;
        }
    }
};

bool ShortensCaption(TRujStyle style)
{
    return style == tsWindows7 || (style >= tsOffice2010Blue && style <= tsOffice2019Black);
}

} // namespace

// ---- Rectangles --------------------------------------------------------------------------------

TRect TRurCustomToolBar::GetCaptionRect() const
{
    const int h = OnRibbonPage() ? FCaptionHeight : Round(FCaptionHeight * DPIScale);
    TRect r = ClientRect();
    if (FToolBarState == tsFloating) {
        r.Bottom = r.Top + h;
        return r;
    }
    if (!FShowCaption)
        return TRect{};
    if (!IsVertical()) {
        if (FCaptionPosition == cpTop)
            r.Bottom = r.Top + h;
        else
            r.Top = r.Bottom - h;
    } else if (FCaptionPosition == cpTop) {
        r.Right = r.Left + h;
    } else {
        r.Left = r.Right - h;
    }
    return r;
}

TRect TRurCustomToolBar::GetBodyRect() const
{
    TRect r = ClientRect();
    const TRect c = GetCaptionRect();
    if (FToolBarState == tsFloating) {
        r.Top = c.Bottom;
    } else if (FShowCaption) {
        if (!IsVertical())
            FCaptionPosition == cpTop ? r.Top = c.Bottom : r.Bottom = c.Top;
        else
            FCaptionPosition == cpTop ? r.Left = c.Right : r.Right = c.Left;
    }
    return r;
}

TRect TRurCustomToolBar::GetCloseButtonRect() const
{
    if (FToolBarState != tsFloating || !FShowClose)
        return TRect{};
    const TRect c = GetCaptionRect();
    return TRect{c.Right - FCaptionHeight - 1, c.Top + 1, c.Right - 1, c.Bottom - 1};
}

TRect TRurCustomToolBar::GetOptionButtonRect() const
{
    if (FToolBarState != tsFloating || !FShowOptionIndicator)
        return TRect{};
    if (!FShowClose) {
        const TRect c = GetCaptionRect();
        return TRect{c.Right - FCaptionHeight - 1, c.Top + 1, c.Right - 1, c.Bottom - 1};
    }
    const TRect x = GetCloseButtonRect();
    return TRect{x.Left - FCaptionHeight - 2, x.Top, x.Left - 2, x.Bottom};
}

TRect TRurCustomToolBar::GetCaptionOptionRect() const
{
    if (!FShowOptionIndicator || FShowRightHandle || FToolBarState == tsFloating || !FShowCaption || IsVertical())
        return TRect{-1, -1, -1, -1};
    const TRect c = GetCaptionRect();
    return TRect{c.Right - FCaptionHeight + 1, c.Top + 2, c.Right - 1, c.Bottom - 1};
}

TRect TRurCustomToolBar::GetRightHandleRect() const
{
    const int w = RightHandleWidth();
    if (IsVertical())
        return TRect{0, Height() - w, Width(), Height()};
    return TRect{Width() - w, 1, Width() + 1, Height() + 1};
}

// ---- The pass ----------------------------------------------------------------------------------

void TRurCustomToolBar::Paint()
{
    if (FUpdateCount > 0)
        return;
    TCustomControl::Paint();
    if (FFirstRun) {
        // The window shows for the first time: a docked toolbar fits its row, a ribbon group
        // arranges with the sizes its controls have now that they show.
        FFirstRun = false;
        if (FToolBarState == tsDocked && OnDockPanel())
            CheckHiddenControls();
        else if (OnRibbonPage())
            ArrangeControls(true);
    }
    TRect body = GetBodyRect();
    const TRect caption = GetCaptionRect();
    const TRibbonColours ribbon = RibbonColours();
    if (FToolBarState == tsFloating)
        PaintFloatingCaption(caption);
    else if (FShowCaption)
        PaintCaptionBand(caption, ribbon);
    const TBodyLook look = BodyLook(ribbon);
    PaintBody(body, look, ribbon);
    PaintBevel();
    DrawMDIButtons();
    DrawDragGrip();
    DrawRightHandle();
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    // A full-size toolbar has neither rounded corners nor, while docked, a border.
    const bool round = s->RoundEdges() && !FFullSize;
    if (round && s->Bevel() == bvNone)
        PaintCorners(body);
    PaintBorder(body, look, round, ribbon);
}

void TRurCustomToolBar::PaintFloatingCaption(const TRect& caption)
{
    TCanvas* canvas = Canvas();
    const TCaptionAppearance* look = FCurrentToolBarStyler->CaptionAppearance();
    const TColor color = look->CaptionColor(), colorTo = look->CaptionColorTo();
    if (color != clNone && colorTo != clNone)
        DrawGradient(canvas, color, colorTo, 80, caption, false);
    else if (color != clNone || colorTo != clNone)
        FillSolid(canvas, caption, color);
    if (look->CaptionBorderColor() != clNone)
        Outline(canvas, caption, look->CaptionBorderColor());
    const String text = FCaption.empty() ? FWideCaption : FCaption;
    if (!text.empty()) {
        canvas->Font()->Assign(FParentStyler ? FCurrentToolBarStyler->CaptionFont() : FCaptionFont.get());
        canvas->Font()->SetColor(look->CaptionTextColor());
        canvas->Font()->SetHeight(Round(canvas->Font()->Height() * DPIScale));
        TRect r{caption.Left + 3, caption.Top, caption.Right, caption.Bottom};
        if (FShowOptionIndicator)
            r.Right = GetOptionButtonRect().Left;
        else if (FShowClose)
            r.Right = GetCloseButtonRect().Left;
        String drawn = text;
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextRect(r, drawn, TTextFormat{tfSingleLine, tfVerticalCenter, tfNoClip});
        canvas->Brush()->SetStyle(bsSolid);
    }
    DrawFloatingOptionButton();
    DrawFloatingCloseButton();
}

void TRurCustomToolBar::PaintCaptionBand(const TRect& caption, const TRibbonColours& ribbon)
{
    TCanvas* canvas = Canvas();
    const TCaptionAppearance* styled = FCurrentToolBarStyler->CaptionAppearance();
    const TCaptionAppearance* look = ribbon.Group ? ribbon.Group->CaptionAppearance() : styled;
    TColor color = look->CaptionColor(), colorTo = look->CaptionColorTo();
    TColor border = look->CaptionBorderColor(), text = look->CaptionTextColor();
    TColor colorHot = look->CaptionColorHot(), colorHotTo = look->CaptionColorHotTo();
    TColor borderHot = look->CaptionBorderColorHot(), textHot = look->CaptionTextColorHot();
    if (ribbon.Tones) {
        // One tone across the band, hot or not, without a frame.
        const TColor tone = ribbon.TonesLook ? ribbon.TonesLook->Color()->Color() : color;
        color = colorTo = colorHot = colorHotTo = tone;
        border = borderHot = clNone;
        text = textHot = ribbon.TonesText;
    }
    // A fade blends toward these hot forms; a group that is simply hot takes the styler's own.
    const THotLook hot{FGlowTimer != nullptr && colorHot != clNone, FHot, FStepHover};
    hot.Apply(color, hot.Fading ? colorHot : styled->CaptionColorHot(), true);
    hot.Apply(colorTo, hot.Fading ? colorHotTo : styled->CaptionColorHotTo(), true);
    hot.Apply(border, hot.Fading ? borderHot : styled->CaptionBorderColorHot(), false);
    hot.Apply(text, hot.Fading ? textHot : styled->CaptionTextColorHot(), false);
    if (color != clNone && colorTo != clNone)
        DrawGradient(canvas, color, colorTo, 80, caption, false);
    else if (color != clNone || colorTo != clNone)
        FillSolid(canvas, caption, color);
    if (border != clNone)
        Outline(canvas, caption, border);
    const String shown = FCaption.empty() ? FWideCaption : FCaption;
    if (shown.empty())
        return;
    const TDragGripStyle grip = OnRibbonPage() || FHideDragGrip ? dsNone : FCurrentToolBarStyler->DragGripStyle();
    TRect t = caption;
    const int indent = grip != dsNone ? FDragGripWidth + 3 : 3;
    (IsVertical() ? t.Top : t.Left) += indent;
    if (FShowPopupIndicator && FShowRightHandle && FToolBarState != tsFloating && !FFullSize)
        (IsVertical() ? t.Bottom : t.Right) -= RightHandleWidth() + 2;
    canvas->Font()->Assign(FCurrentToolBarStyler->CaptionFont());
    canvas->Font()->SetHeight(Round(canvas->Font()->Height() * 96.0 / FInitPPI * DPIScale));
    canvas->Font()->SetColor(text);
    canvas->Brush()->SetStyle(bsClear);
    const int width = canvas->TextWidth(shown);
    if (!IsVertical()) {
        t.Top -= Round((DPIScale - 1) * 3);
        if (FShowOptionIndicator && !FShowRightHandle && FToolBarState != tsFloating && FShowCaption)
            t.Right = GetCaptionOptionRect().Left;
        else if (!FShowOptionIndicator && ShortensCaption(FCurrentToolBarStyler->RujStyle()))
            t.Right -= 7;
        TTextFormat format{tfSingleLine, tfVerticalCenter, tfEndEllipsis};
        if (FCaptionAlignment == taRightJustify)
            format.Include(tfRight);
        else if (FCaptionAlignment == taCenter)
            format.Include(tfCenter);
        String drawn = shown;
        canvas->TextRect(t, drawn, format);
    } else if (!FCaption.empty()) {
        // Only Caption turns with the toolbar; the font is turned for this one text.
        auto turned = std::make_unique<TFont>();
        turned->Assign(canvas->Font());
        turned->SetOrientation(FPosition == daLeft ? -2700 : -900);
        const TPoint p = [&] {
            const int centre = (t.Bottom - t.Top - width) / 2;
            if (FPosition == daLeft) {
                switch (FCaptionAlignment) {
                case taRightJustify: return Point(t.Left, t.Top + width + 2);
                case taCenter: return Point(t.Left, t.Bottom - centre);
                default: return Point(t.Left, t.Bottom - 2);
                }
            }
            switch (FCaptionAlignment) {
            case taRightJustify: return Point(t.Right, t.Bottom - width - 5);
            case taCenter: return Point(t.Right, t.Top + centre);
            default: return Point(t.Right, t.Top);
            }
        }();
        canvas->Font()->Assign(turned.get());
        DrawVerticalHotkeyText(canvas, FCaption, p);
    }
    canvas->Brush()->SetStyle(bsSolid);
}

TRurCustomToolBar::TBodyLook TRurCustomToolBar::BodyLook(const TRibbonColours& ribbon) const
{
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    const bool onRibbon = OnRibbonPage() || OnCompactWindow();
    const TVistaGradientBackground* normal = s->Color();
    const TVistaGradientBackground* hotBack = s->ColorHot();
    TBodyLook look{};
    look.Horizontal = normal->Direction() == gdHorizontal;
    if (IsVertical() && !FParentStyler)
        look.Horizontal = !look.Horizontal;
    look.Steps = normal->Steps();
    // A ribbon group takes the upper band of the mirrored look.
    look.Color = onRibbon ? normal->Mirror()->Color() : normal->Color();
    look.ColorTo = onRibbon ? normal->Mirror()->ColorTo() : normal->ColorTo();
    TColor colorHot = onRibbon ? hotBack->Mirror()->Color() : hotBack->Color();
    TColor colorHotTo = onRibbon ? hotBack->Mirror()->ColorTo() : hotBack->ColorTo();
    TColor borderHot = s->BorderColorHot();
    int stepsHot = hotBack->Steps();
    look.ColorMirror = normal->Mirror()->ColorMirror();
    look.ColorMirrorTo = normal->Mirror()->ColorMirrorTo();
    look.Border = s->BorderColor();
    if (FFullSize) {
        look.Steps = 256;
        look.Color = s->DockColor()->Color();
        look.ColorTo = FToolBarState == tsFloating ? look.Color : s->DockColor()->ColorTo();
        look.Horizontal = s->DockColor()->Direction() == gdHorizontal;
        if (FToolBarState != tsFloating)
            look.Border = clNone;
    }
    const bool floating = FToolBarState == tsFloating;
    if (ribbon.Group && !floating) {
        // The tab group's colours; the mirror band stays the styler's.
        const TToolBarAppearance* group = ribbon.Group->ToolBarAppearance();
        look.Steps = group->Color()->Steps();
        look.Color = group->Color()->Color();
        look.ColorTo = group->Color()->ColorTo();
        look.Border = group->BorderColor();
        stepsHot = group->ColorHot()->Steps();
        colorHot = group->ColorHot()->Color();
        colorHotTo = group->ColorHot()->ColorTo();
        borderHot = group->BorderColorHot();
    }
    const THotLook hot{FGlowTimer != nullptr && colorHot != clNone, FHot, FStepHover};
    if (hot.Fading || hot.Hot) {
        hot.Apply(look.Color, colorHot, true);
        hot.Apply(look.ColorTo, colorHotTo, true);
        hot.Apply(look.ColorMirror, hotBack->Mirror()->ColorMirror(), true);
        hot.Apply(look.ColorMirrorTo, hotBack->Mirror()->ColorMirrorTo(), true);
        if (look.Border != clNone || borderHot != clNone)
            look.Border = hot.Fading ? BlendColor(borderHot, look.Border, FStepHover) : borderHot;
        look.Steps = stepsHot;
    }
    if (ribbon.TonesLook && !floating) {
        // Tones colour the body flat, hot or not, without the mirror band.
        look.Color = ribbon.TonesLook->Color()->Color();
        look.ColorTo = ribbon.TonesLook->Color()->ColorTo();
        look.Border = ribbon.TonesLook->BorderColor();
        look.ColorMirror = look.ColorMirrorTo = clNone;
    }
    return look;
}

void TRurCustomToolBar::PaintBody(TRect& body, const TBodyLook& look, const TRibbonColours& ribbon)
{
    TCanvas* canvas = Canvas();
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    body.Bottom += 1;
    if (s->RoundEdges())
        body.Right += 1;
    const bool horizontal = look.Horizontal;
    const int steps = look.Steps;
    const TColor color = look.Color, colorTo = look.ColorTo;
    if (s->Transparent())
        return;
    if (colorTo == clNone) {
        FillSolid(canvas, body, color);
    } else if ((FToolBarState != tsFloating || FFloatingRows <= 1) && !ribbon.Group &&
               IsOfClassNamed(ReferenceParent(), u"TRurPage")) {
        // A ribbon group: an upper band and its mirror below, the caption band's height apart.
        const int top = FCaptionPosition == cpBottom ? std::max(0, 22 - Top()) : 0;
        DrawBandedFrame(canvas, body, top, color, colorTo, look.ColorMirror, look.ColorMirrorTo, clNone,
                        GetRoundRadius());
    } else if (FToolBarState != tsFloating || FFloatingRows <= 1) {
        DrawGradient(canvas, color, colorTo, steps, body, horizontal);
    } else {
        TRect row = body;
        for (int i = 0; i < FFloatingRows; ++i) {
            row.Bottom = row.Top + FSizeAtDock;
            DrawGradient(canvas, color, colorTo, steps, row, horizontal);
            row.Top = row.Bottom;
        }
    }
    TBitmap* picture = s->BackGround();
    if (picture->Empty())
        return;
    const int w = picture->Width(), h = picture->Height();
    switch (s->BackGroundDisplay()) {
    case bdTile:
        for (int y = 0; y < Height() - 1; y += h)
            for (int x = y == 0 ? 0 : 1; x < Width() - 1; x += w)
                canvas->Draw(x, y, picture);
        break;
    case bdCenter:
        canvas->Draw((Width() - w) / 2, (Height() - h) / 2, picture);
        break;
    case bdStretch:
        canvas->StretchDraw(TRect{body.Left + 2, body.Top + 2, body.Right - 2, body.Bottom - 2}, picture);
        break;
    }
}

void TRurCustomToolBar::PaintBevel()
{
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    if (!s->UseBevel() || FToolBarState == tsFloating || s->Bevel() == bvNone)
        return;
    TCanvas* canvas = Canvas();
    const int w = Width(), h = Height();
    const bool lowered = s->Bevel() == bvLowered;
    const TColor first = lowered ? clBtnShadow : clWhite, second = lowered ? clWhite : clBtnShadow;
    const int o = lowered ? 1 : 0;
    canvas->Pen()->SetColor(first);
    const TPoint a[] = {Point(o, h), Point(o, o), Point(w, o)};
    canvas->Polyline(a);
    canvas->Pen()->SetColor(second);
    const TPoint b[] = {Point(w - 1, o), Point(w - 1, h - 1), Point(o, h - 1)};
    canvas->Polyline(b);
}

// ---- Drag grip ---------------------------------------------------------------------------------

void TRurCustomToolBar::DrawDragGrip()
{
    const TDragGripStyle style = EffectiveGripStyle();
    if (style == dsNone || FToolBarState == tsFloating)
        return;
    TCanvas* canvas = Canvas();
    const bool vertical = IsVertical();
    const TRect g = vertical ? TRect{1, 1, Width(), FDragGripWidth} : TRect{1, 1, FDragGripWidth, Height()};
    if (!FCurrentToolBarStyler->DragGripImage()->Empty()) {
        canvas->StretchDraw(g, FCurrentToolBarStyler->DragGripImage());
        return;
    }
    switch (style) {
    case dsDots: {
        int n = (vertical ? g.Right : g.Bottom) - 8;
        if (n < 0)
            n = (vertical ? g.Right : g.Bottom) - 5;
        if (n < 4)
            break;
        for (int i = 0; i < n / 4; ++i) {
            const int at = (vertical ? g.Left : g.Top) + 4 + 4 * i;
            const TPoint white = vertical ? Point(at + 1, g.Top + 4) : Point(g.Left + 4, at + 1);
            const TPoint shadow = vertical ? Point(at, g.Top + 3) : Point(g.Left + 3, at);
            FillSolid(canvas, TRect{white.X, white.Y, white.X + 2, white.Y + 2}, clWhite);
            FillSolid(canvas, TRect{shadow.X, shadow.Y, shadow.X + 2, shadow.Y + 2}, clBtnShadow);
        }
        break;
    }
    case dsSingleLine:
    case dsDoubleLine: {
        const int single[] = {4};
        const int twin[] = {2, 5};
        for (int offset : style == dsSingleLine ? std::span<const int>(single) : std::span<const int>(twin)) {
            if (vertical)
                DrawBevelLines(canvas, Point(g.Left + 3, g.Top + offset), Point(g.Right - 5, g.Top + offset), true, false);
            else
                DrawBevelLines(canvas, Point(g.Left + offset, g.Bottom - 4), Point(g.Left + offset, g.Top + 3), true, true);
        }
        break;
    }
    case dsFlatDots: {
        canvas->Pen()->SetColor(static_cast<TColor>(0xA5A5A5));
        const int n = ((vertical ? g.Right : g.Bottom) - 8) / 2;
        for (int i = 0; i < n; ++i) {
            if (vertical)
                Line(canvas, g.Left + 2 * i + 4, g.Top + 2, g.Left + 2 * i + 4, g.Top + 5);
            else
                Line(canvas, g.Left + 2, g.Top + 2 * i + 4, g.Left + 5, g.Top + 2 * i + 4);
        }
        break;
    }
    case dsNone:
        break;
    }
}

// ---- Right handle ------------------------------------------------------------------------------

void TRurCustomToolBar::DrawRightHandle()
{
    if (!FShowPopupIndicator || !FShowRightHandle || FToolBarState == tsFloating || FFullSize) {
        DrawCaptionOptionButton();
        return;
    }
    TCanvas* canvas = Canvas();
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    const TButtonAppearance* look = s->ButtonAppearance();
    const bool vertical = IsVertical();
    const bool round = s->RoundEdges();
    TRect h = GetRightHandleRect();
    if (round)
        h = TRect{h.Left - 1, h.Top + 1, h.Right - 2, h.Bottom - 3};
    else if (vertical)
        h = TRect{h.Left + 1, h.Top, h.Right - 1, h.Bottom - 1};
    else
        h = TRect{h.Left - 1, h.Top + 1, h.Right, h.Bottom - 2};
    const bool down = FDownPopupIndicator || OptionWindowVisible();
    const bool hot = !down && FHotPopupIndicator;
    TColor from = s->RightHandleColor(), to = s->RightHandleColorTo(), border = look->BorderColor();
    TColor glyph = look->CaptionTextColor();
    const TColor arrow = look->CaptionTextColor();
    if (down) {
        from = s->RightHandleColorDown();
        to = s->RightHandleColorDownTo();
        border = look->BorderDownColor();
        glyph = look->CaptionTextColorDown();
    } else if (hot) {
        from = s->RightHandleColorHot();
        to = s->RightHandleColorHotTo();
        border = look->BorderHotColor();
        glyph = look->CaptionTextColorHot();
    }
    if (!s->RightHandleImage()->Empty()) {
        canvas->StretchDraw(h, s->RightHandleImage());
        return;
    }
    const TRect fill = vertical ? TRect{h.Left, h.Top + 3, h.Right, h.Bottom} : TRect{h.Left + 3, h.Top, h.Right, h.Bottom};
    if (from == clNone || to == clNone)
        FillSolid(canvas, fill, from);
    else
        DrawGradient(canvas, from, to, 16, fill, vertical);
    if (round) {
        if (to == clNone)
            to = from;
        // The corners at the handle's outer end take the dock panel's picture once it exists.
        const TPoint fromPixels[] = {vertical ? Point(h.Left, h.Top + 2) : Point(h.Left + 1, h.Top),
                                     vertical ? Point(h.Left + 1, h.Top + 2) : Point(h.Left + 2, h.Top),
                                     vertical ? Point(h.Left, h.Top + 1) : Point(h.Left + 2, h.Top + 1)};
        const TPoint toPixels[] = {vertical ? Point(h.Right - 1, h.Top + 2) : Point(h.Left + 1, h.Bottom - 2),
                                   vertical ? Point(h.Right - 2, h.Top + 2) : Point(h.Left + 2, h.Bottom - 2),
                                   vertical ? Point(h.Right - 1, h.Top + 1) : Point(h.Left + 2, h.Bottom - 3)};
        for (const TPoint& p : fromPixels)
            canvas->SetPixels(p.X, p.Y, from);
        for (const TPoint& p : toPixels)
            canvas->SetPixels(p.X, p.Y, to);
        DrawMoreControlsMark(h);
        DrawOptionArrow(h, arrow);
    } else {
        if (border != clNone) {
            const TRect frame =
                vertical ? TRect{h.Left, h.Top + 3, h.Right, h.Bottom} : TRect{h.Left + 3, h.Top, h.Right - 1, h.Bottom - 1};
            Outline(canvas, frame, border);
        }
        DrawMoreControlsMarkFlat(h, glyph);
        DrawOptionArrowFlat(h, glyph, arrow);
    }
}

void TRurCustomToolBar::DrawMoreControlsMark(const TRect& h)
{
    if (GetGrowRoom() <= 0)
        return;
    TCanvas* canvas = Canvas();
    const int r = h.Right, t = h.Top, l = h.Left;
    // Two corner marks in black with a white copy one pixel right and down.
    struct Segment {
        int x1, y1, x2, y2;
    };
    const Segment black[] = {{-6, 5, -6, 8}, {-6, 6, -4, 6}, {-10, 5, -10, 8}, {-10, 6, -8, 6}};
    const Segment white[] = {{-5, 7, -5, 9}, {-5, 7, -3, 7}, {-9, 7, -9, 9}, {-9, 7, -7, 7}};
    auto draw = [&](const Segment (&segments)[4], TColor color) {
        canvas->Pen()->SetColor(color);
        for (const Segment& s : segments) {
            if (IsVertical())
                // Turned: along the handle becomes across it.
                Line(canvas, l + 5 + s.y1 - 5, t + 5 - s.x1 - 6, l + 5 + s.y2 - 5, t + 5 - s.x2 - 6);
            else
                Line(canvas, r + s.x1, t + s.y1, r + s.x2, t + s.y2);
        }
    };
    draw(black, clBlack);
    draw(white, clWhite);
}

void TRurCustomToolBar::DrawMoreControlsMarkFlat(const TRect& h, TColor color)
{
    if (GetGrowRoom() <= 0)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(color);
    const int l = h.Left, t = h.Top;
    if (IsVertical()) {
        const TPoint a[] = {Point(l + 3, t + 6), Point(l + 5, t + 8), Point(l + 8, t + 5)};
        const TPoint b[] = {Point(l + 3, t + 8), Point(l + 5, t + 10), Point(l + 8, t + 7)};
        canvas->Polyline(a);
        canvas->Polyline(b);
    } else {
        const TPoint a[] = {Point(l + 8, t + 3), Point(l + 11, t + 6), Point(l + 7, t + 10)};
        const TPoint b[] = {Point(l + 6, t + 3), Point(l + 9, t + 6), Point(l + 5, t + 10)};
        canvas->Polyline(a);
        canvas->Polyline(b);
    }
}

namespace {

// The option arrow of a horizontal handle: a bar over a downward triangle whose bottom row is at
// bottom; lines at small scales, a filled polygon from the threshold on.
void OptionArrowShape(TCanvas* canvas, int right, int bar, int triangle, TColor color, bool scaled)
{
    canvas->Pen()->SetColor(color);
    if (!scaled) {
        Line(canvas, right - 9, bar, right - 4, bar);
        Line(canvas, right - 9, triangle, right - 4, triangle);
        Line(canvas, right - 8, triangle + 1, right - 5, triangle + 1);
        canvas->SetPixels(right - 7, triangle + 2, color);
        return;
    }
    auto s = [](int k) { return Round(k * DPIScale); };
    Line(canvas, right - s(9), bar, right - s(4), bar);
    canvas->Brush()->SetColor(color);
    const TPoint tri[] = {Point(right - s(9), triangle), Point(right - s(4) + 1, triangle),
                          Point(right - s(7) + 1, triangle + s(2) + 2)};
    canvas->Polygon(tri);
}

} // namespace

void TRurCustomToolBar::DrawOptionArrowFlat(const TRect& h, TColor glyphColor, TColor arrowColor)
{
    if (!FShowOptionIndicator)
        return;
    TCanvas* canvas = Canvas();
    if (IsVertical()) {
        canvas->Pen()->SetColor(glyphColor);
        const int r = h.Right, t = h.Top;
        Line(canvas, r - 9, t + 6, r - 9, t + 11);
        Line(canvas, r - 6, t + 6, r - 6, t + 11);
        Line(canvas, r - 5, t + 7, r - 5, t + 10);
        canvas->SetPixels(r - 4, t + 8, glyphColor);
        return;
    }
    const bool scaled = DPIScale >= 1.2f;
    const int b = h.Bottom;
    if (scaled)
        OptionArrowShape(canvas, h.Right, b - Round(9 * DPIScale), b - Round(7 * DPIScale), arrowColor, true);
    else
        OptionArrowShape(canvas, h.Right, b - 9, b - 7, glyphColor, false);
}

void TRurCustomToolBar::DrawOptionArrow(const TRect& h, TColor color)
{
    if (!FShowOptionIndicator)
        return;
    TCanvas* canvas = Canvas();
    const bool scaled = DPIScale >= 1.1f;
    // The shadow first, one pixel right and down in the inverted colour.
    for (int pass = 0; pass < 2; ++pass) {
        const int d = pass == 0 ? 1 : 0;
        const TColor c = pass == 0 ? Inverted(color) : color;
        if (IsVertical()) {
            canvas->Pen()->SetColor(c);
            const int r = h.Right + d, t = h.Top + d;
            Line(canvas, r - 9, t + 6, r - 9, t + 11);
            Line(canvas, r - 6, t + 6, r - 6, t + 11);
            Line(canvas, r - 5, t + 7, r - 5, t + 10);
            canvas->SetPixels(r - 4, t + 8, c);
        } else {
            const int b = h.Bottom + d;
            const int bar = scaled ? b - Round(11 * DPIScale) : b - 11;
            const int triangle = scaled ? b - Round(8 * DPIScale) : b - 8;
            OptionArrowShape(canvas, h.Right + d, bar, triangle, c, scaled);
        }
    }
}

// ---- Floating caption buttons ------------------------------------------------------------------

void TRurCustomToolBar::DrawFloatingButtonFace(const TRect& r, bool hot, bool down, TColor& glyphColor)
{
    // Pressed and hot faces take the menu bar's colours: the menu styler's root item.
    TCanvas* canvas = Canvas();
    const TRootItem* root = FCurrentToolBarStyler->CurrentRurMenuStyler()->RootItem();
    const TColor captionColor = FCurrentToolBarStyler->CaptionAppearance()->CaptionColor();
    canvas->Brush()->SetStyle(bsSolid);
    if (down) {
        canvas->Pen()->SetColor(clBlack);
        canvas->Brush()->SetColor(root->Color());
        glyphColor = clWhite;
    } else if (hot) {
        canvas->Pen()->SetColor(clBlack);
        canvas->Brush()->SetColor(root->HoverColor());
        glyphColor = clBlack;
    } else {
        canvas->Pen()->SetColor(captionColor);
        canvas->Brush()->SetColor(captionColor);
        glyphColor = clWhite;
    }
    canvas->Rectangle(r);
}

void TRurCustomToolBar::DrawFloatingCloseButton()
{
    if (FToolBarState != tsFloating || !FShowClose)
        return;
    const TRect r = GetCloseButtonRect();
    TColor glyph = clWhite;
    DrawFloatingButtonFace(r, FHotCloseBtn, FDownCloseBtn, glyph);
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(glyph);
    const int x = r.Left + 4, y = r.Top + 4;
    Line(canvas, x, y + 7, x + 8, y);
    Line(canvas, x + 1, y + 7, x + 7, y);
    Line(canvas, x, y + 1, x + 8, y + 8);
    Line(canvas, x + 1, y + 1, x + 7, y + 8);
}

void TRurCustomToolBar::DrawFloatingOptionButton()
{
    if (FToolBarState != tsFloating || !FShowOptionIndicator)
        return;
    const TRect r = GetOptionButtonRect();
    TColor glyph = clWhite;
    DrawFloatingButtonFace(r, FHotCustomizedBtn, FDownCustomizedBtn, glyph);
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(glyph);
    const int l = r.Left, b = r.Bottom;
    for (int i = 0; i < 4; ++i)
        Line(canvas, l + 5 + i, b - 10 + i, l + 12 - i, b - 10 + i);
}

// ---- Corners and border ------------------------------------------------------------------------

void TRurCustomToolBar::PaintCorners(TRect body)
{
    if (FShowCaption && FToolBarState != tsFloating) {
        const TRect client = ClientRect();
        if (!IsVertical())
            FCaptionPosition == cpBottom ? body.Bottom = client.Bottom + 1 : body.Top = client.Top;
        else
            FCaptionPosition == cpBottom ? body.Right = client.Right + 1 : body.Left = client.Left;
    }
    if (IsFlatLook(FCurrentToolBarStyler->RujStyle()))
        return;
    // The corner pixels take the parent's background just outside the toolbar: the dock panel's,
    // the ribbon page's or the compact window's, once those exist. On any other parent the body's
    // own corners stay.
}

void TRurCustomToolBar::PaintBorder(const TRect& body, const TBodyLook& look, bool round,
                                    const TRibbonColours& ribbon)
{
    if (look.Border == clNone || FToolBarState == tsFloating)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(look.Border);
    canvas->Brush()->SetStyle(bsClear);
    if (!PaintRibbonSeparator(body, look, ribbon)) {
        if (!round || FCurrentToolBarStyler->Bevel() != bvNone)
            canvas->Rectangle(body);
        else
            canvas->RoundRect(body.Left, body.Top, body.Right - 1, body.Bottom - 1, 6, 6);
    }
    canvas->Brush()->SetStyle(bsSolid);
}

// ---- The caption's option button ---------------------------------------------------------------

void TRurCustomToolBar::DrawCaptionOptionButton()
{
    const TRect r = GetCaptionOptionRect();
    if (r.Left < 0)
        return;
    TCanvas* canvas = Canvas();
    const TGlowButtonAppearance* a = FCurrentToolBarStyler->GlowButtonAppearance();
    IRibbonGroupHost* host = RibbonHost();
    const TGlowButtonAppearance* toned = host && host->PagerTonesActive() ? host->PagerGlowButtonAppearance() : nullptr;
    struct TFace {
        TColor Color = clNone, ColorTo = clNone, Mirror = clNone, MirrorTo = clNone, Border = clNone;
        TGDIPGradient Gradient = ggRadial, GradientMirror = ggRadial;
    };
    const TFace down = toned ? TFace{toned->ColorDown(), clNone, clNone, clNone, toned->BorderColorDown()}
                             : TFace{a->ColorDown(), a->ColorDownTo(), a->ColorMirrorDown(), a->ColorMirrorDownTo(),
                                     a->BorderColorDown(), a->GradientDown(), a->GradientMirrorDown()};
    const TFace hot = toned ? TFace{toned->ColorHot(), clNone, clNone, clNone, toned->BorderColorHot()}
                            : TFace{a->ColorHot(), a->ColorHotTo(), a->ColorMirrorHot(), a->ColorMirrorHotTo(),
                                    a->BorderColorHot(), a->GradientHot(), a->GradientMirrorHot()};
    // Pressing fades from the hot face to the pressed one; hovering from the caption to the hot face.
    auto pushed = [&](int step) {
        TFace f = down;
        for (auto [c, h] : {std::pair{&f.Color, hot.Color}, {&f.ColorTo, hot.ColorTo}, {&f.Mirror, hot.Mirror},
                            {&f.MirrorTo, hot.MirrorTo}, {&f.Border, hot.Border}})
            *c = BlendColor(*c, h, step);
        return f;
    };
    auto hovered = [&](int step) {
        const TCaptionAppearance* caption = FCurrentToolBarStyler->CaptionAppearance();
        const TColor captionTo = caption->CaptionColorTo() != clNone ? caption->CaptionColorTo() : caption->CaptionColor();
        TFace f = hot;
        f.Color = BlendColor(hot.Color, caption->CaptionColor(), step);
        f.ColorTo = BlendColor(hot.ColorTo, captionTo, step);
        f.Mirror = BlendColor(hot.Mirror, caption->CaptionColor(), step);
        f.MirrorTo = BlendColor(hot.MirrorTo, captionTo, step);
        f.Border = BlendColor(hot.Border, a->BorderColor(), step);
        return f;
    };
    const bool running = FOptionTimer != nullptr;
    bool paint = true;
    TFace face;
    if (FCapOptIndicatorDown)
        face = running && FOptionGlowState == gsPush ? pushed(FOptionStepPush) : down;
    else if (FCapOptIndicatorHot)
        face = !running ? hot : FOptionGlowState == gsHover ? hovered(FOptionStepHover) : pushed(FOptionStepPush);
    else if (running && FOptionGlowState == gsHover)
        face = hovered(FOptionStepHover);
    else
        paint = false;
    if (paint)
        DrawVistaGradient(canvas, r, face.Color, face.ColorTo, face.Mirror, face.MirrorTo, face.Border, face.Gradient,
                          face.GradientMirror, false);
    TGDIPPicture* picture = nullptr;
    if (FParentOptionPicture && host && host->HasPager())
        picture = host->PagerOptionPicture(!Enabled());
    if (!picture)
        picture = Enabled() || FIOptionDisabledPicture->Empty() ? FIOptionPicture.get() : FIOptionDisabledPicture.get();
    if (!picture || picture->Empty())
        return;
    const int x = std::max(r.Left, r.Left + (r.Width() - picture->Width()) / 2);
    const int y = std::max(r.Top, r.Top + (r.Height() - picture->Height()) / 2);
    canvas->Draw(x, y, picture);
}
