// The two small buttons at the right of the tab row: help (a question mark unless the application
// gives its own picture) and expand/collapse (a chevron for the ribbon's state). Both are glow
// buttons of the pager, skinned like its caption buttons, with glyphs from the program's bitmap
// resources.
#include "RurRibbonPager.h"

#include "Math.h"
#include "RurToolBar_Platform.h"

namespace {

int Nearest(double value) { return static_cast<int>(Round(value)); }

void LoadGlyph(TGDIPPicture* picture, const String& resource)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), resource);
    picture->Assign(&bitmap);
}

TRurGlowButton* MakeTabRowButton(TRurToolBarPager* pager)
{
    auto* button = new TRurGlowButton(pager);
    button->SetParent(pager);
    button->SetCaption(String());
    button->SetTransparent(true);
    return button;
}

} // namespace

void TRurToolBarPager::SetShowHelpButton(bool value)
{
    if (FShowHelpButton == value)
        return;
    FShowHelpButton = value;
    UpdateHelpButton();
    if (FShowExpandCollapsButton)
        UpdateExpandCollapseButtonPosition();
}

void TRurToolBarPager::SetHelpButtonPicture(TGDIPPicture* value)
{
    FHelpButtonPicture->Assign(value);
    UpdateHelpButton();
}

void TRurToolBarPager::HelpPictureChanged(TObject*) { UpdateHelpButton(); }

void TRurToolBarPager::HelpButtonClick(TObject*) { FOnHelpClick(this); }

TRect TRurToolBarPager::TabRowButtonRect(int right) const
{
    const int a = Nearest(20 * DPIScale);
    const TRect area = GetTabsArea();
    const int top = (area.Height() - a) / 2 + area.Top + 1;
    return Rect(right - a, top, right, top + a);
}

TRect TRurToolBarPager::GetHelpButtonRect() const
{
    if (!FShowHelpButton)
        return Rect(-1, -1, -1, -1);
    if (FMDIButtonsVisible && FAutoMDIButtons)
        return TabRowButtonRect(GetMDIButtonsRect().Left - 2);
    return TabRowButtonRect(GetTabsArea().Right - (GetPageBorder() + 2));
}

TRect TRurToolBarPager::GetExpandCollapseButtonRect() const
{
    const int right = FShowHelpButton ? GetHelpButtonRect().Left - 1 : GetTabsArea().Right - (GetPageBorder() + 2);
    return TabRowButtonRect(right);
}

void TRurToolBarPager::UpdateHelpButton()
{
    if (!FShowHelpButton) {
        delete FHelpBtn;
        FHelpBtn = nullptr;
        return;
    }
    if (!FHelpBtn) {
        FHelpBtn = MakeTabRowButton(this);
        FHelpBtn->SetOnClick(MakeHandler<&TRurToolBarPager::HelpButtonClick>(this));
        FHelpBtn->SetHint(FHints->HelpBtnHint());
        FHelpBtn->SetShowHint(!FHints->HelpBtnHint().empty());
    }
    if (!FHelpButtonPicture->Empty())
        FHelpBtn->Picture()->Assign(FHelpButtonPicture.get());
    else if (DPIScale >= 2)
        LoadGlyph(FHelpBtn->Picture(), u"ATBHELPHD_BTN");
    else if (IsGlassActive(true) || FGroupStyle != gsClassic)
        LoadGlyph(FHelpBtn->Picture(), u"ATBHELP_BTN2");
    else
        LoadGlyph(FHelpBtn->Picture(), u"ATBHELP_BTN");
    SkinCaptionButton(FHelpBtn);
    FHelpBtn->SetBoundsRect(GetHelpButtonRect());
    if (!ComponentState().Contains(csDesigning))
        FHelpBtn->BringToFront();
}

void TRurToolBarPager::SetShowExpandCollapsButton(bool value)
{
    if (FShowExpandCollapsButton == value)
        return;
    FShowExpandCollapsButton = value;
    UpdateExpandCollapseButtonPosition();
}

void TRurToolBarPager::UpdateExpandCollapseButtonPosition()
{
    if (!FShowExpandCollapsButton) {
        delete FExpCollapsBtn;
        FExpCollapsBtn = nullptr;
        return;
    }
    if (!FExpCollapsBtn) {
        FExpCollapsBtn = MakeTabRowButton(this);
        FExpCollapsBtn->SetOnMouseUp(MakeHandler<&TRurToolBarPager::ExpandCollapseButtonMouseUp>(this));
    }
    SkinCaptionButton(FExpCollapsBtn);
    UpdateExpandCollapseButton();
    FExpCollapsBtn->SetBoundsRect(GetExpandCollapseButtonRect());
    FExpCollapsBtn->BringToFront();
}

void TRurToolBarPager::UpdateExpandCollapseButton()
{
    if (!FExpCollapsBtn)
        return;
    const String suffix = DPIScale >= 2 ? u"HD_BTN" : FGroupStyle != gsClassic ? u"F_BTN" : u"_BTN";
    LoadGlyph(FExpCollapsBtn->Picture(), (FExpanded ? u"ATBECUP" : u"ATBECDOWN") + suffix);
}

void TRurToolBarPager::ExpandCollapseButtonMouseUp(TObject*, TMouseButton, TShiftState, int, int)
{
    SetExpandedState(!FExpanded);
}
