#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "TaskDialogAnswerer.h"
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
    TNativeTaskDialogOffered offered;
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

namespace {

// A window standing in for the shown system dialog: it keeps the messages the component sends it.
class TRecordingDialogWindow {
public:
    TRecordingDialogWindow()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TavinTestDialogWindow";
        RegisterClassW(&wc);
        FWnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(FWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TRecordingDialogWindow() { DestroyWindow(FWnd); }
    HWND Handle() const { return FWnd; }

    struct TSent {
        UINT Msg;
        WPARAM WParam;
        LPARAM LParam;
        String Text; // the text of TDM_UPDATE_ELEMENT_TEXT
    };
    std::vector<TSent> Sent;

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<TRecordingDialogWindow*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
        if (self && msg >= WM_USER) {
            String text = msg == TDM_UPDATE_ELEMENT_TEXT ? FromWidePtr(reinterpret_cast<const wchar_t*>(lParam)) : u"";
            self->Sent.push_back({msg, wParam, lParam, text});
            return 0;
        }
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
    HWND FWnd = nullptr;
};

HRESULT NotifyFrom(HWND wnd, const TASKDIALOGCONFIG& c, UINT notification, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return c.pfCallback(wnd, notification, wParam, lParam, c.lpCallbackData);
}

} // namespace

// The numbers the system's dialog gets for its icons, as Windows resolves them and as Wine does.
TEST(TaskDialogTest, IconNumbersForTheSystemDialog)
{
    struct {
        TTaskDialogIcon Icon;
        WORD Windows, Wine;
    } main[] = {{tiBlank, 17, 0},         {tiWarning, 84, 65535},    {tiQuestion, 99, 32514}, {tiError, 98, 65534},
                {tiInformation, 81, 65533}, {tiNotUsed, 0, 0},         {tiShield, 78, 65532}};
    for (const auto& c : main) {
        EXPECT_EQ(TaskDialogMainIconId(c.Icon, false), c.Windows) << int(c.Icon);
        EXPECT_EQ(TaskDialogMainIconId(c.Icon, true), c.Wine) << int(c.Icon);
    }
    struct {
        TTaskDialogFooterIcon Icon;
        WORD Windows, Wine;
    } footer[] = {{tfiBlank, 0, 0},           {tfiWarning, 84, 65535},      {tfiQuestion, 99, 32514},
                  {tfiError, 98, 65534},      {tfiInformation, 65533, 65533}, {tfiShield, 65532, 65532}};
    for (const auto& c : footer) {
        EXPECT_EQ(TaskDialogFooterIconId(c.Icon, false), c.Windows) << int(c.Icon);
        EXPECT_EQ(TaskDialogFooterIconId(c.Icon, true), c.Wine) << int(c.Icon);
    }
}

// While the system's dialog is up: changed texts and the footer icon are sent to it, the progress
// bar gets its range, position and state, radio and verification clicks reach their events.
TEST(TaskDialogTest, ShownSystemDialogFollowsTheComponent)
{
    TRecordingDialogWindow window;
    TRurTaskDialog dialog(nullptr);
    dialog.SetOptions({doProgressBar});
    dialog.SetProgressBarMin(5);
    dialog.SetProgressBarMax(50);
    dialog.SetContent(u"Before");
    dialog.SetOnDialogProgress([](TObject*, int& position, TTaskDialogProgressState& state) {
        position = 42;
        state = psPaused;
    });
    std::vector<int> radios;
    std::vector<bool> verifications;
    dialog.SetOnDialogRadioClick([&](TObject*, int id) { radios.push_back(id); });
    dialog.SetOnDialogVerifyClick([&](TObject*, bool checked) { verifications.push_back(checked); });
    TTaskDialogRecorder recorder(IDOK, [&](const TASKDIALOGCONFIG& c) {
        NotifyFrom(window.Handle(), c, TDN_CREATED);
        dialog.SetContent(u"Before"); // unchanged: nothing is sent
        dialog.SetContent(u"After");
        dialog.SetInstruction(u"Now");
        dialog.SetFooterIcon(tfiInformation);
        NotifyFrom(window.Handle(), c, TDN_TIMER);
        NotifyFrom(window.Handle(), c, TDN_RADIO_BUTTON_CLICKED, 201);
        NotifyFrom(window.Handle(), c, TDN_VERIFICATION_CLICKED, 1);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    const auto& sent = window.Sent;
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[0].Msg, TDM_SET_PROGRESS_BAR_RANGE);
    EXPECT_EQ(sent[0].LParam, MAKELPARAM(5, 50));
    EXPECT_EQ(sent[1].Msg, TDM_UPDATE_ELEMENT_TEXT);
    EXPECT_EQ(sent[1].WParam, static_cast<WPARAM>(TDE_CONTENT));
    EXPECT_EQ(sent[1].Text, u"After");
    EXPECT_EQ(sent[2].WParam, static_cast<WPARAM>(TDE_MAIN_INSTRUCTION));
    EXPECT_EQ(sent[3].Msg, TDM_UPDATE_ICON);
    EXPECT_EQ(sent[3].WParam, static_cast<WPARAM>(TDIE_ICON_FOOTER));
    EXPECT_EQ(sent[3].LParam, 65533);
    EXPECT_EQ(sent[4].Msg, TDM_SET_PROGRESS_BAR_POS);
    EXPECT_EQ(sent[4].WParam, 42u);
    EXPECT_EQ(sent[5].Msg, TDM_SET_PROGRESS_BAR_STATE);
    EXPECT_EQ(sent[5].WParam, static_cast<WPARAM>(PBST_PAUSED));
    EXPECT_EQ(radios, std::vector<int>{201});
    EXPECT_EQ(verifications, std::vector<bool>{true});
}

// The path: the system's dialog only where it is offered and not refused by nndAlways; a system
// dialog that fails shows the dialog form instead of reporting a button.
TEST(TaskDialogTest, PathChoiceAndFallback)
{
    struct {
        bool Offered;
        TNonNativeDialog NonNative;
        HRESULT SystemResult;
        bool SystemCalled, FormShown;
    } cases[] = {
        {true, nndAuto, S_OK, true, false},
        {true, nndAlways, S_OK, false, true},
        {false, nndAuto, S_OK, false, true},
        {true, nndAuto, E_OUTOFMEMORY, true, true},
    };
    for (const auto& c : cases) {
        TRurTaskDialog dialog(nullptr);
        dialog.SetNonNativeDialog(c.NonNative);
        dialog.SetCommonButtons({cbOK});
        TTaskDialogRecorder recorder(IDOK, nullptr, c.SystemResult);
        TNativeTaskDialogOffered offered(c.Offered);
        bool formShown = false;
        TTaskDialogAnswerer answerer([&](HWND wnd) {
            formShown = TTaskDialogAnswerer::FormOf(wnd) != nullptr;
            TaskDialogActions::PressButton(wnd, IDOK);
        });
        EXPECT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(recorder.Config.has_value(), c.SystemCalled);
        EXPECT_EQ(formShown, c.FormShown);
        EXPECT_EQ(dialog.IsNative(), !c.FormShown);
    }
}

// No exception leaves the system's callback: a failing help topic is shown in an error box, a
// failing event goes to the application's handler.
TEST(TaskDialogTest, ExceptionsStayInsideTheCallback)
{
    THelpEvent previousHelp = Application->OnHelp();
    TExceptionEvent previousHandler = Application->OnException();
    Application->SetOnHelp([](int, bool&) { throw Exception(u"No help here"); });
    std::vector<String> reported;
    Application->SetOnException([&](TObject*, const Exception& e) { reported.push_back(e.Message()); });
    TRurTaskDialog dialog(nullptr);
    dialog.SetHelpContext(12);
    dialog.SetOnDialogButtonClick([](TObject*, int) { throw Exception(u"Handler failed"); });
    HRESULT help = E_FAIL, click = E_FAIL;
    TMessageBoxAnswerer boxes;
    TTaskDialogRecorder recorder(IDOK, [&](const TASKDIALOGCONFIG& c) {
        help = Notify(c, TDN_HELP);
        click = Notify(c, TDN_BUTTON_CLICKED, IDOK);
    });
    EXPECT_NO_THROW(dialog.Execute());
    Application->SetOnHelp(previousHelp);
    Application->SetOnException(previousHandler);
    EXPECT_EQ(help, S_OK);
    EXPECT_EQ(click, S_OK);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.LastText(), u"No help here.");
    EXPECT_EQ(reported, std::vector<String>{u"Handler failed"});
}

TEST(TaskDialogTest, InputAndFocusControlsAreForgottenWhenFreed)
{
    TRurTaskDialog dialog(nullptr);
    auto* edit = new TEdit(nullptr);
    auto* other = new TEdit(nullptr);
    dialog.SetInputControl(edit);
    dialog.SetFocusControl(other);
    delete edit;
    EXPECT_EQ(dialog.InputControl(), nullptr);
    EXPECT_EQ(dialog.FocusControl(), other);
    delete other;
    EXPECT_EQ(dialog.FocusControl(), nullptr);
}

// The base factory acts on the framework's buttons only.
TEST(TaskDialogTest, FactoryActsOnItsOwnButtonKind)
{
    TRurTaskDialog dialog(nullptr);
    std::unique_ptr<TWinControl> button(dialog.CreateButton(nullptr));
    dialog.SetButtonCaption(button.get(), u"Save|Keeps the changes|twice");
    dialog.SetButtonModalResult(button.get(), 7);
    EXPECT_EQ(button->Caption(), u"Save");
    EXPECT_EQ(button->Hint(), u"Keeps the changes|twice");
    EXPECT_TRUE(button->ShowHint());
    EXPECT_EQ(dialog.GetButtonModalResult(button.get()), 7);
    TEdit edit(nullptr);
    dialog.SetButtonModalResult(&edit, 7);
    dialog.SetButtonCaption(&edit, u"x|y");
    EXPECT_EQ(dialog.GetButtonModalResult(&edit), 0);
    EXPECT_EQ(edit.Caption(), u"");
}
