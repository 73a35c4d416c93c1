// The input dialog: each kind of input control takes the value in and gives it back, validation
// may keep the form open, and a control of the application's own is lent to the form.
#include <gtest/gtest.h>

#include "DateUtils.h"
#include "GuiTestSupport.h"
#include "TaskDialogAnswerer.h"
#include "TaskDialogRecorder.h"

namespace {

// Runs the steps one after another from the dialog's modal loop, each once the form is active.
int RunSteps(TCustomRurTaskDialog& dialog, std::vector<std::function<void(TRurMessageForm&)>> steps,
             size_t* stepsRun = nullptr)
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
    const int result = dialog.Execute();
    KillTimer(nullptr, timer);
    if (stepsRun)
        *stepsRun = done;
    return result;
}

void PressOk(TRurMessageForm& form) { TaskDialogActions::PressButton(form.Handle(), IDOK); }

} // namespace

TEST(InputTaskDialogTest, EachKindTakesTheValueInAndGivesItBack)
{
    const TDateTime day = EncodeDate(2024, 3, 15);
    struct {
        const char* Name;
        TInputType Type;
        String Given;
        std::function<void(TRurMessageForm&)> Change;
        String Expected;
    } cases[] = {
        {"edit", itEdit, u"first", [](TRurMessageForm& f) { f.InputEdit()->SetText(u"typed"); }, u"typed"},
        {"password", itPassword, u"", [](TRurMessageForm& f) { f.InputEdit()->SetText(u"secret"); }, u"secret"},
        {"memo", itMemo, u"one", [](TRurMessageForm& f) { f.InputMemo()->Lines()->SetText(u"a\r\nb"); }, u"a\r\nb\r\n"},
        {"combo edit", itComboEdit, u"", [](TRurMessageForm& f) { f.InputCombo()->SetText(u"free text"); }, u"free text"},
        {"combo list", itComboList, u"green", [](TRurMessageForm& f) { f.InputCombo()->SetItemIndex(2); }, u"blue"},
        {"date", itDate, u"", [](TRurMessageForm&) {}, DateToStr(EncodeDate(2024, 3, 15))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TRurInputTaskDialog dialog(nullptr);
        dialog.SetInputType(c.Type);
        dialog.SetInputText(c.Given);
        dialog.InputItems()->SetText(u"red\r\ngreen\r\nblue");
        dialog.SetCommonButtons({cbOK, cbCancel});
        if (c.Type == itDate)
            dialog.SetInputDateTime(day);
        bool shownAsGiven = false;
        Char passwordChar = 0;
        EXPECT_EQ(RunSteps(dialog, {[&](TRurMessageForm& form) {
                               if (form.InputEdit()) {
                                   shownAsGiven = form.InputEdit()->Text() == c.Given;
                                   passwordChar = static_cast<Char>(
                                       SendMessageW(form.InputEdit()->Handle(), EM_GETPASSWORDCHAR, 0, 0));
                               } else if (c.Type == itComboList) {
                                   shownAsGiven = form.InputCombo()->ItemIndex() == 1; // the item equal to the text
                               } else if (form.InputDate()) {
                                   shownAsGiven = form.InputDate()->Date() == day;
                               } else {
                                   shownAsGiven = true;
                               }
                               c.Change(form);
                               PressOk(form);
                           }}),
                  IDOK);
        EXPECT_TRUE(shownAsGiven);
        EXPECT_EQ(dialog.InputText(), c.Expected);
        EXPECT_EQ(passwordChar, c.Type == itPassword ? u'*' : Char(0));
        if (c.Type == itComboList) {
            EXPECT_EQ(dialog.InputItemIndex(), 2);
        }
    }
}

// Refused without a new value or a text: the form stays open without a tip; refused with a new
// value: the control shows it. A value that is no date leaves the picker as it was.
TEST(InputTaskDialogTest, ValidationKeepsTheFormOpen)
{
    TRurInputTaskDialog dialog(nullptr);
    dialog.SetCommonButtons({cbOK});
    dialog.SetInputText(u"bad");
    dialog.SetValidateData(77);
    int asks = 0;
    std::vector<int> data, results;
    dialog.SetOnValidateInputText([&](TObject*, String& value, int validateData, int modalResult, bool& valid) {
        data.push_back(validateData);
        results.push_back(modalResult);
        ++asks;
        valid = asks == 3;
        if (asks == 2)
            value = u"fixed";
    });
    String shownAfterSecond;
    size_t steps = 0;
    EXPECT_EQ(RunSteps(dialog,
                       {PressOk, PressOk,
                        [&](TRurMessageForm& form) {
                            shownAfterSecond = form.InputEdit()->Text();
                            PressOk(form);
                        }},
                       &steps),
              IDOK);
    EXPECT_EQ(steps, 3u);
    EXPECT_EQ(shownAfterSecond, u"fixed");
    EXPECT_EQ(dialog.InputText(), u"fixed");
    EXPECT_EQ(data, (std::vector<int>{77, 77, 77}));
    EXPECT_EQ(results, (std::vector<int>{IDOK, IDOK, IDOK}));

    TRurInputTaskDialog date(nullptr);
    date.SetInputType(itDate);
    date.SetCommonButtons({cbOK});
    date.SetInvalidEntryText(u"Not a date");
    int dateAsks = 0;
    date.SetOnValidateInputText([&](TObject*, String& value, int, int, bool& valid) {
        valid = ++dateAsks > 1;
        value = u"no date at all";
    });
    TDateTime before = 0, after = 0;
    EXPECT_EQ(RunSteps(date, {[&](TRurMessageForm& form) {
                                  before = form.InputDate()->DateTime();
                                  PressOk(form);
                              },
                              [&](TRurMessageForm& form) {
                                  after = form.InputDate()->DateTime();
                                  PressOk(form);
                              }}),
              IDOK);
    EXPECT_EQ(after, before);
}

TEST(InputTaskDialogTest, CustomControlIsLentToTheForm)
{
    TRurInputTaskDialog missing(nullptr);
    missing.SetInputType(itCustom);
    EXPECT_THROW(missing.Execute(), Exception);

    TForm home(nullptr);
    auto* control = new TEdit(&home);
    control->SetParent(&home);
    TRurInputTaskDialog dialog(nullptr);
    dialog.SetInputType(itCustom);
    dialog.SetInputControl(control);
    dialog.SetInputText(u"given");
    dialog.SetCommonButtons({cbOK});
    dialog.SetOnDialogInputGetText([](TObject*, String& text) { text = u"from the event"; });
    TWinControl* parentMeanwhile = nullptr;
    String textMeanwhile;
    RunSteps(dialog, {[&](TRurMessageForm& form) {
                 parentMeanwhile = control->Parent();
                 textMeanwhile = control->Text();
                 EXPECT_EQ(FocusedControl(), control);
                 PressOk(form);
             }});
    EXPECT_NE(parentMeanwhile, &home);
    EXPECT_EQ(textMeanwhile, u"given");
    EXPECT_EQ(dialog.InputText(), u"from the event");
    EXPECT_EQ(control->Parent(), &home);
    EXPECT_FALSE(control->Visible());
}

// The input control takes the focus, unless a focus control is set (here an edit inside the
// application's own input panel); the input dialog is the kit's form also where the system offers
// its task dialog.
TEST(InputTaskDialogTest, FocusGoesToTheInputOrTheFocusControl)
{
    TNativeTaskDialogOffered offered;
    TRurInputTaskDialog plain(nullptr);
    plain.SetCommonButtons({cbOK});
    String focused;
    RunSteps(plain, {[&](TRurMessageForm& form) {
                 focused = FocusedControl() ? FocusedControl()->Name() : u"";
                 PressOk(form);
             }});
    EXPECT_EQ(focused, u"TASKDLGEDIT");
    EXPECT_FALSE(plain.IsNative());

    TForm home(nullptr);
    auto* panel = new TPanel(&home);
    panel->SetParent(&home);
    panel->SetTabStop(false);
    auto* first = new TEdit(&home);
    first->SetParent(panel);
    auto* second = new TEdit(&home);
    second->SetName(u"Second");
    second->SetParent(panel);
    second->SetTop(30);
    TRurInputTaskDialog dialog(nullptr);
    dialog.SetInputType(itCustom);
    dialog.SetInputControl(panel);
    dialog.SetFocusControl(second);
    dialog.SetCommonButtons({cbOK});
    RunSteps(dialog, {[&](TRurMessageForm& form) {
                 focused = FocusedControl() ? FocusedControl()->Name() : u"";
                 PressOk(form);
             }});
    EXPECT_EQ(focused, u"Second");
}

TEST(InputTaskDialogTest, MemoSettingsRefuseANegativeHeight)
{
    TInputMemoSettings settings;
    settings.SetHeight(80);
    settings.SetHeight(-5);
    EXPECT_EQ(settings.Height(), 80);
    TInputMemoSettings copy;
    settings.SetWantReturns(true);
    copy.Assign(&settings);
    EXPECT_EQ(copy.Height(), 80);
    EXPECT_TRUE(copy.WantReturns());
    TRurInputTaskDialog dialog(nullptr);
    EXPECT_EQ(dialog.InputType(), itEdit);
    EXPECT_EQ(dialog.InputDropDownCount(), 8);
    EXPECT_TRUE(dialog.Options().Contains(doHyperlinks));
}
