#include <gtest/gtest.h>

#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurAppStyler.h"
#include "StdCtrls.h"
#include "StylingRegistry.h"

namespace {

// Components that note what a styler hands them.
class TStyleTaker : public TComponent, public IRujStyle, public IRujTones {
    TAVIN_CLASS(TStyleTaker, TComponent)
public:
    using TComponent::TComponent;
    void SetComponentStyle(TRujStyle AStyle) override { Styles.push_back(AStyle); }
    void SetColorTones(const TColorTones& ATones) override { Tones.push_back(ATones); }
    std::vector<TRujStyle> Styles;
    std::vector<TColorTones> Tones;
};

class TStyleExTaker : public TComponent, public IRujStyleEx {
    TAVIN_CLASS(TStyleExTaker, TComponent)
public:
    using TComponent::TComponent;
    void SetComponentStyle(TRujStyle AStyle) override { Plain.push_back(AStyle); }
    void SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor) override
    {
        Styles.push_back(AStyle);
        AppColors.push_back(AAppColor);
    }
    std::vector<TRujStyle> Plain, Styles;
    std::vector<TColor> AppColors;
};

struct TStyledForm {
    TStyledForm()
    {
        Form.SetColor(clWhite);
        Styler = new TRurFormStyler(&Form);
        Plain = new TStyleTaker(&Form);
        Ex = new TStyleExTaker(&Form);
        Outer = new TFrame(&Form);
        Inner = new TFrame(Outer);
        Nested = new TStyleTaker(Inner);
    }
    TForm Form{nullptr};
    TRurFormStyler* Styler;
    TStyleTaker* Plain;
    TStyleExTaker* Ex;
    TFrame* Outer;
    TFrame* Inner;
    TStyleTaker* Nested;
};

} // namespace

TEST(StylersTest, LookNamesListEveryLookButWhidbey)
{
    TRurFormStyler styler(nullptr);
    std::unique_ptr<TStringList> styles(styler.GetStyles());
    ASSERT_EQ(styles->Count(), 26);
    EXPECT_EQ(styles->Strings(0), u"Office 2003 Blue");
    const int black = styles->IndexOf(u"Office 2007 Black");
    ASSERT_GE(black, 0);
    EXPECT_EQ(reinterpret_cast<intptr_t>(styles->Objects(black)), intptr_t(tsOffice2007Obsidian));
    EXPECT_EQ(styles->IndexOf(u"Whidbey"), -1);
    EXPECT_EQ(styles->Strings(25), u"Custom");
    EXPECT_EQ(styler.Version(), u"2.4.0.1");
    EXPECT_EQ(styler.MetroColor(), clHighlight);
    EXPECT_EQ(styler.Style(), tsCustom);
    EXPECT_TRUE(styler.Enabled());
}

TEST(StylersTest, ALookColoursTheFormAndReachesEveryStyledComponentOnce)
{
    TStyledForm f;
    f.Styler->SetAppColor(0x123456); // a custom look applies nothing yet
    EXPECT_TRUE(f.Plain->Styles.empty());
    std::vector<TComponent*> applied;
    f.Styler->SetOnAppliedStyle(TAppliedStyleEvent([&](TObject*, TComponent* c) { applied.push_back(c); }));
    f.Styler->SetStyle(tsOffice2019Gray);
    EXPECT_EQ(f.Form.Color(), TColor(0x666666));
    EXPECT_EQ(f.Plain->Styles, std::vector<TRujStyle>{tsOffice2019Gray});
    EXPECT_EQ(f.Ex->Styles, std::vector<TRujStyle>{tsOffice2019Gray});
    EXPECT_EQ(f.Ex->AppColors, std::vector<TColor>{0x123456});
    EXPECT_TRUE(f.Ex->Plain.empty());
    EXPECT_EQ(f.Nested->Styles, std::vector<TRujStyle>{tsOffice2019Gray}); // a frame inside a frame: once
    EXPECT_EQ(applied.size(), 3u);

    f.Styler->SetStyle(tsCustom); // back to custom: nothing is applied
    EXPECT_EQ(f.Form.Color(), TColor(0x666666));
    EXPECT_EQ(f.Plain->Styles.size(), 1u);

    const struct {
        TRujStyle Style;
        TColor FormColor;
    } colours[] = {{tsOffice2013White, 0xFFFFFF}, {tsOffice2013LightGray, 0xC0C0C0}, {tsOffice2016Gray, 0x808080},
                   {tsOffice2019Black, 0x000000}, {tsWindows10, clBtnFace}};
    for (const auto& c : colours) {
        f.Styler->SetStyle(c.Style);
        EXPECT_EQ(f.Form.Color(), c.FormColor) << int(c.Style);
    }
}

TEST(StylersTest, AVetoedComponentStaysUnstyled)
{
    TStyledForm f;
    std::vector<TComponent*> applied;
    f.Styler->SetOnApplyStyle(TApplyStyleEvent([&](TObject*, TComponent* c, bool& allow) { allow = c != f.Plain; }));
    f.Styler->SetOnAppliedStyle(TAppliedStyleEvent([&](TObject*, TComponent* c) { applied.push_back(c); }));
    f.Styler->SetStyle(tsOffice2016White);
    EXPECT_TRUE(f.Plain->Styles.empty());
    EXPECT_EQ(f.Ex->Styles.size(), 1u);
    EXPECT_EQ(std::count(applied.begin(), applied.end(), f.Plain), 0);
}

