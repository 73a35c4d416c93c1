#pragma once
// The dock panel: the strip along one edge of a form in which toolbars dock. It keeps them in rows
// (TRowCollection), sizes itself to its rows, paints the dock background from its toolbar styler,
// passes the styler on to the toolbars it holds, and saves and restores the layout of its rows.
//
// Sources: RurToolBar_DockPanel.cpp (the panel), RurToolBar_DockLayout.cpp (saving and
// restoring the layout).
#include <memory>

#include "Controls.h"
#include "Graphics.h"
#include "Menus.h"
#include "RurStyleIF.h"
#include "RurToolBar_DockRows.h"
#include "RurToolBar_Lists.h"
#include "RurToolBar_Persistence.h"
#include "RurToolBar_Types.h"

class TCustomRurToolBarStyler;
class TRurCustomToolBar;

// A window control whose windowless children a painter can render into a DC of its own.
class TWinCtrl : public TWinControl {
    TAVIN_CLASS(TWinCtrl, TWinControl)
public:
    using TWinControl::TWinControl;
    // Paints the windowless children from first (null: all) into dc.
    void PaintCtrls(HDC dc, TControl* first) { PaintControls(dc, first); }
};

// Paints control's windowless children into dc (the way painters reach a parent's look).
void PaintChildControls(TWinControl* control, HDC dc, TControl* first);

class TRurDockPanel : public TCustomControl, public IRujTones {
    TAVIN_PUBLISHED_CLASS(TRurDockPanel, TCustomControl)
public:
    explicit TRurDockPanel(TComponent* owner);
    ~TRurDockPanel() override;

    // The edge the panel docks to; every docked toolbar turns to it.
    TDockAlign Align() const { return FDockAlign; }
    void SetAlign(TDockAlign value);
    bool IsVertical() const { return FDockAlign == daLeft || FDockAlign == daRight; }
    // Thickness without rows; 0 or less is ignored.
    int MinimumSize() const { return FMinimumSize; }
    void SetMinimumSize(int value);
    // Once loaded at run time: docking joins existing rows only, no drag opens or removes a row,
    // and the panel keeps its size.
    bool LockHeight() const { return FLockHeight; }
    void SetLockHeight(bool value) { FLockHeight = value; }
    bool IsLocked() const;
    bool UseRunTimeHeight() const { return FUseRunTimeHeight; }
    void SetUseRunTimeHeight(bool value);
    TPersistence* Persistence() const { return FPersistence.get(); }
    void SetPersistence(TPersistence* value) { FPersistence->Assign(value); }
    TCustomRurToolBarStyler* ToolBarStyler() const { return FToolBarStyler; }
    void SetToolBarStyler(TCustomRurToolBarStyler* value);
    TCustomRurToolBarStyler* CurrentToolBarStyler() const { return FCurrentToolBarStyler; }
    TCustomRurToolBarStyler* InternalToolBarStyler() const { return FInternalToolBarStyler; }
    // A kit pop-up menu takes the styler's menu styler.
    TPopupMenu* PopupMenu() const { return TCustomControl::PopupMenu(); }
    void SetPopupMenu(TPopupMenu* value);
    String Version() const { return u"6.8.3.4"; }
    void SetVersion(const String&) {}
    int GetVersionNr() const { return 101188356; }
    bool PropertiesLoaded() const { return FPropertiesLoaded; }

    TRowCollection* Rows() const { return FRows.get(); }
    int RowCount() const { return FRows->Count(); }
    int RurToolBarCount() const { return FToolBars.Count(); }
    // Index-guarded as the unit's lists are.
    TRurCustomToolBar* RurToolBars(int index) const { return FToolBars.Item<TRurCustomToolBar>(index); }
    const TDbgList& HiddenToolBars() const { return FHiddenToolBars; }
    // Extra space after the last row, and the rows' inset at both ends.
    int OffSetX() const { return FOffSetX; }
    int OffSetY() const { return FOffSetY; }

    // Called by the toolbar when its parent becomes the panel: its position in the row it joined,
    // 0 while loading, -1 when a locked panel has no row for it (then it is not registered).
    int AddRurToolBar(TRurCustomToolBar* toolBar);
    void RemoveRurToolBar(TRurCustomToolBar* toolBar);
    // A docked toolbar's requested move or resize, turned into the row rules.
    void AdjustToolBarBounds(TRurCustomToolBar* toolBar, int& left, int& top, int& width, int& height);
    void ToolBarVisibilityChanged(TRurCustomToolBar* toolBar);
    void ToolBarFullSizeChanged(TRurCustomToolBar* toolBar);
    // The row a toolbar may join on a locked panel, or -1.
    int FindAllowedRow(const TRurCustomToolBar* toolBar) const;
    void ArrangeChangedRows();
    TBitmap* GetDockImage() const { return FMyImage.get(); }
    void StylerChanged(int kind);
    void SetColorTones(const TColorTones& tones) override;
    // Packs every row; puts every visible toolbar into one row.
    void ArrangeToolBars();
    void StackToolBars();
    // The layout of the rows in the store Persistence names; errors of the store pass through.
    void LoadToolBarsPosition();
    void SaveToolBarsPosition();

    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;
    void Paint() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;

private:
    void PersistenceChanged(TObject* sender);
    // Saves once, when the panel goes; errors of the store stay inside.
    void SaveLayoutOnce();
    void PaintBackground(TCanvas* canvas);
    void ApplyPopupMenuStyler();
    void SortDesignedToolBars(TDbgList& sorted) const;
    void RotateGlowButtons(TRurCustomToolBar* toolBar) const;
    void CopyPersistenceTo(TRurCustomToolBar* toolBar) const;
    void ApplyStyleTones();

    std::unique_ptr<TBitmap> FMyImage;
    TCustomRurToolBarStyler* FInternalToolBarStyler;
    TCustomRurToolBarStyler* FToolBarStyler = nullptr;
    TCustomRurToolBarStyler* FCurrentToolBarStyler;
    TDockAlign FDockAlign = daTop;
    std::unique_ptr<TRowCollection> FRows;
    int FOffSetY = 0;
    int FOffSetX = 1;
    TDbgList FToolBars;
    TDbgList FHiddenToolBars;
    std::unique_ptr<TPersistence> FPersistence;
    int FMinimumSize = 3;
    bool FLockHeight = false;
    bool FPropertiesLoaded = false;
    bool FUseRunTimeHeight = false;
    bool FLayoutSaved = false;
};
