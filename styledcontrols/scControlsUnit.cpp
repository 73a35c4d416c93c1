// The scControls unit: at start-up the kit's classes for form resources and every styled wrapper
// paired with the style hook that paints it under a custom style; at shut-down the pairs go again.
#include "scControlsUnit.h"

#include "scColorBoxes.h"
#include "scControls.h"
#include "scCoolBar.h"
#include "scComboBoxExStyleHook.h"
#include "scListBoxStyleHook.h"
#include "scListView.h"
#include "scListViewStyleHook.h"
#include "scMemo.h"
#include "scRichEdit.h"
#include "scScrollBarStyleHook.h"
#include "scStatusBar.h"
#include "scToolBar.h"
#include "scStyleHookTable.h"
#include "scTreeView.h"
#include "scTreeViewStyleHook.h"
#include "scUpDownStyleHook.h"

namespace {

// In registration order. The engine looks hooks up by the exact class, so an abstract base and
// its published class are both named.
const TscStyleHookPair Pairs[] = {
    {&TscStatusBar::StaticClass, &StyleHookClassOf<TscStatusBarStyleHook>},
    {&TscCoolBar::StaticClass, &StyleHookClassOf<TscCoolBarStyleHook>},
    {&TscToolBar::StaticClass, &StyleHookClassOf<TscToolBarStyleHook>},
    {&TscMemo::StaticClass, &StyleHookClassOf<TscScrollingStyleHook>},
    {&TscCustomListBox::StaticClass, &StyleHookClassOf<TscListBoxStyleHook>},
    {&TscListBox::StaticClass, &StyleHookClassOf<TscListBoxStyleHook>},
    {&TscCheckListBox::StaticClass, &StyleHookClassOf<TscListBoxStyleHook>},
    {&TscColorListBox::StaticClass, &StyleHookClassOf<TscListBoxStyleHook>},
    {&TscComboBox::StaticClass, &StyleHookClassOf<TscComboBoxStyleHook>},
    {&TscColorBox::StaticClass, &StyleHookClassOf<TscComboBoxStyleHook>},
    {&TscCustomComboBoxEx::StaticClass, &StyleHookClassOf<TscComboBoxExStyleHook>},
    {&TscComboBoxEx::StaticClass, &StyleHookClassOf<TscComboBoxExStyleHook>},
    {&TscCustomListView::StaticClass, &StyleHookClassOf<TscListViewStyleHook>},
    {&TscListView::StaticClass, &StyleHookClassOf<TscListViewStyleHook>},
    {&TscTreeView::StaticClass, &StyleHookClassOf<TscTreeViewStyleHook>},
    {&TscUpDown::StaticClass, &StyleHookClassOf<TscUpDownStyleHook>},
    {&TscScrollBar::StaticClass, &StyleHookClassOf<TscScrollBarStyleHook>},
    {&TscRichEdit::StaticClass, &StyleHookClassOf<TscRichEditStyleHook>},
};

// Shut-down removes the toolbar's pair before the cool bar's and the tree view's before the list
// view's.
constexpr size_t RemovalOrder[] = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16, 17};
static_assert(std::size(RemovalOrder) == std::size(Pairs));

TscStyleHookTable Table(Pairs, RemovalOrder);

} // namespace

std::vector<TStyleHookRegistration> scControlsStyleHooks() { return Table.Registrations(); }

void scControlsInitialize()
{
    RegisterClasses({TscPanel::StaticClass(), TscLabel::StaticClass(), TscButton::StaticClass()});
    Table.Register();
}

void scControlsFinalize() { Table.Unregister(); }
