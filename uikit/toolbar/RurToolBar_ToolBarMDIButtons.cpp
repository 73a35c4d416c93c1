// The close, restore and minimize buttons a full-size menu bar draws at its end for the maximized
// MDI child of its form, and the watch on the form's window that repaints them.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "Forms.h"
#include "Math.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

namespace {

// The form's window is watched through the system's subclass chain, so the form's own window
// procedure (and a styled frame's) stays where it is and comes back untouched.
constexpr UINT_PTR MDIButtonsSubclassId = 0x52544D44;

LRESULT CALLBACK MDIFrameWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == WM_WINDOWPOSCHANGED)
        reinterpret_cast<TRurCustomToolBar*>(data)->Invalidate();
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

} // namespace

void TRurCustomToolBar::SetAutoMDIButtons(bool value)
{
    if (value && IsOfClassNamed(Parent(), u"TRurToolBarPager"))
        return;
    FAutoMDIButtons = value;
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading))
        return;
    TCustomForm* form = GetToolBarForm();
    if (value && FFullSize && FMenu && form) {
        if (!FMDIFrameWatched) {
            FMDIChildForm = nullptr;
            FMDIFrameWatched = SetWindowSubclass(form->Handle(), &MDIFrameWndProc, MDIButtonsSubclassId,
                                                 reinterpret_cast<DWORD_PTR>(this)) != FALSE;
            FMDIFrameWindow = form->Handle();
        }
        FAutoMDIButtons = FMDIFrameWatched;
        return;
    }
    UnwatchMDIFrame();
    FAutoMDIButtons = false;
    Invalidate();
}

void TRurCustomToolBar::UnwatchMDIFrame()
{
    // Only the watch goes; the form's window region and procedure are left as they are.
    if (FMDIFrameWatched && IsWindow(FMDIFrameWindow))
        RemoveWindowSubclass(FMDIFrameWindow, &MDIFrameWndProc, MDIButtonsSubclassId);
    FMDIFrameWatched = false;
    FMDIFrameWindow = nullptr;
    FMDIChildForm = nullptr;
}

TCustomForm* TRurCustomToolBar::ActiveMDIChildWithSystemMenu()
{
    TCustomForm* form = GetToolBarForm();
    FMDIChildForm = form ? form->ActiveMDIChild() : nullptr;
    if (FMDIChildForm && !FMDIChildForm->BorderIcons().Contains(biSystemMenu))
        return nullptr;
    return FMDIChildForm;
}

int TRurCustomToolBar::MDIButtonSize() const { return Round(18 * DPIScale); }

TRect TRurCustomToolBar::MDICloseButtonRect()
{
    if (!ActiveMDIChildWithSystemMenu())
        return TRect{};
    const int s = MDIButtonSize();
    const int reduction = FShowOptionIndicator && !FFullSize ? RightHandleWidth() : 0;
    if (IsVertical()) {
        const int y = Height() - s - 3 - reduction, x = std::max((Width() - s) / 2, 2);
        return TRect{x, y, x + s, y + s};
    }
    const int x = Width() - s - 3 - reduction, y = std::max((Height() - s) / 2, 2);
    return TRect{x, y, x + s, y + s};
}

TRect TRurCustomToolBar::MDIRestoreButtonRect()
{
    const TRect close = MDICloseButtonRect();
    if (close.IsEmpty() || FToolBarState == tsFloating)
        return TRect{};
    const int s = MDIButtonSize();
    if (IsVertical())
        return TRect{close.Left, close.Top - 1 - s, close.Right, close.Top - 1};
    return TRect{close.Left - 1 - s, close.Top, close.Left - 1, close.Bottom};
}

TRect TRurCustomToolBar::MDIMinimizeButtonRect()
{
    const TRect restore = MDIRestoreButtonRect();
    if (restore.IsEmpty())
        return TRect{};
    const int s = MDIButtonSize();
    if (IsVertical())
        return TRect{restore.Left, restore.Top - 1 - s, restore.Right, restore.Top - 1};
    return TRect{restore.Left - 1 - s, restore.Top, restore.Left - 1, restore.Bottom};
}

