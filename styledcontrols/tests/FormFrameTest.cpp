// The frame a styled form gets under a custom style (the test style, whose elements are solid
// colours that tell which element was drawn where): sizes, pixels, hit codes, non-client mouse
// routing to the system buttons and to caption buttons and tabs, and the close command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vssym32.h>

#include "FormTestSupport.h"
#include "GuiTestSupport.h"
#include "scStyledForm.h"

namespace {

using TD = TCustomStyleServices;

// The frame as the hook paints it, in an offscreen bitmap of the window's size (the display's
// window manager may claim a framed window's border pixels, so they are not read from the screen).
class TFramePicture {
public:
    explicit TFramePicture(TscFormStyleHook* hook, HWND wnd)
    {
        RECT r;
        GetWindowRect(wnd, &r);
        FBitmap = MakeBitmap32(r.right - r.left, r.bottom - r.top);
        (hook->*(&TPaintAccess::PaintNC))(FBitmap->Canvas());
    }
    COLORREF Pixel(int x, int y) const { return COLORREF(ColorToRGB(PixelAt(FBitmap.get(), x, y))); }

private:
    struct TPaintAccess : TscFormStyleHook {
        using TscFormStyleHook::PaintNC;
    };
    std::unique_ptr<TBitmap> FBitmap;
};

struct TStyledFrame {
    explicit TStyledFrame(TFormBorderStyle border = bsSizeable)
    {
        Form = new TForm(nullptr);
        Styled = new TscStyledForm(Form);
        Form->SetBorderStyle(border);
        Form->SetBounds(100, 100, 400, 260);
        Form->SetCaption(u"Frame");
        SetCursorPos(0, 0);
    }
    ~TStyledFrame() { delete Form; }
    TStyledFrame(const TStyledFrame&) = delete;
    TStyledFrame& operator=(const TStyledFrame&) = delete;

