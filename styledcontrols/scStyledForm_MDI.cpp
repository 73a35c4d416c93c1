// MDI under a styled frame: the frame's client window loses its own frame and scroll bars to the
// style (its background painted in the style, styled scroll bars over its edges that move the
// children), and the children tell their frame when they move, restore or go.
#include <algorithm>

#include "scStyledForm.h"

namespace {

using TD = TCustomStyleServices;

// The hook of a subclassed MDI client window.
constexpr wchar_t MDIClientHookProperty[] = L"scStyledFormMDIClientHook";

LRESULT CALLBACK MDIClientProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* hook = static_cast<TscFormStyleHook*>(GetPropW(wnd, MDIClientHookProperty));
    if (!hook)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        hook->MDIClientWndProc(message);
    } catch (...) {
        Application->HandleException(hook->Form());
    }
    return message.Result;
}

// The box where the two bars meet.
class TscMDIScrollSizeBox : public TCustomControl {
    TAVIN_CLASS(TscMDIScrollSizeBox, TCustomControl)
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        StyleServices(this)->DrawElement(Canvas()->Handle(), TD::GetElementDetails(tsSizeBoxRightAlign),
                                         Rect(0, 0, Width(), Height()));
    }
};

TRect WindowRectIn(HWND wnd, HWND parent)
{
    RECT r;
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return Rect(r.left, r.top, r.right, r.bottom);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The bars.

TscMDIScrollBar::TscMDIScrollBar(TscFormStyleHook* hook, TScrollBarKind kind) : TscScrollBar(nullptr), FHook(hook)
{
    SetKind(kind);
    SetVisible(false);
}

void TscMDIScrollBar::WndProc(TMessage& message)
{
    TscScrollBar::WndProc(message);
    if ((message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) && LOWORD(message.WParam) == SB_ENDSCROLL)
        FHook->MDIScrolled(this);
}

void TscMDIScrollBar::SetPageSize(int value)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    info.nPage = static_cast<UINT>(std::max(0, value));
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

TScrollBar* TscFormStyleHook::MDIHorzScrollBar() const { return FMDIHorzScrollBar.get(); }
TScrollBar* TscFormStyleHook::MDIVertScrollBar() const { return FMDIVertScrollBar.get(); }

// ---------------------------------------------------------------------------------------------
// The frame.

bool TscFormStyleHook::IsMDIFrame() const { return Form()->FormStyle() == fsMDIForm; }

void TscFormStyleHook::InitMDIFrame()
{
    HWND client = Form()->ClientHandle();
    if (!IsMDIFrame() || !client || FMDIClient)
        return;
    FMDIClient = client;
    SetPropW(client, MDIClientHookProperty, this);
    FMDIPrevClientProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MDIClientProc)));
    SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FMDIHorzScrollBar = std::make_unique<TscMDIScrollBar>(this, sbHorizontal);
    FMDIVertScrollBar = std::make_unique<TscMDIScrollBar>(this, sbVertical);
    FMDIScrollSizeBox = std::make_unique<TscMDIScrollSizeBox>(nullptr);
    FMDIScrollSizeBox->SetVisible(false);
    for (TWinControl* control : {static_cast<TWinControl*>(FMDIHorzScrollBar.get()),
                                 static_cast<TWinControl*>(FMDIVertScrollBar.get()), FMDIScrollSizeBox.get()})
        control->SetParent(Form());
    UpdateMDIScrollBars(true);
}

