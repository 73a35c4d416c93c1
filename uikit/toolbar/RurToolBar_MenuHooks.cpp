// The menu bar's message-filter and get-message hooks and their unit state.
#include "RurToolBar_MenuHooks.h"

#include "Controls.h"
#include "Menus.h"
#include "Messages.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"

namespace {

HHOOK FilterHook = nullptr;
TRurCustomToolBar* MenuToolBar = nullptr;
int MenuButtonIndex = -1;
TMenuItem* CurrentItem = nullptr;
TPoint LastMousePos{};
bool Ignoring = false;
bool FirstMessagePosted = false;
// The Down the filter posted has not reached the menu yet.
bool DownPending = false;

HHOOK GetMsgHook = nullptr;
TRurCustomToolBar* KeyboardToolBar = nullptr;

// The dropped menu's item behind a menu handle and position (a sub-menu) or a command.
TMenuItem* DroppedItem(HMENU menu, UINT position, bool popup)
{
    TPopupMenu* dropped = MenuToolBar->ActiveMenu();
    if (!dropped)
        return nullptr;
    if (popup) {
        HMENU sub = GetSubMenu(menu, static_cast<int>(position));
        return sub ? dropped->FindItem(reinterpret_cast<UINT_PTR>(sub), fkHandle) : nullptr;
    }
    return dropped->FindItem(position, fkCommand);
}

// The item highlighted in the innermost open level of the dropped menu. The menu loop sends its
// selection to the menu's owner window, past this hook; what it highlights is what it selected.
TMenuItem* HighlightedItem()
{
    TPopupMenu* dropped = MenuToolBar->ActiveMenu();
    TMenuItem* found = nullptr;
    for (HMENU menu = dropped ? dropped->Handle() : nullptr; menu;) {
        HMENU next = nullptr;
        const int count = GetMenuItemCount(menu);
        for (int i = 0; i < count; ++i) {
            if (!(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE))
                continue;
            next = GetSubMenu(menu, i);
            if (TMenuItem* item = next ? DroppedItem(menu, static_cast<UINT>(i), true)
                                       : DroppedItem(menu, GetMenuItemID(menu, i), false))
                found = item;
            break;
        }
        menu = next;
    }
    return found;
}

bool ReadsRightToLeft(const TMenuItem* item)
{
    const TMenu* menu = item->GetParentMenu();
    return menu && menu->IsRightToLeft();
}

bool IsTopLevelOfDroppedMenu(const TMenuItem* item)
{
    TPopupMenu* dropped = MenuToolBar->ActiveMenu();
    return dropped && item->Parent() == dropped->Items();
}

// What the message asks for: the button to switch to (null: none) and whether the mouse chose it.
// Answers false when the message ended the menu mode and nothing more is to be done.
bool ReadMenuMessage(const MSG& msg, TRurCustomToolBarButton*& target, bool& byMouse)
{
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_RETURN) {
            MenuToolBar->SetMenuResult(true);
        } else if (msg.wParam == VK_ESCAPE) {
            Ignoring = true;
        } else if (CurrentItem) {
            if (msg.wParam == VK_RIGHT && CurrentItem->Count() == 0)
                target = FindNextMenuButton(true);
            else if (msg.wParam == VK_LEFT && IsTopLevelOfDroppedMenu(CurrentItem))
                target = FindNextMenuButton(false);
        }
        return true;
    case WM_SYSKEYDOWN:
        if (msg.wParam != VK_MENU)
            return true;
        MenuToolBar->CancelMenuMode();
        return false;
    case WM_MENUSELECT: {
        const UINT flags = HIWORD(msg.wParam);
        if (flags == 0xFFFF && msg.lParam == 0) {
            MenuToolBar->CancelMenuMode();
            return false;
        }
        CurrentItem = DroppedItem(reinterpret_cast<HMENU>(msg.lParam), LOWORD(msg.wParam), (flags & MF_POPUP) != 0);
        return true;
    }
    case WM_MOUSEMOVE: {
        const TPoint p{msg.pt.x, msg.pt.y};
        if (p.X == LastMousePos.X && p.Y == LastMousePos.Y)
            return true;
        target = dynamic_cast<TRurCustomToolBarButton*>(FindDragTarget(p, false));
        LastMousePos = p;
        byMouse = true;
        return true;
    }
    default:
        return true;
    }
}

// The Down the filter posts carries no repeat count, unlike a typed one.
bool IsPostedDown(const MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_DOWN && msg.lParam == 0; }

