// The menu bar a styled frame paints under a custom style (the test style): its rows, its items'
// states, and its drop-downs driven by posted mouse and key messages.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "GuiTestSupport.h"
#include "scStyledForm.h"

namespace {

using TD = TCustomStyleServices;

TMenuItem* AddItem(TMenuItem* parent, const String& caption, int* clicks = nullptr)
{
    auto* item = new TMenuItem(parent);
    item->SetCaption(caption);
    if (clicks)
        item->SetOnClick([clicks](TObject*) { ++*clicks; });
    parent->Add(item);
    return item;
}

struct TMenuForm {
    TMenuForm()
    {
        Form = new TForm(nullptr);
        Styled = new TscStyledForm(Form);
        Form->SetBounds(120, 120, 420, 240);
        Menu = new TMainMenu(Form);
        TMenuItem* file = AddItem(Menu->Items(), u"&File");
        AddItem(file, u"&Open", &Opened);
        AddItem(file, u"E&xit");
        TMenuItem* edit = AddItem(Menu->Items(), u"&Edit");
        AddItem(edit, u"&Copy");
        AddItem(Menu->Items(), u"&Help", &Helped);
        Form->SetMenu(Menu);
    }
    ~TMenuForm() { delete Form; }
    TMenuForm(const TMenuForm&) = delete;
    TMenuForm& operator=(const TMenuForm&) = delete;

    TscFormStyleHook* Hook() { return dynamic_cast<TscFormStyleHook*>(Form->StyleHook()); }
    TscFormStyleHook::TscMainMenuBarStyleHook* Bar() { return Hook()->MainMenuBarHook(); }
    // The centre of a bar item in window coordinates.
    TPoint ItemCentre(int index)
    {
        const TRect r = Bar()->ItemRect(index), bar = Bar()->BoundsRect();
        return {bar.Left + (r.Left + r.Right) / 2, bar.Top + (r.Top + r.Bottom) / 2};
    }
    int ClientTop()
    {
        POINT origin{0, 0};
        ClientToScreen(Form->Handle(), &origin);
        RECT window;
        GetWindowRect(Form->Handle(), &window);
        return origin.y - window.top;
    }

    TInjectedPlatformFacts NoThemes{{.ThemesActive = false}};
    TActiveTestStyle Style;
    TForm* Form;
    TscStyledForm* Styled;
    TMainMenu* Menu;
    int Opened = 0, Helped = 0;
};

// One form with a menu serves the tests (destroying a shown window is slow).
class MenuBarTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Shared = new TMenuForm; }
    static void TearDownTestSuite() { delete Shared; }
    void SetUp() override
    {
        Shared->Form->SetBounds(120, 120, 420, 240);
        if (GetForegroundWindow() != Shared->Form->Handle()) {
            ASSERT_TRUE(ShowActive(Shared->Form));
        }
    }
    static TMenuForm* Shared;
};

TMenuForm* MenuBarTest::Shared = nullptr;

TEST_F(MenuBarTest, TheBarTakesRowsBelowTheCaptionAndIsDrawnInTheStyle)
{
    TMenuForm& f = *Shared;
    ASSERT_NE(f.Bar(), nullptr);
    EXPECT_EQ(GetMenu(f.Form->Handle()), nullptr); // the system's own bar is off
    const int row = GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(f.ClientTop(), 30 + row);
    EXPECT_EQ(f.Bar()->ItemCount(), 3);
    const TPoint file = f.ItemCentre(0);
    EXPECT_EQ(HitCode(f.Form->Handle(), file.X, file.Y), HTMENU);

    auto picture = [&](TPoint p) {
        auto bitmap = MakeBitmap32(420, 240);
        struct TPaintAccess : TscFormStyleHook {
            using TscFormStyleHook::PaintNC;
        };
        (f.Hook()->*(&TPaintAccess::PaintNC))(bitmap->Canvas());
        return COLORREF(ColorToRGB(PixelAt(bitmap.get(), p.X, f.Bar()->BoundsRect().Top + 1)));
    };
    EXPECT_EQ(picture(file), f.Style->ElementColor(TD::GetElementDetails(tmMenuBarItemNormal)));
    PostNCMouse(f.Form->Handle(), WM_NCMOUSEMOVE, HTMENU, file.X, file.Y);
    EXPECT_EQ(f.Bar()->ActiveItem(), 0);
    EXPECT_EQ(picture(file), f.Style->ElementColor(TD::GetElementDetails(tmMenuBarItemHot)));
    // An item with a drawing handler is drawn by it.
    TMenuItem* help = f.Menu->Items()->Items(2);
    TRect drawnAt;
    help->SetOnAdvancedDrawItem([&](TObject*, TCanvas* canvas, TRect r, TOwnerDrawState state) {
        drawnAt = r;
        EXPECT_TRUE(state.Contains(odNoAccel));
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect(r);
    });
    EXPECT_EQ(picture(f.ItemCentre(2)), RGB(0, 255, 0));
    EXPECT_EQ(drawnAt, f.Bar()->ItemRect(2));
    help->SetOnAdvancedDrawItem(nullptr);

    // Narrower than the items: they wrap to a second row and the frame grows by one row.
    f.Form->SetWidth(130);
    PumpFor(20);
    EXPECT_EQ(f.ClientTop(), 30 + 2 * row);
    EXPECT_EQ(f.Bar()->ItemRect(2).Top, row);
}

