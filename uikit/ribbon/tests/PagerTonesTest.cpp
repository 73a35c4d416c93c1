// The pager's own colours: colour tones and Office tones build its appearances, switch the flat
// look and reach the painting; a styler's look ends them.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurQuickAccessToolBar.h"
#include "RurRibbonPager.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Messages.h"
#include "ToolBarTestSupport.h"

namespace {

TColorTones MakeTones(TColor base)
{
    // Five distinct tones whose colours tell where each one went.
    TColorTones t;
    TColorTone* tones[] = {&t.Background, &t.Foreground, &t.Selected, &t.Hover, &t.Disabled};
    for (int i = 0; i < 5; ++i)
        *tones[i] = {TColor(base + 0x10 * i), TColor(base + 0x10 * i + 1), TColor(base + 0x10 * i + 2)};
    return t;
}

// An application button as an application would place one: found by its class name, it hears
// which look the ribbon took.
class TRurShapeButton : public TWinControl {
    TAVIN_CLASS(TRurShapeButton, TWinControl)
public:
    using TWinControl::TWinControl;
    void WndProc(TMessage& message) override
    {
        for (TToolBarMessage m : {TToolBarMessage::SetMetro, TToolBarMessage::SetOffice2013})
            if (IsToolBarMessage(message.Msg, m))
                Heard.push_back({m, message.WParam});
        TWinControl::WndProc(message);
    }
    std::vector<std::pair<TToolBarMessage, WPARAM>> Heard;
};

class PagerTonesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 640, 200);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        Pager->Caption()->SetCaption(u"Document");
        Pager->AddRurPage(u"Home");
        Pager->AddRurPage(u"Insert");
        Pager->SetActivePageIndex(0);
        App.SetTextColor(TColor(0x010101));
        App.SetHoverColor(TColor(0x020202));
        App.SetHoverBorderColor(TColor(0x030303));
        App.SetHoverTextColor(TColor(0x040404));
        App.SetSelectedColor(TColor(0x050505));
        App.SetSelectedBorderColor(TColor(0x060606));
        App.SetSelectedTextColor(TColor(0x070707));
        App.SetAppButtonColor(TColor(0x080808));
        App.SetAppButtonHoverColor(TColor(0x090909));
        SavedRibbonTones = RibbonTones;
        SavedScenic = RurGDIP::GetScenicRibbon();
    }
    void TearDown() override
    {
        // Both are the unit's, shared with every other pager.
        RibbonTones = SavedRibbonTones;
        RurGDIP::SetScenicRibbon(SavedScenic);
    }

    TOfficeTones Office() const { return {MakeTones(0x100000), MakeTones(0x200000), MakeTones(0x300000), &App}; }

    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
    TAppColor App;
    TColorTones SavedRibbonTones;
    bool SavedScenic = false;
};

