#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "PlatformFacts.h"
#include "TestStyle.h"
#include "Themes.h"
#include "scDrawUtils.h"

TEST(WindowsVersionTest, QueriesOverTheWindowsVersions)
{
    struct Case {
        TWindowsVersion Version;
        bool Ten, Eleven, Eight, Seven, XP;
        int Build;
    } cases[] = {
        {WindowsXP, false, false, false, false, true, 0},
        {WindowsVista, false, false, false, false, false, 0},
        {Windows7, false, false, false, true, false, 0},
        {Windows8, false, false, true, false, false, 0},
        {Windows81, false, false, true, false, false, 0},
        {Windows10, true, false, false, false, false, 19045},
        {TWindowsVersion{10, 0, 22000}, true, true, false, false, false, 22000},
    };
    for (const Case& c : cases) {
        TInjectedPlatformFacts facts({.Version = c.Version});
        const int name = c.Version.Major * 100000 + c.Version.Minor * 10000 + c.Version.Build % 10000;
        EXPECT_EQ(IsWindows10OrLater(), c.Ten) << name;
        EXPECT_EQ(IsWindows11(), c.Eleven) << name;
        EXPECT_EQ(IsWindows8(), c.Eight) << name;
        EXPECT_EQ(IsWindows7(), c.Seven) << name;
        EXPECT_EQ(IsWindowsXP(), c.XP) << name;
        EXPECT_EQ(GetWindowsBuildNumber(), c.Build) << name;
    }
}

namespace {
HRESULT WINAPI BoundDwmIsCompositionEnabled(BOOL* enabled)
{
    *enabled = TRUE;
    return S_OK;
}
} // namespace

TEST(WindowsVersionTest, CompositionIsActiveOnlyWithTheFunctionBoundAndCompositionOn)
{
    TBoundFunction<TDwmIsCompositionEnabled> bound(scDrawUtils::DwmIsCompositionEnabled,
                                                   &BoundDwmIsCompositionEnabled);
    TInjectedPlatformFacts seven({.Version = Windows7, .CompositionEnabled = true});
    EXPECT_TRUE(IsDwmCompositionActive());
    {
        TInjectedPlatformFacts off({.CompositionEnabled = false});
        EXPECT_FALSE(IsDwmCompositionActive());
    }
    {
        TInjectedPlatformFacts xp({.Version = WindowsXP});
        EXPECT_FALSE(IsDwmCompositionActive());
    }
    TBoundFunction<TDwmIsCompositionEnabled> missing(scDrawUtils::DwmIsCompositionEnabled, nullptr);
    EXPECT_FALSE(IsDwmCompositionActive());
}

TEST(ColorHelpersTest, ShadesMixesAndPacksChannels)
{
    EXPECT_EQ(GetContrastShadeColor(clWhite), TColor(0xE5E5E5));
    EXPECT_EQ(GetContrastShadeColor(clBlack), TColor(0x1A1A1A));
    EXPECT_EQ(DarkerColor(TColor(0x204080), 150), clBlack);
    EXPECT_EQ(DarkerColor(TColor(0x00C864), 50), TColor(0x006432));
    EXPECT_EQ(LighterColor(clBlack, 200), clWhite);
    EXPECT_EQ(MixColors(clWhite, clBlack), TColor(0x7F7F7F));
    EXPECT_EQ(ColorToAlphaPixel(TColor(0x332211), 0x80), DWORD(0x80112233));
    EXPECT_EQ(DarkerColor(clBtnFace, 0), ColorToRGB(clBtnFace)); // system colours are resolved first
}

TEST(ColorHelpersTest, ReadingOrderSwapsLeftAndRightAndKeepsCentring)
{
    struct {
        UINT In;
        bool RightToLeft;
        UINT Out;
    } cases[] = {
        {DT_LEFT, false, DT_LEFT},
        {DT_LEFT, true, DT_RIGHT | DT_RTLREADING},
        {DT_RIGHT | DT_VCENTER, true, DT_VCENTER | DT_RTLREADING},
        {DT_CENTER, true, DT_CENTER | DT_RTLREADING},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BiDiDrawTextFlags(c.In, c.RightToLeft), c.Out) << c.In;
}

