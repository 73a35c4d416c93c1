// The toolbar's control lists, the toolbar control base and its separator, the draw position, the
// styler link and the focus and visibility probes, on real windows.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "StdCtrls.h"
#include "Streaming.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"

namespace {

// A toolbar whose insertion of controls can be switched off, as when it moves controls itself.
class TRefusingToolBar : public TRurToolBar {
    TAVIN_CLASS(TRefusingToolBar, TRurToolBar)
public:
    using TRurToolBar::TRurToolBar;
    void Refuse(bool value) { FInternalControlUpdation = value; }
};

class ToolBarControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 200);
        First = new TRefusingToolBar(Form.get());
        First->SetParent(Form.get());
        UsePlainFace(First);
        // These tests place the controls themselves.
        First->SetAutoPositionControls(false);
        First->SetBounds(0, 0, 300, 30);
        Second = new TRefusingToolBar(Form.get());
        Second->SetParent(Form.get());
        UsePlainFace(Second);
        Second->SetAutoPositionControls(false);
        Second->SetBounds(0, 60, 300, 30);
    }

    std::unique_ptr<TForm> Form;
    TRefusingToolBar* First = nullptr;
    TRefusingToolBar* Second = nullptr;
};

TEST(DbgListTest, CheckedAccess)
{
    TDbgList list;
    int a = 1, b = 2;
    list.Add(&a);
    EXPECT_EQ(list.GetItemsEx(0), &a);
    try {
        list.GetItemsEx(1);
        FAIL() << "an index equal to the count must raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Index out of bounds in list read access");
    }
    try {
        list.SetItemsEx(1, &b);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Index out of bounds in list write access");
    }
    EXPECT_THROW(list.GetItemsEx(-1), EListError) << "a negative index fails the base list's own check";
    list.SetItemsEx(0, &b);
    TDbgList copy;
    copy.Add(&a);
    copy.AssignList(list);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.GetItemsEx(0), &b);
}

TEST_F(ToolBarControlsTest, ControlsJoinInLayoutOrder)
{
    // Inserted by their Left; a control at Left 0 goes to the end.
    auto* right = new TRurToolBarButton(Form.get());
    right->SetLeft(200);
    right->SetTop(1);
    right->SetParent(First);
    auto* left = new TRurToolBarButton(Form.get());
    left->SetLeft(20);
    left->SetTop(1);
    left->SetParent(First);
    auto* zero = new TRurToolBarSeparator(Form.get());
    zero->SetParent(First);
    ASSERT_EQ(First->ToolBarControlCount(), 3);
    EXPECT_EQ(First->ToolBarControls(0), left);
    EXPECT_EQ(First->ToolBarControls(1), right);
    EXPECT_EQ(First->ToolBarControls(2), zero);
    EXPECT_EQ(First->ToolBarControls(-1), nullptr);
    EXPECT_EQ(First->ToolBarControls(3), nullptr);
    EXPECT_EQ(left->RurToolBar(), First);
    EXPECT_EQ(zero->RurToolBar(), First);
    EXPECT_EQ(left->Index(), 0);
    EXPECT_EQ(First->RecentlyUsedControls().Count(), 3);

    // Freed elsewhere: it leaves the lists.
    delete right;
    EXPECT_EQ(First->ToolBarControlCount(), 2);
    EXPECT_EQ(First->RecentlyUsedControls().IndexOf(right), -1);
}

TEST_F(ToolBarControlsTest, MovingBetweenToolBars)
{
    auto* button = new TRurToolBarButton(Form.get());
    button->SetLeft(30);
    button->SetTop(1);
    button->SetRurToolBar(First);
    ASSERT_EQ(button->Parent(), First);
    ASSERT_EQ(First->IndexOfToolBarControl(button), 0);

    // The same toolbar again changes nothing.
    button->SetRurToolBar(First);
    EXPECT_EQ(First->ToolBarControlCount(), 1);

    button->SetRurToolBar(Second);
    EXPECT_EQ(button->Parent(), Second);
    EXPECT_EQ(First->ToolBarControlCount(), 0);
    EXPECT_EQ(Second->IndexOfToolBarControl(button), 0);

    button->SetRurToolBar(nullptr);
    EXPECT_EQ(button->Parent(), nullptr);
    EXPECT_EQ(button->RurToolBar(), nullptr);
    EXPECT_EQ(Second->ToolBarControlCount(), 0);
}

TEST_F(ToolBarControlsTest, ARefusingToolBarLeavesTheControlWhereItWas)
{
    // The toolbar does not take the control: the error comes after the control is back on its old
    // toolbar, listed and linked as before.
    auto* separator = new TRurToolBarSeparator(Form.get());
    separator->SetRurToolBar(First);
    Second->Refuse(true);
    try {
        separator->SetRurToolBar(Second);
        FAIL() << "a toolbar that does not take the control must raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"RurToolBar not set");
    }
    EXPECT_EQ(separator->Parent(), First);
    EXPECT_EQ(separator->RurToolBar(), First);
    EXPECT_EQ(First->IndexOfToolBarControl(separator), 0);
    EXPECT_EQ(Second->ToolBarControlCount(), 0);
    Second->Refuse(false);
}

