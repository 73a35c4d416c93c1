#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitUnits.h"
#include "RurAnchors.h"
#include "RurOfficeButtons.h"

namespace {

// A shown form with three Office radio buttons, the first two in group 0 and the third in group 1.
class OfficeRadioTest : public ::testing::Test {
protected:
    OfficeRadioTest()
    {
        FForm.SetBounds(40, 40, 360, 260);
        FForm.SetColor(clWhite);
        for (int i = 0; i < 3; ++i) {
            auto* button = new TRurOfficeRadioButton(&FForm);
            button->SetParent(&FForm);
            button->SetBounds(10, 10 + i * 30, 150, 20);
            button->SetCaption(u"Choice " + IntToStr(i));
            button->SetGroupIndex(i == 2 ? 1 : 0);
            button->SetOnClick([this, i](TObject*) { FClicks.push_back(i); });
            FButtons.push_back(button);
        }
        ShowActive(&FForm);
    }
    void Click(TRurOfficeRadioButton* button, TPoint down, TPoint up)
    {
        PostMouse(button, WM_LBUTTONDOWN, down.X, down.Y, MK_LBUTTON);
        PostMouse(button, WM_MOUSEMOVE, up.X, up.Y, MK_LBUTTON);
        PostMouse(button, WM_LBUTTONUP, up.X, up.Y);
    }
    TColor At(TWinControl* control, int x, int y)
    {
        TOffscreenImage image(control);
        return TColor(image.Pixel(x, y));
    }

    TForm FForm{nullptr};
    std::vector<TRurOfficeRadioButton*> FButtons;
    std::vector<int> FClicks;
};

} // namespace

TEST_F(OfficeRadioTest, CheckingUnchecksTheSameGroupOnly)
{
    FButtons[0]->SetChecked(true);
    FButtons[2]->SetChecked(true);
    FButtons[1]->SetChecked(true);
    EXPECT_FALSE(FButtons[0]->Checked());
    EXPECT_TRUE(FButtons[1]->Checked());
    EXPECT_TRUE(FButtons[2]->Checked());
    EXPECT_TRUE(FClicks.empty()); // checks from code outside a radio group raise no click
}

TEST_F(OfficeRadioTest, OnlyAReleaseOnTheButtonClicks)
{
    Click(FButtons[0], TPoint(30, 10), TPoint(30, 10));
    EXPECT_TRUE(FButtons[0]->Checked());
    EXPECT_EQ(FClicks, std::vector<int>{0});
    EXPECT_TRUE(FButtons[0]->Focused());

    // Pressed, then released away from the button: neither checked nor clicked.
    Click(FButtons[1], TPoint(30, 10), TPoint(30, 60));
    EXPECT_FALSE(FButtons[1]->Checked());
    EXPECT_EQ(FClicks, std::vector<int>{0});

    // The right and bottom edges count as inside; a checked button clicks again.
    Click(FButtons[1], TPoint(30, 10), TPoint(150, 20));
    EXPECT_TRUE(FButtons[1]->Checked());
    EXPECT_FALSE(FButtons[0]->Checked());
    Click(FButtons[1], TPoint(30, 10), TPoint(30, 10));
    EXPECT_EQ(FClicks, (std::vector<int>{0, 1, 1}));
}

TEST_F(OfficeRadioTest, SpaceChecksAndReturnMovesOn)
{
    FButtons[1]->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FButtons[1]->Focused(); }, 2000));
    PressKey(VK_SPACE);
    EXPECT_TRUE(FButtons[1]->Checked());
    EXPECT_EQ(FClicks, std::vector<int>{1});

    FButtons[1]->SetReturnIsTab(true);
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return FButtons[2]->Focused(); }, 2000));
}

TEST_F(OfficeRadioTest, GlyphFromTheBitmapsAndFocusOutline)
{
    TRurOfficeRadioButton* button = FButtons[0];
    const TRect glyph = [&] {
        At(button, 0, 0);
        return button->GlyphRect();
    }();
    EXPECT_EQ(glyph, Rect(0, 4, 12, 16)); // 20 high, centred: 10 - 6
    const TPoint centre{glyph.Left + 6, glyph.Top + 6};
    EXPECT_EQ(At(button, centre.X, centre.Y), TColor(RGB(255, 255, 255)));
    button->SetChecked(true);
    EXPECT_EQ(At(button, centre.X, centre.Y), TColor(RGB(32, 32, 32)));

    // Plain right-to-left text ends its focus outline one pixel after the measured caption.
    button->SetBiDiMode(bdRightToLeft);
    button->SetCaption(u"گزینه");
    button->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return button->Focused(); }, 2000));
    At(button, 0, 0);
    EXPECT_EQ(button->GlyphRect().Right, 150 - 1);
    const int indent = 18;
    EXPECT_EQ(button->FocusRect().Right, button->MeasuredWidth() - indent + 1);
}

