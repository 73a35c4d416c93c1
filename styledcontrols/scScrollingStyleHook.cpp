#include "scScrollingStyleHook.h"

#include "Math.h"

namespace {

// The frame-changed update that makes a control paint its frame anew: no move, size, z-order or
// activation.
constexpr UINT FrameChangedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

int Near(double value) { return static_cast<int>(Round(value)); }

bool Has(const TRect& r) { return r.Width() > 0 && r.Height() > 0; }

SCROLLINFO ReadScrollInfo(HWND wnd, int bar)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(wnd, bar, &info);
    return info;
}

// Makes a part of the bar hot when the point is on it and normal when it has left it; true when
// the look changed.
bool TrackHover(TThemedScrollBar& look, TThemedScrollBar normal, const TRect& part, TPoint p)
{
    const bool over = !part.IsEmpty() && part.Contains(p);
    if (over && look == normal) {
        look = ScrollLook(normal, 1);
        return true;
    }
    if (!over && look == ScrollLook(normal, 1)) {
        look = normal;
        return true;
    }
    return false;
}

} // namespace

TThemedScrollBar ScrollLook(TThemedScrollBar normal, int step) { return static_cast<TThemedScrollBar>(normal + step); }

bool IsScrollLook(TThemedScrollBar look, TThemedScrollBar normal, int step) { return look == ScrollLook(normal, step); }

// ---------------------------------------------------------------------------------------------

TscScrollWindow::TscScrollWindow(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csOverrideStylePaint));
}

void TscScrollWindow::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style |= WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_NOPARENTNOTIFY;
    if (TopmostToolWindow)
        params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TscScrollWindow::Detach()
{
    OnPaintBar = nullptr;
    OnMouseOver = nullptr;
}

void TscScrollWindow::PaintToDC(HDC dc)
{
    if (OnPaintBar)
        OnPaintBar(dc, false);
}

void TscScrollWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCHITTEST:
        // Every mouse message goes to the scroll bar underneath.
        message.Result = HTTRANSPARENT;
        if (OnMouseOver)
            OnMouseOver();
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(FHandle, &ps);
        if (OnPaintBar) {
            const HDC dc = GetWindowDC(FHandle);
            OnPaintBar(dc, true);
            ReleaseDC(FHandle, dc);
        }
        EndPaint(FHandle, &ps);
        message.Result = 0;
        return;
    }
    default:
        break;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------------

TscScrollingStyleHook::TscScrollingStyleHook(TWinControl* control) : TMouseTrackControlStyleHook(control)
{
    FOverridePaintNC = true;
}

TscScrollingStyleHook::~TscScrollingStyleHook()
{
    FInitingScrollBars = true;
    for (auto* window : {&FVertScrollWnd, &FHorzScrollWnd})
        if (*window) {
            (*window)->Detach();
            window->reset();
        }
    FInitingScrollBars = false;
}

bool TscScrollingStyleHook::CheckPopupWindow() const
{
    const HWND wnd = Handle();
    return wnd && ((GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) || (GetWindowLongW(wnd, GWL_STYLE) & WS_POPUP));
}

