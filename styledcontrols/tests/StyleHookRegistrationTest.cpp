// The kit's start-up pairs each styled wrapper with its style hook; shut-down removes the pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Forms.h"
#include "TestStyle.h"
#include "scColorBoxes.h"
#include "scComboBoxExStyleHook.h"
#include "scControlsUnit.h"
#include "scCoolBar.h"
#include "scFontBoxes.h"
#include "scFrameBar.h"
#include "scExtControlsUnit.h"
#include "scModernControlsUnit.h"
#include "scPageViewer.h"
#include "scListBoxStyleHook.h"
#include "scListView.h"
#include "scListViewStyleHook.h"
#include "scMemo.h"
#include "scRichEdit.h"
#include "scScrollBarStyleHook.h"
#include "scScrollBox.h"
#include "scStatusBar.h"
#include "scToolBar.h"
#include "scTreeView.h"
#include "scTreeViewStyleHook.h"
#include "scUpDownStyleHook.h"

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
        {TscStatusBar::StaticClass(), StyleHookClassOf<TscStatusBarStyleHook>()},
        {TscCoolBar::StaticClass(), StyleHookClassOf<TscCoolBarStyleHook>()},
        {TscToolBar::StaticClass(), StyleHookClassOf<TscToolBarStyleHook>()},
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
        {TscUpDown::StaticClass(), StyleHookClassOf<TscUpDownStyleHook>()},
        {TscScrollBar::StaticClass(), StyleHookClassOf<TscScrollBarStyleHook>()},
        {TscRichEdit::StaticClass(), StyleHookClassOf<TscRichEditStyleHook>()},
        {TscFontComboBox::StaticClass(), StyleHookClassOf<TscComboBoxStyleHook>()},
        {TscFontSizeComboBox::StaticClass(), StyleHookClassOf<TscComboBoxStyleHook>()},
        {TscFontListBox::StaticClass(), StyleHookClassOf<TscListBoxStyleHook>()},
        {TscScrollBox::StaticClass(), StyleHookClassOf<TscScrollBoxStyleHook>()},
        {TscFrameBar::StaticClass(), StyleHookClassOf<TscScrollBoxStyleHook>()},
        {TscPageViewerPage::StaticClass(), StyleHookClassOf<TscScrollBoxStyleHook>()},
    };
    // The three units' tables together are exactly these pairs, in this order.
    std::vector<TStyleHookRegistration> tables = scControlsStyleHooks();
    for (const auto& more : {scExtControlsStyleHooks(), scModernControlsStyleHooks()})
        tables.insert(tables.end(), more.begin(), more.end());
    ASSERT_EQ(tables.size(), std::size(cases));
    for (size_t i = 0; i < tables.size(); ++i) {
        SCOPED_TRACE(ToUtf8(cases[i].Control->ClassName()));
        EXPECT_EQ(tables[i], (TStyleHookRegistration{cases[i].Control, cases[i].Hook}));
        EXPECT_EQ(TCustomStyleEngine::FindStyleHook(cases[i].Control), cases[i].Hook);
    }
    // Lookups are by the exact class: the framework classes the wrappers extend get no kit hook,
    // and a page keeps its hook without its base class's pair.
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TCustomTreeView::StaticClass()), nullptr);
    scExtControlsFinalize();
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TscScrollBox::StaticClass()), nullptr);
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TscPageViewerPage::StaticClass()), StyleHookClassOf<TscScrollBoxStyleHook>());
    scExtControlsInitialize();
    TCustomStyleEngine::UnRegisterStyleHook(TscScrollBox::StaticClass(), StyleHookClassOf<TscScrollBoxStyleHook>());
    EXPECT_EQ(TCustomStyleEngine::FindStyleHook(TscFrameBar::StaticClass()), StyleHookClassOf<TscScrollBoxStyleHook>());
    scExtControlsFinalize();
    scExtControlsInitialize();
}

TEST(StyleHookRegistrationTest, PairsComeInTheirOrderGoAtShutDownAndComeBackOnce)
{
    const struct {
        const char* Unit;
        std::vector<TStyleHookRegistration> Pairs;
        size_t Count;
        void (*Initialize)();
        void (*Finalize)();
    } units[] = {
        {"scControls", scControlsStyleHooks(), 18, &scControlsInitialize, &scControlsFinalize},
        {"scExtControls", scExtControlsStyleHooks(), 5, &scExtControlsInitialize, &scExtControlsFinalize},
        {"scModernControls", scModernControlsStyleHooks(), 1, &scModernControlsInitialize, &scModernControlsFinalize},
    };
    for (const auto& unit : units) {
        SCOPED_TRACE(unit.Unit);
        ASSERT_EQ(unit.Pairs.size(), unit.Count);
        // Registered in the unit's order.
        const auto all = TCustomStyleEngine::RegisteredStyleHooks();
        auto at = all.begin();
        for (const auto& pair : unit.Pairs) {
            at = std::find(at, all.end(), pair);
            ASSERT_NE(at, all.end()) << ToUtf8(pair.ControlClass->ClassName());
        }

        unit.Finalize();
        for (const auto& pair : unit.Pairs)
            EXPECT_FALSE(IsRegistered(pair)) << ToUtf8(pair.ControlClass->ClassName());
        unit.Finalize(); // nothing left to remove

        unit.Initialize();
        EXPECT_NO_THROW(unit.Initialize()); // once, however often it runs
        for (const auto& pair : unit.Pairs)
            EXPECT_TRUE(IsRegistered(pair)) << ToUtf8(pair.ControlClass->ClassName());
    }
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
