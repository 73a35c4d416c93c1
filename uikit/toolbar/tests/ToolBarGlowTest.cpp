// The hover glow of a ribbon group and the look a group takes from its pager.
#include <gtest/gtest.h>

#include "FakeRibbonPage.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGDIP.h"
#include "RurGlowButton.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

constexpr TColor CaptionRed = 0x0000C0, CaptionGreen = 0x00C000;

class ToolBarGlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 200);
        Page = new TRurPage(Form.get());
        Page->SetBounds(0, 0, 380, 120);
        Page->SetParent(Form.get());
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Page);
        ToolBar->SetShowCaption(true);
        ToolBar->SetShowRightHandle(false);
        ToolBar->SetShowOptionIndicator(false);
        UsePlainFace(ToolBar);
        ToolBar->SetBounds(3, 3, 120, 80);
        // Solid caption colours with a distinct hot form.
        TCaptionAppearance* caption = ToolBar->CurrentToolBarStyler()->CaptionAppearance();
        caption->SetCaptionColor(CaptionRed);
        caption->SetCaptionColorTo(clNone);
        caption->SetCaptionColorHot(CaptionGreen);
        caption->SetCaptionColorHotTo(clNone);
        ToolBar->CurrentToolBarStyler()->ColorHot()->SetColor(clYellow);
        SavedSpeed = GlowSpeed();
        SetGlowSpeed(5);
        Form->HandleNeeded();
        ToolBar->HandleNeeded();
    }
    void TearDown() override { SetGlowSpeed(SavedSpeed); }

    TColor CaptionPixel()
    {
        auto face = Snapshot(ToolBar);
        const TRect caption = ToolBar->GetCaptionRect();
        return PixelOf(face.get(), caption.Left + caption.Width() / 2, caption.Top + caption.Height() / 2);
    }

    std::unique_ptr<TForm> Form;
    TRurPage* Page = nullptr;
    TRurToolBar* ToolBar = nullptr;
    int SavedSpeed = 0;
};

TEST_F(ToolBarGlowTest, ThePointerFadesTheHotColoursInAndOut)
{
    EXPECT_EQ(CaptionPixel(), CaptionRed);
    ToolBar->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(ToolBar->Hot());
    EXPECT_TRUE(ToolBar->GlowRunning());
    EXPECT_EQ(ToolBar->GlowState(), gsHover);
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->GlowRunning(); }, 3000)) << "the fade-in ends";
    EXPECT_GT(ToolBar->StepHover(), 100);
    EXPECT_EQ(CaptionPixel(), CaptionGreen) << "a hot group shows the hot caption";

    ToolBar->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(ToolBar->Hot());
    ASSERT_TRUE(PumpUntil([&] { return ToolBar->StepHover() > 0 && ToolBar->StepHover() < 100; }, 3000));
    const TColor midway = CaptionPixel();
    EXPECT_NE(midway, CaptionRed) << "halfway out the caption is blended";
    EXPECT_NE(midway, CaptionGreen);
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->GlowRunning(); }, 3000)) << "the fade-out ends";
    EXPECT_LT(ToolBar->StepHover(), 0);
    EXPECT_EQ(ToolBar->GlowState(), gsNone);
    EXPECT_EQ(CaptionPixel(), CaptionRed);
}

TEST_F(ToolBarGlowTest, NoGlowOffTheRibbonWithoutHotColourOrWithoutSpeed)
{
    // Off a ribbon page the pointer changes nothing.
    ToolBar->SetParent(Form.get());
    ToolBar->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(ToolBar->Hot());
    EXPECT_FALSE(ToolBar->GlowRunning());

    // A styler without hot body colour stops the glow at its first tick.
    ToolBar->SetParent(Page);
    ToolBar->CurrentToolBarStyler()->ColorHot()->SetColor(clNone);
    ToolBar->Perform(CM_MOUSEENTER);
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->GlowRunning(); }, 3000));
    EXPECT_EQ(ToolBar->StepHover(), 20);

    // Speed 0 never ticks.
    ToolBar->Perform(CM_MOUSELEAVE);
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->GlowRunning(); }, 3000));
    ToolBar->CurrentToolBarStyler()->ColorHot()->SetColor(clYellow);
    SetGlowSpeed(0);
    const int step = ToolBar->StepHover();
    ToolBar->Perform(CM_MOUSEENTER);
    PumpFor(100);
    EXPECT_TRUE(ToolBar->GlowRunning());
    EXPECT_EQ(ToolBar->StepHover(), step);
}

TEST_F(ToolBarGlowTest, AGroupShowsItsPagersLookUnlessThePagerHasAStylerOfItsOwn)
{
    Page->Look = tsOffice2010Black;
    ToolBar->SetUIStyle(tsOffice2007Luna);
    EXPECT_EQ(ToolBar->UIStyle(), tsOffice2010Black);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler()->RujStyle(), tsOffice2010Black);

    Page->PagerHasStyler = true;
    ToolBar->SetUIStyle(tsOffice2007Luna);
    EXPECT_EQ(ToolBar->UIStyle(), tsOffice2007Luna);

    // A pager's tsCustom leaves the styler as it is.
    Page->PagerHasStyler = false;
    Page->Look = tsCustom;
    ToolBar->SetUIStyle(tsWindows10);
    EXPECT_EQ(ToolBar->UIStyle(), tsCustom);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler()->RujStyle(), tsOffice2007Luna);
}

