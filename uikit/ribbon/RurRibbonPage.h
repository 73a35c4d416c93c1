#pragma once
// One page of the ribbon: the window below the tab row that holds the page's toolbars (its groups)
// side by side, scrolls them when they do not fit, paints the page background in the pager's
// colours and keeps the data of its tab (caption, image, hint, key tip, glow state, measured
// widths). Also the caption-band settings of the pager.
//
// Sources: RurRibbonPage.cpp (list, parent rules, arranging, tab data), RurRibbonPageScroll.cpp
// (toolbar scrolling), RurRibbonPagePaint.cpp (painting, tab glow).
#include <memory>

#include "Controls.h"
#include "ImgList.h"
#include "Timers.h"
#include "RurGlowButton.h"  // TGlowState
#include "RurGlowButton_KeyTip.h"
#include "RurHintInfo.h"
#include "RurToolBar_Lists.h"
#include "RurTabScroller.h"
#include "RurToolBar_RibbonHost.h"

class TRurToolBar;

class TRurCustomToolBar;
class TRurToolBarPager;
class TRurPageScrollButton;

// The pager's caption band: whether it shows, its height, text and indents.
class TRurPageCaption : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TRurPageCaption, TPersistent)
public:
    TRurPageCaption() = default;
    // From another caption: Caption and Height directly, Visible, Indent and MinWidth through their
    // setters; any other source as the base class does.
    void Assign(const TPersistent* source) override;

    String Caption() const { return FCaption; }
    void SetCaption(const String& value);
    String WideCaption() const { return FWideCaption; }
    void SetWideCaption(const String& value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Height() const { return FHeight; }
    // Notifies even when the value is unchanged: the pager re-lays out its caption on every write.
    void SetHeight(int value);
    int Indent() const { return FIndent; }
    void SetIndent(int value);
    int RightIndent() const { return FRightIndent; }
    void SetRightIndent(int value) { FRightIndent = value; }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);
    // Height or visibility changed since the last notification.
    bool HeightUpdate() const { return FHeightUpdate; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    void Changed();

    TNotifyEvent FOnChange;
    bool FVisible = true;
    int FHeight = 26;
    String FCaption;
    int FIndent = 100;
    int FRightIndent = 0;
    String FWideCaption;
    int FMinWidth = 100;
    bool FHeightUpdate = false;
};

class TRurPage : public TCustomControl, public IRibbonGroupHost {
    TAVIN_PUBLISHED_CLASS(TRurPage, TCustomControl)
public:
    // The tab's glow: fading in under the mouse, pressed, or none. Kept in the class until the
    // glow button's own state type can be shared here.
    enum TGlowState { gsHover, gsPush, gsNone };

    explicit TRurPage(TComponent* owner);
    ~TRurPage() override;

    // ---- Toolbars ------------------------------------------------------------------------------
    int RurToolBarCount() const { return FRurToolBars.Count(); }
    // Null for an index outside the list.
    TRurToolBar* RurToolBars(int index) const;
    int IndexOfRurToolBar(TRurToolBar* toolBar) const { return FRurToolBars.IndexOf(toolBar); }
    // A toolbar owned by the page, set up as a ribbon group captioned "Untitled".
    TRurToolBar* CreateRurToolBar();
    // -1 for null, a listed toolbar or while cloning; else the list index.
    int AddRurToolBar(TRurToolBar* toolBar);
    void InsertRurToolBar(int index, TRurToolBar* toolBar);
    void MoveRurToolBar(int curIndex, int newIndex);
    void RemoveRurToolBar(TRurToolBar* toolBar);
    TRurToolBar* FirstToolBar(bool visibleOnly) const;
    void InvalidateToolBars();
    // The page's visible child toolbars (all at design time) ordered by Left, equal Lefts in child
    // order.
    void GetToolBarsSortedByLeft(TDbgList& list) const;

    // ---- Layout --------------------------------------------------------------------------------
    // Toolbars 3 pixels apart from a 3-pixel margin, the page's height less 6 high.
    void ArrangeToolBars();
    // Only while the page shows; an unmatched EndUpdate arranges all the same.
    void BeginUpdate();
    void EndUpdate();
    bool AutoPosition() const { return FAutoPosition; }
    void SetAutoPosition(bool value);
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;

    // ---- Toolbar scrolling ---------------------------------------------------------------------
    // Toolbars from index that fit one after the other from x = 3 (walking back to 0 when not
    // forward); 0 for an index outside the sorted list.
    int CountFittingToolBars(int index, bool forward) const;
    int VisibleToolBarCount() const;
    // Every listed toolbar is hidden or compacted.
    bool AllToolBarsCompact() const;
    void UpdateToolBarScroller();
    void ResetToolBarScroll();
    // The signed number of screens scrolled.
    int ScrollToolBars(int delta);
    void ScrollToolBarsLeft(TObject* sender);
    void ScrollToolBarsRight(TObject* sender);
    void ScrollToToolBar(int index);
    const TATBTabScroller& ToolBarScroller() const { return FToolBarScroller; }
    int LeftATBIndex() const { return FLeftATBIndex; }
    TRurPageScrollButton* LeftScrollButton() const { return FLeftScrollBtn; }
    TRurPageScrollButton* RightScrollButton() const { return FRightScrollBtn; }

