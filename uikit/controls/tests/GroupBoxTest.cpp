#include <gtest/gtest.h>

#include <memory>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitUnits.h"
#include "Messages.h"
#include "RurGroupBox.h"

using namespace RurGroupBox;

namespace {

TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

class TGroupBoxForm : public TForm {
    TAVIN_CLASS(TGroupBoxForm, TForm)
public:
    using TForm::TForm;
};

// A shown form with a 200 x 120 group box whose caption check box is drawn from the bitmaps.
class GroupBoxTest : public ::testing::Test {
protected:
    GroupBoxTest()
    {
        FForm.SetBounds(40, 40, 320, 240);
        FForm.SetColor(clWhite);
        FBox = new TRurGroupBox(&FForm);
        FBox->SetParent(&FForm);
        FBox->SetBounds(10, 10, 200, 120);
        FBox->SetCaption(u"Options");
        FBox->CheckBox()->SetThemed(false);
        FBox->SetOnCheckBoxClick([this](TObject*) { ++FCheckClicks; });
        FForm.Show();
        PumpUntil([&] { return FBox->HandleAllocated(); }, 2000);
    }
    TCheckBox* AddCheckBox(int top)
    {
        auto* check = new TCheckBox(&FForm);
        check->SetParent(FBox);
        check->SetBounds(12, top, 100, 20);
        return check;
    }
    TColor At(int x, int y)
    {
        TOffscreenImage image(FBox);
        return TColor(image.Pixel(x, y));
    }
    // A press and a release on the box at client points.
    void Click(TPoint down, TPoint up)
    {
        PostMouse(FBox, WM_LBUTTONDOWN, down.X, down.Y, MK_LBUTTON);
        PostMouse(FBox, WM_MOUSEMOVE, up.X, up.Y, MK_LBUTTON);
        PostMouse(FBox, WM_LBUTTONUP, up.X, up.Y);
    }
    TPoint CaptionCentre() { return Centre(FBox->CalcCaptionRects().Caption); }

    TForm FForm{nullptr};
    TRurGroupBox* FBox;
    int FCheckClicks = 0;
};

} // namespace

TEST_F(GroupBoxTest, CaptionPlacesAndCheckSquare)
{
    FBox->CheckBox()->SetVisible(true);
    const TGroupBoxCaptionRects left = FBox->CalcCaptionRects();
    const int W = left.Caption.Width();
    const int H = left.Caption.Height();
    EXPECT_EQ(left.Caption.TopLeft(), TPoint(8, 0));
    // The unthemed square is 14 wide, 3 pixels before the text, vertically centred.
    EXPECT_EQ(left.Check, Rect(8, (H - 14) / 2, 22, (H - 14) / 2 + 14));
    EXPECT_EQ(left.Text.Left, 25);

    FBox->CheckBox()->SetPosition(RurGroupBox::cpRight);
    EXPECT_EQ(FBox->CalcCaptionRects().Check.Right, 8 + W);
    EXPECT_EQ(FBox->CalcCaptionRects().Text.Right, 8 + W - 14 - 3);

    const struct {
        TCaptionPosition Position;
        TPoint TopLeft;
    } places[] = {
        {cpTopRight, {200 - 8 - W, 0}},
        {cpTopCenter, {(200 - W) / 2, 0}},
        {cpBottomLeft, {8, 120 - H}},
        {cpBottomCenter, {(200 - W) / 2, 120 - H}},
    };
    for (const auto& place : places) {
        FBox->SetCaptionPosition(place.Position);
        EXPECT_EQ(FBox->CalcCaptionRects().Caption.TopLeft(), place.TopLeft) << int(place.Position);
    }
    // An odd difference puts the centred caption one pixel left of the middle.
    FBox->SetWidth(W + 11);
    EXPECT_EQ(FBox->CalcCaptionRects().Caption.Left, 5);
}

TEST_F(GroupBoxTest, CheckAloneAndNoCaptionArea)
{
    FBox->SetCaption(u"");
    EXPECT_FALSE(FBox->HasCaptionArea());
    EXPECT_EQ(FBox->CaptionHeight(), 2);
    EXPECT_EQ(FBox->BorderRect(), FBox->ClientRect());

    FBox->CheckBox()->SetVisible(true);
    const TGroupBoxCaptionRects rects = FBox->CalcCaptionRects();
    EXPECT_EQ(rects.Caption.Width(), 14); // no gap after the check
    EXPECT_EQ(rects.Caption.Height(), 16);
    EXPECT_EQ(FBox->BorderRect().Top, 8);
}

