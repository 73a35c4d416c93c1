// Following the Office theme: the look each registry setting of the test prefix gives, the theme
// monitor's message changing the look while the styler is registered with the monitor, and the
// monitor's own thread carrying a registry change to the look and the ribbon pager's tones.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakePager.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurToolBarStylers.h"
#include "StylingRegistry.h"

class ToolBarOfficeTheme : public TStylingRegistryTest {};

TEST_F(ToolBarOfficeTheme, EachOfficeThemeGivesItsLook)
{
    const String o16 = OfficeRoot + u"\\16.0\\Common", o15 = OfficeRoot + u"\\15.0\\Common",
                 o14 = OfficeRoot + u"\\14.0\\Common", o12 = OfficeRoot + u"\\12.0\\Common";
    struct Case {
        String Key, Name;
        int Value;
        TToolBarStyle Look;
    };
    const Case cases[] = {
        {o16, u"UI Theme", 3, bsOffice2019Gray},      {o16, u"UI Theme", 4, bsOffice2019Black},
        {o15, u"UI Theme", 1, bsOffice2013LightGray}, {o15, u"UI Theme", 2, bsOffice2013Gray},
        {o14, u"Theme", 1, bsOffice2010Blue},         {o14, u"Theme", 3, bsOffice2010Black},
        {o12, u"Theme", 2, bsOffice2007Silver},       {o12, u"Theme", 3, bsOffice2007Obsidian},
    };
    for (const Case& c : cases) {
        RemoveOffice();
        WriteInteger(c.Key, c.Name, c.Value);
        TRurToolBarOfficeStyler styler(nullptr);
        styler.SetAutoThemeAdapt(true);
        EXPECT_EQ(styler.Style(), c.Look) << ToUtf8(c.Key) << " " << c.Value;
        // Off and on again applies the theme's look at once, even the one handled before.
        styler.SetAutoThemeAdapt(false);
        styler.Color()->SetColor(0x010203);
        styler.SetAutoThemeAdapt(true);
        EXPECT_NE(styler.Color()->Color(), 0x010203);
    }
}

TEST_F(ToolBarOfficeTheme, FollowsTheMonitorsMessageAndForgetsItsWindowWhenGone)
{
    const String common = OfficeRoot + u"\\14.0\\Common";
    CreateKey(common + u"\\General");
    WriteInteger(common, u"Theme", 2);
    TForm form(nullptr);
    form.HandleNeeded();
    TThemeNotifier* notifier = GetThemeNotifier(&form);
    ASSERT_NE(notifier->RegMonitorThread(), nullptr) << "the monitor watches the installed Office's key";
    auto* styler = new TRurToolBarOfficeStyler(&form);
    styler->NotifierWindow()->HandleNeeded();
    styler->SetAutoThemeAdapt(true);
    EXPECT_EQ(styler->Style(), bsOffice2010Silver);
    const HWND window = styler->NotifierWindow()->Handle();
    auto listed = [&] {
        const std::vector<HWND> windows = notifier->RegMonitorThread()->Windows();
        return std::find(windows.begin(), windows.end(), window) != windows.end();
    };
    EXPECT_TRUE(listed());

    // The monitor's message after the theme changed: the styler takes the new theme's look.
    WriteInteger(common, u"Theme", 3);
    SendMessageW(window, RurToolBarStylers::WM_OFFICETHEMECHANGED, 0, 0);
    EXPECT_EQ(styler->Style(), bsOffice2010Black);

    // The same theme once more applies nothing.
    styler->Color()->SetColor(0x010203);
    SendMessageW(window, RurToolBarStylers::WM_OFFICETHEMECHANGED, 0, 0);
    EXPECT_EQ(styler->Color()->Color(), 0x010203);

    delete styler;
    EXPECT_FALSE(listed()) << "a destroyed styler's window must not hear the monitor";
}

TEST_F(ToolBarOfficeTheme, ARegistryChangeReachesTheLookAndThePagersTonesLive)
{
    const String common = OfficeRoot + u"\\16.0\\Common";
    CreateKey(common + u"\\General");
    WriteInteger(common, u"UI Theme", 3);
    TForm form(nullptr);
    form.HandleNeeded();
    // The process's notifier watches the Office that was installed when it was made.
    delete GetThemeNotifier(&form);
    TRegMonitorThread* thread = GetThemeNotifier(&form)->RegMonitorThread();
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(thread->Key, common);
    auto* styler = new TRurToolBarOfficeStyler(&form);
    TFakePager pager(nullptr);
    pager.SetToolBarStyler(styler);
    styler->NotifierWindow()->HandleNeeded();
    styler->SetAutoThemeAdapt(true);
    ASSERT_EQ(styler->Style(), bsOffice2019Gray);
    EXPECT_EQ(pager.Tones.Buttons.Background.BrushColor, 0xB8BBBE);

    // The monitor's thread arms its watch in its own time: touch the key now and then until it
    // hears.
    auto touch = [&](const String& name, int value) {
        if (FReg.OpenKey(common, true)) {
            FReg.WriteInteger(name, value);
            FReg.CloseKey();
        }
    };
    int heard = 0;
    GetThemeNotifier(&form)->SetOnOfficeThemeChange(TNotifyEvent([&](TObject*) { ++heard; }));
    for (int tries = 0; tries < 10 && !heard; ++tries) {
        PumpFor(300);
        touch(u"Probe", tries);
        PumpUntil([&] { return heard > 0; }, 700);
    }
    ASSERT_GT(heard, 0);
    EXPECT_EQ(styler->Style(), bsOffice2019Gray) << "the same theme applies nothing";

    // Nobody sends anything by hand: the monitor's thread hears the key change and tells the
    // styler's window, whose thread applies the new look and hands the pager its tones.
    pager.Codes.clear();
    touch(u"UI Theme", 4);
    ASSERT_TRUE(PumpUntil([&] { return styler->Style() == bsOffice2019Black; }, 5000));
    EXPECT_EQ(pager.Tones.Buttons.Background.BrushColor, 0x303132);
    EXPECT_EQ(pager.GroupStyle, gsOffice2019);
    EXPECT_EQ(pager.Codes, std::vector<int>{2}) << "one change told once";
    delete styler;
}