TEST_F(MenuBarTest, ItemsRunAndDropDownsOpen)
{
    TMenuForm& f = *Shared;
    PumpFor(20);
    HWND wnd = f.Form->Handle();
    const TPoint help = f.ItemCentre(2), file = f.ItemCentre(0);
    PostNCClick(wnd, WM_NCLBUTTONDOWN, HTMENU, help.X, help.Y);
    EXPECT_EQ(f.Helped, 1);

    // The drop-down's own loop takes the keys queued behind the press.
    auto postKey = [&](WPARAM key) { PostMessageW(wnd, WM_KEYDOWN, key, 0); };
    RECT window;
    GetWindowRect(wnd, &window);
    SetCursorPos(window.left + file.X, window.top + file.Y);
    PostMessageW(wnd, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(window.left + file.X, window.top + file.Y));
    postKey(VK_DOWN);
    postKey(VK_RETURN);
    PumpFor(200);
    EXPECT_EQ(f.Opened, 1);
    EXPECT_FALSE(f.Bar()->MenuPushed());

    // Alt and an item's accelerator run it.
    EXPECT_EQ(SendMessageW(wnd, CM_DIALOGCHAR, u'h', 1 << 29), 1);
    EXPECT_EQ(f.Helped, 2);
}

// The menus the form's window was asked to prepare, as the system does before showing one.
std::vector<HMENU> PreparedMenus;
WNDPROC FormProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITMENUPOPUP)
        PreparedMenus.push_back(reinterpret_cast<HMENU>(wParam));
    return CallWindowProcW(FormProc, wnd, msg, wParam, lParam);
}

TEST_F(MenuBarTest, TheKeyboardMovesAlongTheBarAndOnToTheSystemMenu)
{
    TMenuForm& f = *Shared;
    HWND wnd = f.Form->Handle();
    auto postKey = [&](WPARAM key) { PostMessageW(wnd, WM_KEYDOWN, key, 0); };
    const int helped = f.Helped, opened = f.Opened;
    // F10: the first item lights up; Right twice reaches Help, which Enter runs.
    PostMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
    postKey(VK_RIGHT);
    postKey(VK_RIGHT);
    postKey(VK_RETURN);
    PumpFor(100);
    EXPECT_EQ(f.Helped, helped + 1);
    EXPECT_FALSE(f.Bar()->InMenuLoop());
    EXPECT_EQ(f.Bar()->ActiveItem(), -1);

    // Left from the first item's drop-down opens the system menu; Right from there goes back to
    // the first item, whose Open Enter runs.
    FormProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    PreparedMenus.clear();
    PostMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
    postKey(VK_RETURN);
    postKey(VK_LEFT);
    postKey(VK_RIGHT);
    postKey(VK_DOWN);
    postKey(VK_RETURN);
    PumpFor(300);
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FormProc));
    EXPECT_EQ(f.Opened, opened + 1);
    const HMENU file = f.Menu->Items()->Items(0)->Handle();
    EXPECT_EQ(PreparedMenus, (std::vector<HMENU>{file, GetSystemMenu(wnd, FALSE), file}));

    // Alt+Space opens the system menu straight away; Escape closes it and the bar is left.
    PreparedMenus.clear();
    FormProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    PostMessageW(wnd, WM_SYSCOMMAND, SC_KEYMENU, u' ');
    postKey(VK_ESCAPE);
    PumpFor(100);
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FormProc));
    EXPECT_EQ(PreparedMenus, (std::vector<HMENU>{GetSystemMenu(wnd, FALSE)}));
    EXPECT_FALSE(f.Bar()->MenuPushed());
}

} // namespace
