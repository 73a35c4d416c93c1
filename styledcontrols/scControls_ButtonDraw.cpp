// The button's faces: twenty-four looks with title line, caption and glyph, glow, focus rectangle,
// split part and menu arrow, and custom images.
#include <algorithm>

#include "Math.h"
#include "Themes.h"
#include "scControls.h"
#include "scImageCollection.h"

using namespace scControls;

namespace {

bool IsOneOf(TscButtonStyleKind kind, std::initializer_list<TscButtonStyleKind> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

bool ShowsFaceOnlyActive(TscsCtrlState state) { return state == scsHot || state == scsPressed || state == scsFocused; }

int SegmentOf(TscButtonStyleKind kind)
{
    switch (kind) {
    case scbsSegmentedLeft:
    case scbsSegmentedToolLeft: return 1;
    case scbsSegmentedMiddle:
    case scbsSegmentedToolMiddle: return 2;
    default: return 3;
    }
}

void FillRect(TCanvas* canvas, const TRect& rect, TColor color)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

} // namespace

// What Draw settles before painting: the state, sizes, and the facts the steps keep asking.
struct TscButton::TLook {
    TscsCtrlState State;
    int W, H, SW;
    double Scale;
    bool Styled, Themed, FontStyled, Menu, Split, RightToLeft, BottomArrow;
    // The face shows the focus itself (push looks).
    bool FaceFocus;
    // The content margins of a custom image.
    TRect Margins{0, 0, 0, 0};

