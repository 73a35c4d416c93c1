// The styled form component with real windows: the window procedure it installs, the DWM frame
// and fluent background (system calls recorded, since Wine answers few of them), the styles
// submenu, and the scale on a DPI change.
#include <gtest/gtest.h>

#include <algorithm>

#include "FormTestSupport.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "PlatformFacts.h"
#include "TestStyle.h"
#include "WideText.h"
#include "scStyledForm.h"

namespace {

class TShadowForm : public TForm {
    TAVIN_CLASS(TShadowForm, TForm)
public:
    using TForm::TForm;
};

const char* const ShadowFormText = R"(object ShadowForm: TShadowForm
  BorderStyle = bsNone
  ClientWidth = 320
  ClientHeight = 200
  object scStyledForm1: TscStyledForm
    DWMClientShadow = True
  end
end
)";

TEST(StyledFormTest, AShadowedBorderlessFormIsAllClientWithAOnePixelFrameExtension)
{
    TDwmRecording dwm(Windows11);
    SetFormTexts({{u"TShadowForm", ShadowFormText}});
    std::unique_ptr<TShadowForm> form(CreateForm<TShadowForm>(nullptr));
    HWND wnd = form->Handle();
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & 0x00C60000, 0x00C60000);
    ASSERT_FALSE(dwm.Log.Margins.empty());
    EXPECT_EQ(dwm.Log.Margins.back(), (TFrameMargins{0, 0, 1, 0}));
    // The system's own rounded corners stay, no fluent background, the system menu as it was.
    EXPECT_TRUE(dwm.Log.Attributes.empty());
    EXPECT_TRUE(dwm.Log.Accents.empty());
    EXPECT_EQ(GetMenuState(GetSystemMenu(wnd, FALSE), scStylesMenuCommand, MF_BYCOMMAND), UINT(-1));
    ASSERT_TRUE(ShowActive(form.get()));
    RECT window, client;
    GetWindowRect(wnd, &window);
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, window.right - window.left);
    EXPECT_EQ(client.bottom, window.bottom - window.top);
    // No sizing border and no caption anywhere: the form is moved by its own controls.
    for (POINT p : {POINT{window.left, window.top}, POINT{window.right - 1, window.bottom - 1},
                    POINT{window.left + 100, window.top + 1}})
        EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCLIENT);
}

TEST(StyledFormTest, TheShadowIsSuspendedWhileCompositionIsOffAndComesBack)
{
    TDwmRecording dwm(Windows10);
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    styled->SetDWMClientShadow(true);
    HWND wnd = form->Handle();
    ASSERT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & 0x00C60000, 0x00C60000);
    {
        TInjectedPlatformFacts off({.CompositionEnabled = false});
        SendMessageW(wnd, WM_SETTINGCHANGE, 0, 0);
        EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & 0x00C60000, 0);
        EXPECT_FALSE(styled->DWMClientShadow());
        dwm.Log.Margins.clear();
    }
    SendMessageW(wnd, WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(styled->DWMClientShadow());
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE) & 0x00C60000, 0x00C60000);
    ASSERT_FALSE(dwm.Log.Margins.empty());
    EXPECT_EQ(dwm.Log.Margins.back(), (TFrameMargins{0, 0, 1, 0}));
}

TEST(StyledFormTest, TheWindowProcedureIsTakenOverAndGivenBack)
{
    std::unique_ptr<TForm> form(new TForm(nullptr));
    const TWndMethod own = form->WindowProc();
    auto* styled = new TscStyledForm(form.get());
    EXPECT_FALSE(form->WindowProc() == own);
    delete styled;
    EXPECT_TRUE(form->WindowProc() == own);
    // A component owned by something other than a form does nothing at all.
    std::unique_ptr<TComponent> owner(new TComponent(nullptr));
    auto* loose = new TscStyledForm(owner.get());
    EXPECT_EQ(loose->Form(), nullptr);
}

