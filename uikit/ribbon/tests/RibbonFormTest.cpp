// The ribbon form: its caption-less frame, hit tests over its border, the vertical maximise by
// border clicks, the snap to the top at the end of a move, the flat tones and the glass frame.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GuiTestSupport.h"
#include "PlatformFacts.h"
#include "Registry.h"
#include "RurRibbonPager.h"
#include "RurToolBarForm.h"
#include "RurToolBar_Messages.h"
#include "ToolBarTestSupport.h"

namespace {

TRect WorkArea()
{
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return Rect(r.left, r.top, r.right, r.bottom);
}

TRect WindowRect(TWinControl* c)
{
    RECT r;
    GetWindowRect(c->Handle(), &r);
    return Rect(r.left, r.top, r.right, r.bottom);
}

// The ribbon's glass conditions answered by the test for the object's lifetime.
class TScopedGlass {
public:
    explicit TScopedGlass(bool on)
    {
        auto yes = [] { return true; };
        auto no = [] { return false; };
        SetRibbonGlassProbes({yes, yes, yes, on ? +yes : +no});
    }
    ~TScopedGlass() { ResetRibbonGlassProbes(); }
};

// The system's window-arrangement setting as the test wants it, restored afterwards.
class TScopedWindowArrangement {
public:
    explicit TScopedWindowArrangement(const String& value)
    {
        FReg.SetRootKey(HKEY_CURRENT_USER);
        FReg.OpenKey(u"Control Panel\\Desktop", true);
        FHad = FReg.ValueExists(Name);
        if (FHad)
            FOld = FReg.ReadString(Name);
        FReg.WriteString(Name, value);
    }
    ~TScopedWindowArrangement()
    {
        if (FHad)
            FReg.WriteString(Name, FOld);
        else
            FReg.DeleteValue(Name);
    }

private:
    static constexpr const char16_t* Name = u"WindowArrangementActive";
    TRegistry FReg;
    bool FHad = false;
    String FOld;
};

TEST(RibbonFormTest, ClassicFrameHasNoSystemCaptionButKeepsTheSystemMenu)
{
    TScopedGlass glass(false);
    TRurToolBarForm form(nullptr);
    form.SetBounds(100, 100, 400, 300);
    const LONG_PTR style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
    EXPECT_FALSE(form.IsAeroVista());
    EXPECT_EQ(style & WS_CAPTION, 0) << "no title bar";
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(form.BorderStyle(), bsSingle) << "re-creations start from a single border";
}

TEST(RibbonFormTest, VersionFlagsTellWindows11FromItsReportedVersion)
{
    struct Case {
        TWindowsVersion Version;
        bool Win10, Win11;
    };
    const Case cases[] = {{Windows7, false, false}, {Windows10, true, false}, {Windows11, true, false}};
    for (const Case& c : cases) {
        TInjectedPlatformFacts facts({.Version = c.Version});
        TRurToolBarForm form(nullptr);
        EXPECT_EQ(form.IsWin10(), c.Win10) << c.Version.Major << "." << c.Version.Build;
        EXPECT_EQ(form.IsWin11(), c.Win11);
    }
}

struct TShownRibbonFormTest : ::testing::Test {
    static void SetUpTestSuite()
    {
        Glass = new TScopedGlass(false);
        Form = new TRurToolBarForm(nullptr);
        Form->SetBounds(120, 140, 400, 300);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        delete Glass;
    }
    void SetUp() override
    {
        Form->SetWindowState(wsNormal);
        PumpUntil([] { return !IsZoomed(Form->Handle()); });
        Form->SetBounds(120, 140, 400, 300);
    }
    static LRESULT HitTest(int x, int y)
    {
        const TPoint s = Form->ClientToScreen(Point(x, y));
        return Form->Perform(WM_NCHITTEST, 0, MAKELPARAM(s.X, s.Y));
    }
    static inline TScopedGlass* Glass = nullptr;
    static inline TRurToolBarForm* Form = nullptr;
};

TEST_F(TShownRibbonFormTest, HitTestsOverTheBorderAndCorners)
{
    const int w = Form->Width(), h = Form->Height();
    struct Case {
        int X, Y;
        LRESULT Hit;
    };
    const Case cases[] = {
        {10, 10, HTTOPLEFT},          {25, 25, HTCLIENT},           {200, 1, HTTOP},
        {1, 150, HTLEFT},             {w - 5, 150, HTRIGHT},        {200, h - 5, HTBOTTOM},
        {w - 5, h - 5, HTBOTTOMRIGHT}, {w - 5, 5, HTTOPRIGHT},      {5, h - 5, HTBOTTOMLEFT},
        {200, 3, HTCLIENT},           {w - 12, 150, HTCLIENT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTest(c.X, c.Y), c.Hit) << c.X << "," << c.Y;
    Form->SetWindowState(wsMaximized);
    ASSERT_TRUE(PumpUntil([] { return IsZoomed(Form->Handle()) != FALSE; }));
    EXPECT_EQ(HitTest(10, 10), HTCLIENT) << "a maximised form has no border to size";
}

TEST_F(TShownRibbonFormTest, TwoBorderClicksMaximiseVerticallyAndTwoMoreRestore)
{
    const TRect work = WorkArea();
    auto clickTop = [] {
        const TRect r = WindowRect(Form);
        // HTNOWHERE: the form decides by the point alone, and no sizing loop starts.
        Form->Perform(WM_NCLBUTTONDOWN, HTNOWHERE, MAKELPARAM(r.Left + 200, r.Top + 1));
    };
    clickTop();
    EXPECT_EQ(Form->Height(), 300) << "one click is no double click";
    clickTop();
    EXPECT_EQ(Form->Top(), work.Top);
    EXPECT_EQ(Form->Height(), work.Height());
    clickTop();
    clickTop();
    EXPECT_EQ(Form->Top(), 140);
    EXPECT_EQ(Form->Height(), 300);
}

TEST_F(TShownRibbonFormTest, SnapsToTheTopOnlyWhenAnInteractiveMoveEndsThere)
{
    TScopedWindowArrangement arrangement(u"1");
    TColorTones tones;
    CreateMetroTones(true, 0x0078D7, clWhite, tones);
    TRurToolBarForm form(nullptr); // a form reads the setting when it is made
    form.SetColorTones(tones);     // the form snaps itself only in tones mode
    ASSERT_TRUE(form.WinArrange());
    ASSERT_TRUE(form.InTonesMode());
    form.SetBounds(200, 200, 400, 300);
    ASSERT_TRUE(ShowActive(&form));
    const TRect work = WorkArea();
    auto endMove = [&](bool moved, bool cursorNearRight) {
        form.SetBounds(200, work.Top + 5, 400, 300);
        SetCursorPos(cursorNearRight ? 200 + 350 : 200 + 30, work.Top + 7);
        SendMessageW(form.Handle(), WM_ENTERSIZEMOVE, 0, 0);
        RECT r{200, work.Top + 5, 600, work.Top + 305};
        SendMessageW(form.Handle(), moved ? WM_MOVING : WM_SIZING, WMSZ_TOP, reinterpret_cast<LPARAM>(&r));
        SendMessageW(form.Handle(), WM_EXITSIZEMOVE, 0, 0);
        PumpFor(50);
        const bool maximized = IsZoomed(form.Handle()) != FALSE;
        form.SetWindowState(wsNormal);
        PumpUntil([&] { return !IsZoomed(form.Handle()); });
        return maximized;
    };
    form.SetBounds(200, work.Top + 5, 400, 300);
    PumpFor(50);
    EXPECT_FALSE(IsZoomed(form.Handle())) << "a move by the program never maximises";
    EXPECT_TRUE(endMove(true, false));
    EXPECT_FALSE(endMove(false, false)) << "sizing from the top edge is no move";
    EXPECT_FALSE(endMove(true, true)) << "the pointer near the right edge keeps the form";
    form.SetNoAutoMax(true);
    EXPECT_FALSE(endMove(true, false));
    ClearColorTones(RibbonTones);
}

TEST_F(TShownRibbonFormTest, SetMetroEntersTonesModeEvenWithEmptyTones)
{
    TRurToolBarForm form(nullptr);
    form.SetBounds(150, 150, 300, 200);
    form.HandleNeeded();
    ASSERT_TRUE(IsEmptyColorTones(RibbonTones));
    SendMessageW(form.Handle(), ToolBarMessage(TToolBarMessage::SetMetro), 1, 0);
    EXPECT_TRUE(form.InTonesMode());
    EXPECT_EQ(form.BorderStyle(), bsNone);
    EXPECT_TRUE(GetClassLongPtrW(form.Handle(), GCL_STYLE) & CS_DROPSHADOW);
    ClearColorTones(RibbonTones);
}

TEST_F(TShownRibbonFormTest, TonesPaintAFlatBorderAndTheSizeGrip)
{
    TColorTones tones;
    CreateMetroTones(true, 0x0078D7, clWhite, tones);
    TRurToolBarForm form(nullptr);
    form.SetBounds(150, 150, 300, 200);
    form.SetColor(clWhite);
    form.SetColorTones(tones);
    form.SetSizeGrip(true);
    ASSERT_TRUE(form.InTonesMode());
    const TColor border = tones.Selected.BrushColor;
    EXPECT_EQ(form.BorderClr(), border);
    ShowActive(&form);
    TOffscreenImage image(&form);
    const int w = form.ClientWidth(), h = form.ClientHeight();
    EXPECT_EQ(image.Pixel(0, h / 2), ColorToRGB(border)) << "left side";
    EXPECT_EQ(image.Pixel(1, h / 2), ColorToRGB(border)) << "the side lines are two pixels wide";
    EXPECT_EQ(image.Pixel(w / 2, 0), ColorToRGB(border)) << "top";
    EXPECT_EQ(image.Pixel(w / 2, h - 1), ColorToRGB(border)) << "bottom";
    EXPECT_EQ(image.Pixel(w / 2, h / 2), ColorToRGB(clWhite));
    // The grip's bottom-right square ends at (w - 3, h - 3).
    EXPECT_EQ(image.Pixel(w - 4, h - 4), ColorToRGB(border));
    EXPECT_EQ(image.Pixel(w - 3, h - 3), ColorToRGB(clWhite));
    EXPECT_EQ(image.Pixel(w - 4, h - 13), ColorToRGB(border)) << "the top row's one square";
    EXPECT_EQ(image.Pixel(w - 4, h - 16), ColorToRGB(clWhite)) << "four rows only";
    EXPECT_EQ(image.Pixel(w - 7, h - 13), ColorToRGB(clWhite)) << "rows shorten going up";
    // To look at the form: TAVIN_DEMO_HOLD_MS keeps it on screen that long.
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
    ClearColorTones(RibbonTones);
}

// Counts the button presses that reach the system's input while it lives.
class TMouseInputWatch {
public:
    TMouseInputWatch()
    {
        Presses = 0;
        FHook = SetWindowsHookExW(WH_MOUSE_LL, &Hook, GetModuleHandleW(nullptr), 0);
    }
    ~TMouseInputWatch() { UnhookWindowsHookEx(FHook); }
    static inline int Presses = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && (wParam == WM_LBUTTONDOWN || wParam == WM_LBUTTONUP))
            ++Presses;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK FHook;
};

TEST(RibbonGlassFormTest, TheCaptionGoesIntoTheClientAreaAndTheFrameRefreshesWithoutInput)
{
    TScopedGlass glass(true);
    TRurToolBarForm form(nullptr);
    ASSERT_TRUE(form.IsAeroVista());
    form.SetBorderStyle(bsSizeable);
    form.SetBounds(160, 160, 400, 300);
    ASSERT_TRUE(ShowActive(&form));
    const TRect window = WindowRect(&form);
    EXPECT_EQ(form.ClientOrigin().Y, window.Top) << "no system caption above the client area";
    EXPECT_GT(form.ClientOrigin().X, window.Left) << "the side frame stays";

    int frameChanges = 0;
    const TWndMethod old = form.WindowProc();
    form.SetWindowProc(TWndMethod([&](TMessage& m) {
        frameChanges += m.Msg == WM_NCCALCSIZE;
        old(m);
    }));
    TMouseInputWatch watch;
    POINT before;
    GetCursorPos(&before);
    PostMessageW(form.Handle(), ToolBarMessage(TToolBarMessage::FUpdateContextMenu), 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return frameChanges > 0; }));
    PumpFor(100);
    POINT after;
    GetCursorPos(&after);
    form.SetWindowProc(old);
    EXPECT_EQ(TMouseInputWatch::Presses, 0) << "no click is made up";
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
}

} // namespace
