// The glow button's Paint: the state's colours (blended while a fade runs), the glyph list, the
// font, the automatic size, then the drawing procedure and the parent's background in the corners.
#include "RurGlowButton_Draw.h"

#include <algorithm>
#include <cmath>

#include "ActnMan.h"
#include "Forms.h"

using namespace RurGDIP;
using namespace RurGlowButton;

namespace {

TGlowStateColors NormalColors(const TGlowButtonAppearance& a)
{
    return {a.Color(), a.ColorTo(), a.ColorMirror(), a.ColorMirrorTo(), a.BorderColor(), a.Gradient(),
            a.GradientMirror()};
}
TGlowStateColors HotColors(const TGlowButtonAppearance& a)
{
    return {a.ColorHot(),   a.ColorHotTo(),     a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.BorderColorHot(),
            a.GradientHot(), a.GradientMirrorHot()};
}
TGlowStateColors DownColors(const TGlowButtonAppearance& a)
{
    return {a.ColorDown(),   a.ColorDownTo(),     a.ColorMirrorDown(), a.ColorMirrorDownTo(), a.BorderColorDown(),
            a.GradientDown(), a.GradientMirrorDown()};
}
TGlowStateColors CheckedColors(const TGlowButtonAppearance& a)
{
    return {a.ColorChecked(),   a.ColorCheckedTo(),     a.ColorMirrorChecked(), a.ColorMirrorCheckedTo(),
            a.BorderColorChecked(), a.GradientChecked(), a.GradientMirrorChecked()};
}
TGlowStateColors DisabledColors(const TGlowButtonAppearance& a)
{
    return {a.ColorDisabled(),   a.ColorDisabledTo(),     a.ColorMirrorDisabled(), a.ColorMirrorDisabledTo(),
            a.BorderColorDisabled(), a.GradientDisabled(), a.GradientMirrorDisabled()};
}

// The four fill colours: percent of c1's, the rest of c2's.
void BlendFills(TGlowStateColors& out, const TGlowStateColors& c1, const TGlowStateColors& c2, int percent)
{
    out.Color = BlendColor(c1.Color, c2.Color, percent);
    out.ColorTo = BlendColor(c1.ColorTo, c2.ColorTo, percent);
    out.ColorMirror = BlendColor(c1.ColorMirror, c2.ColorMirror, percent);
    out.ColorMirrorTo = BlendColor(c1.ColorMirrorTo, c2.ColorMirrorTo, percent);
}

} // namespace

TGlowStateColors TRurCustomGlowButton::StateColors() const
{
    const TGlowButtonAppearance& a = *FAppearance;
    const bool disabled = FState == absDisabled || !Enabled();
    TGlowStateColors c;
    if (disabled && FShowDisabled) {
        c = DisabledColors(a);
    } else if (FState == absDown && FStyle == bsButton) {
        c = DownColors(a);
    } else if (FState == absExclusive || (FState == absDown && FStyle == bsCheck)) {
        c = CheckedColors(a);
        if (FHot && a.BorderColorCheckedHot() != clNone && !FMouseDown)
            c.Border = a.BorderColorCheckedHot();
        if (FTimer && (FMouseInControl || (FStyle == bsButton && (FGroupIndex <= 0 || FState == absDown))))
            BlendFills(c, CheckedColors(a), DownColors(a), FStepPush);
    } else if (FHot) {
        c = HotColors(a);
    } else {
        c = NormalColors(a);
    }
    if (c.ColorMirror == clNone)
        c.ColorMirror = c.Color;
    return c;
}

void TRurCustomGlowButton::ApplyFade(TGlowStateColors& c) const
{
    if (!FTimer)
        return;
    const TGlowButtonAppearance& a = *FAppearance;
    const bool checkedCheck = FStyle == bsCheck && FDownChecked;
    if (!FDown && !FTransparent && FState != absExclusive && !checkedCheck) {
        const TGlowStateColors hot = HotColors(a), normal = NormalColors(a);
        BlendFills(c, hot, normal, FStepHover);
        c.Border = BlendColor(hot.Border, normal.Border, FStepHover);
    } else if (checkedCheck && FDown) {
        if (FMouseEnter)
            BlendFills(c, CheckedColors(a), DownColors(a), FStepPush);
        else
            BlendFills(c, DownColors(a), CheckedColors(a), FStepPush);
    } else if (FDown && FState != absExclusive && !FKeepDown) {
        BlendFills(c, DownColors(a), HotColors(a), FStepPush);
        c.Border = BlendColor(a.BorderColorDown(), a.BorderColorHot(), FStepPush);
    }
}

