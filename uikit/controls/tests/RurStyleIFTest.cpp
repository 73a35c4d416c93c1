#include <gtest/gtest.h>

#include <memory>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "PlatformFacts.h"
#include "RurStyleIF.h"
#include "StylingRegistry.h"
#include "TestStyle.h"
#include "TypInfo.h"

namespace {

std::string Name(TRujStyle s) { return ToUtf8(EnumInfoOf<TRujStyle>().Name(s)); }

} // namespace

TEST(RurStyleIFTest, LooksKeepTheirOrderOfficeThemeAndLightness)
{
    // The ordinals are stored in form resources.
    struct {
        int Ordinal;
        const char16_t* Name;
        TOfficeTheme Office;
        bool Light;
    } rows[] = {
        {0, u"tsOffice2003Blue", ot2003Blue, true},        {1, u"tsOffice2003Silver", ot2003Silver, true},
        {2, u"tsOffice2003Olive", ot2003Olive, true},      {3, u"tsOffice2003Classic", ot2003Classic, true},
        {4, u"tsOffice2007Luna", ot2007Blue, true},        {5, u"tsOffice2007Obsidian", ot2007Black, true},
        {6, u"tsWindowsXP", otUnknown, true},              {7, u"tsWhidbey", otUnknown, true},
        {8, u"tsCustom", ot2019Black, true},               {9, u"tsOffice2007Silver", ot2007Silver, true},
        {10, u"tsWindowsVista", otUnknown, true},          {11, u"tsWindows7", otUnknown, true},
        {12, u"tsTerminal", otUnknown, true},              {13, u"tsOffice2010Blue", ot2010Blue, true},
        {14, u"tsOffice2010Silver", ot2010Silver, true},   {15, u"tsOffice2010Black", ot2010Black, true},
        {16, u"tsWindows8", otUnknown, true},              {17, u"tsOffice2013White", ot2013White, true},
        {18, u"tsOffice2013LightGray", ot2013Silver, true}, {19, u"tsOffice2013Gray", ot2013Gray, true},
        {20, u"tsWindows10", otUnknown, true},             {21, u"tsOffice2016White", ot2016White, true},
        {22, u"tsOffice2016Gray", ot2016Gray, true},       {23, u"tsOffice2016Black", ot2016Black, false},
        {24, u"tsOffice2019White", ot2019White, true},     {25, u"tsOffice2019Gray", ot2019Gray, false},
        {26, u"tsOffice2019Black", ot2019Black, false},
    };
    ASSERT_EQ(TavinEnumCount(static_cast<TRujStyle*>(nullptr)), int(std::size(rows)));
    for (const auto& r : rows) {
        const auto look = TRujStyle(r.Ordinal);
        EXPECT_EQ(EnumInfoOf<TRujStyle>().Name(r.Ordinal), r.Name);
        EXPECT_EQ(GetOfficeThemeOf(look), r.Office) << Name(look);
        EXPECT_EQ(IsLightStyle(look), r.Light) << Name(look);
    }
    EXPECT_EQ(EnumInfoOf<TOfficeTheme>().Name(19), u"otUnknown");
}

TEST(RurStyleIFTest, TonePresets)
{
    TColorTones tones;
    CreateMetroTones(true, 0x0000FF, 0x123456, tones);
    EXPECT_EQ(tones.Background, (TColorTone{0xFFFFFF, 0x0000FF, 0x000000}));
    EXPECT_EQ(tones.Foreground, (TColorTone{0xC0C0C0, 0xC0C0C0, 0x000000}));
    EXPECT_EQ(tones.Selected, (TColorTone{0x0000FF, 0x0000FF, 0xFFFFFF}));
    EXPECT_EQ(tones.Hover, (TColorTone{0x0000CC, 0x0000CC, 0xFFFFFF}));
    EXPECT_EQ(tones.Disabled, (TColorTone{0xC0C0C0, 0x808080, 0x808080}));
    CreateMetroTones(false, 0x00FF00, 0, tones);
    EXPECT_EQ(tones.Background, (TColorTone{0x000000, 0x00FF00, 0xFFFFFF}));

    CreateDefaultTones(tones);
    EXPECT_EQ(tones.Background, (TColorTone{clWindow, clHighlight, clWindowText}));
    EXPECT_EQ(tones.Selected, (TColorTone{clHighlight, clHighlight, clHighlightText}));
    EXPECT_EQ(tones.Hover, (TColorTone{0x808080, 0x808080, 0xFFFFFF}));
    EXPECT_EQ(tones.Disabled, (TColorTone{clWindow, 0xC0C0C0, 0xC0C0C0}));
    EXPECT_FALSE(IsEmptyColorTones(tones));

    ClearColorTones(tones);
    EXPECT_TRUE(IsEmptyColorTones(tones));
    EXPECT_EQ(tones.Disabled.TextColor, clNone);
    tones.Background.TextColor = 0;
    EXPECT_FALSE(IsEmptyColorTones(tones));
}

