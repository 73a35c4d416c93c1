// The toolbar wrapper under the test style: buttons per state on flat and raised bars, hot
// tracking by the mouse, pictures read per button index, a replaced image list, the look of a
// drop-down button while its menu is open, the gradient face and a wrapped separator's line.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "Menus.h"
#include "TestStyle.h"
#include "scToolBar.h"

namespace {

class ToolBarHookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(80, 80, 420, 200);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    static TForm* Form;
};

TForm* ToolBarHookTest::Form = nullptr;

TImageList* SolidPictures(TComponent* owner, std::initializer_list<TColor> colours)
{
    auto* images = new TImageList(owner);
    for (TColor colour : colours) {
        auto picture = Canvas32(16, 16, colour);
        images->Add(picture.get(), nullptr);
    }
    return images;
}

std::unique_ptr<TBitmap> Painted(TWinControl* control)
{
    auto bitmap = Canvas32(control->Width(), control->Height(), clFuchsia);
    SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    return bitmap;
}

TRect ButtonRect(TToolBar* bar, int index)
{
    RECT r{};
    SendMessageW(bar->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return Rect(r.left, r.top, r.right, r.bottom);
}

// The element at a button's corner (inside its face, away from its picture).
TThemedElementDetails FaceOf(TTestStyleServices* style, TBitmap* bitmap, const TRect& r)
{
    TThemedElementDetails drawn;
    if (!style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap, r.Left + 2, r.Top + 2)), drawn))
        return TCustomStyleServices::GetElementDetails(ttbToolBarDontCare);
    return drawn;
}

TThemedElementDetails Element(TThemedToolBar e) { return TCustomStyleServices::GetElementDetails(e); }

TPoint MiddleOf(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
}

} // namespace

TEST_F(ToolBarHookTest, ButtonsShowTheirStateAndFollowTheMouse)
{
    TActiveTestStyle style;
    auto* bar = new TscToolBar(Form);
    bar->SetParent(Form);
    bar->SetImages(SolidPictures(Form, {clRed, clLime, clBlue}));
    for (int i = 0; i < 5; ++i)
        bar->ToolButtons()->Add()->SetImageIndex(i % 3);
    bar->Buttons(1)->SetEnabled(false);
    bar->Buttons(2)->SetStyle(tbsCheck);
    bar->Buttons(2)->SetDown(true);
    bar->Buttons(3)->SetVisible(false);
    auto* hook = dynamic_cast<TscToolBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);

    // A flat bar shows faces only on checked (pressed, hot) buttons; a raised bar on every one.
    const auto background = TCustomStyleServices::GetElementDetails(teToolBar, 0, 0);
    for (bool flat : {true, false}) {
        SCOPED_TRACE(flat);
        bar->SetFlat(flat);
        auto bitmap = Painted(bar);
        EXPECT_EQ(FaceOf(style.operator->(), bitmap.get(), ButtonRect(bar, 0)), flat ? background : Element(ttbButtonNormal));
        EXPECT_EQ(FaceOf(style.operator->(), bitmap.get(), ButtonRect(bar, 1)),
                  flat ? background : Element(ttbButtonDisabled));
        EXPECT_EQ(FaceOf(style.operator->(), bitmap.get(), ButtonRect(bar, 2)), Element(ttbButtonChecked));
        EXPECT_TRUE(ButtonRect(bar, 3).IsEmpty()); // hidden: nothing to paint or to hover
        // The pictures sit in the middle of their buttons.
        EXPECT_EQ(PixelAt(bitmap.get(), MiddleOf(ButtonRect(bar, 4)).X, MiddleOf(ButtonRect(bar, 4)).Y), clLime);
    }
    bar->SetFlat(true);
    hook = dynamic_cast<TscToolBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);

    // The mouse makes an enabled button hot, never a disabled one.
    MoveMouse(bar, MiddleOf(ButtonRect(bar, 0)));
    EXPECT_EQ(hook->HotButtonIndex(), 0);
    auto bitmap = Painted(bar);
    EXPECT_EQ(FaceOf(style.operator->(), bitmap.get(), ButtonRect(bar, 0)), Element(ttbButtonHot));
    MoveMouse(bar, MiddleOf(ButtonRect(bar, 1)));
    EXPECT_EQ(hook->HotButtonIndex(), -1);
    MoveMouse(bar, MiddleOf(ButtonRect(bar, 2)));
    EXPECT_EQ(hook->HotButtonIndex(), 2);
    bitmap = Painted(bar);
    EXPECT_EQ(FaceOf(style.operator->(), bitmap.get(), ButtonRect(bar, 2)), Element(ttbButtonCheckedHot));
    MoveMouse(Form, Point(5, 150));
    EXPECT_TRUE(PumpUntil([&] { return hook->HotButtonIndex() == -1; }, 1000));
    delete bar;
}