TEST_F(ToolBarControlsTest, SeparatorSizeAndPaint)
{
    First->SetAutoPositionControls(true);
    auto* separator = new TRurToolBarSeparator(Form.get());
    EXPECT_EQ(separator->Width(), 22) << "not sized before it has a toolbar";
    separator->SetLeft(40);
    separator->SetTop(1);
    separator->SetRurToolBar(First);
    EXPECT_EQ(separator->Width(), 10);
    EXPECT_EQ(separator->Height(), 26) << "the toolbar's height less 4";
    separator->SetPosition(daLeft);
    EXPECT_EQ(separator->Height(), 10);
    EXPECT_EQ(separator->Width(), 296) << "the toolbar's width less 4";
    separator->SetPosition(daTop);

    auto* fixed = new TRurToolBarSeparator(Form.get());
    fixed->SetAutoSize(false);
    fixed->SetBounds(100, 1, 17, 9);
    fixed->SetRurToolBar(First);
    fixed->SetPosition(daLeft);
    EXPECT_EQ(fixed->Width(), 17);
    EXPECT_EQ(fixed->Height(), 9);
    fixed->SetPosition(daTop);

    // Etched: the line colour at the middle column from 3 below the top to 3 above the bottom, white
    // beside it one pixel right and down; a blank separator paints nothing.
    // Placed where the test puts them: a toolbar that lines its controls up hides a leading separator.
    First->SetAutoPositionControls(false);
    separator->SetVisible(true);
    separator->SetBounds(40, 1, 10, 26);
    separator->SetLineColor(clRed);
    auto* blank = new TRurToolBarSeparator(Form.get());
    blank->SetBounds(150, 1, 10, 26);
    blank->SetRurToolBar(First);
    blank->SetSeparatorStyle(ssBlank);
    First->CurrentToolBarStyler()->Color()->SetColor(clGreen);
    auto image = Snapshot(First);
    const int x = 40 + 5;
    EXPECT_EQ(PixelOf(image.get(), x, 1 + 3), clRed);
    EXPECT_EQ(PixelOf(image.get(), x, 1 + 26 - 4), clRed);
    EXPECT_EQ(PixelOf(image.get(), x, 1 + 2), clGreen);
    EXPECT_EQ(PixelOf(image.get(), x + 1, 1 + 10), clWhite);
    EXPECT_EQ(CountOther(image.get(), Rect(150, 1, 160, 27), clGreen), 0);

    TRurToolBarSeparator copy(nullptr);
    copy.Assign(separator);
    EXPECT_EQ(copy.LineColor(), clRed);
    EXPECT_EQ(copy.SeparatorStyle(), ssOffice2003);
    AddToContactSheet(u"Separator", image.get());
}

TEST(ToolBarStreamingTest, ControlsReadFromAFormResourceJoinTheirToolBar)
{
    RegisterClasses({TRurToolBar::StaticClass(), TRurToolBarButton::StaticClass(),
                     TRurToolBarSeparator::StaticClass()});
    const std::string text = "object Holder: TForm\n"
                             "  object Bar: TRurToolBar\n"
                             "    Width = 300\n"
                             "    Height = 30\n"
                             "    object Paste: TRurToolBarButton\n"
                             "      Left = 60\n"
                             "      Caption = 'Paste'\n"
                             "      ShowCaption = True\n"
                             "      GroupIndex = 2\n"
                             "      Appearance.ColorHot = clRed\n"
                             "    end\n"
                             "    object Cut: TRurToolBarButton\n"
                             "      Left = 10\n"
                             "      Down = True\n"
                             "      Style = tasCheck\n"
                             "    end\n"
                             "    object Gap: TRurToolBarSeparator\n"
                             "      Left = 120\n"
                             "      SeparatorStyle = ssBlank\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    TForm holder(nullptr);
    ReadComponentResource(TBytes(text.begin(), text.end()), &holder);
    auto* bar = dynamic_cast<TRurToolBar*>(holder.FindComponent(u"Bar"));
    auto* paste = dynamic_cast<TRurToolBarButton*>(holder.FindComponent(u"Paste"));
    auto* cut = dynamic_cast<TRurToolBarButton*>(holder.FindComponent(u"Cut"));
    auto* gap = dynamic_cast<TRurToolBarSeparator*>(holder.FindComponent(u"Gap"));
    ASSERT_TRUE(bar && paste && cut && gap);
    // Each control joined the toolbar while it was read.
    EXPECT_EQ(bar->ToolBarControlCount(), 3);
    for (TRurCustomToolBarControl* control : std::initializer_list<TRurCustomToolBarControl*>{paste, cut, gap}) {
        EXPECT_EQ(control->RurToolBar(), bar);
        EXPECT_GE(bar->IndexOfToolBarControl(control), 0);
    }
    EXPECT_EQ(paste->Caption(), u"Paste");
    EXPECT_TRUE(paste->ShowCaption());
    EXPECT_EQ(paste->GroupIndex(), 2);
    EXPECT_EQ(paste->Appearance()->ColorHot(), clRed);
    EXPECT_TRUE(cut->Down()) << "the Down read while loading is applied when loading ends";
    EXPECT_EQ(gap->SeparatorStyle(), ssBlank);
}

