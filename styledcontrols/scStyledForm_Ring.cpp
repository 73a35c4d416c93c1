// The resize ring around a shadowed borderless form, and the inactive-client overlay.
#include <algorithm>

#include "Math.h"
#include "PlatformFacts.h"
#include "scStyledForm.h"

// ---------------------------------------------------------------------------------------------
// The ring window.

TscHitTestWnd::TscHitTestWnd(TComponent* owner, TscStyledForm* styledForm)
    : TForm(owner), FStyledForm(styledForm)
{
    TControlStyle style = ControlStyle();
    style.Include(csOverrideStylePaint);
    SetControlStyle(style);
    SetBorderStyle(bsNone);
    SetVisible(false);
}

TscHitTestWnd::~TscHitTestWnd() = default;

void TscHitTestWnd::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.ExStyle |= WS_EX_LAYERED;
}

void TscHitTestWnd::SetAlphaValue(Byte value)
{
    FAlpha = value;
    SetLayeredWindowAttributes(Handle(), 0, value, LWA_ALPHA);
}

int TscHitTestWnd::GetHitTestCode(TPoint p) const
{
    const int b = FBorderSize;
    return scSizingHitTest({Width(), Height()}, Rect(b, b, b, b), p);
}

void TscHitTestWnd::UpdateRegion(int width, int height)
{
    if (width * height == 0)
        return;
    const int b = FBorderSize;
    HRGN ring = CreateRectRgn(0, 0, width, height);
    HRGN inner = CreateRectRgn(b, b, width - b, height - b);
    CombineRgn(ring, ring, inner, RGN_XOR);
    DeleteObject(inner);
    // Once set, the region belongs to the system, and so does the one it replaces.
    if (!SetWindowRgn(Handle(), ring, TRUE))
        DeleteObject(ring);
}

void TscHitTestWnd::UpdatePosition()
{
    TCustomForm* form = FStyledForm->Form();
    if (FDragging || !form || !form->Visible())
        return;
    const int old = FBorderSize;
    FBorderSize = static_cast<int>(5.0 * FStyledForm->ScaleFactor());
    const int b = FBorderSize;
    SetBounds(form->Left() - b, form->Top() - b, form->Width() + 2 * b, form->Height() + 2 * b);
    if (b != old)
        UpdateRegion(Width(), Height());
    if (!Visible())
        SetVisible(true);
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER;
    if (!form->Active())
        flags |= SWP_NOZORDER;
    SetWindowPos(Handle(), form->Handle(), 0, 0, 0, 0, flags);
}

void TscHitTestWnd::UpdateFormPosition(int& x, int& y, int& width, int& height)
{
    TCustomForm* form = FStyledForm->Form();
    const TSizeConstraints* c = form->Constraints();
    // Dragging the left (top) edge past a limit keeps the right (bottom) edge where it was.
    if (c->MinWidth() && width < c->MinWidth() && x != form->Left()) {
        x = form->Left() + form->Width() - c->MinWidth();
        width = c->MinWidth();
    }
    if (c->MaxWidth() && width > c->MaxWidth() && x != form->Left()) {
        x = form->Left() + form->Width() - c->MaxWidth();
        width = c->MaxWidth();
    }
    if (c->MinHeight() && height < c->MinHeight() && y != form->Top()) {
        y = form->Top() + form->Height() - c->MinHeight();
        height = c->MinHeight();
    }
    if (c->MaxHeight() && height > c->MaxHeight() && y != form->Top()) {
        y = form->Top() + form->Height() - c->MaxHeight();
        height = c->MaxHeight();
    }
    form->SetBounds(x, y, width, height);
    x = form->Left();
    y = form->Top();
    width = form->Width();
    height = form->Height();
}

void TscHitTestWnd::ActivateForm()
{
    TCustomForm* form = FStyledForm->Form();
    if (form && !form->Active() && form->Visible())
        SetForegroundWindow(form->Handle());
}

void TscHitTestWnd::WndProc(TMessage& message)
{
    const int b = FBorderSize;
    switch (message.Msg) {
    case WM_SETFOCUS:
        ActivateForm();
        message.Result = 1;
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        ActivateForm();
        return;
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
        if (FDragging && !(pos->flags & SWP_NOSIZE)) {
            int x = pos->x + b, y = pos->y + b, w = pos->cx - 2 * b, h = pos->cy - 2 * b;
            UpdateFormPosition(x, y, w, h);
            pos->x = x - b;
            pos->y = y - b;
            pos->cx = w + 2 * b;
            pos->cy = h + 2 * b;
        }
        break;
    }
    case WM_NCCALCSIZE: {
        RECT& r = *reinterpret_cast<RECT*>(message.LParam);
        InflateRect(&r, -b, -b);
        message.Result = 0;
        return;
    }
    case WM_NCHITTEST: {
        const TWMMouse mouse(message);
        POINT p{mouse.XPos, mouse.YPos};
        RECT window;
        GetWindowRect(Handle(), &window);
        message.Result = GetHitTestCode({p.x - window.left, p.y - window.top});
        return;
    }
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(Handle());
        RECT r{0, 0, Width(), Height()};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(Handle(), dc);
        return;
    }
    case WM_NCLBUTTONDOWN:
        FDragging = true;
        FStyledForm->FStopActivateEvents = true;
        FStyledForm->FHitTestWndDown = true;
        break;
    case WM_TIMER:
        if (message.WParam == 1) {
            KillTimer(Handle(), 1);
            UpdatePosition();
        }
        break;
    case WM_CAPTURECHANGED:
        FDragging = false;
        SetTimer(Handle(), 1, 50, nullptr);
        break;
    case WM_SIZE:
        TForm::WndProc(message);
        UpdateRegion(Width(), Height());
        return;
    default:
        break;
    }
    TForm::WndProc(message);
}