TEST_F(ToolBarHookTest, PicturesAreReadPerButtonAndFollowTheImageList)
{
    TActiveTestStyle style;
    auto* bar = new TscToolBar(Form);
    bar->SetParent(Form);
    bar->SetImages(SolidPictures(Form, {clRed, clLime}));
    bar->ToolButtons()->Add()->SetImageIndex(0);
    bar->ToolButtons()->Add()->SetImageIndex(1);
    // Two buttons of one command number each show their own picture.
    for (WPARAM i : {0, 1})
        SendMessageW(bar->Handle(), TB_SETCMDID, i, 7);
    const TPoint second = MiddleOf(ButtonRect(bar, 1));
    EXPECT_EQ(PixelAt(Painted(bar).get(), second.X, second.Y), clLime);

    // Another image list is drawn from at the next paint.
    bar->SetImages(SolidPictures(Form, {clBlue, clYellow}));
    EXPECT_EQ(PixelAt(Painted(bar).get(), second.X, second.Y), clYellow);
    delete bar;
}

TEST_F(ToolBarHookTest, AnOpenDropDownShowsAPressedArrowAndAHotFace)
{
    TActiveTestStyle style;
    auto* bar = new TscToolBar(Form);
    bar->SetParent(Form);
    bar->SetImages(SolidPictures(Form, {clRed}));
    TToolButton* button = bar->ToolButtons()->Add();
    button->SetStyle(tbsDropDown);
    button->SetImageIndex(0);
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(Form);
    item->SetCaption(u"Item");
    menu->Items()->Add(item);
    button->SetDropdownMenu(menu);
    auto* hook = dynamic_cast<TscToolBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);
    int arrowDownSeen = -2;
    TThemedElementDetails arrowLook, faceLook;
    menu->SetOnPopup([&](TObject*) {
        arrowDownSeen = hook->ArrowDownButtonIndex();
        const TRect r = ButtonRect(bar, 0);
        auto bitmap = Painted(bar);
        style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), r.Right - 3, r.Top + 2)), arrowLook);
        style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), r.Left + 2, r.Top + 2)), faceLook);
        SetTimer(nullptr, 0, 100, CloseMenu);
    });
    NMTOOLBARW notice{};
    notice.hdr.hwndFrom = bar->Handle();
    notice.hdr.code = static_cast<UINT>(TBN_DROPDOWN);
    notice.iItem = 0;
    TMenuWatchdog watchdog;
    SendMessageW(Form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
    EXPECT_EQ(arrowDownSeen, 0);
    EXPECT_EQ(arrowLook, Element(ttbSplitButtonDropDownPressed));
    EXPECT_EQ(faceLook, Element(ttbButtonHot));
    EXPECT_EQ(hook->ArrowDownButtonIndex(), -1);
    delete bar;
}

TEST_F(ToolBarHookTest, AGradientBarWithAWrappedSeparatorLineOnlyWhenNotWrapable)
{
    TActiveTestStyle style;
    style->SetStyleColor(scToolBarGradientBase, clRed);
    style->SetStyleColor(scToolBarGradientEnd, clBlue);
    auto* bar = new TscToolBar(Form);
    bar->SetParent(Form);
    bar->SetHeight(80);
    bar->SetDrawingStyle(tbdsGradient);
    bar->ToolButtons()->Add();
    TToolButton* separator = bar->ToolButtons()->Add();
    separator->SetStyle(tbsSeparator);
    separator->SetWrap(true);
    bar->ToolButtons()->Add();
    const TColor shadow = ColorToRGB(style->GetSystemColor(clBtnShadow));
    const TColor highlight = ColorToRGB(style->GetSystemColor(clBtnHighlight));
    // Right of every button: the face from the base colour at the top to the end colour at the
    // bottom; a wrapped separator of a bar that does not wrap by itself is a raised line across.
    const int x = bar->ClientWidth() - 5;
    for (bool wrapable : {false, true}) {
        SCOPED_TRACE(wrapable);
        bar->SetWrapable(wrapable);
        auto bitmap = Painted(bar);
        EXPECT_EQ(PixelAt(bitmap.get(), x, 0), clRed);
        const TColor bottom = PixelAt(bitmap.get(), x, bar->ClientHeight() - 1);
        EXPECT_TRUE(GetBValue(bottom) > 0xE0 && GetRValue(bottom) < 0x20) << std::hex << bottom;
        const TRect r = ButtonRect(bar, 1);
        const int centre = (r.Top + r.Bottom) / 2;
        EXPECT_EQ(PixelAt(bitmap.get(), x, centre) == shadow, !wrapable);
        EXPECT_EQ(PixelAt(bitmap.get(), x, centre + 1) == highlight, !wrapable);
    }
    delete bar;
}
