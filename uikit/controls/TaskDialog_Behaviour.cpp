// The dialog form while it is shown: buttons, radio buttons and the verification box report to the
// dialog's events, links open, the expander shows and hides the expanded text, the 100 ms tick
// drives the timer event, the progress bar and auto-closing, keys give help, copying and
// accelerators, and closing passes through the dialog's close event and the input's validation.
#include "Clipbrd.h"
#include "TaskDialog_Form.h"

void TRurMessageForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE:
        // The form stays above whatever its owner was under.
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        break;
    case WM_DPICHANGED:
        TForm::WndProc(message);
        if (FTaskDialog)
            UpdateDialog();
        return;
    case CM_DIALOGCHAR:
        if (DialogChar(static_cast<Char>(message.WParam))) {
            message.Result = 1;
            return;
        }
        TForm::WndProc(message);
        if (message.Result == 0 && message.WParam == VK_ESCAPE && FTaskDialog &&
            FTaskDialog->Options().Contains(doAllowDialogCancel)) {
            SetModalResult(mrCancel);
            message.Result = 1;
        }
        return;
    default:
        break;
    }
    TForm::WndProc(message);
}

// Accelerators: of a command link, else of the expander's caption.
bool TRurMessageForm::DialogChar(Char key)
{
    if (!FTaskDialog)
        return false;
    if (FTaskDialog->Options().Contains(doCommandLinks)) {
        for (TWinControl* link : FcsBtnList)
            if (IsAccel(key, link->Caption()) && CanFocus()) {
                link->Click();
                return true;
            }
        return false;
    }
    if (FExpandButton) {
        const String& caption = FExpanded ? FTaskDialog->ExpandControlText() : FTaskDialog->CollapsControlText();
        if (IsAccel(key, caption)) {
            SetExpanded(!FExpanded);
            return true;
        }
    }
    return false;
}

void TRurMessageForm::ButtonClick(TObject* sender)
{
    GetInputText();
    if (!FTaskDialog->OnDialogButtonClick())
        return;
    auto* control = static_cast<TWinControl*>(sender);
    const auto custom = std::find(FcsBtnList.begin(), FcsBtnList.end(), control);
    const int id = custom != FcsBtnList.end()
                       ? TaskDialogFirstCustomButton + static_cast<int>(custom - FcsBtnList.begin())
                       : FTaskDialog->GetButtonModalResult(control);
    FTaskDialog->OnDialogButtonClick()(FTaskDialog, id);
}

void TRurMessageForm::RadioClick(TObject* sender)
{
    if (FBuilding)
        return;
    const auto radio = std::find(FRadioList.begin(), FRadioList.end(), sender);
    if (radio == FRadioList.end())
        return;
    const int id = TaskDialogFirstRadioButton + static_cast<int>(radio - FRadioList.begin());
    FTaskDialog->SetRadioButtonResult(id);
    FTaskDialog->OnDialogRadioClick()(FTaskDialog, id);
}

void TRurMessageForm::VerificationClick(TObject*)
{
    const bool checked = FVerificationCheck->Checked();
    FTaskDialog->SetVerifyResult(checked);
    FTaskDialog->OnDialogVerifyClick()(FTaskDialog, checked);
}

void TRurMessageForm::ExpandClick(TObject*) { SetExpanded(!FExpanded); }

void TRurMessageForm::TimerTick(TObject*)
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    dialog.SetAutoCloseCounter(dialog.AutoCloseCounter() + 100);
    if (dialog.Options().Contains(doTimer))
        dialog.OnDialogTimer()(&dialog);
    if (dialog.OnDialogProgress() && FProgressBar) {
        int position = FProgressBar->Position();
        TTaskDialogProgressState state = psNormal;
        dialog.OnDialogProgress()(&dialog, position, state);
        FProgressBar->SetPosition(position);
        static constexpr TProgressBarState states[] = {pbsNormal, pbsError, pbsPaused};
        FProgressBar->SetState(states[state]);
    }
    if (dialog.AutoClose() && dialog.AutoCloseTimeOut() > 0 && dialog.AutoCloseTimeOut() < dialog.AutoCloseCounter()) {
        dialog.DoAutoClose();
        dialog.Close();
    }
}

// Seen first of every key on the form or its controls.
void TRurMessageForm::PreviewKeyDown(TObject*, Word& key, TShiftState shift)
{
    if (key == VK_F4 && shift.Contains(ssAlt))
        key = 0;
    else if (key == u'C' && shift == TShiftState{ssCtrl})
        MessageBeep(0);
}