TEST(ColorHelpersTest, GeometryHelpers)
{
    EXPECT_TRUE(RectContainsPoint(Rect(0, 0, 10, 10), Point(10, 10)));
    EXPECT_FALSE(RectContainsPoint(Rect(0, 0, 10, 10), Point(11, 5)));

    TRect r = Rect(50, 50, 60, 54), result;
    CenterRectVertically(r, Rect(5, 10, 100, 30), result);
    EXPECT_EQ(result, Rect(5, 18, 15, 22));
    EXPECT_EQ(r, result);

    TComponent owner(nullptr);
    String name;
    GetUniqueComponentName(u"Item%d", nullptr, name);
    EXPECT_EQ(name, u"Item1");
    for (const char16_t* existing : {u"Item1", u"Item2"}) {
        auto* c = new TComponent(&owner);
        c->SetName(existing);
    }
    GetUniqueComponentName(u"Item%d", &owner, name);
    EXPECT_EQ(name, u"Item3");
}

TEST(AlphaBitmapTest, ResamplesAndBlendsWithConstantAlpha)
{
    auto source = MakeBitmap32(2, 2);
    FillBitmapPixels(source.get(), 0xFF0000FF);
    auto scaled = MakeBitmap32(4, 4);
    ResampleBitmap(source.get(), scaled.get());
    EXPECT_EQ(BitmapPixels(scaled.get())[5] & 0xFFFFFF, DWORD(0x0000FE)); // bilinear weights sum to 65535

    auto target = Canvas32(4, 4, clWhite);
    target->Canvas()->Brush()->SetColor(clBlack);
    FillRectAlpha(target->Canvas(), Rect(0, 0, 2, 4), 128);
    const TColor blended = PixelAt(target.get(), 0, 0);
    EXPECT_NEAR(blended & 0xFF, 127, 2);
    EXPECT_EQ(PixelAt(target.get(), 3, 0), clWhite);
}

TEST(FocusRectTest, DrawsASecondRingFromScaleOneAndAHalf)
{
    for (const auto& [scale, secondRing] : {std::pair{1.25, false}, std::pair{1.5, true}}) {
        auto bitmap = Canvas32(20, 20);
        DrawScaledFocusRectColor(bitmap->Canvas(), Rect(2, 2, 18, 18), clBlack, scale);
        EXPECT_GT(CountColor(bitmap.get(), Rect(2, 2, 18, 3), clBlack), 0);
        EXPECT_EQ(CountColor(bitmap.get(), Rect(4, 3, 16, 4), clBlack) > 0, secondRing) << scale;
        EXPECT_EQ(CountColor(bitmap.get(), Rect(5, 5, 15, 15), clBlack), 0);
    }
}

TEST(TextPaintersTest, CutsTextToWidthWithAnEllipsis)
{
    auto bitmap = Canvas32(10, 10);
    TCanvas* canvas = bitmap->Canvas();
    String text = u"short";
    CutTextToWidth(canvas, text, 1000);
    EXPECT_EQ(text, u"short");
    text = u"a rather long caption";
    const int width = canvas->TextWidth(u"a rather...");
    CutTextToWidth(canvas, text, width);
    EXPECT_EQ(text.substr(text.size() - 3), u"...");
    EXPECT_LE(canvas->TextWidth(text), width);
    text = u"anything";
    CutTextToWidth(canvas, text, 1);
    EXPECT_EQ(text, u"...");
}

TEST(TextPaintersTest, TabStopsAreDigitsOnly)
{
    EXPECT_EQ(StrToTabStop(u"120"), 120);
    EXPECT_EQ(StrToTabStop(u"12a"), 0);
    EXPECT_EQ(StrToTabStop(u""), 0);
    EXPECT_EQ(StrToTabStop(u"99999999999"), 0);
}

