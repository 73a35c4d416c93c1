// The toolbar dragged by its grip or floating caption: within and between dock rows, out into a
// floating window of its own, and back into a dock panel; the floating window's life and its
// watch over the form's visibility.
#include <algorithm>

#include "Forms.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Floating.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

namespace {

constexpr UINT_PTR FloatingTimerId = 500;
constexpr int DockMargin = 15;
constexpr int BreakOut = 26;

// The panel's window on the screen, widened into the side it is open to.
TRect DockTargetRect(TRurDockPanel* panel)
{
    const TPoint origin = panel->ClientOrigin();
    TRect r{origin.X, origin.Y, origin.X + panel->Width(), origin.Y + panel->Height()};
    switch (panel->Align()) {
    case daLeft:
        r.Right += DockMargin;
        break;
    case daTop:
        r.Bottom += DockMargin;
        break;
    case daRight:
        r.Left -= DockMargin;
        break;
    case daBottom:
        r.Top -= DockMargin;
        break;
    }
    return r;
}

TCustomForm* FormOf(TControl* control)
{
    for (TControl* c = control; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

} // namespace

// ---- Floating window ---------------------------------------------------------------------------

void TRurCustomToolBar::MakeFloating(int x, int y, bool usePoint)
{
    if (OnRibbonPage() || OnCompactWindow() || FFloatingWindow || FToolBarState == tsFloating)
        return;
    auto* window = new TFloatingWindow(Owner());
    window->SetBorderIcons({});
    window->SetBorderStyle(bsNone);
    window->SetFormStyle(fsStayOnTop);
    window->SetPosition(poDesigned);
    window->SetScaled(true);
    const TCustomRurToolBarStyler* styler = FCurrentToolBarStyler;
    window->SetBorderWidth(styler->FloatingWindowBorderWidth());
    window->SetBorderColor(styler->FloatingWindowBorderColor());
    window->SetColor(styler->Color()->ColorTo() == clNone ? styler->Color()->Color() : styler->Color()->ColorTo());
    TPoint p{x, y};
    if (!usePoint) {
        POINT cursor{};
        GetCursorPos(&cursor);
        p = TPoint{cursor.x, cursor.y};
    }
    FSizeAtDock = GetRowSize(true);
    ShowAllHiddenControls();
    FFloatingWindow = window;
    window->FreeNotification(this);
    SetParent(window);
    window->SetRurCustomToolBar(this);
    window->SetWindowSize();
    window->SetBounds(p.X, p.Y, window->Width(), window->Height());
    // The window follows the form of the last dock panel; a toolbar never docked follows its own
    // owner's form.
    FParentForm = FLastDock ? FormOf(FLastDock) : dynamic_cast<TCustomForm*>(Owner());
    if (FParentForm)
        FParentForm->FreeNotification(this);
    if (!FParentForm || FParentForm->Visible())
        window->ShowFloating();
    else
        FAutoHiding = true;
    window->SetWindowSize();
    window->SetBounds(p.X, p.Y, window->Width(), window->Height());
    window->SetSizeInit(true);
    FTimerID = SetTimer(Handle(), FloatingTimerId, 40, nullptr);
}

void TRurCustomToolBar::SetToolBarFloating(TPoint p)
{
    if (FToolBarState == tsFloating || FFloatingWindow) {
        if (FFloatingWindow)
            FFloatingWindow->SetBounds(p.X, p.Y, FFloatingWindow->Width(), FFloatingWindow->Height());
        return;
    }
    MakeFloating(p.X, p.Y, true);
}

void TRurCustomToolBar::FreeFloatingWindow()
{
    TFloatingWindow* window = FFloatingWindow;
    FFloatingWindow = nullptr;
    if (!window)
        return;
    window->SetRurCustomToolBar(nullptr);
    delete window;
}

void TRurCustomToolBar::CloseFloating()
{
    if (FToolBarState != tsFloating)
        return;
    if (FAutoDockOnClose && FLastDock) {
        SetParent(FLastDock);
        FreeFloatingWindow();
        return;
    }
    if (FFloatingWindow)
        FFloatingWindow->SetVisible(false);
    SetVisible(false);
    if (FOnClose)
        FOnClose(this);
}

void TRurCustomToolBar::FloatingTimer()
{
    if (!FParentForm || !FFloatingWindow)
        return;
    if (!FParentForm->Visible() && FFloatingWindow->Visible()) {
        FFloatingWindow->SetVisible(false);
        FAutoHiding = true;
    } else if (FParentForm->Visible() && !FFloatingWindow->Visible() && FAutoHiding) {
        FAutoHiding = false;
        FFloatingWindow->ShowFloating();
    }
}

bool TRurCustomToolBar::PtInFloatingCaption(int x, int y) const
{
    if (FToolBarState != tsFloating)
        return false;
    TRect band = GetCaptionRect();
    if (FShowOptionIndicator)
        band.Right = GetOptionButtonRect().Left;
    else if (FShowClose)
        band.Right = GetCloseButtonRect().Left;
    return band.Contains(Point(x, y));
}

// ---- Drag --------------------------------------------------------------------------------------

void TRurCustomToolBar::DragToolBar(TShiftState shift, int x, int y)
{
    BuildDockList();
    FOldMouseX = x;
    FOldMouseY = y;
    SetCapture(Handle());
    FDragging = true;
    MSG msg;
    // The window may be made again when the parent changes: the capture follows it (DragMove).
    while (FDragging && HandleAllocated() && GetCapture() == Handle()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd) {
            // Where the move happened, in the toolbar's client coordinates now.
            POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
            MapWindowPoints(msg.hwnd, Handle(), &p, 1);
            DragMove(shift, p.x, p.y);
        } else if (msg.message == WM_LBUTTONUP) {
            EndDrag();
            break;
        } else {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    EndDrag();
}

void TRurCustomToolBar::EndDrag()
{
    if (Screen && Screen->Cursor() == crSizeAll)
        Screen->SetCursor(crDefault);
    FDragging = false;
    if (HandleAllocated() && GetCapture() == Handle())
        ReleaseCapture();
    FDockList.clear();
}

void TRurCustomToolBar::BuildDockList()
{
    FDockList.clear();
    if (FDockMode == dmParentDockPanelOnly && FLastDock)
        CollectDockPanels(FLastDock);
    else if (FDockMode == dmAllParentDockPanels && FLastDock && FLastDock->Parent())
        CollectDockPanels(FLastDock->Parent());
    else if (TCustomForm* root = FLastDock ? FormOf(FLastDock) : FormOf(this))
        CollectDockPanels(root);
    else if (auto* owner = dynamic_cast<TCustomForm*>(Owner()))
        // A toolbar never docked searches its owner's form.
        CollectDockPanels(owner);
}

void TRurCustomToolBar::CollectDockPanels(TWinControl* control)
{
    if (!control || ContainsControl(control) || !control->Showing())
        return;
    if (auto* panel = dynamic_cast<TRurDockPanel*>(control)) {
        const bool listed = std::any_of(FDockList.begin(), FDockList.end(),
                                        [panel](const TDockTarget& t) { return t.Panel == panel; });
        if (!listed && CanDockTo(panel))
            FDockList.push_back({panel, DockTargetRect(panel)});
        return;
    }
    for (int i = 0; i < control->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
        if (child && (FDockMode == dmAll || (FDockMode == dmAllParentDockPanels && dynamic_cast<TRurDockPanel*>(child))))
            CollectDockPanels(child);
    }
}

void TRurCustomToolBar::RefreshDockRects()
{
    for (TDockTarget& target : FDockList)
        target.Bounds = DockTargetRect(target.Panel);
}

void TRurCustomToolBar::DragMove(TShiftState, int x, int y)
{
    if (!FDragging)
        return;
    bool breakout = false;
    TRurDockPanel* dock = FToolBarState == tsDocked ? CurrentDockPanel() : nullptr;
    if (dock && !IsVertical()) {
        const int old = Left(), row = FRow;
        const int requested = x - FOldMouseX + Left();
        SetLeft(requested);
        if (y > Height())
            SetTop(Top() + y - Height());
        else if (y < 0)
            SetTop(Top() + y);
        if (y != Top()) {
            if (y > Height() && FRow == row && y + Top() > dock->Height() + BreakOut)
                breakout = true;
            if (y < 0 && FRow == row && y + Top() < -BreakOut)
                breakout = true;
        }
        if (Left() != requested && !breakout)
            breakout = requested > Width() ? requested > dock->Width() + BreakOut : x < 0 && x + old < -BreakOut;
        InvalidateRect(Handle(), nullptr, FALSE);
    } else if (dock) {
        const int column = FRow;
        const int requested = y - FOldMouseY + Top();
        SetTop(requested);
        if (x > Width())
            SetLeft(Left() + x - Width());
        else if (x < 0)
            SetLeft(Left() + x);
        if (x != Left()) {
            if (x > Width() && FRow == column && Left() + x > dock->Width() + BreakOut)
                breakout = true;
            if (x < 0 && FRow == column && Left() + x < -BreakOut)
                breakout = true;
        }
        if (Top() != requested && !breakout)
            breakout = requested > Height() ? requested > dock->Height() + BreakOut : requested < -BreakOut;
        InvalidateRect(Handle(), nullptr, FALSE);
    } else if (FToolBarState == tsFloating && FFloatingWindow) {
        POINT p{x - FOldMouseX + Left(), y - FOldMouseY + Top()};
        ::ClientToScreen(Handle(), &p);
        FFloatingWindow->SetBounds(p.x, p.y, FFloatingWindow->Width(), FFloatingWindow->Height());
    }
    if (!FAllowFloating)
        breakout = false;
    if (!breakout && FToolBarState != tsFloating)
        return;
    POINT pointer{x, y};
    ::ClientToScreen(Handle(), &pointer);
    for (const TDockTarget& target : FDockList) {
        if (!target.Bounds.Contains(Point(pointer.x, pointer.y)) || target.Panel == Parent())
            continue;
        SetParent(target.Panel);
        FOldMouseX = 1;
        FreeFloatingWindow();
        // The window was made again in the panel: the drag keeps the mouse.
        SetCapture(Handle());
        return;
    }
    if (FToolBarState != tsDocked)
        return;
    bool allow = true;
    if (FOnCanFloat)
        FOnCanFloat(this, allow);
    if (!allow)
        return;
    MakeFloating(pointer.x, pointer.y, true);
    // The dock panels may have changed size.
    RefreshDockRects();
    SetCapture(Handle());
}