bool TRurCustomToolBar::IsOnMDICloseButton(TPoint p) { return MDICloseButtonRect().Contains(p); }

bool TRurCustomToolBar::IsOnMDIRestoreButton(TPoint p)
{
    return MDIRestoreButtonRect().Contains(p) && FMDIChildForm->BorderIcons().Contains(biMaximize);
}

bool TRurCustomToolBar::IsOnMDIMinimizeButton(TPoint p)
{
    return MDIMinimizeButtonRect().Contains(p) && FMDIChildForm->BorderIcons().Contains(biMinimize);
}

bool TRurCustomToolBar::MDIButtonsActive()
{
    TCustomForm* child = ActiveMDIChildWithSystemMenu();
    return FAutoMDIButtons && child && child->WindowState() == wsMaximized && FToolBarState != tsFloating;
}

void TRurCustomToolBar::DrawMDIButtons()
{
    FMDIButtonsVisible = MDIButtonsActive();
    if (!FMDIButtonsVisible)
        return;
    TCanvas* canvas = Canvas();
    const TButtonAppearance* look = FCurrentToolBarStyler->ButtonAppearance();
    const float scale = DPIScale;
    auto face = [&](const TRect& r, bool down, bool hot) {
        TColor from = clNone, to = clNone, border = clNone;
        TGradientDirection direction = gdVertical;
        if (down) {
            from = look->ColorDown(), to = look->ColorDownTo(), border = look->BorderDownColor();
            direction = look->GradientDirectionDown();
        } else if (hot) {
            from = look->ColorHot(), to = look->ColorHotTo(), border = look->BorderHotColor();
            direction = look->GradientDirectionHot();
        }
        canvas->Brush()->SetStyle(bsSolid);
        if (from != clNone && to != clNone) {
            DrawGradient(canvas, from, to, 40, r, direction == gdHorizontal);
        } else if (from != clNone) {
            canvas->Brush()->SetColor(from);
            canvas->Pen()->SetColor(from);
            canvas->Rectangle(r);
        }
        if (border != clNone) {
            canvas->Brush()->SetStyle(bsClear);
            canvas->Pen()->SetColor(border);
            canvas->Rectangle(r);
            canvas->Brush()->SetStyle(bsSolid);
        }
    };
    const TBorderIcons icons = FMDIChildForm->BorderIcons();
    // Close: two 2-pixel diagonals in a box starting 4 pixels up and left of the centre.
    const TRect close = MDICloseButtonRect();
    face(close, FMDIDownCloseBtn, FMDIHotCloseBtn);
    const int n = Round(7 * scale);
    const int cx = (close.Left + close.Right) / 2 - 4, cy = (close.Top + close.Bottom) / 2 - 4;
    canvas->Pen()->SetColor(clBlack);
    for (int d = 0; d < 2; ++d) {
        Line(canvas, cx + d, cy, cx + n + d, cy + n);
        Line(canvas, cx + n - 1 + d, cy, cx - 1 + d, cy + n);
    }
    // Restore: two overlapping windows with 2-pixel title bars.
    const TRect restore = MDIRestoreButtonRect();
    face(restore, FMDIDownMaxBtn, FMDIHotMaxBtn);
    const TColor restoreInk = icons.Contains(biMaximize) ? clBlack : TColor(0x808080);
    canvas->Pen()->SetColor(restoreInk);
    canvas->Brush()->SetStyle(bsClear);
    const int rx = (restore.Left + restore.Right) / 2 - 4, ry = (restore.Top + restore.Bottom) / 2 - 4;
    for (const TRect& w : {TRect{rx + 2, ry, rx + 9, ry + 6}, TRect{rx, ry + 3, rx + 7, ry + 9}}) {
        canvas->Rectangle(w);
        Line(canvas, w.Left, w.Top + 1, w.Right, w.Top + 1);
    }
    canvas->Brush()->SetStyle(bsSolid);
    // Minimize: a bar 2 pixels thick.
    const TRect minimize = MDIMinimizeButtonRect();
    face(minimize, FMDIDownMinBtn, FMDIHotMinBtn);
    canvas->Brush()->SetColor(icons.Contains(biMinimize) ? clBlack : TColor(0x808080));
    const int bar = Round(6 * scale);
    if (IsVertical()) {
        const int x = minimize.Left + 5, y = (minimize.Top + minimize.Bottom - bar) / 2;
        canvas->FillRect(TRect{x, y, x + 2, y + bar});
    } else {
        const int y = minimize.Bottom - 6, x = (minimize.Left + minimize.Right - bar) / 2;
        canvas->FillRect(TRect{x, y, x + bar, y + 2});
    }
}

