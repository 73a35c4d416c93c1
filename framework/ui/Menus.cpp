// TMenuItem and the menus: the item tree and its system menus, the menu bar and its merging,
// the pop-up menu.
#include "Menus.h"

#include <algorithm>

#include "Forms.h"
#include "WideText.h"

namespace {

// WM_COMMAND carries 16 bits; the top of the range is left to the MDI client's window list.
constexpr UINT LastCommand = 0xFEFF;
std::vector<TMenuItem*> GCommands; // index + 1 is the command

UINT AllocateCommand(TMenuItem* item)
{
    auto free = std::find(GCommands.begin(), GCommands.end(), nullptr);
    if (free != GCommands.end()) {
        *free = item;
        return static_cast<UINT>(free - GCommands.begin()) + 1;
    }
    if (GCommands.size() >= LastCommand)
        throw EMenuError(u"Too many menu items");
    GCommands.push_back(item);
    return static_cast<UINT>(GCommands.size());
}

void ReleaseCommand(UINT command)
{
    if (command > 0 && command <= GCommands.size())
        GCommands[command - 1] = nullptr;
}


} // namespace

String StripHotkey(const String& caption)
{
    String result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == u'&')
            continue;
        result += caption[i];
    }
    return result;
}

TMenuItem* FindMenuItemByCommand(UINT command)
{
    return command > 0 && command <= GCommands.size() ? GCommands[command - 1] : nullptr;
}

TMenuItem* FindMenuItemByHandle(HMENU menu)
{
    auto it = std::find_if(GCommands.begin(), GCommands.end(),
                           [&](TMenuItem* item) { return item && item->FHandle == menu; });
    return it == GCommands.end() ? nullptr : *it;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TMenuItem)
{
    TAVIN_PROPERTY(TBasicAction*, Action);
    TAVIN_PROPERTY(bool, AutoCheck).Default(false).Stored(&ThisClass::IsAutoCheckStored);
    TAVIN_PROPERTY(TBitmap*, Bitmap).Stored(&TMenuItem::IsBitmapStored);
    TAVIN_PROPERTY(TMenuBreak, Break).Default(mbNone);
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
    TAVIN_PROPERTY(bool, Checked).Default(false).Stored(&ThisClass::IsCheckedStored);
    TAVIN_PROPERTY(bool, Default).Default(false);
    TAVIN_PROPERTY(bool, Enabled).Default(true).Stored(&ThisClass::IsEnabledStored);
    TAVIN_PROPERTY(Byte, GroupIndex).Default(0).Stored(&ThisClass::IsGroupIndexStored);
    TAVIN_PROPERTY(int, HelpContext).Default(0).Stored(&ThisClass::IsHelpContextStored);
    TAVIN_PROPERTY(String, Hint).Stored(&ThisClass::IsHintStored);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1).Stored(&ThisClass::IsImageIndexStored);
    TAVIN_PROPERTY(bool, RadioItem).Default(false);
    TAVIN_PROPERTY(TShortCut, ShortCut).Default(0).Stored(&ThisClass::IsShortCutStored);
    TAVIN_PROPERTY(bool, Visible).Default(true).Stored(&ThisClass::IsVisibleStored);
    TAVIN_PROPERTY(TNotifyEvent, OnClick).Stored(&ThisClass::IsOnClickStored);
    TAVIN_PROPERTY(TMenuMeasureItemEvent, OnMeasureItem);
    TAVIN_PROPERTY(TMenuDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TAdvancedMenuDrawItemEvent, OnAdvancedDrawItem);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner)
{
    FCommand = AllocateCommand(this);
}

TMenuItem::~TMenuItem()
{
    Destroying();
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
    if (FHandle)
        DestroyMenu(FHandle);
    ReleaseCommand(FCommand);
}

void TMenuItem::SetCaption(const String& value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut value)
{
    if (FShortCut == value)
        return;
    FShortCut = value;
    MenuChanged(true);
}

