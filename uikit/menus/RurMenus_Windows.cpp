// What the kit's menus do to the system's windows around their items: each pop-up menu window is
// subclassed once, cut by a region to the painted area, moved to join its item and framed in the
// styler's border colour; the MDI client of a main menu's form lets the menu build the Window
// menu; the active MDI child's icon is painted at the bar's left end. Subclassing goes through
// the system's subclass chain, so other subclassers of these windows keep working.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "Forms.h"
#include "RurMenuUtil.h"
#include "RurMenus_Engine.h"
#include "RurMenus_Startup.h"

namespace {

constexpr UINT_PTR KitSubclassId = 0x52554D4E; // one subclass of ours per window
// Marks the windows that carry our subclass (for a kit main menu's MDI client: which menu).
constexpr wchar_t PopupMark[] = L"TavinRurMenuPopup";
constexpr wchar_t MdiMark[] = L"TavinRurMenuMdiClient";

LRESULT CALLBACK PopupMenuWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    switch (msg) {
    case WM_ERASEBKGND:
        // The items paint the whole background.
        return 1;
    case WM_SHOWWINDOW:
        if (!wParam)
            SetWindowRgn(wnd, nullptr, TRUE);
        break;
    case WM_CLOSE:
    case WM_DESTROY:
        SetWindowRgn(wnd, nullptr, TRUE);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(wnd, &PopupMenuWndProc, id);
        RemovePropW(wnd, PopupMark);
        break;
    default:
        break;
    }
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

int PopupLevel(const TMenuItem* item)
{
    return ItemDepth(item) + (dynamic_cast<TPopupMenu*>(GetItemMenu(item)) ? 1 : 0);
}

TRect WindowRect(HWND wnd)
{
    RECT r{};
    GetWindowRect(wnd, &r);
    return FromWinRect(r);
}

bool ItemRect(HWND wnd, HMENU menu, int index, TRect& rect)
{
    RECT r{};
    if (index < 0 || !GetMenuItemRect(wnd, menu, static_cast<UINT>(index), &r))
        return false;
    rect = FromWinRect(r);
    return !rect.IsEmpty();
}

} // namespace

bool IsPopupWindowSubclassed(HWND window)
{
    return GetPropW(window, PopupMark) != nullptr;
}

int VisibleIndex(const TMenuItem* Item)
{
    if (!Item->Visible())
        return -1;
    const TMenuItem* parent = Item->Parent();
    if (!parent)
        return -1;
    int index = 0;
    for (int i = 0; i < parent->Count() && parent->Items(i) != Item; ++i)
        index += parent->Items(i)->Visible() ? 1 : 0;
    return index;
}

bool PopupItemsRect(TMenuItem* Item, HWND window, TRect& rect)
{
    TMenuItem* parent = Item->Parent();
    if (!window || !parent || !parent->HandleAllocated())
        return false;
    HMENU menu = parent->Handle();
    const int count = GetMenuItemCount(menu);
    bool any = false;
    TRect all{};
    for (int i = 0; i < count; ++i) {
        TRect r;
        if (!ItemRect(window, menu, i, r))
            continue;
        all = any ? Rect(std::min(all.Left, r.Left), std::min(all.Top, r.Top), std::max(all.Right, r.Right),
                         std::max(all.Bottom, r.Bottom))
                  : r;
        any = true;
    }
    if (!any)
        return false;
    rect = Rect(0, 0, all.Width() - MenuExtraWidth, all.Height());
    return true;
}

bool SubMenuOpensRight(TMenuItem* Item, HWND)
{
    if (IsTopLevelOfMenu(Item))
        return true;
    TMenuItem* parent = Item->Parent();
    if (!parent || !parent->HandleAllocated())
        return true;
    // The windows' own rectangles are asked of the menus alone (no window), as on NT systems.
    TRect r;
    bool found = false;
    for (int i = 0; i <= std::max(Item->MenuIndex(), 0) && !found; ++i)
        found = ItemRect(nullptr, parent->Handle(), 0, r);
    if (!found)
        return true;
    if (!parent->Visible() || !parent->Parent())
        return false;
    TRect pr;
    if (!ItemRect(nullptr, parent->Parent()->Handle(), VisibleIndex(parent), pr))
        return false;
    return r.Left > pr.Left || (r.Left == pr.Left && r.Right > pr.Right);
}

