// The Office menu styler: the presets' values, what a preset leaves alone, the shared styles,
// the XP colour scheme and following it.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "PlatformFacts.h"
#include "RurMenuStylers.h"

using namespace RurMenus;

TEST(MenuOfficeStyler, Office2003BlueWritesItsWholeList)
{
    TRurMenuOfficeStyler styler(nullptr);
    styler.SetStyle(osOffice2003Blue);
    TRootItem* root = styler.RootItem();
    TSelectedItem* item = styler.SelectedItem();
    TIconBar* icon = styler.IconBar();
    TButtonAppearance* buttons = styler.ButtonAppearance();
    const std::pair<TColor, TColor> values[] = {
        {styler.Background()->Color(), 0xF6F6F6}, {styler.Background()->ColorTo(), 0xF6F6F6},
        {styler.MenuBorderColor(), 0x962D00},     {root->Color(), 0xF5BE9E},
        {root->ColorTo(), 0xF7CDB2},              {root->SelectedColor(), 0xFFEFE3},
        {root->SelectedColorTo(), 0xE7B593},      {root->SelectedBorderColor(), 0x962D00},
        {root->SelectedColorMirror(), clNone},    {root->HoverColor(), 0xCCF4FF},
        {root->HoverColorTo(), 0x9AD6FF},         {root->HoverBorderColor(), 0x6F4B4B},
        {root->HoverTextColor(), clWindowText},   {root->Font()->Color(), 0},
        {item->Color(), 0xC2EEFF},                {item->ColorTo(), clNone},
        {item->BorderColor(), 0x800000},          {item->CheckColor(), 0x3E80FE},
        {item->RadioColor(), 0x3E80FE},           {item->CheckBorder(), 0x800000},
        {item->RadioBorder(), 0x800000},          {icon->Color(), 0xFFEFE3},
        {icon->ColorTo(), 0xE4AD87},              {icon->CheckColor(), 0x6FC0FF},
        {icon->RadioColor(), 0x6FC0FF},           {icon->CheckBorder(), 0x800000},
        {styler.Separator()->Color(), 0xCB8C6A},  {styler.Separator()->ColorTo(), clNone},
        {buttons->DownColor(), 0x4E91FE},         {buttons->DownColorTo(), 0x91D3FF},
        {buttons->HoverColor(), 0xCCF4FF},        {buttons->HoverColorTo(), 0x91D0FF},
        {buttons->DownBorderColor(), 0x800000},   {buttons->HoverBorderColor(), 0x800000},
    };
    for (size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(values[i].first, values[i].second) << "value " << i;
    EXPECT_EQ(root->GradientDirection(), gdHorizontal);
    EXPECT_EQ(styler.Style(), osOffice2003Blue);
}

TEST(MenuOfficeStyler, EveryPresetShowsItsTellingValues)
{
    struct TCase {
        TOfficeStyle Style;
        TColor Background, Border, Root, Hover, Selected, Item, ItemBorder, Icon, Separator, ButtonHover, ButtonDown;
    } cases[] = {
        {osOffice2003Silver, 0xF6F6F6, 0x5E8D75, 0xE5D7D7, 0xCCF4FF, 0xF1E9E8, 0xC2EEFF, 0x080000, 0xFFF9F9, 0x8F6D6E,
         0xCCF4FF, 0x4E91FE},
        {osOffice2003Olive, 0xF6F6F6, 0x5E8D75, 0xA8D9D9, 0xCCF4FF, 0xD5F0EC, 0xC2EEFF, 0x385D3F, 0xEDFFFF, 0x588060,
         0xCCF4FF, 0x4E91FE},
        {osOfficeXP, clWindow, 0x808080, clBtnFace, 0xEFD3C6, clBtnFace, 0xEFD3C6, 0xC66931, clBtnFace, 0x7A868A,
         0xEFD3C6, 0xB59284},
        {osOffice2007Luna, 0xF6F6F6, 0xC0C0C0, 0xF2DAC2, 0xEBFDFF, 0x76AFF1, 0xEBFDFF, 0x99CEDB, 0xEEEEE9, 0xC5C5C5,
         0xE0DEDD, 0xCCCAC9},
        {osOffice2007Obsidian, 0xF6F6F6, 0xC0C0C0, 0xB8B8B6, 0xEBFDFF, 0x76AFF1, 0xEBFDFF, 0x99CEDB, 0xEEEEE9,
         0xC5C5C5, 0xE0DEDD, 0xCCCAC9},
        {osOffice2007Silver, 0xFAFAFA, 0x868686, 0xE5D7D7, 0xEBFDFF, 0x76AFF1, 0xEBFDFF, 0x99CEDB, 0xEFEFEF, 0xC5C5C5,
         0xE0DEDD, 0xCCCAC9},
        {osVista, 0xEEEEEE, 0x979797, 0xFFFFFF, 0xFFFFFF, 0xBBB8B6, 0xF4F1EB, 0xEBD8A8, 0xEEEEEE, 0xE0E0E0, 0xE0DEDD,
         0xCCCAC9},
        {osWindows7, 0xEEEEEE, 0x979797, 0xFFFFFF, 0xFFFFFF, 0xFCEBDC, 0xFCEBDC, 0xCEA27D, 0xEEEEEE, 0xE0E0E0,
         0xE0DEDD, 0xCCCAC9},
        {osTerminal, clBtnFace, 0x808080, clBtnFace, 0xC0C0C0, clHighlight, 0xC0C0C0, 0x808080, clBtnFace, 0x808080,
         0xEFD3C6, 0xB59284},
        {osOffice2010Blue, 0xFFFFFF, 0xB0ABA7, 0xFDF6EF, 0xD9F9FD, 0x7BEEFF, 0xD9F9FD, 0x58CAF1, 0xFFFFFF, 0xC9C8C7,
         0x8AE3FD, 0x6CD0FF},
        {osOffice2010Silver, 0xFFFFFF, 0xB0ABA7, 0xFFFFFF, 0xD9F9FD, 0x7BEEFF, 0xD9F9FD, 0x58CAF1, 0xFFFFFF, 0xC9C8C7,
         0x8AE3FD, 0x6CD0FF},
        {osOffice2010Black, 0xFFFFFF, 0xB0ABA7, 0xBFBFBF, 0xD9F9FD, 0x7BEEFF, 0xD9F9FD, 0x58CAF1, 0xFFFFFF, 0xC9C8C7,
         0x8AE3FD, 0x6CD0FF},
        {osWindows8, 0xF7F6F5, 0x979797, 0xFFFFFF, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF9CEA4, 0xEEEEEE, 0xE0E0E0,
         0xF7EFE8, 0xF7EFE8},
        {osWindows10, 0xF7F6F5, 0x979797, 0xFFFFFF, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF9CEA4, 0xEEEEEE, 0xE0E0E0,
         0xF7EFE8, 0xF7EFE8},
        {osOffice2013White, 0xFFFFFF, 0xB0ABA7, 0xFFFFFF, 0xF7E6CD, 0xFCF0E4, 0xFCF0E4, 0xEAB47E, 0xFFFFFF, 0xC9C8C7,
         0xFCF0E4, 0xFCF0E4},
        {osOffice2013LightGray, 0xF6F6F6, 0xB0ABA7, 0xF6F6F6, 0xF7E6CD, 0xFCF0E4, 0xFCF0E4, 0xEAB47E, 0xFFFFFF,
         0xC9C8C7, 0xFCF0E4, 0xFCF0E4},
        {osOffice2013Gray, 0xE5E5E5, 0xB0ABA7, 0xE5E5E5, 0xF7E6CD, 0xFCF0E4, 0xFCF0E4, 0xEAB47E, 0xF6F6F6, 0xC9C8C7,
         0xFCF0E4, 0xFCF0E4},
        {osOffice2016White, 0xFFFFFF, 0xD4D4D4, 0xFFFFFF, 0xF2E1D5, 0xE3BDA3, 0xE3BDA3, 0xE3BDA3, 0xFFFFFF, 0xD4D4D4,
         0xF2E1D5, 0xE3BDA3},
        {osOffice2016Gray, 0xB2B2B2, 0x444444, 0x444444, 0xF2E1D5, 0xE3BDA3, 0xE3BDA3, 0xE3BDA3, 0xB2B2B2, 0x444444,
         0xF2E1D5, 0xE3BDA3},
        {osOffice2016Black, 0x363636, 0x444444, 0x363636, 0x6A6A6A, 0x444444, 0xFFFFFF, 0x444444, 0x363636, 0x444444,
         0x6A6A6A, 0x444444},
        {osOffice2019White, 0xFFFFFF, 0xA3A3A3, 0xFFFFFF, 0xF2E1D5, 0xB0784A, 0xF2D5C2, 0xF2D5C2, 0xFFFFFF, 0xA3A3A3,
         0xFAECE3, 0xB0784A},
        {osOffice2019Gray, 0xB8BBBE, 0x808080, 0xB8BBBE, 0x939597, 0x969696, 0x969696, 0x969696, 0xB8BBBE, 0x808080,
         0x939597, 0x86888A},
        {osOffice2019Black, 0x3B3B3B, 0xADB0B3, 0x3B3B3B, 0x686868, 0x505050, 0x505050, 0x505050, 0x3B3B3B, 0x686868,
         0x686868, 0x828282},
    };
    for (const TCase& c : cases) {
        TRurMenuOfficeStyler s(nullptr);
        s.SetStyle(c.Style);
        const TColor actual[] = {s.Background()->Color(), s.MenuBorderColor(), s.RootItem()->Color(),
                                 s.RootItem()->HoverColor(), s.RootItem()->SelectedColor(),
                                 s.SelectedItem()->Color(), s.SelectedItem()->BorderColor(), s.IconBar()->Color(),
                                 s.Separator()->Color(), s.ButtonAppearance()->HoverColor(),
                                 s.ButtonAppearance()->DownColor()};
        const TColor expected[] = {c.Background, c.Border, c.Root, c.Hover, c.Selected, c.Item, c.ItemBorder, c.Icon,
                                   c.Separator, c.ButtonHover, c.ButtonDown};
        for (size_t i = 0; i < std::size(actual); ++i)
            EXPECT_EQ(actual[i], expected[i]) << "preset " << c.Style << ", value " << i;
    }
}

TEST(MenuOfficeStyler, DarkPresetsSwitchTheSystemFontsOffAndLightenTheText)
{
    for (TOfficeStyle style : {osOffice2016Black, osOffice2019Black}) {
        TRurMenuOfficeStyler s(nullptr);
        s.SetStyle(style);
        EXPECT_FALSE(s.UseSystemFont()) << style;
        EXPECT_FALSE(s.RootItem()->UseSystemFont()) << style;
        EXPECT_FALSE(s.SelectedItem()->UseSystemFont()) << style;
        EXPECT_EQ(s.RootItem()->Font()->Color(), 0xFFFFFF) << style;
        EXPECT_EQ(s.RootItem()->SelectedTextColor(), 0xFFFFFF) << style;
    }
    TRurMenuOfficeStyler black(nullptr);
    black.SetStyle(osOffice2016Black);
    EXPECT_EQ(black.SelectedItem()->Font()->Color(), clBlack) << "black text on the white selection";
    // The next preset starts from the system fonts again.
    black.SetStyle(osOffice2013White);
    EXPECT_TRUE(black.UseSystemFont());
    EXPECT_EQ(black.Font()->Color(), clWindowText);
}

TEST(MenuOfficeStyler, APresetLeavesWhatItDoesNotName)
{
    TRurMenuOfficeStyler s(nullptr);
    s.SetStyle(osOffice2003Blue);
    s.SetStyle(osWhidbey);
    EXPECT_EQ(s.ButtonAppearance()->DownColor(), 0x4E91FE);
    EXPECT_EQ(s.ButtonAppearance()->HoverColor(), 0xCCF4FF);
    EXPECT_EQ(s.RootItem()->GradientDirection(), gdHorizontal);
    s.SetStyle(osCustom);
    EXPECT_EQ(s.Background()->Color(), 0xF9FCFC) << "osCustom writes no colours";
}

TEST(MenuOfficeStyler, SharedStylesMapToPresets)
{
    struct TCase {
        TRujStyle Shared;
        TOfficeStyle Office;
    } cases[] = {{tsOffice2003Classic, osOfficeXP}, {tsWindowsXP, osOfficeXP},  {tsWindowsVista, osVista},
                 {tsWhidbey, osWhidbey},           {tsWindows10, osWindows10}, {tsOffice2019Black, osOffice2019Black}};
    for (const TCase& c : cases) {
        TRurMenuOfficeStyler s(nullptr);
        s.SetStyle(osOffice2013Gray);
        s.SetComponentStyle(c.Shared);
        EXPECT_EQ(s.Style(), c.Office) << c.Shared;
    }
    TRurMenuOfficeStyler s(nullptr);
    s.SetStyle(osOffice2013Gray);
    s.SetComponentStyle(tsCustom);
    EXPECT_EQ(s.Style(), osOffice2013Gray);
    EXPECT_EQ(s.Background()->Color(), 0xE5E5E5);
}

TEST(MenuOfficeStyler, ColourSchemeNamesCompareExactly)
{
    const std::pair<String, int> cases[] = {{u"NormalColor", 1}, {u"HomeStead", 2},  {u"Metallic", 3},
                                            {u"normalcolor", 0}, {u"NormalColor2", 0}, {u"", 0}};
    for (const auto& [name, number] : cases)
        EXPECT_EQ(ColorSchemeNumber(name), number);
}

TEST(MenuOfficeStyler, FollowingTheThemeFallsBackToTheXPLookWithoutAScheme)
{
    for (TWindowsVersion version : {WindowsXP, Windows10}) {
        TInjectedPlatformFacts facts({.Version = version});
        TRurMenuOfficeStyler s(nullptr);
        s.SetStyle(osOffice2016White);
        s.SetAutoThemeAdapt(true);
        // No XP colour scheme is active here: the XP look.
        EXPECT_EQ(s.Style(), osOfficeXP);
    }
    TInjectedPlatformFacts old({.Version = TWindowsVersion{5, 0, 2195}});
    EXPECT_EQ(DetectXPColorScheme(), 0);
    EXPECT_FALSE(IsWindowsXPOrLater());
}

TEST(MenuOfficeStyler, StylesAMenuBoundToIt)
{
    TRurMainMenu menu(nullptr);
    TRurMenuOfficeStyler s(nullptr);
    menu.SetMenuStyler(&s);
    s.SetStyle(osOffice2010Blue);
    EXPECT_EQ(menu.CurrentMenuStyler()->RootItem()->Color(), 0xFDF6EF);
    menu.SetMenuStyler(nullptr);
}
