#pragma once
// The toolbar control: a window that holds toolbar buttons, separators and any other control in a
// row or column and paints with a toolbar styler (its own internal one, one assigned to it, or its
// dock panel's). It lives docked in a dock panel, floating in a window of its own, or fixed on any
// other parent; it places its controls itself, derives its own length limits and thickness from
// them, hides the least recently used ones when it is too short and lists them in its option
// drop-down.
//
// Sources: RurToolBar_ToolBar.cpp (data, lifecycle, styler link, control lists),
// _ToolBarLayout.cpp (arrangement, sizing, floating rows), _ToolBarPaint.cpp (painting),
// _ToolBarHidden.cpp (hidden controls and the option drop-down), _ToolBarMessages.cpp (messages,
// hints, update counting), _ToolBarMenuBar.cpp (menu-bar mode),
// _ToolBarMDIButtons.cpp (MDI child buttons),
// _ToolBarPosition.cpp (position persistence), _ToolBarDocking.cpp (parent change, docking).
#include <array>
#include <memory>
#include <vector>

#include "Controls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Menus.h"
#include "Timers.h"
#include "RurGDIP.h"
#include "RurHintInfo.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_Persistence.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Types.h"

class TCustomRurToolBarStyler;
class TRurCustomToolBarButton;
class TOptionSelectorWindow;
class TOptionSelectorPanel;
class TControlSelectorPanel;
class TCustomForm;
class TCustomIniFile;
class TRurToolBarCustomizer;
class TRurDockPanel;
class TFloatingWindow;
class IRibbonGroupHost;
class TCompactWindow;
class TGroupAppearance;
class TToolBarAppearance;

TAVIN_ENUM(TToolBarState, tsDocked, tsFloating, tsFixed)
TAVIN_ENUM(TDockMode, dmAll, dmAllParentDockPanels, dmParentDockPanelOnly)
using TDockableTo = TSet<TDockAlign>;

// A control of the toolbar was shown or hidden by the user (sender: the toolbar).
using TControlVisibleChangeEvent = TEvent<TObject*, TControl*>;
// The right handle (or floating option button) was clicked: the points where the drop-down opens.
using TOptionEvent = TEvent<TObject*, TPoint&, TPoint&>;

// The docking toolbar's dock panel (sender: the toolbar).
using TDockEvent = TEvent<TObject*, TRurDockPanel*>;
// Whether a toolbar dragged out of its dock may float.
using TCanFloatEvent = TEvent<TObject*, bool&>;

// Posted by the toolbar to itself when a dropped menu has closed.
constexpr UINT MenuClosedMessage = 0x1400;

// The toolbar's surroundings are recognised by class name (descendants included), so the toolbar
// needs none of the units of the dock panel, floating window or ribbon.
bool IsOfClassNamed(const TObject* object, const char16_t* className);

class TRurCustomToolBar : public TCustomControl, public IRujStyleEx {
    TAVIN_CLASS(TRurCustomToolBar, TCustomControl)
public:
    explicit TRurCustomToolBar(TComponent* owner);
    ~TRurCustomToolBar() override;

    // ---- Controls ------------------------------------------------------------------------------
    // The controls in layout order (left to right, or top to bottom on a vertical toolbar).
    int ToolBarControlCount() const { return FATBControls.Count(); }
    // Null for an index outside the list.
    TControl* ToolBarControls(int index) const;
    int IndexOfToolBarControl(TControl* control) const { return FATBControls.IndexOf(control); }
    // Makes the toolbar the control's parent and puts it last; -1 for null, a listed control or one
    // the toolbar already holds.
    int AddToolBarControl(TControl* control);
    void InsertToolBarControl(int index, TControl* control);
    // Ignored unless both indexes are valid and differ.
    void MoveToolBarControl(int fromIndex, int toIndex);
    void EnableAllControls(bool value);
    // The controls in recently-used order, the most recent first.
    const TDbgList& RecentlyUsedControls() const { return FRUControls; }
    // The controls hidden for lack of length, the most recently hidden last.
    const TDbgList& HiddenControls() const { return FLUHidedControls; }
    bool IsHiddenControl(TControl* control) const { return FLUHidedControls.IndexOf(control) >= 0; }

