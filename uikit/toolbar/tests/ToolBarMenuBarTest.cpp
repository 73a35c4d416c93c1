// A toolbar as the form's menu bar with a real main menu: its buttons, the keyboard menu loop
// entered by Alt, arrows, Enter, accelerators and Escape as posted keys handled by the real
// message loop, dropped menus and merged menus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurToolBar_MenuButton.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"

namespace {

constexpr UINT ProbeMessage = WM_APP + 7;

// A menu that did not close by the keys ends here, so a fault fails the test instead of hanging it.
HWND LoopWindow = nullptr;
void CALLBACK EndMenusLater(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    EndMenu();
    PostMessageW(LoopWindow, WM_KEYDOWN, VK_ESCAPE, 1);
}

class ToolBarMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(80, 80, 420, 220);
        Menu = new TMainMenu(Form.get());
        File = AddItem(Menu->Items(), u"&File");
        AddItem(File, u"&New", &NewClicks);
        AddItem(File, u"&Open");
        Edit = AddItem(Menu->Items(), u"&Edit", &EditClicks);
        AddItem(Edit, u"Cu&t");
        Help = AddItem(Menu->Items(), u"&Help", &HelpClicks);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Form.get());
        ToolBar->SetMenu(Menu);
        // The probe message records the menu bar's state between posted keys.
        Original = Form->WindowProc();
        Form->SetWindowProc([this](TMessage& message) {
            if (message.Msg == ProbeMessage) {
                Hot.push_back(ToolBar->HotButton());
                return;
            }
            Original(message);
        });
        ASSERT_TRUE(ShowActive(Form.get()));
    }
    void TearDown() override { Form->SetWindowProc(Original); }
    TMenuItem* AddItem(TMenuItem* parent, const String& caption, int* clicks = nullptr)
    {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        if (clicks)
            item->SetOnClick([clicks](TObject*) { ++*clicks; });
        parent->Add(item);
        return item;
    }
    TRurToolBarMenuButton* Button(int index) const
    {
        return dynamic_cast<TRurToolBarMenuButton*>(ToolBar->ToolBarControls(index));
    }
    void PostKey(Word key) { PostMessageW(ToolBar->Handle(), WM_KEYDOWN, key, 1); }
    void PostProbe() { PostMessageW(Form->Handle(), ProbeMessage, 0, 0); }
    // Alt (or Alt+key) as the system hands it to the form; the loop it starts handles what was posted.
    LRESULT AltKey(Char key = 0)
    {
        LoopWindow = ToolBar->Handle();
        const UINT_PTR guard = SetTimer(nullptr, 0, 5000, &EndMenusLater);
        const LRESULT result = SendMessageW(Form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, key);
        KillTimer(nullptr, guard);
        return result;
    }

    std::unique_ptr<TForm> Form;
    TMainMenu* Menu = nullptr;
    TMenuItem *File = nullptr, *Edit = nullptr, *Help = nullptr;
    TRurToolBar* ToolBar = nullptr;
    TWndMethod Original;
    std::vector<TRurCustomToolBarButton*> Hot;
    int NewClicks = 0, EditClicks = 0, HelpClicks = 0;
};

TEST_F(ToolBarMenuBarTest, OneButtonPerTopLevelItem)
{
    ASSERT_EQ(ToolBar->ToolBarControlCount(), 3);
    EXPECT_FALSE(ToolBar->ControlStyle().Contains(csAcceptsControls));
    const TMenuItem* items[] = {File, Edit, Help};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(Button(i), nullptr);
        EXPECT_EQ(Button(i)->MenuItem(), items[i]);
        EXPECT_EQ(Button(i)->Caption(), items[i]->Caption());
        EXPECT_TRUE(Button(i)->ToolBarCreated());
        if (i > 0) {
            EXPECT_EQ(Button(i)->Left(), Button(i - 1)->Left() + Button(i - 1)->Width());
        }
    }
    // A new top-level item rebuilds the buttons; another menu replaces only the toolbar's own.
    AddItem(Menu->Items(), u"&Window");
    ToolBar->UpdateMenu();
    EXPECT_EQ(ToolBar->ToolBarControlCount(), 4);
    auto* own = new TRurToolBarButton(Form.get());
    own->SetCaption(u"Own");
    ToolBar->AddToolBarControl(own);
    auto* other = new TMainMenu(Form.get());
    AddItem(other->Items(), u"&Only");
    ToolBar->SetMenu(other);
    ASSERT_EQ(ToolBar->ToolBarControlCount(), 2);
    EXPECT_EQ(ToolBar->ToolBarControls(0), own);
    // A freed menu leaves the menu bar empty of its buttons.
    delete other;
    EXPECT_EQ(ToolBar->Menu(), nullptr);
    EXPECT_EQ(ToolBar->ToolBarControlCount(), 1);
}