TEST_F(OfficeRadioTest, LinksFollowOnlyOnAFocusedButton)
{
    std::vector<String> opened, clicked, entered;
    auto previous = SetAnchorOpener([&](const String& anchor) { opened.push_back(anchor); });
    TRurOfficeRadioButton* button = FButtons[2];
    button->SetCaption(u"<a href=\"local\">local link</a>");
    button->SetOnAnchorClick([&](TObject*, String anchor) { clicked.push_back(anchor); });
    button->SetOnAnchorEnter([&](TObject*, String anchor) { entered.push_back(anchor); });
    const TPoint link{30, 10};
    PostMouse(button, WM_MOUSEMOVE, link.X, link.Y);
    EXPECT_TRUE(entered.empty());
    EXPECT_EQ(button->Cursor(), crDefault);

    // The button takes the focus on the press and follows the link under it in the same click.
    Click(button, link, link);
    SetAnchorOpener(previous);
    EXPECT_EQ(clicked, std::vector<String>{u"local"});
    EXPECT_FALSE(button->Checked());
    PostMouse(button, WM_MOUSEMOVE, link.X + 1, link.Y);
    EXPECT_EQ(button->Cursor(), crHandPoint);
}

TEST(OfficeRadioLooks, FontColours)
{
    TRurOfficeRadioButton button(nullptr);
    button.Font()->SetColor(clRed);
    button.SetComponentStyle(tsCustom);
    EXPECT_EQ(button.Font()->Color(), clRed);
    const std::pair<TRujStyle, TColor> looks[] = {{tsWindows10, 0x000000},       {tsOffice2016Gray, 0xFFFFFF},
                                                  {tsOffice2016Black, 0xDADADA}, {tsOffice2019White, 0x3B3B3B},
                                                  {tsOffice2010Blue, clWindowText}};
    for (const auto& [style, color] : looks) {
        button.SetComponentStyle(style);
        EXPECT_EQ(button.Font()->Color(), color) << int(style);
    }
}

// ---- The radio group --------------------------------------------------------------------------

namespace {

class OfficeRadioGroupTest : public ::testing::Test {
protected:
    OfficeRadioGroupTest()
    {
        FForm.SetBounds(40, 40, 360, 260);
        FGroup = new TRurOfficeRadioGroup(&FForm);
        FGroup->SetParent(&FForm);
        FGroup->SetBounds(10, 10, 310, 130);
        FGroup->SetCaption(u"Key size");
        FGroup->SetOnRadioButtonClick([this](TObject*) { ++FRadioClicks; });
        FGroup->SetOnClick([this](TObject*) { ++FGroupClicks; });
        ShowActive(&FForm);
    }
    void SetItems(std::initializer_list<const char16_t*> items)
    {
        FGroup->Items()->Clear();
        for (const char16_t* item : items)
            FGroup->Items()->Add(item);
    }

    TForm FForm{nullptr};
    TRurOfficeRadioGroup* FGroup;
    int FRadioClicks = 0;
    int FGroupClicks = 0;
};

} // namespace

TEST_F(OfficeRadioGroupTest, ButtonsFollowTheItemsInColumns)
{
    SetItems({u"a", u"b", u"c", u"d", u"e"});
    FGroup->SetColumns(2);
    ASSERT_EQ(FGroup->ButtonCount(), 5);
    const int columnWidth = (310 - 10) / 2;
    for (int i = 0; i < 5; ++i) {
        TRurOfficeRadioButton* button = FGroup->GetRadioButton(i);
        EXPECT_EQ(button->Caption(), String(1, char16_t(u'a' + i)));
        EXPECT_EQ(button->Left(), (i / 3) * columnWidth + 8) << i; // three rows: a-c, then d-e
        EXPECT_EQ(button->Width(), columnWidth);
    }
    EXPECT_EQ(FGroup->GetRadioButton(1)->Top() - FGroup->GetRadioButton(0)->Top(),
              FGroup->GetRadioButton(0)->Height());
    EXPECT_EQ(FGroup->GetRadioButton(3)->Top(), FGroup->GetRadioButton(0)->Top());
    const TRurOfficeRadioButton* d = FGroup->GetRadioButton(3);
    EXPECT_EQ(FGroup->XYToItem(d->Left() + 2, d->Top() + 2), 3);
    EXPECT_EQ(FGroup->XYToItem(2, 2), -1);
    EXPECT_THROW(FGroup->GetRadioButton(5), Exception);

    FGroup->SetColumns(0);
    EXPECT_EQ(FGroup->Columns(), 1);
    FGroup->SetColumns(20);
    EXPECT_EQ(FGroup->Columns(), 16);
    SetItems({u"x"});
    EXPECT_EQ(FGroup->ButtonCount(), 1);
}

