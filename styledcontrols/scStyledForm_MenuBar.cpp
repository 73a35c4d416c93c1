// The menu bar a styled frame paints in place of the system's under a custom style: items laid out
// in rows, painted in the style, opened with the system's pop-up menu tracking; a message filter
// lets Left, Right and the mouse move between the open drop-downs.
#include <algorithm>
#include <vssym32.h>

#include "Math.h"
#include "WideText.h"
#include "scStyledForm.h"

namespace {

using TD = TCustomStyleServices;
using TBar = TscFormStyleHook::TscMainMenuBarStyleHook;

Char UpperChar(Char c)
{
    wchar_t buffer[1] = {static_cast<wchar_t>(c)};
    CharUpperBuffW(buffer, 1);
    return static_cast<Char>(buffer[0]);
}

// The bar whose drop-down is open: the filter hook's only way to it. Set only while the hook is in.
TBar* GTrackingBar = nullptr;

} // namespace

TBar::TscMainMenuBarStyleHook(TscFormStyleHook* formHook) : FFormHook(formHook) {}

TBar::~TscMainMenuBarStyleHook()
{
    if (GTrackingBar == this)
        GTrackingBar = nullptr;
}

TMainMenu* TBar::Menu() const { return FFormHook->Form()->Menu(); }

std::vector<TMenuItem*> TBar::Items() const
{
    std::vector<TMenuItem*> items;
    if (TMainMenu* menu = Menu())
        for (TMenuItem* item : menu->MenuBarItems())
            if (item->Visible())
                items.push_back(item);
    return items;
}

void TBar::PrepareFont(TCanvas* canvas) const
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    canvas->Font()->SetHandle(CreateFontIndirectW(&metrics.lfMenuFont));
}

int TBar::ItemWidth(TCanvas* canvas, TMenuItem* item) const
{
    SIZE size{};
    const String text = StripHotkey(item->Caption());
    GetTextExtentPoint32W(canvas->Handle(), WidePtr(text), static_cast<int>(text.size()), &size);
    TCustomImageList* images = Menu() ? Menu()->Images() : nullptr;
    if (images && IsImageIndexValid(images, item->ImageIndex()))
        return size.cx + images->Width() + 20;
    return size.cx + 14;
}

int TBar::RowHeight() const { return ::GetSystemMetrics(SM_CYMENU); }

TCustomForm* TBar::MDIChild() const
{
    if (!FShowMDIButtons)
        return nullptr;
    TCustomForm* child = FFormHook->Form()->ActiveMDIChild();
    return child && child->HandleAllocated() ? child : nullptr;
}

TscMenuRows TBar::Layout(TCanvas* canvas, int width) const
{
    std::vector<int> widths;
    for (TMenuItem* item : Items())
        widths.push_back(ItemWidth(canvas, item));
    // A maximised child's icon leads the first row; its three buttons need room in the last.
    TCustomForm* child = MDIChild();
    const int leading = child && child->BorderIcons().Contains(biSystemMenu) ? RowHeight() : 0;
    return scLayoutMenuRows(widths, width, RowHeight(), leading, FShowMDIButtons ? RowHeight() : 0);
}

void TBar::SetShowMDIButtons(bool value)
{
    if (FShowMDIButtons == value)
        return;
    FShowMDIButtons = value;
    FHotMDIButton = FPressedMDIButton = -1;
    FMDIButtons = {};
    // The bar's height may change with the buttons' row.
    if (HWND wnd = FFormHook->Handle())
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Invalidate();
}

TRect TBar::MDIChildIconRect() const
{
    TCustomForm* child = MDIChild();
    if (!child || !child->BorderIcons().Contains(biSystemMenu))
        return {};
    return Rect(0, 0, RowHeight(), RowHeight());
}

int TBar::MDIButtonAt(int x, int y) const
{
    if (!FShowMDIButtons)
        return -1;
    for (int kind = 0; kind < 3; ++kind)
        if (FMDIButtons[static_cast<size_t>(kind)].Contains({x, y}))
            return kind;
    return -1;
}

