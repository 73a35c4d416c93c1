// The toolbar styler and the ribbon pagers registered with it: change codes reaching each pager
// once, the glass and scenic switches following the shared style, the flat looks' tones handed to
// the first pager and its derived look taken back, and the styler letting go of its controls.
#include <gtest/gtest.h>

#include "FakePager.h"
#include "RurGDIP.h"
#include "RurRibbonPager.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_ToolBar.h"

namespace {

// The process-wide glass and scenic switches, as they were before the test.
struct SavedGlassAndScenic {
    bool Glass = RurGDIP::GetGlassEnabled(), Scenic = RurGDIP::GetScenicRibbon();
    ~SavedGlassAndScenic()
    {
        RurGDIP::SetGlassEnabled(Glass);
        RurGDIP::SetScenicRibbon(Scenic);
    }
};

} // namespace

TEST(ToolBarStylerPager, EveryChangeReachesEachPagerOnceAndTheStyleSwitchesGlassAndScenic)
{
    TRurToolBarOfficeStyler styler(nullptr);
    TFakePager pager(nullptr), unnamed(nullptr);
    pager.SetName(u"Pager");
    pager.SetToolBarStyler(&styler);
    unnamed.SetToolBarStyler(&styler);
    for (int v = 0; v < TavinEnumCount(static_cast<TToolBarStyle*>(nullptr)); ++v) {
        pager.Codes.clear();
        unnamed.Codes.clear();
        styler.SetStyle(static_cast<TToolBarStyle>(v));
        EXPECT_EQ(pager.Codes, std::vector<int>{2}) << v;
        EXPECT_EQ(unnamed.Codes, std::vector<int>{2}) << v << ": a pager made in code has no name and still hears";
    }
    pager.Codes.clear();
    styler.QATAppearance()->SetColor(0x123456);
    styler.SetSysButtonColor(0x654321);
    EXPECT_EQ(pager.Codes, (std::vector<int>{12, 11}));

    struct Case {
        TRujStyle Style;
        bool Glass, Scenic;
    };
    const Case cases[] = {
        {tsOffice2010Blue, true, true}, {tsOffice2010Silver, true, true}, {tsOffice2010Black, true, true},
        {tsWindows7, false, true},      {tsWindows8, false, true},        {tsWindows10, false, false},
        {tsOffice2019White, false, false}, {tsOffice2003Blue, false, false},
    };
    // Registered twice, a pager is still switched once per style.
    styler.AddControl(&pager);
    for (const Case& c : cases) {
        pager.Links.clear();
        unnamed.Links.clear();
        styler.SetNewComponentStyle(c.Style);
        EXPECT_EQ(styler.NewRujStyle(), c.Style);
        const std::vector<TFakePager::Link> once{{c.Glass, c.Scenic}};
        EXPECT_EQ(pager.Links, once) << ToUtf8(EnumInfoOf<TRujStyle>().Name(c.Style));
        EXPECT_EQ(unnamed.Links, once) << ToUtf8(EnumInfoOf<TRujStyle>().Name(c.Style));
    }
    styler.RemoveControl(&pager);
}

TEST(ToolBarStylerPager, TheRibbonPagerTakesGlassAndScenicFromItsStyler)
{
    SavedGlassAndScenic saved;
    TCustomRurToolBarStyler styler(nullptr);
    TRurToolBarPager pager(nullptr);
    pager.SetToolBarStyler(&styler);
    styler.SetNewComponentStyle(tsOffice2010Silver);
    EXPECT_TRUE(pager.TabSettings()->Glass());
    EXPECT_TRUE(pager.Win7ScenicRibbon());
    styler.SetNewComponentStyle(tsWindows8);
    EXPECT_FALSE(pager.TabSettings()->Glass());
    EXPECT_TRUE(pager.Win7ScenicRibbon());
    styler.SetNewComponentStyle(tsOffice2016Gray);
    EXPECT_FALSE(pager.TabSettings()->Glass());
    EXPECT_FALSE(pager.Win7ScenicRibbon());
}