bool TscScrollingStyleHook::HasBorder() const
{
    const HWND wnd = Handle();
    return wnd && ((GetWindowLongW(wnd, GWL_STYLE) & WS_BORDER) || (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
}

bool TscScrollingStyleHook::HasClientEdge() const
{
    const HWND wnd = Handle();
    return wnd && (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

int TscScrollingStyleHook::BorderOffset() const { return HasBorder() ? (HasClientEdge() ? 2 : 1) : 0; }

void TscScrollingStyleHook::ResetScrollStates()
{
    FVertSliderState = tsThumbBtnVertNormal;
    FVertUpState = tsArrowBtnUpNormal;
    FVertDownState = tsArrowBtnDownNormal;
    FHorzSliderState = tsThumbBtnHorzNormal;
    FHorzUpState = tsArrowBtnLeftNormal;
    FHorzDownState = tsArrowBtnRightNormal;
}

TPoint TscScrollingStyleHook::CursorInClient() const
{
    POINT p{0, 0};
    GetCursorPos(&p);
    ScreenToClient(Handle(), &p);
    return Point(p.x, p.y);
}

// ---------------------------------------------------------------------------------------------
// Geometry.

TRect TscScrollingStyleHook::ScrollRect(LONG object) const
{
    const HWND wnd = Handle();
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!wnd || !GetScrollBarInfo(wnd, object, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
        return TRect();
    POINT corner{info.rcScrollBar.left, info.rcScrollBar.top};
    ScreenToClient(wnd, &corner);
    TRect r(corner.x, corner.y, corner.x + info.rcScrollBar.right - info.rcScrollBar.left,
            corner.y + info.rcScrollBar.bottom - info.rcScrollBar.top);
    if (object == OBJID_VSCROLL)
        r.Right = r.Left + GetSystemMetrics(SM_CXVSCROLL);
    else
        r.Bottom = r.Top + GetSystemMetrics(SM_CYHSCROLL);
    const int b = BorderOffset();
    return {r.Left + b, r.Top + b, r.Right + b, r.Bottom + b};
}

TRect TscScrollingStyleHook::VertScrollRect() const { return ScrollRect(OBJID_VSCROLL); }

TRect TscScrollingStyleHook::HorzScrollRect() const { return ScrollRect(OBJID_HSCROLL); }

TRect TscScrollingStyleHook::VertUpRect() const
{
    TRect r = VertScrollRect();
    if (r.Height() <= 0)
        return TRect();
    r.Bottom = r.Top + std::min(GetSystemMetrics(SM_CYVSCROLL), r.Height() / 2);
    return r;
}

TRect TscScrollingStyleHook::VertDownRect() const
{
    TRect r = VertScrollRect();
    if (r.Height() <= 0)
        return TRect();
    r.Top = r.Bottom - std::min(GetSystemMetrics(SM_CYVSCROLL), r.Height() / 2);
    return r;
}

TRect TscScrollingStyleHook::HorzUpRect() const
{
    TRect r = HorzScrollRect();
    if (r.Width() <= 0)
        return TRect();
    r.Right = r.Left + std::min(GetSystemMetrics(SM_CXHSCROLL), r.Width() / 2);
    return r;
}

TRect TscScrollingStyleHook::HorzDownRect() const
{
    TRect r = HorzScrollRect();
    if (r.Width() <= 0)
        return TRect();
    r.Left = r.Right - std::min(GetSystemMetrics(SM_CXHSCROLL), r.Width() / 2);
    return r;
}

TRect TscScrollingStyleHook::VertTrackRect() const
{
    TRect r = VertScrollRect();
    if (r.Width() <= 0)
        return TRect();
    r.Top += GetSystemMetrics(SM_CYVSCROLL);
    r.Bottom -= GetSystemMetrics(SM_CYVSCROLL);
    return r;
}

TRect TscScrollingStyleHook::HorzTrackRect() const
{
    TRect r = HorzScrollRect();
    if (r.Height() <= 0)
        return TRect();
    r.Left += GetSystemMetrics(SM_CXHSCROLL);
    r.Right -= GetSystemMetrics(SM_CXHSCROLL);
    return r;
}

TRect TscScrollingStyleHook::SliderRect(bool vertical) const
{
    const HWND wnd = Handle();
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!wnd || !GetScrollBarInfo(wnd, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info) ||
        (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)))
        return TRect();
    POINT corner{info.rcScrollBar.left, info.rcScrollBar.top};
    ScreenToClient(wnd, &corner);
    const int b = BorderOffset();
    // The system's thumb, along the bar's axis ("length" runs along it, "across" across it).
    TRect r;
    if (vertical)
        r = TRect(corner.x + b, info.xyThumbTop + b, corner.x + GetSystemMetrics(SM_CXHSCROLL) + b, info.xyThumbBottom + b);
    else
        r = TRect(info.xyThumbTop + b, corner.y + b, info.xyThumbBottom + b, corner.y + GetSystemMetrics(SM_CYVSCROLL) + b);
    const int w = vertical ? info.rcScrollBar.right - info.rcScrollBar.left : info.rcScrollBar.bottom - info.rcScrollBar.top;
    if (GetSystemMetrics(vertical ? SM_CXHSCROLL : SM_CYVSCROLL) == w)
        return r;
    // The system draws its bar at another size: its thumb is mapped onto the styled track.
    const SCROLLINFO scroll = ReadScrollInfo(wnd, vertical ? SB_VERT : SB_HORZ);
    const int m = GetSystemMetrics(vertical ? SM_CXHSCROLL : SM_CYVSCROLL) / 2;
    const TRect t = vertical ? VertTrackRect() : HorzTrackRect();
    const TRect s = vertical ? VertScrollRect() : HorzScrollRect();
    const auto start = [vertical](const TRect& x) { return vertical ? x.Top : x.Left; };
    const auto length = [vertical](const TRect& x) { return vertical ? x.Height() : x.Width(); };
    const auto place = [&](int from, int size) {
        if (vertical) {
            r.Top = from;
            r.Bottom = from + size;
        } else {
            r.Left = from;
            r.Right = from + size;
        }
    };
    const float o = static_cast<float>(start(r) - start(s) - w);
    if (scroll.nPage != 0) {
        const float h = static_cast<float>(length(s) - 2 * w);
        if (h <= 0)
            return r;
        const int l = static_cast<int>(length(r) * (length(t) / h));
        if (l >= m) {
            place(start(t) + static_cast<int>(length(t) * (o / h)), l);
        } else {
            const float room = h - length(r);
            if (room <= 0)
                return r;
            place(start(t) + static_cast<int>((length(t) - m) * (o / room)), m);
        }
    } else {
        const float h = static_cast<float>(length(s) - 3 * w);
        if (h <= 0)
            return r;
        place(start(t) + static_cast<int>((length(t) - m) * (o / h)), m);
    }
    return r;
}

TRect TscScrollingStyleHook::VertSliderRect() const { return SliderRect(true); }

TRect TscScrollingStyleHook::HorzSliderRect() const { return SliderRect(false); }

// ---------------------------------------------------------------------------------------------
// The scroll windows.

std::unique_ptr<TscScrollWindow> TscScrollingStyleHook::MakeScrollWindow(bool vertical)
{
    std::unique_ptr<TscScrollWindow> window(TWinControl::CreateParented<TscScrollWindow>(GetParent(Handle())));
    window->Vertical = vertical;
    window->TopmostToolWindow = FIsPopupWindow;
    window->OnPaintBar = [this, vertical](HDC dc, bool ownWindow) {
        if (FControl->Width() <= 0 || FControl->Height() <= 0)
            return;
        if (!ownWindow) {
            PaintScrollBar(dc, vertical);
            return;
        }
        // The window's corner is the bar's corner in the control's window coordinates.
        const TRect bar = vertical ? VertScrollRect() : HorzScrollRect();
        POINT old;
        SetWindowOrgEx(dc, bar.Left, bar.Top, &old);
        PaintScrollBar(dc, vertical);
        SetWindowOrgEx(dc, old.x, old.y, nullptr);
    };
    window->OnMouseOver = [this] { MouseOverScrollWindow(); };
    window->HandleNeeded();
    return window;
}

void TscScrollingStyleHook::MouseOverScrollWindow()
{
    if (FIsMouseInScrolls || CheckPopupWindow())
        return;
    FIsMouseInScrolls = true;
    if (IsWindowsXP()) {
        FNeedUpdateNCArea = true;
        SendMessageW(Handle(), WM_NCPAINT, 1, 0);
    } else {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, FrameChangedFlags);
    }
}

bool TscScrollingStyleHook::ScrollWindowBounds(bool vertical, TRect& bounds) const
{
    TRect r = vertical ? VertScrollRect() : HorzScrollRect();
    if (r.IsEmpty())
        return false;
    if (FControl->BiDiMode() == bdRightToLeft) {
        if (vertical) {
            const int shift = HasBorder() ? (HasClientEdge() ? 2 : 1) : 0;
            r = TRect(shift, r.Top, shift + r.Width(), r.Bottom);
        } else if (const TRect v = VertScrollRect(); !v.IsEmpty()) {
            r = TRect(r.Left + v.Width(), r.Top, r.Right + v.Width(), r.Bottom);
        }
    }
    RECT window;
    GetWindowRect(Handle(), &window);
    POINT origin{window.left, window.top};
    if (!FIsPopupWindow)
        ScreenToClient(GetParent(Handle()), &origin);
    bounds = TRect(origin.x + r.Left, origin.y + r.Top, origin.x + r.Right, origin.y + r.Bottom);
    return true;
}

void TscScrollingStyleHook::PlaceScrollWindow(TscScrollWindow* window, bool creating)
{
    if (!window || !window->HandleAllocated())
        return;
    const HWND wnd = window->HandleIfAllocated();
    TRect bounds;
    const bool present = ScrollWindowBounds(window->Vertical, bounds);
    if (present)
        SetWindowPos(wnd, FIsPopupWindow ? HWND_TOPMOST : HWND_TOP, bounds.Left, bounds.Top, bounds.Width(),
                     bounds.Height(), creating ? SWP_NOREDRAW : SWP_SHOWWINDOW);
    const bool shown = present && (FControl->Visible() || FIsPopupWindow);
    ShowWindow(wnd, shown ? SW_SHOW : SW_HIDE);
}

void TscScrollingStyleHook::CreateScrollWindows()
{
    if (FInitingScrollBars || !Handle() || !GetParent(Handle()))
        return;
    FInitingScrollBars = true;
    ResetScrollStates();
    FIsPopupWindow = CheckPopupWindow();
    FVertScrollWnd = MakeScrollWindow(true);
    PlaceScrollWindow(FVertScrollWnd.get(), true);
    FHorzScrollWnd = MakeScrollWindow(false);
    PlaceScrollWindow(FHorzScrollWnd.get(), true);
    FInitingScrollBars = false;
}

void TscScrollingStyleHook::PlaceScrollWindows()
{
    const bool lost = (FVertScrollWnd && !FVertScrollWnd->HandleAllocated()) ||
                      (FHorzScrollWnd && !FHorzScrollWnd->HandleAllocated());
    if (lost) {
        // The parent's window was made anew and took the scroll windows with it.
        for (auto* window : {&FVertScrollWnd, &FHorzScrollWnd})
            if (*window) {
                (*window)->Detach();
                window->reset();
            }
        CreateScrollWindows();
        return;
    }
    if (!FControl->Visible() && !FIsPopupWindow)
        return;
    PlaceScrollWindow(FVertScrollWnd.get(), false);
    PlaceScrollWindow(FHorzScrollWnd.get(), false);
}

void TscScrollingStyleHook::ShowScrollWindows(bool show)
{
    for (TscScrollWindow* window : {FVertScrollWnd.get(), FHorzScrollWnd.get()})
        if (window && window->HandleAllocated()) {
            TRect bounds;
            ShowWindow(window->HandleIfAllocated(), show && ScrollWindowBounds(window->Vertical, bounds) ? SW_SHOW : SW_HIDE);
        }
}

void TscScrollingStyleHook::RepaintScrollWindows()
{
    if (FInitingScrollBars)
        return;
    for (TscScrollWindow* window : {FVertScrollWnd.get(), FHorzScrollWnd.get()})
        if (window && window->HandleAllocated())
            RedrawWindow(window->HandleIfAllocated(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------------------------
// Painting.

void TscScrollingStyleHook::PaintScrollBar(HDC dc, bool vertical)
{
    const TRect bar = vertical ? VertScrollRect() : HorzScrollRect();
    if (!Handle() || !dc || bar.Width() < 1 || bar.Height() < 1)
        return;
    auto bitmap = MakeBitmap32(bar.Width(), bar.Height());
    const HDC mem = bitmap->Canvas()->Handle();
    SetWindowOrgEx(mem, bar.Left, bar.Top, nullptr);
    TCustomStyleServices* style = StyleServices();
    if (style && style->Available()) {
        const TRect up = vertical ? VertUpRect() : HorzUpRect();
        const TRect down = vertical ? VertDownRect() : HorzDownRect();
        const TRect thumb = vertical ? VertSliderRect() : HorzSliderRect();
        TRect track = bar;
        if (vertical) {
            track.Top = up.Bottom;
            track.Bottom = down.Top;
        } else {
            track.Left = up.Right;
            track.Right = down.Left;
        }
        if (Has(track))
            style->DrawElement(mem, TCustomStyleServices::GetElementDetails(vertical ? tsUpperTrackVertNormal
                                                                                     : tsUpperTrackHorzNormal),
                               track);
        const int dpi = FControl->CurrentPPI();
        if (Has(thumb))
            style->DrawElement(mem, TCustomStyleServices::GetElementDetails(vertical ? FVertSliderState : FHorzSliderState),
                               thumb, nullptr, dpi);
        // A bar without a thumb has nothing to scroll: its arrows look disabled.
        const bool live = vertical ? thumb.Height() != 0 : thumb.Width() >= 1;
        const TThemedScrollBar first = vertical ? (live ? FVertUpState : tsArrowBtnUpDisabled)
                                                : (live ? FHorzUpState : tsArrowBtnLeftDisabled);
        const TThemedScrollBar second = vertical ? (live ? FVertDownState : tsArrowBtnDownDisabled)
                                                 : (live ? FHorzDownState : tsArrowBtnRightDisabled);
        style->DrawElement(mem, TCustomStyleServices::GetElementDetails(first), up, nullptr, dpi);
        style->DrawElement(mem, TCustomStyleServices::GetElementDetails(second), down, nullptr, dpi);
    }
    SetWindowOrgEx(mem, 0, 0, nullptr);
    BitBlt(dc, bar.Left, bar.Top, bar.Width(), bar.Height(), mem, 0, 0, SRCCOPY);
}

void TscScrollingStyleHook::PaintVertScrollBar(HDC dc) { PaintScrollBar(dc, true); }

void TscScrollingStyleHook::PaintHorzScrollBar(HDC dc) { PaintScrollBar(dc, false); }

void TscScrollingStyleHook::PaintBorderAndCorner()
{
    TCustomStyleServices* style = StyleServices();
    if (style && style->Available())
        style->PaintBorder(FControl, true);
    const HWND wnd = Handle();
    const LONG styleBits = GetWindowLongW(wnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
    if ((exStyle & WS_EX_CLIENTEDGE) || (styleBits & WS_BORDER) || !(styleBits & WS_HSCROLL) || !(styleBits & WS_VSCROLL))
        return;
    RECT window;
    GetWindowRect(wnd, &window);
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = (exStyle & WS_EX_LEFTSCROLLBAR) ? 0 : width - cx;
    const HDC dc = GetWindowDC(wnd);
    const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(GetStyleSystemColor(clBtnFace, FControl))));
    const RECT corner{left, height - cy, left + cx, height};
    FillRect(dc, &corner, brush);
    DeleteObject(brush);
    ReleaseDC(wnd, dc);
}

void TscScrollingStyleHook::PaintFrameToDC(HDC dc)
{
    const HWND wnd = Handle();
    TRect r(0, 0, FControl->Width(), FControl->Height());
    const LONG styleBits = GetWindowLongW(wnd, GWL_STYLE);
    if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
        StyleServices()->DrawElement(dc, TCustomStyleServices::GetElementDetails(teEditTextNormal), r);
        r = InsetRect(r, 2, 2);
    } else if (styleBits & WS_BORDER) {
        const HPEN pen = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(GetStyleSystemColor(clWindowFrame, FControl))));
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    if ((styleBits & WS_HSCROLL) && (styleBits & WS_VSCROLL)) {
        const int cx = GetSystemMetrics(SM_CXVSCROLL);
        const int cy = GetSystemMetrics(SM_CYHSCROLL);
        const int left = (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) ? r.Left : r.Right - cx;
        const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(GetStyleSystemColor(clBtnFace, FControl))));
        const RECT corner{left, r.Bottom - cy, left + cx, r.Bottom};
        FillRect(dc, &corner, brush);
        DeleteObject(brush);
    }
}