void TBar::PaintMDIButtons(HDC dc, TCustomStyleServices* style)
{
    TCustomForm* child = MDIChild();
    if (!child)
        return;
    if (!MDIChildIconRect().IsEmpty()) {
        HICON icon = reinterpret_cast<HICON>(SendMessageW(child->Handle(), WM_GETICON, ICON_SMALL2, 0));
        if (!icon)
            icon = reinterpret_cast<HICON>(GetClassLongPtrW(child->Handle(), GCLP_HICONSM));
        if (!icon)
            icon = LoadIconW(nullptr, IDI_APPLICATION);
        const int size = std::min(16, RowHeight() - 4);
        DrawIconEx(dc, 2, 2, icon, size, size, 0, nullptr, DI_NORMAL);
    }
    // Close, restore and minimise from the bar's far end, in its last row.
    const int row = RowHeight(), top = FBoundsRect.Height() - row, width = FBoundsRect.Width();
    const bool rightToLeft = FFormHook->Form()->UseRightToLeftAlignment();
    constexpr TThemedWindow normal[3] = {twCloseButtonNormal, twRestoreButtonNormal, twMinButtonNormal};
    for (int kind = 0; kind < 3; ++kind) {
        const int offset = (kind + 1) * row;
        const TRect r = rightToLeft ? Rect(offset - row, top, offset, top + row)
                                    : Rect(width - offset, top, width - offset + row, top + row);
        FMDIButtons[static_cast<size_t>(kind)] = r;
        int state = 0;
        if (kind == FPressedMDIButton && kind == FHotMDIButton)
            state = 2;
        else if (kind == FHotMDIButton)
            state = 1;
        style->DrawElement(dc, TD::GetElementDetails(static_cast<TThemedWindow>(normal[kind] + state)), r);
    }
}

int TBar::GetMenuHeight(int width)
{
    auto bitmap = MakeBitmap32(1, 1);
    PrepareFont(bitmap->Canvas());
    return Layout(bitmap->Canvas(), width).Rows * RowHeight();
}

void TBar::SetBoundsRect(const TRect& value) { FBoundsRect = value; }

void TBar::LayoutItems(TCanvas* canvas)
{
    const std::vector<TMenuItem*> items = Items();
    const TscMenuRows rows = Layout(canvas, FBoundsRect.Width());
    const bool rightToLeft = FFormHook->Form()->UseRightToLeftAlignment();
    FItems.clear();
    for (size_t i = 0; i < items.size(); ++i) {
        TRect r = rows.Items[i];
        if (rightToLeft)
            r = Rect(FBoundsRect.Width() - r.Right, r.Top, FBoundsRect.Width() - r.Left, r.Bottom);
        FItems.push_back({r, items[i]});
    }
}

