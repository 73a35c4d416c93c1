// The toolbar's part in the kit's shared look: a look given through IRujStyle becomes the toolbar's
// own Office styler, and the styler in use colours the glow buttons among its controls.
#include "RurGlowButton.h"
#include "RurGlowButton_DB.h"
#include "Math.h"
#include "RurStyleIF.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_ToolBar.h"

void TRurCustomToolBar::SetUIStyle(TRujStyle value) { SetComponentStyle(value); }

void TRurCustomToolBar::SetComponentStyle(TRujStyle AStyle) { ApplyComponentStyle(AStyle, clNone, false); }

void TRurCustomToolBar::SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor)
{
    ApplyComponentStyle(AStyle, AAppColor, true);
}

void TRurCustomToolBar::ApplyComponentStyle(TRujStyle style, TColor appColor, bool withAppColor)
{
    // A linked styler decides the look.
    if (FToolBarStyler)
        return;
    // A group of a pager without a linked styler shows the pager's look whatever it is given.
    if (auto* host = dynamic_cast<IRibbonGroupHost*>(Parent()))
        host->PagerLook(style);
    FRujStyle = style;
    if (style == tsCustom)
        return;
    // One Office styler serves every look given here (each look used to leave another one behind).
    if (!FOfficeStyler) {
        FOfficeStyler = std::make_unique<TRurToolBarOfficeStyler>(this);
        FOfficeStyler->AddControl(this);
    }
    auto* office = static_cast<TRurToolBarOfficeStyler*>(FOfficeStyler.get());
    if (withAppColor)
        office->SetComponentStyleAndAppColor(style, appColor);
    else
        office->SetComponentStyle(style);
    if (FCurrentToolBarStyler != FOfficeStyler.get()) {
        FCurrentToolBarStyler->Assign(FOfficeStyler.get());
        FCurrentToolBarStyler = FOfficeStyler.get();
    }
    StylerChanged(7);
}

void TRurCustomToolBar::ApplyStylerToGlowButtons()
{
    if (FCurrentToolBarStyler == FInternalToolBarStyler)
        return;
    auto* styleEx = dynamic_cast<IRujStyleEx*>(FCurrentToolBarStyler);
    auto* style = dynamic_cast<IRujStyle*>(FCurrentToolBarStyler);
    const TRujStyle look = FCurrentToolBarStyler->RujStyle();
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
        // A glow button that keeps its own appearance is left alone.
        if (glow && glow->UseAppearance())
            continue;
        if (glow) {
            const TGlowButtonAppearance* appearance = FCompact ? FCurrentToolBarStyler->CompactGlowButtonAppearance()
                                                               : FCurrentToolBarStyler->GlowButtonAppearance();
            glow->Appearance()->Assign(appearance);
            if (appearance->TextColor() != clNone)
                glow->Font()->SetColor(appearance->TextColor());
            if (!glow->DropDownButton() || dynamic_cast<TDBRurGlowButton*>(glow))
                continue;
        }
        if (look == tsCustom || !style)
            continue;
        if (styleEx) {
            if (auto* target = dynamic_cast<IRujStyleEx*>(control))
                target->SetComponentStyleAndAppColor(look, clNone);
            else if (auto* plain = dynamic_cast<IRujStyle*>(control))
                plain->SetComponentStyle(look);
        } else if (auto* plain = dynamic_cast<IRujStyle*>(control)) {
            plain->SetComponentStyle(look);
        }
    }
}

void TRurCustomToolBar::ChangeScale(int m, int d, bool isDpiChange)
{
    TCustomControl::ChangeScale(m, d, isDpiChange);
    if (!DPIScaleComputed)
        DPIScale = GetControlDPIScale(this, nullptr);
    if (isDpiChange && !FToolBarStyler && d != 0) {
        TFont* font = FInternalToolBarStyler->CaptionFont();
        font->SetHeight(MulDiv(font->Height(), m, d));
    }
    if (FToolBarState == tsFloating)
        ArrangeControls(false);
    else
        UpdateSize();
}
