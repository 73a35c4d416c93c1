// TWinControl: the window, its class and procedure, message routing (reflection to child
// controls, windowless children's mouse, style hooks), painting, properties a window holds.
#include <algorithm>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "Controls.h"
#include "Forms.h"
#include "Menus.h"
#include "Themes.h"
#include "WideText.h"

namespace {

// The control of each of the framework's windows. Kept in the process: a window property costs a
// round trip to the window server on some systems, and every message looks its control up.
class TControlOfWindow {
public:
    TWinControl* Find(HWND wnd)
    {
        std::shared_lock lock(FGuard);
        const auto found = FControls.find(wnd);
        return found == FControls.end() ? nullptr : found->second;
    }
    void Attach(HWND wnd, TWinControl* control)
    {
        std::unique_lock lock(FGuard);
        FControls[wnd] = control;
    }
    void Detach(HWND wnd)
    {
        std::unique_lock lock(FGuard);
        FControls.erase(wnd);
    }

private:
    std::shared_mutex FGuard;
    std::unordered_map<HWND, TWinControl*> FControls;
};

TControlOfWindow& ControlOfWindow()
{
    static TControlOfWindow table;
    return table;
}
thread_local TWinControl* CreationControl = nullptr;
TControl* GMouseControl = nullptr;
TControl* GCaptureControl = nullptr;
int GNextControlId = 100;

// The window procedure of each system class the framework builds controls on.
std::map<String, WNDPROC>& SystemProcs()
{
    static std::map<String, WNDPROC> procs;
    return procs;
}

bool IsMouseMessage(UINT msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

TWinControl* ControlOfChildWindow(HWND wnd)
{
    return wnd ? TWinControl::FindControl(wnd) : nullptr;
}

} // namespace

LRESULT CALLBACK TavinWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = ControlOfWindow().Find(wnd);
    if (!control && CreationControl) {
        control = CreationControl;
        CreationControl = nullptr;
        control->FHandle = wnd;
        ControlOfWindow().Attach(wnd, control);
    }
    if (!control)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    control->MainWndProc(message);
    if (msg == WM_NCDESTROY) {
        // A parent's window takes its children's with it: their hooks go while the window is there.
        if (control->FHandle == wnd)
            control->ReleaseStyleHook();
        ControlOfWindow().Detach(wnd);
        if (control->FHandle == wnd)
            control->FHandle = nullptr;
    }
    return message.Result;
}

TControl* MouseControl() { return GMouseControl; }
TControl* CaptureControl() { return GCaptureControl; }

void SetCaptureControl(TControl* control)
{
    GCaptureControl = control;
    if (!control) {
        if (GetCapture() && TWinControl::FindControl(GetCapture()))
            ReleaseCapture();
        return;
    }
    auto* win = dynamic_cast<TWinControl*>(control);
    TWinControl* holder = win ? win : control->Parent();
    // System controls take the capture themselves when they want it.
    if (holder && holder->HandleAllocated() && (!win || holder->FDefWndProc == DefWindowProcW))
        SetCapture(holder->HandleIfAllocated());
}

void ForgetMouseControl(TControl* control)
{
    ForgetDragControl(control);
    if (GMouseControl == control)
        GMouseControl = nullptr;
    if (GCaptureControl == control)
        GCaptureControl = nullptr;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TWinControl)
{
    TAVIN_PROPERTY(int, TabOrder).Default(-1);
    TAVIN_PROPERTY(bool, TabStop);
    TAVIN_PROPERTY(bool, DoubleBuffered).Default(false);
    TAVIN_PROPERTY(bool, ParentBackground);
    TAVIN_PROPERTY(TPadding*, Padding);
    TAVIN_PROPERTY(TNotifyEvent, OnEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnExit);
    TAVIN_PROPERTY(TKeyEvent, OnKeyDown);
    TAVIN_PROPERTY(TKeyEvent, OnKeyUp);
    TAVIN_PROPERTY(TKeyPressEvent, OnKeyPress);
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), FBrush(std::make_unique<TBrush>()), FPadding(std::make_unique<TPadding>())
{
    FBrush->SetColor(Color());
    FPadding->SetOnChange([this](TObject*) { Realign(); });
}

TWinControl::~TWinControl()
{
    // Handlers do not run for a control on its way out; child windows go with the window.
    Destroying();
    DestroyHandle();
    for (TControl* c : FControls)
        c->FParent = nullptr;
    FControls.clear();
    FTabList.clear();
}