void TscScrollingStyleHook::Paint(TCanvas*) { RepaintScrollWindows(); }

void TscScrollingStyleHook::PaintBackground(TCanvas* canvas)
{
    canvas->Brush()->SetColor(FBrush->Color());
    canvas->FillRect(FControl->ClientRect());
    RepaintScrollWindows();
}

void TscScrollingStyleHook::PaintNC(TCanvas*)
{
    if (FInitingScrollBars)
        return;
    PaintBorderAndCorner();
    if (!FVertScrollWnd)
        CreateScrollWindows();
    PlaceScrollWindows();
    RepaintScrollWindows();
}

void TscScrollingStyleHook::MouseLeave()
{
    if (!FLeftButtonDown)
        FIsMouseInScrolls = false;
    for (auto [look, normal] : {std::pair{&FVertSliderState, tsThumbBtnVertNormal}, {&FVertUpState, tsArrowBtnUpNormal},
                                {&FVertDownState, tsArrowBtnDownNormal}, {&FHorzSliderState, tsThumbBtnHorzNormal},
                                {&FHorzUpState, tsArrowBtnLeftNormal}, {&FHorzDownState, tsArrowBtnRightNormal}})
        if (IsScrollLook(*look, normal, 1))
            *look = normal;
    RepaintScrollWindows();
}

