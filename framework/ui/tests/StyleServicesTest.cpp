// The system style's services for a push button in its five states, with visual themes on (the
// platform's theme) and off (injected), drawn into offscreen bitmaps.
#include <memory>
#include <vector>

#include <vssym32.h>
#include <gtest/gtest.h>

#include "OffscreenSurface.h"
#include "Themes.h"

namespace {

constexpr int W = 60;
constexpr int H = 24;

struct TButtonState {
    const char* Name;
    TThemedButton Detail;
    int State;
};
constexpr TButtonState ButtonStates[] = {
    {"normal", tbPushButtonNormal, PBS_NORMAL},   {"hot", tbPushButtonHot, PBS_HOT},
    {"pressed", tbPushButtonPressed, PBS_PRESSED}, {"disabled", tbPushButtonDisabled, PBS_DISABLED},
    {"defaulted", tbPushButtonDefaulted, PBS_DEFAULTED},
};

std::vector<COLORREF> Pixels(const OffscreenSurface& surface)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            pixels.push_back(surface.Pixel(x, y));
    return pixels;
}

// The button drawn in a state into a fresh magenta surface (magenta shows what was left undrawn).
std::vector<COLORREF> DrawnButton(const TCustomStyleServices& style, TThemedButton detail, bool* drawn = nullptr)
{
    OffscreenSurface surface(W, H, RGB(255, 0, 255));
    bool ok = style.DrawElement(surface.DC(), TCustomStyleServices::GetElementDetails(detail), TRect{0, 0, W, H});
    if (drawn)
        *drawn = ok;
    return Pixels(surface);
}

COLORREF SysColor(int index) { return GetSysColor(index); }

} // namespace

TEST(StyleServices, ElementDetailsNameTheThemeClassPartAndState)
{
    for (const TButtonState& s : ButtonStates) {
        SCOPED_TRACE(s.Name);
        EXPECT_EQ(TCustomStyleServices::GetElementDetails(s.Detail),
                  (TThemedElementDetails{teButton, BP_PUSHBUTTON, s.State}));
    }
    struct TCase {
        TThemedElementDetails Actual, Expected;
    } cases[] = {
        {TCustomStyleServices::GetElementDetails(tbCheckBoxMixedDisabled), {teButton, BP_CHECKBOX, CBS_MIXEDDISABLED}},
        {TCustomStyleServices::GetElementDetails(tsUpHorzPressed), {teSpin, SPNP_UPHORZ, UPHZS_PRESSED}},
        {TCustomStyleServices::GetElementDetails(tsArrowBtnLeftHot), {teScrollBar, SBP_ARROWBTN, ABS_LEFTHOT}},
        {TCustomStyleServices::GetElementDetails(tcDropDownButtonRightDisabled),
         {teComboBox, CP_DROPDOWNBUTTONRIGHT, CBXSR_DISABLED}},
        {TCustomStyleServices::GetElementDetails(ttbDropDownButtonCheckedHot), {teToolBar, TP_DROPDOWNBUTTON, TS_HOTCHECKED}},
        {TCustomStyleServices::GetElementDetails(ttTabItemSelected), {teTab, TABP_TABITEM, TIS_SELECTED}},
        {TCustomStyleServices::GetElementDetails(tgFixedCellPressed), {teHeader, HP_HEADERITEM, HIS_PRESSED}},
        {TCustomStyleServices::GetElementDetails(thHintNormal), {teToolTip, TTP_STANDARD, TTSS_NORMAL}},
        {TCustomStyleServices::GetElementDetails(ttItemNormal), {teTreeview, TVP_TREEITEM, TREIS_NORMAL}},
        {TCustomStyleServices::GetElementDetails(twCaptionInactive), {teWindow, WP_CAPTION, CS_INACTIVE}},
        {TCustomStyleServices::GetElementDetails(twRestoreButtonPushed), {teWindow, WP_RESTOREBUTTON, RBS_PUSHED}},
        {TCustomStyleServices::GetElementDetails(tsStatusRoot), {teStatus, 0, 0}},
        {TCustomStyleServices::GetElementDetails(static_cast<TThemedTab>(999)), {teTab, 0, 0}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Actual.Element, c.Expected.Element);
        EXPECT_EQ(c.Actual.Part, c.Expected.Part);
        EXPECT_EQ(c.Actual.State, c.Expected.State);
    }
}

