// The toolbar's pop-up forms and the option drop-down's panel.
#include "RurToolBar_OptionWindow.h"

#include <windowsx.h>

#include "RurToolBar_Colors.h"
#include "RurToolBar_ToolBar.h"

TRurPopupForm::TRurPopupForm(TComponent* owner)
    : TCustomForm(owner), FOwner(owner), FHideTimer(std::make_unique<TTimer>(nullptr))
{
    FHideTimer->SetEnabled(false);
    FHideTimer->SetInterval(1);
    FHideTimer->SetOnTimer(MakeHandler<&TRurPopupForm::HideTimerEvent>(this));
}

TRurPopupForm::~TRurPopupForm() = default;

void TRurPopupForm::CreateParams(TCreateParams& params)
{
    TCustomForm::CreateParams(params);
    params.Style = (params.Style | WS_POPUP) & ~DWORD(WS_CHILD);
}

void TRurPopupForm::WndProc(TMessage& message)
{
    if (message.Msg == WM_NCHITTEST) {
        POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        ::ScreenToClient(Handle(), &p);
        message.Result = p.x > Width() - 10 && p.y > Height() - 10 ? HTBOTTOMRIGHT : HTNOWHERE;
        return;
    }
    if (message.Msg == WM_ACTIVATE && LOWORD(message.WParam) == WA_INACTIVE && FHideOnDeActivate && Visible()) {
        // Hidden on the next tick, after the click that deactivated the form has been handled.
        TCustomForm::WndProc(message);
        FHideTimer->SetEnabled(true);
        return;
    }
    TCustomForm::WndProc(message);
}

void TRurPopupForm::HideTimerTick()
{
    FHideTimer->SetEnabled(false);
    Hide();
}

void TRurPopupForm::KeepCaptionActive(HWND wnd)
{
    if (!wnd)
        return;
    while (HWND parent = GetParent(wnd))
        wnd = parent;
    SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
}

// ---- Option drop-down ----------------------------------------------------------------------------

void TOptionSelectorWindow::SetWindowSize()
{
    if (FOptionsPanel)
        SetBounds(Left(), Top(), FOptionsPanel->Width(), FOptionsPanel->GetPanelHeight());
}

void TOptionSelectorWindow::DoHide()
{
    TRurPopupForm::DoHide();
    if (FOptionsPanel)
        FOptionsPanel->WindowHidden();
}

void TOptionSelectorWindow::WndProc(TMessage& message)
{
    if (message.Msg != WM_ACTIVATE || !FOptionsPanel) {
        TRurPopupForm::WndProc(message);
        return;
    }
    const bool active = LOWORD(message.WParam) != WA_INACTIVE;
    TRurPopupForm::WndProc(message);
    if (active) {
        if (Visible()) {
            if (FOptionsPanel->HandleAllocated() && IsWindowVisible(FOptionsPanel->HandleIfAllocated()))
                FOptionsPanel->SetFocus();
            if (auto* owner = dynamic_cast<TWinControl*>(FOwner); owner && owner->HandleAllocated())
                KeepCaptionActive(owner->HandleIfAllocated());
        } else if (FRurToolBar && FRurToolBar->Showing()) {
            FRurToolBar->SetFocus();
        }
    } else if (!(FHideOnDeActivate && Visible()) && FRurToolBar) {
        TWinControl* previous = FRurToolBar->PrevActiveControl();
        if (previous && previous->HandleAllocated() && IsWindowVisible(previous->HandleIfAllocated()))
            previous->SetFocus();
        FRurToolBar->SetPrevActiveControl(nullptr);
    }
}

// ---- Panel ---------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TOptionSelectorPanel)
{
    TAVIN_PROPERTY(TColor, ColorTo).Default(clNone);
    TAVIN_PROPERTY(TGradientDirection, GradientDirection).Default(gdHorizontal);
    TAVIN_PROPERTY(TColor, WindowBorderColor).Default(clGray);
}

TOptionSelectorPanel::TOptionSelectorPanel(TComponent* owner) : TPanel(owner)
{
    SetBevelOuter(bvNone);
    SetColor(TColor(0xF7F8F9));
}

void TOptionSelectorPanel::Paint()
{
    TPanel::Paint();
    TCanvas* canvas = Canvas();
    const int w = Width(), h = Height();
    if (FColorTo != clNone)
        DrawGradient(canvas, Color(), FColorTo, 40, Rect(0, 0, w, h), FGradientDirection == gdHorizontal);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(FWindowBorderColor);
    canvas->MoveTo(0, 0);
    canvas->LineTo(0, h);
    canvas->MoveTo(0, 0);
    canvas->LineTo(w - 1, 0);
    canvas->MoveTo(0, h - 1);
    canvas->LineTo(w - 1, h - 1);
    canvas->MoveTo(w - 1, h);
    canvas->LineTo(w - 1, -1);
}

void TOptionSelectorPanel::FillEntry(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo)
{
    if (color != clNone && colorTo != clNone) {
        DrawGradient(canvas, color, colorTo, 40, r, false);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(clBlack);
        canvas->Rectangle(r);
    } else if (color != clNone) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(color);
        canvas->Rectangle(r);
    }
}
