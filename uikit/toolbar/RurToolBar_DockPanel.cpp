// The dock panel: registration of docked toolbars, the styler link, painting, loading and sizing.
#include "RurToolBar_DockPanel.h"

#include "Forms.h"
#include "RurMenus_Components.h"
#include "RurToolBar_Colors.h"
#include "RurGlowButton.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

TAVIN_PUBLISHED(TRurDockPanel)
{
    TAVIN_PROPERTY(TDockAlign, Align).Default(daTop);
    TAVIN_PROPERTY(int, MinimumSize);
    TAVIN_PROPERTY(bool, LockHeight);
    TAVIN_PROPERTY(TPersistence*, Persistence);
    TAVIN_PROPERTY(TPopupMenu*, PopupMenu);
    TAVIN_PROPERTY(TCustomRurToolBarStyler*, ToolBarStyler);
    TAVIN_PROPERTY(bool, UseRunTimeHeight);
    TAVIN_PROPERTY(String, Version).Stored(false);
}

void PaintChildControls(TWinControl* control, HDC dc, TControl* first) { control->PaintControls(dc, first); }

namespace {

constexpr TAlign FrameworkAlign[] = {alLeft, alTop, alRight, alBottom};

} // namespace

TRurDockPanel::TRurDockPanel(TComponent* owner)
    : TCustomControl(owner), FMyImage(std::make_unique<TBitmap>()),
      FInternalToolBarStyler(new TCustomRurToolBarStyler(this)), FCurrentToolBarStyler(FInternalToolBarStyler),
      FRows(std::make_unique<TRowCollection>(this)), FPersistence(std::make_unique<TPersistence>(this))
{
    TControlStyle style = ControlStyle();
    style.Exclude(csCaptureMouse);
    style.Exclude(csClickEvents);
    style.Exclude(csOpaque);
    style.Include(csAcceptsControls);
    SetControlStyle(style);
    TCustomControl::SetAlign(alTop);
    FInternalToolBarStyler->SetName(u"InternalStyler");
    FInternalToolBarStyler->AddControl(this);
    FPersistence->SetOnChange(MakeHandler<&TRurDockPanel::PersistenceChanged>(this));
    SetDoubleBuffered(true);
}

TRurDockPanel::~TRurDockPanel()
{
    Destroying();
    SaveLayoutOnce();
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler)
        FToolBarStyler->RemoveControl(this);
    FToolBarStyler = nullptr;
    FCurrentToolBarStyler = FInternalToolBarStyler;
    // Docked toolbars destroyed with the panel must find no rows to leave.
    FRows->Clear();
    FToolBars.Clear();
    FHiddenToolBars.Clear();
}

void TRurDockPanel::SaveLayoutOnce()
{
    if (FLayoutSaved || !FPersistence->Enabled() || ComponentState().Contains(csDesigning))
        return;
    FLayoutSaved = true;
    try {
        SaveToolBarsPosition();
    } catch (const Exception&) {
        // A store that cannot be written must not cut the destruction short; calling
        // SaveToolBarsPosition directly reports it.
    }
}

bool TRurDockPanel::IsLocked() const
{
    return FLockHeight && !ComponentState().Contains(csDesigning) && FPropertiesLoaded;
}

// ---- Properties --------------------------------------------------------------------------------

void TRurDockPanel::SetAlign(TDockAlign value)
{
    if (value == FDockAlign)
        return;
    FDockAlign = value;
    TCustomControl::SetAlign(FrameworkAlign[static_cast<int>(value)]);
    for (int i = 0; i < FToolBars.Count(); ++i)
        RurToolBars(i)->SetPosition(value);
}

void TRurDockPanel::SetMinimumSize(int value)
{
    if (value <= 0 || value == FMinimumSize)
        return;
    FMinimumSize = value;
    if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        FRows->UpdateDockSize();
}

void TRurDockPanel::SetUseRunTimeHeight(bool value)
{
    if (value == FUseRunTimeHeight)
        return;
    FUseRunTimeHeight = value;
    FRows->ArrangeRows();
}

void TRurDockPanel::SetParent(TWinControl* parent)
{
    if (dynamic_cast<TRurDockPanel*>(parent) || dynamic_cast<TRurCustomToolBar*>(parent))
        throw Exception(u"Invalid Parent");
    TCustomControl::SetParent(parent);
}

void TRurDockPanel::PersistenceChanged(TObject*)
{
    for (int r = 0; r < FRows->Count(); ++r) {
        TRowCollectionItem* row = FRows->Items(r);
        for (int i = 0; i < row->ToolBarCount(); ++i)
            CopyPersistenceTo(row->ToolBar(i));
    }
}

