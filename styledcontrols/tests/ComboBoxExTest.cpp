// The styled extended combo box and its hook. Wine's ComboBoxEx asks its own window (the inner
// combo box's parent) to draw the items, so both paint them there.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "PlatformFacts.h"
#include "TestStyle.h"
#include "scComboBoxExStyleHook.h"

namespace {

class ComboBoxExTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 400, 300);
        Images = new TCustomImageList(Form);
        Images->SetSize(12, 12);
        // Two images of one solid colour each.
        for (TColor color : {clRed, clLime}) {
            auto bitmap = Canvas32(12, 12, color);
            Images->Add(bitmap.get(), nullptr);
        }
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    void SetUp() override
    {
        Combo = new TscComboBoxEx(Form);
        Combo->SetBounds(20, 20, 200, 24);
        Combo->SetStyle(csExDropDownList);
        Combo->SetImages(Images);
        Combo->ItemsEx()->AddItem(u"Plain", 0);
        Combo->ItemsEx()->AddItem(u"Indented", 1, -1, -1, 2);
        Combo->SetItemIndex(0);
        Combo->SetParent(Form);
    }
    void TearDown() override { delete Combo; }

    static TForm* Form;
    static TCustomImageList* Images;
    TscComboBoxEx* Combo = nullptr;
};

TForm* ComboBoxExTest::Form = nullptr;
TCustomImageList* ComboBoxExTest::Images = nullptr;

// The first column of the row at which the colour stands.
int FirstColumnOf(TBitmap* bitmap, int y, TColor color)
{
    for (int x = 0; x < bitmap->Width(); ++x)
        if (PixelAt(bitmap, x, y) == ColorToRGB(color))
            return x;
    return -1;
}

} // namespace

TEST_F(ComboBoxExTest, TheKitFaceNeedsADropDownListOnAThemedSystemOrAsked)
{
    const struct {
        TComboBoxExStyle Style;
        TscComboStyleKind Kind;
        TWindowsVersion Version;
        bool Themes;
        bool Face;
        bool OwnItems;
    } cases[] = {
        {csExDropDown, scscbPushButton, Windows10, true, false, true},
        {csExDropDownList, scscbDefault, Windows10, true, true, true},
        {csExDropDownList, scscbDefault, Windows10, false, false, false},
        {csExDropDownList, scscbPushButton, Windows10, false, true, true},
        {csExDropDownList, scscbDefault, WindowsXP, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        TInjectedPlatformFacts facts({.Version = c.Version, .ThemesActive = c.Themes});
        Combo->SetStyle(c.Style);
        Combo->SetStyleKind(c.Kind);
        EXPECT_EQ(Combo->IsCustomFaceDrawn(), c.Face);
        EXPECT_EQ(Combo->DrawsOwnItems(), c.OwnItems);
        EXPECT_EQ(SendMessageW(Combo->Handle(), CM_SCCANPAINTTODC, 0, 0), c.Face ? ScCanPaintToDCAnswer : 0);
    }
    // The control took over the inner combo box of each new window.
    EXPECT_EQ(Combo->SubclassedCombo(), Combo->ComboHandle());
}

TEST_F(ComboBoxExTest, ItemsStartAfterTheirIndentWithTheImageAtTheReadingStart)
{
    const TscComboExItemPaint paint{&Combo->Look(), nullptr};
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Combo->SetBiDiMode(mode);
        auto bitmap = Canvas32(180, 20, clFuchsia);
        PaintComboExItem(bitmap->Canvas()->Handle(), TRect(0, 0, 180, 20), false, 1, Combo, paint);
        // Indent 2 is 25 pixels from the reading start.
        const int left = FirstColumnOf(bitmap.get(), 10, clLime);
        EXPECT_EQ(left, mode == bdLeftToRight ? 25 : 180 - 25 - 12);
        // Out of range draws nothing.
        auto untouched = Canvas32(20, 20, clFuchsia);
        PaintComboExItem(untouched->Canvas()->Handle(), TRect(0, 0, 20, 20), false, 2, Combo, paint);
        EXPECT_EQ(PixelAt(untouched.get(), 10, 10), ColorToRGB(clFuchsia));
    }
}

TEST_F(ComboBoxExTest, TheFaceShowsTheItemsImageBesideTheButton)
{
    TInjectedPlatformFacts facts({.Version = Windows10, .ThemesActive = false});
    Combo->SetStyleKind(scscbPushButton);
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Combo->SetBiDiMode(mode);
        auto bitmap = Canvas32(Combo->Width(), Combo->Height(), clFuchsia);
        Combo->DrawComboBoxToDC(bitmap->Canvas()->Handle());
        // Left to right at x 5; right to left at the end of the item area, 4 from the edge.
        const int image = FirstColumnOf(bitmap.get(), Combo->Height() / 2, clRed);
        EXPECT_EQ(image, mode == bdLeftToRight ? 5 : Combo->Width() - 4 - 12);
    }
}

TEST_F(ComboBoxExTest, UnderACustomStyleTheHookPaintsTheInnerComboAndLetsItGo)
{
    const HWND inner = Combo->ComboHandle();
    const LONG_PTR own = GetWindowLongPtrW(inner, GWLP_WNDPROC);
    {
        TActiveTestStyle style;
        auto* hook = dynamic_cast<TscComboBoxExStyleHook*>(Combo->StyleHook());
        ASSERT_NE(hook, nullptr);
        EXPECT_EQ(hook->InnerCombo(), inner);
        EXPECT_NE(GetWindowLongPtrW(inner, GWLP_WNDPROC), own);
        EXPECT_EQ(SendMessageW(Combo->Handle(), CM_SCCANPAINTTODC, 0, 0), ScCanPaintToDCAnswer);

        // With styled selection: the style's border and drop-down button around the item.
        Combo->SetDrawSelectionWithStyles(true);
        auto styled = Canvas32(Combo->Width(), Combo->Height(), clFuchsia);
        SendMessageW(inner, WM_PAINT, reinterpret_cast<WPARAM>(styled->Canvas()->Handle()), 0);
        TThemedElementDetails drawn;
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(styled.get(), 0, Combo->Height() / 2)), drawn));
        EXPECT_EQ(drawn.Part, TCustomStyleServices::GetElementDetails(tcBorderNormal).Part);
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(styled.get(), Combo->Width() - 6, Combo->Height() / 2)),
                                     drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(tcDropDownButtonNormal));

        // Without: the push-button face, in the focused look when no focus rectangle is asked for.
        TInjectedPlatformFacts facts({.Version = Windows10, .ThemesActive = true});
        Combo->SetDrawSelectionWithStyles(false);
        Combo->SetShowFocusRect(false);
        Combo->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == inner; }));
        auto pushed = Canvas32(Combo->Width(), Combo->Height(), clFuchsia);
        SendMessageW(inner, WM_PAINT, reinterpret_cast<WPARAM>(pushed->Canvas()->Handle()), 0);
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(pushed.get(), 1, 1)), drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(tbPushButtonDefaulted));
    }
    EXPECT_EQ(Combo->StyleHook(), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(inner, GWLP_WNDPROC), own);
}
