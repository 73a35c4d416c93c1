// The kit's own dialog form: its layout read back from the child controls at three resolutions, and
// how it answers the keyboard, the mouse and its timer while shown.
#include <gtest/gtest.h>

#include "Clipbrd.h"
#include "GuiTestSupport.h"
#include "PlatformFacts.h"
#include "PngImage.h"
#include "RurGlowButton.h"
#include "RurOfficeButtons.h"
#include "TaskDialogAnswerer.h"
#include "TaskDialogEx.h"
#include "TaskDialogRecorder.h"
#include "WindowPicture.h"

namespace {

// Builds the dialog form without showing it.
class TBuiltDialog : public TRurTaskDialog {
    TAVIN_CLASS(TBuiltDialog, TRurTaskDialog)
public:
    using TRurTaskDialog::TRurTaskDialog;
    std::unique_ptr<TRurMessageForm> Build() { return std::unique_ptr<TRurMessageForm>(CreateTaskDialogForm()); }
};

void Describe(TCustomRurTaskDialog& dialog)
{
    dialog.SetTitle(u"Dialog title");
    dialog.SetInstruction(u"The main instruction of the dialog");
    dialog.SetContent(u"The content explains what happened, with a <a href=\"https://example.com/\">link</a>.");
    dialog.SetExpandedText(u"More details behind the expander.\\nA second line.");
    dialog.SetExpandControlText(u"Hide &details");
    dialog.SetCollapsControlText(u"Show &details");
    dialog.SetFooter(u"A footer text");
    dialog.SetFooterIcon(tfiShield);
    dialog.SetVerificationText(u"Do not ask again");
    dialog.RadioButtons()->Add(u"First choice");
    dialog.RadioButtons()->Add(u"Second choice");
    dialog.CustomButtons()->Add(u"Go on");
    dialog.SetCommonButtons({cbOK, cbCancel});
    dialog.SetIcon(tiWarning);
    dialog.SetOptions({doHyperlinks, doProgressBar, doExpandedDefault});
}

TRect Bounds(const TControl* control) { return control->BoundsRect(); }

// Runs the dialog with the action played on its shown form; answers what Execute answered.
int RunShown(TCustomRurTaskDialog& dialog, const std::function<void(TRurMessageForm&)>& action)
{
    TTaskDialogAnswerer answerer([&](HWND wnd) { action(*TTaskDialogAnswerer::FormOf(wnd)); });
    const int result = dialog.Execute();
    EXPECT_TRUE(answerer.Answered);
    return result;
}

// Runs the steps one after another from the dialog's own modal loop, each on a later tick than the
// one before, while the dialog form is shown: what a step sets in motion (a close) happens before the
// next one runs. Answers what Execute answered and how many steps ran.
struct TStepRun {
    int Result = 0;
    size_t StepsRun = 0;
};

TStepRun RunSteps(TCustomRurTaskDialog& dialog, std::vector<std::function<void(TRurMessageForm&)>> steps)
{
    static TCustomRurTaskDialog* running = nullptr;
    static std::vector<std::function<void(TRurMessageForm&)>>* pending = nullptr;
    static size_t done = 0;
    running = &dialog;
    pending = &steps;
    done = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
        TRurMessageForm* form = running->DialogForm();
        if (!form || !IsWindowVisible(form->Handle()) || GetActiveWindow() != form->Handle() ||
            done >= pending->size())
            return;
        (*pending)[done++](*form);
    });
    TStepRun run;
    run.Result = dialog.Execute();
    run.StepsRun = done;
    KillTimer(nullptr, timer);
    return run;
}

} // namespace