void TRurDockPanel::CopyPersistenceTo(TRurCustomToolBar* toolBar) const
{
    TPersistence* p = toolBar->Persistence();
    p->SetEnabled(FPersistence->Enabled());
    p->SetKey(FPersistence->Key());
    p->SetLocation(FPersistence->Location());
}

// ---- Styler link -------------------------------------------------------------------------------

void TRurDockPanel::SetToolBarStyler(TCustomRurToolBarStyler* value)
{
    if (value && value == FToolBarStyler)
        return;
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler) {
        FToolBarStyler->RemoveControl(this);
        FToolBarStyler->RemoveFreeNotification(this);
    }
    FToolBarStyler = value;
    if (value) {
        FCurrentToolBarStyler = value;
        value->AddControl(this);
        value->FreeNotification(this);
    } else {
        FCurrentToolBarStyler = FInternalToolBarStyler;
    }
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying)) {
        // Toolbars that follow their parent take the new styler.
        for (int i = 0; i < FToolBars.Count(); ++i) {
            TRurCustomToolBar* toolBar = RurToolBars(i);
            toolBar->SetParentStyler(toolBar->ParentStyler());
            toolBar->Invalidate();
        }
    }
    ApplyPopupMenuStyler();
    Invalidate();
}

void TRurDockPanel::StylerChanged(int kind)
{
    SetColor(FCurrentToolBarStyler->DockColor()->Color());
    if (kind == 6)
        ApplyPopupMenuStyler();
    Invalidate();
}

void TRurDockPanel::SetColorTones(const TColorTones&) { Invalidate(); }

void TRurDockPanel::SetPopupMenu(TPopupMenu* value)
{
    TCustomControl::SetPopupMenu(value);
    ApplyPopupMenuStyler();
}

void TRurDockPanel::ApplyPopupMenuStyler()
{
    if (!dynamic_cast<TRurPopupMenu*>(TCustomControl::PopupMenu()) || !FCurrentToolBarStyler)
        return;
    if (IRurMenu* menu = GetRurMenuIntf(TCustomControl::PopupMenu()))
        menu->SetMenuStyler(FCurrentToolBarStyler->CurrentRurMenuStyler());
}

void TRurDockPanel::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    const bool destroying = ComponentState().Contains(csDestroying);
    if (component == FToolBarStyler) {
        if (destroying) {
            FToolBarStyler = nullptr;
            FCurrentToolBarStyler = FInternalToolBarStyler;
        } else {
            SetToolBarStyler(nullptr);
        }
    }
    // Only looked up by address: the toolbar may be half destroyed. Forgotten even while the
    // panel goes too, so nothing keeps pointing at it.
    if (FToolBars.IndexOf(component) < 0 && FHiddenToolBars.IndexOf(component) < 0)
        return;
    // The form frees its components last-made first and tells their siblings before: the first
    // docked toolbar to go makes a panel that goes too save its layout, while all are whole.
    if (destroying)
        SaveLayoutOnce();
    for (int r = 0; r < FRows->Count(); ++r)
        if (FRows->Items(r)->ToolBars().IndexOf(component) >= 0) {
            FRows->Items(r)->FToolBarList.Remove(component);
            if (!destroying) {
                FRows->Items(r)->ArrangeToolBars();
                FRows->DeleteRowIfEmpty(FRows->Items(r));
            }
            break;
        }
    FToolBars.Remove(component);
    FHiddenToolBars.Remove(component);
}

// ---- Docked toolbars ---------------------------------------------------------------------------

void TRurDockPanel::RotateGlowButtons(TRurCustomToolBar* toolBar) const
{
    for (int i = 0; i < toolBar->ToolBarControlCount(); ++i)
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(toolBar->ToolBarControls(i)))
            glow->SetIsRotated(IsVertical());
}

int TRurDockPanel::AddRurToolBar(TRurCustomToolBar* toolBar)
{
    int row = -1;
    if (IsLocked()) {
        row = FindAllowedRow(toolBar);
        if (row < 0)
            return -1;
    }
    toolBar->SetCurrentDock(nullptr);
    toolBar->SetPosition(FDockAlign);
    toolBar->SetCurrentDock(this);
    if (FToolBars.IndexOf(toolBar) < 0)
        FToolBars.Add(toolBar);
    toolBar->FreeNotification(this);
    int result = 0;
    if (row >= 0)
        result = FRows->Items(row)->AddToolBar(toolBar);
    else if (!ComponentState().Contains(csLoading))
        result = FRows->Add()->AddToolBar(toolBar);
    RotateGlowButtons(toolBar);
    CopyPersistenceTo(toolBar);
    return result;
}