void TRurCustomToolBar::CloseMDIChild()
{
    if (MDIButtonsActive() && FMDIButtonsVisible)
        FMDIChildForm->Close();
}

void TRurCustomToolBar::RestoreMDIChild()
{
    if (MDIButtonsActive() && FMDIButtonsVisible && FMDIChildForm->BorderIcons().Contains(biMaximize))
        FMDIChildForm->SetWindowState(wsNormal);
}

void TRurCustomToolBar::MinimizeMDIChild()
{
    if (MDIButtonsActive() && FMDIButtonsVisible && FMDIChildForm->BorderIcons().Contains(biMinimize))
        FMDIChildForm->SetWindowState(wsMinimized);
}

bool TRurCustomToolBar::MDIButtonMouseDown(TPoint p)
{
    if (!FAutoMDIButtons || !MDIButtonsActive())
        return false;
    bool* flag = IsOnMDICloseButton(p)     ? &FMDIDownCloseBtn
                 : IsOnMDIRestoreButton(p) ? &FMDIDownMaxBtn
                 : IsOnMDIMinimizeButton(p) ? &FMDIDownMinBtn
                                            : nullptr;
    if (!flag)
        return false;
    *flag = true;
    Invalidate();
    return true;
}

void TRurCustomToolBar::MDIButtonMouseMove(TPoint p)
{
    if (!FAutoMDIButtons)
        return;
    const bool close = IsOnMDICloseButton(p), restore = IsOnMDIRestoreButton(p), minimize = IsOnMDIMinimizeButton(p);
    if (close != FMDIHotCloseBtn || restore != FMDIHotMaxBtn || minimize != FMDIHotMinBtn) {
        FMDIHotCloseBtn = close;
        FMDIHotMaxBtn = restore;
        FMDIHotMinBtn = minimize;
        Invalidate();
    }
}

void TRurCustomToolBar::MDIButtonMouseUp(TPoint p)
{
    if (!FAutoMDIButtons || ComponentState().Contains(csDesigning))
        return;
    if (FMDIDownCloseBtn) {
        FMDIDownCloseBtn = FMDIHotCloseBtn = false;
        Invalidate();
        if (IsOnMDICloseButton(p))
            CloseMDIChild();
    }
    if (FMDIDownMaxBtn) {
        FMDIDownMaxBtn = FMDIHotMaxBtn = false;
        Invalidate();
        RestoreMDIChild();
    }
    if (FMDIDownMinBtn) {
        FMDIDownMinBtn = FMDIHotMinBtn = false;
        Invalidate();
        MinimizeMDIChild();
    }
}

void TRurCustomToolBar::ClearMDIButtonStates()
{
    if (FMDIHotCloseBtn || FMDIHotMaxBtn || FMDIHotMinBtn || FMDIDownCloseBtn || FMDIDownMaxBtn || FMDIDownMinBtn) {
        FMDIHotCloseBtn = FMDIHotMaxBtn = FMDIHotMinBtn = false;
        FMDIDownCloseBtn = FMDIDownMaxBtn = FMDIDownMinBtn = false;
        Invalidate();
    }
}