TEST(StyleServices, TheApplicationStyleIsTheSystemStyle)
{
    TCustomStyleServices* style = StyleServices();
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style, TStyleManager::SystemStyle());
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
    EXPECT_TRUE(style->IsSystemStyle());
    EXPECT_TRUE(style->Available());
    EXPECT_EQ(style->Name(), u"Windows");
    EXPECT_EQ(style->GetSystemColor(clBtnFace), clBtnFace);
    EXPECT_EQ(style->GetSystemColor(clRed), clRed);
    EXPECT_EQ(style->GetStyleColor(scEdit), clWindow);
    EXPECT_EQ(style->GetStyleColor(scEditDisabled), clBtnFace);
    EXPECT_EQ(style->GetStyleColor(scTreeView), clWindow);
    EXPECT_EQ(style->GetStyleFontColor(sfEditBoxTextDisabled), clGrayText);
    EXPECT_EQ(style->GetStyleFontColor(sfComboBoxItemNormal), clWindowText);
    EXPECT_EQ(style->GetStyleFontColor(sfButtonTextPressed), clBtnText);
    EXPECT_EQ(style->Enabled(), IsThemeActive() && IsAppThemed());
}

TEST(StyleServices, ThemedButtonShowsEachStateInTheThemesLook)
{
    TSystemStyleServices style([] { return true; });
    bool drawn = false;
    DrawnButton(style, tbPushButtonNormal, &drawn);
    if (!drawn)
        GTEST_SKIP() << "no visual theme is installed on this system";

    ASSERT_TRUE(style.Enabled());
    std::vector<std::vector<COLORREF>> images;
    for (const TButtonState& s : ButtonStates) {
        SCOPED_TRACE(s.Name);
        images.push_back(DrawnButton(style, s.Detail, &drawn));
        EXPECT_TRUE(drawn);
        EXPECT_EQ(images.back()[(H / 2) * W + W / 2] == RGB(255, 0, 255), false) << "the face is painted";
    }
    EXPECT_NE(images[0], images[1]) << "hot differs from normal";
    EXPECT_NE(images[0], images[2]) << "pressed differs from normal";
    EXPECT_NE(images[0], images[3]) << "disabled differs from normal";
    EXPECT_NE(images[2], images[3]);

    TColor normalText = clNone, disabledText = clNone;
    ASSERT_TRUE(style.GetElementColor(style.GetElementDetails(tbPushButtonNormal), ecTextColor, normalText));
    ASSERT_TRUE(style.GetElementColor(style.GetElementDetails(tbPushButtonDisabled), ecTextColor, disabledText));
    EXPECT_NE(normalText, disabledText);

    TSize size, doubled;
    ASSERT_TRUE(style.GetElementSize(nullptr, style.GetElementDetails(tbCheckBoxCheckedNormal), esActual, size));
    EXPECT_GT(size.cx, 8);
    ASSERT_TRUE(style.GetElementSize(nullptr, style.GetElementDetails(tbCheckBoxCheckedNormal), esActual, doubled, 192));
    EXPECT_NEAR(doubled.cx, 2 * size.cx, 2) << "the element at twice the DPI";
    TRect content;
    ASSERT_TRUE(style.GetElementContentRect(nullptr, style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, W, H}, content));
    EXPECT_GT(content.Left, 0);
    EXPECT_LT(content.Right, W);
}

TEST(StyleServices, WithoutThemesTheButtonIsDrawnClassically)
{
    TSystemStyleServices style([] { return false; });
    EXPECT_FALSE(style.Enabled());
    EXPECT_TRUE(style.Available());

    std::vector<std::vector<COLORREF>> images;
    for (const TButtonState& s : ButtonStates) {
        SCOPED_TRACE(s.Name);
        bool drawn = false;
        images.push_back(DrawnButton(style, s.Detail, &drawn));
        EXPECT_TRUE(drawn);
        EXPECT_EQ(images.back()[(H / 2) * W + W / 2], SysColor(COLOR_BTNFACE)) << "a classic face";
    }
    auto topLeft = [](const std::vector<COLORREF>& image) { return image[0]; };
    auto bottomRight = [](const std::vector<COLORREF>& image) { return image[H * W - 1]; };
    EXPECT_EQ(topLeft(images[0]), SysColor(COLOR_BTNHIGHLIGHT)) << "raised: light at the top left";
    EXPECT_EQ(bottomRight(images[0]), SysColor(COLOR_3DDKSHADOW));
    EXPECT_NE(topLeft(images[2]), SysColor(COLOR_BTNHIGHLIGHT)) << "pressed: sunken";
    EXPECT_EQ(topLeft(images[4]), SysColor(COLOR_WINDOWFRAME)) << "defaulted: the dark outer frame";
    EXPECT_EQ(images[4][W + 1], SysColor(COLOR_BTNHIGHLIGHT)) << "defaulted: a raised face inside";

    TSize size;
    ASSERT_TRUE(style.GetElementSize(nullptr, style.GetElementDetails(tbCheckBoxCheckedNormal), esActual, size, 192));
    EXPECT_EQ(size, (TSize{26, 26}));
    TRect content;
    ASSERT_TRUE(style.GetElementContentRect(nullptr, style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, W, H}, content));
    EXPECT_EQ(content, (TRect{2, 2, W - 2, H - 2}));
    TColor color = clNone;
    EXPECT_FALSE(style.GetElementColor(style.GetElementDetails(tbPushButtonNormal), ecTextColor, color));
    EXPECT_FALSE(style.HasTransparentParts(style.GetElementDetails(tbPushButtonNormal)));
}

