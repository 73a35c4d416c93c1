#pragma once
// The ribbon's quick-access toolbar: a row of small commands (toolbar buttons, glow buttons or any
// other control) on the ribbon pager, either in the pager's caption band beside the application
// icon or as a full-width bar below the pages. It owns the application-icon button (a click opens
// the window's system menu, a double click closes the form), an optional customize button with a
// drop-down menu, and the overflow: controls that do not fit go to a hidden list shown in a
// drop-down window behind a double-arrow button. Its look follows the pager's styler, the flat
// tones and the glass state of the ribbon form.
//
// Sources: RurQuickAccessToolBar.cpp (construction, parent, children, styling, key tips, the
// application icon), RurQuickAccessToolBar_Layout.cpp (geometry, layout passes, overflow,
// customize button), RurQuickAccessToolBar_Paint.cpp (the four looks).
#include "WinApiNames.h"

#include "Controls.h"
#include "ImgList.h"
#include "Menus.h"
#include "RurGlowButton.h"
#include "RurToolBar_Controls.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_Styler.h"

class TRurToolBarPager;
class TRurVistaButton;
class TOptionSelectorWindow;
class TControlSelectorPanel;

// The application-icon button: a glow button of its own class, so the bar can tell it apart.
class TAppIconGlowButton : public TRurGlowButton {
    TAVIN_CLASS(TAppIconGlowButton, TRurGlowButton)
public:
    using TRurGlowButton::TRurGlowButton;
};

class TRurCustomQuickAccessToolBar : public TCustomControl, public IToolBarControlHost {
    TAVIN_CLASS(TRurCustomQuickAccessToolBar, TCustomControl)
public:
    explicit TRurCustomQuickAccessToolBar(TComponent* owner);
    ~TRurCustomQuickAccessToolBar() override;

    void WndProc(TMessage& message) override;
    // Only a ribbon pager may hold the bar: another parent raises "Invalid Parent" and the parent
    // stays. Off a ribbon form the bar leaves glass.
    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    // The framework's update, then the whole layout again.
    void Update() override;

    // ---- Children --------------------------------------------------------------------------------
    // The control becomes a child of the bar (at design time also placed at its right end).
    void AddToolBarControl(TControl* control);
    // Frees every user control, shown or hidden.
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // ---- Layout ----------------------------------------------------------------------------------
    // The control list rebuilt, the size, the places and the overflow checked.
    void UpdateLayout();
    void UpdateSize();
    void UpdateControlsPosition(bool andSize);
    void CheckOverflow();
    void UpdateAppIcon();
    // Drops hidden controls that are children neither of the bar nor of the overflow panel.
    void CleanHiddenControlList();
    // The controls' area.
    TRect GetControlsRect() const;
    TRect GetFrameRect() const;
    int GetLeftIndent() const;
    int GetRightIndent() const;
    // The customize and overflow buttons' place at the right end.
    TRect GetButtonRect() const;
    // The width all controls, shown and hidden, want with the indents and the button.
    int GetTotalControlsWidth() const;
    // The shown user controls in ascending Left order and the ones moved to the overflow window.
    int ControlListCount() const { return FCtrlList.Count(); }
    TControl* ControlListItem(int index) const { return FCtrlList.Item<TControl>(index); }
    int HiddenControlCount() const { return FHiddenCtrlList.Count(); }
    TControl* HiddenControl(int index) const { return FHiddenCtrlList.Item<TControl>(index); }

    // ---- Modes -----------------------------------------------------------------------------------
    bool FullSize() const { return FFullSize; }
    void SetFullSize(bool value);
    bool IsAeroVista() const { return FIsAeroVista; }
    void SetAeroVista(bool value);
    // The pager shows the flat Office tones (2013, 2016 or 2019 drawing).
    virtual bool IsOfficeTonesStyle() const;
    TRurToolBarPager* Pager() const;
    // The pager's styler in force; null off a pager.
    TCustomRurToolBarStyler* ToolBarStyler() const;
    // The toolbar controls on the bar paint and drop their menus with it.
    TCustomRurToolBarStyler* CurrentToolBarStyler() const override { return ToolBarStyler(); }
    void StylerChanged(int code);
    void ApplyStylerAppearance();
    void ApplyColorTones(const TColorTones& tones);

    // ---- Buttons and windows ---------------------------------------------------------------------
    TAppIconGlowButton* App() const { return FApp; }
    TRurVistaButton* CustomizeButton() const { return FCustomizeButton; }
    TRurVistaButton* OverflowButton() const { return FScrollButton; }
    TOptionSelectorWindow* OverflowWindow() const { return FOverflowWindow; }
    TControlSelectorPanel* OverflowWindowPanel() const { return FOverflowWindowPanel; }
    TRurGlowButton* RefGlowButton() const { return FRefGlowButton; }
    // Shows the hidden controls in the drop-down below the bar's right end (or at the point).
    void ShowOverflowWindow(int x, int y, bool usePoint);
    void HideOverflowWindow();
    // On glass: repaints the reference glow button (or the first other child) so the glass
    // caption's children repaint.
    void RefreshGlassControls();
    void RestorePagerFocus();