void TRurDockPanel::RemoveRurToolBar(TRurCustomToolBar* toolBar)
{
    if (!ComponentState().Contains(csLoading)) {
        const int r = toolBar->Row();
        if (r >= 0 && r < FRows->Count())
            FRows->Items(r)->RemoveToolBar(toolBar, true);
    }
    FToolBars.Remove(toolBar);
    FHiddenToolBars.Remove(toolBar);
}

int TRurDockPanel::FindAllowedRow(const TRurCustomToolBar* toolBar) const
{
    const int n = FRows->Count();
    const bool fromLast = FDockAlign == daLeft || FDockAlign == daTop;
    for (int k = 0; k < n; ++k) {
        const int r = fromLast ? n - 1 - k : k;
        if (FRows->Items(r)->IsAllowed(toolBar))
            return r;
    }
    return -1;
}

void TRurDockPanel::AdjustToolBarBounds(TRurCustomToolBar* toolBar, int& left, int& top, int& width, int& height)
{
    if (ComponentState().Contains(csDestroying) || ComponentState().Contains(csLoading) || !toolBar->Visible() ||
        toolBar->Row() < 0)
        return;
    // The row placement only for a toolbar its row holds: a stale row index must not raise out
    // of SetBounds.
    auto holdingRow = [&]() -> TRowCollectionItem* {
        const int r = toolBar->Row();
        if (r < 0 || r >= FRows->Count() || FRows->Items(r)->ToolBars().IndexOf(toolBar) < 0)
            return nullptr;
        return FRows->Items(r);
    };
    if (!IsVertical()) {
        FRows->SetToolBarTopAndHeight(toolBar, top, height);
        if (TRowCollectionItem* row = holdingRow())
            row->SetToolBarLeftAndWidth(toolBar, left, width);
    } else {
        FRows->SetToolBarLeftAndWidth(toolBar, left, width);
        if (TRowCollectionItem* row = holdingRow())
            row->SetToolBarTopAndHeight(toolBar, top, height);
    }
}

void TRurDockPanel::ToolBarVisibilityChanged(TRurCustomToolBar* toolBar)
{
    if (toolBar->Visible())
        FHiddenToolBars.Remove(toolBar);
    else if (FHiddenToolBars.IndexOf(toolBar) < 0)
        FHiddenToolBars.Add(toolBar);
    FRows->UpdateToolBarVisibility(toolBar);
}

void TRurDockPanel::ToolBarFullSizeChanged(TRurCustomToolBar* toolBar) { FRows->MoveToOwnRow(toolBar); }

void TRurDockPanel::ArrangeChangedRows()
{
    for (int r = 0; r < FRows->Count(); ++r)
        if (FRows->Items(r)->NeedsArrange())
            FRows->Items(r)->ArrangeToolBars();
}

void TRurDockPanel::ArrangeToolBars() { FRows->PackToolBars(); }

void TRurDockPanel::StackToolBars()
{
    TDbgList visible;
    for (int i = 0; i < FToolBars.Count(); ++i)
        if (RurToolBars(i)->Visible())
            visible.Add(RurToolBars(i));
    FRows->Clear();
    TRowCollectionItem* row = FRows->Add();
    int at = 0;
    for (int i = 0; i < visible.Count(); ++i) {
        auto* toolBar = visible.Item<TRurCustomToolBar>(i);
        row->FToolBarList.Add(toolBar);
        toolBar->SetRow(0);
        if (IsVertical()) {
            toolBar->SetBounds(0, at, toolBar->Width(), toolBar->Height());
            at += toolBar->Height();
        } else {
            toolBar->SetBounds(at, 0, toolBar->Width(), toolBar->Height());
            at += toolBar->Width();
        }
    }
    FRows->ArrangeRows();
}

// ---- Loading, sizing, painting -----------------------------------------------------------------

void TRurDockPanel::SortDesignedToolBars(TDbgList& sorted) const
{
    const bool vertical = IsVertical();
    auto greater = [vertical](const TRurCustomToolBar* a, const TRurCustomToolBar* b) {
        const int a1 = vertical ? a->Left() : a->Top(), b1 = vertical ? b->Left() : b->Top();
        const int a2 = vertical ? a->Top() : a->Left(), b2 = vertical ? b->Top() : b->Left();
        return a1 > b1 || (a1 == b1 && a2 > b2);
    };
    for (int i = 0; i < FToolBars.Count(); ++i) {
        TRurCustomToolBar* toolBar = RurToolBars(i);
        int at = 0;
        while (at < sorted.Count() && !greater(sorted.Item<TRurCustomToolBar>(at), toolBar))
            ++at;
        sorted.Insert(at, toolBar);
    }
}