// ---------------------------------------------------------------------------------------------
// The styled form's side of the ring.

void TscStyledForm::ShowHitTestWnd()
{
    if (!FForm || IsFormBeingDestroyed())
        return;
    FStopUpdateFluentColor = true;
    if (!FWasMinimized)
        FHitTestWndShowing = true;
    FWasMinimized = false;
    if (!FDWMHitTestWnd)
        FDWMHitTestWnd = new TscHitTestWnd(this, this);
    FDWMHitTestWnd->UpdatePosition();
    if (HWND wnd = FormHandle())
        SetTimer(wnd, scHitTestWndTimer, 100, nullptr);
}

void TscStyledForm::HideHitTestWnd()
{
    if (!FDWMHitTestWnd)
        return;
    FStopUpdateFluentColor = true;
    FWasMinimized = FormHandle() && IsIconic(FormHandle());
    FHitTestWndShowing = false;
    FStopActivateEvents = true;
    FDWMHitTestWnd->SetVisible(false);
    FDWMHitTestWnd->SetAlphaValue(0);
    FStopUpdateFluentColor = false;
}

bool TscStyledForm::HitTestWndVisible() const { return FDWMHitTestWnd && FDWMHitTestWnd->Visible(); }

void TscStyledForm::UpdateHitTestWndPosition()
{
    if (FDWMHitTestWnd)
        FDWMHitTestWnd->UpdatePosition();
}

void TscStyledForm::HitTestWndReady()
{
    if (!HitTestWndVisible())
        return;
    FDWMHitTestWnd->SetAlphaValue(1);
    // Left out of the task bar's window peek.
    const TWindowsVersion v = PlatformWindowsVersion();
    const bool sevenOrLater = v.Major > 6 || (v.Major == 6 && v.Minor >= 1);
    if (IsDwmCompositionActive() && sevenOrLater && scDrawUtils::DwmSetWindowAttribute) {
        const int excluded = -1;
        scDrawUtils::DwmSetWindowAttribute(FDWMHitTestWnd->Handle(), 12, &excluded, sizeof(excluded));
    }
}

// ---------------------------------------------------------------------------------------------
// The inactive-client overlay.

TscClientInActivePanel::TscClientInActivePanel(TComponent* owner) : TCustomControl(owner) {}

TscClientInActivePanel::~TscClientInActivePanel() = default;

void TscClientInActivePanel::ShowPanel(TCustomForm* form, TColor color, Byte alpha, int blurAmount)
{
    if (!form || !form->Visible() || form->ClientWidth() == 0 || form->ClientHeight() == 0 || !form->HandleAllocated() ||
        IsIconic(form->Handle()))
        return;
    SetVisible(false);
    SetParent(form);
    SetBounds(0, 0, form->ClientWidth(), form->ClientHeight());
    FBuffer = MakeBitmap32(Width(), Height());
    // The client as it is on screen, read without starting a paint of the form's own.
    HDC dc = GetDC(form->Handle());
    BitBlt(FBuffer->Canvas()->Handle(), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), dc);
    SetBitmapAlpha(FBuffer.get(), 255);
    if (blurAmount != 0)
        StackBlurBitmap(FBuffer.get(), blurAmount);
    FBuffer->Canvas()->Brush()->SetColor(color);
    FillRectAlpha(FBuffer->Canvas(), Rect(0, 0, Width(), Height()), alpha);
    BringToFront();
    SetVisible(true);
    Repaint();
}

void TscClientInActivePanel::HidePanel()
{
    SetVisible(false);
    FBuffer.reset();
}

void TscClientInActivePanel::Paint()
{
    if (FBuffer)
        Canvas()->Draw(0, 0, FBuffer.get());
}

void TscClientInActivePanel::WndProc(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::WndProc(message);
}

void TscStyledForm::ShowClientInActiveEffect()
{
    HideClientInActiveEffect();
    if (!FForm)
        return;
    FInActivePanel = new TscClientInActivePanel(this);
    FInActivePanel->ShowPanel(FForm, GetStyleSystemColor(FInActiveClientColor, FForm), FInActiveClientColorAlpha,
                              FInActiveClientBlurAmount);
}

void TscStyledForm::HideClientInActiveEffect()
{
    if (!FInActivePanel)
        return;
    FInActivePanel->HidePanel();
    delete FInActivePanel;
    FInActivePanel = nullptr;
}
