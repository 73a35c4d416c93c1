// The hover glow of a ribbon group: the pointer entering or leaving a toolbar on a ribbon page (or
// in a compact window) fades its hot colours in or out in steps of 20 at the glow buttons' pace.
#include <algorithm>

#include "RurGlowButton.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "TypInfo.h"

TWinControl* TRurCustomToolBar::ReferenceParent() const
{
    return OnCompactWindow() && FSelfClone ? FSelfClone->Parent() : Parent();
}

IRibbonGroupHost* TRurCustomToolBar::RibbonHost() const { return dynamic_cast<IRibbonGroupHost*>(ReferenceParent()); }

void TRurCustomToolBar::HoverGlowStart(bool hot)
{
    if (ComponentState().Contains(csDesigning) || !(OnRibbonPage() || OnCompactWindow()))
        return;
    FHot = hot;
    if (!FGlowTimer) {
        FGlowTimer = new TTimer(this);
        FGlowTimer->SetInterval(static_cast<Cardinal>(std::max(GlowSpeed(), 0)));
        FGlowTimer->SetOnTimer(MakeHandler<&TRurCustomToolBar::HoverGlowTick>(this));
    }
    FTimeInc = hot ? 20 : -20;
    Invalidate();
    FGlowState = gsHover;
}

namespace {

// Controls that show the toolbar's glow through them and so repaint with it.
bool PaintsWithGlow(TControl* control)
{
    return IsOfClassNamed(control, u"TRurToolBarContainer") || dynamic_cast<TRurGlowButton*>(control) ||
           control->ClassName().find(u"RurOffice") != String::npos || GetPropInfo(*control, u"Transparent");
}

void RepaintChildren(TWinControl* container, bool glowButtonsOnly)
{
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (!glowButtonsOnly || dynamic_cast<TRurGlowButton*>(child))
            child->Invalidate();
    }
}

} // namespace

void TRurCustomToolBar::HoverGlowTick(TObject*)
{
    FStepHover += FTimeInc;
    const bool ended = (FStepHover > 100 && FTimeInc > 0) || (FStepHover < 0 && FTimeInc < 0) ||
                       FCurrentToolBarStyler->ColorHot()->Color() == clNone;
    if (ended) {
        // Freed from its own tick, which the timer allows.
        delete FGlowTimer;
        FGlowTimer = nullptr;
        if (FStepHover < 0)
            FGlowState = gsNone;
    } else {
        Invalidate();
        for (int i = 0; i < FATBControls.Count(); ++i) {
            TControl* control = FATBControls.Item<TControl>(i);
            if (!PaintsWithGlow(control))
                continue;
            control->Invalidate();
            if (IsOfClassNamed(control, u"TRurToolBarContainer"))
                RepaintChildren(static_cast<TWinControl*>(control), true);
        }
    }
    if (FStepHover > 0)
        for (int i = 0; i < ControlCount(); ++i)
            if (IsOfClassNamed(Controls(i), u"TRurToolBarContainer"))
                RepaintChildren(static_cast<TWinControl*>(Controls(i)), false);
}

void TRurCustomToolBar::SetGlowButtonsRotated(bool value)
{
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(FATBControls.Item<TControl>(i)))
            glow->SetIsRotated(value);
}

// ---- The caption's option button ----------------------------------------------------------------

bool TRurCustomToolBar::HasCaptionOptionButton() const
{
    return FShowOptionIndicator && !FShowRightHandle && FToolBarState != tsFloating && FShowCaption &&
           !ComponentState().Contains(csDesigning);
}

bool TRurCustomToolBar::PagerUsesTones() const
{
    IRibbonGroupHost* host = RibbonHost();
    return host && host->PagerTonesActive();
}

void TRurCustomToolBar::StartOptionGlow(int increment, TGlowState state)
{
    if (!FOptionTimer) {
        FOptionTimer = new TTimer(this);
        FOptionTimer->SetInterval(static_cast<Cardinal>(std::max(GlowSpeed(), 0)));
        FOptionTimer->SetOnTimer(MakeHandler<&TRurCustomToolBar::OptionGlowTick>(this));
    }
    FOptionTimeInc = increment;
    FOptionGlowState = state;
}

void TRurCustomToolBar::StopOptionGlow()
{
    // Freed from its own tick, which the timer allows.
    delete FOptionTimer;
    FOptionTimer = nullptr;
    FOptionGlowState = gsNone;
}

void TRurCustomToolBar::InvalidatePart(const TRect& r)
{
    if (HandleAllocated()) {
        const RECT area{r.Left, r.Top, r.Right, r.Bottom};
        ::InvalidateRect(Handle(), &area, FALSE);
    }
}

void TRurCustomToolBar::OptionGlowTick(TObject*)
{
    switch (FOptionGlowState) {
    case gsPush:
        FOptionStepPush += FOptionTimeInc;
        if ((FOptionStepPush > 100 && FOptionTimeInc > 0) || (FOptionStepPush < 0 && FOptionTimeInc < 0)) {
            const bool faded = FOptionStepPush < 0;
            StopOptionGlow();
            if (faded) {
                FCapOptIndicatorDown = false;
                InvalidatePart(GetCaptionRect());
            }
        } else {
            InvalidatePart(GetCaptionOptionRect());
        }
        break;
    case gsHover:
        FOptionStepHover += FOptionTimeInc;
        if ((FOptionStepHover > 100 && FOptionTimeInc > 0) || (FOptionStepHover < 0 && FOptionTimeInc < 0)) {
            StopOptionGlow();
            if (FOptionStepHover < 0) {
                FCapOptIndicatorHot = false;
                InvalidatePart(GetCaptionOptionRect());
            }
            InvalidatePart(GetCaptionRect());
            FOptionStepPush = 0;
            FOptionStepHover = std::clamp(FOptionStepHover, -20, 120);
        } else {
            InvalidatePart(GetCaptionOptionRect());
        }
        break;
    case gsNone:
        break;
    }
}

bool TRurCustomToolBar::CaptionOptionMouseDown(int x, int y)
{
    if (!HasCaptionOptionButton() || !GetCaptionOptionRect().Contains(Point(x, y)))
        return false;
    if (!PagerUsesTones())
        StartOptionGlow(20, gsPush);
    FCapOptIndicatorDown = true;
    Invalidate();
    PopupOptionMenu();
    InvalidatePart(GetCaptionOptionRect());
    return true;
}

void TRurCustomToolBar::CaptionOptionMouseMove(int x, int y)
{
    if (!HasCaptionOptionButton())
        return;
    const bool inside = GetCaptionOptionRect().Contains(Point(x, y));
    if (inside == FCapOptIndicatorHot)
        return;
    if (!PagerUsesTones())
        StartOptionGlow(inside ? 20 : -20, gsHover);
    FCapOptIndicatorHot = inside;
    InvalidatePart(GetCaptionOptionRect());
}

void TRurCustomToolBar::CaptionOptionMouseUp()
{
    if (!FCapOptIndicatorDown || !HasCaptionOptionButton())
        return;
    if (!PagerUsesTones())
        StartOptionGlow(-20, gsPush);
    FCapOptIndicatorDown = false;
    InvalidatePart(GetCaptionOptionRect());
}

void TRurCustomToolBar::CaptionOptionMouseLeave()
{
    if (!FCapOptIndicatorHot && !FCapOptIndicatorDown)
        return;
    FCapOptIndicatorHot = false;
    FCapOptIndicatorDown = false;
    InvalidatePart(GetCaptionOptionRect());
}