TEST_F(PagerTonesTest, ColourTonesPaintTheCaptionTabRowAndSelectedTabFlat)
{
    const TColorTones t = MakeTones(0x400000);
    Pager->SetColorTones(t);
    EXPECT_TRUE(Pager->Itones());
    EXPECT_TRUE(Pager->Metro());
    EXPECT_FALSE(Pager->IsAeroVista());
    EXPECT_FALSE(Pager->Show3DInUse());
    EXPECT_FALSE(Pager->ShadowInUse());
    EXPECT_EQ(Pager->Color(), t.Background.BrushColor);

    const TTabAppearance* tab = Pager->OwnTabAppearance();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(Pager->TabAppearanceInUse(), tab);
    EXPECT_EQ(tab->BackGround()->Color(), t.Selected.BrushColor);
    EXPECT_EQ(tab->ColorSelected(), t.Background.BrushColor);
    EXPECT_EQ(tab->ColorHot(), t.Hover.BrushColor);
    EXPECT_EQ(tab->TextColorDisabled(), t.Disabled.TextColor);
    EXPECT_EQ(tab->ColorMirrorSelected(), clNone);
    EXPECT_EQ(Pager->OwnPageAppearance()->BorderColor(), t.Foreground.BorderColor);
    EXPECT_EQ(Pager->OwnGlowButtonAppearance()->ColorMirrorHot(), t.Hover.BrushColor);
    EXPECT_EQ(Pager->OwnGlowButtonAppearance()->BorderColor(), clNone);
    EXPECT_EQ(Pager->OwnPageGlowButtonAppearance()->ColorDown(), t.Selected.BrushColor);
    EXPECT_EQ(Pager->OwnGroupAppearance()->PageAppearance()->HighLightColor(), t.Hover.BrushColor);
    EXPECT_EQ(Pager->ToolBarCaptionTextColor(), t.Background.TextColor);

    std::unique_ptr<TBitmap> face = Snapshot(Pager);
    AddToContactSheet(u"pager tones", face.get());
    const TRect selected = Pager->GetTabRect(0);
    const TRect tabs = Pager->GetTabsRect();
    struct Spot {
        const char* what;
        int x, y;
        TColor colour;
    };
    for (const Spot& s : {Spot{"caption band", 20, 15, t.Background.BrushColor},
                          Spot{"caption top strip", 20, 1, t.Selected.BrushColor},
                          Spot{"selected tab", selected.Left + 1, selected.Top + 1, t.Background.BrushColor},
                          Spot{"tab row", tabs.Right - 5, tabs.Top + 5, t.Selected.BrushColor}}) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(PixelOf(face.get(), s.x, s.y), ColorToRGB(s.colour));
    }
}

TEST_F(PagerTonesTest, OfficeTonesPerDrawingFamily)
{
    const TOfficeTones o = Office();
    struct Case {
        TGroupStyle family;
        bool metro;
        TColor pageColour, tabHotText, tabSelectedText, tabSelected, pagerColour;
    };
    for (const Case& c :
         {Case{gsOffice2013, true, o.Tab.Background.BrushColor, App.AppButtonColor(), App.AppButtonColor(),
               o.Tab.Background.BrushColor, o.Buttons.Background.BrushColor},
          Case{gsOffice2016, false, o.Tab.Background.BrushColor, o.Tab.Hover.TextColor, o.Tab.Selected.TextColor,
               o.Tab.Background.BrushColor, o.Buttons.Background.BrushColor},
          Case{gsWindows8, false, o.Tab.Background.BrushColor, o.Tab.Hover.TextColor, o.Tab.Hover.TextColor,
               o.Tab.Background.BrushColor, o.Buttons.Background.BrushColor},
          Case{gsOffice2019, true, o.Pager.Foreground.BrushColor, o.Tab.Hover.TextColor, o.Tab.Selected.TextColor,
               o.Tab.Selected.BrushColor, o.Buttons.Foreground.BrushColor}}) {
        SCOPED_TRACE(static_cast<int>(c.family));
        Pager->SetOfficeTones(o, c.family);
        EXPECT_TRUE(Pager->Office2013());
        EXPECT_TRUE(Pager->Itones());
        EXPECT_EQ(Pager->GroupStyle(), c.family);
        EXPECT_EQ(Pager->Metro(), c.metro);
        EXPECT_EQ(Pager->OwnPageAppearance()->Color(), c.pageColour);
        EXPECT_EQ(Pager->Color(), c.pagerColour);
        const TTabAppearance* tab = Pager->OwnTabAppearance();
        EXPECT_EQ(tab->TextColorHot(), c.tabHotText);
        EXPECT_EQ(tab->TextColorSelected(), c.tabSelectedText);
        EXPECT_EQ(tab->ColorSelected(), c.tabSelected);
        std::unique_ptr<TBitmap> face = Snapshot(Pager);
        AddToContactSheet(u"pager office tones", face.get());
        const TRect selected = Pager->GetTabRect(0);
        EXPECT_EQ(PixelOf(face.get(), selected.Left + 2, selected.Top + 2), ColorToRGB(c.tabSelected));
    }
}

