#pragma once
// The rows of a dock panel: which docked toolbar sits in which row and where along it. The rows
// compute their rectangles and the panel's size, and resolve gaps and overlaps inside a row by
// moving, shrinking and growing toolbars; while a toolbar is dragged they decide whether it stays
// in its row, moves to another one or opens a new one, and push its neighbours along the row.
//
// Terms of a horizontal dock (a vertical dock reads Top for Left, Height for Width): the gap
// between neighbours A and B is B.Left - A.Left - A.Width - OffSetX (from the row's start for the
// first toolbar, to the row's end for the last); a negative gap is an overlap. Every move and
// resize the rows make runs with the toolbar's bound-change permission set, so it does not come
// back to them through the toolbar's SetBounds.
//
// Sources: RurToolBar_DockRows.cpp (rows and arrangement), RurToolBar_DockDrag.cpp (the drag
// rules).
#include "Classes.h"
#include "RurToolBar_Lists.h"

class TRurDockPanel;
class TRurCustomToolBar;
class TRowCollection;

// Fired by a row's destructor with the collection and the row's index.
using TOnDeleteItemEvent = TEvent<TObject*, int>;

class TRowCollectionItem : public TCollectionItem {
    TAVIN_CLASS(TRowCollectionItem, TCollectionItem)
public:
    explicit TRowCollectionItem(TCollection* collection);
    ~TRowCollectionItem() override;

    // The toolbars of the row in along-row order.
    const TDbgList& ToolBars() const { return FToolBarList; }
    int ToolBarCount() const { return FToolBarList.Count(); }
    TRurCustomToolBar* ToolBar(int index) const { return FToolBarList.Item<TRurCustomToolBar>(index); }
    // Appends the toolbar and places it after the last one; its position in the row, or -1 (and
    // nothing done) when it is in the row already or not allowed.
    int AddToolBar(TRurCustomToolBar* toolBar);
    // Puts the toolbar before the first one lying further along; true when inserted before
    // another, false when appended or refused (missing, present, full-size or not allowed).
    bool InsertToolBar(TRurCustomToolBar* toolBar);
    // Ignored for a toolbar not in the row; the toolbar keeps its row index.
    void RemoveToolBar(TRurCustomToolBar* toolBar, bool deleteIfEmpty);
    // A row starting with a full-size toolbar takes no other; a full-size toolbar only an empty row.
    bool IsAllowed(const TRurCustomToolBar* toolBar) const;
    // Closes gaps a toolbar may grow into and resolves overlaps.
    void ArrangeToolBars();
    // Whether ArrangeToolBars would change anything.
    bool NeedsArrange() const;
    // The largest thickness of its toolbars, at least 26.
    int Height() const;
    const TRect& RowRect() const { return FRowRect; }
    void SetRowRect(const TRect& value) { FRowRect = value; }
    // Gap between neighbours a and b (either null for the row's ends; 0 for both null).
    int GetGap(const TRurCustomToolBar* a, const TRurCustomToolBar* b) const;
    // The drag along the row: corrects the requested left and width (top and height on a vertical
    // dock) in place. Raises "Invalid ToolBar Index" for a toolbar the row does not hold.
    void SetToolBarLeftAndWidth(TRurCustomToolBar* toolBar, int& left, int& width);
    void SetToolBarTopAndHeight(TRurCustomToolBar* toolBar, int& top, int& height);

private:
    friend class TRowCollection;
    friend class TRurDockPanel;
    TRowCollection* Rows() const;
    TRurDockPanel* Panel() const;
    bool Vertical() const;
    int OffSetX() const;
    // Along-row start and length of a toolbar, and of the row rectangle.
    int Pos(const TRurCustomToolBar* t) const;
    int Len(const TRurCustomToolBar* t) const;
    int RowStart() const;
    int RowEnd() const;
    int Grow(const TRurCustomToolBar* t) const;
    int Shrink(const TRurCustomToolBar* t) const;
    int GapAt(int index) const;      // gap before the toolbar at index (index may be Count)
    int GapAfter(int index) const;   // gap after the toolbar at index
    // Moves and resizes with the bound-change permission set.
    void MoveBy(int index, int delta) const;
    void MoveRangeBy(int from, int to, int delta) const;
    void ResizeBy(int index, int delta) const;
    void SetPos(TRurCustomToolBar* t, int pos) const;
    void SetLen(TRurCustomToolBar* t, int len) const;
    void SetAcross(TRurCustomToolBar* t, int pos) const;
    void FitFullSize(TRurCustomToolBar* t) const;
    // Phase 1 step 5 and phase 2: the overlap e < 0 at c is taken from gaps before, then shrink rooms.
    void ResolveOverlap(int c, int& e) const;
    void DragBackward(int i, int requested);
    void DragForward(int i, int requested);
    void ResizeAlong(int i, int length);
    void Place(TRurCustomToolBar* toolBar, int& pos, int& len);

    TDbgList FToolBarList;
    TRect FRowRect{};
};

class TRowCollection : public TCollection {
    TAVIN_CLASS(TRowCollection, TCollection)
public:
    explicit TRowCollection(TRurDockPanel* owner);

    TRowCollectionItem* Add();
    TRowCollectionItem* Insert(int index);
    TRowCollectionItem* Items(int index) const { return static_cast<TRowCollectionItem*>(TCollection::Items(index)); }
    TRurDockPanel* Panel() const { return FOwner; }
    // The row holding the toolbar, or -1.
    int IsToolBarAlreadyAdded(const TRurCustomToolBar* toolBar) const;
    // Raises "Invalid Row Index" for an index outside the rows.
    void MoveToolBarToRow(TRurCustomToolBar* toolBar, int index);
    // The drag across rows: may move the toolbar to another row or open one; corrects the
    // requested top (left on a vertical dock) and applies a changed thickness.
    void SetToolBarTopAndHeight(TRurCustomToolBar* toolBar, int& top, int& height);
    void SetToolBarLeftAndWidth(TRurCustomToolBar* toolBar, int& left, int& width);
    // Lays the rows out one after the other, arranges each and sizes the panel.
    void ArrangeRows();
    void UpdateDockSize();
    // Arranges every row and puts its visible toolbars end to end.
    void PackToolBars();
    // A toolbar turning full-size gets a row of its own at its row's place.
    void MoveToOwnRow(TRurCustomToolBar* toolBar);
    // An empty row goes (not on a locked panel).
    void DeleteRowIfEmpty(TRowCollectionItem* row);
    // A hidden toolbar leaves its row; a shown one without a row goes back.
    void UpdateToolBarVisibility(TRurCustomToolBar* toolBar);

    int OffSetY() const { return FOffSetY; }
    int OffSetX() const { return FOffSetX; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    TOnDeleteItemEvent OnDeleteItem() const { return FOnDeleteItem; }
    void SetOnDeleteItem(TOnDeleteItemEvent value) { FOnDeleteItem = value; }

protected:
    TPersistent* GetOwner() const override;

private:
    bool Vertical() const;
    bool Locked() const;
    // The toolbar leaves its row and goes into a new row made at index.
    void MoveToNewRow(TRurCustomToolBar* toolBar, int index);
    void ChangeRow(TRurCustomToolBar* toolBar, int& across, int& thickness);

    TRurDockPanel* FOwner;
    TNotifyEvent FOnChange;
    TOnDeleteItemEvent FOnDeleteItem;
    int FOffSetY = 1;
    int FOffSetX = 2;
};