// Every element in its place at 96, 144 and 192 DPI: the white area from the top (icon, instruction,
// content, progress bar, radio buttons, expanded text), then the grey row (expander, verification,
// buttons) and the footer at the bottom; sizes grow with the resolution.
TEST(TaskDialogFormLayout, ElementsInOrderAtThreeResolutions)
{
    struct TMeasured {
        int IconSize, Margin, ButtonHeight, ClientWidth;
    };
    std::vector<TMeasured> measured;
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        TPlatformFactsInjection facts;
        facts.Dpi = dpi;
        TInjectedPlatformFacts injected(facts);
        TBuiltDialog dialog(nullptr);
        Describe(dialog);
        std::unique_ptr<TRurMessageForm> form = dialog.Build();
        const double s = dpi / 96.0;
        auto* icon = static_cast<TImage*>(form->FindComponent(u"Image"));
        auto* instruction = static_cast<TLabel*>(form->FindComponent(u"Instr"));
        ASSERT_TRUE(icon && instruction);
        EXPECT_EQ(Bounds(icon).Width(), static_cast<int>(32 * s));
        EXPECT_EQ(icon->Left(), form->HorzMargin());
        EXPECT_EQ(instruction->Font()->Height(), static_cast<int>(-15 * s));
        EXPECT_GT(instruction->Left(), icon->Left() + icon->Width());
        const TRect content = form->ContentRect();
        EXPECT_EQ(content.Top, instruction->Top() + instruction->Height() + form->VertSpacing());
        EXPECT_GT(content.Height(), 0);
        EXPECT_GE(form->ProgressBar()->Top(), content.Bottom);
        EXPECT_EQ(form->ProgressBar()->Width(), form->ClientWidth() - 2 * form->HorzMargin());
        const auto& radios = form->RadioList();
        ASSERT_EQ(radios.size(), 2u);
        EXPECT_GE(radios[0]->Top(), form->ProgressBar()->Top() + form->ProgressBar()->Height());
        EXPECT_EQ(radios[1]->Top(), radios[0]->Top() + radios[0]->Height() + 4);
        EXPECT_EQ(radios[0]->Left(), instruction->Left() + form->HorzMargin());
        EXPECT_TRUE(form->Expanded());
        const TRect expanded = form->ExpandedTextRect();
        EXPECT_GE(expanded.Top, radios[1]->Top() + radios[1]->Height());
        // The row below the white area.
        TTaskDialogButton* expander = form->ExpandButton();
        EXPECT_GE(expander->Top(), expanded.Bottom);
        const auto& common = form->CommonButtonList();
        const auto& custom = form->CustomButtonList();
        ASSERT_EQ(common.size(), 2u);
        ASSERT_EQ(custom.size(), 1u);
        EXPECT_EQ(custom[0]->Top(), expander->Top() + 4);
        EXPECT_EQ(form->WhiteWindowHeight(), custom[0]->Top());
        EXPECT_LT(custom[0]->Left() + custom[0]->Width(), common[0]->Left());
        EXPECT_LT(common[0]->Left() + common[0]->Width(), common[1]->Left());
        EXPECT_LE(common[1]->Left() + common[1]->Width(), form->ClientWidth());
        EXPECT_EQ(common[0]->Height(), common[1]->Height());
        TCheckBox* verification = form->VerificationCheck();
        EXPECT_GT(verification->Top(), expander->Top() + expander->Height());
        const TRect footer = form->FooterRect();
        EXPECT_EQ(footer.Bottom, form->ClientHeight());
        EXPECT_GE(footer.Top, verification->Top() + verification->Height());
        EXPECT_GE(footer.Top, common[0]->Top() + common[0]->Height());
        measured.push_back({icon->Width(), form->HorzMargin(), common[0]->Height(), form->ClientWidth()});
    }
    // Twice the resolution, twice the sizes (within the text's own rounding).
    for (size_t i = 1; i < measured.size(); ++i) {
        const double ratio = (i == 1 ? 1.5 : 2.0);
        EXPECT_EQ(measured[i].IconSize, static_cast<int>(32 * ratio));
        EXPECT_NEAR(measured[i].Margin, measured[0].Margin * ratio, 3 * ratio);
        EXPECT_NEAR(measured[i].ButtonHeight, measured[0].ButtonHeight * ratio, 3 * ratio);
        EXPECT_GT(measured[i].ClientWidth, measured[0].ClientWidth);
    }
}

// Command links stack in the white area, each as wide as the text column; with no common buttons
// there is no grey band.
TEST(TaskDialogFormLayout, CommandLinksFillTheTextColumn)
{
    TBuiltDialog dialog(nullptr);
    dialog.SetInstruction(u"Choose");
    dialog.SetIcon(tiInformation);
    dialog.CustomButtons()->Add(u"&Save\\nKeeps the changes");
    dialog.CustomButtons()->Add(u"&Discard");
    dialog.SetOptions({doCommandLinks});
    std::unique_ptr<TRurMessageForm> form = dialog.Build();
    const auto& links = form->CustomButtonList();
    ASSERT_EQ(links.size(), 2u);
    auto* instruction = static_cast<TLabel*>(form->FindComponent(u"Instr"));
    for (TWinControl* link : links) {
        EXPECT_EQ(link->Left(), instruction->Left());
        EXPECT_EQ(link->Left() + link->Width(), form->ClientWidth() - form->HorzMargin());
    }
    EXPECT_EQ(links[1]->Top(), links[0]->Top() + links[0]->Height() + 2);
    // The first line in the bold heading font, the note below it: the two-line link is the taller.
    EXPECT_GT(links[0]->Height(), links[1]->Height());
    EXPECT_EQ(form->WhiteWindowHeight(), form->Height());
    // An instruction-only dialog moves what follows up.
    EXPECT_LT(links[0]->Top(), instruction->Top() + instruction->Height() + 2 * form->VertSpacing());
}

