// TCustomForm: the top-level window, its border and placement, showing (modal or not), closing,
// release, the focus within the form and its dialog keys; TFrame.
#include "Forms.h"

#include <algorithm>

#include "ActnList.h"
#include "MenuBarKey.h"


TAVIN_PUBLISHED(TCustomForm)
{
    TAVIN_PROPERTY(TFormBorderStyle, BorderStyle).Default(bsSizeable);
    TAVIN_PROPERTY(TBorderIcons, BorderIcons);
    TAVIN_PROPERTY(TFormStyle, FormStyle).Default(fsNormal);
    TAVIN_PROPERTY(TPosition, Position).Default(poDefaultPosOnly);
    TAVIN_PROPERTY(TWindowState, WindowState).Default(wsNormal);
    TAVIN_PROPERTY(bool, KeyPreview).Default(false);
    TAVIN_PROPERTY(TMainMenu*, Menu);
    TAVIN_PROPERTY(TMenuItem*, WindowMenu);
    TAVIN_PROPERTY(TTileMode, TileMode).Default(tbHorizontal);
    TAVIN_PROPERTY(bool, Scaled).Default(true);
    TAVIN_PROPERTY(int, PixelsPerInch);
    TAVIN_PROPERTY(int, ClientWidth);
    TAVIN_PROPERTY(int, ClientHeight);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TWinControl*, ActiveControl);
    TAVIN_PROPERTY(TNotifyEvent, OnCreate);
    TAVIN_PROPERTY(TNotifyEvent, OnDestroy);
    TAVIN_PROPERTY(TNotifyEvent, OnShow);
    TAVIN_PROPERTY(TNotifyEvent, OnHide);
    TAVIN_PROPERTY(TNotifyEvent, OnActivate);
    TAVIN_PROPERTY(TNotifyEvent, OnDeactivate);
    TAVIN_PROPERTY(TNotifyEvent, OnPaint);
    TAVIN_PROPERTY(TCloseEvent, OnClose);
    TAVIN_PROPERTY(TCloseQueryEvent, OnCloseQuery);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), FCanvas(std::make_unique<TCanvas>())
{
    FControlStyle = FControlStyle + TControlStyle{csAcceptsControls};
    SetVisible(false);
    SetParentFont(false);
    SetParentColor(false);
    SetParentBiDiMode(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    if (!ComponentState().Contains(csDestroying))
        FOnDestroy(this);
    if (Screen)
        Screen->RemoveForm(this);
    if (Application && Application->FMainForm == this)
        Application->FMainForm = nullptr;
}

void TCustomForm::InitFromResource(TClass rootAncestor)
{
    if (!InitInheritedComponent(this, rootAncestor) && ClassType() != rootAncestor)
        throw EResNotFound(u"Resource " + ClassName() + u" not found");
    DoCreate();
}

void TCustomForm::DoCreate()
{
    FOnCreate(this);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    TWinControl::GetChildren(proc, root);
    if (root != this)
        return;
    for (int i = 0; i < ComponentCount(); ++i)
        if (!Components(i)->HasParent())
            proc(Components(i));
}

void TCustomForm::Loaded()
{
    int clientWidth = FPendingClientWidth, clientHeight = FPendingClientHeight;
    FPendingClientWidth = FPendingClientHeight = 0;
    if (clientWidth > 0)
        TControl::SetClientWidth(clientWidth);
    if (clientHeight > 0)
        TControl::SetClientHeight(clientHeight);
    TWinControl::Loaded();
    int target = Monitor() ? Monitor()->PixelsPerInch() : Screen->PixelsPerInch();
    if (FScaled && target != FPixelsPerInch) {
        ChangeScale(target, FPixelsPerInch, true);
        FPixelsPerInch = target;
    }
    // An MDI child shows in its frame as soon as it is made.
    if (FFormStyle == fsMDIChild)
        SetVisible(true);
}

void TCustomForm::SetPixelsPerInch(int value)
{
    if (value > 0)
        FPixelsPerInch = value;
}

void TCustomForm::ChangeScale(int m, int d, bool isDpiChange)
{
    // The form keeps its place; its client area and children scale.
    int left = FLeft, top = FTop;
    int clientW = MulDiv(ClientWidth(), m, d), clientH = MulDiv(ClientHeight(), m, d);
    TWinControl::ChangeScale(m, d, isDpiChange);
    SetBounds(left, top, FWidth, FHeight);
    TControl::SetClientWidth(clientW);
    TControl::SetClientHeight(clientH);
}

void TCustomForm::SetClientWidth(int value)
{
    if (ComponentState().Contains(csLoading) && !HandleAllocated())
        FPendingClientWidth = value;
    else
        TControl::SetClientWidth(value);
}

void TCustomForm::SetClientHeight(int value)
{
    if (ComponentState().Contains(csLoading) && !HandleAllocated())
        FPendingClientHeight = value;
    else
        TControl::SetClientHeight(value);
}

TRect TCustomForm::ClientRect() const
{
    TRect r = TWinControl::ClientRect();
    if (FPendingClientWidth > 0)
        r.Right = FPendingClientWidth;
    if (FPendingClientHeight > 0)
        r.Bottom = FPendingClientHeight;
    return r;
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_RIGHT); // the caption keeps the system's placement
    switch (FBorderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FBorderIcons.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (FBorderIcons.Contains(biMinimize) && FBorderStyle != bsDialog && FBorderStyle != bsToolWindow)
            params.Style |= WS_MINIMIZEBOX;
        if (FBorderIcons.Contains(biMaximize) && FBorderStyle != bsDialog && FBorderStyle != bsToolWindow)
            params.Style |= WS_MAXIMIZEBOX;
    }
    if (FFormStyle == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    params.WndParent = nullptr;
    if (FFormStyle == fsMDIChild) {
        TCustomForm* frame = MDIFrame();
        if (!frame || !frame->Handle() || !frame->FClientHandle)
            throw EInvalidOperation(u"Cannot create form: no MDI form is open");
        params.Style = (params.Style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD;
        params.ExStyle |= WS_EX_MDICHILD;
        params.WndParent = frame->FClientHandle;
        return;
    }
    if (Application) {
        TCustomForm* main = Application->MainForm();
        if (main == this || !main) {
            if (Application->MainFormOnTaskBar())
                params.ExStyle |= WS_EX_APPWINDOW;
            else
                params.WndParent = Application->Handle();
        } else if (main->HandleAllocated()) {
            params.WndParent = Application->MainFormOnTaskBar() ? main->HandleIfAllocated() : Application->Handle();
        }
    }
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    if (FFormStyle == fsMDIForm)
        CreateClientWindow();
    // A child's menu shows merged into its frame's menu bar.
    if (FMenu && FFormStyle != fsMDIChild)
        FMenu->SetWindowHandle(FHandle);
    if (FFormStyle == fsStayOnTop)
        SetWindowPos(FHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetMenu(TMainMenu* value)
{
    if (FMenu == value)
        return;
    if (FMenu) {
        FMenu->RemoveFreeNotification(this);
        if (FMenu->WindowHandle() == FHandle)
            FMenu->SetWindowHandle(nullptr);
    }
    FMenu = value;
    if (value)
        value->FreeNotification(this);
    if (FFormStyle == fsMDIChild) {
        if (TCustomForm* frame = MDIFrame(); frame && frame->ActiveMDIChild() == this)
            frame->MergeChildMenu(this);
        return;
    }
    if (value && FHandle)
        value->SetWindowHandle(FHandle);
    else if (FHandle)
        ::SetMenu(FHandle, nullptr);
}

bool TCustomForm::IsShortCut(const TMessage& message)
{
    if (FMenu && FMenu->IsShortCut(message))
        return true;
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TContainedActionList*>(Components(i)); list && list->IsShortCut(message))
            return true;
    // An MDI child's keys reach its frame's menu and actions too.
    TCustomForm* frame = MDIFrame();
    return frame && frame->IsShortCut(message);
}

void TCustomForm::UpdateActions()
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TContainedActionList*>(Components(i)))
            list->UpdateActions();
    if (FMenu)
        FMenu->Items()->InitiateActions();
}

// The menu bar's commands, owner drawing and accelerators; false for other messages.
bool TCustomForm::MenuMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_COMMAND:
        return message.LParam == 0 && HIWORD(message.WParam) == 0 && FMenu &&
               (FMenu->DispatchCommand(LOWORD(message.WParam)) ||
                (FMenu->MergedMenu() && FMenu->MergedMenu()->DispatchCommand(LOWORD(message.WParam))));
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
    case WM_INITMENUPOPUP:
        return DispatchMenuOwnerDraw(message);
    case CM_STYLECHANGED:
        // Owner drawing of the menu bar follows the style.
        if (FMenu)
            FMenu->UpdateItems();
        return false;
    case WM_DESTROY:
        // The window would destroy the menu bar it shows; the menu keeps it.
        if (FMenu && FMenu->WindowHandle() == FHandle)
            FMenu->SetWindowHandle(nullptr);
        return false;
    default:
        return false;
    }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (FBorderIcons == value)
        return;
    FBorderIcons = value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (FFormStyle == value)
        return;
    bool mdi = value == fsMDIForm || value == fsMDIChild || FFormStyle == fsMDIForm || FFormStyle == fsMDIChild;
    FFormStyle = value;
    if (value == fsMDIChild && !ComponentState().Contains(csLoading))
        SetVisible(true);
    if (FHandle && mdi)
        RecreateWnd();
    else if (FHandle)
        SetWindowPos(FHandle, value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (FHandle && Visible())
        ShowWindow(FHandle, value == wsMaximized ? SW_MAXIMIZE : value == wsMinimized ? SW_MINIMIZE : SW_RESTORE);
}