void TBar::Paint(TCanvas* canvas)
{
    TCustomStyleServices* style = FFormHook->StyleServices();
    if (FBoundsRect.IsEmpty() || !Menu() || !style->Available())
        return;
    auto bitmap = MakeBitmap32(FBoundsRect.Width(), FBoundsRect.Height());
    TCanvas* c = bitmap->Canvas();
    HDC dc = c->Handle();
    PrepareFont(c);
    LayoutItems(c);
    const bool active = FFormHook->FFormActive;
    style->DrawElement(dc, TD::GetElementDetails(active ? tmMenuBarBackgroundActive : tmMenuBarBackgroundInactive),
                       Rect(0, 0, FBoundsRect.Width(), FBoundsRect.Height()));
    TCustomImageList* images = Menu()->Images();
    const bool rightToLeft = FFormHook->Form()->UseRightToLeftReading();
    for (int i = 0; i < static_cast<int>(FItems.size()); ++i) {
        const TRect& r = FItems[i].Rect;
        TMenuItem* item = FItems[i].Item;
        if (item->OnAdvancedDrawItem() || item->OnDrawItem()) {
            // The program draws the item itself.
            TOwnerDrawState drawState;
            if (i == FActiveItem)
                drawState.Include(odSelected);
            if (!item->Enabled())
                drawState.Include(odDisabled);
            if (!FEnterWithKeyboard)
                drawState.Include(odNoAccel);
            item->AdvancedDrawItem(c, r, drawState, true);
            continue;
        }
        TThemedMenu state = tmMenuBarItemNormal;
        if (!item->Enabled())
            state = tmMenuBarItemDisabled;
        else if (i == FActiveItem && FMenuPush)
            state = tmMenuBarItemPushed;
        else if (i == FActiveItem)
            state = tmMenuBarItemHot;
        const TThemedElementDetails details = TD::GetElementDetails(state);
        style->DrawElement(dc, details, r);
        TRect textRect = r;
        if (images && IsImageIndexValid(images, item->ImageIndex())) {
            const int y = r.Top + (r.Height() - images->Height()) / 2;
            if (rightToLeft) {
                images->Draw(c, r.Right - 5 - images->Width(), y, item->ImageIndex(), item->Enabled());
                textRect.Right -= 5 + images->Width() + 3;
            } else {
                images->Draw(c, r.Left + 5, y, item->ImageIndex(), item->Enabled());
                textRect.Left += 5 + images->Width() + 3;
            }
        }
        // Accelerators are underlined only when the bar was entered by keyboard; the text goes
        // without its prefixes otherwise (not every text painter honours a hidden prefix).
        TTextFormat flags{tfCenter, tfSingleLine, tfVerticalCenter};
        if (!FEnterWithKeyboard)
            flags.Include(tfNoPrefix);
        if (rightToLeft)
            flags.Include(tfRtlReading);
        style->DrawText(dc, details, FEnterWithKeyboard ? item->Caption() : StripHotkey(item->Caption()), textRect,
                        flags);
    }
    PaintMDIButtons(dc, style);
    BitBlt(canvas->Handle(), FBoundsRect.Left, FBoundsRect.Top, FBoundsRect.Width(), FBoundsRect.Height(), dc, 0, 0,
           SRCCOPY);
}

int TBar::ItemAt(int x, int y) const
{
    for (int i = 0; i < static_cast<int>(FItems.size()); ++i)
        if (FItems[i].Rect.Contains({x, y}))
            return i;
    return -1;
}

void TBar::SetActiveItem(int index)
{
    if (index == FActiveItem)
        return;
    FOldActiveItem = FActiveItem;
    FActiveItem = index;
    Invalidate();
}

void TBar::Invalidate()
{
    if (HWND wnd = FFormHook->Handle())
        SendMessageW(wnd, WM_NCPAINT, 1, 0);
}

void TBar::MouseMove(int x, int y)
{
    FMouseInMainMenu = x >= 0 && y >= 0;
    if (const int hot = FMenuPush ? -1 : MDIButtonAt(x, y); hot != FHotMDIButton) {
        FHotMDIButton = hot;
        Invalidate();
    }
    const int index = ItemAt(x, y);
    if (FMenuPush) {
        // While a drop-down is open only another item under the mouse moves the highlight.
        if (index != -1 && index != FActiveItem && FItems[index].Item->Count() > 0) {
            FMustActivateMenuItem = true;
            FNextItem = index;
            EndMenu();
        }
        return;
    }
    SetActiveItem(index);
}

void TBar::MouseDown(int x, int y)
{
    if (const int button = MDIButtonAt(x, y); button != -1) {
        FPressedMDIButton = FHotMDIButton = button;
        Invalidate();
        return;
    }
    if (MDIChildIconRect().Contains({x, y})) {
        TrackMDIChildSystemMenu();
        return;
    }
    const int index = ItemAt(x, y);
    if (index == -1)
        return;
    SetActiveItem(index);
    if (FItems[index].Item->Count() > 0)
        TrackActiveItem();
}