TEST(StylersTest, MetroTonesLeaveTheFormColourAndTheLook)
{
    TStyledForm f;
    int changes = 0;
    f.Styler->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
    f.Styler->SetMetroColor(0x0000FF);
    EXPECT_TRUE(f.Plain->Tones.empty()); // Metro is off
    f.Styler->SetMetro(true);
    ASSERT_EQ(f.Plain->Tones.size(), 1u);
    EXPECT_EQ(f.Plain->Tones[0].Selected.BrushColor, TColor(0x0000FF));
    EXPECT_EQ(f.Nested->Tones.size(), 1u);
    EXPECT_EQ(f.Form.Color(), clWhite);
    EXPECT_EQ(f.Styler->Style(), tsCustom);
    f.Styler->SetMetroStyle(msDark);
    EXPECT_EQ(f.Plain->Tones.back().Background.BrushColor, TColor(0x000000));
    EXPECT_EQ(changes, 0); // tones tell no change
}

TEST(StylersTest, TheApplicationStylerLeadsItsFormStylers)
{
    TStyledForm first, second;
    auto* app = new TRurAppStyler(&first.Form);
    first.Styler->SetAppStyle(app);
    second.Styler->SetAppStyle(app);
    second.Styler->SetAppStyle(app); // once in the list
    EXPECT_EQ(app->FormStylers().size(), 2u);
    EXPECT_EQ(app->AppColor(), clNone);

    app->SetStyle(tsOffice2013Gray);
    EXPECT_EQ(first.Form.Color(), TColor(0x808080));
    EXPECT_EQ(second.Plain->Styles.back(), tsOffice2013Gray);
    app->SetAppColor(0x00FF00);
    EXPECT_EQ(second.Ex->AppColors.back(), TColor(0x00FF00));

    TColorTones tones;
    CreateMetroTones(false, 0x112233, 0, tones);
    app->SetColorTones(tones);
    EXPECT_TRUE(app->Metro());
    EXPECT_EQ(app->Style(), tsCustom);
    EXPECT_EQ(app->MetroStyle(), msDark);
    EXPECT_EQ(app->MetroColor(), TColor(0x112233));
    EXPECT_EQ(second.Plain->Tones.back(), tones);

    second.Styler->SetAppStyle(nullptr);
    EXPECT_EQ(app->FormStylers().size(), 1u);
    delete app; // the form stylers let go of it
    EXPECT_EQ(first.Styler->AppStyle(), nullptr);
}

TEST(StylersTest, TheLookSelectorSetsTheLook)
{
    TStyledForm f;
    f.Styler->SetStyle(tsOffice2016Black);
    auto* combo = new TComboBox(&f.Form);
    combo->SetParent(&f.Form);
    f.Styler->SetComboBox(combo);
    EXPECT_EQ(combo->Style(), csDropDownList);
    ASSERT_EQ(combo->Items()->Count(), 26);
    EXPECT_EQ(combo->Items()->Strings(combo->ItemIndex()), u"Office 2016 Black");
    combo->SetItemIndex(combo->Items()->IndexOf(u"Office 2019 White"));
    combo->OnSelect()(combo);
    EXPECT_EQ(f.Styler->Style(), tsOffice2019White);
    EXPECT_EQ(f.Form.Color(), TColor(0xFFFFFF));
    delete combo;
    EXPECT_EQ(f.Styler->ComboBox(), nullptr);
}

TEST(StylersTest, ControlsFindTheirFormsStylerLook)
{
    TStyledForm f;
    auto* panel = new TPanel(&f.Form);
    panel->SetParent(&f.Form);
    EXPECT_EQ(GetFormStylerStyle(panel, tsOffice2019White), tsOffice2019White); // custom counts as none
    f.Styler->SetStyle(tsOffice2010Blue);
    EXPECT_EQ(GetFormStylerStyle(panel, tsOffice2019White), tsOffice2010Blue);
    EXPECT_EQ(GetFormStylerStyle(&f.Form, tsCustom), tsOffice2010Blue);
    f.Styler->SetEnabled(false);
    EXPECT_EQ(GetFormStylerStyle(panel, tsCustom), tsCustom);
    EXPECT_EQ(GetFormStylerStyle(nullptr, tsWindows7), tsWindows7);
}

using StylerThemeTest = TStylingRegistryTest;

TEST_F(StylerThemeTest, AutoThemeAdaptFollowsTheSystemTheme)
{
    TStyledForm f;
    WriteInteger(OfficeRoot + u"\\16.0\\Common", u"UI Theme", 3);
    f.Styler->SetAutoThemeAdapt(true); // the setter adapts at once
    EXPECT_EQ(f.Styler->Style(), tsOffice2019Gray);
    WriteInteger(OfficeRoot + u"\\16.0\\Common", u"UI Theme", 4);
    f.Form.HandleNeeded();
    SendMessageW(f.Styler->NotifierWindow()->Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(f.Styler->Style(), tsOffice2019Black);
    EXPECT_EQ(f.Form.Color(), TColor(0x000000));
}
