// The styled form's window procedure: it sees the form's messages before the form does, passes
// them on, and reacts to the outcome.
#include <algorithm>

#include "Math.h"
#include "PlatformFacts.h"
#include "scStyledForm.h"

namespace {

// System commands carry hit-test information in their low four bits (a caption double-click
// arrives as SC_MAXIMIZE + 2); the styles submenu's ids are compared as they are.
UINT SystemCommand(WPARAM wParam)
{
    const UINT command = static_cast<UINT>(wParam);
    return command >= 0xF000 ? (command & 0xFFF0) : command;
}

} // namespace

void TscStyledForm::NewWndProc(TMessage& message)
{
    if (message.Msg == WM_SIZE && FDWMClientShadow && FormHandle() && IsIconic(FormHandle()))
        return;
    bool handled = BeforeForm(message);
    if (!handled)
        handled = StylesMessage(message);
    if (handled)
        return;
    FOldWndProc(message);
    AfterForm(message);
}

bool TscStyledForm::BeforeForm(TMessage& message)
{
    HWND wnd = FormHandle();
    switch (message.Msg) {
    case WM_CREATE:
        FMenuTracking = false;
        FUpdating = false;
        return false;
    case WM_ACTIVATE:
    case WM_NCACTIVATE: {
        bool handled = false;
        const bool deactivating = (message.Msg == WM_ACTIVATE ? LOWORD(message.WParam) : message.WParam) == 0;
        if (FStopActivateEvents && deactivating && FForm->Visible()) {
            message.WParam = 1;
            FStopActivateEvents = false;
            if (message.Msg == WM_ACTIVATE)
                handled = true;
            else if (FHitTestWndDown) {
                FHitTestWndDown = false;
                handled = true;
            }
        } else {
            FStopActivateEvents = false;
        }
        if (FForm == ActiveDropDownOwner())
            message.WParam = 1;
        if (message.Msg == WM_NCACTIVATE && FDropDownForm && message.WParam == 0 && FForm->Visible())
            CloseUp(false);
        return handled;
    }
    case WM_SHOWWINDOW:
        FStartUp = false;
        if (message.WParam && UpdateScale(true)) {
            FPPI = FForm->CurrentPPI();
            if (UsesCustomStyle(FForm) && ScaleStyledClientSize && (FClientWidth > 0 || FClientHeight > 0)) {
                SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                ApplyScaledClientSize();
            }
        }
        return false;
    case WM_WINDOWPOSCHANGING:
        if (FDWMClientMaximized) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
            pos->x = FForm->Left();
            pos->y = FForm->Top();
            pos->cx = FForm->Width();
            pos->cy = FForm->Height();
        }
        return false;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged();
        return false;
    case WM_NCCALCSIZE:
        if (FDWMClientShadow) {
            message.Result = 0;
            return true;
        }
        if (FDropDownForm && FForm->BorderStyle() == bsNone) {
            CallWindowProcW(DefWindowProcW, wnd, message.Msg, message.WParam, message.LParam);
            RECT& r = *reinterpret_cast<RECT*>(message.LParam);
            InflateRect(&r, -1, -1);
            message.Result = 0;
            return true;
        }
        return false;
    case WM_NCPAINT:
        if (FDropDownForm && FForm->BorderStyle() == bsNone) {
            HDC dc = GetWindowDC(wnd);
            TCanvas canvas;
            canvas.SetHandle(dc);
            TRect frame = Rect(0, 0, FForm->Width(), FForm->Height());
            const TColor color = GetStyleSystemColor(FDropDownBorderColor, FForm);
            DrawFrame3D(&canvas, frame, color, color);
            canvas.SetHandle(nullptr);
            ReleaseDC(wnd, dc);
            return true;
        }
        return false;
    case WM_NCLBUTTONDOWN:
        FNCDrag = true;
        return false;
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
        FNCDrag = false;
        return false;
    case WM_SYSCOMMAND: {
        const UINT command = SystemCommand(message.WParam);
        // A close goes to the form untouched, which asks once and hides the window only when the
        // close is accepted (hiding it first would strand a window whose close was refused).
        if (command == SC_CLOSE && FDropDownForm)
            return true;
        if (command == SC_MINIMIZE && !FSizeStored && !FMaximized)
            SaveBounds();
        if (command == SC_MAXIMIZE && !FSizeStored && FForm->WindowState() != wsMaximized)
            SaveBounds();
        return false;
    }
    case WM_DPICHANGED:
        FOnBeforeChangeScale(this);
        return false;
    case WM_DWMNCRENDERINGCHANGED:
        return FDWMClientShadow;
    case CM_STYLECHANGED:
        FStyleChanging = true;
        return false;
    default:
        return false;
    }
}