TEST_F(GroupBoxTest, ChildrenAlignInsideFrameAndCaption)
{
    auto* child = new TPanel(&FForm);
    child->SetParent(FBox);
    child->SetAlign(alClient);
    const int c = FBox->CaptionHeight();
    const struct {
        RurGroupBox::TBorderStyle Border;
        bool Ctl3D;
        int Width;
    } borders[] = {{RurGroupBox::bsNone, false, 1},
                   {RurGroupBox::bsSingle, false, 1},
                   {RurGroupBox::bsSingle, true, 2},
                   {RurGroupBox::bsDouble, false, 2},
                   {RurGroupBox::bsDouble, true, 4}};
    for (const auto& border : borders) {
        FBox->SetBorderStyle(border.Border);
        FBox->SetCtl3D(border.Ctl3D);
        const int b = border.Width;
        EXPECT_EQ(FBox->BorderWidth(), b);
        FBox->SetCaptionPosition(cpTopLeft);
        EXPECT_EQ(child->BoundsRect(), Rect(b + 1, c + 1, 200 - b - 1, 120 - b - 1)) << int(border.Border);
        FBox->SetCaptionPosition(cpBottomRight);
        EXPECT_EQ(child->BoundsRect(), Rect(b + 1, b + 1, 200 - b - 1, 120 - c - 1)) << int(border.Border);
    }
}

TEST_F(GroupBoxTest, FramePaintedAndBrokenBehindCaption)
{
    FBox->SetBorderColor(clRed);
    FBox->SetTransparent(false);
    FBox->SetColor(clWhite);
    const int frameTop = FBox->CaptionHeight() / 2;
    const TRect caption = FBox->CalcCaptionRects().Caption;
    EXPECT_EQ(At(150, frameTop), TColor(RGB(255, 0, 0)));
    EXPECT_EQ(At(0, 60), TColor(RGB(255, 0, 0)));
    EXPECT_EQ(At(199, 60), TColor(RGB(255, 0, 0)));
    EXPECT_EQ(At(100, 119), TColor(RGB(255, 0, 0)));
    EXPECT_NE(At(caption.Left + 1, frameTop), TColor(RGB(255, 0, 0))); // behind the caption's text

    FBox->SetBorderStyle(RurGroupBox::bsDouble);
    EXPECT_EQ(At(2, 60), TColor(RGB(255, 0, 0)));
    EXPECT_EQ(At(1, 60), TColor(RGB(255, 255, 255)));
    FBox->SetBorderStyle(RurGroupBox::bsNone);
    EXPECT_EQ(At(0, 60), TColor(RGB(255, 255, 255)));
}

TEST_F(GroupBoxTest, CheckGlyphFromTheBitmaps)
{
    FBox->CheckBox()->SetVisible(true);
    const TRect check = FBox->CalcCaptionRects().Check;
    const TPoint mark{check.Left + 6, check.Top + 7}; // on the tick's stroke
    EXPECT_EQ(At(mark.X, mark.Y), TColor(RGB(255, 255, 255)));
    FBox->CheckBox()->SetChecked(true);
    EXPECT_EQ(At(mark.X, mark.Y), TColor(RGB(32, 32, 32)));
    EXPECT_EQ(At(check.Left, check.Top), TColor(RGB(112, 112, 112)));
}

TEST_F(GroupBoxTest, ClicksOnTheCaptionWalkTheStates)
{
    FBox->CheckBox()->SetVisible(true);
    FBox->CheckBox()->SetAllowGrayed(true);
    auto* check = AddCheckBox(40);
    FBox->CheckBox()->SetAction(caCheckAll);
    const TCheckBoxState walk[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState expected : walk) {
        Click(CaptionCentre(), CaptionCentre());
        EXPECT_EQ(FBox->CheckBox()->State(), expected);
        // In the grayed state the children are left as they are.
        EXPECT_EQ(check->Checked(), expected == cbChecked);
    }
    EXPECT_EQ(FCheckClicks, 3);

    // A release away from the caption takes the press back.
    Click(CaptionCentre(), TPoint(100, 80));
    EXPECT_EQ(FBox->CheckBox()->State(), cbUnchecked);
    EXPECT_EQ(FCheckClicks, 3);
}