    // ---- Tab -----------------------------------------------------------------------------------
    TRurToolBarPager* RurToolBarPager() const { return FRurToolBarPager; }
    // Moves the page from its pager to the given one (null: none).
    void SetRurToolBarPager(TRurToolBarPager* value);
    String Caption() const { return FCaption; }
    void SetCaption(const String& value);
    String WideCaption() const { return FWideCaption; }
    void SetWideCaption(const String& value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    bool TabEnabled() const { return FTabEnabled; }
    void SetTabEnabled(bool value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    String TabHint() const { return FTabHint; }
    void SetTabHint(const String& value) { FTabHint = value; }
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    String ShortCutHint() const { return FShortCutHintText; }
    void SetShortCutHint(const String& value) { FShortCutHintText = value; }
    TShortCutHintPos ShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos value) { FShortCutHintPos = value; }
    // The pager's index of the page, -1 without pager; writing moves the page there.
    int PageIndex() const;
    void SetPageIndex(int value);
    // The tab's width with the pager's current margins (and its tab group's extra margins).
    int GetTabWidthWithMargins() const;
    bool IsInTabGroup() const;
    int TabLeft() const { return FTabLeft; }
    void SetTabLeft(int value) { FTabLeft = value; }
    int TabClientWidth() const { return FTabClientWidth; }
    int TabRealClientWidth() const { return FTabRealClientWidth; }
    int TabWidth() const { return FTabWidth; }
    TGlowState GlowState() const { return FGlowState; }
    int StepHover() const { return FStepHover; }
    int StepPush() const { return FStepPush; }
    bool GlowRunning() const { return FTimer != nullptr; }

    // ---- Key tip of the tab --------------------------------------------------------------------
    // Shown centred under (beside, above) the tab; only with a pager and a visible, enabled tab.
    void ShowShortCutHint();
    void HideShortCutHint();
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHint; }
    bool ShortCutHintShown() const
    {
        return FShortCutHint && FShortCutHint->HandleAllocated() && IsWindowVisible(FShortCutHint->Handle());
    }

    // ---- What the page's groups ask of the ribbon (RurRibbonPageGroupHost.cpp) ------------------
    bool PagerLook(TRujStyle& look) const override;
    TCustomRurToolBarStyler* PagerToolBarStyler() const override;
    void UpdateAllToolBars() override;
    bool HasPager() const override { return FRurToolBarPager != nullptr; }
    bool ToolBarKeyTipsShowing() const override { return FToolBarShortCutShowing; }
    String ShortCutChars() const override { return FShortCutChars; }
    void SetShortCutChars(const String& value) override { FShortCutChars = value; }
    bool HasPageKeyTip() const override { return FShortCutHint != nullptr; }
    void ShowToolBarKeyTips() override;
    void HideToolBarKeyTips() override;
    bool SelectToolBarShortCut() override;
    void ShowTabKeyTips() override;
    bool FocusPagerByKey() override;
    void ToolBarsSortedByLeft(TDbgList& list) const override { GetToolBarsSortedByLeft(list); }

protected:
    friend class TRurToolBarPager;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Resize() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void ToolBarInserted(TControl* control);
    bool IsEligibleForArrange(const TControl* control) const;
    void RepaintPagerTabs();
    TRurPageScrollButton* EnsureScrollButton(bool left);
    void StartGlow(int increment);
    void StopGlow();
    void GlowTimerTick(TObject* sender);
    void PaintBackground(TCanvas* canvas, const TRect& r);

    TDbgList FRurToolBars;
    bool FTabVisible = true;
    TRurToolBarPager* FRurToolBarPager = nullptr;
    String FCaption;
    String FWideCaption;
    bool FTabEnabled = true;
    int FImageIndex = -1;
    bool FAutoPosition = true;
    bool FUpdatingATBPosition = false;
    TTimer* FTimer = nullptr;  // owned by the pager, freed here when the glow ends
    int FTimeInc = 0;
    int FStepHover = 0;
    int FStepPush = 0;
    TGlowState FGlowState = gsNone;
    String FTabHint;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    bool FUpdatingParent = false;
    TShortCutHintWindow* FShortCutHint = nullptr;
    TShortCutHintPos FShortCutHintPos = shpBottom;
    String FShortCutHintText;
    bool FToolBarShortCutShowing = false;
    String FShortCutChars;
    TATBTabScroller FToolBarScroller;
    int FLeftATBIndex = 0;
    TRurPageScrollButton* FLeftScrollBtn = nullptr;
    TRurPageScrollButton* FRightScrollBtn = nullptr;
    int FTabWidth = 0, FTabLeft = 0, FTabClientWidth = 0, FTabRealClientWidth = 0;
    int FOldWidth = 0;
    // Toolbars are moving between the page and its clone: list upkeep waits.
    bool FCloning = false;
    int FUpdateCount = 0;
};