void TRurCustomGlowButton::PaintParentBackground(const TRect& clip)
{
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    HDC dc = Canvas()->Handle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
    POINT origin;
    OffsetWindowOrgEx(dc, Left(), Top(), &origin);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
}

void TRurCustomGlowButton::Paint()
{
    if (FPainting)
        return;
    FPainting = true;
    struct TPaintingGuard {
        bool& Flag;
        ~TPaintingGuard() { Flag = false; }
    } guard{FPainting};

    const TGlowButtonAppearance& a = *FAppearance;
    const bool transpHover = a.TranspHover();
    TRect client = ClientRect();
    if (FTransparent && (transpHover || !FMouseInControl || FStaticButton))
        PaintParentBackground(client);

    // State normalisation.
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = FDownChecked && FGroupIndex != 0 ? absExclusive : absUp;
    }
    if (FStyle == bsCheck && FDownChecked)
        FState = absDown;
    if (FKeepDown) {
        FState = absDown;
        FDown = true;
    }

    TGlowStateColors colors = StateColors();
    // The hot flag goes with the pressed and the hovered colour sets.
    const bool disabledLook = (FState == absDisabled || !Enabled()) && FShowDisabled;
    const bool checkedLook = FState == absExclusive || (FState == absDown && FStyle == bsCheck);
    bool hot = !disabledLook && ((FState == absDown && FStyle == bsButton) || (FHot && !checkedLook));
    ApplyFade(colors);
    if (FButtonPosition != bpStandalone && FMouseDown && FCompStyle < tsOffice2007Luna)
        colors.Border = a.BorderColor();
    if (disabledLook)
        colors = DisabledColors(a);
    const bool focusedHot = FHasFocus && (FFocusType == ftHot || FFocusType == ftHotBorder);
    if (focusedHot && !FDown) {
        colors = HotColors(a);
        hot = true;
    }

    TGlowDrawInput in;
    in.Colors = colors;
    in.BorderColorFocused = a.BorderColorFocused();

    // The glyph list for the state.
    if (Enabled() || !FDisabledImages) {
        in.Images = FHot && FHotImages ? FHotImages : FImages;
        in.EnabledImage = Enabled();
    } else {
        in.Images = FDisabledImages;
        in.EnabledImage = true;
    }
    if (!in.Images && FInternalImages) {
        in.Images = FInternalImages.get();
        in.EnabledImage = true;
    }
    in.Picture = StatePicture(true);
    in.Icon = FIcon.get();
    in.ImageIndex = FImageIndex;
    TBitmap workBitmap;
    workBitmap.SetSize(1, 1);
    PrepareGlyphBitmap(&workBitmap);
    in.WorkBitmap = &workBitmap;
    if (const TActionGlyph glyph = ActionGlyph(FButtonSizeState, false); glyph.Images) {
        in.Images = glyph.Images;
        in.EnabledImage = glyph.Enabled;
        in.ImageIndex = FImageIndex = glyph.Index;
    }
    PreparePicture(in.Picture);
    in.PictureSize = PictureDrawSize(in.Picture);
    if (FAutoSize && FButtonSizeState < bsLarge && in.Images && FImageIndex >= 0)
        in.Picture = nullptr;
    if (FShowCaption) {
        in.Caption = Caption();
        in.WideCaption = FWideCaption;
    }
    if ((FMouseInControl || FMouseDown) && FDropDownButton)
        in.DropDownHotPart = FInButton ? 1 : 2;

    // The font of the state.
    TFont font;
    font.Assign(Font());
    if (a.TextColor() != clNone)
        font.SetColor(a.TextColor());
    if (font.Color() == clNone)
        font.SetColor(clWindowText);
    if (FHot)
        font.SetColor(a.TextColorHot());
    if (FState == absDown)
        font.SetColor(a.TextColorDown());
    if ((FStyle == bsCheck && FDownChecked) || (FState == absExclusive && FGroupIndex != 0))
        font.SetColor(a.TextColorChecked());
    if (!Enabled())
        font.SetColor(a.TextColorDisabled());
    if (a.SystemFont())
        font.SetName(::IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
    in.Font = &font;

    if (FAutoSize && FButtonSizeState < bsLarge) {
        if (FButtonSizeState == bsGlyph)
            in.Caption.clear(), in.WideCaption.clear();
    }

    in.Layout = FLayout;
    in.DropDownButton = FDropDownButton;
    in.Hot = hot;
    in.Enabled = Enabled();
    in.FocusBorder = IsFocusBorderVisible();
    in.DropDownPosition = FDropDownPosition;
    in.AntiAlias = FAntiAlias;
    in.MouseEnter = FMouseEnter;
    in.ButtonPosition = FButtonPosition;
    in.DropDownSplit = FDropDownSplit;
    in.BorderVisible = IsBorderVisible();
    in.WordWrap = FWordWrap;
    in.Rounded = FRounded;
    in.DropDownDirection = FDropDownDirection;
    in.Spacing = FSpacing;
    in.Trimming = FTrimming;
    in.Notes = FNotes.get();
    in.NotesFont = FNotesFont.get();
    in.DownChecked = FDownChecked;
    in.DroppedDown = FDroppedDown;
    in.TranspOffice = a.TranspOffice() && FTransparent;
    in.GlassQAT = FInternalIsOnGlassQAT;
    in.MarginHorz = FMarginHorz;
    in.MarginVert = FMarginVert;
    in.NoBorderDefault = a.NoBorderDefault();
    in.AlwaysShowAccel = FAlwaysShowAccel;
    in.DropDownWidth = FDropDownWidth;
    in.IsRotated = FIsRotated;

    if (FDoAutoSize || (FFirstPaint && FAutoSize)) {
        TGlowDrawInput measure = in;
        measure.MeasureOnly = true;
        const TSize size = DrawGlowButton(this, Canvas(), client, measure);
        int w = FShowCaption && !Caption().empty() ? size.cx + 3 * FSpacing + 2 * FMarginHorz + 2
                                                   : size.cx + 2 * FMarginHorz - 1;
        const bool vertical = FLayout == blGlyphTop || FLayout == blGlyphBottom || FLayout == blGlyphTopAdjusted ||
                              FLayout == blGlyphBottomAdjusted;
        int h = vertical ? size.cy + 2 * FMarginVert : size.cy + 2 * FSpacing + 2 * FMarginVert;
        if (FDropDownButton) {
            if (FDropDownPosition == dpBottom)
                h += GetScaledDropDownWidth();
            else
                w += GetScaledDropDownWidth();
        }
        FOnSetButtonSize(this, w, h);
        FDoAutoSize = false;
        // Drawn at the new size in this same pass: a button that shrank gets no other paint.
        if (w != Width() || h != Height()) {
            SetBounds(Left(), Top(), w, h);
            client = ClientRect();
        }
    }
    FFirstPaint = false;

    in.TransparentLook = FStaticButton || (FTransparent && (!FMouseInControl || transpHover) && !focusedHot &&
                                           FState != absDown);
    DrawGlowButton(this, Canvas(), client, in);

    AfterDraw();
    DrawCustom(Canvas(), client);
    FOnDrawButton(this, Canvas(), client, FState == absDown ? gsDown : FMouseEnter ? gsHot : gsNormal);

    // Rounded corners show the parent's background in their outer pixels.
    if (Parent() && FRounded && (!FTransparent || FMouseEnter || FState == absDown || FHot) &&
        FButtonPosition != bpMiddle) {
        const int r = client.Right - 1, b = client.Bottom - 1;
        auto corner = [this](int x, int y) { PaintParentBackground(Rect(x, y, x + 1, y + 1)); };
        if (FButtonPosition == bpStandalone || FButtonPosition == bpLeft)
            corner(0, 0);
        else
            corner(r, 0);
        if (FButtonPosition == bpStandalone)
            corner(r, 0);
        if (FButtonPosition == bpStandalone || FButtonPosition == bpLeft)
            corner(0, b);
        if (FButtonPosition == bpStandalone || FButtonPosition == bpRight)
            corner(r, b);
    }
}

