// The toolbar's window and component messages: controls joining and leaving, hints of its own
// parts, update counting, the parent change that decides its state, and the mouse on its right
// handle.
#include <algorithm>
#include <vector>

#include "Forms.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_OptionWindow.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

void TRurCustomToolBar::WndProc(TMessage& message)
{
    if (IsToolBarMessage(message.Msg, TToolBarMessage::CompactWinHide)) {
        // A compact window hid: a form with a main menu is nudged so its menu bar paints again.
        TWinControl* top = this;
        while (top->Parent())
            top = top->Parent();
        if (auto* form = dynamic_cast<TCustomForm*>(top); form && form->Menu()) {
            form->SetHeight(form->Height() + 1);
            form->SetHeight(form->Height() - 1);
        }
    }
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // The paint covers everything; erasing first would only flicker.
        message.Result = 1;
        return;
    case WM_GETDLGCODE:
        message.Result = FInMenuLoop || OnRibbonPage() || OnCompactWindow() ? DLGC_WANTARROWS : 0;
        return;
    case WM_SYSCOMMAND:
        // Alt, F10 and Alt+letter enter the menu loop; nothing else is handled here.
        MenuSysCommand(message);
        return;
    case WM_KEYDOWN:
        if (OnRibbonPage() || OnCompactWindow())
            RibbonKeyDown(static_cast<Word>(message.WParam));
        if (MenuLoopKeyDown(static_cast<Word>(message.WParam)))
            return;
        break;
    case CM_DIALOGCHAR:
        if (MenuDialogChar(message))
            return;
        break;
    case CN_CHAR:
        if (FInMenuLoop && !ComponentState().Contains(csDesigning)) {
            if (Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
                message.Result = 1;
            return;
        }
        break;
    case WM_LBUTTONUP: {
        // A release on the toolbar's own parts is no click on the toolbar.
        const TPoint p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
        if (FToolBarState == tsFloating)
            FSupressClick = GetCloseButtonRect().Contains(p) || GetOptionButtonRect().Contains(p) ||
                            GetCaptionRect().Contains(p);
        else
            FSupressClick = PtInDragGrip(p.X, p.Y) || PtInRightHandle(p.X, p.Y) ||
                            (FAutoMDIButtons && (IsOnMDICloseButton(p) || IsOnMDIRestoreButton(p) ||
                                                 IsOnMDIMinimizeButton(p)));
        break;
    }
    case MenuClosedMessage:
        MenuClosed();
        return;
    case WM_DESTROY:
        if (FTimerID) {
            KillTimer(Handle(), FTimerID);
            FTimerID = 0;
        }
        break;
    case CM_VISIBLECHANGED:
        VisibilityChanged(message);
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
    switch (message.Msg) {
    case CM_CONTROLCHANGE: {
        auto* control = reinterpret_cast<TControl*>(message.WParam);
        if (FInternalControlUpdation || dynamic_cast<TOptionSelectorWindow*>(control) ||
            IsOfClassNamed(control, u"TCompactWindow"))
            break;
        if (message.LParam)
            ControlInserted(control);
        else
            ControlRemoved(control);
        break;
    }
    case CM_HINTSHOW:
        HintShow(message);
        break;
    case WM_TIMER:
        if (message.WParam == FTimerID && FTimerID)
            FloatingTimer();
        break;
    case CM_FOCUSCHANGED:
        if (reinterpret_cast<TControl*>(message.LParam) == this && FATBControls.Count() > 0 &&
            !OnCompactWindow() && Parent() && Parent()->Parent() &&
            !IsOfClassNamed(Parent()->Parent(), u"TMinimizedRibbonWindow"))
            if (TWinControl* first = FirstFocusableControl(true); first && first->CanFocus())
                first->SetFocus();
        break;
    case CM_DIALOGKEY:
        if (Enabled() && Showing() && FMenu) {
            TMessage key{WM_KEYDOWN, message.WParam, message.LParam, 0};
            FMenu->IsShortCut(key);
        }
        break;
    case CN_SYSKEYDOWN:
        if (message.WParam == VK_MENU)
            CancelMenuMode();
        break;
    case WM_CAPTURECHANGED:
        if (FInMenuLoop && FCaptureChangeCancels)
            CancelMenuMode();
        break;
    case CM_MOUSELEAVE:
        if (FHotPopupIndicator || FDownPopupIndicator) {
            FHotPopupIndicator = false;
            FDownPopupIndicator = false;
            Invalidate();
        }
        ClearMDIButtonStates();
        CaptionOptionMouseLeave();
        HoverGlowStart(false);
        break;
    case CM_MOUSEENTER:
        HoverGlowStart(true);
        break;
    default:
        break;
    }
}

void TRurCustomToolBar::Click()
{
    if (FSupressClick) {
        FSupressClick = false;
        return;
    }
    TCustomControl::Click();
}

TWinControl* TRurCustomToolBar::FocusableControl(bool focusable, bool first) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (!first)
        std::reverse(list.begin(), list.end());
    for (TWinControl* control : list) {
        if (dynamic_cast<THintWindow*>(control) || dynamic_cast<TRurCustomToolBar*>(control) ||
            IsOfClassNamed(control, u"TCompactWindow") || (first && IsOfClassNamed(control, u"TNotifierWindow")))
            continue;
        if (focusable && !control->CanFocus())
            continue;
        return control;
    }
    return nullptr;
}

TWinControl* TRurCustomToolBar::FirstFocusableControl(bool focusable) const { return FocusableControl(focusable, true); }