LRESULT CALLBACK MenuMsgFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (MenuToolBar && code == MSGF_MENU && msg->message == WM_KEYDOWN)
        if (TMenuItem* item = HighlightedItem())
            CurrentItem = item;
    // A right-to-left menu walks the other way.
    if (CurrentItem && ReadsRightToLeft(CurrentItem) && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) &&
        (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT))
        msg->wParam = msg->wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
    if (IsPostedDown(*msg))
        DownPending = false;
    const LRESULT result = CallNextHookEx(FilterHook, code, wParam, lParam);
    if (result != 0 || Ignoring || code != MSGF_MENU || !MenuToolBar)
        return result;
    if (!FirstMessagePosted) {
        // The menu just opened: Down selects its first item.
        FirstMessagePosted = true;
        DownPending = PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0) != 0;
    }
    TRurCustomToolBarButton* target = nullptr;
    bool byMouse = false;
    if (!ReadMenuMessage(*msg, target, byMouse))
        return result;
    // Only another menu-bar button of the same toolbar takes the menu over.
    const int index = target ? MenuToolBar->IndexOfToolBarControl(target) : -1;
    if (target && target->IsMenuButton() && index >= 0 && index != MenuButtonIndex && target->Parent() &&
        target->Parent()->HandleAllocated()) {
        Ignoring = true;
        MenuToolBar->SetCaptureChangeCancels(false);
        MenuToolBar->ClickMenuButton(target, byMouse);
    }
    return result;
}

LRESULT CALLBACK MenuGetMsgHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && KeyboardToolBar) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        switch (msg->message) {
        case CM_DEACTIVATE:
            KeyboardToolBar->CancelMenuMode();
            break;
        case WM_COMMAND:
            RemoveMenuGetMsgHook();
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            if (FilterHook)
                break;
            // A menu that closed before the filter's Down reached it: that Down must not drop
            // the hot button's menu.
            if (DownPending && IsPostedDown(*msg) && wParam == PM_REMOVE) {
                DownPending = false;
                msg->message = WM_NULL;
                break;
            }
            // The keys go to the menu bar while no menu of it is open.
            if (KeyboardToolBar->HandleAllocated())
                msg->hwnd = KeyboardToolBar->Handle();
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(GetMsgHook, code, wParam, lParam);
}

} // namespace

void SetMenuHookToolBar(TRurCustomToolBar* toolBar, int buttonIndex)
{
    MenuToolBar = toolBar;
    MenuButtonIndex = buttonIndex;
}

TRurCustomToolBar* MenuHookToolBar() { return MenuToolBar; }

void InstallMenuMsgFilterHook()
{
    Ignoring = false;
    POINT cursor{};
    GetCursorPos(&cursor);
    LastMousePos = TPoint{cursor.x, cursor.y};
    if (!FilterHook)
        FilterHook = SetWindowsHookExW(WH_MSGFILTER, &MenuMsgFilterHook, nullptr, GetCurrentThreadId());
}

void RemoveMenuMsgFilterHook()
{
    if (FilterHook)
        UnhookWindowsHookEx(FilterHook);
    FilterHook = nullptr;
    CurrentItem = nullptr;
    MenuToolBar = nullptr;
    MenuButtonIndex = -1;
    FirstMessagePosted = false;
}

bool MenuMsgFilterHookInstalled() { return FilterHook != nullptr; }

bool MenuHookIgnoring() { return Ignoring; }

void SetKeyboardMenuToolBar(TRurCustomToolBar* toolBar) { KeyboardToolBar = toolBar; }

TRurCustomToolBar* KeyboardMenuToolBar() { return KeyboardToolBar; }

void InstallMenuGetMsgHook()
{
    if (!GetMsgHook)
        GetMsgHook = SetWindowsHookExW(WH_GETMESSAGE, &MenuGetMsgHook, nullptr, GetCurrentThreadId());
}

void RemoveMenuGetMsgHook()
{
    if (GetMsgHook)
        UnhookWindowsHookEx(GetMsgHook);
    GetMsgHook = nullptr;
    KeyboardToolBar = nullptr;
}

bool MenuGetMsgHookInstalled() { return GetMsgHook != nullptr; }

TRurCustomToolBarButton* FindNextMenuButton(bool forward)
{
    if (!MenuToolBar)
        return nullptr;
    const int n = MenuToolBar->ToolBarControlCount();
    if (n == 0)
        return nullptr;
    const int start = MenuButtonIndex;
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1 >= n ? 0 : i + 1) : (i - 1 < 0 ? n - 1 : i - 1);
        auto* button = dynamic_cast<TRurCustomToolBarButton*>(MenuToolBar->ToolBarControls(i));
        if (button && button->Visible() && button->Enabled())
            return button;
        if (i == start)
            break;
    }
    return nullptr;
}