TEST(StyledFormTest, FluentBackgroundsSendTheirAccentRecords)
{
    struct TCase {
        const char* Name;
        TWindowsVersion Version;
        TscFluentUIBackground Background;
        bool Border;
        bool AccentSent;
        TAccentRecord Accent;
        bool FrameExtended;
    };
    const TCase cases[] = {
        {"acrylic on Windows 10", Windows10, scfuibAcrylic, true, true, {4, 0x1E0, 0x640000FF}, false},
        {"blur with border lines", Windows10, scfuibBlur, true, true, {3, 0x1E0, 0}, false},
        {"blur without border lines", Windows10, scfuibBlur, false, true, {3, 0, 0}, true},
        {"acrylic on Windows 11 keeps the frame", Windows11, scfuibAcrylic, false, true, {4, 0, 0x640000FF}, true},
        {"build 17133 has no fluent background", {10, 0, 17133}, scfuibAcrylic, true, false, {}, true},
        {"build 17134 has", {10, 0, 17134}, scfuibBlur, true, true, {3, 0x1E0, 0}, false},
    };
    for (const TCase& c : cases) {
        TDwmRecording dwm(c.Version);
        std::unique_ptr<TForm> form(new TForm(nullptr));
        auto* styled = new TscStyledForm(form.get());
        styled->SetFluentUIBackground(c.Background);
        styled->SetFluentUIBorder(c.Border);
        styled->SetFluentUIAcrylicColor(clRed);
        styled->SetDWMClientShadow(true);
        form->HandleNeeded();
        EXPECT_EQ(styled->IsFluentUIEnabled(), c.AccentSent) << c.Name;
        ASSERT_EQ(!dwm.Log.Accents.empty(), c.AccentSent) << c.Name;
        if (c.AccentSent) {
            EXPECT_EQ(dwm.Log.AccentAttribute, 19u) << c.Name;
            EXPECT_EQ(dwm.Log.Accents.back(), c.Accent) << c.Name;
        }
        const bool extended = std::ranges::find(dwm.Log.Margins, TFrameMargins{0, 0, 1, 0}) != dwm.Log.Margins.end();
        EXPECT_EQ(extended, c.FrameExtended) << c.Name;
    }
}

TEST(StyledFormTest, AcrylicTurnsOpaqueWhileTheFormIsInactive)
{
    TDwmRecording dwm(Windows10);
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    styled->SetFluentUIBackground(scfuibAcrylic);
    styled->SetFluentUIInactiveAcrylicColorOpaque(true);
    styled->SetFluentUIAcrylicColor(clBlue);
    styled->SetDWMClientShadow(true);
    ASSERT_TRUE(ShowActive(form.get()));
    std::unique_ptr<TForm> other(new TForm(nullptr));
    ASSERT_TRUE(ShowActive(other.get()));
    ASSERT_FALSE(dwm.Log.Accents.empty());
    EXPECT_EQ(dwm.Log.Accents.back().Color, 0xFFFF0000u);
    ASSERT_TRUE(ShowActive(form.get()));
    EXPECT_EQ(dwm.Log.Accents.back().Color, 0x64FF0000u);
}

TEST(StyledFormTest, WindowsElevenCornersFollowTheSetting)
{
    TDwmRecording dwm(Windows11);
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    styled->SetDWMClientRoundedCornersType(scDWMRoundedCornersOff);
    styled->SetDWMClientShadow(true);
    form->HandleNeeded();
    ASSERT_FALSE(dwm.Log.Attributes.empty());
    EXPECT_EQ(dwm.Log.Attributes.back(), (std::pair<DWORD, DWORD>{33, 1}));
    styled->SetDWMClientRoundedCornersType(scDWMRoundedCornersDefault);
    EXPECT_EQ(dwm.Log.Attributes.back(), (std::pair<DWORD, DWORD>{33, 0}));
    // Not on Windows 10.
    TInjectedPlatformFacts ten({.Version = Windows10});
    dwm.Log.Attributes.clear();
    styled->SetDWMClientRoundedCornersType(scDWMRoundedCornersOff);
    EXPECT_TRUE(dwm.Log.Attributes.empty());
}

