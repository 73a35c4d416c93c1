#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scTreeView.h"

namespace {

// Reaches the user's check change the way the keyboard and mouse handlers do.
class TProbeTreeView : public TscTreeView {
    TAVIN_CLASS(TProbeTreeView, TscTreeView)
public:
    using TscTreeView::TscTreeView;
    void UserChecked(TTreeNode* node, bool checked) { NodeCheckedChanged(node, checked); }
};

struct TTreeForm {
    TTreeForm()
    {
        Form = new TForm(Application);
        Form->SetBounds(100, 100, 320, 260);
        Tree = new TProbeTreeView(Form);
        Tree->SetParent(Form);
        Tree->SetBounds(10, 10, 220, 200);
        Root = Tree->Items()->Add(nullptr, u"Root");
        Child = Tree->Items()->AddChild(Root, u"Child");
        Leaf = Tree->Items()->AddChild(Child, u"Leaf");
        Other = Tree->Items()->Add(Root, u"Other");
    }
    ~TTreeForm() { delete Form; }
    TTreeForm(const TTreeForm&) = delete;
    TTreeForm& operator=(const TTreeForm&) = delete;
    TForm* Form;
    TProbeTreeView* Tree;
    TTreeNode *Root, *Child, *Leaf, *Other;
};

void SetNativeState(TscTreeView* tree, TTreeNode* node, UINT state)
{
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = node->ItemId();
    item.stateMask = TVIS_STATEIMAGEMASK;
    item.state = state;
    SendMessageW(tree->Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

} // namespace

TEST(StyledTreeViewTest, ARepairedCheckStateIsTheAnswerAndTheSubtreeFollows)
{
    TTreeForm f;
    f.Tree->SetCheckBoxes(true);
    f.Tree->HandleNeeded();
    f.Root->SetStateIndex(2);
    SetNativeState(f.Tree, f.Root, INDEXTOSTATEIMAGEMASK(1)); // the control lost the mark
    EXPECT_TRUE(f.Tree->GetChecked(f.Root));
    EXPECT_TRUE(f.Tree->GetChecked(f.Root));

    f.Tree->SetChecked(f.Root, false);
    f.Tree->SetChecked(f.Root, true);
    for (TTreeNode* node : {f.Child, f.Leaf})
        EXPECT_TRUE(f.Tree->GetChecked(node));
    EXPECT_FALSE(f.Tree->GetChecked(f.Other));
}

TEST(StyledTreeViewTest, AUserUncheckingANodeUnchecksItsSubtreeAndIsReportedOnce)
{
    TTreeForm f;
    f.Tree->SetCheckBoxes(true);
    f.Tree->HandleNeeded();
    f.Tree->SetChecked(f.Root, true);
    std::vector<TTreeNode*> reported;
    f.Tree->SetOnNodeCheckedChanged([&](TObject*, TTreeNode* node, bool) { reported.push_back(node); });
    f.Tree->UserChecked(f.Root, false);
    EXPECT_EQ(reported, std::vector<TTreeNode*>{f.Root});
    for (TTreeNode* node : {f.Root, f.Child, f.Leaf})
        EXPECT_FALSE(f.Tree->GetChecked(node));

    f.Tree->SetCheckHierarchy(false);
    f.Tree->UserChecked(f.Root, true);
    EXPECT_FALSE(f.Tree->GetChecked(f.Child));
}

TEST(StyledTreeViewTest, ACheckChangeCanBeVetoedButTheTreesOwnWritesAreNotAsked)
{
    TTreeForm f;
    f.Tree->SetCheckBoxes(true);
    f.Tree->HandleNeeded();
    bool allow = false;
    int asked = 0;
    f.Tree->SetOnNodeCheckedChanging([&](TObject*, TTreeNode*, bool, bool& allowChanges) {
        ++asked;
        allowChanges = allow;
    });
    NMTVITEMCHANGE change{};
    change.hdr.code = TVN_ITEMCHANGINGW;
    change.hdr.hwndFrom = f.Tree->Handle();
    change.uChanged = TVIF_STATE;
    change.hItem = f.Child->ItemId();
    change.uStateOld = INDEXTOSTATEIMAGEMASK(1);
    change.uStateNew = INDEXTOSTATEIMAGEMASK(2);
    EXPECT_EQ(f.Tree->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&change)), 1);
    allow = true;
    EXPECT_EQ(f.Tree->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&change)), 0);
    EXPECT_EQ(asked, 2);
    f.Tree->SetChecked(f.Child, true);
    EXPECT_EQ(asked, 2);
}

TEST(StyledTreeViewTest, RowsArePaintedInTheStylesColoursWithTheChosenSelection)
{
    TTreeForm f;
    f.Tree->SetSelectionStyle(scstColor);
    f.Tree->SetSelectionColor(clRed);
    f.Tree->SetDefaultDraw(true);
    f.Tree->SetHideSelection(false);
    ASSERT_TRUE(ShowActive(f.Form));
    f.Root->Expand(false);
    f.Tree->SetSelected(f.Child);
    EXPECT_FALSE(f.Tree->OnAdvancedCustomDrawItem()); // the system draws

    TActiveTestStyle style;
    ASSERT_TRUE(f.Tree->OnAdvancedCustomDrawItem());
    auto bitmap = Canvas32(f.Tree->ClientWidth(), f.Tree->ClientHeight(), clFuchsia);
    SendMessageW(f.Tree->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    const TRect text = f.Child->DisplayRect(true);
    EXPECT_GT(CountColor(bitmap.get(), text, clRed), text.Width() * text.Height() / 3);
    const TRect row = f.Other->DisplayRect(false);
    EXPECT_EQ(PixelAt(bitmap.get(), row.Right - 3, row.Top + 2), ColorToRGB(GetStyleSystemColor(clWindow, f.Tree)));
}

TEST(StyledTreeViewTest, AClickOnACheckBoxChecksTheSubtreeAndIsReported)
{
    TTreeForm f;
    f.Tree->SetCheckBoxes(true);
    ASSERT_TRUE(ShowActive(f.Form));
    f.Root->Expand(true);
    std::vector<std::pair<TTreeNode*, bool>> reported;
    f.Tree->SetOnNodeCheckedChanged([&](TObject*, TTreeNode* node, bool checked) { reported.push_back({node, checked}); });
    const TRect text = f.Root->DisplayRect(true);
    const LPARAM onBox = MAKELPARAM(text.Left - 8, (text.Top + text.Bottom) / 2);
    PostMessageW(f.Tree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onBox);
    PostMessageW(f.Tree->Handle(), WM_LBUTTONUP, 0, onBox);
    ASSERT_TRUE(PumpUntil([&] { return !reported.empty(); }, 2000));
    EXPECT_EQ(reported, (std::vector<std::pair<TTreeNode*, bool>>{{f.Root, true}}));
    for (TTreeNode* node : {f.Child, f.Leaf})
        EXPECT_TRUE(f.Tree->GetChecked(node));
}
