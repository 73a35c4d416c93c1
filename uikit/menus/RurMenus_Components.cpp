// The kit's main and pop-up menus: their styler, the engine's handlers on every item, the update
// bracket, the component style, pop-up placement, and the refresh the appearance objects ask for.
#include "RurMenus_Components.h"

#include <algorithm>
#include <vector>

#include "Forms.h"
#include "Math.h"
#include "RurMenuStylers.h"
#include "RurMenus_Engine.h"
#include "RurMenus_Startup.h"

// ---- Lookup and refresh ------------------------------------------------------------------------

IRurMenu* GetRurMenuIntf(TMenu* menu)
{
    if (auto* popup = dynamic_cast<TRurPopupMenu*>(menu))
        return popup->RurMenuIntf();
    if (auto* main = dynamic_cast<TRurMainMenu*>(menu))
        return main->RurMenuIntf();
    return nullptr;
}

TMenu* GetItemMenu(const TMenuItem* item)
{
    if (TMenu* menu = item->GetParentMenu())
        return menu;
    return dynamic_cast<TMenu*>(item->Owner());
}

IRurMenu* GetItemRurMenuIntf(const TMenuItem* item)
{
    return item ? GetRurMenuIntf(GetItemMenu(item)) : nullptr;
}

void RefreshStyledMenu(TMenu* menu, bool rebuild)
{
    RefreshMenu(GetRurMenuIntf(menu), rebuild, false);
}

void RefreshMenu(IRurMenu* intf, bool A, bool B)
{
    TMenu* menu = intf ? intf->GetMenu() : nullptr;
    if (!menu || menu->ComponentState().Contains(csDestroying))
        return;
    if (A || B)
        intf->UpdateItems();
    auto* main = dynamic_cast<TRurMainMenu*>(menu);
    if (main && !IsVclStyled(StyleServices(), menu->ComponentState().Contains(csDesigning)))
        if (HWND client = MdiClientWindow(intf))
            HookMdiClient(main, client);
}

void RegisterRurMenuClasses()
{
    RegisterClasses({TRurMainMenu::StaticClass(), TRurPopupMenu::StaticClass(), TRurMenuStyler::StaticClass(),
                     TRurMenuOfficeStyler::StaticClass()});
}

String MenuVersionText()
{
    return u"2.7.1.9";
}

// ---- Deferred rebuilds -------------------------------------------------------------------------

namespace {

constexpr UINT RebuildMessage = WM_APP + 0x128;
std::vector<TMenu*> PendingRebuilds;
HWND RebuildWindow = nullptr;

LRESULT CALLBACK RebuildWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != RebuildMessage)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    std::vector<TMenu*> menus;
    menus.swap(PendingRebuilds);
    for (TMenu* menu : menus)
        RefreshMenu(GetRurMenuIntf(menu), true, false);
    return 0;
}

HWND RebuildTarget()
{
    if (!RebuildWindow) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = RebuildWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TavinRurMenuRebuild";
        RegisterClassW(&wc);
        RebuildWindow = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                        nullptr);
    }
    return RebuildWindow;
}

} // namespace

void DeferMenuRebuild(TMenu* menu)
{
    if (!menu || std::find(PendingRebuilds.begin(), PendingRebuilds.end(), menu) != PendingRebuilds.end())
        return;
    PendingRebuilds.push_back(menu);
    PostMessageW(RebuildTarget(), RebuildMessage, 0, 0);
}

void CancelMenuRebuild(TMenu* menu)
{
    std::erase(PendingRebuilds, menu);
}

// ---- Hooking the handlers ----------------------------------------------------------------------

namespace {

template <class TKitMenu>
void HookMenuItem(TKitMenu* menu, TMenuItem* item)
{
    const TAdvancedMenuDrawItemEvent draw = MakeHandler<&TKitMenu::AdvancedDrawItem>(menu);
    if (item->OnAdvancedDrawItem() == draw)
        return;
    if (!item->OnMeasureItem())
        item->SetOnMeasureItem(MakeHandler<&TKitMenu::ExpandItemWidth>(menu));
    if (!item->OnAdvancedDrawItem() && !item->OnDrawItem())
        item->SetOnAdvancedDrawItem(draw);
}

template <class TKitMenu>
void HookTree(TKitMenu* menu, TMenuItem* item)
{
    HookMenuItem(menu, item);
    for (int i = 0; i < item->Count(); ++i)
        HookTree(menu, item->Items(i));
}

template <class TKitMenu>
void HookItems(TKitMenu* menu, TMenuItem* item)
{
    if (item) {
        HookTree(menu, item);
        return;
    }
    for (int i = 0; i < menu->Items()->Count(); ++i)
        HookTree(menu, menu->Items()->Items(i));
}

} // namespace

