#pragma once
// Common controls: the progress bar (including the marquee style), the date-time picker, the
// tree view, the list view, the extended combo box, the up-down control, the rich edit, the
// status bar, the cool bar and the toolbar.
#include <functional>
#include <vector>

#include "Controls.h"
#include "DateUtils.h"
#include "ImgList.h"
#include "StdCtrls.h"
#include "ToolWin.h"

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

// The state flags of a custom-draw notification's item (CDIS_...).
TCustomDrawState CustomDrawStateOf(UINT itemState);
// A tree's or list's custom-draw notification with an item painter: the painter runs for the
// item's pre- and post-paint stages with the canvas lent the notification's DC (and may take the
// drawing over from the system); the answer is the notification's result. Without a painter, or
// for an item the control does not know, the system draws.
using TCustomDrawItemPainter = std::function<void(TCustomDrawStage, TCustomDrawState, bool& defaultDraw)>;
LRESULT CustomDrawItem(const NMCUSTOMDRAW& draw, TCanvas* canvas, bool knownItem, const TCustomDrawItemPainter& paint);

// ---------------------------------------------------------------------------------------------
// The list view over the system's list control: items and columns live in the control (and
// survive the window being made anew); the window holds one item per list item, in the same order.

class TListItems;
class TCustomListView;

TAVIN_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)
TAVIN_ENUM(TDisplayCode, drBounds, drIcon, drLabel, drSelectBounds)

class TListItem : public TPersistent {
    TAVIN_CLASS(TListItem, TPersistent)
public:
    explicit TListItem(TListItems* owner);
    ~TListItem() override;

    TListItems* Owner() const { return FOwner; }
    TCustomListView* ListView() const;
    int Index() const;
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    // The texts of the columns after the first.
    TStrings* SubItems() const { return FSubItems.get(); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // The image of a sub-item (-1 none).
    int SubItemImages(int index) const;
    void SetSubItemImages(int index, int value);
    bool Checked() const;
    void SetChecked(bool value);
    bool Selected() const;
    void SetSelected(bool value);
    bool Focused() const;
    void SetFocused(bool value);
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    // A part of the item in client coordinates; empty without a window.
    TRect DisplayRect(TDisplayCode code) const;

private:
    friend class TListItems;
    friend class TCustomListView;
    void SubItemsChanged(TObject*);
    void UpdateSubItems() const;
    void SetState(UINT state, UINT mask) const;
    UINT State(UINT mask) const;
    TListItems* FOwner;
    String FCaption;
    std::unique_ptr<TStringList> FSubItems;
    std::vector<int> FSubItemImages;
    int FImageIndex = -1;
    // Kept while the control has no window.
    bool FChecked = false;
    bool FSelected = false;
    bool FFocused = false;
    void* FData = nullptr;
};

class TListItems : public TPersistent {
    TAVIN_CLASS(TListItems, TPersistent)
public:
    explicit TListItems(TCustomListView* owner);
    ~TListItems() override;
    TCustomListView* Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index out of range.
    TListItem* Item(int index) const;
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    // Many items in a row: the window draws once at the last EndUpdate (the system list is slow
    // to take items one by one while it draws).
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListItem;
    friend class TCustomListView;
    void CreateItem(int index) const;
    TCustomListView* FOwner;
    int FUpdateCount = 0;
    std::vector<std::unique_ptr<TListItem>> FItems;
};

class TListColumn : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TListColumn, TCollectionItem)
public:
    explicit TListColumn(TCollection* collection);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    // The width the window has (the user may have dragged it), else the one set.
    int Width() const;
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    NativeInt Tag() const { return FTag; }
    void SetTag(NativeInt value) { FTag = value; }
    String DisplayName() const override { return FCaption.empty() ? TCollectionItem::DisplayName() : FCaption; }
    void Assign(const TPersistent* source) override;

private:
    friend class TCustomListView;
    TCustomListView* ListView() const;
    String FCaption;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    NativeInt FTag = 0;
};

class TListColumns : public TOwnedCollection {
    TAVIN_CLASS(TListColumns, TOwnedCollection)
public:
    explicit TListColumns(TCustomListView* owner);
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }

protected:
    void Update(TCollectionItem* item) override;
};

