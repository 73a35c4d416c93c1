// The scExtControls unit: at start-up its controls paired with the style hooks that paint them
// under a custom style; at shut-down the pairs go again, in the same order.
#include "scExtControlsUnit.h"

#include "scComboBoxStyleHook.h"
#include "scFontBoxes.h"
#include "scFrameBar.h"
#include "scListBoxStyleHook.h"
#include "scScrollBox.h"
#include "scStyleHookTable.h"

namespace {

const TscStyleHookPair Pairs[] = {
    {&TscFontComboBox::StaticClass, &StyleHookClassOf<TscComboBoxStyleHook>},
    {&TscFontSizeComboBox::StaticClass, &StyleHookClassOf<TscComboBoxStyleHook>},
    {&TscFontListBox::StaticClass, &StyleHookClassOf<TscListBoxStyleHook>},
    {&TscScrollBox::StaticClass, &StyleHookClassOf<TscScrollBoxStyleHook>},
    {&TscFrameBar::StaticClass, &StyleHookClassOf<TscScrollBoxStyleHook>},
};

TscStyleHookTable Table(Pairs);

} // namespace

std::vector<TStyleHookRegistration> scExtControlsStyleHooks() { return Table.Registrations(); }

void scExtControlsInitialize()
{
    RegisterClasses({TscFontListBox::StaticClass(), TscFontComboBox::StaticClass(), TscFontSizeComboBox::StaticClass(),
                     TscScrollBox::StaticClass(), TscFrameBar::StaticClass()});
    Table.Register();
}

void scExtControlsFinalize() { Table.Unregister(); }
