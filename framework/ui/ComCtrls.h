#pragma once
// Common controls: the progress bar (including the marquee style), the date-time picker and the
// tree view.
#include <functional>
#include <vector>

#include "Controls.h"
#include "DateUtils.h"
#include "ImgList.h"

#include <commctrl.h>

TAVIN_ENUM(TProgressBarStyle, pbstNormal, pbstMarquee)
TAVIN_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)
TAVIN_ENUM(TProgressBarState, pbsNormal, pbsError, pbsPaused)

class TProgressBar : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    TProgressBarStyle Style() const { return FStyle; }
    void SetStyle(TProgressBarStyle value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);
    // Milliseconds between marquee steps.
    int MarqueeInterval() const { return FMarqueeInterval; }
    void SetMarqueeInterval(int value);
    // Normal, error (red) or paused (yellow).
    TProgressBarState State() const { return FState; }
    void SetState(TProgressBarState value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void WndProc(TMessage& message) override;

private:
    int FMin = 0, FMax = 100, FPosition = 0;
    TProgressBarStyle FStyle = pbstNormal;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
    int FMarqueeInterval = 10;
    TProgressBarState FState = pbsNormal;
};

TAVIN_ENUM(TDateTimeKind, dtkDate, dtkTime)
TAVIN_ENUM(TDTDateFormat, dfShort, dfLong)

// The system's date and time picker. The value is kept in whole seconds (the control has no finer
// unit); Date and Time are its whole-day and fractional parts.
class TDateTimePicker : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TDateTimePicker, TWinControl)
public:
    explicit TDateTimePicker(TComponent* owner);
    void WndProc(TMessage& message) override;

    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    // A display format in the system's picker notation ("yyyy/MM/dd"); "" for the kind's default.
    const String& Format() const { return FFormat; }
    void SetFormat(const String& value);
    // A check box before the value; unchecked means no value is chosen.
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    void SendValue();

    TDateTime FDateTime;
    TDateTimeKind FKind = dtkDate;
    TDTDateFormat FDateFormat = dfShort;
    String FFormat;
    bool FShowCheckbox = false;
    bool FChecked = true;
    TNotifyEvent FOnChange;
};

// ---------------------------------------------------------------------------------------------
// The tree view over the system's tree control: the nodes live in the control (and survive the
// window being made anew); the window holds one item per node.

class TTreeNodes;
class TCustomTreeView;

TAVIN_ENUM(TCustomDrawStage, cdPrePaint, cdPostPaint, cdPreErase, cdPostErase)
TAVIN_ENUM(TCustomDrawStateItem, cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault, cdsHot,
           cdsMarked, cdsIndeterminate)
using TCustomDrawState = TSet<TCustomDrawStateItem>;

class TTreeNode : public TPersistent {
    TAVIN_CLASS(TTreeNode, TPersistent)
public:
    TTreeNode(TTreeNodes* owner, TTreeNode* parent);
    ~TTreeNode() override;

    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    // The window's item; null while the control has no window.
    HTREEITEM ItemId() const { return FItemId; }
    const String& Text() const { return FText; }
    void SetText(const String& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int value);
    int ExpandedImageIndex() const { return FExpandedImageIndex; }
    void SetExpandedImageIndex(int value);
    // The state image (0 none); a tree with check boxes reads 1 as unchecked and 2 as checked.
    int StateIndex() const;
    void SetStateIndex(int value);
    TTreeNode* Parent() const { return FParent; }
    int Level() const;
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int index) const { return FChildren.at(static_cast<size_t>(index)); }
    bool HasChildren() const { return !FChildren.empty(); }
    int Index() const;
    bool Expanded() const;
    void SetExpanded(bool value);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool value);
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node shown below this one (null at the end or without a window).
    TTreeNode* GetNextVisible() const;
    // Position in the whole tree, depth first.
    int AbsoluteIndex() const;
    // The item's rectangle in client coordinates: the text only, or the whole row.
    TRect DisplayRect(bool textOnly) const;

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    void UpdateItem(UINT mask);
    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::vector<TTreeNode*> FChildren;
    HTREEITEM FItemId = nullptr;
    String FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FExpandedImageIndex = -1;
    int FStateIndex = -1;
    bool FExpanded = false;
};

class TTreeNodes : public TPersistent {
    TAVIN_CLASS(TTreeNodes, TPersistent)
public:
    explicit TTreeNodes(TCustomTreeView* owner);
    ~TTreeNodes() override;
    TCustomTreeView* Owner() const { return FOwner; }
    // Every node, depth first.
    int Count() const;
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }
    // A top-level node after the others (sibling's level) or a child after its siblings.
    TTreeNode* Add(TTreeNode* sibling, const String& text);
    TTreeNode* AddChild(TTreeNode* parent, const String& text);
    void Delete(TTreeNode* node);
    void Clear();
    // The node of a window item; null when none.
    TTreeNode* GetNode(HTREEITEM item) const;

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    void CreateItems(TTreeNode* node, HTREEITEM after);
    void Forget(TTreeNode* node);
    void ForEach(const std::function<void(TTreeNode*)>& proc) const;
    TCustomTreeView* FOwner;
    std::vector<TTreeNode*> FRoots;
    std::vector<std::unique_ptr<TTreeNode>> FAll;
};

using TTVAdvancedCustomDrawItemEvent =
    TEvent<TCustomTreeView*, TTreeNode*, TCustomDrawState, TCustomDrawStage, bool&, bool&>;

class TCustomTreeView : public TWinControl {
    TAVIN_CLASS(TCustomTreeView, TWinControl)
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;
    void WndProc(TMessage& message) override;

    TTreeNodes* Items() const { return FItems.get(); }
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int Indent() const;
    void SetIndent(int value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool value) { SetStyleFlag(FShowRoot, value); }
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value) { SetStyleFlag(FShowLines, value); }
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value) { SetStyleFlag(FShowButtons, value); }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { SetStyleFlag(FHideSelection, value); }
    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool value) { FRightClickSelect = value; }
    // The node under a client point; null when none.
    TTreeNode* GetNodeAt(int x, int y) const;
    TCanvas* Canvas() const { return FCanvas.get(); }
    TTVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem() const { return FOnAdvancedCustomDrawItem; }
    void SetOnAdvancedCustomDrawItem(TTVAdvancedCustomDrawItemEvent e) { FOnAdvancedCustomDrawItem = e; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void SaveHandleState() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetStyleFlag(bool& field, bool value);
    LRESULT CustomDraw(NMTVCUSTOMDRAW& draw);
    std::unique_ptr<TTreeNodes> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    TCustomImageList* FImages = nullptr;
    int FIndent = 19;
    bool FShowRoot = true;
    bool FShowLines = true;
    bool FShowButtons = true;
    bool FHideSelection = true;
    bool FRightClickSelect = false;
    TTreeNode* FSavedSelected = nullptr;
    TTVAdvancedCustomDrawItemEvent FOnAdvancedCustomDrawItem;
    TNotifyEvent FOnChange;
};

class TTreeView : public TCustomTreeView {
    TAVIN_PUBLISHED_CLASS(TTreeView, TCustomTreeView)
public:
    using TCustomTreeView::TCustomTreeView;
};

void ComCtrlsUnitInitialize();
inline constexpr TUnitStep ComCtrlsUnit{"ComCtrls", &ComCtrlsUnitInitialize, nullptr};
