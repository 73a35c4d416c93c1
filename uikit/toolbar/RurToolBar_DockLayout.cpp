// Saving and restoring the layout of a dock panel's rows: which toolbar sits in which row, where,
// how large and whether it shows, in the INI file or registry key its Persistence names.
#include <algorithm>
#include <functional>

#include "Forms.h"
#include "IniFiles.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

// The toolbar of that name on the list (ignoring case), taken off it; null when none.
TRurCustomToolBar* TakeByName(TDbgList& list, const String& name)
{
    for (int i = 0; i < list.Count(); ++i) {
        auto* toolBar = list.Item<TRurCustomToolBar>(i);
        if (SameText(toolBar->Name(), name)) {
            list.Delete(i);
            return toolBar;
        }
    }
    return nullptr;
}

void CollectDockPanels(TWinControl* control, const TRurDockPanel* except, std::vector<TRurDockPanel*>& panels)
{
    for (int i = 0; i < control->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control->Controls(i));
        if (!child || child == except)
            continue;
        if (auto* panel = dynamic_cast<TRurDockPanel*>(child))
            panels.push_back(panel);
        CollectDockPanels(child, except, panels);
    }
}

} // namespace

void TRurDockPanel::SaveToolBarsPosition()
{
    std::unique_ptr<TCustomIniFile> store = OpenPersistenceStore(*FPersistence, ComponentState().Contains(csDesigning));
    if (!store)
        return;
    const String& section = FPersistence->Section();
    int inRows = 0;
    for (int r = 0; r < FRows->Count(); ++r)
        inRows += FRows->Items(r)->ToolBarCount();
    store->WriteInteger(section, u"ToolBarCount", inRows + FHiddenToolBars.Count());
    store->WriteInteger(section, u"RowCount", FRows->Count());
    int c = 1;
    auto write = [&](const TRurCustomToolBar* toolBar) {
        const String n = toolBar->Name();
        store->WriteString(section, u"Name" + IntToStr(c++), n);
        store->WriteInteger(section, n + u".Row", toolBar->Row());
        store->WriteInteger(section, n + u".Left", toolBar->Left());
        store->WriteInteger(section, n + u".Top", toolBar->Top());
        store->WriteInteger(section, n + u".Width", toolBar->Width());
        store->WriteInteger(section, n + u".Height", toolBar->Height());
        store->WriteInteger(section, n + u".Visible", toolBar->Visible() ? 1 : 0);
    };
    for (int r = 0; r < FRows->Count(); ++r)
        for (int i = 0; i < FRows->Items(r)->ToolBarCount(); ++i)
            write(FRows->Items(r)->ToolBar(i));
    for (int i = 0; i < FHiddenToolBars.Count(); ++i)
        write(FHiddenToolBars.Item<TRurCustomToolBar>(i));
    // Written now, so a store that cannot be written reports it to the caller.
    store->UpdateFile();
}