void HookMenuItems(TMenu* menu, TMenuItem* item, bool fromLoaded)
{
    if (!menu || (menu->ComponentState().Contains(csLoading) && !fromLoaded))
        return;
    if (auto* popup = dynamic_cast<TRurPopupMenu*>(menu))
        HookItems(popup, item);
    else if (auto* main = dynamic_cast<TRurMainMenu*>(menu))
        HookItems(main, item);
}

// ---- TRurMenuCore ------------------------------------------------------------------------------

TRurMenuCore::TRurMenuCore(TMenu* menu, bool mainMenu) : FMenu(menu), FMainMenu(mainMenu) {}

TRurMenuCore::~TRurMenuCore()
{
    CancelMenuRebuild(FMenu);
}

void TRurMenuCore::CreateInternalStyler()
{
    FMenuStyler = nullptr;
    auto* styler = FMainMenu ? new TRurMenuStyler(FMenu) : new TCustomRurMenuStyler(FMenu);
    styler->SetName(u"InternalMenuStyler");
    FInternalMenuStyler = styler;
    FCurrentMenuStyler = styler;
}

void TRurMenuCore::FreeInternalStyler()
{
    TCustomRurMenuStyler* styler = FInternalMenuStyler;
    FInternalMenuStyler = nullptr;
    if (FCurrentMenuStyler == styler)
        FCurrentMenuStyler = nullptr;
    delete styler;
}

void TRurMenuCore::BindCurrentStyler()
{
    if (!FCurrentMenuStyler)
        return;
    if (auto* main = dynamic_cast<TRurMainMenu*>(FMenu))
        FCurrentMenuStyler->Font()->SetOnChange(MakeHandler<&TRurMainMenu::StylerFontChanged>(main));
    FCurrentMenuStyler->SetMenu(FMenu);
}

void TRurMenuCore::SetMenuStyler(TCustomRurMenuStyler* value)
{
    if (value == FMenuStyler)
        return;
    if (FMenuStyler)
        FMenuStyler->RemoveFreeNotification(FMenu);
    if (value) {
        if (FInternalMenuStyler && !FInternalMenuStyler->ComponentState().Contains(csLoading))
            FreeInternalStyler();
        FMenuStyler = value;
        FCurrentMenuStyler = value;
        value->FreeNotification(FMenu);
    } else {
        CreateInternalStyler();
    }
    BindCurrentStyler();
}

void TRurMenuCore::SetDisabledImages(TCustomImageList* value)
{
    ReplaceComponentReference(FMenu, FDisabledImages, value);
}

void TRurMenuCore::SetUIStyle(TRujStyle value)
{
    FRujStyle = value;
    SetComponentStyle(value);
}

void TRurMenuCore::SetComponentStyle(TRujStyle style)
{
    if (FMenuStyler)
        return;
    FRujStyle = style;
    if (style == tsCustom)
        return;
    if (FMainMenu)
        BeginUpdate();
    // One Office styler at a time: the one an earlier style made is freed, not left behind.
    auto* office = new TRurMenuOfficeStyler(FMenu);
    office->SetComponentStyle(style);
    TCustomRurMenuStyler* previous = FOfficeMenuStyler;
    FOfficeMenuStyler = office;
    FCurrentMenuStyler = office;
    BindCurrentStyler();
    delete previous;
    if (FMainMenu)
        EndUpdate();
}

void TRurMenuCore::BeginUpdate()
{
    FMenuUpdating = true;
    ++FUpdateRef;
}

void TRurMenuCore::EndUpdate()
{
    if (FUpdateRef > 0)
        --FUpdateRef;
    if (FUpdateRef != 0)
        return;
    HookMenuItems(FMenu, nullptr);
    if (FMainMenu && FMenu->WindowHandle())
        DrawMenuBar(FMenu->WindowHandle());
    FMenuUpdating = false;
}

