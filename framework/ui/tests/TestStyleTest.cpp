// The test style's pixels, sizes and palette, the system style's theme switch, and the platform
// facts a test injects read back through the calls that use them.
#include <gtest/gtest.h>

#include <set>

#include "Forms.h"
#include "OffscreenSurface.h"
#include "PlatformFacts.h"
#include "TestStyle.h"

namespace {

constexpr COLORREF Untouched = RGB(255, 0, 255);

TEST(TestStyle, EachElementPartAndStateIsItsOwnColourThatAPixelTellsBack)
{
    TTestStyleServices style;
    const TThemedElementDetails details[] = {
        style.GetElementDetails(tsArrowBtnUpNormal),  style.GetElementDetails(tsArrowBtnUpHot),
        style.GetElementDetails(tsArrowBtnUpPressed), style.GetElementDetails(tsThumbBtnVertNormal),
        style.GetElementDetails(tbPushButtonNormal),  style.GetElementDetails(tbPushButtonDefaulted),
        style.GetElementDetails(twCaptionActive),     style.GetElementDetails(twCaptionInactive),
        style.GetElementDetails(tmMenuBarItemHot),    style.GetElementDetails(tmPopupItemDisabled),
        style.GetElementDetails(ttbButtonChecked),    style.GetElementDetails(tcDropDownButtonRightHot),
        style.GetElementDetails(teWindow, 0, 0),
    };
    std::set<COLORREF> seen;
    for (const TThemedElementDetails& d : details) {
        SCOPED_TRACE(testing::Message() << d.Element << "/" << d.Part << "/" << d.State);
        OffscreenSurface surface(20, 10, Untouched);
        EXPECT_TRUE(style.DrawElement(surface.DC(), d, TRect{2, 2, 12, 8}));
        EXPECT_EQ(surface.Pixel(2, 2), style.ElementColor(d));
        EXPECT_EQ(surface.Pixel(11, 7), style.ElementColor(d));
        EXPECT_EQ(surface.Pixel(12, 7), Untouched);
        EXPECT_EQ(surface.Pixel(1, 2), Untouched);
        TThemedElementDetails back;
        ASSERT_TRUE(style.ElementAt(surface.Pixel(5, 5), back));
        EXPECT_EQ(back, d);
        EXPECT_TRUE(seen.insert(style.ElementColor(d)).second) << "two elements share a colour";
    }
    TThemedElementDetails none;
    EXPECT_FALSE(style.ElementAt(Untouched, none));
    EXPECT_FALSE(style.ElementAt(RGB(0, 0, 0), none));
    EXPECT_FALSE(TTestStyleServices(u"Other", 3).ElementAt(style.ElementColor(details[0]), none))
        << "another variant does not claim the pixel";
}

TEST(TestStyle, DrawsOnlyInsideTheClipAndRecordsItsCalls)
{
    TTestStyleServices style;
    style.SetRecording(true);
    OffscreenSurface surface(20, 20, Untouched);
    const auto details = style.GetElementDetails(ttTabItemSelected);
    style.DrawElement(surface.DC(), details, TRect{0, 0, 20, 20}, TRect{5, 5, 10, 10}, 144);
    EXPECT_EQ(surface.Pixel(4, 4), Untouched);
    EXPECT_EQ(surface.Pixel(5, 5), style.ElementColor(details));
    EXPECT_EQ(surface.Pixel(10, 10), Untouched);
    ASSERT_EQ(style.DrawCalls().size(), 1u);
    EXPECT_EQ(style.DrawCalls()[0].Details, details);
    EXPECT_EQ(style.DrawCalls()[0].Rect, (TRect{0, 0, 20, 20}));
    EXPECT_EQ(style.DrawCalls()[0].Dpi, 144);
}

TEST(TestStyle, ElementSizesAreFixedAndGrowWithTheDpi)
{
    TTestStyleServices style;
    struct TCase {
        TThemedElementDetails Details;
        TSize At96;
    } cases[] = {
        {style.GetElementDetails(twCaptionActive), {0, 30}},
        {style.GetElementDetails(twSmallCaptionActive), {0, 22}},
        {style.GetElementDetails(twFrameLeftActive), {6, 0}},
        {style.GetElementDetails(twFrameBottomInactive), {0, 6}},
        {style.GetElementDetails(twCloseButtonHot), {28, 20}},
        {style.GetElementDetails(tsArrowBtnDownNormal), {18, 18}},
        {style.GetElementDetails(tcDropDownButtonNormal), {19, 21}},
        {style.GetElementDetails(ttTabItemNormal), {64, 24}},
        {style.GetElementDetails(tmMenuBarItemNormal), {44, 22}},
        {style.GetElementDetails(ttbButtonNormal), {24, 22}},
        {style.GetElementDetails(trGripper), {6, 0}},
        {style.GetElementDetails(tbCheckBoxCheckedNormal), {15, 15}},
        {style.GetElementDetails(tsUpNormal), {17, 11}},
        {style.GetElementDetails(tpChunk), {16, 16}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Details.Element << "/" << c.Details.Part);
        TSize size, doubled;
        ASSERT_TRUE(style.GetElementSize(nullptr, c.Details, esActual, size, 96));
        ASSERT_TRUE(style.GetElementSize(nullptr, c.Details, esActual, doubled, 192));
        EXPECT_EQ(size, c.At96);
        EXPECT_EQ(doubled, (TSize{2 * c.At96.cx, 2 * c.At96.cy}));
    }
    TSize stretched;
    style.GetElementSize(nullptr, style.GetElementDetails(twCaptionActive), TRect{0, 0, 300, 40}, esStretch, stretched);
    EXPECT_EQ(stretched, (TSize{300, 40}));
    TRect content;
    style.GetElementContentRect(nullptr, style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, 50, 20}, content, 192);
    EXPECT_EQ(content, (TRect{4, 4, 46, 16}));
}