TEST(TextPaintersTest, ContentLayoutPlacesImageAndText)
{
    struct Case {
        const char* Name;
        int Layout, Margin, Spacing;
        int ImageX, ImageY, TextX, TextY;
    } cases[] = {
        // Rect (0, 0, 100, 40), image 16 x 16, text 30 x 10.
        {"centred block, image left", 0, -1, 4, 25, 12, 75 - 30, 15},
        {"centred block, image right", 1, -1, 4, 75 - 16, 12, 25, 15},
        {"centred block, image above", 2, -1, 4, 42, 5, 35, 25},
        {"margin, image left", 0, 3, 4, 3, 12, 23, 15},
        {"margin, image right", 1, 3, 4, 81, 12, 47, 15},
        {"margin, text centred in the rest", 0, 3, -200, 3, 12, 19 + 40 - 15, 15},
        {"margin, image below", 3, 2, 5, 42, 22, 35, 7},
    };
    for (const Case& c : cases) {
        int gx = -9, gy = -9, tx = -9, ty = -9;
        CalcContentLayout(c.Layout, Rect(0, 0, 100, 40), 16, gy, gx, ty, tx, c.Margin, c.Spacing, 10, 30, 16);
        EXPECT_EQ(gx, c.ImageX) << c.Name;
        EXPECT_EQ(gy, c.ImageY) << c.Name;
        EXPECT_EQ(tx, c.TextX) << c.Name;
        EXPECT_EQ(ty, c.TextY) << c.Name;
    }
    // A text wider than the rect drops the centring margin: the image goes to the left edge.
    int gx = -9, gy = -9, tx = -9, ty = -9;
    CalcContentLayout(0, Rect(10, 0, 60, 40), 16, gy, gx, ty, tx, -1, 4, 10, 80, 16);
    EXPECT_EQ(gx, 10);
    EXPECT_EQ(tx, 30);
}

TEST(TextPaintersTest, MarkerWithoutImageAndTextFillsTheInnerRect)
{
    auto bitmap = Canvas32(30, 20);
    DrawImageAndText(bitmap->Canvas(), Rect(0, 0, 30, 20), -1, false, 1, true, false, false, clRed, true, true,
                     nullptr, -1, u"", 0, 1);
    EXPECT_EQ(CountColor(bitmap.get(), Rect(4, 4, 28, 16), clRed), 24 * 12);
    EXPECT_EQ(PixelAt(bitmap.get(), 3, 10), clWhite);
    EXPECT_EQ(PixelAt(bitmap.get(), 28, 10), clWhite);
}

TEST(GlyphsTest, DownTriangleRowsNarrowToOnePixel)
{
    auto bitmap = Canvas32(20, 20);
    DrawDownTriangleDC(bitmap->Canvas(), Rect(0, 0, 20, 20), clBlack, 1);
    // cx = cy = 10, bottom row at cy + 2.
    const int widths[] = {7, 5, 3, 1};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(CountColor(bitmap.get(), Rect(0, 9 + row, 20, 10 + row), clBlack), widths[row]) << row;
    EXPECT_EQ(CountColor(bitmap.get(), Rect(0, 13, 20, 20), clBlack), 0);
}

TEST(GlyphsTest, DropDownArrowFollowsTheWindowsVersion)
{
    // The chevrons leave the centre column open above their tip (two strokes thin, three thick);
    // the triangle fills its top row across the centre.
    struct Case {
        const char* Name;
        TWindowsVersion Version;
        int TipPixels;
        bool Filled;
    } cases[] = {
        {"11, thin chevron", Windows11, 2, false},
        {"8.1, thick chevron", Windows81, 3, false},
        {"7, triangle", Windows7, 3, true},
    };
    for (const Case& c : cases) {
        TInjectedPlatformFacts facts({.Version = c.Version});
        auto bitmap = Canvas32(30, 30);
        DrawDropDownArrow(bitmap->Canvas(), Rect(0, 0, 30, 30), clBlack, nullptr, 1);
        EXPECT_EQ(CountColor(bitmap.get(), Rect(15, 15, 16, 30), clBlack), c.TipPixels) << c.Name;
        EXPECT_EQ(PixelAt(bitmap.get(), 15, 14) == clBlack, c.Filled) << c.Name;
    }
}

TEST(GlyphsTest, ExpandButtonBoxAndBars)
{
    for (const auto& [scale, box, barRows] : {std::tuple{1.0, 9, 1}, std::tuple{2.0, 17, 3}}) {
        auto bitmap = Canvas32(40, 40, clWhite);
        DrawExpandButtonColored(bitmap->Canvas(), Rect(0, 0, 40, 40), 1, scale, clBlack, clYellow);
        const int c = box / 2, left = 20 - c, top = 20 - c + 1;
        const TColor frame = GetContrastShadeColor(clYellow);
        EXPECT_EQ(PixelAt(bitmap.get(), left, top), frame) << scale;
        EXPECT_EQ(PixelAt(bitmap.get(), left + box - 1, top + box - 1), frame) << scale;
        EXPECT_EQ(PixelAt(bitmap.get(), left + box, top + box), clWhite) << scale;
        // [-]: a horizontal bar from 2 to box - 3, no vertical bar.
        EXPECT_EQ(CountColor(bitmap.get(), Rect(left, top, left + box, top + box), clBlack), (box - 4) * barRows)
            << scale;
    }
}