TEST(DrawPositionTest, NotificationAndAssign)
{
    TRurToolBarButtonDrawPosition position;
    int changes = 0;
    position.SetOnChange([&](TObject*) { ++changes; });
    position.SetTextX(0);
    EXPECT_EQ(changes, 0) << "an unchanged value fires nothing";
    position.SetTextX(5);
    position.SetEnabled(true);
    position.SetImageY(3);
    EXPECT_EQ(changes, 3);
    TRurToolBarButtonDrawPosition copy;
    int copyChanges = 0;
    copy.SetOnChange([&](TObject*) { ++copyChanges; });
    copy.Assign(&position);
    EXPECT_EQ(copyChanges, 0);
    EXPECT_TRUE(copy.Enabled());
    EXPECT_EQ(copy.TextX(), 5);
    EXPECT_EQ(copy.ImageY(), 3);
}

TEST_F(ToolBarControlsTest, StylerLink)
{
    TCustomRurToolBarStyler* internal = First->CurrentToolBarStyler();
    ASSERT_NE(internal, nullptr);
    EXPECT_EQ(First->ToolBarStyler(), nullptr);

    auto* styler = new TCustomRurToolBarStyler(Form.get());
    First->SetToolBarStyler(styler);
    EXPECT_EQ(First->CurrentToolBarStyler(), styler);
    EXPECT_EQ(styler->ControlCount(), 1);

    // Writing nil while nil still links again; freeing the linked styler falls back.
    Second->SetToolBarStyler(nullptr);
    EXPECT_NE(Second->CurrentToolBarStyler(), nullptr);
    delete styler;
    EXPECT_EQ(First->CurrentToolBarStyler(), internal);
    EXPECT_EQ(First->ToolBarStyler(), nullptr);

    // A change of the styler reaches its toolbars (one failing does not stop the others).
    auto* shared = new TCustomRurToolBarStyler(Form.get());
    First->SetToolBarStyler(shared);
    Second->SetToolBarStyler(shared);
    shared->BeginUpdate();
    shared->Color()->SetColor(clRed);
    shared->EndUpdate();
    EXPECT_NE(Second->Color(), clRed) << "nothing is heard inside the update bracket";
    shared->Color()->SetColor(clBlue);
    EXPECT_EQ(First->Color(), clBlue);
    EXPECT_EQ(Second->Color(), clBlue);
    EXPECT_EQ(shared->ControlCount(), 2);
    First->SetParentStyler(true);
    EXPECT_EQ(First->CurrentToolBarStyler(), internal) << "ParentStyler links again and drops the assigned one";
}

TEST_F(ToolBarControlsTest, ShowingAndFocusProbes)
{
    auto* panel = new TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(0, 100, 200, 60);
    auto* edit = new TEdit(Form.get());
    edit->SetParent(panel);
    ASSERT_TRUE(ShowActive(Form.get()));
    EXPECT_TRUE(IsControlShowing(edit));
    panel->SetVisible(false);
    EXPECT_FALSE(IsControlShowing(edit)) << "a visible control inside a hidden parent";
    EXPECT_FALSE(IsControlShowing(nullptr));
    panel->SetVisible(true);

    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == edit; }));
    EXPECT_TRUE(ContainsFocus(panel)) << "a child window has the focus";
    EXPECT_FALSE(ContainsFocus(edit)) << "the control itself holding the focus does not count";
    EXPECT_TRUE(ContainsFocus(Form.get()));
    panel->SetEnabled(false);
    EXPECT_FALSE(ContainsFocus(panel));
    panel->SetEnabled(true);

    // The tab-order walk keeps what can take the focus, in order: a windowless control stays, a
    // hint window and a disabled edit go.
    auto* hint = new THintWindow(Form.get());
    auto* disabled = new TEdit(Form.get());
    disabled->SetParent(panel);
    disabled->SetEnabled(false);
    auto* button = new TRurToolBarButton(Form.get());
    TDbgList list;
    for (TControl* c : std::initializer_list<TControl*>{hint, edit, disabled, button})
        list.Add(c);
    RemoveUnfocusableControls(&list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item<TControl>(0), edit);
    EXPECT_EQ(list.Item<TControl>(1), button);
    RemoveUnfocusableControls(nullptr);
}

} // namespace