TEST_F(PagerTonesTest, OfficeToneFamiliesFillTheGlowButtonsAndTheSharedTones)
{
    const TOfficeTones o = Office();
    Pager->SetOfficeTones(o, gsOffice2016);
    const TGlowButtonAppearance* glow = Pager->OwnGlowButtonAppearance();
    EXPECT_EQ(glow->ColorHot(), App.HoverColor());
    EXPECT_EQ(glow->ColorMirrorHot(), clNone);
    EXPECT_EQ(glow->ColorChecked(), App.SelectedColor());
    EXPECT_EQ(glow->BorderColor(), o.Tab.Background.BrushColor);
    EXPECT_EQ(RibbonTones.Background.BorderColor, o.Tab.Background.BrushColor);
    EXPECT_EQ(RibbonTones.Selected.BrushColor, App.SelectedColor());
    EXPECT_EQ(AppButtonTones.Hover.BrushColor, App.AppButtonHoverColor());
    EXPECT_EQ(Pager->ToolBarCaptionTextColor(), TColor(0x808080));

    Pager->SetOfficeTones(o, gsOffice2019);
    EXPECT_EQ(glow->ColorMirrorHotTo(), o.Buttons.Hover.BrushColor);
    EXPECT_EQ(glow->TextColorChecked(), o.Buttons.Foreground.TextColor);
    EXPECT_EQ(RibbonTones.Hover, o.Buttons.Hover);
    EXPECT_EQ(Pager->OwnCaptionAppearance()->CaptionBorderColor(), App.AppButtonColor());
    EXPECT_EQ(Pager->ToolBarCaptionTextColor(), o.Tab.Foreground.TextColor);
    // The page's glow buttons take the same look.
    EXPECT_EQ(Pager->OwnPageGlowButtonAppearance()->ColorDown(), o.Buttons.Selected.BrushColor);
}

TEST_F(PagerTonesTest, ClearingOfficeTonesLeavesTheFlatLookUntilTheStylerChanges)
{
    Pager->SetOfficeTones(Office(), gsOffice2013);
    ASSERT_TRUE(Pager->Metro());
    Pager->ClearOfficeTones();
    EXPECT_FALSE(Pager->Office2013());
    EXPECT_EQ(Pager->GroupStyle(), gsClassic);
    EXPECT_FALSE(Pager->Itones());
    EXPECT_TRUE(Pager->Metro());

    Pager->StylerChanged(2);
    EXPECT_FALSE(Pager->Metro());
    EXPECT_TRUE(Pager->Show3DInUse() == Pager->CurrentToolBarStyler()->Show3D());
    // The styler's look is painted again.
    EXPECT_EQ(Pager->TabAppearanceInUse(), Pager->CurrentToolBarStyler()->TabAppearance());
}

TEST_F(PagerTonesTest, AnOfficeStylersFlatLookTakesThePagersDerivedLookBack)
{
    auto* bar = new TRurQuickAccessToolBar(Form.get());
    bar->SetHeight(22);
    bar->SetParent(Pager);
    const TOfficeTones o = Office();
    Pager->SetOfficeTones(o, gsOffice2013);
    EXPECT_EQ(bar->Color(), o.Pager.Background.BrushColor);

    auto* styler = new TRurToolBarOfficeStyler(Form.get());
    Pager->SetToolBarStyler(styler);
    styler->SetStyle(bsOffice2016White);
    const TOfficeToneAppearances* derived = Pager->OfficeToneAppearances();
    ASSERT_NE(derived, nullptr);
    EXPECT_EQ(derived->PageAppearance, Pager->OwnPageAppearance());
    EXPECT_EQ(styler->PageAppearance()->Color(), Pager->OwnPageAppearance()->Color());
    EXPECT_EQ(styler->TabAppearance()->TextColorSelected(), Pager->OwnTabAppearance()->TextColorSelected());
    // The caption band's text background and the container lines are flat in the caption's colours.
    const TCaptionAppearance* caption = Pager->OwnCaptionAppearance();
    EXPECT_EQ(styler->PagerCaption()->ColorMirrorTo(), caption->CaptionColor());
    EXPECT_EQ(styler->PagerCaption()->TextColor(), caption->CaptionTextColor());
    EXPECT_FALSE(styler->ContainerAppearance()->Line3D());

    // A classic look clears the tones: nothing is left to copy back.
    styler->SetStyle(bsOffice2007Luna);
    EXPECT_EQ(Pager->OfficeToneAppearances(), nullptr);
    Pager->SetToolBarStyler(nullptr);
}

