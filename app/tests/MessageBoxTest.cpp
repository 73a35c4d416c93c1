#include <gtest/gtest.h>

#include <functional>

#include "GuiTestSupport.h"
#include "MessageUn.h"
#include "RecordingMessageBeeper.h"
#include "RurGlowButton.h"
#include "TaskDialogAnswerer.h"
#include "TaskDialogRecorder.h"

namespace {

const String OkCaption = u"تأييـد", CancelCaption = u"انصراف", NoCaption = u"خير", YesCaption = u"بله",
             RetryCaption = u"تلاش مجدد", AbortCaption = u"توقف", IgnoreCaption = u"صرف نظر";

std::vector<String> Captions(const TRecordedConfig& config)
{
    std::vector<String> captions;
    for (size_t i = 0; i < config.Buttons.size(); ++i) {
        EXPECT_EQ(config.Buttons[i].first, 100 + static_cast<int>(i));
        captions.push_back(config.Buttons[i].second);
    }
    return captions;
}

} // namespace

TEST(MessageBoxTest, ReportedButtonsMapToModalResults)
{
    struct {
        Byte Set;
        int Button, Result;
    } cases[] = {
        {1, 100, mrOk}, {1, 2, mrOk}, {1, -1, mrOk},
        {2, 100, mrCancel}, {2, 2, mrCancel}, {2, 101, mrOk}, {2, 102, 102},
        {3, 100, mrNo}, {3, 2, mrNo}, {3, 101, mrYes},
        {4, 100, mrCancel}, {4, 2, mrCancel}, {4, 101, mrNo}, {4, 102, mrYes}, {4, -1, -1},
        {5, 100, mrCancel}, {5, 2, mrCancel}, {5, 101, mrRetry}, {5, 0, 0},
        {6, 100, mrAbort}, {6, 101, mrRetry}, {6, 102, mrIgnore}, {6, 2, mrIgnore}, {6, 99, 99},
        {0, 100, 100}, {7, 2, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MapMessageBoxResult(c.Button, c.Set), c.Result) << int(c.Set) << " " << c.Button;
}

TEST(MessageBoxTest, KindsGiveIconsBalloonsAndBeeps)
{
    struct {
        Byte Kind;
        TTaskDialogIcon Icon;
        TBalloonType Balloon;
        UINT Beep;
    } cases[] = {
        {1, tiInformation, blnInfo, MB_ICONASTERISK}, {2, tiWarning, blnWarning, MB_ICONEXCLAMATION},
        {3, tiError, blnError, MB_ICONHAND},          {4, tiQuestion, blnInfo, MB_ICONQUESTION},
        {0, tiBlank, blnInfo, MB_ICONASTERISK},       {9, tiBlank, blnInfo, MB_ICONASTERISK},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildMessageBox(u"t", u"", u"", u"", c.Kind, 1, 0, false, 0)->Icon(), c.Icon) << int(c.Kind);
        EXPECT_EQ(MessageBalloonType(c.Kind), c.Balloon) << int(c.Kind);
        EXPECT_EQ(MessageBoxBeep(c.Kind), c.Beep) << int(c.Kind);
    }
}

TEST(MessageBoxTest, ButtonSetsBecomeCustomButtons)
{
    struct {
        Byte Set;
        std::vector<String> Captions;
    } cases[] = {
        {1, {OkCaption}},
        {2, {CancelCaption, OkCaption}},
        {3, {NoCaption, YesCaption}},
        {4, {CancelCaption, NoCaption, YesCaption}},
        {5, {CancelCaption, RetryCaption}},
        {6, {AbortCaption, RetryCaption, IgnoreCaption}},
        {0, {}},
        {7, {}},
    };
    for (const auto& c : cases) {
        TTaskDialogRecorder recorder(100);
        bool verified = false;
        ShowMessageBox(u"t", u"i", u"c", u"", 1, c.Set, 0, false, 0, verified);
        ASSERT_TRUE(recorder.Config);
        EXPECT_EQ(Captions(*recorder.Config), c.Captions) << int(c.Set);
    }
}

TEST(MessageBoxTest, BuildSetsTitleDefaultButtonVerificationAndHelp)
{
    auto box = BuildMessageBox(u"", u"Instruction", u"Content", u"More", 2, 3, 2, true, 77);
    EXPECT_EQ(box->Title(), u" ");
    EXPECT_EQ(box->Instruction(), u"Instruction");
    EXPECT_EQ(box->Content(), u"Content");
    EXPECT_EQ(box->ExpandedText(), u"More");
    EXPECT_EQ(box->DefaultButton(), 101);
    EXPECT_EQ(box->VerificationText(), u"اين سوال دوباره پرسيده نشود");
    EXPECT_EQ(box->HelpContext(), 77);
    EXPECT_TRUE(box->Options().Contains(doAllowDialogCancel));
    EXPECT_EQ(box->ExpandControlText(), u"بستن راهنمايي بيشتر");
    EXPECT_EQ(box->CollapsControlText(), u"نمايش راهنمايي بيشتر");
    EXPECT_EQ(box->Owner(), nullptr);

    auto plain = BuildMessageBox(u"Title", u"", u"", u"", 1, 1, 0, false, 0);
    EXPECT_EQ(plain->Title(), u"Title");
    EXPECT_EQ(plain->DefaultButton(), 99);
    EXPECT_TRUE(plain->VerificationText().empty());
    EXPECT_EQ(plain->HelpContext(), 0);
}

