// The ribbon page as its groups (the toolbars on it) see it: the pager's look, fitting, the page's
// toolbar key-tip mode and the keyboard's way back to the pager.
#include "RurRibbonPage.h"

#include "RurRibbonPager.h"
#include "RurToolBar_ToolBar.h"

bool TRurPage::PagerLook(TRujStyle& look) const
{
    // A pager with a linked styler leaves the look to that styler.
    if (!FRurToolBarPager || FRurToolBarPager->ToolBarStyler())
        return false;
    look = FRurToolBarPager->UIStyle();
    return true;
}

TCustomRurToolBarStyler* TRurPage::PagerToolBarStyler() const
{
    TCustomRurToolBarStyler* styler = FRurToolBarPager ? FRurToolBarPager->ToolBarStyler() : nullptr;
    return styler && !styler->ComponentState().Contains(csDestroying) ? styler : nullptr;
}

void TRurPage::UpdateAllToolBars() { ArrangeToolBars(); }

void TRurPage::ShowToolBarKeyTips()
{
    FToolBarShortCutShowing = true;
    FShortCutChars.clear();
    for (int i = 0; i < FRurToolBars.Count(); ++i)
        if (auto* toolBar = FRurToolBars.Item<TRurToolBar>(i); toolBar->Visible())
            toolBar->ShowShortCutHints();
}

void TRurPage::HideToolBarKeyTips()
{
    FToolBarShortCutShowing = false;
    FShortCutChars.clear();
    for (int i = 0; i < FRurToolBars.Count(); ++i)
        FRurToolBars.Item<TRurToolBar>(i)->HideShortCutHints();
}

bool TRurPage::SelectToolBarShortCut()
{
    for (int i = 0; i < FRurToolBars.Count(); ++i) {
        auto* toolBar = FRurToolBars.Item<TRurToolBar>(i);
        int partial = 0;
        if (toolBar->Visible() && toolBar->ProcessShortCutHint(FShortCutChars, partial))
            return true;
    }
    return false;
}

void TRurPage::ShowTabKeyTips()
{
    if (FRurToolBarPager)
        FRurToolBarPager->ShowTabShortCutHints();
}

bool TRurPage::FocusPagerByKey()
{
    if (!FRurToolBarPager)
        return false;
    if (FRurToolBarPager->CanFocus())
        FRurToolBarPager->SetFocus();
    return true;
}
