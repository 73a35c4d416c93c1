// The resize ring around a shadowed borderless form, and the inactive-client overlay, with real
// windows.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "GuiTestSupport.h"
#include "scStyledForm.h"

namespace {

struct TRingForm {
    TRingForm() : Dwm(Windows10)
    {
        Form = new TForm(nullptr);
        Form->SetScaled(true);
        Form->SetBounds(200, 150, 300, 200);
        Styled = new TscStyledForm(Form);
        Styled->SetDWMClientShadow(true);
        Styled->SetDWMClientShadowHitTest(true);
    }
    ~TRingForm() { delete Form; }
    TRingForm(const TRingForm&) = delete;
    TRingForm& operator=(const TRingForm&) = delete;

    TscHitTestWnd* Ring() { return Styled->HitTestWnd(); }

    TDwmRecording Dwm;
    TForm* Form;
    TscStyledForm* Styled;
};

// One shadowed form with its ring serves the ring's tests (destroying a shown window is slow).
class RingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Shared = new TRingForm; }
    static void TearDownTestSuite() { delete Shared; }
    void SetUp() override
    {
        Shared->Form->SetBounds(200, 150, 300, 200);
        if (GetForegroundWindow() != Shared->Form->Handle()) {
            ASSERT_TRUE(ShowActive(Shared->Form));
        }
    }
    static TRingForm* Shared;
};

TRingForm* RingTest::Shared = nullptr;

TEST_F(RingTest, TheRingHugsTheFormAndAnswersTheSizingCodes)
{
    TRingForm& f = *Shared;
    ASSERT_TRUE(ShowActive(f.Form));
    ASSERT_NE(f.Ring(), nullptr);
    TscHitTestWnd* ring = f.Ring();
    ASSERT_TRUE(IsWindowVisible(ring->Handle()));
    EXPECT_EQ(ring->BoundsRect(), Rect(195, 145, 505, 355));
    // Invisible but taking the mouse once its timer ran, and left out of the window peek.
    ASSERT_TRUE(PumpUntil([&] { return ring->AlphaValue() == 1; }));
    EXPECT_NE(std::ranges::find(f.Dwm.Log.Attributes, std::pair<DWORD, DWORD>{12, 0xFFFFFFFF}),
              f.Dwm.Log.Attributes.end());

    struct TCase {
        TPoint P; // screen
        LRESULT Code;
    };
    const TCase cases[] = {
        {{197, 147}, HTTOPLEFT},  {{504, 146}, HTTOPRIGHT}, {{195, 354}, HTBOTTOMLEFT},
        {{503, 353}, HTBOTTOMRIGHT}, {{196, 250}, HTLEFT},  {{502, 250}, HTRIGHT},
        {{300, 352}, HTBOTTOM},   {{300, 146}, HTTOP},      {{300, 250}, HTNOWHERE},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SendMessageW(ring->Handle(), WM_NCHITTEST, 0, MAKELPARAM(c.P.X, c.P.Y)), c.Code)
            << c.P.X << "," << c.P.Y;
    // Only the ring itself is part of the window.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(ring->Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 2, 100));
    EXPECT_FALSE(PtInRegion(region, 100, 100));
    DeleteObject(region);

    // A click on the ring does not activate it; an inactive form comes forward instead.
    std::unique_ptr<TForm> other(new TForm(nullptr));
    ASSERT_TRUE(ShowActive(other.get()));
    EXPECT_EQ(SendMessageW(ring->Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(ring->Handle()),
                           MAKELPARAM(HTLEFT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == f.Form->Handle(); }));
}