TEST(TaskDialogFormLayout, ButtonRulesAsTheDialogAsks)
{
    struct {
        const char* Name;
        TCommonButtons Common;
        int DefaultButton;
        int Buttons;
        int DefaultIndex;   // -1: none
        bool TabStops;
    } cases[] = {
        {"no buttons: one OK, default", {}, 0, 1, 0, true},
        {"Yes No: Yes is default", {cbYes, cbNo}, 0, 2, 0, true},
        {"default 7 picks No", {cbYes, cbNo}, IDNO, 2, 1, true},
        {"default -1: none, no tab stops", {cbOK, cbCancel}, -1, 2, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TBuiltDialog dialog(nullptr);
        dialog.SetCommonButtons(c.Common);
        dialog.SetDefaultButton(c.DefaultButton);
        std::unique_ptr<TRurMessageForm> form = dialog.Build();
        const auto& buttons = form->CommonButtonList();
        ASSERT_EQ(static_cast<int>(buttons.size()), c.Buttons);
        for (int i = 0; i < c.Buttons; ++i) {
            auto* button = static_cast<TButton*>(buttons[static_cast<size_t>(i)]);
            EXPECT_EQ(button->Default(), i == c.DefaultIndex) << i;
            EXPECT_EQ(button->TabStop(), c.TabStops) << i;
        }
    }
    // The close button answers 3 on the dialog form; OK and Cancel the platform's numbers.
    TBuiltDialog dialog(nullptr);
    dialog.SetCommonButtons({cbOK, cbCancel, cbClose});
    std::unique_ptr<TRurMessageForm> form = dialog.Build();
    EXPECT_EQ(dialog.GetButtonModalResult(form->FindButton(3)), 3);
    EXPECT_EQ(form->FindButton(IDCANCEL)->Name(), u"Cancel");
    EXPECT_EQ(form->FindButton(IDOK)->Name(), u"OK");
    EXPECT_EQ(form->FindButton(IDCANCEL)->Caption(), u"Cancel");
}

TEST(TaskDialogFormBehaviour, ButtonsAnswerTheirIdentifiers)
{
    using namespace TaskDialogActions;
    struct {
        TCommonButtons Common;
        int Press;
        int Expected;
    } cases[] = {{{cbOK, cbCancel, cbClose}, 3, 3}, {{cbYes, cbNo}, IDNO, IDNO}, {{cbOK}, 100, 100}};
    for (const auto& c : cases) {
        TRurTaskDialog dialog(nullptr);
        dialog.SetNonNativeDialog(nndAlways);
        dialog.SetCommonButtons(c.Common);
        dialog.CustomButtons()->Add(u"Custom");
        std::vector<int> clicks;
        dialog.SetOnDialogButtonClick([&](TObject*, int id) { clicks.push_back(id); });
        EXPECT_EQ(RunShown(dialog, [&](TRurMessageForm& form) { PressButton(form.Handle(), c.Press); }), c.Expected);
        EXPECT_EQ(clicks, std::vector<int>{c.Expected});
        EXPECT_FALSE(dialog.IsNative());
        EXPECT_EQ(dialog.DialogForm(), nullptr);
    }
}

// ClickButton and EnableButton find the button Execute answers for the identifier (IDCANCEL is
// Cancel, whatever position it has).
TEST(TaskDialogFormBehaviour, ClickAndEnableButtonByIdentifier)
{
    TRurTaskDialog dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.SetCommonButtons({cbOK, cbYes, cbCancel});
    bool okEnabled = true;
    EXPECT_EQ(RunShown(dialog,
                       [&](TRurMessageForm& form) {
                           dialog.EnableButton(IDOK, false);
                           okEnabled = form.FindButton(IDOK)->Enabled();
                           dialog.ClickButton(IDOK); // disabled: nothing happens
                           dialog.ClickButton(IDCANCEL);
                       }),
              IDCANCEL);
    EXPECT_FALSE(okEnabled);
}

TEST(TaskDialogFormBehaviour, KeyboardMovesAndAnswers)
{
    // Tab walks the buttons from the default one; Enter presses the focused default.
    TRurTaskDialog dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.SetCommonButtons({cbYes, cbNo, cbCancel});
    std::vector<String> focus;
    EXPECT_EQ(RunShown(dialog,
                       [&](TRurMessageForm& form) {
                           PumpUntil([&] { return FocusedControl() != nullptr; });
                           for (int i = 0; i < 3; ++i) {
                               focus.push_back(FocusedControl() ? FocusedControl()->Name() : u"");
                               PressKey(VK_TAB);
                           }
                           form.FindButton(IDNO)->SetFocus();
                           PressKey(VK_RETURN);
                       }),
              IDNO);
    EXPECT_EQ(focus, (std::vector<String>{u"Yes", u"No", u"Cancel"}));

    // Escape cancels only where the dialog allows it (a Cancel button allows it).
    for (bool allowed : {true, false}) {
        TRurTaskDialog escape(nullptr);
        escape.SetNonNativeDialog(nndAlways);
        escape.CustomButtons()->Add(u"Only");
        if (allowed)
            escape.SetOptions({doAllowDialogCancel});
        const TStepRun run = RunSteps(escape, {[](TRurMessageForm& form) { TaskDialogActions::PressEscape(form.Handle()); },
                                               [](TRurMessageForm& form) { TaskDialogActions::PressButton(form.Handle(), 100); }});
        EXPECT_EQ(run.Result, allowed ? IDCANCEL : 100);
        EXPECT_EQ(run.StepsRun, allowed ? 1u : 2u);
    }
}

TEST(TaskDialogFormBehaviour, AcceleratorsClickCommandLinksAndToggleTheExpander)
{
    TRurTaskDialog dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.CustomButtons()->Add(u"&Save");
    dialog.CustomButtons()->Add(u"&Discard");
    dialog.SetOptions({doCommandLinks});
    EXPECT_EQ(RunShown(dialog, [](TRurMessageForm&) { PressKey('D'); }), 101);

    TRurTaskDialog expanding(nullptr);
    expanding.SetNonNativeDialog(nndAlways);
    expanding.SetExpandedText(u"Hidden at first");
    expanding.SetCollapsControlText(u"&More");
    expanding.SetExpandControlText(u"&Less");
    expanding.SetCommonButtons({cbOK});
    std::vector<bool> states;
    std::vector<int> heights;
    RunShown(expanding, [&](TRurMessageForm& form) {
        for (int i = 0; i < 2; ++i) {
            states.push_back(form.Expanded());
            heights.push_back(form.ClientHeight());
            PostMessageW(form.Handle(), WM_SYSCHAR, i == 0 ? 'm' : 'l', 0);
            PumpFor(50);
        }
        states.push_back(form.Expanded());
        form.Close();
    });
    EXPECT_EQ(states, (std::vector<bool>{false, true, false}));
    EXPECT_GT(heights[1], heights[0]);
}

TEST(TaskDialogFormBehaviour, CtrlCCopiesTheDialogText)
{
    for (bool expanded : {false, true}) {
        TRurTaskDialog dialog(nullptr);
        dialog.SetNonNativeDialog(nndAlways);
        dialog.SetTitle(u"Title");
        dialog.SetInstruction(u"Instruction");
        dialog.SetContent(u"Content");
        dialog.SetExpandedText(u"Details");
        dialog.SetCommonButtons({cbOK});
        if (expanded)
            dialog.SetOptions({doExpandedDefault});
        RunShown(dialog, [](TRurMessageForm& form) {
            Clipboard()->SetAsText(u"");
            BYTE keys[256];
            GetKeyboardState(keys);
            const BYTE control = keys[VK_CONTROL];
            keys[VK_CONTROL] = 0x80;
            SetKeyboardState(keys);
            PressKey('C');
            keys[VK_CONTROL] = control;
            SetKeyboardState(keys);
            form.Close();
        });
        EXPECT_EQ(Clipboard()->AsText(), expanded ? u"Title\r\nInstruction\r\nContent\r\n\r\nDetails"
                                                  : u"Title\r\nInstruction\r\nContent");
    }
}

// The 100 ms tick: the timer event only with doTimer, the progress handler's position and state on
// the bar, and auto-closing on the eleventh tick for a time-out of 1000 ms.
TEST(TaskDialogFormBehaviour, TickDrivesTimerProgressAndAutoClose)
{
    TRurTaskDialog dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.SetCommonButtons({cbOK});
    dialog.SetOptions({doProgressBar});
    dialog.SetAutoClose(true);
    dialog.SetAutoCloseTimeOut(1000);
    int timerEvents = 0, progressCalls = 0, closedAt = 0;
    std::vector<TProgressBarState> barStates;
    dialog.SetOnDialogTimer([&](TObject*) { ++timerEvents; });
    dialog.SetOnDialogProgress([&](TObject*, int& position, TTaskDialogProgressState& state) {
        ++progressCalls;
        position = progressCalls * 10;
        state = progressCalls == 3 ? psError : progressCalls == 4 ? psPaused : psNormal;
        if (TRurMessageForm* form = dialog.DialogForm(); form && progressCalls >= 4 && progressCalls <= 5)
            barStates.push_back(form->ProgressBar()->State());
    });
    dialog.SetOnAutoClose([&](TObject*) { closedAt = dialog.AutoCloseCounter(); });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(closedAt, 1100);
    EXPECT_EQ(progressCalls, 11);
    EXPECT_EQ(timerEvents, 0);
    EXPECT_EQ(barStates, (std::vector<TProgressBarState>{pbsError, pbsPaused}));
}

TEST(TaskDialogFormBehaviour, RadioVerificationAndCloseEvent)
{
    TRurTaskDialog dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.RadioButtons()->Add(u"One");
    dialog.RadioButtons()->Add(u"Two");
    dialog.SetVerificationText(u"Remember");
    dialog.SetCommonButtons({cbOK, cbCancel});
    std::vector<int> radioClicks;
    std::vector<bool> verifyClicks;
    int closeAsks = 0;
    dialog.SetOnDialogRadioClick([&](TObject*, int id) { radioClicks.push_back(id); });
    dialog.SetOnDialogVerifyClick([&](TObject*, bool checked) { verifyClicks.push_back(checked); });
    dialog.SetOnDialogClose([&](TObject*, bool& canClose) { canClose = ++closeAsks > 1; });
    const TStepRun run = RunSteps(dialog, {[](TRurMessageForm& form) { ClickAt(form.RadioList()[1]); },
                                           [](TRurMessageForm& form) { ClickAt(form.VerificationCheck()); },
                                           [](TRurMessageForm& form) { TaskDialogActions::PressButton(form.Handle(), IDOK); },
                                           [](TRurMessageForm& form) { TaskDialogActions::PressButton(form.Handle(), IDOK); }});
    EXPECT_EQ(run.Result, IDOK);
    // The first OK was refused by the close event; the second closed the form.
    EXPECT_EQ(run.StepsRun, 4u);
    EXPECT_EQ(closeAsks, 2);
    EXPECT_EQ(radioClicks, std::vector<int>{201});
    EXPECT_EQ(dialog.RadioButtonResult(), 201);
    EXPECT_EQ(verifyClicks, std::vector<bool>{true});
    EXPECT_TRUE(dialog.VerifyResult());
}

// The extended dialog's choices are the kit's Office radio buttons and answer clicks as the base's do.
TEST(TaskDialogFormBehaviour, TheExtendedDialogsChoicesAreOfficeRadioButtons)
{
    TRurTaskDialogEx dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.RadioButtons()->Add(u"One");
    dialog.RadioButtons()->Add(u"Two");
    dialog.SetDefaultRadioButton(201);
    dialog.SetCommonButtons({cbOK, cbCancel});
    std::vector<int> radioClicks;
    dialog.SetOnDialogRadioClick([&](TObject*, int id) { radioClicks.push_back(id); });
    std::vector<bool> checkedOnShow;
    const TStepRun run = RunSteps(
        dialog, {[&](TRurMessageForm& form) {
                     for (TWinControl* control : form.RadioList()) {
                         auto* radio = dynamic_cast<TRurOfficeRadioButton*>(control);
                         ASSERT_NE(radio, nullptr);
                         checkedOnShow.push_back(radio->Checked());
                     }
                     EXPECT_EQ(form.RadioList()[0]->Caption(), u"One");
                     ClickAt(form.RadioList()[0]);
                 },
                 [](TRurMessageForm& form) {
                     EXPECT_TRUE(static_cast<TRurOfficeRadioButton*>(form.RadioList()[0])->Checked());
                     EXPECT_FALSE(static_cast<TRurOfficeRadioButton*>(form.RadioList()[1])->Checked());
                     TaskDialogActions::PressButton(form.Handle(), IDOK);
                 }});
    EXPECT_EQ(run.Result, IDOK);
    EXPECT_EQ(checkedOnShow, (std::vector<bool>{false, true}));
    EXPECT_EQ(radioClicks, std::vector<int>{200});
    EXPECT_EQ(dialog.RadioButtonResult(), 200);
}

// Links of the rich texts: web and mail targets open with the shell, others only reach a handler.
TEST(TaskDialogFormBehaviour, LinksInTheContentOpen)
{
    std::vector<String> opened;
    TTaskDialogLinkOpener previous = SetTaskDialogLinkOpener([&](const String& link) { opened.push_back(link); });
    for (const char16_t* target : {u"https://example.com/a", u"notes.txt"}) {
        TRurTaskDialog dialog(nullptr);
        dialog.SetNonNativeDialog(nndAlways);
        dialog.SetContent(String(u"<a href=\"") + target + u"\">Link</a>");
        dialog.SetCommonButtons({cbOK});
        dialog.SetOptions({doHyperlinks});
        RunShown(dialog, [](TRurMessageForm& form) {
            const TRect r = form.ContentRect();
            const LPARAM at = MAKELPARAM(r.Left + 5, r.Top + r.Height() / 2);
            PostMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(form.Handle(), WM_LBUTTONUP, 0, at);
            PumpFor(100);
            form.Close();
        });
    }
    SetTaskDialogLinkOpener(std::move(previous));
    EXPECT_EQ(opened, std::vector<String>{u"https://example.com/a"});
}

// A text changed while the form is shown lays it out again.
TEST(TaskDialogFormBehaviour, ChangedTextsFollowOnTheShownForm)
{
    TRurTaskDialog dialog(nullptr);
    dialog.SetNonNativeDialog(nndAlways);
    dialog.SetContent(u"Short");
    dialog.SetCommonButtons({cbOK});
    int before = 0, after = 0;
    RunShown(dialog, [&](TRurMessageForm& form) {
        before = form.ContentRect().Height();
        dialog.SetContent(u"One line\\nand another\\nand a third");
        after = form.ContentRect().Height();
        form.Close();
    });
    EXPECT_GT(after, before);
}

// Pictures for a person to look at (not compared): every element, and a mirrored Persian box.
TEST(TaskDialogFormLook, Pictures)
{
    TRurTaskDialog dialog(nullptr);
    Describe(dialog);
    dialog.SetNonNativeDialog(nndAlways);
    RunShown(dialog, [](TRurMessageForm& form) {
        SaveWindowPicture(form.Handle(), u"taskdialog-form.png");
        form.Close();
    });

    TRurTaskDialog persian(nullptr);
    persian.SetNonNativeDialog(nndAlways);
    persian.SetTitle(u"گروه نرم افزاری تاوین");
    persian.SetInstruction(u"خطا");
    persian.SetContent(u"تولید کلید یا درخواست ناموفق بود");
    persian.SetExpandedText(u"نوشتن فایل کلید خصوصی ناموفق بود.");
    persian.SetExpandControlText(u"بستن راهنمايي بيشتر");
    persian.SetCollapsControlText(u"نمايش راهنمايي بيشتر");
    persian.CustomButtons()->Add(u"تأييـد");
    persian.SetIcon(tiError);
    persian.SetRightToLeftLayout(true);
    RunShown(persian, [](TRurMessageForm& form) {
        SaveWindowPicture(form.Handle(), u"taskdialog-form-rtl.png");
        form.Close();
    });

    // The extended dialog: glow buttons and Office radio buttons in the look of the kit.
    TRurTaskDialogEx ex(nullptr);
    Describe(ex);
    ex.SetNonNativeDialog(nndAlways);
    ex.SetUIStyle(tsOffice2007Luna);
    RunShown(ex, [](TRurMessageForm& form) {
        SaveWindowPicture(form.Handle(), u"taskdialog-form-ex.png");
        form.Close();
    });
}
