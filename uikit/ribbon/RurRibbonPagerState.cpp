// Collapsing the ribbon to its caption and tab row and expanding it again, and keeping that state
// between runs.
#include "RurRibbonPager.h"

#include "IniFiles.h"

void TRurToolBarPager::SetExpandedState(bool value)
{
    if (value && !FExpanded) {
        SetHeight(FExpandedHeight);
        FExpanded = true;
        FOnExpand(this);
    } else if (!value && FExpanded) {
        FExpandedHeight = Height();
        const int collapsed = GetPageRect().Top;
        FExpanded = false;
        SetHeight(collapsed);
        FOnCollaps(this);
    }
    if (value) {
        // Pages and tabs are laid out again.
        const int width = Width();
        SetWidth(100);
        SetWidth(width);
    }
    UpdateExpandCollapseButton();
}

void TRurToolBarPager::SaveState()
{
    std::unique_ptr<TCustomIniFile> store =
        OpenPersistenceStore(*FPersistence, ComponentState().Contains(csDesigning));
    if (!store)
        return;
    store->WriteInteger(FPersistence->Section(), u"Minimized", FExpanded ? 0 : 1);
    store->WriteInteger(FPersistence->Section(), u"ShowQATBelow", ShowQATBelow() ? 1 : 0);
    store->UpdateFile();
}

void TRurToolBarPager::LoadState()
{
    std::unique_ptr<TCustomIniFile> store =
        OpenPersistenceStore(*FPersistence, ComponentState().Contains(csDesigning));
    if (!store)
        return;
    // A stored 0 never expands a ribbon that is collapsed already.
    if (store->ReadInteger(FPersistence->Section(), u"Minimized", FExpanded ? 0 : 1) > 0)
        Collaps();
    if (store->ReadInteger(FPersistence->Section(), u"ShowQATBelow", ShowQATBelow() ? 1 : 0) > 0)
        SetShowQATBelow(true);
}