void TMenuItem::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    if (value && FRadioItem)
        TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool value)
{
    if (FRadioItem == value)
        return;
    FRadioItem = value;
    if (FChecked && value)
        TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(Byte value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    if (FChecked && FRadioItem)
        TurnSiblingsOff();
    MenuChanged(true);
}

void TMenuItem::TurnSiblingsOff()
{
    if (!FParent)
        return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex && sibling->FChecked) {
            sibling->FChecked = false;
            sibling->MenuChanged(false);
        }
}

void TMenuItem::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    MenuChanged(true);
}

void TMenuItem::SetDefault(bool value)
{
    if (FDefault == value)
        return;
    if (value && FParent)
        for (TMenuItem* sibling : FParent->FItems)
            if (sibling != this && sibling->FDefault) {
                sibling->FDefault = false;
                sibling->MenuChanged(false);
            }
    FDefault = value;
    MenuChanged(false);
}

void TMenuItem::SetBreak(TMenuBreak value)
{
    if (FBreak == value)
        return;
    FBreak = value;
    MenuChanged(true);
}

void TMenuItem::SetRightJustify(bool value)
{
    if (FRightJustify == value)
        return;
    FRightJustify = value;
    MenuChanged(true);
}

void TMenuItem::SetImageIndex(int value)
{
    if (FImageIndex == value)
        return;
    FImageIndex = value;
    MenuChanged(true);
}

TBitmap* TMenuItem::Bitmap() const
{
    if (!FBitmap)
        FBitmap = std::make_unique<TBitmap>();
    return FBitmap.get();
}

void TMenuItem::SetBitmap(TBitmap* value)
{
    Bitmap()->Assign(value);
    MenuChanged(true);
}

void TMenuItem::SetOnMeasureItem(TMenuMeasureItemEvent value)
{
    FOnMeasureItem = value;
    MenuChanged(true);
}

void TMenuItem::SetOnDrawItem(TMenuDrawItemEvent value)
{
    FOnDrawItem = value;
    MenuChanged(true);
}

void TMenuItem::SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent value)
{
    FOnAdvancedDrawItem = value;
    MenuChanged(true);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        throw EMenuError(u"Cannot insert this menu item");
    if (item->FParent)
        throw EMenuError(u"Menu item '" + item->Name() + u"' is already inserted");
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == item)
            throw EMenuError(u"A menu item cannot hold itself");
    if (index < 0 || index > Count())
        throw EMenuError(u"Menu index out of range");
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    bool first = FItems.size() == 1;
    RebuildHandle();
    // A first sub-item turns the item into a sub-menu: its entry in the parent changes too.
    if (first)
        MenuChanged(true);
    else if (TMenu* menu = GetParentMenu())
        menu->MenuChanged(menu, this, true);
}

void TMenuItem::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EMenuError(u"Menu index out of range");
    delete FItems[static_cast<size_t>(index)];
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        throw EMenuError(u"Menu item not found");
    FItems.erase(it);
    item->FParent = nullptr;
    RebuildHandle();
    if (FItems.empty())
        MenuChanged(true);
    else if (TMenu* menu = GetParentMenu())
        menu->MenuChanged(menu, this, true);
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& caption) const
{
    String wanted = StripHotkey(caption);
    for (TMenuItem* item : FItems)
        if (SameText(StripHotkey(item->FCaption), wanted))
            return item;
    return nullptr;
}

void TMenuItem::SetMenuIndex(int value)
{
    if (!FParent)
        return;
    TMenuItem* parent = FParent;
    value = std::clamp(value, 0, parent->Count() - 1);
    if (value == MenuIndex())
        return;
    parent->Remove(this);
    parent->Insert(value, this);
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (FParent)
        FParent->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems))
        if (item->Owner() == root)
            proc(item);
}