// ---------------------------------------------------------------------------------------------
// The mouse.

TPoint TscScrollingStyleHook::NCPoint(const TMessage& message) const
{
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    ScreenToClient(Handle(), &p);
    const int b = BorderOffset();
    return Point(p.x + b, p.y + b);
}

void TscScrollingStyleHook::NCButtonDown(TMessage& message)
{
    const TPoint p = NCPoint(message);
    POINT cursor;
    GetCursorPos(&cursor);
    const auto startDrag = [&](int bar, int cursorPos, TThemedScrollBar& look, TThemedScrollBar pressed) {
        FLeftButtonDown = true;
        const SCROLLINFO info = ReadScrollInfo(Handle(), bar);
        FListPos = FScrollPos = static_cast<float>(info.nPos);
        FPrevScrollPos = cursorPos;
        look = pressed;
        RepaintScrollWindows();
        SetCapture(Handle());
        FHandled = true;
    };
    if (VertTrackRect().Height() > 0 && VertSliderRect().Contains(p)) {
        startDrag(SB_VERT, cursor.y, FVertSliderState, tsThumbBtnVertPressed);
        return;
    }
    if (HorzTrackRect().Width() > 0 && HorzSliderRect().Contains(p)) {
        startDrag(SB_HORZ, cursor.x, FHorzSliderState, tsThumbBtnHorzPressed);
        return;
    }
    // The arrows of a bar with a thumb; the control's own bar does the scrolling.
    if (Has(VertSliderRect())) {
        if (VertUpRect().Contains(p))
            FVertUpState = tsArrowBtnUpPressed;
        if (VertDownRect().Contains(p))
            FVertDownState = tsArrowBtnDownPressed;
    }
    if (Has(HorzSliderRect())) {
        if (HorzUpRect().Contains(p))
            FHorzUpState = tsArrowBtnLeftPressed;
        if (HorzDownRect().Contains(p))
            FHorzDownState = tsArrowBtnRightPressed;
    }
    RepaintScrollWindows();
}

