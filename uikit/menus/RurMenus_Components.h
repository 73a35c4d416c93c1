#pragma once
// The kit's owner-drawn menus: the framework's main and pop-up menu with owner drawing switched
// on, every item measured and drawn by the menu engine in the look of a menu styler. The engine
// and the appearance objects reach a menu through its IRurMenu.
#include "ImgList.h"
#include "Menus.h"
#include "RurMenus_Styler.h"
#include "RurMenus_Startup.h"
#include "RurStyleIF.h"

TAVIN_ENUM(TActionImage, aiNormal, aiLarge)
// Where PopupAtControl opens the menu, relative to the control.
TAVIN_ENUM(TPopupControlPosition, pcpBottomLeft, pcpBottomRight, pcbTopLeft, pcpTopRight, pcpCenter)

// What the engine and the appearance objects ask of a kit menu.
class IRurMenu {
public:
    // Builds the menu's items again, so that every item is measured anew.
    virtual void UpdateItems() = 0;
    virtual TMenu* GetMenu() const = 0;
    virtual TCustomRurMenuStyler* GetMenuStyler() const = 0;
    // The styler in use: the external one, an Office styler made for a style, or the internal one.
    virtual TCustomRurMenuStyler* GetCurrentMenuStyler() const = 0;
    virtual void SetMenuStyler(TCustomRurMenuStyler* value) = 0;
    virtual Byte GetOpacity() const = 0;
    virtual void SetOpacity(Byte value) = 0;
    virtual bool GetShowNotes() const = 0;
    virtual void SetShowNotes(bool value) = 0;
    virtual bool GetIntlKeybShortCuts() const = 0;
    virtual void SetIntlKeybShortCuts(bool value) = 0;
    virtual void SetActionImages(TActionImage value) = 0;
    virtual TActionImage GetActionImages() const = 0;
    virtual void SetBiDiMode(TBiDiMode value) = 0;
    virtual TBiDiMode GetBiDiMode() const = 0;
    virtual TCustomImageList* GetDisabledImages() const = 0;
    // Inside BeginUpdate/EndUpdate.
    virtual int GetUpdateRef() const = 0;

protected:
    ~IRurMenu() = default;
};

// What both kit menus keep and do alike; each menu owns one.
class TRurMenuCore final : public IRurMenu {
public:
    TRurMenuCore(TMenu* menu, bool mainMenu);
    ~TRurMenuCore();
    TRurMenuCore(const TRurMenuCore&) = delete;
    TRurMenuCore& operator=(const TRurMenuCore&) = delete;

    void UpdateItems() override { FMenu->UpdateItems(); }
    TMenu* GetMenu() const override { return FMenu; }
    TCustomRurMenuStyler* GetMenuStyler() const override { return FMenuStyler; }
    TCustomRurMenuStyler* GetCurrentMenuStyler() const override { return FCurrentMenuStyler; }
    void SetMenuStyler(TCustomRurMenuStyler* value) override;
    Byte GetOpacity() const override { return FOpacity; }
    void SetOpacity(Byte value) override { FOpacity = value; }
    bool GetShowNotes() const override { return FShowNotes; }
    void SetShowNotes(bool value) override { FShowNotes = value; }
    bool GetIntlKeybShortCuts() const override { return FIntlKeybShortCuts; }
    void SetIntlKeybShortCuts(bool value) override { FIntlKeybShortCuts = value; }
    void SetActionImages(TActionImage value) override { FActionImage = value; }
    TActionImage GetActionImages() const override { return FActionImage; }
    void SetBiDiMode(TBiDiMode value) override { FMenu->SetBiDiMode(value); }
    TBiDiMode GetBiDiMode() const override { return FMenu->BiDiMode(); }
    TCustomImageList* GetDisabledImages() const override { return FDisabledImages; }
    int GetUpdateRef() const override { return FUpdateRef; }

    TCustomRurMenuStyler* InternalMenuStyler() const { return FInternalMenuStyler; }
    void SetDisabledImages(TCustomImageList* value);
    bool MenuUpdating() const { return FMenuUpdating; }
    bool DirectUpdate() const { return FDirectUpdate; }
    void SetDirectUpdate(bool value) { FDirectUpdate = value; }
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value);
    void SetComponentStyle(TRujStyle style);

    void BeginUpdate();
    void EndUpdate();
    // The menu's Loaded: owner drawing, handlers on every item, the internal styler freed when
    // another took its place.
    void Loaded();
    void Notification(TComponent* component, TOperation operation);
    // The menu's MenuChanged, before the framework's.
    void MenuChanged(TMenuItem* source);
    void CreateInternalStyler();

private:
    void FreeInternalStyler();
    void BindCurrentStyler();

    TMenu* FMenu;
    bool FMainMenu;
    TCustomRurMenuStyler* FMenuStyler = nullptr;
    TCustomRurMenuStyler* FInternalMenuStyler = nullptr;
    TCustomRurMenuStyler* FCurrentMenuStyler = nullptr;
    // The Office styler a style made; replaced, not piled up, by the next style.
    TCustomRurMenuStyler* FOfficeMenuStyler = nullptr;
    Byte FOpacity = 255;
    bool FShowNotes = true, FMenuUpdating = false;
    int FUpdateRef = 0;
    bool FDirectUpdate = false;
    TCustomImageList* FDisabledImages = nullptr;
    bool FIntlKeybShortCuts = false;
    TActionImage FActionImage = aiNormal;
    TRujStyle FRujStyle = tsCustom;
};