HMENU TMenuItem::Handle()
{
    if (!FHandle) {
        FHandle = (FMenu && FMenu->IsMenuBar()) ? CreateMenu() : CreatePopupMenu();
        if (!FHandle)
            throw EMenuError(u"Cannot create a menu");
        RebuildHandle();
    }
    return FHandle;
}

std::vector<TMenuItem*> TMenuItem::MenuBarItems() const
{
    if (FMerged)
        return MergeMenuItems(FItems, FMerged->FItems);
    return FItems;
}

void TMenuItem::RebuildHandle()
{
    if (!FHandle || ComponentState().Contains(csDestroying))
        return;
    // RemoveMenu keeps the sub-menus: they belong to the sub-items.
    while (GetMenuItemCount(FHandle) > 0)
        RemoveMenu(FHandle, 0, MF_BYPOSITION);
    bool menuBar = FMenu && FMenu->IsMenuBar();
    for (TMenuItem* item : MenuBarItems())
        if (item->FVisible)
            item->AppendTo(FHandle, menuBar);
    if (FMenu && FMenu->WindowHandle() && menuBar)
        DrawMenuBar(FMenu->WindowHandle());
    // The window may have added entries of its own (an MDI frame's list of children).
    if (TMenu* menu = GetParentMenu(); menu && menu->WindowHandle())
        SendMessageW(menu->WindowHandle(), CM_MENUCHANGED, 0, 0);
}

bool TMenuItem::IsOwnerDraw() const
{
    TMenu* menu = GetParentMenu();
    if (!menu)
        return false;
    return menu->OwnerDraw() || IsMenuStyled() || (GetImageList() && FImageIndex >= 0) ||
           (FBitmap && !FBitmap->Empty());
}

TCustomImageList* TMenuItem::GetImageList() const
{
    TMenu* menu = GetParentMenu();
    if (menu && menu->Images())
        return menu->Images();
    auto* action = dynamic_cast<TContainedAction*>(Action());
    auto* list = action ? dynamic_cast<TCustomActionList*>(action->ActionList()) : nullptr;
    return list ? list->Images() : nullptr;
}

void TMenuItem::AppendTo(HMENU menu, bool menuBar)
{
    TMenu* parentMenu = GetParentMenu();
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    mii.fType = IsLine() && !menuBar ? MFT_SEPARATOR : 0;
    if (FRadioItem)
        mii.fType |= MFT_RADIOCHECK;
    if (FBreak == mbBreak)
        mii.fType |= MFT_MENUBREAK;
    else if (FBreak == mbBarBreak)
        mii.fType |= MFT_MENUBARBREAK;
    if (parentMenu && parentMenu->IsRightToLeft())
        mii.fType |= MFT_RIGHTORDER;
    if (FRightJustify && menuBar)
        mii.fType |= MFT_RIGHTJUSTIFY;
    std::wstring text(WidePtr(FCaption), FCaption.size());
    if (IsOwnerDraw()) {
        mii.fType |= MFT_OWNERDRAW;
    } else if (!(mii.fType & MFT_SEPARATOR)) {
        if (FShortCut != scNone && !menuBar) {
            String keys = ShortCutToText(FShortCut);
            text += L'\t';
            text.append(WidePtr(keys), keys.size());
        }
        mii.fMask |= MIIM_STRING;
        mii.dwTypeData = text.data();
    }
    if (FChecked)
        mii.fState |= MFS_CHECKED;
    if (!FEnabled)
        mii.fState |= MFS_DISABLED;
    if (FDefault)
        mii.fState |= MFS_DEFAULT;
    mii.wID = FCommand;
    mii.dwItemData = FCommand;
    if (!FItems.empty()) {
        mii.fMask |= MIIM_SUBMENU;
        mii.hSubMenu = Handle();
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mii);
}

void TMenuItem::MenuChanged(bool rebuild)
{
    if (FParent)
        FParent->RebuildHandle();
    if (TMenu* menu = GetParentMenu())
        menu->MenuChanged(menu, this, rebuild);
}

// ---------------------------------------------------------------------------------------------