TEST_F(ToolBarGlowTest, TheCaptionOptionButtonGlowsAndOpensTheOptions)
{
    // Off the ribbon too: a caption with option indicator and no right handle has the button.
    ToolBar->SetParent(Form.get());
    ToolBar->SetShowOptionIndicator(true);
    int opened = 0;
    ToolBar->SetOnOptionClick([&](TObject*, TPoint&, TPoint&) { ++opened; });
    const TRect button = ToolBar->GetCaptionOptionRect();
    ASSERT_GE(button.Left, 0);
    const TPoint inside{button.Left + 2, button.Top + 2};
    auto at = [](TPoint p) { return static_cast<LPARAM>(MAKELONG(p.X, p.Y)); };

    ToolBar->Perform(WM_MOUSEMOVE, 0, at(inside));
    EXPECT_TRUE(ToolBar->CaptionOptionHot());
    EXPECT_EQ(ToolBar->OptionGlowState(), gsHover);
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->OptionGlowRunning(); }, 3000));
    EXPECT_EQ(ToolBar->OptionStepHover(), 120);
    EXPECT_EQ(ToolBar->OptionGlowState(), gsNone);

    ToolBar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at(inside));
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(ToolBar->CaptionOptionDown());
    EXPECT_EQ(ToolBar->OptionGlowState(), gsPush);
    ToolBar->Perform(WM_LBUTTONUP, 0, at(inside));
    EXPECT_FALSE(ToolBar->CaptionOptionDown());
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->OptionGlowRunning(); }, 3000));

    ToolBar->Perform(WM_MOUSEMOVE, 0, at(Point(2, ToolBar->Height() - 2)));
    EXPECT_FALSE(ToolBar->CaptionOptionHot());
    ASSERT_TRUE(PumpUntil([&] { return !ToolBar->OptionGlowRunning(); }, 3000));
    EXPECT_EQ(ToolBar->OptionStepHover(), -20);
}

// A group takes its colours from the tab group its page lies in (its own or the styler's group
// look), or the pager's tones; under tones or the scenic look a strip at its right edge parts it
// from the next group instead of a frame.
TEST_F(ToolBarGlowTest, TabGroupColoursTonesAndTheSeparatorStrip)
{
    constexpr TColor Border = 0x800080, OwnCaption = 0xC00000, OwnBody = 0x00A0A0, OwnBorder = 0x606000,
                     StylerGroupCaption = 0xA0A000, StylerGroupBody = 0x0060C0, Tone = 0x40C040, ToneBorder = 0x204020;
    TCustomRurToolBarStyler* styler = ToolBar->CurrentToolBarStyler();
    styler->SetBorderColor(Border);
    // A group's own body is the upper band of the styler's mirrored look: plain white too.
    styler->Color()->Mirror()->SetColor(clWhite);
    styler->Color()->Mirror()->SetColorTo(clNone);
    auto colourGroup = [](TGroupAppearance* group, TColor caption, TColor body, TColor border) {
        group->CaptionAppearance()->SetCaptionColor(caption);
        group->CaptionAppearance()->SetCaptionColorTo(clNone);
        group->ToolBarAppearance()->Color()->SetColor(body);
        group->ToolBarAppearance()->Color()->SetColorTo(body);
        group->ToolBarAppearance()->SetBorderColor(border);
    };
    TGroupAppearance own;
    colourGroup(&own, OwnCaption, OwnBody, OwnBorder);
    colourGroup(styler->GroupAppearance(), StylerGroupCaption, StylerGroupBody, OwnBorder);
    TToolBarAppearance tones;
    tones.Color()->SetColor(Tone);
    tones.Color()->SetColorTo(Tone);
    tones.SetBorderColor(ToneBorder);

    const struct {
        const char* Label;
        bool InTabGroup, Own, Tones, TonesLook, Scenic;
        TColor Caption, Body, LeftEdge;
        int FromRight; // the separator's column, counted from the right edge
        TColor Separator;
    } cases[] = {
        {"styler's colours, framed", false, false, false, false, false, CaptionRed, clWhite, Border, 1, Border},
        {"own tab group", true, true, false, false, false, OwnCaption, OwnBody, OwnBorder, 1, OwnBorder},
        {"tab group with the styler's group look", true, false, false, false, false, StylerGroupCaption,
         StylerGroupBody, OwnBorder, 1, OwnBorder},
        {"tones", false, false, true, true, false, Tone, Tone, Tone, 2, ToneBorder},
        {"tones without a toolbar look", false, false, true, false, false, CaptionRed, clWhite, clWhite, 2, Border},
        {"scenic", false, false, false, false, true, CaptionRed, clWhite, clWhite, 3, Border},
    };
    const bool scenic = RurGDIP::GetScenicRibbon();
    for (const auto& c : cases) {
        Page->InTabGroup = c.InTabGroup;
        Page->OwnGroupLook = c.Own ? &own : nullptr;
        Page->Tones = c.Tones;
        Page->TonesLook = c.TonesLook ? &tones : nullptr;
        RurGDIP::SetScenicRibbon(c.Scenic);
        auto face = Snapshot(ToolBar);
        RurGDIP::SetScenicRibbon(scenic);
        const TRect caption = ToolBar->GetCaptionRect(), body = ToolBar->GetBodyRect();
        const int middle = (body.Top + body.Bottom) / 2;
        EXPECT_EQ(PixelOf(face.get(), caption.Width() / 2, (caption.Top + caption.Bottom) / 2), c.Caption) << c.Label;
        EXPECT_EQ(PixelOf(face.get(), body.Width() / 2, middle), c.Body) << c.Label;
        EXPECT_EQ(PixelOf(face.get(), 0, middle), c.LeftEdge) << c.Label;
        EXPECT_EQ(PixelOf(face.get(), ToolBar->Width() - c.FromRight, middle), c.Separator) << c.Label;
    }
}

} // namespace
