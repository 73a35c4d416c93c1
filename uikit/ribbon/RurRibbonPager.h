#pragma once
// The ribbon: a top-aligned control with an ordered list of pages, one tab per page in a tab row,
// an optional caption band above it, and the active page shown below. It paints with a toolbar
// styler (its own internal one, an Office styler of its own, or one assigned to it).
//
// Sources: RurRibbonPager.cpp (data, lifecycle, page list and switching, geometry),
// RurRibbonPagerTabs.cpp (tab measuring, fitting, scrolling).
#include <array>
#include <memory>

#include "Controls.h"
#include "Forms.h"
#include "ImgList.h"
#include "Timers.h"
#include "RurGDIP.h"
#include "RurHintInfo.h"
#include "RurStyleIF.h"
#include "RurRibbonPage.h"
#include "RurTabGroups.h"
#include "RurToolBar_Appearances.h"
#include "RurGlowButton.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Persistence.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_TabAppearance.h"
#include "RurToolBar_Types.h"

class TCustomRurToolBarStyler;
class TRurToolBarOfficeStyler;
class TRurPageScrollButton;
class TRurCustomQuickAccessToolBar;
class TMinimizedRibbonWindow;

// The unit-wide ribbon heights the toolbar unit shares: the scaled tab height and the scaled
// caption height (26 at 96 DPI).
extern int RibbonTabHeight;
extern int RibbonCaptionHeight;
// The interval of the tab glow animation in milliseconds, shared with the glow buttons; 0 or less
// switches tab glow off.
extern int RibbonGlowInterval;

// Asked before the active page changes; clearing allowChange keeps the page.
using TTabChangingEvent = TEvent<TObject*, int, int, bool&>;
// A tab was clicked or double-clicked (sender, page index).
using TTabClickEvent = TEvent<TObject*, int>;
// A tab-group header was clicked (sender, group index).
using TTabGroupClickEvent = TEvent<TObject*, int>;

// A child control of the pager that wants to hear of the ribbon's changes implements this; no
// control of the kit does.
class IPagerChildNotify {
public:
    TAVIN_GUID("{41886CF9-1932-4DE4-A90B-6E3D0F181417}");
    // The scenic-ribbon switch changed; style is the component style in force, -1 for none.
    virtual void PagerScenicChanged(bool scenic, int style) = 0;
    // A mouse button went down on the ribbon.
    virtual void PagerMouseDown() = 0;
    // The form the ribbon is on moved or changed its size.
    virtual void PagerFormMoved() = 0;
    // A typed key tip selected a page.
    virtual void PagerKeyTipMatched() = 0;

protected:
    ~IPagerChildNotify() = default;
};

// The system buttons the caption band shows.
TAVIN_ENUM(TCaptionButton, cbClose, cbMinimize, cbMaximize)
using TCaptionButtons = TSet<TCaptionButton>;


// What the glass (Aero) caption decision asks of the system; tests put their own answers in.
struct TRibbonGlassProbes {
    bool (*ComCtl6)();
    bool (*VistaOrLater)();
    bool (*ThemesEnabled)();
    bool (*CompositionEnabled)();
};
// The probes the pager asks at construction; null entries take the system's answer.
void SetRibbonGlassProbes(const TRibbonGlassProbes& probes);
void ResetRibbonGlassProbes();
// All four answers yes.
bool RibbonGlassAvailable();

// The width at 96 DPI the system's caption buttons take on a glass frame (forRegion: the cut-out
// of the pager's window region), and that region's outline.
int GlassCaptionButtonsWidth(bool designing, int major, int minor, bool forRegion);
std::array<TPoint, 7> GlassRegionPolygon(int width, int height, int buttonsWidth, int buttonsHeight);

class TRurToolBarPager : public TCustomControl, public IToolBarStylerPager, public IRujStyleEx, public IRujTones {
    TAVIN_PUBLISHED_CLASS(TRurToolBarPager, TCustomControl)
public:
    explicit TRurToolBarPager(TComponent* owner);
    ~TRurToolBarPager() override;

