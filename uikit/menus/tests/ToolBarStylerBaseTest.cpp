// The toolbar styler base: which change code each write sends and to whom, the update bracket,
// copying between stylers and the menu styler link.
#include <gtest/gtest.h>

#include <functional>

#include "RurMenus_Styler.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

namespace {

// A styler that records every (control, code) it hands out; a control listed in Failing raises.
class TRecordingStyler : public TCustomRurToolBarStyler {
public:
    using TCustomRurToolBarStyler::TCustomRurToolBarStyler;
    std::vector<std::pair<TControl*, int>> Heard;
    TControl* Failing = nullptr;

protected:
    void ControlChanged(TControl* control, int code) override
    {
        if (control == Failing)
            throw Exception(u"receiver failed");
        Heard.emplace_back(control, code);
        TCustomRurToolBarStyler::ControlChanged(control, code);
    }
};

struct StylerFixture : ::testing::Test {
    TRecordingStyler styler{nullptr};
    TRurToolBar toolBar{nullptr};
    void SetUp() override { styler.AddControl(&toolBar); }
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (auto& [control, code] : styler.Heard)
            codes.push_back(code);
        return codes;
    }
};

struct CodeCase {
    const char* What;
    std::function<void(TCustomRurToolBarStyler&)> Write;
    std::vector<int> Codes;
};

} // namespace

TEST_F(StylerFixture, EachWriteSendsItsCodeOnce)
{
    TBitmap picture;
    picture.SetSize(2, 2);
    TFont font;
    TGradientBackground gradient;
    gradient.SetColor(0x123456);
    TVistaGradientBackground vista;
    vista.SetColor(0x123456);
    const CodeCase cases[] = {
        {"BackGround", [&](auto& s) { s.SetBackGround(&picture); }, {1}},
        {"BackGroundTransparent", [](auto& s) { s.SetBackGroundTransparent(false); }, {1}},
        {"BackGroundDisplay", [](auto& s) { s.SetBackGroundDisplay(bdStretch); }, {1}},
        {"Font", [&](auto& s) { s.SetFont(&font); }, {1}},
        {"BorderColor", [](auto& s) { s.SetBorderColor(0x10); }, {2}},
        {"BorderColor unchanged", [](auto& s) { s.SetBorderColor(0x10); }, {}},
        {"CaptionFont", [&](auto& s) { s.SetCaptionFont(&font); }, {2}},
        {"RightHandleImage", [&](auto& s) { s.SetRightHandleImage(&picture); }, {2}},
        {"RightHandleColorDownTo", [](auto& s) { s.SetRightHandleColorDownTo(0x10); }, {2}},
        {"FloatingWindowBorderWidth", [](auto& s) { s.SetFloatingWindowBorderWidth(3); }, {2}},
        {"RoundEdges unchanged", [](auto& s) { s.SetRoundEdges(true); }, {2}},
        {"UseBevel", [](auto& s) { s.SetUseBevel(true); }, {2}},
        {"Bevel", [](auto& s) { s.SetBevel(bvRaised); }, {2}},
        {"ShowShadow", [](auto& s) { s.SetShowShadow(false); }, {2}},
        {"DragGripStyle", [](auto& s) { s.SetDragGripStyle(dsNone); }, {5}},
        {"SysButtonColor", [](auto& s) { s.SetSysButtonColor(0x10); }, {11}},
        {"Color hook", [](auto& s) { s.Color()->SetColorTo(0x10); }, {2}},
        {"DockColor hook", [](auto& s) { s.DockColor()->SetSteps(3); }, {2}},
        {"CaptionAppearance hook", [](auto& s) { s.CaptionAppearance()->SetCaptionColor(0x10); }, {2}},
        {"ContainerAppearance hook", [](auto& s) { s.ContainerAppearance()->SetLine3D(false); }, {4}},
        {"GlowButtonAppearance hook", [](auto& s) { s.GlowButtonAppearance()->SetColorHot(0x10); }, {7}},
        {"CompactGlowButtonAppearance hook", [](auto& s) { s.CompactGlowButtonAppearance()->SetColor(0x10); }, {7}},
        {"TabAppearance hook", [](auto& s) { s.TabAppearance()->SetColor(0x10); }, {10}},
        {"PageAppearance hook", [](auto& s) { s.PageAppearance()->SetColor(0x10); }, {10}},
        {"GroupAppearance hook", [](auto& s) { s.GroupAppearance()->SetColor(0x10); }, {10}},
        {"PagerCaption hook", [](auto& s) { s.PagerCaption()->SetColor(0x10); }, {11}},
        {"QATAppearance hook", [](auto& s) { s.QATAppearance()->SetColor(0x10); }, {12}},
        {"UpdateStyle", [](auto& s) { s.UpdateStyle(); }, {2}},
        // Stored without a code, or copied by an Assign that raises no change.
        {"FormBorderColor", [](auto& s) { s.SetFormBorderColor(0x10); }, {}},
        {"SystemFont", [](auto& s) { s.SetSystemFont(false); }, {}},
        {"Color property", [&](auto& s) { s.SetColor(&vista); }, {}},
        {"DockColor property", [&](auto& s) { s.SetDockColor(&gradient); }, {}},
        {"ButtonAppearance property", [](auto& s) { s.SetButtonAppearance(s.ButtonAppearance()); }, {}},
    };
    for (const CodeCase& c : cases) {
        styler.Heard.clear();
        c.Write(styler);
        EXPECT_EQ(Codes(), c.Codes) << c.What;
    }
}

