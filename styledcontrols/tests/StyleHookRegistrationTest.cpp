// The kit's start-up pairs each styled wrapper with its style hook; shut-down removes the pairs.
#include <gtest/gtest.h>

#include <algorithm>

#include "Forms.h"
#include "TestStyle.h"
#include "scColorBoxes.h"
#include "scComboBoxExStyleHook.h"
#include "scControlsUnit.h"
#include "scListBoxStyleHook.h"
#include "scListView.h"
#include "scListViewStyleHook.h"
#include "scMemo.h"
#include "scTreeView.h"
#include "scTreeViewStyleHook.h"

namespace {

bool IsRegistered(const TStyleHookRegistration& pair)
{
    const auto all = TCustomStyleEngine::RegisteredStyleHooks();
    return std::find(all.begin(), all.end(), pair) != all.end();
}

} // namespace

TEST(StyleHookRegistrationTest, EachWrapperClassFindsItsOwnHook)
{
    const struct {
        TClass Control;
        TStyleHookClass Hook;
    } cases[] = {
        {TscMemo::StaticClass(), StyleHookClassOf<TscScrollingStyleHook>()},
        {TscCustomListBox::StaticClass(), StyleHookClassOf<TscListBoxStyleHook>()},
        {TscListBox::StaticClass(), StyleHookClassOf<TscListBoxStyleHook>()},
        {TscCheckListBox::StaticClass(), StyleHookClassOf<TscListBoxStyleHook>()},
        {TscColorListBox::StaticClass(), StyleHookClassOf<TscListBoxStyleHook>()},
        {TscComboBox::StaticClass(), StyleHookClassOf<TscComboBoxStyleHook>()},
        {TscColorBox::StaticClass(), StyleHookClassOf<TscComboBoxStyleHook>()},
        {TscCustomComboBoxEx::StaticClass(), StyleHookClassOf<TscComboBoxExStyleHook>()},
        {TscComboBoxEx::StaticClass(), StyleHookClassOf<TscComboBoxExStyleHook>()},
        {TscCustomListView::StaticClass(), StyleHookClassOf<TscListViewStyleHook>()},
        {TscListView::StaticClass(), StyleHookClassOf<TscListViewStyleHook>()},
        {TscTreeView::StaticClass(), StyleHookClassOf<TscTreeViewStyleHook>()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.Control->ClassName()));
        EXPECT_EQ(TCustomStyleEngine::FindStyleHook(c.Control), c.Hook);
    }
    // Lookups are by the exact class: the framework classes the wrappers extend get no kit hook.
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TCustomTreeView::StaticClass()), nullptr);
}

TEST(StyleHookRegistrationTest, PairsComeInTheirOrderGoAtShutDownAndComeBackOnce)
{
    const auto pairs = scControlsStyleHooks();
    ASSERT_EQ(pairs.size(), 12u);
    // Registered in the unit's order.
    const auto all = TCustomStyleEngine::RegisteredStyleHooks();
    auto at = all.begin();
    for (const auto& pair : pairs) {
        at = std::find(at, all.end(), pair);
        ASSERT_NE(at, all.end()) << ToUtf8(pair.ControlClass->ClassName());
    }

    scControlsFinalize();
    for (const auto& pair : pairs)
        EXPECT_FALSE(IsRegistered(pair)) << ToUtf8(pair.ControlClass->ClassName());
    scControlsFinalize(); // nothing left to remove

    scControlsInitialize();
    EXPECT_NO_THROW(scControlsInitialize()); // once, however often it runs
    for (const auto& pair : pairs)
        EXPECT_TRUE(IsRegistered(pair)) << ToUtf8(pair.ControlClass->ClassName());
}

TEST(StyleHookRegistrationTest, ALiveListBoxAndTreeTakeTheirHooksWithTheStyle)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    auto* list = new TscCheckListBox(&form);
    list->SetParent(&form);
    auto* tree = new TscTreeView(&form);
    tree->SetParent(&form);
    form.HandleNeeded();
    EXPECT_EQ(list->StyleHook(), nullptr);
    {
        TActiveTestStyle style;
        EXPECT_NE(dynamic_cast<TscListBoxStyleHook*>(list->StyleHook()), nullptr);
        EXPECT_NE(dynamic_cast<TscTreeViewStyleHook*>(tree->StyleHook()), nullptr);
    }
    EXPECT_EQ(list->StyleHook(), nullptr);
    EXPECT_EQ(tree->StyleHook(), nullptr);
}