class TIconOptions : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TIconOptions, TPersistent)
public:
    explicit TIconOptions(TCustomListView* owner) : FOwner(owner) {}
    // Long captions of icons wrap over several lines.
    bool WrapText() const { return FWrapText; }
    void SetWrapText(bool value);
    void Assign(const TPersistent* source) override;

private:
    TCustomListView* FOwner;
    bool FWrapText = true;
};

using TLVAdvancedCustomDrawItemEvent = TEvent<TCustomListView*, TListItem*, TCustomDrawState, TCustomDrawStage, bool&>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVCheckedEvent = TEvent<TObject*, TListItem*>;

class TCustomListView : public TWinControl {
    TAVIN_CLASS(TCustomListView, TWinControl)
public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;
    void WndProc(TMessage& message) override;

    TListItems* Items() const { return FItems.get(); }
    TListColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TListColumns* value) { FColumns->Assign(value); }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle value);
    TCustomImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* value);
    TCustomImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TCustomImageList* value);
    bool Checkboxes() const { return FCheckboxes; }
    void SetCheckboxes(bool value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value) { SetStyleFlag(FMultiSelect, value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { SetStyleFlag(FReadOnly, value); }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { SetStyleFlag(FHideSelection, value); }
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool value) { SetStyleFlag(FShowColumnHeaders, value); }
    bool GroupView() const { return FGroupView; }
    void SetGroupView(bool value);
    TIconOptions* IconOptions() const { return FIconOptions.get(); }
    void SetIconOptions(TIconOptions* value) { FIconOptions->Assign(value); }
    // The first selected item, the focused one; null when none.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    TListItem* ItemFocused() const;
    TListItem* TopItem() const;
    // The item under a client point; null when none.
    TListItem* GetItemAt(int x, int y) const;
    // Gives the window the columns anew.
    void UpdateColumns();
    TCanvas* Canvas() const { return FCanvas.get(); }
    TLVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem() const { return FOnAdvancedCustomDrawItem; }
    void SetOnAdvancedCustomDrawItem(TLVAdvancedCustomDrawItemEvent e);
    TLVSelectItemEvent OnSelectItem() const { return FOnSelectItem; }
    void SetOnSelectItem(TLVSelectItemEvent e) { FOnSelectItem = e; }
    TLVColumnClickEvent OnColumnClick() const { return FOnColumnClick; }
    void SetOnColumnClick(TLVColumnClickEvent e) { FOnColumnClick = e; }
    TLVCheckedEvent OnItemChecked() const { return FOnItemChecked; }
    void SetOnItemChecked(TLVCheckedEvent e) { FOnItemChecked = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void SaveHandleState() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TIconOptions;
    friend class TListItems;
    void SetStyleFlag(bool& field, bool value);
    void SetImageList(TCustomImageList*& field, TCustomImageList* value, int kind);
    void SendImageList(TCustomImageList* list, int kind) const;
    void UpdateExtendedStyle() const;
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void ItemChanged(const NMLISTVIEW& change);
    std::unique_ptr<TListItems> FItems;
    std::unique_ptr<TListColumns> FColumns;
    std::unique_ptr<TIconOptions> FIconOptions;
    std::unique_ptr<TCanvas> FCanvas;
    TViewStyle FViewStyle = vsIcon;
    TCustomImageList* FSmallImages = nullptr;
    TCustomImageList* FLargeImages = nullptr;
    TCustomImageList* FStateImages = nullptr;
    bool FCheckboxes = false;
    bool FRowSelect = false;
    bool FMultiSelect = false;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FShowColumnHeaders = true;
    bool FGroupView = false;
    // Set while the control writes items to the window, so their changes are not reported.
    bool FWritingItems = false;
    TLVAdvancedCustomDrawItemEvent FOnAdvancedCustomDrawItem;
    TLVSelectItemEvent FOnSelectItem;
    TLVColumnClickEvent FOnColumnClick;
    TLVCheckedEvent FOnItemChecked;
};

// The list view's published properties, written once for each class that publishes them (inside
// its TAVIN_PUBLISHED block).
#define TAVIN_LIST_VIEW_PROPERTIES \
    TAVIN_PROPERTY(TListColumns*, Columns); \
    TAVIN_PROPERTY(TViewStyle, ViewStyle).Default(vsIcon); \
    TAVIN_PROPERTY(TCustomImageList*, SmallImages); \
    TAVIN_PROPERTY(TCustomImageList*, LargeImages); \
    TAVIN_PROPERTY(TCustomImageList*, StateImages); \
    TAVIN_PROPERTY(bool, Checkboxes).Default(false); \
    TAVIN_PROPERTY(bool, RowSelect).Default(false); \
    TAVIN_PROPERTY(bool, MultiSelect).Default(false); \
    TAVIN_PROPERTY(bool, ReadOnly).Default(false); \
    TAVIN_PROPERTY(bool, HideSelection).Default(true); \
    TAVIN_PROPERTY(bool, ShowColumnHeaders).Default(true); \
    TAVIN_PROPERTY(bool, GroupView).Default(false); \
    TAVIN_PROPERTY(TIconOptions*, IconOptions); \
    TAVIN_PROPERTY(TLVSelectItemEvent, OnSelectItem); \
    TAVIN_PROPERTY(TLVColumnClickEvent, OnColumnClick); \
    TAVIN_PROPERTY(TLVCheckedEvent, OnItemChecked);

class TListView : public TCustomListView {
    TAVIN_PUBLISHED_CLASS(TListView, TCustomListView)
public:
    using TCustomListView::TCustomListView;
};

// ---------------------------------------------------------------------------------------------
// The extended combo box over the system's "ComboBoxEx32": items with an image and an indent.
// The window holds an inner combo box (and an edit for the editable styles); notifications of the
// inner combo box reach the control as its own.

class TCustomComboBoxEx;

TAVIN_ENUM(TComboBoxExStyle, csExDropDown, csExSimple, csExDropDownList)

class TComboExItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TComboExItem, TCollectionItem)
public:
    explicit TComboExItem(TCollection* collection) : TCollectionItem(collection) {}
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { Change(FCaption, value); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { Change(FImageIndex, value); }
    int SelectedImageIndex() const { return FSelectedImageIndex; }
    void SetSelectedImageIndex(int value) { Change(FSelectedImageIndex, value); }
    int OverlayImageIndex() const { return FOverlayImageIndex; }
    void SetOverlayImageIndex(int value) { Change(FOverlayImageIndex, value); }
    // Steps of 10 pixels before the image; below 1 none.
    int Indent() const { return FIndent; }
    void SetIndent(int value) { Change(FIndent, value); }
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    String DisplayName() const override { return FCaption.empty() ? TCollectionItem::DisplayName() : FCaption; }
    void Assign(const TPersistent* source) override;

private:
    template <class T>
    void Change(T& field, const T& value)
    {
        field = value;
        Changed(false);
    }
    String FCaption;
    int FImageIndex = -1;
    int FSelectedImageIndex = -1;
    int FOverlayImageIndex = -1;
    int FIndent = -1;
    void* FData = nullptr;
};