void FramePopupWindow(TMenuItem* Item, TCanvas* Canvas)
{
    HWND wnd = WindowFromDC(Canvas->Handle());
    TMenu* menu = GetItemMenu(Item);
    IRurMenu* intf = GetItemRurMenuIntf(Item);
    if (!wnd || !IsWindow(wnd) || !menu || !intf || wnd == menu->WindowHandle() || IsMainMenuRootItem(Item))
        return;
    const TRect wr = WindowRect(wnd);
    const int level = PopupLevel(Item);
    TMenuItem* parent = Item->Parent();
    const bool parentBreakAfter = parent && HasBreakAfter(parent);
    if (!IsPopupWindowSubclassed(wnd)) {
        SetWindowSubclass(wnd, &PopupMenuWndProc, KitSubclassId, 0);
        SetPropW(wnd, PopupMark, reinterpret_cast<HANDLE>(1));
        HRGN region = CreateRectRgn(1, 1, wr.Width() - 1 - MenuExtraWidth, wr.Height() - 1);
        SetWindowRgn(wnd, region, TRUE);
        if (level <= 1)
            MoveWindow(wnd, wr.Left - 1, wr.Top - 2, wr.Width(), wr.Height(), TRUE);
        else if (!parentBreakAfter)
            MoveWindow(wnd, wr.Left + (SubMenuOpensRight(Item, wnd) ? -MenuExtraWidth : MenuExtraWidth) + 3, wr.Top,
                       wr.Width(), wr.Height(), TRUE);
    }
    // The frame follows the region, on every paint: a frame measured from the window's first
    // place would stand inside the items (or outside the region) once the window has moved.
    TRect frame = Rect(1, 1, wr.Width() - 1 - MenuExtraWidth, wr.Height() - 1);
    if (parentBreakAfter)
        frame.Right += MenuExtraWidth;
    TCustomRurMenuStyler* styler = intf->GetCurrentMenuStyler();
    HDC dc = GetWindowDC(wnd);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(styler->MenuBorderColor());
    canvas.FrameRect(frame);
    const TColor background = styler->Background()->Color();
    if (level == 1 && dynamic_cast<TMainMenu*>(menu) && parent && IsMainMenuRootItem(parent)) {
        // The frame stays open under the open root item.
        TRect rootRect;
        if (ItemRect(MenuBarWindow(menu), menu->Handle(), VisibleIndex(parent), rootRect)) {
            RurMenuUtil::Offset(rootRect, -wr.Left, -wr.Top);
            canvas.Pen()->SetColor(background);
            canvas.MoveTo(rootRect.Left + 1, 1);
            canvas.LineTo(rootRect.Right - 1, 1);
        }
    }
    RurMenuUtil::Inflate(frame, -1, -1);
    canvas.Brush()->SetColor(background);
    canvas.FrameRect(frame);
    canvas.SetHandle(nullptr);
    ReleaseDC(wnd, dc);
}

// ---- Menu bar ----------------------------------------------------------------------------------

HWND MenuBarWindow(TMenu* menu)
{
    if (!menu)
        return nullptr;
    auto* form = dynamic_cast<TCustomForm*>(menu->Owner());
    if (form && form->FormStyle() == fsMDIChild && form->HandleAllocated())
        return GetParent(GetParent(form->Handle()));
    return menu->WindowHandle();
}