std::vector<TMenuItem*> MergeMenuItems(const std::vector<TMenuItem*>& frame, const std::vector<TMenuItem*>& child)
{
    std::vector<TMenuItem*> result = child;
    for (TMenuItem* item : frame) {
        bool replaced = std::any_of(child.begin(), child.end(),
                                    [&](TMenuItem* c) { return c->GroupIndex() == item->GroupIndex(); });
        if (replaced)
            continue;
        // In the frame's order: before the first child item of a higher group, else at the end.
        auto before = std::find_if(result.begin(), result.end(), [&](TMenuItem* c) {
            return std::find(child.begin(), child.end(), c) != child.end() && c->GroupIndex() > item->GroupIndex();
        });
        result.insert(before, item);
    }
    return result;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TMenu)
{
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(bool, OwnerDraw).Default(false);
    TAVIN_PROPERTY(TBiDiMode, BiDiMode).Default(bdLeftToRight);
}

TMenu::TMenu(TComponent* owner)
    : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)), FImageChangeLink(std::make_unique<TChangeLink>())
{
    FItems->FMenu = this;
    FImageChangeLink->SetOnChange([this](TObject*) { UpdateItems(); });
}

TMenu::~TMenu()
{
    Destroying();
    SetWindowHandle(nullptr);
    if (FImages)
        FImages->UnRegisterChanges(FImageChangeLink.get());
    FItems.reset();
}

void TMenu::SetImages(TCustomImageList* value)
{
    if (FImages == value)
        return;
    if (FImages) {
        FImages->UnRegisterChanges(FImageChangeLink.get());
        FImages->RemoveFreeNotification(this);
    }
    FImages = value;
    if (FImages) {
        FImages->RegisterChanges(FImageChangeLink.get());
        FImages->FreeNotification(this);
    }
    UpdateItems();
}

void TMenu::SetOwnerDraw(bool value)
{
    if (FOwnerDraw == value)
        return;
    FOwnerDraw = value;
    UpdateItems();
}

void TMenu::SetBiDiMode(TBiDiMode value)
{
    if (FBiDiMode == value)
        return;
    FBiDiMode = value;
    UpdateItems();
}

void TMenu::SetWindowHandle(HWND value)
{
    if (FWindowHandle && FWindowHandle != value && IsWindow(FWindowHandle) && GetMenu(FWindowHandle) == FItems->FHandle)
        ::SetMenu(FWindowHandle, nullptr);
    FWindowHandle = value;
    if (value)
        ::SetMenu(value, Handle());
}