void TscFormStyleHook::ReleaseMDIClient()
{
    // The bars go first: they are the form's children, and the window may be on its way out.
    FMDIHorzScrollBar.reset();
    FMDIVertScrollBar.reset();
    FMDIScrollSizeBox.reset();
    if (!FMDIClient)
        return;
    if (IsWindow(FMDIClient)) {
        SetWindowLongPtrW(FMDIClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FMDIPrevClientProc));
        RemovePropW(FMDIClient, MDIClientHookProperty);
        SetWindowPos(FMDIClient, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    FMDIClient = nullptr;
}

void TscFormStyleHook::MDIClientWndProc(TMessage& message)
{
    HWND client = FMDIClient;
    switch (message.Msg) {
    case WM_ERASEBKGND:
        if (StyleServices()->Available() && Form()->StyleElements().Contains(seClient)) {
            RECT r;
            GetClientRect(client, &r);
            StyleServices()->DrawElement(reinterpret_cast<HDC>(message.WParam), TD::GetElementDetails(twWindowRoot),
                                         Rect(r.left, r.top, r.right, r.bottom));
            message.Result = 1;
            return;
        }
        break;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        // No frame and no scroll bars of its own: the styled ones stand over its edges.
        message.Result = 0;
        return;
    case WM_NCACTIVATE:
        if (TCustomForm* child = Form()->ActiveMDIChild(); child && child->HandleAllocated())
            SendMessageW(child->Handle(), WM_NCACTIVATE, message.WParam, message.LParam);
        message.Result = 1;
        return;
    case WM_NCDESTROY: {
        const WNDPROC previous = FMDIPrevClientProc;
        RemovePropW(client, MDIClientHookProperty);
        FMDIClient = nullptr;
        message.Result = CallWindowProcW(previous, client, message.Msg, message.WParam, message.LParam);
        return;
    }
    default:
        break;
    }
    message.Result = CallWindowProcW(FMDIPrevClientProc, client, message.Msg, message.WParam, message.LParam);
}

void TscFormStyleHook::UpdateMDIScrollBars(bool reset)
{
    if (FChildRestoring || !FMDIHorzScrollBar || !FMDIVertScrollBar || !FMDIClient)
        return;
    TscMDIScrollBar* horz = FMDIHorzScrollBar.get();
    TscMDIScrollBar* vert = FMDIVertScrollBar.get();
    TCustomForm* active = Form()->ActiveMDIChild();
    if (active && active->HandleAllocated() && IsZoomed(active->Handle())) {
        horz->SetVisible(false);
        vert->SetVisible(false);
        FMDIScrollSizeBox->SetVisible(false);
        return;
    }
    RECT clientRect;
    GetClientRect(FMDIClient, &clientRect);
    const int cw = clientRect.right, ch = clientRect.bottom;
    // Where the visible children lie, relative to the client.
    TRect extent = Rect(0, 0, 0, 0);
    bool any = false;
    for (int i = 0; i < Form()->MDIChildCount(); ++i) {
        HWND child = Form()->MDIChildren(i)->HandleIfAllocated();
        if (!child || child == FChangeVisibleChildHandle || !IsWindowVisible(child))
            continue;
        const TRect r = WindowRectIn(child, FMDIClient);
        extent = any ? Rect(std::min(extent.Left, r.Left), std::min(extent.Top, r.Top), std::max(extent.Right, r.Right),
                            std::max(extent.Bottom, r.Bottom))
                     : r;
        any = true;
    }
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL), barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    bool needHorz = any && (extent.Left < 0 || extent.Right > cw);
    bool needVert = any && (extent.Top < 0 || extent.Bottom > ch);
    if (needHorz && !needVert)
        needVert = extent.Top < 0 || extent.Bottom > ch - barHeight;
    if (needVert && !needHorz)
        needHorz = extent.Left < 0 || extent.Right > cw - barWidth;

    const TRect area = WindowRectIn(FMDIClient, Form()->Handle());
    // A bar's range runs from the first child's edge (or the client's) to the last one's; its
    // page is what the client shows beside the other bar.
    auto resetRange = [](TscMDIScrollBar* bar, int first, int last, int page, bool& stop, int& old) {
        stop = true;
        bar->SetParams(-first, 0, last - first - 1);
        bar->SetPageSize(page);
        bar->SetLargeChange(std::max(1, page));
        stop = false;
        old = bar->Position();
    };
    if (needHorz) {
        horz->SetBounds(area.Left, area.Bottom - barHeight, area.Width() - (needVert ? barWidth : 0), barHeight);
        if (reset)
            resetRange(horz, std::min(0, extent.Left), std::max(extent.Right, cw), cw - (needVert ? barWidth : 0),
                       FMDIStopHorzScrollBar, FOldHorzScrollBarPosition);
    }
    if (needVert) {
        vert->SetBounds(area.Right - barWidth, area.Top, barWidth, area.Height() - (needHorz ? barHeight : 0));
        if (reset)
            resetRange(vert, std::min(0, extent.Top), std::max(extent.Bottom, ch), ch - (needHorz ? barHeight : 0),
                       FMDIStopVertScrollBar, FOldVertScrollBarPosition);
    }
    FMDIScrollSizeBox->SetBounds(area.Right - barWidth, area.Bottom - barHeight, barWidth, barHeight);
    horz->SetVisible(needHorz);
    vert->SetVisible(needVert);
    FMDIScrollSizeBox->SetVisible(needHorz && needVert);
    for (TWinControl* control : {static_cast<TWinControl*>(horz), static_cast<TWinControl*>(vert),
                                 FMDIScrollSizeBox.get()})
        if (control->Visible())
            control->BringToFront();
}