bool IsLastMenuBarItem(TMenuItem* Item)
{
    if (!IsMainMenuRootItem(Item))
        return false;
    TMenu* menu = GetItemMenu(Item);
    HWND bar = MenuBarWindow(menu);
    TMenuItem* parent = Item->Parent();
    const int index = parent->IndexOf(Item);
    auto* owner = dynamic_cast<TWinControl*>(menu->Owner());
    if (index < parent->Count() - 1 && owner && owner->HandleAllocated()) {
        TRect own, next;
        if (ItemRect(owner->Handle(), menu->Handle(), VisibleIndex(Item), own) &&
            ItemRect(owner->Handle(), menu->Handle(), VisibleIndex(Item) + 1, next) && own.Top != next.Top)
            return true;
    }
    HMENU barMenu = bar ? GetMenu(bar) : nullptr;
    if (!barMenu)
        return false;
    // A maximised MDI child adds the system's own bitmap items at the end: skipped.
    for (int i = GetMenuItemCount(barMenu) - 1; i >= 0; --i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_TYPE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(barMenu, static_cast<UINT>(i), TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW))
            continue;
        return mii.wID == Item->Command() || (Item->HandleAllocated() && mii.hSubMenu == Item->Handle());
    }
    return false;
}

// ---- MDI client --------------------------------------------------------------------------------

namespace {

constexpr Word WindowMenuMarker = 0xABCD;

LRESULT CALLBACK MdiClientWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

void WindowListItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || item->Tag() == 0)
        return;
    HWND client = MdiClientWindow(GetItemRurMenuIntf(item));
    if (client && SendMessageW(client, WM_MDIACTIVATE, static_cast<WPARAM>(item->Tag()), 0) == 0)
        item->SetChecked(true);
}

// The Window menu rebuilt by the menu: a marker separator, then the children in caption order.
LRESULT RefreshWindowMenu(TCustomForm* form, TRurMainMenu* menu)
{
    // Changing the Window menu's items rebuilds it, and the frame asks the client to refresh it
    // again: that inner request finds the list being made.
    static bool refreshing = false;
    if (refreshing)
        return reinterpret_cast<LRESULT>(menu->Handle());
    refreshing = true;
    struct TDone {
        ~TDone() { refreshing = false; }
    } done;
    TMenuItem* windowMenu = form->WindowMenu();
    menu->BeginUpdate();
    TMenuItem* marker = menu->FindItem(WindowMenuMarker, fkShortCut);
    if (marker && marker->Caption() == u"-" && marker->Parent() == windowMenu) {
        const int at = windowMenu->IndexOf(marker);
        while (windowMenu->Count() > at + 1)
            windowMenu->Delete(windowMenu->Count() - 1);
    } else {
        marker = new TMenuItem(windowMenu);
        marker->SetCaption(u"-");
        marker->SetShortCut(WindowMenuMarker);
        windowMenu->Add(marker);
    }
    marker->SetVisible(form->MDIChildCount() > 0);
    std::vector<std::pair<String, TCustomForm*>> children;
    for (int i = 0; i < form->MDIChildCount(); ++i) {
        TCustomForm* child = form->MDIChildren(i);
        if (!child->ComponentState().Contains(csDestroying))
            children.emplace_back(child->Caption(), child);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    TCustomForm* active = form->ActiveMDIChild();
    int number = 1;
    for (auto& [caption, child] : children) {
        auto* entry = new TMenuItem(windowMenu);
        entry->SetCaption(IntToStr(number++) + u" " + caption);
        entry->SetTag(reinterpret_cast<NativeInt>(child->Handle()));
        entry->SetOnClick(TNotifyEvent(&WindowListItemClick));
        entry->SetRadioItem(true);
        entry->SetGroupIndex(205);
        entry->SetChecked(child == active);
        windowMenu->Add(entry);
    }
    menu->EndUpdate();
    return reinterpret_cast<LRESULT>(menu->Handle());
}

LRESULT CALLBACK MdiClientWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    auto* menu = reinterpret_cast<TRurMainMenu*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(wnd, &MdiClientWndProc, id);
        RemovePropW(wnd, MdiMark);
        if (menu->HookedMdiClient() == wnd)
            menu->SetHookedMdiClient(nullptr);
    } else if (msg == WM_MDIREFRESHMENU) {
        auto* form = FindFormByHandle(GetParent(wnd));
        if (form && form->FormStyle() == fsMDIForm && form->Menu() && form->WindowMenu() &&
            dynamic_cast<TRurMainMenu*>(form->Menu()))
            return RefreshWindowMenu(form, static_cast<TRurMainMenu*>(form->Menu()));
        // Any other frame's refresh is the former procedure's business.
    }
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

} // namespace