    // The split area and the face outside it.
    TRect SplitArea() const
    {
        return BottomArrow ? Rect(0, H - SW, W, H) : RightToLeft ? Rect(0, 0, SW, H) : Rect(W - SW, 0, W, H);
    }
    TRect FaceArea() const
    {
        return BottomArrow ? Rect(0, 0, W, H - SW) : RightToLeft ? Rect(SW, 0, W, H) : Rect(0, 0, W - SW, H);
    }
    // The focus rectangle beside the split part, inset by d.
    TRect BesideSplit(int d) const
    {
        return BottomArrow ? Rect(d, d, W - d, H - SW - 1)
               : RightToLeft ? Rect(SW + 1, d, W - d, H - d)
                             : Rect(d, d, W - SW - 1, H - d);
    }
};

// The face of the look, returning the text colour that goes with it.
TColor TscButton::PaintFace(TCanvas* canvas, const TLook& look)
{
    const TRect r = ClientRect();
    const TscsCtrlState s = look.State;
    // Text over no face: the font's own colour when asked, else the style's check-box text.
    auto bareText = [&](bool useFont) {
        return useFont ? ColorToRGB(GetStyleSystemColor(Font()->Color(), this)) : GetCheckBoxTextColor(s, this);
    };
    switch (FStyleKind) {
    case scbsPushButton:
        if (FToolPushButtonStyle && look.Styled) {
            DrawToolButton(canvas, r, s, this);
            return GetToolButtonTextColor(s, this);
        }
        DrawPushButton(canvas, r, s, this, look.Scale, look.FaceFocus);
        return GetButtonTextColor(s, this);
    case scbsToolButton: DrawToolButton(canvas, r, s, this); return GetToolButtonTextColor(s, this);
    case scbsPushButtonTransparent:
        if (ShowsFaceOnlyActive(s)) {
            DrawPushButton(canvas, r, s, this, look.Scale, look.FaceFocus);
            return GetButtonTextColor(s, this);
        }
        return bareText(FUseFontColorToStyleColor && s != scsDisabled);
    case scbsToolButtonTransparent:
        if (ShowsFaceOnlyActive(s)) {
            DrawToolButtonFramed(canvas, r, s, this);
            return GetToolButtonTextColor(s, this);
        }
        return bareText(FUseFontColorToStyleColor && s != scsDisabled);
    case scbsTransparent:
    case scbsLink: return bareText(FUseFontColorToStyleColor && s != scsDisabled);
    case scbsHeaderSection: DrawHeaderSection(canvas, r, s, this); return GetHeaderSectionTextColor(s, this);
    case scbsColorButton: {
        FColorOptions->SetState(s);
        if (FColorOptions->Color() != clNone)
            FillRect(canvas, r, FColorOptions->Color());
        const TColor frame = FColorOptions->FrameColor();
        if (frame != clNone && FColorOptions->FrameWidth() > 0) {
            TRect f = r;
            for (int i = 0; i < FColorOptions->FrameWidth(); ++i)
                DrawFrame3D(canvas, f, frame, frame);
        }
        return FColorOptions->FontColor();
    }
    case scbsCustomImage:
    case scbsCustomImageOverContent: {
        const int index = CustomImageIndexForState(s);
        if (CustomImageAvailable(index)) {
            if (FStyleKind == scbsCustomImage)
                FCustomImages->Draw(canvas, r, index, look.Scale);
        }
        FColorOptions->SetState(s);
        return FColorOptions->FontColor();
    }
    case scbsTab: DrawTabButton(canvas, r, s, this); return GetTabButtonTextColor(s, this);
    case scbsTabTransparent:
        if (ShowsFaceOnlyActive(s)) {
            DrawTabButton(canvas, r, s, this);
            return GetTabButtonTextColor(s, this);
        }
        return bareText(FUseFontColorToStyleColor && s != scsDisabled);
    case scbsSegmentedLeft:
    case scbsSegmentedMiddle:
    case scbsSegmentedRight:
        DrawSegmentPushButton(canvas, r, s, this, look.Scale, SegmentOf(FStyleKind), look.FaceFocus);
        return GetButtonTextColor(s, this);
    case scbsSegmentedToolLeft:
    case scbsSegmentedToolMiddle:
    case scbsSegmentedToolRight:
        DrawSegmentToolButton(canvas, r, s, this, SegmentOf(FStyleKind));
        return GetToolButtonTextColor(s, this);
    case scbsDropDownCombo: {
        const TscsCtrlState shown = s == scsFocused ? scsHot : s;
        DrawPushButton(canvas, r, shown, this, look.Scale, false);
        return GetButtonTextColor(shown, this);
    }
    default: return GetButtonTextColor(s, this);
    }
}

void TscButton::PaintTitle(TCanvas* canvas, const TLook& look, TRect& rect, TColor textColor)
{
    canvas->SetFont(FTitleFont.get());
    if (FStyleKind == scbsColorButton) {
        FColorOptions->SetState(look.State);
        canvas->Font()->SetColor(FColorOptions->TitleFontColor());
    } else if (look.FontStyled && (look.Styled || look.State == scsDisabled)) {
        canvas->Font()->SetColor(textColor);
    }
    int left = look.Margins.Left < 1 ? 5 : look.Margins.Left;
    if (FScaleMarginAndSpacing)
        left = Round(left * look.Scale);
    const int height = canvas->TextHeight(u"Wq");
    TRect title = Rect(left, 5, look.W - 5, 5 + height);
    if (look.Menu && !look.BottomArrow) {
        if (look.RightToLeft)
            title = Rect(look.SW + 1, 5, look.W - left, 5 + height);
        else
            title.Right = look.W - look.SW - 1;
    }
    if (look.Scale > 1.25) {
        title.Left += 2;
        title.Right -= 2;
    }
    DrawSingleLineText(canvas, FTitle, title, false, look.RightToLeft);
    rect.Top += title.Height();
}

void TscButton::PaintMenuPart(TCanvas* canvas, const TLook& look, TRect& rect, TColor& arrowColor)
{
    const int W = look.W, H = look.H, SW = look.SW;
    const int keep = FSplitButton ? 2 : 5;
    if (FSplitButton || FShowMenuArrow) {
        if (look.BottomArrow)
            rect.Bottom -= SW - keep;
        else if (look.RightToLeft)
            rect.Left += SW + keep; // the right-to-left split part takes its whole width and more
        else
            rect.Right -= SW - keep;
    }
    const bool transparentLook = FStyleKind == scbsTransparent || FStyleKind == scbsLink;
    if (FMenuDroppedDown && !transparentLook) {
        // The split area pressed, in the face of the look.
        const TRect area = look.SplitArea();
        const bool clip = look.Themed && FStyleKind != scbsColorButton;
        const TRect face = clip ? ClientRect() : area;
        const HDC dc = canvas->Handle();
        const int saved = SaveDC(dc);
        if (clip)
            IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
        switch (FStyleKind) {
        case scbsPushButton:
        case scbsPushButtonTransparent:
        case scbsDropDownCombo:
            DrawPushButton(canvas, face, scsPressed, this, 1.0, false);
            arrowColor = GetButtonTextColor(scsPressed, this);
            break;
        case scbsToolButton:
        case scbsToolButtonTransparent:
            DrawToolButton(canvas, look.Themed ? face : InflatedRect(face, -1), scsPressed, this);
            arrowColor = GetToolButtonTextColor(scsPressed, this);
            break;
        case scbsHeaderSection:
            DrawHeaderSection(canvas, face, scsPressed, this);
            arrowColor = GetHeaderSectionTextColor(look.State, this);
            break;
        case scbsColorButton:
            FColorOptions->SetState(scsPressed);
            FillRect(canvas, face, FColorOptions->Color());
            arrowColor = FColorOptions->FontColor();
            FColorOptions->SetState(look.State);
            break;
        case scbsCustomImage:
        case scbsCustomImageOverContent:
            if (CustomImageAvailable(FCustomImagePressedIndex))
                FCustomImages->Draw(canvas, face, FCustomImagePressedIndex, look.Scale);
            FColorOptions->SetState(scsPressed);
            arrowColor = FColorOptions->FontColor();
            FColorOptions->SetState(look.State);
            break;
        case scbsTab:
        case scbsTabTransparent:
            DrawTabButton(canvas, face, scsPressed, this);
            arrowColor = GetTabButtonTextColor(look.State, this);
            break;
        case scbsSegmentedLeft:
        case scbsSegmentedMiddle:
        case scbsSegmentedRight:
            DrawSegmentPushButton(canvas, face, scsPressed, this, look.Scale, SegmentOf(FStyleKind), false);
            arrowColor = GetButtonTextColor(scsPressed, this);
            break;
        default:
            DrawSegmentToolButton(canvas, face, scsPressed, this, SegmentOf(FStyleKind));
            arrowColor = GetToolButtonTextColor(scsPressed, this);
            break;
        }
        RestoreDC(dc, saved);
    }
    TRect arrow = look.BottomArrow ? Rect(2, H - SW, W - 2, H) : look.RightToLeft ? Rect(0, 2, SW, H - 2)
                                                                                   : Rect(W - SW, 2, W, H - 2);
    if (look.BottomArrow)
        arrow = Rect(arrow.Left, arrow.Top - look.Margins.Bottom / 2, arrow.Right, arrow.Bottom - look.Margins.Bottom / 2);
    else {
        const int in = look.RightToLeft ? look.Margins.Right / 2 : -look.Margins.Right / 2;
        arrow = Rect(arrow.Left + in, arrow.Top, arrow.Right + in, arrow.Bottom);
    }
    if (FShowMenuArrow || FSplitButton) {
        if (FStyleKind == scbsDropDownCombo) {
            arrow.Right -= 2;
            if (look.Styled || !look.Themed || IsWindowsXP())
                DrawDropDownArrow(canvas, arrow, arrowColor, this, look.Scale);
            else
                DrawComboDropDownButton(canvas, arrow, Enabled() ? scsNormal : scsDisabled, this, look.Scale, false,
                                        false);
        } else if (ThinDropDownArrows && look.Styled) {
            if (FArrowDirection == scadRight)
                DrawChevronArrow(canvas, arrow, arrowColor, look.Scale, 1);
            else
                DrawDownChevron(canvas, arrow, arrowColor, look.Scale);
        } else {
            DrawTriangleArrow(canvas, arrow, arrowColor, look.Scale, FArrowDirection == scadRight ? 2 : 4);
        }
    }
    if (!FSplitButton)
        return;
    if (FStyleKind == scbsColorButton) {
        FColorOptions->SetState(look.State);
        TColor line = FColorOptions->FrameColor();
        if (line == clNone)
            line = FColorOptions->PressedColor();
        const TRect edge = look.BottomArrow  ? Rect(arrow.Left, arrow.Top, arrow.Right, arrow.Top + 1)
                           : look.RightToLeft ? Rect(arrow.Right - 1, arrow.Top, arrow.Right, arrow.Bottom)
                                              : Rect(arrow.Left, arrow.Top, arrow.Left + 1, arrow.Bottom);
        FillRect(canvas, edge, line);
    } else if (FStyleKind == scbsPushButton || ShowsFaceOnlyActive(look.State)) {
        if (look.BottomArrow)
            DrawHorzSeparator(canvas, arrow, this);
        else
            DrawVertSeparator(canvas, arrow, look.RightToLeft, this);
    }
}

void TscButton::PaintContent(TCanvas* canvas, const TLook& look, TRect rect)
{
    const TRect& cm = look.Margins;
    if (cm.Left || cm.Top || cm.Right || cm.Bottom) {
        rect.Left += cm.Left;
        rect.Top += cm.Top;
        // With a menu the arrow, moved half a margin inward, claims its share: a bottom arrow
        // half the bottom margin more, a side arrow half the right margin instead of all of it.
        if (FDropDownMenu || FGalleryMenu) {
            if (look.BottomArrow)
                rect.Bottom -= cm.Bottom / 2;
            else
                rect.Right -= cm.Right / 2;
        } else {
            rect.Right -= cm.Right;
        }
        rect.Bottom -= cm.Bottom;
    } else {
        rect = InflatedRect(rect, -3);
    }
    if (look.Scale > 1.25)
        rect = InflatedRect(rect, -2);
    if (FGlowEffect->Enabled())
        rect = InflatedRect(rect, -(FGlowEffect->GlowSize() / 2));

    const String caption = FShowCaption ? Caption() : String();
    const int index = GetImageIndexForState(look.State);
    TCustomImageList* images = FImages;
    if (FStyleKind == scbsTab && !look.Themed &&
        (look.State == scsNormal || look.State == scsHot || look.State == scsDisabled))
        rect.Top += 2;

    int margin = FMargin, spacing = FSpacing;
    if (FImageMargin > 0 && images) {
        margin = FImageMargin / 2 - images->Width() / 2 - 3;
        spacing = FImageMargin + FSpacing - margin - images->Width();
        if (FGlowEffect->Enabled()) {
            margin -= FGlowEffect->GlowSize() / 2;
            spacing -= FGlowEffect->GlowSize() / 2;
        }
    }
    if (FOnPaintContent) {
        FOnPaintContent(canvas, rect, look.State);
        return;
    }
    // Glyph-left and glyph-right swap under right to left.
    TButtonLayout layout = FLayout;
    if (look.RightToLeft && layout == blGlyphLeft)
        layout = blGlyphRight;
    else if (look.RightToLeft && layout == blGlyphRight)
        layout = blGlyphLeft;
    const bool centred = layout == blGlyphTop || layout == blGlyphBottom || FCaptionCenterAlignment;
    const bool enabled = look.State != scsDisabled;
    TColor glowColor = clNone;
    Byte glowAlpha = 0, glowSize = 0;
    if (FGlowEffect->Enabled() && GetGlowParams(look.State, glowColor, glowAlpha, glowSize)) {
        const bool rebuild = GlowBufferNeedsUpdate(canvas, glowColor, glowSize, glowAlpha, rect, index, images);
        (centred ? DrawImageAndTextGlow : DrawImageAndTextGlowLeft)(
            FGlowBuffer, FGlowImageBuffer, rebuild, FWordWrap, look.Scale, false, look.RightToLeft, false,
            FImageGlow, glowAlpha, FGlowEffect->Intensive(), glowSize, glowColor, FGlowEffect->Offset(), clNone,
            false, enabled, images, index, caption, layout, spacing, margin, rect, canvas);
    } else if (centred) {
        DrawImageAndText(canvas, rect, margin, FWordWrap, look.Scale, false, look.RightToLeft, false, clNone, false,
                         enabled, images, index, caption, layout, spacing);
    } else {
        DrawImageAndTextEllipsis(canvas, rect, margin, true, FWordWrap, look.Scale, false, look.RightToLeft, false,
                                 clNone, false, enabled, images, index, caption, layout, spacing);
    }
}

void TscButton::Draw(TCanvas* canvas, TscsCtrlState state)
{
    const TRect client = ClientRect();
    if (!FTransparentBackground)
        FillRect(canvas, client, GetStyleSystemColor(clBtnFace, this));
    const double scale = ScaleFactor();
    switch (FStyleKind) {
    case scbsUpSpinButton: DrawSpinUpButton(canvas, client, state, this, scale); return;
    case scbsDownSpinButton: DrawSpinDownButton(canvas, client, state, this, scale); return;
    case scbsLeftSpinButton: DrawSpinLeftButton(canvas, client, state, this, scale); return;
    case scbsRightSpinButton: DrawSpinRightButton(canvas, client, state, this, scale); return;
    case scbsDropDownButton: DrawComboDropDownButton(canvas, client, state, this, scale, false, false); return;
    default: break;
    }

    TLook look{};
    look.State = state;
    look.W = Width();
    look.H = Height();
    look.SW = FSplitWidth;
    look.Scale = scale;
    look.Styled = UsesCustomStyle(this);
    look.Themed = StyleServices(this)->Enabled();
    look.FontStyled = StyleElements().Contains(seFont);
    look.Menu = HasDropDown();
    look.Split = look.Menu && FSplitButton;
    look.RightToLeft = IsBiDiRightToLeft();
    look.BottomArrow = FArrowPosition == scapBottom;
    look.FaceFocus = FCanFocused && Focused() && !look.Split && (FShowFocusRect || !look.Themed);
    if (IsOneOf(FStyleKind, {scbsCustomImage, scbsCustomImageOverContent})) {
        const int index = CustomImageIndexForState(state);
        if (CustomImageAvailable(index))
            look.Margins = FCustomImages->GetContentMargins(index, scale);
    }

    // 1-5: the face, clipped away from a dropped-down split part when themed.
    const bool clipFace = FMenuDroppedDown && look.Themed &&
                          !IsOneOf(FStyleKind, {scbsTransparent, scbsLink, scbsColorButton});
    TColor textColor;
    {
        const HDC dc = canvas->Handle();
        const int saved = clipFace ? SaveDC(dc) : 0;
        if (clipFace) {
            const TRect face = look.FaceArea();
            IntersectClipRect(dc, face.Left, face.Top, face.Right, face.Bottom);
        }
        textColor = PaintFace(canvas, look);
        if (clipFace)
            RestoreDC(dc, saved);
    }
    canvas->Brush()->SetStyle(bsClear);

    TRect rect = client;
    if (!FTitle.empty())
        PaintTitle(canvas, look, rect, textColor);

    // 7: the caption's font and colour, which the arrow also takes.
    canvas->SetFont(Font());
    TColor fontColor = Font()->Color();
    if (FStyleKind == scbsColorButton) {
        FColorOptions->SetState(state);
        fontColor = FColorOptions->FontColor();
    } else if (look.FontStyled && (look.Styled || state == scsDisabled)) {
        fontColor = textColor;
    } else if (state == scsDisabled) {
        fontColor = clGrayText;
    }
    if (state == scsDisabled && FDisabledFontColor != clNone)
        fontColor = FDisabledFontColor;
    canvas->Font()->SetColor(fontColor);
    if (FStyleKind == scbsLink && ShowsFaceOnlyActive(state))
        canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsUnderline});
    TColor arrowColor = fontColor;

    // 8: the focus rectangle that the face does not draw itself.
    if (FCanFocused && Focused() && FShowFocusRect) {
        const bool pushLook = IsOneOf(FStyleKind, {scbsPushButton, scbsSegmentedLeft, scbsSegmentedMiddle,
                                                   scbsSegmentedRight}) ||
                              (FStyleKind == scbsPushButtonTransparent && ShowsFaceOnlyActive(state));
        if (pushLook && look.Split && !look.Styled)
            DrawScaledFocusRect(canvas, look.BesideSplit(3), scale);
        else if (IsOneOf(FStyleKind, {scbsTransparent, scbsLink}))
            DrawScaledFocusRect(canvas, look.Split ? look.BesideSplit(0) : client, scale);
        else if (FStyleKind == scbsDropDownCombo)
            DrawScaledFocusRect(canvas,
                                look.RightToLeft ? Rect(look.SW + 1, 4, look.W - 4, look.H - 4)
                                                 : Rect(4, 4, look.W - look.SW - 1, look.H - 4),
                                scale);
    }
    if (look.Menu)
        PaintMenuPart(canvas, look, rect, arrowColor);
    PaintContent(canvas, look, rect);

    if (FStyleKind == scbsCustomImageOverContent) {
        const int index = CustomImageIndexForState(state);
        if (CustomImageAvailable(index))
            FCustomImages->Draw(canvas, client, index, scale);
    }
}