void TscFormStyleHook::MDIScrolled(TScrollBar* bar)
{
    const bool horizontal = bar == FMDIHorzScrollBar.get();
    if ((horizontal && FMDIStopHorzScrollBar) || (!horizontal && FMDIStopVertScrollBar))
        return;
    int& old = horizontal ? FOldHorzScrollBarPosition : FOldVertScrollBarPosition;
    const int delta = bar->Position() - old;
    old = bar->Position();
    if (delta == 0)
        return;
    FStopCheckChildMove = true;
    for (int i = 0; i < Form()->MDIChildCount(); ++i) {
        TCustomForm* child = Form()->MDIChildren(i);
        HWND wnd = child->HandleIfAllocated();
        if (!wnd || !IsWindowVisible(wnd))
            continue;
        if (IsIconic(wnd)) {
            const TRect r = WindowRectIn(wnd, FMDIClient);
            SetWindowPos(wnd, nullptr, r.Left - (horizontal ? delta : 0), r.Top - (horizontal ? 0 : delta), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else if (horizontal) {
            child->SetLeft(child->Left() - delta);
        } else {
            child->SetTop(child->Top() - delta);
        }
    }
    FStopCheckChildMove = false;
    UpdateMDIScrollBars(false);
}

void TscFormStyleHook::UpdateMenuBarMDIButtons(HWND going)
{
    if (!FMainMenuBarHook)
        return;
    bool maximised = false;
    for (int i = 0; i < Form()->MDIChildCount(); ++i) {
        HWND child = Form()->MDIChildren(i)->HandleIfAllocated();
        if (child && child != going && IsWindowVisible(child) && IsZoomed(child))
            maximised = true;
    }
    FMainMenuBarHook->SetShowMDIButtons(maximised);
}

// ---------------------------------------------------------------------------------------------
// The children.

HWND TscFormStyleHook::MDIFrameHandle() const
{
    HWND client = Handle() ? GetParent(Handle()) : nullptr;
    return client ? GetParent(client) : nullptr;
}

void TscFormStyleHook::MDIChildGoing()
{
    // A child window going for good (not made anew) leaves its frame's calculations; the hook
    // goes before the window, and a form being freed passes no messages to its hook.
    const TControlState state = Form()->ControlState();
    const bool going = Form()->ComponentState().Contains(csDestroying) ||
                       (state.Contains(csDestroyingHandle) && !state.Contains(csRecreating));
    if (IsMDIChild() && Handle() && going)
        SendToMDIFrame(WM_SCMDICHILDCLOSED, reinterpret_cast<WPARAM>(Handle()), true);
}

void TscFormStyleHook::SendToMDIFrame(UINT message, WPARAM wParam, bool post)
{
    if (HWND frame = MDIFrameHandle()) {
        if (post)
            PostMessageW(frame, message, wParam, 0);
        else
            SendMessageW(frame, message, wParam, 0);
    }
}

bool TscFormStyleHook::MDIMessage(TMessage& message)
{
    if (IsMDIFrame()) {
        switch (message.Msg) {
        case WM_SCMDICHILDMOVED:
            if (!FStopCheckChildMove) {
                UpdateMDIScrollBars(true);
                UpdateMenuBarMDIButtons(nullptr);
            }
            return true;
        case WM_SCMDICHILDCLOSED: {
            const HWND child = reinterpret_cast<HWND>(message.WParam);
            UpdateMenuBarMDIButtons(child);
            RepaintNC();
            FChangeVisibleChildHandle = child;
            UpdateMDIScrollBars(true);
            FChangeVisibleChildHandle = nullptr;
            return true;
        }
        case WM_SCMDICHILDRESTORING:
            FChildRestoring = true;
            return true;
        case WM_SCMDICHILDRESTORED:
            FChildRestoring = false;
            SendMessageW(Handle(), WM_SCMDICHILDMOVED, 0, 0);
            return true;
        case WM_SIZE:
            CallDefaultProc(message);
            UpdateMDIScrollBars(true);
            return true;
        default:
            return false;
        }
    }
    if (!IsMDIChild())
        return false;
    switch (message.Msg) {
    case WM_MOVE:
        CallDefaultProc(message);
        SendToMDIFrame(WM_SCMDICHILDMOVED, 0, false);
        return true;
    case WM_SIZE:
        CallDefaultProc(message);
        SendToMDIFrame(WM_SCMDICHILDMOVED, 0, false);
        if (IsMinimized())
            RepaintNC();
        return true;
    case WM_WINDOWPOSCHANGED:
        if (FSelfRestoring) {
            FSelfRestoring = false;
            CallDefaultProc(message);
            SendToMDIFrame(WM_SCMDICHILDRESTORED, 0, true);
            return true;
        }
        return false;
    default:
        return false;
    }
}