TEST_F(GroupBoxTest, DisableActionKeepsTheUsersChoice)
{
    FBox->CheckBox()->SetVisible(true);
    auto* first = AddCheckBox(30);
    auto* second = AddCheckBox(60);
    FBox->CheckBox()->SetChecked(true);
    EXPECT_TRUE(first->Enabled() && second->Enabled());
    FBox->CheckBox()->SetChecked(false);
    EXPECT_FALSE(first->Enabled() || second->Enabled());

    for (bool checked : {true, false}) {
        FBox->CheckBox()->SetChecked(checked);
        FBox->SetEnabled(false);
        EXPECT_EQ(FBox->CheckBox()->Checked(), checked);
        EXPECT_FALSE(first->Enabled() || second->Enabled());
        FBox->SetEnabled(true);
        EXPECT_EQ(FBox->CheckBox()->Checked(), checked);
        EXPECT_EQ(first->Enabled(), checked);
        EXPECT_EQ(second->Enabled(), checked);
    }
}

TEST_F(GroupBoxTest, CheckBoxHintAndAutoSize)
{
    FBox->CheckBox()->SetVisible(true);
    FBox->CheckBox()->SetHint(u"Turn the options on");
    FBox->SetHint(u"The box");
    THintInfo info;
    info.CursorPos = Centre(FBox->CalcCaptionRects().Check);
    info.HintStr = FBox->Hint();
    FBox->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintStr, u"Turn the options on");
    info.CursorPos = TPoint(100, 80);
    info.HintStr = FBox->Hint();
    FBox->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintStr, u"The box");

    auto* check = AddCheckBox(30);
    check->SetBounds(0, 5, 150, 20); // above the caption and left of the frame: moved in
    FBox->SetAutoSize(gasBoth);
    EXPECT_EQ(check->Left(), 1);
    EXPECT_EQ(check->Top(), FBox->CaptionHeight());
    EXPECT_EQ(FBox->Width(), 1 + 150 + 2);
    EXPECT_EQ(FBox->Height(), FBox->CaptionHeight() + 20 + 2);
}

TEST(GroupBoxLooks, FontAndBorderColours)
{
    const struct {
        TRujStyle Style;
        TColor Font;
        TColor Border;
    } looks[] = {
        {tsOffice2013White, clWindowText, 0xD4D4D4}, {tsOffice2013Gray, clWindowText, 0xABABAB},
        {tsWindows10, 0x000000, 0xE4E3E2},           {tsOffice2016Black, 0xDADADA, 0x999999},
        {tsOffice2019Gray, 0xFFFFFF, 0x999999},      {tsOffice2019White, 0x3B3B3B, 0xC4C6C8},
        {tsOffice2007Luna, clWindowText, clSilver},
    };
    TRurGroupBox box(nullptr);
    box.Font()->SetColor(clRed);
    box.SetComponentStyle(tsCustom);
    EXPECT_EQ(box.Font()->Color(), clRed);
    for (const auto& look : looks) {
        box.SetComponentStyle(look.Style);
        EXPECT_EQ(box.Font()->Color(), look.Font) << int(look.Style);
        EXPECT_EQ(box.BorderColor(), look.Border) << int(look.Style);
    }
}

TEST(GroupBoxResource, ReadThroughDottedPaths)
{
    RegisterClass(TRurGroupBox::StaticClass());
    SetFormTexts({{u"TGroupBoxForm", R"(object GroupBoxForm: TGroupBoxForm
  ClientWidth = 300
  ClientHeight = 200
  object Box: TRurGroupBox
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    Caption = 'Proxy'
    BorderStyle = bsDouble
    CaptionPosition = cpBottomCenter
    CheckBox.Visible = True
    CheckBox.Action = caCheckAll
    CheckBox.State = cbChecked
    RoundEdges = True
    Version = '1.3.0.3'
  end
end
)"}});
    std::unique_ptr<TGroupBoxForm> form(CreateForm<TGroupBoxForm>(nullptr));
    auto* box = dynamic_cast<TRurGroupBox*>(form->FindComponent(u"Box"));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->BorderStyle(), RurGroupBox::bsDouble);
    EXPECT_EQ(box->CaptionPosition(), cpBottomCenter);
    EXPECT_TRUE(box->CheckBox()->Visible());
    EXPECT_EQ(box->CheckBox()->Action(), caCheckAll);
    EXPECT_TRUE(box->CheckBox()->Checked());
    EXPECT_TRUE(box->RoundEdges());
    EXPECT_EQ(box->Version(), u"1.3.0.3");
}