void TBar::MouseUp(int x, int y)
{
    if (FPressedMDIButton != -1) {
        const int pressed = FPressedMDIButton;
        FPressedMDIButton = -1;
        Invalidate();
        TCustomForm* child = MDIChild();
        if (child && MDIButtonAt(x, y) == pressed) {
            constexpr WPARAM commands[3] = {SC_CLOSE, SC_RESTORE, SC_MINIMIZE};
            SendMessageW(child->Handle(), WM_SYSCOMMAND, commands[pressed], 0);
        }
        return;
    }
    const int index = ItemAt(x, y);
    if (index == -1 || FItems[index].Item->Count() > 0 || !FItems[index].Item->Enabled())
        return;
    TMenuItem* item = FItems[index].Item;
    SetActiveItem(-1);
    item->Click();
}

namespace {

// The item whose accelerator is the character; -1 when none.
int AcceleratorItem(const std::vector<TMenuItem*>& items, Char key)
{
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const String& caption = items[static_cast<size_t>(i)]->Caption();
        const size_t amp = caption.find(u'&');
        if (amp != String::npos && amp + 1 < caption.size() && items[static_cast<size_t>(i)]->Enabled() &&
            UpperChar(caption[amp + 1]) == UpperChar(key))
            return i;
    }
    return -1;
}

} // namespace

void TBar::RunItem(int index)
{
    if (index < 0 || index >= static_cast<int>(FItems.size()))
        return;
    SetActiveItem(index);
    if (FItems[static_cast<size_t>(index)].Item->Count() > 0) {
        TrackActiveItem();
        return;
    }
    TMenuItem* item = FItems[static_cast<size_t>(index)].Item;
    LeaveMenu();
    item->Click();
}

bool TBar::CheckHotKeyItem(Char key)
{
    std::vector<TMenuItem*> items;
    for (const TBarItem& item : FItems)
        items.push_back(item.Item);
    const int index = AcceleratorItem(items, key);
    if (index == -1)
        return false;
    FEnterWithKeyboard = true;
    FMenuActive = true;
    RunItem(index);
    if (!FInMenuLoop)
        LeaveMenu();
    return true;
}

void TBar::LeaveMenu()
{
    FMenuActive = false;
    FSysMenuActive = false;
    FEnterWithKeyboard = false;
    SetActiveItem(-1);
    Invalidate();
}

bool TBar::HasSystemMenu() const { return FFormHook->Form()->BorderIcons().Contains(biSystemMenu); }

void TBar::MoveHighlight(bool forward)
{
    const int count = static_cast<int>(FItems.size());
    if (count == 0)
        return;
    // The row as a ring: the system menu (when the form has one) before the first item.
    const int ring = count + (HasSystemMenu() ? 1 : 0);
    int at = FSysMenuActive ? count : FActiveItem;
    at = (at + (forward ? 1 : ring - 1)) % ring;
    FSysMenuActive = at == count;
    SetActiveItem(FSysMenuActive ? -1 : at);
    Invalidate();
}

void TBar::MenuEnter()
{
    if (FItems.empty() || FInMenuLoop)
        return;
    FEnterWithKeyboard = true;
    FMenuActive = true;
    FSysMenuActive = false;
    SetActiveItem(0);
    ProcessMenuLoop();
}

