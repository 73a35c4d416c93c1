// An MDI frame with children under a styled frame and the test style: the client window without a
// frame of its own and painted in the style, the styled scroll bars that follow the children and
// move them, and a maximised child's buttons on the menu bar.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "GuiTestSupport.h"
#include "scStyledForm.h"

namespace {

using TD = TCustomStyleServices;

TEST(MDIFrameTest, TheClientScrollsItsChildrenAndAMaximisedChildPutsItsButtonsOnTheBar)
{
    TInjectedPlatformFacts noThemes({.ThemesActive = false});
    TActiveTestStyle style;
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 600, 420);
    new TscStyledForm(frame.get());
    auto* menu = new TMainMenu(frame.get());
    for (const char16_t* caption : {u"&File", u"&Window"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    frame->SetMenu(menu);
    ASSERT_TRUE(ShowActive(frame.get()));
    auto* hook = dynamic_cast<TscFormStyleHook*>(frame->StyleHook());
    ASSERT_NE(hook, nullptr);
    ASSERT_NE(hook->MainMenuBarHook(), nullptr);
    HWND client = frame->ClientHandle();

    // No frame or scroll bars of its own, and the style's window background.
    RECT window, inside;
    GetWindowRect(client, &window);
    GetClientRect(client, &inside);
    EXPECT_EQ(inside.right, window.right - window.left);
    EXPECT_EQ(inside.bottom, window.bottom - window.top);
    {
        auto bitmap = MakeBitmap32(inside.right, inside.bottom);
        SendMessageW(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
        EXPECT_EQ(COLORREF(ColorToRGB(PixelAt(bitmap.get(), 10, 10))),
                  style->ElementColor(TD::GetElementDetails(twWindowRoot)));
    }

    auto* first = new TForm(frame.get());
    first->SetBounds(10, 10, 200, 150);
    first->SetFormStyle(fsMDIChild);
    auto* second = new TForm(frame.get());
    second->SetBounds(60, 60, 200, 150);
    second->SetFormStyle(fsMDIChild);
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == second; }));
    TScrollBar* horz = hook->MDIHorzScrollBar();
    TScrollBar* vert = hook->MDIVertScrollBar();
    ASSERT_NE(horz, nullptr);
    EXPECT_FALSE(horz->Visible());
    EXPECT_FALSE(vert->Visible());

    // A child moved past the right edge brings the horizontal bar along the client's bottom.
    second->SetLeft(inside.right - 50);
    ASSERT_TRUE(PumpUntil([&] { return horz->Visible(); }));
    EXPECT_FALSE(vert->Visible());
    POINT clientOrigin{0, 0};
    MapWindowPoints(client, frame->Handle(), &clientOrigin, 1);
    EXPECT_EQ(horz->BoundsRect(), Bounds(clientOrigin.x, clientOrigin.y + inside.bottom - horz->Height(), inside.right,
                                         horz->Height()));
    EXPECT_EQ(horz->Max(), inside.right - 50 + 200 - 1);

    // A scroll by the bar moves every child by as much once it ends.
    const int firstLeft = first->Left(), secondLeft = second->Left();
    const LPARAM bar = reinterpret_cast<LPARAM>(horz->Handle());
    PostMessageW(frame->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 120), bar);
    PostMessageW(frame->Handle(), WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), bar);
    ASSERT_TRUE(PumpUntil([&] { return first->Left() != firstLeft; }));
    EXPECT_EQ(first->Left(), firstLeft - 120);
    EXPECT_EQ(second->Left(), secondLeft - 120);
    // The first child now starts left of the client: the bar still reaches it.
    EXPECT_TRUE(horz->Visible());

    // A maximised child hides the bars and shows its icon and buttons on the frame's menu bar.
    TscFormStyleHook::TscMainMenuBarStyleHook* menuBar = hook->MainMenuBarHook();
    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second->Handle()), 0);
    ASSERT_TRUE(PumpUntil([&] { return menuBar->ShowMDIButtons(); }));
    EXPECT_FALSE(horz->Visible());
    EXPECT_FALSE(menuBar->MDIChildIconRect().IsEmpty());
    SendMessageW(frame->Handle(), WM_NCPAINT, 1, 0);
    const TRect restore = menuBar->MDIButtonRect(1), barRect = menuBar->BoundsRect();
    ASSERT_FALSE(restore.IsEmpty());
    EXPECT_EQ(menuBar->MDIButtonRect(0).Right, barRect.Width());
    {
        auto bitmap = MakeBitmap32(600, 420);
        struct TPaintAccess : TscFormStyleHook {
            using TscFormStyleHook::PaintNC;
        };
        (hook->*(&TPaintAccess::PaintNC))(bitmap->Canvas());
        const TPoint c{barRect.Left + (restore.Left + restore.Right) / 2, barRect.Top + (restore.Top + restore.Bottom) / 2};
        EXPECT_EQ(COLORREF(ColorToRGB(PixelAt(bitmap.get(), c.X, c.Y))),
                  style->ElementColor(TD::GetElementDetails(twRestoreButtonNormal)));
        // The items start after the child's icon.
        EXPECT_EQ(menuBar->ItemRect(0).Left, menuBar->MDIChildIconRect().Right);
    }

    // A click on the restore button restores the child, and the buttons go.
    const int x = barRect.Left + (restore.Left + restore.Right) / 2, y = barRect.Top + (restore.Top + restore.Bottom) / 2;
    PostNCMouse(frame->Handle(), WM_NCMOUSEMOVE, HTMENU, x, y);
    EXPECT_EQ(menuBar->HotMDIButton(), 1);
    PostNCClick(frame->Handle(), WM_NCLBUTTONDOWN, HTMENU, x, y);
    ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(second->Handle()); }));
    EXPECT_TRUE(PumpUntil([&] { return !menuBar->ShowMDIButtons(); }));

    // Maximised again and then freed: the buttons go with it.
    SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second->Handle()), 0);
    ASSERT_TRUE(PumpUntil([&] { return menuBar->ShowMDIButtons(); }));
    delete second;
    EXPECT_TRUE(PumpUntil([&] { return !menuBar->ShowMDIButtons(); }));
}

} // namespace
