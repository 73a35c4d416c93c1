#pragma once
// Runs an action on the system's task dialog of this thread once it is up, from a timer of the
// dialog's own modal loop; records what the dialog looked like at that moment.
#include <windows.h>

#include <functional>

#include "Forms.h"
#include "WideText.h"

class TTaskDialogAnswerer {
public:
    explicit TTaskDialogAnswerer(std::function<void(HWND dialog)> action)
    {
        Current() = this;
        FAction = std::move(action);
        FTimer = SetTimer(nullptr, 0, 50, &Tick);
    }
    ~TTaskDialogAnswerer()
    {
        KillTimer(nullptr, FTimer);
        Current() = nullptr;
    }
    TTaskDialogAnswerer(const TTaskDialogAnswerer&) = delete;
    TTaskDialogAnswerer& operator=(const TTaskDialogAnswerer&) = delete;

    String Title;
    bool OwnerFormEnabled = true;
    RECT Bounds{};
    LONG_PTR ExStyle = 0;

private:
    static TTaskDialogAnswerer*& Current()
    {
        static TTaskDialogAnswerer* current = nullptr;
        return current;
    }
    static BOOL CALLBACK FindDialog(HWND wnd, LPARAM data)
    {
        wchar_t name[16] = {};
        GetClassNameW(wnd, name, 16);
        if (IsWindowVisible(wnd) && FromWidePtr(name) == u"#32770") {
            *reinterpret_cast<HWND*>(data) = wnd;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TTaskDialogAnswerer* self = Current();
        if (!self || !self->FAction)
            return;
        HWND found = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&found));
        if (!found)
            return;
        wchar_t title[128] = {};
        GetWindowTextW(found, title, 128);
        self->Title = FromWidePtr(title);
        self->OwnerFormEnabled = Screen->ActiveForm() && IsWindowEnabled(Screen->ActiveForm()->Handle());
        GetWindowRect(found, &self->Bounds);
        self->ExStyle = GetWindowLongPtrW(found, GWL_EXSTYLE);
        auto action = std::move(self->FAction);
        self->FAction = nullptr;
        action(found);
    }

    std::function<void(HWND)> FAction;
    UINT_PTR FTimer = 0;
};

