#pragma once
// The toolbar control: a window that holds toolbar buttons, separators and any other control in a
// row or column and paints with a toolbar styler (its own internal one, one assigned to it, or its
// dock panel's or ribbon's). This part of it keeps the controls in layout order and in
// recently-used order, hands them its dock side and images, keeps one hot button, and links the
// styler.
#include "Controls.h"
#include "ImgList.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_Types.h"

class TCustomRurToolBarStyler;
class TRurCustomToolBarButton;
class TOptionSelectorWindow;
class TOptionSelectorPanel;

TAVIN_ENUM(TToolBarState, tsDocked, tsFloating, tsFixed)

// A control of the toolbar was shown or hidden by the user (sender: the toolbar).
using TControlVisibleChangeEvent = TEvent<TObject*, TControl*>;

class TRurCustomToolBar : public TCustomControl {
    TAVIN_CLASS(TRurCustomToolBar, TCustomControl)
public:
    explicit TRurCustomToolBar(TComponent* owner);
    ~TRurCustomToolBar() override;

    // The controls in layout order (left to right, or top to bottom on a vertical toolbar).
    int ToolBarControlCount() const { return FATBControls.Count(); }
    // Null for an index outside the list.
    TControl* ToolBarControls(int index) const;
    int IndexOfToolBarControl(TControl* control) const { return FATBControls.IndexOf(control); }
    // The controls in recently-used order, the most recent first.
    const TDbgList& RecentlyUsedControls() const { return FRUControls; }

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    // Drawn for disabled buttons when set.
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);

    // The styler assigned (null: none), and the one in effect: the assigned one, else the internal
    // one; never null.
    TCustomRurToolBarStyler* ToolBarStyler() const { return FToolBarStyler; }
    void SetToolBarStyler(TCustomRurToolBarStyler* value);
    TCustomRurToolBarStyler* CurrentToolBarStyler() const { return FCurrentToolBarStyler; }
    bool ParentStyler() const { return FParentStyler; }
    // Writing True always links the styler again.
    void SetParentStyler(bool value);
    // A change of the current styler (code as the styler sends it): the toolbar repaints with it.
    void StylerChanged(int code);

    // The dock side the toolbar is oriented for; every toolbar control takes it on joining.
    TDockAlign Position() const { return FPosition; }
    TToolBarState ToolBarState() const { return FToolBarState; }
    // The thickness of one row.
    int SizeAtDock() const { return FSizeAtDock; }
    bool AutoSize() const { return FAutoSize; }
    bool AutoPositionControls() const { return FAutoPositionControls; }
    bool ShowCaption() const { return FShowCaption; }
    int CaptionHeight() const { return FCaptionHeight; }
    // The menu-bar keyboard mode is on; a menu-bar button's menu is dropped.
    bool MenuFocused() const { return FMenuFocused; }
    bool MenuDropped() const { return FMenuDropped; }

    TControlVisibleChangeEvent OnControlVisibleChange() const { return FOnControlVisibleChange; }
    void SetOnControlVisibleChange(TControlVisibleChangeEvent value) { FOnControlVisibleChange = value; }

    // Keeps one hot button: a button turning hot un-hots the previous one.
    void HotButtonChanged(TRurCustomToolBarButton* button);
    // Moves the control to the front of the recently-used order and hides the option drop-down.
    void MarkControlUsed(TControl* control);
    void HideOptionWindow();
    // The option drop-down's panel when it has been made; null before.
    TOptionSelectorPanel* OptionWindowPanel() const { return FOptionWindowPanel; }
    // The control that had the focus when the drop-down opened; it gets the focus back.
    TWinControl* PrevActiveControl() const { return FPrevActiveControl; }
    void SetPrevActiveControl(TWinControl* value);
    // Placing the controls and hiding those that do not fit belong to the toolbar's layout; they
    // leave the controls where they are until it is in place.
    void ArrangeControls(bool resize);
    void UpdateHiddenControls();
    void UpdateSize();
    // Drops the menu of a menu-bar button; false when nothing was dropped.
    bool DropDownButtonMenu(TRurCustomToolBarButton* button);

protected:
    friend class TRurCustomToolBarControl;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;

    // Set while the toolbar moves controls between parents itself: insertions and removals the
    // framework announces are not taken then.
    bool FInternalControlUpdation = false;

private:
    void ControlInserted(TControl* control);
    void ControlRemoved(TControl* control);
    // Drops the control from the lists by its address alone.
    void ForgetControl(const void* control);
    // The index the control belongs at by its Left (Top on a vertical toolbar).
    int OrderedIndex(TControl* control, int current) const;
    void LinkStyler();

    TDbgList FATBControls, FRUControls, FLUHidedControls;
    TCustomRurToolBarStyler* FInternalToolBarStyler;
    TCustomRurToolBarStyler* FToolBarStyler = nullptr;
    TCustomRurToolBarStyler* FCurrentToolBarStyler;
    bool FParentStyler = true;
    TDockAlign FPosition = daTop;
    TToolBarState FToolBarState = tsDocked;
    int FSizeAtDock = 26;
    bool FAutoSize = true;
    bool FAutoPositionControls = true;
    bool FShowCaption = false;
    int FCaptionHeight;
    bool FMenuFocused = false;
    bool FMenuDropped = false;
    bool FAutoRUL = true;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    TRurCustomToolBarButton* FHotButton = nullptr;
    TOptionSelectorWindow* FOptionWindow = nullptr;
    TOptionSelectorPanel* FOptionWindowPanel = nullptr;
    TWinControl* FPrevActiveControl = nullptr;
    TControlVisibleChangeEvent FOnControlVisibleChange;
};

class TRurToolBar : public TRurCustomToolBar {
    TAVIN_PUBLISHED_CLASS(TRurToolBar, TRurCustomToolBar)
public:
    using TRurCustomToolBar::TRurCustomToolBar;
};
