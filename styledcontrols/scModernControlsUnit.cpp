// The scModernControls unit: the page viewer's page painted by the scroll box's style hook under
// a custom style.
#include "scModernControlsUnit.h"

#include "scPageViewer.h"
#include "scStyleHookTable.h"

namespace {

// The engine looks hooks up by the exact class: the page is named itself, not through its base.
const TscStyleHookPair Pairs[] = {
    {&TscPageViewerPage::StaticClass, &StyleHookClassOf<TscScrollBoxStyleHook>},
};

TscStyleHookTable Table(Pairs);

} // namespace

std::vector<TStyleHookRegistration> scModernControlsStyleHooks() { return Table.Registrations(); }

void scModernControlsInitialize()
{
    RegisterClasses({TscPageViewer::StaticClass(), TscPageViewerPage::StaticClass()});
    Table.Register();
}

void scModernControlsFinalize() { Table.Unregister(); }
