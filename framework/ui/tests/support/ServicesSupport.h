#pragma once
// Test helpers of the framework's services: pumping the message loop, and standing in for the person
// in front of a modal window of the platform (a dialog box that runs its own loop).
#include <windows.h>

#include <chrono>
#include <functional>

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

// While a modal dialog of this thread runs its own message loop, a thread timer looks for the first
// visible dialog window ("#32770") and hands it to act, once. Destroying the guard stops looking.
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
        if (!self || self->FDialog)
            return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            self->FDialog = dialog;
            self->FAct(dialog);
        }
    }

    std::function<void(HWND)> FAct;
    UINT_PTR FTimer = 0;
    HWND FDialog = nullptr;
};