void TMenu::UpdateItems()
{
    if (ComponentState().Contains(csDestroying))
        return;
    std::function<void(TMenuItem*)> rebuild = [&](TMenuItem* item) {
        for (TMenuItem* child : item->FItems)
            rebuild(child);
        item->RebuildHandle();
    };
    rebuild(FItems.get());
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const
{
    std::function<TMenuItem*(TMenuItem*)> find = [&](TMenuItem* item) -> TMenuItem* {
        for (TMenuItem* child : item->FItems) {
            bool match = kind == fkCommand    ? child->FCommand == value
                         : kind == fkHandle   ? reinterpret_cast<UINT_PTR>(child->FHandle) == value && value
                                              : child->FShortCut == value && value;
            if (match)
                return child;
            if (TMenuItem* found = find(child))
                return found;
        }
        return nullptr;
    };
    return find(FItems.get());
}

bool TMenu::IsShortCut(const TMessage& message)
{
    TShortCut shortCut = ShortCut(static_cast<Word>(message.WParam), KeyboardShiftState());
    if (shortCut == scNone)
        return false;
    // A hidden or disabled item, or one under a hidden or disabled parent, takes no key.
    std::function<TMenuItem*(TMenuItem*)> find = [&](TMenuItem* item) -> TMenuItem* {
        for (TMenuItem* child : item->FItems) {
            if (!child->FVisible || !child->FEnabled)
                continue;
            if (child->FShortCut == shortCut)
                return child;
            if (TMenuItem* found = find(child))
                return found;
        }
        return nullptr;
    };
    TMenuItem* item = find(FItems.get());
    if (!item)
        return false;
    item->Click();
    return true;
}

bool TMenu::DispatchCommand(UINT command)
{
    TMenuItem* item = FindMenuItemByCommand(command);
    if (!item || item->GetParentMenu() != this)
        return false;
    item->Click();
    return true;
}

void TMenu::MenuChanged(TObject*, TMenuItem* source, bool rebuild)
{
    if (ComponentState().Contains(csDestroying))
        return;
    FOnChange(this, source, rebuild);
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    FItems->GetChildren(proc, root);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        SetImages(nullptr);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TMainMenu)
{
    TAVIN_PROPERTY(bool, AutoMerge).Default(false);
}

TMainMenu::~TMainMenu()
{
    if (FMergedMenu)
        Unmerge(FMergedMenu);
}

void TMainMenu::Merge(TMainMenu* menu)
{
    if (menu == this)
        return;
    if (FMergedMenu)
        FMergedMenu->RemoveFreeNotification(this);
    FMergedMenu = menu;
    Items()->FMerged = menu ? menu->Items() : nullptr;
    if (menu)
        menu->FreeNotification(this);
    Items()->RebuildHandle();
}

void TMainMenu::Unmerge(TMainMenu* menu)
{
    if (menu && menu == FMergedMenu)
        Merge(nullptr);
}

std::vector<TMenuItem*> TMainMenu::MenuBarItems() const
{
    return Items()->MenuBarItems();
}

void TMainMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == FMergedMenu) {
        FMergedMenu = nullptr;
        Items()->FMerged = nullptr;
        Items()->RebuildHandle();
    }
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TPopupMenu)
{
    TAVIN_PROPERTY(TPopupAlignment, Alignment).Default(paLeft);
    TAVIN_PROPERTY(bool, AutoPopup).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnPopup);
    TAVIN_PROPERTY(TNotifyEvent, OnClose);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}
TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    if (FPopupComponent == value)
        return;
    if (FPopupComponent)
        FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = value;
    if (value)
        value->FreeNotification(this);
}

void TPopupMenu::DoPopup(TObject* sender)
{
    FOnPopup(sender);
}

void TPopupMenu::DoClose()
{
    FOnClose(this);
}

void TPopupMenu::Popup(int x, int y)
{
    FPopupPoint = Point(x, y);
    DoPopup(this);
    Items()->InitiateActions();
    // The style may have changed since the items were built: owner drawing follows it.
    UpdateItems();
    static constexpr UINT Align[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
    TPopupAlignment alignment = FAlignment;
    // A right-to-left menu opens towards the left from the point.
    if (IsRightToLeft() && alignment != paCenter)
        alignment = alignment == paLeft ? paRight : paLeft;
    UINT flags = Align[alignment] | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    if (IsRightToLeft())
        flags |= TPM_LAYOUTRTL;
    UINT command = static_cast<UINT>(TrackPopupMenuEx(Handle(), flags, x, y, PopupListWindow(), nullptr));
    // The chosen item runs once the menu has closed; OnClose follows whatever the item did.
    try {
        if (command)
            DispatchCommand(command);
    } catch (...) {
        DoClose();
        throw;
    }
    DoClose();
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == FPopupComponent)
        FPopupComponent = nullptr;
}

bool PopupContextMenu(TControl* control, TPoint screenPoint)
{
    auto* menu = control ? dynamic_cast<TPopupMenu*>(control->PopupMenu()) : nullptr;
    if (!menu || !menu->AutoPopup())
        return false;
    if (screenPoint == Point(-1, -1))
        screenPoint = control->ClientToScreen(Point(0, 0));
    menu->SetPopupComponent(control);
    menu->Popup(screenPoint);
    return true;
}

void MenusUnitInitialize()
{
    RegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()});
}