TEST(RurStyleIFTest, DarkerScalesEachChannelRoundingHalvesToEven)
{
    struct {
        TColor In;
        int Percent;
        TColor Out;
    } cases[] = {
        {0x0000FF, 20, 0x0000CC},
        {0x050F19, 50, 0x02080C}, // 2.5 -> 2, 7.5 -> 8, 12.5 -> 12
        {0x808080, 0, 0x808080},
        {0x808080, 100, 0x000000},
        {0x808080, -100, 0xFFFFFF}, // brighter, limited to 255
        {0x808080, 150, 0x000000},  // never below 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(Darker(c.In, c.Percent), c.Out) << std::hex << c.In << " " << std::dec << c.Percent;
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(Darker(clBtnFace, 10), Darker(face, 10));
}

TEST(RurStyleIFTest, FrameworkStyleTestsAndTones)
{
    TSystemStyleServices system;
    EXPECT_FALSE(IsVclStyled(&system, false));
    EXPECT_TRUE(IsVclStyled(&system, true)); // in the designer only its own two styles count as unstyled

    TColorTones tones;
    CreateDefaultTones(tones);
    const TColorTones before = tones;
    GetVclStyleTones(tones, &system);
    EXPECT_EQ(tones.Background.BrushColor, clNone);
    tones.Background.BrushColor = before.Background.BrushColor;
    EXPECT_EQ(tones, before); // nothing else touched

    TActiveTestStyle style(u"Emerald");
    EXPECT_TRUE(IsVclStyled(style.Style(), false));
    TActiveTestStyle designerStyle(u"Windows10", 1);
    EXPECT_FALSE(IsVclStyled(designerStyle.Style(), true));
    GetVclStyleTones(tones, designerStyle.Style());
    EXPECT_EQ(tones.Background.BrushColor, clNone); // "Windows10" is left alone at run time too

    GetVclStyleTones(tones, style.Style());
    auto element = [&](TThemedGrid grid, TElementColor kind) {
        TColor c = clNone;
        style->GetElementColor(TCustomStyleServices::GetElementDetails(grid), kind, c);
        return c;
    };
    EXPECT_EQ(tones.Foreground, (TColorTone{element(tgCellNormal, ecFillColor), element(tgCellNormal, ecBorderColor),
                                            element(tgCellNormal, ecTextColor)}));
    EXPECT_EQ(tones.Background.BrushColor, element(tgFixedCellNormal, ecFillColor));
    EXPECT_EQ(tones.Selected.BrushColor, element(tgCellSelected, ecFillColor));
    EXPECT_EQ(tones.Hover, (TColorTone{style->GetStyleColor(scButtonHot), style->GetStyleColor(scButtonHot),
                                       style->GetStyleFontColor(sfButtonTextHot)}));
    EXPECT_EQ(tones.Disabled, (TColorTone{style->GetStyleColor(scButtonDisabled), style->GetStyleColor(scButtonDisabled),
                                          style->GetStyleFontColor(sfButtonTextDisabled)}));
}

TEST(RurStyleIFTest, DpiScales)
{
    EXPECT_EQ(GetDCDPIScale(nullptr, false), 1.0f);
    const int base = GetTextHeightAtDPI(96, 9);
    EXPECT_GT(base, 0);
    EXPECT_NEAR(GetTextHeightAtDPI(192, 9), 2 * base, 2);

    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    {
        TInjectedPlatformFacts dpi({.Dpi = 144});
        EXPECT_FLOAT_EQ(GetControlDPIScale(panel, nullptr), 1.5f);
        form.SetScaled(false);
        EXPECT_FLOAT_EQ(GetControlDPIScale(panel, nullptr), 1.0f);
    }
    // A form that is not a TForm, or none: the canvas's (here the screen's) resolution.
    HDC screen = GetDC(nullptr);
    const float screenScale = float(GetDeviceCaps(screen, LOGPIXELSX)) / 96.0f;
    ReleaseDC(nullptr, screen);
    EXPECT_FLOAT_EQ(GetControlDPIScale(nullptr, nullptr), screenScale);
    EXPECT_EQ(GetCanvasDPIScale(nullptr, &form), 1.0f); // not scaled
    if (screenScale == 1.0f) {
        EXPECT_EQ(GetCanvasDPIScale(nullptr, nullptr), 1.0f);
    }
    EXPECT_EQ(GetDefaultFontName(), IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
}

// ---- Detection from the registry -----------------------------------------------------------------

class StyleDetectionTest : public TStylingRegistryTest {};

TEST_F(StyleDetectionTest, OfficeThemesDecideTheLook)
{
    const String o16 = OfficeRoot + u"\\16.0\\Common", o15 = OfficeRoot + u"\\15.0\\Common",
                 o14 = OfficeRoot + u"\\14.0\\Common", o12 = OfficeRoot + u"\\12.0\\Common";
    struct TValue {
        String Key, Name;
        std::optional<int> Number;
        String Text;
    };
    struct {
        const char* What;
        std::vector<TValue> Values;
        TRujStyle Look;
    } cases[] = {
        {"2016+ without a UI theme", {{o16, u"", {}, u""}}, tsOffice2019White},
        {"2016+ gray", {{o16, u"UI Theme", 3, u""}}, tsOffice2019Gray},
        {"2016+ black as text", {{o16, u"UI Theme", {}, u"4"}}, tsOffice2019Black},
        {"2016+ other", {{o16, u"UI Theme", 7, u""}}, tsOffice2019White},
        {"2016+ wins over 2013", {{o16, u"UI Theme", 3, u""}, {o15, u"UI Theme", 2, u""}}, tsOffice2019Gray},
        {"2013 light gray", {{o15, u"UI Theme", 1, u""}}, tsOffice2013LightGray},
        {"2013 five as text", {{o15, u"UI Theme", {}, u"5"}}, tsCustom},
        {"2013 text that is no number", {{o15, u"UI Theme", {}, u"dark"}}, tsOffice2013White},
        {"2010 silver", {{o14, u"Theme", 2, u""}}, tsOffice2010Silver},
        {"2010 unknown number", {{o14, u"Theme", 9, u""}}, tsCustom},
        {"2010 theme as text is no theme", {{o14, u"Theme", {}, u"2"}, {o12, u"Theme", 3, u""}}, tsOffice2007Obsidian},
        {"2007 silver", {{o12, u"Theme", 2, u""}}, tsOffice2007Silver},
        {"2007 without a theme value", {{o12, u"", {}, u""}}, tsWindows7},
    };
    TInjectedPlatformFacts win7({.Version = Windows7});
    for (const auto& c : cases) {
        RemoveOffice();
        for (const TValue& v : c.Values) {
            if (v.Name.empty())
                CreateKey(v.Key);
            else if (v.Number)
                WriteInteger(v.Key, v.Name, *v.Number);
            else
                WriteString(v.Key, v.Name, v.Text);
        }
        EXPECT_EQ(Name(DetectSystemStyle(false)), Name(c.Look)) << c.What;
    }
}

TEST_F(StyleDetectionTest, WithoutOfficeTheSystemDecides)
{
    struct {
        TWindowsVersion Version;
        std::optional<int> AppsUseLightTheme;
        TRujStyle Look;
    } cases[] = {
        {WindowsXP, {}, tsWindows7},     {Windows7, {}, tsWindows7},       {Windows8, {}, tsWindows8},
        {Windows81, {}, tsWindows8},     {Windows10, {}, tsWindows10},     {Windows10, 1, tsWindows10},
        {Windows11, 0, tsOffice2019Black},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        if (c.AppsUseLightTheme)
            WriteInteger(PersonalizeKey, u"AppsUseLightTheme", *c.AppsUseLightTheme);
        TInjectedPlatformFacts version({.Version = c.Version});
        EXPECT_EQ(Name(DetectSystemStyle(false)), Name(c.Look)) << c.Version.Major << "." << c.Version.Minor;
    }
    // With the Office fallback the XP colour scheme decides: none without visual themes.
    TInjectedPlatformFacts xp({.Version = WindowsXP, .ThemesActive = false});
    EXPECT_EQ(GetXPColorScheme(), 0);
    EXPECT_EQ(DetectSystemStyle(true), tsOffice2003Classic);
    EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
}

TEST_F(StyleDetectionTest, OfficeThemeAndInstalledVersion)
{
    WriteInteger(OfficeRoot + u"\\15.0\\Common", u"UI Theme", 1);
    EXPECT_EQ(GetOfficeTheme(), ot2013Silver);
    WriteString(OfficeRoot + u"\\15.0\\Common", u"UI Theme", u"5");
    EXPECT_EQ(GetOfficeTheme(), ot2019Black); // a custom theme

    struct {
        std::vector<const char16_t*> Versions;
        int Installed;
    } cases[] = {
        {{}, 0}, {{u"11.0"}, 0}, {{u"12.0"}, 1}, {{u"11.0", u"14.0"}, 2}, {{u"15.0", u"12.0"}, 3}, {{u"16.0"}, 4},
    };
    for (const auto& c : cases) {
        RemoveOffice();
        for (const char16_t* v : c.Versions)
            CreateKey(OfficeRoot + u"\\" + v + u"\\Common\\General");
        EXPECT_EQ(GetInstalledOfficeVersion(), c.Installed) << c.Versions.size();
    }
}