    bool Show() { return ShowActive(Form); }
    HWND Wnd() { return Form->Handle(); }
    TscFormStyleHook* Hook() { return dynamic_cast<TscFormStyleHook*>(Form->StyleHook()); }
    COLORREF Element(TThemedWindow part) { return Style->ElementColor(TD::GetElementDetails(part)); }
    void Repaint()
    {
        SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
        PumpFor(20);
    }
    TPoint Centre(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    COLORREF Pixel(int x, int y) { return TFramePicture(Hook(), Wnd()).Pixel(x, y); }
    COLORREF Pixel(TPoint p) { return Pixel(p.X, p.Y); }

    // The test style the suite made active.
    TTestStyleServices* Style = dynamic_cast<TTestStyleServices*>(TStyleManager::ActiveStyle());
    TForm* Form;
    TscStyledForm* Styled;
};

// One sizeable frame serves the tests that need no other border (destroying a shown window is slow).
class FormFrameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        NoThemes = new TInjectedPlatformFacts({.ThemesActive = false});
        Style = new TActiveTestStyle;
        Shared = new TStyledFrame;
    }
    static void TearDownTestSuite()
    {
        delete Shared;
        delete Style;
        delete NoThemes;
    }
    void TearDown() override
    {
        Shared->Styled->Buttons()->Clear();
        Shared->Styled->Tabs()->Clear();
        Shared->Styled->SetOnTabChanged(nullptr);
        Shared->Form->SetOnClose(nullptr);
        Shared->Form->SetOnCloseQuery(nullptr);
        if (Shared->Form->HandleAllocated() && IsZoomed(Shared->Form->Handle()))
            SendMessageW(Shared->Form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        Shared->Form->SetBounds(100, 100, 400, 260);
    }
    // Without the system's themes the hook emulates the caption (the caption bit goes): the
    // display then leaves the caption to the window and maximises it without a window manager.
    static TInjectedPlatformFacts* NoThemes;
    static TActiveTestStyle* Style;
    static TStyledFrame* Shared;
};

TInjectedPlatformFacts* FormFrameTest::NoThemes = nullptr;
TActiveTestStyle* FormFrameTest::Style = nullptr;
TStyledFrame* FormFrameTest::Shared = nullptr;

TEST_F(FormFrameTest, TheStyleSizesAndPaintsTheFrame)
{
    struct TCase {
        TFormBorderStyle Border;
        TRect Client; // in window coordinates
        TThemedWindow Caption, Left, Bottom;
    };
    const TCase cases[] = {
        {bsSizeable, Rect(6, 30, 394, 254), twCaptionActive, twFrameLeftActive, twFrameBottomActive},
        {bsToolWindow, Rect(4, 22, 396, 256), twSmallCaptionActive, twSmallFrameLeftActive,
         twSmallFrameBottomActive},
    };
    std::unique_ptr<TStyledFrame> tool;
    for (const TCase& c : cases) {
        if (c.Border != bsSizeable)
            tool = std::make_unique<TStyledFrame>(c.Border);
        TStyledFrame& frame = c.Border == bsSizeable ? *Shared : *tool;
        ASSERT_TRUE(frame.Show());
        ASSERT_NE(frame.Hook(), nullptr);
        RECT window, client;
        GetWindowRect(frame.Wnd(), &window);
        GetClientRect(frame.Wnd(), &client);
        POINT origin{0, 0};
        ClientToScreen(frame.Wnd(), &origin);
        const TRect inWindow = Bounds(origin.x - window.left, origin.y - window.top, client.right, client.bottom);
        EXPECT_EQ(inWindow, c.Client) << int(c.Border);
        EXPECT_EQ(frame.Pixel(200, 1), frame.Element(c.Caption)) << int(c.Border);
        EXPECT_EQ(frame.Pixel(1, 100), frame.Element(c.Left)) << int(c.Border);
        EXPECT_EQ(frame.Pixel(200, 259), frame.Element(c.Bottom)) << int(c.Border);
    }
}

TEST_F(FormFrameTest, SystemButtonsAreDrawnHitAndPressed)
{
    TStyledFrame& frame = *Shared;
    int closes = 0;
    frame.Form->SetOnClose([&](TObject*, TCloseAction& action) {
        ++closes;
        action = caNone;
    });
    ASSERT_TRUE(frame.Show());
    TscFormStyleHook* hook = frame.Hook();
    ASSERT_NE(hook, nullptr);
    const TPoint close = frame.Centre(hook->CloseButtonRect()), max = frame.Centre(hook->MaxButtonRect()),
                 min = frame.Centre(hook->MinButtonRect());
    // Close 28 wide at the right border, then maximise and minimise, 26 each; no help button.
    EXPECT_EQ(hook->CloseButtonRect().Right, 394);
    EXPECT_EQ(hook->CloseButtonRect().Width(), 28);
    EXPECT_EQ(hook->MaxButtonRect().Right, hook->CloseButtonRect().Left);
    EXPECT_TRUE(hook->HelpButtonRect().IsEmpty());
    EXPECT_EQ(frame.Pixel(close.X, close.Y), frame.Element(twCloseButtonNormal));
    EXPECT_EQ(frame.Pixel(max.X, max.Y), frame.Element(twMaxButtonNormal));
    EXPECT_EQ(frame.Pixel(min.X, min.Y), frame.Element(twMinButtonNormal));

    struct THit {
        TPoint P;
        LRESULT Code;
    };
    const THit hits[] = {
        {close, HTCLOSE},   {max, HTMAXBUTTON}, {min, HTMINBUTTON}, {{150, 15}, HTCAPTION},
        {{1, 1}, HTTOPLEFT}, {{1, 100}, HTLEFT}, {{398, 258}, HTBOTTOMRIGHT}, {{200, 100}, HTCLIENT},
    };
    for (const THit& h : hits)
        EXPECT_EQ(HitCode(frame.Wnd(), h.P.X, h.P.Y), h.Code) << h.P.X << "," << h.P.Y;

    PostNCMouse(frame.Wnd(), WM_NCMOUSEMOVE, HTCLOSE, close.X, close.Y);
    EXPECT_EQ(frame.Pixel(close.X, close.Y), frame.Element(twCloseButtonHot));
    PostNCMouse(frame.Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, close.X, close.Y);
    EXPECT_EQ(frame.Pixel(close.X, close.Y), frame.Element(twCloseButtonPushed));
    // Released over another button: nothing happens.
    PostNCMouse(frame.Wnd(), WM_NCMOUSEMOVE, HTMAXBUTTON, max.X, max.Y);
    PostNCMouse(frame.Wnd(), WM_NCLBUTTONUP, HTMAXBUTTON, max.X, max.Y);
    EXPECT_EQ(closes, 0);
    EXPECT_FALSE(IsZoomed(frame.Wnd()));
    // Pressed and released on the same button: its command runs.
    PostNCMouse(frame.Wnd(), WM_NCMOUSEMOVE, HTCLOSE, close.X, close.Y);
    PostNCClick(frame.Wnd(), WM_NCLBUTTONDOWN, HTCLOSE, close.X, close.Y);
    EXPECT_EQ(closes, 1);
}

TEST_F(FormFrameTest, CaptionButtonsAndTabsAreLaidOutDrawnAndClicked)
{
    TStyledFrame& frame = *Shared;
    TscNCButtonItem* push = frame.Styled->Buttons()->Add();
    push->SetPosition(scbpRight);
    push->SetStyle(scncPushButton);
    push->SetWidth(40);
    TscNCButtonItem* tool = frame.Styled->Buttons()->Add();
    tool->SetStyle(scncToolButton);
    tool->SetWidth(30);
    TscNCTabItem* first = frame.Styled->Tabs()->Add();
    first->SetWidth(60);
    TscNCTabItem* second = frame.Styled->Tabs()->Add();
    second->SetWidth(60);
    int clicks = 0, tabChanges = 0;
    push->SetOnClick([&](TObject*) { ++clicks; });
    frame.Styled->SetOnTabChanged([&](TObject* sender) {
        EXPECT_EQ(sender, second);
        ++tabChanges;
    });
    ASSERT_TRUE(frame.Show());
    frame.Repaint();
    TscFormStyleHook* hook = frame.Hook();
    const TRect pushRect = push->NCObject()->ObjectRect, toolRect = tool->NCObject()->ObjectRect;
    // The right-side button ends at the minimise button; the left-side one starts after the icon.
    EXPECT_EQ(pushRect.Right, hook->MinButtonRect().Left);
    EXPECT_EQ(pushRect.Width(), 40);
    EXPECT_EQ(toolRect.Left, hook->SysMenuButtonRect().Right + 5);
    EXPECT_EQ(first->NCObject()->ObjectRect.Left, toolRect.Right + 10);
    EXPECT_EQ(second->NCObject()->ObjectRect.Left, first->NCObject()->ObjectRect.Right);

    auto elementAt = [&](const TRect& r) {
        TThemedElementDetails drawn;
        const TPoint c = frame.Centre(r);
        EXPECT_TRUE(frame.Style->ElementAt(frame.Pixel(c.X, r.Top + 2), drawn));
        return drawn;
    };
    EXPECT_EQ(elementAt(pushRect), TD::GetElementDetails(tbPushButtonNormal));
    EXPECT_EQ(elementAt(toolRect).Element, teToolBar);
    EXPECT_EQ(elementAt(first->NCObject()->ObjectRect).Element, teTab);
    // Caption objects count as caption for the system, and take the mouse themselves.
    const TPoint p = frame.Centre(pushRect);
    EXPECT_EQ(HitCode(frame.Wnd(), p.X, p.Y), HTCAPTION);
    PostNCMouse(frame.Wnd(), WM_NCMOUSEMOVE, HTCAPTION, p.X, p.Y);
    EXPECT_TRUE(push->NCObject()->FMouseIn);
    PostNCMouse(frame.Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, p.X, p.Y);
    EXPECT_EQ(elementAt(pushRect), TD::GetElementDetails(tbPushButtonPressed));
    PostNCMouse(frame.Wnd(), WM_NCLBUTTONUP, HTCAPTION, p.X, p.Y);
    EXPECT_EQ(clicks, 1);
    // A double click on a caption button is a second press, not a maximise.
    PostNCClick(frame.Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, p.X, p.Y);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(IsZoomed(frame.Wnd()));

    const TPoint t = frame.Centre(second->NCObject()->ObjectRect);
    PostNCMouse(frame.Wnd(), WM_NCMOUSEMOVE, HTCAPTION, t.X, t.Y);
    EXPECT_FALSE(push->NCObject()->FMouseIn);
    PostNCClick(frame.Wnd(), WM_NCLBUTTONDOWN, HTCAPTION, t.X, t.Y);
    EXPECT_EQ(frame.Styled->TabIndex(), 1);
    EXPECT_EQ(tabChanges, 1);

    // A caption too narrow for a button leaves it without a rectangle; the others keep theirs.
    tool->SetWidth(1000);
    frame.Repaint();
    EXPECT_TRUE(tool->NCObject()->ObjectRect.IsEmpty());
    EXPECT_FALSE(push->NCObject()->ObjectRect.IsEmpty());
}

TEST_F(FormFrameTest, ACaptionDoubleClickElsewhereMaximisesAndTheRegionCutsTheOverhang)
{
    TStyledFrame& frame = *Shared;
    ASSERT_TRUE(frame.Show());
    PostNCMouse(frame.Wnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, 150, 15);
    EXPECT_EQ(GetWindowLongPtrW(frame.Wnd(), GWL_STYLE) & WS_CAPTION, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsZoomed(frame.Wnd()) != FALSE; }));
    PumpFor(50);
    // The caption moves down by the overhang, and the window is cut to its monitor by a region.
    EXPECT_GT(frame.Hook()->YOffset(), 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(frame.Wnd(), region), ERROR);
    SendMessageW(frame.Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(frame.Wnd()); }));
    // Restored, the window has no region of its own again.
    EXPECT_EQ(GetWindowRgn(frame.Wnd(), region), ERROR);
    DeleteObject(region);
}

