// The style hooks' shared work: which messages a hook takes, colour answers, painting turned
// into Paint/PaintBackground/PaintNC, and the mouse tracking of the tracking hook.
#include "Controls.h"
#include "PlatformFacts.h"
#include "Themes.h"

namespace {

bool IsColorMessage(UINT msg)
{
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) ||
           (msg >= CN_CTLCOLORMSGBOX && msg <= CN_CTLCOLORSTATIC);
}

bool IsClientPaintMessage(UINT msg) { return msg == WM_PAINT || msg == WM_ERASEBKGND || IsColorMessage(msg); }

bool IsNonClientMessage(UINT msg)
{
    return (msg >= WM_NCCALCSIZE && msg <= WM_NCXBUTTONDBLCLK) || msg == WM_NCMOUSEHOVER || msg == WM_NCMOUSELEAVE;
}

// A canvas lent a device context for one painting call.
class TLentCanvas {
public:
    explicit TLentCanvas(HDC dc) { FCanvas.SetHandle(dc); }
    ~TLentCanvas() { FCanvas.SetHandle(nullptr); }
    TCanvas* operator->() { return &FCanvas; }
    TCanvas* Get() { return &FCanvas; }

private:
    TCanvas FCanvas;
};

} // namespace

HWND TStyleHook::Handle() const { return FControl ? FControl->HandleIfAllocated() : nullptr; }

TCustomStyleServices* TStyleHook::StyleServices() const { return ::StyleServices(FControl); }

int GetControlSystemMetrics(const TControl* control, int index)
{
    using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);
    static const auto forDpi = reinterpret_cast<TGetSystemMetricsForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const int dpi = control ? control->CurrentPPI() : PlatformScreenDpi();
    if (forDpi)
        return forDpi(index, static_cast<UINT>(dpi));
    return MulDiv(::GetSystemMetrics(index), dpi, PlatformScreenDpi());
}

int TStyleHook::GetSystemMetrics(int index) const { return GetControlSystemMetrics(FControl, index); }

void TStyleHook::Invalidate()
{
    if (HWND wnd = Handle())
        RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

bool TStyleHook::AcceptMessage(TMessage& message)
{
    if (!FControl)
        return true;
    const TStyleElements elements = FControl->StyleElements();
    if (IsClientPaintMessage(message.Msg))
        return elements.Contains(seClient);
    if (IsNonClientMessage(message.Msg))
        return elements.Contains(seBorder);
    return true;
}

void TStyleHook::WndProc(TMessage& message)
{
    const UINT msg = message.Msg;
    if (IsColorMessage(msg)) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, COLORREF(ColorToRGB(FFontColor)));
        SetBkColor(dc, COLORREF(ColorToRGB(FBrush->Color())));
        message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
        FHandled = true;
        return;
    }
    switch (msg) {
    case WM_PAINT:
        if (FOverridePaint && Handle()) {
            HDC given = reinterpret_cast<HDC>(message.WParam);
            PAINTSTRUCT ps{};
            HDC dc = given ? given : BeginPaint(Handle(), &ps);
            struct TEnd {
                HWND Wnd;
                PAINTSTRUCT* Ps;
                ~TEnd()
                {
                    if (Ps)
                        EndPaint(Wnd, Ps);
                }
            } end{Handle(), given ? nullptr : &ps};
            TLentCanvas canvas(dc);
            Paint(canvas.Get());
            FHandled = true;
        }
        break;
    case WM_ERASEBKGND:
        if (FOverrideEraseBkgnd) {
            TLentCanvas canvas(reinterpret_cast<HDC>(message.WParam));
            PaintBackground(canvas.Get());
            message.Result = 1;
            FHandled = true;
        }
        break;
    case WM_NCPAINT:
        if (FOverridePaintNC && Handle()) {
            HDC dc = GetWindowDC(Handle());
            struct TRelease {
                HWND Wnd;
                HDC Dc;
                ~TRelease() { ReleaseDC(Wnd, Dc); }
            } release{Handle(), dc};
            TLentCanvas canvas(dc);
            PaintNC(canvas.Get());
            FHandled = true;
        }
        break;
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        CallDefaultProc(message);
        Invalidate();
        FHandled = true;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        CallDefaultProc(message);
        FFocused = msg == WM_SETFOCUS;
        Invalidate();
        FHandled = true;
        break;
    default:
        break;
    }
}

TMouseTrackControlStyleHook::~TMouseTrackControlStyleHook()
{
    if (FMouseInControl && Handle())
        KillTimer(Handle(), HotTrackTimer);
}

bool TMouseTrackControlStyleHook::IsMouseInControl() const
{
    POINT p;
    if (!GetCursorPos(&p))
        return false;
    HWND under = WindowFromPoint(p);
    return under && (under == Handle() || IsChildHandle(under));
}

void TMouseTrackControlStyleHook::StopTracking()
{
    if (Handle())
        KillTimer(Handle(), HotTrackTimer);
    FMouseInControl = false;
}

void TMouseTrackControlStyleHook::WndProc(TMessage& message)
{
    if ((message.Msg == WM_MOUSEMOVE || message.Msg == WM_NCMOUSEMOVE) && !FMouseInControl && Handle()) {
        FMouseInControl = true;
        SetTimer(Handle(), HotTrackTimer, 100, nullptr);
        MouseEnter();
    } else if (message.Msg == WM_TIMER && message.WParam == HotTrackTimer) {
        if (FMouseInControl && !IsMouseInControl()) {
            StopTracking();
            MouseLeave();
        }
        FHandled = true;
        return;
    }
    TStyleHook::WndProc(message);
}