bool TscStyledForm::StylesMessage(TMessage& message)
{
    if (message.Msg == WM_SYSCOMMAND && FShowStylesMenu) {
        const int command = static_cast<int>(message.WParam);
        // With no style listed there is nothing to pick.
        if (FStyleCount > 0 && command >= int(scStylesMenuCommand) && command <= int(scStylesMenuCommand) + FStyleCount) {
            ApplyStyleFromMenu(std::clamp(command - int(scStylesMenuCommand) - 1, 0, FStyleCount - 1));
            return true;
        }
        return false;
    }
    if (message.Msg == CM_STYLECHANGED && FShowStylesMenu && FSubMenuIndex != -1) {
        // The window stays, and so does its submenu: only the list is made anew.
        ClearStylesMenu();
        FOldWndProc(message);
        FillStylesMenu();
        AfterForm(message);
        return true;
    }
    return false;
}

void TscStyledForm::SaveBounds()
{
    FFormBounds = FForm->BoundsRect();
    FSizeStored = true;
}

void TscStyledForm::OnWindowPosChanged()
{
    const TWindowState state = FForm->WindowState();
    if (state != wsNormal && FStartUp) {
        FStartUp = false;
        if (UpdateScale(true) && (state == wsMinimized || (UsesCustomStyle(FForm) && ScaleStyledClientSize &&
                                                           (FClientWidth > 0 || FClientHeight > 0))))
            ApplyScaledClientSize();
    }
    if (FForm->FormStyle() == fsMDIChild) {
        if (state == wsMaximized && !FMaximized && !FSizeStored) {
            FMaximized = true;
            SaveBounds();
        }
        return;
    }
    if (state == wsMaximized && !FMaximized && !FSizeStored) {
        FMaximized = true;
    } else if (state == wsNormal && FSizeStored && FMaximized && FStyleChanged && !FMinimized) {
        FStyleChanged = false;
        FSizeStored = false;
        FMaximized = false;
        PostMessageW(FormHandle(), WM_SCRESTORESIZE, 0, 0);
    }
}

