#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "TaskDialogRecorder.h"
#include "WideText.h"

namespace {

HRESULT Notify(const TASKDIALOGCONFIG& c, UINT notification, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return c.pfCallback(nullptr, notification, wParam, lParam, c.lpCallbackData);
}

} // namespace

TEST(TaskDialogTest, UnescapesNewLinesForTheSystemDialog)
{
    struct {
        String In, Out;
    } cases[] = {
        {u"plain", u"plain"},
        {u"one\\ntwo", u"one\ntwo"},
        {u"a\\\\nb", u"a\\nb"},
        {u"a\\\\nb\\nc", u"a\\nb\\nc"}, // a doubled escape turns off the line feeds
        {u"\\n", u"\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnescapeNewLines(c.In), c.Out) << std::string(c.In.begin(), c.In.end());
}

TEST(TaskDialogTest, FillsTheSystemRecordFromTheDescription)
{
    TTaskDialogRecorder recorder(101);
    TRurTaskDialog dialog(nullptr);
    dialog.SetTitle(u"Title\\nline");
    dialog.SetInstruction(u"Instruction");
    dialog.SetContent(u"Content");
    dialog.SetExpandedText(u"More");
    dialog.SetVerificationText(u"Again?");
    dialog.CustomButtons()->Add(u"Yes");
    dialog.CustomButtons()->Add(String(2000, u'x'));
    dialog.RadioButtons()->Add(u"First");
    dialog.SetCommonButtons({cbOK, cbClose});
    dialog.SetDefaultButton(101);
    dialog.SetIcon(tiError);
    dialog.SetFooterIcon(tfiInformation);
    dialog.SetOptions({doCommandLinks, doAllowDialogCancel, doExpandedDefault});
    dialog.SetModalParent(reinterpret_cast<HWND>(0x1234));

    EXPECT_EQ(dialog.Execute(), 101);
    ASSERT_TRUE(recorder.Config);
    const TRecordedConfig& c = *recorder.Config;
    EXPECT_EQ(c.Parent, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(c.Flags, TDF_USE_COMMAND_LINKS | TDF_ALLOW_DIALOG_CANCELLATION | TDF_EXPANDED_BY_DEFAULT);
    EXPECT_EQ(c.CommonButtons, TDCBF_OK_BUTTON | TDCBF_CLOSE_BUTTON);
    EXPECT_EQ(c.Title, u"Title\nline");
    EXPECT_EQ(c.Instruction, u"Instruction");
    EXPECT_EQ(c.Verification, u"Again?");
    EXPECT_EQ(c.Expanded, u"More");
    EXPECT_TRUE(c.Footer.empty());
    ASSERT_EQ(c.Buttons.size(), 2u);
    EXPECT_EQ(c.Buttons[0], (std::pair<int, String>{100, u"Yes"}));
    EXPECT_EQ(c.Buttons[1].first, 101);
    EXPECT_EQ(c.Buttons[1].second.size(), 1023u);
    ASSERT_EQ(c.Radios.size(), 1u);
    EXPECT_EQ(c.Radios[0].first, 200);
    EXPECT_EQ(c.DefaultButton, 101);
    EXPECT_EQ(c.DefaultRadioButton, 200);
    EXPECT_TRUE(IS_INTRESOURCE(c.MainIcon));
    EXPECT_NE(c.MainIcon, nullptr);
    EXPECT_EQ(c.FooterIcon, MAKEINTRESOURCEW(65533));
    EXPECT_EQ(dialog.RadioButtonResult(), 201);
    EXPECT_TRUE(dialog.VerifyResult());
    EXPECT_TRUE(dialog.IsNative());
}

TEST(TaskDialogTest, FlagsFollowTheOptions)
{
    struct {
        TTaskDialogOptions Options;
        bool CustomButton;
        bool AutoClose;
        TASKDIALOG_FLAGS Flags;
        bool RightToLeft = false;
        TTaskDialogPosition Position = dpScreenCenter;
    } cases[] = {
        {{doCommandLinks}, false, false, 0},
        {{}, false, false, TDF_RTL_LAYOUT, true},
        {{}, false, false, TDF_POSITION_RELATIVE_TO_WINDOW, false, dpOwnerFormCenter},
        {{doCommandLinksNoIcon}, false, false, TDF_USE_COMMAND_LINKS_NO_ICON},
        {{doCommandLinks, doCommandLinksNoIcon}, true, false, TDF_USE_COMMAND_LINKS_NO_ICON},
        {{doHyperlinks, doVerifyChecked}, false, false, TDF_ENABLE_HYPERLINKS | TDF_VERIFICATION_FLAG_CHECKED},
        {{doProgressBar}, false, false, TDF_SHOW_PROGRESS_BAR | TDF_CALLBACK_TIMER},
        {{doTimer}, false, false, TDF_CALLBACK_TIMER},
        {{}, false, true, TDF_CALLBACK_TIMER},
        {{doHyperlinkWithoutUAC, doAllowMinimize}, false, false, TDF_CAN_BE_MINIMIZED},
    };
    for (const auto& c : cases) {
        TTaskDialogRecorder recorder;
        TRurTaskDialog dialog(nullptr);
        dialog.SetOptions(c.Options);
        dialog.SetAutoClose(c.AutoClose);
        dialog.SetRightToLeftLayout(c.RightToLeft);
        dialog.SetDialogPosition(c.Position);
        if (c.CustomButton)
            dialog.CustomButtons()->Add(u"Go");
        dialog.Execute();
        ASSERT_TRUE(recorder.Config);
        EXPECT_EQ(recorder.Config->Flags, c.Flags) << c.Options.Bits();
    }
}

TEST(TaskDialogTest, NotificationsReachTheEvents)
{
    TRurTaskDialog dialog(nullptr);
    std::vector<int> clicks;
    bool allowClose = false;
    int closeAsks = 0;
    dialog.SetOnDialogButtonClick([&](TObject*, int id) { clicks.push_back(id); });
    dialog.SetOnDialogClose([&](TObject*, bool& canClose) {
        ++closeAsks;
        canClose = allowClose;
    });
    String link;
    dialog.SetOnDialogHyperlinkClick([&](TObject*, const String& href) { link = href; });
    HRESULT kept = S_OK, closed = S_FALSE;
    TTaskDialogRecorder recorder(100, [&](const TASKDIALOGCONFIG& c) {
        kept = Notify(c, TDN_BUTTON_CLICKED, 100);
        allowClose = true;
        closed = Notify(c, TDN_BUTTON_CLICKED, IDCANCEL);
        Notify(c, TDN_HYPERLINK_CLICKED, 0, reinterpret_cast<LPARAM>(L"https://example.com/"));
    });
    dialog.Execute();
    EXPECT_EQ(kept, S_FALSE);
    EXPECT_EQ(closed, S_OK);
    EXPECT_EQ(clicks, (std::vector<int>{100, IDCANCEL}));
    EXPECT_EQ(closeAsks, 2);
    EXPECT_EQ(link, u"https://example.com/");
}

// Links without a handler open in the default program, never elevated, whatever
// doHyperlinkWithoutUAC says; other link texts open nothing.
TEST(TaskDialogTest, WebAndMailLinksOpenWithTheShell)
{
    std::vector<String> opened;
    TTaskDialogLinkOpener previous = SetTaskDialogLinkOpener([&](const String& link) { opened.push_back(link); });
    for (TTaskDialogOptions options : {TTaskDialogOptions{doHyperlinks}, TTaskDialogOptions{doHyperlinks, doHyperlinkWithoutUAC}}) {
        opened.clear();
        TRurTaskDialog dialog(nullptr);
        dialog.SetOptions(options);
        TTaskDialogRecorder recorder(0, [](const TASKDIALOGCONFIG& c) {
            for (const wchar_t* link : {L"https://example.com/a", L"mailto:someone@example.com", L"notes.txt"})
                Notify(c, TDN_HYPERLINK_CLICKED, 0, reinterpret_cast<LPARAM>(link));
        });
        dialog.Execute();
        EXPECT_EQ(opened, (std::vector<String>{u"https://example.com/a", u"mailto:someone@example.com"}));
    }
    SetTaskDialogLinkOpener(std::move(previous));
}

TEST(TaskDialogTest, AutoCloseRunsOutAfterItsTimeOut)
{
    struct {
        int TimeOut;
        int ClosingTick; // 0: never within 20 ticks
    } cases[] = {{1000, 6}, {0, 0}, {199, 1}};
    for (const auto& c : cases) {
        TRurTaskDialog dialog(nullptr);
        dialog.SetAutoClose(true);
        dialog.SetAutoCloseTimeOut(c.TimeOut);
        int tick = 0, closedAt = 0;
        dialog.SetOnAutoClose([&](TObject*) {
            if (!closedAt)
                closedAt = tick;
        });
        TTaskDialogRecorder recorder(0, [&](const TASKDIALOGCONFIG& config) {
            for (tick = 1; tick <= 20; ++tick)
                Notify(config, TDN_TIMER);
        });
        dialog.Execute();
        EXPECT_EQ(closedAt, c.ClosingTick) << c.TimeOut;
    }
}

TEST(TaskDialogTest, ClearRestoresTheDefaults)
{
    TRurTaskDialog dialog(nullptr);
    dialog.SetTitle(u"t");
    dialog.SetContent(u"c");
    dialog.CustomButtons()->Add(u"b");
    dialog.SetDefaultRadioButton(205);
    dialog.SetOptions({doTimer});
    dialog.SetIcon(tiShield);
    dialog.Clear();
    EXPECT_TRUE(dialog.Title().empty());
    EXPECT_TRUE(dialog.Content().empty());
    EXPECT_EQ(dialog.CustomButtons()->Count(), 0);
    EXPECT_EQ(dialog.DefaultRadioButton(), 200);
    EXPECT_TRUE(dialog.Options().Empty());
    EXPECT_EQ(dialog.Icon(), tiBlank);
}

// The system's own dialog under Wine: shown, answered by a posted button press or closed.
TEST(TaskDialogTest, SystemDialogIsShownAndClosed)
{
    struct {
        UINT Msg;
        WPARAM WParam;
        int Expected;
    } cases[] = {{TDM_CLICK_BUTTON, 101, 101}, {WM_CLOSE, 0, IDCANCEL}};
    for (const auto& c : cases) {
        TRurTaskDialog dialog(nullptr);
        dialog.SetTitle(u"Shown");
        dialog.SetContent(u"Body");
        dialog.CustomButtons()->Add(u"One");
        dialog.CustomButtons()->Add(u"Two");
        dialog.SetOptions({doAllowDialogCancel});
        String shownTitle;
        dialog.SetOnDialogCreated([&](TObject*) {
            wchar_t text[64] = {};
            GetWindowTextW(dialog.hWnd(), text, 64);
            shownTitle = FromWidePtr(text);
            PostMessageW(dialog.hWnd(), c.Msg, c.WParam, 0);
        });
        EXPECT_EQ(dialog.Execute(), c.Expected);
        EXPECT_EQ(shownTitle, u"Shown");
        EXPECT_FALSE(IsWindow(dialog.hWnd()));
    }
}
