// The ribbon form's window procedure: hit tests on its own border, sizing and maximising, the
// snap to the top of the screen, the glass frame and the toolbar unit's messages.
#include "RurToolBarForm.h"

#include "Math.h"
#include "RurDWM.h"
#include "RurGDIP.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"

namespace {

constexpr DWORD DoubleClickTime = 2500; // two border clicks this close toggle the vertical maximise
constexpr int SnapDistance = 20;       // a move ending this near the top of the work area maximises
constexpr int SnapRightMargin = 100;   // ... unless the pointer is this near the form's right edge

// The signed screen coordinates packed in a mouse message.
int XOf(LPARAM lParam) { return short(LOWORD(lParam)); }
int YOf(LPARAM lParam) { return short(HIWORD(lParam)); }

TRect WorkAreaOf(HWND wnd)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info))
        return Rect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return Rect(r.left, r.top, r.right, r.bottom);
}

} // namespace

void TRurToolBarForm::WndProc(TMessage& message)
{
    const UINT msg = message.Msg;
    if (!FSubClassAsRibbon || FItones) {
        RibbonWndProc(message);
        // The form snaps itself to the top when an interactive move ends there.
        if (msg == WM_ENTERSIZEMOVE)
            FInSizeMove = true, FMovedInSizeMove = false;
        else if (msg == WM_MOVING && FInSizeMove)
            FMovedInSizeMove = true;
        else if (msg == WM_EXITSIZEMOVE)
            ExitSizeMove();
        return;
    }
    if (msg == WM_DWMCOMPOSITIONCHANGED) {
        RibbonWndProc(message);
        UpdateAeroState();
        if (!FIsAeroVista && HandleAllocated()) {
            RecreateWnd();
            if (FormStyle() == fsMDIForm)
                NudgeWidth(10);
        }
        SetBorderStyle(FInitBorderStyle);
        return;
    }
    HandleToolBarMessage(message);
    if (!FIsAeroVista) {
        RibbonWndProc(message);
        return;
    }
    if (IsToolBarMessage(msg, TToolBarMessage::FUpdateContextMenu)) {
        RefreshFrame();
        return;
    }
    if (ComponentState().Contains(csLoading) && msg != WM_WINDOWPOSCHANGING && msg != WM_WINDOWPOSCHANGED &&
        msg != WM_SHOWWINDOW && msg != WM_ERASEBKGND && msg != WM_DISPLAYCHANGE) {
        RibbonWndProc(message);
        return;
    }
    if ((msg == WM_STYLECHANGING || msg == WM_STYLECHANGED || msg == WM_SETICON || msg == WM_NCCREATE) &&
        BorderStyle() != bsSingle && BorderStyle() != bsSizeable) {
        RibbonWndProc(message);
        if (msg == WM_STYLECHANGED)
            UpdateAeroState();
        return;
    }
    if (msg == WM_DESTROY || FDestroying || ComponentState().Contains(csDestroying)) {
        FDestroying = true;
        RibbonWndProc(message);
        return;
    }
    BOOL composition = FALSE;
    bool callDefault = true;
    if (HandleAllocated() && RurDWM::DynDwmIsCompositionEnabled(&composition) == S_OK)
        DwmFrameProc(message, callDefault);
    if (callDefault)
        RibbonWndProc(message);
}

bool TRurToolBarForm::HandleToolBarMessage(TMessage& message)
{
    if (IsToolBarMessage(message.Msg, TToolBarMessage::SetMetro)) {
        FDoSetMetro = false;
        SetColorTones(RibbonTones);
        return true;
    }
    if (IsToolBarMessage(message.Msg, TToolBarMessage::SetOffice2013)) {
        FDoSetMetro = false;
        SetColorTones(AppButtonTones);
        return true;
    }
    if (IsToolBarMessage(message.Msg, TToolBarMessage::RevertMetro)) {
        RecreateWnd();
        return true;
    }
    return false;
}

// The form's own handlers, each around the framework's handling.
void TRurToolBarForm::RibbonWndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE:
        TForm::WndProc(message);
        if (LOWORD(message.WParam) != WA_INACTIVE)
            Activate();
        if (FItones) {
            UpdateSysShadow();
            Invalidate();
            Update();
        }
        return;
    case WM_NCACTIVATE:
    case WM_WINDOWPOSCHANGED:
        TForm::WndProc(message);
        UpdateSysShadow();
        return;
    case WM_SIZE:
        Size(message);
        return;
    case WM_GETMINMAXINFO:
        GetMinMaxInfo(message);
        return;
    case WM_NCHITTEST:
        NCHitTest(message);
        return;
    case WM_ERASEBKGND:
        EraseBackground(message);
        return;
    case WM_WINDOWPOSCHANGING:
        WindowPosChanging(message);
        return;
    case WM_NCLBUTTONDOWN:
        NCLButtonDown(message);
        return;
    default:
        TForm::WndProc(message);
    }
}