TEST(TestStyle, PaletteMapsSystemColoursAndTakesOverrides)
{
    TTestStyleServices style(u"Palette");
    EXPECT_NE(style.GetSystemColor(clBtnFace), clBtnFace);
    EXPECT_NE(style.GetSystemColor(clBtnFace), style.GetSystemColor(clWindow));
    EXPECT_EQ(style.GetSystemColor(TColor(RGB(1, 2, 3))), TColor(RGB(1, 2, 3))) << "plain colours stay";
    EXPECT_NE(style.GetStyleColor(scEdit), style.GetStyleColor(scEditDisabled));
    EXPECT_NE(style.GetStyleFontColor(sfButtonTextNormal), style.GetStyleFontColor(sfButtonTextDisabled));
    EXPECT_NE(style.GetStyleColor(scEdit), TTestStyleServices(u"Other", 1).GetStyleColor(scEdit));

    style.SetSystemColor(clBtnFace, clWhite);
    style.SetStyleColor(scEdit, clRed);
    style.SetStyleFontColor(sfEditBoxTextNormal, clBlue);
    EXPECT_EQ(style.GetSystemColor(clBtnFace), clWhite);
    EXPECT_EQ(style.GetStyleColor(scEdit), clRed);
    EXPECT_EQ(style.GetStyleFontColor(sfEditBoxTextNormal), clBlue);

    TColor normal = clNone, hot = clNone, fill = clNone;
    ASSERT_TRUE(style.GetElementColor(style.GetElementDetails(tbPushButtonNormal), ecTextColor, normal));
    ASSERT_TRUE(style.GetElementColor(style.GetElementDetails(tbPushButtonHot), ecTextColor, hot));
    ASSERT_TRUE(style.GetElementColor(style.GetElementDetails(tbPushButtonHot), ecFillColor, fill));
    EXPECT_NE(normal, hot);
    EXPECT_EQ(fill, TColor(style.ElementColor(style.GetElementDetails(tbPushButtonHot))));
    EXPECT_FALSE(style.IsSystemStyle());
}

