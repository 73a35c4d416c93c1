// The kit's shared look on a toolbar: a look becomes the toolbar's own Office styler (one for all
// looks), a linked styler wins, and glow buttons take the styler's glow colours.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGlowButton.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_ToolBar.h"

namespace {

class ToolBarStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Form.get());
        Glow = new TRurGlowButton(Form.get());
        Glow->SetParent(ToolBar);
        Own = new TRurGlowButton(Form.get());
        Own->SetUseAppearance(true);
        Own->SetParent(ToolBar);
    }
    // The glow colours a fresh Office styler has for the look.
    static TColor GlowColorOf(TRujStyle look)
    {
        TRurToolBarOfficeStyler reference(nullptr);
        reference.SetComponentStyle(look);
        return reference.GlowButtonAppearance()->Color();
    }

    std::unique_ptr<TForm> Form;
    TRurToolBar* ToolBar = nullptr;
    TRurGlowButton* Glow = nullptr;
    TRurGlowButton* Own = nullptr;
};

TEST_F(ToolBarStyleTest, ALookBecomesOneOwnOfficeStylerReusedForEveryLook)
{
    const TColor ownColor = Own->Appearance()->Color();
    ToolBar->SetUIStyle(tsOffice2007Luna);
    TCustomRurToolBarStyler* styler = ToolBar->CurrentToolBarStyler();
    ASSERT_TRUE(dynamic_cast<TRurToolBarOfficeStyler*>(styler));
    EXPECT_EQ(ToolBar->UIStyle(), tsOffice2007Luna);
    EXPECT_EQ(styler->RujStyle(), tsOffice2007Luna);
    EXPECT_EQ(Glow->Appearance()->Color(), GlowColorOf(tsOffice2007Luna)) << "glow buttons take the styler's colours";
    EXPECT_EQ(Own->Appearance()->Color(), ownColor) << "a glow button that keeps its appearance is left alone";

    const int components = ToolBar->ComponentCount();
    for (TRujStyle look : {tsOffice2019White, tsWindows10, tsOffice2010Black}) {
        ToolBar->SetComponentStyle(look);
        EXPECT_EQ(ToolBar->CurrentToolBarStyler(), styler) << "the same styler takes every look";
        EXPECT_EQ(ToolBar->UIStyle(), look);
        EXPECT_EQ(Glow->Appearance()->Color(), GlowColorOf(look));
    }
    EXPECT_EQ(ToolBar->ComponentCount(), components) << "no styler is left behind per look";

    // tsCustom only stores the look: the styler and its colours stay.
    ToolBar->SetUIStyle(tsCustom);
    EXPECT_EQ(ToolBar->UIStyle(), tsCustom);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler(), styler);
    EXPECT_EQ(Glow->Appearance()->Color(), GlowColorOf(tsOffice2010Black));
}

TEST_F(ToolBarStyleTest, ALinkedStylerIgnoresEveryLook)
{
    TRurToolBarOfficeStyler linked(Form.get());
    linked.SetComponentStyle(tsOffice2013White);
    ToolBar->SetToolBarStyler(&linked);
    EXPECT_EQ(Glow->Appearance()->Color(), linked.GlowButtonAppearance()->Color())
        << "linking a styler colours the glow buttons";
    ToolBar->SetComponentStyleAndAppColor(tsOffice2007Luna, clRed);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler(), &linked);
    EXPECT_EQ(ToolBar->UIStyle(), tsCustom);
    EXPECT_EQ(linked.RujStyle(), tsOffice2013White);
    // A change of the linked styler's glow colours reaches the buttons.
    linked.GlowButtonAppearance()->SetColor(0x123456);
    EXPECT_EQ(Glow->Appearance()->Color(), TColor(0x123456));
    ToolBar->SetToolBarStyler(nullptr);
}

} // namespace
