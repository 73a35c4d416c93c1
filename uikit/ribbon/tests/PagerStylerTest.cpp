// The pager's styler: an assigned one, its own Office styler made from a component style, and the
// change codes reaching it; the tabs painted in the look of the styler in force.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPager.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

// Counts the change codes the styler sends.
class TCountingPager : public TRurToolBarPager {
    TAVIN_CLASS(TCountingPager, TRurToolBarPager)
public:
    using TRurToolBarPager::TRurToolBarPager;
    void StylerChanged(int code) override
    {
        Codes.push_back(code);
        TRurToolBarPager::StylerChanged(code);
    }
    std::vector<int> Codes;
};

class PagerStylerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 640, 200);
        Pager = new TCountingPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        Pager->AddRurPage(u"Home");
        Pager->AddRurPage(u"Insert");
        Pager->SetActivePageIndex(0);
    }
    int OfficeStylersOwned() const
    {
        int count = 0;
        for (int i = 0; i < Pager->ComponentCount(); ++i)
            count += dynamic_cast<TRurToolBarOfficeStyler*>(Pager->Components(i)) ? 1 : 0;
        return count;
    }

    std::unique_ptr<TForm> Form;
    TCountingPager* Pager = nullptr;
};

TEST_F(PagerStylerTest, ComponentStylesReuseThePagersOwnOfficeStyler)
{
    EXPECT_EQ(Pager->UIStyle(), tsCustom);
    EXPECT_EQ(Pager->CurrentToolBarStyler(), Pager->InternalToolBarStyler());
    EXPECT_EQ(Pager->InternalToolBarStyler()->Name(), u"InternalStyler");
    for (TRujStyle style : {tsOffice2007Luna, tsOffice2010Black, tsOffice2019White}) {
        Pager->SetComponentStyle(style);
        EXPECT_EQ(Pager->UIStyle(), style);
    }
    EXPECT_EQ(OfficeStylersOwned(), 1);
    auto* office = static_cast<TCustomRurToolBarStyler*>(static_cast<void*>(Pager->OfficeToolBarStyler()));
    EXPECT_EQ(Pager->CurrentToolBarStyler(), office);

    // Registered once: one change, one code.
    Pager->Codes.clear();
    office->UpdateStyle();
    EXPECT_EQ(Pager->Codes, std::vector<int>{2});

    // tsCustom only stores; an assigned styler keeps the style from taking effect.
    Pager->SetComponentStyle(tsCustom);
    EXPECT_EQ(Pager->UIStyle(), tsCustom);
    EXPECT_EQ(Pager->CurrentToolBarStyler(), office);
}

TEST_F(PagerStylerTest, AnAssignedStylerIsUsedUntilItGoes)
{
    auto* styler = new TRurToolBarOfficeStyler(Form.get());
    TRurToolBar* before = Pager->ActivePage()->CreateRurToolBar();
    Pager->Codes.clear();
    Pager->SetToolBarStyler(styler);
    EXPECT_EQ(Pager->CurrentToolBarStyler(), styler);
    // Taking the styler's style link may report a caption change first; the styler's own code ends.
    EXPECT_EQ(Pager->Codes.back(), 0);
    // The page's groups follow it, those there already and those made later.
    TRurToolBar* after = Pager->ActivePage()->CreateRurToolBar();
    EXPECT_EQ(before->CurrentToolBarStyler(), styler);
    EXPECT_EQ(after->CurrentToolBarStyler(), styler);
    Pager->SetComponentStyle(tsOffice2019Black);
    EXPECT_EQ(Pager->CurrentToolBarStyler(), styler);

    // UpdateStyle applies the assigned Office styler's own preset again.
    styler->SetStyle(bsOffice2007Luna);
    const TColor luna = styler->TabAppearance()->ColorSelected();
    styler->TabAppearance()->SetColorSelected(TColor(0x123456));
    Pager->UpdateStyle();
    EXPECT_EQ(styler->TabAppearance()->ColorSelected(), luna);

    delete styler;
    EXPECT_EQ(Pager->ToolBarStyler(), nullptr);
    EXPECT_NE(Pager->CurrentToolBarStyler(), nullptr);
    for (TRurToolBar* group : {before, after})
        EXPECT_EQ(group->ToolBarStyler(), nullptr);
}

TEST_F(PagerStylerTest, UpdateStyleWithAStylerOfAnotherClassDoesNothing)
{
    auto* plain = new TCustomRurToolBarStyler(Form.get());
    Pager->SetToolBarStyler(plain);
    plain->TabAppearance()->SetColorSelected(TColor(0x123456));
    EXPECT_NO_THROW(Pager->UpdateStyle());
    EXPECT_EQ(plain->TabAppearance()->ColorSelected(), TColor(0x123456));
    EXPECT_EQ(Pager->CurrentToolBarStyler(), plain);
}

TEST_F(PagerStylerTest, TheSelectedTabTakesTheColourOfTheLookInForce)
{
    auto* styler = new TRurToolBarOfficeStyler(Form.get());
    Pager->SetToolBarStyler(styler);
    for (TToolBarStyle look : {bsOffice2007Luna, bsOffice2010Silver, bsWindows7}) {
        SCOPED_TRACE(static_cast<int>(look));
        styler->SetStyle(look);
        TTabAppearance* a = styler->TabAppearance();
        // A flat selected face, so one pixel tells the colour.
        a->SetColorSelectedTo(a->ColorSelected());
        a->SetColorMirrorSelected(a->ColorSelected());
        a->SetColorMirrorSelectedTo(a->ColorSelected());
        const TRect r = Pager->GetTabRect(0);
        std::unique_ptr<TBitmap> face = Snapshot(Pager);
        EXPECT_EQ(PixelOf(face.get(), r.Left + 3, r.Top + 6), ColorToRGB(a->ColorSelected()));
        AddToContactSheet(u"pager look", face.get());
    }
}

} // namespace