TEST_F(OfficeRadioGroupTest, ItemIndexIsClampedAndFollowsDeletion)
{
    SetItems({u"1024", u"2048", u"4096"});
    FGroup->SetItemIndex(10);
    EXPECT_EQ(FGroup->ItemIndex(), 2);
    EXPECT_TRUE(FGroup->GetRadioButton(2)->Checked());
    FGroup->Items()->Delete(2);
    EXPECT_EQ(FGroup->ItemIndex(), 1);
    EXPECT_TRUE(FGroup->GetRadioButton(1)->Checked());
    FGroup->SetItemIndex(-5);
    EXPECT_EQ(FGroup->ItemIndex(), -1);
    EXPECT_FALSE(FGroup->GetRadioButton(1)->Checked());
    EXPECT_EQ(FRadioClicks + FGroupClicks, 0); // the setter raises no click
}

TEST_F(OfficeRadioGroupTest, AClickSelectsAndRaisesTheGroupsEvents)
{
    SetItems({u"1024", u"2048", u"4096"});
    FGroup->SetItemIndex(0);
    TRurOfficeRadioButton* button = FGroup->GetRadioButton(2);
    PostMouse(button, WM_LBUTTONDOWN, 30, 8, MK_LBUTTON);
    PostMouse(button, WM_LBUTTONUP, 30, 8);
    EXPECT_EQ(FGroup->ItemIndex(), 2);
    EXPECT_FALSE(FGroup->GetRadioButton(0)->Checked());
    EXPECT_EQ(FRadioClicks, 1);
    EXPECT_EQ(FGroupClicks, 1);
}

TEST_F(OfficeRadioGroupTest, EnablingFollowsTheGroupAndOnIsEnabled)
{
    SetItems({u"a", u"b", u"c"});
    FGroup->SetOnIsEnabled([](TObject*, int index, bool& enabled) {
        if (index == 1)
            enabled = false;
    });
    FGroup->SetEnabled(false);
    FGroup->SetEnabled(true);
    EXPECT_TRUE(FGroup->GetRadioButton(0)->Enabled());
    EXPECT_FALSE(FGroup->GetRadioButton(1)->Enabled());
    EXPECT_TRUE(FGroup->GetRadioButton(2)->Enabled());
}

namespace {

class TRadioGroupForm : public TForm {
    TAVIN_CLASS(TRadioGroupForm, TForm)
public:
    using TForm::TForm;
};

} // namespace

TEST(OfficeRadioGroupResource, ButtonsComeFromTheStreamedItems)
{
    RegisterClass(TRurOfficeRadioGroup::StaticClass());
    SetFormTexts({{u"TRadioGroupForm", R"(object RadioGroupForm: TRadioGroupForm
  ClientWidth = 300
  ClientHeight = 200
  object Group: TRurOfficeRadioGroup
    Left = 8
    Top = 8
    Width = 280
    Height = 100
    Caption = 'Key size'
    BorderStyle = bsDouble
    Columns = 2
    ItemIndex = 1
    Items.Strings = ('1024' '2048' '4096')
    Version = '1.8.1.2'
  end
end
)"}});
    std::unique_ptr<TRadioGroupForm> form(CreateForm<TRadioGroupForm>(nullptr));
    auto* group = dynamic_cast<TRurOfficeRadioGroup*>(form->FindComponent(u"Group"));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->Caption(), u"Key size");
    EXPECT_EQ(group->BorderStyle(), RurGroupBox::bsDouble);
    EXPECT_EQ(group->Columns(), 2);
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->GetRadioButton(2)->Caption(), u"4096");
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->GetRadioButton(1)->Checked());
    EXPECT_EQ(group->Version(), u"1.8.1.2");
}