void TRurToolBarForm::ExitSizeMove()
{
    const bool moved = FInSizeMove && FMovedInSizeMove;
    FInSizeMove = FMovedInSizeMove = false;
    if (!moved || FNoAutoMax || !FWinArrange || !HandleAllocated() || Maximized())
        return;
    TPoint cursor;
    GetCursorPos(reinterpret_cast<POINT*>(&cursor));
    const TPoint client = ScreenToClient(cursor);
    RECT r;
    GetWindowRect(Handle(), &r);
    if (client.X <= Width() - SnapRightMargin && r.top < WorkAreaOf(Handle()).Top + SnapDistance)
        SetWindowState(wsMaximized);
}

void TRurToolBarForm::RefreshFrame()
{
    // Lays the frame out and redraws it; no input is made up for it.
    if (!HandleAllocated())
        return;
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                                                     SWP_FRAMECHANGED);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- The glass frame -------------------------------------------------------------------------------

void TRurToolBarForm::DwmFrameProc(TMessage& message, bool& callDefault)
{
    LRESULT result = 0;
    callDefault = !RurDWM::DynDwmDefWindowProc(Handle(), message.Msg, message.WParam, message.LParam, &result);
    message.Result = result;
    const bool plainMaximized = Maximized() && !IsWin7ScenicMaximized();
    switch (message.Msg) {
    case WM_CREATE: {
        RECT r;
        GetWindowRect(Handle(), &r);
        SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_FRAMECHANGED);
        message.Result = 0;
        callDefault = true;
        return;
    }
    case WM_ACTIVATE: {
        const int caption = GetPagerCaptionHeight();
        const MARGINS margins{1, 1, plainMaximized ? caption + 9 : caption + GetGlassTabExtra() + 3, 1};
        const bool failed = FAILED(RurDWM::DynDwmExtendFrameIntoClientArea(Handle(), &margins));
        message.Result = failed ? 1 : 0;
        callDefault = !failed;
        return;
    }
    case WM_NCCALCSIZE: {
        if (!message.WParam)
            return;
        // The proposed client rectangle keeps its top: the caption goes.
        RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0];
        const int frame = GetSystemMetrics(SM_CXFRAME);
        switch (BorderStyle()) {
        case bsNone:
            break;
        case bsSizeable:
            r.left += frame - 1;
            r.right -= frame - 1;
            r.bottom += Maximized() ? -1 - frame : 1 - frame;
            break;
        default:
            r.left += 3;
            r.right -= 3;
            if (plainMaximized)
                r.bottom -= BorderStyle() == bsSizeToolWin ? 9 : BorderStyle() == bsSingle ? 8 : 3;
            else
                r.bottom -= 3;
        }
        message.Result = 0;
        callDefault = false;
        return;
    }
    default:
        return;
    }
}

// ---- Handlers ----------------------------------------------------------------------------------------

void TRurToolBarForm::NCHitTest(TMessage& message)
{
    TForm::WndProc(message);
    if (!FSubClassAsRibbon || BorderStyle() == bsSizeable || IsDesigning() || Maximized() || IsIconic(Handle()))
        return;
    const TPoint p = ScreenToClient(Point(XOf(message.LParam), YOf(message.LParam)));
    const int w = Width(), h = Height();
    const int sizeEdge = IsVistaOrLater() ? 12 : 13;
    // Later rules win: the corners over the sides.
    if (p.Y < 3)
        message.Result = HTTOP;
    if (p.X < 3)
        message.Result = HTLEFT;
    if (p.X > w - sizeEdge)
        message.Result = HTRIGHT;
    if (p.Y > h - sizeEdge)
        message.Result = HTBOTTOM;
    if (p.X > w - 20 && p.Y > h - 20)
        message.Result = HTBOTTOMRIGHT;
    if (p.X < 20 && p.Y < 20)
        message.Result = HTTOPLEFT;
    if (p.X > w - 20 && p.Y < 20)
        message.Result = HTTOPRIGHT;
    if (p.X < 20 && p.Y > h - 20)
        message.Result = HTBOTTOMLEFT;
}

