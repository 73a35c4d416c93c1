// The pager's side of what sits on it or around it: the quick-access toolbar and its area, the
// collapsed ribbon's pop-up, and what the ribbon form asks of the pager (glass, the hide state).
#include "RurRibbonPager.h"

#include <algorithm>

#include "Forms.h"
#include "RurMinimizedRibbonWindow.h"
#include "RurQuickAccessToolBar.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_ToolBar.h"

namespace {

bool OnRibbonForm(const TControl* pager) { return IsOfClassNamed(pager->Parent(), u"TRurToolBarForm"); }

// The window is inner's ancestor (not inner itself), within 50 levels.
bool IsDescendant(HWND inner, HWND outer)
{
    if (!inner || !outer || inner == outer)
        return false;
    HWND w = inner;
    for (int level = 0; level < 50 && w; ++level) {
        w = GetParent(w);
        if (w == outer)
            return true;
    }
    return false;
}

} // namespace

void TRurToolBarPager::ControlListChanged(TControl* control, bool inserted)
{
    auto* bar = dynamic_cast<TRurCustomQuickAccessToolBar*>(control);
    if (!bar)
        return;
    if (inserted)
        FQuickAccessToolBar = bar;
    else if (bar == FQuickAccessToolBar)
        FQuickAccessToolBar = nullptr;
}

bool TRurToolBarPager::ShowQATBelow() const
{
    return FQuickAccessToolBar && FQuickAccessToolBar->FullSize() && FQuickAccessToolBar->Visible();
}

int TRurToolBarPager::GetQATHeight() const
{
    if (OnRibbonForm(this))
        return FScaledPagerCaptionHeight - 2;
    return FQuickAccessToolBar ? FQuickAccessToolBar->Height() : 32;
}

void TRurToolBarPager::SetShowQATBelow(bool value)
{
    if (!FQuickAccessToolBar || value == ShowQATBelow())
        return;
    if (FQuickAccessToolBar->Visible())
        SetHeight(Height() + (value ? GetQATHeight() : -GetQATHeight()));
    FQuickAccessToolBar->SetFullSize(value);
    UpdatePagesPosition();
    if (FIsAeroVista && Parent()) {
        // The glass frame is laid out again for the new height.
        Parent()->SetWidth(Parent()->Width() - 1);
        Parent()->SetWidth(Parent()->Width() + 1);
    }
}

TRect TRurToolBarPager::GetQATRect() const
{
    const TRect none = Rect(-1, -1, -1, -1);
    if (!FQuickAccessToolBar)
        return none;
    const int width = Width();
    if (ShowQATBelow()) {
        const int inset = IsGlassActive() && Win7ScenicRibbon() ? 0 : 2;
        return Rect(inset, Height() - GetQATHeight(), width - inset, Height());
    }
    if (!FCaption->Visible())
        return none;
    const int reserve = std::min(FCaption->MinWidth(), width);
    const int bottom = GetCaptionRect().Bottom;
    const int height = FQuickAccessToolBar->Height();
    if (!Win7ScenicRibbon() && !FItones)
        return Rect(FDefTabMargin - 6, bottom - height, width - reserve, bottom);
    const TCustomForm* form = GetParentForm();
    const bool maximizedGlass = FIsAeroVista && FTabSettings->Glass() && form && form->WindowState() == wsMaximized &&
                                !ComponentState().Contains(csDesigning);
    if (maximizedGlass)
        return Rect(7, bottom - height + 5, width - reserve, bottom);
    return Rect(5, bottom - height, width - reserve, bottom);
}

void TRurToolBarPager::QATVisibilityChanged()
{
    if (!FQuickAccessToolBar || !FQuickAccessToolBar->FullSize())
        return;
    SetHeight(Height() + (FQuickAccessToolBar->Visible() ? GetQATHeight() : -GetQATHeight()));
}

void TRurToolBarPager::SetAeroVista(bool value)
{
    if ((value && ComponentState().Contains(csDesigning)) || value == FIsAeroVista)
        return;
    FIsAeroVista = value;
    SetParentBackground(value);
    if (value)
        Resize();
    else if (HandleAllocated())
        SetWindowRgn(Handle(), nullptr, TRUE);
    if (FQuickAccessToolBar)
        FQuickAccessToolBar->SetAeroVista(value);
    if (auto* shape = dynamic_cast<TWinControl*>(GetShapeButton()); shape && shape->HandleAllocated()) {
        if (const UINT message = ToolBarMessage(TToolBarMessage::SetAeroVista))
            PostMessageW(shape->Handle(), message, value ? 1 : 0, 0);
        shape->Invalidate();
    }
    Invalidate();
}

void TRurToolBarPager::SetHideState(bool hide)
{
    if (hide == FHideState)
        return;
    FHideState = hide;
    TControl* shape = GetShapeButton();
    if (hide) {
        FOldHeight = Height();
        FQATOldVisible = FQuickAccessToolBar && FQuickAccessToolBar->Visible();
        if (FQuickAccessToolBar)
            FQuickAccessToolBar->Hide();
        SetHeight(FScaledPagerCaptionHeight);
        FShapeBtnOldVisible = shape && shape->Visible();
        if (shape)
            shape->Hide();
        return;
    }
    if (FQuickAccessToolBar)
        FQuickAccessToolBar->SetVisible(FQATOldVisible);
    SetHeight(FOldHeight);
    if (shape)
        shape->SetVisible(FShapeBtnOldVisible);
}

void TRurToolBarPager::RestoreFocus()
{
    if (ComponentState().Contains(csDesigning) || !FFocusCtrlH || !HandleAllocated())
        return;
    if (IsDescendant(FFocusCtrlH, Handle()))
        return;
    TCustomForm* form = GetParentForm();
    if (form && form->HandleAllocated() && IsDescendant(GetFocus(), form->Handle()) && IsWindow(FFocusCtrlH))
        ::SetFocus(FFocusCtrlH);
}

void TRurToolBarPager::FreeMinimizedRibbonWindow()
{
    if (!FMinimizedRibbonWindow)
        return;
    // The window may be inside its own timer event: it goes once that has returned.
    TMinimizedRibbonWindow* window = FMinimizedRibbonWindow;
    FMinimizedRibbonWindow = nullptr;
    window->Release();
}