void TscStyledForm::AfterForm(TMessage& message)
{
    HWND wnd = FormHandle();
    switch (message.Msg) {
    case WM_CREATE:
        // A window made anew has a fresh system menu and lost its frame bits.
        FStylesMenu = nullptr;
        FStyleCount = 0;
        FSubMenuIndex = -1;
        if (FDWMClientShadow && !Designing())
            UpdateDWMClientFrame();
        if (FDropDownForm)
            SetDropDownForm(true);
        if (FShowStylesMenu && !LoadingOrDesigning())
            CreateStylesMenu();
        break;
    case WM_SIZE:
        if (FDropDownForm) {
            SendMessageW(wnd, WM_NCPAINT, 1, 0);
            FForm->Invalidate();
        }
        [[fallthrough]];
    case WM_MOVE:
        if (IsFluentUIEnabled() && FFluentUIBackground == scfuibAcrylic && WindowsBuildNumber() >= 18362 &&
            WindowsBuildNumber() < 22000)
            ResetDWMFrameMargins();
        break;
    case WM_ACTIVATE:
        if (IsFluentUIEnabled() && FFluentUIBackground == scfuibAcrylic && !FStopActivateEvents &&
            !FHitTestWndShowing && !IsFormBeingDestroyed() && FFluentUIInactiveAcrylicColorOpaque &&
            !FStopUpdateFluentColor)
            UpdateFluentAcrylicColor();
        if (!FStopActivateEvents && !FStyleChanging && !FHitTestWndShowing && !IsFormBeingDestroyed())
            FOnChangeActive(this);
        FStopActivateEvents = false;
        if (FDWMClientShadowHitTest && FDWMClientShadow && HitTestWndVisible())
            UpdateHitTestWndPosition();
        break;
    case WM_SETTINGCHANGE:
        if (IsWindowsXP())
            break;
        if (FDWMClientShadow && !IsDwmCompositionActive()) {
            FWasDWMClientShadow = true;
            FDWMClientShadow = false;
            SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) & ~LONG_PTR(0x00C60000));
            HideHitTestWnd();
        } else if (FWasDWMClientShadow && IsDwmCompositionActive()) {
            FWasDWMClientShadow = false;
            FDWMClientShadow = true;
            UpdateDWMClientFrame();
            if (FDWMClientShadowHitTest && FForm->Visible())
                ShowHitTestWnd();
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (FDWMClientShadowHitTest && FDWMClientShadow) {
            if (IsIconic(wnd) || !FForm->Visible() || FDWMClientMaximized)
                HideHitTestWnd();
            else if (!HitTestWndVisible())
                ShowHitTestWnd();
            if (HitTestWndVisible())
                UpdateHitTestWndPosition();
        }
        break;
    case WM_STYLECHANGED:
        FStyleChanged = true;
        if (!FMaximized && !FMinimized) {
            FStyleChanged = false;
            RestoreClientSize();
        }
        if (FForm == Application->MainForm() && FForm->FormStyle() == fsMDIForm)
            PostMessageW(wnd, WM_SCARRANGEMDICHILDREN, 0, 0);
        PostMessageW(wnd, WM_SCSTYLECHANGED, 0, 0);
        if (UsesCustomStyle(FForm) && IsZoomed(wnd) && IsWindowVisible(wnd) && FForm->BorderStyle() != bsNone &&
            FForm->FormStyle() != fsMDIChild)
            SetTimer(wnd, scFrameTimer, 100, nullptr);
        if (FDWMClientShadow && !IsWindowsXP())
            UpdateDWMClientFrame();
        break;
    case WM_SYSCOMMAND:
        switch (SystemCommand(message.WParam)) {
        case SC_MINIMIZE:
            FMinimized = true;
            break;
        case SC_MAXIMIZE:
            FMaximized = true;
            break;
        case SC_CLOSE:
            // A minimised child that stays (its close refused or turned into a minimise) and is
            // not the active one keeps an inactive caption.
            if (UsesCustomStyle(FForm) && FForm->FormStyle() == fsMDIChild && wnd && IsWindow(wnd) && IsIconic(wnd))
                if (TCustomForm* frame = Application->MainForm(); frame && frame->ActiveMDIChild() != FForm)
                    SendMessageW(wnd, WM_NCACTIVATE, 0, 0);
            break;
        case SC_RESTORE:
            FMaximized = false;
            if (FForm->WindowState() == wsNormal && FSizeStored && FStyleChanged) {
                FMinimized = false;
                FStyleChanged = false;
                FSizeStored = false;
                SendMessageW(wnd, WM_SCRESTORESIZE, 0, 0);
            } else if (FForm->WindowState() == wsNormal) {
                FSizeStored = false;
            }
            break;
        default:
            break;
        }
        break;
    case WM_TIMER:
        ServeTimer(message.WParam);
        break;
    case WM_DPICHANGED:
        OnDpiChanged();
        break;
    case WM_SCSTYLECHANGED:
        FOnStyleChanged(this);
        break;
    case WM_SCARRANGEMDICHILDREN:
        ArrangeMinimizedMDIChildren();
        break;
    case WM_SCRESTORESIZE:
        RestoreSavedBounds();
        break;
    case WM_SCRESTORECLIENTSIZE:
        RestoreClientSize();
        FSizeStored = false;
        break;
    case CM_STYLECHANGED:
        FStyleChanging = false;
        FMenuTracking = false;
        FUpdating = false;
        break;
    default:
        break;
    }
}