TWinControl* TWinControl::FindControl(HWND wnd)
{
    // A table of this process's own windows: another program's window is never taken for one.
    return ControlOfWindow().Find(wnd);
}

HWND TWinControl::Handle()
{
    // A parent made now makes its children's windows, this one's among them.
    if (!FHandle && FParent && !FParent->HandleAllocated())
        FParent->HandleNeeded();
    if (!FHandle) {
        FControlState.Include(csCreating);
        try {
            CreateWnd();
        } catch (...) {
            FControlState.Exclude(csCreating);
            throw;
        }
        FControlState.Exclude(csCreating);
    }
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = FText;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls))
        params.Style |= WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (FTabStop)
        params.Style |= WS_TABSTOP;
    if (UseRightToLeftReading())
        params.ExStyle |= WS_EX_RTLREADING;
    if (UseRightToLeftScrollBar())
        params.ExStyle |= WS_EX_LEFTSCROLLBAR;
    if (UseRightToLeftAlignment())
        params.ExStyle |= WS_EX_RIGHT;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.WndParent = FParentWindow;
    params.WinClassName = u"Tavin." + ClassName();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (FParent)
        params.WndParent = FParent->Handle();
    else if (params.Style & WS_CHILD && !params.WndParent)
        throw EInvalidOperation(u"Control '" + Name() + u"' has no parent window");
    if (!params.SystemClassName.empty())
        params.WinClassName = u"Tavin." + params.SystemClassName;

    WNDCLASSW existing{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoW(instance, WidePtr(params.WinClassName), &existing)) {
        WNDCLASSW wc{};
        if (!params.SystemClassName.empty()) {
            if (!GetClassInfoW(nullptr, WidePtr(params.SystemClassName), &wc))
                throw EOSError(u"Unknown window class " + params.SystemClassName);
            SystemProcs()[params.SystemClassName] = wc.lpfnWndProc;
        } else {
            wc.style = params.WindowClassStyle;
            wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
            // The program's own icon (resource MAINICON), which forms show on their caption and
            // taskbar entry; none in a module without it.
            wc.hIcon = LoadIconW(instance, L"MAINICON");
        }
        wc.hInstance = instance;
        wc.lpfnWndProc = TavinWindowProc;
        wc.lpszClassName = WidePtr(params.WinClassName);
        wc.lpszMenuName = nullptr;
        if (!RegisterClassW(&wc))
            throw EOSError(u"Cannot register the window class " + params.WinClassName);
    }
    FDefWndProc = params.SystemClassName.empty() ? DefWindowProcW : SystemProcs()[params.SystemClassName];
    CreateWindowHandle(params);
    if (!FHandle)
        throw EOSError(u"Cannot create the window of " + Name());
    UpdateStyleHook();
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
    CreateHandleState();
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->HandleNeeded();
    Realign();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    CreationControl = this;
    HMENU id = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(GNextControlId++)) : nullptr;
    HWND wnd = CreateWindowExW(params.ExStyle, WidePtr(params.WinClassName), WidePtr(params.Caption), params.Style,
                               params.X, params.Y, params.Width, params.Height, params.WndParent, id,
                               GetModuleHandleW(nullptr), nullptr);
    CreationControl = nullptr;
    if (!wnd)
        FHandle = nullptr;
}

void TWinControl::DestroyWnd()
{
    SaveHandleState();
    ReleaseStyleHook();
    if (FHandle)
        DestroyWindow(FHandle);
    FHandle = nullptr;
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    FControlState.Include(csDestroyingHandle);
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->FHandle)
            w->SaveHandleState();
    DestroyWnd();
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    FControlState.Include(csRecreating);
    bool focused = Focused();
    DestroyHandle();
    HandleNeeded();
    FControlState.Exclude(csRecreating);
    if (focused && CanFocus())
        ::SetFocus(FHandle);
}