void TRurMenuCore::Loaded()
{
    FMenu->SetOwnerDraw(true);
    HookMenuItems(FMenu, nullptr, true);
    if (FInternalMenuStyler && FCurrentMenuStyler != FInternalMenuStyler)
        FreeInternalStyler();
}

void TRurMenuCore::Notification(TComponent* component, TOperation operation)
{
    if (operation != opRemove)
        return;
    if (component == FMenuStyler && !FMenu->ComponentState().Contains(csDestroying) &&
        component->Owner() != FMenu) {
        CreateInternalStyler();
        BindCurrentStyler();
    }
    if (component == FMenu->Images())
        FMenu->SetImages(nullptr);
    if (component == FDisabledImages)
        FDisabledImages = nullptr;
}

void TRurMenuCore::MenuChanged(TMenuItem* source)
{
    // The framework reports an item's new sub-items with the item itself as the source: hooking
    // the source's whole branch reaches them.
    if (FDirectUpdate) {
        HookMenuItems(FMenu, source);
        if (!FMenuUpdating)
            RefreshMenu(this, false, false);
        return;
    }
    // Without direct updates a pop-up menu hooks new items at once and only repaints inside an
    // update bracket; a main menu the other way round (its bar is rebuilt at EndUpdate).
    const bool repaintOnly = FMainMenu ? !FMenuUpdating : FMenuUpdating;
    if (repaintOnly)
        RefreshMenu(this, false, false);
    else
        HookMenuItems(FMenu, source);
}

// ---- TRurPopupMenu -----------------------------------------------------------------------------

#define RUR_PUBLISH_MENU_PROPERTIES                                                                                \
    TAVIN_PROPERTY(TActionImage, ActionImages).Default(aiNormal);                                                  \
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages);                                                             \
    TAVIN_PROPERTY(TCustomRurMenuStyler*, MenuStyler);                                                             \
    TAVIN_PROPERTY(bool, OwnerDraw).Default(true);                                                                 \
    TAVIN_PROPERTY(bool, IntlKeybShortCuts).Default(false);                                                        \
    TAVIN_PROPERTY(bool, ShowNotes).Default(true);                                                                 \
    TAVIN_PROPERTY(String, Version);                                                                               \
    TAVIN_PROPERTY(TRujStyle, UIStyle).Default(tsCustom)

TAVIN_PUBLISHED(TRurPopupMenu)
{
    RUR_PUBLISH_MENU_PROPERTIES;
}

namespace {

bool CreatedInDesigner(TComponent* component)
{
    TComponent* owner = component->Owner();
    return component->ComponentState().Contains(csDesigning) &&
           !(owner && (owner->ComponentState().Contains(csReading) || owner->ComponentState().Contains(csLoading)));
}

} // namespace

TRurPopupMenu::TRurPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner), FCore(this, false)
{
    SetOwnerDraw(true);
    FCore.CreateInternalStyler();
    if (CreatedInDesigner(this))
        SetUIStyle(GetFormStylerStyle(AOwner, tsOffice2019White));
}

TRurPopupMenu::~TRurPopupMenu()
{
    Destroying();
}

void TRurPopupMenu::EndUpdate()
{
    FCore.EndUpdate();
}

void TRurPopupMenu::ExpandItemWidth(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Sender))
        MeasureMenuItem(item, ACanvas, Width, SideBarShownFor(item), Height);
}

void TRurPopupMenu::AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item)
        return;
    ARect.Right -= MenuExtraWidth;
    DrawMenuItem(item, ACanvas, ARect, SideBarShownFor(item), State);
}

void TRurPopupMenu::Loaded()
{
    TPopupMenu::Loaded();
    FCore.Loaded();
}

void TRurPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    FCore.Notification(component, operation);
}

void TRurPopupMenu::MenuChanged(TObject* sender, TMenuItem* source, bool rebuild)
{
    FCore.MenuChanged(source);
    TPopupMenu::MenuChanged(sender, source, rebuild);
}