void TBar::ProcessMenuLoop()
{
    FInMenuLoop = true;
    HWND wnd = FFormHook->Handle();
    const bool rightToLeft = FFormHook->Form()->UseRightToLeftAlignment();
    MSG msg;
    while (FMenuActive) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        switch (msg.message) {
        case WM_QUIT:
            PostQuitMessage(static_cast<int>(msg.wParam));
            FMenuActive = false;
            continue;
        case WM_ACTIVATE: case WM_ACTIVATEAPP: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_CLOSE:
        case WM_CANCELMODE: case WM_NCACTIVATE: case CM_RELEASE:
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONUP:
        case WM_MBUTTONUP: case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
            // Anything else the person does ends the bar's loop and then happens as usual.
            LeaveMenu();
            break;
        case WM_SYSKEYDOWN:
            if (msg.wParam == VK_MENU || msg.wParam == VK_F10) {
                LeaveMenu();
                continue;
            }
            break;
        case WM_MOUSEMOVE: case WM_NCMOUSEMOVE:
            continue;
        case WM_KEYDOWN: {
            WPARAM key = msg.wParam;
            if (rightToLeft && (key == VK_LEFT || key == VK_RIGHT))
                key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
            if (key == VK_LEFT || key == VK_RIGHT) {
                MoveHighlight(key == VK_RIGHT);
            } else if (key == VK_RETURN || key == VK_DOWN || key == VK_UP) {
                if (FSysMenuActive)
                    TrackActiveItem();
                else
                    RunItem(FActiveItem);
            } else if (key == VK_ESCAPE) {
                LeaveMenu();
            }
            continue;
        }
        case WM_CHAR: case WM_SYSCHAR: {
            std::vector<TMenuItem*> items;
            for (const TBarItem& item : FItems)
                items.push_back(item.Item);
            if (const int index = AcceleratorItem(items, static_cast<Char>(msg.wParam)); index != -1)
                RunItem(index);
            else
                MessageBeep(0);
            continue;
        }
        default:
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    FInMenuLoop = false;
    if (IsWindow(wnd))
        LeaveMenu();
}

namespace {

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam)
{
    TBar* bar = GTrackingBar;
    if (!bar)
        return 0;
    if (const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam))
        return next;
    if (code != MSGF_MENU)
        return 0;
    return bar->FilterMessage(*reinterpret_cast<MSG*>(lParam)) ? 1 : 0;
}

} // namespace

void TBar::MenuSelect(WPARAM wParam, LPARAM lParam)
{
    FLastItemHasSubMenu = (HIWORD(wParam) & MF_POPUP) != 0;
    FSelectedInTopLevel = reinterpret_cast<HMENU>(lParam) == FTrackedMenu;
}

bool TBar::FilterMessage(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        // Keys typed ahead while the drop-down closes for a switch belong to the next one.
        if (FMustActivateMenuItem || FMustActivateSysMenu) {
            PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return true;
        }
        break;
    default:
        break;
    }
    switch (msg.message) {
    case WM_KEYDOWN: {
        WPARAM key = msg.wParam;
        if (FFormHook->Form()->UseRightToLeftAlignment() && (key == VK_LEFT || key == VK_RIGHT))
            key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
        // Right on an entry without a submenu and Left in the drop-down's first level move on to
        // the neighbour around the row; the drop-down closes and the neighbour opens.
        const bool right = key == VK_RIGHT && !FLastItemHasSubMenu;
        const bool left = key == VK_LEFT && FSelectedInTopLevel;
        if (!right && !left)
            return false;
        MoveHighlight(right);
        FMustActivateSysMenu = FSysMenuActive;
        FMustActivateMenuItem = !FSysMenuActive;
        FNextItem = FActiveItem;
        EndMenu();
        return true;
    }
    case WM_MOUSEMOVE: {
        if (FSystemMenuTracking)
            return false;
        // The pop-up's own window takes the mouse; over the bar another item switches.
        POINT p = msg.pt;
        RECT window;
        GetWindowRect(FFormHook->Handle(), &window);
        MouseMove(p.x - window.left - FBoundsRect.Left, p.y - window.top - FBoundsRect.Top);
        return false;
    }
    default:
        return false;
    }
}

UINT TBar::TrackMenu(HMENU menu, int x, int y, UINT flags)
{
    HWND wnd = FFormHook->Handle();
    FTrackedMenu = menu;
    FLastItemHasSubMenu = false;
    FSelectedInTopLevel = true;
    FMustActivateMenuItem = FMustActivateSysMenu = false;
    GTrackingBar = this;
    HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, &MenuFilterProc, nullptr, GetCurrentThreadId());
    const UINT command = static_cast<UINT>(TrackPopupMenu(menu, flags | TPM_RETURNCMD, x, y, 0, wnd, nullptr));
    if (hook)
        UnhookWindowsHookEx(hook);
    GTrackingBar = nullptr;
    return command;
}