HWND MdiClientWindow(IRurMenu* intf)
{
    auto* menu = intf ? dynamic_cast<TMainMenu*>(intf->GetMenu()) : nullptr;
    if (!menu || menu->ComponentState().Contains(csDestroying))
        return nullptr;
    auto* form = dynamic_cast<TForm*>(menu->Owner());
    if (!form || !form->HandleAllocated())
        return nullptr;
    if (form->FormStyle() == fsMDIChild)
        return GetParent(form->Handle());
    if (form->FormStyle() == fsMDIForm)
        return form->ClientHandle();
    return nullptr;
}

void HookMdiClient(TRurMainMenu* menu, HWND client)
{
    if (!client || GetPropW(client, MdiMark))
        return;
    UnhookMdiClient(menu);
    SetWindowSubclass(client, &MdiClientWndProc, KitSubclassId, reinterpret_cast<DWORD_PTR>(menu));
    SetPropW(client, MdiMark, static_cast<HANDLE>(menu));
    menu->SetHookedMdiClient(client);
}

void UnhookMdiClient(TRurMainMenu* menu)
{
    HWND client = menu->HookedMdiClient();
    if (client && IsWindow(client) && GetPropW(client, MdiMark) == static_cast<HANDLE>(menu)) {
        RemoveWindowSubclass(client, &MdiClientWndProc, KitSubclassId);
        RemovePropW(client, MdiMark);
    }
    menu->SetHookedMdiClient(nullptr);
}

TCustomForm* FindFormByHandle(HWND handle)
{
    if (!Screen)
        return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->HandleAllocated() && Screen->Forms(i)->Handle() == handle)
            return Screen->Forms(i);
    return nullptr;
}

HICON WindowIconCopy(HWND window, bool Big, SIZE& size)
{
    HICON icon = nullptr;
    if (Big) {
        size = {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
        if (!icon)
            icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    } else {
        size = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
        icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
        for (WPARAM kind : {ICON_SMALL, ICON_SMALL2, ICON_BIG})
            if (!icon)
                icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0));
    }
    return icon ? static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size.cx, size.cy, 0)) : nullptr;
}

void DrawMdiChildIcon(TRurMainMenu* menu, TMenuItem* Item, const TRect& R, HDC dc)
{
    if (!IsMainMenuRootItem(Item) || Item->MenuIndex() > 0 || R.Left <= 4)
        return;
    auto* form = dynamic_cast<TCustomForm*>(menu->Owner());
    TCustomForm* child = form && form->FormStyle() == fsMDIForm ? form->ActiveMDIChild() : nullptr;
    if (!child || !child->HandleAllocated())
        return;
    SIZE size{};
    HICON icon = WindowIconCopy(child->Handle(), false, size);
    if (!icon)
        return;
    const TRect iconRect = Rect(4, R.Top, R.Left, R.Bottom);
    if (R.Left >= size.cx) {
        TRootItem* root = menu->CurrentMenuStyler()->RootItem();
        HDC target = dc ? dc : GetWindowDC(form->Handle());
        TCanvas canvas;
        canvas.SetHandle(target);
        const bool horizontal = root->GradientDirection() == RurMenus::gdHorizontal;
        DrawGradientSection(&canvas, iconRect, iconRect, root->GradientDirection(),
                            horizontal ? root->Color() : root->ColorTo(), root->Color());
        DrawIconEx(target, iconRect.Right - 16, iconRect.Top + 2, icon, 16, 16, 0, nullptr, DI_NORMAL);
        canvas.SetHandle(nullptr);
        if (!dc)
            ReleaseDC(form->Handle(), target);
    }
    DestroyIcon(icon);
}
