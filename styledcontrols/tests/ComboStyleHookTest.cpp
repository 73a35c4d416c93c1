#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scComboBoxStyleHook.h"

namespace {

struct TComboForm {
    explicit TComboForm(TComboBoxStyle style)
    {
        Form = new TForm(Application);
        Form->SetBounds(100, 100, 320, 300);
        Combo = new TscComboBox(Form);
        Combo->SetParent(Form);
        Combo->SetStyle(style);
        Combo->SetBounds(20, 20, 180, 24);
        for (int i = 0; i < 40; ++i)
            Combo->Items()->Add(u"Item " + IntToStr(i));
    }
    ~TComboForm() { delete Form; }
    TComboForm(const TComboForm&) = delete;
    TComboForm& operator=(const TComboForm&) = delete;
    TscComboBoxStyleHook* Hook() const { return dynamic_cast<TscComboBoxStyleHook*>(Combo->StyleHook()); }
    TForm* Form;
    TscComboBox* Combo;
};

LPARAM At(const TRect& r) { return MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// The pointer rests where the test clicks, so a move the system makes up from the real pointer
// (when a window appears under it, say) does not look like the user leaving the arrow.
void RestPointerAt(HWND list, LPARAM at)
{
    POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ClientToScreen(list, &p);
    SetCursorPos(p.x, p.y);
    PumpFor(50);
}

int TopIndex(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }

} // namespace

TEST(ComboStyleHookTest, AttachesUnderACustomStyleAndLetsTheListGoWhenSwitchedOff)
{
    TComboForm f(csDropDown);
    ASSERT_TRUE(ShowActive(f.Form));
    EXPECT_EQ(f.Combo->StyleHook(), nullptr);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(f.Combo->Handle(), &info));
    const LONG_PTR ownProc = GetWindowLongPtrW(info.hwndList, GWLP_WNDPROC);
    {
        TActiveTestStyle style;
        ASSERT_NE(f.Hook(), nullptr);
        EXPECT_EQ(f.Hook()->ListHandle(), info.hwndList);
        EXPECT_EQ(f.Hook()->EditHandle(), info.hwndItem);
        EXPECT_NE(GetWindowLongPtrW(info.hwndList, GWLP_WNDPROC), ownProc);

        // The face: the style's border around, its drop-down button at the end.
        auto face = Canvas32(f.Combo->Width(), f.Combo->Height());
        SendMessageW(f.Combo->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(face->Canvas()->Handle()), 0);
        TThemedElementDetails drawn;
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(face.get(), 0, 12)), drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(tcBorderNormal));
        ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(face.get(), f.Combo->Width() - 8, 12)), drawn));
        EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(tcDropDownButtonNormal));
    }
    EXPECT_EQ(f.Combo->StyleHook(), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(info.hwndList, GWLP_WNDPROC), ownProc);
}

TEST(ComboStyleHookTest, EveryFirstDelayIs300MillisecondsAndRepeatsFollowEvery50)
{
    for (int code = 1; code <= 8; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(TscComboBoxStyleHook::ListTimerInterval(code), code <= 4 ? 300 : 50);
    }
}

TEST(ComboStyleHookTest, ListScrollBarScrollsByArrowPageAndWheelInBothReadingOrders)
{
    TActiveTestStyle style;
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        SCOPED_TRACE(static_cast<int>(mode));
        TComboForm f(csDropDownList);
        f.Combo->SetBiDiMode(mode);
        ASSERT_TRUE(ShowActive(f.Form));
        f.Combo->SetDroppedDown(true);
        ASSERT_TRUE(PumpUntil([&] { return f.Combo->DroppedDown(); }));
        TscComboBoxStyleHook* hook = f.Hook();
        ASSERT_NE(hook, nullptr);
        const HWND list = hook->ListHandle();
        ASSERT_NE(list, nullptr);
        ASSERT_FALSE(hook->ListBarHitRect().IsEmpty());
        EXPECT_EQ(hook->ListBarRect().Left < 10, mode == bdRightToLeft);

        // The down arrow: one line at the press, more while it is held, nothing after the release.
        const LPARAM down = At(hook->ListDownArrowRect());
        RestPointerAt(list, down);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, down);
        ASSERT_TRUE(PumpUntil([&] { return TopIndex(list) == 1; }, 1000));
        EXPECT_EQ(hook->DownArrowLook(), tsArrowBtnDownPressed);
        EXPECT_TRUE(PumpUntil([&] { return TopIndex(list) >= 3; }, 2000));
        PostMessageW(list, WM_LBUTTONUP, 0, down);
        ASSERT_TRUE(PumpUntil([&] { return hook->ListTimerCode() == -1; }, 1000));
        const int stopped = TopIndex(list);
        PumpFor(200);
        EXPECT_EQ(TopIndex(list), stopped);

        // A wheel notch of any size is one line.
        SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
        EXPECT_EQ(TopIndex(list), stopped + 1);

        // Below the thumb: a page less one line.
        SendMessageW(list, LB_SETTOPINDEX, 0, 0);
        RECT client;
        GetClientRect(list, &client);
        const int page = client.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const LPARAM lower = At(hook->ListLowerTrackRect());
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, lower);
        SendMessageW(list, WM_LBUTTONUP, 0, lower);
        EXPECT_EQ(TopIndex(list), page - 1);
        f.Combo->SetDroppedDown(false);
    }
}