    // ---- Images and styler ---------------------------------------------------------------------
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
    TCustomRurToolBarStyler* InternalToolBarStyler() const { return FInternalToolBarStyler; }
    bool ParentStyler() const { return FParentStyler; }
    // Writing True always links the styler again.
    void SetParentStyler(bool value);
    // A change of the current styler (code as the styler sends it): the toolbar takes the
    // styler's body colour and repaints; codes 2 and 7 recolour the glow buttons, code 5 (grip
    // style) arranges the controls again, code 6 re-measures the menu-bar buttons.
    void StylerChanged(int code);
    // Glow buttons that keep no appearance of their own take the current styler's; other controls
    // of the kit take its look. Nothing while the internal styler is in use.
    void ApplyStylerToGlowButtons();
    // The kit's shared look: without a linked styler the look becomes the toolbar's own Office
    // styler (one, reused for every look); tsCustom is only stored.
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value);
    void SetComponentStyle(TRujStyle AStyle) override;
    void SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor) override;
    // Turns every glow button of the toolbar for a left or right dock side (or back).
    void SetGlowButtonsRotated(bool value);
    // The hover glow of a ribbon group: the pointer is over it, the fade's strength (0..100 while
    // running) and kind; the fade runs while the timer exists.
    bool Hot() const { return FHot; }
    int StepHover() const { return FStepHover; }
    TGlowState GlowState() const { return FGlowState; }
    bool GlowRunning() const { return FGlowTimer != nullptr; }
    // The caption's option button (shown with a caption and option indicator but no right handle):
    // hot and pressed, and its glow.
    bool CaptionOptionHot() const { return FCapOptIndicatorHot; }
    bool CaptionOptionDown() const { return FCapOptIndicatorDown; }
    TGlowState OptionGlowState() const { return FOptionGlowState; }
    int OptionStepHover() const { return FOptionStepHover; }
    bool OptionGlowRunning() const { return FOptionTimer != nullptr; }
    // The option button's pictures; a group on a pager's page with ParentOptionPicture shows the
    // pager's instead.
    TGDIPPicture* OptionPicture() const { return FIOptionPicture.get(); }
    void SetOptionPicture(TGDIPPicture* value) { FIOptionPicture->Assign(value); }
    TGDIPPicture* OptionDisabledPicture() const { return FIOptionDisabledPicture.get(); }
    void SetOptionDisabledPicture(TGDIPPicture* value) { FIOptionDisabledPicture->Assign(value); }
    bool ParentOptionPicture() const { return FParentOptionPicture; }
    void SetParentOptionPicture(bool value);
    // The current styler's grip style; writing it tells all the styler's controls.
    TDragGripStyle DragGripStyle() const;
    void SetDragGripStyle(TDragGripStyle value);

    // ---- Place ---------------------------------------------------------------------------------
    // The dock side the toolbar is oriented for; every toolbar control takes it.
    TDockAlign Position() const { return FPosition; }
    void SetPosition(TDockAlign value);
    bool IsVertical() const { return FPosition == daLeft || FPosition == daRight; }
    TToolBarState ToolBarState() const { return FToolBarState; }
    TDockableTo DockableTo() const { return FDockableTo; }
    void SetDockableTo(TDockableTo value) { FDockableTo = value; }
    TDockMode DockMode() const { return FDockMode; }
    void SetDockMode(TDockMode value) { FDockMode = value; }
    bool AllowFloating() const { return FAllowFloating; }
    // A floating toolbar keeps True.
    void SetAllowFloating(bool value);
    bool Locked() const { return FLocked; }
    // A floating toolbar keeps False.
    void SetLocked(bool value);
    bool AutoDockOnClose() const { return FAutoDockOnClose; }
    void SetAutoDockOnClose(bool value) { FAutoDockOnClose = value; }
    // The dock row holding the toolbar, -1 when none (set by the rows).
    int Row() const { return FRow; }
    void SetRow(int value) { FRow = value; }
    // While set, bounds changes do not go through the dock rows.
    bool AllowBoundChange() const { return FAllowBoundChange; }
    void SetAllowBoundChange(bool value) { FAllowBoundChange = value; }

    // ---- Docking -------------------------------------------------------------------------------
    // The dock panel holding the toolbar (null unless docked), and the last one it was docked in
    // (kept while floating). The current dock is set by the panel when it registers the toolbar.
    TRurDockPanel* CurrentDock() const { return FCurrentDock; }
    void SetCurrentDock(TRurDockPanel* value);
    TRurDockPanel* LastDock() const { return FLastDock; }
    // Docks the toolbar in the panel (nothing for null or the current one).
    void SetRurDockPanel(TRurDockPanel* value);
    void Dock(TRurDockPanel* newDockSite);
    // The panel's side is one the toolbar docks to, and a locked panel has a row for it.
    bool CanDockTo(const TRurDockPanel* panel) const;
    TDockEvent OnDocked() const { return FOnDocked; }
    void SetOnDocked(TDockEvent value) { FOnDocked = value; }
    TNotifyEvent OnUnDocked() const { return FOnUnDocked; }
    void SetOnUnDocked(TNotifyEvent value) { FOnUnDocked = value; }
    TCanFloatEvent OnCanFloat() const { return FOnCanFloat; }
    void SetOnCanFloat(TCanFloatEvent value) { FOnCanFloat = value; }
    // The window carrying the toolbar while it floats (null otherwise).
    TFloatingWindow* FloatingWindow() const { return FFloatingWindow; }
    // Floats the toolbar at the screen point (or the cursor): nothing on a ribbon page or in a
    // compact window, or when it floats already.
    void MakeFloating(int x, int y, bool usePoint);
    // A floating toolbar moves its window to the point; any other floats there.
    void SetToolBarFloating(TPoint p);
    // The floating close button: back to the last dock panel with AutoDockOnClose, else hidden.
    void CloseFloating();
    bool Dragging() const { return FDragging; }

    // ---- Layout (arrangement and sizing) -------------------------------------------------------
    // Places the controls; with resize the toolbar then measures itself (UpdateSize).
    void ArrangeControls(bool resize);
    // The full length and, with AutoSize, the size constraints and the toolbar's own size.
    void UpdateSize();
    // Hides separators with no shown control since the previous one, and shows them again once
    // one stands there (not on dock panels).
    void UpdateSeparators();
    // The thickness of one row.
    int SizeAtDock() const { return FSizeAtDock; }
    int MinLength() const { return FMinLength; }
    // The length that shows every control.
    int MaxLength() const { return FMaxLength; }
    int GetRowSize(bool forFloating) const;
    int GetShrinkRoom() const;
    int GetGrowRoom() const;
    // The length of every visible control in one line with grip and right handle, at least the
    // minimum length.
    int GetFullLength() const;
    int FloatingRows() const { return FFloatingRows; }
    void SetFloatingRows(int value);
    int MaxFloatingRows() const;
    void GetFloatingSize(int& height, int& width) const;
    // False (and nothing changed) for rows outside 1 .. MaxFloatingRows.
    bool GetFloatingSizeForRows(int rows, int& height, int& width) const;
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool AutoPositionControls() const { return FAutoPositionControls; }
    // Turning it off is refused unless the toolbar is fixed and not on a dock panel.
    void SetAutoPositionControls(bool value);
    bool AutoPositionMultiRow() const { return FAutoPositionMultiRow; }
    void SetAutoPositionMultiRow(bool value);
    bool FullSize() const { return FFullSize; }
    void SetFullSize(bool value);
    bool HideOnEmpty() const { return FHideOnEmpty; }
    void SetHideOnEmpty(bool value) { FHideOnEmpty = value; }
    void SetBounds(int left, int top, int width, int height) override;
    // The one place the state changes: docked on a dock panel, floating in a floating window,
    // fixed anywhere else.
    void SetParent(TWinControl* parent) override;

    // ---- Caption and handles -------------------------------------------------------------------
    String Caption() const { return FCaption; }
    void SetCaption(const String& value);
    // Drawn when Caption is empty.
    String WideCaption() const { return FWideCaption; }
    void SetWideCaption(const String& value);
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    TToolBarCaptionPosition CaptionPosition() const { return FCaptionPosition; }
    void SetCaptionPosition(TToolBarCaptionPosition value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value);
    int CaptionHeight() const { return FCaptionHeight; }
    void SetCaptionHeight(int value);
    bool ShowRightHandle() const { return FShowRightHandle; }
    void SetShowRightHandle(bool value);
    bool ShowOptionIndicator() const { return FShowOptionIndicator; }
    void SetShowOptionIndicator(bool value);
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool value) { FShowClose = value; }
    RurGDIP::TAntiAlias AntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(RurGDIP::TAntiAlias value);
    String HintOptionButton() const { return FHintOptionButton; }
    void SetHintOptionButton(const String& value) { FHintOptionButton = value; }
    String HintCloseButton() const { return FHintCloseButton; }
    void SetHintCloseButton(const String& value) { FHintCloseButton = value; }
    // Client rectangles of the caption band, the body, the floating caption's close and option
    // buttons, and the caption's option button (-1 on every side when there is none).
    TRect GetCaptionRect() const;
    TRect GetBodyRect() const;
    TRect GetCloseButtonRect() const;
    TRect GetOptionButtonRect() const;
    TRect GetCaptionOptionRect() const;
    TRect GetRightHandleRect() const;
    // Where the first control starts: after the grip band, or at 2 without a grip and while
    // floating.
    int GripStart() const;
    bool PtInRightHandle(int x, int y) const;
    bool PtInDragGrip(int x, int y) const;

    // ---- Option drop-down and hidden controls --------------------------------------------------
    bool AutoArrangeButtons() const { return FAutoArrangeButtons; }
    void SetAutoArrangeButtons(bool value);
    bool AutoOptionMenu() const { return FAutoOptionMenu; }
    void SetAutoOptionMenu(bool value) { FAutoOptionMenu = value; }
    String TextAutoOptionMenu() const { return FTextAutoOptionMenu; }
    void SetTextAutoOptionMenu(const String& value) { FTextAutoOptionMenu = value; }
    String TextOptionMenu() const { return FTextOptionMenu; }
    void SetTextOptionMenu(const String& value) { FTextOptionMenu = value; }
    TPopupMenu* OptionMenu() const { return FOptionMenu; }
    void SetOptionMenu(TPopupMenu* value);
    TOptionEvent OnOptionClick() const { return FOnOptionClick; }
    void SetOnOptionClick(TOptionEvent value) { FOnOptionClick = value; }
    // Moves the control to the front of the recently-used order, brings it back when hidden, hides
    // the option drop-down and fits the controls again.
    void MarkControlUsed(TControl* control);
    void MoveUpInRUList(TControl* control);
    // Hides the least recently used controls of a docked toolbar that is too short, or brings
    // hidden ones back when there is room.
    void UpdateHiddenControls();
    void CheckHiddenControls();
    void ShowAllHiddenControls();
    void OptionButtonClicked();
    void PopupOptionMenu();
    // The customizer that lets the user rearrange this toolbar; it links and unlinks itself.
    TRurToolBarCustomizer* Customizer() const { return FCustomizer; }
    void SetCustomizerLink(TRurToolBarCustomizer* value) { FCustomizer = value; }
    // Opens the customizer's dialog (nothing without a customizer).
    void ShowCustomizer();
    void BuildOptionWindow();
    void ShowOptionWindow(int x, int y, bool atPoint);
    void HideOptionWindow();
    bool OptionWindowVisible() const;
    // The option drop-down's panel when it has been made; null before.
    TOptionSelectorPanel* OptionWindowPanel() const;
    // The control that had the focus when the drop-down opened; it gets the focus back.
    TWinControl* PrevActiveControl() const { return FPrevActiveControl; }
    void SetPrevActiveControl(TWinControl* value);

    // ---- Ribbon sizing and compact mode (a toolbar on a ribbon page is a ribbon group) ---------
    // One step of shrinking (large glow buttons to labelled ones three to a column, labelled ones
    // to glyphs a column at a time) or growing back: the width gained or added, 0 when no step is
    // possible; newState receives the size state the step produced. Without apply only measured.
    int ReduceButtonSizes(TButtonSizeState& newState, bool apply);
    int EnlargeButtonSizes(TButtonSizeState& newState, bool apply);
    int MeasureReduceButtonSizes(TButtonSizeState& newState) { return ReduceButtonSizes(newState, false); }
    int MeasureEnlargeButtonSizes(TButtonSizeState& newState) { return EnlargeButtonSizes(newState, false); }
    void ReduceToSmallest();
    void EnlargeToLargest();
    // The width the group needs uncompacted (a compacted group's clone at its smallest), and the
    // width of its compact button.
    int GetFullWidth();
    int GetCompactWidth();
    // Compact set by the program fixes the state; the page's fitting may change it otherwise.
    bool IsAutoCompact() const { return !FCompactMode; }
    bool Compact() const { return FCompact; }
    bool IsCompact() const { return FCompact; }
    void SetCompact(bool value);
    // Into compact mode (the controls move to a clone in the compact window, one compact button
    // stays) and back.
    virtual void DoCompactShow();
    virtual void SwitchCompact(bool value);
    TCompactWindow* CompactWindow() const { return FCompactWindow; }
    TRurGlowButton* CompactButton() const { return FCompactBtn; }
    // In a compacted toolbar its clone; in the clone the compacted toolbar.
    TRurCustomToolBar* SelfClone() const { return FSelfClone; }
    String CompactCaption() const { return FCompactCaption; }
    void SetCompactCaption(const String& value);
    String WideCompactCaption() const { return FWideCompactCaption; }
    void SetWideCompactCaption(const String& value) { FWideCompactCaption = value; }
    TGDIPPicture* CompactPicture() const { return FICompactPicture.get(); }
    void SetCompactPicture(TGDIPPicture* value) { FICompactPicture->Assign(value); }
    int CompactImageIndex() const { return FCompactImageIndex; }
    void SetCompactImageIndex(int value);
    String CompactShortCutHint() const { return FCompactShortCutHint; }
    void SetCompactShortCutHint(const String& value) { FCompactShortCutHint = value; }
    TCloseQueryEvent OnCompactCloseQuery() const { return FOnCompactCloseQuery; }
    void SetOnCompactCloseQuery(TCloseQueryEvent value);
    TNotifyEvent OnCompactShow() const { return FOnCompactShow; }
    void SetOnCompactShow(TNotifyEvent value) { FOnCompactShow = value; }
    // The compact button's click: drops the compact window below the group.
    void ShowCompactWindow(TObject* sender);
    void HideCompactWindow();
    // The compact window hid (its hide timer): the pager learns which compact button dropped last.
    void CompactWindowClosed();
    // Posts "TBCompactWinHide" to the toolbar's window.
    void PostCompactWinHide();
    // A compacted group's clone re-measures when the visibility of its controls changed.
    void UpdateControlsVisibility();
    void UpdateCompactButtonAppearance();
    // A large glow button of a group fills the group's height above the caption.
    void GlowButtonSetButtonSize(TObject* sender, int& width, int& height);
    // One of the glow buttons (nested ones included) shows its drop-down.
    bool HasDroppedDownButton() const;
    // Set by Loaded, and by the ribbon page when it creates or adds the toolbar.
    bool PropertiesLoaded() const { return FPropertiesLoaded; }
    void SetPropertiesLoaded(bool value) { FPropertiesLoaded = value; }
    // The visible child controls (all with visibleOnly false) by Left, then Top.
    void BuildSequenceList(TDbgList& list, bool visibleOnly) const;

    // ---- Key tips (ribbon groups) --------------------------------------------------------------
    // Offers the typed characters: a glow button with that code (visible and enabled) is triggered
    // and true answered; partialCount grows by each code that begins with them, and the key tips
    // of the other codes hide.
    bool ProcessShortCutHint(const String& chars, int& partialCount);
    void ShowShortCutHints();
    void HideShortCutHints();
    // The clone's key tips show (the level inside the compact window).
    bool CompactShortCutHintShowing() const { return FCompactShortCutHintShowing; }
    // The glow buttons' key-down, size and key-tip place on a ribbon page.
    void HookGlowButtons();
    void GlowButtonKeyDown(TObject* sender, Word& key, TShiftState shift);
    void GlowButtonGetShortCutHintPos(TObject* sender, TButtonSizeState state, TShortCutHintPos& position);
    // The tops of up to three button rows (-100 for a row not found), for the key tips' places.
    void CalcButtonRows();
    int ButtonRow(int index) const { return FButtonRows[index]; }
    // The pager gives the focus back to where it was before key-tip mode.
    void RestorePagerFocus();

    // ---- Updates and state ---------------------------------------------------------------------
    // While the count is above 0 the toolbar neither paints nor arranges.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    void Update() override;
    // The Office-style hint (title, notes, picture) of the toolbar; a compact button takes it.
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    TPersistence* Persistence() const { return FPersistence.get(); }
    void SetPersistence(TPersistence* value) { FPersistence->Assign(value); }
    // The toolbar's own position keys (its floating state, rows, visibility and which named
    // controls show) in the store its Persistence names; a toolbar without a name keeps none.
    // Errors of the store pass to the caller.
    void SavePosition();
    void LoadPosition();
    bool PersistSettingLoaded() const { return FPersistSettingLoaded; }
    // The caption's left and top: the floating window's while floating.
    TPoint GetPosition() const;
    // Every toolbar control measures itself again and every button rebuilds its shaded glyph.
    void UpdateImagesShade();
    // The first (last) window control of the toolbar's tab order, skipping hint windows, toolbars
    // and, when asked, controls that cannot take the focus; null for none.
    TWinControl* FirstFocusableControl(bool focusable) const;
    TWinControl* LastFocusableControl(bool focusable) const;
    // 6.8.3.4, one number a byte, the major number in the top byte.
    int GetVersionNr() const { return 101188356; }

    // ---- Menu bar ------------------------------------------------------------------------------
    // A main menu makes the toolbar a menu bar: one menu-bar button per top-level item.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    // The pop-up menu dropped for a menu-bar button now; null when none.
    TPopupMenu* ActiveMenu() const { return FTempMenu; }
    // Brings the buttons in step with the menu's top-level items, rebuilding them when needed.
    void UpdateMenu();
    // Shows a menu's top-level items among the menu bar's (an MDI child's menu); null unmerges.
    void MergeMenu(TMainMenu* menu);
    void UnmergeMenu(TMainMenu* menu);
    TMainMenu* MergedMenu() const { return FMergedMenu; }
    // MDI children listed in the form's Window menu while it is dropped.
    void AddMDIChildMenu(TCustomForm* childForm, const String& caption);
    void RemoveMDIChildMenu(TCustomForm* childForm, const String& caption);
    void RemoveAllMDIChildMenu() { FMDIChildMenu.clear(); }
    // A full-size menu bar draws close, restore and minimize buttons for its form's maximized MDI
    // child; refused on a ribbon pager, and without FullSize, Menu or a form it stays off.
    bool AutoMDIButtons() const { return FAutoMDIButtons; }
    void SetAutoMDIButtons(bool value);
    // The three buttons' rectangles (empty without an active MDI child with a system menu; restore
    // and minimize also while floating) and their hit tests.
    int MDIButtonSize() const;
    TRect MDICloseButtonRect();
    TRect MDIRestoreButtonRect();
    TRect MDIMinimizeButtonRect();
    bool IsOnMDICloseButton(TPoint p);
    bool IsOnMDIRestoreButton(TPoint p);
    bool IsOnMDIMinimizeButton(TPoint p);
    bool MDIButtonsVisible() const { return FMDIButtonsVisible; }
    void CloseMDIChild();
    void RestoreMDIChild();
    void MinimizeMDIChild();
    // The menu-bar keyboard mode is on; a menu-bar button's menu is dropped.
    bool MenuFocused() const { return FMenuFocused; }
    bool MenuDropped() const { return FMenuDropped; }
    bool InMenuLoop() const { return FInMenuLoop; }
    // The hot menu-bar button (keyboard mode or pointer).
    TRurCustomToolBarButton* HotButton() const { return FHotButton; }
    // A kit pop-up menu takes the current styler's menu styler before it drops.
    void StyleDropDownMenu(TPopupMenu* menu) const;
    // Keeps one hot button: a button turning hot un-hots the previous one.
    void HotButtonChanged(TRurCustomToolBarButton* button);
    // Drops the menu of a menu-bar button (or its own drop-down menu); false when nothing was
    // dropped. Returns once the menu has closed.
    virtual bool DropDownButtonMenu(TRurCustomToolBarButton* button);
    // The keyboard menu loop: runs until Escape, Alt or a chosen command; true when a command
    // was chosen with Enter.
    virtual bool EnterMenuLoop(TRurCustomToolBarButton* button);
    virtual void CancelMenuMode();
    virtual void ClickMenuButton(TRurCustomToolBarButton* button, bool synthesize);
    // The N-th eligible menu-bar button becomes hot (N < 0: none); whether one was found.
    bool SetHotMenuButton(int n);
    // The menu's short cut (or, with considerButtons, a button action's) runs; a key message.
    virtual bool IsShortCut(const TMessage& message, bool considerButtons);
    // Set by the menu-bar keyboard hooks when Enter chose a command in an open menu.
    void SetMenuResult(bool value) { FMenuResult = value; }
    // Cleared by the menu-bar keyboard hooks before they switch to another button's menu, so the
    // capture that menu takes does not end the keyboard menu loop.
    void SetCaptureChangeCancels(bool value) { FCaptureChangeCancels = value; }

    TNotifyEvent OnClose() const { return FOnClose; }
    void SetOnClose(TNotifyEvent value) { FOnClose = value; }
    TControlVisibleChangeEvent OnControlVisibleChange() const { return FOnControlVisibleChange; }
    void SetOnControlVisibleChange(TControlVisibleChangeEvent value) { FOnControlVisibleChange = value; }

    // Hot and pressed state of the right handle (set by the mouse handling).
    bool HotPopupIndicator() const { return FHotPopupIndicator; }
    bool DownPopupIndicator() const { return FDownPopupIndicator; }