TWinControl* TRurCustomToolBar::LastFocusableControl(bool focusable) const { return FocusableControl(focusable, false); }

void TRurCustomToolBar::HintShow(TMessage& message)
{
    auto* info = reinterpret_cast<THintInfo*>(message.LParam);
    if (!info || !ShowHint())
        return;
    const TPoint p = info->CursorPos;
    if (FToolBarState == tsFloating) {
        if (FShowClose && !FHintCloseButton.empty() && GetCloseButtonRect().Contains(p))
            info->HintStr = FHintCloseButton;
        if (FShowOptionIndicator && !FHintOptionButton.empty() && GetOptionButtonRect().Contains(p))
            info->HintStr = FHintOptionButton;
    } else if (FShowOptionIndicator && !FHintOptionButton.empty() && PtInRightHandle(p.X, p.Y)) {
        info->HintStr = FHintOptionButton;
    }
}

bool TRurCustomToolBar::PtInRightHandle(int x, int y) const
{
    if (!FShowPopupIndicator || !FShowRightHandle)
        return false;
    const int w = RightHandleWidth();
    const TRect r = IsVertical() ? TRect{0, Height() - w, Width(), Height()} : TRect{Width() - w, 0, Width(), Height()};
    return r.Contains(Point(x, y));
}

bool TRurCustomToolBar::PtInDragGrip(int x, int y) const
{
    if (FToolBarState == tsFloating || EffectiveGripStyle() == dsNone)
        return false;
    const TRect r = IsVertical() ? TRect{0, 0, Width(), FDragGripWidth} : TRect{0, 0, FDragGripWidth, Height()};
    return r.Contains(Point(x, y));
}

void TRurCustomToolBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (FDragging || button != mbLeft)
        return;
    if (FToolBarState == tsFloating) {
        if (PtInFloatingCaption(x, y)) {
            if (Screen && Screen->Cursor() != crSizeAll)
                Screen->SetCursor(crSizeAll);
            DragToolBar(shift, x + 6, y + 6);
        } else if (GetOptionButtonRect().Contains(Point(x, y)) && !FDownCustomizedBtn) {
            FDownCustomizedBtn = true;
            Invalidate();
            OptionButtonClicked();
        } else if (GetCloseButtonRect().Contains(Point(x, y)) && !FDownCloseBtn) {
            FDownCloseBtn = true;
            Invalidate();
        }
        return;
    }
    if (FToolBarState == tsDocked && PtInDragGrip(x, y)) {
        if (!FLocked)
            DragToolBar(shift, x, y);
        return;
    }
    if (CaptionOptionMouseDown(x, y))
        return;
    if (ComponentState().Contains(csDesigning))
        return;
    if (FToolBarState == tsDocked && PtInRightHandle(x, y)) {
        FDownPopupIndicator = true;
        Invalidate();
        OptionButtonClicked();
        return;
    }
    // The MDI child buttons are drawn on a fixed menu bar too, so they answer there as well.
    MDIButtonMouseDown(Point(x, y));
}

void TRurCustomToolBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (FDragging)
        return;
    if (!shift.Contains(ssLeft) && !FLocked) {
        if (PtInDragGrip(x, y)) {
            if (Cursor() != crSizeAll) {
                FOldCursor = Cursor();
                SetCursor(crSizeAll);
            }
        } else if (Cursor() == crSizeAll) {
            SetCursor(FOldCursor);
        }
    }
    if (ComponentState().Contains(csDesigning))
        return;
    if (FToolBarState == tsFloating) {
        const bool hotOption = GetOptionButtonRect().Contains(Point(x, y));
        const bool hotClose = GetCloseButtonRect().Contains(Point(x, y));
        if (hotOption != FHotCustomizedBtn || hotClose != FHotCloseBtn) {
            FHotCustomizedBtn = hotOption;
            FHotCloseBtn = hotClose;
            Invalidate();
        }
    }
    const bool hot = PtInRightHandle(x, y);
    if (hot != FHotPopupIndicator) {
        FHotPopupIndicator = hot;
        Invalidate();
    }
    CaptionOptionMouseMove(x, y);
    MDIButtonMouseMove(Point(x, y));
}

void TRurCustomToolBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    CaptionOptionMouseUp();
    if (FDownPopupIndicator) {
        FDownPopupIndicator = false;
        Invalidate();
    }
    if (FToolBarState == tsFloating) {
        if (FDownCustomizedBtn) {
            FDownCustomizedBtn = false;
            Invalidate();
        }
        if (FDownCloseBtn) {
            FDownCloseBtn = false;
            Invalidate();
            CloseFloating();
            return;
        }
    }
    MDIButtonMouseUp(Point(x, y));
}

// ---- Updates -----------------------------------------------------------------------------------

void TRurCustomToolBar::BeginUpdate()
{
    // The count does not depend on the window: a toolbar hidden inside the bracket thaws at its end.
    ++FUpdateCount;
    if (Visible() && HandleAllocated())
        SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TRurCustomToolBar::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount > 0)
        return;
    if (Visible() && HandleAllocated()) {
        SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    ArrangeControls(true);
    UpdateHiddenControls();
}

void TRurCustomToolBar::Update()
{
    TCustomControl::Update();
    if (FToolBarState == tsDocked && OnDockPanel() && !ComponentState().Contains(csDesigning)) {
        if (TRurDockPanel* panel = CurrentDockPanel())
            panel->ArrangeChangedRows();
        UpdateHiddenControls();
    }
    ArrangeControls(true);
}