    // ---- Key tips --------------------------------------------------------------------------------
    void ShowShortCutHints();
    void HideShortCutHints();
    // A key tip that equals the text clicks its button (true); tips that start with it are counted.
    bool SelectShortCut(const String& text, int& partialCount);

    // ---- Properties ------------------------------------------------------------------------------
    bool ShowCustomizeOption() const { return FShowCustomizeOption; }
    void SetShowCustomizeOption(bool value);
    const String& CustomizeHint() const { return FCustomizeHint; }
    void SetCustomizeHint(const String& value);
    TPopupMenu* DropDownPopupMenu() const { return FDropDownPopupMenu; }
    void SetDropDownPopupMenu(TPopupMenu* value) { FDropDownPopupMenu = value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);
    bool AppIconAlphaBlended() const { return FAppIconAlphaBlended; }
    void SetAppIconAlphaBlended(bool value);
    TNotifyEvent OnCustomizeClick() const { return FOnCustomizeClick; }
    void SetOnCustomizeClick(TNotifyEvent value) { FOnCustomizeClick = value; }
    int ButtonWidth() const { return FButtonWidth; }

    // ---- Painting (RurQuickAccessToolBar_Paint.cpp) ----------------------------------------------
    // Visible toolbar buttons, toolbar menu buttons and glow buttons other than the icon.
    int GetVisibleButtonCount() const;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
    bool IsLoading() const { return ComponentState().Contains(csLoading); }
    // The application icon, the customize and overflow buttons, the reference button, the
    // overflow window and its panel.
    bool IsSpecialControl(const TControl* control) const;
    bool IsUserControl(const TControl* control) const { return !IsSpecialControl(control); }
    // Scenic (glass switch and scenic ribbon) or the flat tones: the application icon shows.
    bool ScenicOrTones() const;
    bool GlassScenicOrTones() const;
    // rs x value rounded, rs the unit's scale rounded to one decimal.
    int ScaledByRoundedScale(int value) const;
    int ScaledButtonWidth() const;
    void RebuildControlList();
    void ControlChanged(TControl* control, bool inserted);
    void VisibleChanged();
    void SetOverflowButtonVisible(bool value);
    bool OverflowButtonVisible() const;
    void CustomizeButtonClick(TObject*);
    void OverflowButtonMouseDown(TObject*, TMouseButton, TShiftState, int, int);
    void OverflowWindowHide(TObject*);
    void InternalControlClick(TObject*);
    void PrepareOverflowWindow();
    void AppIconClick(TObject*);
    void LoadAppIcon();
    // Every toolbar control on the bar measures itself again.
    void AdjustToolBarControls();
    void ShowDisabledControlHint(TMessage& message);

    // Painting (RurQuickAccessToolBar_Paint.cpp).
    void EraseBackground(TMessage& message);
    void PaintTones();
    void PaintFullSize();
    void PaintCaptionBar();
    void PaintRoundedBar(HDC dc, const TRect& r);
    void PaintOnGlass();
    void PaintToolBarButtons();

    Cardinal FAppButtonTime = 0;
    TAppIconGlowButton* FApp = nullptr;
    bool FFullSize = false;
    bool FShowCustomizeOption = false;
    TDbgList FCtrlList;
    TDbgList FHiddenCtrlList;
    bool FInternalUpdatingControlPos = false;
    bool FInternalUpdatingSize = false;
    TRurVistaButton* FCustomizeButton = nullptr;
    TRurVistaButton* FScrollButton = nullptr;
    TOptionSelectorWindow* FOverflowWindow = nullptr;
    TControlSelectorPanel* FOverflowWindowPanel = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    TCustomImageList* FImages = nullptr;
    int FButtonWidth = 14;
    int FButtonGap = 2;
    TPopupMenu* FDropDownPopupMenu = nullptr;
    int FUpdateCount = 0;
    String FCustomizeHint;
    TNotifyEvent FOnCustomizeClick;
    bool FIsAeroVista = false;
    TRurGlowButton* FRefGlowButton = nullptr;
    bool FRef = false;
    bool FVisibleChanged = false;
    bool FAppIconAlphaBlended = false;
    bool FIsWin7 = false;
    TControl* FHintCtrl = nullptr;
};

class TRurQuickAccessToolBar : public TRurCustomQuickAccessToolBar {
    TAVIN_PUBLISHED_CLASS(TRurQuickAccessToolBar, TRurCustomQuickAccessToolBar)
public:
    using TRurCustomQuickAccessToolBar::TRurCustomQuickAccessToolBar;
};