bool TscScrollingStyleHook::DragCursor(bool vertical, int& pos, int& low, int& high) const
{
    const TRect track = vertical ? VertTrackRect() : HorzTrackRect();
    if ((vertical ? track.Height() : track.Width()) == 0)
        return false;
    // Window coordinates less the border are client coordinates.
    const int b = BorderOffset();
    POINT a{track.Left - b, track.Top - b};
    POINT z{track.Right - b, track.Bottom - b};
    ClientToScreen(Handle(), &a);
    ClientToScreen(Handle(), &z);
    POINT cursor;
    GetCursorPos(&cursor);
    pos = vertical ? cursor.y : cursor.x;
    low = vertical ? a.y : a.x;
    high = vertical ? z.y : z.x;
    return true;
}

bool TscScrollingStyleHook::FollowsCursor(int pos, int low, int high)
{
    if (pos < low && pos >= FPrevScrollPos) {
        FPrevScrollPos = low;
        return false;
    }
    if (pos > high && pos <= FPrevScrollPos) {
        FPrevScrollPos = high;
        return false;
    }
    return true;
}

void TscScrollingStyleHook::ThumbDrag(bool vertical)
{
    int pos, low, high;
    if (!DragCursor(vertical, pos, low, high) || !FollowsCursor(pos, low, high))
        return;
    const int bar = vertical ? SB_VERT : SB_HORZ;
    SCROLLINFO info = ReadScrollInfo(Handle(), bar);
    if (Near(FScrollPos) != info.nPos)
        FScrollPos = static_cast<float>(info.nPos);
    FScrollPos += static_cast<float>(pos - FPrevScrollPos) / static_cast<float>(high - low) *
                  static_cast<float>(info.nMax - info.nMin);
    FScrollPos = std::clamp(FScrollPos, static_cast<float>(info.nMin), static_cast<float>(info.nMax));
    if (info.nPage != 0 && Near(FScrollPos) > info.nMax - static_cast<int>(info.nPage) + 1)
        FScrollPos = static_cast<float>(info.nMax - static_cast<int>(info.nPage) + 1);
    FPrevScrollPos = pos;
    if (Near(FScrollPos) != info.nPos) {
        info.fMask = SIF_POS;
        info.nPos = Near(FScrollPos);
        SetScrollInfo(Handle(), bar, &info, FALSE);
        PostMessageW(Handle(), vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, Near(FScrollPos)), 0);
        RepaintScrollWindows();
    }
    FHandled = true;
}

