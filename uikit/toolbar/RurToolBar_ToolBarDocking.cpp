// The toolbar's side of docking: the parent change that decides its state, registration with its
// dock panel, the panel's styler, visibility changes the panel hears of, and where it may dock.
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Floating.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_ToolBar.h"

TRurDockPanel* TRurCustomToolBar::CurrentDockPanel() const
{
    // A panel on its way out is not called back.
    if (!FCurrentDock || FCurrentDock->ComponentState().Contains(csDestroying))
        return nullptr;
    return FCurrentDock;
}

void TRurCustomToolBar::SetCurrentDock(TRurDockPanel* value)
{
    FCurrentDock = value;
    if (value)
        value->FreeNotification(this);
}

void TRurCustomToolBar::DockComponentRemoved(TComponent* component)
{
    if (component == FCurrentDock)
        FCurrentDock = nullptr;
    if (component == FLastDock)
        FLastDock = nullptr;
    if (component == FFloatingWindow)
        FFloatingWindow = nullptr;
    if (component == FParentForm)
        FParentForm = nullptr;
}

bool TRurCustomToolBar::CanDockTo(const TRurDockPanel* panel) const
{
    if (!panel || !FDockableTo.Contains(panel->Align()))
        return false;
    return !panel->IsLocked() || panel->FindAllowedRow(this) >= 0;
}

void TRurCustomToolBar::SetRurDockPanel(TRurDockPanel* value)
{
    if (!value || value == FCurrentDock)
        return;
    SetParent(value);
}

void TRurCustomToolBar::Dock(TRurDockPanel* newDockSite)
{
    if (newDockSite)
        SetParent(newDockSite);
}

void TRurCustomToolBar::SetParent(TWinControl* parent)
{
    const TComponentState state = ComponentState();
    if (!state.Contains(csDesigning) && !state.Contains(csLoading))
        HideOptionWindow();
    if (parent == Parent()) {
        TCustomControl::SetParent(parent);
        return;
    }
    const bool wasFloating = IsOfClassNamed(Parent(), u"TFloatingWindow");
    FChangingParent = true;
    try {
        TCustomControl::SetParent(parent);
    } catch (...) {
        FChangingParent = false;
        throw;
    }
    FOldState = FToolBarState;
    auto* panel = dynamic_cast<TRurDockPanel*>(parent);
    bool docked = false, undocked = false;
    if (panel && panel != FCurrentDock) {
        if (TRurDockPanel* old = CurrentDockPanel())
            old->RemoveRurToolBar(this);
        if (wasFloating) {
            if (FTimerID && HandleAllocated())
                KillTimer(Handle(), FTimerID);
            FTimerID = 0;
            if (!IsVertical()) {
                const bool oldAllow = FAllowBoundChange;
                FAllowBoundChange = true;
                Constraints()->SetMinHeight(0);
                Constraints()->SetMaxHeight(0);
                SetHeight(FSizeAtDock);
                FAllowBoundChange = oldAllow;
            }
        }
        FToolBarState = tsDocked;
        if (panel->AddRurToolBar(this) < 0) {
            // A locked panel without a free row: nothing registered, no event.
            FToolBarState = FOldState;
        } else {
            FLastDock = panel;
            panel->FreeNotification(this);
            SetParentStyler(FParentStyler);
            if (FFloatingWindow)
                FFloatingWindow->SetVisible(false);
            docked = true;
        }
    } else if (!panel && IsOfClassNamed(parent, u"TFloatingWindow")) {
        FToolBarState = tsFloating;
        if (TRurDockPanel* old = CurrentDockPanel())
            old->RemoveRurToolBar(this);
        FCurrentDock = nullptr;
        if (IsVertical())
            SetPosition(daTop);
        SetHeight(Height() + FCaptionHeight);
        undocked = true;
    } else if (!panel) {
        if (!(IsOfClassNamed(parent, u"TRurPage") &&
              (IsOfClassNamed(parent->Parent(), u"TRurToolBarPager") ||
               IsOfClassNamed(parent->Parent(), u"TMinimizedRibbonWindow"))))
            SetParentStyler(false);
        FToolBarState = tsFixed;
        if (TRurDockPanel* old = CurrentDockPanel())
            old->RemoveRurToolBar(this);
        FCurrentDock = nullptr;
    }
    ArrangeControls(true);
    if (!state.Contains(csLoading)) {
        if (docked && FOnDocked)
            FOnDocked(this, panel);
        if (undocked && FOnUnDocked)
            FOnUnDocked(this);
    }
    FChangingParent = false;
    if (state.Contains(csDesigning) && !state.Contains(csLoading) && panel)
        SetToolBarStyler(panel->CurrentToolBarStyler());
}

void TRurCustomToolBar::VisibilityChanged(TMessage& message)
{
    const bool designing = ComponentState().Contains(csDesigning);
    TRurDockPanel* panel = FToolBarState == tsDocked && OnDockPanel() ? CurrentDockPanel() : nullptr;
    const bool toldFirst = panel && Visible() && !designing;
    if (toldFirst)
        panel->ToolBarVisibilityChanged(this);
    TCustomControl::WndProc(message);
    if (FToolBarState == tsFloating && FFloatingWindow) {
        FAutoHiding = Visible();
        if (Visible())
            FFloatingWindow->ShowFloating();
        else
            FFloatingWindow->SetVisible(false);
    } else if (panel && !toldFirst && !designing) {
        panel->ToolBarVisibilityChanged(this);
    } else if (FToolBarState != tsFloating && OnRibbonPage()) {
        if (IRibbonGroupHost* host = RibbonHost()) {
            host->ArrangeGroups();
            if (Visible())
                host->ShrinkToolBarsToFit();
            else
                host->ExpandToolBarsToFit();
        }
    }
}

TCustomRurToolBarStyler* TRurCustomToolBar::DockPanelStyler() const
{
    if (!FLastDock || FLastDock->ComponentState().Contains(csDestroying))
        return nullptr;
    TCustomRurToolBarStyler* styler = FLastDock->CurrentToolBarStyler();
    return styler && !styler->ComponentState().Contains(csDestroying) ? styler : nullptr;
}
