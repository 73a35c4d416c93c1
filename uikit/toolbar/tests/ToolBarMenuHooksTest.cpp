// The menu bar's thread hooks: the message filter fed the messages a menu loop hands it, the
// search for the neighbouring button, and both hooks installed and removed with the menu bar's
// keyboard mode and dropped menus in real menu loops, with keys typed while the loops run.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "Messages.h"
#include "RurToolBar_MenuButton.h"
#include "RurToolBar_MenuHooks.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

// A menu bar that notes what the hooks call back; it may keep the calls from acting.
class TNotingToolBar : public TRurToolBar {
    TAVIN_CLASS(TNotingToolBar, TRurToolBar)
public:
    using TRurToolBar::TRurToolBar;
    void CancelMenuMode() override
    {
        ++Cancels;
        TRurToolBar::CancelMenuMode();
    }
    void ClickMenuButton(TRurCustomToolBarButton* button, bool synthesize) override
    {
        Clicks.emplace_back(button, synthesize);
        if (ActOnClicks)
            TRurToolBar::ClickMenuButton(button, synthesize);
    }
    int Cancels = 0;
    bool ActOnClicks = false;
    std::vector<std::pair<TRurCustomToolBarButton*, bool>> Clicks;
};

// Runs one step at each tick of a thread timer, in whichever loop runs then (the keyboard menu
// loop or an open menu's own), so each key comes after what the previous one set off.
class TStepFeeder {
public:
    explicit TStepFeeder(std::vector<std::function<void()>> steps) : FSteps(std::move(steps))
    {
        Current = this;
        FTimer = SetTimer(nullptr, 0, 40, &Tick);
    }
    ~TStepFeeder()
    {
        if (FTimer)
            KillTimer(nullptr, FTimer);
        Current = nullptr;
    }
    TStepFeeder(const TStepFeeder&) = delete;
    TStepFeeder& operator=(const TStepFeeder&) = delete;
    bool Done() const { return FTimer == 0; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TStepFeeder* self = Current;
        if (!self || !self->FTimer)
            return;
        if (self->FNext >= self->FSteps.size()) {
            KillTimer(nullptr, self->FTimer);
            self->FTimer = 0;
            // Whatever is still open closes, so a fault fails the test instead of hanging it.
            EndMenu();
            return;
        }
        self->FSteps[self->FNext++]();
    }
    static inline TStepFeeder* Current = nullptr;
    std::vector<std::function<void()>> FSteps;
    size_t FNext = 0;
    UINT_PTR FTimer = 0;
};

MSG Message(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0, TPoint pt = {})
{
    MSG m{};
    m.hwnd = window;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.pt = POINT{pt.X, pt.Y};
    return m;
}

class MenuHooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(80, 80, 420, 220);
        Menu = new TMainMenu(Form.get());
        File = AddItem(Menu->Items(), u"&File");
        AddItem(File, u"&New");
        AddItem(File, u"&Open");
        Edit = AddItem(Menu->Items(), u"&Edit", &EditClicks);
        AddItem(Edit, u"Cu&t");
        AddItem(Menu->Items(), u"&Help");
        ToolBar = new TNotingToolBar(Form.get());
        ToolBar->SetParent(Form.get());
        ToolBar->SetMenu(Menu);
        ASSERT_TRUE(ShowActive(Form.get()));
    }
    void TearDown() override
    {
        EXPECT_FALSE(MenuMsgFilterHookInstalled()) << "no hook left behind";
        EXPECT_FALSE(MenuGetMsgHookInstalled()) << "no hook left behind";
        RemoveMenuMsgFilterHook();
        RemoveMenuGetMsgHook();
    }
    TMenuItem* AddItem(TMenuItem* parent, const String& caption, int* clicks = nullptr)
    {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        if (clicks)
            item->SetOnClick([clicks](TObject*) { ++*clicks; });
        parent->Add(item);
        return item;
    }
    TRurCustomToolBarButton* Button(int index) const
    {
        return dynamic_cast<TRurCustomToolBarButton*>(ToolBar->ToolBarControls(index));
    }
    TPoint CentreOf(TControl* control) const
    {
        return control->ClientToScreen(Point(control->Width() / 2, control->Height() / 2));
    }
    // A key typed on the form, as the user's keys reach whatever has the focus.
    void Type(Word key) { PostMessageW(Form->Handle(), WM_KEYDOWN, key, 1); }
    // Alt on the form: the keyboard menu loop runs the feeder's steps until it ends.
    void RunMenuLoop(TStepFeeder& feeder)
    {
        SendMessageW(Form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
        EXPECT_TRUE(PumpUntil([&] { return feeder.Done(); }, 8000));
        EXPECT_FALSE(ToolBar->InMenuLoop());
    }
    // The caption of the first item of the menu dropped now ("" when none).
    String DroppedFirstCaption() const
    {
        TPopupMenu* menu = ToolBar->ActiveMenu();
        return menu && menu->Items()->Count() > 0 ? menu->Items()->Items(0)->Caption() : String();
    }

    std::unique_ptr<TForm> Form;
    TMainMenu* Menu = nullptr;
    TMenuItem *File = nullptr, *Edit = nullptr;
    TNotingToolBar* ToolBar = nullptr;
    int EditClicks = 0;
};

