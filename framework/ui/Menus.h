#pragma once
// Menus: items and their sub-items built into system menus, a form's menu bar (merged with an MDI
// child's), the pop-up menu, owner drawing through a canvas, and short cuts as key codes and text.
#include <vector>

#include "ActnList.h"
#include "Controls.h"
#include "ImgList.h"

class TMenu;
class TMenuItem;
class TMenuActionLink;

TAVIN_EXCEPTION(EMenuError, Exception);

TAVIN_ENUM(TMenuBreak, mbNone, mbBreak, mbBarBreak)
TAVIN_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
TAVIN_ENUM(TFindItemKind, fkCommand, fkHandle, fkShortCut)
TAVIN_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
           odInactive, odNoAccel, odNoFocusRect)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, TOwnerDrawState>;
using TMenuChangeEvent = TEvent<TObject*, TMenuItem*, bool>;

TShortCut ShortCut(Word key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift);
// "Ctrl+S", "Shift+Ctrl+F5", "Alt+Del"; empty for scNone.
String ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText, ignoring case; scNone for a text that names no short cut.
TShortCut TextToShortCut(const String& text);
// The caption without its accelerator marks ("&File" gives "File", "&&" gives "&").
String StripHotkey(const String& caption);

// One entry of a menu: a command, a separator ("-") or a sub-menu (an item with items).
class TMenuItem : public TComponent {
    TAVIN_PUBLISHED_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    // Radio items of one group index under one parent check each other off.
    Byte GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Byte value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    TMenuBreak Break() const { return FBreak; }
    void SetBreak(TMenuBreak value);
    // On a menu bar: the item stands at the bar's far end (a Help menu, say).
    bool RightJustify() const { return FRightJustify; }
    void SetRightJustify(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Created when first asked for; drawn when the menu has no image for the item.
    TBitmap* Bitmap() const;
    void SetBitmap(TBitmap* value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { FHint = value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }

    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent value) { FOnClick = value; }
    TMenuMeasureItemEvent OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMenuMeasureItemEvent value);
    TMenuDrawItemEvent OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TMenuDrawItemEvent value);
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem() const { return FOnAdvancedDrawItem; }
    void SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent value);

    // Sub-items: owned by this item (freed with it) and built into its sub-menu.
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)); }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    // Delete frees the item; Remove only takes it out.
    void Delete(int index);
    void Remove(TMenuItem* item);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The sub-item with that caption, '&' ignored; null when none.
    TMenuItem* Find(const String& caption) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    void SetMenuIndex(int value);
    // The menu the item belongs to (through its parents); null for a loose item.
    TMenu* GetParentMenu() const;
    bool IsLine() const { return FCaption == u"-"; }

    // The identifier WM_COMMAND carries for the item, unique in the program.
    UINT Command() const { return FCommand; }
    // The system menu of the sub-items (a menu bar for a main menu's item root).
    HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }

    // Runs the enabled item: AutoCheck toggles Checked (unless the linked action does), then
    // OnClick runs when it differs from the linked action's OnExecute, else the action.
    virtual void Click();
    // The action whose caption, state and OnExecute the item shows; not owned.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* value);
    TMenuActionLink* ActionLink() const { return FActionLink.get(); }
    // Lets the linked action update the item, or each sub-item.
    void InitiateAction();
    void InitiateActions();

    // Owner drawing: the size and the face of the item (the handlers first, else the default).
    void MeasureItem(TCanvas* canvas, int& width, int& height);
    void AdvancedDrawItem(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel);
    bool IsOwnerDraw() const;
    // The images ImageIndex picks from: the menu's, else those of the linked action's list.
    TCustomImageList* GetImageList() const;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    friend class TMenu;
    friend class TMainMenu;
    friend TMenuItem* FindMenuItemByHandle(HMENU menu);
    virtual TMenuActionLink* CreateActionLink();
    virtual void ActionChange(TObject* sender, bool checkDefaults);
    void Notification(TComponent* component, TOperation operation) override;
    // The item's look changed: its entry in the parent's system menu is rebuilt.
    virtual void MenuChanged(bool rebuild);

private:
    bool IsBitmapStored() const { return FBitmap && !FBitmap->Empty(); }
    // Stored rules: a property that only mirrors the linked action is not written with the form.
    bool IsAutoCheckStored() const;
    bool IsCaptionStored() const;
    bool IsCheckedStored() const;
    bool IsEnabledStored() const;
    bool IsGroupIndexStored() const;
    bool IsHelpContextStored() const;
    bool IsHintStored() const;
    bool IsImageIndexStored() const;
    bool IsShortCutStored() const;
    bool IsVisibleStored() const;
    bool IsOnClickStored() const;
    void SetParent(TMenuItem* parent) { FParent = parent; }
    // Rebuilds the entries of this item's own system menu from its visible sub-items.
    void RebuildHandle();
    void AppendTo(HMENU menu, bool menuBar);
    void TurnSiblingsOff();
    void DrawDefault(TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel);
    std::vector<TMenuItem*> MenuBarItems() const;

    String FCaption;
    TShortCut FShortCut = scNone;
    bool FChecked = false, FRadioItem = false, FAutoCheck = false, FEnabled = true, FVisible = true,
         FDefault = false, FRightJustify = false;
    Byte FGroupIndex = 0;
    TMenuBreak FBreak = mbNone;
    int FImageIndex = -1;
    mutable std::unique_ptr<TBitmap> FBitmap;
    String FHint;
    int FHelpContext = 0;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's item root only
    TMenuItem* FMerged = nullptr; // a root: the merged menu's root whose items join ours
    UINT FCommand = 0;
    HMENU FHandle = nullptr;
    std::unique_ptr<TMenuActionLink> FActionLink;
    TNotifyEvent FOnClick;
    TMenuMeasureItemEvent FOnMeasureItem;
    TMenuDrawItemEvent FOnDrawItem;
    TAdvancedMenuDrawItemEvent FOnAdvancedDrawItem;
};