void TscScrollingStyleHook::ButtonUp()
{
    if (!FMouseInControl && FLeftButtonDown)
        FIsMouseInScrolls = false;
    const TPoint c = CursorInClient();
    const auto endDrag = [&](UINT scrollMessage, TThemedScrollBar& look, TThemedScrollBar normal, const TRect& thumb) {
        PostMessageW(Handle(), scrollMessage, MAKEWPARAM(SB_THUMBPOSITION, Near(FScrollPos)), 0);
        FLeftButtonDown = false;
        look = thumb.Contains(c) ? ScrollLook(normal, 1) : normal;
        RepaintScrollWindows();
        FHandled = true;
        ReleaseCapture();
        PostMessageW(Handle(), scrollMessage, SB_ENDSCROLL, 0);
    };
    if (FVertSliderState == tsThumbBtnVertPressed) {
        endDrag(WM_VSCROLL, FVertSliderState, tsThumbBtnVertNormal, VertSliderRect());
        return;
    }
    if (FHorzSliderState == tsThumbBtnHorzPressed) {
        endDrag(WM_HSCROLL, FHorzSliderState, tsThumbBtnHorzNormal, HorzSliderRect());
        return;
    }
    for (auto [look, normal, part] : {std::tuple{&FVertUpState, tsArrowBtnUpNormal, VertUpRect()},
                                      {&FVertDownState, tsArrowBtnDownNormal, VertDownRect()},
                                      {&FHorzUpState, tsArrowBtnLeftNormal, HorzUpRect()},
                                      {&FHorzDownState, tsArrowBtnRightNormal, HorzDownRect()}})
        if (IsScrollLook(*look, normal, 2))
            *look = part.Contains(c) ? ScrollLook(normal, 1) : normal;
    FLeftButtonDown = false;
    RepaintScrollWindows();
}