void TscStyledForm::ServeTimer(UINT_PTR id)
{
    HWND wnd = FormHandle();
    switch (id) {
    case scFrameTimer:
        KillTimer(wnd, id);
        SendMessageW(wnd, WM_NCPAINT, 1, 0);
        break;
    case scMenuTrackingTimer:
        if (FMenuTracking) {
            KillTimer(wnd, id);
            FMenuTracking = false;
            FUpdating = false;
            UpDateFormNC();
        }
        break;
    case scDropDownFadeTimer:
        FadeStep();
        break;
    case scHitTestWndTimer:
        KillTimer(wnd, id);
        HitTestWndReady();
        FHitTestWndShowing = false;
        FStopUpdateFluentColor = false;
        break;
    default:
        break;
    }
}

void TscStyledForm::OnDpiChanged()
{
    FStartUp = false;
    const int formPPI = FForm->CurrentPPI();
    if (FForm->Scaled() && formPPI != FPPI) {
        FScalePercent = MulDiv(FScalePercent, formPPI, FPPI);
        FScaleFactor = std::max(1.0, FScalePercent / 100.0);
        FPPI = formPPI;
    } else if (FForm->Scaled()) {
        const int monitorPPI = PlatformMonitorDpi(MonitorFromWindow(FormHandle(), MONITOR_DEFAULTTONEAREST));
        const double old = FScaleFactor;
        FScaleFactor = std::max(1.0, monitorPPI == formPPI ? monitorPPI / 96.0 : double(monitorPPI) / formPPI);
        FScalePercent = static_cast<int>(Round(FScaleFactor * 100));
        if (FScaleFactor != old)
            FOnChangeScale(this, FScaleFactor);
        FPPI = formPPI;
    }
    FDPIChanged = true;
    FOnChangeScale(this, FScaleFactor);
    if (UsesCustomStyle(FForm) && ScaleStyledClientSize && (FClientWidth > 0 || FClientHeight > 0)) {
        SetWindowPos(FormHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        ApplyScaledClientSize();
    }
}

void TscStyledForm::RestoreSavedBounds()
{
    const bool mdiChild = FForm->FormStyle() == fsMDIChild;
    const bool sizeable = FForm->BorderStyle() == bsSizeable || FForm->BorderStyle() == bsSizeToolWin;
    const bool hasClientSize = FClientWidth > 0 || FClientHeight > 0;
    if (FNCDrag && !mdiChild) {
        FFormBounds.Right = FFormBounds.Left;
        FFormBounds.Bottom = FFormBounds.Top;
        if (hasClientSize)
            PostMessageW(FormHandle(), WM_SCRESTORECLIENTSIZE, 0, 0);
        return;
    }
    TRect saved = FFormBounds;
    if (mdiChild) {
        if (saved.Left < 0)
            saved = Bounds(0, saved.Top, saved.Width(), saved.Height());
        if (saved.Top < 0)
            saved = Bounds(saved.Left, 0, saved.Width(), saved.Height());
    }
    if (sizeable && saved.Width() > 0 && saved.Height() > 0) {
        if (FForm->WindowState() == wsNormal)
            FForm->SetBoundsRect(saved);
        return;
    }
    FForm->SetBounds(saved.Left, saved.Top, FForm->Width(), FForm->Height());
    FFormBounds = Bounds(saved.Left, saved.Top, 0, 0);
    if (hasClientSize)
        PostMessageW(FormHandle(), WM_SCRESTORECLIENTSIZE, 0, 0);
}

void TscStyledForm::ArrangeMinimizedMDIChildren()
{
    HWND client = FForm->ClientHandle();
    if (!client)
        return;
    RECT clientRect;
    GetClientRect(client, &clientRect);
    POINT origin{0, 0};
    ClientToScreen(client, &origin);
    for (int i = 0; i < FForm->MDIChildCount(); ++i) {
        HWND child = FForm->MDIChildren(i)->HandleIfAllocated();
        if (!child || !IsWindowVisible(child) || !IsIconic(child))
            continue;
        RECT r;
        GetWindowRect(child, &r);
        const int overhang = r.bottom - origin.y - clientRect.bottom;
        if (overhang > 0)
            SetWindowPos(child, nullptr, r.left - origin.x, r.top - origin.y - overhang, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (FForm->WindowState() == wsMaximized)
        SetWindowPos(client, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