TEST_F(ToolBarMenuBarTest, AltArrowsWrapAndEscapeEndsTheLoop)
{
    PostProbe();
    PostKey(VK_RIGHT);
    PostProbe();
    PostKey(VK_RIGHT);
    PostKey(VK_RIGHT);
    PostProbe();
    PostKey(VK_LEFT);
    PostProbe();
    PostKey(VK_ESCAPE);
    EXPECT_NE(AltKey(), 0);
    EXPECT_FALSE(ToolBar->InMenuLoop());
    EXPECT_FALSE(ToolBar->MenuFocused());
    EXPECT_EQ(ToolBar->HotButton(), nullptr);
    ASSERT_EQ(Hot.size(), 4u);
    EXPECT_EQ(Hot[0], Button(0)) << "Alt makes the first button hot";
    EXPECT_EQ(Hot[1], Button(1));
    EXPECT_EQ(Hot[2], Button(0)) << "Right on the last wraps to the first";
    EXPECT_EQ(Hot[3], Button(2)) << "Left on the first wraps to the last";
    EXPECT_EQ(NewClicks + EditClicks + HelpClicks, 0) << "nothing dropped or chosen";
}

TEST_F(ToolBarMenuBarTest, DownDropsTheMenuAndEnterChoosesAnItem)
{
    PostKey(VK_DOWN);
    // Inside the dropped menu: the first item, then Enter (as the character the menu acts on).
    PostKey(VK_DOWN);
    PostMessageW(ToolBar->Handle(), WM_CHAR, u'\r', 1);
    PostProbe();
    PostKey(VK_ESCAPE);
    AltKey();
    EXPECT_EQ(NewClicks, 1);
    // The toolbar hears of the closed menu by the message it posted itself.
    EXPECT_TRUE(PumpUntil([&] { return !ToolBar->MenuDropped(); }));
    EXPECT_EQ(ToolBar->ActiveMenu(), nullptr);
    // The sub-items went back to their item once the menu closed.
    ASSERT_EQ(File->Count(), 2);
    EXPECT_EQ(File->Items(0)->Caption(), u"&New");
}

TEST_F(ToolBarMenuBarTest, AcceleratorsAndEarlierResultsDoNotCarryOver)
{
    // Alt+E drops the Edit menu at once (its item is clicked as a top-level item is); Escape closes
    // the menu, a second Escape ends the loop.
    PostKey(VK_ESCAPE);
    PostKey(VK_ESCAPE);
    EXPECT_NE(AltKey(u'e'), 0);
    EXPECT_EQ(EditClicks, 1);
    EXPECT_FALSE(ToolBar->InMenuLoop());
    // A letter no button has: nothing answers, no loop starts.
    EXPECT_EQ(ToolBar->Perform(WM_SYSCOMMAND, SC_KEYMENU, u'z'), 0);
    EXPECT_FALSE(ToolBar->InMenuLoop());
    // A result left from an earlier loop is not reported by the next one.
    ToolBar->SetMenuResult(true);
    PostKey(VK_ESCAPE);
    EXPECT_FALSE(ToolBar->EnterMenuLoop(nullptr));
}

TEST_F(ToolBarMenuBarTest, MergedMenuReplacesButtonsOfItsGroups)
{
    File->SetGroupIndex(1);
    Edit->SetGroupIndex(2);
    Help->SetGroupIndex(9);
    auto* child = new TMainMenu(Form.get());
    TMenuItem* childEdit = AddItem(child->Items(), u"&Edit child");
    childEdit->SetGroupIndex(2);
    TMenuItem* childView = AddItem(child->Items(), u"&View");
    childView->SetGroupIndex(3);
    ToolBar->MergeMenu(child);
    ASSERT_EQ(ToolBar->ToolBarControlCount(), 4);
    EXPECT_EQ(Button(0)->MenuItem(), File);
    EXPECT_EQ(Button(1)->MenuItem(), childEdit);
    EXPECT_EQ(Button(2)->MenuItem(), childView);
    EXPECT_EQ(Button(3)->MenuItem(), Help);
    ToolBar->UnmergeMenu(child);
    ASSERT_EQ(ToolBar->ToolBarControlCount(), 3);
    EXPECT_EQ(Button(1)->MenuItem(), Edit);
}

