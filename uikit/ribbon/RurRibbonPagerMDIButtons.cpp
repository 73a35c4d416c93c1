// The buttons of a maximized MDI child: when the pager's form is an MDI parent whose active child
// is maximized (and AutoMDIButtons is on), the child's minimize, restore and close buttons sit at
// the right end of the tab row, as the child's own caption would show them.
#include "RurRibbonPager.h"

#include "RurToolBar_Shapes.h"

namespace {
constexpr int GlyphSize = 14;

using TMDIGlyph = void (*)(TCanvas*, const TRect&, TColor, TGroupStyle);
void CloseGlyph(TCanvas* c, const TRect& r, TColor color, TGroupStyle style) { DrawCloseGlyph(c, r, color, 2, style); }
void RestoreGlyph(TCanvas* c, const TRect& r, TColor color, TGroupStyle style) { DrawRestoreGlyph(c, r, color, false, style); }
void MinimizeGlyph(TCanvas* c, const TRect& r, TColor color, TGroupStyle style) { DrawMinimizeGlyph(c, r, color, false, style); }
} // namespace

TRect TRurToolBarPager::GetMDIButtonsRect() const
{
    if (!FMDIButtonsVisible || !FAutoMDIButtons)
        return Rect(-1, -1, -1, -1);
    TRect r = GetTabsRect();
    r.Left = r.Right + 2;
    r.Right = r.Left + (FMDIButtonsWidth + FMDIButtonsSpace) * 3;
    return r;
}

void TRurToolBarPager::CheckMDIChild()
{
    TCustomForm* form = GetParentForm();
    FMDIChildForm = FAutoMDIButtons && form ? form->ActiveMDIChild() : nullptr;
    const bool visible = FAutoMDIButtons && FMDIChildForm && FMDIChildForm->WindowState() == wsMaximized;
    if (visible == FMDIButtonsVisible)
        return;
    FMDIButtonsVisible = visible;
    UpdateMDIButtons(true);
    UpdateHelpButton();
    UpdateExpandCollapseButtonPosition();
}

void TRurToolBarPager::UpdateMDIButtons(bool updateGlyphs)
{
    if (ComponentState().Contains(csDesigning))
        return;
    TCustomForm* form = GetParentForm();
    TCustomForm* child = form ? form->ActiveMDIChild() : nullptr;
    if (!FMDIButtonsVisible || !FAutoMDIButtons || !form || (child && child->WindowState() != wsMaximized)) {
        for (TRurGlowButton* button : {FMDICloseBtn, FMDIMinBtn, FMDIMaxBtn})
            if (button)
                button->Hide();
        return;
    }
    const struct {
        TRurGlowButton*& button;
        TNotifyEvent click;
        String hint;
    } made[] = {
        {FMDIMinBtn, MakeHandler<&TRurToolBarPager::MDIMinClick>(this), FHints->MDIMinimizeBtnHint()},
        {FMDIMaxBtn, MakeHandler<&TRurToolBarPager::MDIMaxClick>(this), FHints->MDIMaximizeBtnHint()},
        {FMDICloseBtn, MakeHandler<&TRurToolBarPager::MDICloseClick>(this), FHints->MDICloseBtnHint()},
    };
    const TRect r = GetMDIButtonsRect();
    const int top = r.Top + (r.Height() - FMDIButtonsWidth) / 2 - 4;
    int left = r.Left;
    for (const auto& m : made) {
        if (!m.button) {
            m.button = MakeCaptionButton(m.click, m.hint);
            m.button->SetShowHint(!m.hint.empty());
        }
        SkinCaptionButton(m.button);
        m.button->SetBounds(left, top, FMDIButtonsWidth, FMDIButtonsWidth);
        left += FMDIButtonsWidth + FMDIButtonsSpace;
    }
    if (updateGlyphs && FCurrentToolBarStyler)
        DrawMDIGlyphs();
    const TBorderIcons icons = child ? child->BorderIcons() : TBorderIcons{};
    FMDICloseBtn->SetEnabled(icons.Contains(biSystemMenu));
    FMDIMinBtn->SetEnabled(icons.Contains(biMinimize));
    FMDIMaxBtn->SetEnabled(icons.Contains(biMaximize));
    for (TRurGlowButton* button : {FMDIMinBtn, FMDIMaxBtn, FMDICloseBtn}) {
        button->Show();
        button->BringToFront();
    }
}

void TRurToolBarPager::DrawMDIGlyphs()
{
    if (Win7ScenicRibbon() && IsGlassActive(false)) {
        // The glass frame's own glyphs.
        for (auto [button, resource] : {std::pair{FMDICloseBtn, u"ATBECCLOSE"}, std::pair{FMDIMaxBtn, u"ATBECMAX"},
                                        std::pair{FMDIMinBtn, u"ATBECMIN"}}) {
            TBitmap bitmap;
            bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), resource);
            button->Picture()->Assign(&bitmap);
        }
        return;
    }
    if (!FMDIBtnImages) {
        FMDIBtnImages = std::make_unique<TImageList>(nullptr);
        FMDIBtnImages->SetWidth(GlyphSize);
        FMDIBtnImages->SetHeight(GlyphSize);
        FMDIBtnImages->SetMasked(true);
    }
    FMDIBtnImages->Clear();
    const TColor color = FCurrentToolBarStyler->PagerCaption()->TextColor();
    const struct {
        TRurGlowButton* button;
        TMDIGlyph glyph;
    } glyphs[] = {{FMDICloseBtn, CloseGlyph}, {FMDIMaxBtn, RestoreGlyph}, {FMDIMinBtn, MinimizeGlyph}};
    for (const auto& g : glyphs) {
        TBitmap bitmap;
        bitmap.SetWidth(GlyphSize);
        bitmap.SetHeight(GlyphSize);
        bitmap.Canvas()->Brush()->SetColor(TColor(0xFF00FF));
        bitmap.Canvas()->FillRect(Rect(0, 0, GlyphSize, GlyphSize));
        g.glyph(bitmap.Canvas(), Rect(0, 0, GlyphSize, GlyphSize), color, FGroupStyle);
        g.button->SetImages(FMDIBtnImages.get());
        g.button->SetImageIndex(FMDIBtnImages->AddMasked(&bitmap, TColor(0xFF00FF)));
    }
}

TCustomForm* TRurToolBarPager::MDIChildToAct()
{
    TCustomForm* form = GetParentForm();
    FMDIChildForm = form ? form->ActiveMDIChild() : nullptr;
    if (!FAutoMDIButtons || !FMDIButtonsVisible || !FMDIChildForm || FMDIChildForm->WindowState() != wsMaximized)
        return nullptr;
    return FMDIChildForm;
}

void TRurToolBarPager::MDICloseClick(TObject*)
{
    if (TCustomForm* child = MDIChildToAct()) {
        child->Close();
        UpdateMDIButtons(true);
    }
}

void TRurToolBarPager::MDIMaxClick(TObject*)
{
    if (TCustomForm* child = MDIChildToAct(); child && child->BorderIcons().Contains(biMaximize)) {
        child->SetWindowState(wsNormal);
        UpdateMDIButtons(true);
    }
}

void TRurToolBarPager::MDIMinClick(TObject*)
{
    if (TCustomForm* child = MDIChildToAct(); child && child->BorderIcons().Contains(biMinimize))
        child->SetWindowState(wsMinimized);
}