class TComboExItems : public TOwnedCollection {
    TAVIN_CLASS(TComboExItems, TOwnedCollection)
public:
    explicit TComboExItems(TCustomComboBoxEx* owner);
    TComboExItem* Add() { return static_cast<TComboExItem*>(TCollection::Add()); }
    TComboExItem* Items(int index) const { return static_cast<TComboExItem*>(TCollection::Items(index)); }
    TComboExItem* AddItem(const String& caption, int imageIndex = -1, int selectedImageIndex = -1,
                          int overlayImageIndex = -1, int indent = -1, void* data = nullptr);

protected:
    void Update(TCollectionItem* item) override;
};

class TCustomComboBoxEx : public TWinControl {
    TAVIN_CLASS(TCustomComboBoxEx, TWinControl)
public:
    explicit TCustomComboBoxEx(TComponent* owner);
    ~TCustomComboBoxEx() override;
    void WndProc(TMessage& message) override;

    TComboExItems* ItemsEx() const { return FItemsEx.get(); }
    void SetItemsEx(TComboExItems* value) { FItemsEx->Assign(value); }
    TComboBoxExStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxExStyle value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ItemIndex() const;
    void SetItemIndex(int value);
    int ItemHeight() const;
    void SetItemHeight(int value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value) { FDropDownCount = value; }
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // The inner combo box and its edit (null for the drop-down list style or without a window).
    HWND ComboHandle() const;
    HWND EditHandle() const;
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }
    TNotifyEvent OnSelect() const { return FOnSelect; }
    void SetOnSelect(TNotifyEvent e) { FOnSelect = e; }
    TNotifyEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent e) { FOnDropDown = e; }
    TNotifyEvent OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TNotifyEvent e) { FOnCloseUp = e; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void SaveHandleState() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TComboExItems;
    void UpdateItems();
    std::unique_ptr<TComboExItems> FItemsEx;
    TComboBoxExStyle FStyle = csExDropDown;
    TCustomImageList* FImages = nullptr;
    int FItemHeight = 16;
    int FDropDownCount = 8;
    int FSavedIndex = -1;
    TNotifyEvent FOnChange, FOnSelect, FOnDropDown, FOnCloseUp;
};