TEST(GlowTest, SettingsNotifyOnlyWhenEnabledExceptForEnabledItself)
{
    TscButtonGlowEffect glow;
    int changes = 0;
    glow.SetOnChange([&](TObject*) { ++changes; });
    glow.SetColor(clRed);
    EXPECT_EQ(changes, 0);
    glow.SetEnabled(true);
    EXPECT_EQ(changes, 1);
    glow.SetGlowSize(3);
    EXPECT_EQ(changes, 2);
    glow.SetEnabled(false);
    EXPECT_EQ(changes, 3);

    TscButtonGlowEffect copy;
    copy.Assign(&glow);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.GlowSize(), 3);
}

TEST(GlowTest, ClassicLookSoftensHighlightAlpha)
{
    for (bool themed : {false, true}) {
        TInjectedPlatformFacts facts({.ThemesActive = themed});
        TscButtonGlowEffect glow;
        glow.SetAlphaValue(255);
        EXPECT_EQ(glow.GetAlphaValue(), themed ? 255 : 175);
        glow.SetAlphaValue(170);
        EXPECT_EQ(glow.GetAlphaValue(), 170);
        glow.SetPressedColor(clHighlight);
        EXPECT_EQ(glow.GetPressedAlphaValue(), themed ? 255 : 205);
    }
}

TEST(GlowTest, TextGlowBufferGrowsBySizeOnEverySide)
{
    auto bitmap = Canvas32(60, 60, clBlack);
    TGlowBuffer buffer;
    DrawGlowText(buffer, false, bitmap->Canvas(), true, false, 255, true, 7, clRed, 0, DT_CENTER, u"X",
                 Rect(20, 20, 24, 24));
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->Width(), 28);
    EXPECT_EQ(buffer->Height(), 28);
    // Red glow spreads around the text.
    EXPECT_GT(PixelAt(bitmap.get(), 21, 18) & 0xFF, 0);
    EXPECT_EQ(PixelAt(bitmap.get(), 21, 18) & 0xFFFF00, 0);
}

TEST(GlowTest, GlowSizeZeroKeepsTheMaskShape)
{
    auto mask = MakeBitmap32(8, 8);
    FillBitmapPixels(mask.get(), 0);
    static_cast<DWORD*>(mask->ScanLine(3))[3] = 0xFFFFFFFF;
    auto glow = std::make_unique<TBitmap>();
    MakeGlowImage(glow.get(), mask.get(), 0, clBlue);
    EXPECT_EQ(static_cast<const DWORD*>(glow->ScanLine(3))[3], DWORD(0xFF0000FF));
    EXPECT_EQ(static_cast<const DWORD*>(glow->ScanLine(3))[4], DWORD(0));
}

TEST(GlowTest, MaskOfAnOpaqueImageTreatsTheTopLeftColourAsBackground)
{
    auto image = MakeBitmap32(16, 16);
    FillBitmapPixels(image.get(), 0xFFFF00FF);
    static_cast<DWORD*>(image->ScanLine(8))[8] = 0xFF000000;
    auto glow = std::make_unique<TBitmap>();
    MakeGlowImage(glow.get(), image.get(), 2, clWhite);
    EXPECT_EQ(glow->Width(), 20);
    EXPECT_EQ(static_cast<const DWORD*>(glow->ScanLine(2))[2] >> 24, DWORD(0));
    EXPECT_GT(static_cast<const DWORD*>(glow->ScanLine(10))[10] >> 24, DWORD(0));
}

TEST(GlowTest, StackBlurSpreadsAPointSymmetrically)
{
    auto bitmap = MakeBitmap32(9, 9);
    FillBitmapPixels(bitmap.get(), 0xFF000000);
    static_cast<DWORD*>(bitmap->ScanLine(4))[4] = 0xFFFFFFFF;
    StackBlurBitmap(bitmap.get(), 2);
    auto red = [&](int x, int y) { return (static_cast<const DWORD*>(bitmap->ScanLine(y))[x] >> 16) & 0xFF; };
    EXPECT_GT(red(4, 4), red(5, 4));
    EXPECT_EQ(red(3, 4), red(5, 4));
    EXPECT_EQ(red(4, 3), red(4, 5));
    EXPECT_GT(red(6, 4), 0u);
    EXPECT_EQ(red(7, 4), 0u);
    EXPECT_EQ(static_cast<const DWORD*>(bitmap->ScanLine(0))[0] >> 24, DWORD(255));
}

