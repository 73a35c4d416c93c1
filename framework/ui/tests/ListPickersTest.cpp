// The tree view, the check list box and the colour pickers: what they keep across their window's
// life and what they report.
#include <gtest/gtest.h>

#include "CheckLst.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "support/GuiTestSupport.h"

namespace {

class ListPickers : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.SetBounds(30, 30, 300, 240);
        Form.HandleNeeded();
    }
    template <class T>
    T* Add()
    {
        auto* c = new T(&Form);
        c->SetParent(&Form);
        c->SetBounds(10, 10, 200, 160);
        return c;
    }
    TForm Form{nullptr};
};

} // namespace

TEST_F(ListPickers, TreeNodesKeepTheirShapeTextStateAndExpansionAcrossANewWindow)
{
    auto* tree = Add<TTreeView>();
    TTreeNode* root = tree->Items()->Add(nullptr, u"root");
    TTreeNode* child = tree->Items()->AddChild(root, u"child");
    TTreeNode* grandchild = tree->Items()->AddChild(child, u"grandchild");
    TTreeNode* second = tree->Items()->Add(root, u"second");
    tree->HandleNeeded();
    root->Expand(false);
    child->SetStateIndex(2);
    tree->SetSelected(child);

    tree->SetShowRoot(false); // a new window
    EXPECT_EQ(TreeView_GetCount(tree->Handle()), 4u);
    EXPECT_TRUE(root->Expanded());
    EXPECT_FALSE(child->Expanded());
    EXPECT_EQ(tree->Selected(), child);
    EXPECT_EQ(tree->GetNodeAt(child->DisplayRect(true).Left + 2, child->DisplayRect(true).Top + 2), child);
    EXPECT_EQ(child->StateIndex(), 2);
    EXPECT_EQ(TreeView_GetItemState(tree->Handle(), child->ItemId(), TVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));

    EXPECT_EQ(grandchild->Level(), 2);
    EXPECT_EQ(second->AbsoluteIndex(), 3);
    EXPECT_EQ(root->GetNextSibling(), second);
    EXPECT_EQ(root->GetNextVisible(), child);
    EXPECT_EQ(child->GetNextVisible(), second); // the grandchild is collapsed away

    tree->Items()->Delete(child);
    EXPECT_EQ(tree->Items()->Count(), 2);
    EXPECT_EQ(TreeView_GetCount(tree->Handle()), 2u);
    EXPECT_FALSE(root->HasChildren());
}

TEST_F(ListPickers, CheckListStatesFollowTheItemsAndTheUsersClicks)
{
    auto* list = Add<TCheckListBox>();
    list->SetAllowGrayed(true);
    for (const char16_t* s : {u"a", u"b", u"c"})
        list->Items()->Add(s);
    list->SetState(1, cbGrayed);
    list->SetChecked(2, true);
    list->Items()->Delete(0);
    EXPECT_EQ(list->State(0), cbGrayed);
    EXPECT_TRUE(list->Checked(1));
    list->Items()->Insert(0, u"new");
    EXPECT_EQ(list->State(0), cbUnchecked);
    EXPECT_EQ(list->State(1), cbGrayed);
    EXPECT_EQ(list->State(7), cbUnchecked);

    int clicks = 0;
    list->SetOnClickCheck([&](TObject*) { ++clicks; });
    ASSERT_TRUE(ShowActive(&Form));
    const TRect item = list->ItemRect(0);
    const LPARAM onBox = MAKELPARAM(item.Left + 5, item.Top + 3);
    const TCheckBoxState cycle[] = {cbChecked, cbGrayed, cbUnchecked};
    for (TCheckBoxState expected : cycle) {
        PostMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onBox);
        PostMessageW(list->Handle(), WM_LBUTTONUP, 0, onBox);
        EXPECT_TRUE(PumpUntil([&] { return list->State(0) == expected; }, 2000));
    }
    EXPECT_EQ(clicks, 3);
}

TEST_F(ListPickers, ColourPickersListTheStylesColoursAndSelectByColour)
{
    struct TCase {
        TColorBoxStyle Style;
        int Count;
        const char16_t* First;
        TColor FirstColor;
    } cases[] = {
        {{cbStandardColors}, 16, u"clBlack", clBlack},
        {{cbStandardColors, cbExtendedColors, cbPrettyNames}, 20, u"Black", clBlack},
        {{cbSystemColors, cbIncludeNone, cbPrettyNames}, 31, u"None", clBlack},
        {{cbCustomColor, cbIncludeDefault, cbStandardColors}, 18, u"Custom...", clBlack},
    };
    auto* box = Add<TColorBox>();
    auto* list = Add<TColorListBox>();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Count);
        box->SetColorStyle(c.Style);
        list->SetColorStyle(c.Style);
        EXPECT_EQ(box->ColorCount(), c.Count);
        EXPECT_EQ(list->Items()->Count(), c.Count);
        EXPECT_EQ(box->ColorNames(0), String(c.First));
        EXPECT_EQ(list->Colors(0), c.FirstColor);
    }
    box->SetColorStyle({cbStandardColors, cbExtendedColors});
    box->SetSelected(clSkyBlue);
    EXPECT_EQ(box->ColorNames(box->ItemIndex()), String(u"clSkyBlue"));
    EXPECT_EQ(box->Selected(), clSkyBlue);
    box->SetColorStyle({cbStandardColors}); // no longer listed
    EXPECT_EQ(box->ItemIndex(), -1);
}