// The menu bar and a styled toolbar below it, as a user sees them; with TAVIN_DEMO_HOLD_MS set
// the form stays on screen that long (for a screenshot).
TEST_F(ToolBarMenuBarTest, MenuBarOnAForm)
{
    auto* styler = new TCustomRurToolBarStyler(Form.get());
    styler->Color()->SetColor(0x00FFF4EA);
    styler->Color()->SetColorTo(0x00EBCFB5);
    styler->Color()->SetDirection(gdVertical);
    styler->SetBorderColor(0x00B08060);
    ToolBar->SetToolBarStyler(styler);
    auto* tools = new TRurToolBar(Form.get());
    tools->SetParent(Form.get());
    tools->SetToolBarStyler(styler);
    tools->SetTop(ToolBar->Height() + 4);
    for (const char16_t* text : {u"Cut", u"Copy", u"Paste"}) {
        auto* button = new TRurToolBarButton(Form.get());
        button->SetCaption(text);
        button->SetShowCaption(true);
        tools->AddToolBarControl(button);
    }
    Button(1)->SetHot(true);
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
    Button(1)->SetHot(false);
}

} // namespace

namespace {

// A full-size menu bar of an MDI frame with the buttons of its maximized child.
TEST(ToolBarMDIButtonsTest, ChildButtonsWithoutTouchingTheFrameWindow)
{
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(60, 60, 520, 320);
    auto* menu = new TMainMenu(frame.get());
    auto* file = new TMenuItem(frame.get());
    file->SetCaption(u"&File");
    menu->Items()->Add(file);
    auto* toolBar = new TRurToolBar(frame.get());
    toolBar->SetParent(frame.get());
    toolBar->SetMenu(menu);
    ASSERT_TRUE(ShowActive(frame.get()));
    // A region and user data of the frame's own, as a styled frame keeps them.
    SetWindowRgn(frame->Handle(), CreateRectRgn(0, 0, 520, 320), TRUE);
    SetWindowLongPtrW(frame->Handle(), GWLP_USERDATA, 1234);
    const LONG_PTR procedure = GetWindowLongPtrW(frame->Handle(), GWLP_WNDPROC);

    toolBar->SetAutoMDIButtons(true);
    EXPECT_FALSE(toolBar->AutoMDIButtons()) << "not full size";
    toolBar->SetFullSize(true);
    // As wide as the frame, as a full-size bar in its own dock row is.
    toolBar->SetAutoSize(false);
    toolBar->SetBounds(0, 0, 500, toolBar->Height());
    toolBar->SetAutoMDIButtons(true);
    EXPECT_TRUE(toolBar->AutoMDIButtons());
    EXPECT_EQ(GetWindowLongPtrW(frame->Handle(), GWLP_USERDATA), 1234);
    EXPECT_TRUE(toolBar->MDICloseButtonRect().IsEmpty()) << "no child yet";

    auto* child = new TForm(frame.get());
    child->SetCaption(u"Child");
    child->SetFormStyle(fsMDIChild);
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == child; }));
    child->SetWindowState(wsMaximized);
    const TRect close = toolBar->MDICloseButtonRect();
    const int s = toolBar->MDIButtonSize();
    EXPECT_EQ(close.Width(), s);
    EXPECT_EQ(close.Right, toolBar->Width() - 3) << "a full-size bar has no right handle";
    EXPECT_EQ(toolBar->MDIRestoreButtonRect().Right, close.Left - 1);
    EXPECT_EQ(toolBar->MDIMinimizeButtonRect().Right, close.Left - 1 - s - 1);
    auto image = Snapshot(toolBar);
    EXPECT_TRUE(toolBar->MDIButtonsVisible());
    EXPECT_GT(CountOf(image.get(), close, clBlack), 8) << "the close cross";
    AddToContactSheet(u"MDI child buttons", image.get());

    // Minimize by a press and release on its button.
    const TRect minimize = toolBar->MDIMinimizeButtonRect();
    const TPoint centre{(minimize.Left + minimize.Right) / 2, (minimize.Top + minimize.Bottom) / 2};
    toolBar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.X, centre.Y));
    toolBar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(centre.X, centre.Y));
    EXPECT_EQ(child->WindowState(), wsMinimized);

    // Off again: the frame's procedure, user data and region are as they were.
    toolBar->SetAutoMDIButtons(false);
    EXPECT_EQ(GetWindowLongPtrW(frame->Handle(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetWindowLongPtrW(frame->Handle(), GWLP_USERDATA), 1234);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(frame->Handle(), region), ERROR) << "the region stays";
    DeleteObject(region);
}

} // namespace
