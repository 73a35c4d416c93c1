#pragma once
// The menu bar's two thread hooks. While a menu-bar button's menu is dropped, a message filter
// watches the menu loop: Left and Right at the menu's edge move to the neighbouring menu-bar
// button, the pointer over another menu-bar button switches menus, Enter and Escape are noted.
// While the menu bar is in keyboard mode with no menu dropped, a get-message hook hands the
// thread's keys to the menu bar and ends keyboard mode when the application is deactivated.
// At most one toolbar uses each hook at a time; both run on the one GUI thread.
class TRurCustomToolBar;
class TRurCustomToolBarButton;

// Set by the toolbar before it installs the message filter: whose menu is dropped, and the index
// of the dropping button in that toolbar's control list.
void SetMenuHookToolBar(TRurCustomToolBar* toolBar, int buttonIndex);
TRurCustomToolBar* MenuHookToolBar();
// A second installation keeps the first; removal forgets the toolbar, the button and the item.
void InstallMenuMsgFilterHook();
void RemoveMenuMsgFilterHook();
bool MenuMsgFilterHookInstalled();
// Set when the filter ended the menu itself (Escape, or switching to another button); cleared
// only by the next installation.
bool MenuHookIgnoring();

// Set by the toolbar before it installs the get-message hook: the toolbar in keyboard mode.
void SetKeyboardMenuToolBar(TRurCustomToolBar* toolBar);
TRurCustomToolBar* KeyboardMenuToolBar();
void InstallMenuGetMsgHook();
void RemoveMenuGetMsgHook();
bool MenuGetMsgHookInstalled();

// The next visible, enabled toolbar button after the dropping one (before it when not forward),
// round the control list with the dropping one itself last; null without a toolbar or when none
// qualifies.
TRurCustomToolBarButton* FindNextMenuButton(bool forward);