void TscScrollingStyleHook::NCHover(const TMessage& message)
{
    const TPoint p = NCPoint(message);
    bool changed = false;
    const bool vert = Has(VertSliderRect());
    const bool horz = Has(HorzSliderRect());
    if (vert)
        changed |= TrackHover(FVertSliderState, tsThumbBtnVertNormal, VertSliderRect(), p);
    if (horz)
        changed |= TrackHover(FHorzSliderState, tsThumbBtnHorzNormal, HorzSliderRect(), p);
    if (vert) {
        changed |= TrackHover(FVertDownState, tsArrowBtnDownNormal, VertDownRect(), p);
        changed |= TrackHover(FVertUpState, tsArrowBtnUpNormal, VertUpRect(), p);
    }
    if (horz) {
        changed |= TrackHover(FHorzDownState, tsArrowBtnRightNormal, HorzDownRect(), p);
        changed |= TrackHover(FHorzUpState, tsArrowBtnLeftNormal, HorzUpRect(), p);
    }
    if (changed)
        RepaintScrollWindows();
}

void TscScrollingStyleHook::NCButtonUp(TMessage& message)
{
    const TPoint p = NCPoint(message);
    if (!FMouseInControl)
        FIsMouseInScrolls = false;
    FHandled = true;
    if (FVertSliderState == tsThumbBtnVertPressed || FHorzSliderState == tsThumbBtnHorzPressed) {
        FLeftButtonDown = false;
        if (FVertSliderState == tsThumbBtnVertPressed)
            FVertSliderState = tsThumbBtnVertNormal;
        else
            FHorzSliderState = tsThumbBtnHorzNormal;
        RepaintScrollWindows();
        return;
    }
    const bool vert = Has(VertSliderRect());
    const bool horz = Has(HorzSliderRect());
    const auto settle = [&](TThemedScrollBar& look, TThemedScrollBar normal, const TRect& part) {
        look = part.Contains(p) ? ScrollLook(normal, 1) : normal;
    };
    if (vert) {
        settle(FVertUpState, tsArrowBtnUpNormal, VertUpRect());
        settle(FVertDownState, tsArrowBtnDownNormal, VertDownRect());
    }
    if (horz) {
        settle(FHorzUpState, tsArrowBtnLeftNormal, HorzUpRect());
        settle(FHorzDownState, tsArrowBtnRightNormal, HorzDownRect());
    }
    CallDefaultProc(message);
    if (vert || horz)
        RepaintScrollWindows();
}

