// The compact window of a compacted ribbon group, and the glow menu button.
#include "RurToolBar_CompactWindow.h"

#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

TAVIN_PUBLISHED(TCompactWindow)
{
    TAVIN_PROPERTY(TRurCustomToolBar*, RurToolBar);
    TAVIN_PROPERTY(TRurGlowButton*, DropDownButton);
}

TCompactWindow::TCompactWindow(TComponent* owner) : TRurPopupForm(owner) {}

void TCompactWindow::CreateParams(TCreateParams& params)
{
    TRurPopupForm::CreateParams(params);
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    if (major > 5 || (major == 5 && minor >= 1))
        params.WindowClassStyle |= CS_DROPSHADOW;
}

bool TCompactWindow::CanHide() { return CloseQuery() && FHideOnDeActivate; }

HWND TCompactWindow::GetTopParentHandle() const
{
    auto* owner = dynamic_cast<TWinControl*>(FOwner);
    if (!owner || !owner->HandleAllocated())
        return nullptr;
    HWND wnd = owner->Handle();
    if (!::GetParent(wnd))
        return nullptr;
    while (HWND parent = ::GetParent(wnd))
        wnd = parent;
    return wnd;
}

void TCompactWindow::SetWindowSize()
{
    if (!FRurToolBar)
        return;
    SetClientHeight(FRurToolBar->Height() + 2);
    SetClientWidth(FRurToolBar->Width() + 2);
    FRurToolBar->SetBounds(1, 1, FRurToolBar->Width(), FRurToolBar->Height());
    SetColor(FRurToolBar->CurrentToolBarStyler()->Color()->Color());
}

void TCompactWindow::UpdateRegion()
{
    HRGN region = CreateRoundRectRgn(0, 0, ClientWidth(), ClientHeight(), 4, 4);
    // The window owns the region from here on.
    SetWindowRgn(Handle(), region, TRUE);
}

void TCompactWindow::PaintWindow(HDC dc)
{
    TRurPopupForm::PaintWindow(dc);
    // The whole window in its colour, well past the rounded region's edges.
    TCanvas* canvas = Canvas();
    canvas->SetHandle(dc);
    canvas->Brush()->SetColor(Color());
    canvas->Pen()->SetColor(Color());
    const TRect r = ClientRect();
    canvas->Rectangle(TRect{r.Left - 4, r.Top - 4, r.Right + 4, r.Bottom + 4});
    canvas->SetHandle(nullptr);
}

void TCompactWindow::WndProc(TMessage& message)
{
    if (message.Msg != WM_ACTIVATE) {
        TRurPopupForm::WndProc(message);
        return;
    }
    // The form's own activation handling would move the focus elsewhere: not run.
    Activated(LOWORD(message.WParam) != WA_INACTIVE);
    message.Result = 0;
}

void TCompactWindow::Activated(bool active)
{
    TRurCustomToolBar* compacted = FRurToolBar ? FRurToolBar->SelfClone() : nullptr;
    if (!Visible()) {
        if (compacted && IsControlShowing(compacted) && compacted->CanFocus())
            compacted->SetFocus();
        return;
    }
    if (active) {
        if (FRurToolBar && FRurToolBar->Visible() && FRurToolBar->Enabled() && FRurToolBar->CanFocus())
            FRurToolBar->SetFocus();
        if (HWND top = GetTopParentHandle())
            SendMessageW(top, WM_NCACTIVATE, TRUE, 0);
        return;
    }
    // A drop-down menu of one of the clone's buttons takes the activation: the window stays.
    if (FRurToolBar && compacted && compacted->Visible() && FRurToolBar->HasDroppedDownButton())
        return;
    if (CanHide() && Visible())
        FHideTimer->SetEnabled(true);
}

void TCompactWindow::HideTimerTick()
{
    Hide();
    FHideTimer->SetEnabled(false);
    if (!FRurToolBar)
        return;
    FRurToolBar->HideShortCutHints();
    FRurToolBar->CompactWindowClosed();
}

void TCompactWindow::DoHide()
{
    TRurPopupForm::DoHide();
    if (FDropDownButton)
        FDropDownButton->SetDown(false);
    if (FRurToolBar)
        FRurToolBar->PostCompactWinHide();
}

// ---- Glow menu button ----------------------------------------------------------------------------

using RurGlowButton::TButtonLayout;
using RurGlowButton::blGlyphLeft;

TAVIN_PUBLISHED(TRurGlowMenuButton)
{
    TAVIN_PROPERTY(TGlowButtonAppearance*, Appearance);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(TButtonLayout, Layout).Default(blGlyphLeft);
    // Declared False, so the True the constructor sets is always written.
    TAVIN_PROPERTY(bool, DropDownButton).Default(false);
    TAVIN_PROPERTY(TDropDownPosition, DropDownPosition).Default(dpRight);
    TAVIN_PROPERTY(bool, DropDownSplit).Default(true);
    TAVIN_PROPERTY(TPopupMenu*, DropDownMenu);
    TAVIN_PROPERTY(int, DropDownWidth).Default(14);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
}

TRurGlowMenuButton::TRurGlowMenuButton(TComponent* owner) : TRurCustomGlowButton(owner)
{
    SetDropDownButton(true);
    SetWidth(32);
}
