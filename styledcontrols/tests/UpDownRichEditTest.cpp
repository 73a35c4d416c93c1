// The up-down and rich-edit wrappers under the test style: the up-down's halves as arrow buttons
// following hover and press, and the rich edit's colours taken from the style.
#include <gtest/gtest.h>

#include <richedit.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scRichEdit.h"
#include "scUpDownStyleHook.h"

namespace {

class UpDownRichEditTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 360, 300);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    static TForm* Form;
};

TForm* UpDownRichEditTest::Form = nullptr;

TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

bool HasUpdate(HWND wnd) { return GetUpdateRect(wnd, nullptr, FALSE) != FALSE; }

COLORREF TextColourOf(HWND edit)
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    SendMessageW(edit, EM_SETSEL, 0, 1);
    SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format.crTextColor;
}

} // namespace

TEST_F(UpDownRichEditTest, UpDownHalvesAreArrowButtonsThatFollowTheMouse)
{
    TActiveTestStyle style;
    for (TUDOrientation orientation : {udVertical, udHorizontal}) {
        SCOPED_TRACE(orientation);
        auto* upDown = new TscUpDown(Form);
        upDown->SetOrientation(orientation);
        upDown->SetBounds(20, 20, orientation == udVertical ? 20 : 40, orientation == udVertical ? 40 : 20);
        upDown->SetParent(Form);
        auto* hook = dynamic_cast<TscUpDownStyleHook*>(upDown->StyleHook());
        ASSERT_NE(hook, nullptr);
        EXPECT_EQ(hook->IsVerticalUpDown(), orientation == udVertical);
        auto bitmap = Canvas32(upDown->Width(), upDown->Height(), clFuchsia);
        SendMessageW(upDown->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
        TThemedElementDetails drawn;
        const TPoint first = Centre(hook->FirstHalf());
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), first.X, first.Y)), drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(orientation == udVertical ? tsArrowBtnUpNormal : tsArrowBtnLeftNormal));
        const TPoint second = Centre(hook->SecondHalf());
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), second.X, second.Y)), drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(orientation == udVertical ? tsArrowBtnDownNormal : tsArrowBtnRightNormal));
        delete upDown;
    }

    auto* upDown = new TscUpDown(Form);
    upDown->SetBounds(20, 20, 20, 40);
    upDown->SetMax(10);
    upDown->SetParent(Form);
    auto* hook = dynamic_cast<TscUpDownStyleHook*>(upDown->StyleHook());
    ASSERT_NE(hook, nullptr);
    const HWND wnd = upDown->Handle();
    const auto move = [&](TPoint p) {
        ValidateRect(wnd, nullptr);
        SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
    };
    // Coming from outside onto one half repaints it hot.
    move(Centre(hook->FirstHalf()));
    EXPECT_TRUE(hook->MouseOnLeft());
    EXPECT_TRUE(HasUpdate(wnd));
    move(Point(Centre(hook->FirstHalf()).X, 2));
    EXPECT_FALSE(HasUpdate(wnd)); // still the same half
    move(Centre(hook->SecondHalf()));
    EXPECT_TRUE(hook->MouseOnRight());
    EXPECT_TRUE(HasUpdate(wnd));

    // A press on the upper half steps the position up and shows it pressed until released.
    const TPoint up = Centre(hook->FirstHalf());
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(up.X, up.Y));
    EXPECT_TRUE(hook->LeftPressed());
    EXPECT_FALSE(hook->RightPressed());
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(up.X, up.Y));
    EXPECT_FALSE(hook->LeftPressed());
    EXPECT_EQ(upDown->Position(), 1);
    delete upDown;
}

TEST_F(UpDownRichEditTest, RichEditTakesTheStylesEditColours)
{
    TActiveTestStyle style;
    auto* edit = new TscRichEdit(Form);
    edit->SetBounds(60, 20, 200, 120);
    edit->SetParent(Form);
    edit->Lines()->SetText(u"Rich text");
    ASSERT_NE(dynamic_cast<TscRichEditStyleHook*>(edit->StyleHook()), nullptr);
    const HWND wnd = edit->Handle();
    // Whatever colour the program asks for, the style's.
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = RGB(255, 0, 0);
    SendMessageW(wnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(TextColourOf(wnd), static_cast<COLORREF>(ColorToRGB(style->GetStyleFontColor(sfEditBoxTextNormal))));

    // Without StyleColors the program's colour stays.
    edit->SetStyleColors(false);
    format.crTextColor = RGB(255, 0, 0); // the hook wrote the style's colour into the record
    SendMessageW(wnd, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(TextColourOf(wnd), RGB(255, 0, 0));
    delete edit;
}