// The properties both menus publish, answered by their core.
#define RUR_MENU_CORE_PROPERTIES                                                                                  \
    IRurMenu* RurMenuIntf() { return &FCore; }                                                                    \
    TRurMenuCore& Core() { return FCore; }                                                                        \
    TCustomRurMenuStyler* MenuStyler() const { return FCore.GetMenuStyler(); }                                    \
    void SetMenuStyler(TCustomRurMenuStyler* value) { FCore.SetMenuStyler(value); }                               \
    TCustomRurMenuStyler* CurrentMenuStyler() const { return FCore.GetCurrentMenuStyler(); }                      \
    TCustomImageList* DisabledImages() const { return FCore.GetDisabledImages(); }                                \
    void SetDisabledImages(TCustomImageList* value) { FCore.SetDisabledImages(value); }                           \
    bool IntlKeybShortCuts() const { return FCore.GetIntlKeybShortCuts(); }                                       \
    void SetIntlKeybShortCuts(bool value) { FCore.SetIntlKeybShortCuts(value); }                                  \
    bool ShowNotes() const { return FCore.GetShowNotes(); }                                                       \
    void SetShowNotes(bool value) { FCore.SetShowNotes(value); }                                                  \
    TActionImage ActionImages() const { return FCore.GetActionImages(); }                                         \
    void SetActionImages(TActionImage value) { FCore.SetActionImages(value); }                                    \
    TRujStyle UIStyle() const { return FCore.UIStyle(); }                                                         \
    void SetUIStyle(TRujStyle value) { FCore.SetUIStyle(value); }                                                 \
    /* Reads 2.7.1.9; writes are ignored. */                                                                      \
    String Version() const { return MenuVersionText(); }                                                          \
    void SetVersion(const String&) {}                                                                             \
    virtual int VersionNumber() const { return 0x02070109; }                                                      \
    bool MenuUpdating() const { return FCore.MenuUpdating(); }                                                    \
    bool DirectUpdate() const { return FCore.DirectUpdate(); }                                                    \
    void SetDirectUpdate(bool value) { FCore.SetDirectUpdate(value); }                                            \
    void BeginUpdate() { FCore.BeginUpdate(); }                                                                   \
    void EndUpdate();                                                                                             \
    void SetComponentStyle(TRujStyle AStyle) override { FCore.SetComponentStyle(AStyle); }                       \
    /* The engine's measure and draw handlers, bound to every item. */                                            \
    void ExpandItemWidth(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);                            \
    void AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);

String MenuVersionText();

class TRurPopupMenu : public TPopupMenu, public IRujStyle {
    TAVIN_PUBLISHED_CLASS(TRurPopupMenu, TPopupMenu)
public:
    explicit TRurPopupMenu(TComponent* AOwner);
    ~TRurPopupMenu() override;

    RUR_MENU_CORE_PROPERTIES
    // A free object for the application.
    TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(TObject* value) { FItemObject = value; }

    // Moves the point by the items' extra width by the alignment, switches the menu animation off
    // and opens the menu.
    void Popup(int X, int Y) override;
    void Popup(TPoint P) { Popup(P.X, P.Y); }
    void PopupAtControl(TControl* AControl, TPopupControlPosition Position, int OffsetX = 0, int OffsetY = 0);
    void PopupAtCursor();

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) override;

private:
    TRurMenuCore FCore;
    TObject* FItemObject = nullptr;
};

class TRurMainMenu : public TMainMenu, public IRujStyle {
    TAVIN_PUBLISHED_CLASS(TRurMainMenu, TMainMenu)
public:
    explicit TRurMainMenu(TComponent* AOwner);
    ~TRurMainMenu() override;

    RUR_MENU_CORE_PROPERTIES
    // Builds the items again (all are measured anew) and repaints.
    void Refresh();
    // The MDI client window whose Window-menu refresh this menu answers, or null.
    HWND HookedMdiClient() const { return FOldWndHandle; }
    void SetHookedMdiClient(HWND value) { FOldWndHandle = value; }
    bool DesignTime() const { return FDesignTime; }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) override;

private:
    friend class TRurMenuCore;
    void StylerFontChanged(TObject* Sender);

    TRurMenuCore FCore;
    HWND FOldWndHandle = nullptr;
    bool FDesignTime = false;
};

// The menu's IRurMenu when it is one of the kit's menus, else null; for an item, of its menu (its
// owner when it has no parent menu).
IRurMenu* GetRurMenuIntf(TMenu* menu);
IRurMenu* GetItemRurMenuIntf(const TMenuItem* item);
TMenu* GetItemMenu(const TMenuItem* item);
// Repaints the menu; either flag first builds its items again. For a main menu it also takes over
// the Window-menu refresh of its form's MDI client.
void RefreshMenu(IRurMenu* intf, bool A, bool B);
// Binds the engine's handlers to item (and its sub-items), or to every item of the menu; handlers
// the application set stay. Nothing while the menu is being read, unless it is the menu's Loaded
// asking (the framework clears the loading state only after Loaded).
void HookMenuItems(TMenu* menu, TMenuItem* item, bool fromLoaded = false);
// The kit menus and stylers, for form resources.
void RegisterRurMenuClasses();
// Builds the menu's items again once the current message has been handled (a measure request
// must not rebuild the menu it measures); forgotten when the menu goes first.
void DeferMenuRebuild(TMenu* menu);
void CancelMenuRebuild(TMenu* menu);