TEST_F(PagerTonesTest, TheOffice2019UnderlineSlidesToTheSelectedTab)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    const TOfficeTones o = Office();
    Pager->SetOfficeTones(o, gsOffice2019);
    Pager->Repaint();
    ASSERT_TRUE(PumpUntil([&] { return !Pager->TabLineAnimating() && Pager->NewLineEnd() > 0; }, 2000));
    const TRect home = Pager->GetTabRect(0);
    EXPECT_GE(Pager->NewLineStart(), home.Left);
    EXPECT_LE(Pager->NewLineEnd(), home.Right);
    EXPECT_EQ(Pager->CurLineStart(), Pager->NewLineStart());

    // Selecting the next tab slides the line there: first between the two, then exactly under it.
    const double from = Pager->CurLineStart();
    Pager->SetActivePageIndex(1);
    Pager->Repaint();
    ASSERT_TRUE(Pager->TabLineAnimating());
    const TRect insert = Pager->GetTabRect(1);
    ASSERT_TRUE(PumpUntil([&] { return Pager->CurLineStart() != from; }, 1000));
    EXPECT_GT(Pager->CurLineStart(), from);
    EXPECT_LT(Pager->CurLineStart(), Pager->NewLineStart());
    ASSERT_TRUE(PumpUntil([&] { return !Pager->TabLineAnimating(); }, 2000));
    EXPECT_EQ(Pager->CurLineStart(), Pager->NewLineStart());
    EXPECT_EQ(Pager->CurLineEnd(), Pager->NewLineEnd());
    EXPECT_GE(Pager->NewLineStart(), insert.Left);
    EXPECT_LE(Pager->NewLineEnd(), insert.Right);

    // The line is painted in the tab's hot text colour under the caption.
    std::unique_ptr<TBitmap> face = Snapshot(Pager);
    AddToContactSheet(u"pager 2019 underline", face.get());
    const int x = (Pager->NewLineStart() + Pager->NewLineEnd()) / 2;
    int lineRows = 0;
    for (int y = insert.Top; y < insert.Bottom; ++y)
        lineRows += PixelOf(face.get(), x, y) == ColorToRGB(o.Tab.Hover.TextColor) ? 1 : 0;
    EXPECT_GE(lineRows, 2);
}

TEST_F(PagerTonesTest, TheApplicationButtonHearsTheLookByItsClassName)
{
    ASSERT_NE(ToolBarMessage(TToolBarMessage::SetMetro), 0u);
    auto* shape = new TRurShapeButton(Pager);
    shape->SetParent(Pager);
    shape->HandleNeeded();
    ASSERT_EQ(Pager->GetShapeButton(), shape);
    Pager->SetColorTones(MakeTones(0x400000));
    Pager->SetOfficeTones(Office(), gsOffice2019);
    Pager->ClearOfficeTones();
    using M = TToolBarMessage;
    const std::vector<std::pair<M, WPARAM>> expected{{M::SetMetro, 1}, {M::SetOffice2013, 1}, {M::SetOffice2013, 0}};
    EXPECT_EQ(shape->Heard, expected);
}

} // namespace