    // ---- Pages ---------------------------------------------------------------------------------
    // Adds an existing page once (a listed page keeps its index) and returns its index; the active
    // page stays.
    int AddRurPage(TRurPage* page);
    // A page owned by the pager with the caption.
    int AddRurPage(const String& caption);
    void RemoveRurPage(TRurPage* page);
    void MoveRurPage(int curIndex, int newIndex);
    int RurPageCount() const { return FRurPages.Count(); }
    // Null for an index outside the list.
    TRurPage* RurPages(int index) const;
    int IndexOfPage(TRurPage* page) const { return FRurPages.IndexOf(page); }
    TRurPage* ActivePage() const;
    // A page not in the list is ignored.
    void SetActivePage(TRurPage* page);
    int ActivePageIndex() const { return FActivePageIndex; }
    void SetActivePageIndex(int value);
    // The next (previous) page with a visible, enabled tab, wrapping; nothing with one page.
    void SelectNextPage(bool goForward);
    TRurPage* FindNextPage(TRurPage* curPage, bool goForward, bool checkTabVisible) const;
    int HotPageIndex() const { return FHotPageIndex; }

    // ---- Geometry ------------------------------------------------------------------------------
    TRect GetPageRect() const;
    void SetPagePosition(TRurPage* page);
    void UpdatePagesPosition();
    // The caption band; all -1 when the caption is hidden.
    TRect GetCaptionRect() const;
    // 0 under colour tones or the scenic ribbon, else 4.
    int GetPageBorder() const;
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void UpdateLayout();

    // ---- Tabs (layout and scrolling) -----------------------------------------------------------
    // The strip the mouse looks for tabs in.
    TRect GetTabsArea() const;
    // The rectangle the tabs are laid out in.
    TRect GetTabsRect() const;
    // All -1 for an index outside the list or a hidden tab.
    TRect GetTabRect(int pageIndex) const;
    TRect GetTabRect(TRurPage* page) const;
    // The tab rectangle cut to the tabs rectangle; all -1 when hidden or wholly outside.
    TRect GetVisibleTabRect(int pageIndex) const;
    int PtOnTab(int x, int y) const;
    void InitTabs();
    void AdjustTabs();
    void ArrangeTabs();
    void UpdateTabPositions();
    void UpdateTabPositions(int from, int to);
    void MeasureTab(int index);
    // The tab's full width (0 for an invalid index); clientWidth its text part.
    int CalcTabWidth(int index, int& clientWidth);
    int GetTabsWidth(int from, int to) const;
    int GetTotalTabsWidth() const;
    void ResetTabScroller();
    void UpdateTabScroller();
    void ScrollToTab(int index);
    int ScrollTabs(int delta);
    int CountFittingTabs(int index, bool forward, int& lastIndex) const;
    int VisibleTabCount() const;
    int FirstVisibleTabIndex() const;
    int LastVisibleTabIndex() const;
    const TATBTabScroller& TabScroller() const { return FTabScroller; }
    int StartTabIndex() const { return FStartTabIndex; }
    int CurrentTabSpacing() const { return FCurrentTabSpacing; }
    int CurrentTabLeftMargin() const { return FCurrentTabLeftMargin; }
    int CurrentTabRightMargin() const { return FCurrentTabRightMargin; }
    int CurrentGroupTabLeftMargin() const { return FCurrentGroupTabLeftMargin; }
    int CurrentGroupTabRightMargin() const { return FCurrentGroupTabRightMargin; }
    TRurPageScrollButton* LeftScrollButton() const { return FLeftScrollBtn; }
    TRurPageScrollButton* RightScrollButton() const { return FRightScrollBtn; }
    void InvalidateTab(int index);
    void InvalidateTabsArea();
    void InvalidateActivePageTop();

    // ---- Update --------------------------------------------------------------------------------
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    void Update() override;
    void Invalidate() override;
    bool PropertiesLoaded() const { return FPropertiesLoaded; }