void TRurToolBarForm::NCLButtonDown(TMessage& message)
{
    const DWORD now = GetTickCount();
    if (FIsWin7 && Maximized() && BorderIcons().Contains(biSystemMenu) && message.WParam == HTCAPTION) {
        // A maximised window is dragged off its place by its caption.
        ReleaseCapture();
        SendMessageW(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        FLastClick = now;
        return;
    }
    const int y = YOf(message.LParam);
    RECT r;
    GetWindowRect(Handle(), &r);
    const bool onTopOrBottom = y - r.top <= 2 || r.bottom - 1 - y <= 2;
    if (FLastClick != 0 && now - FLastClick < DoubleClickTime && onTopOrBottom && !Maximized()) {
        FLastClick = 0;
        if (!FDblClickMax) {
            FOldHeight = Height();
            FOldTop = Top();
            const TRect work = WorkAreaOf(Handle());
            SetBounds(Left(), work.Top, Width(), work.Height());
            FDblClickMax = true;
        } else {
            SetBounds(Left(), FOldTop, Width(), FOldHeight);
            FDblClickMax = false;
        }
        return;
    }
    FLastClick = now;
    TForm::WndProc(message);
}

void TRurToolBarForm::GetMinMaxInfo(TMessage& message)
{
    TForm::WndProc(message);
    if (!FSubClassAsRibbon || FDestroying || IsDesigning() || FIsAeroVista || !HandleAllocated())
        return;
    const int b = IsVistaOrLater() ? 0 : 6;
    HMONITOR monitor = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info))
        return;
    auto* mmi = reinterpret_cast<MINMAXINFO*>(message.LParam);
    const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    const bool maximized = Maximized();
    const int workW = info.rcWork.right - info.rcWork.left, workH = info.rcWork.bottom - info.rcWork.top;
    if (!primary && maximized) {
        if (mmi->ptMaxSize.x < workW + b || mmi->ptMaxSize.y < workH + b) {
            FMaxX = workW;
            FMaxY = workH;
            return;
        }
    }
    const int less = IsVistaOrLater() ? 0 : 3;
    mmi->ptMaxPosition.x = info.rcWork.left - info.rcMonitor.left - less;
    mmi->ptMaxPosition.y = info.rcWork.top - info.rcMonitor.top - less;
    mmi->ptMaxSize.x = workW + (!IsVistaOrLater() && maximized && !primary ? 0 : b);
    mmi->ptMaxSize.y = workH + b;
    if (maximized && !IsWin7ScenicMaximized() && !FIsWin10) {
        if (BorderStyle() == bsNone)
            mmi->ptMaxSize.y -= 1;
        // An auto-hidden task bar must stay reachable below the window.
        if (IsTaskbarAutoHide()) {
            mmi->ptMaxSize.y -= 4;
            FMaxY = mmi->ptMaxSize.y;
        }
    }
}

void TRurToolBarForm::WindowPosChanging(TMessage& message)
{
    TForm::WndProc(message);
    const TWindowState state = IsIconic(Handle()) ? wsMinimized : Maximized() ? wsMaximized : wsNormal;
    if (state == FPosState || IsDesigning())
        return;
    FPosState = state;
    if (!FIsAeroVista && state != wsMaximized && !IsVistaOrLater()) {
        FMaxX = FMaxY = 0;
        return;
    }
    if (FIsAeroVista && state == wsMaximized && IsVistaOrLater() && IsWin7ScenicMaximized() &&
        RurGDIP::GetDPIScale() == 1.0f) {
        PostMessageW(Handle(), ToolBarMessage(TToolBarMessage::FUpdateContextMenu), 0, 0);
        return;
    }
    if (FIsAeroVista && state == wsNormal && IsVistaOrLater()) {
        HMENU menu = GetSystemMenu(Handle(), FALSE);
        EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(menu, SC_SIZE, MF_BYCOMMAND | MF_ENABLED);
        EnableMenuItem(menu, SC_MOVE, MF_BYCOMMAND | MF_ENABLED);
        if (BorderIcons().Contains(biMinimize))
            EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_ENABLED);
        if (BorderIcons().Contains(biMaximize))
            EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_ENABLED);
    }
}

void TRurToolBarForm::Size(TMessage& message)
{
    if (!IsDesigning())
        PagerCheckHideState();
    const bool maximized = message.WParam == SIZE_MAXIMIZED;
    if (!FUpdatingSize && !FIsAeroVista && maximized && !IsDesigning() && !IsVistaOrLater() &&
        !IsWin7ScenicMaximized() && ((FMaxX > 0 && FMaxX < Width()) || (FMaxY > 0 && FMaxY < Height())) &&
        IsMaximizedToWorkArea()) {
        FUpdatingSize = true;
        SetBounds(Left(), Top(), FMaxX, FMaxY);
        FUpdatingSize = false;
    }
    UpdateSysShadow();
    if (FItones)
        Invalidate();
    if (!IsDesigning() && !IsVistaOrLater() && !FDoNotSizeWindow) {
        if (maximized && !IsWin7ScenicMaximized() && IsMaximizedToWorkArea()) {
            SetWindowRgn(Handle(), nullptr, TRUE);
        } else {
            HRGN region = CreateRoundRectRgn(3, 3, Width() - 3, Height() - 3, 6, 6);
            SetWindowRgn(Handle(), region, IsWindowVisible(Handle()));
        }
        Invalidate();
    }
    if (UseSingleBorder())
        Invalidate();
    TForm::WndProc(message);
    if (FIsAeroVista && FSubClassAsRibbon)
        Invalidate();
}

void TRurToolBarForm::EraseBackground(TMessage& message)
{
    if (!(FIsAeroVista && FSubClassAsRibbon)) {
        TForm::WndProc(message);
        return;
    }
    message.Result = 1;
    // A child asking for its background passes the DC in both parameters.
    if (message.WParam && message.WParam == WPARAM(message.LParam)) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        RECT r{0, ScaledSize26, ClientWidth() - 2, ClientHeight()};
        HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
}
