// The ribbon form with its ribbon: the hide state of a very narrow form, the border colour from
// the ribbon's styler, the glass decision reaching the ribbon and its quick-access toolbar, and the
// glass frame's margins from the ribbon's caption and tab row.
#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "RurQuickAccessToolBar.h"
#include "RurRibbonPager.h"
#include "RurToolBarForm.h"
#include "RurToolBar_Styler.h"
#include "ToolBarTestSupport.h"

namespace {

// The ribbon's glass conditions answered by the test for the object's lifetime.
class TScopedGlass {
public:
    explicit TScopedGlass(bool on)
    {
        auto yes = [] { return true; };
        auto no = [] { return false; };
        SetRibbonGlassProbes({yes, yes, yes, on ? +yes : +no});
    }
    ~TScopedGlass() { ResetRibbonGlassProbes(); }
};

struct TRibbon {
    explicit TRibbon(TRurToolBarForm* form)
    {
        Pager = new TRurToolBarPager(form);
        Pager->SetParent(form);
        Pager->Update();
        Pager->AddRurPage(u"Home");
        Pager->SetActivePageIndex(0);
        Bar = new TRurQuickAccessToolBar(form);
        Bar->SetHeight(22);
        Bar->SetParent(Pager);
    }
    TRurToolBarPager* Pager;
    TRurQuickAccessToolBar* Bar;
};

TEST(RibbonFormPagerTest, ANarrowFormShrinksTheRibbonToItsCaptionAndWideningRestoresIt)
{
    TScopedGlass glass(false);
    TRurToolBarForm form(nullptr);
    form.SetBounds(100, 100, 500, 300);
    TRibbon ribbon(&form);
    ASSERT_TRUE(ShowActive(&form));
    const int height = ribbon.Pager->Height();
    struct Step {
        int Width;
        bool Hidden;
        bool BarVisible;
    };
    // 300 itself changes nothing either way.
    const Step steps[] = {{300, false, true}, {299, true, false}, {300, true, false}, {301, false, true}};
    for (const Step& s : steps) {
        form.SetWidth(s.Width);
        EXPECT_EQ(ribbon.Pager->HideState(), s.Hidden) << s.Width;
        EXPECT_EQ(ribbon.Bar->Visible(), s.BarVisible) << s.Width;
        EXPECT_EQ(ribbon.Pager->Height(), s.Hidden ? ribbon.Pager->ScaledPagerCaptionHeight() : height) << s.Width;
    }
    // A bar hidden before stays hidden after the narrow spell.
    ribbon.Bar->Hide();
    form.SetWidth(250);
    form.SetWidth(500);
    EXPECT_FALSE(ribbon.Pager->HideState());
    EXPECT_FALSE(ribbon.Bar->Visible());
}

TEST(RibbonFormPagerTest, TheBorderTakesTheRibbonStylersFormBorderColour)
{
    TScopedGlass glass(false);
    TRurToolBarForm form(nullptr);
    form.SetBounds(100, 100, 400, 300);
    form.SetSingleBorder(true);
    TRibbon ribbon(&form);
    ribbon.Pager->CurrentToolBarStyler()->SetFormBorderColor(0x0000C0);
    ASSERT_TRUE(ShowActive(&form));
    auto face = Snapshot(&form);
    EXPECT_EQ(PixelOf(face.get(), 0, form.ClientHeight() - 20), TColor(0x0000C0));
    EXPECT_EQ(PixelOf(face.get(), form.ClientWidth() - 1, form.ClientHeight() - 20), TColor(0x0000C0));
}

TEST(RibbonFormPagerTest, GlassDecidedByTheFormReachesTheRibbonAndItsBar)
{
    TScopedGlass glass(true);
    TRurToolBarForm form(nullptr);
    form.SetBounds(100, 100, 500, 300);
    TRibbon ribbon(&form);
    ASSERT_TRUE(form.IsAeroVista());
    ASSERT_TRUE(ribbon.Pager->IsAeroVista());
    ASSERT_TRUE(ribbon.Bar->IsAeroVista()) << "on a ribbon form the bar keeps glass";
    {
        TScopedGlass off(false);
        form.UpdateAeroState();
        EXPECT_FALSE(form.IsAeroVista());
        EXPECT_FALSE(ribbon.Pager->IsAeroVista());
        EXPECT_FALSE(ribbon.Bar->IsAeroVista());
    }
}

TEST(RibbonFormPagerTest, OffARibbonFormTheBarLeavesGlass)
{
    TScopedGlass glass(true);
    TForm form(nullptr);
    auto* pager = new TRurToolBarPager(&form);
    pager->SetParent(&form);
    auto* bar = new TRurQuickAccessToolBar(&form);
    ASSERT_TRUE(bar->IsAeroVista());
    bar->SetParent(pager);
    EXPECT_FALSE(bar->IsAeroVista());
}

} // namespace
