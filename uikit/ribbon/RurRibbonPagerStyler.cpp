// The pager's toolbar styler: the one assigned to it, else its own Office styler (made from a
// component style) or its internal one; changes of the styler repaint the pager.
#include "RurRibbonPager.h"

#include "RurQuickAccessToolBar.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

void TRurToolBarPager::SetToolBarStyler(TCustomRurToolBarStyler* value)
{
    if (value && value == FToolBarStyler)
        return;
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler)
        FToolBarStyler->RemoveControl(this);
    FToolBarStyler = value;
    if (value) {
        FCurrentToolBarStyler = value;
        value->AddControl(this);
        value->FreeNotification(this);
    } else
        FCurrentToolBarStyler = FInternalToolBarStyler;
    const auto state = ComponentState();
    if (!state.Contains(csDestroying) && !state.Contains(csLoading)) {
        for (int i = 0; i < FRurPages.Count(); ++i) {
            TRurPage* page = RurPages(i);
            for (int j = 0; j < page->ControlCount(); ++j)
                if (auto* toolBar = dynamic_cast<TRurToolBar*>(page->Controls(j)))
                    toolBar->SetParentStyler(toolBar->ParentStyler());
            page->Invalidate();
        }
    }
    if (value) {
        value->SetNewComponentStyle(value->RujStyle());
        StylerChanged(0);
    } else
        SetComponentStyle(FRujStyle);
    InitTabs();
    Invalidate();
}

void TRurToolBarPager::SetStyleLink(bool glass, bool scenic)
{
    FTabSettings->SetGlass(glass);
    SetWin7ScenicRibbon(scenic);
}

void TRurToolBarPager::SetComponentStyle(TRujStyle style) { SetComponentStyleAndAppColor(style, clNone); }

void TRurToolBarPager::SetComponentStyleAndAppColor(TRujStyle style, TColor appColor)
{
    if (FToolBarStyler)
        return;
    FRujStyle = style;
    if (style == tsCustom)
        return;
    // One Office styler of the pager's own serves every style: a new one per call would pile up,
    // each still holding the pager in its list.
    if (!FOfficeStylerLinked) {
        FOfficeToolBarStyler->AddControl(this);
        FOfficeStylerLinked = true;
    }
    FCurrentToolBarStyler = FOfficeToolBarStyler;
    FOfficeToolBarStyler->SetComponentStyleAndAppColor(style, appColor);
    StylerChanged(11);
    StylerChanged(2);
}

void TRurToolBarPager::SetUIStyle(TRujStyle value)
{
    FRujStyle = value;
    SetComponentStyle(value);
}

void TRurToolBarPager::UpdateStyle()
{
    if (!FToolBarStyler)
        SetComponentStyle(FRujStyle);
    else if (auto* office = dynamic_cast<TRurToolBarOfficeStyler*>(FToolBarStyler))
        // A styler of another class has no preset to apply again.
        office->SetStyle(office->Style());
    if (TRurPage* page = ActivePage())
        page->BringToFront();
}

void TRurToolBarPager::StylerChanged(int code)
{
    Invalidate();
    if (TRurPage* page = ActivePage())
        page->Invalidate();
    // The caption buttons take the styler's glow look (the close button its red one) and glyphs.
    if (code == 11 || FToolBarStyler)
        UpdateCaptionButtons(true);
    UpdateHelpButton();
    UpdateExpandCollapseButtonPosition();
    // A styler's look ends the flat look of tones no longer in force.
    if (!FItones)
        RevertMetro();
    if (FQuickAccessToolBar)
        FQuickAccessToolBar->StylerChanged(code);
}