// The extended combo box's published properties, written once for each class that publishes them
// (inside its TAVIN_PUBLISHED block).
#define TAVIN_COMBO_BOX_EX_PROPERTIES \
    TAVIN_PROPERTY(TComboExItems*, ItemsEx); \
    TAVIN_PROPERTY(TComboBoxExStyle, Style).Default(csExDropDown); \
    TAVIN_PROPERTY(TCustomImageList*, Images); \
    TAVIN_PROPERTY(int, ItemIndex).Default(-1); \
    TAVIN_PROPERTY(int, ItemHeight).Default(16); \
    TAVIN_PROPERTY(int, DropDownCount).Default(8); \
    TAVIN_PROPERTY(String, Text); \
    TAVIN_PROPERTY(TNotifyEvent, OnChange); \
    TAVIN_PROPERTY(TNotifyEvent, OnSelect); \
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown); \
    TAVIN_PROPERTY(TNotifyEvent, OnCloseUp);

class TComboBoxEx : public TCustomComboBoxEx {
    TAVIN_PUBLISHED_CLASS(TComboBoxEx, TCustomComboBoxEx)
public:
    using TCustomComboBoxEx::TCustomComboBoxEx;
};

void ComCtrlsUnitInitialize();
inline constexpr TUnitStep ComCtrlsUnit{"ComCtrls", &ComCtrlsUnitInitialize, nullptr};

TAVIN_ENUM(TUDOrientation, udHorizontal, udVertical)

// The system's up-down control: two arrow halves that step a position between Min and Max.
class TUpDown : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TUpDown, TWinControl)
public:
    explicit TUpDown(TComponent* owner);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    int FMin = 0, FMax = 100, FPosition = 0;
    TUDOrientation FOrientation = udVertical;
};

// The system's rich edit control: a memo whose text may carry character formats.
class TCustomRichEdit : public TMemo {
    TAVIN_CLASS(TCustomRichEdit, TMemo)
public:
    explicit TCustomRichEdit(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
};

class TRichEdit : public TCustomRichEdit {
    TAVIN_PUBLISHED_CLASS(TRichEdit, TCustomRichEdit)
public:
    using TCustomRichEdit::TCustomRichEdit;
};


// ---------------------------------------------------------------------------------------------
// The status bar over the system's status window: panels side by side, or one simple text.

class TCustomStatusBar;

TAVIN_ENUM(TStatusPanelStyle, psText, psOwnerDraw)

class TStatusPanel : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TStatusPanel, TCollectionItem)
public:
    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}
    const String& Text() const { return FText; }
    void SetText(const String& value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // An owner-drawn panel is painted by the bar's OnDrawPanel.
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle value);
    void Assign(const TPersistent* source) override;

private:
    String FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelStyle FStyle = psText;
};

class TStatusPanels : public TOwnedCollection {
    TAVIN_CLASS(TStatusPanels, TOwnedCollection)
public:
    explicit TStatusPanels(TCustomStatusBar* owner);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }

protected:
    void Update(TCollectionItem* item) override;
};

using TDrawPanelEvent = TEvent<TCustomStatusBar*, TStatusPanel*, TRect>;