    // ---- Properties ----------------------------------------------------------------------------
    TATBTabSettings* TabSettings() const { return FTabSettings.get(); }
    void SetTabSettings(TATBTabSettings* value) { FTabSettings->Assign(value); }
    TRurPageCaption* Caption() const { return FCaption.get(); }
    void SetCaption(TRurPageCaption* value) { FCaption->Assign(value); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);
    RurGDIP::TAntiAlias AntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(RurGDIP::TAntiAlias value);
    int PageLeftMargin() const { return FPageLeftMargin; }
    void SetPageLeftMargin(int value);
    int PageRightMargin() const { return FPageRightMargin; }
    void SetPageRightMargin(int value);
    bool ShowNonSelectedTabs() const { return FShowNonSelectedTabs; }
    void SetShowNonSelectedTabs(bool value);
    bool ShowTabHint() const { return FShowTabHint; }
    void SetShowTabHint(bool value) { FShowTabHint = value; }
    bool CanMove() const { return FCanMove; }
    void SetCanMove(bool value) { FCanMove = value; }
    bool HidePagesOnDblClick() const { return FHidePagesOnDblClick; }
    void SetHidePagesOnDblClick(bool value) { FHidePagesOnDblClick = value; }
    bool EnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool value) { FEnableWheel = value; }
    bool AutoCompactToolBars() const { return FAutoCompactToolBars; }
    void SetAutoCompactToolBars(bool value) { FAutoCompactToolBars = value; }
    bool AutoMDIButtons() const { return FAutoMDIButtons; }
    // The parent form's window is watched (WM_WINDOWPOSCHANGED repaints the pager).
    void SetAutoMDIButtons(bool value);
    // HTTRANSPARENT within 3 pixels of the top or left edge and 6 of the right edge.
    int NCHitTest(TPoint client) const;
    void UpdateGlassRegion();
    TPagerHints* Hints() const { return FHints.get(); }
    void SetHints(TPagerHints* value) { FHints->Assign(value); }
    TPersistence* Persistence() const { return FPersistence.get(); }
    void SetPersistence(TPersistence* value) { FPersistence->Assign(value); }
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    bool IsAeroVista() const { return FIsAeroVista; }
    // Tab glass, glass mode and the scenic ribbon are all on (not the Windows 8 look); with
    // checkMaximized also the parent form is there and not maximized.
    bool IsGlassActive(bool checkMaximized = false) const;
    // The unit-wide scenic-ribbon switch.
    bool Win7ScenicRibbon() const;
    void SetWin7ScenicRibbon(bool value);
    TGroupStyle GroupStyle() const { return FGroupStyle; }
    bool Itones() const { return FItones; }
    int DefTabHeight() const { return FDefTabHeight; }
    int DefTabMargin() const { return FDefTabMargin; }
    int ScaledPagerCaptionHeight() const { return FScaledPagerCaptionHeight; }
    bool Expanded() const { return FExpanded; }
    void Collaps() { SetExpandedState(false); }
    void Expand() { SetExpandedState(true); }
    // Collapsed: the pager keeps its caption and tab row; expanding brings back the height it had.
    void SetExpandedState(bool value);
    // The collapsed state in the persistence store ("Minimized", "ShowQATBelow"); nothing when
    // persistence is off or has no key or section.
    void SaveState();
    void LoadState();

    // ---- Quick-access toolbar, floating pop-up, ribbon form (RurRibbonPagerQAT.cpp) -------------
    // The bar picked up when inserted; null when none.
    TRurCustomQuickAccessToolBar* QuickAccessToolBar() const { return FQuickAccessToolBar; }
    // The bar is shown full-width below the pages.
    bool ShowQATBelow() const;
    void SetShowQATBelow(bool value);
    // The height a full-width bar adds below the pages.
    int GetQATHeight() const;
    // The bar's area: in the caption band, or the bottom band when it is below; all -1 without a
    // bar or (in the caption) with the caption hidden.
    TRect GetQATRect() const;
    // The bar's visibility changed: a full-width bar grows or shrinks the pager.
    void QATVisibilityChanged();
    // Glass mode as the ribbon form decides it; the bar follows.
    void SetAeroVista(bool value);
    // The pager shrunk to its caption band (a very narrow form), the bar and the application
    // button hidden meanwhile, and back with their earlier visibility.
    bool HideState() const { return FHideState; }
    void SetHideState(bool hide);
    // After a key tip triggered a command: the focus goes back where it was before key-tip mode
    // when it now sits elsewhere on the form.
    void RestoreFocus();
    void SetIgnoreALT(bool value) { FIgnoreALT = value; }
    bool ShowDisabledControlsHint() const { return FShowDisabledControlsHint; }
    void SetShowDisabledControlsHint(bool value) { FShowDisabledControlsHint = value; }
    // The collapsed ribbon's page pop-up: kept open while BlockHide is on, and asked about before
    // it hides itself.
    using TRibbonHideEvent = TEvent<TObject*, bool&>;
    bool BlockHide() const { return FBlockHide; }
    void SetBlockHide(bool value) { FBlockHide = value; }
    TRibbonHideEvent OnFloatingRibbonHide() const { return FOnFloatingRibbonHide; }
    void SetOnFloatingRibbonHide(TRibbonHideEvent value) { FOnFloatingRibbonHide = value; }
    TMinimizedRibbonWindow* MinimizedRibbonWindow() const { return FMinimizedRibbonWindow; }
    // The pop-up is forgotten and released once the current message is done.
    void FreeMinimizedRibbonWindow();

    // The appearances the pager paints with: its own under Office tones, else the current styler's.
    const TVistaPageBackground* PageAppearanceInUse() const;
    const TTabAppearance* TabAppearanceInUse() const;
    // 3D lines and shadows: the pager's own switches under colour tones, else the styler's.
    bool Show3DInUse() const;
    bool ShadowInUse() const;
    TPicture* BrandingPicture() const { return FBrandingPicture.get(); }
    void SetBrandingPicture(TPicture* value);
    void SetGlowSpeed(int speed) { RibbonGlowInterval = speed; }

    // ---- Styler --------------------------------------------------------------------------------
    TCustomRurToolBarStyler* ToolBarStyler() const override { return FToolBarStyler; }
    TCustomRurToolBarStyler* CurrentToolBarStyler() const { return FCurrentToolBarStyler; }
    TCustomRurToolBarStyler* InternalToolBarStyler() const { return FInternalToolBarStyler; }
    TRurToolBarOfficeStyler* OfficeToolBarStyler() const { return FOfficeToolBarStyler; }
    // An assigned styler is registered with and painted with; null goes back to the pager's own.
    void SetToolBarStyler(TCustomRurToolBarStyler* value) override;
    // Tab glass and the scenic ribbon, as the styler's shared style has them.
    void SetStyleLink(bool glass, bool scenic) override;
    // The pager's Office styler takes the style and becomes current (not while one is assigned).
    void SetComponentStyle(TRujStyle style) override;
    void SetComponentStyleAndAppColor(TRujStyle style, TColor appColor) override;
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value);
    // Applies the style again: UIStyle, or an assigned Office styler's own preset.
    void UpdateStyle();
    void StylerChanged(int code) override;

    // ---- Tones (RurRibbonPagerTones.cpp) -------------------------------------------------------
    // Five tones make the pager's own appearances and switch it to the flat look.
    void SetColorTones(const TColorTones& tones) override;
    // An Office look's tones and its drawing family.
    void SetOfficeTones(const TOfficeTones& tones, TGroupStyle groupStyle) override;
    // What the Office tones made, for the styler to copy back; null before any.
    const TOfficeToneAppearances* OfficeToneAppearances() const override;
    // Drops the Office marks; the flat look itself ends with the next styler change.
    void ClearOfficeTones() override;
    // The quick-access toolbar's controls take the styler's look again.
    void UpdateQAT() override;
    void SetMetro();
    void RevertMetro();
    bool Metro() const { return FMetro; }
    bool Office2013() const { return FOffice2013; }
    // The pager's own appearances, null until tones made them.
    const TTabAppearance* OwnTabAppearance() const { return FTabAppearance.get(); }
    const TVistaPageBackground* OwnPageAppearance() const { return FPageAppearance.get(); }
    const TCaptionAppearance* OwnCaptionAppearance() const { return FCaptionAppearance.get(); }
    const TToolBarAppearance* OwnToolBarAppearance() const { return FToolBarAppearance.get(); }
    const TGlowButtonAppearance* OwnGlowButtonAppearance() const { return FGlowButtonAppearance.get(); }
    const TGlowButtonAppearance* OwnPageGlowButtonAppearance() const { return FPageGlowButtonAppearance.get(); }
    const TGroupAppearance* OwnGroupAppearance() const { return FGroupAppearance.get(); }
    TColor ToolBarCaptionTextColor() const { return FToolBarCaptionTextColor; }
    // Copies the pager's own glow-button look into the button (no rounding, the UI font).
    void ApplyGlowAppearance(TRurCustomGlowButton* button) const;

    // ---- Tab groups (RurRibbonPagerTabGroups.cpp) ----------------------------------------------
    TTabGroups* TabGroups() const { return FTabGroups.get(); }
    void SetTabGroups(TTabGroups* value) { FTabGroups->Assign(value); }
    // The first group whose range holds the page; -1 for none or an index outside the pages.
    int GetTabGroupOfPageIndex(int pageIndex) const;
    bool PageInTabGroup(TRurPage* page) const { return PageTabGroupIndex(page) >= 0; }
    int PageTabGroupIndex(TRurPage* page) const { return GetTabGroupOfPageIndex(IndexOfPage(page)); }
    // The number of pages the group spans; 0 for an index outside the groups.
    int TabGroupTabCount(int groupIndex) const;
    // The group's header over its visible tabs (caption top to tab bottom), cut before the caption
    // buttons; all -1 when it has no visible tab or lies under the buttons. startShown: its first
    // visible tab was found; endShown: its right end is the real one.
    TRect GetTabGroupRect(int groupIndex, bool& startShown, bool& endShown);
    TRect GetTabGroupRect(int groupIndex);
    int PtOnTabGroup(int x, int y);
    void DrawTabGroups(TCanvas* canvas);

    // ---- The form around it (RurRibbonPagerFormHook.cpp) ---------------------------------------
    // "6.8.3.4"; writing it changes nothing.
    static int GetVersionNr();
    String Version() const;
    void SetVersion(const String&) {}
    bool NonActiveMouseWheelOnFocus() const { return FNonActiveMouseWheelOnFocus; }
    void SetNonActiveMouseWheelOnFocus(bool value) { FNonActiveMouseWheelOnFocus = value; }
    // The nearest page before (after) the active one whose tab is enabled and visible; no wrap.
    void PrevActivePage();
    void NextActivePage();
    // The parent form is watched through its subclass chain, and only by the one pager on it.
    bool FormSubclassed() const { return FSubclassed; }

    // ---- Caption buttons (RurRibbonPagerCaptionButtons.cpp) -----------------------------------
    TCaptionButtons CaptionButtons() const { return FCaptionButtons; }
    void SetCaptionButtons(TCaptionButtons value);
    // Creates, sizes, skins, places and shows the caption's close, minimize and maximize buttons;
    // with updateGlyphs their glyphs are drawn again.
    void UpdateCaptionButtons(bool updateGlyphs);
    // The area the caption buttons take: the system's buttons on glass, else the pager's own.
    TRect GetCaptionButtonsRect();
    TRurGlowButton* CaptionCloseButton() const { return FCaptionCloseBtn; }
    TRurGlowButton* CaptionMinButton() const { return FCaptionMinBtn; }
    TRurGlowButton* CaptionMaxButton() const { return FCaptionMaxBtn; }
    bool MinimizeApp() const { return FMinimizeApp; }
    void SetMinimizeApp(bool value) { FMinimizeApp = value; }
    TNotifyEvent OnCloseButtonClick() const { return FOnCloseButtonClick; }
    void SetOnCloseButtonClick(TNotifyEvent value) { FOnCloseButtonClick = value; }
    TNotifyEvent OnMinButtonClick() const { return FOnMinButtonClick; }
    void SetOnMinButtonClick(TNotifyEvent value) { FOnMinButtonClick = value; }
    TNotifyEvent OnMaxButtonClick() const { return FOnMaxButtonClick; }
    void SetOnMaxButtonClick(TNotifyEvent value) { FOnMaxButtonClick = value; }

    // ---- The Office 2019 underline of the selected tab (RurRibbonPagerTabLine.cpp) -------------
    // The line slides from where it is to where it should be, a fifth of the way per tick.
    bool TabLineAnimating() const { return FAnimating; }
    double CurLineStart() const { return FCurLineStart; }
    double CurLineEnd() const { return FCurLineEnd; }
    int NewLineStart() const { return FNewLineStart; }
    int NewLineEnd() const { return FNewLineEnd; }

    // ---- Help and expand/collapse buttons (RurRibbonPagerTabRowButtons.cpp) -------------------
    bool ShowHelpButton() const { return FShowHelpButton; }
    void SetShowHelpButton(bool value);
    TRurGlowButton* HelpButton() const { return FHelpBtn; }
    // Drawn on the help button instead of the kit's question mark when not empty.
    TGDIPPicture* HelpButtonPicture() const { return FHelpButtonPicture.get(); }
    void SetHelpButtonPicture(TGDIPPicture* value);
    TNotifyEvent OnHelpClick() const { return FOnHelpClick; }
    void SetOnHelpClick(TNotifyEvent value) { FOnHelpClick = value; }
    // Creates, pictures, skins and places the help button at the right of the tab row (frees it
    // when switched off).
    void UpdateHelpButton();
    // All -1 without the help button.
    TRect GetHelpButtonRect() const;
    bool ShowExpandCollapsButton() const { return FShowExpandCollapsButton; }
    void SetShowExpandCollapsButton(bool value);
    TRurGlowButton* ExpandCollapsButton() const { return FExpCollapsBtn; }
    void UpdateExpandCollapseButtonPosition();
    TRect GetExpandCollapseButtonRect() const;
    // The button's glyph for the ribbon's state: up while expanded, down while collapsed.
    virtual void UpdateExpandCollapseButton();

    // ---- MDI child buttons (RurRibbonPagerMDIButtons.cpp) --------------------------------------
    // With AutoMDIButtons, a maximized active MDI child of the parent form gets minimize, restore
    // and close buttons at the right end of the tab row.
    bool MDIButtonsVisible() const { return FMDIButtonsVisible; }
    TRurGlowButton* MDICloseButton() const { return FMDICloseBtn; }
    TRurGlowButton* MDIMinButton() const { return FMDIMinBtn; }
    TRurGlowButton* MDIMaxButton() const { return FMDIMaxBtn; }
    TRect GetMDIButtonsRect() const;
    void UpdateMDIButtons(bool updateGlyphs);
    // From painting: follows the parent form's active MDI child.
    void CheckMDIChild();

    // ---- Events --------------------------------------------------------------------------------
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    TTabChangingEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TTabChangingEvent value) { FOnChanging = value; }
    TNotifyEvent OnTabChanged() const { return FOnTabChanged; }
    void SetOnTabChanged(TNotifyEvent value) { FOnTabChanged = value; }
    TTabClickEvent OnTabClick() const { return FOnTabClick; }
    void SetOnTabClick(TTabClickEvent value) { FOnTabClick = value; }
    TTabClickEvent OnTabDblClick() const { return FOnTabDblClick; }
    void SetOnTabDblClick(TTabClickEvent value) { FOnTabDblClick = value; }
    TTabGroupClickEvent OnTabGroupClick() const { return FOnTabGroupClick; }
    void SetOnTabGroupClick(TTabGroupClickEvent value) { FOnTabGroupClick = value; }
    TNotifyEvent OnExpand() const { return FOnExpand; }
    void SetOnExpand(TNotifyEvent value) { FOnExpand = value; }
    TNotifyEvent OnCollaps() const { return FOnCollaps; }
    void SetOnCollaps(TNotifyEvent value) { FOnCollaps = value; }
    TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent value) { FOnMouseLeave = value; }