void TRurDockPanel::LoadToolBarsPosition()
{
    std::unique_ptr<TCustomIniFile> store = OpenPersistenceStore(*FPersistence, ComponentState().Contains(csDesigning));
    if (!store)
        return;
    const String& section = FPersistence->Section();
    // Each toolbar's own settings first: one may float away here.
    TDbgList docked;
    for (int r = 0; r < FRows->Count(); ++r)
        for (int i = 0; i < FRows->Items(r)->ToolBarCount(); ++i)
            docked.Add(FRows->Items(r)->ToolBar(i));
    for (int i = 0; i < docked.Count(); ++i)
        if (auto* toolBar = docked.Item<TRurCustomToolBar>(i); !toolBar->PersistSettingLoaded())
            toolBar->LoadPosition();
    TDbgList available;
    for (int r = 0; r < FRows->Count(); ++r)
        for (int i = 0; i < FRows->Items(r)->ToolBarCount(); ++i)
            available.Add(FRows->Items(r)->ToolBar(i));
    // Hidden toolbars are in no row, yet the store names them too.
    for (int i = 0; i < FHiddenToolBars.Count(); ++i)
        if (available.IndexOf(FHiddenToolBars.GetItemsEx(i)) < 0)
            available.Add(FHiddenToolBars.GetItemsEx(i));
    const int count = store->ReadInteger(section, u"ToolBarCount", 0);
    if (count <= 0)
        return;
    // A damaged count must not make thousands of rows: no layout has more rows than toolbars.
    const int rowCount = std::clamp(store->ReadInteger(section, u"RowCount", FRows->Count()), 0,
                                    std::max(count, FRows->Count()));
    FRows->Clear();
    for (int r = 0; r < rowCount; ++r)
        FRows->Add();
    std::vector<TRurDockPanel*> others;
    if (TCustomForm* form = GetParentForm())
        CollectDockPanels(form, this, others);
    for (int n = 1; n <= count; ++n) {
        const String name = store->ReadString(section, u"Name" + IntToStr(n), Name());
        TRurCustomToolBar* toolBar = TakeByName(available, name);
        for (size_t p = 0; !toolBar && p < others.size(); ++p) {
            TDbgList theirs;
            for (int i = 0; i < others[p]->RurToolBarCount(); ++i)
                theirs.Add(others[p]->RurToolBars(i));
            toolBar = TakeByName(theirs, name);
            if (toolBar) {
                // Docked here as usual, then out of the row that docking gave it: the store says
                // where it goes.
                toolBar->SetParent(this);
                if (toolBar->CurrentDock() != this)
                    toolBar = nullptr;
                else if (const int r = FRows->IsToolBarAlreadyAdded(toolBar); r >= 0)
                    FRows->Items(r)->RemoveToolBar(toolBar, true);
            }
        }
        if (!toolBar)
            continue;
        // The keys carry the stored name (a toolbar found on another panel may differ in case).
        const String& key = name;
        const int row = store->ReadInteger(section, key + u".Row", toolBar->Row());
        const int left = store->ReadInteger(section, key + u".Left", toolBar->Left());
        const int top = store->ReadInteger(section, key + u".Top", toolBar->Top());
        const int width = store->ReadInteger(section, key + u".Width", toolBar->Width());
        const int height = store->ReadInteger(section, key + u".Height", toolBar->Height());
        const bool visible = store->ReadInteger(section, key + u".Visible", toolBar->Visible() ? 1 : 0) != 0;
        // A hidden toolbar keeps its row index only, so it comes back there once shown.
        toolBar->SetRow(row);
        if (visible && row >= 0 && row < FRows->Count())
            FRows->Items(row)->FToolBarList.Add(toolBar);
        const bool old = toolBar->AllowBoundChange();
        toolBar->SetAllowBoundChange(true);
        if (toolBar->Width() != width)
            toolBar->SetWidth(width);
        if (toolBar->Left() != left)
            toolBar->SetLeft(left);
        if (toolBar->Top() != top)
            toolBar->SetTop(top);
        if (toolBar->Height() != height)
            toolBar->SetHeight(height);
        toolBar->SetAllowBoundChange(old);
        if (toolBar->Visible() != visible)
            toolBar->SetVisible(visible);
    }
    for (int r = FRows->Count() - 1; r >= 0; --r)
        FRows->DeleteRowIfEmpty(FRows->Items(r));
    // Toolbars the store does not name, and shown ones whose stored row is gone, get a row of
    // their own at the end rather than none.
    for (int i = 0; i < FToolBars.Count(); ++i)
        if (TRurCustomToolBar* toolBar = RurToolBars(i); toolBar->Visible() && FRows->IsToolBarAlreadyAdded(toolBar) < 0)
            FRows->Add()->AddToolBar(toolBar);
    FRows->ArrangeRows();
    for (int i = 0; i < FToolBars.Count(); ++i)
        if (TRurCustomToolBar* toolBar = RurToolBars(i); toolBar->Visible()) {
            toolBar->ArrangeControls(true);
            toolBar->UpdateHiddenControls();
        }
}