void TRurPopupMenu::Popup(int X, int Y)
{
    if (Items()->Count() > 0) {
        // The window's region hides the extra width at the right: the point moves so that the
        // visible menu keeps the place the alignment gives it.
        TMenuItem* first = Items()->Items(0);
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = first->Command();
        measure.itemData = first->Command();
        measure.itemWidth = 10;
        measure.itemHeight = 10;
        SendMessageW(PopupListWindow(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        const int width = static_cast<int>(measure.itemWidth) + MenuExtraWidth;
        const int desktopWidth = GetSystemMetrics(SM_CXSCREEN);
        if (Alignment() == paRight && X - MenuExtraWidth - width >= 0)
            X += MenuExtraWidth;
        else if (Alignment() == paLeft && desktopWidth <= width + X + 2 * MenuExtraWidth)
            X += MenuExtraWidth;
        else if (Alignment() == paCenter)
            X += MenuExtraWidth / 2;
        X = std::min(X, desktopWidth - 1);
        DisableMenuAnimation();
    }
    TPopupMenu::Popup(X, Y);
}

void TRurPopupMenu::PopupAtControl(TControl* AControl, TPopupControlPosition Position, int OffsetX, int OffsetY)
{
    TPoint p = AControl->ClientToScreen(Point(0, 0));
    switch (Position) {
    case pcpBottomLeft:
        p.Y += AControl->Height();
        break;
    case pcpBottomRight:
        p.X += AControl->Width();
        p.Y += AControl->Height();
        break;
    case pcbTopLeft:
        break;
    case pcpTopRight:
        p.X += AControl->Width();
        break;
    case pcpCenter:
        p.X += AControl->Width() / 2;
        p.Y += AControl->Height() / 2;
        break;
    }
    Popup(p.X + OffsetX, p.Y + OffsetY);
}

void TRurPopupMenu::PopupAtCursor()
{
    POINT p{};
    GetCursorPos(&p);
    Popup(p.x, p.y);
}

// ---- TRurMainMenu ------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurMainMenu)
{
    RUR_PUBLISH_MENU_PROPERTIES;
}

TRurMainMenu::TRurMainMenu(TComponent* AOwner) : TMainMenu(AOwner), FCore(this, true)
{
    SetOwnerDraw(true);
    FCore.CreateInternalStyler();
    FCore.GetCurrentMenuStyler()->Font()->SetOnChange(MakeHandler<&TRurMainMenu::StylerFontChanged>(this));
    if (CreatedInDesigner(this)) {
        FDesignTime = true;
        SetUIStyle(GetFormStylerStyle(AOwner, tsOffice2019White));
    }
}

TRurMainMenu::~TRurMainMenu()
{
    Destroying();
    UnhookMdiClient(this);
}

void TRurMainMenu::EndUpdate()
{
    FCore.EndUpdate();
}

void TRurMainMenu::Refresh()
{
    RefreshMenu(&FCore, true, true);
}

void TRurMainMenu::StylerFontChanged(TObject*)
{
    RefreshMenu(&FCore, false, false);
}

void TRurMainMenu::ExpandItemWidth(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)
{
    if (auto* item = dynamic_cast<TMenuItem*>(Sender))
        MeasureMenuItem(item, ACanvas, Width, SideBarShownFor(item), Height);
}

void TRurMainMenu::AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || FCore.GetUpdateRef() > 0)
        return;
    if (!IsMainMenuRootItem(item))
        ARect.Right -= MenuExtraWidth;
    else if (item->MenuIndex() == 0)
        DisableMenuAnimation();
    DrawMdiChildIcon(this, item, ARect);
    DrawMenuItem(item, ACanvas, ARect, SideBarShownFor(item), State);
}

void TRurMainMenu::Loaded()
{
    TMainMenu::Loaded();
    FCore.Loaded();
    if (Items()->Count() > 0) {
        // The bar is built again with the handlers in place.
        Items()->Items(0)->SetVisible(false);
        Items()->Items(0)->SetVisible(true);
    }
    RefreshMenu(&FCore, false, false);
}

void TRurMainMenu::Notification(TComponent* component, TOperation operation)
{
    TMainMenu::Notification(component, operation);
    FCore.Notification(component, operation);
}

void TRurMainMenu::MenuChanged(TObject* sender, TMenuItem* source, bool)
{
    FCore.MenuChanged(source);
    TMainMenu::MenuChanged(sender, source, true);
}