TEST(MessageBoxTest, ErrorMessageShowsOneOkButtonUnderTheToolTitle)
{
    TRecordingMessageBeeper beeper;
    TTaskDialogRecorder recorder(100);
    ShowErrorMessage(u"خطا", u"Content", u"Step", 3);
    ASSERT_TRUE(recorder.Config);
    const TRecordedConfig& c = *recorder.Config;
    EXPECT_EQ(c.Title, u"گروه نرم افزاری تاوین");
    EXPECT_EQ(c.Instruction, u"خطا");
    EXPECT_EQ(c.Expanded, u"Step");
    EXPECT_EQ(Captions(c), (std::vector<String>{OkCaption}));
    EXPECT_TRUE(c.Verification.empty());
    EXPECT_EQ(c.Parent, Application->Handle());
    const TASKDIALOG_FLAGS wanted = TDF_ALLOW_DIALOG_CANCELLATION | TDF_RTL_LAYOUT | TDF_POSITION_RELATIVE_TO_WINDOW;
    EXPECT_EQ(c.Flags & wanted, wanted);
    EXPECT_EQ(beeper.Beeps, (std::vector<UINT>{MB_ICONHAND}));
}

// The active form is disabled while the box runs and enabled again afterwards, also when the
// dialog fails with an exception.
TEST(MessageBoxTest, ActiveFormIsDisabledOnlyWhileTheBoxRuns)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 200);
    ASSERT_TRUE(ShowActive(&form));
    bool enabledMeanwhile = true;
    {
        TTaskDialogRecorder recorder(101, [&](const TASKDIALOGCONFIG&) { enabledMeanwhile = form.Enabled(); });
        bool verified = false;
        EXPECT_EQ(ShowMessageBox(u"t", u"i", u"c", u"", 4, 3, 0, true, 0, verified), mrYes);
        EXPECT_TRUE(verified);
    }
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(form.Enabled());
    {
        TTaskDialogRecorder recorder(0, [](const TASKDIALOGCONFIG&) { throw Exception(u"dialog failed"); });
        bool verified = false;
        EXPECT_THROW(ShowMessageBox(u"t", u"i", u"c", u"", 1, 1, 0, false, 0, verified), Exception);
    }
    EXPECT_TRUE(form.Enabled());
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
    form.Hide();
}

// Under Wine (common controls 5.81) the box is the kit's own dialog form, shown over an active form
// and closed as a person would (a button, its close box, Escape). Each box in a row is centred over
// the form and mirrored.
TEST(MessageBoxTest, DialogFormIsShownAndAnswered)
{
    TForm form(nullptr);
    form.SetBounds(150, 120, 760, 520);
    ASSERT_TRUE(ShowActive(&form));
    using namespace TaskDialogActions;
    struct {
        Byte Set;
        std::function<void(HWND)> Action;
        int Result;
    } cases[] = {
        {4, [](HWND d) { PressButton(d, 101); }, mrNo},
        {4, CloseBox, mrCancel},
        {6, CloseBox, mrIgnore},
        {3, [](HWND d) { PressButton(d, 101); }, mrYes},
        {4, PressEscape, mrCancel},
        {6, PressEscape, mrIgnore},
    };
    RECT formBounds;
    GetWindowRect(form.Handle(), &formBounds);
    TRecordingMessageBeeper beeper;
    for (const auto& c : cases) {
        bool kitForm = false, glowButtons = true;
        std::vector<String> captions;
        TTaskDialogAnswerer answerer([&](HWND d) {
            TRurMessageForm* shown = TTaskDialogAnswerer::FormOf(d);
            kitForm = shown != nullptr;
            if (shown)
                for (TWinControl* button : shown->CustomButtonList()) {
                    captions.push_back(button->Caption());
                    glowButtons = glowButtons && dynamic_cast<TRurGlowButton*>(button) != nullptr;
                }
            c.Action(d);
        });
        bool verified = true;
        int result = ShowMessageBox(u"", u"Question", u"Body", u"", 4, c.Set, 1, false, 0, verified);
        EXPECT_EQ(result, c.Result) << int(c.Set);
        EXPECT_TRUE(kitForm);
        EXPECT_TRUE(glowButtons) << "the kit's dialog shows glow buttons";
        EXPECT_EQ(captions.size(), c.Set == 3 ? 2u : 3u);
        EXPECT_EQ(answerer.Title, u" ");
        EXPECT_FALSE(answerer.OwnerFormEnabled);
        EXPECT_FALSE(verified);
        EXPECT_TRUE(form.Enabled());
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
        EXPECT_NEAR((answerer.Bounds.left + answerer.Bounds.right) / 2, (formBounds.left + formBounds.right) / 2, 2);
        EXPECT_NEAR((answerer.Bounds.top + answerer.Bounds.bottom) / 2, (formBounds.top + formBounds.bottom) / 2, 2);
        EXPECT_TRUE(answerer.ExStyle & WS_EX_LAYOUTRTL);
    }
    form.Hide();
}