protected:
    friend class TRurPage;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Resize() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeft();
    bool StartCaptionDrag(int x, int y);
    // A drag from the caption of a maximized form (under Office tones) restores it.
    void RestoreByDrag(TShiftState shift, int x, int y);
    void StartTabGlow(int index, int increment, TRurPage::TGlowState state);
    void UnHotTab();
    void DblClickTimerTick(TObject* sender);

public:
    // ---- Keyboard and key tips ---------------------------------------------------------------
    // The thread's key hook feeds the first loaded pager: Ctrl+F1, Alt and F10. True when the key
    // is used up.
    bool HookKeyDown(Word key);
    bool HookKeyUp(Word key);
    void ShowTabShortCutHints();
    void HideTabShortCutHints(bool full);
    bool TabShortCutHintShowing() const { return FTabShortCutHintShowing; }
    TShortCutHintWindow* CreateShortCutHintWindow();
    void FreeShortCutHintWindow(TShortCutHintWindow* window);
    // The application button: the first child of the class TRurShapeButton (or a descendant).
    TControl* GetShapeButton() const;

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void InstallKeyHook();
    void RemoveKeyHook();
    bool AltKeyDown(Word key);
    void ShortCutTimerTick(TObject* sender);
    void TypeShortCutKey(Word key);
    void DrawCaption(TCanvas* canvas);
    void DrawTonesCaption(TCanvas* canvas);
    // The caption text's room in the band; afterHeaders: it starts after the tab-group headers.
    TRect CaptionTextRect(const TRect& band, bool& afterHeaders);
    void DrawTabs(TCanvas* canvas);
    void DrawTab(TCanvas* canvas, int index);
    void DrawPageShadow(TCanvas* canvas);
    void FillTabBackground(TCanvas* canvas, const TRect& r);
    bool NeedTabSeparator(int index) const;
    // Runs the page change: veto, hide the old page, show the new one, OnChange. True when the
    // active index changed.
    bool ChangeActivePage(int index);