TEST(StyleServices, DrawingHonoursTheClipRectangleWithAndWithoutThemes)
{
    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed);
        TSystemStyleServices style([themed] { return themed; });
        OffscreenSurface surface(W, H, RGB(255, 0, 255));
        const TRect clip{0, 0, W / 2, H};
        if (!style.DrawElement(surface.DC(), style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, W, H}, clip)) {
            EXPECT_TRUE(themed) << "the classic look always draws a push button";
            continue; // no visual theme on this system
        }
        EXPECT_NE(surface.Pixel(W / 4, H / 2), RGB(255, 0, 255));
        EXPECT_EQ(surface.Count(RGB(255, 0, 255), W / 2, 0, W, H), (W / 2) * H) << "nothing right of the clip";
        // The DC's own clipping is back afterwards.
        RECT rc{0, 0, W, H};
        FillRect(surface.DC(), &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EXPECT_EQ(surface.Pixel(W - 1, H - 1), RGB(0, 0, 0));
    }
}

TEST(StyleServices, TextInTheElementsColourWithAndWithoutThemes)
{
    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed);
        TSystemStyleServices style([themed] { return themed; });
        OffscreenSurface probe(4, 4);
        if (themed && !style.DrawElement(probe.DC(), style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, 4, 4}))
            continue; // no visual theme on this system

        OffscreenSurface surface(W, H);
        HGDIOBJ oldFont = SelectObject(surface.DC(), GetStockObject(DEFAULT_GUI_FONT));
        TRect measured{0, 0, W, H};
        ASSERT_TRUE(style.DrawText(surface.DC(), style.GetElementDetails(tbPushButtonNormal), u"Wm", measured,
                                   TTextFormat{tfCalcRect, tfSingleLine}));
        EXPECT_GT(measured.Width(), 4);
        EXPECT_EQ(surface.Count(RGB(255, 255, 255)), W * H) << "measuring draws nothing";

        TRect r{0, 0, W, H};
        ASSERT_TRUE(style.DrawText(surface.DC(), style.GetElementDetails(tbPushButtonNormal), u"Wm", r,
                                   TTextFormat{tfSingleLine}, clRed));
        EXPECT_GT(surface.Count(RGB(255, 0, 0)), 3) << "an explicit colour wins";
        SelectObject(surface.DC(), oldFont);
    }
}

TEST(StyleServices, EdgesInTheClassicLook)
{
    TSystemStyleServices style([] { return false; });
    OffscreenSurface surface(20, 20, RGB(255, 0, 255));
    TRect content;
    ASSERT_TRUE(style.DrawEdge(surface.DC(), style.GetElementDetails(tbPushButtonNormal), TRect{0, 0, 20, 20},
                               TElementEdges{eeSunken}, TElementEdgeFlags{efRect}, &content));
    EXPECT_EQ(content, (TRect{2, 2, 18, 18}));
    EXPECT_EQ(surface.Pixel(0, 0), SysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(surface.Pixel(10, 10), RGB(255, 0, 255)) << "no middle asked for";
}

namespace {

LRESULT CALLBACK RedBackgroundProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(window, &r);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(reinterpret_cast<HDC>(wp), &r, red);
        DeleteObject(red);
        return 1;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

} // namespace

TEST(StyleServices, ParentBackgroundIsPaintedBehindTheChildWithAndWithoutThemes)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = RedBackgroundProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavinRedParent";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND parent = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, parent, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(child, nullptr);

    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed);
        TSystemStyleServices style([themed] { return themed; });
        OffscreenSurface surface(30, 30);
        const TThemedElementDetails face = style.GetElementDetails(tbPushButtonNormal);
        ASSERT_TRUE(style.DrawParentBackground(child, surface.DC(), &face, false));
        EXPECT_EQ(surface.Count(RGB(255, 0, 0)), 30 * 30) << "the parent's red fills the child's area";
    }
    // An element without transparent parts leaves the parent alone when asked to.
    TSystemStyleServices classic([] { return false; });
    OffscreenSurface surface(30, 30);
    const TThemedElementDetails face = classic.GetElementDetails(tbPushButtonNormal);
    ASSERT_TRUE(classic.DrawParentBackground(child, surface.DC(), &face, true));
    EXPECT_EQ(surface.Count(RGB(255, 255, 255)), 30 * 30);

    DestroyWindow(parent);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}
