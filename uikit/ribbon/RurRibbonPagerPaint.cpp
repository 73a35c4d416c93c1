// The pager's face: the caption band, the tab row with every tab in its state colours, and the
// shadow under the active page. The glass caption belongs to the system's frame and is drawn by
// the caption layer of the ribbon form.
#include "RurRibbonPager.h"

#include "Math.h"
#include "RurQuickAccessToolBar.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_Vista.h"

namespace {
int Nearest(double value) { return static_cast<int>(Round(value)); }

// One tab's colours for its state.
struct TTabColors {
    TColor Color = clNone, ColorTo = clNone, Mirror = clNone, MirrorTo = clNone, Border = clNone;
    TGDIPGradient Gradient{}, GradientMirror{};
    TColor Text = clNone, HighLight = clNone;
    bool Background = true;
};

// The background colours of a tab blended from the hot ones towards target by step percent.
void BlendTowards(TTabColors& c, TColor target, int step)
{
    c.Color = BlendColor(c.Color, target, step);
    c.ColorTo = BlendColor(c.ColorTo, target, step);
    c.Mirror = BlendColor(c.Mirror, target, step);
    c.MirrorTo = BlendColor(c.MirrorTo, target, step);
    c.Border = BlendColor(c.Border, target, step);
}
} // namespace

void TRurToolBarPager::Paint()
{
    if (FUpdateCount > 0)
        return;
    FFirstRun = false;
    TCanvas* canvas = Canvas();
    if (FItones)
        DrawTonesCaption(canvas);
    else if (!FIsAeroVista)
        DrawCaption(canvas);
    DrawTabs(canvas);
    CheckMDIChild();
    DrawPageShadow(canvas);
    // The maximize glyph follows the form's state, however it changed.
    if (const TCustomForm* form = GetParentForm(); form && FCaptionMaxBtn && form->WindowState() != FFormWindowState) {
        FFormWindowState = form->WindowState();
        UpdateCaptionButtons(true);
    }
}

void TRurToolBarPager::FillTabBackground(TCanvas* canvas, const TRect& r)
{
    const TGradientBackground* back = TabAppearanceInUse()->BackGround();
    if (back->Color() != clNone && back->ColorTo() != clNone)
        DrawGradient(canvas, back->Color(), back->ColorTo(), back->Steps(), r, back->Direction() == gdHorizontal);
    else if (back->Color() != clNone) {
        canvas->Brush()->SetColor(back->Color());
        canvas->FillRect(r);
    }
}

TRect TRurToolBarPager::CaptionTextRect(const TRect& band, bool& afterHeaders)
{
    afterHeaders = false;
    if (FHideState)
        return Rect(band.Left + 5, band.Top, band.Right, band.Bottom);
    TRect r = Rect(band.Left + FCaption->Indent(), band.Top, band.Right - FCaption->RightIndent(), band.Bottom);
    if (FQuickAccessToolBar && FQuickAccessToolBar->Visible() && !ShowQATBelow())
        r.Left = std::max(r.Left, FQuickAccessToolBar->Left() + FQuickAccessToolBar->Width());
    // The headers stand up into the band: the text keeps to their right.
    for (int i = 0; i < FTabGroups->Count(); ++i)
        if (const TRect header = GetTabGroupRect(i); header.Right > -1) {
            r.Left = afterHeaders ? std::max(r.Left, header.Right) : header.Right;
            afterHeaders = true;
        }
    return r;
}