TEST_F(FormFrameTest, ARefusedCloseLeavesTheWindowOnScreenAndAsksOnce)
{
    std::unique_ptr<TStyledFrame> mdi;
    for (TFormStyle style : {fsNormal, fsMDIForm}) {
        if (style == fsMDIForm) {
            mdi = std::make_unique<TStyledFrame>();
            mdi->Form->SetFormStyle(fsMDIForm);
        }
        TStyledFrame& frame = style == fsMDIForm ? *mdi : *Shared;
        int asked = 0;
        frame.Form->SetOnCloseQuery([&](TObject*, bool& canClose) {
            ++asked;
            canClose = false;
        });
        ASSERT_TRUE(frame.Show());
        // With hit-test bits in the low four bits, as a system menu sends it.
        SendMessageW(frame.Wnd(), WM_SYSCOMMAND, SC_CLOSE | 3, 0);
        PumpFor(30);
        EXPECT_EQ(asked, 1) << int(style);
        EXPECT_TRUE(IsWindowVisible(frame.Wnd())) << int(style);
    }
}

TEST_F(FormFrameTest, ADropDownFormIgnoresTheCloseCommand)
{
    TStyledFrame frame(bsNone);
    frame.Styled->SetDropDownForm(true);
    ASSERT_TRUE(frame.Show());
    SendMessageW(frame.Wnd(), WM_SYSCOMMAND, SC_CLOSE + 2, 0);
    PumpFor(30);
    EXPECT_TRUE(IsWindowVisible(frame.Wnd()));
    // Its one-pixel frame is drawn in the drop-down border colour.
    frame.Styled->SetDropDownBorderColor(clRed);
    SendMessageW(frame.Wnd(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(WindowPixel(frame.Wnd(), 0, 50), COLORREF(ColorToRGB(frame.Style->GetSystemColor(clRed))));
    RECT client;
    GetClientRect(frame.Wnd(), &client);
    EXPECT_EQ(client.right, 398);
}

// A test form under the test style with caption buttons, tabs and a menu bar, kept on screen for
// a screenshot when TAVIN_DEMO_HOLD_MS is set.
TEST_F(FormFrameTest, Demo)
{
    TStyledFrame& frame = *Shared;
    frame.Form->SetBounds(60, 60, 640, 360);
    frame.Form->SetCaption(u"Styled frame");
    auto* menu = new TMainMenu(frame.Form);
    for (const char16_t* caption : {u"&File", u"&Edit", u"&View", u"&Help"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    frame.Form->SetMenu(menu);
    for (const char16_t* caption : {u"Save", u"Print"}) {
        TscNCButtonItem* b = frame.Styled->Buttons()->Add();
        b->SetCaption(caption);
        b->SetStyle(scncPushButton);
        b->SetPosition(scbpRight);
    }
    TscNCButtonItem* link = frame.Styled->Buttons()->Add();
    link->SetCaption(u"Help");
    link->SetStyle(scncLink);
    for (const char16_t* caption : {u"Home", u"Edit", u"View"})
        frame.Styled->Tabs()->Add()->SetCaption(caption);
    ASSERT_TRUE(frame.Show());
    frame.Repaint();
    EXPECT_FALSE(frame.Styled->Tabs()->Items(2)->NCObject()->ObjectRect.IsEmpty());
    ASSERT_NE(frame.Hook()->MainMenuBarHook(), nullptr);
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
    frame.Form->SetMenu(nullptr);
    delete menu;
}

} // namespace