TRurCustomGlowButton::TActionGlyph TRurCustomGlowButton::ActionGlyph(TButtonSizeState sizeState,
                                                                      bool sameIndexOnly) const
{
    TActionGlyph glyph;
    auto* action = dynamic_cast<TCustomAction*>(Action());
    if (!action || action->ImageIndex() < 0 || (sameIndexOnly && action->ImageIndex() != FImageIndex))
        return glyph;
    auto* list = dynamic_cast<TCustomActionList*>(action->ActionList());
    if (!list || (FImages && FImageListType == ipOwnLists))
        return glyph;
    glyph.Enabled = Enabled();
    if (auto* manager = dynamic_cast<TActionManager*>(list)) {
        const bool large = sizeState == bsLarge;
        auto pick = [large](TCustomImageList* largeList, TCustomImageList* normalList) {
            return large && largeList ? largeList : normalList;
        };
        // Disabled images are drawn as they are; without them the normal images are drawn greyed.
        if (!Enabled()) {
            glyph.Images = pick(manager->LargeDisabledImages(), manager->DisabledImages());
            glyph.Enabled = true;
        }
        if (!glyph.Images) {
            glyph.Images = pick(manager->LargeImages(), manager->Images());
            glyph.Enabled = Enabled();
        }
    } else {
        glyph.Images = list->Images();
    }
    if (glyph.Images)
        glyph.Index = action->ImageIndex();
    return glyph;
}