// The link of a menu item: all of the action's properties and OnClick.
class TMenuActionLink : public TActionLink {
    TAVIN_CLASS(TMenuActionLink, TActionLink)
public:
    explicit TMenuActionLink(TObject* client) : TActionLink(client) { AssignClient(client); }
    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsAutoCheckLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsGroupIndexLinked() const override;
    bool IsHelpLinked() const override;
    bool IsHintLinked() const override;
    bool IsImageIndexLinked() const override;
    bool IsShortCutLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;
    void SetCaption(const String& value) override;
    void SetChecked(bool value) override;
    void SetAutoCheck(bool value) override;
    void SetEnabled(bool value) override;
    void SetGroupIndex(int value) override;
    void SetHelpContext(int value) override;
    void SetHint(const String& value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(TShortCut value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(TNotifyEvent value) override;

protected:
    void AssignClient(TObject* client) override;
    TMenuItem* FClient = nullptr;
};

// The items of a menu bar merged with a child's: the child's items replace the frame's items of
// their group index; the frame's other items keep their order, each before the first child item
// of a higher group index (at the end when there is none).
std::vector<TMenuItem*> MergeMenuItems(const std::vector<TMenuItem*>& frame, const std::vector<TMenuItem*>& child);

class TMenu : public TComponent {
    TAVIN_PUBLISHED_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The item root: its sub-items are the menu's items.
    TMenuItem* Items() const { return FItems.get(); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    // Every item is drawn by the program (OnMeasureItem, OnDrawItem, OnAdvancedDrawItem or the
    // framework's default face).
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }

    HMENU Handle() { return FItems->Handle(); }
    // The window that shows the menu (a form for its menu bar); null when none.
    HWND WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(HWND value);

    TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
    // Runs the enabled, visible item of the key's short cut; false when no item has it.
    bool IsShortCut(const TMessage& message);
    // Runs the item of a WM_COMMAND identifier; false when it is none of this menu's.
    bool DispatchCommand(UINT command);
    // Builds the system menus again (all items are measured again).
    void UpdateItems();

    TMenuChangeEvent OnChange() const { return FOnChange; }
    void SetOnChange(TMenuChangeEvent value) { FOnChange = value; }

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

protected:
    friend class TMenuItem;
    virtual void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild);
    void Notification(TComponent* component, TOperation operation) override;
    // The item root of a menu bar makes a bar, of a pop-up menu a pop-up.
    virtual bool IsMenuBar() const { return false; }

private:
    std::unique_ptr<TMenuItem> FItems;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    bool FOwnerDraw = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    HWND FWindowHandle = nullptr;
    TMenuChangeEvent FOnChange;
};

// A form's menu bar (its Menu); an MDI frame shows it merged with the active child's.
class TMainMenu : public TMenu {
    TAVIN_PUBLISHED_CLASS(TMainMenu, TMenu)
public:
    using TMenu::TMenu;
    ~TMainMenu() override;

    // An MDI child's menu merges into the frame's instead of showing in the child.
    bool AutoMerge() const { return FAutoMerge; }
    void SetAutoMerge(bool value) { FAutoMerge = value; }
    // Shows menu's items with this menu's (by group index); Unmerge takes them out again.
    void Merge(TMainMenu* menu);
    void Unmerge(TMainMenu* menu);
    TMainMenu* MergedMenu() const { return FMergedMenu; }
    // The items the bar shows now, in order.
    std::vector<TMenuItem*> MenuBarItems() const;

protected:
    bool IsMenuBar() const override { return true; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool FAutoMerge = false;
    TMainMenu* FMergedMenu = nullptr;
};

// A menu opened at a point: by Popup, or by a control's right click, Shift+F10 or the menu key.
class TPopupMenu : public TMenu {
    TAVIN_PUBLISHED_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The control the menu was last opened for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value);
    // Shows the menu at the screen point and returns when it closed, after the chosen item ran.
    virtual void Popup(int x, int y);
    void Popup(TPoint p) { Popup(p.X, p.Y); }
    TPoint PopupPoint() const { return FPopupPoint; }

    TNotifyEvent OnPopup() const { return FOnPopup; }
    void SetOnPopup(TNotifyEvent value) { FOnPopup = value; }
    TNotifyEvent OnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent value) { FOnClose = value; }

protected:
    virtual void DoPopup(TObject* sender);
    virtual void DoClose();
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint{-1, -1};
    TNotifyEvent FOnPopup, FOnClose;
};

// The hidden window that owns every pop-up menu while it is open: it draws owner-drawn items
// and tells the items about selection.
HWND PopupListWindow();
// The item of a WM_COMMAND identifier, or the item whose sub-menu is menu; null when none.
TMenuItem* FindMenuItemByCommand(UINT command);
TMenuItem* FindMenuItemByHandle(HMENU menu);
// Answers WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR of menu items (false for other controls'
// messages) and lets a sub-menu's items update from their actions on WM_INITMENUPOPUP.
bool DispatchMenuOwnerDraw(TMessage& message);
// Whether the active custom style paints the menus (every item is owner-drawn meanwhile).
bool IsMenuStyled();
// Opens the pop-up menu of control (or of its nearest parent that has one) for a WM_CONTEXTMENU
// at the screen point (-1, -1: from the keyboard, under the control's top-left corner).
bool PopupContextMenu(TControl* control, TPoint screenPoint);

void MenusUnitInitialize();
void MenusUnitFinalize();
inline constexpr TUnitStep MenusUnit{"Menus", &MenusUnitInitialize, &MenusUnitFinalize};
