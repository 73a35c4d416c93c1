#include "scUpDownStyleHook.h"

#include "scDrawUtils.h"

TAVIN_PUBLISHED(TscUpDown) {}

namespace {

TPoint MessagePoint(const TMessage& message)
{
    return Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
}

} // namespace

TscUpDownStyleHook::TscUpDownStyleHook(TWinControl* control) : TMouseTrackControlStyleHook(control)
{
    FOverridePaint = true;
}

bool TscUpDownStyleHook::IsVerticalUpDown() const
{
    if (auto* upDown = dynamic_cast<const TUpDown*>(FControl))
        return upDown->Orientation() == udVertical;
    const HWND wnd = Handle();
    return !wnd || !(GetWindowLongW(wnd, GWL_STYLE) & UDS_HORZ);
}

TRect TscUpDownStyleHook::FirstHalf() const
{
    TRect r = FControl->ClientRect();
    if (IsVerticalUpDown())
        r.Bottom = r.Top + r.Height() / 2;
    else
        r.Right = r.Left + r.Width() / 2;
    return r;
}

TRect TscUpDownStyleHook::SecondHalf() const
{
    TRect r = FControl->ClientRect();
    if (IsVerticalUpDown())
        r.Top = r.Bottom - r.Height() / 2;
    else
        r.Left = r.Right - r.Width() / 2;
    return r;
}

void TscUpDownStyleHook::Paint(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    if (!Handle() || !style)
        return;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(GetStyleSystemColor(clBtnFace, FControl));
    canvas->FillRect(TRect(0, 0, FControl->Width(), FControl->Height()));
    const bool vertical = IsVerticalUpDown();
    const auto look = [this](TThemedScrollBar normal, bool pressed, bool mouseOn) {
        return static_cast<TThemedScrollBar>(normal + (pressed ? 2 : mouseOn && FMouseInControl ? 1 : 0));
    };
    const int dpi = FControl->CurrentPPI();
    style->DrawElement(canvas->Handle(),
                       TCustomStyleServices::GetElementDetails(
                           look(vertical ? tsArrowBtnUpNormal : tsArrowBtnLeftNormal, FLeftPressed, FMouseOnLeft)),
                       FirstHalf(), nullptr, dpi);
    style->DrawElement(canvas->Handle(),
                       TCustomStyleServices::GetElementDetails(
                           look(vertical ? tsArrowBtnDownNormal : tsArrowBtnRightNormal, FRightPressed, FMouseOnRight)),
                       SecondHalf(), nullptr, dpi);
}

void TscUpDownStyleHook::MouseLeave()
{
    FMouseOnLeft = false;
    FMouseOnRight = false;
    Invalidate();
}

void TscUpDownStyleHook::DefaultQuietly(TMessage& message)
{
    const HWND wnd = Handle();
    SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
    CallDefaultProc(message);
    SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
}

void TscUpDownStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: {
        TCanvas canvas;
        canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
        Paint(&canvas);
        canvas.SetHandle(nullptr);
        message.Result = 1;
        FHandled = true;
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        DefaultQuietly(message);
        const TPoint p = MessagePoint(message);
        FLeftPressed = FirstHalf().Contains(p);
        FRightPressed = SecondHalf().Contains(p);
        Invalidate();
        FHandled = true;
        return;
    }
    case WM_LBUTTONUP:
        DefaultQuietly(message);
        FLeftPressed = false;
        FRightPressed = false;
        Invalidate();
        FHandled = true;
        return;
    case WM_MOUSEMOVE: {
        TMouseTrackControlStyleHook::WndProc(message);
        CallDefaultProc(message);
        const TPoint p = MessagePoint(message);
        const bool onLeft = FirstHalf().Contains(p);
        const bool onRight = SecondHalf().Contains(p);
        // Either half's change shows.
        const bool changed = onLeft != FMouseOnLeft || onRight != FMouseOnRight;
        FMouseOnLeft = onLeft;
        FMouseOnRight = onRight;
        if (changed)
            Invalidate();
        FHandled = true;
        return;
    }
    default:
        break;
    }
    TMouseTrackControlStyleHook::WndProc(message);
}