// The styles submenu's items: command id, text and check mark.
struct TMenuEntry {
    UINT Id;
    String Text;
    bool Checked;
    bool operator==(const TMenuEntry&) const = default;
};

std::vector<TMenuEntry> Entries(HMENU menu)
{
    std::vector<TMenuEntry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 63;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        entries.push_back({info.wID, FromWidePtr(text), (info.fState & MFS_CHECKED) != 0});
    }
    return entries;
}

TEST(StyledFormTest, TheStylesSubmenuListsAndSwitchesTheStyles)
{
    TRegisteredStyle second(u"Second");
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    HWND wnd = form->Handle();
    HMENU system = GetSystemMenu(wnd, FALSE);
    const int plainCount = GetMenuItemCount(system);
    styled->SetStylesMenuCaption(u"Looks");
    styled->SetShowStylesMenu(true);
    ASSERT_EQ(GetMenuItemCount(system), plainCount + 2);
    const int at = styled->StylesMenuIndex();
    EXPECT_EQ(GetMenuItemID(system, at - 1), 0u); // the separator before it
    HMENU styles = GetSubMenu(system, at);
    ASSERT_NE(styles, nullptr);
    EXPECT_EQ(Entries(styles), (std::vector<TMenuEntry>{{1525, u"Windows", true}, {1526, u"Second", false}}));

    SendMessageW(wnd, WM_SYSCOMMAND, 1526, 0);
    EXPECT_EQ(TStyleManager::ActiveStyle()->Name(), u"Second");
    // Rebuilt around the switch, with the new check mark.
    styles = GetSubMenu(system, at);
    EXPECT_EQ(Entries(styles), (std::vector<TMenuEntry>{{1525, u"Windows", false}, {1526, u"Second", true}}));
    // The submenu item's own id picks the first style.
    SendMessageW(wnd, WM_SYSCOMMAND, 1524, 0);
    EXPECT_EQ(TStyleManager::ActiveStyle()->Name(), u"Windows");

    styled->SetShowStylesMenu(false);
    EXPECT_EQ(GetMenuItemCount(system), plainCount);
    EXPECT_EQ(styled->StylesMenuIndex(), -1);
}

TEST(StyledFormTest, AStylesCommandWithNoStylesListedIsIgnored)
{
    TRegisteredStyle second(u"Second");
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    // Switched on before the window exists: nothing is listed yet.
    styled->SetShowStylesMenu(true);
    ASSERT_EQ(styled->StyleCount(), 0);
    form->Perform(WM_SYSCOMMAND, 1524, 0);
    form->Perform(WM_SYSCOMMAND, 1526, 0);
    EXPECT_EQ(TStyleManager::ActiveStyle()->Name(), u"Windows");
    // Its window lists them once made.
    form->HandleNeeded();
    EXPECT_EQ(styled->StyleCount(), 2);
}

