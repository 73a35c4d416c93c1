// A form with every styled list wrapper, shown under the system style and then under the test
// style. With TAVIN_DEMO_HOLD_MS set, each look stays on screen that long (for a screenshot).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "TestStyle.h"
#include "scColorBoxes.h"
#include "scComboBoxEx.h"
#include "scListView.h"
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

void Hold(const char* look)
{
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS")) {
        std::fprintf(stderr, "holding: %s\n", look);
        PumpFor(std::atoi(hold));
    }
}

} // namespace

TEST(ListWrappersDemoTest, EveryWrapperShowsUnderTheSystemAndTheTestStyle)
{
    auto* form = new TForm(Application);
    form->SetBounds(40, 40, 900, 420);
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
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    for (int i = 1; i <= 14; ++i)
        memo->Lines()->Add(u"Line " + IntToStr(i) + u" of the memo, long enough to scroll sideways");

    auto* combo = Place<TscComboBox>(form, 10, 180, 160, 24);
    combo->SetStyle(csDropDownList);
    for (const char16_t* s : {u"One", u"Two", u"Three"})
        combo->Items()->Add(s);
    combo->SetItemIndex(1);
    auto* editable = Place<TscComboBox>(form, 10, 220, 160, 24);
    editable->Items()->Add(u"Editable");
    editable->SetItemIndex(0);

    auto* images = new TCustomImageList(form);
    images->SetSize(12, 12);
    for (TColor color : {clRed, clGreen, clBlue}) {
        TBitmap swatch;
        swatch.SetSize(12, 12);
        swatch.Canvas()->Brush()->SetColor(color);
        swatch.Canvas()->FillRect(TRect(0, 0, 12, 12));
        images->Add(&swatch, nullptr);
    }
    auto* extended = Place<TscComboBoxEx>(form, 10, 260, 160, 24);
    extended->SetStyle(csExDropDownList);
    extended->SetImages(images);
    extended->ItemsEx()->AddItem(u"Red key", 0);
    extended->ItemsEx()->AddItem(u"Green request", 1, -1, -1, 1);
    extended->ItemsEx()->AddItem(u"Blue file", 2, -1, -1, 2);
    extended->SetItemIndex(1);

    auto* colors = Place<TscColorListBox>(form, 180, 180, 160, 150);
    colors->SetSelected(clRed);
    auto* colorBox = Place<TscColorBox>(form, 350, 180, 160, 24);
    colorBox->SetStyleKind(scscbPushButton);
    colorBox->SetSelected(clBlue);
    auto* bar = Place<TscScrollBar>(form, 10, 340, 330, 18);
    bar->SetPosition(40);

    auto* view = Place<TscListView>(form, 520, 180, 360, 180);
    view->SetViewStyle(vsReport);
    view->SetCheckboxes(true);
    view->SetGridLines(true);
    view->SetAlternateRow(true);
    view->SetExtendedColumnDraw(true);
    view->SetRowSelect(true);
    view->SetHideSelection(false);
    const struct {
        const char16_t* Caption;
        int Width;
        NativeInt Tag;
    } columns[] = {{u"Name", 110, 0}, {u"Progress", 120, 1}, {u"Done", 60, 2}};
    for (const auto& c : columns) {
        TListColumn* column = view->Columns()->Add();
        column->SetCaption(c.Caption);
        column->SetWidth(c.Width);
        column->SetTag(c.Tag);
    }
    const struct {
        const char16_t *Name, *Progress, *Done;
    } rows[] = {{u"Key pair", u"100", u"1"}, {u"Request", u"60", u"0"}, {u"Files", u"25", u"0"}, {u"Upload", u"-", u"-"},
                {u"Archive", u"80", u"1"}, {u"Backup", u"5", u"0"},   {u"Check", u"45", u"0"},
                {u"Clean", u"90", u"1"},   {u"Deploy", u"10", u"0"},  {u"Email", u"70", u"1"},
                {u"Finish", u"0", u"0"}};
    for (const auto& r : rows) {
        TListItem* item = view->Items()->Add();
        item->SetCaption(r.Name);
        item->SubItems()->Add(r.Progress);
        item->SubItems()->Add(r.Done);
    }
    view->Items()->Item(0)->SetChecked(true);
    view->Items()->Item(1)->SetSelected(true);

    ASSERT_TRUE(ShowActive(form));
    root->Expand(true);
    Hold("system style");
    {
        TActiveTestStyle style;
        form->Repaint();
        EXPECT_NE(combo->StyleHook(), nullptr);
        EXPECT_NE(extended->StyleHook(), nullptr);
        EXPECT_NE(checks->StyleHook(), nullptr);
        EXPECT_NE(tree->StyleHook(), nullptr);
        EXPECT_TRUE(tree->OnAdvancedCustomDrawItem());
        Hold("test style");
    }
    delete form;
}