TEST_F(StylerFixture, UpdateBracketHoldsEverythingBackAndEndSendsNothing)
{
    styler.BeginUpdate();
    styler.SetBorderColor(0x10);
    styler.GlowButtonAppearance()->SetColor(0x10);
    styler.EndUpdate();
    EXPECT_TRUE(styler.Heard.empty());
    styler.EndUpdate();
    EXPECT_EQ(styler.UpdateCount(), 0);
    styler.SetBorderColor(0x20);
    EXPECT_EQ(Codes(), std::vector<int>{2});
}

TEST_F(StylerFixture, EveryRegistrationHearsAndOneFailingControlStopsNoOther)
{
    // A toolbar made in code has no name; it hears changes like any other.
    TRurToolBar unnamed(nullptr), failing(nullptr);
    ASSERT_TRUE(unnamed.Name().empty());
    styler.AddControl(&failing);
    styler.AddControl(&unnamed);
    styler.AddControl(&unnamed);
    styler.AddControl(nullptr);
    styler.Failing = &failing;
    styler.UpdateStyle();
    EXPECT_EQ(styler.Heard, (std::vector<std::pair<TControl*, int>>{{&toolBar, 2}, {&unnamed, 2}, {&unnamed, 2}}));
    styler.RemoveControl(&unnamed);
    EXPECT_EQ(styler.ControlCount(), 3);
    styler.RemoveControl(&unnamed);
    styler.RemoveControl(&unnamed);
    EXPECT_EQ(styler.ControlCount(), 2);
}

TEST_F(StylerFixture, AFreedControlLeavesTheList)
{
    {
        TRurToolBar shortLived(nullptr);
        styler.AddControl(&shortLived);
        EXPECT_EQ(styler.ControlCount(), 2);
    }
    EXPECT_EQ(styler.ControlCount(), 1);
    styler.UpdateStyle();
    EXPECT_EQ(styler.Heard.size(), 1u);
}

TEST(ToolBarStylerBase, AssignCopiesTheListedValuesOnly)
{
    TCustomRurToolBarStyler source(nullptr), target(nullptr);
    source.SetShowShadow(false);
    source.SetShow3D(false);
    source.SetRightHandleColor(0x010203);
    source.SetBorderColor(0x040506);
    source.SetFloatingWindowBorderWidth(5);
    source.Color()->SetColor(0x070809);
    source.ButtonAppearance()->SetColorHot(0x0A0B0C);
    source.SetFormBorderColor(0x0D0E0F);
    source.GlowButtonAppearance()->SetColor(0x111213);
    target.Assign(&source);
    EXPECT_FALSE(target.ShowShadow());
    EXPECT_FALSE(target.Show3D());
    EXPECT_EQ(target.FloatingWindowBorderWidth(), 5);
    EXPECT_EQ(target.Color()->Color(), 0x070809);
    EXPECT_EQ(target.ButtonAppearance()->ColorHot(), 0x0A0B0C);
    EXPECT_EQ(target.FormBorderColor(), 0x0D0E0F);
    EXPECT_EQ(target.RightHandleColor(), 0x9E9E9E);
    EXPECT_EQ(target.BorderColor(), clNone);
    EXPECT_NE(target.GlowButtonAppearance()->Color(), 0x111213);
    TFont notAStyler;
    EXPECT_THROW(target.Assign(&notAStyler), EConvertError);
}

TEST_F(StylerFixture, MenuStylerFallsBackToTheOwnOneWhenClearedOrFreed)
{
    TCustomRurMenuStyler* own = styler.CurrentRurMenuStyler();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->Name(), u"InternalMenuStyler");
    {
        TRurMenuStyler external(nullptr);
        styler.SetRurMenuStyler(&external);
        EXPECT_EQ(styler.CurrentRurMenuStyler(), &external);
        EXPECT_EQ(Codes(), std::vector<int>{6});
    }
    EXPECT_EQ(styler.RurMenuStyler(), nullptr);
    EXPECT_EQ(styler.CurrentRurMenuStyler(), own);
    EXPECT_EQ(Codes(), (std::vector<int>{6, 6}));
}

TEST(ToolBarStylerBase, DestroyingTheStylerGivesToolBarsTheirOwnBack)
{
    TRurToolBar toolBar(nullptr);
    auto styler = std::make_unique<TCustomRurToolBarStyler>(nullptr);
    toolBar.SetToolBarStyler(styler.get());
    ASSERT_EQ(toolBar.CurrentToolBarStyler(), styler.get());
    styler.reset();
    EXPECT_EQ(toolBar.ToolBarStyler(), nullptr);
    EXPECT_NE(toolBar.CurrentToolBarStyler(), nullptr);
}
