#pragma once
// Runs an action on the task dialog of this thread once it is up (the system's dialog, or the kit's
// dialog form once it is shown and active), from a timer of the dialog's own modal loop; records
// what the dialog looked like at that moment.
#include <windows.h>

#include <functional>

#include "Forms.h"
#include "TaskDialog.h"
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

    // The kit's dialog form behind a dialog window; null for the system's dialog.
    static TRurMessageForm* FormOf(HWND dialog)
    {
        return dynamic_cast<TRurMessageForm*>(TWinControl::FindControl(dialog));
    }

    String Title;
    // Whether the window owning the dialog took input while it was up.
    bool OwnerFormEnabled = true;
    RECT Bounds{};
    LONG_PTR ExStyle = 0;
    bool Answered = false;

private:
    static TTaskDialogAnswerer*& Current()
    {
        static TTaskDialogAnswerer* current = nullptr;
        return current;
    }
    static BOOL CALLBACK FindDialog(HWND wnd, LPARAM data)
    {
        wchar_t name[32] = {};
        GetClassNameW(wnd, name, 32);
        const String className = FromWidePtr(name);
        const bool form = className == u"Tavin.TRurMessageForm";
        if (IsWindowVisible(wnd) && (className == u"#32770" || form)) {
            // The dialog form answers once it is the active window, as a person meets it.
            if (!form || GetActiveWindow() == wnd)
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
        HWND owner = GetWindow(found, GW_OWNER);
        self->OwnerFormEnabled = owner && IsWindowEnabled(owner);
        GetWindowRect(found, &self->Bounds);
        self->ExStyle = GetWindowLongPtrW(found, GWL_EXSTYLE);
        auto action = std::move(self->FAction);
        self->FAction = nullptr;
        self->Answered = true;
        action(found);
    }

    std::function<void(HWND)> FAction;
    UINT_PTR FTimer = 0;
};

// A person's actions on a shown task dialog (the system's or the kit's form), as posted messages.
namespace TaskDialogActions {

// A left click on the button that answers the identifier (the pointer put there first, since Wine
// makes up mouse moves from the real pointer).
inline void PressButton(HWND dialog, int buttonId)
{
    TRurMessageForm* form = TTaskDialogAnswerer::FormOf(dialog);
    if (!form) {
        PostMessageW(dialog, TDM_CLICK_BUTTON, static_cast<WPARAM>(buttonId), 0);
        return;
    }
    TWinControl* button = form->FindButton(buttonId);
    if (!button)
        return;
    RECT r;
    GetWindowRect(button->Handle(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const LPARAM centre = MAKELPARAM(button->Width() / 2, button->Height() / 2);
    PostMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(button->Handle(), WM_LBUTTONUP, 0, centre);
}

// Escape pressed on the dialog's focused control, as the keyboard delivers it.
inline void PressEscape(HWND dialog)
{
    HWND focus = GetFocus();
    HWND target = focus && (focus == dialog || IsChild(dialog, focus)) ? focus : dialog;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
}

// The close box of the dialog's caption.
inline void CloseBox(HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

} // namespace TaskDialogActions