TEST(ElementPaintersTest, SystemStyleTextColoursByState)
{
    using TGetter = TColor (*)(TscsCtrlState, const TControl*);
    for (TGetter getter : {&GetButtonTextColor, &GetToolButtonTextColor, &GetCheckBoxTextColor,
                           &GetHeaderSectionTextColor, &GetTabTextColor, &GetTabButtonTextColor}) {
        EXPECT_EQ(getter(scsNormal, nullptr), clBtnText);
        EXPECT_EQ(getter(scsHot, nullptr), clBtnText);
        EXPECT_EQ(getter(scsDisabled, nullptr), clGrayText);
    }
    EXPECT_EQ(GetCaptionTextColor(scsDisabled, nullptr), clInactiveCaptionText);
    EXPECT_EQ(GetCaptionTextColor(scsFocused, nullptr), clCaptionText);
    EXPECT_EQ(GetEditColor(scsHot, nullptr), clWindow);
    EXPECT_EQ(GetEditFontColor(scsDisabled, nullptr), clGrayText);
}

TEST(ElementPaintersTest, ClassicProgressBarAndCheckBox)
{
    TInjectedPlatformFacts classic({.ThemesActive = false});
    EXPECT_EQ(GetCheckBoxSize(nullptr, nullptr, 2.0), 13);
    struct {
        int Minimum, Position, Maximum, GreenColumns;
    } cases[] = {{0, 50, 100, 4}, {10, 10, 10, 0}, {10, 5, 20, 0}, {0, 100, 100, 8}};
    for (const auto& c : cases) {
        auto bitmap = Canvas32(10, 6, clBlack);
        DrawItemProgressBar(bitmap->Canvas(), Rect(0, 0, 10, 6), c.Minimum, nullptr, c.Position, c.Maximum);
        EXPECT_EQ(CountColor(bitmap.get(), Rect(1, 2, 9, 3), clGreen), c.GreenColumns) << c.Position;
        EXPECT_EQ(CountColor(bitmap.get(), Rect(1, 2, 9, 3), clWhite), 8 - c.GreenColumns) << c.Position;
    }
}

TEST(ElementPaintersTest, CustomStyleDrawsItsElementsAndMapsItsColours)
{
    EXPECT_FALSE(UsesCustomStyle(nullptr));
    EXPECT_FALSE(IsWindowsStyle(nullptr));
    TActiveTestStyle style(u"Test Windows Blue");
    EXPECT_TRUE(UsesCustomStyle(nullptr));
    EXPECT_TRUE(IsWindowsStyle(nullptr));
    EXPECT_EQ(GetStyleSystemColor(clBtnFace, nullptr), style->GetSystemColor(clBtnFace));
    EXPECT_EQ(GetEditColor(scsHot, nullptr), style->GetStyleColor(scEditDisabled));
    EXPECT_EQ(GetEditColor(scsNormal, nullptr), style->GetStyleColor(scEdit));

    auto bitmap = Canvas32(40, 20);
    DrawPushButton(bitmap->Canvas(), Rect(0, 0, 40, 20), scsFocused, nullptr, 1, true);
    const COLORREF defaulted =
        style->ElementColor(TCustomStyleServices::GetElementDetails(tbPushButtonDefaulted));
    EXPECT_EQ(static_cast<COLORREF>(PixelAt(bitmap.get(), 20, 10)), defaulted);

    // Selection blended over white at 175 of 255 when neither focused nor opaque.
    auto selection = Canvas32(10, 10, clWhite);
    DrawItemSelection(selection->Canvas(), Rect(0, 0, 10, 10), false, nullptr, false);
    const COLORREF cell = style->ElementColor(TCustomStyleServices::GetElementDetails(tgCellSelected));
    const TColor blended = PixelAt(selection.get(), 5, 5);
    EXPECT_NEAR(blended & 0xFF, (GetRValue(cell) * 175 + 255 * 80) / 255, 2);
}