TMonitor* TCustomForm::Monitor() const
{
    if (!Screen)
        return nullptr;
    if (FHandle)
        return Screen->MonitorFromWindow(FHandle);
    return Screen->MonitorFromPoint(Point(FLeft + FWidth / 2, FTop + FHeight / 2));
}

void TCustomForm::PlaceOnShow()
{
    TRect area;
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        area = FPosition == poDesktopCenter ? Rect(0, 0, Screen->Width(), Screen->Height())
                                            : (Monitor() ? Monitor()->WorkareaRect() : Screen->WorkAreaRect());
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* main = Application ? Application->MainForm() : nullptr;
        if (FPosition == poOwnerFormCenter)
            if (auto* owner = dynamic_cast<TCustomForm*>(Owner()))
                main = owner;
        if (!main || main == this)
            area = Screen->WorkAreaRect();
        else
            area = main->BoundsRect();
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - FWidth) / 2, area.Top + (area.Height() - FHeight) / 2, FWidth, FHeight);
}

void TCustomForm::Show()
{
    SetVisible(true);
    if (FHandle)
        BringWindowToTop(FHandle);
}

void TCustomForm::UpdateShowingForm()
{
    if (Visible()) {
        HandleNeeded();
        if (!FShown)
            PlaceOnShow();
        FShown = true;
        DoShow();
        int cmd = FWindowState == wsMaximized ? SW_SHOWMAXIMIZED : FWindowState == wsMinimized ? SW_SHOWMINIMIZED : SW_SHOW;
        ShowWindow(FHandle, cmd);
        if (TCustomForm* frame = MDIFrame())
            SendMessageW(frame->FClientHandle, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
        else
            SetForegroundWindow(FHandle);
    } else if (FHandle) {
        DoHide();
        ShowWindow(FHandle, SW_HIDE);
    }
}

void TCustomForm::DoHide() { FOnHide(this); }

void TCustomForm::SetFocus()
{
    if (!Showing() || !Enabled())
        throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (FActiveControl == control)
        return;
    if (control && (control == this || control->GetParentForm() != this))
        throw EInvalidOperation(u"Invalid active control");
    FActiveControl = control;
    if (control && FActive && control->CanFocus())
        ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control)
{
    if (!control->CanFocus())
        throw EInvalidOperation(u"Cannot focus a disabled or invisible window");
    FActiveControl = control;
    if (FHandle && IsWindowVisible(FHandle))
        ::SetFocus(control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* control)
{
    int count = ++FFocusCount;
    FActiveControl = control == this ? nullptr : control;
    if (Screen) {
        Screen->FActiveControl = control;
        Screen->FActiveForm = this;
    }
    if (control->ControlState().Contains(csFocusing))
        return false;
    control->SetControlState(control->ControlState() + TControlState{csFocusing});
    struct TFocusingGuard {
        TWinControl* Control;
        ~TFocusingGuard() { Control->SetControlState(Control->ControlState() - TControlState{csFocusing}); }
    } guard{control};
    if (!FFocusedControl)
        FFocusedControl = this;
    while (FFocusedControl && FFocusedControl != control && !FFocusedControl->ContainsControl(control)) {
        TWinControl* leaving = FFocusedControl;
        leaving->Perform(CM_EXIT);
        if (FFocusCount != count)
            return false; // the exit handler moved the focus
        FFocusedControl = leaving->Parent();
    }
    while (FFocusedControl != control) {
        TWinControl* p = control;
        while (p->Parent() != FFocusedControl)
            p = p->Parent();
        FFocusedControl = p;
        p->Perform(CM_ENTER);
        if (FFocusCount != count)
            return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

void TCustomForm::Activated(bool active)
{
    FActive = active;
    if (active) {
        if (Screen)
            Screen->FActiveForm = this;
        FOnActivate(this);
        TWinControl* target = FActiveControl;
        if (!target || !target->CanFocus())
            target = FindNextControl(nullptr, true, true, false);
        if (target)
            ::SetFocus(target->Handle());
        else
            ::SetFocus(FHandle);
    } else {
        FOnDeactivate(this);
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    FOnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoShow()
{
    FOnShow(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    FOnClose(this, action);
}

void TCustomForm::Close()
{
    if (FInModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    bool isMain = Application && Application->MainForm() == this;
    // An MDI child stays in its frame: closing minimises it when it can be minimised.
    TCloseAction action = isMain ? caFree : caHide;
    if (FFormStyle == fsMDIChild)
        action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(action);
    switch (action) {
    case caNone:
        return;
    case caHide:
        Hide();
        return;
    case caMinimize:
        SetWindowState(wsMinimized);
        return;
    case caFree:
        if (isMain)
            Application->Terminate();
        else
            Release();
        return;
    }
}

int TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || FInModal)
        throw EInvalidOperation(u"Cannot make a visible window modal");
    SetCaptureControl(nullptr);
    if (GetCapture())
        ReleaseCapture();
    // The window that was active gets the activation back afterwards, as it had it before.
    HWND previouslyActive = GetActiveWindow();
    std::vector<HWND> disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f != this && f->HandleAllocated() && IsWindowEnabled(f->HandleIfAllocated())) {
            EnableWindow(f->HandleIfAllocated(), FALSE);
            disabled.push_back(f->HandleIfAllocated());
        }
    }
    // Whatever ends the loop (a result, the application ending, an exception), the other
    // windows are enabled again and the form is hidden.
    struct TModalGuard {
        TCustomForm* Form;
        std::vector<HWND>& Disabled;
        HWND PreviouslyActive;
        ~TModalGuard()
        {
            for (HWND w : Disabled)
                if (IsWindow(w))
                    EnableWindow(w, TRUE);
            Form->FInModal = false;
            if (Form->FHandle)
                Form->Hide();
            if (PreviouslyActive && IsWindow(PreviouslyActive) && IsWindowEnabled(PreviouslyActive) &&
                IsWindowVisible(PreviouslyActive))
                SetActiveWindow(PreviouslyActive);
        }
    } guard{this, disabled, previouslyActive};
    FInModal = true;
    FModalResult = mrNone;
    Show();
    while (!Application->Terminated()) {
        Application->HandleMessage();
        if (FModalResult == mrNone)
            continue;
        TCloseAction action = caHide;
        if (!CloseQuery())
            action = caNone;
        else
            DoClose(action);
        if (action != caNone)
            break;
        FModalResult = mrNone;
    }
    return FModalResult;
}

void TCustomForm::Release()
{
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::DialogKey(TMessage& message)
{
    switch (message.WParam) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
            message.Result = 1;
            return;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        // As in dialogs, the arrows move the focus among the active control's siblings (a control
        // that wants them answers CM_WANTSPECIALKEY or WM_GETDLGCODE and never gets here).
        if (FActiveControl && FActiveControl->Parent() && GetKeyState(VK_MENU) >= 0) {
            FActiveControl->Parent()->SelectNext(FActiveControl,
                                                 message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
            message.Result = 1;
            return;
        }
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        Broadcast(message);
        return;
    default:
        break;
    }
    Broadcast(message);
}

bool TCustomForm::DoKeyDown(TMessage& message)
{
    Word key = static_cast<Word>(message.WParam);
    KeyDown(key, KeyboardShiftState());
    message.WParam = key;
    return key == 0;
}

bool TCustomForm::DoKeyUp(TMessage& message)
{
    Word key = static_cast<Word>(message.WParam);
    KeyUp(key, KeyboardShiftState());
    message.WParam = key;
    return key == 0;
}

bool TCustomForm::DoKeyPress(TMessage& message)
{
    Char key = static_cast<Char>(message.WParam);
    KeyPress(key);
    message.WParam = key;
    return key == 0;
}

void TCustomForm::PaintWindow(HDC dc)
{
    FCanvas->SetHandle(dc);
    try {
        FOnPaint(this);
    } catch (...) {
        FCanvas->SetHandle(nullptr);
        throw;
    }
    FCanvas->SetHandle(nullptr);
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FActiveControl)
        FActiveControl = nullptr;
    if (component == FMenu) {
        FMenu = nullptr;
        if (FHandle && FFormStyle != fsMDIChild)
            ::SetMenu(FHandle, nullptr);
    }
    if (component == FWindowMenu)
        FWindowMenu = nullptr;
    if (component == FFocusedControl)
        FFocusedControl = nullptr;
    if (Screen && component == Screen->FActiveControl)
        Screen->FActiveControl = nullptr;
}

void TCustomForm::WndProc(TMessage& message)
{
    if (MenuMessage(message) || MDIMessage(message))
        return;
    switch (message.Msg) {
    case WM_ACTIVATE:
        Activated(LOWORD(message.WParam) != WA_INACTIVE);
        return;
    case WM_SETFOCUS:
        if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus()) {
            ::SetFocus(FActiveControl->Handle());
            return;
        }
        break;
    case WM_CLOSE:
        Close();
        return;
    case CM_RELEASE:
        delete this;
        return;
    case CM_VISIBLECHANGED:
        UpdateShowingForm();
        return;
    case CM_DIALOGKEY:
        DialogKey(message);
        return;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_KEYMENU && !Menu() && OfferMenuKey(this, message))
            return;
        break;
    case WM_DPICHANGED:
        if (FScaled) {
            int ppi = HIWORD(message.WParam);
            ChangeScale(ppi, FPixelsPerInch, true);
            FPixelsPerInch = ppi;
            // The system's suggested place keeps the window under the same part of the monitor.
            const RECT* suggested = reinterpret_cast<const RECT*>(message.LParam);
            SetBounds(suggested->left, suggested->top, suggested->right - suggested->left,
                      suggested->bottom - suggested->top);
        }
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------------

TFrame::TFrame(TComponent* owner) : TCustomControl(owner)
{
    FControlStyle = FControlStyle + TControlStyle{csAcceptsControls};
    SetBounds(0, 0, 320, 240);
}

void TFrame::InitFromResource()
{
    if (!InitInheritedComponent(this, TFrame::StaticClass()) && ClassType() != TFrame::StaticClass())
        throw EResNotFound(u"Resource " + ClassName() + u" not found");
}