class TCustomStatusBar : public TWinControl {
    TAVIN_CLASS(TCustomStatusBar, TWinControl)
public:
    explicit TCustomStatusBar(TComponent* owner);
    ~TCustomStatusBar() override;

    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels* value) { FPanels->Assign(value); }
    // One text across the whole bar instead of the panels.
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const String& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    // The bar shows the screen's hint font, as the system's own status bars do.
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool value);
    // The canvas an owner-drawn panel is painted on, over the device context of the paint.
    TCanvas* Canvas() const { return FCanvas.get(); }
    TDrawPanelEvent OnDrawPanel() const { return FOnDrawPanel; }
    void SetOnDrawPanel(TDrawPanelEvent e) { FOnDrawPanel = e; }

    // Hands the panels' widths and texts to the window.
    void UpdatePanels();
    // Has OnDrawPanel paint the panel on dc through the bar's canvas (locked meanwhile).
    void DrawPanel(HDC dc, TStatusPanel* panel, const TRect& rect);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TStatusPanels> FPanels;
    std::unique_ptr<TCanvas> FCanvas;
    bool FSimplePanel = false;
    String FSimpleText;
    bool FSizeGrip = true;
    bool FUseSystemFont = true;
    TDrawPanelEvent FOnDrawPanel;
};

#define TAVIN_STATUS_BAR_PROPERTIES \
    TAVIN_PROPERTY(TStatusPanels*, Panels); \
    TAVIN_PROPERTY(bool, SimplePanel).Default(false); \
    TAVIN_PROPERTY(String, SimpleText); \
    TAVIN_PROPERTY(bool, SizeGrip).Default(true); \
    TAVIN_PROPERTY(bool, UseSystemFont).Default(true); \
    TAVIN_PROPERTY(TDrawPanelEvent, OnDrawPanel);

class TStatusBar : public TCustomStatusBar {
    TAVIN_PUBLISHED_CLASS(TStatusBar, TCustomStatusBar)
public:
    using TCustomStatusBar::TCustomStatusBar;
};

// ---------------------------------------------------------------------------------------------
// The cool bar over the system's rebar: bands, each with a caption, a picture and a control.

class TCoolBar;

class TCoolBand : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TCoolBand, TCollectionItem)
public:
    explicit TCoolBand(TCollection* collection) : TCollectionItem(collection) {}
    const String& Text() const { return FText; }
    void SetText(const String& value);
    // A windowed control shown in the band; the band makes the bar its parent.
    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value);
    void Assign(const TPersistent* source) override;

private:
    friend class TCoolBar;
    String FText;
    TWinControl* FControl = nullptr;
    int FImageIndex = -1;
    int FWidth = 100;
    int FMinHeight = 25;
};

class TCoolBands : public TOwnedCollection {
    TAVIN_CLASS(TCoolBands, TOwnedCollection)
public:
    explicit TCoolBands(TCoolBar* owner);
    TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
    TCoolBand* Items(int index) const { return static_cast<TCoolBand*>(TCollection::Items(index)); }
    // The band showing the control; null when none does.
    TCoolBand* FindBand(const TComponent* control) const;

protected:
    void Update(TCollectionItem* item) override;
};

class TCoolBar : public TToolWindow {
    TAVIN_PUBLISHED_CLASS(TCoolBar, TToolWindow)
public:
    explicit TCoolBar(TComponent* owner);
    ~TCoolBar() override;

    TCoolBands* Bands() const { return FBands.get(); }
    void SetBands(TCoolBands* value) { FBands->Assign(value); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    // Bands stacked top to bottom instead of left to right.
    bool Vertical() const { return FVertical; }
    void SetVertical(bool value);
    // bsSingle: lines between the bands.
    TBorderStyle BandBorderStyle() const { return FBandBorderStyle; }
    void SetBandBorderStyle(TBorderStyle value);

    // Hands the bands to the window anew.
    void UpdateBands();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The rebar places the bands' controls.
    void AlignControls(TControl* control, TRect& rect) override;

private:
    void SendImages();

    std::unique_ptr<TCoolBands> FBands;
    TCustomImageList* FImages = nullptr;
    bool FVertical = false;
    TBorderStyle FBandBorderStyle = bsSingle;
};

// ---------------------------------------------------------------------------------------------
// The toolbar over the system's toolbar window: a row of buttons, each shown by the window as
// the button of the same index.

class TToolBar;

TAVIN_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton)
// Named apart from the image lists' drawing styles, which have a dsNormal of their own.
TAVIN_ENUM(TTBDrawingStyle, tbdsNormal, tbdsGradient)