protected:
    friend class TRurCustomToolBarControl;
    void Loaded() override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void Notification(TComponent* component, TOperation operation) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Resize() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // No OnClick for a release on the toolbar's own parts (grip, right handle, caption buttons).
    void Click() override;

    // Set while the toolbar moves controls between parents itself: insertions and removals the
    // framework announces are not taken then.
    bool FInternalControlUpdation = false;

private:
    // Docking.
    void DockComponentRemoved(TComponent* component);
    void VisibilityChanged(TMessage& message);
    TRurDockPanel* CurrentDockPanel() const;
    // The drag by the grip or the floating caption: a message loop of its own until the button
    // goes up or the capture is lost.
    void DragToolBar(TShiftState shift, int x, int y);
    void DragMove(TShiftState shift, int x, int y);
    void EndDrag();
    void BuildDockList();
    void CollectDockPanels(TWinControl* control);
    void RefreshDockRects();
    // Shows and hides the floating window with the form of the last dock panel.
    void FloatingTimer();
    void FreeFloatingWindow();
    bool PtInFloatingCaption(int x, int y) const;
    TCustomRurToolBarStyler* DockPanelStyler() const;
    // Surroundings.
    bool OnDockPanel() const;
    bool OnRibbonPage() const;
    bool OnCompactWindow() const;
    TDragGripStyle EffectiveGripStyle() const;
    // Controls.
    void BuildControlList();
    void ControlInserted(TControl* control);
    void ControlRemoved(TControl* control);
    // Drops the control from the lists by its address alone.
    void ForgetControl(const void* control);
    // The index the control belongs at by its Left (Top on a vertical toolbar).
    int OrderedIndex(TControl* control, int current) const;
    void MoveToOrderedIndex(TControl* control);
    void ChildRealigned();
    void LinkStyler();
    void ApplyComponentStyle(TRujStyle style, TColor appColor, bool withAppColor);
    // The ribbon around a ribbon group: its page (for the clone in a compact window, the compacted
    // toolbar's page); null elsewhere.
    IRibbonGroupHost* RibbonHost() const;
    // The parent the toolbar paints for: the compacted toolbar's parent for its clone.
    TWinControl* ReferenceParent() const;
    // Compact mode.
    void CopyToClone(bool moveControls);
    void CreateCompactButton();
    void SetCompactButtonImage();
    void CompactPictureChanged(TObject* sender);
    // Moves the child controls of from to to, keeping their places and glow buttons' Down state.
    void MoveControlsTo(TRurCustomToolBar* from, TRurCustomToolBar* to);
    // Arranges the clone with the group's auto-position flag; fit: with its auto-size flag as well,
    // and the shown compact window sized around the clone again.
    void ArrangeClone(bool fit);
    int SizeStep(TButtonSizeState& newState, bool apply, bool reduce);
    // Key tips.
    void TriggerKeyTip(TRurCustomGlowButton* glow);
    void HookGlowButton(TRurCustomGlowButton* glow);
    // In the page's key-tip mode a key types into the code or ends the mode.
    void PageKeyTipKey(Word key);
    void MoveFocusAcross(TWinControl* from, bool forward);
    void RibbonKeyDown(Word key);
    // Hover glow of ribbon groups.
    void HoverGlowStart(bool hot);
    void HoverGlowTick(TObject* sender);
    // The caption's option button (a caption without right handle) and its glow.
    bool HasCaptionOptionButton() const;
    bool PagerUsesTones() const;
    void StartOptionGlow(int increment, TGlowState state);
    void StopOptionGlow();
    void OptionGlowTick(TObject* sender);
    bool CaptionOptionMouseDown(int x, int y);
    void CaptionOptionMouseMove(int x, int y);
    void CaptionOptionMouseUp();
    void CaptionOptionMouseLeave();
    void DrawCaptionOptionButton();
    // Invalidates a part of the toolbar without erasing it.
    void InvalidatePart(const TRect& r);
    // Layout.
    bool IsArrangedControl(TControl* control) const;
    // The last control that is arranged and not hidden for lack of length; null for none.
    TControl* LastShownControl() const;
    void Park(TControl* control, bool alongLength);
    void ArrangeFloating(bool resize);
    void ArrangeHorizontal();
    // On a ribbon page or in a compact window: large controls side by side, small glow buttons
    // three to a column.
    void ArrangeRibbonColumns(int x, int y);
    int RibbonColumnsEnd() const;
    // On a ribbon page with multi-row positioning and no automatic size: rows across the group.
    void ArrangeRibbonRows();
    void ArrangeVertical();
    void UpdateFloatingSize();
    void UpdateHorizontalSize();
    void UpdateVerticalSize();
    int ExtentOf(const TControl* control) const;
    void FillFloatingRows(int rows, bool visibleOnly, int& height, int& width) const;
    int RightHandleWidth() const;
    // Hidden controls.
    int Overflow(bool alongWidth) const;
    int LengthOf(const TControl* control) const;
    bool IsSeparator(const TControl* control) const;
    bool IsShown(TControl* control) const;
    // The nearest separator from index in the direction step (shown ones only when shownOnly);
    // groupShows is set when a shown control lies between.
    TControl* NearestSeparator(int index, int step, bool shownOnly, bool& groupShows) const;
    TControl* SeparatorToHideWith(int index) const;
    TControl* SeparatorToShowWith(int index) const;
    void BringBack(TControl* control);
    void OptionWindowHidden();
    TPoint OptionPoint(bool& onScreen) const;
    // Painting.
    // Where a ribbon group's colours come from in one pass: a tab group of the pager (Group), the
    // pager's tones (with its toolbar appearance, when it has one), and the separator colour.
    struct TRibbonColours {
        const TGroupAppearance* Group = nullptr;
        bool Tones = false;
        const TToolBarAppearance* TonesLook = nullptr;
        TColor TonesText = clNone;
        TColor Separator = clNone;
    };
    TRibbonColours RibbonColours() const;
    struct TBodyLook {
        TColor Color, ColorTo, ColorMirror, ColorMirrorTo, Border;
        int Steps;
        bool Horizontal;
    };
    TBodyLook BodyLook(const TRibbonColours& ribbon) const;
    void PaintCaptionBand(const TRect& caption, const TRibbonColours& ribbon);
    void PaintFloatingCaption(const TRect& caption);
    void PaintBody(TRect& body, const TBodyLook& look, const TRibbonColours& ribbon);
    void PaintBevel();
    void DrawDragGrip();
    void DrawRightHandle();
    void DrawMoreControlsMark(const TRect& h);
    void DrawMoreControlsMarkFlat(const TRect& h, TColor color);
    void DrawOptionArrow(const TRect& h, TColor color);
    void DrawOptionArrowFlat(const TRect& h, TColor glyphColor, TColor arrowColor);
    void DrawFloatingCloseButton();
    void DrawFloatingOptionButton();
    void DrawFloatingButtonFace(const TRect& r, bool hot, bool down, TColor& glyphColor);
    void PaintCorners(TRect body);
    void PaintBorder(const TRect& body, const TBodyLook& look, bool round, const TRibbonColours& ribbon);
    // On a page of a pager, under the scenic look or tones: the group's right edge as a separator
    // strip instead of a frame; false when the frame is drawn instead.
    bool PaintRibbonSeparator(const TRect& body, const TBodyLook& look, const TRibbonColours& ribbon);
    void HintShow(TMessage& message);
    TWinControl* FocusableControl(bool focusable, bool first) const;
    std::unique_ptr<TCustomIniFile> OpenPositionStore() const;
    // Menu bar.
    TCustomForm* GetToolBarForm() const;
    // The pop-up a menu-bar button's sub-items are shown in.
    virtual TPopupMenu* CreateDropDownMenu();
    void RelinkMenuButtons();
    void AddMergedMenuButtons();
    void RemoveMergedMenuButtons();
    TPoint DropDownPoint(TRurCustomToolBarButton* button, TPopupMenu* menu) const;
    void RestoreButtonMenu();
    void MenuClosed();
    TRurCustomToolBarButton* FindAccelButton(Char key) const;
    virtual void InitMenuMode(TRurCustomToolBarButton* button);
    int EligibleIndexOf(TRurCustomToolBarButton* button) const;
    TRurCustomToolBarButton* EligibleMenuButton(TControl* control) const;
    void MenuItemTimerTick(TObject* sender);
    bool MenuLoopKeyDown(Word key);
    bool MenuSysCommand(TMessage& message);
    bool MenuDialogChar(TMessage& message);
    bool RunShortCutOfControls(TWinControl* container, TShortCut shortCut);
    void AddWindowMenuItems(TMenuItem* dropped);
    // MDI child buttons.
    TCustomForm* ActiveMDIChildWithSystemMenu();
    bool MDIButtonsActive();
    void DrawMDIButtons();
    void UnwatchMDIFrame();
    bool MDIButtonMouseDown(TPoint p);
    void MDIButtonMouseMove(TPoint p);
    void MDIButtonMouseUp(TPoint p);
    void ClearMDIButtonStates();
    void MDIWindowItemClick(TObject* sender);

    TDbgList FATBControls, FRUControls, FLUHidedControls;
    // Separators UpdateSeparators hid because no shown control stood before them.
    TDbgList FSeparatorsHidden;
    TCustomRurToolBarStyler* FInternalToolBarStyler;
    TCustomRurToolBarStyler* FToolBarStyler = nullptr;
    TCustomRurToolBarStyler* FCurrentToolBarStyler;
    std::unique_ptr<TCustomRurToolBarStyler> FOfficeStyler;
    TRujStyle FRujStyle = tsCustom;
    bool FParentStyler = true;
    // Hover glow (the timer is owned as a component and freed when a fade ends).
    bool FHot = false;
    TTimer* FGlowTimer = nullptr;
    int FTimeInc = 0, FStepHover = 0;
    TGlowState FGlowState = gsNone;
    // The caption option button's glow.
    TTimer* FOptionTimer = nullptr;
    int FOptionStepHover = 0, FOptionStepPush = 0, FOptionTimeInc = 0;
    TGlowState FOptionGlowState = gsNone;
    bool FCapOptIndicatorHot = false, FCapOptIndicatorDown = false;
    std::unique_ptr<TGDIPPicture> FIOptionPicture, FIOptionDisabledPicture;
    bool FParentOptionPicture = true;
    // Compact mode: in a compacted toolbar its clone in the compact window, in the clone the
    // compacted toolbar.
    TRurCustomToolBar* FSelfClone = nullptr;
    bool FCompact = false, FCompactMode = false, FCompactChanging = false, FCompactSmallest = false;
    bool FOldAutoPosition = false, FOldAutoSize = false, FOldAutoArrangeButtons = false;
    TCompactWindow* FCompactWindow = nullptr;
    TRurGlowButton* FCompactBtn = nullptr;
    String FCompactCaption, FWideCompactCaption, FCompactShortCutHint;
    std::unique_ptr<TGDIPPicture> FICompactPicture;
    int FCompactImageIndex = -1;
    int FCompactMinWidth = 45;
    TDbgList FSeqControlList;
    // In the clone: the Visible state (0 or 1) of each listed control when last arranged.
    std::vector<int> FCtrlVisList;
    TCloseQueryEvent FOnCompactCloseQuery;
    TNotifyEvent FOnCompactShow;
    bool FCompactShortCutHintShowing = false;
    std::array<int, 3> FButtonRows{-100, -100, -100};
    RurGDIP::TAntiAlias FAntiAlias = RurGDIP::aaClearType;
    int FDragGripWidth = 7;
    bool FHideDragGrip = false;
    int FPopupIndicatorWidth = 14;
    TDockAlign FPosition = daTop;
    bool FHotPopupIndicator = false, FDownPopupIndicator = false;
    int FRow = -1;
    TToolBarState FToolBarState = tsDocked;
    bool FAllowBoundChange = false;
    bool FFullSize = false;
    TDockableTo FDockableTo = TDockableTo{daLeft, daTop, daRight, daBottom};
    TDockMode FDockMode = dmAll;
    String FCaption, FWideCaption;
    std::unique_ptr<TFont> FCaptionFont;
    bool FShowOptionIndicator = true;
    bool FShowPopupIndicator = true;
    bool FShowClose = true;
    int FCaptionHeight;
    bool FHotCustomizedBtn = false, FDownCustomizedBtn = false, FHotCloseBtn = false, FDownCloseBtn = false;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    bool FMenuDropped = false;
    bool FInternalControlPositioning = false;
    bool FRuntimeCreate = false;
    bool FAutoRUL = true;
    int FFloatingRows = 1;
    int FSizeAtDock = 26;
    int FMinLength = 60;
    int FMaxLength = 60;
    bool FShowRightHandle = true;
    TNotifyEvent FOnClose;
    std::unique_ptr<TPersistence> FPersistence;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    TRurCustomToolBarButton* FHotButton = nullptr;
    bool FMenuFocused = false;
    TPopupMenu* FOptionMenu = nullptr;
    bool FAllowFloating = true;
    bool FLocked = false;
    TOptionSelectorWindow* FOptionWindow = nullptr;
    TControlSelectorPanel* FOptionWindowPanel = nullptr;
    TRurToolBarCustomizer* FCustomizer = nullptr;
    bool FAutoOptionMenu = false;
    String FHintOptionButton, FHintCloseButton;
    String FTextAutoOptionMenu = u"Add or Remove Buttons";
    String FTextOptionMenu = u"Options";
    bool FAutoArrangeButtons = true;
    bool FUpdatingControls = false;
    bool FAutoDockOnClose = false;
    bool FShowCaption = false;
    TToolBarCaptionPosition FCaptionPosition = cpTop;
    TAlignment FCaptionAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FAutoPositionControls = true;
    bool FAutoPositionMultiRow = false;
    bool FHideOnEmpty = false;
    int FUpdateCount = 0;
    bool FDoCheckBoundChange = false;
    bool FFirstRun = true;
    bool FPropertiesLoaded = false;
    bool FPersistSettingLoaded = false;
    bool FSupressClick = false;
    // The size at the last alignment: a realignment at another size is the toolbar's own resize.
    TSize FAlignedSize{};
    TWinControl* FPrevActiveControl = nullptr;
    TOptionEvent FOnOptionClick;
    TControlVisibleChangeEvent FOnControlVisibleChange;
    int FInitPPI = 96;
    // Docking.
    TRurDockPanel* FCurrentDock = nullptr;
    TRurDockPanel* FLastDock = nullptr;
    TToolBarState FOldState = tsDocked;
    bool FChangingParent = false;
    TDockEvent FOnDocked;
    TNotifyEvent FOnUnDocked;
    TCanFloatEvent FOnCanFloat;
    TFloatingWindow* FFloatingWindow = nullptr;
    UINT_PTR FTimerID = 0;
    TCustomForm* FParentForm = nullptr;
    bool FAutoHiding = false;
    bool FDragging = false;
    int FOldMouseX = 0, FOldMouseY = 0;
    struct TDockTarget {
        TRurDockPanel* Panel;
        TRect Bounds;
    };
    std::vector<TDockTarget> FDockList;
    TCursor FOldCursor = crDefault;
    // Menu bar.
    TMainMenu* FMenu = nullptr;
    TMainMenu* FMergedMenu = nullptr;
    TPopupMenu* FTempMenu = nullptr;
    TMenuItem* FButtonMenu = nullptr;
    TRurCustomToolBarButton* FMenuButton = nullptr;
    TRurCustomToolBarButton* FLastMenuButton = nullptr;
    TRurCustomToolBarButton* FNextMenuHotButton = nullptr;
    bool FInMenuLoop = false, FMenuResult = false, FCaptureChangeCancels = false;
    std::unique_ptr<TTimer> FMenuItemTimer;
    struct TMDIChildEntry {
        String Caption;
        TCustomForm* Form;
    };
    std::vector<TMDIChildEntry> FMDIChildMenu;
    std::vector<TMenuItem*> FMDIChildMenuItems;
    bool FAutoMDIButtons = false, FMDIButtonsVisible = false;
    bool FMDIDownCloseBtn = false, FMDIHotCloseBtn = false, FMDIDownMaxBtn = false, FMDIHotMaxBtn = false,
         FMDIDownMinBtn = false, FMDIHotMinBtn = false;
    TCustomForm* FMDIChildForm = nullptr;
    bool FMDIFrameWatched = false;
    HWND FMDIFrameWindow = nullptr;
};

class TRurToolBar : public TRurCustomToolBar {
    TAVIN_PUBLISHED_CLASS(TRurToolBar, TRurCustomToolBar)
public:
    using TRurCustomToolBar::TRurCustomToolBar;
};