TEST(ToolBarStylerPager, FlatLooksHandTheirTonesToTheFirstPagerAndTakeItsLookBack)
{
    struct Case {
        TToolBarStyle Style;
        TGroupStyle Group;
        TColor PagerBrush, TabSelectedText, ButtonsHoverBrush;
        TColor CaptionText;
    };
    // The light base set's hover brush, where a look keeps it.
    TColorTones light;
    CreateMetroTones(true, 0xFFFFFF, 0, light);
    const TColor base = light.Hover.BrushColor;
    const Case cases[] = {
        {bsWindows8, gsWindows8, 0xFFFFFF, 0, base, 0},
        {bsWindows10, gsWindows8, 0xFFFFFF, 0, base, 0},
        {bsOffice2013White, gsOffice2013, 0xFFFFFF, 0xFF0000, base, 0},
        {bsOffice2013LightGray, gsOffice2013, 0xF1F1F1, 0xFF0000, base, 0},
        {bsOffice2013Gray, gsOffice2013, 0xDEDEDE, 0xFF0000, base, 0xFFFFFF},
        {bsOffice2016White, gsOffice2013, 0x123456, 0x123456, base, 0},
        {bsOffice2016Gray, gsOffice2013, 0x444444, 0x262626, base, 0},
        {bsOffice2016Black, gsOffice2013, 0x252525, 0xFFFFFF, base, 0xFFFFFF},
        {bsOffice2019White, gsOffice2019, 0xFFFFFF, 0x444648, 0x654321, 0x232425},
        {bsOffice2019Gray, gsOffice2019, 0x444444, 0x232425, 0x939597, 0},
        {bsOffice2019Black, gsOffice2019, 0x0A0A0A, 0xFFFFFF, 0x444648, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        const std::string name = ToUtf8(EnumInfoOf<TToolBarStyle>().Name(c.Style));
        TRurToolBarOfficeStyler styler(nullptr);
        styler.AppColor()->SetAppButtonColor(0x123456);
        styler.AppColor()->SetHoverColor(0x654321);
        styler.SetBorderColor(0x0F0F0F);
        TFakePager pager(nullptr);
        pager.SetToolBarStyler(&styler);
        styler.SetStyle(c.Style);
        ASSERT_EQ(pager.ToneCalls, 1) << name;
        EXPECT_EQ(pager.Clears, 1) << name;
        EXPECT_EQ(pager.GroupStyle, c.Group) << name;
        EXPECT_EQ(pager.Tones.App, styler.AppColor()) << name;
        EXPECT_EQ(pager.Tones.Pager.Background.BrushColor, c.PagerBrush) << name;
        EXPECT_EQ(pager.Tones.Tab.Selected.TextColor, c.TabSelectedText) << name;
        EXPECT_EQ(pager.Tones.Buttons.Hover.BrushColor, c.ButtonsHoverBrush) << name;
        // The pager's derived look comes back; the fills and caption take its page colour.
        const TColor page = c.PagerBrush;
        EXPECT_EQ(styler.PageAppearance()->Color(), page) << name;
        EXPECT_EQ(styler.TabAppearance()->TextColorHot(), pager.Tones.Tab.Hover.TextColor) << name;
        EXPECT_EQ(styler.GlowButtonAppearance()->ColorHot(), c.ButtonsHoverBrush) << name;
        for (const TVistaGradientBackground* fill : {styler.Color(), styler.ColorHot()}) {
            EXPECT_EQ(fill->Color(), page) << name;
            EXPECT_EQ(fill->ColorTo(), clNone) << name;
            EXPECT_EQ(fill->Mirror()->ColorMirror(), page) << name;
        }
        EXPECT_EQ(styler.BorderColor(), c.Style == bsOffice2013White ? 0x0F0F0F : page) << name;
        EXPECT_EQ(styler.CaptionAppearance()->CaptionColor(), page) << name;
        EXPECT_EQ(styler.CaptionAppearance()->CaptionColorHotTo(), page) << name;
        EXPECT_EQ(styler.CaptionAppearance()->CaptionTextColor(), c.CaptionText) << name;
        EXPECT_EQ(styler.AppColor()->HoverBorderColor(),
                  c.Group == gsWindows8 ? 0xF9CEA4 : styler.AppColor()->HoverColor()) << name;
    }
}

TEST(ToolBarStylerPager, Office2019LendsThePagerItsApplicationColours)
{
    TRurToolBarOfficeStyler styler(nullptr);
    TFakePager pager(nullptr);
    pager.SetToolBarStyler(&styler);
    TAppColor& app = *styler.AppColor();

    // Gray and Black hand the pager their own application-button colours and put the styler's back.
    app.SetAppButtonColor(0x00A000);
    app.SetAppButtonHoverColor(0x00B000);
    styler.SetStyle(bsOffice2019Gray);
    EXPECT_EQ(pager.AppButtonColorDuringCall, 0xB8BBBE);
    EXPECT_EQ(app.AppButtonColor(), 0x00A000);
    EXPECT_EQ(app.AppButtonHoverColor(), 0x00B000);
    EXPECT_EQ(app.TextColor(), 0xFFFFFF);

    // White keeps an application colour of the user's, and the buttons' foreground follows it.
    app.SetHoverColor(0x0000C0);
    styler.SetStyle(bsOffice2019White);
    EXPECT_EQ(app.AppButtonColor(), 0x00A000);
    EXPECT_EQ(pager.Tones.Buttons.Foreground.BrushColor, 0x0000C0);
    EXPECT_EQ(app.TextColor(), 0x262626);
    // White as the application colour gives the look's own.
    app.SetAppButtonColor(0xFFFFFF);
    styler.SetStyle(bsOffice2019White);
    EXPECT_EQ(app.AppButtonColor(), 0xFFAC3C);
    EXPECT_EQ(app.SelectedBorderColor(), 0xE7BE7A);
    EXPECT_EQ(pager.Tones.Buttons.Foreground.BorderColor, 0xD1B9A5);
    EXPECT_EQ(pager.Tones.Buttons.Selected.BrushColor, 0xE7BE7A);
}

TEST(ToolBarStylerPager, ClassicLooksClearTheTonesAndSomeRefreshTheQuickAccessToolBar)
{
    TRurToolBarOfficeStyler styler(nullptr);
    TFakePager pager(nullptr);
    pager.SetToolBarStyler(&styler);
    const std::pair<TToolBarStyle, int> cases[] = {
        {bsOffice2003Blue, 1}, {bsOffice2007Luna, 1}, {bsOfficeXP, 1}, {bsWindowsVista, 1},
        {bsOffice2003Classic, 0}, {bsWindows7, 0}, {bsTerminal, 0}, {bsOffice2010Blue, 0},
    };
    for (auto [style, updates] : cases) {
        pager.Clears = pager.QATUpdates = 0;
        styler.SetStyle(style);
        EXPECT_EQ(pager.Clears, 1) << ToUtf8(EnumInfoOf<TToolBarStyle>().Name(style));
        EXPECT_EQ(pager.QATUpdates, updates) << ToUtf8(EnumInfoOf<TToolBarStyle>().Name(style));
        EXPECT_EQ(pager.ToneCalls, 0);
    }
    // A style of no look of its own touches nothing of the pager's.
    pager.Clears = 0;
    styler.SetStyle(bsCustom);
    EXPECT_EQ(pager.Clears, 0);
}

TEST(ToolBarStylerPager, AGoingStylerLetsGoOfDockPanelsToolBarsAndPagers)
{
    TRurDockPanel panel(nullptr);
    TRurToolBar toolBar(nullptr);
    TFakePager pager(nullptr), other(nullptr);
    TRurToolBarOfficeStyler otherStyler(nullptr);
    other.SetToolBarStyler(&otherStyler);
    {
        TRurToolBarOfficeStyler styler(nullptr);
        panel.SetToolBarStyler(&styler);
        toolBar.SetToolBarStyler(&styler);
        pager.SetToolBarStyler(&styler);
        // Registered here, but painting with another styler: left as it is.
        styler.AddControl(&other);
        ASSERT_EQ(styler.ControlCount(), 4);
    }
    EXPECT_EQ(panel.ToolBarStyler(), nullptr);
    EXPECT_EQ(panel.CurrentToolBarStyler(), panel.InternalToolBarStyler());
    EXPECT_EQ(toolBar.ToolBarStyler(), nullptr);
    EXPECT_EQ(pager.ToolBarStyler(), nullptr);
    EXPECT_EQ(other.ToolBarStyler(), &otherStyler);

    // Asked for while the styler lives, it lets go of every control that uses it.
    TCustomRurToolBarStyler styler(nullptr);
    panel.SetToolBarStyler(&styler);
    pager.SetToolBarStyler(&styler);
    styler.DetachControls();
    EXPECT_EQ(panel.ToolBarStyler(), nullptr);
    EXPECT_EQ(pager.ToolBarStyler(), nullptr);
}

TEST(ToolBarStylerPager, Windows7BesideAPagerThatIsNotScenicTakesLighterFills)
{
    SavedGlassAndScenic saved;
    RurGDIP::SetScenicRibbon(false);
    TRurToolBarOfficeStyler styler(nullptr);
    styler.SetStyle(bsWindows7);
    EXPECT_EQ(styler.Color()->Color(), 0xDBC9BA) << "without a pager";
    TFakePager pager(nullptr);
    pager.SetToolBarStyler(&styler);
    styler.SetStyle(bsWindows7);
    EXPECT_EQ(styler.Color()->Color(), 0xFCEBDC);
    EXPECT_EQ(styler.Color()->ColorTo(), 0xFCDBC1);
    EXPECT_EQ(styler.DockColor()->Color(), 0xFCDBC1);
    EXPECT_EQ(styler.QATAppearance()->Color(), 0xFCEBDC);
    EXPECT_EQ(styler.QATAppearance()->BorderColor(), 0xCEA27D);
    RurGDIP::SetScenicRibbon(true);
    styler.SetStyle(bsWindows7);
    EXPECT_EQ(styler.Color()->Color(), 0xDBC9BA) << "with the scenic ribbon";
    EXPECT_EQ(styler.QATAppearance()->Color(), 0xF5E9DF);
}