void TscScrollingStyleHook::CaptureChanged(TMessage& message)
{
    const TPoint c = CursorInClient();
    for (auto [look, normal, part] : {std::tuple{&FVertUpState, tsArrowBtnUpNormal, VertUpRect()},
                                      {&FVertDownState, tsArrowBtnDownNormal, VertDownRect()},
                                      {&FHorzUpState, tsArrowBtnLeftNormal, HorzUpRect()},
                                      {&FHorzDownState, tsArrowBtnRightNormal, HorzDownRect()}})
        if (IsScrollLook(*look, normal, 2)) {
            *look = part.Contains(c) ? ScrollLook(normal, 1) : normal;
            RepaintScrollWindows();
        }
    CallDefaultProc(message);
    FHandled = true;
}

// ---------------------------------------------------------------------------------------------

TColor ViewItemTextColor(TCustomStyleServices* style)
{
    TColor color = clNone;
    if (!style->GetElementColor(TCustomStyleServices::GetElementDetails(ttItemNormal), ecTextColor, color) ||
        color == clNone)
        color = style->GetSystemColor(clWindowText);
    return color;
}

void TscScrollingStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        NCButtonDown(message);
        return;
    case WM_MOUSEMOVE:
        TMouseTrackControlStyleHook::WndProc(message);
        if (FVertSliderState == tsThumbBtnVertPressed) {
            ThumbDrag(true);
            return;
        }
        if (FHorzSliderState == tsThumbBtnHorzPressed) {
            ThumbDrag(false);
            return;
        }
        for (auto [look, normal] : {std::pair{&FVertSliderState, tsThumbBtnVertNormal},
                                    {&FHorzSliderState, tsThumbBtnHorzNormal}, {&FVertUpState, tsArrowBtnUpNormal},
                                    {&FVertDownState, tsArrowBtnDownNormal}, {&FHorzUpState, tsArrowBtnLeftNormal},
                                    {&FHorzDownState, tsArrowBtnRightNormal}})
            if (IsScrollLook(*look, normal, 1)) {
                *look = normal;
                RepaintScrollWindows();
            }
        CallDefaultProc(message);
        if (FLeftButtonDown)
            RepaintScrollWindows();
        FHandled = true;
        return;
    case WM_LBUTTONUP:
        ButtonUp();
        return;
    case WM_NCMOUSEMOVE:
        TMouseTrackControlStyleHook::WndProc(message);
        NCHover(message);
        return;
    case WM_NCLBUTTONUP:
        NCButtonUp(message);
        return;
    case WM_SIZE:
        CallDefaultProc(message);
        PlaceScrollWindows();
        FHandled = true;
        return;
    case WM_MOVE:
        CallDefaultProc(message);
        if (FVertScrollWnd || FHorzScrollWnd)
            SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, FrameChangedFlags);
        PlaceScrollWindows();
        FHandled = true;
        return;
    case WM_WINDOWPOSCHANGED:
        CallDefaultProc(message);
        if (reinterpret_cast<WINDOWPOS*>(message.LParam)->flags & SWP_HIDEWINDOW)
            ShowScrollWindows(false);
        else
            PlaceScrollWindows();
        FHandled = true;
        return;
    case WM_SHOWWINDOW:
        CallDefaultProc(message);
        ShowScrollWindows(message.WParam != 0);
        FHandled = true;
        return;
    case CM_VISIBLECHANGED:
        if (Handle())
            ShowScrollWindows(FControl->Visible());
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
        CallDefaultProc(message);
        RepaintScrollWindows();
        FHandled = true;
        return;
    case WM_CAPTURECHANGED:
        CaptureChanged(message);
        return;
    case WM_NCPAINT:
        if (IsWindowsXP() && FNeedUpdateNCArea) {
            // That system paints its own frame first once the mouse came over the bars.
            if (FCallNCDefPaint)
                return;
            FCallNCDefPaint = true;
            try {
                CallDefaultProc(message);
            } catch (...) {
                FCallNCDefPaint = FNeedUpdateNCArea = false;
                throw;
            }
            FCallNCDefPaint = FNeedUpdateNCArea = false;
        }
        break;
    case CM_SCCANPAINTTODC:
        message.Result = ScCanPaintToDCAnswer;
        FHandled = true;
        return;
    case CM_SCPAINTTODC:
        PaintFrameToDC(reinterpret_cast<HDC>(message.WParam));
        if (!FInitingScrollBars)
            for (TscScrollWindow* window : {FVertScrollWnd.get(), FHorzScrollWnd.get()})
                if (window)
                    window->PaintToDC(reinterpret_cast<HDC>(message.WParam));
        FHandled = true;
        return;
    default:
        break;
    }
    TMouseTrackControlStyleHook::WndProc(message);
}