void TRurToolBarPager::DrawCaption(TCanvas* canvas)
{
    if (!FCaption->Visible())
        return;
    const TRect band = GetCaptionRect();
    const TVistaTextBackground* look = FCurrentToolBarStyler->PagerCaption();
    // The band's bottom edge lies one pixel outside, so no bottom border shows.
    DrawVistaGradient(canvas, Rect(band.Left, band.Top, band.Right, band.Bottom + 1), look->Color(), look->ColorTo(),
                      look->ColorMirror(), look->ColorMirrorTo(), look->BorderColor(), look->Gradient(),
                      look->GradientMirror(), false);
    const String& text = FCaption->Caption();
    if (text.empty())
        return;
    bool afterHeaders = false;
    TRect textRect = CaptionTextRect(band, afterHeaders);
    auto font = std::make_unique<TFont>();
    font->Assign(look->Font());
    font->SetHeight(Nearest(font->Height() * DPIScale));
    font->SetColor(look->TextColor());
    TRect measured;
    // Centred in the room after tab-group headers; else in the whole band as long as the text
    // keeps clear of the indent.
    if (!afterHeaders && !FHideState) {
        DrawGDIPText(canvas, taLeftJustify, DT_SINGLELINE | DT_VCENTER, Rect(0, 0, 1000, 100), text, String(),
                     font.get(), true, false, FAntiAlias, false, measured);
        textRect.Left = std::max(textRect.Left, band.Left + (band.Width() - measured.Width()) / 2);
    }
    canvas->Brush()->SetStyle(bsClear);
    DrawGDIPText(canvas, afterHeaders ? taCenter : taLeftJustify, DT_SINGLELINE | DT_VCENTER, textRect, text, String(), font.get(), true, true,
                 FAntiAlias, true, measured);
}

void TRurToolBarPager::DrawTonesCaption(TCanvas* canvas)
{
    if (!FCaption->Visible() || !FCaptionAppearance || !FTabAppearance)
        return;
    const TRect band = GetCaptionRect();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FCaptionAppearance->CaptionColor());
    canvas->FillRect(band);
    if (!FOffice2013 || Win7ScenicRibbon()) {
        if (FGroupStyle != gsOffice2019) {
            canvas->Brush()->SetColor(FTabAppearance->BackGround()->Color());
            canvas->FillRect(Rect(band.Left, band.Top, band.Right, band.Top + 3));
        }
    } else {
        canvas->Pen()->SetColor(FGroupStyle == gsOffice2019 ? FCaptionAppearance->CaptionBorderColor()
                                                            : FTabAppearance->TextColorSelected());
        canvas->MoveTo(band.Left, band.Top);
        canvas->LineTo(band.Right, band.Top);
    }
    const String& text = FCaption->Caption();
    if (text.empty())
        return;
    bool afterHeaders = false;
    TRect textRect = CaptionTextRect(band, afterHeaders);
    textRect.Top += 3;
    auto font = std::make_unique<TFont>();
    font->Assign(FCurrentToolBarStyler->PagerCaption()->Font());
    font->SetHeight(Nearest(font->Height() * DPIScale));
    font->SetColor(FGroupStyle == gsOffice2019 ? FCaptionAppearance->CaptionTextColor() : FTabAppearance->TextColor());
    canvas->Brush()->SetStyle(bsClear);
    TRect measured;
    DrawGDIPText(canvas, FOffice2013 ? taCenter : taLeftJustify, DT_SINGLELINE | DT_VCENTER, textRect, text,
                 FCaption->WideCaption(), font.get(), true, true, FAntiAlias, true, measured);
}

void TRurToolBarPager::DrawTabs(TCanvas* canvas)
{
    TRect area = GetTabsArea();
    area.Bottom = ClientRect().Bottom;
    FillTabBackground(canvas, area);
    if (!FItones && FCaption->Visible()) {
        canvas->Pen()->SetColor(BlendColor(clWhite, TabAppearanceInUse()->BackGround()->Color(), 70));
        canvas->MoveTo(area.Left, area.Top + 1);
        canvas->LineTo(area.Right, area.Top + 1);
    }
    DrawTabGroups(canvas);
    for (int i = 0; i < FRurPages.Count(); ++i)
        DrawTab(canvas, i);
}

bool TRurToolBarPager::NeedTabSeparator(int index) const
{
    return index != FirstVisibleTabIndex() && FCurrentTabSpacing <= FTabSettings->MinSpacing() &&
           FCurrentTabLeftMargin <= FTabSettings->LeftMargin() && FCurrentTabRightMargin <= FTabSettings->RightMargin();
}