TEST_F(RingTest, TheRingWidthFollowsTheScaleAndGoesWithADwmMaximise)
{
    TRingForm& f = *Shared;
    ASSERT_EQ(f.Ring()->BorderSize(), 5);
    {
        TInjectedPlatformFacts dpi({.Dpi = 144});
        RECT suggested{200, 150, 500, 350};
        SendMessageW(f.Form->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    }
    ASSERT_DOUBLE_EQ(f.Styled->ScaleFactor(), 1.5);
    f.Form->SetLeft(210);
    EXPECT_EQ(f.Ring()->BorderSize(), 7); // Trunc(7.5)
    EXPECT_EQ(f.Ring()->Left(), 203);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(f.Ring()->Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 6, 100));
    EXPECT_FALSE(PtInRegion(region, 7, 100));
    DeleteObject(region);

    f.Styled->DWMClientMaximize();
    EXPECT_TRUE(f.Styled->IsDWMClientMaximized());
    EXPECT_FALSE(f.Ring()->Visible());
    EXPECT_EQ(f.Dwm.Log.Margins.back(), (TFrameMargins{0, 0, 0, 0}));
    // Nothing moves a DWM-maximised form, but its own restore does.
    const TRect maximised = f.Form->BoundsRect();
    SetWindowPos(f.Form->Handle(), nullptr, 10, 10, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(f.Form->BoundsRect(), maximised);
    f.Styled->DWMClientRestore();
    EXPECT_EQ(f.Form->BoundsRect(), Rect(210, 150, 510, 350));
    EXPECT_EQ(f.Dwm.Log.Margins.back(), (TFrameMargins{0, 0, 1, 0}));
    f.Form->SetLeft(220);
    EXPECT_TRUE(f.Ring()->Visible());
}

TEST_F(RingTest, ConstraintsHoldTheEdgeOppositeTheDraggedOne)
{
    TRingForm& f = *Shared;
    f.Form->Constraints()->SetMinWidth(250);
    f.Form->Constraints()->SetMaxHeight(300);
    struct TCase {
        const char* Name;
        TRect Proposed;
        TRect Taken;
    };
    const TCase cases[] = {
        {"left edge past the minimum width", Bounds(300, 150, 200, 200), Rect(250, 150, 500, 350)},
        {"right edge past the minimum width", Bounds(200, 150, 200, 200), Rect(200, 150, 450, 350)},
        {"top edge past the maximum height", Bounds(200, 0, 300, 350), Rect(200, 50, 500, 350)},
        {"within the constraints", Bounds(180, 140, 320, 220), Rect(180, 140, 500, 360)},
    };
    for (const TCase& c : cases) {
        f.Form->SetBounds(200, 150, 300, 200);
        int x = c.Proposed.Left, y = c.Proposed.Top, w = c.Proposed.Width(), h = c.Proposed.Height();
        f.Ring()->UpdateFormPosition(x, y, w, h);
        EXPECT_EQ(Bounds(x, y, w, h), c.Taken) << c.Name;
        EXPECT_EQ(f.Form->BoundsRect(), c.Taken) << c.Name;
    }
}

TEST_F(RingTest, TheOverlayFreezesATintedPictureOfTheClient)
{
    TForm* form = Shared->Form;
    TscStyledForm* styled = Shared->Styled;
    form->SetColor(clRed);
    styled->SetInActiveClientBlurAmount(0);
    form->Repaint();
    struct TCase {
        TColor Tint;
        Byte Alpha;
        COLORREF Seen;
    };
    const TCase cases[] = {{clBlue, 0, RGB(255, 0, 0)}, {clBlue, 255, RGB(0, 0, 255)}};
    for (const TCase& c : cases) {
        styled->SetInActiveClientColor(c.Tint);
        styled->SetInActiveClientColorAlpha(c.Alpha);
        // A repaint the form owes survives taking the picture.
        RECT owed{0, 0, 20, 20};
        InvalidateRect(form->Handle(), &owed, FALSE);
        styled->ShowClientInActiveEffect();
        EXPECT_TRUE(GetUpdateRect(form->Handle(), nullptr, FALSE));
        TscClientInActivePanel* panel = styled->InActivePanel();
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->Visible());
        EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, form->ClientWidth(), form->ClientHeight()));
        EXPECT_EQ(COLORREF(ColorToRGB(PixelAt(panel->Buffer(), 50, 50))), c.Seen) << c.Alpha;
        PumpFor(20);
    }
    styled->HideClientInActiveEffect();
    EXPECT_EQ(styled->InActivePanel(), nullptr);
    // A minimised form gets no overlay picture.
    ShowWindow(form->Handle(), SW_MINIMIZE);
    styled->ShowClientInActiveEffect();
    EXPECT_EQ(styled->InActivePanel()->Buffer(), nullptr);
    styled->HideClientInActiveEffect();
    ShowWindow(form->Handle(), SW_RESTORE);
}

} // namespace