TEST(StyledFormTest, ADpiChangeSettlesTheScaleAndTellsTheApplication)
{
    struct TCase {
        const char* Name;
        bool Scaled;
        int SentDpi, MonitorDpi;
        std::vector<double> Reported;
        double Factor;
    };
    const TCase cases[] = {
        {"unscaled form", false, 144, 144, {1.0}, 1.0},
        {"scaled form rescaled to 144 dpi", true, 144, 144, {1.5}, 1.5},
        // The form kept its resolution but the monitor has another: once with the change, once after.
        {"scaled form on a 144 dpi monitor", true, 96, 144, {1.5, 1.5}, 1.5},
        {"scaled form on a 96 dpi monitor", true, 96, 96, {1.0}, 1.0},
    };
    for (const TCase& c : cases) {
        std::unique_ptr<TForm> form(new TForm(nullptr));
        form->SetScaled(c.Scaled);
        form->SetBounds(50, 50, 300, 200);
        auto* styled = new TscStyledForm(form.get());
        std::vector<double> reported;
        int before = 0;
        styled->SetOnChangeScale([&](TObject*, double factor) { reported.push_back(factor); });
        styled->SetOnBeforeChangeScale([&](TObject*) { ++before; });
        HWND wnd = form->Handle();
        TInjectedPlatformFacts dpi({.Dpi = c.MonitorDpi});
        RECT suggested{50, 50, 350, 250};
        SendMessageW(wnd, WM_DPICHANGED, MAKEWPARAM(c.SentDpi, c.SentDpi), reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(before, 1) << c.Name;
        EXPECT_EQ(reported, c.Reported) << c.Name;
        EXPECT_DOUBLE_EQ(styled->ScaleFactor(), c.Factor) << c.Name;
        EXPECT_EQ(styled->ScaleInt(10), c.Factor == 1.5 ? 15 : 10) << c.Name;
    }
}

TEST(StyledFormTest, RestoringTheClientSizeLeavesItOnePixelTallerOnFixedFrames)
{
    struct TCase {
        TFormBorderStyle Border;
        TSize Client;
    };
    const TCase cases[] = {
        {bsDialog, {400, 301}},
        {bsSingle, {400, 301}},
        {bsSizeable, {250, 150}},
        {bsNone, {250, 150}},
    };
    for (const TCase& c : cases) {
        std::unique_ptr<TForm> form(new TForm(nullptr));
        form->SetBorderStyle(c.Border);
        form->HandleNeeded();
        form->SetClientWidth(250);
        form->SetClientHeight(150);
        auto* styled = new TscStyledForm(form.get());
        styled->SetClientWidth(400);
        styled->SetClientHeight(300);
        form->SetClientWidth(250);
        form->SetClientHeight(150);
        styled->RestoreClientSize();
        EXPECT_EQ((TSize{form->ClientWidth(), form->ClientHeight()}), c.Client) << int(c.Border);
    }
}

TEST(StyledFormTest, ComponentReferencesAreClearedWhenTheyGo)
{
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    std::unique_ptr<TImageList> images(new TImageList(nullptr));
    std::unique_ptr<TscHint> hint(new TscHint(nullptr));
    std::unique_ptr<TPopupMenu> menu(new TPopupMenu(nullptr));
    std::unique_ptr<TscCustomImageCollection> wallpapers(new TscCustomImageCollection(nullptr));
    styled->SetCaptionWallpapers(wallpapers.get());
    styled->SetButtonImages(images.get());
    styled->SetTabImages(images.get());
    styled->SetHintComponent(hint.get());
    TscNCButtonItem* button = styled->Buttons()->Add();
    button->SetPopupMenu(menu.get());
    images.reset();
    hint.reset();
    menu.reset();
    wallpapers.reset();
    EXPECT_EQ(styled->CaptionWallpapers(), nullptr);
    EXPECT_EQ(styled->ButtonImages(), nullptr);
    EXPECT_EQ(styled->TabImages(), nullptr);
    EXPECT_EQ(styled->HintComponent(), nullptr);
    EXPECT_EQ(button->PopupMenu(), nullptr);
}

TEST(StyledFormTest, DownReleasesTheOtherButtonsOfItsGroup)
{
    std::unique_ptr<TForm> form(new TForm(nullptr));
    auto* styled = new TscStyledForm(form.get());
    TscNCButtonItem* a = styled->Buttons()->Add();
    TscNCButtonItem* b = styled->Buttons()->Add();
    TscNCButtonItem* c = styled->Buttons()->Add();
    c->SetGroupIndex(1);
    a->SetDown(true);
    c->SetDown(true);
    b->SetDown(true);
    // Group 0 counts as a group too.
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(c->Down());
    // Negative sizes and margins below -1 are refused.
    b->SetWidth(-3);
    b->SetMargin(-2);
    EXPECT_EQ(b->Width(), 0);
    EXPECT_EQ(b->Margin(), -1);
}

} // namespace