TGDIPPicture* TRurCustomGlowButton::StatePicture(bool downRules) const
{
    if (!Enabled() && !FIDisabledPicture->Empty())
        return FIDisabledPicture.get();
    if (FHot && !FIHotPicture->Empty())
        return FIHotPicture.get();
    const bool pressed = FState == absDown || (FState == absExclusive && FDownChecked && FGroupIndex >= 1);
    if (downRules && pressed && !FIDownPicture->Empty())
        return FIDownPicture.get();
    return FIPicture.get();
}

TSize TRurCustomGlowButton::PictureDrawSize(const TGDIPPicture* picture) const
{
    TSize size{0, 0};
    if (FAutoSize && FButtonSizeState < bsLarge)
        size = {16, 16};
    if (FIPicture->Empty())
        return size;
    if (FPictureWidth > 0 && FPictureHeight > 0)
        return {FPictureWidth, FPictureHeight};
    if (FPictureWidth == 0 && FPictureHeight == 0 && picture) {
        const int h = Height() - 8;
        const int w = picture->Height() > 0 ? static_cast<int>(std::lround(double(picture->Width()) * h / picture->Height()))
                                            : h;
        return {w, h};
    }
    return size;
}

TSize TRurCustomGlowButton::ButtonSize(TButtonSizeState state)
{
    TGlowDrawInput in;
    in.Colors = StateColors();
    in.Images = FImages;
    in.ImageIndex = FImageIndex;
    if (const TActionGlyph glyph = ActionGlyph(state, true); glyph.Images)
        in.Images = glyph.Images;
    in.Picture = StatePicture(false);
    in.PictureSize = PictureDrawSize(in.Picture);
    TBitmap workBitmap;
    workBitmap.SetSize(1, 1);
    PrepareGlyphBitmap(&workBitmap);
    in.WorkBitmap = &workBitmap;
    if (FAutoSize && state < bsLarge) {
        in.PictureSize = {16, 16};
        // The picture is measured as a glyph painted on the work bitmap.
        if (workBitmap.Width() == 1 && in.Picture && !in.Picture->Empty()) {
            in.Picture->GetImageSizes();
            workBitmap.SetSize(in.Picture->Width(), in.Picture->Height());
            workBitmap.Canvas()->StretchDraw(Rect(0, 0, workBitmap.Width(), workBitmap.Height()), in.Picture);
            in.Picture = nullptr;
        }
        if (FImages && FImageIndex >= 0)
            in.Picture = nullptr;
    }
    in.Font = Font();
    if (FShowCaption && state != bsGlyph) {
        in.Caption = Caption();
        in.WideCaption = FWideCaption;
    }
    in.Layout = state == bsLarge ? FOldLayout : blGlyphLeft;
    in.DropDownPosition = state == bsLarge ? FOldDropDownPosition : dpRight;
    in.DropDownButton = FDropDownButton;
    in.Spacing = FSpacing;
    in.WordWrap = FWordWrap;
    in.Notes = FNotes.get();
    in.NotesFont = FNotesFont.get();
    in.MeasureOnly = true;
    in.DropDownWidth = FDropDownWidth;
    // The button's canvas draws only while it paints; at any other time it measures on a bitmap's.
    TBitmap measureBitmap;
    measureBitmap.SetSize(1, 1);
    TCanvas* canvas = Canvas()->HandleAllocated() ? Canvas() : measureBitmap.Canvas();
    TSize size = DrawGlowButton(this, canvas, ClientRect(), in);
    size.cx += 3 * FSpacing + 2 * FMarginHorz + 2;
    size.cy += 2 * FSpacing + 2 * FMarginVert;
    if (FDropDownButton) {
        if (in.DropDownPosition == dpBottom)
            size.cy += GetScaledDropDownWidth();
        else
            size.cx += GetScaledDropDownWidth();
    }
    return size;
}