void TRurDockPanel::Loaded()
{
    TCustomControl::Loaded();
    // The rows are built from the designed places (the inherited Loaded ended the loading state,
    // so the places go through the row rules, which merge toolbars that share a row).
    TDbgList sorted;
    SortDesignedToolBars(sorted);
    for (int i = 0; i < sorted.Count(); ++i) {
        auto* toolBar = sorted.Item<TRurCustomToolBar>(i);
        RotateGlowButtons(toolBar);
        // The form scales its children after they are loaded, by one ratio for both axes, so the
        // designed Left and Top are taken as they stand, alike.
        const int left = toolBar->Left(), top = toolBar->Top();
        FRows->Add()->AddToolBar(toolBar);
        toolBar->SetBounds(left, top, toolBar->Width(), toolBar->Height());
    }
    if (FPersistence->Enabled() && !ComponentState().Contains(csDesigning))
        LoadToolBarsPosition();
    FPropertiesLoaded = true;
    if (!ComponentState().Contains(csDesigning) && IsVclStyled(CurrentStyleServices(), false) &&
        StyleElements().Contains(seClient))
        ApplyStyleTones();
}

void TRurDockPanel::ApplyStyleTones()
{
    TColorTones tones{};
    GetVclStyleTones(tones);
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    s->DockColor()->SetColor(tones.Background.BrushColor);
    s->DockColor()->SetColorTo(tones.Background.BrushColor);
    s->SetRoundEdges(false);
    s->SetRightHandleColor(tones.Background.BrushColor);
    s->SetRightHandleColorTo(tones.Background.BrushColor);
    s->SetRightHandleColorHot(tones.Hover.BrushColor);
    s->SetRightHandleColorHotTo(tones.Hover.BrushColor);
    s->SetRightHandleColorDown(tones.Selected.BrushColor);
    s->SetRightHandleColorDownTo(tones.Selected.BrushColor);
    s->Color()->SetColor(tones.Background.BrushColor);
    s->Color()->SetColorTo(tones.Background.BrushColor);
    auto passTones = [&tones](TWinControl* parent) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* toned = dynamic_cast<IRujTones*>(parent->Controls(i)))
                toned->SetColorTones(tones);
    };
    passTones(this);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* toolBar = dynamic_cast<TRurCustomToolBar*>(Controls(i)))
            passTones(toolBar);
}

void TRurDockPanel::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    TCustomForm* form = GetParentForm();
    if (form && HandleAllocated() && !DPIScaleComputed) {
        DPIScalingEnabled = form->Scaled();
        UpdateDPIScale(form->Monitor() ? form->Monitor()->PixelsPerInch() : form->PixelsPerInch());
    }
}

void TRurDockPanel::ChangeScale(int m, int d, bool isDpiChange)
{
    // The toolbars scale as children do, but by the rows' rules afterwards, not by a drag.
    for (int i = 0; i < FToolBars.Count(); ++i)
        RurToolBars(i)->SetAllowBoundChange(true);
    try {
        TCustomControl::ChangeScale(m, d, isDpiChange);
    } catch (...) {
        for (int i = 0; i < FToolBars.Count(); ++i)
            RurToolBars(i)->SetAllowBoundChange(false);
        throw;
    }
    for (int i = 0; i < FToolBars.Count(); ++i)
        RurToolBars(i)->SetAllowBoundChange(false);
    FRows->ArrangeRows();
}

void TRurDockPanel::Resize()
{
    TCustomControl::Resize();
    // The rows follow the panel's size.
    FRows->ArrangeRows();
}

void TRurDockPanel::PaintBackground(TCanvas* canvas)
{
    const TRect r{0, 0, Width(), Height()};
    const TGradientBackground* dock = FCurrentToolBarStyler->DockColor();
    if (dock->ColorTo() == clNone) {
        canvas->Brush()->SetColor(dock->Color());
        canvas->Pen()->SetColor(dock->Color());
        canvas->Rectangle(r);
    } else {
        DrawGradient(canvas, dock->Color(), dock->ColorTo(), dock->Steps(), r, dock->Direction() == gdHorizontal);
    }
    TBitmap* picture = FCurrentToolBarStyler->BackGround();
    if (picture->Empty())
        return;
    const int w = picture->Width(), h = picture->Height();
    switch (FCurrentToolBarStyler->BackGroundDisplay()) {
    case bdTile:
        for (int y = 1; y < Height() - 2; y += h)
            for (int x = 1; x < Width() - 2; x += w)
                canvas->Draw(x, y, picture);
        break;
    case bdCenter:
        canvas->Draw((Width() - w) / 2, (Height() - h) / 2, picture);
        break;
    case bdStretch:
        canvas->StretchDraw(TRect{2, 2, Width() - 2, Height() - 2}, picture);
        break;
    }
}

void TRurDockPanel::Paint()
{
    FMyImage->SetSize(Width(), Height());
    PaintBackground(FMyImage->Canvas());
    Canvas()->Draw(0, 0, FMyImage.get());
}