void TRurToolBarPager::DrawTab(TCanvas* canvas, int index)
{
    TRurPage* page = RurPages(index);
    if (!page || FTabSettings->Height() <= 0)
        return;
    const TRect r = GetTabRect(index);
    const TRect tabs = GetTabsRect();
    if (r.Left < 0 || r.Right <= tabs.Left || r.Left >= tabs.Right)
        return;
    const TTabAppearance* a = TabAppearanceInUse();
    // A tab cut by the row's ends is drawn off screen and only its inside copied.
    const bool cut = r.Left < tabs.Left || r.Right > tabs.Right;
    auto buffer = cut ? std::make_unique<TBitmap>() : nullptr;
    TCanvas* target = canvas;
    if (buffer) {
        buffer->SetWidth(Width());
        buffer->SetHeight(Height());
        target = buffer->Canvas();
        FillTabBackground(target, r);
    }

    if (NeedTabSeparator(index))
        DrawGradient(target, BlendColor(a->BackGround()->Color(), a->BorderColorSelected(), 60), a->BorderColorSelected(),
                     40, Rect(r.Left - 2, r.Top + 1, r.Left - 1, r.Bottom), false);

    const int selected = FMenuFrameShown ? -1 : FActivePageIndex;
    const bool hot = index == FHotPageIndex;
    const bool flat2019 = FGroupStyle == gsOffice2019;
    // Office 2019 draws the selected tab's caption bold (not while pressed) and the hot one's.
    FBold = flat2019 && ((index == selected && FExpanded && !FMouseDown) || (hot && page->TabEnabled()));
    if (flat2019 && index == selected)
        FLineColor = a->TextColorHot();
    TTabColors c;
    c.Text = page->TabEnabled() ? a->TextColor() : a->TextColorDisabled();
    if (index == selected && FExpanded) {
        c = {a->ColorSelected(), a->ColorSelectedTo(), a->ColorMirrorSelected(), a->ColorMirrorSelectedTo(),
             hot ? a->BorderColorSelectedHot() : a->BorderColorSelected(), a->GradientSelected(),
             a->GradientMirrorSelected(), a->TextColorSelected(),
             hot ? a->HighLightColorSelectedHot() : a->HighLightColor()};
        if (index == FDownPageIndex && !ComponentState().Contains(csDesigning)) {
            c.Border = a->BorderColorDown();
            c.HighLight = a->HighLightColorDown();
        }
    } else if (hot && page->TabEnabled()) {
        c = {a->ColorHot(), a->ColorHotTo(), a->ColorMirrorHot(), a->ColorMirrorHotTo(), a->BorderColorHot(),
             a->GradientHot(), a->GradientMirrorHot(), a->TextColorHot(), a->HighLightColorHot()};
        if (page->GlowRunning() && page->StepHover() >= 0 && page->StepHover() < 100)
            BlendTowards(c, FShowNonSelectedTabs ? a->Color() : a->BackGround()->Color(), 100 - page->StepHover());
    } else if (FShowNonSelectedTabs && page->TabEnabled()) {
        c = {a->Color(), a->ColorTo(), a->ColorMirror(), a->ColorMirrorTo(), a->BorderColor(), a->Gradient(),
             a->GradientMirror(), a->TextColor(), clNone};
    } else if (FShowNonSelectedTabs) {
        c = {a->ColorDisabled(), a->ColorDisabledTo(), a->ColorMirrorDisabled(), a->ColorMirrorDisabledTo(),
             a->BorderColorDisabled(), a->GradientDisabled(), a->GradientMirrorDisabled(), a->TextColorDisabled(),
             clNone};
    } else if (page->GlowRunning() && page->StepHover() > 0) {
        // Glowing out: the hot colours fading into the row's background.
        c = {a->ColorHot(), a->ColorHotTo(), a->ColorMirrorHot(), a->ColorMirrorHotTo(), a->BorderColorHot(),
             a->GradientHot(), a->GradientMirrorHot(), c.Text, clNone};
        BlendTowards(c, a->BackGround()->Color(), 100 - std::min(page->StepHover(), 100));
    } else
        c.Background = false;

    if (c.Background) {
        DrawVistaGradient(target, r, c.Color, c.ColorTo, c.Mirror, c.MirrorTo, c.Border, c.Gradient, c.GradientMirror,
                          FTabRoundEdges);
        if (Show3DInUse() && c.HighLight != clNone) {
            target->Pen()->SetColor(BlendColor(c.Color, c.Border, 80));
            target->MoveTo(r.Left + 3, r.Top + 1);
            target->LineTo(r.Right - 3, r.Top + 1);
            target->Pen()->SetColor(c.HighLight);
            target->MoveTo(r.Left + 1, r.Top + 3);
            target->LineTo(r.Left + 1, r.Bottom - 5);
            target->MoveTo(r.Right - 2, r.Top + 3);
            target->LineTo(r.Right - 2, r.Bottom - 5);
        }
    }
    if (a->ShadowColor() != clNone && !IsGlassActive() && ShadowInUse() && c.Background) {
        target->Pen()->SetColor(a->ShadowColor());
        target->MoveTo(r.Right, r.Top + 3);
        target->LineTo(r.Right, r.Bottom - 4);
    }

    // Image and caption.
    TRect textRect = r;
    if (!flat2019)
        textRect.Left += FCurrentTabLeftMargin;
    TCustomImageList* images = page->TabEnabled() || !FDisabledImages ? FImages : FDisabledImages;
    if (!images)
        images = FDisabledImages;
    if (images && page->ImageIndex() >= 0) {
        images->Draw(target, textRect.Left, textRect.Top + (textRect.Height() - images->Height()) / 2,
                     page->ImageIndex(), page->TabEnabled() || images == FDisabledImages);
        textRect.Left += images->Width() + 2;
    }
    if (!flat2019)
        textRect.Right -= 2;
    auto font = std::make_unique<TFont>();
    font->Assign(a->Font());
    font->SetHeight(Nearest(a->Font()->Height() * DPIScale));
    font->SetColor(c.Text);
    if (FBold) {
        TFontStyles style = font->Style();
        style.Include(fsBold);
        font->SetStyle(style);
    }
    target->Brush()->SetStyle(bsClear);
    TRect measured;
    DrawGDIPText(target, flat2019 ? taCenter : taLeftJustify, DT_SINGLELINE | DT_VCENTER | (flat2019 ? DT_CENTER : 0),
                 textRect, page->Caption(), page->WideCaption(), font.get(), page->TabEnabled(), true, FAntiAlias, true,
                 measured);
    if (flat2019 && index == FActivePageIndex && FExpanded)
        DrawTabLine(target, textRect, measured, page->GetTabWidthWithMargins() < page->TabWidth(), hot);

    if (buffer) {
        const TRect s = Rect(std::max(r.Left, tabs.Left), r.Top, std::min(r.Right, tabs.Right), r.Bottom);
        canvas->CopyRect(s, *target, s);
    }
}

void TRurToolBarPager::DrawPageShadow(TCanvas* canvas)
{
    TRurPage* page = ActivePage();
    const TColor shadow = PageAppearanceInUse()->ShadowColor();
    if (!page || !FExpanded || (FIsAeroVista && IsGlassActive() && Win7ScenicRibbon()) || shadow == clNone ||
        !ShadowInUse())
        return;
    const TRect p = page->BoundsRect();
    const TColor below = canvas->Pixels(p.Left, p.Bottom);
    canvas->Pen()->SetColor(DarkenColor(shadow, -15));
    canvas->MoveTo(p.Left + 4, p.Bottom);
    canvas->LineTo(p.Right, p.Bottom);
    canvas->Pen()->SetColor(DarkenColor(below, 10));
    canvas->LineTo(p.Right, p.Top + 4);
    canvas->Pen()->SetColor(DarkenColor(shadow, -20));
    canvas->MoveTo(p.Left + 5, p.Bottom + 1);
    canvas->LineTo(p.Right + 1, p.Bottom + 1);
    canvas->Pen()->SetColor(DarkenColor(below, 5));
    canvas->LineTo(p.Right + 1, p.Top + 5);
}