class TToolButton : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TToolButton, TCollectionItem)
public:
    explicit TToolButton(TCollection* collection) : TCollectionItem(collection) {}
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // A check button's state.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // The row ends after this button.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Shown under the button when its arrow is pressed.
    TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
    void SetDropdownMenu(TPopupMenu* value);
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent e) { FOnClick = e; }
    void Assign(const TPersistent* source) override;

private:
    friend class TToolBar;
    TToolBar* ToolBar() const;
    String FCaption;
    int FImageIndex = -1;
    TToolButtonStyle FStyle = tbsButton;
    bool FEnabled = true;
    bool FDown = false;
    bool FWrap = false;
    bool FVisible = true;
    TPopupMenu* FDropdownMenu = nullptr;
    TNotifyEvent FOnClick;
};

class TToolButtons : public TOwnedCollection {
    TAVIN_CLASS(TToolButtons, TOwnedCollection)
public:
    explicit TToolButtons(TToolBar* owner);
    TToolButton* Add() { return static_cast<TToolButton*>(TCollection::Add()); }
    TToolButton* Items(int index) const { return static_cast<TToolButton*>(TCollection::Items(index)); }

protected:
    void Update(TCollectionItem* item) override;
};

class TToolBar : public TToolWindow {
    TAVIN_PUBLISHED_CLASS(TToolBar, TToolWindow)
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    TToolButtons* ToolButtons() const { return FButtons.get(); }
    void SetToolButtons(TToolButtons* value) { FButtons->Assign(value); }
    int ButtonCount() const { return FButtons->Count(); }
    TToolButton* Buttons(int index) const { return FButtons->Items(index); }

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TCustomImageList* value);
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);
    // Buttons show a face only while pressed, checked or under the mouse.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool value);
    // Buttons of style tbsTextButton show their caption even without ShowCaptions.
    bool AllowTextButtons() const { return FAllowTextButtons; }
    void SetAllowTextButtons(bool value);
    // Buttons that do not fit continue on the next row.
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool value);
    // Captions right of the pictures instead of below them.
    bool List() const { return FList; }
    void SetList(bool value);
    TTBDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TTBDrawingStyle value);

    // Hands the buttons to the window anew.
    void UpdateButtons();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolButton;
    bool ShowsCaption(const TToolButton* button) const;
    void SendImageLists();
    void SetImageList(TCustomImageList*& field, TCustomImageList* value);
    void SetStyleFlag(bool& field, bool value);
    void DropDown(int index);

    std::unique_ptr<TToolButtons> FButtons;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FHotImages = nullptr;
    TCustomImageList* FDisabledImages = nullptr;
    bool FFlat = true;
    bool FShowCaptions = false;
    bool FAllowTextButtons = false;
    bool FWrapable = true;
    bool FList = false;
    TTBDrawingStyle FDrawingStyle = tbdsNormal;
};

#define TAVIN_TOOL_BAR_PROPERTIES \
    TAVIN_PROPERTY(TToolButtons*, ToolButtons); \
    TAVIN_PROPERTY(TCustomImageList*, Images); \
    TAVIN_PROPERTY(TCustomImageList*, HotImages); \
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages); \
    TAVIN_PROPERTY(bool, Flat).Default(true); \
    TAVIN_PROPERTY(bool, ShowCaptions).Default(false); \
    TAVIN_PROPERTY(bool, AllowTextButtons).Default(false); \
    TAVIN_PROPERTY(bool, Wrapable).Default(true); \
    TAVIN_PROPERTY(bool, List).Default(false); \
    TAVIN_PROPERTY(TTBDrawingStyle, DrawingStyle).Default(tbdsNormal); \
    TAVIN_PROPERTY(TEdgeBorders, EdgeBorders).Default(TEdgeBorders{ebTop}); \
    TAVIN_PROPERTY(TEdgeStyle, EdgeInner).Default(esRaised); \
    TAVIN_PROPERTY(TEdgeStyle, EdgeOuter).Default(esLowered); \
    TAVIN_PROPERTY(int, BorderWidth).Default(0);
