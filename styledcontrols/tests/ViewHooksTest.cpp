// The list-box and tree-view style hooks on real controls under the test style (the kit's start-up
// registered them).
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scListBoxStyleHook.h"
#include "scTreeView.h"
#include "scTreeViewStyleHook.h"

namespace {

class ViewHooksTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 420, 320);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    template <class T>
    static T* Add(int width, int height)
    {
        auto* control = new T(Form);
        control->SetBounds(20, 20, width, height);
        control->SetParent(Form);
        return control;
    }
    static TForm* Form;
};

TForm* ViewHooksTest::Form = nullptr;

TRect ScreenRectOf(TWinControl* control, const TRect& r)
{
    RECT window;
    GetWindowRect(control->Handle(), &window);
    return {window.left + r.Left, window.top + r.Top, window.left + r.Right, window.top + r.Bottom};
}

} // namespace

TEST_F(ViewHooksTest, AListBoxIsErasedOnlyBelowItsLastItemInTheListColour)
{
    TActiveTestStyle style;
    auto* list = Add<TscListBox>(150, 100);
    list->SetItemHeight(16);
    auto* hook = dynamic_cast<TscListBoxStyleHook*>(list->StyleHook());
    ASSERT_NE(hook, nullptr);
    const TColor listColor = style->GetStyleColor(scListBox);
    EXPECT_EQ(hook->ListColor(), listColor);
    const int height = list->ClientHeight();
    const int width = list->ClientWidth();
    const struct {
        int Items;
        int ErasedFrom; // the first row of the list colour
    } cases[] = {{0, 0}, {2, 32}, {40, height}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Items);
        list->Items()->Clear();
        for (int i = 0; i < c.Items; ++i)
            list->Items()->Add(u"Item " + IntToStr(i));
        auto bitmap = Canvas32(width, height, clFuchsia);
        EXPECT_EQ(SendMessageW(list->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0), 1);
        EXPECT_EQ(CountColor(bitmap.get(), TRect(0, 0, width, c.ErasedFrom), clFuchsia), width * c.ErasedFrom);
        EXPECT_EQ(CountColor(bitmap.get(), TRect(0, c.ErasedFrom, width, height), listColor),
                  width * (height - c.ErasedFrom));
    }
    delete list;
}

TEST_F(ViewHooksTest, ADisabledListBoxTakesTheDisabledColoursAtOnce)
{
    TActiveTestStyle style;
    auto* list = Add<TscListBox>(150, 100);
    auto* hook = dynamic_cast<TscListBoxStyleHook*>(list->StyleHook());
    ASSERT_NE(hook, nullptr);
    for (bool enabled : {false, true}) {
        SCOPED_TRACE(enabled);
        list->SetEnabled(enabled);
        EXPECT_EQ(hook->ListColor(), style->GetStyleColor(enabled ? scListBox : scListBoxDisabled));
        EXPECT_EQ(hook->TextColor(), style->GetStyleFontColor(enabled ? sfListItemTextNormal : sfListItemTextDisabled));
        // The area below the items is erased in the new colour at once.
        auto bitmap = Canvas32(list->ClientWidth(), list->ClientHeight(), clFuchsia);
        SendMessageW(list->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
        EXPECT_EQ(PixelAt(bitmap.get(), 5, 5), ColorToRGB(hook->ListColor()));
    }
    delete list;
}

TEST_F(ViewHooksTest, ATreeKeepsTheStylesColoursWhateverItIsAsked)
{
    TActiveTestStyle style;
    for (bool client : {true, false}) {
        SCOPED_TRACE(client);
        auto* tree = new TscTreeView(Form);
        tree->SetBounds(20, 20, 200, 150);
        tree->SetColor(clYellow);
        if (!client)
            tree->SetStyleElements(TStyleElements{seFont, seBorder});
        tree->SetParent(Form);
        ASSERT_NE(dynamic_cast<TscTreeViewStyleHook*>(tree->StyleHook()), nullptr);
        SendMessageW(tree->Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(RGB(255, 0, 0)));
        const TColor expected = client ? style->GetStyleColor(scTreeView) : clYellow;
        EXPECT_EQ(static_cast<COLORREF>(TreeView_GetBkColor(tree->Handle())), static_cast<COLORREF>(ColorToRGB(expected)));
        delete tree;
    }
}

TEST_F(ViewHooksTest, DraggingTheTreesThumbScrollsItDownToTheLastNodeAndBack)
{
    TActiveTestStyle style;
    auto* tree = new TscTreeView(Form);
    tree->SetBounds(20, 20, 200, 150);
    for (int i = 0; i < 60; ++i)
        tree->Items()->Add(nullptr, u"Node " + IntToStr(i));
    tree->SetParent(Form);
    auto* hook = dynamic_cast<TscTreeViewStyleHook*>(tree->StyleHook());
    ASSERT_NE(hook, nullptr);
    const HWND wnd = tree->Handle();
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const TRect thumb = ScreenRectOf(tree, hook->VertSliderRect());
    const TPoint start((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
    const auto top = [&] { return reinterpret_cast<HTREEITEM>(SendMessageW(wnd, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)); };
    const HTREEITEM first = top();
    SetCursorPos(start.X, start.Y);
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(start.X, start.Y));
    ASSERT_EQ(hook->VertSliderState(), tsThumbBtnVertPressed);
    // Far past the end of the track: the last node comes into view.
    SetCursorPos(start.X, start.Y + 400);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    const HTREEITEM last = tree->Items()->Item(59)->ItemId();
    EXPECT_TRUE(PumpUntil([&] {
        RECT r;
        *reinterpret_cast<HTREEITEM*>(&r) = last;
        return SendMessageW(wnd, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r)) != 0 && r.bottom <= tree->ClientHeight();
    }));
    // And back up to the top.
    SetCursorPos(start.X, start.Y - 400);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    EXPECT_TRUE(PumpUntil([&] { return top() == first; }));
    SendMessageW(wnd, WM_LBUTTONUP, 0, 0);
    delete tree;
}
