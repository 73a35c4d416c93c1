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

TEST_F(ListPickers, ListItemsKeepTextsChecksAndSelectionAcrossANewWindowAndReportTheUser)
{
    auto* view = Add<TListView>();
    view->SetViewStyle(vsReport);
    view->SetCheckboxes(true);
    for (const char16_t* caption : {u"Name", u"Size", u"Kind"})
        view->Columns()->Add()->SetCaption(caption);
    view->Columns()->Items(1)->SetAlignment(taRightJustify);
    for (const char16_t* caption : {u"alpha", u"beta", u"gamma"}) {
        TListItem* item = view->Items()->Add();
        item->SetCaption(caption);
        item->SubItems()->Add(u"10");
        item->SubItems()->Add(u"file");
    }
    view->Items()->Item(1)->SetChecked(true);
    view->Items()->Item(2)->SetSelected(true);
    view->HandleNeeded();
    view->Items()->Item(0)->SubItems()->SetStrings(1, u"folder");
    view->Items()->Insert(0)->SetCaption(u"first");

    view->SetMultiSelect(true); // a new window
    const HWND wnd = view->Handle();
    EXPECT_EQ(ListView_GetItemCount(wnd), 4);
    wchar_t text[32];
    ListView_GetItemText(wnd, 1, 2, text, 32);
    EXPECT_STREQ(text, L"folder");
    ListView_GetItemText(wnd, 0, 0, text, 32);
    EXPECT_STREQ(text, L"first");
    EXPECT_TRUE(view->Items()->Item(2)->Checked());
    EXPECT_FALSE(view->Items()->Item(1)->Checked());
    EXPECT_EQ(view->Selected(), view->Items()->Item(3));
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(wnd)), 3);

    // The user's clicks: a column header, an item's check box, an item.
    std::vector<String> events;
    view->SetOnColumnClick([&](TObject*, TListColumn* column) { events.push_back(u"column " + column->Caption()); });
    view->SetOnItemChecked([&](TObject*, TListItem* item) { events.push_back(u"check " + item->Caption()); });
    view->SetOnSelectItem([&](TObject*, TListItem* item, bool selected) {
        events.push_back((selected ? u"select " : u"unselect ") + item->Caption());
    });
    ASSERT_TRUE(ShowActive(&Form));
    RECT header;
    Header_GetItemRect(ListView_GetHeader(wnd), 1, &header);
    const LPARAM onHeader = MAKELPARAM((header.left + header.right) / 2, (header.top + header.bottom) / 2);
    PostMessageW(ListView_GetHeader(wnd), WM_LBUTTONDOWN, MK_LBUTTON, onHeader);
    PostMessageW(ListView_GetHeader(wnd), WM_LBUTTONUP, 0, onHeader);
    EXPECT_TRUE(PumpUntil([&] { return !events.empty(); }, 2000));

    // The check box is wherever the control's hit test says it is.
    const TRect bounds = view->Items()->Item(1)->DisplayRect(drBounds);
    LVHITTESTINFO hit{};
    hit.pt.y = (bounds.Top + bounds.Bottom) / 2;
    for (hit.pt.x = bounds.Left; hit.pt.x < bounds.Right; ++hit.pt.x)
        if (ListView_HitTest(wnd, &hit) == 1 && (hit.flags & LVHT_ONITEMSTATEICON))
            break;
    const LPARAM onBox = MAKELPARAM(hit.pt.x + 2, hit.pt.y);
    PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, onBox);
    PostMessageW(wnd, WM_LBUTTONUP, 0, onBox);
    EXPECT_TRUE(PumpUntil([&] { return view->Items()->Item(1)->Checked(); }, 2000));
    const TRect label = view->Items()->Item(2)->DisplayRect(drLabel);
    const LPARAM onLabel = MAKELPARAM(label.Left + 4, (label.Top + label.Bottom) / 2);
    PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, onLabel);
    PostMessageW(wnd, WM_LBUTTONUP, 0, onLabel);
    EXPECT_TRUE(PumpUntil([&] { return view->Selected() == view->Items()->Item(2); }, 2000));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), u"column Size");
    EXPECT_NE(std::find(events.begin(), events.end(), String(u"check alpha")), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), String(u"select beta")), events.end());

    view->Items()->Delete(0);
    EXPECT_EQ(ListView_GetItemCount(wnd), 3);
    EXPECT_EQ(view->Items()->Item(0)->Caption(), u"alpha");
    EXPECT_THROW(view->Items()->Item(3), EListError);
    view->SetOnColumnClick(nullptr);
    view->SetOnItemChecked(nullptr);
    view->SetOnSelectItem(nullptr);
}

TEST_F(ListPickers, ExtendedComboItemsCarryImagesAndIndentsAndReportTheChoice)
{
    auto* combo = Add<TComboBoxEx>();
    combo->SetBounds(10, 10, 200, 24);
    combo->SetStyle(csExDropDownList);
    combo->ItemsEx()->AddItem(u"one", 0);
    combo->ItemsEx()->AddItem(u"two", 1, -1, -1, 2);
    combo->SetItemIndex(1);
    combo->HandleNeeded();
    const HWND inner = combo->ComboHandle();
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(combo->EditHandle(), nullptr); // a drop-down list has no edit
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_INDENT | CBEIF_IMAGE;
    item.iItem = 1;
    ASSERT_TRUE(SendMessageW(combo->Handle(), CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.iIndent, 2);
    EXPECT_EQ(item.iImage, 1);

    combo->ItemsEx()->AddItem(u"three");
    EXPECT_EQ(SendMessageW(inner, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->ItemIndex(), 1);

    // A choice made in the inner combo box reaches the control as its own notification.
    int selects = 0;
    combo->SetOnSelect([&](TObject*) { ++selects; });
    ASSERT_TRUE(ShowActive(&Form));
    combo->SetFocus();
    PressKey(VK_DOWN);
    EXPECT_TRUE(PumpUntil([&] { return combo->ItemIndex() == 2; }, 2000));
    EXPECT_EQ(selects, 1);

    combo->SetStyle(csExDropDown); // a new window keeps the items and the choice
    EXPECT_EQ(SendMessageW(combo->ComboHandle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_NE(combo->EditHandle(), nullptr);
    combo->SetOnSelect(nullptr);
}