TEST_F(MenuHooksTest, NeighbouringButtonWrapsAndSkipsHiddenAndDisabledOnes)
{
    struct Case {
        const char* name;
        int from;
        bool forward;
        int disabled, hidden;
        int expected;
    };
    const Case cases[] = {
        {"next", 0, true, -1, -1, 1},
        {"previous", 1, false, -1, -1, 0},
        {"wraps to the first", 2, true, -1, -1, 0},
        {"wraps to the last", 0, false, -1, -1, 2},
        {"skips a disabled one", 0, true, 1, -1, 2},
        {"skips a hidden one", 2, false, -1, 1, 0},
        {"itself when alone", 0, true, 1, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < 3; ++i) {
            Button(i)->SetEnabled(i != c.disabled);
            Button(i)->SetVisible(i != c.hidden);
        }
        SetMenuHookToolBar(ToolBar, c.from);
        EXPECT_EQ(FindNextMenuButton(c.forward), Button(c.expected));
    }
    RemoveMenuMsgFilterHook();
    EXPECT_EQ(FindNextMenuButton(true), nullptr) << "no menu toolbar";
}

TEST_F(MenuHooksTest, FilterSwitchesMenusByThePointerAndStepsAsideAfterEscape)
{
    HWND window = Form->Handle();
    auto filter = [](MSG m) { CallMsgFilterW(&m, MSGF_MENU); };
    SetMenuHookToolBar(ToolBar, 0);
    InstallMenuMsgFilterHook();
    InstallMenuMsgFilterHook();
    ASSERT_TRUE(MenuMsgFilterHookInstalled());
    ASSERT_EQ(MenuHookToolBar(), ToolBar);

    // Messages of other modal loops are none of its business.
    MSG probe = Message(window, WM_NULL);
    CallMsgFilterW(&probe, MSGF_DIALOGBOX);
    MSG posted;
    EXPECT_FALSE(PeekMessageW(&posted, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    // The menu's first message posts Down to its window, once: the menu selects its first item.
    filter(Message(window, WM_NULL));
    filter(Message(window, WM_NULL));
    ASSERT_TRUE(PeekMessageW(&posted, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(VK_DOWN));
    EXPECT_FALSE(PeekMessageW(&posted, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));

    // The pointer over the dropping button changes nothing; over another menu button it switches.
    filter(Message(window, WM_MOUSEMOVE, 0, 0, CentreOf(Button(0))));
    EXPECT_TRUE(ToolBar->Clicks.empty());
    filter(Message(window, WM_MOUSEMOVE, 0, 0, CentreOf(Button(2))));
    ASSERT_EQ(ToolBar->Clicks.size(), 1u);
    EXPECT_EQ(ToolBar->Clicks[0].first, Button(2));
    EXPECT_TRUE(ToolBar->Clicks[0].second) << "chosen by the mouse";
    // Having ended the menu itself, the filter lets the menu's closing select through untouched.
    EXPECT_TRUE(MenuHookIgnoring());
    filter(Message(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0));
    EXPECT_EQ(ToolBar->Cancels, 0);
    RemoveMenuMsgFilterHook();
    EXPECT_EQ(MenuHookToolBar(), nullptr);

    // Installed again: Alt and a closing select end the menu mode; after Escape nothing does.
    struct Case {
        const char* name;
        std::vector<MSG> messages;
        int cancels;
    };
    const Case cases[] = {
        {"Alt", {Message(window, WM_SYSKEYDOWN, VK_MENU)}, 1},
        {"menu closed", {Message(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0)}, 1},
        {"Escape first",
         {Message(window, WM_KEYDOWN, VK_ESCAPE), Message(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0)},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetMenuHookToolBar(ToolBar, 0);
        InstallMenuMsgFilterHook();
        EXPECT_FALSE(MenuHookIgnoring());
        ToolBar->Cancels = 0;
        for (const MSG& m : c.messages)
            filter(m);
        EXPECT_EQ(ToolBar->Cancels, c.cancels);
        RemoveMenuMsgFilterHook();
        while (PeekMessageW(&posted, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
        }
    }
}

TEST_F(MenuHooksTest, KeyboardModeTakesTheFormsKeysAndDroppedMenusTheirOwnHook)
{
    struct TState {
        bool filter, getMsg;
        TRurCustomToolBarButton* hot;
    };
    std::vector<TState> states;
    auto note = [&] {
        states.push_back({MenuMsgFilterHookInstalled(), MenuGetMsgHookInstalled(), ToolBar->HotButton()});
    };
    TStepFeeder feeder({
        note,
        [&] { Type(VK_RIGHT); },
        note,
        [&] { Type(VK_DOWN); },
        note,
        [&] { Type(VK_ESCAPE); },
        note,
        [&] { Type(VK_ESCAPE); },
    });
    RunMenuLoop(feeder);
    ASSERT_EQ(states.size(), 4u);
    EXPECT_FALSE(states[0].filter);
    EXPECT_TRUE(states[0].getMsg) << "keyboard mode";
    EXPECT_EQ(states[0].hot, Button(0));
    EXPECT_EQ(states[1].hot, Button(1)) << "Right typed on the form reached the menu bar";
    EXPECT_TRUE(states[2].filter) << "Edit's menu is open";
    EXPECT_EQ(EditClicks, 1);
    EXPECT_FALSE(states[3].filter) << "the menu closed";
    EXPECT_TRUE(states[3].getMsg);
    EXPECT_EQ(KeyboardMenuToolBar(), nullptr);
    EXPECT_EQ(MenuHookToolBar(), nullptr);
}

TEST_F(MenuHooksTest, ArrowsAtTheMenusEdgeMoveToTheNeighbouringButton)
{
    ToolBar->ActOnClicks = true;
    std::vector<String> dropped;
    TRurCustomToolBarButton* hotAfterLeft = nullptr;
    TStepFeeder feeder({
        [&] { Type(VK_DOWN); },
        [&] { dropped.push_back(DroppedFirstCaption()); },
        // New, selected on opening, has no sub-items: Right goes to Edit, whose menu drops.
        [&] { Type(VK_RIGHT); },
        [&] {},
        [&] { dropped.push_back(DroppedFirstCaption()); },
        // Cut sits at the top of Edit's menu: Left goes back to File.
        [&] { Type(VK_LEFT); },
        [&] {},
        [&] { dropped.push_back(DroppedFirstCaption()); },
        // Left from File wraps to Help, which has no menu: it becomes hot, nothing drops.
        [&] { Type(VK_LEFT); },
        [&] {},
        [&] {},
        [&] { hotAfterLeft = ToolBar->HotButton(); },
        [&] { Type(VK_ESCAPE); },
    });
    RunMenuLoop(feeder);
    ASSERT_EQ(dropped.size(), 3u);
    EXPECT_EQ(dropped[0], u"&New");
    EXPECT_EQ(dropped[1], u"Cu&t");
    EXPECT_EQ(dropped[2], u"&New");
    EXPECT_EQ(hotAfterLeft, Button(2));
    EXPECT_TRUE(PumpUntil([&] { return !ToolBar->MenuDropped(); }));
    EXPECT_EQ(File->Count(), 2) << "the items went back";
    EXPECT_EQ(Edit->Count(), 1);
}

TEST_F(MenuHooksTest, DeactivationEndsKeyboardModeAndAGoneToolBarTakesItsHooks)
{
    TStepFeeder feeder({[&] { PostMessageW(Form->Handle(), CM_DEACTIVATE, 0, 0); }});
    RunMenuLoop(feeder);
    EXPECT_GE(ToolBar->Cancels, 1);
    // Freed while both hooks would call back into it.
    SetMenuHookToolBar(ToolBar, 0);
    InstallMenuMsgFilterHook();
    SetKeyboardMenuToolBar(ToolBar);
    InstallMenuGetMsgHook();
    delete ToolBar;
    ToolBar = nullptr;
    EXPECT_EQ(MenuHookToolBar(), nullptr);
    EXPECT_EQ(KeyboardMenuToolBar(), nullptr);
}

} // namespace
