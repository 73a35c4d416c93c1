// The gradient, caption, toolbar, group, quick-access, hint, application and tab colour objects and
// the tab settings: defaults, which writes report a change, and what Assign copies or refuses.
#include <gtest/gtest.h>

#include <functional>

#include "RurGDIP.h"
#include "RurStyleIF.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBar_TabAppearance.h"
#include "SysUtils.h"

namespace {

struct TCounter {
    int Count = 0;
    TNotifyEvent Event()
    {
        return [this](TObject*) { ++Count; };
    }
};

TEST(AppearanceClassesTest, Defaults)
{
    TVistaGradientBackground vista;
    TVistaTextBackground text;
    TCaptionAppearance caption;
    TToolBarAppearance toolBar;
    TGroupAppearance group;
    TQATAppearance qat;
    TPagerHints hints;
    TAppColor app;
    TTabAppearance tab;
    TATBTabSettings settings;
    struct TCase {
        const char* Name;
        long long Value, Expected;
    };
    const TCase cases[] = {
        {"gradient Steps", vista.Steps(), 64},
        {"gradient ColorTo", vista.ColorTo(), clBtnFace},
        {"gradient Direction", vista.Direction(), gdHorizontal},
        {"mirror ColorMirrorTo", vista.Mirror()->ColorMirrorTo(), 0xFFF4E3},
        {"mirror ColorMirror", vista.Mirror()->ColorMirror(), 0xEDD9C8},
        {"vista ColorMirror", text.ColorMirror(), clSilver},
        {"vista BorderColor", text.BorderColor(), clGray},
        {"vista ShadowColor", text.ShadowColor(), 0xC4AA96},
        {"vista HighLightColor", text.HighLightColor(), 0xFDF9CE},
        {"text TextColor", text.TextColor(), clBlue},
        {"text TextColorExtended", text.TextColorExtended(), clGray},
        {"text font height", text.Font()->Height(), -11},
        {"caption CaptionColor", caption.CaptionColor(), clGray},
        {"caption CaptionTextColor", caption.CaptionTextColor(), clWhite},
        {"caption CaptionColorHot", caption.CaptionColorHot(), clNone},
        {"toolbar Color.ColorTo", toolBar.Color()->ColorTo(), clBtnFace},
        {"toolbar ColorHot.Color", toolBar.ColorHot()->Color(), clNone},
        {"toolbar ColorHot.ColorTo", toolBar.ColorHot()->ColorTo(), clNone},
        {"group BorderColor", group.BorderColor(), 0xA3B8AC},
        {"group Background", group.Background(), clInfoBk},
        {"group Steps", group.Steps(), 64},
        {"qat FullSizeColorTo", qat.FullSizeColorTo(), 0xE3B28D},
        {"qat ColorTo", qat.ColorTo(), clSilver},
        {"app HoverColor", app.HoverColor(), 0xF7E6CD},
        {"app AppButtonColor", app.AppButtonColor(), 0xE29E00},
        {"app AppButtonHoverColor", app.AppButtonHoverColor(), 0xFFAC3C},
        {"tab BorderColorHot", tab.BorderColorHot(), clBlue},
        {"tab ColorHot", tab.ColorHot(), clYellow},
        {"tab HighLightColorSelected", tab.HighLightColorSelected(), 0x63CCF8},
        {"tab BackGround.Steps", tab.BackGround()->Steps(), 64},
        {"settings StartMargin", settings.StartMargin(), 60},
        {"settings Height", settings.Height(), 26},
        {"settings MinSpacing", settings.MinSpacing(), 3},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    EXPECT_EQ(hints.MDIMaximizeBtnHint(), u"Maximize");
    EXPECT_EQ(hints.HelpBtnHint(), u"Help");
    EXPECT_EQ(text.Font()->Name(), IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
}

TEST(AppearanceClassesTest, WhatReportsAChange)
{
    TGradientBackground gradient;
    TVistaBackground vista;
    TVistaPageBackground page;
    TToolBarAppearance toolBar;
    TGroupAppearance group;
    TTabAppearance tab;
    TATBTabSettings settings;
    TPagerHints hints;
    struct TCase {
        const char* What;
        TNotifyPersistent* Object;
        std::function<void()> Write;
        int Changes;
    };
    const TCase cases[] = {
        {"a gradient background colour set to its own value", &gradient, [&] { gradient.SetColor(clWhite); }, 1},
        {"a gradient background's steps", &gradient, [&] { gradient.SetSteps(64); }, 1},
        {"a vista background colour set to its own value", &vista, [&] { vista.SetColor(clWhite); }, 0},
        {"a vista background colour changed", &vista, [&] { vista.SetColor(clRed); }, 1},
        {"a page background's shadow colour", &page, [&] { page.SetShadowColor(clRed); }, 0},
        {"a toolbar appearance's own gradient", &toolBar, [&] { toolBar.Color()->SetColorTo(clRed); }, 0},
        {"a toolbar appearance border", &toolBar, [&] { toolBar.SetBorderColor(clRed); }, 1},
        {"a group's caption colour", &group, [&] { group.CaptionAppearance()->SetCaptionColor(clRed); }, 1},
        {"a group's tab colour", &group, [&] { group.TabAppearance()->SetColor(clRed); }, 1},
        {"a group's page colour", &group, [&] { group.PageAppearance()->SetColor(clRed); }, 1},
        {"a group's font", &group, [&] { group.Font()->SetHeight(-20); }, 0},
        {"a tab's highlight colour", &tab, [&] { tab.SetHighLightColor(clRed); }, 0},
        {"a tab's hot border", &tab, [&] { tab.SetBorderColorHot(clRed); }, 0},
        {"a tab's border", &tab, [&] { tab.SetBorderColor(clRed); }, 1},
        {"a tab's background", &tab, [&] { tab.BackGround()->SetColor(clRed); }, 1},
        {"a tab's font", &tab, [&] { tab.SetSystemFont(false); }, 0},
        {"a tab margin", &settings, [&] { settings.SetLeftMargin(4); settings.SetLeftMargin(5); }, 1},
        {"a hint text differing in case", &hints, [&] { hints.SetHelpBtnHint(u"help"); }, 1},
    };
    for (const TCase& c : cases) {
        TCounter counter;
        c.Object->SetOnChange(counter.Event());
        c.Write();
        EXPECT_EQ(counter.Count, c.Changes) << c.What;
    }
}

// Which sources each Assign refuses: none and an object of another class.
TEST(AppearanceClassesTest, ForeignSources)
{
    TPersistent foreign;
    struct TCase {
        const char* Name;
        std::function<void(const TPersistent*)> Assign;
        bool NilRaises, ForeignRaises;
    };
    TGradientBackground gradient;
    TMirrorGradient mirror;
    TVistaBackground vista;
    TVistaTextBackground text;
    TCaptionAppearance caption;
    TToolBarAppearance toolBar;
    TGroupAppearance group;
    TQATAppearance qat;
    TPagerHints hints;
    TAppColor app;
    TTabAppearance tab;
    TATBTabSettings settings;
    auto of = [](TPersistent& p) { return [&p](const TPersistent* s) { p.Assign(s); }; };
    const TCase cases[] = {
        {"gradient background", of(gradient), false, false}, {"mirror gradient", of(mirror), true, true},
        {"vista background", of(vista), false, true},         {"vista text background", of(text), false, true},
        {"caption appearance", of(caption), false, true},     {"toolbar appearance", of(toolBar), true, true},
        {"group appearance", of(group), false, true},         {"quick-access appearance", of(qat), false, true},
        {"pager hints", of(hints), false, false},             {"application colours", of(app), false, false},
        {"tab appearance", of(tab), false, false},            {"tab settings", of(settings), true, true},
    };
    for (const TCase& c : cases) {
        if (c.NilRaises)
            EXPECT_THROW(c.Assign(nullptr), EConvertError) << c.Name;
        else
            EXPECT_NO_THROW(c.Assign(nullptr)) << c.Name;
        if (c.ForeignRaises)
            EXPECT_THROW(c.Assign(&foreign), EConvertError) << c.Name;
        else
            EXPECT_NO_THROW(c.Assign(&foreign)) << c.Name;
    }
}

TEST(AppearanceClassesTest, WhatAssignCopies)
{
    TAppColor app, appSource;
    appSource.SetHoverBorderColor(clRed);
    appSource.SetSelectedColor(clRed);
    app.Assign(&appSource);
    EXPECT_EQ(app.SelectedColor(), clRed);
    EXPECT_EQ(app.HoverBorderColor(), 0xE7BE7A) << "HoverBorderColor stays";

    TQATAppearance qat, qatSource;
    qatSource.SetSteps(10);
    qatSource.SetFullSizeColorTo(clRed);
    TCounter qatChanges;
    qat.SetOnChange(qatChanges.Event());
    qat.Assign(&qatSource);
    EXPECT_EQ(qat.Steps(), 64) << "Steps stays";
    EXPECT_EQ(qat.FullSizeColorTo(), clRed);
    EXPECT_EQ(qatChanges.Count, 1) << "FullSizeColorTo goes through its setter";

    TVistaGradientBackground vista, vistaSource;
    vistaSource.SetColor(clRed);
    vistaSource.Mirror()->SetColorMirror(clLime);
    vista.Assign(&vistaSource);
    EXPECT_EQ(vista.Color(), clRed);
    EXPECT_EQ(vista.Mirror()->ColorMirror(), clLime);

    TATBTabSettings settings, settingsSource;
    settingsSource.SetSpacing(9);
    settingsSource.SetStartMargin(9);
    settings.Assign(&settingsSource);
    EXPECT_EQ(settings.StartMargin(), 9);
    EXPECT_EQ(settings.Spacing(), 4) << "Spacing stays";

    // A group copies its parts; a change reported by a part on the way reaches the group.
    TGroupAppearance group, groupSource;
    groupSource.CaptionAppearance()->SetCaptionTextColorHot(clRed);
    groupSource.ToolBarAppearance()->SetBorderColor(clLime);
    groupSource.SetGradient(ggRadial);
    TCounter groupChanges;
    group.SetOnChange(groupChanges.Event());
    group.Assign(&groupSource);
    EXPECT_EQ(group.CaptionAppearance()->CaptionTextColorHot(), clRed);
    EXPECT_EQ(group.ToolBarAppearance()->BorderColor(), clLime);
    EXPECT_EQ(group.Gradient(), ggRadial);
    EXPECT_EQ(groupChanges.Count, 2) << "the caption's hot text colour and the gradient";
}

TEST(AppearanceClassesTest, TabAppearanceCopyAndClear)
{
    TTabAppearance source, target;
    source.Font()->SetName(u"Courier New");
    source.Font()->SetHeight(-20);
    source.Font()->SetColor(clRed);
    source.SetColorSelected(clLime);
    source.SetHighLightColor(clLime);
    source.SetGradientHot(ggRadial);
    source.SetTextColor(clRed);
    source.BackGround()->SetColor(clLime);
    TCounter changes;
    target.SetOnChange(changes.Event());
    target.Assign(&source);
    EXPECT_EQ(target.Font()->Name(), u"Courier New");
    EXPECT_EQ(target.Font()->Color(), clRed);
    EXPECT_EQ(target.Font()->Height(), -11) << "the target keeps its height";
    EXPECT_EQ(target.ColorSelected(), clLime);
    EXPECT_EQ(target.HighLightColor(), clLime);
    EXPECT_EQ(target.GradientHot(), ggRadial);
    EXPECT_EQ(target.TextColor(), clRed);
    EXPECT_EQ(target.BackGround()->Color(), clLime);
    EXPECT_EQ(changes.Count, 1) << "only the text colour that differed reports";

    target.ClearValues();
    for (TColor c : {target.BorderColor(), target.BorderColorHot(), target.ColorMirrorHotTo(), target.TextColorHot(),
                     target.ShadowColor(), target.HighLightColorSelectedHot(), target.BorderColorDown()})
        EXPECT_EQ(c, clNone);
    EXPECT_EQ(target.GradientHot(), ggRadial) << "gradient kinds stay";
    EXPECT_EQ(target.BackGround()->Color(), clLime);
    EXPECT_EQ(changes.Count, 1);
}

TEST(AppearanceClassesTest, SystemFontAndGlass)
{
    // Turning the system font off and on again gives the interface font at its own height, where a
    // new object starts at -11.
    TVistaTextBackground text;
    text.Font()->SetName(u"Courier New");
    text.SetSystemFont(false);
    EXPECT_EQ(text.Font()->Name(), u"Courier New");
    text.SetSystemFont(true);
    EXPECT_EQ(text.Font()->Name(), IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
    EXPECT_EQ(text.Font()->Height(), IsVistaOrLater() ? -12 : -11);

    // The glass switch is one for the process: writing its value fires nothing, the other value
    // flips it for every owner and fires OnGlassChange once.
    TATBTabSettings first, second;
    TCounter glassChanges, changes;
    first.SetOnGlassChange(glassChanges.Event());
    first.SetOnChange(changes.Event());
    first.SetGlass(RurGDIP::GetGlassEnabled());
    EXPECT_EQ(glassChanges.Count, 0);
    first.SetGlass(true);
    EXPECT_TRUE(second.Glass());
    EXPECT_EQ(glassChanges.Count, 1);
    EXPECT_EQ(changes.Count, 0);
    first.SetGlass(false);
    EXPECT_FALSE(RurGDIP::GetGlassEnabled());
}

} // namespace
