// TApplication: the message loop, the keyboard's first stop at the focused control, the default
// exception handler; Halt; the Forms unit's start-up.
#include "Forms.h"

#include "WideText.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

TUnitStartup* HaltUnits = nullptr;

// The framework control a window belongs to: the window's own, or its nearest framework parent's
// (the edit inside a combo box).
TWinControl* OwningControl(HWND wnd)
{
    for (; wnd; wnd = GetParent(wnd))
        if (TWinControl* c = TWinControl::FindControl(wnd))
            return c;
    return nullptr;
}

} // namespace

LRESULT CALLBACK ApplicationWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Threads post WM_NULL here when they queue a method for the main thread; a modal loop
    // dispatches it as well as the application's own.
    if (msg == WM_NULL && Application && wnd == Application->FHandle) {
        try {
            CheckSynchronize();
        } catch (...) {
            Application->HandleException(Application);
        }
        return 0;
    }
    if (msg == WM_TIMER && Application && wnd == Application->FHandle) {
        KillTimer(wnd, wParam);
        try {
            if (wParam == HintShowTimer)
                Application->ShowHintNow();
            else if (wParam == HintHideTimer)
                Application->CancelHint();
        } catch (...) {
            Application->HandleException(Application);
        }
        return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = ApplicationWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavinApplication";
    RegisterClassW(&wc);
    FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              wc.hInstance, nullptr);
}

TApplication::~TApplication()
{
    FHintControl = nullptr;
    DestroyComponents();
    if (FHandle)
        DestroyWindow(FHandle);
}

void TApplication::Run()
{
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Terminate()
{
    if (!FTerminated)
        PostQuitMessage(0);
    FTerminated = true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg) && !FTerminated) {
        try {
            DoApplicationIdle();
        } catch (...) {
            HandleException(this);
        }
        WaitMessage();
    }
}

void TApplication::DoApplicationIdle()
{
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->HandleAllocated() && IsWindowVisible(form->HandleIfAllocated()))
            form->UpdateActions();
    }
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    try {
        bool handled = false;
        FOnMessage(msg, handled);
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONDOWN || msg.message == WM_KEYDOWN)
            HintMouseMessage(msg);
        if (!handled && !IsMDIMsg(msg) && !IsKeyMsg(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        HandleException(this);
    }
    return true;
}

bool TApplication::IsKeyMsg(MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_CHAR &&
        msg.message != WM_SYSCHAR)
        return false;
    TWinControl* control = OwningControl(msg.hwnd);
    return control && control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::IsMDIMsg(MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* frame = Screen->Forms(i);
        if (frame->FormStyle() == fsMDIForm && frame->ClientHandle() && frame->ActiveMDIChild())
            return TranslateMDISysAccel(frame->ClientHandle(), &msg) != 0;
    }
    return false;
}

void TApplication::HandleException(TObject* sender)
{
    SetCaptureControl(nullptr);
    if (GetCapture())
        ReleaseCapture();
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        if (FOnException)
            FOnException(sender, e);
        else
            ShowException(e);
    } catch (const std::exception& e) {
        Exception wrapped(FromUtf8(e.what()));
        if (FOnException)
            FOnException(sender, wrapped);
        else
            ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& e)
{
    String text = e.Message();
    if (!text.empty() && text.back() > u'.')
        text += u'.';
    String caption = FTitle.empty() ? String(u"Error") : FTitle;
    TCustomForm* owner = Screen ? Screen->ActiveForm() : nullptr;
    MessageBoxW(owner && owner->HandleAllocated() ? owner->HandleIfAllocated() : FHandle, WidePtr(text),
                WidePtr(caption), MB_OK | MB_ICONSTOP);
}

void TApplication::SetShowHint(bool value)
{
    FShowHint = value;
    if (!value)
        CancelHint();
}

void TApplication::SetHint(const String& value)
{
    if (FHint == value)
        return;
    FHint = value;
    FOnHint(this);
}

bool TApplication::ExecuteAction(TBasicAction* action)
{
    bool handled = false;
    FOnActionExecute(action, handled);
    return handled;
}

bool TApplication::UpdateAction(TBasicAction* action)
{
    bool handled = false;
    FOnActionUpdate(action, handled);
    return handled;
}

void TApplication::HintMouseMessage(const MSG& msg)
{
    if (msg.message != WM_MOUSEMOVE) {
        CancelHint();
        return;
    }
    TWinControl* window = TWinControl::FindControl(msg.hwnd);
    TControl* control = window;
    if (window)
        if (TControl* child = window->ControlAtPos(Point(static_cast<short>(LOWORD(msg.lParam)),
                                                         static_cast<short>(HIWORD(msg.lParam))), false))
            control = child;
    if (control == FHintControl || (FHintWindow && control == FHintWindow))
        return;
    CancelHint();
    FHintControl = control;
    if (FShowHint && control && control->ShowHint() && !control->Hint().empty())
        SetTimer(FHandle, HintShowTimer, static_cast<UINT>(FHintPause), nullptr);
}

void TApplication::ShowHintNow()
{
    if (!FHintControl || !FHintControl->Showing())
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    THintInfo info;
    info.HintControl = FHintControl;
    info.CursorPos = FHintControl->ScreenToClient(Point(cursor.x, cursor.y));
    info.HintPos = Point(cursor.x, cursor.y + 20);
    info.HintStr = FHintControl->Hint();
    if (FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0)
        return; // the control refused
    if (!FHintWindow)
        FHintWindow = new THintWindow(this);
    FHintWindow->SetBiDiMode(FHintControl->BiDiMode());
    FHintWindow->ActivateHint(info.HintPos, info.HintStr);
    SetTimer(FHandle, HintHideTimer, static_cast<UINT>(FHintHidePause), nullptr);
}

void TApplication::CancelHint()
{
    KillTimer(FHandle, HintShowTimer);
    KillTimer(FHandle, HintHideTimer);
    if (FHintWindow && FHintWindow->HandleAllocated())
        ShowWindow(FHintWindow->HandleIfAllocated(), SW_HIDE);
    FHintControl = nullptr;
}

void SetHaltUnits(TUnitStartup* startup)
{
    HaltUnits = startup;
}

void Halt(int exitCode)
{
    if (HaltUnits) {
        try {
            HaltUnits->Finalize();
        } catch (...) {
            // The process ends with the given code whatever a finaliser reports.
        }
    }
    ExitProcess(static_cast<UINT>(exitCode));
}

void FormsUnitInitialize()
{
    Screen = new TScreen(nullptr);
    Application = new TApplication(nullptr);
    SetMainThread([wnd = Application->Handle()] { PostMessageW(wnd, WM_NULL, 0, 0); });
    RegisterClasses({TForm::StaticClass(), TFrame::StaticClass(), TScrollBox::StaticClass()});
}

void FormsUnitFinalize()
{
    SetMainThread(nullptr);
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
}
