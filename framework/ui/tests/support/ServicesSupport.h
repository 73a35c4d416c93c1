#pragma once
// Test helpers of the framework's services: pumping the message loop, and standing in for the person
// in front of a modal window of the platform (a dialog box that runs its own loop).
#include "WinApiNames.h"

#include <chrono>
#include <functional>

#include "ComObj.h"
#include "Controls.h"
#include "Dialogs.h"
#include "Forms.h"
#include "Resources.h"
#include "Startup.h"
#include "Timers.h"
#include "WideText.h"

// Starts, once for the test program, the units the services work with: the application object
// (it handles exceptions of timers) and the services' own start-up steps.
inline void StartServiceUnits()
{
    static const TUnitStep steps[] = {
        {"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit},
        ControlsUnit,
        FormsUnit,
        ComObjUnit,
        ResourcesUnit,
        TimersUnit,
        DialogsUnit,
    };
    static TUnitStartup startup(steps);
    startup.Initialize();
}

// Dispatches messages until done() holds or timeoutMs pass; returns done().
inline bool PumpMessagesUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

inline void PumpMessagesFor(int milliseconds)
{
    PumpMessagesUntil([] { return false; }, milliseconds);
}

inline String WindowText(HWND wnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    return FromWidePtr(text);
}

// The text control of the platform's message box.
constexpr int MessageBoxTextId = 0xFFFF;

// While a modal dialog of this thread runs its own message loop, a thread timer looks for the first
// visible dialog window ("#32770") and hands it to act, once. A dialog that is still open 3 seconds
// later is cancelled, so that a test fails instead of hanging; Forced() tells. Destroying the guard
// stops looking.
class TDialogResponder {
public:
    explicit TDialogResponder(std::function<void(HWND dialog)> act) : FAct(std::move(act))
    {
        Current() = this;
        FTimer = SetTimer(nullptr, 0, 50, &TDialogResponder::Tick);
    }
    ~TDialogResponder()
    {
        KillTimer(nullptr, FTimer);
        Current() = nullptr;
    }
    TDialogResponder(const TDialogResponder&) = delete;
    TDialogResponder& operator=(const TDialogResponder&) = delete;

    HWND Dialog() const { return FDialog; }
    bool Forced() const { return FForced; }

private:
    static TDialogResponder*& Current()
    {
        static TDialogResponder* current = nullptr;
        return current;
    }

    static BOOL CALLBACK FindDialog(HWND wnd, LPARAM found)
    {
        wchar_t className[16] = {};
        GetClassNameW(wnd, className, 16);
        if (IsWindowVisible(wnd) && lstrcmpW(className, L"#32770") == 0) {
            *reinterpret_cast<HWND*>(found) = wnd;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TDialogResponder* self = Current();
        if (!self)
            return;
        if (self->FDialog) {
            if (IsWindowVisible(self->FDialog) && GetTickCount() - self->FActedAt > 3000 && !self->FForced) {
                self->FForced = true;
                PostMessageW(self->FDialog, WM_COMMAND, IDCANCEL, 0);
            }
            return;
        }
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            self->FDialog = dialog;
            self->FActedAt = GetTickCount();
            self->FAct(dialog);
        }
    }

    std::function<void(HWND)> FAct;
    UINT_PTR FTimer = 0;
    HWND FDialog = nullptr;
    DWORD FActedAt = 0;
    bool FForced = false;
};
