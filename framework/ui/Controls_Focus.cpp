// Focus within a form (tab order, SetFocus, enter and exit notifications) and the keyboard path:
// the loop asks the focused control first (CN_KEYDOWN...), then short cuts of the pop-up menus
// and of the form, then dialog keys go to the form.
#include <algorithm>

#include "Controls.h"
#include "Forms.h"
#include "Menus.h"

int TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!FParent)
        return;
    auto& list = FParent->FTabList;
    std::erase(list, this);
    size_t index = value < 0 ? list.size() : std::min(static_cast<size_t>(value), list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), this);
}

void TWinControl::SetTabStop(bool value)
{
    if (FTabStop == value)
        return;
    FTabStop = value;
    if (FHandle) {
        LONG style = GetWindowLongW(FHandle, GWL_STYLE);
        SetWindowLongW(FHandle, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : FTabList) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

bool TWinControl::Showing() const
{
    if (!Visible())
        return false;
    if (FHandle && !FParent)
        return IsWindowVisible(FHandle) != FALSE;
    return FParent ? FParent->Showing() : false;
}

bool TWinControl::CanFocus() const
{
    if (!GetParentForm())
        return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm();
    if (form && form != this)
        form->FocusControl(this);
    else if (Showing())
        ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (forward ? static_cast<int>(list.size()) - 1 : 0) : static_cast<int>(it - list.begin());
    int count = static_cast<int>(list.size());
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = forward ? (i + 1) % count : (i - 1 + count) % count;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == current)
            break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    // Without the tab-stop rule (the arrow keys) only the siblings take part.
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

void TWinControl::DoEnter() { FOnEnter(this); }
void TWinControl::DoExit() { FOnExit(this); }
void TWinControl::KeyDown(Word& key, TShiftState shift) { FOnKeyDown(this, key, shift); }
void TWinControl::KeyUp(Word& key, TShiftState shift) { FOnKeyUp(this, key, shift); }
void TWinControl::KeyPress(Char& key) { FOnKeyPress(this, key); }

bool TWinControl::DoKeyDown(TMessage& message)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(message))
        return true;
    Word key = static_cast<Word>(message.WParam);
    KeyDown(key, KeyboardShiftState());
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(message))
        return true;
    Word key = static_cast<Word>(message.WParam);
    KeyUp(key, KeyboardShiftState());
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(message))
        return true;
    Char key = static_cast<Char>(message.WParam);
    KeyPress(key);
    message.WParam = key;
    return key == 0;
}

bool TWinControl::IsMenuKey(const TMessage& message)
{
    // Shift+F10 and the menu key open the context menu of the control (or of a parent).
    TShiftState shift = KeyboardShiftState();
    if ((message.WParam == VK_APPS && shift == TShiftState{}) ||
        (message.WParam == VK_F10 && shift == TShiftState{ssShift})) {
        for (TControl* c = this; c; c = c->Parent())
            if (PopupContextMenu(c, Point(-1, -1)))
                return true;
        return false;
    }
    for (TControl* c = this; c; c = c->Parent())
        if (c->PopupMenu() && c->PopupMenu()->IsShortCut(message))
            return true;
    TCustomForm* form = GetParentForm();
    return form && form->IsShortCut(message);
}

void TWinControl::HandleKeyMessages(TMessage& message, bool& handled)
{
    message.Result = 1;
    TCustomForm* form = GetParentForm();
    if ((message.Msg == CN_KEYDOWN || message.Msg == CN_SYSKEYDOWN) && IsMenuKey(message)) {
        handled = true;
        return;
    }
    if (message.Msg == CN_KEYDOWN) {
        Word key = static_cast<Word>(message.WParam);
        UINT mask = 0;
        switch (key) {
        case VK_TAB: mask = DLGC_WANTTAB; break;
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
        case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
        default: break;
        }
        if (mask && form && Perform(CM_WANTSPECIALKEY, key) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0 &&
            form->Perform(CM_DIALOGKEY, key, message.LParam) != 0) {
            handled = true;
            return;
        }
    } else if (message.Msg == CN_SYSCHAR || message.Msg == CN_CHAR) {
        // A plain character goes to the form's accelerators only from a control that does not
        // take characters itself (a button, not an edit).
        const bool wantsChars = message.Msg == CN_CHAR && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0;
        if (form && !wantsChars && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) {
            handled = true;
            return;
        }
    }
    message.Result = 0;
}