void TBar::TrackSystemMenu()
{
    FSysMenuActive = true;
    SetActiveItem(-1);
    TrackActiveItem();
}

void TBar::TrackActiveItem()
{
    HWND wnd = FFormHook->Handle();
    const bool rightToLeft = FFormHook->Form()->UseRightToLeftAlignment();
    for (;;) {
        RECT window;
        GetWindowRect(wnd, &window);
        UINT command = 0;
        if (FSysMenuActive) {
            if (!HasSystemMenu())
                break;
            FSystemMenuTracking = true;
            Invalidate();
            command = TrackMenu(GetSystemMenu(wnd, FALSE), window.left + FBoundsRect.Left, window.top + FBoundsRect.Top,
                                TPM_TOPALIGN | TPM_LEFTALIGN);
            FSystemMenuTracking = false;
            if (command) {
                LeaveMenu();
                SendMessageW(wnd, WM_SYSCOMMAND, command, 0);
                return;
            }
        } else {
            if (FActiveItem < 0 || FActiveItem >= static_cast<int>(FItems.size()))
                break;
            TMenuItem* item = FItems[static_cast<size_t>(FActiveItem)].Item;
            if (item->Count() == 0 || !item->Enabled())
                break;
            FMenuPush = true;
            Invalidate();
            const TRect& r = FItems[static_cast<size_t>(FActiveItem)].Rect;
            const int x = window.left + FBoundsRect.Left + (rightToLeft ? r.Right : r.Left);
            const int y = window.top + FBoundsRect.Top + r.Bottom;
            command = TrackMenu(item->Handle(), x, y,
                                TPM_TOPALIGN | (rightToLeft ? TPM_RIGHTALIGN | TPM_LAYOUTRTL : TPM_LEFTALIGN));
            FMenuPush = false;
            if (command) {
                LeaveMenu();
                if (!Menu() || !Menu()->DispatchCommand(command))
                    PostMessageW(wnd, WM_COMMAND, command, 0);
                return;
            }
        }
        if (FMustActivateSysMenu) {
            FSysMenuActive = true;
            SetActiveItem(-1);
            continue;
        }
        if (FMustActivateMenuItem) {
            FSysMenuActive = false;
            SetActiveItem(FNextItem);
            continue;
        }
        break;
    }
    FMenuPush = false;
    FSysMenuActive = false;
    // Closed without a command: entered by keyboard the bar stays in its loop with the item
    // highlighted; by mouse the highlight follows the pointer.
    if (FInMenuLoop)
        return;
    POINT c;
    GetCursorPos(&c);
    RECT window;
    GetWindowRect(wnd, &window);
    SetActiveItem(ItemAt(c.x - window.left - FBoundsRect.Left, c.y - window.top - FBoundsRect.Top));
    Invalidate();
}

void TBar::TrackMDIChildSystemMenu()
{
    TCustomForm* child = MDIChild();
    if (!child)
        return;
    HWND wnd = FFormHook->Handle();
    RECT window;
    GetWindowRect(wnd, &window);
    const TRect icon = MDIChildIconRect();
    HWND childWnd = child->Handle();
    const UINT command = static_cast<UINT>(TrackPopupMenu(GetSystemMenu(childWnd, FALSE), TPM_RETURNCMD | TPM_TOPALIGN,
                                                          window.left + FBoundsRect.Left + icon.Left,
                                                          window.top + FBoundsRect.Top + icon.Bottom, 0, wnd, nullptr));
    if (command && IsWindow(childWnd))
        SendMessageW(childWnd, WM_SYSCOMMAND, command, 0);
    Invalidate();
}
