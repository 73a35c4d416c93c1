// A form with every styled list wrapper, shown under the system style and then under the test
// style. With TAVIN_DEMO_HOLD_MS set, each look stays on screen that long (for a screenshot).
#include <gtest/gtest.h>

#include <cstdlib>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "TestStyle.h"
#include "scColorBoxes.h"
#include "scComboBoxStyleHook.h"
#include "scMemo.h"
#include "scTreeView.h"

namespace {

template <class T>
T* Place(TForm* form, int left, int top, int width, int height)
{
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}

void Hold()
{
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
}

} // namespace

TEST(ListWrappersDemoTest, EveryWrapperShowsUnderTheSystemAndTheTestStyle)
{
    TCustomStyleEngine::RegisterStyleHook(TscComboBox::StaticClass(), StyleHookClassOf<TscComboBoxStyleHook>());
    auto* form = new TForm(Application);
    form->SetBounds(40, 40, 700, 420);
    form->SetCaption(u"Styled lists");

    auto* list = Place<TscListBox>(form, 10, 10, 160, 150);
    list->SetTitleDivider(u"|");
    list->SetShowLines(true);
    list->SetItemHeight(36);
    for (const char16_t* s : {u"Alpha|first item", u"Beta|second item", u"Gamma|third item", u"Delta|fourth item"})
        list->Items()->Add(s);
    list->SetItemIndex(1);

    auto* checks = Place<TscCheckListBox>(form, 180, 10, 160, 150);
    checks->SetAllowGrayed(true);
    for (const char16_t* s : {u"Unchecked", u"Checked", u"Grayed"})
        checks->Items()->Add(s);
    checks->SetState(1, cbChecked);
    checks->SetState(2, cbGrayed);
    checks->SetItemIndex(0);

    auto* tree = Place<TscTreeView>(form, 350, 10, 160, 150);
    tree->SetCheckBoxes(true);
    tree->SetHideSelection(false);
    TTreeNode* root = tree->Items()->Add(nullptr, u"Documents");
    tree->Items()->AddChild(root, u"Letters");
    TTreeNode* folder = tree->Items()->AddChild(root, u"Reports");
    tree->Items()->AddChild(folder, u"2026");
    tree->Items()->Add(root, u"Pictures");

    auto* memo = Place<TscMemo>(form, 520, 10, 160, 150);
    memo->SetPromptText(u"Notes go here");

    auto* combo = Place<TscComboBox>(form, 10, 180, 160, 24);
    combo->SetStyle(csDropDownList);
    for (const char16_t* s : {u"One", u"Two", u"Three"})
        combo->Items()->Add(s);
    combo->SetItemIndex(1);
    auto* editable = Place<TscComboBox>(form, 10, 220, 160, 24);
    editable->Items()->Add(u"Editable");
    editable->SetItemIndex(0);

    auto* colors = Place<TscColorListBox>(form, 180, 180, 160, 150);
    colors->SetSelected(clRed);
    auto* colorBox = Place<TscColorBox>(form, 350, 180, 160, 24);
    colorBox->SetStyleKind(scscbPushButton);
    colorBox->SetSelected(clBlue);
    auto* bar = Place<TscScrollBar>(form, 10, 340, 330, 18);
    bar->SetPosition(40);

    ASSERT_TRUE(ShowActive(form));
    root->Expand(true);
    Hold();
    {
        TActiveTestStyle style;
        form->Repaint();
        EXPECT_NE(combo->StyleHook(), nullptr);
        EXPECT_TRUE(tree->OnAdvancedCustomDrawItem());
        Hold();
    }
    delete form;
    TCustomStyleEngine::UnRegisterStyleHook(TscComboBox::StaticClass(), StyleHookClassOf<TscComboBoxStyleHook>());
}