TEST(TestStyle, EdgesAreFramesOnTheSidesAsked)
{
    TTestStyleServices style;
    const auto details = style.GetElementDetails(tbPushButtonNormal);
    TColor edge = clNone;
    style.GetElementColor(details, ecEdgeShadowColor, edge);
    struct TCase {
        const char* Name;
        TElementEdges Edges;
        TElementEdgeFlags Flags;
        TRect Content;
    } cases[] = {
        {"sunken all round", {eeSunken}, {efRect}, {2, 2, 18, 18}},
        {"raised outer, left and top", {eeRaisedOuter}, {efTopLeft}, {1, 1, 20, 20}},
        {"etched bottom", {eeEtched}, {efBottom}, {0, 0, 20, 18}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        OffscreenSurface surface(20, 20, Untouched);
        TRect content;
        ASSERT_TRUE(style.DrawEdge(surface.DC(), details, TRect{0, 0, 20, 20}, c.Edges, c.Flags, &content));
        EXPECT_EQ(content, c.Content);
        EXPECT_EQ(surface.Count(COLORREF(edge)), 400 - c.Content.Width() * c.Content.Height());
        EXPECT_EQ(surface.Pixel(c.Content.Left, c.Content.Top), Untouched);
    }
}

TEST(TestStyle, ActivatedForAScopeOnly)
{
    {
        TActiveTestStyle active(u"Scoped");
        EXPECT_TRUE(TStyleManager::IsCustomStyleActive());
        EXPECT_EQ(StyleServices(), active.Style());
    }
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
    EXPECT_EQ(TStyleManager::Style(u"Scoped"), nullptr);
}

TEST(PlatformFacts, InjectedVersionsAreWhatTheProbeAnswers)
{
    const TWindowsVersion real = PlatformWindowsVersion();
    for (const TNamedWindowsVersion& v : KnownWindowsVersions) {
        SCOPED_TRACE(v.Name);
        TInjectedPlatformFacts injected({.Version = v.Version});
        EXPECT_EQ(PlatformWindowsVersion(), v.Version);
    }
    EXPECT_EQ(PlatformWindowsVersion(), real);
    EXPECT_TRUE(Windows11.AtLeast(10, 0, 22000));
    EXPECT_FALSE(Windows10.AtLeast(10, 0, 22000));
    EXPECT_TRUE(Windows81.AtLeast(6, 2));
    EXPECT_FALSE(Windows7.AtLeast(6, 2));
}

TEST(PlatformFacts, InjectionsNestAndKeepWhatTheyLeaveOpen)
{
    TInjectedPlatformFacts outer({.Version = Windows7, .CompositionEnabled = true});
    {
        TInjectedPlatformFacts inner({.CompositionEnabled = false, .Dpi = 144});
        EXPECT_EQ(PlatformWindowsVersion(), Windows7);
        EXPECT_FALSE(PlatformCompositionEnabled());
        EXPECT_EQ(PlatformScreenDpi(), 144);
    }
    EXPECT_TRUE(PlatformCompositionEnabled());
    EXPECT_EQ(PlatformWindowsVersion(), Windows7);
}

TEST(PlatformFacts, InjectedDpiReachesTheScreenAndItsMonitors)
{
    TScreen screen(nullptr);
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        TInjectedPlatformFacts injected({.Dpi = dpi});
        EXPECT_EQ(screen.PixelsPerInch(), dpi);
        ASSERT_GT(screen.MonitorCount(), 0);
        EXPECT_EQ(screen.Monitors(0)->PixelsPerInch(), dpi);
        TSize size;
        TTestStyleServices style;
        style.GetElementSize(nullptr, style.GetElementDetails(twCaptionActive), esActual, size); // the screen's DPI
        EXPECT_EQ(size.cy, MulDiv(30, dpi, 96));
    }
}

TEST(PlatformFacts, TheSystemStyleFollowsTheInjectedThemeState)
{
    TSystemStyleServices style;
    for (bool themes : {false, true}) {
        SCOPED_TRACE(themes);
        TInjectedPlatformFacts injected({.ThemesActive = themes});
        EXPECT_EQ(style.Enabled(), themes);
        EXPECT_EQ(TStyleManager::SystemStyle()->Enabled(), themes);
    }
    TInjectedPlatformFacts off({.ThemesActive = false});
    OffscreenSurface surface(20, 20, Untouched);
    EXPECT_TRUE(style.DrawElement(surface.DC(), style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, 20, 20}));
    EXPECT_EQ(surface.Pixel(10, 10), GetSysColor(COLOR_BTNFACE)) << "the classic face";
}

} // namespace
