// Tab groups on the pager: a run of page tabs marked with a coloured header in the caption band
// above them. Which group a page belongs to, where a header lies (cut before the caption buttons),
// which one the mouse is over, how headers and their frame lines are painted, and the tab hints.
#include "RurRibbonPager.h"

#include "Messages.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_Vista.h"

namespace {
bool IsFlatFamily(TGroupStyle style) { return style == gsOffice2013 || style == gsOffice2016 || style == gsOffice2019; }

void FillColumn(TCanvas* canvas, int x, int top, int bottom, TColor from, TColor to)
{
    if (bottom > top)
        DrawGradient(canvas, from, to, 40, Rect(x, top, x + 1, bottom), false);
}
} // namespace

void TRurToolBarPager::TabGroupsChanged(TObject*) { Invalidate(); }

int TRurToolBarPager::GetTabGroupOfPageIndex(int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= FRurPages.Count())
        return -1;
    for (int i = 0; i < FTabGroups->Count(); ++i) {
        const TTabGroupItem* group = FTabGroups->Items(i);
        if (group->TabIndexStart() <= pageIndex && pageIndex <= group->TabIndexEnd())
            return i;
    }
    return -1;
}

int TRurToolBarPager::TabGroupTabCount(int groupIndex) const
{
    if (groupIndex < 0 || groupIndex >= FTabGroups->Count())
        return 0;
    const TTabGroupItem* group = FTabGroups->Items(groupIndex);
    return std::abs(group->TabIndexEnd() - group->TabIndexStart()) + 1;
}

TRect TRurToolBarPager::GetTabGroupRect(int groupIndex)
{
    bool startShown = false, endShown = false;
    return GetTabGroupRect(groupIndex, startShown, endShown);
}

TRect TRurToolBarPager::GetTabGroupRect(int groupIndex, bool& startShown, bool& endShown)
{
    const TRect none = Rect(-1, -1, -1, -1);
    startShown = endShown = false;
    if (groupIndex < 0 || groupIndex >= FTabGroups->Count())
        return none;
    const TTabGroupItem* group = FTabGroups->Items(groupIndex);
    const int first = group->TabIndexStart(), last = group->TabIndexEnd();
    if (first < 0 || last < 0 || first > last || last >= FRurPages.Count())
        return none;
    TRect r = none;
    for (int i = first; i <= last; ++i) {
        const TRect tab = GetTabRect(i);
        if (!RurPages(i)->TabVisible() || tab.Left <= -1 || tab.Right <= -1)
            continue;
        if (!startShown) {
            r = tab;
            startShown = endShown = true;
        }
        r.Right = tab.Right;
    }
    if (!startShown)
        return none;
    r.Top = GetCaptionRect().Top;

    int extra = 0;
    const int spacing = FTabSettings->Spacing();
    if (spacing > 2) {
        if (FIsAeroVista && IsGlassActive(true) && Win7ScenicRibbon()) {
            --r.Left;
            extra = 1;
        } else {
            r.Left -= spacing / 2;
            r.Right += spacing / 2;
            extra = spacing / 2;
        }
    }
    if (FIsAeroVista && Win7ScenicRibbon()) {
        const int t = GetTabsRect().Left;
        if (r.Right > t && r.Left < t - extra) {
            r.Right = t - 1;
            endShown = false;
        }
    } else if (FCaption->Visible() && !FCaptionButtons.Empty()) {
        const int c = GetCaptionButtonsRect().Left;
        // Wholly under the caption buttons: no header.
        if (r.Right > c && c < r.Left) {
            startShown = endShown = false;
            return none;
        }
        if (r.Right > c && r.Left < c - extra) {
            r.Right = c - 1;
            endShown = false;
        }
    }
    return r;
}

int TRurToolBarPager::PtOnTabGroup(int x, int y)
{
    for (int i = 0; i < FTabGroups->Count(); ++i)
        if (GetTabGroupRect(i).Contains(Point(x, y)))
            return i;
    return -1;
}

const TGroupAppearance* TRurToolBarPager::GroupAppearanceOf(const TTabGroupItem* group) const
{
    if (!group->DefaultAppearance())
        return group->GroupAppearance();
    if (FOffice2013 && !IsFlatFamily(FGroupStyle) && FGroupAppearance)
        return FGroupAppearance.get();
    return FCurrentToolBarStyler->GroupAppearance();
}