private:
    static LRESULT CALLBACK FormSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR data);
    void SubclassForm();
    void UnsubclassForm();
    // True when the form's message was used up here.
    bool FormMessage(UINT msg, WPARAM wParam);
    void NotifyChildren(void (*notify)(IPagerChildNotify&));
    void AnimateTabLine();
    void TabLineAnimationTick(TObject* sender);
    // The selected tab's underline below its text, sliding when it has to move; hot: the mouse is
    // over the tab, so the line takes the whole text rectangle.
    void DrawTabLine(TCanvas* canvas, const TRect& textRect, const TRect& measured, bool squeezed, bool hot);
    void MDICloseClick(TObject* sender);
    void MDIMaxClick(TObject* sender);
    void MDIMinClick(TObject* sender);
    // The active MDI child the buttons act on, when they may act.
    TCustomForm* MDIChildToAct();
    void DrawMDIGlyphs();
    void HelpButtonClick(TObject* sender);
    void HelpPictureChanged(TObject* sender);
    void ExpandCollapseButtonMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    // The tab row's button square, A pixels, placed with its right edge at right.
    TRect TabRowButtonRect(int right) const;
    void TabGroupsChanged(TObject* sender);
    const TGroupAppearance* GroupAppearanceOf(const TTabGroupItem* group) const;
    // Tab hints: a page's own hint, or a caption its tab shows cut.
    void TabHint(THintInfo& info);
    void CaptionCloseClick(TObject* sender);
    void CaptionMaxClick(TObject* sender);
    void CaptionMinClick(TObject* sender);
    TRurGlowButton* MakeCaptionButton(TNotifyEvent onClick, const String& hint);
    void SkinCaptionButton(TRurGlowButton* button) const;
    void DrawCaptionGlyphs();
    // The parent form's window state changed by the caption: maximized or back to normal.
    void ToggleParentFormMaximized();
    void EnsureOwnAppearances();
    void ToneCaptionBandAndContainers(TColor lineColor);
    void ToneQuickAccessToolBar(TColor color, const TColorTones& tones);
    // After a tone change: pages, toolbars and children laid out again in the new look.
    void RelayoutAfterTones();
    void SendToShapeButton(TToolBarMessage message, WPARAM wParam);
    void TabSettingsChanged(TObject* sender);
    void CaptionChanged(TObject* sender);
    void ControlListChanged(TControl* control, bool inserted);
    void ScaleDefaults();
    // A canvas to measure text on: the pager may have no window, or be outside its painting.
    TCanvas* MeasureCanvas();
    TRurPageScrollButton* EnsureTabScrollButton(bool left);
    void ShiftTabs(int delta);
    bool TabIsSqueezed(int index) const;
    int TabWidthOf(int index) const;
    void ShrinkTabs(int avail);
    void GrowTabs(int avail);

    TCustomRurToolBarStyler* FInternalToolBarStyler = nullptr;
    TCustomRurToolBarStyler* FToolBarStyler = nullptr;
    TCustomRurToolBarStyler* FCurrentToolBarStyler = nullptr;
    TRurToolBarOfficeStyler* FOfficeToolBarStyler = nullptr;
    int FOrigCaptionHeight = 26;
    TDbgList FRurPages;
    bool FPropertiesLoaded = false;
    bool FShowNonSelectedTabs = false;
    std::unique_ptr<TATBTabSettings> FTabSettings;
    std::unique_ptr<TRurPageCaption> FCaption;
    TATBTabScroller FTabScroller;
    int FActivePageIndex = -1;
    int FHotPageIndex = -1;
    int FDownPageIndex = -1;
    int FOldHotPageIndex = -1;
    int FHintPageIndex = -1;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    bool FShowTabHint = false;
    bool FCanMove = true;
    TNotifyEvent FOnChange;
    TTabChangingEvent FOnChanging;
    TNotifyEvent FOnTabChanged;
    TTabClickEvent FOnTabClick, FOnTabDblClick;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    RurGDIP::TAntiAlias FAntiAlias = RurGDIP::aaClearType;
    int FPageRightMargin = 0, FPageLeftMargin = 0;
    bool FAutoMDIButtons = false;
    int FMDIButtonsWidth = 16, FMDIButtonsSpace = 2;
    bool FExpanded = true;
    int FExpandedHeight = 0;
    int FCurrentTabSpacing = 4, FCurrentTabLeftMargin = 4, FCurrentTabRightMargin = 4;
    int FCurrentGroupTabLeftMargin = 4, FCurrentGroupTabRightMargin = 4;
    TRurPageScrollButton* FLeftScrollBtn = nullptr;
    TRurPageScrollButton* FRightScrollBtn = nullptr;
    int FStartTabIndex = 0;
    bool FEnableWheel = true;
    std::unique_ptr<TPersistence> FPersistence;
    bool FHidePagesOnDblClick = true;
    bool FIsAeroVista = false;
    bool FAutoCompactToolBars = true;
    std::unique_ptr<TPagerHints> FHints;
    bool FItones = false;
    bool FMetro = false, FOffice2013 = false, FItonesBeingSet = false, FOldAeroVista = false;
    std::unique_ptr<TVistaPageBackground> FPageAppearance;
    std::unique_ptr<TTabAppearance> FTabAppearance;
    std::unique_ptr<TToolBarAppearance> FToolBarAppearance;
    std::unique_ptr<TGlowButtonAppearance> FGlowButtonAppearance, FPageGlowButtonAppearance;
    std::unique_ptr<TCaptionAppearance> FCaptionAppearance;
    std::unique_ptr<TGroupAppearance> FGroupAppearance;
    std::unique_ptr<TVistaTextBackground> FPagerCaption;
    std::unique_ptr<TContainerAppearance> FContainerAppearance;
    TOfficeToneAppearances FOfficeToneAppearances{};
    TColor FToolBarCaptionTextColor = clNone;
    TCaptionButtons FCaptionButtons{cbClose, cbMinimize, cbMaximize};
    TRurGlowButton* FCaptionCloseBtn = nullptr;
    TRurGlowButton* FCaptionMinBtn = nullptr;
    TRurGlowButton* FCaptionMaxBtn = nullptr;
    TNotifyEvent FOnCloseButtonClick, FOnMinButtonClick, FOnMaxButtonClick;
    int FOldCapRightIndent = 0;
    bool FMinimizeApp = true;
    TPoint FCaptionClickXY{-1, -1};
    TWindowState FFormWindowState = wsNormal;
    bool FSubclassed = false, FNonActiveMouseWheelOnFocus = false;
    HWND FSubclassedForm = nullptr;
    std::unique_ptr<TTabGroups> FTabGroups;
    TTabGroupClickEvent FOnTabGroupClick;
    TColor FLineColor = clNone;
    bool FBold = false, FAnimating = false;
    double FCurLineStart = 0, FCurLineEnd = 0, FDeltaStart = 0, FDeltaEnd = 0;
    int FNewLineStart = 0, FNewLineEnd = 0, FLineBottom = 0;
    std::unique_ptr<TTimer> FDLTimer;
    bool FMDIButtonsVisible = false;
    TRurGlowButton* FMDICloseBtn = nullptr;
    TRurGlowButton* FMDIMinBtn = nullptr;
    TRurGlowButton* FMDIMaxBtn = nullptr;
    TCustomForm* FMDIChildForm = nullptr;
    std::unique_ptr<TImageList> FMDIBtnImages;
    bool FShowHelpButton = true, FShowExpandCollapsButton = false;
    TRurGlowButton* FHelpBtn = nullptr;
    TRurGlowButton* FExpCollapsBtn = nullptr;
    std::unique_ptr<TGDIPPicture> FHelpButtonPicture;
    TNotifyEvent FOnHelpClick;
    TGroupStyle FGroupStyle = gsClassic;
    int FUpdateCount = 0;
    int FDesignedHeight = 149;
    int FDefTabHeight = 26;
    int FDefTabMargin = 60;
    int FScaledPagerCaptionHeight = 26;
    TRujStyle FRujStyle = tsCustom;
    bool FOfficeStylerLinked = false;
    HWND FMDIFormWindow = nullptr;
    bool FRegionSet = false;
    std::unique_ptr<TPicture> FBrandingPicture;
    std::unique_ptr<TBitmap> FMeasureBitmap;
    bool FFirstRun = true;
    bool FMouseDown = false, FChangeActiveTab = false;
    int FClickCount = 0;
    std::unique_ptr<TTimer> FDblClickTimer;
    TNotifyEvent FOnExpand, FOnCollaps, FOnMouseLeave;
    bool FTabShortCutHintShowing = false;
    // Set while the tips are being shown: their windows appearing is no focus leaving the pager.
    bool FShowingShortCutHints = false;
    String FTabShortCutChars;
    TDbgList FShortCutHintWinList;
    std::unique_ptr<TTimer> FShortCutTimer;
    Cardinal FShortCutDelay = 0;
    bool FALTDown = false, FOnlyALT = false, FIgnoreALT = false;
    HWND FFocusCtrlH = nullptr;
    bool FMenuFrameShown = false;
    bool FTabRoundEdges = true, FShow3D = true, FShadow = true;
    TRurCustomQuickAccessToolBar* FQuickAccessToolBar = nullptr;
    bool FHideState = false;
    int FOldHeight = 0;
    bool FQATOldVisible = false, FShapeBtnOldVisible = false;
    bool FShowDisabledControlsHint = false;
    bool FBlockHide = false;
    TRibbonHideEvent FOnFloatingRibbonHide;
    TMinimizedRibbonWindow* FMinimizedRibbonWindow = nullptr;
};
