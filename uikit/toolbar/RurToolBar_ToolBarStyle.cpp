// The toolbar's part in the kit's shared look: a look given through IRujStyle becomes the toolbar's
// own Office styler, and the styler in use colours the glow buttons among its controls.
#include "RurGlowButton.h"
#include "RurGlowButton_DB.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_ToolBar.h"

void TRurCustomToolBar::SetUIStyle(TRujStyle value) { SetComponentStyle(value); }

void TRurCustomToolBar::SetComponentStyle(TRujStyle AStyle) { ApplyComponentStyle(AStyle, clNone, false); }

void TRurCustomToolBar::SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor)
{
    ApplyComponentStyle(AStyle, AAppColor, true);
}

void TRurCustomToolBar::ApplyComponentStyle(TRujStyle style, TColor appColor, bool withAppColor)
{
    // A linked styler decides the look; the ribbon pager's look takes part once pagers exist.
    if (FToolBarStyler)
        return;
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
            // The compact appearance takes over once the toolbar compacts on a ribbon page.
            const TGlowButtonAppearance* appearance = FCurrentToolBarStyler->GlowButtonAppearance();
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