void TRurToolBarPager::DrawTabGroups(TCanvas* canvas)
{
    const TTabAppearance* a = TabAppearanceInUse();
    const bool scrolled = FTabScroller.Position() >= 1;
    const bool flat = IsFlatFamily(FGroupStyle);
    const int tabsTop = GetTabsArea().Top;
    for (int i = 0; i < FTabGroups->Count(); ++i) {
        const TTabGroupItem* group = FTabGroups->Items(i);
        bool startShown = false, endShown = false;
        TRect r = GetTabGroupRect(i, startShown, endShown);
        if (FGroupStyle == gsWindows8)
            --r.Left;
        if (r.Left < 0 || r.Right < 0)
            continue;
        const TGroupAppearance* g = GroupAppearanceOf(group);
        TColor color = g->Color(), colorTo = g->ColorTo(), mirror = g->ColorMirror(), mirrorTo = g->ColorMirrorTo();
        TColor text = g->TextColor();
        if (flat) {
            colorTo = mirror = mirrorTo = clNone;
            if (group->DefaultAppearance())
                text = g->Color();
        }
        if (FGroupStyle == gsWindows8)
            text = clBlack;

        TRect h = r;
        h.Bottom = tabsTop + (FGroupStyle == gsWindows8 ? 2 : 0);
        if (flat) {
            DrawVistaGradient(canvas, Rect(r.Left, 1, r.Right, 4), color, clNone, clNone, clNone, clNone, ggVertical,
                              ggVertical, false);
            DrawVistaGradient(canvas, Rect(r.Left, 4, r.Right, r.Bottom), g->Background(), clNone, clNone, clNone,
                              clNone, ggVertical, ggVertical, false);
            h = Rect(r.Left, 4, r.Right, tabsTop + 2);
        } else if (FIsAeroVista)
            h.Top += 8;
        else {
            h.Top += FGroupStyle == gsClassic ? 8 : 4;
            if (!scrolled)
                DrawVistaGradient(canvas, h, color, colorTo, mirror, mirrorTo, clNone, g->Gradient(),
                                  g->GradientMirror(), false);
        }

        const TColor border = g->BorderColor();
        if ((FIsAeroVista && IsGlassActive(false)) || FGroupStyle == gsWindows8) {
            if (!scrolled) {
                const HDC dc = canvas->Handle();
                const TColor edge = BlendColor(mirrorTo, clWhite, 20);
                if (FGroupStyle != gsWindows8)
                    DrawAlphaGradient(dc, Rect(r.Left, h.Bottom, r.Right, r.Bottom - 20), mirrorTo, 1, 90);
                DrawAlphaGradient(dc, Rect(r.Left, h.Bottom, r.Left + 1, r.Bottom - 8), edge, 1, 255);
                DrawAlphaGradient(dc, Rect(r.Left + 1, h.Bottom, r.Left + 2, r.Bottom - 8), border, 50, 255);
                DrawAlphaGradient(dc, Rect(r.Right, h.Bottom, r.Right + 1, r.Bottom - 8), edge, 1, 255);
                DrawAlphaGradient(dc, Rect(r.Right - 1, h.Bottom, r.Right, r.Bottom - 8), border, 50, 255);
            }
        } else {
            if (!scrolled && FGroupStyle == gsClassic) {
                canvas->Pen()->SetColor(BlendColor(mirrorTo, clBlack, 80));
                canvas->MoveTo(r.Left, h.Bottom);
                canvas->LineTo(r.Right, h.Bottom);
                const TColor captionColour = FCurrentToolBarStyler->PagerCaption()->Color();
                FillColumn(canvas, r.Left, r.Top + 6, h.Bottom + 1, captionColour, border);
                FillColumn(canvas, r.Right - 1, r.Top + 6, h.Bottom + 2, captionColour, border);
            }
            const bool scrollingScenic = Win7ScenicRibbon() && FTabScroller.Max() >= 1;
            if (!scrollingScenic && !FOffice2013) {
                FillColumn(canvas, r.Left, h.Bottom, r.Bottom, border, a->BackGround()->Color());
                if (endShown)
                    FillColumn(canvas, r.Right - 1, h.Bottom, r.Bottom, border, a->BackGround()->Color());
            }
        }

        int textLeft = h.Left + 3;
        auto font = std::make_unique<TFont>();
        font->Assign(g->Font());
        font->SetColor(text);
        const String& caption = group->WideCaption().empty() ? group->Caption() : group->WideCaption();
        TCustomImageList* images = Enabled() || !FDisabledImages ? FImages : FDisabledImages;
        if (!images)
            images = FDisabledImages;
        if (images && group->ImageIndex() >= 0 && !scrolled) {
            canvas->Font()->Assign(font.get());
            const int textWidth = canvas->TextWidth(caption);
            int x = h.Left + 3;
            switch (group->CaptionAlignment()) {
            case taRightJustify: x = h.Right - images->Width() - textWidth - 6; break;
            case taCenter: x = h.Left + (h.Width() - images->Width() - textWidth - 3) / 2; break;
            default: break;
            }
            x = std::max(x, h.Left + 3);
            images->Draw(canvas, x, h.Top + (h.Height() - images->Height()) / 2, group->ImageIndex(),
                         Enabled() || images == FDisabledImages);
            textLeft = x + images->Width() + 3;
        }
        if (FIsAeroVista || scrolled)
            continue;
        canvas->Brush()->SetStyle(bsClear);
        TRect measured;
        DrawGDIPText(canvas, taLeftJustify, DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS, Rect(textLeft, h.Top, h.Right, h.Bottom),
                     group->Caption(), group->WideCaption(), font.get(), true, true, FAntiAlias, true, measured);
    }
}

void TRurToolBarPager::TabHint(THintInfo& info)
{
    if (!FShowTabHint) {
        info.HintStr.clear();
        return;
    }
    TRurPage* page = RurPages(FHintPageIndex);
    if (!page)
        return;
    if (!page->TabHint().empty()) {
        info.HintStr = page->TabHint();
        return;
    }
    auto font = std::make_unique<TFont>();
    font->Assign(TabAppearanceInUse()->Font());
    TRect measured;
    DrawGDIPText(MeasureCanvas(), taLeftJustify, DT_SINGLELINE, Rect(0, 0, 1000, 100), page->Caption(), page->WideCaption(),
                 font.get(), true, false, FAntiAlias, false, measured);
    const TRect tab = GetTabRect(FHintPageIndex);
    // Only a caption the tab shows cut becomes the hint.
    if (tab.Width() - FCurrentTabLeftMargin - FCurrentTabRightMargin < measured.Width())
        info.HintStr = page->WideCaption().empty() ? page->Caption() : page->WideCaption();
}