void TWinControl::UpdateStyleHook()
{
    // The old hook goes first: its destructor undoes what it did to the window. One that is
    // handling a message now lives until that message is done.
    const bool hadHook = FStyleHook != nullptr;
    ReleaseStyleHook();
    if (!FHandle)
        return;
    try {
        FStyleHook = TCustomStyleEngine::CreateStyleHook(ClassType(), this);
    } catch (...) {
        FStyleHookFailed = true;
        if (Application)
            Application->HandleException(this);
    }
    // A hook may size the frame its own way (WM_NCCALCSIZE): have the frame measured again.
    if (hadHook || FStyleHook)
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::ReleaseStyleHook()
{
    if (FStyleHookCalls > 0 && FStyleHook)
        FRetiredStyleHooks.push_back(std::move(FStyleHook));
    FStyleHook.reset();
    FStyleHookFailed = false;
}

void TWinControl::UpdateStyleElements()
{
    if (FHandle)
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void TWinControl::CallOwnWindowProc(TMessage& message)
{
    WindowProc()(message);
}

void TWinControl::MainWndProc(TMessage& message)
{
    if (ComponentState().Contains(csDestroying)) {
        DefaultHandler(message);
        return;
    }
    try {
        if (FStyleHook) {
            ++FStyleHookCalls;
            struct TLeave {
                TWinControl* Control;
                ~TLeave()
                {
                    if (--Control->FStyleHookCalls == 0)
                        Control->FRetiredStyleHooks.clear();
                }
            } leave{this};
            if (FStyleHook->HandleMessage(message, [this](TMessage& m) { CallOwnWindowProc(m); }))
                return;
        }
        CallOwnWindowProc(message);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!FHandle || !FDefWndProc) {
        TControl::DefaultHandler(message);
        return;
    }
    message.Result = CallWindowProcW(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS: {
        TCustomForm* form = GetParentForm();
        if (form && form != this && !form->SetFocusedControl(this))
            return;
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FFocusBeforeClick && !Focused()) {
            ::SetFocus(FHandle);
            if (!Focused())
                return; // an exit check kept the focus elsewhere: the click does not happen
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (DoKeyDown(message))
            return;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (DoKeyUp(message))
            return;
        break;
    case WM_CHAR:
        if (DoKeyPress(message))
            return;
        break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR: {
        bool handled = false;
        HandleKeyMessages(message, handled);
        return;
    }
    case WM_PAINT:
        PaintMessage(message);
        return;
    case WM_ERASEBKGND:
        if (EraseBackground(reinterpret_cast<HDC>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    case WM_COMMAND:
        ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
        return;
    case WM_NOTIFY:
        ReflectToChild(message, reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom);
        return;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN: case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR: case WM_HSCROLL: case WM_VSCROLL:
        ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
        return;
    case WM_DRAWITEM:
        ReflectToChild(message, message.WParam ? reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem : nullptr);
        return;
    case WM_CONTEXTMENU: {
        // A click's point may lie on a windowless child with a menu of its own.
        TPoint at = Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
        TControl* child = at == Point(-1, -1) ? nullptr : ControlAtPos(ScreenToClient(at), false);
        if ((child && PopupContextMenu(child, at)) || PopupContextMenu(this, at)) {
            message.Result = 1;
            return;
        }
        break;
    }
    case WM_MEASUREITEM:
        ReflectToChild(message, message.WParam ? GetDlgItem(FHandle, static_cast<int>(message.WParam)) : nullptr);
        return;
    case CN_CTLCOLOREDIT: case CN_CTLCOLORLISTBOX: case CN_CTLCOLORBTN: case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORSCROLLBAR:
        message.Result = ControlColor(reinterpret_cast<HDC>(message.WParam));
        return;
    case WM_WINDOWPOSCHANGED: {
        DefaultHandler(message);
        RECT r;
        GetWindowRect(FHandle, &r);
        HWND parent = (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) ? GetParent(FHandle) : nullptr;
        if (parent)
            MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
        TRect now = FromWinRect(r);
        if (now != BoundsRect()) {
            bool resized = now.Width() != FWidth || now.Height() != FHeight;
            FLeft = now.Left;
            FTop = now.Top;
            FWidth = now.Width();
            FHeight = now.Height();
            if (!FParent || !FParent->ControlState().Contains(csAligning))
                UpdateAnchorRules();
            if (resized) {
                Realign();
                Resize();
            }
            RequestAlign();
        }
        return;
    }
    case WM_SETCURSOR:
        if (LOWORD(message.LParam) == HTCLIENT && reinterpret_cast<HWND>(message.WParam) == FHandle) {
            POINT p;
            GetCursorPos(&p);
            TControl* target = ControlAtPos(ScreenToClient(Point(p.x, p.y)), false);
            TCursor cursor = (target ? target : this)->Cursor();
            if (cursor != crDefault) {
                ::SetCursor(Screen->Cursors(cursor));
                message.Result = 1;
                return;
            }
        }
        break;
    case WM_MOUSELEAVE:
        if (GMouseControl && (GMouseControl == this || GMouseControl->Parent() == this)) {
            TControl* left = GMouseControl;
            GMouseControl = nullptr;
            left->Perform(CM_MOUSELEAVE);
        }
        break;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_FONTCHANGED:
        if (FHandle) {
            SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
            InvalidateRect(FHandle, nullptr, TRUE);
        }
        for (TControl* c : std::vector<TControl*>(FControls))
            c->Perform(CM_PARENTFONTCHANGED);
        return;
    case CM_COLORCHANGED:
        FBrush->SetColor(Color());
        Invalidate();
        for (TControl* c : std::vector<TControl*>(FControls))
            c->Perform(CM_PARENTCOLORCHANGED);
        return;
    case CM_BIDIMODECHANGED:
        RecreateWnd();
        for (TControl* c : std::vector<TControl*>(FControls))
            c->Perform(CM_PARENTBIDIMODECHANGED);
        return;
    case CM_RECREATEWND:
        RecreateWnd();
        return;
    case CM_STYLECHANGED:
        UpdateStyleHook();
        UpdateStyleElements();
        for (TControl* c : std::vector<TControl*>(FControls))
            c->Perform(CM_STYLECHANGED);
        return;
    case CM_ENABLEDCHANGED:
        if (FHandle)
            EnableWindow(FHandle, Enabled());
        return;
    case CM_VISIBLECHANGED:
        UpdateShowing();
        return;
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED: // default buttons follow the focus
        Broadcast(message);
        return;
    default:
        break;
    }
    // After the focus-before-click check, so a press on a windowless child reaches that child too.
    if (IsMouseMessage(message.Msg)) {
        bool handled = false;
        HandleChildMouse(message, handled);
        if (handled)
            return;
    }
    TControl::WndProc(message);
}

void TWinControl::ReflectToChild(TMessage& message, HWND child)
{
    TWinControl* control = ControlOfChildWindow(child);
    if (control && control != this) {
        message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return;
    }
    DefaultHandler(message);
}

LRESULT TWinControl::ControlColor(HDC dc)
{
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
    SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
    return reinterpret_cast<LRESULT>(FBrush->Handle());
}

void TWinControl::HandleChildMouse(TMessage& message, bool& handled)
{
    TWMMouse m(message);
    TControl* target = nullptr;
    if (GCaptureControl && GCaptureControl->Parent() == this && !dynamic_cast<TWinControl*>(GCaptureControl))
        target = GCaptureControl;
    else if (message.Msg != WM_MOUSEWHEEL)
        target = ControlAtPos(Point(m.XPos, m.YPos), false);
    if (message.Msg == WM_MOUSEMOVE)
        TrackMouse(target ? target : this);
    if (!target || message.Msg == WM_MOUSEWHEEL)
        return;
    handled = true;
    if (!target->Enabled())
        return;
    LPARAM lp = MAKELPARAM(static_cast<WORD>(m.XPos - target->Left()), static_cast<WORD>(m.YPos - target->Top()));
    message.Result = target->Perform(message.Msg, message.WParam, lp);
}

void TWinControl::TrackMouse(TControl* target)
{
    if (GMouseControl == target)
        return;
    TControl* previous = GMouseControl;
    GMouseControl = target;
    if (previous)
        previous->Perform(CM_MOUSELEAVE);
    target->Perform(CM_MOUSEENTER);
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
    TrackMouseEvent(&track);
}

// ---------------------------------------------------------------------------------------------
// Painting.

void TWinControl::PaintMessage(TMessage& message)
{
    HDC given = reinterpret_cast<HDC>(message.WParam);
    if (given) {
        PaintHandler(given);
        return;
    }
    if (FDefWndProc != DefWindowProcW) {
        // A system control paints itself; windowless children cannot live on it.
        DefaultHandler(message);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    if (FDoubleBuffered) {
        RECT client;
        GetClientRect(FHandle, &client);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, bitmap);
        EraseBackground(memory);
        PaintHandler(memory);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    } else {
        PaintHandler(dc);
    }
    EndPaint(FHandle, &ps);
}

void TWinControl::PaintHandler(HDC dc)
{
    int saved = SaveDC(dc);
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    if (FDefWndProc != DefWindowProcW)
        DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    auto start = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
    for (auto it = start; it != FControls.end(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        RECT r = ToWinRect(c->BoundsRect());
        if (!RectVisible(dc, &r))
            continue;
        int saved = SaveDC(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + c->Left(), origin.y + c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        RestoreDC(dc, saved);
    }
}

bool TWinControl::EraseBackground(HDC dc)
{
    if (FDefWndProc != DefWindowProcW)
        return false;
    RECT r;
    GetClipBox(dc, &r);
    TBrush* brush = (ParentBackground() && FParent) ? FParent->Brush() : FBrush.get();
    FillRect(dc, &r, brush->Handle());
    return true;
}

void TWinControl::SetDoubleBuffered(bool value)
{
    FDoubleBuffered = value;
    Invalidate();
}

void TWinControl::SetParentBackground(bool value)
{
    if (value)
        FControlStyle.Include(csParentBackground);
    else
        FControlStyle.Exclude(csParentBackground);
    Invalidate();
}

void TWinControl::Invalidate()
{
    if (FHandle)
        InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update()
{
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::Repaint()
{
    if (FHandle)
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------------------------------------
// Window state that follows the control's properties.

void TWinControl::BoundsChanged()
{
    if (FHandle)
        SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    bool resized = width != FWidth || height != FHeight;
    TControl::SetBounds(left, top, width, height);
    if (resized)
        Realign();
}

TRect TWinControl::ClientRect() const
{
    if (FHandle) {
        RECT r;
        GetClientRect(FHandle, &r);
        return FromWinRect(r);
    }
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
    return Rect(0, 0, std::max(0, FWidth - static_cast<int>(frame.right - frame.left)), std::max(0, FHeight - static_cast<int>(frame.bottom - frame.top)));
}

TPoint TWinControl::ClientOrigin() const
{
    if (!FHandle)
        return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(FHandle, &p);
    return Point(p.x, p.y);
}

void TWinControl::SetTextBuf(const String& value)
{
    FText = value;
    if (FHandle)
        SetWindowTextW(FHandle, WidePtr(value));
}

String TWinControl::GetText() const
{
    if (!FHandle)
        return FText;
    int length = GetWindowTextLengthW(FHandle);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(FHandle, buffer.data(), length + 1);
    return FromWidePtr(buffer.c_str());
}

void TWinControl::UpdateShowing()
{
    if (FHandle)
        ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
    else if (Visible() && FParent && FParent->HandleAllocated())
        HandleNeeded();
}

void TWinControl::SetZOrder(bool topMost)
{
    TControl::SetZOrder(topMost);
    if (FHandle)
        SetWindowPos(FHandle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::ChangeScale(int m, int d, bool isDpiChange)
{
    DisableAlign();
    try {
        for (TControl* c : std::vector<TControl*>(FControls))
            c->ChangeScale(m, d, isDpiChange);
        TControl::ChangeScale(m, d, isDpiChange);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}

void TWinControl::ScaleForPPI(int newPPI)
{
    ChangeScale(newPPI, CurrentPPI(), true);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FBrush->SetColor(Color());
    Realign();
}

// ---------------------------------------------------------------------------------------------
// Children.

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    control->FParent = this;
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        FTabList.push_back(w);
        if (FHandle && w->Visible())
            w->HandleNeeded();
    }
    control->UpdateAnchorRules();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
    control->Invalidate();
    Realign();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (GMouseControl == control || GCaptureControl == control)
        ForgetMouseControl(control);
    control->Invalidate();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        std::erase(FTabList, w);
        w->DestroyHandle();
    }
    std::erase(FControls, control);
    control->FParent = nullptr;
    Realign();
}

int TWinControl::IndexOfControl(TControl* control) const
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : static_cast<int>(it - FControls.begin());
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(c))
            continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled()))
            continue;
        if (!c->BoundsRect().Contains(pos))
            continue;
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(pos.X - c->Left(), pos.Y - c->Top())) != 0)
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    for (TControl* c : std::vector<TControl*>(FControls)) {
        c->WindowProc()(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TControl* c : FControls)
        if (c->Owner() == root)
            proc(c);
}

TControl* FindDragTarget(TPoint pos, bool allowDisabled)
{
    TWinControl* window = nullptr;
    for (HWND wnd = WindowFromPoint(POINT{pos.X, pos.Y}); wnd && !window; wnd = GetParent(wnd))
        window = TWinControl::FindControl(wnd);
    if (!window)
        return nullptr;
    TControl* child = window->ControlAtPos(window->ScreenToClient(pos), allowDisabled);
    return child ? child : window;
}
