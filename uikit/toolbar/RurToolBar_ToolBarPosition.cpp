// What a toolbar keeps of itself between runs in its INI file or registry key: whether it floated
// and where, its floating rows, its visibility, and which of its named controls were shown.
#include "IniFiles.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

constexpr int FloatingState = 1;

} // namespace

std::unique_ptr<TCustomIniFile> TRurCustomToolBar::OpenPositionStore() const
{
    // Toolbars without a name would all share one set of keys: they keep nothing.
    if (Name().empty())
        return nullptr;
    return OpenPersistenceStore(*FPersistence, ComponentState().Contains(csDesigning));
}

void TRurCustomToolBar::SavePosition()
{
    std::unique_ptr<TCustomIniFile> store = OpenPositionStore();
    if (!store)
        return;
    const String& section = FPersistence->Section();
    const String n = Name();
    if (FToolBarState == tsFloating) {
        const TPoint at = GetPosition();
        store->WriteString(section, n + u".Name", n);
        store->WriteInteger(section, n + u".State", FloatingState);
        store->WriteInteger(section, n + u".FloatingRows", FFloatingRows);
        store->WriteInteger(section, n + u".Left", at.X);
        store->WriteInteger(section, n + u".Top", at.Y);
        store->WriteInteger(section, n + u".Width", Width());
        store->WriteInteger(section, n + u".Height", Height());
        store->WriteInteger(section, n + u".Visible", Visible() ? 1 : 0);
    } else if (SameText(store->ReadString(section, n + u".Name", String()), n) &&
               store->ReadInteger(section, n + u".State", 0) == FloatingState) {
        // Floating at the last save, not now: it must not come back floating.
        store->WriteInteger(section, n + u".State", static_cast<int>(FToolBarState));
    }
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!control->Name().empty())
            store->WriteInteger(section, n + u"." + control->Name(), control->Visible() ? 1 : 0);
    }
    // Written now, so a store that cannot be written reports it to the caller.
    store->UpdateFile();
}

void TRurCustomToolBar::LoadPosition()
{
    std::unique_ptr<TCustomIniFile> store = OpenPositionStore();
    if (!store)
        return;
    const String& section = FPersistence->Section();
    const String n = Name();
    const String storedName = store->ReadString(section, n + u".Name", String());
    if (!storedName.empty() && SameText(storedName, n) &&
        store->ReadInteger(section, n + u".State", 0) == FloatingState) {
        const int rows = store->ReadInteger(section, n + u".FloatingRows", FFloatingRows);
        const int left = store->ReadInteger(section, n + u".Left", Left());
        const int top = store->ReadInteger(section, n + u".Top", Top());
        SetToolBarFloating(Point(left, top));
        if (rows > FFloatingRows)
            SetFloatingRows(rows);
        const bool visible = store->ReadInteger(section, n + u".Visible", Visible() ? 1 : 0) != 0;
        if (visible != Visible())
            SetVisible(visible);
    }
    bool changed = false;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (control->Name().empty())
            continue;
        const bool visible = store->ReadInteger(section, n + u"." + control->Name(), control->Visible() ? 1 : 0) != 0;
        if (visible != control->Visible()) {
            control->SetVisible(visible);
            changed = true;
        }
    }
    if (changed)
        ArrangeControls(true);
    FPersistSettingLoaded = true;
}