void TRurMessageForm::KeyDown(Word& key, TShiftState shift)
{
    PreviewKeyDown(this, key, shift);
    TForm::KeyDown(key, shift);
    if (key == VK_F1 && FTaskDialog->HelpContext() != 0 && Application)
        Application->HelpContext(FTaskDialog->HelpContext());
    else if (key == u'C' && shift.Contains(ssCtrl))
        Clipboard()->SetAsText(ClipboardText());
}

String TRurMessageForm::ClipboardText() const
{
    String text = FTaskDialog->Title() + u"\r\n" + FTaskDialog->Instruction() + u"\r\n" + FTaskDialog->Content();
    if (FExpanded && !FTaskDialog->ExpandedText().empty())
        text += u"\r\n\r\n" + FTaskDialog->ExpandedText();
    return text;
}

String TRurMessageForm::GetAnchorAt(int x, int y)
{
    struct TTry {
        TRect Rect;
        const String& Text;
    };
    TRect footer = FooterRect();
    if (FFooterIconID != 0)
        footer.Left += 20;
    const TTry tries[] = {{footer, FTaskDialog->Footer()},
                          {ContentRect(), FTaskDialog->Content()},
                          {ExpandedTextRect(), FTaskDialog->ExpandedText()}};
    TMeasuringScope measuring(*Canvas());
    for (const TTry& t : tries) {
        if (t.Text.empty() || (&t.Text == &FTaskDialog->ExpandedText() && !FExpanded))
            continue;
        THTMLDrawOptions options = DialogHTMLOptions(true, false, BiDiMode());
        options.MouseX = x;
        options.MouseY = y;
        THTMLDrawResult result;
        if (HTMLDraw(*Canvas(), DialogHTMLText(t.Text), t.Rect, options, result))
            return result.Anchor;
    }
    return String();
}

void TRurMessageForm::OpenLink(const String& target)
{
    if (FTaskDialog->OnDialogHyperlinkClick())
        FTaskDialog->OnDialogHyperlinkClick()(FTaskDialog, target);
    else
        OpenTaskDialogLink(target);
}

void TRurMessageForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TForm::MouseDown(button, shift, x, y);
    if (!FTaskDialog || !FTaskDialog->Options().Contains(doHyperlinks))
        return;
    const String anchor = GetAnchorAt(x, y);
    if (!anchor.empty())
        OpenLink(anchor);
}

void TRurMessageForm::MouseMove(TShiftState shift, int x, int y)
{
    if (FTaskDialog && FTaskDialog->Options().Contains(doHyperlinks)) {
        const String anchor = GetAnchorAt(x, y);
        if (!anchor.empty()) {
            if (Cursor() == crDefault || anchor != FAnchor) {
                SetCursor(crHandPoint);
                FAnchor = anchor;
            }
        } else if (Cursor() == crHandPoint) {
            SetCursor(crDefault);
            FAnchor.clear();
        }
    }
    TForm::MouseMove(shift, x, y);
}

void TRurMessageForm::DoShow()
{
    TForm::DoShow();
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    const int defaultId = dialog.DefaultButton();
    const int customIndex = defaultId - TaskDialogFirstCustomButton;
    TWinControl* first = nullptr;
    if (defaultId != -1 && customIndex >= 0 && customIndex < static_cast<int>(FcsBtnList.size()))
        first = FcsBtnList[static_cast<size_t>(customIndex)];
    else if (dialog.CommonButtons().Empty() && !FcsBtnList.empty() && defaultId < TaskDialogFirstCustomButton &&
             defaultId != -1)
        first = FcsBtnList.front();
    if (first && first->Enabled()) {
        SetActiveControl(first);
    } else {
        for (TWinControl* button : FcmBtnList)
            if (button->Tag() == 1 && button->Enabled())
                SetActiveControl(button);
    }
    if (dialog.FocusControl() && dialog.FocusControl()->GetParentForm() == this)
        SetActiveControl(dialog.FocusControl());
    else if (TWinControl* input = InputKindControl(); input && (dialog.InputType() != itCustom || input->TabStop()))
        SetActiveControl(input);
}

void TRurMessageForm::DoClose(TCloseAction& action)
{
    GetInputText();
    bool canClose = true;
    ValidateInput(canClose);
    if (FTaskDialog->OnDialogClose())
        FTaskDialog->OnDialogClose()(FTaskDialog, canClose);
    if (!canClose)
        action = caNone;
    TForm::DoClose(action);
    if (action == caNone) {
        FocusInputControl();
        return;
    }
    if (FTaskDialog->InputType() == itCustom)
        if (TWinControl* control = FTaskDialog->InputControl()) {
            control->Hide();
            control->SetParent(FOldParent);
        }
}

void TRurMessageForm::FocusInputControl()
{
    TWinControl* input = InputKindControl();
    if (input && (FTaskDialog->InputType() != itCustom || input->TabStop()) && input->CanFocus())
        input->SetFocus();
}
