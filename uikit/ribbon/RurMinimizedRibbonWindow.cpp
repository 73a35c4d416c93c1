// The collapsed ribbon's page pop-up: placement, activation and hiding.
#include "RurMinimizedRibbonWindow.h"

#include "RurRibbonPager.h"
#include "RurToolBar_ToolBar.h"
#include "RurToolBar_Platform.h"

TMinimizedRibbonWindow::TMinimizedRibbonWindow(TComponent* owner) : TCustomForm(owner)
{
    FHideTimer = new TTimer(this);
    FHideTimer->SetEnabled(false);
    FHideTimer->SetInterval(1);
    FHideTimer->SetOnTimer(MakeHandler<&TMinimizedRibbonWindow::HideTimerTick>(this));
    // No caption or frame: the window's size is the page's room (a frame would cut the page).
    SetBorderStyle(bsNone);
    SetWidth(0);
    SetHeight(0);
}

TMinimizedRibbonWindow::~TMinimizedRibbonWindow() = default;

void TMinimizedRibbonWindow::CreateParams(TCreateParams& params)
{
    TCustomForm::CreateParams(params);
    // The pager is its parent control, but the window floats over everything in screen
    // coordinates.
    params.Style = (params.Style & ~DWORD(WS_CHILD)) | WS_POPUP;
    if (IsWinXPOrLater())
        params.WindowClassStyle |= CS_DROPSHADOW;
}

void TMinimizedRibbonWindow::SetWindowSize()
{
    if (!FRurToolBarPager || !FRurPage)
        return;
    SetHeight(FRurPage->Height() + 3);
    SetWidth(FRurPage->Width() + 3);
    FRurPage->SetLeft(2);
    FRurPage->SetTop(0);
}

bool TMinimizedRibbonWindow::CanHide()
{
    return CloseQuery() && FHideOnDeActivate && !(FRurToolBarPager && FRurToolBarPager->BlockHide());
}

void TMinimizedRibbonWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_ACTIVATE) {
        // A hidden window ignores activation changes altogether.
        if (HandleAllocated() && IsWindowVisible(Handle()))
            Activated(LOWORD(message.WParam) != WA_INACTIVE);
        return;
    }
    TCustomForm::WndProc(message);
}

void TMinimizedRibbonWindow::Activated(bool active)
{
    if (active) {
        if (!FRurPage)
            return;
        if (TWinControl* first = FRurPage->FirstToolBar(true); first && first->CanFocus())
            first->SetFocus();
        return;
    }
    if (!CanHide())
        return;
    // A click into the pager (a tab) is the pager's to handle; it hides or swaps the pop-up.
    if (FRurToolBarPager && FRurToolBarPager->HandleAllocated() && GetFocus() == FRurToolBarPager->Handle())
        return;
    FHideTimer->SetEnabled(true);
}

void TMinimizedRibbonWindow::HideTimerTick(TObject*)
{
    bool canHide = true;
    if (FRurToolBarPager)
        FRurToolBarPager->OnFloatingRibbonHide()(this, canHide);
    // A refusal is final for this deactivation: asking again at every tick would run forever.
    FHideTimer->SetEnabled(false);
    if (!canHide)
        return;
    Hide();
    if (FRurToolBarPager)
        FRurToolBarPager->FreeMinimizedRibbonWindow();
}

void TMinimizedRibbonWindow::PaintWindow(HDC dc)
{
    TCustomForm::PaintWindow(dc);
    // The margins around the page show the window's colour (the ribbon caption's border).
    TRect r = ClientRect();
    r = Rect(r.Left - 4, r.Top - 4, r.Right + 4, r.Bottom + 4);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
    RECT fill{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &fill, brush);
    DeleteObject(brush);
}
